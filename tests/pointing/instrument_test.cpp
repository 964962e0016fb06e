#include "pointing/instrument.hpp"

#include <gtest/gtest.h>

#include "pointing/positions_tick.hpp"
#include "shared/konstanten.hpp"
#include "shared/zahlen.hpp"
#include "time/uhr_tick.hpp"

TEST(Instrument, CaptionsUndWert) {
    // The file's value decides the captions; any value but 40 is the Cassegrain.
    struct Fall {
        std::int32_t wert;
        const char *oben, *unten;
        std::int32_t zurueck;
    };
    for (const Fall& f : {Fall{40, "&40cm Schmidt-Kamera", "&60cm Cassegrain", 40},
                          Fall{60, "&60cm Cassegrain", "&40cm Schmidt-Kamera", 60},
                          Fall{0, "&60cm Cassegrain", "&40cm Schmidt-Kamera", 60}}) {
        std::string c1, c2;
        Instrument_Captions(Instrument_Wert(Instrument_Aus_Wert(f.wert)), c1, c2);
        EXPECT_EQ(c1, f.oben) << f.wert;
        EXPECT_EQ(c2, f.unten) << f.wert;
        EXPECT_EQ(Instrument_Wert(Instrument_Aus_Wert(f.wert)), f.zurueck) << f.wert;
    }
}

TEST(Instrument, KorrekturenNurAmAktuellen) {
    Parameter_Type p;
    Korrektur_SW_Plus(p, false);
    EXPECT_DOUBLE_EQ(p.SW_Korr_60, 0.1);
    EXPECT_EQ(p.SW_Korr_40, 0.0);
    Korrektur_SW_Minus(p, true);
    Korrektur_SW_Minus(p, true);
    EXPECT_DOUBLE_EQ(p.SW_Korr_40, -0.2);
    EXPECT_DOUBLE_EQ(p.SW_Korr_60, 0.1);
    Korrektur_DE_Minus(p, false);
    EXPECT_DOUBLE_EQ(p.DE_Korr_60, -0.1);
    EXPECT_EQ(p.DE_Korr_40, 0.0);
    EXPECT_DOUBLE_EQ(SW_Korrektur(p, true), -0.2);
    EXPECT_DOUBLE_EQ(SW_Korrektur(p, false), 0.1);
    EXPECT_DOUBLE_EQ(DE_Korrektur(p, false), -0.1);
}

TEST(Instrument, KorrekturenInDenAblesungen) {
    Parameter_Type p;
    p.Breite = 47.0;
    Objekt_Type o;
    o.RA2000 = 4.0;
    o.DE2000 = 20.0;
    o.VMag = o.BMag = o.Distanz = UNBEKANNT;

    const double jd = 2461382.25;
    Ort_Uebernehmen(o, Positions_Tick(o, true, jd, 0.0, p, true).Ort);
    const double sternzeit = o.RAapp + 1.0; // one hour west of the meridian
    const Positions_Anzeige vorher = Positions_Tick(o, true, jd, sternzeit, p, true);

    for (int i = 0; i < 3; ++i) Korrektur_DE_Plus(p, true);
    Positions_Anzeige a = Positions_Tick(o, true, jd, sternzeit, p, true);
    EXPECT_EQ(Korrektur_Status_Text(p), a.Status);
    EXPECT_NE(a.Status.find("Kamera: DE/SW-Korr: 0.3°/0.0min"), std::string::npos);
    const double d = o.DEapp + 0.3;
    EXPECT_EQ(a.Kreise.DE_Grad + "." + a.Kreise.DE_Zehntel, "+" + Fest(d, 1));
    EXPECT_EQ(a.Horizont.Hoehe, vorher.Horizont.Hoehe); // altitude stays uncorrected

    // The Cassegrain's hour-angle correction shows only while it is current.
    for (int i = 0; i < 25; ++i) Korrektur_SW_Plus(p, false);
    EXPECT_EQ(Positions_Tick(o, true, jd, sternzeit, p, true).Kreise.SW_Minuten,
              vorher.Kreise.SW_Minuten);
    a = Positions_Tick(o, true, jd, sternzeit, p, false);
    EXPECT_EQ(a.Kreise.SW_Stunden + " " + a.Kreise.SW_Minuten, "01 02.5");
    EXPECT_EQ(a.Kreise.DE_Grad + "." + a.Kreise.DE_Zehntel, "+" + Fest(o.DEapp, 1));
}

// The keys stop at the limits the parameter file accepts.
TEST(Instrument, KorrekturenHaltenAnDerGrenze) {
    Parameter_Type p;
    p.DE_Korr_60 = 90.0;
    p.SW_Korr_40 = -719.95;
    Korrektur_DE_Plus(p, false);
    Korrektur_SW_Minus(p, true);
    EXPECT_EQ(p.DE_Korr_60, 90.0);
    EXPECT_EQ(p.SW_Korr_40, -720.0);
    Korrektur_DE_Minus(p, false);
    EXPECT_DOUBLE_EQ(p.DE_Korr_60, 89.9);
}
