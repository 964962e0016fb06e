#pragma once
// The one place where numbers become text and text becomes numbers. Always
// "." as decimal point, whatever the user's locale.
#include <optional>
#include <string>
#include <string_view>

// x in fixed-point notation with `dezimalen` decimals, "-" for negatives, no
// grouping, as wide as needed (fixed(x, d)). A value that rounds to zero is
// shown without sign: -0.04 with one decimal is "0.0", never "-0.0".
std::string Fest(double x, int dezimalen);

// `text` right-aligned in `breite` characters (blanks in front; never cut).
std::string Rechtsbuendig(std::string_view text, std::size_t breite);

// An integer field of a catalogue line: optional leading blanks, then digits
// and nothing after them (no sign). Throws Konvertierungs_Fehler
// naming the text.
int Ganzzahl_Lesen(std::string_view feld);

// A real field: a decimal number with ".", optional sign and exponent, blanks
// allowed before and after; a blank field is not a number. Throws
// Konvertierungs_Fehler naming the text.
double Reell_Lesen(std::string_view feld);

// The same rules without throwing.
std::optional<int> Ganzzahl_Versuchen(std::string_view feld);
std::optional<double> Reell_Versuchen(std::string_view feld);
