#include "astro/himmelsort.hpp"

#include <cmath>

#include "astro/scheinbarer_ort.hpp"
#include "shared/konstanten.hpp"

// The Earth's centre: a telescope's protocol knows no site, and the diurnal
// aberration (0.3" at most) is below what it carries.
Himmelsort J2000_Zu_Datum(const Himmelsort& j2000, double jd) {
    return Scheinbarer_Ort(Rahmen_Berechnen(jd, NAN, 0.0, 0.0), j2000);
}

Himmelsort Datum_Zu_J2000(const Himmelsort& datum, double jd) {
    return Astrometrischer_Ort(Rahmen_Berechnen(jd, NAN, 0.0, 0.0), datum);
}

double Abstand_Grad(const Himmelsort& a, const Himmelsort& b) {
    // Haversine form: well conditioned for the small distances that matter here.
    const double d1 = a.DE * Grad_Zu_Rad, d2 = b.DE * Grad_Zu_Rad;
    const double sd = std::sin((d2 - d1) / 2), sa = std::sin((b.RA - a.RA) * Std_Zu_Rad / 2);
    const double h = sd * sd + std::cos(d1) * std::cos(d2) * sa * sa;
    return 2 * std::asin(std::sqrt(std::fmin(1.0, h))) * Rad_Zu_Grad;
}
