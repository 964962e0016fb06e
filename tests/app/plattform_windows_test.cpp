// The platform layer's Windows branch (runs in the Windows build, under wine).
#ifdef _WIN32
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "basis/plattform_windows.hpp"
#include "time/uhr_tick.hpp"

namespace {

SYSTEMTIME Tag(int j, int m, int t) {
    SYSTEMTIME s{};
    s.wYear = static_cast<WORD>(j);
    s.wMonth = static_cast<WORD>(m);
    s.wDay = static_cast<WORD>(t);
    s.wHour = 12;
    return s;
}

// Windows' yearly rule: the n-th (5 = last) Sunday of a month at `stunde`.
SYSTEMTIME Regel(int monat, int n, int stunde) {
    SYSTEMTIME s{};
    s.wMonth = static_cast<WORD>(monat);
    s.wDay = static_cast<WORD>(n);
    s.wHour = static_cast<WORD>(stunde);
    return s;
}

} // namespace

// The answers of GetTimeZoneInformation mapped to the states the Linux branch
// gives for the same zones.
TEST(ZeitzoneWindows, AntwortenWieUnterLinux) {
    TIME_ZONE_INFORMATION mez{};
    mez.Bias = -60;
    mez.DaylightBias = -60;
    mez.StandardDate = Regel(10, 5, 3);
    mez.DaylightDate = Regel(3, 5, 2);
    TIME_ZONE_INFORMATION indien{};
    indien.Bias = -330;
    indien.DaylightBias = -60; // set by some systems although there is no rule
    TIME_ZONE_INFORMATION utc{};

    struct Fall {
        const char* name;
        DWORD antwort;
        const TIME_ZONE_INFORMATION* tz;
        SYSTEMTIME jetzt;
        int zustand, daylight_bias;
        const char* text;
        int sommer_jahr, sommer_monat, sommer_tag; // next change to daylight-saving time
        int winter_jahr, winter_monat, winter_tag; // next change to standard time
    };
    const Fall faelle[] = {
        {"MEZ Januar", TIME_ZONE_ID_STANDARD, &mez, Tag(2024, 1, 15), 1, -60, "UT + 60 min", 2024,
         3, 31, 2024, 10, 27},
        {"MESZ Juli", TIME_ZONE_ID_DAYLIGHT, &mez, Tag(2024, 7, 15), 2, -60, "UT + 120 min", 2025,
         3, 30, 2024, 10, 27},
        {"MEZ November", TIME_ZONE_ID_STANDARD, &mez, Tag(2024, 11, 1), 1, -60, "UT + 60 min", 2025,
         3, 30, 2025, 10, 26},
        {"Indien", TIME_ZONE_ID_UNKNOWN, &indien, Tag(2024, 7, 15), 1, 0, "UT + 330 min", 0, 0, 0,
         0, 0, 0},
        {"UTC", TIME_ZONE_ID_UNKNOWN, &utc, Tag(2024, 7, 15), 0, 0, "UT", 0, 0, 0, 0, 0, 0},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        const Zeitzone_Info z = Zeitzone_Aus_Windows(f.antwort, *f.tz, f.jetzt);
        EXPECT_EQ(z.Zustand, f.zustand);
        EXPECT_EQ(z.Bias, f.tz->Bias);
        EXPECT_EQ(z.DaylightBias, f.daylight_bias);
        EXPECT_EQ(Zeitzone_Text(z), f.text);
        EXPECT_EQ(z.DaylightDate.Jahr, f.sommer_jahr);
        EXPECT_EQ(z.DaylightDate.Monat, f.sommer_monat);
        EXPECT_EQ(z.DaylightDate.Tag, f.sommer_tag);
        EXPECT_EQ(z.StandardDate.Jahr, f.winter_jahr);
        EXPECT_EQ(z.StandardDate.Monat, f.winter_monat);
        EXPECT_EQ(z.StandardDate.Tag, f.winter_tag);
        if (f.sommer_jahr != 0) {
            EXPECT_EQ(z.DaylightDate.Wochentag, 0); // a Sunday
        }
    }
    EXPECT_EQ(Zeitzone_Aus_Windows(TIME_ZONE_ID_INVALID, mez, Tag(2024, 1, 15)).Zustand, -1);
}

// The system's zone as the process sees it (the test run sets TZ; wine takes
// the zone from it).
TEST(ZeitzoneWindows, SystemZoneAusTZ) {
    const char* tz = std::getenv("TZ");
    if (tz == nullptr) GTEST_SKIP() << "TZ nicht gesetzt";
    struct Fall {
        const char* tz;
        int bias, daylight_bias;
        bool sommerzeit_moeglich;
        int zustand; // when no daylight-saving time is possible
    };
    const Fall faelle[] = {
        {"Europe/Zurich", -60, -60, true, 0},
        {"Asia/Kolkata", -330, 0, false, 1},
        {"UTC", 0, 0, false, 0},
    };
    for (const Fall& f : faelle) {
        if (std::string(tz) != f.tz) continue;
        const Zeitzone_Info z = Zeitzone_Windows();
        EXPECT_EQ(z.Bias, f.bias);
        EXPECT_EQ(z.DaylightBias, f.daylight_bias);
        if (f.sommerzeit_moeglich) {
            EXPECT_TRUE(z.Zustand == 1 || z.Zustand == 2) << z.Zustand;
            EXPECT_EQ(z.DaylightDate.Monat, 3);
            EXPECT_EQ(z.StandardDate.Monat, 10);
        } else {
            EXPECT_EQ(z.Zustand, f.zustand);
        }
        return;
    }
    GTEST_SKIP() << "keine Erwartung für TZ=" << tz;
}

TEST(PlattformWindows, DokumenteUndOeffnen) {
    const std::string dok = Dokumente_Ordner_Windows();
    EXPECT_FALSE(dok.empty());
    EXPECT_EQ(dok.find('\\'), std::string::npos);
    EXPECT_FALSE(Oeffnen_Windows("C:/gibt/es/nicht/Stelux_Anleitung.pdf", false));
}
#endif
