#include "orbits/mond.hpp"

#include <erfa.h>

#include <cmath>

#include "shared/konstanten.hpp"
#include "time/delta_t.hpp"

namespace {
constexpr double AE_km = 149597870.7;
}

bool Mond_Berechnen(double jd_ut, Mond_Ort& ort) {
    if (!std::isfinite(jd_ut)) return false;
    const double tt = jd_ut + Delta_T(jd_ut) / 86400.0;
    // Whole and fractional day apart, for the precision of the date.
    const double d1 = std::floor(tt);
    const double d2 = tt - d1;
    double pv[2][3];
    eraMoon98(d1, d2, pv);
    double ra = 0, de = 0;
    eraC2s(pv[0], &ra, &de);
    const double delta = eraPm(pv[0]); // AU

    // Phase angle from the Sun's geocentric place (the Earth's heliocentric, reversed).
    double pvh[2][3], pvb[2][3];
    eraEpv00(d1, d2, pvh, pvb);
    double sonne[3] = {-pvh[0][0], -pvh[0][1], -pvh[0][2]};
    const double r = eraPm(sonne);
    const double psi = eraSepp(pv[0], sonne); // elongation
    const double i = std::atan2(r * std::sin(psi), delta - r * std::cos(psi));
    const double k = (1.0 + std::cos(i)) / 2.0;
    if (!std::isfinite(ra) || !std::isfinite(de) || !std::isfinite(delta) || !std::isfinite(k))
        return false;
    ort.RA = eraAnp(ra) * Rad_Zu_Std;
    ort.DE = de * Rad_Zu_Grad;
    ort.Distanz_km = delta * AE_km;
    ort.Beleuchtet = k;
    return true;
}
