// Element lines, loading of the element files and the brightness sorts.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "orbits/element_tabellen.hpp"
#include "orbits/element_zeilen.hpp"
#include "orbits/sortierung.hpp"
#include "shared/fehler.hpp"
#include "shared/konstanten.hpp"

namespace fs = std::filesystem;

namespace {
// Writes `text` into 1-based column `von` of `zeile`, widening it as needed.
void Setzen(std::string& zeile, int von, const std::string& text) {
    if (zeile.size() < static_cast<std::size_t>(von - 1 + text.size()))
        zeile.resize(von - 1 + text.size(), ' ');
    zeile.replace(von - 1, text.size(), text);
}

std::string Zahl(const char* format, double x) {
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, format, x);
    return puffer;
}

// An asteroid line in the asteroid orbit database layout.
std::string Asteroid(const std::string& name, double H = 7.5, double M = 10.0, double e = 0.1,
                     double a = 2.5, const std::string& epoche = "K24AH", double n = 0.25) {
    std::string z;
    Setzen(z, 1, "12345");
    Setzen(z, 9, Zahl("%5.2f", H));
    Setzen(z, 15, Zahl("%5.2f", 0.15));
    Setzen(z, 21, epoche);
    Setzen(z, 27, Zahl("%9.5f", M));
    Setzen(z, 38, Zahl("%9.5f", 120.0));
    Setzen(z, 49, Zahl("%9.5f", 80.0));
    Setzen(z, 60, Zahl("%9.5f", 10.0));
    Setzen(z, 71, Zahl("%9.7f", e));
    Setzen(z, 81, Zahl("%11.8f", n));
    Setzen(z, 93, Zahl("%11.7f", a));
    Setzen(z, 167, name);
    return z;
}

// A comet line in the comet element list layout.
std::string Komet(const std::string& name, double q = 1.2, double e = 0.8, double H = 9.0) {
    std::string z;
    Setzen(z, 1, "0099P");
    Setzen(z, 15, "2025 03 10.5000");
    Setzen(z, 31, Zahl("%9.6f", q));
    Setzen(z, 42, Zahl("%8.6f", e));
    Setzen(z, 52, "  40.0000   120.0000    30.0000");
    Setzen(z, 92, Zahl("%4.1f", H));
    Setzen(z, 97, " 4.0");
    Setzen(z, 103, name);
    Setzen(z, 160, "MPC 12345");
    return z;
}

class Ordner : public testing::Test {
protected:
    void SetUp() override {
        pfad_ =
            fs::temp_directory_path() /
            ("stelux_orbits_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(pfad_);
    }
    void TearDown() override { fs::remove_all(pfad_); }

    std::string Datei(const std::string& name, const std::string& inhalt) {
        const fs::path p = pfad_ / name;
        std::ofstream(p, std::ios::binary) << inhalt;
        return p.string();
    }
    static std::string Zeilen(const std::vector<std::string>& zeilen) {
        std::string s;
        for (const auto& z : zeilen) s += z + "\r\n";
        return s;
    }
    fs::path pfad_;
};
} // namespace

TEST(Packdatum, DecodePackedDate) {
    Packdatum d = DecodePackedDate("K24AH");
    EXPECT_EQ(d.Jahr, 2024);
    EXPECT_EQ(d.Monat, 10);
    EXPECT_EQ(d.Tag, 17.0);
    d = DecodePackedDate("J9611");
    EXPECT_EQ(d.Jahr, 1996);
    EXPECT_EQ(d.Monat, 1);
    EXPECT_EQ(d.Tag, 1.0);
    EXPECT_EQ(DecodePackedDate("I99CV").Jahr, 1899);
    EXPECT_EQ(DecodePackedDate("I99CV").Tag, 31.0);
    EXPECT_DOUBLE_EQ(DecodePackedDate("K24AH5").Tag, 17.5);
    EXPECT_DOUBLE_EQ(DecodePackedDate("K24AH0625").Tag, 17.0625);
    EXPECT_THROW(DecodePackedDate("K24A"), Bereichs_Fehler);
    EXPECT_THROW(DecodePackedDate("KxxAH"), Konvertierungs_Fehler);
    EXPECT_THROW(DecodePackedDate("K24AHx"), Konvertierungs_Fehler);
}

TEST(Elementzeile, AsteroidMitMittlererAnomalieNullHatPerihelZurEpoche) {
    Asteroid_Type a;
    a.Zeile = Asteroid("(99) Test Stern", 7.5, 0.0);
    a.Nummer = 1;
    ASSERT_TRUE(Asteroid_Zerlegen(a));
    EXPECT_EQ(a.Bezeichnung, "12345");
    EXPECT_EQ(a.Name, "(99) Test Stern");
    EXPECT_EQ(a.Epoche, "K24AH");
    EXPECT_EQ(a.Peri_Jahr, 2024);
    EXPECT_EQ(a.Peri_Monat, 10);
    EXPECT_EQ(a.Peri_Tag, 17);
    EXPECT_EQ(a.Peri_Stunde, 0.0);
    EXPECT_EQ(a.Peri_Minute, 0.0);
    EXPECT_EQ(a.Peri_Sekunde, 0.0);
    // 10 degrees at 0.25 degrees a day: 40 days earlier.
    a.Zeile = Asteroid("x", 7.5, 10.0);
    ASSERT_TRUE(Asteroid_Zerlegen(a));
    EXPECT_EQ(a.Peri_Monat, 9);
    EXPECT_EQ(a.Peri_Tag, 7);
    // No mean motion: the perihelion passage is unknown.
    a.Zeile = Asteroid("x", 7.5, 10.0, 0.1, 2.5, "K24AH", 0.0);
    EXPECT_FALSE(Asteroid_Zerlegen(a));
}

TEST(Elementzeile, KometFelderUnbeschnitten) {
    Komet_Type k;
    k.Zeile = Komet("C/2025 A1 (Test)");
    Komet_Zerlegen(k);
    EXPECT_EQ(k.Typ, 'P');
    EXPECT_EQ(k.Bezeichnung, "       ");
    EXPECT_EQ(k.Peri_Jahr, 2025);
    EXPECT_EQ(k.Peri_Monat, 3);
    EXPECT_DOUBLE_EQ(k.Peri_Tag, 10.5);
    EXPECT_DOUBLE_EQ(k.q, 1.2);
    EXPECT_DOUBLE_EQ(k.K, 4.0);
    EXPECT_EQ(k.Name.substr(0, 16), "C/2025 A1 (Test)");
    EXPECT_EQ(k.Name.size(), 56u); // blanks up to column 158 stay
    EXPECT_EQ(k.Referenz, "MPC 12345");
    k.Zeile = "0099";
    k.Nummer = 7;
    try {
        Komet_Zerlegen(k);
        FAIL();
    } catch (const Bereichs_Fehler& f) {
        EXPECT_NE(std::string(f.what()).find("Zeile 7"), std::string::npos) << f.what();
    }
}

TEST_F(Ordner, LadenUndAuswertenInDateiordnung) {
    const std::string pa =
        Datei("Asteroiden.txt", Zeilen({Asteroid("(1) Eins", 9.0), Asteroid("(2) Zwei", 5.0)}));
    const std::string pk = Datei("Kometen.txt", Zeilen({Komet("1P/Eins")}));
    Asteroiden_Tabelle a;
    Kometen_Tabelle k;
    std::int32_t na = -1, nk = -1;
    EXPECT_EQ(Asteroiden_Zeilen_Laden(pa, a, na), 0);
    EXPECT_EQ(Kometen_Zeilen_Laden(pk, k, nk), 0);
    ASSERT_EQ(na, 2);
    ASSERT_EQ(nk, 1);
    EXPECT_EQ(a.size(), 6001u);
    EXPECT_EQ(a[2].Nummer, 2);
    EXPECT_TRUE(a[2].Name.empty()); // not yet cut into fields
    Asteroiden_Auswerten(a, na, 2460700.5);
    Kometen_Auswerten(k, nk, 2460700.5);
    EXPECT_EQ(a[1].Name, "(1) Eins");
    EXPECT_LT(a[2].Helligkeit, a[1].Helligkeit); // same orbit, H smaller by 4
    EXPECT_NEAR(a[1].Helligkeit - a[2].Helligkeit, 4.0, 1e-9);
    EXPECT_LT(k[1].Helligkeit, 40.0);
}

TEST_F(Ordner, LeereDateiUndZeilenenden) {
    Asteroiden_Tabelle a;
    std::int32_t n = 5;
    EXPECT_EQ(Asteroiden_Zeilen_Laden(Datei("leer.txt", ""), a, n), 0);
    EXPECT_EQ(n, 0);
    Asteroiden_Auswerten(a, n, 2460700.5); // nothing to do
    Kometen_Tabelle k;
    // LF only, no line end after the last line, and one blank line in between.
    Kometen_Zeilen_Laden(Datei("k.txt", Komet("A") + "\n" + Komet("B")), k, n);
    EXPECT_EQ(n, 2);
    EXPECT_EQ(k[2].Zeile, Komet("B"));
    Kometen_Zeilen_Laden(Datei("k2.txt", Komet("A") + "\r\n\r\n" + Komet("B") + "\r\n"), k, n);
    EXPECT_EQ(n, 3);
    EXPECT_EQ(k[1].Zeile, Komet("A")); // CR is not part of the line
    // A blank line is shorter than a comet line's type column; for an asteroid
    // it is an empty number.
    EXPECT_THROW(Kometen_Auswerten(k, n, 2460700.5), Bereichs_Fehler);
    Asteroiden_Zeilen_Laden(Datei("a.txt", Zeilen({Asteroid("x"), ""})), a, n);
    EXPECT_THROW(Asteroiden_Auswerten(a, n, 2460700.5), Konvertierungs_Fehler);
    EXPECT_THROW(Asteroiden_Zeilen_Laden((pfad_ / "fehlt.txt").string(), a, n), Ein_Ausgabe_Fehler);
}

TEST_F(Ordner, UeberlangeDateiFuelltHoechstens6000Eintraege) {
    std::string inhalt;
    const std::string z = Komet("C/1 (x)");
    for (int i = 0; i < 6003; ++i) inhalt += z + "\r\n";
    Kometen_Tabelle k;
    std::int32_t n = 0;
    EXPECT_EQ(Kometen_Zeilen_Laden(Datei("k.txt", inhalt), k, n), 3);
    EXPECT_EQ(n, 6000);
    EXPECT_EQ(k.size(), 6001u);
    EXPECT_EQ(k[6000].Nummer, 6000);
    // A count larger than the table is never followed past its end.
    Kometen_Auswerten(k, 7000, 2460700.5);
    EXPECT_NE(k[6000].Helligkeit, 0.0);
}

TEST_F(Ordner, FehlerNenntZeileUndLaesstSpaetereUnberuehrt) {
    std::string kaputt = Asteroid("(3) Drei");
    kaputt.replace(26, 9, "  12.x4  "); // mean anomaly, columns 27-35
    const std::string p =
        Datei("a.txt",
              Zeilen({Asteroid("(1) Eins"), Asteroid("(2) Zwei"), kaputt, Asteroid("(4) Vier")}));
    Asteroiden_Tabelle a;
    std::int32_t n = 0;
    Asteroiden_Zeilen_Laden(p, a, n);
    try {
        Asteroiden_Auswerten(a, n, 2460700.5);
        FAIL();
    } catch (const Konvertierungs_Fehler& f) {
        EXPECT_NE(std::string(f.what()).find("Zeile 3"), std::string::npos) << f.what();
    }
    EXPECT_EQ(a[2].Name, "(2) Zwei");
    EXPECT_NE(a[2].Helligkeit, 0.0);
    EXPECT_EQ(a[3].Epoche, "K24AH"); // partly filled
    EXPECT_TRUE(a[4].Name.empty());
    EXPECT_EQ(a[4].Nummer, 4);

    // An asteroid line that ends inside the epoch lacks its numbers too.
    Asteroiden_Zeilen_Laden(Datei("b.txt", Zeilen({Asteroid("x").substr(0, 23)})), a, n);
    try {
        Asteroiden_Auswerten(a, n, 2460700.5);
        FAIL();
    } catch (const Konvertierungs_Fehler& f) {
        EXPECT_NE(std::string(f.what()).find("Zeile 1"), std::string::npos) << f.what();
    }
}

// Elements without an orbit give no brightness; the evaluation goes on.
TEST_F(Ordner, UnmoeglicheBahnBekommtKeineHelligkeit) {
    Asteroiden_Tabelle a;
    Kometen_Tabelle k;
    std::int32_t na = 0, nk = 0;
    Asteroiden_Zeilen_Laden(
        Datei("a.txt",
              Zeilen({Asteroid("(1) Null", 7, 10, 1.0, 2.5),
                      Asteroid("(2) Ohne", 7, 10, 0.1, 2.5, "K24AH", 0.0), Asteroid("(3) Gut")})),
        a, na);
    Kometen_Zeilen_Laden(
        Datei("k.txt", Zeilen({Komet("Null", 0.0), Komet("Para", 0.0, 1.0), Komet("Gut")})), k, nk);
    Asteroiden_Auswerten(a, na, 2460700.5);
    Kometen_Auswerten(k, nk, 2460700.5);
    EXPECT_EQ(a[1].Helligkeit, UNBEKANNT);
    EXPECT_EQ(a[2].Helligkeit, UNBEKANNT);
    EXPECT_LT(a[3].Helligkeit, 30.0);
    EXPECT_EQ(k[1].Helligkeit, UNBEKANNT);
    EXPECT_EQ(k[2].Helligkeit, UNBEKANNT);
    EXPECT_LT(k[3].Helligkeit, 30.0);
    // They sort after every real magnitude.
    Asteroiden_Nach_Helligkeit(a, na);
    EXPECT_EQ(a[1].Nummer, 3);
}

TEST(Sortierung, HelligkeitUndZurueckZurDateiordnung) {
    const std::vector<double> mag = {9.1, 5.0, 12.3, 5.0, 7.7, 15.0, 5.0, 1.2, 9.1, 8.0, 6.6};
    Asteroiden_Tabelle a(6001);
    const auto n = static_cast<std::int32_t>(mag.size());
    for (std::int32_t i = 1; i <= n; ++i) {
        a[i].Nummer = i;
        a[i].Helligkeit = mag[i - 1];
        a[i].Zeile = "Zeile " + std::to_string(i);
    }
    Asteroiden_Nach_Helligkeit(a, n);
    for (std::int32_t i = 1; i < n; ++i) EXPECT_LE(a[i].Helligkeit, a[i + 1].Helligkeit);
    EXPECT_EQ(a[1].Nummer, 8);
    // The three equal magnitudes stand together, each record whole.
    for (std::int32_t i = 2; i <= 4; ++i) {
        EXPECT_EQ(a[i].Helligkeit, 5.0);
        EXPECT_EQ(a[i].Zeile, "Zeile " + std::to_string(a[i].Nummer));
    }
    // Ties keep the file order: the asteroid search takes the first match.
    const std::vector<std::int32_t> reihe = {8, 2, 4, 7, 11, 5, 10, 1, 9, 3, 6};
    for (std::int32_t i = 1; i <= n; ++i) EXPECT_EQ(a[i].Nummer, reihe[i - 1]) << i;
    EXPECT_EQ(a[n + 1].Nummer, 0); // nothing beyond the count is touched
    Asteroiden_Nach_Nummer(a, n);
    for (std::int32_t i = 1; i <= n; ++i) {
        EXPECT_EQ(a[i].Nummer, i);
        EXPECT_EQ(a[i].Helligkeit, mag[i - 1]);
    }
}

TEST(Sortierung, KometenUndKleineTabellen) {
    Kometen_Tabelle k(6001);
    Kometen_Nach_Helligkeit(k, 0);
    k[1].Nummer = 1;
    k[1].Helligkeit = 3;
    Kometen_Nach_Helligkeit(k, 1);
    EXPECT_EQ(k[1].Nummer, 1);
    for (int i = 1; i <= 300; ++i) {
        k[i].Nummer = i;
        k[i].Helligkeit = (i * 37) % 101 * 0.1;
    }
    Kometen_Nach_Helligkeit(k, 300);
    for (int i = 1; i < 300; ++i) ASSERT_LE(k[i].Helligkeit, k[i + 1].Helligkeit);
    Kometen_Nach_Nummer(k, 300);
    for (int i = 1; i <= 300; ++i) ASSERT_EQ(k[i].Nummer, i);
    // A count beyond a short table stops at its end.
    Kometen_Tabelle kurz(3);
    kurz[1].Nummer = 2;
    kurz[2].Nummer = 1;
    Kometen_Nach_Nummer(kurz, 6000);
    EXPECT_EQ(kurz[1].Nummer, 1);
}

// Values out of their range are errors naming the line; at start-up such a
// line is left out and the rest of the file is loaded.
TEST_F(Ordner, WerteAusserhalbIhresBereichsWerdenAusgelassen) {
    std::string mai31 = Komet("Mai");
    mai31.replace(14, 15, "2025 02 30.5000"); // 30 February
    struct Fall {
        std::string zeile, meldung;
    } faelle[] = {
        {Komet("Neg", 1.0, -0.2), "Exzentrizität -0.2"},
        {Komet("Hell", 1.0, 0.5, 99.0), "Helligkeit 99"},
        {mai31, "Tag 30"},
    };
    for (const auto& f : faelle) {
        Kometen_Tabelle k;
        std::int32_t n = 0;
        Kometen_Zeilen_Laden(Datei("k.txt", Zeilen({Komet("A"), f.zeile, Komet("B")})), k, n);
        const Auslassungen weg = Kometen_Auswerten_Auslassend(k, n, 2460700.5);
        EXPECT_EQ(weg.Anzahl, 1);
        EXPECT_NE(weg.Erste_Meldung.find("Kometen.txt, Zeile 2: " + f.meldung), std::string::npos)
            << weg.Erste_Meldung;
        ASSERT_EQ(n, 2);
        EXPECT_EQ(k[2].Nummer, 3);
        EXPECT_LT(k[2].Helligkeit, 40.0);
    }
    // Packed epochs: month M (22), day 0 and 30 February do not exist.
    for (const char* epoche : {"K24MH", "K24A0", "K242U"}) {
        Asteroiden_Tabelle a;
        std::int32_t n = 0;
        Asteroiden_Zeilen_Laden(Datei("a.txt", Zeilen({Asteroid("x", 7.5, 10, 0.1, 2.5, epoche)})),
                                a, n);
        EXPECT_THROW(Asteroiden_Auswerten(a, n, 2460700.5), Bereichs_Fehler) << epoche;
    }
}
