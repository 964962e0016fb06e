#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "app/system_info.hpp"
#include "app/versionsinfo.hpp"
#include "hilfen.hpp"

TEST(Versionsinfo, Dateifunktion) {
    const auto t = [](std::uint32_t typ, std::uint32_t unter) {
        return Dateifunktion_Text({typ, unter, 0, 0});
    };
    EXPECT_EQ(t(0, 5), "Unknown");
    EXPECT_EQ(t(1, 0), "Application");
    EXPECT_EQ(t(2, 0), "DLL");
    EXPECT_EQ(t(3, 8), "InstallableDriver");
    EXPECT_EQ(t(3, 10), "Communications Driver");
    EXPECT_EQ(t(3, 11), "");
    EXPECT_EQ(t(4, 3), "Truetype Font");
    EXPECT_EQ(t(4, 4), "");
    EXPECT_EQ(t(5, 0x1234), "Virtual Defice Identifier = 00001234");
    EXPECT_EQ(t(6, 0), "");
    EXPECT_EQ(t(7, 0), "Static-link Library");
    EXPECT_EQ(t(8, 0), "");
}

TEST(Versionsinfo, BlockAusBytes) {
    using namespace std::string_literals;
    // The bare marker (as in the reader's own code) comes first and is passed over.
    const std::string bytes = "xx\x7fSTELUX-VERSION\x7f\0yy"s +
                              "\x7fSTELUX-VERSION\x7f"
                              "FileVersion=2.1.0\0InternalName=stelux\0FileType=3\0"
                              "FileSubtype=4\0FileFlagsMask=5\0FileFlags=7\0\0"s;
    TFileVersionInfo info;
    ASSERT_TRUE(Versionsblock_Auswerten(bytes, info));
    EXPECT_EQ(info.FileVersion, "2.1.0");
    EXPECT_EQ(info.InternalName, "stelux");
    EXPECT_EQ(info.CompanyName, "");
    EXPECT_EQ(info.FileFunction, "Display Driver");
    EXPECT_TRUE(info.DebugBuild);  // in flags and mask
    EXPECT_FALSE(info.PreRelease); // in flags, not in mask
    EXPECT_TRUE(info.Patched);
    EXPECT_FALSE(Versionsblock_Auswerten("kein Block\x7fSTELUX-VERSION\x7f"
                                         "FileVersion=1",
                                         info));
}

TEST(Versionsinfo, AusfuehrbareDateiUndDateiOhneBlock) {
    const TFileVersionInfo programm = Versionsinfo_Lesen(STELUX_BINAER_ORDNER "/stelux");
    EXPECT_EQ(programm.FileVersion, STELUX_VERSION);
    EXPECT_EQ(programm.ProductVersion, STELUX_VERSION);
    EXPECT_EQ(programm.InternalName, "stelux");
    EXPECT_EQ(programm.OriginalFilename, "stelux");
    EXPECT_EQ(programm.FileFunction, "Application");
    EXPECT_FALSE(programm.FileType.empty());
    EXPECT_FALSE(programm.CompanyName.empty());

    QTemporaryDir dir;
    const std::string text = dir.path().toStdString() + "/notiz.txt";
    Datei_Schreiben(text, "nur Text\n");
    const TFileVersionInfo ohne = Versionsinfo_Lesen(text);
    EXPECT_FALSE(ohne.FileType.empty());
    EXPECT_EQ(ohne.FileVersion, "");
    EXPECT_EQ(ohne.FileFunction, "");
    EXPECT_FALSE(ohne.DebugBuild);
    EXPECT_EQ(Versionsinfo_Lesen(dir.path().toStdString() + "/fehlt").FileType, "");

    const auto zeilen = Versionsinfo_Zeilen(ohne);
    ASSERT_EQ(zeilen.size(), 17u);
    for (const auto& [label, wert] : zeilen) EXPECT_EQ(label.size(), 16u) << label;
    EXPECT_EQ(zeilen[7].first, "OriginalFileName");
    EXPECT_EQ(zeilen[16].second, "No");
}

TEST(SystemLog, ZeitzoneZustaendeUndFehlendeAbfrage) {
    System_Angaben a;
    a.Dateiversion = "1.0.0";
    a.Daten_Ordner = "/d/Stelux/";
    a.Zone.Zustand = 2;
    a.Zone.Bias = -60;
    a.Zone.DaylightBias = -60;
    a.Zone.StandardDate = {2024, 10, 27, 3, 0, 0, 0, 0};
    auto z = System_Log(a);
    ASSERT_EQ(z.size(), 28u);
    EXPECT_EQ(z[2], "Stelux Version: 1.0.0");
#ifdef _WIN32
    EXPECT_EQ(z[13], "Windows Dokumentenordner: /d/Stelux/");
#else
    EXPECT_EQ(z[13], "Dokumentenordner        : /d/Stelux/");
#endif
    EXPECT_EQ(z[18], "Computer Standard Date: 2024 10 27 3 0 0 0 0");
    EXPECT_EQ(z[20], "Current  Bias         : -60");
    EXPECT_EQ(z[21], "Current  Bias Name    : DAYLIGHT");
    EXPECT_EQ(z[24], "DayLight Bias         : -60");
    EXPECT_EQ(z[25], "");
    a.Zone.Zustand = 1;
    EXPECT_EQ(System_Log(a)[21], "Current  Bias Name    : STANDARD");
    a.Zone.Zustand = -1;
    z = System_Log(a);
    EXPECT_EQ(z.size(), 21u);
    EXPECT_NE(z[17].find("Zeitzonen-Information fehlt"), std::string::npos);
}

TEST(Versionsinfo, KommandozeilenProgramm) {
    const TFileVersionInfo cli = Versionsinfo_Lesen(STELUX_BINAER_ORDNER "/stelux-cli");
    EXPECT_EQ(cli.FileVersion, STELUX_VERSION);
    EXPECT_EQ(cli.OriginalFilename, "stelux-cli");
}

TEST(SystemLog, AlleZeilenDerAnleitungFuerDenSupport) {
    System_Angaben a;
    a.Dateiversion = "2.0";
    a.Computer_Name = "STERNWARTE";
    a.Benutzer_Name = "beobachter";
    a.Temp_Ordner = "/tmp/";
    a.Programm_Ordner = "/opt/stelux/";
    a.Daten_Ordner = "/home/b/Dokumente/Stelux/";
    a.Zone.Zustand = 0;
    a.Zone.Bias = 0;
    a.Zone.StandardName = "UTC";
    a.Zone.DaylightName = "UTC";
    a.Zone.DaylightDate = {2025, 3, 30, 2, 0, 0, 0, 0};
    const std::vector<std::string> z = System_Log(a);
    const std::vector<std::string> erwartet = {
        "Stelux System Logfile",
        "---------------------",
        "Stelux Version: 2.0",
        "",
        "Computer Informationen",
        "----------------------",
        "Computer Name : STERNWARTE",
        "User Name     : beobachter",
        "",
        "Computer Verzeichnisse",
        "----------------------",
#ifdef _WIN32
        "Windows Temporary Folder: /tmp/",
        "Windows Application Path: /opt/stelux/",
        "Windows Dokumentenordner: /home/b/Dokumente/Stelux/",
#else
        "Temporärer Ordner       : /tmp/",
        "Programmordner          : /opt/stelux/",
        "Dokumentenordner        : /home/b/Dokumente/Stelux/",
#endif
        "",
        "Computer Zeiteinstellungen",
        "--------------------------",
        "Computer Standard Name: UTC",
        "Computer Standard Date: 0 0 0 0 0 0 0 0",
        "Standard Bias         : 0",
        "Current  Bias         : 0",
        "Current  Bias Name    : UNKNOWN",
        "Computer Daylight Name: UTC",
        "Computer DayLight Date: 2025 3 30 2 0 0 0 0",
        "DayLight Bias         : 0",
        "",
    };
    ASSERT_EQ(z.size(), erwartet.size() + 2); // and the two lines about the support contact
    for (std::size_t i = 0; i < erwartet.size(); ++i) EXPECT_EQ(z[i], erwartet[i]) << i;
    EXPECT_FALSE(z[26].empty());
    EXPECT_FALSE(z[27].empty());
}
