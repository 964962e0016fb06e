#include "planung/nacht.hpp"

#include <erfa.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "planung/sichtbarkeit.hpp"
#include "shared/kern_text.hpp"
#include "shared/konstanten.hpp"
#include "shared/zahlen.hpp"
#include "time/delta_t.hpp"
#include "time/numerik.hpp"

namespace {
constexpr double Horizont = -34.0 / 60.0;          // degrees: standard refraction at the horizon
constexpr double Sonnenradius_1AU = 959.63 / 3600; // degrees at 1 AU
constexpr double Mondradius_km = 1737.4;
constexpr double AE_km = 149597870.7;
constexpr double Licht_AE_Tag = 173.1446326846693; // speed of light, AU/day
// Tabulated places from 1.25 days before the instant to at least 1.8 after:
// the Moon every 2 h, the Sun (smooth to far below an arcsecond) every 12 h.
constexpr double Mond_Schritt = 1.0 / 12, Sonne_Schritt = 0.5; // days
constexpr int Mond_Knoten = 38, Sonne_Knoten = 8;
constexpr double Raster = 2.0 / 1440; // days: altitude sampling for crossings

using Vektor = std::array<double, 3>;

struct Hoehen {
    double sonne;      // centre, degrees, geometric
    double sonne_rand; // upper limb minus the horizon of -34'
    double mond_rand;  // topocentric upper limb minus the horizon of -34'
};

class Himmel {
public:
    Himmel(double jd_ut, const Parameter_Type& p) : lambda_(p.Laenge * Grad_Zu_Rad) {
        // One celestial-to-intermediate matrix for the days around the
        // instant: the pole moves by well under an arcsecond in that time.
        const double tt0 = jd_ut + Delta_T(jd_ut) / 86400.0;
        double rc2i[3][3];
        eraC2i06a(JD2000, tt0 - JD2000, rc2i);
        anfang_ = jd_ut - 1.25;
        for (int i = 0; i < Sonne_Knoten; ++i) {
            const double ut = anfang_ + i * Sonne_Schritt;
            const double tt = ut + Delta_T(ut) / 86400.0;
            double pvh[2][3], pvb[2][3], s[3];
            eraEpv00(JD2000, tt - JD2000, pvh, pvb);
            // The Sun seen from the geocentre, displaced by annual aberration.
            const double r = eraPm(pvh[0]);
            for (int k = 0; k < 3; ++k) s[k] = -pvh[0][k] + r * pvb[1][k] / Licht_AE_Tag;
            eraRxp(rc2i, s, sonne_[i].data());
        }
        for (int i = 0; i < Mond_Knoten; ++i) {
            const double ut = anfang_ + i * Mond_Schritt;
            const double tt = ut + Delta_T(ut) / 86400.0;
            double pm[2][3];
            eraMoon98(JD2000, tt - JD2000, pm);
            eraRxp(rc2i, pm[0], mond_[i].data());
        }
        double xyz[3];
        const double phi = std::clamp(p.Breite, -Breite_Max, Breite_Max) * Grad_Zu_Rad;
        if (eraGd2gc(1, lambda_, phi, std::clamp(p.Hoehe, Hoehe_Min, Hoehe_Max), xyz) != 0)
            xyz[0] = xyz[1] = xyz[2] = 0;
        for (int k = 0; k < 3; ++k) ort_[k] = xyz[k] / (AE_km * 1000.0);
        normale_ = {std::cos(phi) * std::cos(lambda_), std::cos(phi) * std::sin(lambda_),
                    std::sin(phi)};
    }

    double Anfang() const { return anfang_; }
    double Ende() const { return anfang_ + (Mond_Knoten - 1) * Mond_Schritt; }

    // Illuminated fraction of the Moon's disc, (1 + cos i) / 2 of the phase
    // angle i, geocentric.
    double Beleuchtet(double t) const {
        const Vektor so = Sonne(t), mo = Mond(t);
        Vektor ms;
        for (int k = 0; k < 3; ++k) ms[k] = so[k] - mo[k];
        return 0.5 * (1.0 - Skalar(mo, ms) / (Betrag(mo) * Betrag(ms)));
    }

    Hoehen Bei(double t) const {
        const double era = eraEra00(t, 0.0);
        const double c = std::cos(era), s = std::sin(era);
        const auto drehen = [&](const Vektor& v) {
            return Vektor{v[0] * c - v[1] * s, v[0] * s + v[1] * c, v[2]};
        };
        const Vektor o = drehen(ort_), n = drehen(normale_);
        const Vektor so = Sonne(t), mo = Mond(t);
        Vektor m;
        for (int k = 0; k < 3; ++k) m[k] = mo[k] - o[k];
        const double rs = Betrag(so), rm = Betrag(m);
        Hoehen h;
        h.sonne = ArcSin(Skalar(so, n) / rs) * Rad_Zu_Grad;
        h.sonne_rand = h.sonne + Sonnenradius_1AU / rs - Horizont;
        h.mond_rand = ArcSin(Skalar(m, n) / rm) * Rad_Zu_Grad +
                      ArcSin(Mondradius_km / (rm * AE_km)) * Rad_Zu_Grad - Horizont;
        return h;
    }

    // The Sun's hour angle at t, radians (-pi, pi]: the Earth rotation angle
    // and the longitude less the right ascension from the intermediate origin.
    double Stundenwinkel(double t) const {
        const Vektor so = Sonne(t);
        double h = eraEra00(t, 0.0) + lambda_ - std::atan2(so[1], so[0]);
        return h - Zwei_Pi * std::round(h / Zwei_Pi);
    }

    // The instant near t (the next after t with `vorwaerts`) at which the
    // Sun's hour angle is `ziel` (0 upper, pi lower transit).
    double Durchgang(double t, double ziel, bool vorwaerts) const {
        double d = ziel - Stundenwinkel(t);
        d = vorwaerts ? Mod_Positiv(d, Zwei_Pi) : d - Zwei_Pi * std::round(d / Zwei_Pi);
        t += d / Zwei_Pi;
        for (int i = 0; i < 4; ++i) {
            d = ziel - Stundenwinkel(t);
            t += (d - Zwei_Pi * std::round(d / Zwei_Pi)) / Zwei_Pi;
        }
        return t;
    }

private:
    static double Skalar(const Vektor& a, const Vektor& b) {
        return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
    }
    static double Betrag(const Vektor& a) { return std::sqrt(Skalar(a, a)); }

    Vektor Sonne(double t) const {
        return Interpoliert(sonne_.data(), Sonne_Knoten, Sonne_Schritt, t);
    }
    Vektor Mond(double t) const { return Interpoliert(mond_.data(), Mond_Knoten, Mond_Schritt, t); }

    // Four-point Lagrange interpolation in tabulated places.
    Vektor Interpoliert(const Vektor* tab, int knoten, double schritt, double t) const {
        const double x = (t - anfang_) / schritt;
        const int i = std::clamp(static_cast<int>(std::floor(x)) - 1, 0, knoten - 4);
        const double u = x - i;
        const double w[4] = {-(u - 1) * (u - 2) * (u - 3) / 6, u * (u - 2) * (u - 3) / 2,
                             -u * (u - 1) * (u - 3) / 2, u * (u - 1) * (u - 2) / 6};
        Vektor v{};
        for (int j = 0; j < 4; ++j)
            for (int k = 0; k < 3; ++k) v[k] += w[j] * tab[i + j][k];
        return v;
    }

    double lambda_;
    double anfang_ = 0;
    std::array<Vektor, Sonne_Knoten> sonne_{}; // intermediate frame, AU, geocentric
    std::array<Vektor, Mond_Knoten> mond_{};
    Vektor ort_{}, normale_{}; // terrestrial frame
};

// The altitudes sampled every `Raster` between the two noons, once for all
// thresholds.
struct Stichproben {
    const Himmel& h;
    std::vector<double> t;
    std::vector<Hoehen> w;
    Stichproben(const Himmel& himmel, double a, double b) : h(himmel) {
        const int n = std::max(1, static_cast<int>(std::ceil((b - a) / Raster)));
        t.reserve(n + 1);
        w.reserve(n + 1);
        for (int i = 0; i <= n; ++i) {
            t.push_back(a + (b - a) * i / n);
            w.push_back(h.Bei(t.back()));
        }
    }

    // Where f (of the altitudes) changes sign: (instant, rising) in order of
    // time, refined by bisection to about 0.1 s.
    template <class F> std::vector<std::pair<double, bool>> Durchgaenge(F f) const {
        std::vector<std::pair<double, bool>> z;
        for (std::size_t i = 1; i < t.size(); ++i) {
            const double f0 = f(w[i - 1]), f1 = f(w[i]);
            if ((f0 > 0) == (f1 > 0)) continue;
            double lo = t[i - 1], hi = t[i];
            while (hi - lo > 1e-6) {
                const double m = 0.5 * (lo + hi);
                if ((f(h.Bei(m)) > 0) == (f0 > 0))
                    lo = m;
                else
                    hi = m;
            }
            z.emplace_back(0.5 * (lo + hi), f1 > 0);
        }
        return z;
    }
};

// The evening's first crossing downward and the morning's last upward.
template <class F>
Nacht_Plan::Schwelle Schwelle_Finden(const Stichproben& s, F f, double mitternacht) {
    using L = Nacht_Plan::Schwelle::Lage;
    Nacht_Plan::Schwelle e;
    const auto d = s.Durchgaenge(f);
    for (const auto& [t, auf] : d)
        if (!auf && t < mitternacht) {
            e.Unter = t;
            break;
        }
    for (auto i = d.rbegin(); i != d.rend(); ++i)
        if (i->second && i->first > mitternacht) {
            e.Auf = i->first;
            break;
        }
    const bool unten = f(s.h.Bei(mitternacht)) <= 0;
    if (!std::isfinite(e.Unter)) e.Abends = unten ? L::Unten : L::Oben;
    if (!std::isfinite(e.Auf)) e.Morgens = unten ? L::Unten : L::Oben;
    return e;
}

std::string Phasen_Name(double k, bool zunehmend) {
    if (k < 0.03) return Kt("Neumond");
    if (k > 0.97) return Kt("Vollmond");
    if (k >= 0.45 && k <= 0.55) return zunehmend ? Kt("erstes Viertel") : Kt("letztes Viertel");
    if (k < 0.45) return zunehmend ? Kt("zunehmende Sichel") : Kt("abnehmende Sichel");
    return zunehmend ? Kt("zunehmender Mond") : Kt("abnehmender Mond");
}

std::string Text(const Nacht_Plan& n, int versatz) {
    using L = Nacht_Plan::Schwelle::Lage;
    const auto z = [&](double jd) {
        return std::isfinite(jd) ? Zonen_Uhrzeit(jd, versatz) : std::string("–");
    };
    std::string t;
    const auto& s = n.Sonne;
    if (s.Abends == L::Oben && s.Morgens == L::Oben)
        t = Kt("Mitternachtssonne (Sonne geht nicht unter)");
    else if (s.Abends == L::Unten && s.Morgens == L::Unten)
        t = Kt("Polarnacht (Sonne geht nicht auf)");
    else
        t = Kt("Sonne unter %1, auf %2", {z(s.Unter), z(s.Auf)});
    t += Kt(" · Dämmerung bis/ab:");
    const std::pair<std::string, const Nacht_Plan::Schwelle*> stufen[] = {
        {Kt("bürgerlich"), &n.Buergerlich},
        {Kt("nautisch"), &n.Nautisch},
        {Kt("astronomisch"), &n.Astronomisch}};
    const char* grad[] = {"−6°", "−12°", "−18°"};
    for (int i = 0; i < 3; ++i) {
        const auto& [name, w] = stufen[i];
        t += std::string(i ? ", " : " ") + name + " ";
        if (w->Abends == L::Oben && w->Morgens == L::Oben)
            t += Kt("die ganze Nacht");
        else if (w->Abends == L::Unten && w->Morgens == L::Unten)
            t += Kt("nie (Sonne ganztägig unter %1)", {grad[i]});
        else
            t += z(w->Unter) + "/" + z(w->Auf);
    }
    t += Kt(" · Mond");
    if (n.Mond.empty())
        t += n.Mond_Oben_Mittag ? Kt(" ganztägig über dem Horizont")
                                : Kt(" ganztägig unter dem Horizont");
    for (std::size_t i = 0; i < n.Mond.size(); ++i)
        t +=
            std::string(i ? ", " : " ") + (n.Mond[i].second ? Kt("auf %1", {z(n.Mond[i].first)})
                                                            : Kt("unter %1", {z(n.Mond[i].first)}));
    if (std::isfinite(n.Beleuchtet))
        t += Kt(", %1 % beleuchtet (%2)", {Fest(n.Beleuchtet * 100.0, 0), n.Phase});
    t += " · ";
    if (n.Dunkel.empty()) {
        t += n.Astronomisch.Abends == L::Oben && n.Astronomisch.Morgens == L::Oben
                 ? Kt("nicht dunkel (Sonne nicht unter −18°)")
                 : Kt("nicht dunkel (Mond über dem Horizont)");
    } else {
        t += Kt("dunkel (Sonne unter −18°, Mond unter dem Horizont)");
        for (std::size_t i = 0; i < n.Dunkel.size(); ++i) {
            const std::string von = z(n.Dunkel[i].first), bis = z(n.Dunkel[i].second);
            t += i ? Kt(" und von %1 bis %2", {von, bis}) : Kt(" von %1 bis %2", {von, bis});
        }
    }
    return t;
}

// The same in lines for a small panel: Sun, the three twilights (end –
// beginning), Moon, phase, dark.
std::string Tafel(const Nacht_Plan& n, int versatz) {
    using L = Nacht_Plan::Schwelle::Lage;
    const auto z = [&](double jd) {
        return std::isfinite(jd) ? Zonen_Uhrzeit(jd, versatz) : std::string("–");
    };
    const auto spanne = [&](const Nacht_Plan::Schwelle& w, const std::string& ganz,
                            const std::string& nie) {
        if (w.Abends == L::Oben && w.Morgens == L::Oben) return ganz;
        if (w.Abends == L::Unten && w.Morgens == L::Unten) return nie;
        return z(w.Unter) + " – " + z(w.Auf);
    };
    const auto& s = n.Sonne;
    const bool sonne_wechselt = !(s.Abends == L::Oben && s.Morgens == L::Oben) &&
                                !(s.Abends == L::Unten && s.Morgens == L::Unten);
    std::string t = spanne(s, Kt("Mitternachtssonne"), Kt("Polarnacht"));
    if (sonne_wechselt) t = Kt("Sonne unter/auf %1", {t});
    t += "\n" + Kt("Dämmerung Ende – Beginn");
    t += "\n " + Kt("bürgerlich") + " " +
         spanne(n.Buergerlich, Kt("ganze Nacht"), Kt("nie über %1", {"−6°"}));
    t += "\n " + Kt("nautisch") + " " +
         spanne(n.Nautisch, Kt("ganze Nacht"), Kt("nie über %1", {"−12°"}));
    t += "\n " + Kt("astronomisch") + " " +
         spanne(n.Astronomisch, Kt("ganze Nacht"), Kt("nie über %1", {"−18°"}));
    t += "\n" + Kt("Mond");
    if (n.Mond.empty()) t += n.Mond_Oben_Mittag ? Kt(" ganztägig auf") : Kt(" ganztägig unter");
    for (std::size_t i = 0; i < n.Mond.size(); ++i)
        t += std::string(i == 0  ? " "
                         : i % 2 ? ", "
                                 : ",\n     ") +
             (n.Mond[i].second ? Kt("auf %1", {z(n.Mond[i].first)})
                               : Kt("unter %1", {z(n.Mond[i].first)}));
    if (std::isfinite(n.Beleuchtet)) t += "\n" + Fest(n.Beleuchtet * 100.0, 0) + " % " + n.Phase;
    if (n.Dunkel.empty()) t += "\n" + Kt("nicht dunkel");
    for (std::size_t i = 0; i < n.Dunkel.size(); ++i)
        t += (i ? std::string("\n      ") : "\n" + Kt("dunkel") + " ") + z(n.Dunkel[i].first) +
             " – " + z(n.Dunkel[i].second);
    return t;
}
} // namespace

Nacht_Plan Nacht_Berechnen(double jd_ut, const Parameter_Type& parameter, int versatz_minuten) {
    Nacht_Plan n;
    if (!std::isfinite(jd_ut) || !std::isfinite(parameter.Laenge) ||
        !std::isfinite(parameter.Breite) || !std::isfinite(parameter.Hoehe))
        return n;
    const Himmel h(jd_ut, parameter);
    // The night: the Sun's lower transit that follows a daytime instant, or
    // the one nearest to an instant when the Sun is down.
    double mitte = h.Durchgang(jd_ut, Pi, true);
    if (h.Bei(jd_ut).sonne_rand <= 0) {
        const double vorher = h.Durchgang(mitte - 1.0, Pi, false);
        if (jd_ut - vorher < mitte - jd_ut) mitte = vorher;
    }
    const double m1 = std::max(h.Anfang(), h.Durchgang(mitte - 0.5, 0, false));
    const double m2 = std::min(h.Ende(), h.Durchgang(mitte + 0.5, 0, false));
    n.Mittag_Vorher = m1;
    n.Mitternacht = mitte;
    n.Mittag_Nachher = m2;

    const Stichproben s(h, m1, m2);
    n.Sonne = Schwelle_Finden(
        s, [](const Hoehen& w) { return w.sonne_rand; }, mitte);
    const double grenzen[3] = {-6, -12, -18};
    Nacht_Plan::Schwelle* stufen[3] = {&n.Buergerlich, &n.Nautisch, &n.Astronomisch};
    for (int i = 0; i < 3; ++i)
        *stufen[i] = Schwelle_Finden(
            s, [g = grenzen[i]](const Hoehen& w) { return w.sonne - g; }, mitte);

    const auto mond = [&](double t) { return h.Bei(t).mond_rand; };
    n.Mond = s.Durchgaenge([](const Hoehen& w) { return w.mond_rand; });
    n.Mond_Oben_Mittag = mond(m1) > 0;

    n.Beleuchtet = h.Beleuchtet(mitte);
    n.Zunehmend = h.Beleuchtet(mitte + 0.1) > n.Beleuchtet;
    n.Phase = Phasen_Name(n.Beleuchtet, n.Zunehmend);

    // Dark: the astronomical night around midnight less the Moon's time up.
    if (h.Bei(mitte).sonne < -18) {
        const double a = std::isfinite(n.Astronomisch.Unter) ? n.Astronomisch.Unter : m1;
        const double b = std::isfinite(n.Astronomisch.Auf) ? n.Astronomisch.Auf : m2;
        bool oben = mond(a) > 0;
        double von = a;
        for (const auto& [t, auf] : n.Mond) {
            if (t <= a || t >= b) continue;
            if (auf && !oben && t - von > 1.0 / 1440) n.Dunkel.emplace_back(von, t);
            if (!auf) von = t;
            oben = auf;
        }
        if (!oben && b - von > 1.0 / 1440) n.Dunkel.emplace_back(von, b);
    }
    n.Text = Text(n, versatz_minuten);
    n.Tafel = Tafel(n, versatz_minuten);
    return n;
}
