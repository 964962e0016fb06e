#include "time/delta_t.hpp"

#include <cmath>

#include "shared/konstanten.hpp"

double Delta_T(double jd_ut) {
    // Decimal year of the instant (mean Gregorian year).
    const double y = 2000.0 + (jd_ut - (JD2000 - 0.5)) / 365.2425;
    const double u = (y - 1820.0) / 100.0;
    const double lang = -20.0 + 32.0 * u * u;
    if (!std::isfinite(y)) return 0.0;
    if (y < 1900.0) return lang;
    if (y < 1920.0) {
        const double t = y - 1900.0;
        return -2.79 + t * (1.494119 + t * (-0.0598939 + t * (0.0061966 - 0.000197 * t)));
    }
    if (y < 1941.0) {
        const double t = y - 1920.0;
        return 21.20 + t * (0.84493 + t * (-0.076100 + 0.0020936 * t));
    }
    if (y < 1961.0) {
        const double t = y - 1950.0;
        return 29.07 + 0.407 * t - t * t / 233.0 + t * t * t / 2547.0;
    }
    if (y < 1986.0) {
        const double t = y - 1975.0;
        return 45.45 + 1.067 * t - t * t / 260.0 - t * t * t / 718.0;
    }
    if (y < 2005.0) {
        const double t = y - 2000.0;
        return 63.86 + t * (0.3345 + t * (-0.060374 +
                                          t * (0.0017275 + t * (0.000651814 + 0.00002373599 * t))));
    }
    if (y < 2050.0) {
        const double t = y - 2000.0;
        return 62.92 + t * (0.32217 + 0.005589 * t);
    }
    if (y < 2150.0) return lang - 0.5628 * (2150.0 - y);
    return lang;
}
