#include "time/kalender.hpp"

#include <cmath>
#include <limits>

#include "shared/fehler.hpp"

namespace {
// Day counts are 32-bit integers; a value outside that range is a range error.
std::int32_t Tage(double wert) {
    const double t = std::trunc(wert);
    if (!(t >= std::numeric_limits<std::int32_t>::min() &&
          t <= std::numeric_limits<std::int32_t>::max()))
        throw Bereichs_Fehler("Datum außerhalb des darstellbaren Bereichs");
    return static_cast<std::int32_t>(t);
}

// The day count of 0 h of a date: JD + 1524.5, a whole number of days.
double Tageszahl(std::int32_t Y, std::int32_t M, std::int32_t D) {
    // Years before 333 are moved forward by whole millennia and back at the end.
    std::int64_t jahr = Y;
    std::int64_t k = 0;
    if (jahr < 333) {
        k = (333 - jahr + 999) / 1000;
        jahr += 1000 * k;
    }
    std::int64_t y = jahr;
    std::int64_t mo = M;
    if (mo < 3) {
        y -= 1;
        mo += 12;
    }
    std::int64_t B = 0;
    if (365.25 * static_cast<double>(y) + 30.0 * static_cast<double>(mo) + D > 578135.5) {
        const std::int64_t A = y / 100;
        B = 2 - A + A / 4;
    }
    const double tage = static_cast<double>(Tage(365.25 * static_cast<double>(y + 4716))) +
                        static_cast<double>(Tage(30.6001 * static_cast<double>(mo + 1))) + D +
                        static_cast<double>(B);
    Tage(tage);
    return tage - static_cast<double>(k) * 365250.0;
}
} // namespace

void Datum_Zu_JD(std::int32_t Y, std::int32_t M, std::int32_t D, double h, double m, double s,
                 double& JD) {
    JD = Tageszahl(Y, M, D) - 1524.5;
    JD = JD + h / 24.0 + m / 1440.0 + s / 86400.0;
}

double Datum_Zu_MJD(std::int32_t Y, std::int32_t M, std::int32_t D, double stunden) {
    // Whole days first, so the hours keep the precision of a small number.
    return (Tageszahl(Y, M, D) - 1524.5 - 2400000.5) + stunden / 24.0;
}

void JD_Zu_Datum(double JD, std::int32_t& Y, std::int32_t& M, std::int32_t& D, double& h, double& m,
                 double& s) {
    if (!std::isfinite(JD)) throw Bereichs_Fehler("Ungültiges Julianisches Datum");
    std::int64_t k = 0;
    if (JD < 1800000.0) {
        // Beyond some two million millennia back the year no longer fits 32 bits.
        const double millennien = std::ceil((1800000.0 - JD) / 365250.0);
        if (!(millennien < 3e6)) throw Bereichs_Fehler("Jahr außerhalb des darstellbaren Bereichs");
        k = static_cast<std::int64_t>(millennien);
        JD += static_cast<double>(k) * 365250.0;
        while (JD < 1800000.0) {
            ++k;
            JD += 365250.0;
        }
    }
    const std::int64_t Z = Tage(JD + 0.5);
    std::int64_t A = Z;
    if (Z >= 2299161) {
        const std::int64_t alpha = Tage((static_cast<double>(Z) - 1867216.25) / 36524.25);
        A = Z + 1 + alpha - alpha / 4;
    }
    const std::int64_t B = Tage(static_cast<double>(A) + 1524);
    const std::int64_t G = Tage((static_cast<double>(B) - 122.1) / 365.25);
    const std::int64_t Dd = Tage(365.25 * static_cast<double>(G));
    const std::int64_t E = Tage(static_cast<double>(B - Dd) / 30.6001);
    D = static_cast<std::int32_t>(B - Dd - Tage(30.6001 * static_cast<double>(E)));
    M = static_cast<std::int32_t>(E >= 14 ? E - 13 : E - 1);
    std::int64_t jahr = G - 4715;
    if (M >= 3) jahr -= 1;
    jahr -= 1000 * k;
    if (jahr < std::numeric_limits<std::int32_t>::min())
        throw Bereichs_Fehler("Jahr außerhalb des darstellbaren Bereichs");
    Y = static_cast<std::int32_t>(jahr);

    // The time of day comes from the fraction alone, independent of the day.
    double f = (JD - std::trunc(JD)) + 0.5;
    if (f == 1.0) f = 0.0;
    std::int64_t ms = static_cast<std::int64_t>(std::trunc(f * 86400000.0 + 0.5));
    // Less than half a millisecond before midnight the day above is still the old
    // one: keep its last millisecond rather than 00:00 of that same day.
    if (f < 1.0 && ms >= 86400000) ms = 86399999;
    std::int64_t stunde = ms / 3600000;
    ms -= stunde * 3600000;
    const std::int64_t minute = ms / 60000;
    s = static_cast<double>(ms - minute * 60000) / 1000.0;
    if (stunde > 23) stunde -= 24;
    h = static_cast<double>(stunde);
    m = static_cast<double>(minute);
}
