// Rising above and setting below 20°, and culmination, against
// sichtbarkeit_referenz.txt (PyEphem; written by sichtbarkeit_referenz.py beside it).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <sstream>

#include "catalog/ephemeriden.hpp"
#include "catalog/objekt_suche.hpp"
#include "planung/sichtbarkeit.hpp"
#include "shared/parameter_type.hpp"

namespace {
struct Zeile {
    char art;
    std::string name;
    double ra = 0, de = 0, jd = 0, auf = 0, unter = 0, kulm = 0, kulm_hoehe = 0;
};

std::vector<Zeile> Referenz() {
    std::ifstream f(std::string(STELUX_TEST_DATEN) + "/planung/sichtbarkeit_referenz.txt");
    std::vector<Zeile> z;
    std::string s;
    while (std::getline(f, s)) {
        if (s.empty() || s[0] == '#') continue;
        std::istringstream l(s);
        Zeile r;
        l >> r.art;
        if (r.art == 'F')
            l >> r.ra >> r.de;
        else
            l >> r.name;
        std::string w[4];
        l >> r.jd >> w[0] >> w[1] >> w[2] >> w[3];
        double* ziel[4] = {&r.auf, &r.unter, &r.kulm, &r.kulm_hoehe};
        for (int i = 0; i < 4; ++i) *ziel[i] = std::strtod(w[i].c_str(), nullptr);
        z.push_back(r);
    }
    return z;
}

double Groesste_Abweichung = 0; // minutes, rising and setting

// Compares one row; tolerance in minutes of time.
void Vergleichen(const Zeile& r, const Sichtbarkeit& s, double minuten, const std::string& was) {
    const double tol = minuten / 1440.0;
    // Culminating within 0.1° of the limit: either answer is right.
    if (std::fabs(r.kulm_hoehe - Sichtbarkeits_Grenze) > 0.1) {
        if (r.auf == INFINITY)
            EXPECT_EQ(s.Art, Sichtbarkeit::Art::Zirkumpolar) << was;
        else if (r.auf == -INFINITY)
            EXPECT_EQ(s.Art, Sichtbarkeit::Art::Nie) << was;
        else {
            EXPECT_EQ(s.Art, Sichtbarkeit::Art::Wechselnd) << was;
            EXPECT_NEAR(s.Aufgang, r.auf, tol) << was;
            EXPECT_NEAR(s.Untergang, r.unter, tol) << was;
            Groesste_Abweichung =
                std::max({Groesste_Abweichung, std::fabs(s.Aufgang - r.auf) * 1440,
                          std::fabs(s.Untergang - r.unter) * 1440});
        }
    }
    // Near the pole the mean place of date (no nutation, no aberration: up to
    // 30") shifts the meridian passage by 30" / cos(de) of hour angle.
    const double de = r.art == 'F' ? r.de : 0.0;
    EXPECT_NEAR(s.Kulmination, r.kulm, tol + 2.0 / std::cos(de * std::numbers::pi / 180) / 86400)
        << was;
    EXPECT_NEAR(s.Kulminationshoehe, r.kulm_hoehe, 0.05) << was;
}
} // namespace

TEST(Sichtbarkeit, FesteOrteUndMondWiePyEphem) {
    const Parameter_Type p = Parameter_Vorgabe();
    int feste = 0, monde = 0;
    for (const Zeile& r : Referenz()) {
        Objekt_Type o;
        if (r.art == 'F') {
            o.RA2000 = r.ra;
            o.DE2000 = r.de;
            ++feste;
        } else if (r.name == "Mond") {
            ASSERT_TRUE(Mond_Fuellen(r.jd, o));
            ++monde;
        } else {
            continue;
        }
        const Sichtbarkeit s = Sichtbarkeit_Berechnen(o, r.jd, r.jd, p, 0);
        Vergleichen(r, s, r.art == 'F' ? 1.0 : 2.0,
                    r.art + std::to_string(r.ra) + " " + std::to_string(r.de) + " " +
                        std::to_string(r.jd));
    }
    std::printf("Auf- und Untergang: groesste Abweichung %.2f min\n", Groesste_Abweichung);
    EXPECT_GE(feste, 300);
    EXPECT_EQ(monde, 20);
}

TEST(Sichtbarkeit, SonneUndPlanetenWiePyEphem) {
    const char* ordner = std::getenv("STELUX_KATALOG");
    if (!ordner || !std::filesystem::is_directory(ordner))
        GTEST_SKIP() << "STELUX_KATALOG names no folder";
    const Parameter_Type p = Parameter_Vorgabe();
    int n = 0;
    for (const Zeile& r : Referenz()) {
        if (r.art != 'K' || r.name == "Mond") continue;
        Such_Kontext k;
        k.Katalog_Ordner = ordner;
        k.JD_UT = r.jd;
        Objekt_Type o;
        ASSERT_TRUE(Objekt_Suchen("P" + r.name, k, o)) << r.name;
        Vergleichen(r, Sichtbarkeit_Berechnen(o, r.jd, r.jd, p, 0), 1.0,
                    r.name + " " + std::to_string(r.jd));
        ++n;
    }
    EXPECT_EQ(n, 60);
}

TEST(Sichtbarkeit, TextInDerZoneUndGrenzfaelle) {
    const Parameter_Type p = Parameter_Vorgabe();
    const double j = 2461315.375; // 2026-10-01 21:00 UT, 23:00 in the zone
    const struct {
        double ra, de, jd;
        const char* anfang;
    } faelle[] = {
        {2.5303, 89.26411, j, "zirkumpolar über 20°"},
        {0, 90, j, "zirkumpolar über 20°"}, // the pole of the sky
        {0, -90, j, "erreicht hier nie 20°"},
        {1.66, -76.0, j, "erreicht hier nie 20°"}, // a comet's place far south
        // Culminates exactly at 20° (the J2000 place is the place of date at J2000).
        {0, p.Breite - 70.0, 2451545.0, "erreicht hier nie 20°"},
        {18.61565, 38.78369, j, "über 20° bis "}, // Vega in the evening
    };
    for (const auto& f : faelle) {
        Objekt_Type o;
        o.RA2000 = f.ra;
        o.DE2000 = f.de;
        const Sichtbarkeit s = Sichtbarkeit_Berechnen(o, f.jd, f.jd + 2 / 24.0, p, -120);
        EXPECT_EQ(s.Text.rfind(f.anfang, 0), 0u) << s.Text;
        EXPECT_NE(s.Text.find("Kulmination"), std::string::npos) << s.Text;
    }
}
