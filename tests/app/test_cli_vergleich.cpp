// stelux-cli and the window show the same texts for the same instant.
#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QStatusBar>
#include <QTest>
#include <QTimeZone>
#include <ctime>
#include <map>
#include <memory>

#include "app/stelux_unit_main.hpp"
#include "hilfen.hpp"

namespace {
std::map<QString, QString> Cli_Zeilen(const QStringList& argumente, const QString& tz, int& code,
                                      const QString& katalog = STELUX_TEST_DATEN "/app") {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("TZ", tz);
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(katalog);
    p.start(STELUX_BINAER_ORDNER "/stelux-cli", argumente);
    p.waitForFinished(120000);
    code = p.exitCode();
    std::map<QString, QString> zeilen;
    for (const QString& z : QString::fromUtf8(p.readAllStandardOutput()).split('\n')) {
        const auto tab = z.indexOf('\t');
        if (tab > 0) zeilen[z.left(tab)] = z.mid(tab + 1);
    }
    return zeilen;
}
} // namespace

TEST(CliVergleich, GleicheTexteWieDasFenster) {
    const QByteArray tz_alt = qgetenv("TZ");
    qputenv("TZ", "Europe/Zurich");
    tzset();
    Test_Ordner o;
    Meldungs_Rekorder r;
    const QString alt = QDir::currentPath();
    QDir::setCurrent(STELUX_TEST_DATEN "/app");
    {
        auto f = std::make_unique<TForm_Main>(o.Start());
        f->Jetzt = [] { return QDateTime(QDate(2026, 3, 20), QTime(21, 0), QTimeZone::utc()); };
        f->Uhr_Takt();
        Steuer<QLineEdit>(*f, "Edit_Objekt")->setText("M31");
        f->Eingabe_Bestaetigen();
        ASSERT_TRUE(f->Zustand.Objekt_Gueltig());
        f->Positions_Takt();

        int code = -1;
        const auto cli = Cli_Zeilen(
            {"--zeit", "2026-03-20T21:00:00", "--daten", QString::fromStdString(o.pfad), "M31"},
            "Europe/Zurich", code);
        EXPECT_EQ(code, 0);
        ASSERT_EQ(cli.count("Label_Objekt"), 1u);
        int verglichen = 0;
        for (const auto& [name, text] : cli) {
            if (name == "StatusBar1") {
                EXPECT_EQ(Steuer<QStatusBar>(*f, "StatusBar1")->currentMessage(), text);
                ++verglichen;
            } else if (name.startsWith("Label_")) {
                auto* label = f->findChild<QLabel*>(name);
                ASSERT_NE(label, nullptr) << name.toStdString();
                EXPECT_EQ(label->text(), text) << name.toStdString();
                ++verglichen;
            }
        }
        EXPECT_EQ(verglichen, 22);
        EXPECT_EQ(cli.at("Label_ZeitZone"), "UT + 60 min");
        EXPECT_EQ(cli.at("Label_PC_Zeit"), "2026-03-20 22:00:00");
        EXPECT_TRUE(cli.at("Label_Objekt").startsWith("Messier 31"));
        f->close();
    }
    QDir::setCurrent(alt);
    if (tz_alt.isNull())
        qunsetenv("TZ");
    else
        qputenv("TZ", tz_alt);
    tzset();
}

TEST(CliVergleich, AusgangscodesUndJ2000) {
    Test_Ordner o;
    int code = -1;
    auto cli = Cli_Zeilen(
        {"--zeit", "2000-01-01T12:00:00", "--daten", QString::fromStdString(o.pfad)}, "UTC", code);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(cli["Label_JD"], "2451545.00000");
    EXPECT_EQ(cli["Label_GMST"], "18:41:51");
    EXPECT_EQ(cli["Label_ZeitZone"], "UT");
    // --zeit is a chosen instant, said by the last key; without it the key is empty.
    EXPECT_EQ(cli["Planung"], "2000-01-01 12:00:00 (UT)");
    cli = Cli_Zeilen(
        {"--zeit", "2000-01-01T12:00:00", "--zehntel", "--daten", QString::fromStdString(o.pfad)},
        "UTC", code);
    EXPECT_EQ(cli["Label_GMST"], "18:41:50.5");
    EXPECT_EQ(cli["JD_UT"], "2451545");
    // Misses everywhere, both fallbacks included.
    cli = Cli_Zeilen({"--daten", QString::fromStdString(o.pfad), "X31"}, "UTC", code,
                     STELUX_TEST_DATEN "/catalog");
    EXPECT_EQ(code, 1);
    EXPECT_EQ(cli["Label_RA2000"], "RA(J2000)");
    ASSERT_EQ(cli.count("Planung"), 1u);
    EXPECT_EQ(cli["Planung"], "");
    Cli_Zeilen({"--zeit", "gestern"}, "UTC", code);
    EXPECT_EQ(code, 2);
    // A catalogue file that is missing is a file error.
    Cli_Zeilen({"--daten", QString::fromStdString(o.pfad), "S 2"}, "UTC", code);
    EXPECT_EQ(code, 2);
}
