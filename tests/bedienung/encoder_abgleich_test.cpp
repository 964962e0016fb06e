// Push-to and sync through the session: the sync takes the difference into the
// current instrument's correction only, and the same star then needs no turn.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "bedienung/sitzung.hpp"

namespace fs = std::filesystem;

TEST(Abgleich, DifferenzWirdKorrekturDesInstruments) {
    const fs::path alt = fs::current_path();
    fs::current_path(STELUX_TEST_DATEN "/catalog");
    Sitzung s;
    s.Daten_Ordner_Setzen(STELUX_TEST_DATEN "/app/");
    s.Elemente_Bei_Bedarf();
    s.Parameter_Uebernehmen(Parameter_Vorgabe());
    s.Tick(2461001.1, Zeitzone_Info{});
    Encoder_Ort ort;
    ort.Gueltig = true;
    EXPECT_FALSE(s.Push_To(ort).Gueltig); // no object yet
    EXPECT_FALSE(s.Abgleichen(ort));
    ASSERT_TRUE(s.Auswaehlen("M31").Gefunden);
    fs::current_path(alt);

    // The telescope 0.4 deg south and 2 min of time west of M31's place of date.
    const Parameter_Type vorher = s.Parameter_Zum_Speichern();
    ort.RA = s.Stand().Werte.RAapp - 2.0 / 60.0;
    ort.DE = s.Stand().Werte.DEapp - 0.4;
    Push_To_Anzeige p = s.Push_To(ort);
    ASSERT_TRUE(p.Gueltig);
    const bool schmidt = s.Schmidt();
    EXPECT_NEAR(p.Nord_Grad, 0.4 + DE_Korrektur(vorher, schmidt), 1e-9);
    EXPECT_NEAR(p.West_Min, -2.0 + SW_Korrektur(vorher, schmidt), 1e-9);
    // The clock ticks on without a position step: the target's hour angle is
    // that of the last step, and so must the telescope's be.
    s.Uhr_Schritt(2461001.1 + 30.0 / 86400.0, Zeitzone_Info{});
    EXPECT_NEAR(s.Push_To(ort).West_Min, p.West_Min, 1e-9);

    // Not at a planned instant: the telescope points now.
    s.Planung_Setzen(true, 2027, 1, 5, 22, 0, 0, 0);
    ASSERT_TRUE(s.Planung());
    EXPECT_FALSE(s.Abgleichen(ort));
    EXPECT_EQ(s.Parameter_Zum_Speichern().DE_Korr_40, vorher.DE_Korr_40);
    s.Planung_Aufheben();

    ASSERT_TRUE(s.Abgleichen(ort));
    const Parameter_Type nachher = s.Parameter_Zum_Speichern();
    EXPECT_NEAR(DE_Korrektur(nachher, schmidt), -0.4, 1e-9);
    EXPECT_NEAR(SW_Korrektur(nachher, schmidt), 2.0, 1e-9);
    EXPECT_EQ(DE_Korrektur(nachher, !schmidt), DE_Korrektur(vorher, !schmidt));
    EXPECT_EQ(SW_Korrektur(nachher, !schmidt), SW_Korrektur(vorher, !schmidt));
    // The sync ticks the readings at the clock's instant, 30 s on: the place of
    // date has moved by nanodegrees, far below the line's 0.01° and 0.1 min.
    p = s.Push_To(ort);
    EXPECT_NEAR(p.Nord_Grad, 0, 1e-6);
    EXPECT_NEAR(p.West_Min, 0, 1e-6);
    EXPECT_TRUE(p.Im_Feld);
    // The circles show the new correction at the next tick.
    EXPECT_NE(s.Positions_Schritt().Position.Status, "");

    // A correction past ±90° (the telescope far south of the star) or a
    // reported declination past the pole is refused, the correction kept;
    // just inside the limit it is taken.
    const double de_stern = s.Stand().Werte.DEapp;
    for (const double de : {de_stern - 90.05, 95.0, -90.5, std::nan("")}) {
        ort.DE = de;
        EXPECT_FALSE(s.Abgleichen(ort)) << de;
        EXPECT_EQ(DE_Korrektur(s.Parameter_Zum_Speichern(), schmidt),
                  DE_Korrektur(nachher, schmidt));
    }
    ort.DE = de_stern - 89.95;
    ASSERT_TRUE(s.Abgleichen(ort));
    EXPECT_NEAR(DE_Korrektur(s.Parameter_Zum_Speichern(), schmidt), -89.95, 1e-6);
}
