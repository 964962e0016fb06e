#include "astro/himmelsort.hpp"

#include <cmath>

#include "astro/praezession.hpp"
#include "shared/konstanten.hpp"

namespace {
double Std_Normal(double ra) {
    ra = std::fmod(ra, 24.0);
    return ra < 0 ? ra + 24.0 : ra;
}

Himmelsort Praezedieren(const Himmelsort& ort, double von, double nach) {
    double ra, de;
    Praezession(von, nach, ort.RA * Std_Zu_Rad, ort.DE * Grad_Zu_Rad, ra, de);
    return {Std_Normal(ra * Rad_Zu_Std), de * Rad_Zu_Grad};
}
} // namespace

Himmelsort J2000_Zu_Datum(const Himmelsort& j2000, double jd) {
    return Praezedieren(j2000, JD2000, jd);
}

Himmelsort Datum_Zu_J2000(const Himmelsort& datum, double jd) {
    return Praezedieren(datum, jd, JD2000);
}

double Abstand_Grad(const Himmelsort& a, const Himmelsort& b) {
    // Haversine form: well conditioned for the small distances that matter here.
    const double d1 = a.DE * Grad_Zu_Rad, d2 = b.DE * Grad_Zu_Rad;
    const double sd = std::sin((d2 - d1) / 2), sa = std::sin((b.RA - a.RA) * Std_Zu_Rad / 2);
    const double h = sd * sd + std::cos(d1) * std::cos(d2) * sa * sa;
    return 2 * std::asin(std::sqrt(std::fmin(1.0, h))) * Rad_Zu_Grad;
}
