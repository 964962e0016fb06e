#include <gtest/gtest.h>

#include "app/plattform.hpp"
#include "time/uhr_tick.hpp"

namespace {

Zeitzone_Info Zone(const char* name, int jahr, int monat) {
    return Zeitzone_Von(QTimeZone(name),
                        QDateTime(QDate(jahr, monat, 15), QTime(12, 0), QTimeZone::utc()));
}

} // namespace

TEST(Zeitzone, MitteleuropaWinterUndSommer) {
    const Zeitzone_Info winter = Zone("Europe/Zurich", 2024, 1);
    EXPECT_EQ(winter.Zustand, 1);
    EXPECT_EQ(winter.Bias, -60);
    EXPECT_EQ(winter.DaylightBias, -60);
    EXPECT_EQ(Zeitzone_Text(winter), "UT + 60 min");
    EXPECT_EQ(winter.DaylightDate.Jahr, 2024); // next change: end of March, a Sunday
    EXPECT_EQ(winter.DaylightDate.Monat, 3);
    EXPECT_EQ(winter.DaylightDate.Wochentag, 0);
    EXPECT_EQ(winter.StandardDate.Monat, 10);

    const Zeitzone_Info sommer = Zone("Europe/Zurich", 2024, 7);
    EXPECT_EQ(sommer.Zustand, 2);
    EXPECT_EQ(sommer.Bias, -60);
    EXPECT_EQ(sommer.DaylightBias, -60);
    EXPECT_EQ(Zeitzone_Text(sommer), "UT + 120 min");
    EXPECT_EQ(Zeitzone_Versatz_Minuten(sommer), -120);
}

TEST(Zeitzone, WestlichOhneSommerzeitUndUT) {
    const Zeitzone_Info ny = Zone("America/New_York", 2024, 1);
    EXPECT_EQ(ny.Zustand, 1);
    EXPECT_EQ(ny.Bias, 300);
    EXPECT_EQ(Zeitzone_Text(ny), "UT - 300 min");

    const Zeitzone_Info indien = Zone("Asia/Kolkata", 2024, 7);
    EXPECT_EQ(indien.Zustand, 1);
    EXPECT_EQ(indien.Bias, -330);
    EXPECT_EQ(indien.DaylightBias, 0);
    EXPECT_EQ(Zeitzone_Text(indien), "UT + 330 min");

    // Offset 0 all year: the PC clock is UT.
    const Zeitzone_Info utc = Zone("UTC", 2024, 7);
    EXPECT_EQ(utc.Zustand, 0);
    EXPECT_EQ(Zeitzone_Text(utc), "UT");

    // London in winter keeps its daylight-saving rule: standard time, offset 0.
    const Zeitzone_Info london = Zone("Europe/London", 2024, 1);
    EXPECT_EQ(london.Zustand, 1);
    EXPECT_EQ(Zeitzone_Text(london), "UT + 0 min");

    EXPECT_EQ(Zeitzone_Von(QTimeZone("Keine/Zone"), QDateTime::currentDateTimeUtc()).Zustand, -1);
}

TEST(Plattform, JulianischesDatumDerLokalzeit) {
    EXPECT_DOUBLE_EQ(JD_Von_Lokalzeit(QDateTime(QDate(2000, 1, 1), QTime(12, 0))), 2451545.0);
    EXPECT_DOUBLE_EQ(JD_Von_Lokalzeit(QDateTime(QDate(1899, 12, 30), QTime(0, 0))), 2415018.5);
    EXPECT_NEAR(JD_Von_Lokalzeit(QDateTime(QDate(2024, 3, 9), QTime(21, 15, 7, 400))),
                2460379.0 + (9 * 3600 + 15 * 60 + 7.4) / 86400.0, 1e-9);
}

TEST(Plattform, DatenOrdnerUndSchriften) {
    EXPECT_EQ(Daten_Ordner_Aus("/home/b/Dokumente"), "/home/b/Dokumente/Stelux/");
    EXPECT_EQ(Daten_Ordner_Aus("/home/b/Dokumente/"), "/home/b/Dokumente/Stelux/");
    EXPECT_EQ(Schrift_Familie("Arial"), "Liberation Sans");
    EXPECT_EQ(Schrift_Familie("Arial Narrow"), "Liberation Sans Narrow");
    for (const char* fest : {"Fixedsys", "8514oem", "Courier"})
        EXPECT_EQ(Schrift_Familie(fest), "Liberation Mono");
}
