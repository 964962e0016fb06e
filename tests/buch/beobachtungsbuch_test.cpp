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

#include "buch/oal_export.hpp"
#include "eigener_ordner.hpp"

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
    b.Eintraege.erase(b.Eintraege.begin() + 1);
    Buch_Schreiben(pfad.string(), b);
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
