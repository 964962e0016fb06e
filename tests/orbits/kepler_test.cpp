// Kepler solvers and the orbit-plane to ecliptic step.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "orbits/kepler.hpp"

namespace {
// Residual of Kepler's equation for E, M in degrees.
double Kepler_Rest(double E, double M, double e) {
    const double r = E * std::numbers::pi / 180 - e * std::sin(E * std::numbers::pi / 180) -
                     M * std::numbers::pi / 180;
    return std::remainder(r, 2 * std::numbers::pi);
}
} // namespace

TEST(Kepler, ECCANOM_StartwerteUndReduktion) {
    for (double e : {0.0, 0.3, 0.79}) EXPECT_EQ(ECCANOM(0, e), 0.0);
    EXPECT_NEAR(ECCANOM(123.4, 0), 123.4, 1e-7);
    EXPECT_NEAR(ECCANOM(-30, 0), 330.0, 1e-7);
    EXPECT_NEAR(ECCANOM(-90, 0.1), ECCANOM(270, 0.1), 1e-9);
    // Below 0.8 the iteration starts at M, from 0.8 on at pi; both converge.
    for (double e : {0.79, 0.8, 0.95, 0.999}) {
        for (double M : {0.5, 10.0, 90.0, 179.0, 181.0, 359.5}) {
            const double E = ECCANOM(M, e);
            // The solver's stored 2 pi is 8.2e-10 too large: the mean anomaly it
            // solves for is larger by that share of a turn.
            EXPECT_LT(std::fabs(Kepler_Rest(E, M, e)), 2e-11 + 8.3e-10 * M / 360) << M << " " << e;
        }
    }
}

TEST(Kepler, LoeserMeldenAusgeschoepfteIterationUndLiefernLetztenWert) {
    testing::internal::CaptureStderr();
    const double E = ECCANOM(1e-6, 1.0);
    const std::string meldung = testing::internal::GetCapturedStderr();
    EXPECT_EQ(meldung, " Konvergenzprobleme in ECCANOM\n");
    EXPECT_TRUE(std::isfinite(E));
    testing::internal::CaptureStderr();
    ECCANOM(200, 0.5);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST(Kepler, HYPANOM_LoestHyperbolischeGleichung) {
    for (double e : {1.01, 1.5, 3.4})
        for (double MH : {-50.0, -0.3, 0.0, 0.02, 2.0, 400.0}) {
            const double H = HYPANOM(MH, e);
            EXPECT_NEAR(e * std::sinh(H) - H, MH, 1e-9 * (1 + std::fabs(MH))) << e << " " << MH;
        }
}

TEST(Kepler, CREIHEN_UndKUBWURZEL) {
    double c1, c2, c3;
    CREIHEN(0, c1, c2, c3);
    EXPECT_EQ(c1, 1.0);
    EXPECT_EQ(c2, 0.5);
    EXPECT_DOUBLE_EQ(c3, 1.0 / 6.0);
    // For E2 = x^2 > 0 the sums are sin x / x, (1 - cos x)/x^2, (x - sin x)/x^3.
    const double x = 0.7;
    CREIHEN(x * x, c1, c2, c3);
    EXPECT_NEAR(c1, std::sin(x) / x, 1e-13);
    EXPECT_NEAR(c2, (1 - std::cos(x)) / (x * x), 1e-13);
    EXPECT_NEAR(c3, (x - std::sin(x)) / (x * x * x), 1e-13);
    EXPECT_EQ(KUBWURZEL(0), 0.0);
    EXPECT_NEAR(KUBWURZEL(27), 3.0, 1e-14);
}

TEST(Kepler, PARAB_ImPerihel) {
    const double q = 0.8;
    for (double e : {1.0, 0.97, 1.03}) {
        double x, y, vx, vy;
        PARAB(0.2, 0.2, q, e, x, y, vx, vy);
        EXPECT_NEAR(x, q, 1e-15);
        EXPECT_EQ(y, 0.0);
        EXPECT_EQ(vx, 0.0);
        EXPECT_NEAR(vy, Gauss_K * (1 + e) / std::sqrt((1 + e) * q), 1e-15);
    }
}

// Far from perihelion the series keeps its digits on both sides: the orbit is
// symmetric about the apse line, x(-t) = x(t), y(-t) = -y(t), vx(-t) = -vx(t).
// Where its terms overflow it ends with NaN instead of looping for ever.
TEST(Kepler, PARAB_FernVomPerihelSymmetrischUndEndlich) {
    struct Fall {
        double q, e, jahre;
    };
    for (const Fall f : {Fall{0.005, 1.0, 10}, Fall{0.005, 0.9999, 4}, Fall{0.05, 0.98, 3},
                         Fall{0.1, 1.01, 100}, Fall{0.3, 1.0, 1000}}) {
        double x, y, vx, vy, x2, y2, vx2, vy2;
        PARAB(0, -f.jahre / 100, f.q, f.e, x, y, vx, vy);
        PARAB(0, f.jahre / 100, f.q, f.e, x2, y2, vx2, vy2);
        EXPECT_NEAR(x, x2, 1e-12 * std::fabs(x2)) << f.q << " " << f.e << " " << f.jahre;
        EXPECT_NEAR(y, -y2, 1e-12 * std::fabs(y2)) << f.q << " " << f.e << " " << f.jahre;
        EXPECT_NEAR(vx, -vx2, 1e-12 * std::fabs(vx2)) << f.q << " " << f.e << " " << f.jahre;
    }
    double c1, c2, c3;
    for (double E2 : {-1e6, 1e6, HUGE_VAL, std::nan("")}) {
        CREIHEN(E2, c1, c2, c3);
        EXPECT_TRUE(std::isnan(c1) && std::isnan(c2) && std::isnan(c3)) << E2;
    }
    testing::internal::CaptureStderr();
    double x, y, vx, vy;
    PARAB(0, -100, 0.1, 0.91, x, y, vx, vy); // some ten thousand turns before perihelion
    EXPECT_EQ(testing::internal::GetCapturedStderr(), " Konvergenzprobleme in PARAB\n");
    EXPECT_FALSE(std::isfinite(x));
}

// The three solvers describe the same orbits: near e = 1 the universal series
// agrees with the ellipse and the hyperbola, and every place keeps the
// two-body energy. (Closer to e = 1 the ellipse solver's stored 2 pi limits it
// near perihelion: that is where the orbit routine takes the series.)
TEST(Kepler, SerieUndKegelschnitteStimmenUeberein) {
    const double q = 1.3;
    for (double e : {0.93, 1.01, 1.07}) {
        const double a = q / std::fabs(1 - e);
        for (double tage : {-300.0, -20.0, 15.0, 200.0}) {
            const double T = tage / 36525;
            double x, y, vx, vy, x2, y2, vx2, vy2;
            PARAB(0, T, q, e, x, y, vx, vy);
            if (e < 1) {
                const double M = Gauss_K / std::pow(a, 1.5) * tage * 180 / std::numbers::pi;
                ELLBAHN(M, a, e, x2, y2, vx2, vy2);
            } else {
                HYPBAHN(0, T, a, e, x2, y2, vx2, vy2);
            }
            EXPECT_NEAR(x, x2, 2e-7) << e << " " << tage;
            EXPECT_NEAR(y, y2, 2e-7) << e << " " << tage;
            EXPECT_NEAR(vx, vx2, 2e-9);
            EXPECT_NEAR(vy, vy2, 2e-9);
            const double r = std::hypot(x, y);
            const double energie = (vx * vx + vy * vy) / 2 - Gauss_K * Gauss_K / r;
            const double soll = (e < 1 ? -1 : 1) * Gauss_K * Gauss_K / (2 * a);
            EXPECT_NEAR(energie, soll, 1e-12);
        }
    }
}

TEST(Kepler, BAHNMATRIX_UndBAHNEKL) {
    Matrix3 m;
    BAHNMATRIX(0, 0, 0, m);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) EXPECT_NEAR(m[i][j], i == j ? 1.0 : 0.0, 1e-15);
    // Perihelion at the ascending node of an orbit inclined by 90 degrees,
    // node at 90: P points along +y, Q along the ecliptic pole.
    BAHNMATRIX(90, 90, 0, m);
    double X, Y, Z;
    BAHNEKL(m, 1, 0, X, Y, Z);
    EXPECT_NEAR(X, 0, 1e-15);
    EXPECT_NEAR(Y, 1, 1e-15);
    EXPECT_NEAR(Z, 0, 1e-15);
    BAHNEKL(m, 0, 1, X, Y, Z);
    EXPECT_NEAR(Z, 1, 1e-15);
}

TEST(Kepler, BAHNORT_WaehltDenLoeser) {
    Matrix3 m;
    BAHNMATRIX(0, 0, 0, m);
    double X, Y, Z, VX, VY, VZ;
    // e = 1: mean anomaly 0, always the series; far out it is still a parabola.
    BAHNORT(m, 1.0, 1.0, 0.5, 0.0, X, Y, Z, VX, VY, VZ);
    const double r = std::hypot(X, Y);
    EXPECT_NEAR((VX * VX + VY * VY) / 2 - Gauss_K * Gauss_K / r, 0.0, 1e-14);
    // A circle keeps its radius and its speed.
    BAHNORT(m, 0.0, 2.0, 0.37, 0.0, X, Y, Z, VX, VY, VZ);
    EXPECT_NEAR(std::hypot(X, Y), 2.0, 1e-12);
    EXPECT_NEAR(std::hypot(VX, VY), Gauss_K / std::sqrt(2.0), 1e-14);
    EXPECT_EQ(Z, 0.0);
    // e = 0.95 takes the series before perihelion; ellipse and series agree there.
    double X2, Y2, Z2, V2x, V2y, V2z;
    BAHNORT(m, 0.95, 1.0, -0.01, 0.0, X, Y, Z, VX, VY, VZ);
    const double a = 1.0 / 0.05;
    const double M = Gauss_K / std::pow(a, 1.5) * (-0.01 * 36525) * 180 / std::numbers::pi;
    double x, y, vx, vy;
    ELLBAHN(M, a, 0.95, x, y, vx, vy);
    BAHNEKL(m, x, y, X2, Y2, Z2);
    BAHNEKL(m, vx, vy, V2x, V2y, V2z);
    EXPECT_NEAR(X, X2, 1e-7);
    EXPECT_NEAR(Y, Y2, 1e-7);
    // The test is on the signed mean anomaly: half a century (about 200 degrees)
    // before perihelion it is still the series, and shortly after it too.
    for (double T : {-0.5, -0.01, 0.001}) {
        BAHNORT(m, 0.95, 1.0, T, 0.0, X, Y, Z, VX, VY, VZ);
        PARAB(0.0, T, 1.0, 0.95, x, y, vx, vy);
        EXPECT_EQ(X, x) << T;
        EXPECT_EQ(VY, vy) << T;
    }
}
