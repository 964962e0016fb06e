#include "pointing/geostat.hpp"

#include <cmath>

#include "astro/praezession.hpp"
#include "shared/konstanten.hpp"
#include "shared/text.hpp"
#include "shared/zahlen.hpp"
#include "time/numerik.hpp"

namespace {
constexpr double Radius_Geostationaer_km = 42164.0;
constexpr double Radius_Erde_km = 6378.0;
} // namespace

bool Geostat_Position(Objekt_Type& objekt, double jd_pc, double sternzeit,
                      const Parameter_Type& parameter) {
    const auto laenge = Geostat_Laenge(objekt.Bezeichnung);
    if (!laenge) return false;

    // Satellite and site seen from the Earth's centre: the site at distance
    // 6378 km and geocentric latitude phi, the satellite on the equator at 42164 km.
    const double dl_grad = *laenge - parameter.Laenge;
    const double dl = dl_grad * Grad_Zu_Rad;
    const double phi = parameter.Breite * Grad_Zu_Rad;
    const double rho = Radius_Geostationaer_km / (Radius_Erde_km * std::cos(phi));

    // Topocentric hour angle (west negative here, so the right ascension grows with it).
    const double h_grad = ArcTan2(std::sin(dl), rho - std::cos(dl)) * Rad_Zu_Grad + dl_grad;
    objekt.RAapp = sternzeit + h_grad / 15.0;

    const double x = Radius_Geostationaer_km - Radius_Erde_km * std::cos(phi) * std::cos(dl);
    const double y = Radius_Erde_km * std::cos(phi) * std::sin(dl);
    objekt.DEapp = -ArcTan2(Radius_Erde_km * std::sin(phi), std::sqrt(x * x + y * y)) * Rad_Zu_Grad;

    double ra, de;
    Praezession(jd_pc, JD2000, objekt.RAapp * Std_Zu_Rad, objekt.DEapp * Grad_Zu_Rad, ra, de);
    objekt.RA2000 = Mod_Positiv(ra * Rad_Zu_Std, 24.0);
    objekt.DE2000 = de * Rad_Zu_Grad;
    return true;
}
