// The INDI client side: what a server sends, in any pieces, and what it may
// send to break a reader.
#include <gtest/gtest.h>

#include <string>

#include "teleskop/indi_protokoll.hpp"

namespace {

// As an indiserver with a simulated telescope sends it (abridged).
const std::string Strom =
    "<?xml version=\"1.0\"?>\n"
    "<defSwitchVector device=\"Tele &amp; Scope\" name=\"CONNECTION\" label=\"Connection\" "
    "group=\"Main Control\" state=\"Idle\" perm=\"rw\" rule=\"OneOfMany\" timeout=\"60\">\n"
    "    <defSwitch name=\"CONNECT\" label=\"Connect\">\nOff\n    </defSwitch>\n"
    "    <defSwitch name=\"DISCONNECT\" label=\"Disconnect\">\nOn\n    </defSwitch>\n"
    "</defSwitchVector>\n"
    "<!-- a comment with <markup> in it -->\n"
    "<defNumberVector device=\"Tele &amp; Scope\" name=\"EQUATORIAL_EOD_COORD\" state=\"Ok\" "
    "perm=\"rw\">\n"
    "    <defNumber name=\"RA\" format=\"%010.6m\" min=\"0\" max=\"24\" step=\"0\">\n"
    "12:30:36\n    </defNumber>\n"
    "    <defNumber name=\"DEC\" format=\"%010.6m\" min=\"-90\" max=\"90\">\n-5:30:00\n"
    "    </defNumber>\n"
    "</defNumberVector>\n"
    "<setNumberVector device=\"Other\" name=\"EQUATORIAL_EOD_COORD\" state=\"Ok\">\n"
    "    <oneNumber name=\"RA\">3</oneNumber><oneNumber name=\"DEC\">3</oneNumber>\n"
    "</setNumberVector>\n"
    "<setNumberVector device=\"Tele &amp; Scope\" name=\"EQUATORIAL_EOD_COORD\" "
    "state=\"Busy\" timeout=\"60\">\n"
    "    <oneNumber name=\"DEC\">\n36.466667\n    </oneNumber>\n"
    "</setNumberVector>\n";

} // namespace

TEST(Indi, StromInBeliebigenStueckenGibtDenOrt) {
    for (const std::size_t stueck : {Strom.size(), std::size_t{1}, std::size_t{7}}) {
        Indi_Client c("Tele & Scope");
        EXPECT_EQ(c.Anfang(), "<getProperties version=\"1.7\" device=\"Tele &amp; Scope\"/>\n");
        std::string antwort;
        for (std::size_t i = 0; i < Strom.size(); i += stueck)
            antwort += c.Empfangen(std::string_view(Strom).substr(i, stueck));
        // Found disconnected: asked once to connect.
        EXPECT_EQ(antwort, "<newSwitchVector device=\"Tele &amp; Scope\" name=\"CONNECTION\">\n"
                           "  <oneSwitch name=\"CONNECT\">On</oneSwitch>\n</newSwitchVector>\n");
        ASSERT_TRUE(c.Ort().Gueltig) << stueck;
        // RA from the definition, DEC from the update that carried it alone.
        EXPECT_DOUBLE_EQ(c.Ort().RA, 12.51);
        EXPECT_DOUBLE_EQ(c.Ort().DE, 36.466667);
        EXPECT_EQ(c.Ort().Zustand, "Busy");
        EXPECT_TRUE(c.Geraet_Bekannt());
        // The connection switched off elsewhere: no place any more, not reconnected.
        EXPECT_EQ(c.Empfangen("<setSwitchVector device=\"Tele &amp; Scope\" name=\"CONNECTION\">"
                              "<oneSwitch name=\"CONNECT\">Off</oneSwitch></setSwitchVector>"),
                  "");
        EXPECT_FALSE(c.Ort().Gueltig);
    }
}

TEST(Indi, FeindlicheEingabeKostetNurSichSelbst) {
    const std::string gut = "<setNumberVector device=\"T\" name=\"EQUATORIAL_EOD_COORD\">"
                            "<oneNumber name=\"RA\">1.5</oneNumber>"
                            "<oneNumber name=\"DEC\">-20</oneNumber></setNumberVector>";
    std::string viele = "<setNumberVector device=\"T\" name=\"EQUATORIAL_EOD_COORD\">";
    for (int i = 0; i < 100; ++i) viele += "<oneNumber name=\"RA\">2</oneNumber>";
    viele += "<oneNumber name=\"DEC\">2</oneNumber></setNumberVector>";
    const std::string boese[] = {
        // A tag without end, a value too long, too many members.
        "<defNumberVector device=\"T\" " + std::string(100000, 'x'),
        "<setNumberVector device=\"T\" name=\"EQUATORIAL_EOD_COORD\"><oneNumber name=\"RA\">" +
            std::string(1000, '1') +
            "</oneNumber><oneNumber name=\"DEC\">3</oneNumber>"
            "</setNumberVector>",
        viele,
        // A large BLOB is skipped, not stored; markup inside a value; stray end tags.
        "<setBLOBVector device=\"T\" name=\"CCD1\"><oneBLOB name=\"x\" size=\"9\">" +
            std::string(1000000, 'A') + "</oneBLOB></setBLOBVector>",
        "<setNumberVector device=\"T\" name=\"EQUATORIAL_EOD_COORD\"><oneNumber name=\"RA\">"
        "<b>3</b></oneNumber></setNumberVector>",
        "</a></b></c>\x01\xff<<<>>>\"'<!-- unclosed",
        // A vector and a BLOB never closed.
        "<setNumberVector device=\"T\" name=\"EQUATORIAL_EOD_COORD\"><oneNumber name=\"RA\">1",
        "<setBLOBVector device=\"T\" name=\"B\"><oneBLOB name=\"b\">AAAA",
        // Out of range or not numbers: no place.
        "<setNumberVector device=\"T\" name=\"EQUATORIAL_EOD_COORD\"><oneNumber name=\"RA\">25"
        "</oneNumber><oneNumber name=\"DEC\">nan</oneNumber></setNumberVector>",
    };
    for (const std::string& b : boese) {
        Indi_Client c("T");
        c.Empfangen(b);
        EXPECT_FALSE(c.Ort().Gueltig) << b.substr(0, 80);
        // What follows is read again (after a comment left open, once it closes).
        c.Empfangen("-->" + gut);
        ASSERT_TRUE(c.Ort().Gueltig) << b.substr(0, 80);
        EXPECT_DOUBLE_EQ(c.Ort().RA, 1.5);
        EXPECT_DOUBLE_EQ(c.Ort().DE, -20);
    }
}

TEST(Indi, Zahlen) {
    EXPECT_EQ(Indi_Zahl("12.5"), 12.5);
    EXPECT_EQ(Indi_Zahl(" -3e-2 "), -0.03);
    EXPECT_EQ(Indi_Zahl("12:30:36"), 12.51);
    EXPECT_EQ(Indi_Zahl("-0:30"), -0.5); // the sign of "-0" holds for the minutes
    EXPECT_EQ(Indi_Zahl("-5 30"), -5.5);
    EXPECT_EQ(Indi_Zahl("12;30"), 12.5);
    for (const char* f : {"", "x", "1:2:3:4", "1:-2", "1::2", "inf", "1e999", "12:"})
        EXPECT_FALSE(Indi_Zahl(f).has_value()) << f;
}

TEST(Indi, Adresse) {
    std::string fehler;
    auto e = Indi_Adresse_Lesen("sternwarte.local:7000/Telescope Simulator", fehler);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->Host, "sternwarte.local");
    EXPECT_EQ(e->Port, 7000);
    EXPECT_EQ(e->Geraet, "Telescope Simulator");
    e = Indi_Adresse_Lesen("localhost/DSC", fehler);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->Port, 7624);
    e = Indi_Adresse_Lesen("[::1]:7625/Mount/A", fehler);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->Host, "::1");
    EXPECT_EQ(e->Port, 7625);
    EXPECT_EQ(e->Geraet, "Mount/A");
    for (const char* f : {"host", "host:7624", "host:/G", ":7624/G", "/G", "host:0/G",
                          "host:65536/G", "host:7x/G", "[::1/G", "[::1]x/G", "host/ "}) {
        fehler.clear();
        EXPECT_FALSE(Indi_Adresse_Lesen(f, fehler)) << f;
        EXPECT_NE(fehler.find(f), std::string::npos) << fehler;
    }
}

TEST(Indi, TeilweiseNeuGeloeschtUndAlarm) {
    const auto satz = [](const char* art, const char* inhalt, const char* zusatz = "") {
        return std::string("<") + art + " device=\"T\" name=\"EQUATORIAL_EOD_COORD\"" + zusatz +
               ">" + inhalt + "</" + art + ">";
    };
    const char* ra = "<oneNumber name=\"RA\">6</oneNumber>";
    const char* de = "<oneNumber name=\"DEC\">-20</oneNumber>";
    Indi_Client c("T");
    // A first update with one half is no place (never RA 0 or DEC 0).
    c.Empfangen(satz("setNumberVector", de));
    c.Empfangen(satz("setNumberVector", ra));
    EXPECT_FALSE(c.Ort().Gueltig);
    c.Empfangen(satz("setNumberVector", (std::string(ra) + de).c_str()));
    ASSERT_TRUE(c.Ort().Gueltig);
    // Then one half moves, the other stays.
    c.Empfangen(satz("setNumberVector", "<oneNumber name=\"DEC\">10</oneNumber>"));
    EXPECT_DOUBLE_EQ(c.Ort().RA, 6);
    EXPECT_DOUBLE_EQ(c.Ort().DE, 10);
    // Deleted, the property or the whole device: the place goes, and a half
    // arriving later does not bring the old other half back.
    for (const std::string weg : {"<delProperty device=\"T\" name=\"EQUATORIAL_EOD_COORD\"/>",
                                  "<delProperty device=\"T\"/>"}) {
        c.Empfangen(satz("setNumberVector", (std::string(ra) + de).c_str()));
        ASSERT_TRUE(c.Ort().Gueltig);
        c.Empfangen("<delProperty device=\"Andere\"/>");
        EXPECT_TRUE(c.Ort().Gueltig);
        c.Empfangen(weg);
        EXPECT_FALSE(c.Ort().Gueltig) << weg;
        c.Empfangen(satz("setNumberVector", de));
        EXPECT_FALSE(c.Ort().Gueltig) << weg;
    }
    // Alert: the driver's message, until that property reports another state.
    c.Empfangen(satz("setNumberVector", (std::string(ra) + de).c_str(),
                     " state=\"Alert\" message=\"Slew failed: &lt;limit&gt;\""));
    EXPECT_EQ(c.Alarm(), "EQUATORIAL_EOD_COORD");
    EXPECT_EQ(c.Alarm_Meldung(), "Slew failed: <limit>");
    c.Empfangen("<setSwitchVector device=\"T\" name=\"TELESCOPE_ABORT_MOTION\" state=\"Ok\"/>");
    EXPECT_EQ(c.Alarm(), "EQUATORIAL_EOD_COORD");
    c.Empfangen(satz("setNumberVector", de, " state=\"Ok\""));
    EXPECT_EQ(c.Alarm(), "");
    c.Empfangen("<setSwitchVector device=\"T\" name=\"CONNECTION\" state=\"Alert\"/>");
    EXPECT_EQ(c.Alarm(), "CONNECTION");
    EXPECT_EQ(c.Alarm_Meldung(), "");
    c.Empfangen("<delProperty device=\"T\"/>");
    EXPECT_EQ(c.Alarm(), "");
}
