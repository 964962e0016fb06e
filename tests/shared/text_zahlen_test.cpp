#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "shared/fehler.hpp"
#include "shared/text.hpp"
#include "shared/zahlen.hpp"
#include "shared/zeilen_leser.hpp"

TEST(Text, SpaltenZaehlenBytesUndSchneidenAmZeilenende) {
    EXPECT_EQ(Spalten("M31  And", 1, 6), "M31  A");
    EXPECT_EQ(Spalten("M31", 2, 10), "31");
    EXPECT_EQ(Spalten("M31", 5, 10), "");
    EXPECT_EQ(Spalten("", 1, 1), "");
    EXPECT_EQ(Trimmen("\t  R CrB \r"), "R CrB");
    EXPECT_EQ(Gross("omi cet äü"), "OMI CET äü");
    // Windows-1252 umlauts and the degree sign are one byte each.
    EXPECT_EQ(Cp1252_Zu_Utf8("\xF6stliche L\xE4nge (\xB0) \x80"), "östliche Länge (°) €");
    EXPECT_EQ(Utf8_Zu_Cp1252("östliche Länge (°) € α"), "\xF6stliche L\xE4nge (\xB0) \x80 ?");
    EXPECT_EQ(Text_Feld("  M\xF6nch  x", 1, 9), "Mönch");
}

TEST(Zahlen, FestImmerMitPunkt) {
    std::setlocale(LC_ALL, "de_DE.UTF-8"); // decimal comma where the locale exists
    EXPECT_EQ(Fest(7.47497, 5), "7.47497");
    EXPECT_EQ(Fest(-1.5, 5), "-1.50000");
    EXPECT_EQ(Fest(0.78, 1), "0.8");
    EXPECT_EQ(Fest(10.4, 0), "10");
    EXPECT_EQ(Fest(2451545, 5), "2451545.00000");
    EXPECT_EQ(Fest(-0.04, 1), "0.0");
    EXPECT_EQ(Fest(-0.2, 1), "-0.2");
    EXPECT_EQ(Fest(1234567.891, 2), "1234567.89");
    // Exact halves round away from zero; values merely near a half round to nearest.
    EXPECT_EQ(Fest(-1.25, 1), "-1.3");
    EXPECT_EQ(Fest(0.125, 2), "0.13");
    EXPECT_EQ(Fest(10.5, 0), "11");
    EXPECT_EQ(Fest(9.5, 0), "10");
    EXPECT_EQ(Fest(-99.95, 1), "-100.0"); // -99.95 is a little below the half in binary
    EXPECT_EQ(Fest(0.15, 1), "0.1");      // 0.15 is 0.1499999... in binary
    EXPECT_EQ(Fest(-0.5, 0), "-1");
    EXPECT_EQ(Rechtsbuendig("40", 4), "  40");
    EXPECT_EQ(Rechtsbuendig("12345", 4), "12345");
    EXPECT_DOUBLE_EQ(Reell_Lesen(" 12.5 "), 12.5);
    std::setlocale(LC_ALL, "C");
}

TEST(Zahlen, FelderStrengGelesen) {
    EXPECT_EQ(Ganzzahl_Lesen(" 07"), 7);
    EXPECT_THROW(Ganzzahl_Lesen("-3"), Konvertierungs_Fehler); // signs have their own column
    EXPECT_THROW(Ganzzahl_Lesen("+3"), Konvertierungs_Fehler);
    EXPECT_THROW(Ganzzahl_Lesen("7 "), Konvertierungs_Fehler);
    EXPECT_THROW(Ganzzahl_Lesen("  "), Konvertierungs_Fehler);
    EXPECT_THROW(Ganzzahl_Lesen("1.5"), Konvertierungs_Fehler);
    EXPECT_DOUBLE_EQ(Reell_Lesen("-0.5"), -0.5);
    EXPECT_DOUBLE_EQ(Reell_Lesen("+1e3"), 1000);
    EXPECT_DOUBLE_EQ(Reell_Lesen("  .5"), 0.5);
    EXPECT_THROW(Reell_Lesen("    "), Konvertierungs_Fehler);
    EXPECT_THROW(Reell_Lesen("12,5"), Konvertierungs_Fehler);
    EXPECT_THROW(Reell_Lesen("1.2.3"), Konvertierungs_Fehler);
    try {
        Reell_Lesen("12,5");
        FAIL();
    } catch (const Konvertierungs_Fehler& f) {
        EXPECT_NE(std::string(f.what()).find("'12,5'"), std::string::npos);
    }
}

namespace {
std::filesystem::path Testdatei(const std::string& inhalt) {
    // One name per process: test programs of several builds run at once. The
    // blank and the umlauts: a user's folder name, given to the reader in UTF-8.
    const auto ordner = std::filesystem::temp_directory_path() /
                        Pfad_Aus_Utf8("stelux test Ümläute " + std::to_string(::getpid()));
    std::filesystem::create_directories(ordner);
    const auto pfad = ordner / "stelux_zeilen_test.txt";
    std::ofstream(pfad, std::ios::binary) << inhalt;
    return pfad;
}

std::vector<std::string> Alle_Zeilen(const std::string& inhalt) {
    Zeilen_Leser l(Utf8_Aus_Pfad(Testdatei(inhalt)));
    std::vector<std::string> zeilen;
    std::string_view z;
    while (l.Naechste(z)) zeilen.emplace_back(z);
    return zeilen;
}
} // namespace

TEST(ZeilenLeser, JedesZeilenende) {
    using V = std::vector<std::string>;
    struct Fall {
        std::string inhalt;
        V zeilen;
    } faelle[] = {
        {"eins\r\nzwei\n\r\nletzte", {"eins", "zwei", "", "letzte"}},
        {"a\rb\rc\r", {"a", "b", "c"}},
        {"a\r\rb", {"a", "", "b"}},
        {"a\n", {"a"}},
        // Line ends on either side of a 16-byte step of the search.
        {std::string(15, 'a') + "\r" + std::string(16, 'b') + "\n" + std::string(17, 'c') + "\r\n" +
             std::string(31, 'd') + "\r",
         {std::string(15, 'a'), std::string(16, 'b'), std::string(17, 'c'), std::string(31, 'd')}},
        {"", {}},
        {std::string(262142, 'y') + "\r\nz", {}},
    };
    for (const auto& f : faelle) {
        if (f.zeilen.empty() && !f.inhalt.empty()) {
            EXPECT_THROW(Alle_Zeilen(f.inhalt), Ein_Ausgabe_Fehler);
            continue;
        }
        EXPECT_EQ(Alle_Zeilen(f.inhalt), f.zeilen) << f.inhalt;
    }
    // The CR of the fifth line is the last byte of the first 256 KiB read: the
    // CR LF split between two reads must stay one line end.
    const std::string block(65000, 'x');
    const std::string zeilen_text =
        block + "\r\n" + block + "\r\n" + block + "\r\n" + block + "\r\n";
    const auto zeilen = Alle_Zeilen(zeilen_text + std::string(2135, 'y') + "\r\nende");
    ASSERT_EQ(zeilen.size(), 6u);
    EXPECT_EQ(zeilen[3], block);
    EXPECT_EQ(zeilen[4].size(), 2135u);
    EXPECT_EQ(zeilen[5], "ende");
}

TEST(ZeilenLeser, UeberlangeZeileNenntDateiUndZeile) {
    try {
        Alle_Zeilen("kopf\n" + std::string(70000, 'x'));
        FAIL();
    } catch (const Ein_Ausgabe_Fehler& f) {
        EXPECT_NE(
            std::string(f.what()).find("stelux_zeilen_test.txt, Zeile 2: Zeile länger als 64 KiB"),
            std::string::npos)
            << f.what();
    }
}

// The full path in the system's form (on Windows with the drive and '\\').
std::string System_Pfad(const char* pfad) {
#ifdef _WIN32
    return std::filesystem::absolute(pfad).lexically_normal().string();
#else
    return pfad;
#endif
}

TEST(ZeilenLeser, FehlendeDateiNenntDenVollenPfad) {
    try {
        Zeilen_Leser l("/nonexistent/Hipparcos_J2000.txt");
        FAIL();
    } catch (const Ein_Ausgabe_Fehler& f) {
        EXPECT_EQ(f.what(), "File not found: " + System_Pfad("/nonexistent/Hipparcos_J2000.txt"));
    }
    EXPECT_THROW(Zeilen_Leser(std::filesystem::temp_directory_path().string()), Ein_Ausgabe_Fehler);
    // A file the account may not read is no missing file (root reads every file,
    // so the system's answer is given here directly).
    EXPECT_EQ(Oeffnungs_Fehler("/daten/SAO_J2000.txt", EACCES).what(),
              "Keine Leseberechtigung: " + System_Pfad("/daten/SAO_J2000.txt"));
}
