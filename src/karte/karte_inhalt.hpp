#pragma once
// What a finder chart shows, laid out in pixels: the core chooses, projects and
// sizes every star, object, track mark, circle and label; a renderer only paints.
#include <functional>
#include <string>
#include <vector>

#include "karte/karte_projektion.hpp"
#include "karte/stern_index.hpp"
#include "shared/objekt_type.hpp"

// Zoom levels of the window (degrees across); + and - step through them.
inline constexpr double Karten_Felder[] = {0.25, 0.5, 1, 2, 5, 10, 20, 40};

// Faintest star drawn in a field of `feld` degrees: about 11.5 mag at 1 degree,
// 9 at 5 and 7 at 20, at least 13 below 1 degree (the catalogue ends near
// 12.5), within 5 .. 14.
double Grenz_Helligkeit(double feld);

// True for the bodies whose place the lookup computes for an instant: Sun,
// Moon, planets, asteroids and comets.
bool Bewegter_Koerper(const Objekt_Type& objekt);

// One place of a body on its track.
struct Bahn_Punkt {
    double Stunden = 0; // hours from the chart's instant
    double RA = 0;      // hours, equinox of date
    double DE = 0;      // degrees
};

// The lookup of the selected body at another instant (UT Julian Date); false
// when it gives no place then.
using Karten_Suche = std::function<bool(double jd_ut, Objekt_Type& objekt)>;

// The track over -3 h .. +3 h in steps of half an hour; instants the lookup
// cannot place are left out.
std::vector<Bahn_Punkt> Bahn_Abtasten(double jd_ut, const Karten_Suche& suche);

// Place of date (hours, degrees) of a J2000.0 place, by the program's precession.
void Ort_Des_Datums(double ra2000, double de2000, double jd, double& ra, double& de);

struct Karten_Optionen {
    double Feld = 5;               // degrees across the shorter side
    int Breite = 800, Hoehe = 800; // pixels
    bool Spiegel = false;
    double Drehung = 0;            // degrees
    double Feld_Cassegrain = 0.25; // field of the 60 cm Cassegrain's eyepiece, degrees
    double Feld_Schmidt = 3.0;     // field of the 40 cm Schmidt camera, degrees
    double Feld_Sucher = 5.0;      // finder, degrees
};

struct Karten_Stern {
    double x, y, Radius; // pixels
    std::string Name;    // empty: no label
};
struct Karten_Objekt {
    double x, y, Radius; // pixels (at least a symbol's size); the semi-major axis
    Symbol_Art Art;
    std::string Name;
    double Klein = 0;  // semi-minor axis, pixels; 0: no known shape (drawn round)
    double Winkel = 0; // screen angle of the major axis, degrees from +x towards +y (down)
};
struct Karten_Bahnpunkt {
    double x, y;
    std::string Marke; // "-3h" .. "+3h" at whole hours, else empty
};
struct Karten_Kreis {
    double Radius; // pixels
    std::string Name;
};

struct Karten_Inhalt {
    int Breite = 0, Hoehe = 0;
    double Mitte_x = 0, Mitte_y = 0;
    std::vector<Karten_Stern> Sterne; // faint first, so bright discs lie on top
    std::vector<Karten_Objekt> Objekte;
    std::vector<Karten_Bahnpunkt> Bahn;
    std::vector<Karten_Kreis> Kreise;
    double Massstab_Laenge = 0; // pixels
    std::string Massstab_Text;
    double Nord_x = 0, Nord_y = -1, Ost_x = -1, Ost_y = 0; // screen directions
    std::string Titel;                                     // the object as the window names it
    std::string Zeile;                                     // field, limit, orientation
    std::string Zeitpunkt; // a chosen instant in words ("PLANUNG …"), set by the caller; else empty
    std::vector<std::string> Hinweise; // missing catalogue files, damaged lines
};

// The chart of the field around (ra, de) of date at instant `jd` (UT Julian
// Date; the catalogue places are precessed to it). `bahn` may be empty.
// Throws Bereichs_Fehler for a field outside (0, 90] degrees.
Karten_Inhalt Karte_Berechnen(const Stern_Index& index, const Karten_Optionen& optionen, double ra,
                              double de, double jd, const std::vector<Bahn_Punkt>& bahn,
                              const std::string& titel);
