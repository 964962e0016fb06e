#include "planung/sichtbarkeit.hpp"

#include <cmath>
#include <cstdio>

#include "pointing/positions_tick.hpp"
#include "shared/kern_text.hpp"
#include "shared/konstanten.hpp"
#include "shared/zahlen.hpp"
#include "time/numerik.hpp"
#include "time/sternzeit.hpp"

namespace {
struct Ort {
    double stundenwinkel; // hours, (-12, 12]
    double de;            // degrees, place of date
    double hoehe;         // degrees
    bool gueltig;
};

struct Rechner {
    const Objekt_Type& objekt;
    double jd_ut, jd_pc;
    const Parameter_Type& p;
    double de_kulmination = Sichtbarkeit::NaN; // a moving body's declination at culmination

    Ort Bei(double t) const {
        const double lmst =
            Mod_Positiv(Sternzeit_Greenwich(t) * Rad_Zu_Std + p.Laenge / 15.0, 24.0);
        Tick_Optionen opt;
        opt.JD_UT = t;
        const Positions_Anzeige a =
            Positions_Tick(objekt, true, jd_pc + (t - jd_ut), lmst, p, false, opt);
        double h = a.Stundenwinkel;
        if (h > 12) h -= 24;
        const double de = a.Ort_Neu ? a.Ort.DEapp : objekt.DEapp;
        return {h, de, a.Hoehe, std::isfinite(a.Hoehe) && std::isfinite(h)};
    }

    double Grenz_Stundenwinkel(double de) const { return ::Grenz_Stundenwinkel(p.Breite, de); }

    // Next instant after jd_ut when the hour angle is `ziel(de)` (hours);
    // NaN when the target does not exist at the place found.
    template <class Ziel> double Naechstes(Ziel ziel) const {
        for (double start = 0; start < 3; ++start) {
            double t = jd_ut;
            Ort o = Bei(t);
            if (!o.gueltig) return Sichtbarkeit::NaN;
            // A moving body may not reach the limit at its present place but
            // will at its culmination: started from that declination.
            double z = ziel(o.de);
            if (!std::isfinite(z)) z = ziel(de_kulmination);
            if (!std::isfinite(z)) return Sichtbarkeit::NaN;
            // First step always forward: the next event, not the nearest.
            t += (Mod_Positiv(z - o.stundenwinkel, 24.0) + 24.0 * start) / 24.0 / Sternzeit_Rate;
            for (int i = 0; i < 12; ++i) {
                o = Bei(t);
                z = ziel(o.de);
                if (!std::isfinite(z)) z = ziel(de_kulmination);
                if (!o.gueltig || !std::isfinite(z)) return Sichtbarkeit::NaN;
                double dh = z - o.stundenwinkel;
                dh -= 24.0 * std::round(dh / 24.0);
                t += dh / 24.0 / Sternzeit_Rate;
                if (std::fabs(dh) < 1e-5) break;
            }
            if (t >= jd_ut) return t;
        }
        return Sichtbarkeit::NaN;
    }
};

} // namespace

double Grenz_Stundenwinkel(double breite, double de) {
    const double phi = breite * Grad_Zu_Rad, d = de * Grad_Zu_Rad;
    const double c = (std::sin(Sichtbarkeits_Grenze * Grad_Zu_Rad) - std::sin(phi) * std::sin(d)) /
                     (std::cos(phi) * std::cos(d));
    // Culminating at the limit itself (above it for less than about two
    // minutes, a fraction of an arcsecond) counts as not above it.
    if (!(c < 1.0 - 1e-5)) return -1; // also the pole of the sky seen from below 20°
    if (c <= -1.0) return 13;
    return std::acos(c) * Rad_Zu_Std;
}

std::string Zonen_Uhrzeit(double jd_ut, int versatz_minuten) {
    // Julian Dates begin at noon: the zone's clock minute of the day.
    const double tag = jd_ut + 0.5 - versatz_minuten / 1440.0;
    long minute = std::lround((tag - std::floor(tag)) * 1440.0) % 1440;
    char t[8];
    std::snprintf(t, sizeof t, "%02ld:%02ld", minute / 60, minute % 60);
    return t;
}

Sichtbarkeit Sichtbarkeit_Berechnen(const Objekt_Type& objekt, double jd_ut, double jd_pc,
                                    const Parameter_Type& parameter, int versatz_minuten) {
    Sichtbarkeit s;
    Rechner r{objekt, jd_ut, jd_pc, parameter};
    const Ort jetzt = r.Bei(jd_ut);
    if (!jetzt.gueltig || !std::isfinite(jd_ut)) return s;
    const std::string grenze = Fest(Sichtbarkeits_Grenze, 0) + "°";
    if (objekt.Art == Objekt_Art::Geostat) {
        // Fixed in the sky of the observatory.
        s.Art = jetzt.hoehe > Sichtbarkeits_Grenze ? Sichtbarkeit::Art::Zirkumpolar
                                                   : Sichtbarkeit::Art::Nie;
        s.Text = s.Art == Sichtbarkeit::Art::Nie ? Kt("erreicht hier nie %1", {grenze})
                                                 : Kt("zirkumpolar über %1", {grenze});
        return s;
    }
    s.Kulmination = r.Naechstes([](double) { return 0.0; });
    // A moving body is judged by its place at the culmination.
    double de = jetzt.de;
    if (std::isfinite(s.Kulmination)) {
        const Ort k = r.Bei(s.Kulmination);
        s.Kulminationshoehe = k.hoehe;
        de = k.de;
        r.de_kulmination = de;
    }
    const double h0 = r.Grenz_Stundenwinkel(de);
    if (h0 < 0) {
        s.Art = Sichtbarkeit::Art::Nie;
    } else if (h0 > 12) {
        s.Art = Sichtbarkeit::Art::Zirkumpolar;
    } else {
        s.Aufgang = r.Naechstes([&](double de) {
            const double h = r.Grenz_Stundenwinkel(de);
            return h >= 0 && h <= 12 ? -h : Sichtbarkeit::NaN;
        });
        s.Untergang = r.Naechstes([&](double de) {
            const double h = r.Grenz_Stundenwinkel(de);
            return h >= 0 && h <= 12 ? h : Sichtbarkeit::NaN;
        });
        s.Art = Sichtbarkeit::Art::Wechselnd;
    }
    std::string t;
    switch (s.Art) {
    case Sichtbarkeit::Art::Nie:
        t = Kt("erreicht hier nie %1", {grenze});
        break;
    case Sichtbarkeit::Art::Zirkumpolar:
        t = Kt("zirkumpolar über %1", {grenze});
        break;
    default: {
        const auto zeit = [&](double jd) {
            return std::isfinite(jd) ? Zonen_Uhrzeit(jd, versatz_minuten) : std::string("–");
        };
        // Above the limit now: until when, then from when again.
        if (std::isfinite(s.Untergang) && (!std::isfinite(s.Aufgang) || s.Untergang < s.Aufgang))
            t = Kt("über %1 bis %2, wieder ab %3", {grenze, zeit(s.Untergang), zeit(s.Aufgang)});
        else
            t = Kt("über %1 ab %2 bis %3", {grenze, zeit(s.Aufgang), zeit(s.Untergang)});
    }
    }
    if (std::isfinite(s.Kulmination) && std::isfinite(s.Kulminationshoehe))
        t += Kt(" · Kulmination %1 in %2°",
                {Zonen_Uhrzeit(s.Kulmination, versatz_minuten), Fest(s.Kulminationshoehe, 1)});
    s.Text = t;
    return s;
}
