// The asteroid (A) and comet (K) kinds of the object lookup.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "astro/sternbild.hpp"
#include "catalog/kleinkoerper_suche.hpp"
#include "orbits/element_tabellen.hpp"
#include "orbits/kleinkoerper_ort.hpp"
#include "orbits/sortierung.hpp"
#include "shared/fehler.hpp"

namespace fs = std::filesystem;

namespace {
const std::string Daten = std::string(STELUX_TEST_DATEN) + "/orbits/";
constexpr double Jetzt = 2460700.5;

class Suche : public testing::Test {
protected:
    void SetUp() override {
        Asteroiden_Zeilen_Laden(Daten + "pyephem_asteroiden.txt", asteroiden_, na_);
        Asteroiden_Auswerten(asteroiden_, na_, Jetzt);
        kontext_.JD_UT = Jetzt;
        kontext_.Daten_Ordner = Daten;
        kontext_.Asteroiden = &asteroiden_;
        kontext_.Anzahl_Asteroiden = na_;
        kontext_.Asteroid_Aktuell = &asteroid_;
        kontext_.Komet_Aktuell = &komet_;
        // The fields of a hit against the two-body place; the perturbed one is tested apart.
        kontext_.Zweikoerper = true;
        // The comet file of the tests has the name the lookup opens.
        ordner_ = fs::temp_directory_path() /
                  ("stelux_suche_" +
                   std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::create_directories(ordner_);
        fs::copy_file(Daten + "pyephem_kometen.txt", ordner_ / "Kometen.txt",
                      fs::copy_options::overwrite_existing);
        kontext_.Daten_Ordner = ordner_.string();
    }
    void TearDown() override { fs::remove_all(ordner_); }

    Asteroiden_Tabelle asteroiden_;
    std::int32_t na_ = 0;
    Such_Kontext kontext_;
    Asteroid_Type asteroid_;
    Komet_Type komet_;
    Objekt_Type objekt_;
    fs::path ordner_;
};
} // namespace

TEST_F(Suche, AsteroidNachTeilDerBezeichnung) {
    ASSERT_TRUE(Asteroid_Suchen("EROS", kontext_, objekt_));
    EXPECT_EQ(Art_Label(objekt_.Art), "Asteroid ");
    EXPECT_EQ(objekt_.Bezeichnung, "A(433) Eros");
    EXPECT_EQ(objekt_.Typ, "Asteroid");
    EXPECT_EQ(asteroid_.Name, "(433) Eros");
    double ra, de, mag;
    ASSERT_TRUE(ASTEROIDENORT(asteroid_, Jetzt, ra, de, mag));
    EXPECT_EQ(objekt_.RA2000, ra);
    EXPECT_EQ(objekt_.DE2000, de);
    EXPECT_EQ(objekt_.VMag, mag);
    EXPECT_EQ(objekt_.Con, Sternbild(ra * Pi / 12, de * Pi / 180, JD2000));
    EXPECT_EQ(objekt_.BMag, UNBEKANNT);
    EXPECT_EQ(objekt_.Distanz, UNBEKANNT);
    EXPECT_EQ(objekt_.Groesse_A, UNBEKANNT);
    EXPECT_TRUE(objekt_.Alias.empty());
    EXPECT_FALSE(Asteroid_Suchen("CERESX", kontext_, objekt_));
}

TEST_F(Suche, ErsterTrefferFolgtDerTabellenordnung) {
    // "(1) Ceres" and "(2060) Chiron" both hold "1"... as do others; file order first.
    ASSERT_TRUE(Asteroid_Suchen("1", kontext_, objekt_));
    EXPECT_EQ(objekt_.Bezeichnung, "A(1) Ceres");
    Asteroiden_Nach_Helligkeit(asteroiden_, na_);
    ASSERT_TRUE(Asteroid_Suchen("1", kontext_, objekt_));
    // Brightest of those holding a "1": compare with the sorted table.
    for (std::int32_t i = 1; i <= na_; ++i)
        if (asteroiden_[i].Name.find('1') != std::string::npos) {
            EXPECT_EQ(objekt_.Bezeichnung, "A" + asteroiden_[i].Name);
            break;
        }
    kontext_.Anzahl_Asteroiden = 0;
    EXPECT_FALSE(Asteroid_Suchen("1", kontext_, objekt_));
    kontext_.Asteroiden = nullptr;
    kontext_.Anzahl_Asteroiden = 5;
    EXPECT_FALSE(Asteroid_Suchen("1", kontext_, objekt_));
}

TEST_F(Suche, KometAusDerDateiMitUngekuerztemNamen) {
    ASSERT_TRUE(Komet_Suchen("ENCKE", kontext_, objekt_));
    EXPECT_EQ(Art_Label(objekt_.Art), "Komet ");
    EXPECT_EQ(objekt_.Typ, "Komet");
    EXPECT_EQ(objekt_.Bezeichnung.substr(0, 9), "K2P/Encke");
    EXPECT_EQ(objekt_.Bezeichnung.size(), 57u); // columns 103-158 with their blanks
    EXPECT_EQ(komet_.Nummer, 2);
    double ra, de, mag;
    ASSERT_TRUE(KOMETENORT(komet_, Jetzt, ra, de, mag));
    EXPECT_EQ(objekt_.RA2000, ra);
    EXPECT_EQ(objekt_.VMag, mag);
    EXPECT_EQ(objekt_.Distanz, UNBEKANNT);
    // Only from column 100 on: the orbit type letter "P" of column 5 is not searched,
    // the reference columns are.
    EXPECT_TRUE(Komet_Suchen("MPEC 2022", kontext_, objekt_));
    EXPECT_FALSE(Komet_Suchen("0002P", kontext_, objekt_));
}

TEST_F(Suche, KometFehlerWerdenGemeldet) {
    kontext_.Daten_Ordner = (ordner_ / "fehlt").string();
    EXPECT_THROW(Komet_Suchen("ENCKE", kontext_, objekt_), Ein_Ausgabe_Fehler);
    kontext_.Daten_Ordner = ordner_.string();
    std::string z(168, ' ');
    z.replace(4, 1, "C");
    z.replace(14, 15, "2025 03 10.5000");
    z.replace(30, 9, " 0.000000"); // q = 0: no orbit
    z.replace(41, 8, "0.500000");
    z.replace(51, 28, "  40.0000   120.0000    30.0");
    z.replace(91, 9, " 9.0  4.0");
    z.replace(102, 13, "C/2099 Z9 (X)");
    std::ofstream(ordner_ / "Kometen.txt", std::ios::binary) << z << "\r\n"
                                                             << z.substr(0, 102) << "K/BAD\r\n";
    try {
        Komet_Suchen("Z9", kontext_, objekt_);
        FAIL();
    } catch (const Bereichs_Fehler& f) {
        EXPECT_NE(std::string(f.what()).find("C/2099 Z9 (X)"), std::string::npos) << f.what();
    }
    z.replace(30, 9, "  1.0x00");
    std::ofstream(ordner_ / "Kometen.txt", std::ios::binary) << z << "\r\n";
    EXPECT_THROW(Komet_Suchen("Z9", kontext_, objekt_), Konvertierungs_Fehler);
}

TEST_F(Suche, AsteroidOhneBahnWirdBeimNamenGenannt) {
    asteroiden_[3].Zeile.replace(70, 9, "1.0000000"); // e = 1 with a: q = 0
    try {
        Asteroid_Suchen("VESTA", kontext_, objekt_);
        FAIL();
    } catch (const Bereichs_Fehler& f) {
        EXPECT_NE(std::string(f.what()).find("(4) Vesta"), std::string::npos) << f.what();
    }
}
