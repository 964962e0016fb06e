// The line readers on their own, and the check of whole files.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "catalog/katalog_ordner.hpp"
#include "catalog/katalog_zeilen.hpp"
#include "eigener_ordner.hpp"
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
    const fs::path datei = Eigener_Temp_Pfad("stelux_ephemeride_test.txt");
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

// Damaged lines: control characters become blanks, values out of their range
// are errors, and the lookup names the file and the line.
TEST(KatalogZeilen, BeschaedigteZeilen) {
    const std::string m31 =
        "M31   And004244.3+411609 4.4 3.4190.0 60.0Gx         0.78Andromeda Galaxy";
    Objekt_Type o;
    std::string z = m31;
    z[60] = '\t';
    z[62] = '\0';
    z[64] = '\r';
    NGC_Zeile_Lesen(z, o);
    EXPECT_EQ(o.Alias, "And o e a Galaxy");
    struct Fall {
        std::size_t spalte;
        const char* text;
        const char* meldung;
    } faelle[] = {
        {29, "9e99", "Helligkeit 9e+99"},  {51, "  1e300", "Distanz 1e+300"},
        {19, "95", "Deklination 95.2692"}, {12, "61", "Minuten 61"},
        {14, "60.5", "Sekunden 60.5"},     {10, "24", "Stunden 24"},
        {33, "-12.0", "Distanz -12"},
    };
    for (const auto& f : faelle) {
        z = m31;
        z.replace(f.spalte - 1, std::strlen(f.text), f.text);
        try {
            NGC_Zeile_Lesen(z, o);
            ADD_FAILURE() << f.text;
        } catch (const Bereichs_Fehler& e) {
            EXPECT_NE(std::string(e.what()).find(f.meldung), std::string::npos) << e.what();
        }
    }
    // CR-only line ends, and the error of a damaged line found by the lookup.
    const fs::path ordner = Eigener_Temp_Pfad("stelux_beschaedigt");
    fs::create_directories(ordner);
    z = m31;
    z.replace(28, 4, "99.9");
    std::ofstream(ordner / Datei_NGC, std::ios::binary) << "NAME\r" << m31 << "\r" << z << "\r";
    try {
        Katalog_Datei_Pruefen(Katalog_Format::NGC, (ordner / Datei_NGC).string());
        ADD_FAILURE();
    } catch (const Bereichs_Fehler& e) {
        EXPECT_NE(std::string(e.what()).find(Datei_NGC + std::string(", Zeile 3: Helligkeit 99.9")),
                  std::string::npos)
            << e.what();
    }
    fs::remove_all(ordner);
}

TEST(KatalogOrdner, FehlendeDateienMitOrdnerUndAbhilfe) {
    const fs::path ordner = Eigener_Temp_Pfad("stelux_katalogordner");
    fs::remove_all(ordner);
    fs::create_directories(ordner);
    const auto leer = Fehlende_Katalogdateien(ordner.string());
    EXPECT_GE(leer.size(), 16u); // eight catalogues and the ephemeris tables
    const std::string text = Katalog_Hinweis(ordner.string(), leer);
    EXPECT_NE(text.find(ordner.string() + ", in dem Stelux gestartet wurde, liegen keine"),
              std::string::npos);
    EXPECT_NE(text.find("./einrichten.sh starten"), std::string::npos);
    std::ofstream(ordner / Datei_SAO) << "";
    const auto fast = Fehlende_Katalogdateien(ordner.string());
    EXPECT_EQ(fast.size(), leer.size() - 1);
    EXPECT_NE(Katalog_Hinweis("/k", fast).find("fehlen:\n  " + std::string(Datei_NGC)),
              std::string::npos);
    EXPECT_EQ(Katalog_Hinweis("/k", {}), "");
    fs::remove_all(ordner);
}
