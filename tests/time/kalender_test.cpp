#include <gtest/gtest.h>

#include "shared/fehler.hpp"
#include "shared/konstanten.hpp"
#include "time/kalender.hpp"
#include "time/zeit_texte.hpp"

namespace {
double JD(int Y, int M, int D, double h = 0, double m = 0, double s = 0) {
    double jd = 0;
    Datum_Zu_JD(Y, M, D, h, m, s, jd);
    return jd;
}

struct Datum {
    std::int32_t Y, M, D;
    double h, m, s;
};
Datum Zerlegen(double jd) {
    Datum d{};
    JD_Zu_Datum(jd, d.Y, d.M, d.D, d.h, d.m, d.s);
    return d;
}
} // namespace

TEST(Kalender, BekannteJulianischeDaten) {
    EXPECT_EQ(JD(2000, 1, 1, 12), JD2000);
    EXPECT_EQ(JD(1858, 11, 17), 2400000.5);
    EXPECT_NEAR(JD(1957, 10, 4, 19, 26, 24), 2436116.31, 1e-9);
    // Julian calendar on both sides of the reform: 4 October is followed by 15 October.
    EXPECT_EQ(JD(1582, 10, 15) - JD(1582, 10, 4), 1.0);
    EXPECT_EQ(JD(333, 1, 27, 12), 1842713.0);
    // Years before 333 are shifted by millennia and come back as Julian-calendar dates.
    EXPECT_EQ(JD(-4712, 1, 1, 12), 0.0);
    EXPECT_EQ(JD(-1000, 7, 12, 12), 1356001.0);
}

TEST(Kalender, RueckwegGibtDatumUndZeit) {
    Datum d = Zerlegen(JD2000);
    EXPECT_EQ(d.Y, 2000);
    EXPECT_EQ(d.M, 1);
    EXPECT_EQ(d.D, 1);
    EXPECT_EQ(d.h, 12);
    EXPECT_EQ(d.m, 0);
    EXPECT_EQ(d.s, 0);
    d = Zerlegen(JD2000 - 0.5);
    EXPECT_EQ(d.D, 1);
    EXPECT_EQ(d.h, 0);
    d = Zerlegen(JD2000 + 0.25);
    EXPECT_EQ(d.h, 18);
    d = Zerlegen(JD2000 + 0.75); // the hour first comes out as 30
    EXPECT_EQ(d.D, 2);
    EXPECT_EQ(d.h, 6);
    // A tenth of a millisecond before midnight is still the old day, at its end.
    d = Zerlegen(JD2000 + 0.5 - 1e-9);
    EXPECT_EQ(d.D, 1);
    EXPECT_NEAR(d.h * 3600 + d.m * 60 + d.s, 86399.999, 1e-9);
    d = Zerlegen(JD2000 + 0.5);
    EXPECT_EQ(d.D, 2);
    EXPECT_EQ(d.h + d.m + d.s, 0);
    d = Zerlegen(JD(1582, 10, 15));
    EXPECT_EQ(d.M * 100 + d.D, 1015);
    d = Zerlegen(JD(1582, 10, 15) - 1);
    EXPECT_EQ(d.M * 100 + d.D, 1004);
    d = Zerlegen(JD(-1000, 7, 12, 12));
    EXPECT_EQ(d.Y, -1000);
    EXPECT_EQ(d.M, 7);
    EXPECT_EQ(d.D, 12);
}

TEST(Kalender, HinUndZurueckUeberJahrhunderte) {
    for (int y = 1600; y <= 2400; y += 7)
        for (int mo = 1; mo <= 12; mo += 5) {
            const Datum d = Zerlegen(JD(y, mo, 28, 21, 15, 7.25));
            EXPECT_EQ(d.Y, y);
            EXPECT_EQ(d.M, mo);
            EXPECT_EQ(d.D, 28);
            EXPECT_EQ(d.h, 21);
            EXPECT_EQ(d.m, 15);
            EXPECT_NEAR(d.s, 7.25, 0.0015);
        }
}

TEST(Kalender, UnmoeglicheDatenSindBereichsfehler) {
    EXPECT_THROW(Zerlegen(3e9), Bereichs_Fehler);
    EXPECT_THROW(Zerlegen(std::numeric_limits<double>::quiet_NaN()), Bereichs_Fehler);
    EXPECT_THROW(JD(2000000000, 1, 1), Bereichs_Fehler);
    EXPECT_NO_THROW(Zerlegen(-5e8)); // far back, but every count fits
    // About 1.9 billion years back the year still fits 32 bits; further back it
    // does not, and the date is refused rather than given a wrapped year.
    EXPECT_NEAR(Zerlegen(-7e11).Y, -4712 - 7e11 / 365.25, 2.0); // JD 0 is -4712
    EXPECT_THROW(Zerlegen(-1e12), Bereichs_Fehler);
    EXPECT_THROW(Zerlegen(-1e300), Bereichs_Fehler);
}

TEST(DatumZeitText, RundetSekundenOhneSechzig) {
    EXPECT_EQ(Datum_Zeit_Text(2024, 3, 9, 21, 15, 7.4, 1), "2024-03-09 21:15:07.4");
    EXPECT_EQ(Datum_Zeit_Text(2024, 3, 9, 21, 15, 7.4, 0), "2024-03-09 21:15:07");
    EXPECT_EQ(Datum_Zeit_Text(2024, 3, 9, 21, 15, 29.6, 0), "2024-03-09 21:15:30");
    EXPECT_EQ(Datum_Zeit_Text(2024, 3, 9, 21, 15, 59.7, 0), "2024-03-09 21:15:59");
    EXPECT_EQ(Datum_Zeit_Text(2024, 3, 9, 21, 15, 59.7, 1), "2024-03-09 21:15:59.7");
    EXPECT_EQ(Datum_Zeit_Text(2024, 3, 9, 21, 15, 59.97, 1), "2024-03-09 21:15:59.9");
    EXPECT_EQ(Datum_Zeit_Text(2024, 3, 9, 21, 15, 7.3, 1), "2024-03-09 21:15:07.3");
    EXPECT_EQ(Datum_Zeit_Text(812, 1, 2, 3, 4, 5, 0), "0812-01-02 03:04:05");
}

TEST(SexagesimalText, FormenDerStundenUndGrade) {
    EXPECT_EQ(Sexagesimal_Text(0, 5.5), "  05:30:00");
    EXPECT_EQ(Sexagesimal_Text(0, -0.5), " -00:30:00");
    EXPECT_EQ(Sexagesimal_Text(0, 100), " 100:00:00");
    EXPECT_EQ(Sexagesimal_Text(0, -100), "-100:00:00");
    EXPECT_EQ(Sexagesimal_Text(0, 0), "  00:00:00");
    EXPECT_EQ(Sexagesimal_Text(1, 0), "  00:00:00.0");
    EXPECT_EQ(Sexagesimal_Text(1, 24 - 0.04 / 3600), "  24:00:00.0");
    EXPECT_EQ(Sexagesimal_Text(2, 1 + 2.0 / 60 + 3.456 / 3600), "  01:02:03.46");
    EXPECT_EQ(Sexagesimal_Text(4, 12.5), "  12:30:00.0000");
    EXPECT_THROW(Sexagesimal_Text(5, 1), Bereichs_Fehler);
    EXPECT_THROW(Sexagesimal_Text(-1, 1), Bereichs_Fehler);
}
