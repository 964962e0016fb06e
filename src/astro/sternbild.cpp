#include "astro/sternbild.hpp"

#include <cmath>

#include "astro/praezession.hpp"
#include "shared/konstanten.hpp"
#include "time/numerik.hpp"

std::string Sternbild_1875(float ra_std, float de_grad) {
    if (std::isnan(ra_std) || std::isnan(de_grad)) return {};
    // 24 h is the same meridian as 0 h; the table's zones end before 24 h.
    if (ra_std >= 24.0f) ra_std = 0.0f;

    std::size_t i = 0;
    const std::size_t n = Sternbild_Grenzen.size();
    // Zones are sorted by their lower declination: skip those starting above the place.
    while (i < n && Sternbild_Grenzen[i].DE_Unten > de_grad) ++i;
    for (; i < n; ++i) {
        const Sternbild_Grenze& g = Sternbild_Grenzen[i];
        if (g.RA_Unten <= ra_std && ra_std < g.RA_Oben) return g.Kuerzel;
    }
    return {};
}

std::string Sternbild(double ra, double de, double jdEpoch) {
    double ra1875, de1875;
    Praezession_Arcsin(jdEpoch, JD1875, ra, de, ra1875, de1875);

    // The boundary table holds 32-bit values; the place is compared in the same width.
    float alpha = static_cast<float>(ra1875);
    alpha = static_cast<float>(alpha * Rad_Zu_Std);
    alpha = static_cast<float>(Mod_Positiv(static_cast<double>(alpha) + 24.0, 24.0));
    float delta = static_cast<float>(de1875);
    delta = static_cast<float>(delta * Rad_Zu_Grad);
    return Sternbild_1875(alpha, delta);
}
