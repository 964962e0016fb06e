#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "app/fenster_beobachtbar.hpp"
#include "app/stelux_unit_main.hpp"
#include "hilfen.hpp"

namespace {
// The entries of the list, as the observer would type them.
QStringList Eingaben(const TForm_Beobachtbar& b) {
    QStringList e;
    for (int r = 0; r < Steuer<QTableWidget>(b, "Tabelle_Beobachtbar")->rowCount(); ++r)
        e << Steuer<QTableWidget>(b, "Tabelle_Beobachtbar")
                 ->item(r, 0)
                 ->data(Qt::UserRole + 1)
                 .toString();
    return e;
}

// Answers the next modal dialog from the event loop.
void Dialog_Beantworten(std::function<void(QDialog*)> antwort) {
    QTimer::singleShot(0, [antwort] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        antwort(d);
    });
}
} // namespace

TEST(Beobachtbar, FolgtDerPlanungUndWaehltWieGetippt) {
    Test_Ordner o;
    Meldungs_Rekorder r;
    // The test catalogues and M7, which never reaches 20° from the observatory.
    for (const char* name : {"Bright_Stars_Proper_Names_SAO.txt", "Deepsky_Namen.txt",
                             "NGC_IC_Messier_Catalogue_Revised.txt"})
        Datei_Schreiben(o.Datei(name),
                        Datei_Lesen(std::string(STELUX_TEST_DATEN "/app/") + name) +
                            (std::string(name).rfind("NGC", 0) == 0
                                 ? "M7    Sco175351.2-344734 3.5 3.3 22.2  0.0Off.Hauf0.00030\r\n"
                                 : ""));
    const QString alt = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(o.pfad));
    TForm_Main f(o.Start());
    f.Jetzt = [] { return QDateTime(QDate(2026, 12, 7), QTime(12, 0)); };
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f, 60000));

    // Through the menu: the date dialog.
    Dialog_Beantworten([](QDialog* d) {
        const std::pair<const char*, int> felder[] = {{"Zeitpunkt_Jahr", 2026},
                                                      {"Zeitpunkt_Monat", 10},
                                                      {"Zeitpunkt_Tag", 1},
                                                      {"Zeitpunkt_Stunde", 22},
                                                      {"Zeitpunkt_Minute", 0}};
        for (const auto& [name, wert] : felder) d->findChild<QSpinBox*>(name)->setValue(wert);
        d->accept();
    });
    Steuer<QAction>(f, "Zeitpunkt1")->trigger();
    const QString marke = "PLANUNG 2026-10-01 22:00";
    EXPECT_TRUE(Steuer<QStatusBar>(f, "StatusBar1")->currentMessage().startsWith(marke));
    // A refused date leaves the planned instant as it was.
    EXPECT_FALSE(f.Zeitpunkt_Setzen(QDateTime(QDate(2101, 1, 1), QTime(0, 0))));
    EXPECT_EQ(r.Anzahl(Meldungsart::Fehler), 1);
    f.Uhr_Takt();
    EXPECT_TRUE(Steuer<QStatusBar>(f, "StatusBar1")->currentMessage().startsWith(marke));

    f.activateWindow(); // back from the dialog
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f, 60000));
    Steuer<QLineEdit>(f, "Edit_Objekt")->setFocus();
    QTest::keyClicks(Steuer<QLineEdit>(f, "Edit_Objekt"), "M4"); // F8 while typing
    QTest::keyClick(Steuer<QLineEdit>(f, "Edit_Objekt"), Qt::Key_F8);
    ASSERT_NE(f.findChild<TForm_Beobachtbar*>("Form_Beobachtbar"), nullptr);
    TForm_Beobachtbar& b = *f.findChild<TForm_Beobachtbar*>("Form_Beobachtbar");
    b.Abwarten();
    const struct {
        const char* eingabe;
        bool gelistet;
    } faelle[] = {{"M31", true}, {"Vega", true}, {"M7", false}};
    for (const auto& fall : faelle)
        EXPECT_EQ(Eingaben(b).contains(fall.eingabe), fall.gelistet) << fall.eingabe;
    EXPECT_TRUE(Steuer<QLabel>(b, "Label_Beobachtbar_Stand")->text().startsWith("Stand 22:00"));
    // NGC showpieces: N7000 (4.0 mag) at once, N7000A (9.0 mag) only past the
    // NGC/IC limit of 8 mag; size and surface brightness, "—" for a star.
    EXPECT_TRUE(Eingaben(b).contains("N7000"));
    EXPECT_FALSE(Eingaben(b).contains("N7000A"));
    Steuer<QDoubleSpinBox>(b, "SpinBox_Beobachtbar_Deepsky_Mag")->setValue(10);
    EXPECT_TRUE(Eingaben(b).contains("N7000A"));
    const auto* t = Steuer<QTableWidget>(b, "Tabelle_Beobachtbar");
    const int n7000 = static_cast<int>(Eingaben(b).indexOf("N7000"));
    EXPECT_EQ(t->item(n7000, 1)->text(), "NGC");
    EXPECT_EQ(t->item(n7000, 6)->text(), "120.0");
    EXPECT_EQ(t->item(n7000, 7)->text(), "22.8"); // 4.0 + 2.5 lg(pi/4 * 7200" * 6000")
    EXPECT_EQ(t->item(static_cast<int>(Eingaben(b).indexOf("Vega")), 6)->text(), "—");
    // The header holds the planned night's timetable.
    const QString nacht_geplant = Steuer<QLabel>(b, "Label_Beobachtbar_Nacht")->text();
    EXPECT_TRUE(nacht_geplant.startsWith("Sonne unter ")) << nacht_geplant.toStdString();
    if (qEnvironmentVariableIsSet("STELUX_BEOBACHTBAR_BILD"))
        b.grab().save(qEnvironmentVariable("STELUX_BEOBACHTBAR_BILD"));

    // Return on a row selects it as typed and confirmed.
    Steuer<QTableWidget>(b, "Tabelle_Beobachtbar")
        ->setCurrentCell(static_cast<int>(Eingaben(b).indexOf("M31")), 2);
    QTest::keyClick(Steuer<QTableWidget>(b, "Tabelle_Beobachtbar"), Qt::Key_Return);
    f.Positions_Takt();
    EXPECT_TRUE(Steuer<QLabel>(f, "Label_Objekt")->text().startsWith("Messier 31"))
        << Steuer<QLabel>(f, "Label_Objekt")->text().toStdString();
    EXPECT_EQ(Steuer<QLineEdit>(f, "Edit_Objekt")->text(), "");

    // Back to the present: the marker goes, the list follows.
    Steuer<QAction>(f, "Zeitpunkt_Jetzt1")->trigger();
    EXPECT_FALSE(Steuer<QStatusBar>(f, "StatusBar1")->currentMessage().contains("PLANUNG"));
    b.Abwarten();
    EXPECT_TRUE(Steuer<QLabel>(b, "Label_Beobachtbar_Stand")->text().startsWith("Stand 12:00"));
    EXPECT_NE(Steuer<QLabel>(b, "Label_Beobachtbar_Nacht")->text(), nacht_geplant);
    b.close();
    f.close();
    QDir::setCurrent(alt);
}
