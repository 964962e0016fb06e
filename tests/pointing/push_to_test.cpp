// Push-to differences: directions, units, the field and the fold of the hour angle.
#include <gtest/gtest.h>

#include "pointing/push_to.hpp"

TEST(Push_To, RichtungenUndEinheiten) {
    const double s = 5.0; // local sidereal time, hours
    struct Fall {
        double ziel_sw, ziel_de, teleskop_sw, teleskop_de, de_korr, sw_korr;
        double nord, west;
        const char* text;
    };
    const Fall faelle[] = {
        // Target further north and at a smaller hour angle (east of the telescope).
        {1.0, 30.0, 1.2, 28.75, 0, 0, 1.25, -12.0, "Noch 1.25° nach Norden · 12.0 min nach Osten"},
        {1.2, 28.75, 1.0, 30.0, 0, 0, -1.25, 12.0, "Noch 1.25° nach Süden · 12.0 min nach Westen"},
        // Across 0 h of hour angle the short way round.
        {23.9, 10.0, 0.1, 10.0, 0, 0, 0, -12.0, "Noch 0.00° · 12.0 min nach Osten"},
        // The index correction is where the circles must stand: +0.5 deg, +3 min.
        {1.0, 30.0, 1.05, 30.5, 0.5, 3.0, 0, 0, "Im Feld · 0.00° · 0.0 min"},
        // More than an hour: hours and minutes.
        {-3.0, 0.0, 0.0, 0.0, 0, 0, 0, -180.0, "Noch 0.00° · 3 h 00.0 min nach Osten"},
        {2.09, 0.0, 0.0, 0.0, 0, 0, 0, 125.4, "Noch 0.00° · 2 h 05.4 min nach Westen"},
    };
    for (const Fall& f : faelle) {
        const Push_To_Anzeige p = Push_To_Berechnen(f.ziel_sw, f.ziel_de, s - f.teleskop_sw,
                                                    f.teleskop_de, s, f.de_korr, f.sw_korr, 0.25);
        ASSERT_TRUE(p.Gueltig);
        EXPECT_NEAR(p.Nord_Grad, f.nord, 1e-9) << f.text;
        EXPECT_NEAR(p.West_Min, f.west, 1e-9) << f.text;
        EXPECT_EQ(p.Text, f.text);
    }
}

TEST(Push_To, ImFeldNachDemAbstandAmHimmel) {
    // Half the 60 cm's field is 7.5'. At declination 60 deg one minute of time
    // is 15' * cos 60 = 7.5' on the sky.
    struct Fall {
        double d_de, d_sw_min, de;
        bool im_feld;
    };
    for (const Fall f :
         {Fall{0.1, 0, 0, true}, Fall{0.13, 0, 0, false}, Fall{0, 0.9, 60, true},
          Fall{0, 1.1, 60, false}, Fall{0, 0.45, 0, true}, Fall{0, 0.55, 0, false}}) {
        const Push_To_Anzeige p =
            Push_To_Berechnen(f.d_sw_min / 60.0, f.de + f.d_de, 0, f.de, 0, 0, 0,
                              Feld_Durchmesser(Instrument_Art::Cassegrain_60));
        EXPECT_EQ(p.Im_Feld, f.im_feld) << f.d_de << " " << f.d_sw_min << " " << f.de;
    }
    // The Schmidt camera's 3 deg: 1.4 deg off is still in the field.
    EXPECT_TRUE(Push_To_Berechnen(0, 1.4, 0, 0, 0, 0, 0,
                                  Feld_Durchmesser(Instrument_Art::Schmidt_Kamera_40))
                    .Im_Feld);
}
