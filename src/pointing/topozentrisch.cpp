#include "pointing/topozentrisch.hpp"

#include <cmath>

#include "astro/praezession.hpp"
#include "shared/konstanten.hpp"
#include "time/numerik.hpp"

namespace {
constexpr double WGS84_a = 6378137.0; // equatorial radius, m
constexpr double WGS84_f = 1.0 / 298.257223563;
constexpr double AE_m = 149597870700.0;

double Begrenzt(double x, double unten, double oben) {
    if (!(x >= unten)) return std::isnan(x) ? 0.0 : unten;
    return x > oben ? oben : x;
}
} // namespace

void Beobachter_Vektor(double sternzeit, double breite, double hoehe, double jd, double v[3]) {
    v[0] = v[1] = v[2] = 0.0;
    if (!std::isfinite(sternzeit) || !std::isfinite(jd)) return;
    const double phi = Begrenzt(breite, -90.0, 90.0) * Grad_Zu_Rad;
    const double h = Begrenzt(hoehe, -500.0, 9000.0);
    // Geocentric rectangular coordinates on the ellipsoid (metres).
    const double b = (1.0 - WGS84_f) * (1.0 - WGS84_f);
    const double c =
        1.0 / std::sqrt(std::cos(phi) * std::cos(phi) + b * std::sin(phi) * std::sin(phi));
    const double rho_cos = (WGS84_a * c + h) * std::cos(phi);
    const double rho_sin = (WGS84_a * c * b + h) * std::sin(phi);
    const double rho = std::hypot(rho_cos, rho_sin) / AE_m;
    // The direction of date, precessed back to J2000.
    double ra = 0, de = 0;
    Praezession(jd, JD2000, sternzeit * Std_Zu_Rad, std::atan2(rho_sin, rho_cos), ra, de);
    v[0] = rho * std::cos(de) * std::cos(ra);
    v[1] = rho * std::cos(de) * std::sin(ra);
    v[2] = rho * std::sin(de);
}

void Topozentrisch(double ra, double de, double distanz, const double v[3], double& ra_topo,
                   double& de_topo) {
    ra_topo = ra;
    de_topo = de;
    if (!(distanz > 0.0) || !std::isfinite(distanz)) return;
    const double a = ra * Std_Zu_Rad, d = de * Grad_Zu_Rad;
    const double x = distanz * std::cos(d) * std::cos(a) - v[0];
    const double y = distanz * std::cos(d) * std::sin(a) - v[1];
    const double z = distanz * std::sin(d) - v[2];
    const double r = std::atan2(y, x);
    const double s = std::atan2(z, std::hypot(x, y));
    if (!std::isfinite(r) || !std::isfinite(s)) return;
    ra_topo = Mod_Positiv(r * Rad_Zu_Std, 24.0);
    de_topo = s * Rad_Zu_Grad;
}
