#include <erfa.h>
#include <gtest/gtest.h>

#include <cmath>

#include "shared/konstanten.hpp"
#include "shared/parameter_type.hpp"
#include "time/sternzeit.hpp"
#include "time/uhr_tick.hpp"

namespace {
Zeitzone_Info Zone(int zustand, int bias, int daylight_bias) {
    Zeitzone_Info z;
    z.Zustand = zustand;
    z.Bias = bias;
    z.DaylightBias = daylight_bias;
    return z;
}
} // namespace

TEST(Sternzeit, StimmtMitErfaUeberzweiJahrhunderte) {
    double groesste = 0;
    for (double jd = 2415020.5; jd < 2488070.5; jd += 97.3137) {
        const double ref = eraGmst82(jd, 0.0);
        double d = std::remainder(Sternzeit_Greenwich(jd) - ref, Zwei_Pi);
        groesste = std::max(groesste, std::fabs(d));
    }
    EXPECT_LT(groesste, 1e-7);
}

TEST(UhrTick, J2000ZeigtKonstantenTerm) {
    Parameter_Type p = Parameter_Vorgabe();
    Uhr_Anzeige a = Uhr_Tick(JD2000, Zone(0, 0, 0), p, 0);
    EXPECT_EQ(a.Zone, "UT");
    EXPECT_EQ(a.JD_Text, "2451545.00000");
    EXPECT_EQ(a.GMST_Text, "18:41:51");
    EXPECT_EQ(a.PC_Zeit, "2000-01-01 12:00:00");
    EXPECT_NEAR(a.GMST, 280.46061837 / 15, 1e-9);
    // Local sidereal time runs ahead by the east longitude: 7.47497 deg = 29 min 54 s.
    EXPECT_EQ(a.LMST_Text, "19:11:45");
    EXPECT_NEAR(a.Sternzeit, a.GMST + 7.47497 / 15, 1e-9);
    a = Uhr_Tick(JD2000, Zone(0, 0, 0), p, 1);
    EXPECT_EQ(a.GMST_Text, "18:41:50.5");
    EXPECT_EQ(a.PC_Zeit, "2000-01-01 12:00:00.0");
    EXPECT_EQ(a.JD_Text, "2451545.00000");
}

TEST(UhrTick, ZeitzonenZustaende) {
    const Parameter_Type p = Parameter_Vorgabe();
    const double pc = 2460000.25;
    Uhr_Anzeige a = Uhr_Tick(pc, Zone(1, -60, -60), p, 0); // central Europe, winter
    EXPECT_EQ(a.Zone, "UT + 60 min");
    EXPECT_DOUBLE_EQ(a.JD_UT, pc - 1.0 / 24);
    a = Uhr_Tick(pc, Zone(2, -60, -60), p, 0); // central Europe, summer
    EXPECT_EQ(a.Zone, "UT + 120 min");
    EXPECT_DOUBLE_EQ(a.JD_UT, pc - 2.0 / 24);
    a = Uhr_Tick(pc, Zone(1, 300, -60), p, 0); // New York, winter
    EXPECT_EQ(a.Zone, "UT - 300 min");
    EXPECT_DOUBLE_EQ(a.JD_UT, pc + 300.0 / 1440);
    a = Uhr_Tick(pc, Zone(1, 0, -60), p, 0);
    EXPECT_EQ(a.Zone, "UT + 0 min");
    a = Uhr_Tick(pc, Zone(1, -330, 0), p, 0); // India: no daylight time, but an offset
    EXPECT_EQ(a.Zone, "UT + 330 min");
    EXPECT_DOUBLE_EQ(a.JD_UT, pc - 330.0 / 1440);
    a = Uhr_Tick(pc, Zone(0, 120, -60), p, 0); // state 0: the PC clock is UT
    EXPECT_EQ(a.Zone, "UT");
    EXPECT_EQ(a.JD_UT, pc);
    // A zone an hour west of UT in winter and on UT in summer keeps its own sign.
    a = Uhr_Tick(pc, Zone(1, 60, -60), p, 0);
    EXPECT_EQ(a.Zone, "UT - 60 min");
}

TEST(UhrTick, StatusZeileMitKorrekturen) {
    Parameter_Type p = Parameter_Vorgabe();
    p.DE_Korr_40 = 0.2;
    p.SW_Korr_40 = -1.5;
    EXPECT_EQ(Uhr_Tick(JD2000, Zone(0, 0, 0), p, 0).Status,
              "40cm Schmidt-Kamera: DE/SW-Korr: 0.2°/-1.5min      "
              "60cm Cassegrain: DE/SW-Korr: 0.0°/0.0min");
    // Three steps up and three down leave a rounding residue that must not show as -0.0.
    p.DE_Korr_60 = 0.1 + 0.1 + 0.1 - 0.1 - 0.1 - 0.1 - 1e-17;
    EXPECT_NE(Korrektur_Status_Text(p).find("60cm Cassegrain: DE/SW-Korr: 0.0°"),
              std::string::npos);
}

TEST(UhrTick, SternzeitKurzVor24Stunden) {
    // Find an instant whose LMST lies within 0.05 s below 24 h; tenths show 24:00:00.0.
    Parameter_Type p = Parameter_Vorgabe();
    p.Laenge = 0;
    const double jd0 = JD2000 + (24 - 280.46061837 / 15) / 24 / 1.00273790935;
    Uhr_Anzeige a = Uhr_Tick(jd0 - 0.02 / 86400, Zone(0, 0, 0), p, 1);
    EXPECT_LT(a.Sternzeit, 24);
    EXPECT_EQ(a.LMST_Text, "24:00:00.0");
}
