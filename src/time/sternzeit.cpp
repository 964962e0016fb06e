#include "time/sternzeit.hpp"

#include "shared/konstanten.hpp"
#include "time/numerik.hpp"

double Sternzeit_Greenwich(double jd_ut) {
    const double d = jd_ut - JD2000;
    const double T = d / Tage_Je_Jahrhundert;
    // Summed in extended precision: d * 360.98... reaches 10^7 degrees within a century.
    const long double theta = static_cast<long double>(d) * 360.98564736629L + 280.46061837L +
                              0.000387933L * T * T -
                              static_cast<long double>(T) * T * T / 38710000.0L;
    return Mod_Positiv(static_cast<double>(theta) * Grad_Zu_Rad, Zwei_Pi);
}
