#pragma once
// The position tick: the selected object to every pointing figure the window shows.
#include <cstdint>
#include <limits>
#include <string>

#include "pointing/zeigemodell.hpp"
#include "shared/objekt_type.hpp"
#include "shared/parameter_type.hpp"

struct Farbe {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Farbe&) const = default;
};
inline constexpr Farbe Farbe_Weiss{255, 255, 255};
inline constexpr Farbe Farbe_Gruen{0, 192, 0};
// Light enough to stand 4.5 : 1 on the window's dark ground.
inline constexpr Farbe Farbe_Rot{255, 96, 96};

// What a tick computes about the object itself: a body of the solar system
// moved to the tick's instant and reduced to the observatory, a satellite's
// place over it, and the place of date.
struct Tick_Ort {
    // Astrometric place (ICRS axes): hours, degrees; topocentric for a body of
    // the solar system, moved by its proper motion for a star.
    double RA2000 = 0, DE2000 = 0;
    double RAapp = 0, DEapp = 0; // true topocentric apparent place of date: hours, degrees
    std::string Con;
    double VMag = 0, Distanz = 0;
    double RA_Geo = 0, DE_Geo = 0, Distanz_AE = 0, Beleuchtet = -1; // of objekt.Bahn
};

// Writes a tick's place into the object it was computed for.
void Ort_Uebernehmen(Objekt_Type& objekt, const Tick_Ort& ort);

// The object's own texts: the name line and its catalogue fields.
struct Objekt_Texte {
    std::string Zeile; // kind, name, alias and distance
    std::string RA2000, DE2000, Sternbild, RAapp, DEapp, Typ, Info;
};

// The setting-circle readings of the current instrument, corrections applied.
struct Kreis_Texte {
    std::string DE_Grad, DE_Zehntel;    // declination circle: "+7" and "3"
    std::string SW_Stunden, SW_Minuten; // hour circle: "11" and "51.4"
};

// Altitude, azimuth and air mass as shown, with the warning below 20 deg.
struct Horizont_Texte {
    std::string Hoehe, Azimut, Luftmasse;
    std::string Marke; // "▼ unter 20°" beside the colour, empty above 20°
};

// Every text and colour one position tick writes. A colour is only applied
// when its flag is set (the empty state leaves colours as they are).
struct Positions_Anzeige {
    Objekt_Texte Objekt;
    Kreis_Texte Kreise;
    Horizont_Texte Horizont;
    bool Objekt_Farbe_Setzen = false;
    Farbe Objekt_Farbe; // of the name line
    bool Hoehen_Farbe_Setzen = false;
    Farbe Hoehen_Farbe; // of the altitude, azimuth and air-mass fields
    std::string Status; // the corrections of both instruments
    // Full-precision values (only meaningful with an object selected).
    double Sternzeit = 0;     // local apparent sidereal time of the tick, hours (mean when idle)
    double Stundenwinkel = 0; // hours, uncorrected, Sternzeit - RAapp in [0, 24)
    double Deklination = 0;   // degrees, uncorrected, the one the circles are computed from
    double Hoehe = 0;         // degrees
    double Azimut = 0;        // degrees from south, positive west, (-180, 180]
    double Luftmasse = 0;
    // The circles as set: manual corrections and the pointing model applied.
    double DE_Kreis = 0;     // declination circle, degrees
    double SW_Kreis = 0;     // hour circle, hours [0, 24)
    std::string Zeigemodell; // "7 Terme, RMS 1.2′", empty without a model

    bool Ort_Neu = false; // Ort holds the object's place at the tick
    Tick_Ort Ort;
};

// What a tick needs beyond the place: the instant to follow the Sun, Moon and
// planets, and whether refraction enters the altitude and the circles.
struct Tick_Optionen {
    double JD_UT =
        std::numeric_limits<double>::quiet_NaN(); // UT; NaN: bodies stay at the lookup's place
    bool Refraktion = false;
    // The current instrument's pointing model; none when null or empty.
    const Zeigemodell* Modell = nullptr;
};

// One position tick: the readings and, with `gueltig` and a place the texts
// can show, the object's place at the tick (Ort_Neu, Ort); the object itself
// is left as it is. The place of date is the true topocentric apparent place
// (scheinbarer_ort.hpp); the hour angle counts from the apparent sidereal time.
//   jd_pc       instant of the place of date when optionen.JD_UT is not given
//   sternzeit   local mean sidereal time, hours
//   schmidt     true when the 40 cm Schmidt camera is the current instrument
// A body of the solar system (objekt.Bahn) is moved to the tick's instant and
// reduced to the observatory (diurnal parallax); RA2000/DE2000 then hold that
// topocentric astrometric place. The air mass comes from the apparent altitude
// (refraction of Refraktion()) whether or not refraction enters the altitude.
Positions_Anzeige Positions_Tick(const Objekt_Type& objekt, bool gueltig, double jd_pc,
                                 double sternzeit, const Parameter_Type& parameter, bool schmidt,
                                 const Tick_Optionen& optionen = {});

// The pieces of one tick, each also used on its own.

// Declination-circle reading d (degrees) as the window shows it: whole degrees
// with sign ("+7", "-0", "-12") and the tenths digit.
void Deklinationskreis_Texte(double d, std::string& grad, std::string& zehntel);

// Hour-circle reading h (hours) to the nearest 0.1 min of time, folded into
// [0 h, 24 h): the hours as two digits ("11") and the minutes ("51.4", "05.0").
void Stundenkreis_Texte(double h, std::string& stunden, std::string& minuten);

// Geometric altitude and azimuth of a place, no refraction.
//   stundenwinkel, de, breite  radians
//   hoehe   degrees
//   azimut  degrees from the south point, positive towards the west, (-180, 180]
void Hoehe_Azimut(double stundenwinkel, double de, double breite, double& hoehe, double& azimut);

// Hour angle and declination of a place given by altitude and azimuth (the
// inverse of Hoehe_Azimut).
//   hoehe, azimut, breite  radians (azimut from the south point, positive west)
//   stundenwinkel, de      radians
void Stundenwinkel_Deklination(double hoehe, double azimut, double breite, double& stundenwinkel,
                               double& de);

// Air mass at an apparent (refracted) altitude in degrees (Kasten & Young
// 1989, Appl. Opt. 28, 4735); 0 below 0.5 deg.
double Luftmasse(double hoehe);

// Colour of the altitude, azimuth and air-mass labels: green above 20 deg,
// red at 20 deg and below (also under the horizon).
Farbe Hoehen_Warnfarbe(double hoehe);
