// The sightings and model files: what is written is read back exactly, and a
// damaged file is refused with its name and line.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "eigener_ordner.hpp"
#include "pointing/abgleich_datei.hpp"
#include "shared/datei_schreiben.hpp"

namespace {

struct Ordner {
    std::filesystem::path Pfad = Eigener_Temp_Pfad("abgleich");
    Ordner() { std::filesystem::create_directories(Pfad); }
    ~Ordner() { std::filesystem::remove_all(Pfad); }
    std::string Datei(const std::string& name, const std::string& text) const {
        const std::string p = (Pfad / name).string();
        std::ofstream(p, std::ios::binary) << text;
        return p;
    }
};

// The message of reading `pfad`, empty when it was read.
template <class Leser> std::string Meldung(Leser&& lesen) {
    try {
        lesen();
    } catch (const std::exception& e) {
        return e.what();
    }
    return {};
}

} // namespace

TEST(Abgleich_Datei, SichtungenHinUndZurueck) {
    const Ordner o;
    Abgleich_Sichtung a;
    a.JD_UT = 2461382.3437500; // 2026-12-07T20:15:00
    a.Bezeichnung = "Sirius";
    a.SW_Abgelesen = 1.2345678901234567;
    a.DE_Abgelesen = -16.75;
    a.Berechnet = true;
    a.Stundenwinkel = 1.2;
    a.Deklination = -16.7;
    Abgleich_Sichtung b = a;
    b.Bezeichnung = "Wega";
    b.Instrument = 40;
    b.Berechnet = false;
    const std::string p = (o.Pfad / "Abgleich_60.txt").string();
    Datei_Atomar_Schreiben(p, Abgleich_Text({a, b}));
    EXPECT_FALSE(std::filesystem::exists(p + ".neu"));
    const auto gelesen = Abgleich_Lesen(p);
    ASSERT_EQ(gelesen.size(), 2u);
    EXPECT_NEAR(gelesen[0].JD_UT, a.JD_UT, 1e-8);
    EXPECT_EQ(gelesen[0].Bezeichnung, "Sirius");
    EXPECT_EQ(gelesen[0].SW_Abgelesen, a.SW_Abgelesen);
    EXPECT_EQ(gelesen[0].Deklination, -16.7);
    EXPECT_EQ(gelesen[0].Zeile, 2);
    EXPECT_EQ(gelesen[1].Instrument, 40);
    EXPECT_FALSE(gelesen[1].Berechnet);
    // The five fields of a hand-written line, without the computed place,
    // behind a spreadsheet's byte order mark.
    const auto hand = Abgleich_Lesen(o.Datei(
        "hand.txt", "\xEF\xBB\xBFZeit (UT);Bezeichnung;Instrument;Stundenkreis abgelesen (h);"
                    "Deklinationskreis abgelesen (\xb0)\r\n"
                    "2026-12-07T20:15:00;M 31;60;23.5;41.25\n"));
    ASSERT_EQ(hand.size(), 1u);
    EXPECT_EQ(hand[0].Bezeichnung, "M 31");
    EXPECT_TRUE(Abgleich_Lesen((o.Pfad / "fehlt.txt").string()).empty());
}

TEST(Abgleich_Datei, BeschaedigteSichtungenNennenDateiUndZeile) {
    const Ordner o;
    const std::string kopf = "Zeit (UT);Bezeichnung\n";
    const std::string gut = "2026-12-07T20:15:00;Wega;60;18.5;38.8\n";
    for (const auto& [zeile, grund] : std::vector<std::pair<std::string, std::string>>{
             {"2026-12-07T20:15:00;Wega;60;24.0;38.8", "Stundenkreis 24 h außerhalb"},
             {"2026-12-07T20:15:00;Wega;60;18.5;91", "Deklinationskreis 91 außerhalb"},
             {"2026-12-07T20:15:00;Wega;60;18.5;nan", "keine Zahl"},
             {"2026-12-07T20:15:00;Wega;50;18.5;38.8", "Instrument 50"},
             {"2026-02-30T20:15:00;Wega;60;18.5;38.8", "Zeit"},
             {"2026-12-07T20:15:00;Wega;60;18.5", "4 Felder"},
             {"2026-12-07T20:15:00;WEGA;60;18.6;38.9", "zweimal zur selben Zeit"}}) {
        const std::string p = o.Datei("Abgleich_60.txt", kopf + gut + zeile + "\n");
        const std::string m = Meldung([&] { Abgleich_Lesen(p); });
        EXPECT_NE(m.find("Abgleich_60.txt, Zeile 3: "), std::string::npos) << m;
        EXPECT_NE(m.find(grund), std::string::npos) << m;
    }
}

TEST(Abgleich_Datei, ZeigemodellHinUndZurueckUndBeschaedigt) {
    const Ordner o;
    Zeigemodell m;
    m.Aktiv[IH] = m.Aktiv[NP] = m.Aktiv[DAF] = true;
    m.Wert[IH] = 12.345678901234567;
    m.Sigma[IH] = 0.25;
    m.Wert[NP] = -3.1;
    m.Wert[DAF] = 0.5;
    m.RMS = 1.23;
    m.Datum = "2026-12-07T20:15:00";
    const std::string p = o.Datei("Zeigemodell_60.txt", Zeigemodell_Text(m, 60, 12));
    const auto g = Zeigemodell_Lesen(p);
    ASSERT_TRUE(g);
    EXPECT_EQ(g->Aktiv, m.Aktiv);
    EXPECT_EQ(g->Wert, m.Wert);
    EXPECT_EQ(g->Sigma, m.Sigma);
    EXPECT_EQ(g->RMS, 1.23);
    EXPECT_EQ(g->Datum, m.Datum);
    EXPECT_EQ(Modell_Kurztext(*g), "3 Terme, RMS 1.2′");
    EXPECT_FALSE(Zeigemodell_Lesen((o.Pfad / "fehlt.txt").string()));

    for (const auto& [text, grund] : std::vector<std::pair<std::string, std::string>>{
             {"IH 1 0.1\nXY 2 0.1\n", "Zeile 2: unbekannter Term \"XY\""},
             {"IH 1 0.1\nNP inf 0.1\n", "Zeile 2: NP ist keine Zahl"},
             {"IH 1 0.1\nIH 2 0.1\n", "Zeile 2: Term IH zweimal"},
             // Hand-edited beyond the bound of a term, or nonsense errors.
             {"IH 1 0.1\nID 1e308 0.1\n", "Zeile 2: ID = 1e+308′ liegt über der Grenze"},
             {"# von Hand\nIH 1e6 0.1\n", "Zeile 2: IH = 1e+06′ liegt über der Grenze"},
             {"IH 1 -0.1\n", "Zeile 1: Sigma ist negativ"},
             {"# leer\nRMS 1\n", "kein Term"}}) {
        const std::string q = o.Datei("Zeigemodell_40.txt", text);
        const std::string f = Meldung([&] { Zeigemodell_Lesen(q); });
        EXPECT_NE(f.find("Zeigemodell_40.txt"), std::string::npos) << f;
        EXPECT_NE(f.find(grund), std::string::npos) << f;
    }
}

TEST(Abgleich_Datei, AblesungenWieAbgelesen) {
    EXPECT_NEAR(*Ablesung_Lesen("11 51.4", true), 11 + 51.4 / 60, 1e-12);
    EXPECT_NEAR(*Ablesung_Lesen("-0 30", false), -0.5, 1e-12);
    EXPECT_NEAR(*Ablesung_Lesen("+47:05", false), 47 + 5 / 60.0, 1e-12);
    EXPECT_NEAR(*Ablesung_Lesen("23.75", true), 23.75, 1e-12);
    for (const char* falsch : {"24 00", "5 60", "abc", "", "-1 0"})
        EXPECT_FALSE(Ablesung_Lesen(falsch, true)) << falsch;
    EXPECT_FALSE(Ablesung_Lesen("90 30", false));
}
