#pragma once
// The night's timetable at the observatory: sunset and sunrise, the ends and
// starts of civil, nautical and astronomical twilight, moonrise and moonset,
// the Moon's phase, and when it is dark (Sun below -18°, Moon below the horizon).
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "shared/parameter_type.hpp"

struct Nacht_Plan {
    static constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
    // One altitude threshold of the Sun: the evening's crossing downward and
    // the morning's upward (JD UT); where the Sun does not cross it in that
    // half of the day, NaN and Lage says why.
    struct Schwelle {
        double Unter = NaN, Auf = NaN;
        enum class Lage { Kreuzt, Oben, Unten } Abends = Lage::Kreuzt, Morgens = Lage::Kreuzt;
    };
    Schwelle Sonne;        // upper limb at -34' (standard refraction at the horizon)
    Schwelle Buergerlich;  // centre at -6°
    Schwelle Nautisch;     // centre at -12°
    Schwelle Astronomisch; // centre at -18°
    double Mittag_Vorher = NaN, Mitternacht = NaN, Mittag_Nachher = NaN; // Sun's transits, JD UT
    // Moon's rises (true) and sets (false) between the two noons, upper limb
    // at -34', topocentric; in order of time.
    std::vector<std::pair<double, bool>> Mond;
    bool Mond_Oben_Mittag = false; // the Moon above the horizon at the first noon
    double Beleuchtet = NaN;       // illuminated fraction at local midnight, 0..1
    bool Zunehmend = false;
    std::string Phase;                             // "zunehmende Sichel" …
    std::vector<std::pair<double, double>> Dunkel; // Sun below -18° and Moon down, JD UT
    std::string Text;                              // one line, local times of the zone
    std::string Tafel;                             // the same in short lines for a panel
};

// The timetable of the night that contains the instant, or, when the Sun is
// up then, of the night that follows.
//   jd_ut  Julian Date, UT; parameter  the site (longitude, latitude, height)
//   versatz_minuten  minutes to add to the zone's clock to get UT (for the text)
// The night runs from the Sun's upper transit before its lower transit to the
// one after. The Sun from eraEpv00 with annual aberration, the Moon from
// eraMoon98 with diurnal parallax, both rotated into the celestial
// intermediate system of the instant (eraC2i06a) and turned by the Earth
// rotation angle; altitudes are geometric, refraction enters only as the
// standard 34' at the horizon.
Nacht_Plan Nacht_Berechnen(double jd_ut, const Parameter_Type& parameter, int versatz_minuten);
