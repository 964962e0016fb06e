#pragma once
// Push-to: how far a telescope whose encoders report its place still has to be
// turned to the selected object, in the units of the setting circles.
//
// The encoders stand in for the circles: the place a device reports (of date)
// is taken as the reading of the instrument's circles, so the index
// correction applies to the target as it does to the circle readings shown.
//   Nord_Grad  target declination reading minus the telescope's declination;
//              positive: turn north (towards +90 deg).
//   West_Min   target hour-angle reading minus the telescope's hour angle,
//              folded into (-12 h, +12 h]; positive: turn west (the hour
//              angle grows westward), negative: east. Minutes of time.
// A sync on a centred star makes both zero: the correction becomes the old one
// minus the difference.
#include <string>

#include "pointing/instrument.hpp"

struct Push_To_Anzeige {
    bool Gueltig = false;    // an object selected and a telescope place known
    double Nord_Grad = 0;    // degrees, + north
    double West_Min = 0;     // minutes of time, + west
    double Abstand_Grad = 0; // angular distance between the two readings, degrees
    bool Im_Feld = false;    // within half the instrument's field of view
    std::string Text;        // "Noch 1.25° nach Norden · 12.4 min nach Osten"
};

// Field of view of an instrument (diameter, degrees): 15' for the 60 cm
// Cassegrain, 3 deg for the 40 cm Schmidt camera.
double Feld_Durchmesser(Instrument_Art instrument);

// The difference between the target's circle readings and the telescope.
//   ziel_sw, ziel_de  target hour angle (hours) and declination (degrees) as
//                     the circles show them before the index correction
//   teleskop_ra, teleskop_de  the telescope's place of date: hours, degrees
//   sternzeit         local sidereal time of the target's hour angle, hours
//   de_korr, sw_korr  index corrections: degrees, minutes of time
//   feld_grad         the instrument's field diameter, degrees
Push_To_Anzeige Push_To_Berechnen(double ziel_sw, double ziel_de, double teleskop_ra,
                                  double teleskop_de, double sternzeit, double de_korr,
                                  double sw_korr, double feld_grad);
