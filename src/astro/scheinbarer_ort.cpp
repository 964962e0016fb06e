#include "astro/scheinbarer_ort.hpp"

#include <erfa.h>

#include <cmath>
#include <cstring>

#include "shared/konstanten.hpp"
#include "time/delta_t.hpp"

namespace {

constexpr double Sekunden_Je_Tag = 86400.0;
constexpr double Cache_Tage = 5.0 / 1440.0;
constexpr double AE_m = 149597870700.0;

// The parts of a frame that change slowly: the Earth's heliocentric and
// barycentric state (eraEpv00), precession-nutation IAU 2006/2000B and the
// equation of the equinoxes, at one instant (TT).
struct Langsam {
    bool Gueltig = false;
    double JD_TT = 0;
    double pvh[2][3] = {}, pvb[2][3] = {};
    double rbpn[3][3] = {};
    double ee = 0; // radians
};

const Langsam& Langsam_Bei(double jd_tt) {
    thread_local Langsam c;
    if (c.Gueltig && std::fabs(jd_tt - c.JD_TT) <= Cache_Tage) return c;
    c.JD_TT = jd_tt;
    eraEpv00(jd_tt, 0.0, c.pvh, c.pvb);
    double dpsi = 0, deps = 0, epsa = 0, rb[3][3], rp[3][3], rbp[3][3], rn[3][3];
    eraNut00b(jd_tt, 0.0, &dpsi, &deps);
    eraPn06(jd_tt, 0.0, dpsi, deps, &epsa, rb, rp, rbp, rn, c.rbpn);
    c.ee = eraEe00(jd_tt, 0.0, epsa, dpsi);
    c.Gueltig = true;
    return c;
}

double Begrenzt(double x, double unten, double oben) {
    if (!(x >= unten)) return std::isnan(x) ? 0.0 : unten;
    return x > oben ? oben : x;
}

void Zu_Astrom(const Scheinbar_Rahmen& r, eraASTROM& a) {
    std::memset(&a, 0, sizeof a);
    a.pmt = r.pmt;
    for (int i = 0; i < 3; ++i) {
        a.eb[i] = r.eb[i];
        a.eh[i] = r.eh[i];
        a.v[i] = r.v[i];
        for (int j = 0; j < 3; ++j) a.bpn[i][j] = r.bpn[i][j];
    }
    a.em = r.em;
    a.bm1 = r.bm1;
}

// The ERFA headers of some systems take no const arrays: copies are passed.
Himmelsort Ort_Von(const double p[3]) {
    double q[3] = {p[0], p[1], p[2]}, ra = 0, de = 0;
    eraC2s(q, &ra, &de);
    return {eraAnp(ra) * Rad_Zu_Std, de * Rad_Zu_Grad};
}

void Vektor_Von(const Himmelsort& o, double p[3]) {
    eraS2c(o.RA * Std_Zu_Rad, o.DE * Grad_Zu_Rad, p);
}

} // namespace

Scheinbar_Rahmen Rahmen_Berechnen(double jd_ut, double sternzeit, double breite, double hoehe) {
    Scheinbar_Rahmen r;
    if (!std::isfinite(jd_ut)) jd_ut = JD2000;
    const double tt = jd_ut + Delta_T(jd_ut) / Sekunden_Je_Tag;
    const Langsam& l = Langsam_Bei(tt);
    const double dt = tt - l.JD_TT; // days, within the cache's span
    double ebpv[2][3], ehp[3];
    for (int i = 0; i < 3; ++i) {
        ebpv[0][i] = l.pvb[0][i] + l.pvb[1][i] * dt;
        ebpv[1][i] = l.pvb[1][i];
        ehp[i] = l.pvh[0][i] + l.pvh[1][i] * dt;
    }
    // The observatory at the apparent sidereal time: its position and velocity
    // on the true equator and equinox of date, turned to ICRS axes (m, m/s).
    double pv[2][3] = {};
    if (std::isfinite(sternzeit)) {
        const double last = sternzeit * Std_Zu_Rad + l.ee;
        double pv_datum[2][3];
        eraPvtob(0.0, Begrenzt(breite, -90.0, 90.0) * Grad_Zu_Rad, Begrenzt(hoehe, -500.0, 9000.0),
                 0.0, 0.0, 0.0, last, pv_datum);
        double rbpn[3][3];
        std::memcpy(rbpn, l.rbpn, sizeof rbpn);
        eraTrxpv(rbpn, pv_datum, pv);
    }
    eraASTROM a;
    eraApcs(tt, 0.0, pv, ebpv, ehp, &a);
    r.JD_TT = tt;
    r.pmt = a.pmt;
    for (int i = 0; i < 3; ++i) {
        r.eb[i] = a.eb[i];
        r.eh[i] = a.eh[i];
        r.v[i] = a.v[i];
        r.beob[i] = pv[0][i] / AE_m;
        for (int j = 0; j < 3; ++j) r.bpn[i][j] = l.rbpn[i][j];
    }
    r.em = a.em;
    r.bm1 = a.bm1;
    r.GlGl = l.ee * Rad_Zu_Std;
    return r;
}

Himmelsort Scheinbarer_Ort(const Scheinbar_Rahmen& r, const Himmelsort& astrometrisch,
                           const Eigenbewegung* pm, Himmelsort* astrometrisch_jetzt) {
    eraASTROM a;
    Zu_Astrom(r, a);
    double rc = astrometrisch.RA * Std_Zu_Rad, dc = astrometrisch.DE * Grad_Zu_Rad;
    double pr = 0, pd = 0, px = 0, rv = 0;
    if (pm && pm->Vorhanden) {
        constexpr double Mas_Zu_Rad = Grad_Zu_Rad / 3.6e6;
        rc = pm->RA * Std_Zu_Rad;
        dc = pm->DE * Grad_Zu_Rad;
        // ERFA takes d(alpha)/dt itself, not mu_alpha cos(delta).
        const double c = std::cos(dc);
        pr = std::fabs(c) > 1e-9 ? pm->PM_RA * Mas_Zu_Rad / c : 0.0;
        pd = pm->PM_DE * Mas_Zu_Rad;
        px = pm->Parallaxe / 1000.0;
        rv = pm->Radialgeschw;
        a.pmt = r.pmt - (pm->Epoche - 2000.0);
    }
    double pco[3], pnat[3], ppr[3], pi[3];
    eraPmpx(rc, dc, pr, pd, px, rv, a.pmt, a.eb, pco);
    if (astrometrisch_jetzt) *astrometrisch_jetzt = Ort_Von(pco);
    eraLdsun(pco, a.eh, a.em, pnat);
    eraAb(pnat, a.v, a.em, a.bm1, ppr);
    eraRxp(a.bpn, ppr, pi);
    return Ort_Von(pi);
}

Himmelsort Topozentrisch_Astrometrisch(const Scheinbar_Rahmen& r, const Himmelsort& geo,
                                       double distanz) {
    if (!(distanz > 0.0) || !std::isfinite(distanz)) return geo;
    double p[3];
    Vektor_Von(geo, p);
    for (int i = 0; i < 3; ++i) p[i] = distanz * p[i] - r.beob[i];
    const Himmelsort t = Ort_Von(p);
    if (!std::isfinite(t.RA) || !std::isfinite(t.DE)) return geo;
    return t;
}

Himmelsort Astrometrischer_Ort(const Scheinbar_Rahmen& r, const Himmelsort& scheinbar) {
    eraASTROM a;
    Zu_Astrom(r, a);
    double rc = 0, dc = 0;
    eraAticq(scheinbar.RA * Std_Zu_Rad, scheinbar.DE * Grad_Zu_Rad, &a, &rc, &dc);
    return {eraAnp(rc) * Rad_Zu_Std, dc * Rad_Zu_Grad};
}

Himmelsort Rahmen_Drehen(const Scheinbar_Rahmen& r, const Himmelsort& ort, bool rueck) {
    double p[3], q[3], m[3][3];
    Vektor_Von(ort, p);
    std::memcpy(m, r.bpn, sizeof m);
    if (rueck)
        eraTrxp(m, p, q);
    else
        eraRxp(m, p, q);
    return Ort_Von(q);
}
