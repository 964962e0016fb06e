#pragma once
// Reads a text file line by line with large buffered reads and no allocation
// per line. Lines end with LF, CR LF or a lone CR; the line end is not part of
// the line. A final line without a line end is a line; a file ending in a line
// end has no empty line after it. A line longer than Max_Zeilenlaenge bytes is
// an error, so no file (a link to /dev/zero, a file without line ends) is ever
// read into memory without bound.
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::size_t Max_Zeilenlaenge = 64 * 1024;

// A file-system path from the program's UTF-8 text (on Windows the narrow
// calls would read it in the ANSI code page and miss umlauts), and back.
std::filesystem::path Pfad_Aus_Utf8(const std::string& pfad);
std::string Utf8_Aus_Pfad(const std::filesystem::path& pfad);

class Zeilen_Leser {
public:
    // Opens `pfad` for reading (Datei_Lesend_Oeffnen: regular files only).
    // Throws Ein_Ausgabe_Fehler naming the full path: "File not found: <Pfad>"
    // when it is missing, "Keine Leseberechtigung: <Pfad>" when it may not be
    // read, a FIFO, device or UTF-16 text, and the system's reason otherwise.
    explicit Zeilen_Leser(const std::string& pfad);
    ~Zeilen_Leser();
    Zeilen_Leser(const Zeilen_Leser&) = delete;
    Zeilen_Leser& operator=(const Zeilen_Leser&) = delete;

    // The next line, valid until the next call; false at the end of the file.
    // Throws Ein_Ausgabe_Fehler for a read error or a line that is too long.
    bool Naechste(std::string_view& zeile);

    // After Naechste threw for a line that is too long: drops the rest of that
    // line, so reading can go on with the next one.
    void Zeile_Verwerfen();

    // Skips lines up to and including the first one that begins with "--";
    // false when the file ends first.
    bool Beschreibung_Ueberspringen();

    // Skips `anzahl` header lines; false when the file ends first.
    bool Ueberspringen(int anzahl);

    // 1-based number of the line returned last.
    long Zeilennummer() const { return nummer_; }

    // "<full path>, Zeile <n>: ", the prefix of an error in the line returned last.
    std::string Ort() const;

private:
    bool Nachladen();
    std::FILE* datei_ = nullptr;
    std::string name_;
    std::unique_ptr<char[]> puffer_;
    std::size_t anfang_ = 0;
    std::size_t ende_ = 0;
    bool eof_ = false;
    long nummer_ = 0;
};

// Path of a file in a folder: the folder may be empty (current directory) or
// end with or without '/'.
std::string Pfad_In(const std::string& ordner, const std::string& name);

// The absolute form of `pfad` for messages (unchanged when it cannot be formed).
std::string Voller_Pfad(const std::string& pfad);

// The error for a file that could not be opened for reading, from the
// system's error number: missing, no permission, or the system's reason.
struct Ein_Ausgabe_Fehler;
Ein_Ausgabe_Fehler Oeffnungs_Fehler(const std::string& pfad, int fehlernummer);
