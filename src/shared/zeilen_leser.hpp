#pragma once
// Reads a text file line by line with large buffered reads and no allocation
// per line. Lines end with LF or CR LF; the line end is not part of the line.
// A final line without a line end is a line; a file ending in a line end has
// no empty line after it.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

class Zeilen_Leser {
public:
    // Opens `pfad` for reading; throws Ein_Ausgabe_Fehler "File not found: <anzeige_name>"
    // (the bare name when none is given) if it is missing or cannot be opened.
    explicit Zeilen_Leser(const std::string& pfad, const std::string& anzeige_name = {});
    ~Zeilen_Leser();
    Zeilen_Leser(const Zeilen_Leser&) = delete;
    Zeilen_Leser& operator=(const Zeilen_Leser&) = delete;

    // The next line, valid until the next call; false at the end of the file.
    bool Naechste(std::string_view& zeile);

    // Skips lines up to and including the first one that begins with "--";
    // false when the file ends first.
    bool Beschreibung_Ueberspringen();

    // Skips `anzahl` header lines; false when the file ends first.
    bool Ueberspringen(int anzahl);

    // 1-based number of the line returned last.
    long Zeilennummer() const { return nummer_; }

private:
    bool Nachladen();
    std::FILE* datei_ = nullptr;
    std::string name_;
    std::vector<char> puffer_;
    std::size_t anfang_ = 0;
    std::size_t ende_ = 0;
    bool eof_ = false;
    long nummer_ = 0;
};

// Path of a file in a folder: the folder may be empty (current directory) or
// end with or without '/'.
std::string Pfad_In(const std::string& ordner, const std::string& name);
