#pragma once
// The observing log: one line per observation in Beobachtungsbuch.csv in the
// data folder (UTF-8, ';' between fields, a header line, CR LF). Entries are
// appended and synced one by one; a damaged line is reported, skipped and
// kept as it is when the log is rewritten. The window and stelux-cli write it
// one at a time: every append and every rewrite holds the lock beside it
// ("Beobachtungsbuch.csv.sperre", shared/datei_sperre).
#include <functional>
#include <string>
#include <vector>

#include "shared/objekt_type.hpp"

inline constexpr const char* Beobachtungsbuch_Name = "Beobachtungsbuch.csv";
inline constexpr std::size_t Buch_Max_Eintraege = 100000; // more are kept, not shown

struct Buch_Eintrag {
    double JD_UT = 0;        // instant of the observation, UT Julian Date
    int Versatz_Minuten = 0; // minutes to add to the zone's clock to get UT, at JD_UT
    std::string Bezeichnung; // the designation that selects the object ("M31", "PMars")
    std::string Objektzeile; // the window's name line
    char Art = 0;            // kind letter (Art_Buchstabe), 0 for a star found by name
    std::string Typ;         // type text ("Galaxie" …)
    double RA2000 = 0;       // hours, J2000 (topocentric for a body of the solar system)
    double DE2000 = 0;       // degrees, J2000
    std::string Instrument;  // "40cm Schmidt-Kamera" or "60cm Cassegrain"
    std::string DE_Kreis;    // declination circle as read off ("+7.3")
    std::string SW_Kreis;    // hour circle ("11 51.4")
    std::string Hoehe;       // altitude as shown
    std::string Luftmasse;   // air mass as shown
    int Seeing = 0;          // 1 (best) to 5 (worst); 0 not given
    std::string Transparenz; // free text
    std::string Okular;      // eyepiece or exposure
    std::string Notiz;       // the note
};

struct Beobachtungsbuch {
    std::vector<Buch_Eintrag> Eintraege;
    std::vector<std::string> Hinweise; // "<file>, Zeile n: …" for every damaged line
    // The lines not read as entries (damaged, or beyond Buch_Max_Eintraege),
    // raw and of any length, so a rewrite keeps them.
    std::vector<std::string> Beschaedigt;
};

// Reads the log; a missing file is an empty log. Throws Ein_Ausgabe_Fehler when
// it exists but cannot be read. Invalid UTF-8 in a line costs only the invalid
// bytes (each becomes U+FFFD); a line without any UTF-8 is read as Windows-1252.
Beobachtungsbuch Buch_Lesen(const std::string& pfad);

// One line of the log (without line end) and the header line.
std::string Buch_Zeile(const Buch_Eintrag& e);
std::string Buch_Kopf();

// Appends one entry (the header first when the file is new or empty) and
// syncs it before returning; a failed write leaves the file as it was.
// Throws Bereichs_Fehler for an entry outside the log's ranges (JD 2100000, the
// year 1037, to 3000000, zone offset ±840 min, RA 0 to <24 h, DE ±90°, seeing 0 or 1 to 5)
// and Ein_Ausgabe_Fehler.
void Buch_Anhaengen(const std::string& pfad, const Buch_Eintrag& e);

// Changes the log (an edited note, a deleted entry): under the lock the file
// is read again, `aendern` changes what was read, and the result replaces the
// file atomically, the lines not read as entries verbatim at the end. Returns
// the log as written. Nothing is written when `aendern` or the write throws.
Beobachtungsbuch Buch_Aendern(const std::string& pfad,
                              const std::function<void(Beobachtungsbuch&)>& aendern);

// The night an entry belongs to, "YYYY-MM-DD": the local date of the evening
// (the zone's clock minus 12 hours), so one night after midnight stays one.
std::string Buch_Nacht(const Buch_Eintrag& e);

// "2026-12-07T21:30:05+01:00": the instant in the zone's clock with its offset.
std::string Buch_Zeit_Iso(const Buch_Eintrag& e);

// The entries as a CSV table for other programs (the log's own layout); a
// text cell beginning with = + - @ TAB or CR gets a leading apostrophe, so a
// spreadsheet does not take it for a formula.
std::string Buch_Csv_Text(const std::vector<Buch_Eintrag>& eintraege);
