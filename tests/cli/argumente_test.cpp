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
