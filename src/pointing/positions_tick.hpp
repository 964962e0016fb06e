#pragma once
// The position tick: the selected object to every pointing figure the window shows.
#include <cstdint>
#include <string>

#include "shared/objekt_type.hpp"
#include "shared/parameter_type.hpp"

struct Farbe {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Farbe&) const = default;
};
inline constexpr Farbe Farbe_Weiss{255, 255, 255};
inline constexpr Farbe Farbe_Gruen{0, 192, 0};
inline constexpr Farbe Farbe_Rot{192, 0, 0};

// Every text and colour one position tick writes. A colour is only applied
// when its flag is set (the empty state leaves colours as they are).
struct Positions_Anzeige {
    std::string Label_Objekt;
    bool Objekt_Farbe_Setzen = false;
    Farbe Label_Objekt_Farbe;
    std::string Label_RA2000, Label_DE2000, Label_Con;
    std::string Label_RAapp, Label_DEapp, Label_Typ, Label_Info;
    std::string Label_DE_Raddeg, Label_DE_Raddez, Label_StdRadhrs, Label_StdRadmin;
    std::string Label_Height, Label_Azimuth, Label_AirMass;
    bool Hoehen_Farbe_Setzen = false; // Label_Height, _Azimuth, _AirMass, _Hoehe, _Azimut, _Luftmasse
    Farbe Hoehen_Farbe;
    std::string StatusBar1;
    // Full-precision values (only meaningful with an object selected).
    double Stundenwinkel = 0; // hours, uncorrected, Sternzeit - RAapp
    double Hoehe = 0;         // degrees
    double Azimut = 0;        // degrees from south, positive west, (-180, 180]
    double Luftmasse = 0;
};

// One position tick. With `gueltig`, writes objekt.RAapp/DEapp (and for a
// geostationary satellite RA2000, DE2000, Con) and returns the readings.
//   jd_pc       epoch of the place of date (Julian Date of the PC clock)
//   sternzeit   local mean sidereal time, hours
//   schmidt     true when the 40 cm Schmidt camera is the current instrument
Positions_Anzeige Positions_Tick(Objekt_Type& objekt, bool gueltig, double jd_pc, double sternzeit,
                                 const Parameter_Type& parameter, bool schmidt);
