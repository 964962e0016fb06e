#pragma once
// Text helpers for fixed-column Windows-1252 lines. Columns count bytes of the
// raw line, from 1; text fields are decoded to UTF-8 as they are taken out.
#include <string>
#include <string_view>

// Columns von..bis (1-based, inclusive) of a raw line; a range running past
// the end yields the part that exists, possibly empty.
std::string_view Spalten(std::string_view zeile, int von, int bis);

// Column von to the end of the line.
std::string_view Spalten_Ab(std::string_view zeile, int von);

// Removes leading and trailing characters with codes up to 32.
std::string_view Trimmen(std::string_view text);

// Upper case of the ASCII letters a-z only; every other byte stays.
std::string Gross(std::string_view text);

// Lower case of the ASCII letters A-Z only.
std::string Klein(std::string_view text);

// Windows-1252 bytes to UTF-8, and back (characters outside Windows-1252 become '?').
// Decoding turns every control character (NUL to US, DEL: TAB, CR, LF among
// them) into a blank; it is the one place where text from a file enters.
std::string Cp1252_Zu_Utf8(std::string_view text);
std::string Utf8_Zu_Cp1252(std::string_view text);

// A trimmed text field of a catalogue line, decoded to UTF-8.
std::string Text_Feld(std::string_view zeile, int von, int bis);

// An untrimmed text field of a catalogue line, decoded to UTF-8.
std::string Text_Feld_Roh(std::string_view zeile, int von, int bis);

bool Beginnt_Mit(std::string_view text, std::string_view anfang);

// Length of the well-formed UTF-8 sequence at p (RFC 3629: no overlong forms,
// no surrogates, nothing above U+10FFFF); 0 when there is none.
std::size_t Utf8_Laenge(const unsigned char* p, std::size_t rest);
// True when the whole text is well-formed UTF-8.
bool Ist_Utf8(std::string_view s);

// The text with every byte that is not part of well-formed UTF-8 replaced by
// U+FFFD, so a stray byte costs only itself.
std::string Utf8_Bereinigt(std::string_view s);

// True when the text holds at least one well-formed multi-byte UTF-8 character.
bool Hat_Utf8_Zeichen(std::string_view s);

// Text for XML 1.0 content or an attribute: & < > " ' escaped, CR as a
// character reference (a parser would turn it into LF), and every character
// XML 1.0 forbids (C0 controls but TAB and LF, U+FFFE, U+FFFF, and bytes
// that are not UTF-8) replaced by U+FFFD.
std::string Xml_Text(std::string_view s);
