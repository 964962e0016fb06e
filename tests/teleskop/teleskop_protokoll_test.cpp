// The telescope link's two protocols and the conversion to the place of date.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "teleskop/teleskop_protokoll.hpp"

namespace {
constexpr double Bogensekunde = 1.0 / 3600.0;

struct Lx200_Probe {
    Teleskop_Ort ort{true, {16.0 + 41.0 / 60 + 41.6 / 3600, -(5.0 + 7.0 / 60 + 59.6 / 3600)}};
    std::vector<Himmelsort> ziele;
    bool oben = true;
    // 2026-12-08 23:59:30 CET (JD 2461382.5 is 0 h), UTC+1, LST 5h 30m.
    Lx200_Standort st{47.46651, 7.47497, 2461382.5 + (23 * 3600 + 59 * 60 + 30) / 86400.0,
                      1.0,      5.5,     "Stelux"};
    Lx200_Verbindung v{[this] { return ort; },
                       [this](const Himmelsort& h) {
                           ziele.push_back(h);
                           return Ziel_Rueckmeldung{oben, "Ziel von außen · M13"};
                       },
                       [this] { return st; }};
};
} // namespace

TEST(Lx200, Antworten_Und_Genauigkeit) {
    Lx200_Probe p;
    EXPECT_EQ(p.v.Eingabe("\x06"), "P");
    EXPECT_EQ(p.v.Eingabe(":GR#:GD#"), "16:41:42#-05*08'00#");
    EXPECT_EQ(p.v.Eingabe(":U#:GR#:GD#"), "16:41.7#-05*08#");
    EXPECT_EQ(p.v.Eingabe(":U#"), "");
    // Rounding carries through minutes and hours; 24 h is 0 h.
    p.ort.Datum = {24.0 - 0.1 / 3600, 89.99999};
    EXPECT_EQ(p.v.Eingabe(":GR#:GD#"), "00:00:00#+90*00'00#");
    // Stops, rates and everything unknown get no reply.
    EXPECT_EQ(p.v.Eingabe(":Q#:RS#:RM#:RC#:RG#:Me#:XYZ#"), "");
    // Nothing known: the zenith, never 0/0.
    p.ort.Gueltig = false;
    EXPECT_EQ(p.v.Eingabe(":GR#:GD#"), "05:30:00#+47*27'59#");
}

TEST(Lx200, Ort_Und_Uhr) {
    Lx200_Probe p;
    // What a driver asks while it connects and slews, each answered in step.
    EXPECT_EQ(p.v.Eingabe(":GC#:GL#:GG#:Gt#:Gg#:Gc#:GM#:GT#:D#"),
              "12/08/26#23:59:30#-01.0#+47*28#-007*28#24#Stelux#60.0##");
    // West of Greenwich, south, behind UTC: Meade's signs.
    p.st = {-33.5, -70.25, 2451545.0, -4.0, 0, "Süd"};
    EXPECT_EQ(p.v.Eingabe(":GC#:GL#:GG#:Gt#:Gg#:GM#"),
              "01/01/00#12:00:00#+04.0#-33*30#+070*15#Sd#");
    p.st.Laenge = 200; // east longitude beyond 180: west 160
    EXPECT_EQ(p.v.Eingabe(":Gg#"), "+160*00#");
}

TEST(Lx200, Ziel_Setzen) {
    Lx200_Probe p;
    // No target yet: nothing is selected.
    EXPECT_EQ(p.v.Eingabe(":MS#"), Lx200_Keine_Koordinaten);
    EXPECT_EQ(p.v.Eingabe(":Sr 16:41:41#:Sd +36*27:35#"), "11");
    EXPECT_EQ(p.v.Eingabe(":MS#"), "0");
    ASSERT_EQ(p.ziele.size(), 1u);
    EXPECT_NEAR(p.ziele[0].RA, 16 + 41.0 / 60 + 41.0 / 3600, 1e-9);
    EXPECT_NEAR(p.ziele[0].DE, 36 + 27.0 / 60 + 35.0 / 3600, 1e-9);
    // Low precision, without the blank; :CM# answers the ASCII name.
    EXPECT_EQ(p.v.Eingabe(":Sr12:30.5#:Sd-05*07#:CM#"), "11Ziel von aussen - M13#");
    EXPECT_NEAR(p.ziele[1].RA, 12.5 + 0.5 / 60, 1e-9);
    EXPECT_NEAR(p.ziele[1].DE, -(5 + 7.0 / 60), 1e-9);
    // Below the horizon a goto is taken all the same: one byte, clients read one.
    p.oben = false;
    EXPECT_EQ(p.v.Eingabe(":MS#"), "0");
    EXPECT_EQ(p.ziele.size(), 3u);
    // The goto took the pair: another :MS# selects nothing.
    EXPECT_EQ(p.v.Eingabe(":MS#"), Lx200_Keine_Koordinaten);
    EXPECT_EQ(p.ziele.size(), 3u);
}

TEST(Lx200, Trennzeichen_Und_Grenzen) {
    Lx200_Probe p;
    // Meade's degree sign 0xDF, UTF-8 '°', ':' and the apostrophe forms.
    const std::pair<const char*, double> gut[] = {
        {":Sd -05\xDF"
         "23:28#",
         -(5 + 23.0 / 60 + 28.0 / 3600)},
        {":Sd -05\xC2\xB0"
         "23'28#",
         -(5 + 23.0 / 60 + 28.0 / 3600)},
        {":Sd +45:59#", 45 + 59.0 / 60},
        {":Sd +45*59'59\"#", 45 + 59.0 / 60 + 59.0 / 3600},
        {":Sd -00*30#", -0.5},
    };
    for (const auto& [b, de] : gut) {
        EXPECT_EQ(p.v.Eingabe(std::string(":Sr 05:35:17#") + b + ":MS#"), "110") << b;
        EXPECT_NEAR(p.ziele.back().DE, de, 1e-9) << b;
    }
    EXPECT_EQ(p.v.Eingabe(":Sr 05\xDF"
                          "35'17#"),
              "1");
    // Out of range on either side, malformed: refused, and the pair with it,
    // so M42's RA never meets a stale declination.
    for (const char* b : {":Sr 24:00:00#", ":Sr 12:60:00#", ":Sr 12:59:60#", ":Sr 12:3x:00#",
                          ":Sr #", ":Sd +91*00:00#", ":Sd +90*00:01#", ":Sd +45*60#",
                          ":Sd +45*59:60#", ":Sd 45#", ":Sd +12*30:00:00#",
                          ":Sd +12\xC2"
                          "30#"}) {
        EXPECT_EQ(p.v.Eingabe(std::string(":Sr 05:35:17#:Sd -05*23:28#") + b + ":MS#"),
                  std::string("110").append(Lx200_Keine_Koordinaten))
            << b;
    }
    EXPECT_EQ(p.v.Eingabe(":Sd +90*00:00#:Sd -90*00#"), "11");
}

TEST(Lx200, Unrat_Wird_Verworfen) {
    Lx200_Probe p;
    // A command longer than 64 bytes is ignored as a whole; the next one works.
    const std::string lang = ":Sr " + std::string(80, '1') + "#";
    EXPECT_EQ(p.v.Eingabe(lang + ":GR#"), "16:41:42#");
    EXPECT_EQ(p.v.Zu_Lang(), 1);
    // Exactly 64 bytes from ':' to '#' still counts as a command.
    EXPECT_EQ(p.v.Eingabe(":Sr 16:41:41" + std::string(50, ' ') + "#"), "1");
    // Bytes that are not ASCII vanish, even inside a command; split commands join.
    EXPECT_EQ(p.v.Eingabe(":G\xff\x80R"), "");
    EXPECT_EQ(p.v.Eingabe("#"), "16:41:42#");
    EXPECT_EQ(p.v.Verworfen(), 2);
    // A megabyte without '#' keeps no more than one command in memory.
    EXPECT_EQ(p.v.Eingabe(":" + std::string(1 << 20, 'x')), "");
    EXPECT_EQ(p.v.Eingabe("#:GD#"), "-05*08'00#");
}

TEST(Binaer, Nachrichten) {
    // Wire scales: 2^32 = 24 h, 2^30 = 90 degrees.
    EXPECT_EQ(Binaer_RA(12.0), 0x80000000u);
    EXPECT_EQ(Binaer_DE(-90.0), -0x40000000);
    const Himmelsort m13{16.694789, 36.459861};
    const std::string p = Binaer_Position(m13, 1234567890123);
    ASSERT_EQ(p.size(), 24u);
    EXPECT_EQ(p[0], 24);
    const std::string g = Binaer_Goto(m13, 42);
    ASSERT_EQ(g.size(), 20u);
    // A goto split at any byte arrives once; a short message of another type is skipped.
    Binaer_Leser leser;
    std::vector<Binaer_Ziel> ziele;
    const std::string strom = std::string("\x06\x00\x07\x00zz", 6) + g + g;
    for (char c : strom) ASSERT_TRUE(leser.Eingabe(std::string_view(&c, 1), ziele));
    ASSERT_EQ(ziele.size(), 2u);
    EXPECT_EQ(ziele[0].Zeit_us, 42);
    EXPECT_NEAR(ziele[0].J2000.RA, m13.RA, 0.01 * Bogensekunde / 15);
    EXPECT_NEAR(ziele[0].J2000.DE, m13.DE, 0.01 * Bogensekunde);
    EXPECT_EQ(leser.Gepuffert(), 0u);
    // A length that cannot be ends the stream for good.
    EXPECT_FALSE(leser.Eingabe(std::string("\x02\x00", 2), ziele));
    EXPECT_FALSE(leser.Eingabe(g, ziele));
    Binaer_Leser gross;
    EXPECT_FALSE(gross.Eingabe(std::string("\xff\xff", 2), ziele));
}

TEST(Teleskop_Ort, Ort_Des_Datums) {
    // M13 at JD 2461382.75: the geocentric true apparent place ("JNow");
    // reference: tests/teleskop/teleskop_referenz.py (ERFA atci13, nutation
    // IAU 2000A against the program's 2000B: a milliarcsecond).
    const double jd = 2461382.75;
    const Himmelsort j2000{16 + 41.0 / 60 + 41.24 / 3600, 36 + 27.0 / 60 + 35.5 / 3600};
    const Himmelsort d = J2000_Zu_Datum(j2000, jd);
    EXPECT_NEAR(d.RA, 16.710503876151652, 0.01 * Bogensekunde / 15);
    EXPECT_NEAR(d.DE, 36.40781024449979, 0.01 * Bogensekunde);
    const Himmelsort z = Datum_Zu_J2000(d, jd);
    EXPECT_LT(Abstand_Grad(z, j2000), 0.001 * Bogensekunde);
    // Across 0 h the result stays in [0, 24).
    const Himmelsort n = Datum_Zu_J2000(J2000_Zu_Datum({23.9999, 0.0}, jd), jd);
    EXPECT_NEAR(n.RA, 23.9999, 1e-8);
}
