#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <ctime>
#include <filesystem>
#include <memory>

#include "app/parameter_datei.hpp"
#include "app/plattform.hpp"
#include "app/stelux_unit_main.hpp"
#include "app/versionsinfo.hpp"
#include "hilfen.hpp"
#include "shared/stelux_unit_variables.hpp"

namespace {

std::unique_ptr<TForm_Main> Fenster() {
    return std::make_unique<TForm_Main>();
}

QString Text(QWidget* w) {
    return static_cast<QLabel*>(w)->text();
}

// Sets the system time zone for the clock tick.
struct Zone_Setzen {
    QByteArray alt = qgetenv("TZ");
    explicit Zone_Setzen(const char* tz) {
        qputenv("TZ", tz);
        tzset();
    }
    ~Zone_Setzen() {
        if (alt.isNull())
            qunsetenv("TZ");
        else
            qputenv("TZ", alt);
        tzset();
    }
};

} // namespace

TEST(Fenster, ErsterStartOhneParameterdateiUndSchliessen) {
    Test_Ordner o;
    Meldungs_Rekorder r;
    auto f = Fenster();
    EXPECT_EQ(f->Instrument1->title(), "&40cm Schmidt-Kamera");
    EXPECT_EQ(f->Instrument2->text(), "&60cm Cassegrain");
    EXPECT_TRUE(f->windowTitle().startsWith("Stelux "));
    EXPECT_EQ(f->centralWidget()->size(), QSize(1018, 710));
    EXPECT_EQ(f->minimumSize(), f->maximumSize()); // not resizable
    EXPECT_FALSE(f->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(f->Edit_Objekt->text().isEmpty());
    EXPECT_FALSE(f->Panel_About->isVisibleTo(f.get()));
    EXPECT_EQ(f->Panel_About->pos(), QPoint((1018 - 345) / 2, 45));
    EXPECT_FALSE(f->Combo->isVisibleTo(f.get()));
    EXPECT_FALSE(f->Buchstaben[0]->isVisibleTo(f.get()));
    EXPECT_EQ(f->Timer1->interval(), 200);
    EXPECT_EQ(f->Timer2->interval(), 500);
    EXPECT_TRUE(f->Timer1->isActive());

    f->close();
    EXPECT_EQ(f->FormClose_Aufrufe, 1);
    EXPECT_EQ(Datei_Lesen(o.Datei(Parameter_Datei_Name)), Parameter_Text(Parameter_Vorgabe()));
    f->close(); // a second close writes nothing more
    EXPECT_EQ(f->Parameter_Schreibvorgaenge, 1);
    EXPECT_TRUE(r.meldungen.empty());
}

TEST(Fenster, Instrument60BleibtUndWechselWirdGespeichert) {
    Test_Ordner o;
    Meldungs_Rekorder r;
    Parameter_Type p = Parameter_Vorgabe();
    p.Instrument = 60;
    p.SW_Korr_60 = -1.5;
    Parameter_Schreiben(o.pfad, p);
    {
        auto f = Fenster();
        EXPECT_EQ(f->Instrument1->title(), "&60cm Cassegrain");
        EXPECT_EQ(f->Instrument2->text(), "&40cm Schmidt-Kamera");
        EXPECT_FALSE(f->Schmidt_Aktuell());
        f->close();
    }
    EXPECT_EQ(Datei_Lesen(o.Datei(Parameter_Datei_Name)), Parameter_Text(p));

    // Switching with the menu, then the close box, stores the new instrument;
    // two switches restore the captions.
    auto f = Fenster();
    f->Instrument2->trigger();
    EXPECT_EQ(f->Instrument1->title(), "&40cm Schmidt-Kamera");
    f->Instrument2->trigger();
    f->Instrument2->trigger();
    f->close();
    p.Instrument = 40;
    EXPECT_EQ(Datei_Lesen(o.Datei(Parameter_Datei_Name)), Parameter_Text(p));
}

TEST(Fenster, SchliessenImMenueSchreibtEinmalOhneFormClose) {
    Test_Ordner o;
    Meldungs_Rekorder r;
    auto f = Fenster();
    f->Exit1->trigger();
    EXPECT_EQ(f->Parameter_Schreibvorgaenge, 1);
    EXPECT_EQ(f->FormClose_Aufrufe, 0);
    EXPECT_EQ(Datei_Lesen(o.Datei(Parameter_Datei_Name)), Parameter_Text(Parameter_Vorgabe()));
    f->close(); // the window goes away after the menu stop: no second write
    EXPECT_EQ(f->FormClose_Aufrufe, 0);
    EXPECT_EQ(f->Parameter_Schreibvorgaenge, 1);
}

TEST(Fenster, FehlerhafteParameterdateiBleibtUnveraendert) {
    Test_Ordner o;
    Meldungs_Rekorder r;
    const std::string kaputt = "60 !I\r\n7,5 !L\r\n47.5 !B\r\n";
    Datei_Schreiben(o.Datei(Parameter_Datei_Name), kaputt);
    auto f = Fenster();
    ASSERT_EQ(r.Anzahl(Meldungsart::Fehler), 1);
    EXPECT_TRUE(r.meldungen[0].text.startsWith("Invalid numeric input"));
    EXPECT_EQ(Parameter.Instrument, 60); // read before the bad value
    EXPECT_EQ(Parameter.Breite, 0);
    // Start-up stopped at the read: the menu keeps its design captions.
    EXPECT_EQ(f->Instrument1->title(), "&40cm Schmidt-Kamera");
    EXPECT_TRUE(f->Timer1->isActive());
    f->close();
    EXPECT_EQ(Datei_Lesen(o.Datei(Parameter_Datei_Name)), kaputt);
    EXPECT_EQ(f->Parameter_Schreibvorgaenge, 0);
    EXPECT_EQ(r.Anzahl(Meldungsart::Hinweis), 1);
}

TEST(Fenster, FehlgeschlagenesSchreibenWirdAngezeigt) {
    Test_Ordner o;
    Meldungs_Rekorder r;
    auto f = Fenster();
    Daten_Ordner = o.pfad + "weg/"; // the folder vanished while the program ran
    f->Exit1->trigger();
    ASSERT_EQ(r.Anzahl(Meldungsart::Fehler), 1);
    EXPECT_TRUE(r.meldungen[0].text.contains(Parameter_Datei_Name));
}

TEST(Fenster, ZehntelsekundenUndUhrMitZeitzone) {
    Test_Ordner o;
    Meldungs_Rekorder r;
    Zone_Setzen zone("Europe/Zurich");
    auto f = Fenster();
    f->Jetzt = [] {
        return QDateTime(QDate(2024, 1, 15), QTime(21, 15, 7, 400), QTimeZone("Europe/Zurich"));
    };
    f->Timer1Timer();
    EXPECT_EQ(Text(f->Label_ZeitZone), "UT + 60 min");
    EXPECT_EQ(Text(f->Label_PC_Zeit), "2024-01-15 21:15:07");
    EXPECT_EQ(Text(f->Label_UT_Zeit), "2024-01-15 20:15:07");
    EXPECT_NEAR(JD_UT, JD_PC - 1.0 / 24, 1e-9);
    EXPECT_EQ(Text(f->Label_JD), QString::number(JD_UT, 'f', 5));
    EXPECT_EQ(f->StatusBar1->currentMessage(), QString::fromStdString(Status_Text));

    f->Zehntelsekunden->trigger();
    EXPECT_TRUE(f->Zehntelsekunden->isChecked());
    EXPECT_EQ(Zehntel, 1);
    EXPECT_EQ(f->Timer1->interval(), 100);
    f->Timer1Timer();
    EXPECT_EQ(Text(f->Label_PC_Zeit), "2024-01-15 21:15:07.4");
    EXPECT_EQ(Text(f->Label_GMST).count(':'), 2);
    EXPECT_TRUE(Text(f->Label_GMST).contains('.'));
    f->Zehntelsekunden->trigger();
    EXPECT_EQ(Zehntel, 0);
    EXPECT_EQ(f->Timer1->interval(), 200);

    f->Jetzt = [] {
        return QDateTime(QDate(2024, 7, 15), QTime(12, 0), QTimeZone("Europe/Zurich"));
    };
    f->Timer1Timer();
    EXPECT_EQ(Text(f->Label_ZeitZone), "UT + 120 min");
    EXPECT_NEAR(JD_UT, JD_PC - 2.0 / 24, 1e-9);
    f->close();
}

TEST(Fenster, SystemZeitzoneAusTZ) {
    Test_Ordner o;
    Meldungs_Rekorder r;
    auto f = Fenster();
    const QDateTime januar(QDate(2024, 1, 15), QTime(12, 0), QTimeZone::utc());
    f->Jetzt = [&] { return januar; };
    const std::pair<const char*, const char*> faelle[] = {
        {"America/New_York", "UT - 300 min"}, {"Asia/Kolkata", "UT + 330 min"}, {"UTC", "UT"}};
    for (const auto& [tz, text] : faelle) {
        Zone_Setzen zone(tz);
        f->Timer1Timer();
        EXPECT_EQ(Text(f->Label_ZeitZone), text) << tz;
    }
    f->close();
}

TEST(Fenster, DezimalpunktUnterDeutschenEinstellungen) {
    Test_Ordner o;
    Meldungs_Rekorder r;
    const QLocale alt;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const bool c_deutsch = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    auto f = Fenster();
    if (c_deutsch) { // the C runtime's numbers are pinned to "." too
        char puffer[16];
        std::snprintf(puffer, sizeof puffer, "%.1f", 0.5);
        EXPECT_STREQ(puffer, "0.5");
    }
    Parameter.DE_Korr_40 = -0.3;
    f->Timer1Timer();
    EXPECT_TRUE(Text(f->Label_JD).contains('.'));
    EXPECT_FALSE(Text(f->Label_JD).contains(','));
    EXPECT_TRUE(f->StatusBar1->currentMessage().startsWith(
        "40cm Schmidt-Kamera: DE/SW-Korr: -0.3°/0.0min"));
    f->close();
    EXPECT_NE(Datei_Lesen(o.Datei(Parameter_Datei_Name)).find("  -0.30000 !"), std::string::npos);
    QLocale::setDefault(alt);
    std::setlocale(LC_ALL, "C");
}

TEST(Fenster, KorrekturenFolgenDemInstrument) {
    Test_Ordner o;
    Meldungs_Rekorder r;
    auto f = Fenster();
    f->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.get()));
    for (int i = 0; i < 3; ++i) QTest::mouseClick(f->Button_DE_plus, Qt::LeftButton);
    EXPECT_EQ(f->focusWidget(), f->Edit_Objekt);
    f->Timer1Timer();
    EXPECT_TRUE(
        f->StatusBar1->currentMessage().startsWith("40cm Schmidt-Kamera: DE/SW-Korr: 0.3°/0.0min"));
    f->Instrument2->trigger();
    QTest::mouseClick(f->Button1, Qt::LeftButton);
    QTest::mouseClick(f->Button2, Qt::LeftButton);
    QTest::mouseClick(f->Button2, Qt::LeftButton);
    QTest::mouseClick(f->Button_DE_minus, Qt::LeftButton);
    EXPECT_NEAR(Parameter.SW_Korr_60, -0.1, 1e-12);
    EXPECT_EQ(Parameter.SW_Korr_40, 0);
    EXPECT_NEAR(Parameter.DE_Korr_60, -0.1, 1e-12);
    EXPECT_NEAR(Parameter.DE_Korr_40, 0.3, 1e-12);
    f->close();
}

TEST(Fenster, TastenfeldUndAktivierung) {
    Test_Ordner o;
    Meldungs_Rekorder r;
    auto f = Fenster();
    f->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.get()));
    QTest::mouseClick(f->Ziffern[7], Qt::LeftButton); // empty box: nothing appended
    EXPECT_TRUE(f->Edit_Objekt->text().isEmpty());
    f->Edit_Objekt->setText("N");
    for (int i : {7, 0, 0, 0}) QTest::mouseClick(f->Ziffern[i], Qt::LeftButton);
    f->Buchstaben[0]->show();
    QTest::mouseClick(f->Buchstaben[0], Qt::LeftButton);
    EXPECT_EQ(f->Edit_Objekt->text(), "N7000A");
    EXPECT_EQ(f->Edit_Objekt->cursorPosition(), 6);
    EXPECT_FALSE(f->Edit_Objekt->hasSelectedText());
    QTest::mouseClick(f->Button_Clear, Qt::LeftButton);
    EXPECT_TRUE(f->Edit_Objekt->text().isEmpty());
    EXPECT_FALSE(f->Buchstaben[0]->isVisible());

    f->Edit_Objekt->setText("M3");
    f->Edit_Objekt->setSelection(0, 1);
    f->FormActivate();
    EXPECT_EQ(f->Edit_Objekt->cursorPosition(), 2);
    EXPECT_FALSE(f->Edit_Objekt->hasSelectedText());
    f->close();
}

TEST(Fenster, InfoPanelsUndDokumente) {
    Test_Ordner o;
    Meldungs_Rekorder r;
    std::vector<std::pair<std::string, bool>> geoeffnet;
    Oeffner_Setzen([&](const std::string& pfad, bool bearbeiten) {
        geoeffnet.emplace_back(pfad, bearbeiten);
    });
    Versions_Info.FileVersion = "9.8.7";
    auto f = Fenster();
    f->Handbuch1->trigger();
    f->Eigene1->trigger();
    ASSERT_EQ(geoeffnet.size(), 2u);
    EXPECT_EQ(geoeffnet[0], std::make_pair(o.pfad + "Stelux_Anleitung.pdf", false));
    EXPECT_EQ(geoeffnet[1], std::make_pair(o.pfad + "Eigene_Objekte.txt", true));
    Oeffner_Setzen({});

    f->SystemInformation1->trigger();
    f->SystemInformation1->trigger(); // cleared first: the log appears once
    EXPECT_TRUE(f->Panel_SysInfo->isVisibleTo(f.get()));
    EXPECT_EQ(f->Panel_SysInfo->pos(), QPoint(0, 0));
    const QStringList zeilen = f->Memo_SysInfo->toPlainText().split('\n');
    EXPECT_EQ(zeilen.count("Stelux System Logfile"), 1);
    EXPECT_EQ(zeilen[2], "Stelux Version: 9.8.7");
    EXPECT_EQ(zeilen[13], QString::fromStdString("Windows Dokumentenordner: " + o.pfad));
    QTest::mouseClick(f->Button3, Qt::LeftButton);
    EXPECT_FALSE(f->Panel_SysInfo->isVisibleTo(f.get()));

    f->Version2->trigger();
    EXPECT_TRUE(f->Panel_About->isVisibleTo(f.get()));
    const auto zeilen_grid = Versionsinfo_Zeilen(
        Versionsinfo_Lesen(QCoreApplication::applicationFilePath().toStdString()));
    for (int z = 0; z < 17; ++z) {
        EXPECT_EQ(f->StringGrid_VersionsInfo->item(z, 0)->text().toStdString(),
                  zeilen_grid[z].first);
        EXPECT_EQ(f->StringGrid_VersionsInfo->item(z, 1)->text().toStdString(),
                  zeilen_grid[z].second);
    }
    QTest::mouseClick(f->Button_About_OK, Qt::LeftButton);
    EXPECT_FALSE(f->Panel_About->isVisibleTo(f.get()));
    EXPECT_EQ(f->windowTitle().left(12), "Stelux 9.8.7");
    f->close();
    Versions_Info = {};
}

// Not a check: with STELUX_BILDSCHIRMFOTO=<file.png> the window is drawn into
// that file, to look at the layout.
TEST(Fenster, Bildschirmfoto) {
    const QString ziel = qEnvironmentVariable("STELUX_BILDSCHIRMFOTO");
    if (ziel.isEmpty()) GTEST_SKIP() << "STELUX_BILDSCHIRMFOTO not set";
    Test_Ordner o;
    Meldungs_Rekorder r;
    auto f = Fenster();
    f->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.get()));
    const QString alt = QDir::currentPath();
    QDir::setCurrent(STELUX_TEST_DATEN "/app");
    f->Edit_Objekt->setText(qEnvironmentVariable("STELUX_BILDSCHIRMFOTO_OBJEKT"));
    f->Button_EnterClick();
    QDir::setCurrent(alt);
    f->Timer1Timer();
    f->Timer2Timer();
    const QString panel = qEnvironmentVariable("STELUX_BILDSCHIRMFOTO_PANEL");
    if (panel == "version") f->Version2->trigger();
    if (panel == "system") f->SystemInformation1->trigger();
    if (panel == "liste") f->Liste_Oeffnen('P', f->Label_Planet);
    QTest::qWait(300);
    EXPECT_TRUE(f->grab().save(ziel));
    f->close();
}

TEST(Fenster, ElementdateienBeimStart) {
    {
        Test_Ordner o;
        Meldungs_Rekorder r;
        auto f = Fenster();
        EXPECT_TRUE(r.meldungen.empty());
        ASSERT_EQ(Anzahl_Asteroiden, 3);
        ASSERT_EQ(Anzahl_Kometen, 3);
        EXPECT_NE(Asteroiden[3].Helligkeit, 0); // evaluated at the start-up instant
        EXPECT_NE(Kometen[1].Helligkeit, 0);
        EXPECT_NE(Text(f->Label_JD), "2451545.0000"); // one clock tick before the window shows

        // Sorted by brightness and back to file order.
        f->AsteroidenSort->trigger();
        for (int i = 1; i < 3; ++i)
            EXPECT_LE(Asteroiden[i].Helligkeit, Asteroiden[i + 1].Helligkeit);
        f->AsteroidenSort->trigger();
        for (int i = 1; i <= 3; ++i) EXPECT_EQ(Asteroiden[i].Nummer, i);
        f->KometenSort->trigger();
        EXPECT_LE(Kometen[1].Helligkeit, Kometen[2].Helligkeit);
        f->close();
    }
    {
        // Without Asteroiden.txt both tables stay empty and start-up stops there.
        Test_Ordner o;
        Meldungs_Rekorder r;
        std::filesystem::remove(o.Datei("Asteroiden.txt"));
        auto f = Fenster();
        ASSERT_EQ(r.Anzahl(Meldungsart::Fehler), 1);
        EXPECT_TRUE(r.meldungen[0].text.contains("File not found"));
        EXPECT_EQ(Anzahl_Asteroiden, 0);
        EXPECT_EQ(Anzahl_Kometen, 0);
        EXPECT_EQ(Text(f->Label_JD), "2451545.0000");
        f->close();
    }
    {
        // Without Kometen.txt the asteroid lines are loaded but not cut into fields.
        Test_Ordner o;
        Meldungs_Rekorder r;
        std::filesystem::remove(o.Datei("Kometen.txt"));
        auto f = Fenster();
        EXPECT_EQ(r.Anzahl(Meldungsart::Fehler), 1);
        EXPECT_EQ(Anzahl_Asteroiden, 3);
        EXPECT_EQ(Asteroiden[1].Helligkeit, 0);
        EXPECT_TRUE(Asteroiden[1].Name.empty());
        f->close();
    }
}

TEST(Fenster, ZuVieleElementzeilenWerdenEinmalGemeldet) {
    Test_Ordner o;
    Meldungs_Rekorder r;
    const std::string zeilen = Datei_Lesen(o.Datei("Asteroiden.txt"));
    const std::string erste = zeilen.substr(0, zeilen.find('\n') + 1);
    std::string viele;
    for (int i = 0; i < Tabellen_Kapazitaet + 2; ++i) viele += erste;
    Datei_Schreiben(o.Datei("Asteroiden.txt"), viele);
    auto f = Fenster();
    ASSERT_EQ(r.meldungen.size(), 1u);
    EXPECT_EQ(r.meldungen[0].art, Meldungsart::Hinweis);
    EXPECT_TRUE(r.meldungen[0].text.contains("Asteroiden.txt"));
    EXPECT_TRUE(r.meldungen[0].text.contains(" 2 "));
    EXPECT_EQ(Anzahl_Asteroiden, Tabellen_Kapazitaet);
    EXPECT_EQ(Anzahl_Kometen, 3);
    f->close();
}
