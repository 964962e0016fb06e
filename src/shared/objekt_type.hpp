#pragma once
// The selected object: everything the lookup found and the position tick shows.
#include <string>
#include <vector>

#include "shared/konstanten.hpp"

// One row of an ephemeris table with the quantities interpolated between rows.
struct Ephemeriden_Stuetze {
    double JD = 0;      // Julian Date (UT) of the row
    double RA = 0;      // hours, J2000, unwrapped across 0 h / 24 h along the rows
    double DE = 0;      // degrees, J2000
    double VMag = 0;    // visual magnitude
    double Distanz = 0; // geocentric distance, AU
};

// How the position tick follows a body of the solar system.
enum class Bahn_Art { Keine, Tabelle, Mond, Kleinkoerper };
struct Bahn_Info {
    Bahn_Art Art = Bahn_Art::Keine;
    std::vector<Ephemeriden_Stuetze> Stuetzen; // table rows around the lookup instant
    double RA_Geo = 0;                         // geocentric place, J2000, hours
    double DE_Geo = 0;                         // degrees
    double Distanz_AE = 0;                     // geocentric distance, AU (0: no parallax)
    double Beleuchtet = -1;                    // Moon: illuminated fraction 0..1, else < 0
    double Element_Alter = 0;                  // years from the element epoch to the instant
};

struct Objekt_Type {
    std::string Katalog;     // kind label with one trailing blank ("Messier ", "HIP "), or empty
    std::string Bezeichnung; // kind letter + key (H7, PSonne), or the bare name of a fallback hit
    double RA2000 = 0;       // right ascension, equinox J2000.0, hours
    double DE2000 = 0;       // declination, equinox J2000.0, degrees
    double RAapp = 0;        // right ascension of date, hours (position tick)
    double DEapp = 0;        // declination of date, degrees (position tick)
    std::string Con;         // constellation abbreviation
    double BMag = 0;         // blue magnitude or UNBEKANNT
    double VMag = 0;         // visual magnitude or UNBEKANNT
    std::string Zusatz;      // spare, always empty
    double Distanz = 0;      // distance in Distanz_Einheit, or UNBEKANNT
    std::string Distanz_Einheit; // "AU", "Mpc" or empty
    double Groesse_A = 0;        // size values (kept, not shown)
    double Groesse_B = 0;
    std::string Klasse; // class text of a star line (kept, not shown)
    std::string Typ;    // type text shown after "Typ: "
    std::string Alias;  // alias or common name
    Bahn_Info Bahn;     // Sun, Moon, planets, minor bodies: geocentric place and motion
};

// The twelve kind labels, each with its trailing blank.
inline constexpr const char* Katalog_Labels[12] = {"Asteroid ",
                                                   "Eigenes Objekt ",
                                                   "Fotometrie-Standard ",
                                                   "Geostat. ",
                                                   "HIP ",
                                                   "IC ",
                                                   "Komet ",
                                                   "Messier ",
                                                   "NGC ",
                                                   "Planet ",
                                                   "SAO ",
                                                   "Veränderlicher "};
