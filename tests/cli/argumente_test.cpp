#include <gtest/gtest.h>

#include <stdexcept>

#include "cli/argumente.hpp"
#include "shared/konstanten.hpp"

TEST(CliArgumente, OptionenUndBezeichnung) {
    const Cli_Argumente a = Argumente_Lesen({"--zeit", "2000-01-01T12:00:00", "--daten", "/tmp/x",
                                             "--zehntel", "--zweikoerper", "omi Cet"});
    ASSERT_TRUE(a.JD_UT);
    EXPECT_EQ(*a.JD_UT, JD2000);
    EXPECT_EQ(a.Daten, "/tmp/x");
    EXPECT_TRUE(a.Zehntel);
    EXPECT_TRUE(a.Zweikoerper);
    EXPECT_FALSE(Argumente_Lesen({}).Zweikoerper);
    EXPECT_EQ(a.Bezeichnung, "omi Cet");
    EXPECT_FALSE(Argumente_Lesen({}).JD_UT);
    EXPECT_EQ(Argumente_Lesen({}).Bezeichnung, "");
    const Cli_Argumente b = Argumente_Lesen({"--beobachtbar", "--grenze", "8.5"});
    EXPECT_TRUE(b.Beobachtbar);
    EXPECT_EQ(b.Grenze, 8.5);
    EXPECT_FALSE(Argumente_Lesen({"--beobachtbar"}).Grenze);
}

TEST(CliArgumente, FehlerImAufruf) {
    for (const auto& falsch :
         std::vector<std::vector<std::string>>{{"--zeit"},
                                               {"--zeit", "2000-13-01T00:00:00"},
                                               {"--zeit", "2000-02-30T00:00:00"},
                                               {"--zeit", "2023-02-29T12:00:00"},
                                               {"--zeit", "1900-02-29T12:00:00"},
                                               {"--zeit", "1582-10-10T12:00:00"},
                                               {"--zeit", "2023-04-31T12:00:00"},
                                               {"--zeit", "2023-01-01T24:00:01"},
                                               {"--zeit", "2000-01-01T24:00:00"},
                                               {"--zeit", "2000-01-01T12:00:60"},
                                               {"--zeit", "2000-01-01T12:00:00."},
                                               {"--zeit", "2000-01-01 12:00"},
                                               {"--zeit", "2000-01-01T12:00:0x"},
                                               {"--daten"},
                                               {"--hilfe"},
                                               {"M31", "M42"},
                                               {"--grenze", "9"},
                                               {"--beobachtbar", "M31"},
                                               {"--beobachtbar", "--grenze"},
                                               {"--beobachtbar", "--grenze", "neun"},
                                               {"--beobachtbar", "--grenze", "nan"},
                                               {"--beobachtbar", "--karte", "k.png"},
                                               {"--karte", "k.png", "M31", "M42"},
                                               {"--liste", "a.txt", "M31"},
                                               {"--notieren", "gut"},
                                               {"--buch-export", "b.xml", "--liste", "a.txt"},
                                               {"--notieren", "x", "--karte", "k.png", "M31"}})
        EXPECT_THROW(Argumente_Lesen(falsch), std::invalid_argument) << falsch[0];
}

// A value is always the next word; what begins with "--" otherwise is an
// option, and the first fault in the order given is the one reported.
TEST(CliArgumente, WerteUndReihenfolge) {
    const Cli_Argumente a = Argumente_Lesen({"--notieren", "-schwach", "-5", "--daten", "--x"});
    EXPECT_EQ(a.Notiz, "-schwach");
    EXPECT_EQ(a.Bezeichnung, "-5");
    EXPECT_EQ(a.Daten, "--x");
    EXPECT_EQ(Argumente_Lesen({"--notieren", "", "M1"}).Notiz, "");
    const auto fehler = [](std::vector<std::string> args) {
        try {
            Argumente_Lesen(args);
        } catch (const std::invalid_argument& e) {
            return std::string(e.what());
        }
        return std::string();
    };
    EXPECT_EQ(fehler({"--daten", ""}), "--daten braucht einen Ordner");
    EXPECT_EQ(fehler({"--zeit=2000-01-01T00:00:00"}),
              "unbekannte Option: --zeit=2000-01-01T00:00:00");
    EXPECT_EQ(fehler({"--", "M1"}), "unbekannte Option: --");
    EXPECT_EQ(fehler({"--feld", "0", "--bunt"}), "ungültiges Feld: 0 (über 0 bis 90 Grad)");
    EXPECT_EQ(fehler({"--bunt", "--feld", "0"}), "unbekannte Option: --bunt");
    EXPECT_EQ(
        fehler({"--zeit", "2000-01-01T00:00:00", "--zeit", "x"}).rfind("ungültige Zeit: x", 0), 0u);
}

TEST(CliArgumente, HilfeUndSchaltjahre) {
    EXPECT_TRUE(Argumente_Lesen({"--help"}).Hilfe);
    EXPECT_TRUE(Argumente_Lesen({"-h", "M31"}).Hilfe);
    for (const char* t : {"2024-02-29T00:00:00", "2000-02-29T23:59:59.999", "1582-10-15T00:00:00",
                          "1582-10-04T12:00:00", "1500-02-29T12:00:00"})
        EXPECT_TRUE(Zeitpunkt_Lesen(t)) << t;
}

TEST(CliArgumente, ZeitMitBruchteilen) {
    const auto jd = Zeitpunkt_Lesen("2026-03-20T21:00:00.250");
    ASSERT_TRUE(jd);
    EXPECT_NEAR(*jd, 2461120.375 + 0.25 / 86400, 1e-9);
}
