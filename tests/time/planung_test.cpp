#include <gtest/gtest.h>

#include "time/planung.hpp"

TEST(Planung, JahresgrenzenMarkeUndVersatz) {
    const struct {
        bool gueltig;
        int jahr, monat, tag, stunde, minute;
        bool angenommen;
        const char* marke;
    } faelle[] = {
        {true, 1899, 12, 31, 23, 59, false, ""},
        {true, 1900, 1, 1, 0, 0, true, "PLANUNG 1900-01-01 00:00   "},
        {true, 2100, 12, 31, 23, 59, true, "PLANUNG 2100-12-31 23:59   "},
        {true, 2101, 1, 1, 0, 0, false, ""},
        {false, 2026, 3, 29, 2, 30, false, ""}, // no such local time
    };
    for (const auto& f : faelle) {
        const Planungs_Zeitpunkt p =
            Planung_Berechnen(f.gueltig, f.jahr, f.monat, f.tag, f.stunde, f.minute, 5000, 2000);
        EXPECT_EQ(p.Angenommen, f.angenommen) << f.jahr;
        EXPECT_EQ(p.Marke, f.marke) << f.jahr;
        EXPECT_EQ(p.Versatz_ms, f.angenommen ? 3000 : 0) << f.jahr;
        EXPECT_EQ(p.Meldung.empty(), f.angenommen) << f.jahr;
    }
}
