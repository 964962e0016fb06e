// Reads the catalogue folder that the set-up built (STELUX_KATALOG) with the
// program's own line readers: every line of every file must convert. Skipped
// when no folder is named.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "catalog/katalog_zeilen.hpp"
#include "orbits/element_tabellen.hpp"
#include "shared/konstanten.hpp"
#include "shared/zeilen_leser.hpp"

namespace {
std::string Katalog_Ordner() {
    const char* o = std::getenv("STELUX_KATALOG");
    if (!o || !std::filesystem::is_directory(o)) return {};
    return o;
}

// No data line may be shorter than the end of its key columns.
void Schluessel_Laenge_Pruefen(Katalog_Format format, const std::string& pfad, int bis) {
    Zeilen_Leser leser(pfad);
    ASSERT_TRUE(Kopf_Ueberspringen(format, leser)) << pfad;
    std::string_view zeile;
    while (leser.Naechste(zeile))
        ASSERT_GE(static_cast<int>(zeile.size()), bis) << pfad << ", line " << leser.Zeilennummer();
}
} // namespace

TEST(GebauteKataloge, JedeZeileJederDateiLiestSich) {
    const std::string ordner = Katalog_Ordner();
    if (ordner.empty()) GTEST_SKIP() << "STELUX_KATALOG names no catalogue folder";
    struct Datei {
        Katalog_Format format;
        const char* name;
        Spalten_Bereich schluessel;
        long mindestens;
    };
    const Datei dateien[] = {
        {Katalog_Format::NGC, Datei_NGC, Schluessel_NGC, 13000},
        {Katalog_Format::SAO, Datei_SAO, Schluessel_SAO, 100000},
        {Katalog_Format::HIP, Datei_HIP, Schluessel_HIP, 118000},
        {Katalog_Format::Veraenderliche, Datei_Veraenderliche, Schluessel_Veraenderliche, 6800},
        {Katalog_Format::Fotometrie, Datei_Fotometrie, {36, 55}, 526},
        {Katalog_Format::Geostat, Datei_Geostat, {1, 23}, 20},
        {Katalog_Format::Helle_Sterne, Datei_Helle_Sterne, {89, 89}, 600},
        {Katalog_Format::Flamsteed, Datei_Flamsteed, {70, 70}, 4900},
        {Katalog_Format::Eigene, Datei_Eigene, {47, 47}, 1},
    };
    for (const Datei& d : dateien) {
        const std::string pfad = Pfad_In(ordner, d.name);
        long anzahl = 0;
        ASSERT_NO_THROW(anzahl = Katalog_Datei_Pruefen(d.format, pfad)) << pfad;
        EXPECT_GE(anzahl, d.mindestens) << pfad;
        Schluessel_Laenge_Pruefen(d.format, pfad, d.schluessel.bis);
    }
    for (const char* name : Planeten_Namen) {
        const std::string pfad = Pfad_In(ordner, Ephemeriden_Datei(name));
        // Also checks that the rows follow each other at most half a day apart.
        ASSERT_NO_THROW(Katalog_Datei_Pruefen(Katalog_Format::Ephemeriden, pfad)) << pfad;
        Zeilen_Leser leser(pfad);
        std::string_view zeile, letzte;
        ASSERT_TRUE(leser.Naechste(zeile));
        EXPECT_LE(Ephemeriden_JD(zeile), 2455197.5) << pfad; // 2010-01-01 0h
        while (leser.Naechste(zeile)) letzte = zeile;
        EXPECT_GE(Ephemeriden_JD(letzte), 2480732.5) << pfad; // 2081-01-01 0h
    }
}

TEST(GebauteKataloge, BahnelementeLadenUndAuswerten) {
    const std::string ordner = Katalog_Ordner();
    if (ordner.empty()) GTEST_SKIP() << "STELUX_KATALOG names no catalogue folder";
    auto asteroiden = std::make_unique<Asteroiden_Tabelle>(Tabellen_Kapazitaet + 1);
    auto kometen = std::make_unique<Kometen_Tabelle>(Tabellen_Kapazitaet + 1);
    std::int32_t na = 0, nk = 0;
    EXPECT_EQ(Asteroiden_Zeilen_Laden(Pfad_In(ordner, "Asteroiden.txt"), *asteroiden, na), 0);
    EXPECT_EQ(Kometen_Zeilen_Laden(Pfad_In(ordner, "Kometen.txt"), *kometen, nk), 0);
    EXPECT_EQ(na, 6000);
    EXPECT_GE(nk, 900);
    const double jd = 2461100.5; // 2026-03-01
    ASSERT_NO_THROW(Asteroiden_Auswerten(*asteroiden, na, jd));
    ASSERT_NO_THROW(Kometen_Auswerten(*kometen, nk, jd));
    int ohne = 0;
    for (int i = 1; i <= na; ++i) ohne += (*asteroiden)[i].Helligkeit == UNBEKANNT;
    EXPECT_EQ(ohne, 0);
}
