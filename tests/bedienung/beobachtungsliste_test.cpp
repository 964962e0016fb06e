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

// Entries beyond 64 catalogue numbers or 4 KiB are marked and skipped, named
// by their line; those at the bounds are looked up. A list's own lines
// (SortedBy) pass silently; a CSV's notes column is kept.
TEST_F(Liste_Test, GrenzenJeEintragUndListenzeilen) {
    const fs::path sky = Eigener_Temp_Pfad("grenzen") += ".skylist";
    {
        std::ofstream f(sky, std::ios::binary);
        f << "SkySafariObservingListVersion=3.0\r\nSortedBy=Default Order\r\n";
        for (const int n : {200000, 64, 65}) {
            f << "SkyObject=BeginObject\r\n";
            for (int i = 1; i < n; ++i) f << "   CatalogNumber=NGC " << 90000 + i % 9000 << "\r\n";
            f << "   CatalogNumber=M 31\r\nEndObject=SkyObject\r\n";
        }
        f << "CatalogNumber=M 42\r\n"; // an object's line outside an object
    }
    std::vector<std::string> h;
    const Beobachtungsliste l = Liste_Lesen(sky.string());
    ASSERT_EQ(l.Eintraege.size(), 3u);
    ASSERT_EQ(l.Hinweise.size(), 3u);
    EXPECT_NE(l.Hinweise[0].find("Zeile 3: mehr als 64 Katalognummern"), std::string::npos);
    EXPECT_NE(l.Hinweise[1].find("Zeile 200071: mehr als 64"), std::string::npos) << l.Hinweise[1];
    EXPECT_NE(l.Hinweise[2].find("Zeile 200138: außerhalb eines Objekts"), std::string::npos)
        << l.Hinweise[2];
    const auto z = s.Liste_Aufloesen(l, h);
    EXPECT_EQ(Bezeichnungen(z), (std::vector<std::string>{"M31", "?NGC 90001", "?NGC 90001"}));
    EXPECT_FALSE(z[1].Uebersprungen.empty());

    const fs::path txt = Eigener_Temp_Pfad("grenzen") += ".txt";
    std::ofstream(txt, std::ios::binary)
        << "M" << std::string(4095, 'x') << "\nM" << std::string(4096, 'x') << "\nM42\n";
    const Beobachtungsliste t = Liste_Lesen(txt.string());
    ASSERT_EQ(t.Eintraege.size(), 3u);
    EXPECT_TRUE(t.Eintraege[0].Uebersprungen.empty());
    EXPECT_FALSE(t.Eintraege[1].Uebersprungen.empty());
    ASSERT_EQ(t.Hinweise.size(), 1u);
    EXPECT_NE(t.Hinweise[0].find("Zeile 2: Eintrag länger als 4 KiB"), std::string::npos);

    const Beobachtungsliste c = Liste_Lesen(STELUX_TEST_DATEN "/listen/liste.csv");
    ASSERT_GE(c.Eintraege.size(), 3u);
    EXPECT_EQ(c.Eintraege[1].Notiz, "hell");
    EXPECT_EQ(c.Eintraege[2].Notiz, "Nebel; groß");
    fs::remove(sky);
    fs::remove(txt);
}
