#pragma once
// The observer's files of the pointing model, both in the data folder:
//
//   Abgleich_60.txt / Abgleich_40.txt, the sightings: a header line, then one
//   line per sighting, fields separated by ';', decimal point '.':
//     Zeit (UT);Bezeichnung;Instrument;Stundenkreis abgelesen (h);
//     Deklinationskreis abgelesen (°)[;Stundenwinkel berechnet (h);
//     Deklination berechnet (°)]
//   The last two fields hold where the star was computed to be when it was
//   sighted (without manual corrections); a line without them is looked up
//   again at its instant.
//
//   Zeigemodell_60.txt / Zeigemodell_40.txt, the fitted model: one
//   "TERM wert sigma" line per term (arcminutes), "RMS wert" and
//   "Datum YYYY-MM-DDTHH:MM:SS"; '#' starts a comment line.
//
// Both are Windows-1252 text written with CR LF.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "pointing/zeigemodell.hpp"

struct Abgleich_Sichtung {
    double JD_UT = 0;
    std::string Bezeichnung;  // as typed, UTF-8
    int Instrument = 60;      // 40 or 60
    double SW_Abgelesen = 0;  // hour circle as read, hours [0, 24)
    double DE_Abgelesen = 0;  // declination circle as read, degrees [-90, 90]
    bool Berechnet = false;   // the two computed fields are present
    double Stundenwinkel = 0; // hours [0, 24)
    double Deklination = 0;   // degrees
    long Zeile = 0;           // line in the file, for messages (0: not from a file)
};

inline constexpr const char* Abgleich_Kopf =
    "Zeit (UT);Bezeichnung;Instrument;Stundenkreis abgelesen (h);"
    "Deklinationskreis abgelesen (°);Stundenwinkel berechnet (h);Deklination berechnet (°)";

// "Abgleich_60.txt", "Zeigemodell_40.txt" for the instrument value 60 or 40.
std::string Abgleich_Dateiname(int instrument);
std::string Zeigemodell_Dateiname(int instrument);

// A circle as the observer reads it: whole hours or degrees (with sign) and
// minutes, separated by blanks or ':' ("11 51.4", "-0 30", "+47:05"); a lone
// decimal number is taken as it is. The hour circle (`stunden`) gives hours
// in [0, 24), the declination circle degrees in [-90, 90]; empty otherwise.
std::optional<double> Ablesung_Lesen(std::string_view text, bool stunden);

// Checks one sighting's fields (ranges, a designation) and throws
// Bereichs_Fehler with the reason.
void Sichtung_Pruefen(const Abgleich_Sichtung& s);

// Every sighting of the file at `pfad`; none when it does not exist. Throws
// Ein_Ausgabe_Fehler for a file that cannot be read and Konvertierungs_Fehler
// or Bereichs_Fehler "<Pfad>, Zeile <n>: ..." for a damaged line, a reading
// out of range or the same star twice at the same instant.
std::vector<Abgleich_Sichtung> Abgleich_Lesen(const std::string& pfad);

// The whole file: the header and every sighting.
std::string Abgleich_Text(const std::vector<Abgleich_Sichtung>& sichtungen);

// The model in the file at `pfad`; empty when there is none. Throws as
// Abgleich_Lesen for an unknown or repeated term, a number that is not finite,
// a term beyond Modell_Term_Grenze, a negative sigma or RMS, or a line that
// cannot be read; a file without a term is damaged too. The bound on the
// shift over the sky needs the latitude: the caller checks it
// (Modell_Grenzen_Pruefen).
std::optional<Zeigemodell> Zeigemodell_Lesen(const std::string& pfad);

// The model file's text.
std::string Zeigemodell_Text(const Zeigemodell& modell, int instrument, int sichtungen);
