#pragma once
// When the selected object stands above the observer's limit of 20° altitude:
// the next rising above and setting below that altitude, and the next upper
// culmination, from a given instant on.
#include <limits>
#include <string>

#include "shared/objekt_type.hpp"
#include "shared/parameter_type.hpp"

inline constexpr double Sichtbarkeits_Grenze = 20.0;    // degrees, geometric altitude
inline constexpr double Sternzeit_Rate = 1.00273790935; // sidereal hours per solar hour

struct Sichtbarkeit {
    enum class Art { Keine, Wechselnd, Nie, Zirkumpolar } Art = Art::Keine;
    static constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
    double Aufgang = NaN;           // JD UT of the next rising above the limit
    double Untergang = NaN;         // JD UT of the next setting below it
    double Kulmination = NaN;       // JD UT of the next upper culmination
    double Kulminationshoehe = NaN; // degrees
    std::string Text;               // the window's line, times in the zone's clock
};

// Visibility of `objekt` from the instant jd_ut on.
//   jd_pc      the PC clock's Julian Date at jd_ut (the place of date refers to it)
//   versatz_minuten  minutes to add to the zone's clock to get UT
// A body of the solar system is moved to each trial instant (its place is
// iterated); every other object keeps its place. Altitudes without refraction.
Sichtbarkeit Sichtbarkeit_Berechnen(const Objekt_Type& objekt, double jd_ut, double jd_pc,
                                    const Parameter_Type& parameter, int versatz_minuten);

// Hour angle (hours) at which a fixed place of declination de (degrees) stands
// at the limit, seen from latitude breite (degrees): 0 < result < 12; -1 when
// it never stands above the limit, 13 when it never sinks below it.
double Grenz_Stundenwinkel(double breite, double de);

// Clock time "HH:MM" in the observer's zone of an instant (UT Julian Date).
//   versatz_minuten  minutes to add to the zone's clock to get UT
std::string Zonen_Uhrzeit(double jd_ut, int versatz_minuten);
