#include "astro/praezession.hpp"

#include <cmath>

#include "shared/konstanten.hpp"
#include "time/numerik.hpp"

void Praezessionswinkel(double jdFrom, double jdTo, double& zeta, double& z, double& theta) {
    // T: starting epoch in Julian centuries from J2000; t: the interval in Julian centuries.
    const double T = (jdFrom - JD2000) / Tage_Je_Jahrhundert;
    const double T2 = T * T;
    const double t = (jdTo - jdFrom) / Tage_Je_Jahrhundert;
    const double t2 = t * t;
    const double t3 = t2 * t;

    // Lieske et al. (1977), arcseconds.
    const double w = 2306.2181 + 1.39656 * T - 0.000139 * T2;
    const double zeta_as = w * t + (0.30188 - 0.000344 * T) * t2 + 0.017998 * t3;
    const double z_as = w * t + (1.09468 + 0.000066 * T) * t2 + 0.018203 * t3;
    const double theta_as = (2004.3109 - 0.8533 * T - 0.000217 * T2) * t -
                            (0.42665 + 0.000217 * T) * t2 - 0.041833 * t3;

    zeta = zeta_as / 3600.0 * Grad_Zu_Rad;
    z = z_as / 3600.0 * Grad_Zu_Rad;
    theta = theta_as / 3600.0 * Grad_Zu_Rad;
}

namespace {
// The precession rotation R3(-z) R2(theta) R3(-zeta) applied to the unit vector
// of (ra, de): u, v the equatorial components, w the polar one; raOut as returned.
void Drehen(double jdFrom, double jdTo, double ra, double de, double& raOut, double& u, double& v,
            double& w) {
    double zeta, z, theta;
    Praezessionswinkel(jdFrom, jdTo, zeta, z, theta);
    const double cos_de = std::cos(de), sin_de = std::sin(de);
    const double cos_th = std::cos(theta), sin_th = std::sin(theta);
    const double a = ra + zeta;
    u = cos_de * std::sin(a);
    v = cos_th * cos_de * std::cos(a) - sin_th * sin_de;
    w = sin_th * cos_de * std::cos(a) + cos_th * sin_de;
    raOut = ArcTan2(u, v) + z;
}
} // namespace

void Praezession(double jdFrom, double jdTo, double ra, double de, double& raOut, double& deOut) {
    double u, v, w;
    Drehen(jdFrom, jdTo, ra, de, raOut, u, v, w);
    // Near the north pole the arcsine loses precision; the arc cosine of the
    // equatorial component (below 0.44 there) keeps it.
    if (w > 0.9)
        deOut = ArcCos(std::sqrt(u * u + v * v));
    else
        deOut = ArcSin(w);
}

void Praezession_Arcsin(double jdFrom, double jdTo, double ra, double de, double& raOut,
                        double& deOut) {
    double u, v, w;
    Drehen(jdFrom, jdTo, ra, de, raOut, u, v, w);
    deOut = ArcSin(w);
}
