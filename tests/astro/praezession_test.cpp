#include "astro/praezession.hpp"

#include <erfa.h>
#include <gtest/gtest.h>

#include <cmath>

#include "shared/konstanten.hpp"

namespace {

// Precession of (ra, de) by ERFA's IAU 1976 angles between any two epochs.
void Erfa_Praezession(double jd0, double jd1, double ra, double de, double& ra1, double& de1) {
    double zeta, z, theta, r[3][3], p[3], q[3];
    eraPrec76(jd0, 0.0, jd1, 0.0, &zeta, &z, &theta);
    eraIr(r);
    eraRz(-zeta, r);
    eraRy(theta, r);
    eraRz(-z, r);
    eraS2c(ra, de, p);
    eraRxp(r, p, q);
    eraC2s(q, &ra1, &de1);
}

double Abstand(double ra0, double de0, double ra1, double de1) {
    return eraSeps(ra0, de0, ra1, de1);
}

// Places covering the sphere, including both poles and the rows next to them.
template <class F> void Fuer_Orte(F f) {
    for (int d = -90; d <= 90; d += 10)
        for (int h = 0; h < 24; h += 3) f(h * Std_Zu_Rad, d * Grad_Zu_Rad);
}

} // namespace

TEST(Praezessionswinkel, StimmenMitErfaUeberein) {
    double groesste = 0;
    for (double von = 2378496.5; von <= 2524593.5; von += 7305.0) // 1800 .. 2200
        for (double bis = 2378496.5; bis <= 2524593.5; bis += 3652.5) {
            double zeta, z, theta, ezeta, ez, etheta;
            Praezessionswinkel(von, bis, zeta, z, theta);
            eraPrec76(von, 0.0, bis, 0.0, &ezeta, &ez, &etheta);
            groesste = std::fmax(groesste, std::fabs(zeta - ezeta));
            groesste = std::fmax(groesste, std::fabs(z - ez));
            groesste = std::fmax(groesste, std::fabs(theta - etheta));
        }
    EXPECT_LT(groesste, 1e-13);
}

TEST(Praezessionswinkel, VorwaertsAbJ2000) {
    // A year after J2000: zeta and z share the first-order term, theta is smaller.
    double zeta, z, theta;
    Praezessionswinkel(JD2000, JD2000 + 365.25, zeta, z, theta);
    EXPECT_GT(zeta, 0);
    EXPECT_NEAR(zeta, z, 1e-9);
    EXPECT_LT(theta, zeta);
    double ra, de;
    Praezession(JD2000, JD2000 + 365.25, 0.0, 0.0, ra, de);
    EXPECT_GT(ra, 0);
    EXPECT_GT(de, 0);

    Praezessionswinkel(2460000.5, 2460000.5, zeta, z, theta);
    EXPECT_EQ(zeta, 0);
    EXPECT_EQ(z, 0);
    EXPECT_EQ(theta, 0);
}

TEST(Praezession, AbJ2000WieErfaPmat76) {
    double groesste = 0;
    for (int jahr = 1900; jahr <= 2100; jahr += 5) {
        const double jd = JD2000 + (jahr - 2000) * 365.25;
        double rp[3][3];
        eraPmat76(jd, 0.0, rp);
        Fuer_Orte([&](double ra, double de) {
            double p[3], q[3], era, ede, r, d;
            eraS2c(ra, de, p);
            eraRxp(rp, p, q);
            eraC2s(q, &era, &ede);
            Praezession(JD2000, jd, ra, de, r, d);
            groesste = std::fmax(groesste, Abstand(r, d, era, ede));
            groesste = std::fmax(groesste, std::fabs(d - ede));
        });
    }
    RecordProperty("groesste_abweichung_rad", testing::PrintToString(groesste));
    EXPECT_LT(groesste, 1e-10);
}

TEST(Praezession, BeliebigeAusgangsepoche) {
    // The south side keeps the arcsine of the polar component; within a few
    // microradians of the south pole that limits the declination to a few 1e-10 rad
    // (the rounding of w divided by the cosine of the declination).
    double groesste = 0, groesste_suedpol = 0;
    for (double von = 2378496.5; von <= 2524593.5; von += 9131.25) // 1800 .. 2200
        for (int jahr = 1900; jahr <= 2100; jahr += 25) {
            const double bis = JD2000 + (jahr - 2000) * 365.25;
            Fuer_Orte([&](double ra, double de) {
                double r, d, er, ed;
                Praezession(von, bis, ra, de, r, d);
                Erfa_Praezession(von, bis, ra, de, er, ed);
                const double f = std::fmax(Abstand(r, d, er, ed), std::fabs(d - ed));
                double& g = ed < -Pi / 2 + 1e-5 ? groesste_suedpol : groesste;
                g = std::fmax(g, f);
            });
        }
    RecordProperty("groesste_abweichung_rad", testing::PrintToString(groesste));
    RecordProperty("groesste_abweichung_suedpol_rad", testing::PrintToString(groesste_suedpol));
    EXPECT_LT(groesste, 1e-10);
    EXPECT_LT(groesste_suedpol, 1e-9);
}

TEST(Praezession, GleicheEpochen) {
    double r, d;
    Praezession(2455000.5, 2455000.5, 23.0 * Std_Zu_Rad, 0.4, r, d);
    EXPECT_NEAR(r, -1.0 * Std_Zu_Rad, 1e-15);
    EXPECT_NEAR(d, 0.4, 1e-15);

    // Both sides of w = 0.9, where the declination changes from the arcsine to the
    // arc cosine of the equatorial component.
    const double grenze = std::asin(0.9);
    for (double de : {grenze - 1e-9, grenze + 1e-9, grenze + 0.1, 1.5}) {
        Praezession(2455000.5, 2455000.5, 1.0, de, r, d);
        EXPECT_NEAR(d, de, 1e-14) << de;
        EXPECT_NEAR(r, 1.0, 1e-14) << de;
    }
    // A hair from the north pole the arcsine of the polar component would keep only
    // about half the digits; the equatorial component keeps them all.
    Praezession(2455000.5, 2455000.5, 1.0, Pi / 2 - 1e-7, r, d);
    EXPECT_NEAR(d, Pi / 2 - 1e-7, 1e-13);
}

TEST(Praezession, Pole) {
    // The pole of J2000 seen from the equator twenty years later: theta from the new
    // pole, on the hour circle 12 h + z.
    const double jd = JD2000 + 20 * 365.25;
    double zeta, z, theta, r, d;
    Praezessionswinkel(JD2000, jd, zeta, z, theta);
    Praezession(JD2000, jd, 0.0, Pi / 2, r, d);
    EXPECT_NEAR(d, Pi / 2 - theta, 1e-12);
    EXPECT_LT(Abstand(r, d, Pi + z, Pi / 2 - theta), 1e-12);
    Praezession(JD2000, jd, 1.0, -Pi / 2, r, d);
    EXPECT_NEAR(d, -Pi / 2 + theta, 1e-12);

    // With no interval the pole stays put, at raOut = z = 0.
    Praezession(JD2000, JD2000, 0.0, Pi / 2, r, d);
    EXPECT_EQ(r, 0.0);
    EXPECT_DOUBLE_EQ(d, Pi / 2);
    Praezession(JD2000, JD2000, 0.0, -Pi / 2, r, d);
    EXPECT_DOUBLE_EQ(d, -Pi / 2);
}
