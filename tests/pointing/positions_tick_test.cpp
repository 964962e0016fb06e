#include "pointing/positions_tick.hpp"

#include <erfa.h>
#include <gtest/gtest.h>

#include <cmath>

#include "shared/konstanten.hpp"
#include "shared/zahlen.hpp"
#include "time/delta_t.hpp"
#include "time/numerik.hpp"

namespace {

Parameter_Type Standort() {
    Parameter_Type p;
    p.Instrument = 40;
    p.Laenge = 8.0;
    p.Breite = 47.0;
    return p;
}

Objekt_Type Stern(double ra_std, double de_grad) {
    Objekt_Type o;
    o.Art = Objekt_Art::HIP;
    o.Bezeichnung = "H1";
    o.RA2000 = ra_std;
    o.DE2000 = de_grad;
    o.VMag = 5.0;
    o.BMag = UNBEKANNT;
    o.Distanz = UNBEKANNT;
    o.Typ = "Stern";
    o.Con = "Ori";
    return o;
}

constexpr double JD_2026 = 2461382.25; // 2026-12-07 18:00

// The tick with the object placed at hour angle 0 (the mean sidereal time that
// takes the hour angle of a first tick away).
Positions_Anzeige Im_Meridian(Objekt_Type& o, const Parameter_Type& p) {
    // Twice: the diurnal aberration moves the place a little with the hour angle.
    double lmst = 0.0;
    for (int i = 0; i < 2; ++i)
        lmst =
            Mod_Positiv(lmst - Positions_Tick(o, true, JD_2026, lmst, p, true).Stundenwinkel, 24.0);
    const Positions_Anzeige a = Positions_Tick(o, true, JD_2026, lmst, p, true);
    Ort_Uebernehmen(o, a.Ort);
    return a;
}

} // namespace

// The true topocentric apparent place against ERFA's own chain (apco with
// IAU 2006/2000A and atciq) for an observer at the tick's sidereal time.
TEST(Positions_Tick, ScheinbarerOrtWieErfaAtciq) {
    const Parameter_Type p = Standort();
    double groesste = 0;
    for (int jahr = 1900; jahr <= 2100; jahr += 10) {
        const double jd = JD2000 + (jahr - 2000) * 365.25 + 0.3;
        const double tt = jd + Delta_T(jd) / 86400.0;
        double rnpb[3][3], x, y, pvh[2][3], pvb[2][3];
        eraPnm06a(tt, 0.0, rnpb);
        eraBpn2xy(rnpb, &x, &y);
        const double s = eraS06(tt, 0.0, x, y), eo = eraEors(rnpb, s);
        // Local apparent sidereal time 3h + equation of the equinoxes, as an Earth
        // rotation angle (ERA = GST + eo) less the longitude.
        const double elong = p.Laenge * Grad_Zu_Rad;
        const double theta = 3.0 * Std_Zu_Rad + eraEe06a(tt, 0.0) + eo - elong;
        eraEpv00(tt, 0.0, pvh, pvb);
        eraASTROM astrom;
        eraApco(tt, 0.0, pvb, pvh[0], x, y, s, theta, elong, p.Breite * Grad_Zu_Rad, p.Hoehe, 0, 0,
                0, 0, 0, &astrom);
        for (int d = -88; d <= 88; d += 11)
            for (int h = 0; h < 24; h += 2) {
                Objekt_Type o = Stern(h + 0.37, d + 0.5);
                Ort_Uebernehmen(o, Positions_Tick(o, true, jd, 3.0, p, true).Ort);
                double ri, di;
                eraAtciq(o.RA2000 * Std_Zu_Rad, o.DE2000 * Grad_Zu_Rad, 0, 0, 0, 0, &astrom, &ri,
                         &di);
                groesste = std::fmax(
                    groesste, eraSeps(ri - eo, di, o.RAapp * Std_Zu_Rad, o.DEapp * Grad_Zu_Rad));
                EXPECT_GE(o.RAapp, 0.0);
                EXPECT_LT(o.RAapp, 24.0);
            }
    }
    RecordProperty("groesste_abweichung_rad", testing::PrintToString(groesste));
    // Nutation IAU 2000B against 2000A: milliarcseconds.
    EXPECT_LT(groesste * Rad_Zu_Grad * 3600, 0.01);
}

TEST(Positions_Tick, HoeheAzimutWieErfaHd2ae) {
    double groesste_h = 0, groesste_a = 0;
    for (int breite = -80; breite <= 80; breite += 10)
        for (int de = -85; de <= 85; de += 5)
            for (int sw = -180; sw < 180; sw += 15) {
                const double H = sw * Grad_Zu_Rad + 0.01, d = de * Grad_Zu_Rad,
                             phi = breite * Grad_Zu_Rad;
                double az, el, hoehe, azimut;
                eraHd2ae(H, d, phi, &az, &el);
                if (el * Rad_Zu_Grad > 89.0) continue; // azimuth undefined at the zenith
                Hoehe_Azimut(H, d, phi, hoehe, azimut);
                // ERFA counts from north through east; here from south through west.
                double a_sued = az * Rad_Zu_Grad - 180.0;
                double diff = std::remainder(azimut - a_sued, 360.0);
                EXPECT_GT(azimut, -180.0);
                EXPECT_LE(azimut, 180.0);
                groesste_h = std::fmax(groesste_h, std::fabs(hoehe - el * Rad_Zu_Grad));
                groesste_a = std::fmax(groesste_a, std::fabs(diff));
            }
    RecordProperty("groesste_abweichung_hoehe_grad", testing::PrintToString(groesste_h));
    RecordProperty("groesste_abweichung_azimut_grad", testing::PrintToString(groesste_a));
    EXPECT_LT(groesste_h, 1e-7);
    EXPECT_LT(groesste_a, 1e-7);
}

TEST(Positions_Tick, Stundenkreis) {
    std::string h, m;
    Stundenkreis_Texte(0.0, h, m);
    EXPECT_EQ(h + " " + m, "00 00.0");
    Stundenkreis_Texte(11.0 + 51.0 / 60 + 24.0 / 3600, h, m);
    EXPECT_EQ(h + " " + m, "11 51.4");
    Stundenkreis_Texte(12.0 - 0.04 / 60, h, m);
    EXPECT_EQ(h + " " + m, "12 00.0");
    Stundenkreis_Texte(3.0 + 5.0 / 60, h, m);
    EXPECT_EQ(h + " " + m, "03 05.0");
    // A correction carrying the reading across 24 h or below 0 h is folded back
    // into the circle, and so is a reading rounded up to 24 h.
    Stundenkreis_Texte(24.0 + 1.0 / 60, h, m);
    EXPECT_EQ(h + " " + m, "00 01.0");
    Stundenkreis_Texte(-0.1 / 60, h, m);
    EXPECT_EQ(h + " " + m, "23 59.9");
    Stundenkreis_Texte(24.0 - 0.01 / 60, h, m);
    EXPECT_EQ(h + " " + m, "00 00.0");
}

TEST(Positions_Tick, Deklinationskreis) {
    std::string g, z;
    Deklinationskreis_Texte(7.04, g, z);
    EXPECT_EQ(g + " " + z, "+7 0");
    Deklinationskreis_Texte(-0.2, g, z);
    EXPECT_EQ(g + " " + z, "-0 2");
    Deklinationskreis_Texte(-12.3, g, z);
    EXPECT_EQ(g + " " + z, "-12 3");
    Deklinationskreis_Texte(91.25, g, z); // not folded back into -90..+90
    EXPECT_EQ(g, "+91");
}

TEST(Positions_Tick, LuftmasseUndFarbe) {
    EXPECT_GT(Luftmasse(0.5), 30.0);
    EXPECT_EQ(Fest(Luftmasse(0.49), 3), "0.000");
    EXPECT_EQ(Luftmasse(-10.0), 0.0);
    EXPECT_NEAR(Luftmasse(20.0), 2.9, 0.05);
    EXPECT_NEAR(Luftmasse(30.0), 2.0, 0.05);
    EXPECT_EQ(Fest(Luftmasse(90.0), 3), "1.000");
    // Monotonic: lower objects look through more air.
    for (double h = 1.0; h < 90.0; h += 1.0) EXPECT_GT(Luftmasse(h), Luftmasse(h + 1.0)) << h;

    EXPECT_EQ(Hoehen_Warnfarbe(20.0), Farbe_Rot);
    EXPECT_EQ(Hoehen_Warnfarbe(20.1), Farbe_Gruen);
    EXPECT_EQ(Hoehen_Warnfarbe(-5.0), Farbe_Rot);
}

TEST(Positions_Tick, ImMeridian) {
    const Parameter_Type p = Standort();
    // North of the zenith the object stands over the north point, south of it over the south point.
    Objekt_Type nord = Stern(2.0, 80.0);
    Positions_Anzeige a = Im_Meridian(nord, p);
    EXPECT_EQ(a.Horizont.Azimut, "180.0°");
    EXPECT_EQ(a.Kreise.SW_Stunden + " " + a.Kreise.SW_Minuten, "00 00.0");
    EXPECT_EQ(a.Hoehen_Farbe, Farbe_Gruen);
    EXPECT_NEAR(a.Hoehe, 90.0 - (nord.DEapp - 47.0), 1e-9);

    Objekt_Type sued = Stern(2.0, 10.0);
    a = Im_Meridian(sued, p);
    EXPECT_EQ(a.Horizont.Azimut, "0.0°");
    EXPECT_NEAR(a.Hoehe, 90.0 - 47.0 + sued.DEapp, 1e-9);
    EXPECT_EQ(a.Horizont.Hoehe, Fest(a.Hoehe, 1) + "°");

    // Below the horizon everything is still shown, in red, with no air mass.
    Objekt_Type tief = Stern(2.0, -60.0);
    a = Im_Meridian(tief, p);
    EXPECT_TRUE(a.Hoehen_Farbe_Setzen);
    EXPECT_EQ(a.Hoehen_Farbe, Farbe_Rot);
    EXPECT_EQ(a.Horizont.Luftmasse, "—");
    EXPECT_EQ(a.Horizont.Hoehe, Fest(90.0 - 47.0 + tief.DEapp, 1) + "°");
}

TEST(Positions_Tick, Texte) {
    const Parameter_Type p = Standort();
    Objekt_Type o = Stern(5.5, -5.25);
    Positions_Anzeige a = Positions_Tick(o, true, JD2000, 5.5, p, true);
    EXPECT_EQ(a.Objekt.RA2000, "RA(J2000) 05:30:00.0h");
    EXPECT_EQ(a.Objekt.DE2000, "DE(J2000) -05:15:00°");
    // The true apparent place: 05:30:00.508h -05:15:08.50° (the T line of
    // tests/data/pointing/scheinbar_referenz.txt, ERFA atci13); on the meridian
    // the diurnal aberration moves only the right ascension, by 0.02 s at most.
    EXPECT_EQ(a.Objekt.RAapp, "RA(appar) 05:30:00.5h");
    EXPECT_EQ(a.Objekt.DEapp, "DE(appar) -05:15:09°");
    EXPECT_EQ(a.Objekt.Sternbild, "Con: Ori");
    EXPECT_EQ(a.Objekt.Typ, "Typ: Stern");
    EXPECT_EQ(a.Objekt.Info, "VMag:5.0");
    EXPECT_EQ(a.Objekt.Zeile, "HIP 1   ");
    EXPECT_TRUE(a.Objekt_Farbe_Setzen);
    EXPECT_EQ(a.Objekt_Farbe, Farbe_Weiss);
    EXPECT_EQ(a.Status, "40cm Schmidt-Kamera: DE/SW-Korr: 0.0°/0.0min      "
                        "60cm Cassegrain: DE/SW-Korr: 0.0°/0.0min");

    o = Stern(0.0, 0.0);
    o.VMag = UNBEKANNT;
    o.BMag = 1.23;
    a = Positions_Tick(o, true, JD2000, 0.0, p, true);
    EXPECT_EQ(a.Objekt.DE2000, "DE(J2000) +00:00:00°");
    EXPECT_EQ(a.Objekt.Info, "; BMag:1.2");
    o.BMag = UNBEKANNT;
    EXPECT_EQ(Positions_Tick(o, true, JD2000, 0.0, p, true).Objekt.Info, "");
}

TEST(Positions_Tick, Objektzeile) {
    const Parameter_Type p = Standort();
    Objekt_Type o = Stern(0.7, 41.3);
    o.Art = Objekt_Art::Messier;
    o.Bezeichnung = "M31";
    o.Alias = "Andromeda-Galaxie";
    o.Distanz = 0.78;
    o.Distanz_Einheit = "Mpc";
    EXPECT_EQ(Positions_Tick(o, true, JD_2026, 0, p, true).Objekt.Zeile,
              "Messier 31   Andromeda-Galaxie; 0.8 Mpc");
    o.Distanz = 10.0;
    EXPECT_EQ(Positions_Tick(o, true, JD_2026, 0, p, true).Objekt.Zeile,
              "Messier 31   Andromeda-Galaxie; 10.0 Mpc");
    o.Distanz = 10.4;
    EXPECT_EQ(Positions_Tick(o, true, JD_2026, 0, p, true).Objekt.Zeile,
              "Messier 31   Andromeda-Galaxie; 10 Mpc");
    // In our Galaxy the catalogue's Mpc read as "0.0 Mpc" for every object.
    o.Distanz = 0.0077;
    EXPECT_EQ(Positions_Tick(o, true, JD_2026, 0, p, true).Objekt.Zeile,
              "Messier 31   Andromeda-Galaxie; 7.7 kpc");
    o.Distanz = 0.0123;
    EXPECT_EQ(Positions_Tick(o, true, JD_2026, 0, p, true).Objekt.Zeile,
              "Messier 31   Andromeda-Galaxie; 12 kpc");

    o.Art = Objekt_Art::Planet;
    o.Bezeichnung = "PSonne";
    o.Alias = "";
    o.Distanz = 0.9851;
    o.Distanz_Einheit = "AU";
    EXPECT_EQ(Positions_Tick(o, true, JD_2026, 0, p, true).Objekt.Zeile, "Sonne   1.0 AU");

    o.Art = Objekt_Art::Veraenderlicher;
    o.Bezeichnung = "VR Leo";
    o.Distanz = UNBEKANNT;
    o.Alias = "Mira-Typ";
    EXPECT_EQ(Positions_Tick(o, true, JD_2026, 0, p, true).Objekt.Zeile,
              "Veränderlicher R Leo   Mira-Typ");

    // A bright-star hit has no kind label: the name stands as it is.
    o.Art = Objekt_Art::Keine;
    o.Bezeichnung = " Vega ";
    o.Alias = "";
    o.Distanz = 7.68;
    o.Distanz_Einheit = "pc";
    EXPECT_EQ(Positions_Tick(o, true, JD_2026, 0, p, true).Objekt.Zeile, "Vega   7.7 pc");
}

TEST(Positions_Tick, OhneObjekt) {
    Parameter_Type p = Standort();
    p.DE_Korr_60 = -1.3;
    Objekt_Type o = Stern(3.0, 30.0);
    o.RAapp = 17.0;
    const Objekt_Type vorher = o;
    const Positions_Anzeige a = Positions_Tick(o, false, JD_2026, 4.0, p, true);
    EXPECT_EQ(a.Objekt.Zeile, "");
    EXPECT_FALSE(a.Objekt_Farbe_Setzen);
    EXPECT_FALSE(a.Hoehen_Farbe_Setzen);
    EXPECT_EQ(a.Objekt.RA2000, "RA(J2000)");
    EXPECT_EQ(a.Objekt.RAapp, "RA(appar)");
    EXPECT_EQ(a.Objekt.DE2000, "DE(J2000)");
    EXPECT_EQ(a.Objekt.DEapp, "DE(appar)");
    EXPECT_EQ(a.Objekt.Typ, "Typ: ");
    EXPECT_EQ(a.Objekt.Sternbild, "Con: ");
    for (const std::string* s :
         {&a.Objekt.Info, &a.Kreise.DE_Grad, &a.Kreise.DE_Zehntel, &a.Kreise.SW_Stunden,
          &a.Kreise.SW_Minuten, &a.Horizont.Hoehe, &a.Horizont.Azimut, &a.Horizont.Luftmasse})
        EXPECT_EQ(*s, "");
    EXPECT_EQ(a.Status, "40cm Schmidt-Kamera: DE/SW-Korr: 0.0°/0.0min      "
                        "60cm Cassegrain: DE/SW-Korr: -1.3°/0.0min");
    EXPECT_EQ(o.RAapp, vorher.RAapp);
    EXPECT_EQ(o.Con, vorher.Con);

    // A place no text can show (a damaged catalogue field) is treated the same way.
    o.DE2000 = std::nan("");
    EXPECT_EQ(Positions_Tick(o, true, JD_2026, 4.0, p, true).Objekt.DE2000, "DE(J2000)");
    o = Stern(1e300, 10.0);
    EXPECT_NO_THROW(Positions_Tick(o, true, JD_2026, 4.0, p, true));
}
