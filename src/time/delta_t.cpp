#include "time/delta_t.hpp"

#include <cmath>

#include "shared/konstanten.hpp"

namespace {
// Observed Delta T on 1 January of 1973 to 2025, seconds: 32.184 s + (TAI - UTC)
// - (UT1 - UTC), with UT1 - UTC from the IERS EOP series (Bulletin B / C04,
// 1973-2022) and IERS Bulletin A (2023-2025), as tabulated by the USNO
// (maia.usno.navy.mil, deltat.data).
constexpr int Erstes_Jahr = 1973;
constexpr double Beobachtet[] = {
    43.37, 44.48, 45.48, 46.46, 47.52, 48.53, 49.59, 50.54, 51.38, 52.17, // 1973-1982
    52.96, 53.79, 54.34, 54.87, 55.32, 55.82, 56.30, 56.86, 57.57, 58.31, // 1983-1992
    59.12, 59.98, 60.79, 61.63, 62.30, 62.97, 63.47, 63.83, 64.09, 64.30, // 1993-2002
    64.47, 64.57, 64.69, 64.85, 65.15, 65.46, 65.78, 66.07, 66.32, 66.60, // 2003-2012
    66.91, 67.28, 67.64, 68.10, 68.59, 68.97, 69.22, 69.36, 69.36, 69.29, // 2013-2022
    69.20, 69.18, 69.14};                                                 // 2023-2025
constexpr int Anzahl = static_cast<int>(sizeof Beobachtet / sizeof Beobachtet[0]);
constexpr double Letztes_Jahr = Erstes_Jahr + Anzahl - 1;
// Beyond the table: the last value, rising 0.1 s a year at first, and bent so
// as to meet the long-term polynomial at 2050 (93.0 s).
constexpr double Rate_Danach = 0.1; // s per year
constexpr double Wert_2050 = 93.0;
} // namespace

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
    if (y >= Erstes_Jahr && y < 2050.0) {
        if (y >= Letztes_Jahr) {
            const double t = y - Letztes_Jahr, n = 2050.0 - Letztes_Jahr;
            const double letzter = Beobachtet[Anzahl - 1];
            const double k = (Wert_2050 - letzter - Rate_Danach * n) / (n * n);
            return letzter + t * (Rate_Danach + k * t);
        }
        const int i = static_cast<int>(y) - Erstes_Jahr;
        const double f = y - std::floor(y);
        return Beobachtet[i] + f * (Beobachtet[i + 1] - Beobachtet[i]);
    }
    if (y < Erstes_Jahr) {
        const double t = y - 1975.0;
        return 45.45 + 1.067 * t - t * t / 260.0 - t * t * t / 718.0;
    }
    if (y < 2150.0) return lang - 0.5628 * (2150.0 - y);
    return lang;
}
