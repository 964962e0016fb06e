#include "orbits/kepler.hpp"

#include <cmath>
#include <cstdio>
#include <limits>

#include "shared/konstanten.hpp"

namespace {
void Konvergenzproblem(const char* routine) {
    std::fprintf(stderr, " Konvergenzprobleme in %s\n", routine);
}
} // namespace

double COSG(double x) {
    return std::cos(x * Grad_Zu_Rad_Bahn);
}
double SING(double x) {
    return std::sin(x * Grad_Zu_Rad_Bahn);
}

double ECCANOM(double M, double e) {
    // Two rounded values of pi, kept as they are: 2 pi reduces the mean anomaly,
    // pi is the start value of very eccentric orbits.
    constexpr double Zweipi = 6.283185308;
    constexpr double Pi_Kurz = 3.141592654;
    double m = Zweipi * (M / 360.0 - std::trunc(M / 360.0));
    if (m < 0) m += Zweipi;
    double E = e < 0.8 ? m : Pi_Kurz;
    double f = E - e * std::sin(E) - m;
    int i = 0;
    while (std::fabs(f) > 1e-11 && i < 15) {
        E = E - f / (1.0 - e * std::cos(E));
        f = E - e * std::sin(E) - m;
        ++i;
    }
    if (i == 15) Konvergenzproblem("ECCANOM");
    return E / Grad_Zu_Rad_Bahn;
}

double HYPANOM(double MH, double e) {
    double H = std::log(2.0 * std::fabs(MH) / e + 1.8);
    if (MH < 0) H = -H;
    double x = std::exp(H);
    double sh = (x - 1.0 / x) * 0.5;
    double ch = (x + 1.0 / x) * 0.5;
    double f = e * sh - H - MH;
    int i = 0;
    while (std::fabs(f) > 1e-10 * (1.0 + std::fabs(H + MH)) && i < 15) {
        H = H - f / (e * ch - 1.0);
        x = std::exp(H);
        sh = (x - 1.0 / x) * 0.5;
        ch = (x + 1.0 / x) * 0.5;
        f = e * sh - H - MH;
        ++i;
    }
    if (i == 15) Konvergenzproblem("HYPANOM");
    return H;
}

void ELLBAHN(double M, double a, double e, double& x, double& y, double& vx, double& vy) {
    const double E = ECCANOM(M, e);
    const double c = COSG(E);
    const double s = SING(E);
    const double k = Gauss_K / std::sqrt(a);
    const double f = std::sqrt((1.0 - e) * (1.0 + e));
    const double rho = 1.0 - e * c;
    x = a * (c - e);
    y = a * f * s;
    vx = -k * s / rho;
    vy = k * f * c / rho;
}

void HYPBAHN(double T0, double T, double a, double e, double& x, double& y, double& vx,
             double& vy) {
    a = std::fabs(a);
    const double k = Gauss_K / std::sqrt(a);
    const double MH = (T - T0) * (k * Tage_Je_Jahrhundert) / a;
    const double H = HYPANOM(MH, e);
    const double ex = std::exp(H);
    const double ch = (ex + 1.0 / ex) * 0.5;
    const double sh = (ex - 1.0 / ex) * 0.5;
    const double f = std::sqrt((e + 1.0) * (e - 1.0));
    const double rho = e * ch - 1.0;
    x = a * (e - ch);
    y = a * f * sh;
    vx = -k * sh / rho;
    vy = k * f * ch / rho;
}

void CREIHEN(double E2, double& c1, double& c2, double& c3) {
    c1 = c2 = c3 = 0.0;
    double add = 1.0;
    int n = 1;
    do {
        c1 += add;
        add = add / (2.0 * n);
        c2 += add;
        add = add / (2.0 * n + 1.0);
        c3 += add;
        add = -E2 * add;
        ++n;
    } while (std::fabs(add) >= 1e-12 && std::isfinite(add));
    // A series whose terms overflow (or a non-finite E2) has no sum: stop instead
    // of running on forever, and say so with NaN rather than a partial sum.
    if (!std::isfinite(add)) c1 = c2 = c3 = std::numeric_limits<double>::quiet_NaN();
}

double KUBWURZEL(double x) {
    return x == 0.0 ? 0.0 : std::exp(std::log(x) / 3.0);
}

void PARAB(double T0, double T, double q, double e, double& x, double& y, double& vx, double& vy) {
    double E2 = 0.0;
    double FAC = 0.5 * e;
    int i = 0;
    const double k = Gauss_K / std::sqrt((1.0 + e) * q);
    const double tau = (T - T0) * Gauss_K_Jahrhundert;
    double U = 0, U2 = 0, c1 = 0, c2 = 0, c3 = 0;
    double E20 = 0;
    do {
        ++i;
        E20 = E2;
        const double A = 1.5 * std::sqrt(FAC / (q * q * q)) * tau;
        // sqrt(A^2 + 1) + A; before perihelion (A < 0) taken as 1 / (sqrt(A^2 + 1) - A),
        // the same number without the cancellation that eats its digits far out.
        const double w = std::sqrt(A * A + 1.0);
        const double B = KUBWURZEL(A >= 0.0 ? w + A : 1.0 / (w - A));
        U = B - 1.0 / B;
        U2 = U * U;
        E2 = (1.0 - e) * U2 / FAC;
        CREIHEN(E2, c1, c2, c3);
        FAC = 3.0 * e * c3;
    } while (!(std::fabs(E2 - E20) < 1e-9 || i == 50));
    if (i == 50) Konvergenzproblem("PARAB");
    const double r = q * (1.0 + e * U2 * c2 / FAC);
    x = q * (1.0 - U2 * c2 / FAC);
    y = q * std::sqrt((1.0 + e) / FAC) * U * c1;
    vx = -k * y / r;
    vy = k * (x / r + e);
}

void BAHNMATRIX(double Knoten, double Inkl, double Peri, Matrix3& m) {
    const double cO = COSG(Knoten), sO = SING(Knoten);
    const double ci = COSG(Inkl), si = SING(Inkl);
    const double cw = COSG(Peri), sw = SING(Peri);
    m[0][0] = cw * cO - sw * ci * sO;
    m[0][1] = -sw * cO - cw * ci * sO;
    m[0][2] = si * sO;
    m[1][0] = cw * sO + sw * ci * cO;
    m[1][1] = -sw * sO + cw * ci * cO;
    m[1][2] = -si * cO;
    m[2][0] = sw * si;
    m[2][1] = cw * si;
    m[2][2] = ci;
}

void BAHNEKL(const Matrix3& m, double x, double y, double& X, double& Y, double& Z) {
    X = m[0][0] * x + m[0][1] * y;
    Y = m[1][0] * x + m[1][1] * y;
    Z = m[2][0] * x + m[2][1] * y;
}

void BAHNORT(const Matrix3& m, double e, double q, double T, double T0, double& X, double& Y,
             double& Z, double& VX, double& VY, double& VZ) {
    const double d = std::fabs(1.0 - e);
    const double ia = d / q; // 1/a, positive for ellipse and hyperbola
    // Mean anomaly in degrees, signed: negative before perihelion.
    const double M = std::sqrt(ia * ia * ia) * Rad_Zu_Grad_Bahn * Gauss_K_Jahrhundert * (T - T0);
    double x, y, vx, vy;
    if (M < 5.0 && d < 0.1)
        PARAB(T0, T, q, e, x, y, vx, vy);
    else if (e < 1.0)
        ELLBAHN(M, 1.0 / ia, e, x, y, vx, vy);
    else
        HYPBAHN(T0, T, 1.0 / ia, e, x, y, vx, vy);
    BAHNEKL(m, x, y, X, Y, Z);
    BAHNEKL(m, vx, vy, VX, VY, VZ);
}
