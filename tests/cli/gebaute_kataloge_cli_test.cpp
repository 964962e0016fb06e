// Spot checks of the built catalogues (STELUX_KATALOG) through stelux-cli, the
// way an observer meets them on the first evening. Skipped without a folder.
#include <erfa.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "shared/konstanten.hpp"
#include "shared/text.hpp"
#include "shared/zeilen_leser.hpp"

namespace {
std::string Ordner() {
    const char* o = std::getenv("STELUX_KATALOG");
    return o && std::filesystem::is_directory(o) ? o : "";
}

struct Lauf {
    int code = -1;
    std::map<std::string, std::string> w;
    double Zahl(const std::string& k) const { return std::stod(w.at(k)); }
};

Lauf Cli(const std::string& ordner, const std::string& bezeichnung,
         const std::string& zeit = "2026-03-20T12:00:00", const std::string& optionen = "") {
    const std::string befehl =
        "cd '" + ordner + "' && TZ=UTC '" STELUX_BINAER_ORDNER "/stelux-cli' --zeit " + zeit + " " +
        optionen + " --daten '" + ordner + "' '" + bezeichnung + "' 2>/dev/null";
    Lauf l;
    FILE* p = popen(befehl.c_str(), "r");
    if (!p) return l;
    char zeile[4096];
    while (std::fgets(zeile, sizeof zeile, p)) {
        std::string z(zeile);
        while (!z.empty() && (z.back() == '\n' || z.back() == '\r')) z.pop_back();
        const auto tab = z.find('\t');
        if (tab != std::string::npos) l.w[z.substr(0, tab)] = z.substr(tab + 1);
    }
    const int status = pclose(p);
    l.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return l;
}

// Angle between two places, arcseconds (RA in hours, DE in degrees).
double Abstand(double ra1, double de1, double ra2, double de2) {
    return eraSeps(ra1 * Std_Zu_Rad, de1 * Grad_Zu_Rad, ra2 * Std_Zu_Rad, de2 * Grad_Zu_Rad) *
           Rad_Zu_Grad * 3600;
}
// The observatory of the default parameters (no parameter file in the
// folder) at an instant: GCRS vector in AU (WGS84, mean sidereal time, the
// mean equator of date taken back to J2000 by ERFA's precession).
void Beobachter(double jd_ut, double tt, double v[3]) {
    double itrs[3];
    eraGd2gc(1, 7.47497 * Grad_Zu_Rad, 47.46651 * Grad_Zu_Rad, 556.0, itrs);
    double r[3][3], rbp[3][3], datum[3];
    eraIr(r);
    eraRz(-eraGmst06(jd_ut, 0, tt, 0), r);
    eraRxp(r, itrs, datum);
    eraPmat06(tt, 0, rbp);
    eraTrxp(rbp, datum, v);
    for (int i = 0; i < 3; ++i) v[i] /= 149597870700.0;
}
} // namespace

TEST(GebauteKatalogeCli, ObjekteDesErstenAbends) {
    const std::string o = Ordner();
    if (o.empty()) GTEST_SKIP() << "STELUX_KATALOG names no catalogue folder";
    const std::pair<const char*, const char*> erwartet[] = {
        {"M31", "Messier 31   Andromeda"},
        {"m42", "Messier 42"},
        {"N7000", "NGC 7000"},
        {"I1396", "IC 1396"},
        {"H32349", "HIP 32349   Sirius"},
        {"S151881", "SAO 151881"},
        {"Sirius", "Sirius"},
        {"Polaris", "Polaris"},
        {"omi Cet", "omi Cet"},
        {"VR CrB", "Veränderlicher R CrB"},
        {"F92_245", "Fotometrie-Standard 92_245"},
        {"A Ceres", "Asteroid (1) Ceres"},
        {"K Halley", "Komet 1P/Halley"},
        {"psonne", "Sonne   "},
        {"Mars", "Planet Mars"}};
    for (const auto& [eingabe, objekt] : erwartet) {
        const Lauf l = Cli(o, eingabe);
        EXPECT_EQ(l.code, 0) << eingabe;
        if (l.code != 0) continue;
        EXPECT_EQ(l.w.at("Label_Objekt").rfind(objekt, 0), 0u)
            << eingabe << ": " << l.w.at("Label_Objekt");
    }
    EXPECT_EQ(Cli(o, "M31").w.at("Label_Con"), "Con: And");
    EXPECT_EQ(Cli(o, "Polaris").w.at("Label_Con"), "Con: UMi");
    EXPECT_EQ(Cli(o, "VR CrB").w.at("Label_Con"), "Con: CrB");
    EXPECT_EQ(Cli(o, "vr crb").code, 1); // letter case of variable-star names matters
    // A miss stays exit 1 and names what was perhaps meant; a hit names nothing.
    const Lauf jupitr = Cli(o, "Jupitr");
    EXPECT_EQ(jupitr.code, 1);
    EXPECT_EQ(jupitr.w.at("Vorschlaege").rfind("Jupiter · ", 0), 0u) << jupitr.w.at("Vorschlaege");
    EXPECT_EQ(Cli(o, "Jupiter").w.at("Vorschlaege"), "");
    // Sirius's astrometric place at 2026-03-20: its J2000 place moved by its
    // proper motion (-546.01, -1223.07 mas/yr, Hipparcos) over 26.2 years (ERFA).
    const Lauf sirius = Cli(o, "H32349");
    const double de0 = -(16 + 42 / 60.0 + 58.02 / 3600) * Grad_Zu_Rad, mas = Grad_Zu_Rad / 3.6e6;
    double p[3], eb[3] = {0, 0, 0}, ra = 0, de = 0;
    eraPmpx((6 + 45 / 60.0 + 8.917 / 3600) * Std_Zu_Rad, de0, -546.01 * mas / std::cos(de0),
            -1223.07 * mas, 0, 0, (2461120.0 - JD2000) / 365.25, eb, p);
    eraC2s(p, &ra, &de);
    EXPECT_LT(Abstand(sirius.Zahl("RA2000"), sirius.Zahl("DE2000"), eraAnp(ra) * Rad_Zu_Std,
                      de * Rad_Zu_Grad),
              1.0);
}

TEST(GebauteKatalogeCli, GeostationaererSatellitAusDerListe) {
    const std::string o = Ordner();
    if (o.empty()) GTEST_SKIP() << "STELUX_KATALOG names no catalogue folder";
    Zeilen_Leser leser(Pfad_In(o, "Geosynchrone_Satelliten.txt"));
    ASSERT_TRUE(leser.Beschreibung_Ueberspringen());
    std::string_view zeile;
    ASSERT_TRUE(leser.Naechste(zeile));
    const std::string label(Trimmen(Spalten(zeile, 1, 28)));
    const Lauf l = Cli(o, "G" + label);
    ASSERT_EQ(l.code, 0) << label;
    EXPECT_EQ(l.w.at("Label_Typ"), "Typ: Geostat. Sat.");
    // Seen from latitude 47.5 deg, the geostationary ring lies 6 to 9 deg south of the equator.
    EXPECT_LT(l.Zahl("DEapp"), -5.5);
    EXPECT_GT(l.Zahl("DEapp"), -9.5);
}

TEST(GebauteKatalogeCli, SonneUndMarsGegenErfa) {
    const std::string o = Ordner();
    if (o.empty()) GTEST_SKIP() << "STELUX_KATALOG names no catalogue folder";
    // 2026-03-20 12:00 UT is a row of the tables, so no row-to-instant motion enters.
    const double jd_ut = 2461120.0;
    const double tt = jd_ut + 69.2 / 86400; // TT - UT in 2026
    double pvh[2][3], pvb[2][3];
    eraEpv00(tt, 0, pvh, pvb);
    // Astrometric Sun: minus the Earth's heliocentric place (ICRS ~ J2000),
    // seen from the observatory.
    double beob[3];
    Beobachter(jd_ut, tt, beob);
    double ra = 0, de = 0;
    double sonne[3] = {-pvh[0][0] - beob[0], -pvh[0][1] - beob[1], -pvh[0][2] - beob[2]};
    eraC2s(sonne, &ra, &de);
    Lauf l = Cli(o, "PSonne");
    ASSERT_EQ(l.code, 0);
    const double d_sonne =
        Abstand(l.Zahl("RA2000"), l.Zahl("DE2000"), eraAnp(ra) * Rad_Zu_Std, de * Rad_Zu_Grad);
    EXPECT_LT(d_sonne, 5.0);

    // Mars: planetary theory (ecliptic-free, J2000 equatorial) with light time iterated.
    double pv_mars[2][3];
    double tau = 0;
    double g[3] = {0, 0, 0};
    for (int i = 0; i < 3; ++i) {
        eraPlan94(tt - tau, 0, 4, pv_mars);
        for (int k = 0; k < 3; ++k) g[k] = pv_mars[0][k] - pvh[0][k];
        tau = eraPm(g) * 0.0057755183; // days per AU
    }
    for (int k = 0; k < 3; ++k) g[k] -= beob[k];
    eraC2s(g, &ra, &de);
    l = Cli(o, "PMars");
    ASSERT_EQ(l.code, 0);
    const double d_mars =
        Abstand(l.Zahl("RA2000"), l.Zahl("DE2000"), eraAnp(ra) * Rad_Zu_Std, de * Rad_Zu_Grad);
    EXPECT_LT(d_mars, 5.0);
    std::printf("Sonne %.2f\", Mars %.2f\" gegen ERFA\n", d_sonne, d_mars);
}

// Pallas four years after the installed elements' epoch: Jupiter has pulled it
// some 15' off the unperturbed orbit that --zweikoerper still gives.
TEST(GebauteKatalogeCli, PallasGestoertUndZweikoerper) {
    const std::string o = Ordner();
    if (o.empty()) GTEST_SKIP() << "STELUX_KATALOG names no catalogue folder";
    const Lauf g = Cli(o, "Pallas", "2026-12-07T20:00:00");
    const Lauf z = Cli(o, "Pallas", "2026-12-07T20:00:00", "--zweikoerper");
    ASSERT_EQ(g.code, 0);
    ASSERT_EQ(z.code, 0);
    const double d =
        Abstand(g.Zahl("RA2000"), g.Zahl("DE2000"), z.Zahl("RA2000"), z.Zahl("DE2000"));
    std::printf("Pallas 2026-12-07: gestört gegen ungestört %.1f'\n", d / 60);
    EXPECT_GT(d, 10 * 60.0);
    EXPECT_LT(d, 20 * 60.0);
}

// "Jetzt beobachtbar" at a fixed instant (2026-10-15 20:00 UT, the default
// site): the NGC showpieces standing above 20° are listed with their
// altitude, those below are not, unless rising within the two hours; rows
// sorted by altitude. Altitudes by ERFA from published J2000 centres.
TEST(GebauteKatalogeCli, BeobachtbarMitNgcSchaustuecken) {
    const std::string o = Ordner();
    if (o.empty()) GTEST_SKIP() << "STELUX_KATALOG names no catalogue folder";
    const std::string befehl = "cd '" + o +
                               "' && TZ=UTC '" STELUX_BINAER_ORDNER
                               "/stelux-cli' --beobachtbar --zeit 2026-10-15T20:00:00 --grenze 10"
                               " --daten '" +
                               o + "' 2>/dev/null";
    FILE* p = popen(befehl.c_str(), "r");
    ASSERT_TRUE(p);
    std::map<std::string, std::vector<std::string>> zeilen;
    double vorige = 91;
    char puffer[4096];
    while (std::fgets(puffer, sizeof puffer, p)) {
        std::string z(puffer);
        if (!z.empty() && z.back() == '\n') z.pop_back();
        std::vector<std::string> f;
        for (std::size_t a = 0;;) {
            const std::size_t b = z.find('\t', a);
            f.push_back(z.substr(a, b - a));
            if (b == std::string::npos) break;
            a = b + 1;
        }
        ASSERT_EQ(f.size(), 7u) << z;
        const double hoehe = std::stod(f[4]);
        EXPECT_LE(hoehe, vorige) << z; // highest first
        vorige = hoehe;
        if (f[2] == "NGC" || f[2] == "IC") {
            EXPECT_TRUE(hoehe > 20 || f[6].rfind("ab ", 0) == 0) << z;
            EXPECT_LT(std::stod(f[3]), 10.0) << z;
        }
        zeilen[f[0]] = f;
    }
    EXPECT_EQ(WEXITSTATUS(pclose(p)), 0);
    const double jd = 2461328.5 + 20 / 24.0; // 2026-10-15 20:00 UT
    const double tt = jd + 69.2 / 86400;
    const double lmst = eraGmst06(jd, 0, tt, 0) + 7.47497 * Grad_Zu_Rad;
    double rbp[3][3];
    eraPmat06(tt, 0, rbp);
    struct Schaustueck {
        const char* bez;
        double ra, de; // hours, degrees, J2000
    };
    const Schaustueck liste[] = {
        {"N7000", 20 + 59 / 60.0 + 17 / 3600.0, 44 + 31 / 60.0 + 44 / 3600.0},
        {"N869", 2 + 19 / 60.0, 57 + 8 / 60.0},
        {"N884", 2 + 22 / 60.0 + 18 / 3600.0, 57 + 8 / 60.0 + 12 / 3600.0},
        {"N7662", 23 + 25 / 60.0 + 54 / 3600.0, 42 + 32 / 60.0 + 6 / 3600.0},
        {"N6826", 19 + 44 / 60.0 + 48 / 3600.0, 50 + 31 / 60.0 + 30 / 3600.0},
        {"N457", 1 + 19 / 60.0 + 32 / 3600.0, 58 + 17 / 60.0 + 27 / 3600.0},
        {"N253", 47 / 60.0 + 33 / 3600.0, -(25 + 17 / 60.0 + 18 / 3600.0)},
        {"N6543", 17 + 58 / 60.0 + 33 / 3600.0, 66 + 37 / 60.0 + 59 / 3600.0},
        {"N2392", 7 + 29 / 60.0 + 11 / 3600.0, 20 + 54 / 60.0 + 42 / 3600.0},
    };
    int oben = 0, unten = 0;
    for (const Schaustueck& s : liste) {
        SCOPED_TRACE(s.bez);
        double v[3], d[3];
        eraS2c(s.ra * Std_Zu_Rad, s.de * Grad_Zu_Rad, v);
        eraRxp(rbp, v, d);
        double ra = 0, de = 0, az = 0, h = 0;
        eraC2s(d, &ra, &de);
        eraHd2ae(lmst - ra, de, 47.46651 * Grad_Zu_Rad, &az, &h);
        h *= Rad_Zu_Grad;
        const auto z = zeilen.find(s.bez);
        if (h > 20.5) {
            ++oben;
            ASSERT_NE(z, zeilen.end());
            EXPECT_NEAR(std::stod(z->second[4]), h, 0.1);
        } else if (h < 19.5) {
            ++unten;
            EXPECT_TRUE(z == zeilen.end() || z->second[6].rfind("ab ", 0) == 0);
        }
    }
    EXPECT_GE(oben, 5);
    EXPECT_GE(unten, 2);
}
