// The list of what is observable now: the fixed places against the PyEphem
// risings and settings of sichtbarkeit_referenz.txt, and the minor bodies'
// magnitude limit and table bounds.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "eigener_ordner.hpp"
#include "orbits/element_tabellen.hpp"
#include "planung/jetzt_beobachtbar.hpp"
#include "planung/sichtbarkeit.hpp"

TEST(Jetzt_Beobachtbar, FesteOrteWiePyEphem) {
    std::ifstream f(std::string(STELUX_TEST_DATEN) + "/planung/sichtbarkeit_referenz.txt");
    std::string s;
    int n = 0, steigend = 0, oben = 0;
    while (std::getline(f, s)) {
        if (s.rfind("F ", 0) != 0) continue;
        std::istringstream l(s.substr(2));
        double ra, de, jd, auf, unter, kulm, kulm_hoehe;
        std::string w[4];
        l >> ra >> de >> jd >> w[0] >> w[1] >> w[2] >> w[3];
        auf = std::strtod(w[0].c_str(), nullptr);
        unter = std::strtod(w[1].c_str(), nullptr);
        kulm = std::strtod(w[2].c_str(), nullptr);
        kulm_hoehe = std::strtod(w[3].c_str(), nullptr);
        // Culminating within 0.1° of the limit: either answer is right.
        if (std::fabs(kulm_hoehe - Sichtbarkeits_Grenze) < 0.1 || !std::isfinite(kulm)) continue;
        Beobachtbar_Katalog k;
        k.Objekte.push_back({"F", "", Beobachtbar_Art::Messier, 5.0, ra, de});
        Beobachtbar_Eingabe e;
        e.JD_UT = e.JD_PC = jd;
        e.Parameter = Parameter_Vorgabe();
        e.Sonnensystem = e.Kleinkoerper = false;
        const auto z = Jetzt_Beobachtbar(k, e);
        const std::string was = s;
        ++n;
        if (auf == INFINITY) {
            ASSERT_EQ(z.size(), 1u) << was;
            EXPECT_EQ(z[0].Lage, Beobachtbar_Lage::Zirkumpolar) << was;
        } else if (auf == -INFINITY ||
                   (auf < unter && (auf - jd) * 24 > Beobachtbar_Vorlauf + 0.02)) {
            EXPECT_TRUE(z.empty()) << was;
        } else if (unter < auf) {
            ASSERT_EQ(z.size(), 1u) << was;
            EXPECT_EQ(z[0].Lage, Beobachtbar_Lage::Oben) << was;
            EXPECT_NEAR(z[0].Stunden * 60, (unter - jd) * 1440, 1.0) << was;
            EXPECT_GT(z[0].Hoehe, Sichtbarkeits_Grenze) << was;
            ++oben;
        } else if ((auf - jd) * 24 < Beobachtbar_Vorlauf - 0.02) {
            ASSERT_EQ(z.size(), 1u) << was;
            EXPECT_EQ(z[0].Lage, Beobachtbar_Lage::Steigt) << was;
            EXPECT_NEAR(z[0].Stunden * 60, (auf - jd) * 1440, 1.0) << was;
            ++steigend;
        }
    }
    EXPECT_GE(n, 300);
    EXPECT_GT(oben, 20);
    EXPECT_GT(steigend, 5);
}

TEST(Jetzt_Beobachtbar, KleinkoerperNachGrenzeUndNurAusDerTabelle) {
    Asteroiden_Tabelle a(Tabellen_Kapazitaet + 1);
    Kometen_Tabelle c(Tabellen_Kapazitaet + 1);
    std::int32_t na = 0, nc = 0;
    const std::string ordner = std::string(STELUX_TEST_DATEN) + "/app/";
    Asteroiden_Zeilen_Laden(ordner + "Asteroiden.txt", a, na);
    Kometen_Zeilen_Laden(ordner + "Kometen.txt", c, nc);
    const double jd = 2461315.3333;
    Asteroiden_Auswerten_Auslassend(a, na, jd);
    Kometen_Auswerten_Auslassend(c, nc, jd);
    // Tables cut to their entries, counts claiming more.
    a.resize(na + 1);
    c.resize(nc + 1);
    Beobachtbar_Eingabe e;
    e.JD_UT = e.JD_PC = jd;
    e.Parameter = Parameter_Vorgabe();
    e.Sonnensystem = false;
    e.Kontext.Asteroiden = &a;
    e.Kontext.Anzahl_Asteroiden = na + 100;
    e.Kontext.Kometen = &c;
    e.Kontext.Anzahl_Kometen = nc + 100;
    const struct {
        double grenze;
        bool welche;
    } faelle[] = {{-30, false}, {40, true}};
    for (const auto& fall : faelle) {
        e.Grenz_Mag = fall.grenze;
        // From near either pole every body beyond ±20° is circumpolar at one of them.
        std::vector<Beobachtbar_Zeile> z;
        for (double breite : {89.9, -89.9}) {
            e.Parameter.Breite = breite;
            for (auto& r : Jetzt_Beobachtbar(Beobachtbar_Katalog{}, e)) z.push_back(r);
        }
        EXPECT_EQ(!z.empty(), fall.welche) << fall.grenze;
        for (const auto& r : z) {
            EXPECT_LE(r.VMag, fall.grenze);
            EXPECT_EQ(r.Eingabe.substr(0, 1), r.Art == Beobachtbar_Art::Asteroid ? "A" : "K");
            EXPECT_EQ(r.Eingabe.substr(1), r.Bezeichnung);
        }
    }
}

// NGC and IC objects brighter than 10 mag join the Messier objects, except a
// Messier object's second line under its NGC number; size and mean surface
// brightness come along, NaN where the catalogue lacks the size; the filter
// holds NGC and IC to their own limit.
TEST(Jetzt_Beobachtbar, NgcUndIcMitGroesseUndFlaechenhelligkeit) {
    namespace fs = std::filesystem;
    const fs::path ordner = Eigener_Temp_Pfad("stelux_beobachtbar_ngc");
    fs::create_directories(ordner);
    std::ofstream(ordner / "NGC_IC_Messier_Catalogue_Revised.txt", std::ios::binary)
        << "NAME  CONRA     DEC    BMAGVMAGSIZEASIZEBTYPE    DIST   ALIAS\r\n"
           "M31   And004244.3+411609 4.4 3.4190.0 60.0Gx         0.78Andromeda Galaxy\r\n"
           "N224  And004244.3+411609 4.4 3.4190.0 60.0Gx         0.78Andromeda Galaxy\r\n"
           "N7000 Cyg205847.0+442000 0.0 4.0120.0100.0Nb          0.0North America\r\n"
           "N7001 Cyg205847.0+442000 0.0 9.0  0.0  0.0Nb          0.0\r\n"
           "N7002 Cyg205847.0+442000 0.0 0.0  5.0  5.0Nb          0.0\r\n"
           "N7003 Cyg205847.0+442000 0.010.5  1.0  1.0Nb          0.0\r\n"
           "I1396 Cep213906.0+573000 3.7 3.5 89.0 89.0Cl+N      0.001\r\n";
    const Beobachtbar_Katalog k = Beobachtbar_Katalog_Bauen(ordner.string() + "/");
    fs::remove_all(ordner);
    std::string bez;
    for (const Beobachtbar_Fest& f : k.Objekte) bez += f.Eingabe + " ";
    EXPECT_EQ(bez, "M31 N7000 N7001 I1396 ");
    ASSERT_EQ(k.Objekte.size(), 4u);
    EXPECT_EQ(k.Objekte[1].Art, Beobachtbar_Art::NGC);
    EXPECT_EQ(k.Objekte[3].Art, Beobachtbar_Art::IC);
    EXPECT_EQ(k.Objekte[0].Groesse, 190.0);
    // 3.4 mag over an ellipse of 190' x 60': 3.4 + 2.5 lg(pi/4 * 11400" * 3600").
    EXPECT_NEAR(k.Objekte[0].Flaeche, 3.4 + 2.5 * std::log10(3.14159265 / 4 * 11400 * 3600), 1e-6);
    EXPECT_TRUE(std::isnan(k.Objekte[2].Flaeche));
    // 10 mag on a disc of 1': 18.63 mag/arcsec^2.
    EXPECT_NEAR(Flaechenhelligkeit(10, 1, 0), 18.628, 0.001);

    Beobachtbar_Zeile z;
    z.Art = Beobachtbar_Art::NGC;
    z.VMag = 9.0;
    Beobachtbar_Filter filter;
    EXPECT_FALSE(Beobachtbar_Im_Filter(z, filter)); // NGC to 8 mag at first
    filter.Deepsky_Grenz_Mag = 10;
    EXPECT_TRUE(Beobachtbar_Im_Filter(z, filter));
    z.Art = Beobachtbar_Art::Messier;
    filter.Grenz_Mag = 8.5;
    EXPECT_FALSE(Beobachtbar_Im_Filter(z, filter));
    filter.Arten[static_cast<int>(Beobachtbar_Art::Messier)] = false;
    z.VMag = 5;
    EXPECT_FALSE(Beobachtbar_Im_Filter(z, filter));
}
