#include "orbits/kleinkoerper_ort.hpp"

#include <erfa.h>

#include <array>
#include <cmath>

#include "shared/konstanten.hpp"
#include "time/delta_t.hpp"
#include "time/kalender.hpp"
#include "time/numerik.hpp"

namespace {
constexpr double Lichtgeschwindigkeit = 173.1446326846693; // AU per day
constexpr double Epsilon2000 = 23.43929111;                // degrees

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

// Heliocentric orbit to geocentric J2000 place, corrected for light time:
// the body at t - tau, the Earth at t, both barycentric (the Sun moves by
// its velocity times tau).
bool Kette(const Bahn_Funktion& bahn, const Sonnen_Ort& sonne, Ort& o) {
    Bahn_Zustand z;
    double tau = 0, g[3] = {};
    for (int i = 0; i < 4; ++i) {
        if (!bahn(sonne.JD_TT - tau, z)) return false;
        for (int k = 0; k < 3; ++k) g[k] = z.r[k] - sonne.E[k] - sonne.SV[k] * tau;
        const double d = std::sqrt(g[0] * g[0] + g[1] * g[1] + g[2] * g[2]);
        if (i == 0) o.Delta = d;
        const double neu = d / Lichtgeschwindigkeit;
        const bool fertig = std::fabs(neu - tau) < 1e-10;
        tau = neu;
        if (fertig) break;
    }
    o.r = std::sqrt(z.r[0] * z.r[0] + z.r[1] * z.r[1] + z.r[2] * z.r[2]);
    EKLAEQU(g, 0.0);
    double alpha, delta;
    KARTPOL(g[0], g[1], g[2], o.Delta_L, delta, alpha);
    o.RA = alpha / 15.0;
    o.DE = delta;
    o.R = sonne.R;
    return Endlich(o.RA) && Endlich(o.DE);
}

// Two-body orbit of perihelion elements as a state function.
Bahn_Funktion Zweikoerper_Bahn(double q, double e, double Peri, double Knoten, double Inkl,
                               double T0) {
    Matrix3 m;
    BAHNMATRIX(Knoten, Inkl, Peri, m);
    std::array<std::array<double, 3>, 3> mm;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) mm[i][j] = m[i][j];
    return [=](double jd_tt, Bahn_Zustand& z) {
        Matrix3 mx;
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) mx[i][j] = mm[i][j];
        z.t = jd_tt;
        BAHNORT(mx, e, q, (jd_tt - JD2000) / Tage_Je_Jahrhundert, T0, z.r[0], z.r[1], z.r[2],
                z.v[0], z.v[1], z.v[2]);
        return Endlich(z.r[0]) && Endlich(z.r[1]) && Endlich(z.r[2]);
    };
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

// Equatorial (ICRS-aligned) vector to the ecliptic and equinox J2000.0.
static void Zur_Ekliptik(const double q[3], double z[3]) {
    static const double c = COSG(Epsilon2000), s = SING(Epsilon2000);
    z[0] = q[0];
    z[1] = c * q[1] + s * q[2];
    z[2] = -s * q[1] + c * q[2];
}

Sonnen_Ort Sonne_Zum_Zeitpunkt(double JD) {
    Sonnen_Ort s;
    s.JD_TT = JD + Delta_T(JD) / 86400.0;
    s.T = (s.JD_TT - JD2000) / Tage_Je_Jahrhundert;
    double pvh[2][3], pvb[2][3];
    eraEpv00(JD2000, s.JD_TT - JD2000, pvh, pvb);
    Zur_Ekliptik(pvh[0], s.E);
    Zur_Ekliptik(pvh[1], s.EV);
    // The Sun's barycentric velocity: the Earth's barycentric less its heliocentric.
    const double sv[3] = {pvb[1][0] - pvh[1][0], pvb[1][1] - pvh[1][1], pvb[1][2] - pvh[1][2]};
    Zur_Ekliptik(sv, s.SV);
    s.R = std::sqrt(s.E[0] * s.E[0] + s.E[1] * s.E[1] + s.E[2] * s.E[2]);
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

namespace {
// Perihelion passage of an asteroid, Julian centuries (TT) from J2000.0;
// false when its time fields are out of all reason.
bool Asteroid_T0(const Asteroid_Type& rec, double& T0) {
    if (!(std::fabs(rec.Peri_Stunde) + std::fabs(rec.Peri_Minute) + std::fabs(rec.Peri_Sekunde) <
          1e6))
        return false;
    const double D = rec.Peri_Tag + rec.Peri_Stunde / 24.0 + rec.Peri_Minute / 1440.0 +
                     rec.Peri_Sekunde / 86400.0;
    T0 = Perihel_T0(rec.Peri_Jahr, rec.Peri_Monat, D);
    return true;
}
} // namespace

bool Zweikoerper_Zustand(const Asteroid_Type& rec, double jd_tt, Bahn_Zustand& z) {
    const double q = (1.0 - rec.e) * rec.a;
    double T0 = 0;
    if (!Bahn_Moeglich(q, rec.e, rec.Peri, rec.Knoten, rec.Inkl) || !Asteroid_T0(rec, T0))
        return false;
    return Zweikoerper_Bahn(q, rec.e, rec.Peri, rec.Knoten, rec.Inkl, T0)(jd_tt, z);
}

bool Zweikoerper_Zustand(const Komet_Type& rec, double jd_tt, Bahn_Zustand& z) {
    if (!Bahn_Moeglich(rec.q, rec.e, rec.Peri, rec.Knoten, rec.Inkl) ||
        !(std::fabs(rec.Peri_Tag) < 1e6))
        return false;
    const double T0 = Perihel_T0(rec.Peri_Jahr, rec.Peri_Monat, rec.Peri_Tag);
    return Zweikoerper_Bahn(rec.q, rec.e, rec.Peri, rec.Knoten, rec.Inkl, T0)(jd_tt, z);
}

bool ASTEROIDENORT(const Asteroid_Type& rec, const Sonnen_Ort& sonne, double& RA, double& DE,
                   double& Mag, double* Delta, const Bahn_Funktion* bahn) {
    const double q = (1.0 - rec.e) * rec.a;
    double T0 = 0;
    if (!Bahn_Moeglich(q, rec.e, rec.Peri, rec.Knoten, rec.Inkl) || !Endlich(sonne.T) ||
        !Asteroid_T0(rec, T0))
        return Ungueltig(RA, DE, Mag);
    Ort o;
    if (!Kette(bahn ? *bahn : Zweikoerper_Bahn(q, rec.e, rec.Peri, rec.Knoten, rec.Inkl, T0), sonne,
               o))
        return Ungueltig(RA, DE, Mag);

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
    if (!Endlich(m)) return Ungueltig(RA, DE, Mag);
    RA = o.RA;
    DE = o.DE;
    Mag = m;
    if (Delta) *Delta = o.Delta_L;
    return true;
}

bool KOMETENORT(const Komet_Type& rec, const Sonnen_Ort& sonne, double& RA, double& DE, double& Mag,
                double* Delta, const Bahn_Funktion* bahn) {
    // A day field far outside a month cannot be a perihelion date.
    if (!Bahn_Moeglich(rec.q, rec.e, rec.Peri, rec.Knoten, rec.Inkl) || !Endlich(sonne.T) ||
        !(std::fabs(rec.Peri_Tag) < 1e6))
        return Ungueltig(RA, DE, Mag);
    const double T0 = Perihel_T0(rec.Peri_Jahr, rec.Peri_Monat, rec.Peri_Tag);
    Ort o;
    if (!Kette(bahn ? *bahn : Zweikoerper_Bahn(rec.q, rec.e, rec.Peri, rec.Knoten, rec.Inkl, T0),
               sonne, o))
        return Ungueltig(RA, DE, Mag);
    const double m = rec.H + 5.0 * std::log10(o.Delta) + 2.5 * rec.K * std::log10(o.r);
    if (!Endlich(m)) return Ungueltig(RA, DE, Mag);
    RA = o.RA;
    DE = o.DE;
    Mag = m;
    if (Delta) *Delta = o.Delta_L;
    return true;
}

bool Stand_Festhalten(const Bahn_Funktion& bahn, const Sonnen_Ort& sonne,
                      Oskulierender_Stand& stand) {
    Bahn_Zustand z;
    stand.Gueltig = false;
    if (!bahn(sonne.JD_TT, z)) return false;
    stand.JD_TT = sonne.JD_TT;
    for (int i = 0; i < 3; ++i) {
        stand.Koerper[i] = z.r[i];
        stand.Koerper[i + 3] = z.v[i];
        stand.Erde[i] = sonne.E[i];
        stand.Erde[i + 3] = sonne.EV[i];
        stand.Sonne_V[i] = sonne.SV[i];
    }
    stand.Gueltig = true;
    return true;
}

bool Stand_Fortfuehren(const Oskulierender_Stand& stand, double jd_ut, double& RA, double& DE,
                       double& Delta) {
    if (!stand.Gueltig) return false;
    const double jd_tt = jd_ut + Delta_T(jd_ut) / 86400.0;
    const Bahn_Zustand koerper{stand.JD_TT,
                               {stand.Koerper[0], stand.Koerper[1], stand.Koerper[2]},
                               {stand.Koerper[3], stand.Koerper[4], stand.Koerper[5]}};
    const Bahn_Zustand erde0{stand.JD_TT,
                             {stand.Erde[0], stand.Erde[1], stand.Erde[2]},
                             {stand.Erde[3], stand.Erde[4], stand.Erde[5]}};
    Bahn_Zustand erde;
    // The Earth-Moon system's mass added to the Sun's.
    if (!Zweikoerper_Schritt(erde0, jd_tt, erde, GM_Sonne * (1.0 + 1.0 / Sonne_Je_Planet[2])))
        return false;
    Sonnen_Ort sonne;
    sonne.JD_TT = jd_tt;
    sonne.T = (jd_tt - JD2000) / Tage_Je_Jahrhundert;
    for (int i = 0; i < 3; ++i) {
        sonne.E[i] = erde.r[static_cast<std::size_t>(i)];
        sonne.EV[i] = erde.v[static_cast<std::size_t>(i)];
        sonne.SV[i] = stand.Sonne_V[i];
    }
    sonne.R =
        std::sqrt(sonne.E[0] * sonne.E[0] + sonne.E[1] * sonne.E[1] + sonne.E[2] * sonne.E[2]);
    Ort o;
    if (!Kette([&koerper](double t, Bahn_Zustand& z) { return Zweikoerper_Schritt(koerper, t, z); },
               sonne, o))
        return false;
    RA = o.RA;
    DE = o.DE;
    Delta = o.Delta_L;
    return true;
}
