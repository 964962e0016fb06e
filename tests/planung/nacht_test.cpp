// The night's timetable against nacht_referenz.txt (PyEphem; written by
// nacht_referenz.py beside it): 20 nights through a year at the observatory
// and at 65° N, winter nights at 70° N and the polar cases at 78° N.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "planung/nacht.hpp"
#include "shared/parameter_type.hpp"

namespace {
constexpr double Minute = 1.0 / 1440;

struct Referenz_Nacht {
    std::string ort;
    Parameter_Type p = Parameter_Vorgabe();
    double t0 = 0;
    std::string schwellen[8]; // JD UT, "oben", "unten" or "-"
    double anteil = 0;
    bool mond_oben = false; // at t0
    std::vector<std::pair<double, bool>> mond;
};

std::vector<Referenz_Nacht> Referenz() {
    std::ifstream f(std::string(STELUX_TEST_DATEN) + "/planung/nacht_referenz.txt");
    std::vector<Referenz_Nacht> z;
    std::string s;
    while (std::getline(f, s)) {
        if (s.empty() || s[0] == '#') continue;
        std::istringstream l(s);
        Referenz_Nacht r;
        l >> r.ort >> r.p.Laenge >> r.p.Breite >> r.p.Hoehe >> r.t0;
        for (auto& w : r.schwellen) l >> w;
        std::string strich, lage, e;
        l >> r.anteil >> strich >> lage;
        r.mond_oben = lage == "oben";
        while (l >> e) r.mond.emplace_back(std::stod(e.substr(1)), e[0] == 'A');
        z.push_back(r);
    }
    return z;
}

// One reference field against a crossing and its reason.
void Vergleichen(const std::string& ref, double jd, Nacht_Plan::Schwelle::Lage lage,
                 const std::string& was) {
    using L = Nacht_Plan::Schwelle::Lage;
    if (ref == "oben" || ref == "unten") {
        EXPECT_FALSE(std::isfinite(jd)) << was;
        EXPECT_EQ(lage, ref == "oben" ? L::Oben : L::Unten) << was;
    } else if (ref != "-") {
        EXPECT_NEAR(jd, std::stod(ref), Minute) << was;
    }
}

// Dark from the reference: the Sun below -18° less the Moon's time up;
// intervals under two minutes left out (too close to call).
std::vector<std::pair<double, double>> Dunkel(const Referenz_Nacht& r) {
    std::vector<std::pair<double, double>> d;
    if (r.schwellen[6][0] != '2' || r.schwellen[7][0] != '2') return d;
    const double a = std::stod(r.schwellen[6]), b = std::stod(r.schwellen[7]);
    bool oben = r.mond_oben;
    double von = a;
    for (const auto& [t, auf] : r.mond) {
        if (t >= b) break;
        if (t > a && auf && !oben) d.emplace_back(von, t);
        if (!auf) von = std::max(a, t);
        oben = auf;
    }
    if (!oben && von < b) d.emplace_back(von, b);
    std::erase_if(d, [](const auto& i) { return i.second - i.first < 2 * Minute; });
    return d;
}
} // namespace

TEST(Nacht, StimmtMitReferenzUeberein) {
    const auto ref = Referenz();
    ASSERT_EQ(ref.size(), 48u);
    double groesste = 0;
    for (const auto& r : ref) {
        // The same night from the afternoon and from its midnight.
        const double mitte = Nacht_Berechnen(r.t0, r.p, 0).Mitternacht;
        for (const double t : {r.t0, mitte}) {
            const Nacht_Plan n = Nacht_Berechnen(t, r.p, 0);
            const std::string was =
                r.ort + " " + std::to_string(r.t0) + " ab " + std::to_string(t) + ": " + n.Text;
            const Nacht_Plan::Schwelle* s[4] = {&n.Sonne, &n.Buergerlich, &n.Nautisch,
                                                &n.Astronomisch};
            for (int i = 0; i < 4; ++i) {
                Vergleichen(r.schwellen[2 * i], s[i]->Unter, s[i]->Abends, was);
                Vergleichen(r.schwellen[2 * i + 1], s[i]->Auf, s[i]->Morgens, was);
                for (int k = 0; k < 2; ++k) {
                    const std::string& w = r.schwellen[2 * i + k];
                    if (w[0] == '2')
                        groesste = std::max(
                            groesste, std::fabs((k ? s[i]->Auf : s[i]->Unter) - std::stod(w)));
                }
            }
            EXPECT_NEAR(n.Beleuchtet, r.anteil, 0.01) << was;
            // Moon events inside both windows: the same list within a minute.
            const double a = std::max(r.t0, n.Mittag_Vorher) + Minute,
                         b = std::min(r.t0 + 1.0, n.Mittag_Nachher) - Minute;
            std::vector<std::pair<double, bool>> meine, ihre;
            for (const auto& e : n.Mond)
                if (e.first > a && e.first < b) meine.push_back(e);
            for (const auto& e : r.mond)
                if (e.first > a && e.first < b) ihre.push_back(e);
            ASSERT_EQ(meine.size(), ihre.size()) << was;
            for (std::size_t i = 0; i < meine.size(); ++i) {
                EXPECT_EQ(meine[i].second, ihre[i].second) << was;
                EXPECT_NEAR(meine[i].first, ihre[i].first, Minute) << was;
                groesste = std::max(groesste, std::fabs(meine[i].first - ihre[i].first));
            }
            // Dark only where the Sun is below -18° and the Moon down.
            auto dunkel = n.Dunkel;
            std::erase_if(dunkel, [](const auto& i) { return i.second - i.first < 2 * Minute; });
            const auto erwartet = Dunkel(r);
            ASSERT_EQ(dunkel.size(), erwartet.size()) << was;
            for (std::size_t i = 0; i < dunkel.size(); ++i) {
                EXPECT_NEAR(dunkel[i].first, erwartet[i].first, Minute) << was;
                EXPECT_NEAR(dunkel[i].second, erwartet[i].second, Minute) << was;
            }
            if (r.schwellen[6] == "oben") {
                EXPECT_NE(n.Text.find("nicht dunkel (Sonne nicht unter −18°)"), std::string::npos)
                    << was;
            }
        }
    }
    std::printf("größte Abweichung %.1f s\n", groesste * 86400);
}

// Polar cases, the dark interval and the zone's clock in the line.
TEST(Nacht, TextNenntPolareFaelleUndDunkel) {
    Parameter_Type p = Parameter_Vorgabe();
    p.Laenge = 15.6;
    p.Breite = 78.2;
    EXPECT_NE(Nacht_Berechnen(2461212.0, p, 0).Text.find("Mitternachtssonne"), std::string::npos);
    const std::string winter = Nacht_Berechnen(2461046.0, p, 0).Text;
    EXPECT_NE(winter.find("Polarnacht"), std::string::npos) << winter;
    EXPECT_NE(winter.find("bürgerlich nie (Sonne ganztägig unter −6°)"), std::string::npos)
        << winter;
    p.Breite = 65;
    EXPECT_NE(Nacht_Berechnen(2461179.0, p, 0).Text.find("astronomisch die ganze Nacht"),
              std::string::npos);

    // 2026-01-05 at the observatory, CET: astronomical night 18:45 to 05:25
    // (reference file), Moon (91 %) rising at 19:29: dark from 18:45 to 19:29.
    const Nacht_Plan n = Nacht_Berechnen(2461046.0, Parameter_Vorgabe(), -60);
    ASSERT_EQ(n.Dunkel.size(), 1u) << n.Text;
    EXPECT_NE(n.Text.find("dunkel (Sonne unter −18°, Mond unter dem Horizont) von 18:45 bis 19:29"),
              std::string::npos)
        << n.Text;
    EXPECT_NE(n.Text.find("abnehmender Mond"), std::string::npos) << n.Text;
}
