// Contents of the catalogue lists.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "catalog/listen.hpp"
#include "eigener_ordner.hpp"
#include "shared/fehler.hpp"

namespace fs = std::filesystem;

namespace {
Such_Kontext Kontext() {
    Such_Kontext k;
    k.Katalog_Ordner = std::string(STELUX_TEST_DATEN) + "/catalog";
    k.Daten_Ordner = k.Katalog_Ordner;
    return k;
}
bool Enthaelt(const std::vector<std::string>& v, const std::string& s) {
    return std::find(v.begin(), v.end(), s) != v.end();
}
} // namespace

TEST(Listen, MessierUndPlaneten) {
    const auto m = Listen_Eintraege('M', Kontext());
    ASSERT_EQ(m.size(), 108u);
    EXPECT_EQ(m.front(), "1");
    EXPECT_EQ(m.back(), "110");
    for (const char* n : {"39", "41", "44", "46"}) EXPECT_TRUE(Enthaelt(m, n)) << n;
    EXPECT_FALSE(Enthaelt(m, "40"));
    EXPECT_FALSE(Enthaelt(m, "45"));
    const std::vector<std::string> p = {"Sonne",   "Mond",   "Merkur", "Venus", "Mars",
                                        "Jupiter", "Saturn", "Uranus", "Neptun"};
    EXPECT_EQ(Listen_Eintraege('P', Kontext()), p);
}

TEST(Listen, AusDenKatalogdateien) {
    const auto v = Listen_Eintraege('V', Kontext());
    ASSERT_EQ(v.size(), 2u);
    EXPECT_EQ(v[0], "R CrB     "); // untrimmed, ten columns
    const std::vector<std::string> f = {"SA 92 245", "Sued Null"};
    EXPECT_EQ(Listen_Eintraege('F', Kontext()), f); // after two header lines
    const auto e = Listen_Eintraege('E', Kontext());
    ASSERT_EQ(e.size(), 6u);
    EXPECT_EQ(e.front(), "Testfeld A");
    EXPECT_EQ(e.back(), "Nördlicher Nebel"); // decoded to UTF-8
    const std::vector<std::string> g = {"ASTRA 1KR         19.2E", "INTELSAT 901      18.0W"};
    EXPECT_EQ(Listen_Eintraege('G', Kontext()), g);
    EXPECT_TRUE(Listen_Eintraege('S', Kontext()).empty()); // numbered catalogues have no list
}

TEST(Listen, StrichdateienOhneObjekte) {
    const fs::path ordner = Eigener_Temp_Pfad("stelux_listen_test");
    fs::create_directories(ordner);
    Such_Kontext k;
    k.Katalog_Ordner = ordner.string();
    k.Daten_Ordner = ordner.string();
    std::ofstream(ordner / "Eigene_Objekte.txt", std::ios::binary) << "kein Strich\r\n";
    std::ofstream(ordner / "Geosynchrone_Satelliten.txt", std::ios::binary) << "text\r\n--\r\n";
    EXPECT_TRUE(Listen_Eintraege('E', k).empty());
    EXPECT_TRUE(Listen_Eintraege('G', k).empty());
    EXPECT_THROW(Listen_Eintraege('V', k), Ein_Ausgabe_Fehler);
    fs::remove_all(ordner);
}

TEST(Listen, KleinkoerperAusDenTabellen) {
    Asteroiden_Tabelle a(Tabellen_Kapazitaet + 1);
    a[1].Zeile = std::string(166, ' ') + "(433) Eros                  ";
    a[2].Zeile = std::string(166, ' ') + "(1) Ceres";
    a[3].Zeile = "kurz"; // columns past the end read empty
    Kometen_Tabelle k(Tabellen_Kapazitaet + 1);
    k[1].Zeile = std::string(102, ' ') + "1P/Halley" + std::string(40, 'x');
    Such_Kontext kontext;
    kontext.Asteroiden = &a;
    kontext.Anzahl_Asteroiden = 3;
    kontext.Kometen = &k;
    kontext.Anzahl_Kometen = 1;
    const std::vector<std::string> erwartet = {"(433) Eros", "(1) Ceres", ""};
    EXPECT_EQ(Listen_Eintraege('A', kontext), erwartet);
    const auto komet = Listen_Eintraege('K', kontext);
    ASSERT_EQ(komet.size(), 1u);
    EXPECT_EQ(komet[0], "1P/Halley" + std::string(26, 'x')); // at most 35 characters
    // A count beyond the table, or no table at all, never reads past its end.
    kontext.Anzahl_Asteroiden = 99999;
    EXPECT_EQ(Listen_Eintraege('A', kontext).size(), static_cast<std::size_t>(Tabellen_Kapazitaet));
    kontext.Kometen = nullptr;
    EXPECT_TRUE(Listen_Eintraege('K', kontext).empty());
}
