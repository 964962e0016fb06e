#pragma once
// Observing lists made elsewhere: a planetarium program's .skylist, a CSV
// table, a plain text with one designation per line. Reading gives each
// entry's candidates in the order they are tried; the session resolves them
// through the lookup and orders them for the night.
#include <limits>
#include <string>
#include <string_view>
#include <vector>

// More entries are not read (each one costs a lookup); the rest is reported.
inline constexpr std::size_t Liste_Max_Eintraege = 5000;
// An entry with more catalogue numbers or more bytes than this is marked and
// not looked up (a hostile list would tie the lookup up for minutes).
inline constexpr std::size_t Liste_Max_Nummern = 64;
inline constexpr std::size_t Liste_Max_Eintrag_Bytes = 4096;

struct Listen_Eintrag {
    std::string Eingabe;                 // the entry as the file gives it (UTF-8)
    std::vector<std::string> Kandidaten; // catalogue numbers in turn, then the name
    std::string Name;                    // common name, else empty
    long Zeile = 0;                      // line of the file where the entry begins
    double Beobachtet_JD = std::numeric_limits<double>::quiet_NaN(); // DateObserved, JD
    std::string Notiz;         // a CSV list's notes column, else empty
    std::string Uebersprungen; // why the entry is not looked up (beyond the bounds), else empty
    // The first line of a CSV list may be a header (a first field without a
    // digit): when nothing answers to it, it is left out with this report.
    std::string Kopf_Hinweis;
};

struct Beobachtungsliste {
    std::vector<Listen_Eintrag> Eintraege;
    std::vector<std::string> Hinweise; // "<file>, Zeile n: …" for each part not read
};

enum class Listen_Format { Skylist, Csv, Text };
// By the file's extension (any case): .skylist, .csv; anything else is text.
Listen_Format Listen_Format_Von(const std::string& pfad);

// Reads a list (UTF-8 with or without byte order mark, or Windows-1252; LF,
// CR LF or CR). Damaged parts are reported in Hinweise and skipped. A .skylist
// line Name=Wert outside an object (the version, SortedBy and other list
// properties) is read silently. A CSV's notes column is the one its header
// names so (Notiz, Bemerkung, Kommentar, Notes, Comment …), without a header
// the second column. Throws
// Ein_Ausgabe_Fehler when the file cannot be opened or read at all.
Beobachtungsliste Liste_Lesen(const std::string& pfad);

// The other way, for writing: "M31" -> "M 31" and so on; any other
// designation ("PMars", "Vega") comes back unchanged.
std::string Katalognummer(std::string_view bezeichnung);

struct Skylist_Objekt {
    std::string Katalognummer; // as Katalognummer() gives it; may be empty
    std::string Name;          // common name; may be empty
    double Beobachtet_JD = std::numeric_limits<double>::quiet_NaN();
};
// A .skylist text (UTF-8, CR LF) of the objects.
std::string Skylist_Text(const std::vector<Skylist_Objekt>& objekte);
