#pragma once
// The selected object: everything the lookup found and the position tick shows.
#include <string>

#include "shared/konstanten.hpp"

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
