// The line readers on their own, and the check of whole files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "catalog/katalog_zeilen.hpp"
#include "shared/fehler.hpp"

namespace fs = std::filesystem;

namespace {
const std::string Daten = std::string(STELUX_TEST_DATEN) + "/catalog/";
}

namespace {
// An own-objects line with the given texts from the given columns.
std::string Eigene_Zeile(std::initializer_list<std::pair<int, std::string>> felder) {
    std::string z;
    for (const auto& [spalte, text] : felder) {
        const auto von = static_cast<std::size_t>(spalte - 1);
        if (z.size() < von + text.size()) z.resize(von + text.size(), ' ');
        z.replace(von, text.size(), text);
    }
    return z;
}
} // namespace

TEST(KatalogZeilen, EigenesObjektAequinoktiumsfeld) {
    // Column 3 and column 15 choose the notation independently.
    auto e = Eigenes_Objekt_Lesen(Eigene_Zeile({{1, "05:30:00.0"},
                                                {12, "-05:30:00"},
                                                {22, "12.25"},
                                                {31, "-0.5"},
                                                {40, "  1950"},
                                                {47, "Name"}}));
    EXPECT_DOUBLE_EQ(e.RA, 5.5);
    EXPECT_DOUBLE_EQ(e.DE, -5.5);
    ASSERT_TRUE(e.Aequinoktium);
    EXPECT_EQ(*e.Aequinoktium, 1950);
    EXPECT_EQ(e.Name, "Name");
    e = Eigenes_Objekt_Lesen(Eigene_Zeile(
        {{1, "05 30 00.0"}, {12, "-05 30 00"}, {22, "12.25"}, {31, "-0.5"}, {40, "1950.5"}}));
    EXPECT_DOUBLE_EQ(e.RA, 12.25);
    EXPECT_DOUBLE_EQ(e.DE, -0.5);
    EXPECT_EQ(*e.Aequinoktium, 1950.5);
    // Not numbers of the field: blank, trailing blank, text.
    for (const char* feld : {"      ", "2000  ", " B1950", "  20x0", "   nan", "  -inf"}) {
        e = Eigenes_Objekt_Lesen(
            Eigene_Zeile({{1, "05:30:00.0"}, {12, "-05:30:00"}, {40, feld}, {47, "N"}}));
        EXPECT_FALSE(e.Aequinoktium) << feld;
    }
    // A line that ends inside the field: the part that exists.
    e = Eigenes_Objekt_Lesen(Eigene_Zeile({{1, "05:30:00.0"}, {12, "-05:30:00"}, {40, "  20"}}));
    EXPECT_EQ(*e.Aequinoktium, 20);
    EXPECT_EQ(e.Name, "");
    // A line too short for its decimal fields is malformed.
    EXPECT_THROW(Eigenes_Objekt_Lesen("5.5"), Konvertierungs_Fehler);
}

TEST(KatalogZeilen, GanzeDateienPruefen) {
    using F = Katalog_Format;
    EXPECT_EQ(Katalog_Datei_Pruefen(F::SAO, Daten + "SAO_J2000.txt"), 3);
    EXPECT_EQ(Katalog_Datei_Pruefen(F::HIP, Daten + "Hipparcos_J2000.txt"), 4);
    EXPECT_EQ(Katalog_Datei_Pruefen(F::Veraenderliche, Daten + "Variable_Stars_AAVSO.txt"), 2);
    EXPECT_EQ(Katalog_Datei_Pruefen(F::Eigene, Daten + "Eigene_Objekte.txt"), 6);
    EXPECT_EQ(
        Katalog_Datei_Pruefen(F::Fotometrie, Daten + "Landolt_Faint_Photometric_Standards.txt"), 2);
    EXPECT_EQ(Katalog_Datei_Pruefen(F::Geostat, Daten + "Geosynchrone_Satelliten.txt"), 2);
    EXPECT_EQ(Katalog_Datei_Pruefen(F::Helle_Sterne, Daten + "Bright_Stars_Proper_Names_SAO.txt"),
              7);
    EXPECT_EQ(Katalog_Datei_Pruefen(F::Flamsteed, Daten + "Flamsteed_Bayer_HD_CrossReference.txt"),
              2);
    EXPECT_EQ(Katalog_Datei_Pruefen(F::Ephemeriden, Daten + "2010-2080_Horizons_Mars.txt"), 3);
    // The malformed M99 line is the third line of its file.
    try {
        Katalog_Datei_Pruefen(F::NGC, Daten + "NGC_IC_Messier_Catalogue_Revised.txt");
        FAIL() << "no error";
    } catch (const Konvertierungs_Fehler& f) {
        const std::string text = f.what();
        EXPECT_NE(text.find("Zeile 3"), std::string::npos) << text;
        EXPECT_NE(text.find("'x2.0'"), std::string::npos) << text;
    }
    EXPECT_THROW(Katalog_Datei_Pruefen(F::Ephemeriden, Daten + "2010-2080_Horizons_Merkur.txt"),
                 Konvertierungs_Fehler);
    EXPECT_THROW(Katalog_Datei_Pruefen(F::SAO, Daten + "fehlt.txt"), Ein_Ausgabe_Fehler);
    EXPECT_THROW(Zeile_Pruefen(F::Geostat, "EUTELSAT OHNE LAENGE"), Konvertierungs_Fehler);
    EXPECT_THROW(Zeile_Pruefen(F::HIP, "     10000   inf"), Konvertierungs_Fehler);
}

TEST(KatalogZeilen, EphemeridenOhneLuecke) {
    const fs::path datei = fs::temp_directory_path() / "stelux_ephemeride_test.txt";
    const std::string rest = "  10 01 30.00 -00 30 00.0  1.20  4.6 1.53 Sex\r\n";
    std::ofstream(datei, std::ios::binary) << "2461001.000" << rest << "2461001.500" << rest;
    EXPECT_EQ(Katalog_Datei_Pruefen(Katalog_Format::Ephemeriden, datei.string()), 2);
    for (const char* zweite : {"2461001.501", "2461000.500"}) {
        std::ofstream(datei, std::ios::binary) << "2461001.000" << rest << zweite << rest;
        EXPECT_THROW(Katalog_Datei_Pruefen(Katalog_Format::Ephemeriden, datei.string()),
                     Bereichs_Fehler)
            << zweite;
    }
    fs::remove(datei);
}

TEST(KatalogZeilen, DeepSkyOhneHelligkeitenUndDistanz) {
    // B, V and distance 0 all mean "not known": nothing of them may reach the window.
    Objekt_Type o;
    NGC_Zeile_Lesen("N1234 Eri031234.5-071234 0.0 0.0  1.0  0.5Gx          0.0", o);
    EXPECT_EQ(o.BMag, UNBEKANNT);
    EXPECT_EQ(o.VMag, UNBEKANNT);
    EXPECT_EQ(o.Distanz, UNBEKANNT);
    EXPECT_EQ(o.Distanz_Einheit, "");
    EXPECT_NEAR(o.DE2000, -(7 + 12 / 60.0 + 34 / 3600.0), 1e-12);
    // Its arcseconds are whole numbers: digits only, right-aligned.
    NGC_Zeile_Lesen("N1234 Eri031234.5-0712 4 0.0 0.0  1.0  0.5Gx          0.0", o);
    EXPECT_NEAR(o.DE2000, -(7 + 12 / 60.0 + 4 / 3600.0), 1e-12);
    for (const char* sek : {".5", "4 ", "4."}) {
        const std::string z =
            "N1234 Eri031234.5-0712" + std::string(sek) + " 0.0 0.0  1.0  0.5Gx          0.0";
        EXPECT_THROW(NGC_Zeile_Lesen(z, o), Konvertierungs_Fehler) << sek;
    }
}
