// The line readers on their own, and the check of whole files.
#include <gtest/gtest.h>

#include "catalog/katalog_zeilen.hpp"
#include "shared/fehler.hpp"

namespace {
const std::string Daten = std::string(STELUX_TEST_DATEN) + "/catalog/";
}

TEST(KatalogZeilen, SexagesimalMitEigenerVorzeichenspalte) {
    EXPECT_DOUBLE_EQ(DE_Sexagesimal("-", "00", "30", "00"), -0.5);
    EXPECT_DOUBLE_EQ(DE_Sexagesimal("+", "00", "30", "00"), 0.5);
    EXPECT_DOUBLE_EQ(DE_Sexagesimal(" ", "01", "30", "36.0"), 1.51);
    EXPECT_DOUBLE_EQ(DE_Sexagesimal("", "01", "00", "0"), 1.0); // line ended before the sign
    EXPECT_DOUBLE_EQ(RA_Sexagesimal("23", "59", "60.0"), 24.0);
    EXPECT_THROW(DE_Sexagesimal("-", "  ", "30", "00"), Konvertierungs_Fehler);
    EXPECT_THROW(RA_Sexagesimal("1 ", "00", "00"), Konvertierungs_Fehler); // blank after digits
}

TEST(KatalogZeilen, FeldVergleichOhneKopie) {
    EXPECT_TRUE(Feld_Gleich("  m31 ", "M31", true));
    EXPECT_FALSE(Feld_Gleich("  m31 ", "M31", false));
    EXPECT_FALSE(Feld_Gleich("M310", "M31", true));
    EXPECT_TRUE(Feld_Gleich("", "", true));
    // Only ASCII letters change case; a Windows-1252 umlaut stays.
    EXPECT_FALSE(Feld_Gleich("\xe4", "\xc4", true));
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
    for (const char* feld : {"      ", "2000  ", " B1950", "  20x0"}) {
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

TEST(KatalogZeilen, EphemeridenZeile) {
    const std::string z = "2461001.000  10 01 30.00 -00 30 00.0  1.20  4.6 1.53 Sex";
    EXPECT_EQ(Ephemeriden_JD(z), 2461001.0);
    Objekt_Type o;
    Ephemeriden_Zeile_Lesen(z, "Sonne", o);
    EXPECT_EQ(o.Bezeichnung, "PSonne");
    EXPECT_EQ(o.Typ, "Sonne");
    EXPECT_DOUBLE_EQ(o.DE2000, -0.5);
    EXPECT_EQ(o.Con, "Sex");
    EXPECT_THROW(Ephemeriden_JD("JD"), Konvertierungs_Fehler);
    EXPECT_THROW(Ephemeriden_JD(""), Konvertierungs_Fehler);
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
        EXPECT_NE(text.find("line 3"), std::string::npos) << text;
        EXPECT_NE(text.find("'x2.0'"), std::string::npos) << text;
    }
    EXPECT_THROW(Katalog_Datei_Pruefen(F::Ephemeriden, Daten + "2010-2080_Horizons_Merkur.txt"),
                 Konvertierungs_Fehler);
    EXPECT_THROW(Katalog_Datei_Pruefen(F::SAO, Daten + "fehlt.txt"), Ein_Ausgabe_Fehler);
}
