// stelux-cli and the pointing model: --modell-anpassen fits and writes the
// model file, a lookup then applies it, and every key that the model does not
// touch stays byte for byte as without it.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "cli/cli_lauf.hpp"
#include "eigener_ordner.hpp"

namespace fs = std::filesystem;

namespace {
struct Lauf {
    int Ausgang;
    std::string Aus, Fehler;
};

Lauf Cli(const std::vector<std::string>& argumente) {
    std::ostringstream aus, fehler;
    const int a = Cli_Ausfuehren(argumente, aus, fehler);
    return {a, aus.str(), fehler.str()};
}

std::string Datei_Inhalt(const fs::path& pfad) {
    std::ifstream f(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

std::map<std::string, std::string> Schluessel(const std::string& aus) {
    std::map<std::string, std::string> m;
    std::istringstream z(aus);
    std::string zeile;
    while (std::getline(z, zeile)) {
        const auto tab = zeile.find('\t');
        m[zeile.substr(0, tab)] = zeile.substr(tab + 1);
    }
    return m;
}

struct Modell_Cli : ::testing::Test {
    fs::path alt = fs::current_path();
    fs::path daten = Eigener_Temp_Pfad("modell_cli");
    void SetUp() override {
        fs::create_directories(daten);
        fs::current_path(STELUX_TEST_DATEN "/catalog");
    }
    void TearDown() override {
        fs::current_path(alt);
        fs::remove_all(daten);
    }
    std::string Datei(const std::string& name, const std::string& text) {
        std::ofstream(daten / name, std::ios::binary) << text;
        return (daten / name).string();
    }
};
} // namespace

TEST_F(Modell_Cli, AnpassenSchreibtDasModellUndDieSucheWendetEsAn) {
    const std::vector<std::string> suche = {"--zeit", "2026-12-07T20:00:00", "--daten",
                                            daten.string(), "M31"};
    const Lauf ohne = Cli(suche);
    ASSERT_EQ(ohne.Ausgang, 0) << ohne.Fehler;
    const auto k_ohne = Schluessel(ohne.Aus);
    EXPECT_EQ(k_ohne.at("Zeigemodell"), "");
    const double h = std::stod(k_ohne.at("Stundenwinkel")), d = std::stod(k_ohne.at("DEapp"));
    EXPECT_EQ(std::stod(k_ohne.at("DE_Kreis")), d); // no manual correction, no model

    // The default parameters name the 40 cm Schmidt camera.
    // One sighting of M31 that reads 6' high on the hour circle and 3' low on the other.
    std::ostringstream zeile;
    zeile.precision(17);
    zeile << "2026-12-07T20:00:00;M31;40;" << h + 6.0 / 900 << ";" << d - 3.0 / 60 << "\n";
    const std::string datei = Datei("sichtungen.txt", "Zeit (UT);Bezeichnung\n" + zeile.str());
    const Lauf a = Cli({"--modell-anpassen", datei, "--daten", daten.string()});
    ASSERT_EQ(a.Ausgang, 0) << a.Fehler;
    const auto terme = Schluessel(a.Aus);
    ASSERT_EQ(terme.size(), 3u) << a.Aus; // IH, ID, RMS
    EXPECT_NEAR(std::stod(terme.at("IH")), 6.0, 1e-3);
    EXPECT_NEAR(std::stod(terme.at("ID").substr(0, terme.at("ID").find('\t'))), -3.0, 1e-3);
    EXPECT_NE(a.Fehler.find("nur die Indexfehler"), std::string::npos) << a.Fehler;
    ASSERT_TRUE(fs::exists(daten / "Zeigemodell_40.txt"));

    const Lauf mit = Cli(suche);
    ASSERT_EQ(mit.Ausgang, 0) << mit.Fehler;
    const auto k_mit = Schluessel(mit.Aus);
    EXPECT_EQ(k_mit.at("Zeigemodell"), "2 Terme, RMS 0.0′");
    EXPECT_NEAR(std::stod(k_mit.at("SW_Kreis")), h + 6.0 / 900, 1e-6);
    EXPECT_NEAR(std::stod(k_mit.at("DE_Kreis")), d - 3.0 / 60, 1e-6);
    EXPECT_TRUE(k_mit.at("StatusBar1").ends_with("Modell 40cm: 2 Terme, RMS 0.0′"));
    for (const auto& [name, wert] : k_ohne) {
        if (name.starts_with("Label_DE_Rad") || name.starts_with("Label_StdRad") ||
            name == "StatusBar1" || name == "DE_Kreis" || name == "SW_Kreis" ||
            name == "Zeigemodell")
            continue;
        EXPECT_EQ(k_mit.at(name), wert) << name;
    }

    // A damaged model is said on the error output and left out.
    Datei("Zeigemodell_40.txt", "IH 6 0\nQQ 1 0\n");
    const Lauf kaputt = Cli(suche);
    EXPECT_EQ(kaputt.Ausgang, 0);
    EXPECT_NE(kaputt.Fehler.find("Zeigemodell_40.txt, Zeile 2: unbekannter Term"),
              std::string::npos)
        << kaputt.Fehler;
    EXPECT_EQ(kaputt.Aus, ohne.Aus);
}

TEST_F(Modell_Cli, BeschaedigteOderLeereDateiAusgangZwei) {
    for (const auto& [text, meldung] : std::vector<std::pair<std::string, std::string>>{
             {"Zeit (UT);Bezeichnung\n", "keine Sichtung"},
             {"2026-12-07T20:00:00;M31;60;25;41\n", "Zeile 1: Stundenkreis 25 h"},
             {"2026-12-07T20:00:00;X31;60;2;41\n", "Zeile 1: X31 nicht gefunden"}}) {
        const std::string datei = Datei("s.txt", text);
        const Lauf l = Cli({"--modell-anpassen", datei, "--daten", daten.string()});
        EXPECT_EQ(l.Ausgang, 2);
        EXPECT_NE(l.Fehler.find(meldung), std::string::npos) << l.Fehler;
        EXPECT_FALSE(fs::exists(daten / "Zeigemodell_60.txt"));
    }
    EXPECT_EQ(Cli({"--modell-anpassen", "x", "M31"}).Ausgang, 2);
    EXPECT_EQ(Cli({"--instrument", "40", "M31"}).Ausgang, 2);
}

TEST_F(Modell_Cli, AusreisserGenanntZerstoertesModellAusgangDrei) {
    // Twelve stars spread over the sky, both circles 2' and 1' high; one star
    // taken for another 5 deg off, and `falsch` hour circles read 12 h off.
    const auto sichtungen = [&](int falsch) {
        std::ostringstream t;
        t.precision(12);
        t << "Zeit (UT);Bezeichnung\n";
        for (int i = 0; i < 12; ++i) {
            const double h = -4.5 + 0.8 * i, d = -20 + 8.0 * i;
            const double sw = h + 2.0 / 900 + (i >= 8 && i < 8 + falsch ? 12 : 0);
            const double de = d + 1.0 / 60 + (i == 4 ? 5 : 0);
            t << "2026-12-07T20:" << 10 + i << ":00;Stern " << i << ";40;" << std::fmod(sw + 48, 24)
              << ";" << de << ";" << std::fmod(h + 24, 24) << ";" << d << "\n";
        }
        return Datei("s.txt", t.str());
    };
    const Lauf gut = Cli({"--modell-anpassen", sichtungen(0), "--daten", daten.string()});
    ASSERT_EQ(gut.Ausgang, 0) << gut.Fehler;
    EXPECT_NE(gut.Aus.find("\nNicht_verwendet\t5\tStern 4\n"), std::string::npos) << gut.Aus;
    EXPECT_NE(gut.Fehler.find("Sichtung 5 (Stern 4): 300.0′ vom Modell – nicht verwendet"),
              std::string::npos)
        << gut.Fehler;
    const std::string modell = Datei_Inhalt(daten / "Zeigemodell_40.txt");
    ASSERT_FALSE(modell.empty());

    // Five of twelve wrong: more than a quarter cannot be left out; the model
    // is refused and the one before stays.
    const Lauf schlecht = Cli({"--modell-anpassen", sichtungen(4), "--daten", daten.string()});
    EXPECT_EQ(schlecht.Ausgang, 3) << schlecht.Fehler;
    EXPECT_NE(schlecht.Fehler.find("Zeigemodell abgelehnt, nicht geschrieben: "), std::string::npos)
        << schlecht.Fehler;
    EXPECT_EQ(Datei_Inhalt(daten / "Zeigemodell_40.txt"), modell);
}
