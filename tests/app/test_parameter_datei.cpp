#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <set>

#include "basis/parameter_datei.hpp"
#include "hilfen.hpp"
#include "shared/fehler.hpp"

namespace {

// The file of a first stop, byte for byte (Windows-1252: \xF6 = ö, \xE4 = ä, \xFC = ü, \xB0 = °).
const std::string Vorgabe_Datei =
    "  40       !Aktuelles Instrument (cm)\r\n"
    "   7.47497 !\xF6stliche L\xE4nge der Sternwarte (\xB0)\r\n"
    "  47.46651 !n\xF6rdliche Breite der Sternwarte (\xB0)\r\n"
    " 556.00000 !H\xF6he \xFC"
    "ber Meer der Sternwarte (m)\r\n"
    "   0.00000 !Korrektur der Deklination    an der 40cm Schmidt-Kamera (\xB0)\r\n"
    "   0.00000 !Korrektur des Stundenwinkels an der 40cm Schmidt-Kamera (min)\r\n"
    "   0.00000 !Korrektur der Deklination    am 60cm Cassegrain (\xB0)\r\n"
    "   0.00000 !Korrektur des Stundenwinkels am 60cm Cassegrain (min)\r\n";

Parameter_Type Gelesen(const std::string& text) {
    Parameter_Type p;
    Parameter_Aus_Text(text, p);
    return p;
}

} // namespace

TEST(ParameterDatei, VorgabeWirdByteGenauGeschrieben) {
    EXPECT_EQ(Parameter_Text(Parameter_Vorgabe()), Vorgabe_Datei);
}

TEST(ParameterDatei, FelderWachsenUndNegativeWerte) {
    Parameter_Type p = Parameter_Vorgabe();
    p.SW_Korr_40 = -1.5;
    p.Hoehe = 123456.25; // wider than 10 characters: written in full
    p.Instrument = 12345;
    const std::string t = Parameter_Text(p);
    EXPECT_NE(t.find("\r\n  -1.50000 !Korrektur des Stundenwinkels an der 40cm"),
              std::string::npos);
    EXPECT_NE(t.find("\r\n123456.25000 !H\xF6he"), std::string::npos);
    EXPECT_EQ(t.rfind("12345       !Aktuelles", 0), 0u);
}

TEST(ParameterDatei, GeschriebenGelesenGleicheWerte) {
    Parameter_Type p{60, -122.123456, -33.5, 0.25, 0.3, -1.5, -0.2, 12.0};
    const Parameter_Type q = Gelesen(Parameter_Text(p));
    EXPECT_EQ(q.Instrument, 60);
    EXPECT_DOUBLE_EQ(q.Laenge, -122.12346); // rounded to 5 decimals
    EXPECT_DOUBLE_EQ(q.Breite, -33.5);
    EXPECT_DOUBLE_EQ(q.Hoehe, 0.25);
    EXPECT_DOUBLE_EQ(q.DE_Korr_40, 0.3);
    EXPECT_DOUBLE_EQ(q.SW_Korr_40, -1.5);
    EXPECT_DOUBLE_EQ(q.DE_Korr_60, -0.2);
    EXPECT_DOUBLE_EQ(q.SW_Korr_60, 12.0);
}

TEST(ParameterDatei, HandbearbeiteteDateiMitLeerzeichenTabsLeerzeilenUndLF) {
    // Blanks in front, tabs before the comment, LF only, an empty line: the
    // empty line is not counted, so the values simply follow on.
    const Parameter_Type p =
        Gelesen("   60\t!Instrument\n\t 8.5\t\t!L\n\n47 !B\n  500 ! H\n0.1\n-0.2\n0.3\n-0.4");
    EXPECT_EQ(p.Instrument, 60);
    EXPECT_DOUBLE_EQ(p.Laenge, 8.5);
    EXPECT_DOUBLE_EQ(p.Breite, 47);
    EXPECT_DOUBLE_EQ(p.Hoehe, 500);
    EXPECT_DOUBLE_EQ(p.DE_Korr_40, 0.1);
    EXPECT_DOUBLE_EQ(p.SW_Korr_60, -0.4); // last line without line end
}

TEST(ParameterDatei, WenigerAlsAchtWerteGebenNull) {
    const Parameter_Type p = Gelesen("40 !I\r\n7.5 !L\r\n47.25 !B\r\n556 !H\r\n");
    EXPECT_EQ(p.Instrument, 40);
    EXPECT_DOUBLE_EQ(p.Hoehe, 556);
    EXPECT_EQ(p.DE_Korr_40, 0);
    EXPECT_EQ(p.SW_Korr_60, 0);
    // No value at all (what a full disk used to leave) is no set of parameters.
    EXPECT_THROW(Gelesen(""), Ein_Ausgabe_Fehler);
    EXPECT_THROW(Gelesen(" \r\n\t\n"), Ein_Ausgabe_Fehler);
}

TEST(ParameterDatei, UngueltigeZahlBehaeltFruehereWerte) {
    struct Fall {
        const char* text;
        const char* token;
    };
    for (const Fall& f : {Fall{"40 !I\r\n7,47497 !L\r\n47.5 !B\r\n", "7,47497"},
                          Fall{"40 !I\r\n7.47497!L\r\n47.5 !B\r\n", "7.47497!L"},
                          Fall{"40 !I\r\nnan !L\r\n47.5 !B\r\n", "nan"}}) {
        Parameter_Type p;
        p.Breite = 99; // a value after the bad one is not reached
        try {
            Parameter_Aus_Text(f.text, p);
            ADD_FAILURE() << f.text;
        } catch (const Ein_Ausgabe_Fehler& e) {
            EXPECT_EQ(std::string(e.what()).rfind("Invalid numeric input", 0), 0u) << e.what();
            EXPECT_NE(std::string(e.what()).find(f.token), std::string::npos);
        }
        EXPECT_EQ(p.Instrument, 40);
        EXPECT_EQ(p.Breite, 99);
    }
    EXPECT_THROW(Gelesen("40.0 !Instrument als Zahl mit Punkt\r\n"), Ein_Ausgabe_Fehler);
}

TEST(ParameterDatei, LesenAusOrdner) {
    Test_Ordner o;
    Parameter_Type p;
    p.DE_Korr_40 = 5;
    Parameter_Lesen(o.pfad, p); // no file: the defaults, corrections 0
    EXPECT_EQ(p.Instrument, 40);
    EXPECT_DOUBLE_EQ(p.Laenge, 7.47497);
    EXPECT_DOUBLE_EQ(p.Breite, 47.46651);
    EXPECT_DOUBLE_EQ(p.Hoehe, 556.0);
    EXPECT_EQ(p.DE_Korr_40, 0);

    Datei_Schreiben(o.Datei(Parameter_Datei_Name), "60\r\n1\r\n2\r\n");
    Parameter_Lesen(o.pfad, p);
    EXPECT_EQ(p.Instrument, 60);
    EXPECT_DOUBLE_EQ(p.Breite, 2);
    EXPECT_EQ(p.Hoehe, 0);
}

TEST(ParameterDatei, NichtLesbareDateiIstEinFehler) {
    Test_Ordner o;
    std::filesystem::create_directory(o.Datei(Parameter_Datei_Name));
    Parameter_Type p;
    EXPECT_THROW(Parameter_Lesen(o.pfad, p), Ein_Ausgabe_Fehler);
    if (geteuid() != 0) { // root reads every file
        std::filesystem::remove(o.Datei(Parameter_Datei_Name));
        Datei_Schreiben(o.Datei(Parameter_Datei_Name), Vorgabe_Datei);
        chmod(o.Datei(Parameter_Datei_Name).c_str(), 0);
        EXPECT_THROW(Parameter_Lesen(o.pfad, p), Ein_Ausgabe_Fehler);
    }
}

TEST(ParameterDatei, SchreibenErsetztDieDateiGanz) {
    Test_Ordner o;
    Datei_Schreiben(o.Datei(Parameter_Datei_Name), std::string(2000, 'x'));
    Parameter_Schreiben(o.pfad, Parameter_Vorgabe());
    EXPECT_EQ(Datei_Lesen(o.Datei(Parameter_Datei_Name)), Vorgabe_Datei);
    // No temporary file stays behind.
    std::set<std::string> namen;
    for (const auto& e : std::filesystem::directory_iterator(o.pfad))
        namen.insert(e.path().filename().string());
    EXPECT_EQ(namen,
              (std::set<std::string>{"Asteroiden.txt", "Kometen.txt", Parameter_Datei_Name}));
}

TEST(ParameterDatei, FehlgeschlagenesSchreibenWirdGemeldet) {
    Test_Ordner o;
    EXPECT_THROW(Parameter_Schreiben(o.pfad + "fehlt/", Parameter_Vorgabe()), Ein_Ausgabe_Fehler);
    // The target is a folder: the old "file" stays as it was.
    std::filesystem::create_directory(o.Datei(Parameter_Datei_Name));
    EXPECT_THROW(Parameter_Schreiben(o.pfad, Parameter_Vorgabe()), Ein_Ausgabe_Fehler);
    EXPECT_TRUE(std::filesystem::is_directory(o.Datei(Parameter_Datei_Name)));
}

// Every value the writer can write, the reader takes back: what lies outside
// the ranges is a read error naming the line, like a malformed number.
TEST(ParameterDatei, WertAusserhalbNenntDieZeile) {
    struct Fall {
        std::string text, meldung;
    } faelle[] = {
        {"50\r\n7\r\n47\r\n", "Zeile 1: Instrument 50 ist weder 40 noch 60"},
        {"0\r\n", "Zeile 1: Instrument 0"},
        {"40\r\n7\r\n95.5\r\n", "Zeile 3: Breite 95.5 außerhalb von -90 bis 90"},
        {"40\r\n-181\r\n", "Zeile 2: Länge -181"},
        {"40\r7\r47\r10000\r", "Zeile 4: Höhe 10000"}, // CR-only line ends
        {"40\n7\n\n47\n556\n1e59 !K\n", "Zeile 6: Deklinationskorrektur 40cm 1e+59"},
        {"40\n7\n47\n556\n0\n0\n0\n-721\n", "Zeile 8: Stundenwinkelkorrektur 60cm -721"},
        {"40\n7,5\n", "Invalid numeric input: '7,5' in Stelux_Parameter.txt, Zeile 2"},
    };
    for (const auto& f : faelle) {
        try {
            Gelesen(f.text);
            ADD_FAILURE() << f.text;
        } catch (const Ein_Ausgabe_Fehler& e) {
            EXPECT_NE(std::string(e.what()).find(f.meldung), std::string::npos) << e.what();
        }
    }
    const Parameter_Type p = Gelesen("60\r-180\r-90\r9000\r90\r-720\r-90\r720\r");
    EXPECT_EQ(p.SW_Korr_60, 720);
    EXPECT_EQ(p.Breite, -90);
}

namespace {
// Writes over a file holding `alt` while `stoerung` is in force; the old file
// must stay byte for byte and the failure be reported.
void Schreiben_Misslingt(const std::string& ordner, const std::string& alt) {
    const std::string pfad = ordner + Parameter_Datei_Name;
    EXPECT_THROW(Parameter_Schreiben(ordner, Parameter_Vorgabe()), Ein_Ausgabe_Fehler);
    EXPECT_EQ(Datei_Lesen(pfad), alt);
}
} // namespace

TEST(ParameterDatei, VolleOderSchreibgeschuetztePlatteLaesstDieAlteDatei) {
    Parameter_Type p = Parameter_Vorgabe();
    p.Instrument = 60;
    p.DE_Korr_60 = 1.5;
    const std::string alt = Parameter_Text(p);
    {
        // The system refuses every byte past the first 100 of a file (as a
        // full disk does part-way through the write).
        Test_Ordner o;
        Datei_Schreiben(o.Datei(Parameter_Datei_Name), alt);
        const Dateigroesse_Begrenzt knapp(100);
        Schreiben_Misslingt(o.pfad, alt);
    }
    if (geteuid() == 0) {
        // A real full file system: a tmpfs of 8 KiB filled to the last byte.
        Test_Ordner o;
        const std::string klein = o.pfad + "klein/";
        std::filesystem::create_directory(klein);
        if (mount("tmpfs", klein.c_str(), "tmpfs", 0, "size=8k") == 0) {
            Datei_Schreiben(klein + Parameter_Datei_Name, alt);
            Datei_Schreiben(klein + "fuellung", std::string(64 * 1024, 'x')); // as much as fits
            Schreiben_Misslingt(klein, alt);
            umount(klein.c_str());
        }
    }
    {
        Test_Ordner o;
        Datei_Schreiben(o.Datei(Parameter_Datei_Name), alt);
        chmod(o.Datei(Parameter_Datei_Name).c_str(), 0444);
        Schreiben_Misslingt(o.pfad, alt);
        chmod(o.Datei(Parameter_Datei_Name).c_str(), 0644);
        chmod(o.pfad.c_str(), 0555);
        Schreiben_Misslingt(o.pfad, alt);
        chmod(o.pfad.c_str(), 0755);
    }
}
