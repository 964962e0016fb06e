// The session's operations against the small test catalogues (working
// directory) and element files (data folder).
#include <erfa.h>
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "bedienung/sitzung.hpp"
#include "shared/konstanten.hpp"
#include "time/delta_t.hpp"

namespace fs = std::filesystem;

namespace {
constexpr double Jetzt = 2461001.1; // UT; between two rows of the Mars table

// As stelux-cli starts one: element files read when a lookup needs them.
void Einrichten(Sitzung& s) {
    s.Daten_Ordner_Setzen(STELUX_TEST_DATEN "/app/");
    s.Elemente_Bei_Bedarf();
    s.Parameter_Uebernehmen(Parameter_Vorgabe());
    s.Uhr_Schritt(Jetzt, Zeitzone_Info{}); // no zone: the PC clock is UT
}

struct Sitzung_Test : ::testing::Test {
    fs::path alt = fs::current_path();
    void SetUp() override { fs::current_path(STELUX_TEST_DATEN "/catalog"); }
    void TearDown() override { fs::current_path(alt); }
};
} // namespace

TEST_F(Sitzung_Test, AuswahlAusDerEingabe) {
    struct Fall {
        const char* eingabe;
        const char* nach_regel; // the entry after the planet-name rule
        bool gefunden;
        const char* zeile; // object line after a miss
        bool fehler;       // an error comes back, not thrown
        int asteroiden;    // element lines read by then: only when needed
    };
    const Fall faelle[] = {
        {"M31", "M31", true, "", false, 0},
        {"mars", "Pmars", true, "", false, 0},
        {"A(1) Ceres", "A(1) Ceres", true, "", false, 3},
        {"Vesta", "Vesta", true, "", false, 3},
        {"X31", "X31", false, "Nicht gefunden: X31", false, 3},
        {"E1", "E1", false, "", true, 3}, // no own-objects file in the data folder
    };
    for (const Fall& f : faelle) {
        Sitzung t;
        Einrichten(t);
        const Auswahl_Ergebnis r = t.Auswaehlen(f.eingabe);
        EXPECT_EQ(r.Eingabe, f.nach_regel) << f.eingabe;
        EXPECT_EQ(r.Gefunden, f.gefunden) << f.eingabe;
        EXPECT_EQ(t.Objekt_Gueltig(), f.gefunden) << f.eingabe;
        EXPECT_EQ(r.Nicht_Gefunden, f.zeile) << f.eingabe;
        EXPECT_EQ(static_cast<bool>(r.Fehler), f.fehler) << f.eingabe;
        EXPECT_EQ(t.Anzahl_Asteroiden(), f.asteroiden) << f.eingabe;
    }
}

TEST_F(Sitzung_Test, TickSchreibtDenOrtDesDatumsZurueck) {
    struct Fall {
        const char* eingabe;
        bool bewegt; // a body of the solar system: RA2000/DE2000 follow the instant
    };
    for (const Fall f : {Fall{"M31", false}, Fall{"mars", true}, Fall{"Vesta", true}}) {
        Sitzung s;
        Einrichten(s);
        ASSERT_TRUE(s.Auswaehlen(f.eingabe).Gefunden) << f.eingabe;
        const Objekt_Type vorher = s.Objekt();
        const Anzeige& t = s.Tick(Jetzt + 0.1, Zeitzone_Info{});
        EXPECT_EQ(s.JD_UT(), Jetzt + 0.1);
        EXPECT_EQ(s.Objekt().RA2000 != vorher.RA2000, f.bewegt) << f.eingabe;
        // The place of date is the true apparent place of the astrometric one at
        // the instant (ERFA atci13, geocentric: the diurnal aberration, 0.3" at
        // most, is the difference).
        const double tt = s.JD_UT() + Delta_T(s.JD_UT()) / 86400.0;
        double ri = 0, di = 0, eo = 0;
        eraAtci13(s.Objekt().RA2000 * Std_Zu_Rad, s.Objekt().DE2000 * Grad_Zu_Rad, 0, 0, 0, 0, tt,
                  0.0, &ri, &di, &eo);
        EXPECT_LT(
            eraSeps(ri - eo, di, s.Objekt().RAapp * Std_Zu_Rad, s.Objekt().DEapp * Grad_Zu_Rad) *
                Rad_Zu_Grad * 3600,
            0.5)
            << f.eingabe;
        EXPECT_FALSE(t.Position.Horizont.Hoehe.empty()) << f.eingabe;
    }
}

// A minor body ticked a month after its lookup (a planning instant): its
// place is the one a lookup at that instant gives, not two-body motion from
// the lookup's stand.
TEST_F(Sitzung_Test, KleinkoerperAmPlanungszeitpunkt) {
    Sitzung s, frisch;
    Einrichten(s);
    Einrichten(frisch);
    ASSERT_TRUE(s.Auswaehlen("Vesta").Gefunden);
    s.Tick(Jetzt + 30, Zeitzone_Info{});
    frisch.Uhr_Schritt(Jetzt + 30, Zeitzone_Info{});
    ASSERT_TRUE(frisch.Auswaehlen("Vesta").Gefunden);
    EXPECT_NEAR(s.Objekt().RA2000, frisch.Objekt().RA2000, 1e-7); // hours: 1.5 mas
    EXPECT_NEAR(s.Objekt().DE2000, frisch.Objekt().DE2000, 1e-6);
}

// Enter used to show the previous object's circles until the next position
// tick: the selection itself must carry every reading of the new object.
TEST_F(Sitzung_Test, AuswahlBringtVollstaendigeAnzeige) {
    Sitzung s;
    Einrichten(s);
    ASSERT_TRUE(s.Auswaehlen("M31").Gefunden);
    const Auswahl_Ergebnis r = s.Auswaehlen("mars");
    ASSERT_TRUE(r.Gefunden);
    const Anzeige& a = r.Stand;
    EXPECT_TRUE(a.Gueltig);
    EXPECT_NE(a.Position.Objekt.Zeile.find("Mars"), std::string::npos) << a.Position.Objekt.Zeile;
    for (const std::string* feld :
         {&a.Position.Objekt.RA2000, &a.Position.Kreise.DE_Grad, &a.Position.Kreise.SW_Minuten,
          &a.Position.Horizont.Hoehe, &a.Position.Horizont.Azimut, &a.Sichtbarkeit})
        EXPECT_FALSE(feld->empty());
    EXPECT_EQ(a.Werte.RA2000, s.Objekt().RA2000);

    // The same readings as a session that ticks Mars at that instant later on.
    Sitzung t;
    Einrichten(t);
    t.Auswaehlen("mars");
    const Anzeige& b = t.Tick(Jetzt, Zeitzone_Info{});
    EXPECT_EQ(a.Position.Kreise.DE_Grad + a.Position.Kreise.DE_Zehntel,
              b.Position.Kreise.DE_Grad + b.Position.Kreise.DE_Zehntel);
    EXPECT_EQ(a.Position.Kreise.SW_Stunden + a.Position.Kreise.SW_Minuten,
              b.Position.Kreise.SW_Stunden + b.Position.Kreise.SW_Minuten);
    EXPECT_EQ(a.Position.Horizont.Hoehe, b.Position.Horizont.Hoehe);

    // A miss empties the readings at once and says so until the selection is dropped.
    const Auswahl_Ergebnis m = s.Auswaehlen("X31");
    EXPECT_FALSE(m.Stand.Gueltig);
    EXPECT_EQ(m.Stand.Nicht_Gefunden, "Nicht gefunden: X31");
    EXPECT_TRUE(m.Stand.Position.Kreise.DE_Grad.empty());
    EXPECT_TRUE(m.Stand.Sichtbarkeit.empty());
    s.Auswahl_Aufheben();
    EXPECT_TRUE(s.Stand().Nicht_Gefunden.empty());
}

// A miss names what was perhaps meant, in the result and the display record,
// until the next selection; an empty entry (stelux-cli's clock tick) reads no
// names, so an unreadable element file does not stop it.
TEST_F(Sitzung_Test, MeintenSieNachEinemFehlschlag) {
    Sitzung s;
    Einrichten(s);
    Auswahl_Ergebnis r = s.Auswaehlen("Siriuss");
    ASSERT_FALSE(r.Gefunden);
    ASSERT_FALSE(r.Vorschlaege.empty());
    EXPECT_EQ(r.Vorschlaege[0].Text, "Sirius");
    EXPECT_EQ(r.Stand.Vorschlaege.rfind("Sirius", 0), 0u) << r.Stand.Vorschlaege;
    r = s.Auswaehlen("Sirius");
    EXPECT_TRUE(r.Gefunden);
    EXPECT_EQ(r.Stand.Vorschlaege, "");

    const fs::path daten =
        fs::temp_directory_path() / ("stelux_meinten_" + std::to_string(getpid()));
    fs::create_directories(daten / "Asteroiden.txt"); // a folder: not readable as a file
    Sitzung t;
    Einrichten(t);
    t.Daten_Ordner_Setzen(daten.string() + "/");
    EXPECT_NO_THROW(r = t.Auswaehlen(""));
    EXPECT_FALSE(r.Fehler);
    fs::remove_all(daten);
}

// The night's timetable comes with the clock step, once a minute: another
// site within the same minute must not keep the old site's night.
TEST_F(Sitzung_Test, NachtFolgtDemOrt) {
    Sitzung s;
    Einrichten(s);
    EXPECT_EQ(s.Stand().Nacht.rfind("Sonne unter ", 0), 0u) << s.Stand().Nacht;
    Parameter_Type p = Parameter_Vorgabe();
    p.Laenge = 15.6;
    p.Breite = 78.2; // late November: polar night
    s.Parameter_Uebernehmen(p);
    s.Uhr_Schritt(Jetzt, Zeitzone_Info{});
    EXPECT_EQ(s.Stand().Nacht.rfind("Polarnacht", 0), 0u) << s.Stand().Nacht;
}

TEST_F(Sitzung_Test, ZielVonAussen) {
    // M31 of the test catalogue: 00h42m44.3s +41d16'09".
    const Himmelsort m31{0 + 42.0 / 60 + 44.3 / 3600, 41 + 16.0 / 60 + 9.0 / 3600};
    Sitzung t;
    Einrichten(t);
    const Auswahl_Ergebnis nah = t.Ziel_Waehlen({m31.RA, m31.DE + 0.09});
    ASSERT_TRUE(nah.Gefunden);
    EXPECT_EQ(nah.Stand.Position.Objekt.Zeile, "Ziel von außen · M31");
    EXPECT_TRUE(nah.Stand.Gueltig);
    EXPECT_NEAR(nah.Stand.Werte.DE2000, m31.DE + 0.09, 1e-12);
    // The link reports the selected place of date, as the tick computed it.
    const Teleskop_Ort o = t.Teleskop_Ort_Lesen();
    ASSERT_TRUE(o.Gueltig);
    EXPECT_EQ(o.Datum.RA, nah.Stand.Werte.RAapp);
    EXPECT_EQ(o.Datum.DE, nah.Stand.Werte.DEapp);
    EXPECT_EQ(t.Ziel_Waehlen({m31.RA, m31.DE + 0.11}).Stand.Position.Objekt.Zeile,
              "Ziel von außen");
    // Encoders take precedence over the selection.
    t.Teleskop_Zeigt_Auf({true, {1.0, 2.0}});
    EXPECT_EQ(t.Teleskop_Ort_Lesen().Datum.RA, 1.0);
    // Nothing selected, no encoders: the last target, of date at the clock's instant.
    t.Auswahl_Aufheben();
    t.Teleskop_Zeigt_Auf({});
    const Teleskop_Ort letzt = t.Teleskop_Ort_Lesen();
    ASSERT_TRUE(letzt.Gueltig);
    const Himmelsort d = J2000_Zu_Datum({m31.RA, m31.DE + 0.11}, t.JD_UT());
    EXPECT_EQ(letzt.Datum.RA, d.RA);
    EXPECT_EQ(letzt.Datum.DE, d.DE);
    // A sender from another computer is named.
    EXPECT_EQ(t.Ziel_Waehlen(m31, "192.168.1.20").Stand.Position.Objekt.Zeile,
              "Ziel von außen (192.168.1.20) · M31");
}
