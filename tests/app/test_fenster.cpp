#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <ctime>
#include <filesystem>
#include <memory>

#include "app/fenster_tabelle.hpp"
#include "app/plattform.hpp"
#include "app/stelux_unit_main.hpp"
#include "app/versionsinfo.hpp"
#include "basis/parameter_datei.hpp"
#include "hilfen.hpp"

namespace {

std::unique_ptr<TForm_Main> Fenster(const Fenster_Start& start) {
    return std::make_unique<TForm_Main>(start);
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
    auto f = Fenster(o.Start());
    EXPECT_EQ(Steuer<QMenu>(*f, "Instrument1")->title(), "&40cm Schmidt-Kamera");
    EXPECT_EQ(Steuer<QAction>(*f, "Instrument2")->text(), "&60cm Cassegrain");
    EXPECT_TRUE(f->windowTitle().startsWith("Stelux "));
    EXPECT_EQ(f->centralWidget()->size(), QSize(1018, 710));
    EXPECT_EQ(f->minimumSize(), f->maximumSize()); // not resizable
    EXPECT_FALSE(f->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(Steuer<QLineEdit>(*f, "Edit_Objekt")->text().isEmpty());
    EXPECT_FALSE(Steuer<QFrame>(*f, "Panel_About")->isVisibleTo(f.get()));
    EXPECT_EQ(Steuer<QFrame>(*f, "Panel_About")->pos(), QPoint((1018 - 345) / 2, 45));
    EXPECT_FALSE(Steuer<QComboBox>(*f, "Combo")->isVisibleTo(f.get()));
    EXPECT_FALSE(Buchstabe(*f, 0)->isVisibleTo(f.get()));
    EXPECT_EQ(Steuer<QTimer>(*f, "Timer1")->interval(), 200);
    EXPECT_EQ(Steuer<QTimer>(*f, "Timer2")->interval(), 500);
    EXPECT_TRUE(Steuer<QTimer>(*f, "Timer1")->isActive());

    f->close();
    EXPECT_EQ(f->Schliessen_Aufrufe, 1);
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
        auto f = Fenster(o.Start());
        EXPECT_EQ(Steuer<QMenu>(*f, "Instrument1")->title(), "&60cm Cassegrain");
        EXPECT_EQ(Steuer<QAction>(*f, "Instrument2")->text(), "&40cm Schmidt-Kamera");
        EXPECT_FALSE(f->Schmidt_Aktuell());
        f->close();
    }
    EXPECT_EQ(Datei_Lesen(o.Datei(Parameter_Datei_Name)), Parameter_Text(p));

    // Switching with the menu, then the close box, stores the new instrument;
    // two switches restore the captions.
    auto f = Fenster(o.Start());
    Steuer<QAction>(*f, "Instrument2")->trigger();
    EXPECT_EQ(Steuer<QMenu>(*f, "Instrument1")->title(), "&40cm Schmidt-Kamera");
    Steuer<QAction>(*f, "Instrument2")->trigger();
    Steuer<QAction>(*f, "Instrument2")->trigger();
    f->close();
    p.Instrument = 40;
    EXPECT_EQ(Datei_Lesen(o.Datei(Parameter_Datei_Name)), Parameter_Text(p));
}

TEST(Fenster, SchliessenImMenueSchreibtEinmalOhneFormClose) {
    Test_Ordner o;
    Meldungs_Rekorder r;
    auto f = Fenster(o.Start());
    Steuer<QAction>(*f, "Exit1")->trigger();
    EXPECT_EQ(f->Parameter_Schreibvorgaenge, 1);
    EXPECT_EQ(f->Schliessen_Aufrufe, 0);
    EXPECT_EQ(Datei_Lesen(o.Datei(Parameter_Datei_Name)), Parameter_Text(Parameter_Vorgabe()));
    f->close(); // the window goes away after the menu stop: no second write
    EXPECT_EQ(f->Schliessen_Aufrufe, 0);
    EXPECT_EQ(f->Parameter_Schreibvorgaenge, 1);
}

TEST(Fenster, FehlerhafteParameterdateiKostetNurDieParameter) {
    Test_Ordner o;
    Meldungs_Rekorder r;
    const std::string kaputt = "60 !I\r\n7,5 !L\r\n47.5 !B\r\n";
    Datei_Schreiben(o.Datei(Parameter_Datei_Name), kaputt);
    auto f = Fenster(o.Start());
    ASSERT_EQ(r.Anzahl(Meldungsart::Fehler), 1);
    EXPECT_TRUE(r.meldungen[0].text.startsWith(QString::fromStdString(
        "Invalid numeric input: '7,5' in " + o.Datei(Parameter_Datei_Name) + ", Zeile 2")))
        << r.meldungen[0].text.toStdString();
    // The defaults in memory, and the rest of start-up as usual.
    EXPECT_EQ(Parameter_Text(f->Zustand.Parameter()), Parameter_Text(Parameter_Vorgabe()));
    EXPECT_EQ(Steuer<QMenu>(*f, "Instrument1")->title(), "&40cm Schmidt-Kamera");
    EXPECT_EQ(f->Zustand.Anzahl_Asteroiden(), 3);
    EXPECT_EQ(f->Zustand.Anzahl_Kometen(), 3);
    EXPECT_TRUE(f->windowTitle().startsWith("Stelux "));
    EXPECT_TRUE(Steuer<QTimer>(*f, "Timer1")->isActive());
    f->close();
    EXPECT_EQ(Datei_Lesen(o.Datei(Parameter_Datei_Name)), kaputt);
    EXPECT_EQ(f->Parameter_Schreibvorgaenge, 0);
    EXPECT_EQ(r.Anzahl(Meldungsart::Hinweis), 1);
}

// A full disk at the stop: the old file stays byte for byte and the observer
// is told so.
TEST(Fenster, VollePlatteBeimBeendenLaesstDieAlteDatei) {
    Test_Ordner o;
    Meldungs_Rekorder r;
    Parameter_Type p = Parameter_Vorgabe();
    p.Instrument = 60;
    const std::string alt = Parameter_Text(p);
    Datei_Schreiben(o.Datei(Parameter_Datei_Name), alt);
    auto f = Fenster(o.Start());
    {
        const Dateigroesse_Begrenzt knapp(100);
        Steuer<QAction>(*f, "Instrument2")->trigger(); // the save after the change fails
        f->close();                                    // and the one at the stop
    }
    EXPECT_EQ(Datei_Lesen(o.Datei(Parameter_Datei_Name)), alt);
    ASSERT_EQ(r.Anzahl(Meldungsart::Fehler), 2);
    for (const auto& m : r.meldungen)
        EXPECT_TRUE(m.text.contains(QString::fromUtf8("bleibt unverändert")));
}

TEST(Fenster, FehlgeschlagenesSchreibenWirdAngezeigt) {
    Test_Ordner o;
    Meldungs_Rekorder r;
    auto f = Fenster(o.Start());
    // The folder vanished while the program ran.
    f->Zustand.Daten_Ordner_Setzen(o.pfad + "weg/");
    Steuer<QAction>(*f, "Exit1")->trigger();
    ASSERT_EQ(r.Anzahl(Meldungsart::Fehler), 1);
    EXPECT_TRUE(r.meldungen[0].text.contains(Parameter_Datei_Name));
}

TEST(Fenster, ZehntelsekundenUndUhrMitZeitzone) {
    Test_Ordner o;
    Meldungs_Rekorder r;
    Zone_Setzen zone("Europe/Zurich");
    auto f = Fenster(o.Start());
    f->Jetzt = [] {
        return QDateTime(QDate(2024, 1, 15), QTime(21, 15, 7, 400), QTimeZone("Europe/Zurich"));
    };
    f->Uhr_Takt();
    EXPECT_EQ(Text(Steuer<QLabel>(*f, "Label_ZeitZone")), "UT + 60 min");
    EXPECT_EQ(Text(Steuer<QLabel>(*f, "Label_PC_Zeit")), "2024-01-15 21:15:07");
    EXPECT_EQ(Text(Steuer<QLabel>(*f, "Label_UT_Zeit")), "2024-01-15 20:15:07");
    EXPECT_NEAR(f->Zustand.JD_UT(), f->Zustand.JD_PC() - 1.0 / 24, 1e-9);
    EXPECT_EQ(Text(Steuer<QLabel>(*f, "Label_JD")), QString::number(f->Zustand.JD_UT(), 'f', 5));
    EXPECT_EQ(Steuer<QStatusBar>(*f, "StatusBar1")->currentMessage(),
              QString::fromStdString(f->Zustand.Stand().Uhr.Status));

    Steuer<QAction>(*f, "Zehntelsekunden")->trigger();
    EXPECT_TRUE(Steuer<QAction>(*f, "Zehntelsekunden")->isChecked());
    EXPECT_EQ(f->Zustand.Zehntel(), 1);
    EXPECT_EQ(Steuer<QTimer>(*f, "Timer1")->interval(), 100);
    f->Uhr_Takt();
    EXPECT_EQ(Text(Steuer<QLabel>(*f, "Label_PC_Zeit")), "2024-01-15 21:15:07.4");
    EXPECT_EQ(Text(Steuer<QLabel>(*f, "Label_GMST")).count(':'), 2);
    EXPECT_TRUE(Text(Steuer<QLabel>(*f, "Label_GMST")).contains('.'));
    Steuer<QAction>(*f, "Zehntelsekunden")->trigger();
    EXPECT_EQ(f->Zustand.Zehntel(), 0);
    EXPECT_EQ(Steuer<QTimer>(*f, "Timer1")->interval(), 200);

    f->Jetzt = [] {
        return QDateTime(QDate(2024, 7, 15), QTime(12, 0), QTimeZone("Europe/Zurich"));
    };
    f->Uhr_Takt();
    EXPECT_EQ(Text(Steuer<QLabel>(*f, "Label_ZeitZone")), "UT + 120 min");
    EXPECT_NEAR(f->Zustand.JD_UT(), f->Zustand.JD_PC() - 2.0 / 24, 1e-9);
    f->close();
}

TEST(Fenster, SystemZeitzoneAusTZ) {
    Test_Ordner o;
    Meldungs_Rekorder r;
    auto f = Fenster(o.Start());
    const QDateTime januar(QDate(2024, 1, 15), QTime(12, 0), QTimeZone::utc());
    f->Jetzt = [&] { return januar; };
    const std::pair<const char*, const char*> faelle[] = {
        {"America/New_York", "UT - 300 min"}, {"Asia/Kolkata", "UT + 330 min"}, {"UTC", "UT"}};
    for (const auto& [tz, text] : faelle) {
        Zone_Setzen zone(tz);
        f->Uhr_Takt();
        EXPECT_EQ(Text(Steuer<QLabel>(*f, "Label_ZeitZone")), text) << tz;
    }
    f->close();
}

// The night's panel follows the clock's instant, a planned one too, in the
// zone's clock (sunset by PyEphem: 16:39:20 CET and 19:09:49 CEST).
TEST(Fenster, NachtTafelFolgtDemZeitpunkt) {
    Test_Ordner o;
    Meldungs_Rekorder r;
    Zone_Setzen zone("Europe/Zurich");
    auto f = Fenster(o.Start());
    f->Jetzt = [] { return QDateTime(QDate(2026, 12, 7), QTime(11, 0), QTimeZone::utc()); };
    f->Uhr_Takt();
    const auto tafel = [&] { return Text(Steuer<QLabel>(*f, "Label_Nacht")); };
    EXPECT_TRUE(tafel().startsWith("Sonne unter/auf 16:39 – ")) << tafel().toStdString();
    // Every line fits the panel.
    QLabel* l = Steuer<QLabel>(*f, "Label_Nacht");
    for (const QString& zeile : tafel().split('\n'))
        EXPECT_LE(l->fontMetrics().horizontalAdvance(zeile), l->contentsRect().width())
            << zeile.toStdString();
    ASSERT_TRUE(f->Zeitpunkt_Setzen(QDateTime(QDate(2026, 10, 1), QTime(22, 0))));
    f->Uhr_Takt();
    EXPECT_TRUE(tafel().startsWith("Sonne unter/auf 19:10 – ")) << tafel().toStdString();
    f->close();
}

TEST(Fenster, DezimalpunktUnterDeutschenEinstellungen) {
    Test_Ordner o;
    Meldungs_Rekorder r;
    const QLocale alt;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const bool c_deutsch = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    auto f = Fenster(o.Start());
    if (c_deutsch) { // the C runtime's numbers are pinned to "." too
        char puffer[16];
        std::snprintf(puffer, sizeof puffer, "%.1f", 0.5);
        EXPECT_STREQ(puffer, "0.5");
    }
    Parameter_Type p = f->Zustand.Parameter_Zum_Speichern();
    p.DE_Korr_40 = -0.3;
    f->Zustand.Parameter_Uebernehmen(p);
    f->Uhr_Takt();
    EXPECT_TRUE(Text(Steuer<QLabel>(*f, "Label_JD")).contains('.'));
    EXPECT_FALSE(Text(Steuer<QLabel>(*f, "Label_JD")).contains(','));
    EXPECT_TRUE(Steuer<QStatusBar>(*f, "StatusBar1")
                    ->currentMessage()
                    .startsWith("40cm Schmidt-Kamera: DE/SW-Korr: -0.3°/0.0min"));
    f->close();
    EXPECT_NE(Datei_Lesen(o.Datei(Parameter_Datei_Name)).find("  -0.30000 !"), std::string::npos);
    QLocale::setDefault(alt);
    std::setlocale(LC_ALL, "C");
}

TEST(Fenster, KorrekturenFolgenDemInstrument) {
    Test_Ordner o;
    Meldungs_Rekorder r;
    auto f = Fenster(o.Start());
    f->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.get(), 60000));
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(Steuer<QPushButton>(*f, "Button_DE_plus"), Qt::LeftButton);
    EXPECT_EQ(f->focusWidget(), Steuer<QLineEdit>(*f, "Edit_Objekt"));
    f->Uhr_Takt();
    EXPECT_TRUE(Steuer<QStatusBar>(*f, "StatusBar1")
                    ->currentMessage()
                    .startsWith("40cm Schmidt-Kamera: DE/SW-Korr: 0.3°/0.0min"));
    Steuer<QAction>(*f, "Instrument2")->trigger();
    QTest::mouseClick(Steuer<QPushButton>(*f, "Button1"), Qt::LeftButton);
    QTest::mouseClick(Steuer<QPushButton>(*f, "Button2"), Qt::LeftButton);
    QTest::mouseClick(Steuer<QPushButton>(*f, "Button2"), Qt::LeftButton);
    QTest::mouseClick(Steuer<QPushButton>(*f, "Button_DE_minus"), Qt::LeftButton);
    EXPECT_NEAR(f->Zustand.Parameter().SW_Korr_60, -0.1, 1e-12);
    EXPECT_EQ(f->Zustand.Parameter().SW_Korr_40, 0);
    EXPECT_NEAR(f->Zustand.Parameter().DE_Korr_60, -0.1, 1e-12);
    EXPECT_NEAR(f->Zustand.Parameter().DE_Korr_40, 0.3, 1e-12);
    f->close();
}

TEST(Fenster, TastenfeldUndAktivierung) {
    Test_Ordner o;
    Meldungs_Rekorder r;
    auto f = Fenster(o.Start());
    f->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.get(), 60000));
    QTest::mouseClick(Ziffer(*f, 7), Qt::LeftButton); // empty box: nothing appended
    EXPECT_TRUE(Steuer<QLineEdit>(*f, "Edit_Objekt")->text().isEmpty());
    Steuer<QLineEdit>(*f, "Edit_Objekt")->setText("N");
    for (int i : {7, 0, 0, 0}) QTest::mouseClick(Ziffer(*f, i), Qt::LeftButton);
    Buchstabe(*f, 0)->show();
    QTest::mouseClick(Buchstabe(*f, 0), Qt::LeftButton);
    EXPECT_EQ(Steuer<QLineEdit>(*f, "Edit_Objekt")->text(), "N7000A");
    EXPECT_EQ(Steuer<QLineEdit>(*f, "Edit_Objekt")->cursorPosition(), 6);
    EXPECT_FALSE(Steuer<QLineEdit>(*f, "Edit_Objekt")->hasSelectedText());
    QTest::mouseClick(Steuer<QPushButton>(*f, "Button_Clear"), Qt::LeftButton);
    EXPECT_TRUE(Steuer<QLineEdit>(*f, "Edit_Objekt")->text().isEmpty());
    EXPECT_FALSE(Buchstabe(*f, 0)->isVisible());

    Steuer<QLineEdit>(*f, "Edit_Objekt")->setText("M3");
    Steuer<QLineEdit>(*f, "Edit_Objekt")->setSelection(0, 1);
    f->Beim_Aktivieren();
    EXPECT_EQ(Steuer<QLineEdit>(*f, "Edit_Objekt")->cursorPosition(), 2);
    EXPECT_FALSE(Steuer<QLineEdit>(*f, "Edit_Objekt")->hasSelectedText());
    f->close();
}

TEST(Fenster, InfoPanelsUndDokumente) {
    Test_Ordner o;
    Meldungs_Rekorder r;
    std::vector<std::pair<std::string, bool>> geoeffnet;
    bool oeffnet = true;
    Oeffner_Setzen([&](const std::string& pfad, bool bearbeiten) {
        geoeffnet.emplace_back(pfad, bearbeiten);
        return oeffnet;
    });
    Fenster_Start start = o.Start();
    start.Versions_Info.FileVersion = "9.8.7";
    auto f = Fenster(start);
    Steuer<QAction>(*f, "Eigene1")->trigger();
    ASSERT_EQ(geoeffnet.size(), 1u);
    EXPECT_EQ(geoeffnet[0], std::make_pair(o.pfad + "Eigene_Objekte.txt", true));
    EXPECT_TRUE(r.meldungen.empty());
    // Nothing could open it: the observer is told which file and why.
    oeffnet = false;
    Datei_Schreiben(o.Datei("Eigene_Objekte.txt"), "--\r\n");
    Steuer<QAction>(*f, "Eigene1")->trigger();
    ASSERT_EQ(r.Anzahl(Meldungsart::Fehler), 1);
    EXPECT_TRUE(r.meldungen[0].text.startsWith(QString::fromUtf8("Kein Programm zum Öffnen")));
    Oeffner_Setzen({});

    Steuer<QAction>(*f, "SystemInformation1")->trigger();
    Steuer<QAction>(*f, "SystemInformation1")->trigger(); // cleared first: the log appears once
    EXPECT_TRUE(Steuer<QFrame>(*f, "Panel_SysInfo")->isVisibleTo(f.get()));
    EXPECT_EQ(Steuer<QFrame>(*f, "Panel_SysInfo")->pos(), QPoint(0, 0));
    const QStringList zeilen =
        Steuer<QPlainTextEdit>(*f, "Memo_SysInfo")->toPlainText().split('\n');
    EXPECT_EQ(zeilen.count("Stelux System Logfile"), 1);
    EXPECT_EQ(zeilen[2], "Stelux Version: 9.8.7");
    EXPECT_EQ(zeilen[13], QString::fromStdString("Dokumentenordner        : " + o.pfad));
    QTest::mouseClick(Steuer<QPushButton>(*f, "Button3"), Qt::LeftButton);
    EXPECT_FALSE(Steuer<QFrame>(*f, "Panel_SysInfo")->isVisibleTo(f.get()));

    Steuer<QAction>(*f, "Version2")->trigger();
    EXPECT_TRUE(Steuer<QFrame>(*f, "Panel_About")->isVisibleTo(f.get()));
    const auto zeilen_grid = Versionsinfo_Zeilen(
        Versionsinfo_Lesen(QCoreApplication::applicationFilePath().toStdString()));
    for (int z = 0; z < 17; ++z) {
        EXPECT_EQ(
            Steuer<QTableWidget>(*f, "StringGrid_VersionsInfo")->item(z, 0)->text().toStdString(),
            zeilen_grid[z].first);
        EXPECT_EQ(
            Steuer<QTableWidget>(*f, "StringGrid_VersionsInfo")->item(z, 1)->text().toStdString(),
            zeilen_grid[z].second);
    }
    QTest::mouseClick(Steuer<QPushButton>(*f, "Button_About_OK"), Qt::LeftButton);
    EXPECT_FALSE(Steuer<QFrame>(*f, "Panel_About")->isVisibleTo(f.get()));
    EXPECT_EQ(f->windowTitle().left(12), "Stelux 9.8.7");
    f->close();
}

// Not a check: with STELUX_BILDSCHIRMFOTO=<file.png> the window is drawn into
// that file, to look at the layout.
TEST(Fenster, Bildschirmfoto) {
    const QString ziel = qEnvironmentVariable("STELUX_BILDSCHIRMFOTO");
    if (ziel.isEmpty()) GTEST_SKIP() << "STELUX_BILDSCHIRMFOTO not set";
    Test_Ordner o;
    Meldungs_Rekorder r;
    auto f = Fenster(o.Start());
    f->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.get(), 60000));
    const QString alt = QDir::currentPath();
    QDir::setCurrent(STELUX_TEST_DATEN "/app");
    if (qEnvironmentVariableIsSet("STELUX_BILDSCHIRMFOTO_REFRAKTION"))
        Steuer<QAction>(*f, "Refraktion1")->trigger();
    if (qEnvironmentVariableIsSet("STELUX_BILDSCHIRMFOTO_NACHT"))
        Steuer<QAction>(*f, "Nachtmodus1")->trigger();
    Steuer<QLineEdit>(*f, "Edit_Objekt")
        ->setText(qEnvironmentVariable("STELUX_BILDSCHIRMFOTO_OBJEKT"));
    f->Eingabe_Bestaetigen();
    QDir::setCurrent(alt);
    f->Uhr_Takt();
    f->Positions_Takt();
    const QString panel = qEnvironmentVariable("STELUX_BILDSCHIRMFOTO_PANEL");
    if (panel == "version") Steuer<QAction>(*f, "Version2")->trigger();
    if (panel == "system") Steuer<QAction>(*f, "SystemInformation1")->trigger();
    if (panel == "liste")
        QTest::mouseClick(Steuer<TKlick_Label>(*f, "Label_Planet"), Qt::LeftButton);
    const QString getippt = qEnvironmentVariable("STELUX_BILDSCHIRMFOTO_TIPPEN");
    if (!getippt.isEmpty()) {
        Steuer<QLineEdit>(*f, "Edit_Objekt")->setFocus();
        QTest::keyClicks(Steuer<QLineEdit>(*f, "Edit_Objekt"),
                         getippt); // the suggestions open below
    }
    QTest::qWait(300);
    EXPECT_TRUE(f->grab().save(ziel));
    if (Steuer<QAction>(*f, "Nachtmodus1")->isChecked())
        Steuer<QAction>(*f, "Nachtmodus1")->trigger();
    f->close();
}

TEST(Fenster, ElementdateienBeimStart) {
    {
        Test_Ordner o;
        Meldungs_Rekorder r;
        auto f = Fenster(o.Start());
        EXPECT_TRUE(r.meldungen.empty());
        ASSERT_EQ(f->Zustand.Anzahl_Asteroiden(), 3);
        ASSERT_EQ(f->Zustand.Anzahl_Kometen(), 3);
        EXPECT_NE(f->Zustand.Asteroiden()[3].Helligkeit, 0); // evaluated at the start-up instant
        EXPECT_NE(f->Zustand.Kometen()[1].Helligkeit, 0);
        EXPECT_NE(Text(Steuer<QLabel>(*f, "Label_JD")),
                  "2451545.0000"); // one clock tick before the window shows

        // Sorted by brightness and back to file order.
        Steuer<QAction>(*f, "AsteroidenSort")->trigger();
        for (int i = 1; i < 3; ++i)
            EXPECT_LE(f->Zustand.Asteroiden()[i].Helligkeit,
                      f->Zustand.Asteroiden()[i + 1].Helligkeit);
        // The list shows the table in its present order, brightest first.
        QTest::mouseClick(Steuer<TKlick_Label>(*f, "Label_Asteroid"), Qt::LeftButton);
        ASSERT_EQ(Steuer<QComboBox>(*f, "Combo")->count(), 3);
        for (int i = 1; i <= 3; ++i)
            EXPECT_EQ(Steuer<QComboBox>(*f, "Combo")->itemText(i - 1).toStdString(),
                      f->Zustand.Asteroiden()[i].Name);
        EXPECT_NE(f->Zustand.Asteroiden()[1].Nummer,
                  1); // Vesta (line 3) is the brightest of the three
        Steuer<QAction>(*f, "AsteroidenSort")->trigger();
        for (int i = 1; i <= 3; ++i) EXPECT_EQ(f->Zustand.Asteroiden()[i].Nummer, i);
        Steuer<QAction>(*f, "KometenSort")->trigger();
        EXPECT_LE(f->Zustand.Kometen()[1].Helligkeit, f->Zustand.Kometen()[2].Helligkeit);
        f->close();
    }
    {
        // A missing element file costs only itself: the other one is loaded and
        // evaluated, the clock runs, and each missing file is reported.
        for (const char* fehlt : {"Asteroiden.txt", "Kometen.txt"}) {
            Test_Ordner o;
            Meldungs_Rekorder r;
            std::filesystem::remove(o.Datei(fehlt));
            auto f = Fenster(o.Start());
            ASSERT_EQ(r.Anzahl(Meldungsart::Fehler), 1);
            EXPECT_EQ(r.meldungen[0].text,
                      QString::fromStdString("File not found: " + o.Datei(fehlt)));
            const bool asteroiden_fehlen = std::string(fehlt) == "Asteroiden.txt";
            EXPECT_EQ(f->Zustand.Anzahl_Asteroiden(), asteroiden_fehlen ? 0 : 3);
            EXPECT_EQ(f->Zustand.Anzahl_Kometen(), asteroiden_fehlen ? 3 : 0);
            EXPECT_NE(asteroiden_fehlen ? f->Zustand.Kometen()[1].Helligkeit
                                        : f->Zustand.Asteroiden()[1].Helligkeit,
                      0);
            EXPECT_NE(Text(Steuer<QLabel>(*f, "Label_JD")), "2451545.0000");
            EXPECT_TRUE(f->windowTitle().startsWith("Stelux "));
            f->close();
        }
    }
    {
        // Both missing: both reported.
        Test_Ordner o;
        Meldungs_Rekorder r;
        std::filesystem::remove(o.Datei("Asteroiden.txt"));
        std::filesystem::remove(o.Datei("Kometen.txt"));
        auto f = Fenster(o.Start());
        EXPECT_EQ(r.Anzahl(Meldungsart::Fehler), 2);
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
    auto f = Fenster(o.Start());
    ASSERT_EQ(r.meldungen.size(), 1u);
    EXPECT_EQ(r.meldungen[0].art, Meldungsart::Hinweis);
    EXPECT_TRUE(r.meldungen[0].text.contains("Asteroiden.txt"));
    EXPECT_TRUE(r.meldungen[0].text.contains(" 2 "));
    EXPECT_EQ(f->Zustand.Anzahl_Asteroiden(), Tabellen_Kapazitaet);
    EXPECT_EQ(f->Zustand.Anzahl_Kometen(), 3);
    f->close();
}

// Every control at its place with its design text, looked up by its name.
TEST(Fenster, AufbauNamenTexteUndPlaetze) {
    Test_Ordner o;
    Meldungs_Rekorder r;
    auto f = Fenster(o.Start());
    // The first clock tick at start has written the clock labels and the status bar.
    const QStringList getickt = {"Label_PC_Zeit", "Label_UT_Zeit", "Label_GMST", "Label_ZeitZone",
                                 "Label_JD",      "Label_LMST",    "StatusBar1"};
    for (const Steuerelement& s : Fenster_Tabelle()) {
        QWidget* w = f->centralWidget()->findChild<QWidget*>(s.name);
        ASSERT_NE(w, nullptr) << s.name;
        QWidget* eltern =
            s.eltern ? f->centralWidget()->findChild<QWidget*>(s.eltern) : f->centralWidget();
        EXPECT_EQ(w->parentWidget(), eltern) << s.name;
        if (w != Steuer<QFrame>(*f, "Panel_About")) { // centred at start
            EXPECT_EQ(w->geometry(), QRect(s.x, s.y, s.b, s.h)) << s.name;
        }
        if (!s.text || getickt.contains(s.name)) continue;
        QString text;
        if (auto* l = qobject_cast<QLabel*>(w))
            text = l->text();
        else if (auto* k = qobject_cast<QPushButton*>(w))
            text = k->text();
        else if (auto* c = qobject_cast<QComboBox*>(w))
            text = c->currentText();
        else if (auto* e = qobject_cast<QLineEdit*>(w))
            text = e->text();
        else if (auto* s1 = qobject_cast<QStatusBar*>(w))
            text = s1->currentMessage();
        // The entry box's design text is emptied at start.
        EXPECT_EQ(text,
                  w == Steuer<QLineEdit>(*f, "Edit_Objekt") ? QString() : QString::fromUtf8(s.text))
            << s.name;
    }
    EXPECT_EQ(Steuer<QFrame>(*f, "Panel_About")->size(), QSize(345, 473));
    EXPECT_EQ(Steuer<QComboBox>(*f, "Combo")->maxVisibleItems(), 25);
    EXPECT_FALSE(Steuer<QComboBox>(*f, "Combo")->isEditable());

    // Right-aligned and centred labels.
    for (QLabel* l : {Steuer<QLabel>(*f, "Label3"), Steuer<QLabel>(*f, "Label_DE_Raddeg"),
                      Steuer<QLabel>(*f, "Label_StdRadhrs"), Steuer<QLabel>(*f, "Label_Height"),
                      Steuer<QLabel>(*f, "Label17"), Steuer<QLabel>(*f, "Label_Azimuth"),
                      Steuer<QLabel>(*f, "Label19"), Steuer<QLabel>(*f, "Label_AirMass"),
                      Steuer<QLabel>(*f, "Label20")})
        EXPECT_TRUE(l->alignment() & Qt::AlignRight) << l->objectName().toStdString();
    for (QLabel* l : {Steuer<QLabel>(*f, "Label_Objekt"), Steuer<QLabel>(*f, "Label13"),
                      Steuer<QLabel>(*f, "Label14"), Steuer<QLabel>(*f, "Label16"),
                      Steuer<QLabel>(*f, "Label_StdRadmin"),
                      static_cast<QLabel*>(Steuer<TKlick_Label>(*f, "Label_SAO")),
                      static_cast<QLabel*>(Steuer<TKlick_Label>(*f, "Label_IC"))})
        EXPECT_TRUE(l->alignment() & Qt::AlignHCenter) << l->objectName().toStdString();

    // Grounds: catalogue labels maroon, the coordinate lines olive, the entry's
    // text money green (the contrast of every text is measured elsewhere).
    const auto grund = [](QWidget* w) { return w->palette().color(QPalette::Window); };
    const auto schrift = [](QWidget* w) { return w->palette().color(QPalette::WindowText); };
    for (QLabel* l : {static_cast<QLabel*>(Steuer<TKlick_Label>(*f, "Label_Messier")),
                      static_cast<QLabel*>(Steuer<TKlick_Label>(*f, "Label_NGC"))}) {
        EXPECT_EQ(grund(l), QColor(128, 0, 0));
        EXPECT_EQ(l->font().pixelSize(), 23);
        EXPECT_TRUE(l->font().bold());
    }
    EXPECT_EQ(grund(Steuer<QLabel>(*f, "Label_PC_Zeit")), QColor(48, 48, 48));
    EXPECT_EQ(schrift(Steuer<QLabel>(*f, "Label_Height")), QColor(255, 255, 255));
    EXPECT_EQ(schrift(Steuer<QLabel>(*f, "Label_Objekt")),
              grund(Steuer<QLabel>(*f, "Label_Objekt"))); // invisible until the first tick
    EXPECT_EQ(grund(Steuer<QLabel>(*f, "Label_RA2000")), QColor(128, 128, 0));
    EXPECT_EQ(Steuer<QLineEdit>(*f, "Edit_Objekt")->palette().color(QPalette::Text),
              QColor(192, 220, 192));
    EXPECT_TRUE(Steuer<QLineEdit>(*f, "Edit_Objekt")->font().bold());
    EXPECT_EQ(Steuer<QLineEdit>(*f, "Edit_Objekt")->font().pixelSize(), 27);
    EXPECT_EQ(Ziffer(*f, 1)->font().pixelSize(), 23);
    EXPECT_EQ(Buchstabe(*f, 0)->font().pixelSize(), 20);
    EXPECT_EQ(Steuer<QPushButton>(*f, "Button_Clear")->font().pixelSize(), 20);
    EXPECT_EQ(Steuer<QPushButton>(*f, "Button_Enter")->font().pixelSize(), 27);
    EXPECT_TRUE(Steuer<QPushButton>(*f, "Button_Enter")->font().bold());
    f->close();
}

// The menu bar in order, with captions, access keys and check marks.
TEST(Fenster, MenueBaum) {
    Test_Ordner o;
    Meldungs_Rekorder r;
    auto f = Fenster(o.Start());
    const auto texte = [](const QList<QAction*>& aktionen) {
        QStringList t;
        for (QAction* a : aktionen) t << (a->isSeparator() ? "-" : a->text());
        return t;
    };
    EXPECT_EQ(texte(f->menuBar()->actions()),
              QStringList({"&Datei", "&Kataloge", "&40cm Schmidt-Kamera", "&Optionen", "-",
                           "&Edit Eigene", "-", "&Hilfe"}));
    EXPECT_EQ(texte(Steuer<QMenu>(*f, "File1")->actions()),
              QStringList({QString::fromUtf8("Beobachtungs&liste öffnen…"),
                           QString::fromUtf8("&Notieren…"), QString::fromUtf8("Beobachtungs&buch…"),
                           "-", QString::fromUtf8("Bahnelemente aktualisieren…"), "&Schliessen"}));
    EXPECT_EQ(texte(Steuer<QMenu>(*f, "Instrument1")->actions()),
              QStringList({"&60cm Cassegrain"}));
    EXPECT_EQ(
        texte(Steuer<QMenu>(*f, "Option1")->actions()),
        QStringList({"&Zehntelsekunden", "Asteroiden nach Helligkeit sortieren",
                     "Kometen nach Helligkeit sortieren",
                     QString::fromUtf8("Refraktion berücksichtigen"), "&Aufsuchkarte",
                     "&Nachtmodus", "Nacht&helligkeit", QString::fromUtf8("Zeitpunkt wählen…"),
                     "Zeitpunkt: jetzt", "Jetzt &beobachtbar", QString::fromUtf8("Ab&gleich…"),
                     QString::fromUtf8("&Teleskop-Verbindung…"),
                     QString::fromUtf8("Abgleich &mit dem Teleskop…"), "&Sprache"}));
    EXPECT_EQ(texte(Steuer<QMenu>(*f, "Sprache1")->actions()), QStringList({"Deutsch", "English"}));
    for (QAction* a :
         {Steuer<QAction>(*f, "Zehntelsekunden"), Steuer<QAction>(*f, "AsteroidenSort"),
          Steuer<QAction>(*f, "KometenSort"), Steuer<QAction>(*f, "Refraktion1")}) {
        EXPECT_TRUE(a->isCheckable());
        EXPECT_FALSE(a->isChecked());
    }
    EXPECT_FALSE(Steuer<QAction>(*f, "Instrument2")->isCheckable());
    EXPECT_EQ(texte(Steuer<QMenu>(*f, "Hilfe1")->actions()),
              QStringList({"Stelux Handbuch", "System-Infos", "-", "Versions-Infos"}));
    EXPECT_EQ(Steuer<QAction>(*f, "Eigene1")->menu(), nullptr); // an item of the bar itself
    f->close();
}

TEST(Fenster, RefraktionBleibtUeberNeustartAusserhalbDerParameterdatei) {
    Test_Ordner o;
    Meldungs_Rekorder r;
    {
        auto f = Fenster(o.Start());
        EXPECT_FALSE(Steuer<QAction>(*f, "Refraktion1")->isChecked());
        EXPECT_EQ(Text(Steuer<QLabel>(*f, "Label_Hoehe")), QString::fromUtf8("Höhe"));
        Steuer<QAction>(*f, "Refraktion1")->trigger();
        EXPECT_EQ(Text(Steuer<QLabel>(*f, "Label_Hoehe")), QString::fromUtf8("Höhe refr."));
        f->close();
    }
    {
        auto f = Fenster(o.Start());
        EXPECT_TRUE(Steuer<QAction>(*f, "Refraktion1")->isChecked());
        EXPECT_EQ(Text(Steuer<QLabel>(*f, "Label_Hoehe")), QString::fromUtf8("Höhe refr."));
        Steuer<QAction>(*f, "Refraktion1")->trigger();
        f->close();
    }
    auto f = Fenster(o.Start());
    EXPECT_FALSE(Steuer<QAction>(*f, "Refraktion1")->isChecked());
    for (const auto& datei : std::filesystem::directory_iterator(o.pfad))
        if (datei.path().extension() != ".ini") {
            EXPECT_EQ(Datei_Lesen(datei.path()).find("efrakt"), std::string::npos) << datei.path();
        }
}
