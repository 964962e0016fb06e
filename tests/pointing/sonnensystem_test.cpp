// The Sun, the Moon, the planets and a near-Earth asteroid seen from the
// observatory, and refraction, against sonnensystem_referenz.txt (PyEphem,
// ERFA and astropy; written by sonnensystem_referenz.py beside it).
#include <erfa.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "catalog/eingabe.hpp"
#include "catalog/ephemeriden.hpp"
#include "catalog/objekt_suche.hpp"
#include "eigener_ordner.hpp"
#include "orbits/element_tabellen.hpp"
#include "pointing/positions_tick.hpp"
#include "pointing/refraktion.hpp"
#include "shared/fehler.hpp"
#include "shared/konstanten.hpp"
#include "shared/parameter_type.hpp"
#include "shared/text.hpp"
#include "time/numerik.hpp"
#include "time/sternzeit.hpp"

namespace fs = std::filesystem;

namespace {
const std::string Daten = std::string(STELUX_TEST_DATEN) + "/pointing/";

struct Zeile {
    char art;
    std::string name;
    double jd = 0, ra = 0, de = 0, parallaxe = 0, extra = 0;
    double ra_geo = 0, de_geo = 0;
};

std::vector<Zeile> Referenz(char art) {
    std::ifstream f(Daten + "sonnensystem_referenz.txt");
    std::vector<Zeile> z;
    std::string text;
    while (std::getline(f, text)) {
        if (text.empty() || text[0] != art) continue;
        std::istringstream s(text.substr(2));
        Zeile r{art, "", 0, 0, 0, 0, 0, 0, 0};
        if (art == 'P') s >> r.name;
        if (art == 'R') {
            // altitude, Saemundsson, astropy ("-" where not computed)
            std::string astropy;
            s >> r.jd >> r.ra >> astropy;
            r.de = astropy == "-" ? std::nan("") : std::stod(astropy);
            z.push_back(r);
            continue;
        }
        s >> r.jd >> r.ra >> r.de >> r.parallaxe >> r.extra;
        if (art == 'N') s >> r.ra_geo >> r.de_geo;
        z.push_back(r);
    }
    return z;
}

// Angle between two places, arcseconds (RA in hours, DE in degrees).
double Abstand(double ra1, double de1, double ra2, double de2) {
    return eraSeps(ra1 * Std_Zu_Rad, de1 * Grad_Zu_Rad, ra2 * Std_Zu_Rad, de2 * Grad_Zu_Rad) *
           Rad_Zu_Grad * 3600;
}

double Lokale_Sternzeit(double jd_ut, const Parameter_Type& p) {
    return Mod_Positiv(Sternzeit_Greenwich(jd_ut) * Rad_Zu_Std + p.Laenge / 15.0, 24.0);
}

// Looks the body up at `jd_suche` and runs one tick at `jd` (UT = PC clock).
Objekt_Type Tick_Bei(const std::string& text, const Such_Kontext& k, double jd,
                     Positions_Anzeige* anzeige = nullptr,
                     const Parameter_Type& p = Parameter_Vorgabe(), bool refraktion = false) {
    Objekt_Type o;
    EXPECT_TRUE(Objekt_Suchen(text, k, o)) << text;
    Tick_Optionen t;
    t.JD_UT = jd;
    t.Refraktion = refraktion;
    const Positions_Anzeige a = Positions_Tick(o, true, jd, Lokale_Sternzeit(jd, p), p, false, t);
    Ort_Uebernehmen(o, a.Ort);
    if (anzeige) *anzeige = a;
    return o;
}

double Quantil(std::vector<double> v, double q) {
    std::sort(v.begin(), v.end());
    return v[static_cast<std::size_t>(q * (v.size() - 1))];
}
} // namespace

TEST(Sonnensystem, SonneUndPlanetenTopozentrischZwischenDenZeilen) {
    const char* ordner = std::getenv("STELUX_KATALOG");
    if (!ordner || !fs::is_directory(ordner)) GTEST_SKIP() << "STELUX_KATALOG names no folder";
    std::map<std::string, std::vector<double>> fehler, parallaxe;
    for (const Zeile& r : Referenz('P')) {
        // Looked up an hour before: the tick itself follows the body.
        Such_Kontext k;
        k.Katalog_Ordner = ordner;
        k.JD_UT = r.jd - 1 / 24.0;
        const Objekt_Type o = Tick_Bei("P" + r.name, k, r.jd);
        fehler[r.name].push_back(Abstand(o.RA2000, o.DE2000, r.ra, r.de));
        parallaxe[r.name].push_back(r.parallaxe);
    }
    ASSERT_EQ(fehler.size(), 8u);
    for (const auto& [name, f] : fehler) {
        ASSERT_EQ(f.size(), 300u);
        std::printf("%-8s max %.3f\"  95%% %.3f\"  Parallaxe bis %.2f\"\n", name.c_str(),
                    Quantil(f, 1.0), Quantil(f, 0.95), Quantil(parallaxe[name], 1.0));
        EXPECT_LE(Quantil(f, 1.0), 1.0) << name;
    }
}

TEST(Sonnensystem, MondTopozentrischOhneTabelle) {
    // An empty catalogue folder: the Moon needs no file.
    Such_Kontext k;
    k.Katalog_Ordner = Eigener_Temp_Pfad("stelux_ohne_katalog").string();
    std::vector<double> fehler, phase;
    double parallaxe = 0;
    for (const Zeile& r : Referenz('M')) {
        k.JD_UT = r.jd - 0.01;
        Positions_Anzeige a;
        const Objekt_Type o = Tick_Bei(Planeten_Namen_Regel("Mond"), k, r.jd, &a);
        fehler.push_back(Abstand(o.RA2000, o.DE2000, r.ra, r.de));
        phase.push_back(std::fabs(o.Bahn.Beleuchtet - r.extra));
        parallaxe = std::max(parallaxe, r.parallaxe);
        EXPECT_EQ(a.Objekt.Typ, "Typ: Mond");
        EXPECT_EQ(a.Objekt.Zeile.rfind("Mond   ", 0), 0u) << a.Objekt.Zeile;
        EXPECT_EQ(a.Objekt.Zeile.substr(a.Objekt.Zeile.size() - 3), " km");
    }
    ASSERT_EQ(fehler.size(), 200u);
    std::printf("Mond: Median %.2f\", max %.2f\", Parallaxe bis %.0f\"; Phase max %.4f\n",
                Quantil(fehler, 0.5), Quantil(fehler, 1.0), parallaxe, Quantil(phase, 1.0));
    EXPECT_LT(Quantil(fehler, 1.0), 30.0);
    EXPECT_LT(Quantil(phase, 1.0), 0.01);
}

TEST(Sonnensystem, ErdnaherAsteroidUndAlterDerElemente) {
    const Zeile r = Referenz('N').at(0);
    ASSERT_LT(r.extra, 0.05);   // AU, a close approach
    ASSERT_GT(r.parallaxe, 60); // arcseconds the reduction must bring
    auto tabelle = std::make_unique<Asteroiden_Tabelle>(Tabellen_Kapazitaet + 1);
    std::int32_t anzahl = 0;
    Asteroiden_Zeilen_Laden(Daten + "Asteroiden.txt", *tabelle, anzahl);
    Such_Kontext k;
    k.Asteroiden = tabelle.get();
    k.Anzahl_Asteroiden = anzahl;
    k.JD_UT = r.jd;
    k.Zweikoerper = true; // the reference follows the unperturbed orbit
    Positions_Anzeige a;
    const Objekt_Type o = Tick_Bei("A2029 XA", k, r.jd, &a);
    // The shift from the geocentric to the topocentric place, in RA cos(DE)
    // and DE, against the reference's; and the places themselves, which
    // differ by the two orbit computations' Earth (an arcsecond of the Sun's
    // longitude is some 30" at 0.03 AU).
    const double cos_de = std::cos(r.de * Grad_Zu_Rad);
    const double dra = (o.RA2000 - o.Bahn.RA_Geo) * 54000 * cos_de,
                 dde = (o.DE2000 - o.Bahn.DE_Geo) * 3600;
    const double dra_ref = (r.ra - r.ra_geo) * 54000 * cos_de, dde_ref = (r.de - r.de_geo) * 3600;
    const double verschiebung = std::hypot(dra - dra_ref, dde - dde_ref);
    const double d = Abstand(o.RA2000, o.DE2000, r.ra, r.de);
    std::printf("Asteroid bei %.3f AE: Parallaxe %.1f\", davon abweichend %.3f\"; Ort %.1f\"\n",
                r.extra, r.parallaxe, verschiebung, d);
    EXPECT_LT(verschiebung, 0.5);
    EXPECT_LT(d, 60.0);
    // The elements' epoch is 2029-03-01: six weeks say nothing, two years and
    // six weeks do.
    EXPECT_EQ(a.Objekt.Info.find("Bahnelemente"), std::string::npos);
    k.JD_UT = r.jd + 2 * 365.25;
    Tick_Bei("A2029 XA", k, k.JD_UT, &a);
    EXPECT_NE(a.Objekt.Info.find("; Bahnelemente 2.1 Jahre alt"), std::string::npos)
        << a.Objekt.Info;
    EXPECT_EQ(a.Objekt.Info.find("unsicher"), std::string::npos);
    // Beyond ten years even an integrated orbit is not to be trusted.
    k.JD_UT = r.jd + 12 * 365.25;
    Tick_Bei("A2029 XA", k, k.JD_UT, &a);
    EXPECT_NE(a.Objekt.Info.find("; Ort unsicher, Bahnelemente aktualisieren"), std::string::npos)
        << a.Objekt.Info;
}

TEST(Refraktion, GegenFormelUndAstropy) {
    const double hoehe_ort = Parameter_Vorgabe().Hoehe;
    int mit_astropy = 0;
    for (const Zeile& r : Referenz('R')) {
        const double R = Refraktion(r.jd, hoehe_ort) * 3600.0;
        EXPECT_NEAR(R, r.ra, 0.01) << r.jd;
        if (r.jd >= 10.0 && r.jd < 90.0) {
            std::printf("Refraktion %4.0f°: %.1f\" (astropy %.1f\")\n", r.jd, R, r.de);
            EXPECT_NEAR(R, r.de, 0.05 * r.de);
            ++mit_astropy;
        }
    }
    EXPECT_EQ(mit_astropy, 3);
}

TEST(Refraktion, HoeheLuftmasseUndKreiseVomScheinbarenOrt) {
    const Parameter_Type p = Parameter_Vorgabe();
    Objekt_Type stern;
    stern.Art = Objekt_Art::HIP;
    stern.Bezeichnung = "H1";
    stern.VMag = stern.BMag = stern.Distanz = UNBEKANNT;
    // West of the meridian, about 8 deg high.
    stern.RA2000 = 2.0;
    stern.DE2000 = -20.0;
    const double jd = 2461382.25;
    const double lmst = Mod_Positiv(stern.RA2000 + 3.3, 24.0);
    Tick_Optionen an;
    an.Refraktion = true;
    Objekt_Type o1 = stern, o2 = stern;
    const Positions_Anzeige ohne = Positions_Tick(o1, true, jd, lmst, p, false);
    const Positions_Anzeige mit = Positions_Tick(o2, true, jd, lmst, p, false, an);
    Ort_Uebernehmen(o2, mit.Ort);
    ASSERT_GT(ohne.Hoehe, 5.0);
    ASSERT_LT(ohne.Hoehe, 10.0);
    EXPECT_NEAR(mit.Hoehe - ohne.Hoehe, Refraktion(ohne.Hoehe, p.Hoehe), 1e-12);
    EXPECT_NEAR(mit.Azimut, ohne.Azimut, 1e-9);
    EXPECT_NEAR(mit.Luftmasse, Luftmasse(mit.Hoehe), 1e-12);
    EXPECT_DOUBLE_EQ(mit.Luftmasse, ohne.Luftmasse); // always from the apparent altitude
    // The raised place lies nearer the meridian and the pole: its hour angle
    // and declination give back the apparent altitude.
    double h = 0, az = 0;
    const double de_app = o2.DEapp; // of date, unrefracted
    EXPECT_LT(mit.Stundenwinkel, ohne.Stundenwinkel);
    double sw = 0, de = 0;
    Stundenwinkel_Deklination(mit.Hoehe * Grad_Zu_Rad, mit.Azimut * Grad_Zu_Rad,
                              p.Breite * Grad_Zu_Rad, sw, de);
    EXPECT_GT(de * Rad_Zu_Grad, de_app);
    Hoehe_Azimut(mit.Stundenwinkel * Std_Zu_Rad, de, p.Breite * Grad_Zu_Rad, h, az);
    EXPECT_NEAR(h, mit.Hoehe, 1e-9);
    EXPECT_NE(mit.Kreise.DE_Grad + mit.Kreise.DE_Zehntel + mit.Kreise.SW_Minuten,
              ohne.Kreise.DE_Grad + ohne.Kreise.DE_Zehntel + ohne.Kreise.SW_Minuten);
}

// Tables the observer may have damaged, and short ones.
TEST(Ephemeriden, KaputteUndKurzeTabellen) {
    const fs::path ordner = Eigener_Temp_Pfad("stelux_ephemeriden_test");
    fs::create_directories(ordner);
    const auto zeile = [](const char* jd, const char* ra) {
        return std::string(jd) + "  " + ra + " +10 00 00.0  1.10  4.5 1.52 Leo\r\n";
    };
    struct Fall {
        std::string inhalt;
        double jd;
        const char* fehler; // text of the error, or nullptr
        double ra;          // expected RA (hours) when found, < 0: not found
    };
    const std::string a = zeile("2461000.000", "23 59 00.00"),
                      b = zeile("2461000.500", "00 01 00.00"),
                      c = zeile("2461001.000", "00 03 00.00"),
                      d = zeile("2461001.500", "00 05 00.00");
    const Fall faelle[] = {
        // Across 0 h, cubic between four rows.
        {a + b + c + d, 2461000.75, nullptr, 2 / 60.0},
        {a + b + c + d, 2461000.25, nullptr, 24 - 0 / 60.0},
        // Two rows only: linear; one row: within a quarter day.
        {b + c, 2461000.75, nullptr, 2 / 60.0},
        {b, 2461000.6, nullptr, 1 / 60.0},
        {b, 2461000.8, nullptr, -1},
        // Rows out of order or a gap of more than two days around the instant.
        {a + c + b + d, 2461000.75,
         "2010-2080_Horizons_Mars.txt, Zeile 3: Zeilen nicht in zeitlich steigender Folge", 0},
        {a + b + zeile("2461003.000", "00 03 00.00"), 2461001.0,
         "2010-2080_Horizons_Mars.txt, Zeile 3: Lücke von mehr als zwei Tagen zur Zeile davor", 0},
    };
    for (const Fall& f : faelle) {
        const std::string datei = "2010-2080_Horizons_Mars.txt";
        std::ofstream(ordner / datei, std::ios::binary) << f.inhalt;
        std::string naechste;
        try {
            const auto st = Ephemeriden_Stuetzen_Lesen((ordner / datei).string(), f.jd, naechste);
            EXPECT_EQ(f.fehler, nullptr) << f.fehler;
            Ephemeriden_Stuetze e;
            const bool gefunden = Ephemeride_Interpolieren(st, f.jd, e);
            EXPECT_EQ(gefunden, f.ra >= 0) << f.jd;
            if (gefunden && f.ra >= 0) {
                EXPECT_NEAR(Mod_Positiv(e.RA - f.ra + 12, 24) - 12, 0, 1e-6) << f.jd;
            }
        } catch (const Bereichs_Fehler& e) {
            ASSERT_NE(f.fehler, nullptr) << e.what();
            EXPECT_NE(
                std::string(e.what()).find(
                    std::string(1, static_cast<char>(fs::path::preferred_separator)) + f.fehler),
                std::string::npos)
                << e.what();
        }
    }
    fs::remove_all(ordner);
}

// A site outside the Earth's ranges never brings a NaN onto the screen.
TEST(Sonnensystem, UnmoeglicherOrtGibtKeinNaN) {
    const double nan = std::nan("");
    const double orte[][2] = {{200.0, 556.0}, {-91.0, 1e9}, {nan, nan}, {47.0, -1e7}};
    for (const auto& ort : orte) {
        Parameter_Type p = Parameter_Vorgabe();
        p.Breite = ort[0];
        p.Hoehe = ort[1];
        Such_Kontext k;
        k.JD_UT = 2461382.25;
        Positions_Anzeige a;
        Tick_Bei("PMond", k, k.JD_UT, &a, p, true);
        for (const std::string* t :
             {&a.Objekt.RA2000, &a.Objekt.DE2000, &a.Objekt.RAapp, &a.Objekt.DEapp,
              &a.Horizont.Hoehe, &a.Horizont.Azimut, &a.Horizont.Luftmasse, &a.Kreise.DE_Grad,
              &a.Kreise.SW_Minuten})
            EXPECT_EQ(Gross(*t).find("NAN"), std::string::npos) << ort[0] << " " << *t;
    }
}
