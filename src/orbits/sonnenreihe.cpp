#include "orbits/sonnenreihe.hpp"

#include <cmath>
#include <cstdint>

namespace {
constexpr double P2 = 6.283185307;

struct Term {
    std::int8_t i, j, k;
    double dLc, dLs, dRc, dRs, dBc, dBs;
};

// Venus, with the Earth's own elliptic motion in the rows j = 0.
constexpr Term Venus[] = {
    {1, 0, 0, -0.22, 6892.76, -16707.37, -0.54, 0, 0},
    {1, 0, 1, -0.06, -17.35, 42.04, -0.15, 0, 0},
    {1, 0, 2, -0.01, -0.05, 0.13, -0.02, 0, 0},
    {2, 0, 0, 0, 71.98, -139.57, 0, 0, 0},
    {2, 0, 1, 0, -0.36, 0.70, 0, 0, 0},
    {3, 0, 0, 0, 1.04, -1.75, 0, 0, 0},
    {0, -1, 0, 0.03, -0.07, -0.16, -0.07, 0.02, -0.02},
    {1, -1, 0, 2.35, -4.23, -4.75, -2.64, 0, 0},
    {1, -2, 0, -0.10, 0.06, 0.12, 0.20, 0.02, 0},
    {2, -1, 0, -0.06, -0.03, 0.20, -0.01, 0.01, -0.09},
    {2, -2, 0, -4.70, 2.90, 8.28, 13.42, 0.01, -0.01},
    {3, -2, 0, 1.80, -1.74, -1.44, -1.57, 0.04, -0.06},
    {3, -3, 0, -0.67, 0.03, 0.11, 2.43, 0.01, 0},
    {4, -2, 0, 0.03, -0.03, 0.10, 0.09, 0.01, -0.01},
    {4, -3, 0, 1.51, -0.40, -0.88, -3.36, 0.18, -0.10},
    {4, -4, 0, -0.19, -0.09, -0.38, 0.77, 0, 0},
    {5, -3, 0, 0.76, -0.68, 0.30, 0.37, 0.01, 0},
    {5, -4, 0, -0.14, -0.04, -0.11, 0.43, -0.03, 0},
    {5, -5, 0, -0.05, -0.07, -0.31, 0.21, 0, 0},
    {6, -4, 0, 0.15, -0.04, -0.06, -0.21, 0.01, 0},
    {6, -5, 0, -0.03, -0.03, -0.09, 0.09, -0.01, 0},
    {6, -6, 0, 0, -0.04, -0.18, 0.02, 0, 0},
    {7, -5, 0, -0.12, -0.03, -0.08, 0.31, -0.02, -0.01},
};

constexpr Term Mars[] = {
    {1, -1, 0, -0.22, 0.17, -0.21, -0.27, 0, 0},    {1, -2, 0, -1.66, 0.62, 0.16, 0.28, 0, 0},
    {2, -2, 0, 1.96, 0.57, -1.32, 4.55, 0, 0.01},   {2, -3, 0, 0.40, 0.15, -0.17, 0.46, 0, 0},
    {2, -4, 0, 0.53, 0.26, 0.09, -0.22, 0, 0},      {3, -3, 0, 0.05, 0.12, -0.35, 0.15, 0, 0},
    {3, -4, 0, -0.13, -0.48, 1.06, -0.29, 0.01, 0}, {3, -5, 0, -0.04, -0.20, 0.20, -0.04, 0, 0},
    {4, -4, 0, 0, -0.03, 0.10, 0.04, 0, 0},         {4, -5, 0, 0.05, -0.07, 0.20, 0.14, 0, 0},
    {4, -6, 0, -0.10, 0.11, -0.23, -0.22, 0, 0},    {5, -7, 0, -0.05, 0, 0.01, -0.14, 0, 0},
    {5, -8, 0, 0.05, 0.01, -0.02, 0.10, 0, 0},
};

// The row i = 1, j = -1 stands twice; both are applied.
constexpr Term Jupiter[] = {
    {1, -1, 0, 0.01, 0.07, 0.18, -0.02, 0, -0.02},
    {0, -1, 0, -0.31, 2.58, 0.52, 0.34, 0.02, 0},
    {1, -1, 0, -7.21, -0.06, 0.13, -16.27, 0, -0.02},
    {1, -2, 0, -0.54, -1.52, 3.09, -1.12, 0.01, -0.17},
    {1, -3, 0, -0.03, -0.21, 0.38, -0.06, 0, -0.02},
    {2, -1, 0, -0.16, 0.05, -0.18, -0.31, 0.01, 0},
    {2, -2, 0, 0.14, -2.73, 9.23, 0.48, 0, 0},
    {2, -3, 0, 0.07, -0.55, 1.83, 0.25, 0.01, 0},
    {2, -4, 0, 0.02, -0.08, 0.25, 0.06, 0, 0},
    {3, -2, 0, 0.01, -0.07, 0.16, 0.04, 0, 0},
    {3, -3, 0, -0.16, -0.03, 0.08, -0.64, 0, 0},
    {3, -4, 0, -0.04, -0.01, 0.03, -0.17, 0, 0},
};

constexpr Term Saturn[] = {
    {0, -1, 0, 0, 0.32, 0.01, 0, 0, 0},
    {1, -1, 0, -0.08, -0.41, 0.97, -0.18, 0, -0.01},
    {1, -2, 0, 0.04, 0.10, -0.23, 0.10, 0, 0},
    {2, -2, 0, 0.04, 0.10, -0.35, 0.13, 0, 0},
};

// Mean argument 2 pi * frac(c0 + c1 T), radians.
double Argument(double c0, double c1, double T) {
    return P2 * BRUCHTEIL1(c0 + c1 * T);
}

// Multiples j*Mp, j = 0 down to tiefster, by the addition theorem; then the terms.
template <std::size_t N>
void Planet(Sonnen_Zustand& z, double Mp, int tiefster, const Term (&tafel)[N]) {
    z.c[0] = 1.0;
    z.s[0] = 0.0;
    z.c[1] = std::cos(Mp);
    z.s[1] = -std::sin(Mp);
    for (int j = -1; j > tiefster; --j)
        WINKELSUMME(z.c[-j], z.s[-j], z.c[1], z.s[1], z.c[-j + 1], z.s[-j + 1]);
    for (const Term& t : tafel)
        STOERTERM(z, t.i, t.j, t.k, t.dLc, t.dLs, t.dRc, t.dRs, t.dBc, t.dBs);
}
} // namespace

double BRUCHTEIL1(double x) {
    double f = x - std::trunc(x);
    if (f < 0) f += 1.0;
    // A tiny negative fraction plus 1 rounds to 1 itself; that is 0.
    if (f >= 1.0) f = 0.0;
    return f;
}

void WINKELSUMME(double c1, double s1, double c2, double s2, double& c, double& s) {
    c = c1 * c2 - s1 * s2;
    s = s1 * c2 + c1 * s2;
}

void STOERTERM(Sonnen_Zustand& z, int i, int j, int k, double dLc, double dLs, double dRc,
               double dRs, double dBc, double dBs) {
    if (k == 0) {
        WINKELSUMME(z.c3[i], z.s3[i], z.c[-j], z.s[-j], z.u, z.v);
    } else {
        z.u *= z.T;
        z.v *= z.T;
    }
    z.dL += dLc * z.u + dLs * z.v;
    z.dR += dRc * z.u + dRs * z.v;
    z.dB += dBc * z.u + dBs * z.v;
}

void SONNEREIHE(double T, double& L, double& B, double& R) {
    Sonnen_Zustand z;
    z.T = T;
    const double M2 = Argument(0.1387306, 162.5485917, T);
    const double M3 = Argument(0.9931266, 99.9973604, T);
    const double M4 = Argument(0.054325, 53.1666028, T);
    const double M5 = Argument(0.055175, 8.4293972, T);
    const double M6 = Argument(0.88165, 3.3938722, T);
    const double D = Argument(0.8274, 1236.8531, T);
    const double A = Argument(0.3749, 1325.5524, T);
    const double U = Argument(0.2591, 1342.2278, T);

    z.c3[0] = 1.0;
    z.s3[0] = 0.0;
    z.c3[1] = std::cos(M3);
    z.s3[1] = std::sin(M3);
    for (int i = 2; i <= 7; ++i)
        WINKELSUMME(z.c3[i - 1], z.s3[i - 1], z.c3[1], z.s3[1], z.c3[i], z.s3[i]);

    Planet(z, M2, -6, Venus);
    Planet(z, M4, -8, Mars);
    Planet(z, M5, -4, Jupiter);
    Planet(z, M6, -2, Saturn);

    // Moon: the Earth's motion about the barycentre of the Earth-Moon system.
    z.dL += 6.45 * std::sin(D) - 0.42 * std::sin(D - A) + 0.18 * std::sin(D + A) +
            0.17 * std::sin(D - M3) - 0.06 * std::sin(D + M3);
    z.dR += 30.76 * std::cos(D) - 3.06 * std::cos(D - A) + 0.85 * std::cos(D + A) -
            0.58 * std::cos(D + M3) + 0.57 * std::cos(D - M3);
    z.dB += 0.576 * std::sin(U);

    // Long-period terms; their arguments are left unreduced.
    z.dL +=
        6.40 * std::sin(P2 * (0.6983 + 0.0561 * T)) + 1.87 * std::sin(P2 * (0.5764 + 0.4174 * T)) +
        0.27 * std::sin(P2 * (0.4189 + 0.3306 * T)) + 0.20 * std::sin(P2 * (0.3581 + 2.4814 * T));

    L = 360.0 * BRUCHTEIL1(0.7859453 + M3 / P2 + ((6191.2 + 1.1 * T) * T + z.dL) / 1296000.0);
    R = 1.0001398 - 7e-07 * T + z.dR * 1e-6;
    B = z.dB / 3600.0;
}
