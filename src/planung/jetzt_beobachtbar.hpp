#pragma once
// What is worth observing now: the Moon and planets, the Messier objects, the
// NGC and IC showpieces, the brightest named stars, and the asteroids and
// comets brighter than a limit, each above the 20° limit now or rising above
// it within two hours.
#include <cstdint>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "catalog/such_kontext.hpp"
#include "shared/objekt_type.hpp"
#include "shared/parameter_type.hpp"

enum class Beobachtbar_Art : std::uint8_t {
    Mond,
    Planet,
    Messier,
    Stern,
    Asteroid,
    Komet,
    NGC,
    IC
};
inline constexpr int Beobachtbar_Arten = 8;
// Above the limit now, rising above it within the lead time, or never below it.
enum class Beobachtbar_Lage : std::uint8_t { Oben, Steigt, Zirkumpolar };

// "Mond", "Planet", "Messier", "Stern", "Asteroid", "Komet", "NGC", "IC".
const char* Beobachtbar_Art_Text(Beobachtbar_Art art);

inline constexpr double Beobachtbar_Vorlauf = 2.0;   // hours ahead a rising is listed
inline constexpr double Beobachtbar_Stern_Mag = 2.5; // named stars brighter than this
// NGC and IC objects brighter than this.
inline constexpr double Beobachtbar_Deepsky_Mag = 10.0;
// The limits a list starts with: every kind to 10 mag, NGC and IC objects to
// 8 mag (about a hundred showpieces instead of several hundred).
inline constexpr double Beobachtbar_Vorgabe_Mag = 10.0;
inline constexpr double Beobachtbar_Vorgabe_Deepsky_Mag = 8.0;

// Mean surface brightness, mag/arcsec², of an object of visual magnitude
// `vmag` spread evenly over an ellipse of axes a × b arcminutes (b = 0: a
// circle). NaN when the magnitude or the size is unknown.
double Flaechenhelligkeit(double vmag, double a, double b);

// A fixed object of the list with its catalogue place.
struct Beobachtbar_Fest {
    std::string Eingabe; // the text that selects it when typed ("M31", "Vega")
    std::string Name;    // common name shown beside it, UTF-8, may be empty
    Beobachtbar_Art Art;
    double VMag;           // visual magnitude or UNBEKANNT
    double RA2000, DE2000; // hours, degrees; equator and equinox J2000.0
    double Groesse = 0;    // deep-sky objects: major axis, arcminutes; 0 unknown
    double Flaeche = std::numeric_limits<double>::quiet_NaN(); // mag/arcsec², NaN unknown
};

// The fixed objects, read once from the catalogue files.
struct Beobachtbar_Katalog {
    std::vector<Beobachtbar_Fest> Objekte;
    std::vector<std::string> Hinweise; // missing or damaged files
};

// Reads the Messier objects and the NGC and IC objects brighter than
// Beobachtbar_Deepsky_Mag that are no Messier object (with their common
// names), and the named stars
// brighter than Beobachtbar_Stern_Mag from `katalog_ordner` (empty: working
// directory). A missing or damaged file costs only its part, named in Hinweise.
Beobachtbar_Katalog Beobachtbar_Katalog_Bauen(const std::string& katalog_ordner);

struct Beobachtbar_Zeile {
    std::string Eingabe;     // the text that selects it when typed
    std::string Bezeichnung; // designation and name as shown
    std::string Kennung;     // the designation alone ("M31", "Mars", "(1) Ceres")
    std::string Name;        // the common name alone, may be empty
    Beobachtbar_Art Art;
    double VMag = 0;   // visual magnitude or UNBEKANNT
    double Hoehe = 0;  // degrees, geometric, now
    double Azimut = 0; // degrees from the south point, positive west, (-180, 180]
    // Deep-sky objects: major axis (arcminutes, 0 unknown) and mean surface
    // brightness (mag/arcsec², NaN unknown).
    double Groesse = 0;
    double Flaeche = std::numeric_limits<double>::quiet_NaN();
    Beobachtbar_Lage Lage = Beobachtbar_Lage::Oben;
    // Oben: hours left above the limit; Steigt: hours until it rises above it;
    // Zirkumpolar: infinity.
    double Stunden = std::numeric_limits<double>::infinity();
    std::string Zeit; // "noch 2 h 05 min", "ab 23:40 (in 0 h 45 min)", "zirkumpolar"
    // Ascending with the time the object stays observable: rising ones first
    // (latest first), then those above by time left, circumpolar ones last.
    double Zeit_Rang() const { return Lage == Beobachtbar_Lage::Steigt ? -Stunden : Stunden; }
};

// The Moon and planets as the lookup gives them at one instant; their table
// rows serve the instants from half a day before to a day after it.
struct Sonnensystem_Vorrat {
    double JD_UT = std::numeric_limits<double>::quiet_NaN();
    std::vector<std::pair<std::string, Objekt_Type>> Koerper; // name, looked-up object
};
// Looks up "PMond", "PMerkur" .. "PNeptun" in the context's catalogue folder;
// a body whose table is missing or damaged is left out.
Sonnensystem_Vorrat Sonnensystem_Vorrat_Laden(const Such_Kontext& kontext, double jd_ut);
bool Vorrat_Passt(const Sonnensystem_Vorrat& vorrat, double jd_ut);

struct Beobachtbar_Eingabe {
    double JD_UT = 0; // the instant, UT Julian Date
    double JD_PC = 0; // the PC clock's Julian Date at it (epoch of the place of date)
    Parameter_Type Parameter;
    int Versatz_Minuten = 0;  // minutes to add to the zone's clock to get UT
    double Grenz_Mag = 10.0;  // asteroids and comets up to this magnitude
    Such_Kontext Kontext;     // element tables, catalogue folder for the planets
    bool Kleinkoerper = true; // asteroids and comets at all
    bool Sonnensystem = true; // Moon and planets at all
    // A previous lookup of the Moon and planets, used when it fits the instant.
    const Sonnensystem_Vorrat* Vorrat = nullptr;
};

// The list at the instant, unsorted. Fixed objects and minor bodies keep
// their place over the hours ahead; the Moon and planets are followed
// (their place iterated) and reduced to the observatory. A body whose place
// cannot be computed is left out.
std::vector<Beobachtbar_Zeile> Jetzt_Beobachtbar(const Beobachtbar_Katalog& katalog,
                                                 const Beobachtbar_Eingabe& eingabe);

// The filter of the list: kinds switched on (indexed by Beobachtbar_Art), a
// magnitude limit for all and one for the NGC and IC objects; an unknown
// magnitude passes.
struct Beobachtbar_Filter {
    bool Arten[Beobachtbar_Arten] = {true, true, true, true, true, true, true, true};
    double Grenz_Mag = Beobachtbar_Vorgabe_Mag;
    double Deepsky_Grenz_Mag = Beobachtbar_Vorgabe_Deepsky_Mag;
};
bool Beobachtbar_Im_Filter(const Beobachtbar_Zeile& zeile, const Beobachtbar_Filter& filter);
