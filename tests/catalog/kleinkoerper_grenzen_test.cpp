// Asteroids and comets through the lookup's dispatch, and the limits of
// their searches: table ends and the searched part of a comet line.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "catalog/kleinkoerper_suche.hpp"
#include "catalog/objekt_suche.hpp"
#include "eigener_ordner.hpp"
#include "shared/fehler.hpp"

namespace fs = std::filesystem;

namespace {
const std::string Eros = "00433   10.31  0.46 K2289 358.82126  178.93251  304.29106   10.82796  "
                         "0.2227328  0.55975828   1.4581505" +
                         std::string(63, ' ') + "(433) Eros";
const std::string Encke = "0002P         2023 10 21.9963  0.337456  0.847971  187.0986  334.2307   "
                          "11.4366            11.5  6.0  2P/Encke" +
                          std::string(49, ' ') + "MPEC 2022";

struct Ordner {
    fs::path pfad;
    explicit Ordner(const std::string& inhalt) {
        pfad = Eigener_Temp_Pfad("stelux_katalog_kleinkoerper");
        fs::remove_all(pfad);
        fs::create_directories(pfad);
        std::ofstream(pfad / "Kometen.txt", std::ios::binary) << inhalt;
    }
    ~Ordner() { fs::remove_all(pfad); }
};
} // namespace

TEST(KleinkoerperSuche, UeberDieKennbuchstaben) {
    ASSERT_EQ(Eros.size(), 176u);
    ASSERT_EQ(Encke.size(), 168u);
    Asteroiden_Tabelle tabelle(3);
    tabelle[1].Zeile = Eros;
    tabelle[1].Nummer = 1;
    Ordner ordner(Encke + "\r\n");
    Such_Kontext k;
    k.JD_UT = 2460700.5;
    k.Daten_Ordner = ordner.pfad.string();
    k.Katalog_Ordner = (ordner.pfad / "keine_kataloge").string();
    k.Asteroiden = &tabelle;
    k.Anzahl_Asteroiden = 1;
    Objekt_Type o;
    // Typed in lower case: key and element line meet upper-cased.
    ASSERT_TRUE(Objekt_Suchen("aeros", k, o));
    EXPECT_EQ(o.Bezeichnung, "A(433) Eros");
    EXPECT_EQ(Art_Label(o.Art), "Asteroid ");
    EXPECT_EQ(o.Con.size(), 3u);
    ASSERT_TRUE(Objekt_Suchen("k2p/encke", k, o));
    EXPECT_EQ(o.Bezeichnung.substr(0, 9), "K2P/Encke");
    EXPECT_EQ(o.Typ, "Komet");
    // A miss of either kind goes on to the bright stars.
    EXPECT_THROW(Objekt_Suchen("AVESTA", k, o), Ein_Ausgabe_Fehler);
    EXPECT_THROW(Objekt_Suchen("KHALLEY", k, o), Ein_Ausgabe_Fehler);

    // A count larger than the table, even an empty one, never reads past its end.
    k.Anzahl_Asteroiden = 5;
    EXPECT_TRUE(Asteroid_Suchen("EROS", k, o));
    const Asteroiden_Tabelle leer;
    k.Asteroiden = &leer;
    EXPECT_FALSE(Asteroid_Suchen("EROS", k, o));
}

TEST(KleinkoerperSuche, KometZeileAbSpalte100Mit256Zeichen) {
    // Columns 100 to 355 are searched: a note in column 301 is found, one in
    // column 356 is not, and neither is the orbit type of column 5.
    const std::string lang = Encke + std::string(300 - 168, ' ') + "SPAETNOTIZ" +
                             std::string(355 - 310, ' ') + "JENSEITS";
    ASSERT_EQ(lang.find("SPAETNOTIZ"), 300u);
    ASSERT_EQ(lang.find("JENSEITS"), 355u);
    Ordner ordner(lang + "\r\n");
    Such_Kontext k;
    k.JD_UT = 2460700.5;
    k.Daten_Ordner = ordner.pfad.string();
    Objekt_Type o;
    EXPECT_TRUE(Komet_Suchen("SPAETNOTIZ", k, o));
    EXPECT_EQ(o.Bezeichnung.size(), 57u); // still columns 103-158 only
    EXPECT_FALSE(Komet_Suchen("JENSEITS", k, o));
    EXPECT_FALSE(Komet_Suchen("0002P", k, o));
}
