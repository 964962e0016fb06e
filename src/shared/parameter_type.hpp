#pragma once
// Site and instrument settings, read at start and written at stop.
#include <cstdint>

struct Parameter_Type {
    std::int32_t Instrument =
        0;                 // aperture (cm) of the instrument current at the last stop: 40 or 60
    double Laenge = 0;     // longitude of the observatory, degrees, east positive
    double Breite = 0;     // latitude, degrees, north positive
    double Hoehe = 0;      // height above sea level, metres (kept, not used)
    double DE_Korr_40 = 0; // declination correction, 40 cm Schmidt camera, degrees
    double SW_Korr_40 = 0; // hour-angle correction, 40 cm Schmidt camera, minutes of time
    double DE_Korr_60 = 0; // declination correction, 60 cm Cassegrain, degrees
    double SW_Korr_60 = 0; // hour-angle correction, 60 cm Cassegrain, minutes of time
};

// The defaults of a first start without parameter file.
inline Parameter_Type Parameter_Vorgabe() {
    Parameter_Type p;
    p.Instrument = 40;
    p.Laenge = 7.47497;
    p.Breite = 47.46651;
    p.Hoehe = 556.0;
    return p;
}

// The ranges a value of the parameter file must lie in; the reader refuses
// anything outside, so the correction keys stop at their limits too.
inline constexpr double Laenge_Min = -180, Laenge_Max = 360; // degrees
inline constexpr double Breite_Max = 90;                     // degrees, either sign
inline constexpr double Hoehe_Min = -500, Hoehe_Max = 9000;  // metres
inline constexpr double DE_Korr_Max = 90;                    // degrees, either sign
inline constexpr double SW_Korr_Max = 720;                   // minutes of time, either sign
