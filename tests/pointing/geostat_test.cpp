#include "pointing/geostat.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "astro/sternbild.hpp"
#include "pointing/positions_tick.hpp"
#include "shared/konstanten.hpp"
#include "time/numerik.hpp"

namespace {

// "G" + a catalogue label with the longitude in characters 18..22 and E/W in 23.
Objekt_Type Satellit(const std::string& laenge, char richtung) {
    Objekt_Type o;
    o.Art = Objekt_Art::Geostat;
    std::string label = "ASTRA 1KR        ";
    label += laenge;
    label += richtung;
    o.Bezeichnung = "G" + label;
    o.VMag = 11.0;
    o.BMag = UNBEKANNT;
    o.Distanz = UNBEKANNT;
    o.Typ = "Geostat. Sat.";
    return o;
}

Parameter_Type Standort() {
    Parameter_Type p;
    p.Laenge = 8.0;
    p.Breite = 47.0;
    return p;
}

constexpr double JD_2026 = 2461382.25;
constexpr double Sternzeit = 6.5;

} // namespace

TEST(Geostat, Laenge) {
    EXPECT_EQ(Geostat_Laenge(Satellit(" 19.2", 'E').Bezeichnung), 19.2);
    EXPECT_EQ(Geostat_Laenge(Satellit(" 30.0", 'W').Bezeichnung), -30.0);
    EXPECT_EQ(Geostat_Laenge(Satellit(" 30.0", 'w').Bezeichnung), -30.0);
    EXPECT_EQ(Geostat_Laenge(Satellit("5.0  ", 'x').Bezeichnung), 5.0);
    // Without the direction letter the longitude counts east.
    EXPECT_EQ(Geostat_Laenge("GASTRA 1KR         19.2"), 19.2);
    // Columns count the bytes of the catalogue line, not of the UTF-8 text.
    EXPECT_EQ(Geostat_Laenge("GTÜRKSAT 4A        42.0E"), 42.0);

    for (const char* schlecht :
         {"GASTRA", "GASTRA 1KR         19", "GASTRA 1KR        ab.cE", "GASTRA 1KR             E",
          "GASTRA 1KR        nan  E", "GASTRA 1KR        1 2 3E", ""})
        EXPECT_FALSE(Geostat_Laenge_Gueltig(schlecht)) << schlecht;
}

TEST(Geostat, Position) {
    const Parameter_Type p = Standort();
    // Over the site's own meridian: hour angle 0, about 7 deg south of the equator.
    Objekt_Type sued = Satellit("  8.0", 'E');
    ASSERT_TRUE(Geostat_Position(sued, JD_2026, Sternzeit, p));
    EXPECT_NEAR(sued.RAapp, Sternzeit, 1e-12);
    EXPECT_NEAR(sued.DEapp, -7.0, 0.1);

    // East of the site: east of the meridian, by a little more than the difference
    // in longitude, and a little nearer the equator.
    Objekt_Type ost = Satellit(" 19.2", 'E');
    ASSERT_TRUE(Geostat_Position(ost, JD_2026, Sternzeit, p));
    const double h_ost = (ost.RAapp - Sternzeit) * 15.0;
    EXPECT_GT(h_ost, 19.2 - 8.0);
    EXPECT_LT(h_ost, 1.5 * (19.2 - 8.0));
    EXPECT_GT(ost.DEapp, sued.DEapp);
    EXPECT_LT(ost.DEapp, 0.0);

    Objekt_Type west = Satellit(" 30.0", 'W');
    ASSERT_TRUE(Geostat_Position(west, JD_2026, Sternzeit, p));
    EXPECT_LT(west.RAapp, Sternzeit);
    EXPECT_LT((west.RAapp - Sternzeit) * 15.0, -38.0);

    // The tick keeps the satellite's hour angle and declination (its J2000
    // place turns back onto the place of date).
    Objekt_Type o = ost;
    const Positions_Anzeige a = Positions_Tick(o, true, JD_2026, Sternzeit, p, true);
    Ort_Uebernehmen(o, a.Ort);
    EXPECT_NEAR(a.Stundenwinkel, Mod_Positiv(Sternzeit - ost.RAapp, 24.0), 1e-9);
    EXPECT_NEAR(o.DEapp, ost.DEapp, 1e-9);
}

TEST(Geostat, WieDerTopozentrischeVektor) {
    // Independent geometry: the satellite minus the site, in a frame fixed to the
    // Earth with x towards the site's meridian on the equator and z to the north pole.
    for (double breite : {-60.0, -20.0, 0.0, 35.0, 47.0, 70.0})
        for (double sat : {-75.0, -30.0, 0.0, 8.0, 19.2, 60.0, 100.0}) {
            Parameter_Type p = Standort();
            p.Breite = breite;
            char feld[8];
            std::snprintf(feld, sizeof feld, "%5.1f", std::fabs(sat));
            Objekt_Type o = Satellit(feld, sat < 0 ? 'W' : 'E');
            ASSERT_TRUE(Geostat_Position(o, JD_2026, Sternzeit, p));

            const double dl = (sat - p.Laenge) * Grad_Zu_Rad, phi = breite * Grad_Zu_Rad;
            const double x = 42164.0 * std::cos(dl) - 6378.0 * std::cos(phi);
            const double y = 42164.0 * std::sin(dl);
            const double z = -6378.0 * std::sin(phi);
            const double stundenwinkel = -std::atan2(y, x) * Rad_Zu_Grad / 15.0; // west positive
            const double de = std::atan2(z, std::hypot(x, y)) * Rad_Zu_Grad;
            EXPECT_NEAR(o.RAapp, Sternzeit - stundenwinkel, 1e-12) << breite << " " << sat;
            EXPECT_NEAR(o.DEapp, de, 1e-12) << breite << " " << sat;
        }
}

TEST(Geostat, Tick) {
    const Parameter_Type p = Standort();
    Objekt_Type o = Satellit("  8.0", 'E');
    const Positions_Anzeige a = Positions_Tick(o, true, JD_2026, Sternzeit, p, true);
    Ort_Uebernehmen(o, a.Ort);
    EXPECT_EQ(a.Objekt.Zeile, "Geostat. ASTRA 1KR          8.0E   ");
    EXPECT_EQ(a.Kreise.SW_Stunden + " " + a.Kreise.SW_Minuten, "00 00.0");
    EXPECT_EQ(a.Objekt.Typ, "Typ: Geostat. Sat.");
    EXPECT_EQ(o.Con, Sternbild(o.RA2000 * Std_Zu_Rad, o.DE2000 * Grad_Zu_Rad, JD2000));
    EXPECT_EQ(a.Objekt.Sternbild, "Con: " + o.Con);
    EXPECT_NEAR(a.Azimut, 0.0, 1e-6);
    EXPECT_NEAR(a.Hoehe, 90.0 - 47.0 + o.DEapp, 1e-6);

    // A designation with no readable longitude shows the idle texts on every tick
    // and never throws; the record stays as it was.
    Objekt_Type schlecht = Satellit(" 1x.2", 'E');
    schlecht.RAapp = 3.0;
    Positions_Anzeige b;
    EXPECT_NO_THROW(b = Positions_Tick(schlecht, true, JD_2026, Sternzeit, p, true));
    EXPECT_EQ(b.Objekt.RA2000, "RA(J2000)");
    EXPECT_EQ(b.Objekt.Zeile, "");
    EXPECT_FALSE(b.Hoehen_Farbe_Setzen);
    EXPECT_EQ(schlecht.RAapp, 3.0);
    EXPECT_FALSE(b.Status.empty());
    schlecht.Bezeichnung = "GKURZ";
    EXPECT_NO_THROW(b = Positions_Tick(schlecht, true, JD_2026, Sternzeit, p, true));
    EXPECT_EQ(b.Objekt.DEapp, "DE(appar)");
}
