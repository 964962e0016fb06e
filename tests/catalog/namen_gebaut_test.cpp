// Names and everyday spellings against the catalogues the set-up built
// (STELUX_KATALOG), checked by place against namen_referenz.txt, which
// tests/data/catalog/namen_referenz.py computes with PyEphem and published
// tables. The data folder has no own-objects file, so E names must fall
// through to the stars. Skipped when no folder is named.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "catalog/eingabe.hpp"
#include "catalog/namen_suche.hpp"
#include "catalog/namen_vorschlaege.hpp"
#include "catalog/objekt_suche.hpp"
#include "eigener_ordner.hpp"
#include "orbits/element_tabellen.hpp"
#include "shared/konstanten.hpp"
#include "shared/zeilen_leser.hpp"

namespace fs = std::filesystem;

namespace {
struct Referenz {
    std::string Eingabe, Bezeichnung, Typ;
    double RA = 0, DE = 0, Toleranz = -1; // hours, degrees, arcseconds (-1: no place)
};

std::vector<Referenz> Referenzen() {
    std::ifstream f(std::string(STELUX_TEST_DATEN) + "/catalog/namen_referenz.txt");
    std::vector<Referenz> aus;
    std::string zeile;
    while (std::getline(f, zeile)) {
        std::vector<std::string> t;
        std::stringstream s(zeile);
        for (std::string feld; std::getline(s, feld, '\t');) t.push_back(feld);
        if (t.size() != 6) continue;
        Referenz r{t[0], t[1], t[2]};
        if (t[3] != "-") r = {t[0], t[1], t[2], std::stod(t[3]), std::stod(t[4]), std::stod(t[5])};
        aus.push_back(r);
    }
    return aus;
}

// Angle between two J2000 places, arcseconds.
double Abstand(double ra1, double de1, double ra2, double de2) {
    const double a1 = ra1 * Std_Zu_Rad, a2 = ra2 * Std_Zu_Rad;
    const double d1 = de1 * Grad_Zu_Rad, d2 = de2 * Grad_Zu_Rad;
    const double c = std::sin(d1) * std::sin(d2) + std::cos(d1) * std::cos(d2) * std::cos(a1 - a2);
    return std::acos(std::min(1.0, std::max(-1.0, c))) * Rad_Zu_Grad * 3600.0;
}

struct Umgebung {
    fs::path daten;
    std::unique_ptr<Asteroiden_Tabelle> asteroiden =
        std::make_unique<Asteroiden_Tabelle>(Tabellen_Kapazitaet + 1);
    std::unique_ptr<Kometen_Tabelle> kometen =
        std::make_unique<Kometen_Tabelle>(Tabellen_Kapazitaet + 1);
    Such_Kontext k;
    explicit Umgebung(const std::string& katalog) {
        daten = Eigener_Temp_Pfad("stelux_namen_gebaut");
        fs::remove_all(daten);
        fs::create_directories(daten);
        fs::copy_file(fs::path(katalog) / "Kometen.txt", daten / "Kometen.txt");
        Asteroiden_Zeilen_Laden(Pfad_In(katalog, "Asteroiden.txt"), *asteroiden,
                                k.Anzahl_Asteroiden);
        Kometen_Zeilen_Laden(Pfad_In(katalog, "Kometen.txt"), *kometen, k.Anzahl_Kometen);
        k.JD_UT = 2461100.5; // 2026-03-01
        k.Katalog_Ordner = katalog;
        k.Daten_Ordner = daten.string();
        k.Asteroiden = asteroiden.get();
        k.Kometen = kometen.get();
    }
    ~Umgebung() { fs::remove_all(daten); }
};
} // namespace

TEST(NamenGebaut, JederNameFuehrtZumRichtigenObjekt) {
    const char* ordner = std::getenv("STELUX_KATALOG");
    if (!ordner || !fs::is_directory(ordner)) GTEST_SKIP() << "STELUX_KATALOG names no folder";
    const std::vector<Referenz> referenzen = Referenzen();
    ASSERT_GE(referenzen.size(), 180u);
    Umgebung u(ordner);
    Namen_Meldung meldung;
    u.k.Meldung = &meldung;
    for (const Referenz& r : referenzen) {
        SCOPED_TRACE(r.Eingabe);
        Objekt_Type o;
        bool gefunden = false;
        ASSERT_NO_THROW(gefunden = Objekt_Suchen(Planeten_Namen_Regel(r.Eingabe), u.k, o));
        ASSERT_TRUE(gefunden);
        if (r.Bezeichnung != "*") {
            EXPECT_EQ(o.Bezeichnung, r.Bezeichnung);
        }
        if (r.Typ != "*") {
            EXPECT_EQ(o.Typ, r.Typ);
        }
        if (r.Toleranz > 0) {
            const double d = Abstand(o.RA2000, o.DE2000, r.RA, r.DE);
            EXPECT_LE(d, r.Toleranz) << o.Bezeichnung;
            EXPECT_LE(d, 3600.0) << o.Bezeichnung;
        }
    }
    EXPECT_TRUE(meldung.Text.empty()) << meldung.Text;
}

TEST(NamenGebaut, UnsinnigeEingabenFindenNichtsOhneFehler) {
    const char* ordner = std::getenv("STELUX_KATALOG");
    if (!ordner || !fs::is_directory(ordner)) GTEST_SKIP() << "STELUX_KATALOG names no folder";
    Umgebung u(ordner);
    const std::string faelle[] = {std::string(1000, 'x'),
                                  std::string(1000, 'M'),
                                  "M" + std::string(999, '9'),
                                  "   ",
                                  "\t\t",
                                  std::string("Si\0rius", 7),
                                  "\x01\x02\x1b[2J",
                                  "Стелла",
                                  "\xe2\x98\x85\xe2\x98\x85",
                                  "\xff\xfe\xfd",
                                  "Xyzzy-Nebel",
                                  "N 70 00"};
    for (const std::string& t : faelle) {
        SCOPED_TRACE(t.substr(0, 20));
        Objekt_Type o;
        bool gefunden = true;
        EXPECT_NO_THROW(gefunden = Objekt_Suchen(t, u.k, o));
        EXPECT_FALSE(gefunden);
    }
}

// Each IAU name of the sources gives the star with its HIP number: the same
// place as the Hipparcos line of that number.
TEST(NamenGebaut, JederIauNameFuehrtZuSeinemStern) {
    const char* ordner = std::getenv("STELUX_KATALOG");
    if (!ordner || !fs::is_directory(ordner)) GTEST_SKIP() << "STELUX_KATALOG names no folder";
    Umgebung u(ordner);
    std::ifstream f(std::string(STELUX_TEST_DATEN) + "/catalog/namen_iau.txt");
    int anzahl = 0;
    for (std::string name, hip; std::getline(f, name, '\t') && std::getline(f, hip); ++anzahl) {
        SCOPED_TRACE(name + " HIP " + hip);
        Objekt_Type stern, nummer;
        ASSERT_TRUE(Objekt_Suchen(name, u.k, stern));
        ASSERT_TRUE(Objekt_Suchen("H" + hip, u.k, nummer));
        EXPECT_EQ(stern.Typ, "Bright Star");
        EXPECT_LE(Abstand(stern.RA2000, stern.DE2000, nummer.RA2000, nummer.DE2000), 1.0);
    }
    EXPECT_GE(anzahl, 300);
}

// Suggestions over the built names: the Sun, the Moon and the planets before
// any name beginning like theirs; after a miss, the meant object among the
// first "Meinten Sie" names.
TEST(NamenGebaut, PlanetenZuerstUndMeintenSie) {
    const char* ordner = std::getenv("STELUX_KATALOG");
    if (!ordner || !fs::is_directory(ordner)) GTEST_SKIP() << "STELUX_KATALOG names no folder";
    Umgebung u(ordner);
    const Vorschlags_Index index = Vorschlags_Index_Bauen(u.k);
    for (const auto& [eingabe, erster] : {std::pair{"Jupiter", "Jupiter"},
                                          {"Mond", "Mond"},
                                          {"Sonne", "Sonne"},
                                          {"Moon", "Mond"},
                                          {"sat", "Saturn"},
                                          {"Venus", "Venus"}}) {
        const std::vector<Vorschlag> v = index.Suchen(eingabe);
        ASSERT_FALSE(v.empty()) << eingabe;
        EXPECT_EQ(v[0].Eingabe, erster) << eingabe;
    }
    // entry -> what the first suggestion looks up (a typo of each kind)
    for (const auto& [eingabe, erster] :
         {std::pair{"Betelgeuze", "Betelgeuse"}, // changed letter
          {"Jupitr", "Jupiter"},                 // dropped
          {"Siriuss", "Sirius"},                 // doubled
          {"Vgea", "Vega"},                      // swapped
          {"Doppelsternhaufen", "N869"},         // German words of an English name
          {"Sombrero Galaxie", "M104"},          // a blank too many
          {"Aldebaraan", "Aldebaran"},
          {"Muenchen", nullptr}}) {
        SCOPED_TRACE(eingabe);
        Objekt_Type o;
        EXPECT_FALSE(Objekt_Suchen(Planeten_Namen_Regel(eingabe), u.k, o));
        const std::vector<Vorschlag> v = index.Aehnliche(eingabe);
        EXPECT_LE(v.size(), 5u);
        if (!erster) {
            EXPECT_TRUE(v.empty()) << v[0].Text;
            continue;
        }
        ASSERT_FALSE(v.empty());
        EXPECT_EQ(v[0].Eingabe, erster) << v[0].Text;
        ASSERT_TRUE(Objekt_Suchen(Planeten_Namen_Regel(v[0].Eingabe), u.k, o));
    }
    // Umlauts and ß meet their spelled-out forms both ways.
    EXPECT_EQ(index.Aehnliche("Merkür").at(0).Eingabe, "Merkur");
}
