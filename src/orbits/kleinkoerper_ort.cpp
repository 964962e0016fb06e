#include "orbits/kleinkoerper_ort.hpp"

#include <cmath>

#include "orbits/sonnenreihe.hpp"
#include "shared/konstanten.hpp"
#include "time/kalender.hpp"
#include "time/numerik.hpp"

namespace {
constexpr double Lichtzeit_AE = 0.00578;                 // days per AU
constexpr double Lichtzeit_Sonne = 1.581869343676325e-7; // centuries, one AU
constexpr double Epsilon2000 = 23.43929111;              // degrees

bool Endlich(double x) {
    return std::isfinite(x);
}

struct Ort {
    double RA = 0, DE = 0; // hours, degrees
    double r = 0;          // heliocentric distance, AU
    double Delta = 0;      // geometric geocentric distance, AU
    double Delta_L = 0;    // geocentric distance after light time, AU
    double R = 0;          // Sun's distance, AU
};

// Heliocentric orbit to geocentric J2000 place, corrected for light time.
Ort Kette(double q, double e, double Peri, double Knoten, double Inkl, double T0,
          const Sonnen_Ort& sonne) {
    Matrix3 m;
    BAHNMATRIX(Knoten, Inkl, Peri, m);
    const double T = sonne.T;
    const double* S = sonne.S;

    // The elements refer to the ecliptic and equinox J2000.0, as does the
    // Sun's vector: the orbit's place needs no precession.
    Vektor3 X, V;
    BAHNORT(m, e, q, T, T0, X[0], X[1], X[2], V[0], V[1], V[2]);

    Ort o;
    o.r = std::sqrt(X[0] * X[0] + X[1] * X[1] + X[2] * X[2]);
    Vektor3 g = {X[0] + S[0], X[1] + S[1], X[2] + S[2]};
    o.Delta = std::sqrt(g[0] * g[0] + g[1] * g[1] + g[2] * g[2]);
    const double tau = Lichtzeit_AE * o.Delta;
    for (int i = 0; i < 3; ++i) g[i] -= tau * V[i];
    EKLAEQU(g, 0.0);
    double alpha, delta;
    KARTPOL(g[0], g[1], g[2], o.Delta_L, delta, alpha);
    o.RA = alpha / 15.0;
    o.DE = delta;
    o.R = sonne.R;
    return o;
}

// Perihelion passage of a calendar date and day fraction, Julian centuries from J2000.0.
double Perihel_T0(int Jahr, int Monat, double Tag) {
    const double d = std::trunc(Tag);
    const double Stunde = (Tag - d) * 24.0;
    return (Datum_Zu_MJD(Jahr, Monat, static_cast<int>(d), Stunde) - (JD2000 - MJD_Nullpunkt)) /
           Tage_Je_Jahrhundert;
}

bool Ungueltig(double& RA, double& DE, double& Mag) {
    RA = 0.0;
    DE = 0.0;
    Mag = UNBEKANNT;
    return false;
}

// Elements that describe an orbit: finite, q > 0, e >= 0.
bool Bahn_Moeglich(double q, double e, double Peri, double Knoten, double Inkl) {
    return Endlich(q) && Endlich(e) && Endlich(Peri) && Endlich(Knoten) && Endlich(Inkl) &&
           q > 0.0 && e >= 0.0;
}
} // namespace

double WINKEL2(double y, double x) {
    if (x == 0.0 && y == 0.0) return 0.0;
    const double ax = std::fabs(x);
    const double ay = std::fabs(y);
    double phi = ax > ay ? std::atan(ay / ax) / Grad_Zu_Rad_Bahn
                         : 90.0 - std::atan(ax / ay) / Grad_Zu_Rad_Bahn;
    if (x < 0) phi = 180.0 - phi;
    if (y < 0) phi = -phi;
    return phi;
}

void POLKART(double r, double Breite, double Laenge, double& x, double& y, double& z) {
    const double cb = COSG(Breite);
    x = r * cb * COSG(Laenge);
    y = r * cb * SING(Laenge);
    z = r * SING(Breite);
}

void KARTPOL(double x, double y, double z, double& r, double& Breite, double& Laenge) {
    const double rho2 = x * x + y * y;
    r = std::sqrt(rho2 + z * z);
    Laenge = WINKEL2(y, x);
    if (Laenge < 0) Laenge += 360.0;
    // -1e-15 + 360 rounds to 360 itself; the longitude stays below a full circle.
    if (Laenge >= 360.0) Laenge = 0.0;
    Breite = WINKEL2(z, std::sqrt(rho2));
}

void MATVEK(const Matrix3& m, Vektor3& v) {
    const double x = v[0], y = v[1], z = v[2];
    v[0] = m[0][0] * x + m[0][1] * y + m[0][2] * z;
    v[1] = m[1][0] * x + m[1][1] * y + m[1][2] * z;
    v[2] = m[2][0] * x + m[2][1] * y + m[2][2] * z;
}

void EKLAEQU(Vektor3& v, double T) {
    // The obliquity of J2000.0 serves every body of the catalogue: kept once.
    static const double c2000 = COSG(Epsilon2000), s2000 = SING(Epsilon2000);
    double c = c2000, s = s2000;
    if (T != 0.0) {
        const double eps =
            Epsilon2000 - (46.815 * T + 0.00059 * T * T - 0.001813 * T * T * T) / 3600.0;
        c = COSG(eps);
        s = SING(eps);
    }
    const double y = v[1], z = v[2];
    v[1] = c * y - s * z;
    v[2] = s * y + c * z;
}

void EKLPRAEZ(double T1, double T2, Matrix3& m) {
    const double dT = T2 - T1;
    const double Pi_ =
        174.876383889 +
        (T1 * (3289.4789 + 0.60622 * T1) + dT * (-869.8089 - 0.50491 * T1 + 0.03536 * dT)) / 3600.0;
    const double Pi_p = Pi_ + dT *
                                  (5029.0966 + T1 * (2.22226 - 4.2e-05 * T1) +
                                   dT * (1.11113 - 4.2e-05 * T1 - 6e-06 * dT)) /
                                  3600.0;
    const double pi_ =
        dT *
        (47.0029 - T1 * (0.06603 - 0.000598 * T1) + dT * (-0.03302 + 0.000598 * T1 + 6e-05 * dT)) /
        3600.0;
    const double cP = COSG(Pi_), sP = SING(Pi_);
    const double cPp = COSG(Pi_p), sPp = SING(Pi_p);
    const double cp = COSG(pi_), sp = SING(pi_);
    m[0][0] = cPp * cP + sPp * cp * sP;
    m[0][1] = cPp * sP - sPp * cp * cP;
    m[0][2] = -sPp * sp;
    m[1][0] = sPp * cP - cPp * cp * sP;
    m[1][1] = sPp * sP + cPp * cp * cP;
    m[1][2] = cPp * sp;
    m[2][0] = sp * sP;
    m[2][1] = -sp * cP;
    m[2][2] = cp;
}

Sonnen_Ort Sonne_Zum_Zeitpunkt(double JD) {
    Sonnen_Ort s;
    s.T = (JD - JD2000) / Tage_Je_Jahrhundert;
    double L, B, R;
    SONNEREIHE(s.T, L, B, R);
    // The distance one AU's light time earlier, with the direction of the instant.
    double L2, B2;
    SONNEREIHE(s.T - Lichtzeit_Sonne, L2, B2, s.R);
    POLKART(s.R, B, L, s.S[0], s.S[1], s.S[2]);
    Matrix3 P2;
    EKLPRAEZ(s.T, 0.0, P2);
    MATVEK(P2, s.S);
    return s;
}

bool ASTEROIDENORT(const Asteroid_Type& rec, double JD, double& RA, double& DE, double& Mag,
                   double* Delta) {
    return ASTEROIDENORT(rec, Sonne_Zum_Zeitpunkt(JD), RA, DE, Mag, Delta);
}

bool KOMETENORT(const Komet_Type& rec, double JD, double& RA, double& DE, double& Mag,
                double* Delta) {
    return KOMETENORT(rec, Sonne_Zum_Zeitpunkt(JD), RA, DE, Mag, Delta);
}

bool ASTEROIDENORT(const Asteroid_Type& rec, const Sonnen_Ort& sonne, double& RA, double& DE,
                   double& Mag, double* Delta) {
    const double q = (1.0 - rec.e) * rec.a;
    if (!Bahn_Moeglich(q, rec.e, rec.Peri, rec.Knoten, rec.Inkl) || !Endlich(sonne.T))
        return Ungueltig(RA, DE, Mag);
    if (!(std::fabs(rec.Peri_Stunde) + std::fabs(rec.Peri_Minute) + std::fabs(rec.Peri_Sekunde) <
          1e6))
        return Ungueltig(RA, DE, Mag);
    const double D = rec.Peri_Tag + rec.Peri_Stunde / 24.0 + rec.Peri_Minute / 1440.0 +
                     rec.Peri_Sekunde / 86400.0;
    const double T0 = Perihel_T0(rec.Peri_Jahr, rec.Peri_Monat, D);
    const Ort o = Kette(q, rec.e, rec.Peri, rec.Knoten, rec.Inkl, T0, sonne);

    // Phase angle Sun-body-Earth; rounding may push its cosine just past +-1.
    double cb = (o.r * o.r + o.Delta_L * o.Delta_L - o.R * o.R) / (2.0 * o.r * o.Delta_L);
    if (cb > 1.0) cb = 1.0;
    if (cb < -1.0) cb = -1.0;
    const double beta = ArcCos(cb) * Rad_Zu_Grad;
    // H, G system (Bowell et al. 1989).
    const double t = std::tan(beta * Grad_Zu_Rad / 2.0);
    const double phi1 = std::exp(-3.33 * std::pow(t, 0.63));
    const double phi2 = std::exp(-1.87 * std::pow(t, 1.22));
    const double m = rec.H + 5.0 * std::log10(o.Delta) + 5.0 * std::log10(o.r) -
                     2.5 * std::log10((1.0 - rec.G) * phi1 + rec.G * phi2);
    if (!Endlich(o.RA) || !Endlich(o.DE) || !Endlich(m)) return Ungueltig(RA, DE, Mag);
    RA = o.RA;
    DE = o.DE;
    Mag = m;
    if (Delta) *Delta = o.Delta_L;
    return true;
}

bool KOMETENORT(const Komet_Type& rec, const Sonnen_Ort& sonne, double& RA, double& DE, double& Mag,
                double* Delta) {
    // A day field far outside a month cannot be a perihelion date.
    if (!Bahn_Moeglich(rec.q, rec.e, rec.Peri, rec.Knoten, rec.Inkl) || !Endlich(sonne.T) ||
        !(std::fabs(rec.Peri_Tag) < 1e6))
        return Ungueltig(RA, DE, Mag);
    const double T0 = Perihel_T0(rec.Peri_Jahr, rec.Peri_Monat, rec.Peri_Tag);
    const Ort o = Kette(rec.q, rec.e, rec.Peri, rec.Knoten, rec.Inkl, T0, sonne);
    const double m = rec.H + 5.0 * std::log10(o.Delta) + 2.5 * rec.K * std::log10(o.r);
    if (!Endlich(o.RA) || !Endlich(o.DE) || !Endlich(m)) return Ungueltig(RA, DE, Mag);
    RA = o.RA;
    DE = o.DE;
    Mag = m;
    if (Delta) *Delta = o.Delta_L;
    return true;
}
