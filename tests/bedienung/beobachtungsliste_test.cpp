// Observing lists read, resolved through the session's lookup and ordered,
// against the small test catalogues (working directory).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "bedienung/sitzung.hpp"
#include "eigener_ordner.hpp"

namespace fs = std::filesystem;

namespace {
// 2025-11-21 19:12 UT: early evening at the default site (7.5° E, 47.5° N),
// local sidereal time 23.8 h.
constexpr double Abend = 2461001.3;

struct Liste_Test : ::testing::Test {
    fs::path alt = fs::current_path();
    Sitzung s;
    void SetUp() override {
        fs::current_path(STELUX_TEST_DATEN "/catalog");
        s.Daten_Ordner_Setzen(STELUX_TEST_DATEN "/app/");
        s.Elemente_Bei_Bedarf();
        s.Parameter_Uebernehmen(Parameter_Vorgabe());
        s.Uhr_Schritt(Abend, Zeitzone_Info{});
    }
    void TearDown() override { fs::current_path(alt); }

    std::vector<Listen_Zeile> Aufloesen(const std::string& datei,
                                        std::vector<std::string>* hinweise = nullptr) {
        const Beobachtungsliste l = Liste_Lesen(STELUX_TEST_DATEN "/listen/" + datei);
        std::vector<std::string> h = l.Hinweise;
        auto z = s.Liste_Aufloesen(l, h);
        if (hinweise) *hinweise = h;
        return z;
    }
};

std::vector<std::string> Bezeichnungen(const std::vector<Listen_Zeile>& z) {
    std::vector<std::string> r;
    for (const Listen_Zeile& x : z) r.push_back(x.Gefunden ? x.Bezeichnung : "?" + x.Eingabe);
    return r;
}
} // namespace

TEST_F(Liste_Test, DreiFormateAufgeloestUndFuerDenAbendGeordnet) {
    // tests/data/listen/ordnung_referenz.py (ERFA): NGC 7000 sinks below 20°
    // after 4.6 h, IC 1396 after 7.2 h, M31 after 8.0 h, Polaris never; the
    // (test table's) Mars rises above 20° after 5.5 h. The CommonName "Mars"
    // is tried after every catalogue number; "HIP 99999999" misses and
    // "HIP 11767" hits.
    std::vector<std::string> hinweise;
    const auto sky = Aufloesen("liste.skylist", &hinweise);
    EXPECT_EQ(Bezeichnungen(sky),
              (std::vector<std::string>{"N7000", "I1396", "M31", "H11767", "PMars", "?NGC 99999"}));
    EXPECT_EQ(sky[2].Name, "Andromeda Galaxy");
    EXPECT_DOUBLE_EQ(sky[2].Beobachtet_JD, 2461000.5);
    EXPECT_EQ(sky[3].Sicht.Art, Sichtbarkeit::Art::Zirkumpolar);
    // Damaged parts are named with file and line, the rest is read.
    const std::string alle = [&] {
        std::string a;
        for (const auto& h : hinweise) a += h + "\n";
        return a;
    }();
    EXPECT_NE(alle.find("liste.skylist, Zeile 25: CatalogNumber ohne Wert"), std::string::npos)
        << alle;
    EXPECT_NE(alle.find("Zeile 28: EndObject ohne"), std::string::npos) << alle;
    EXPECT_NE(alle.find("Zeile 29: Objekt ohne EndObject am Ende"), std::string::npos) << alle;

    // CSV: header left out (and said), quoted fields, a Windows-1252 name.
    EXPECT_EQ(Bezeichnungen(Aufloesen("liste.csv", &hinweise)),
              (std::vector<std::string>{"N7000", "I1396", "M31", "?X123"}));
    ASSERT_EQ(hinweise.size(), 1u);
    EXPECT_NE(hinweise[0].find("liste.csv, Zeile 1: als Kopfzeile übergangen: Objekt"),
              std::string::npos);
    // Text with CR line ends and comments.
    EXPECT_EQ(Bezeichnungen(Aufloesen("liste.txt")),
              (std::vector<std::string>{"M31", "Polaris", "PMars"}));
}

TEST_F(Liste_Test, SkylistHinUndZurueckGibtDieselbenObjekte) {
    const auto vorher = Aufloesen("liste.skylist");
    const fs::path datei = Eigener_Temp_Pfad("rund") += ".skylist";
    std::ofstream(datei, std::ios::binary) << Skylist_Text(Skylist_Aus_Liste(vorher));
    const Beobachtungsliste l = Liste_Lesen(datei.string());
    EXPECT_TRUE(l.Hinweise.empty());
    std::vector<std::string> h;
    EXPECT_EQ(Bezeichnungen(s.Liste_Aufloesen(l, h)), Bezeichnungen(vorher));
    fs::remove(datei);
}

TEST(Liste_Lesen, SchlechteEingabeWirdGemeldetNichtVerschluckt) {
    const fs::path datei = Eigener_Temp_Pfad("schlecht") += ".txt";
    {
        std::ofstream f(datei, std::ios::binary);
        f << "M31\n" << std::string(10 << 20, 'x') << "\nM42\r\n";
        for (int i = 0; i < 100000; ++i) f << "N" << i << "\n";
    }
    const Beobachtungsliste l = Liste_Lesen(datei.string());
    ASSERT_EQ(l.Eintraege.size(), Liste_Max_Eintraege);
    EXPECT_EQ(l.Eintraege[0].Eingabe, "M31");
    EXPECT_EQ(l.Eintraege[1].Eingabe, "M42"); // after the 10 MB line
    EXPECT_EQ(l.Eintraege[1].Zeile, 3);
    ASSERT_EQ(l.Hinweise.size(), 2u);
    EXPECT_NE(l.Hinweise[0].find("Zeile 2: Zeile länger als 64 KiB"), std::string::npos);
    EXPECT_NE(l.Hinweise[1].find("mehr als 5000 Einträge"), std::string::npos);
    fs::remove(datei);
}
