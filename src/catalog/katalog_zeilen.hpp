#pragma once
// The fixed-column catalogue files: one reader per layout. Each reader takes a
// raw Windows-1252 line (columns count bytes, from 1), converts every field it
// uses and throws Konvertierungs_Fehler naming the text of a malformed number.
// Lookup, lists and the check of built catalogues all read through these.
#include <optional>
#include <string>
#include <string_view>

#include "shared/fehler.hpp"
#include "shared/objekt_type.hpp"
#include "shared/zeilen_leser.hpp"

// File names of the catalogues (opened in the catalogue folder, except the
// own objects, which lie in the user's data folder).
inline constexpr const char* Datei_NGC = "NGC_IC_Messier_Catalogue_Revised.txt";
inline constexpr const char* Datei_SAO = "SAO_J2000.txt";
inline constexpr const char* Datei_HIP = "Hipparcos_J2000.txt";
inline constexpr const char* Datei_Veraenderliche = "Variable_Stars_AAVSO.txt";
inline constexpr const char* Datei_Eigene = "Eigene_Objekte.txt";
inline constexpr const char* Datei_Fotometrie = "Landolt_Faint_Photometric_Standards.txt";
inline constexpr const char* Datei_Geostat = "Geosynchrone_Satelliten.txt";
inline constexpr const char* Datei_Helle_Sterne = "Bright_Stars_Proper_Names_SAO.txt";
inline constexpr const char* Datei_Flamsteed = "Flamsteed_Bayer_HD_CrossReference.txt";

// The Sun and the planets in the order of the lookup and the list.
inline constexpr const char* Planeten_Namen[8] = {"Sonne",   "Merkur", "Venus",  "Mars",
                                                  "Jupiter", "Saturn", "Uranus", "Neptun"};

// "2010-2080_Horizons_<name>.txt", the ephemeris table of one body.
std::string Ephemeriden_Datei(std::string_view name);

// The ten layouts.
enum class Katalog_Format {
    NGC,            // Messier, NGC and IC objects (1 header line)
    SAO,            // SAO stars
    HIP,            // Hipparcos stars
    Veraenderliche, // variable stars
    Eigene,         // own objects (description block up to "--")
    Fotometrie,     // photometric standards (2 header lines)
    Geostat,        // geostationary satellites (description block up to "--")
    Helle_Sterne,   // bright stars with proper names
    Flamsteed,      // Flamsteed/Bayer designations
    Ephemeriden     // ephemeris table of the Sun or a planet
};

// Key columns of the layouts (1-based, inclusive).
struct Spalten_Bereich {
    int von;
    int bis;
};
inline constexpr Spalten_Bereich Schluessel_NGC{1, 6};
inline constexpr Spalten_Bereich Schluessel_SAO{1, 6};
inline constexpr Spalten_Bereich Schluessel_HIP{1, 6};
inline constexpr Spalten_Bereich Schluessel_Veraenderliche{1, 10};
inline constexpr Spalten_Bereich Schluessel_Eigene{47, 76};
inline constexpr Spalten_Bereich Schluessel_Fotometrie{106, 125};
inline constexpr Spalten_Bereich Schluessel_Geostat{1, 28};
inline constexpr Spalten_Bereich Schluessel_Helle_Sterne{89, 108};
inline constexpr Spalten_Bereich Schluessel_Flamsteed{70, 79};
inline constexpr Spalten_Bereich Schluessel_Flamsteed_HD{1, 6}; // HD number, right-aligned
inline constexpr Spalten_Bereich Ephemeriden_JD_Spalten{1, 12};

// Skips the leading lines of a file of the layout (none, one, two, or up to
// and including the first line beginning with "--"). False when the file ends
// before the skip is complete; the "--" files then hold no object.
bool Kopf_Ueberspringen(Katalog_Format format, Zeilen_Leser& leser);

// Hands every data line of the file at `pfad` to lesen(zeile, objekt). A line
// that lesen rejects (a conversion or range error) is counted in `beschaedigt`
// and skipped; a file that cannot be read throws Ein_Ausgabe_Fehler.
template <class Lesen>
void Zeilen_Durchgehen(const std::string& pfad, Katalog_Format format, long& beschaedigt,
                       Lesen&& lesen) {
    Zeilen_Leser leser(pfad);
    if (!Kopf_Ueberspringen(format, leser)) return;
    std::string_view zeile;
    Objekt_Type o;
    while (leser.Naechste(zeile)) {
        try {
            lesen(zeile, o);
        } catch (const Konvertierungs_Fehler&) {
            ++beschaedigt;
        } catch (const Bereichs_Fehler&) {
            ++beschaedigt;
        }
    }
}

// True when `feld` trimmed equals `schluessel`; with `gross` the ASCII letters
// of the field are upper-cased first. No copy is made.
bool Feld_Gleich(std::string_view feld, std::string_view schluessel, bool gross);

// Sexagesimal right ascension from hours, minutes (integer fields) and
// seconds (real field), in hours.
double RA_Sexagesimal(std::string_view h, std::string_view m, std::string_view s);

// Sexagesimal declination in degrees; negative when the sign column holds
// "-", so -00 30 00 is -0.5.
double DE_Sexagesimal(std::string_view vorzeichen, std::string_view d, std::string_view m,
                      std::string_view s);

// Sizes and distance unknown, as for every kind but the deep-sky objects and planets.
void Ohne_Groesse_Und_Distanz(Objekt_Type& objekt);

// The line readers below fill `objekt` with everything the line gives and
// with the constants of the kind (Art, Bezeichnung with its letter, Typ,
// UNBEKANNT for what the kind does not know). They do not touch Con unless the
// file carries it; the lookup computes it from the place.

// Messier/NGC/IC line: B 0, V 0 and distance 0 mean unknown. Art is left to the
// caller, since one line serves the letters M, N and I.
void NGC_Zeile_Lesen(std::string_view zeile, Objekt_Type& objekt);
void SAO_Zeile_Lesen(std::string_view zeile, Objekt_Type& objekt);
// Hipparcos: B = (B-V) + V unless B-V reads 99.999; Alias = first name, second
// name or "HD" + HD number, the first that is not empty.
void HIP_Zeile_Lesen(std::string_view zeile, Objekt_Type& objekt);
// Variable star: right ascension given in degrees.
void Veraenderlicher_Zeile_Lesen(std::string_view zeile, Objekt_Type& objekt);
void Fotometrie_Zeile_Lesen(std::string_view zeile, Objekt_Type& objekt);
// Orbital longitude of a geostationary satellite, degrees, east positive.
//   bezeichnung  "G" + the catalogue label: characters 19..23 hold the longitude
//                (blanks around it allowed), character 24 "W"/"w" for west.
// Empty when those characters are missing or not a finite number.
std::optional<double> Geostat_Laenge(const std::string& bezeichnung);

// Whether the designation of a geostationary satellite carries a readable longitude.
bool Geostat_Laenge_Gueltig(const std::string& bezeichnung);

// Geostationary satellite: only the label; the place follows from it later.
void Geostat_Zeile_Lesen(std::string_view zeile, Objekt_Type& objekt);
void Helle_Sterne_Zeile_Lesen(std::string_view zeile, Objekt_Type& objekt);
void Flamsteed_Zeile_Lesen(std::string_view zeile, Objekt_Type& objekt);

// One own object as written: the place in the equinox of the line.
struct Eigenes_Objekt_Zeile {
    double RA = 0;                      // hours
    double DE = 0;                      // degrees
    std::optional<double> Aequinoktium; // year; empty = equinox of date
    std::string Name;                   // trimmed, UTF-8
};
// Each coordinate in the notation its ':' test (column 3, column 15) selects.
Eigenes_Objekt_Zeile Eigenes_Objekt_Lesen(std::string_view zeile);

// Julian Date of an ephemeris row (columns 1-12).
double Ephemeriden_JD(std::string_view zeile);
// An ephemeris row of the body `name` (as in Planeten_Namen): place, V,
// size, distance in AU and the constellation in the last three characters.
void Ephemeriden_Zeile_Lesen(std::string_view zeile, std::string_view name, Objekt_Type& objekt);

// Reads one data line of a file of the layout fully, as the lookup would on
// a hit; throws Konvertierungs_Fehler for a malformed field.
void Zeile_Pruefen(Katalog_Format format, std::string_view zeile);

// Reads every data line of the file at `pfad` (after its header) through
// Zeile_Pruefen. Returns the number of data lines. A malformed field throws
// Konvertierungs_Fehler with the file name and line number in front; an
// ephemeris table whose rows do not follow each other in time at most half a
// day apart throws Bereichs_Fehler. A missing file throws Ein_Ausgabe_Fehler.
long Katalog_Datei_Pruefen(Katalog_Format format, const std::string& pfad);
