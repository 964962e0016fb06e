// The observing log: appended entries survive a crash, damaged lines are
// skipped and kept, and the OAL export validates against the shipped schema.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numbers>
#include <sstream>

#include "buch/oal_export.hpp"
#include "eigener_ordner.hpp"
#include "planung/listen_ordnung.hpp"
#include "shared/fehler.hpp"

namespace fs = std::filesystem;

namespace {
Buch_Eintrag Eintrag(double jd, const char* bez, char art, const char* typ, double ra, double de) {
    Buch_Eintrag e;
    e.JD_UT = jd;
    e.Versatz_Minuten = -60; // CET
    e.Bezeichnung = bez;
    e.Objektzeile = std::string("Objekt ") + bez;
    e.Art = art;
    e.Typ = typ;
    e.RA2000 = ra;
    e.DE2000 = de;
    e.Instrument = "60cm Cassegrain";
    e.DE_Kreis = "+41.3°";
    e.SW_Kreis = "00h 42.7min";
    e.Hoehe = "63.2°";
    e.Luftmasse = "1.12";
    return e;
}

std::string Lesen(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

std::size_t Anzahl(const std::string& text, const std::string& teil) {
    std::size_t n = 0;
    for (auto i = text.find(teil); i != std::string::npos; i = text.find(teil, i + 1)) ++n;
    return n;
}

// The value of an XPath expression in an XML file, through xmllint.
std::string Xpath(const fs::path& datei, const std::string& ausdruck) {
    std::string aus;
#ifndef _WIN32
    const std::string befehl =
        "xmllint --xpath 'string(" + ausdruck + ")' '" + datei.string() + "'";
    FILE* p = popen(befehl.c_str(), "r");
    if (!p) return aus;
    char puffer[4096];
    while (std::fgets(puffer, sizeof puffer, p)) aus += puffer;
    pclose(p);
    if (!aus.empty() && aus.back() == '\n') aus.pop_back(); // xmllint's own line end
#else
    (void)datei;
    (void)ausdruck;
#endif
    return aus;
}
} // namespace

TEST(Beobachtungsbuch, AnhaengenAbsturzBeschaedigteZeile) {
    const fs::path pfad = Eigener_Temp_Pfad("buch") += ".csv";
    fs::remove(pfad);
    Buch_Eintrag a = Eintrag(2461001.3, "M31", 'M', "Galaxie", 0.712, 41.27);
    a.Notiz = "Kern hell; \"Staubband\"\nzweite Zeile";
    a.Seeing = 2;
    Buch_Anhaengen(pfad.string(), a);

#ifndef _WIN32
    // A process killed between two entries loses nothing already written.
    int rohr[2];
    ASSERT_EQ(pipe(rohr), 0);
    const pid_t kind = fork();
    if (kind == 0) {
        Buch_Anhaengen(pfad.string(), Eintrag(2461001.31, "PMars", 'P', "Planet", 20.1, -20.5));
        char c = 'x';
        (void)!write(rohr[1], &c, 1);
        for (;;) pause();
    }
    char c;
    ASSERT_EQ(read(rohr[0], &c, 1), 1);
    kill(kind, SIGKILL);
    waitpid(kind, nullptr, 0);
#else
    Buch_Anhaengen(pfad.string(), Eintrag(2461001.31, "PMars", 'P', "Planet", 20.1, -20.5));
#endif

    // A damaged line between good ones, without a line end (an edited file):
    // the next entry must not be glued to it.
    std::ofstream(pfad, std::ios::app | std::ios::binary) << "kaputt;1;2";
    Buch_Anhaengen(pfad.string(), Eintrag(2461001.32, "H11767", 'H', "Stern", 2.53, 89.26));

    Beobachtungsbuch b = Buch_Lesen(pfad.string());
    ASSERT_EQ(b.Eintraege.size(), 3u);
    EXPECT_EQ(b.Eintraege[0].Notiz, "Kern hell; \"Staubband\" zweite Zeile");
    EXPECT_EQ(b.Eintraege[0].Seeing, 2);
    EXPECT_EQ(b.Eintraege[1].Bezeichnung, "PMars");
    EXPECT_EQ(b.Eintraege[2].Bezeichnung, "H11767");
    ASSERT_EQ(b.Hinweise.size(), 1u);
    EXPECT_NE(b.Hinweise[0].find(", Zeile 4: beschädigt"), std::string::npos) << b.Hinweise[0];

    // Deleting one entry rewrites the file and keeps the damaged line.
    Buch_Aendern(pfad.string(), [](Beobachtungsbuch& frisch) {
        frisch.Eintraege.erase(frisch.Eintraege.begin() + 1);
    });
    const Beobachtungsbuch n = Buch_Lesen(pfad.string());
    ASSERT_EQ(n.Eintraege.size(), 2u);
    EXPECT_EQ(n.Beschaedigt, std::vector<std::string>{"kaputt;1;2"});
    EXPECT_EQ(Buch_Nacht(n.Eintraege[0]), "2025-11-21");
    EXPECT_EQ(Buch_Zeit_Iso(n.Eintraege[0]), "2025-11-21T20:12:00+01:00");
    fs::remove(pfad);
}

TEST(Beobachtungsbuch, OalExportIstGueltig) {
    if (std::system("command -v xmllint >/dev/null 2>&1") != 0) GTEST_SKIP() << "kein xmllint";
    const std::vector<Buch_Eintrag> e = {
        Eintrag(2461001.30, "M31", 'M', "Galaxie", 0.712, 41.27),
        Eintrag(2461001.31, "M13", 'M', "Kug.Hauf", 16.695, 36.46),
        Eintrag(2461001.32, "H11767", 'H', "Stern", 2.530, 89.26),
        Eintrag(2461001.33, "PJupiter", 'P', "Planet", 7.5, 22.0),
        Eintrag(2461001.34, "PMond", 'P', "Mond", 3.2, 18.0),
        Eintrag(2461001.35, "K12P/Pons-Brooks", 'K', "Komet", 23.9, -5.0),
        Eintrag(2461002.30, "E1", 'E', "Eigenes Obj.", 12.0, 0.0), // second night
    };
    Oal_Angaben a;
    a.Vorname = "Erika";
    a.Nachname = "Müller & Söhne <Sternwarte>";
    a.Laenge = 7.47497;
    a.Breite = 47.46651;
    a.Hoehe = 556;
    a.Zeitzone_Minuten = 60;
    a.Brennweite_40 = 800;
    a.Brennweite_60 = 7200;
    const std::string xml = Oal_Text(e, a);
    for (const char* typ : {"oal:deepSkyGX", "oal:deepSkyGC", "oal:starTargetType",
                            "oal:PlanetTargetType", "oal:MoonTargetType", "oal:CometTargetType"})
        EXPECT_NE(xml.find(std::string("xsi:type=\"") + typ + "\""), std::string::npos) << typ;
    EXPECT_NE(xml.find("<session id=\"nacht_2025-11-22\""), std::string::npos);
    EXPECT_NE(xml.find("<name>M 13</name>"), std::string::npos);
    EXPECT_NE(xml.find("<name>Jupiter</name>"), std::string::npos);
    const fs::path pfad = Eigener_Temp_Pfad("oal") += ".xml";
    std::ofstream(pfad, std::ios::binary) << xml;
    const std::string befehl = "xmllint --noout --schema '" STELUX_TEST_DATEN
                               "/oal21/oal21.xsd' '" +
                               pfad.string() + "' 2>&1";
    EXPECT_EQ(std::system(befehl.c_str()), 0) << xml;
    fs::remove(pfad);
}

// A rewrite keeps what it cannot read, of any length; a stray byte costs only itself.
TEST(Beobachtungsbuch, UmschreibenBehaeltLangeUndFremdeZeilen) {
    const fs::path pfad = Eigener_Temp_Pfad("buch_lang") += ".csv";
    fs::remove(pfad);
    Buch_Eintrag lang = Eintrag(2461001.30, "M31", 'M', "Galaxie", 0.712, 41.27);
    lang.Notiz = std::string(70000, 'x');
    Buch_Anhaengen(pfad.string(), lang);
    Buch_Anhaengen(pfad.string(), Eintrag(2461001.31, "M13", 'M', "Kug.Hauf", 16.695, 36.46));
    const std::string muell = "kaputt;" + std::string(70000, 'y');
    std::ofstream(pfad, std::ios::app | std::ios::binary)
        << muell << "\r\n"
        << Buch_Zeile(Eintrag(2461001.32, "M1", 'M', "SN-Rest", 5.575, 22.01)) << "\xFF\r\n"
        << "2025-11-21T19:30:00Z;2461001.3125;-60;M2;Objekt M2;M;Kug.Hauf;21.5;-0.8;60cm "
           "Cassegrain;-0.8\xB0;21h 33min;40\xB0;1.5;;;;Notiz \xE4\r\n";

    const Beobachtungsbuch b = Buch_Aendern(pfad.string(), [](Beobachtungsbuch& frisch) {
        ASSERT_EQ(frisch.Eintraege.size(), 4u);
        frisch.Eintraege.erase(frisch.Eintraege.begin() + 1); // M13
    });
    const Beobachtungsbuch n = Buch_Lesen(pfad.string());
    ASSERT_EQ(n.Eintraege.size(), 3u);
    EXPECT_EQ(n.Eintraege[0].Notiz, lang.Notiz);
    // UTF-8 with one bad byte: only that byte is replaced; the circle keeps its degree sign.
    EXPECT_EQ(n.Eintraege[1].Notiz, "\xEF\xBF\xBD");
    EXPECT_EQ(n.Eintraege[1].DE_Kreis, "+41.3\xC2\xB0");
    // No UTF-8 at all: a line saved as Windows-1252.
    EXPECT_EQ(n.Eintraege[2].DE_Kreis, "-0.8\xC2\xB0");
    EXPECT_EQ(n.Eintraege[2].Notiz, "Notiz \xC3\xA4");
    EXPECT_EQ(n.Beschaedigt, std::vector<std::string>{muell});
    EXPECT_EQ(b.Beschaedigt, n.Beschaedigt);
    EXPECT_EQ(Anzahl(Lesen(pfad), "Zeitpunkt_UT;"), 1u);
    fs::remove(pfad);
}

// Every range of the log on both sides, when reading a line and when writing an entry.
TEST(Beobachtungsbuch, BereicheDerFelder) {
    const fs::path pfad = Eigener_Temp_Pfad("buch_bereich") += ".csv";
    const Buch_Eintrag gut = Eintrag(2461001.30, "M31", 'M', "Galaxie", 0.712, 41.27);
    const struct {
        int feld;
        const char* wert;
        bool gilt;
    } faelle[] = {{1, "2100000", true},  {1, "2099999.9", false}, {1, "2999999.9", true},
                  {1, "3000000", false}, {2, "-840", true},       {2, "-841", false},
                  {2, "840", true},      {2, "841", false},       {2, "60.5", false},
                  {7, "0", true},        {7, "-0.001", false},    {7, "23.999", true},
                  {7, "24", false},      {8, "-90", true},        {8, "-90.01", false},
                  {8, "90", true},       {8, "90.01", false},     {14, "", true},
                  {14, "0", false},      {14, "1", true},         {14, "5", true},
                  {14, "6", false},      {14, "-1", false},       {7, "nan", false}};
    for (const auto& f : faelle) {
        std::string zeile = Buch_Zeile(gut);
        std::size_t a = 0;
        for (int i = 0; i < f.feld; ++i) a = zeile.find(';', a) + 1;
        zeile.replace(a, zeile.find(';', a) - a, f.wert);
        std::ofstream(pfad, std::ios::binary) << zeile << "\r\n";
        const Beobachtungsbuch b = Buch_Lesen(pfad.string());
        EXPECT_EQ(b.Eintraege.size(), f.gilt ? 1u : 0u) << f.feld << " = " << f.wert;
    }
    fs::remove(pfad);
    Buch_Eintrag e = gut;
    for (int seeing : {-1, 6}) {
        e.Seeing = seeing;
        EXPECT_THROW(Buch_Anhaengen(pfad.string(), e), Bereichs_Fehler) << seeing;
    }
    e = gut;
    e.RA2000 = 24;
    EXPECT_THROW(Buch_Anhaengen(pfad.string(), e), Bereichs_Fehler);
    e = gut;
    e.Versatz_Minuten = 900;
    EXPECT_THROW(Buch_Anhaengen(pfad.string(), e), Bereichs_Fehler);
    e = gut;
    e.Seeing = 5;
    Buch_Anhaengen(pfad.string(), e);
    EXPECT_EQ(Buch_Lesen(pfad.string()).Eintraege.size(), 1u); // the refused ones wrote nothing
    fs::remove(pfad);
}

#ifndef _WIN32
// Two first notes at the same moment: one header.
TEST(Beobachtungsbuch, KopfEinmalBeiGleichzeitigenErstenNotizen) {
    const fs::path pfad = Eigener_Temp_Pfad("buch_kopf") += ".csv";
    for (int versuch = 0; versuch < 40; ++versuch) {
        fs::remove(pfad);
        int start[2];
        ASSERT_EQ(pipe(start), 0);
        pid_t kinder[2];
        for (pid_t& kind : kinder) {
            kind = fork();
            if (kind == 0) {
                close(start[1]);
                char c;
                (void)!read(start[0], &c, 1); // both go on when the pipe closes
                Buch_Anhaengen(pfad.string(), Eintrag(2461001.3, "M31", 'M', "Galaxie", 0.7, 41));
                _exit(0);
            }
        }
        close(start[0]);
        close(start[1]);
        for (pid_t kind : kinder) waitpid(kind, nullptr, 0);
        const std::string text = Lesen(pfad);
        ASSERT_EQ(Anzahl(text, "Zeitpunkt_UT;"), 1u) << "Versuch " << versuch;
        ASSERT_EQ(Buch_Lesen(pfad.string()).Eintraege.size(), 2u);
    }
    fs::remove(pfad);
}
#endif

TEST(Beobachtungsbuch, CsvExportOhneFormeln) {
    std::vector<Buch_Eintrag> e;
    for (const char* notiz :
         {"=HYPERLINK(\"x\")", "+1+2", "-A1", "@SUMME(A1)", "\tx", "\rx", "Gut", "'=schon"}) {
        e.push_back(Eintrag(2461001.30, "M31", 'M', "Galaxie", 0.712, -41.27));
        e.back().Notiz = notiz;
    }
    std::istringstream csv(Buch_Csv_Text(e));
    std::string zeile;
    std::getline(csv, zeile);
    std::vector<std::string> notizen;
    while (std::getline(csv, zeile)) {
        zeile.pop_back();                                                      // CR
        EXPECT_NE(zeile.find(";-41.27"), std::string::npos) << zeile;          // a number stays
        EXPECT_NE(zeile.find(";'+41.3\xC2\xB0;"), std::string::npos) << zeile; // text does not
        notizen.push_back(zeile.substr(zeile.rfind(';') + 1));
    }
    const std::vector<std::string> erwartet = {"\"'=HYPERLINK(\"\"x\"\")\"",
                                               "'+1+2",
                                               "'-A1",
                                               "'@SUMME(A1)",
                                               "' x",
                                               "' x",
                                               "Gut",
                                               "'=schon"};
    EXPECT_EQ(notizen, erwartet);
}

// What other programs read back is what was logged: place, nights, instruments,
// and any note gives valid XML.
TEST(Beobachtungsbuch, OalExportWerteUndFremdeZeichen) {
    if (std::system("command -v xmllint >/dev/null 2>&1") != 0) GTEST_SKIP() << "kein xmllint";
    std::vector<Buch_Eintrag> e = {
        Eintrag(2461001.40, "M13", 'M', "Kug.Hauf", 16.695, 36.46), // latest of the night first
        Eintrag(2461001.30, "M31", 'M', "Galaxie", 0.712, 41.27),   // earliest
        Eintrag(2461001.35, "PMars", 'P', "Planet", 20.1, -20.5),
        Eintrag(2461002.30, "H11767", 'H', "Stern", 2.530, 89.26)}; // the next night
    e[1].Instrument = "40cm Schmidt-Kamera";
    e[2].Instrument = "40cm Schmidt-Kamera";
    e[0].Notiz = "\xEF\xBF\xBF und \xEF\xBF\xBE, Steuerzeichen \x01\x08\x1B\x7F, Tab\tCR\r";
    e[1].Notiz = "ung\xFC"
                 "ltig \xC3 \xED\xA0\x80 ende";
    e[2].Okular = "\x0C"
                  "25 mm <Plössl>";
    e[3].Seeing = 3;
    Oal_Angaben a;
    a.Nachname = "M\xFCller"; // not UTF-8 either
    a.Brennweite_40 = 800;
    a.Brennweite_60 = 7200;
    const fs::path pfad = Eigener_Temp_Pfad("oal_werte") += ".xml";
    std::ofstream(pfad, std::ios::binary) << Oal_Text(e, a);
    const std::string befehl = "xmllint --noout --schema '" STELUX_TEST_DATEN
                               "/oal21/oal21.xsd' '" +
                               pfad.string() + "' 2>&1";
    ASSERT_EQ(std::system(befehl.c_str()), 0) << Lesen(pfad);
    EXPECT_EQ(
        Xpath(pfad, "//observation[1]/result/description"),
        "\xEF\xBF\xBD und \xEF\xBF\xBD, Steuerzeichen \xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\x7F, "
        "Tab\tCR\r");
    EXPECT_EQ(Xpath(pfad, "//observation[2]/result/description"),
              "ung\xEF\xBF\xBDltig \xEF\xBF\xBD \xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD ende");

    for (std::size_t i = 0; i < e.size(); ++i) {
        const std::string beob = "//observation[" + std::to_string(i + 1) + "]";
        const std::string ziel =
            "//target[@id=//observation[" + std::to_string(i + 1) + "]/target]";
        EXPECT_NEAR(std::stod(Xpath(pfad, ziel + "/position/ra")),
                    e[i].RA2000 * 15 * std::numbers::pi / 180, 1e-9)
            << i;
        EXPECT_EQ(Xpath(pfad, ziel + "/position/ra/@unit"), "rad");
        EXPECT_NEAR(std::stod(Xpath(pfad, ziel + "/position/dec")),
                    e[i].DE2000 * std::numbers::pi / 180, 1e-9);
        EXPECT_EQ(Xpath(pfad, beob + "/begin"), Buch_Zeit_Iso(e[i]));
        const std::string scope = Xpath(pfad, beob + "/scope");
        EXPECT_EQ(Xpath(pfad, "//scope[@id=\"" + scope + "\"]/model"), e[i].Instrument) << i;
        const std::string sitzung = Xpath(pfad, beob + "/session");
        EXPECT_EQ(sitzung, "nacht_" + Buch_Nacht(e[i]));
    }
    EXPECT_EQ(Xpath(pfad, "//session[@id=\"nacht_2025-11-21\"]/begin"), Buch_Zeit_Iso(e[1]));
    EXPECT_EQ(Xpath(pfad, "//session[@id=\"nacht_2025-11-21\"]/end"), Buch_Zeit_Iso(e[0]));
    EXPECT_EQ(Xpath(pfad, "//observation[4]/seeing"), "3");
    EXPECT_EQ(Xpath(pfad, "//observer/surname"), "M\xEF\xBF\xBDller");
    fs::remove(pfad);
}

// A .skylist made from the log names each object once, at its first observation.
TEST(Beobachtungsbuch, SkylistOhneWiederholung) {
    std::vector<Buch_Eintrag> e = {Eintrag(2461001.40, "M31", 'M', "Galaxie", 0.712, 41.27),
                                   Eintrag(2461001.30, "PMars", 'P', "Planet", 20.1, -20.5),
                                   Eintrag(2461001.35, "M31", 'M', "Galaxie", 0.712, 41.27),
                                   Eintrag(2461002.30, "PMars", 'P', "Planet", 20.2, -20.4),
                                   Eintrag(2461002.31, "M 31", 'M', "Galaxie", 0.712, 41.27)};
    const std::vector<Skylist_Objekt> s = Skylist_Aus_Buch(e);
    ASSERT_EQ(s.size(), 2u);
    EXPECT_EQ(s[0].Katalognummer, "M 31");
    EXPECT_DOUBLE_EQ(s[0].Beobachtet_JD, 2461001.35);
    EXPECT_EQ(s[1].Name, "Mars");
    EXPECT_DOUBLE_EQ(s[1].Beobachtet_JD, 2461001.30);
}
