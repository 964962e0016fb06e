#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <memory>

#include "app/stelux_unit_main.hpp"
#include "hilfen.hpp"

namespace {

// The window with the small catalogues of the tests as working directory.
struct Auswahl : Fenster_Test {
    QString Edit() const { return Steuer<QLineEdit>(*f, "Edit_Objekt")->text(); }
    QColor Farbe(QWidget* w) const { return w->palette().color(QPalette::WindowText); }
    void Enter() { QTest::mouseClick(Steuer<QPushButton>(*f, "Button_Enter"), Qt::LeftButton); }
};

} // namespace

TEST_F(Auswahl, MessierListeUndEnterFindetM31) {
    // Near its culmination at 47.5° N, then in the morning about 10° high.
    f->Jetzt = [] { return QDateTime(QDate(2026, 10, 20), QTime(22, 0), Qt::UTC); };
    QTest::mouseClick(Steuer<TKlick_Label>(*f, "Label_Messier"), Qt::LeftButton);
    EXPECT_EQ(f->Zustand.Katalog_Buchstabe(), 'M');
    EXPECT_TRUE(Steuer<QComboBox>(*f, "Combo")->isVisible());
    EXPECT_EQ(Steuer<QComboBox>(*f, "Combo")->y(), Steuer<TKlick_Label>(*f, "Label_Messier")->y());
    ASSERT_EQ(Steuer<QComboBox>(*f, "Combo")->count(), 108);
    EXPECT_EQ(Steuer<QComboBox>(*f, "Combo")->findText("40"), -1);
    EXPECT_EQ(Edit(), "M1");
    Steuer<QComboBox>(*f, "Combo")->setCurrentIndex(Steuer<QComboBox>(*f, "Combo")->findText("31"));
    emit Steuer<QComboBox>(*f, "Combo")->activated(Steuer<QComboBox>(*f, "Combo")->currentIndex());
    EXPECT_EQ(Edit(), "M31");

    // The readings are complete in the same event as the Return.
    QTest::keyClick(Steuer<QLineEdit>(*f, "Edit_Objekt"), Qt::Key_Return);
    EXPECT_TRUE(f->Zustand.Objekt_Gueltig());
    EXPECT_FALSE(Steuer<QComboBox>(*f, "Combo")->isVisible());
    EXPECT_TRUE(Edit().isEmpty());
    EXPECT_NEAR(f->Zustand.Objekt().RA2000, 0 + 42 / 60.0 + 44.3 / 3600, 1e-9);
    EXPECT_TRUE(Steuer<QLabel>(*f, "Label_Objekt")
                    ->text()
                    .startsWith("Messier 31   Andromeda Galaxy; 0.8 Mpc"));
    EXPECT_EQ(Farbe(Steuer<QLabel>(*f, "Label_Objekt")), QColor(255, 255, 255));
    EXPECT_EQ(Steuer<QLabel>(*f, "Label_RA2000")->text(), "RA(J2000) 00:42:44.3h");
    EXPECT_EQ(Steuer<QLabel>(*f, "Label_Con")->text(), "Con: AND");
    EXPECT_EQ(Farbe(Steuer<QLabel>(*f, "Label_Height")), QColor(0, 192, 0));
    EXPECT_EQ(Farbe(Steuer<QLabel>(*f, "Label_Hoehe")), QColor(0, 192, 0));
    f->Jetzt = [] { return QDateTime(QDate(2026, 10, 21), QTime(6, 45), Qt::UTC); };
    f->Uhr_Takt();
    f->Positions_Takt();
    EXPECT_EQ(Farbe(Steuer<QLabel>(*f, "Label_Height")), QColor(255, 96, 96));
    EXPECT_EQ(Farbe(Steuer<QLabel>(*f, "Label_Hoehe")), QColor(255, 96, 96));

    // A catalogue label only puts its letter into the entry: the readings stay
    // until an entry is chosen, and "S" alone chooses nothing.
    QTest::mouseClick(Steuer<TKlick_Label>(*f, "Label_SAO"), Qt::LeftButton);
    EXPECT_EQ(Edit(), "S");
    f->Positions_Takt();
    Enter();
    EXPECT_TRUE(f->Zustand.Objekt_Gueltig());
    EXPECT_EQ(Steuer<QLabel>(*f, "Label_RA2000")->text(), "RA(J2000) 00:42:44.3h");
    for (const char* zeichen : {"Label13", "Label14", "Label16"})
        EXPECT_TRUE(Steuer<QLabel>(*f, zeichen)->isVisible()) << zeichen;
}

TEST_F(Auswahl, NummernKatalogeUndSuffixTasten) {
    QTest::mouseClick(Steuer<TKlick_Label>(*f, "Label_NGC"), Qt::LeftButton);
    EXPECT_TRUE(Buchstabe(*f, 0)->isVisible());
    for (int i : {7, 0, 0, 0}) QTest::mouseClick(Ziffer(*f, i), Qt::LeftButton);
    QTest::mouseClick(Buchstabe(*f, 0), Qt::LeftButton);
    EXPECT_EQ(Edit(), "N7000A");
    Enter();
    EXPECT_TRUE(f->Zustand.Objekt_Gueltig());
    EXPECT_EQ(f->Zustand.Objekt().Bezeichnung.substr(0, 6), "N7000A");

    QTest::mouseClick(Steuer<TKlick_Label>(*f, "Label_SAO"), Qt::LeftButton);
    EXPECT_FALSE(Buchstabe(*f, 0)->isVisible());
    EXPECT_EQ(Edit(), "S");
    EXPECT_EQ(f->focusWidget(), Steuer<QLineEdit>(*f, "Edit_Objekt"));
    EXPECT_EQ(Steuer<QLineEdit>(*f, "Edit_Objekt")->cursorPosition(), 1);
    Enter(); // one character: the selection stays
    EXPECT_TRUE(f->Zustand.Objekt_Gueltig());
    EXPECT_EQ(Edit(), "S");
}

TEST_F(Auswahl, FehlgeschlageneSucheLaesstKennbuchstabenMarkiert) {
    Steuer<QLineEdit>(*f, "Edit_Objekt")->setFocus();
    QTest::keyClicks(Steuer<QLineEdit>(*f, "Edit_Objekt"), "X31");
    QTest::keyClick(Steuer<QLineEdit>(*f, "Edit_Objekt"), Qt::Key_Return);
    EXPECT_FALSE(f->Zustand.Objekt_Gueltig());
    EXPECT_EQ(Edit(), "X31");
    EXPECT_EQ(Steuer<QLineEdit>(*f, "Edit_Objekt")->selectedText(), "X");
    QTest::keyClicks(Steuer<QLineEdit>(*f, "Edit_Objekt"), "M"); // replaces the selected letter
    EXPECT_EQ(Edit(), "M31");
    QTest::keyClick(Steuer<QLineEdit>(*f, "Edit_Objekt"), Qt::Key_Return);
    EXPECT_TRUE(f->Zustand.Objekt_Gueltig());
}

TEST_F(Auswahl, ListenMitLeerzeichenUndOhneEintraege) {
    QTest::mouseClick(Steuer<TKlick_Label>(*f, "Label_Variable"), Qt::LeftButton);
    ASSERT_EQ(Steuer<QComboBox>(*f, "Combo")->count(), 2);
    EXPECT_EQ(Steuer<QComboBox>(*f, "Combo")->itemText(0), "omi Cet   "); // the ten name columns
    EXPECT_EQ(Edit(), "Vomi Cet   ");
    Enter(); // the lookup trims the ten columns
    EXPECT_TRUE(f->Zustand.Objekt_Gueltig());
    EXPECT_EQ(f->Zustand.Objekt().Bezeichnung, "Vomi Cet");
    QTest::mouseClick(Steuer<TKlick_Label>(*f, "Label_Variable"), Qt::LeftButton);
    QTest::mouseClick(Steuer<QPushButton>(*f, "Button_Clear"), Qt::LeftButton);
    EXPECT_TRUE(Steuer<QComboBox>(*f, "Combo")->isVisible()); // CE leaves the list open

    QTest::mouseClick(Steuer<TKlick_Label>(*f, "Label_Planet"), Qt::LeftButton);
    EXPECT_EQ(Steuer<QComboBox>(*f, "Combo")->currentText(), "Sonne");
    EXPECT_EQ(Edit(), "PSonne");

    // No own objects after the "--" line: no list, the letter alone.
    Datei_Schreiben(o.Datei("Eigene_Objekte.txt"), "Meine Objekte\r\n----------\r\n");
    QTest::mouseClick(Steuer<TKlick_Label>(*f, "Label_Eigene"), Qt::LeftButton);
    EXPECT_FALSE(Steuer<QComboBox>(*f, "Combo")->isVisible());
    EXPECT_EQ(Edit(), "E");

    // A satellite file without any "--" line: no list either, and no hang.
    QDir::setCurrent(QString::fromStdString(o.pfad));
    Datei_Schreiben(o.Datei("Geosynchrone_Satelliten.txt"), "Satelliten ohne Trennzeile\r\n");
    QTest::mouseClick(Steuer<TKlick_Label>(*f, "Label_Geosynchron"), Qt::LeftButton);
    EXPECT_FALSE(Steuer<QComboBox>(*f, "Combo")->isVisible());
    EXPECT_EQ(Edit(), "G");
    QDir::setCurrent(STELUX_TEST_DATEN "/app");

    // The asteroid list comes from the table in memory; with no asteroids loaded
    // it is empty and the letter stays alone.
    QTest::mouseClick(Steuer<TKlick_Label>(*f, "Label_Asteroid"), Qt::LeftButton);
    ASSERT_EQ(Steuer<QComboBox>(*f, "Combo")->count(), 3);
    EXPECT_EQ(Edit(), "A(1) Ceres");
    f->Zustand.Daten_Ordner_Setzen(o.pfad + "leer/"); // no element files there
    f->Zustand.Elemente_Zeilen_Laden();
    ASSERT_EQ(f->Zustand.Anzahl_Asteroiden(), 0);
    QTest::mouseClick(Steuer<TKlick_Label>(*f, "Label_Asteroid"), Qt::LeftButton);
    EXPECT_EQ(Steuer<QComboBox>(*f, "Combo")->count(), 0);
    EXPECT_EQ(Edit(), "A");
    EXPECT_TRUE(r.meldungen.empty());

    // A missing catalogue file: the error is shown, the letter stays.
    QTest::mouseClick(Steuer<TKlick_Label>(*f, "Label_Fotometrie"), Qt::LeftButton);
    ASSERT_EQ(r.Anzahl(Meldungsart::Fehler), 1);
    EXPECT_TRUE(r.meldungen[0].text.contains("File not found"));
    EXPECT_EQ(Edit(), "F");
    EXPECT_FALSE(Steuer<QComboBox>(*f, "Combo")->isVisible());
}

TEST_F(Auswahl, PlanetennameUndFehlendeEphemeride) {
    Steuer<QLineEdit>(*f, "Edit_Objekt")->setText("mars");
    Enter();
    EXPECT_EQ(Edit(), "Pmars");
    EXPECT_EQ(r.Anzahl(Meldungsart::Fehler), 1); // the ephemeris table is not there
    EXPECT_FALSE(f->Zustand.Objekt_Gueltig());
    EXPECT_EQ(Steuer<QLineEdit>(*f, "Edit_Objekt")->selectedText(), "P");
}

TEST_F(Auswahl, SortierungNurMitHaekchen) {
    QTest::mouseClick(Steuer<TKlick_Label>(*f, "Label_Komet"), Qt::LeftButton);
    Steuer<QAction>(*f, "AsteroidenSort")->trigger();
    EXPECT_TRUE(Steuer<QAction>(*f, "AsteroidenSort")->isChecked());
    EXPECT_FALSE(Steuer<QComboBox>(*f, "Combo")->isVisible());
    Steuer<QAction>(*f, "AsteroidenSort")->trigger();
    EXPECT_FALSE(Steuer<QAction>(*f, "AsteroidenSort")->isChecked());
    Steuer<QAction>(*f, "KometenSort")->trigger();
    EXPECT_TRUE(Steuer<QAction>(*f, "KometenSort")->isChecked());
    EXPECT_TRUE(r.meldungen.empty());
}

TEST_F(Auswahl, FehlermeldungUndFensterwechselLassenKennbuchstabenMarkiert) {
    // The error box of a failed lookup takes the activation away; when the main
    // window is active again the kind letter is still selected for the next key.
    Steuer<QLineEdit>(*f, "Edit_Objekt")->setFocus();
    Steuer<QLineEdit>(*f, "Edit_Objekt")->setText("mars");
    QTest::keyClick(Steuer<QLineEdit>(*f, "Edit_Objekt"), Qt::Key_Return);
    ASSERT_EQ(r.Anzahl(Meldungsart::Fehler), 1); // no ephemeris table here
    ASSERT_EQ(Steuer<QLineEdit>(*f, "Edit_Objekt")->selectedText(), "P");
    QWidget anderes;
    anderes.show();
    anderes.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&anderes, 60000));
    f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.get(), 60000));
    EXPECT_EQ(Steuer<QLineEdit>(*f, "Edit_Objekt")->selectedText(), "P");
    EXPECT_EQ(f->focusWidget(), Steuer<QLineEdit>(*f, "Edit_Objekt"));
}

// Return acts on its press in the entry box. A release alone is what is left
// of a Return that closed a menu or a dialog, and an entry of one letter or
// none names nothing: neither may take the shown object away.
TEST_F(Auswahl, StrayReturnLaesstDasObjekt) {
    Steuer<QLineEdit>(*f, "Edit_Objekt")->setFocus();
    QTest::keyClicks(Steuer<QLineEdit>(*f, "Edit_Objekt"), "M31");
    QTest::keyPress(Steuer<QLineEdit>(*f, "Edit_Objekt"), Qt::Key_Return);
    ASSERT_TRUE(f->Zustand.Objekt_Gueltig());
    const QString objekt = Steuer<QLabel>(*f, "Label_Objekt")->text();
    QTest::keyRelease(Steuer<QLineEdit>(*f, "Edit_Objekt"), Qt::Key_Return);
    // Held down: the repeats look up nothing either.
    Steuer<QLineEdit>(*f, "Edit_Objekt")->setText("X31");
    QKeyEvent wiederholt(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r", true);
    QApplication::sendEvent(Steuer<QLineEdit>(*f, "Edit_Objekt"), &wiederholt);
    EXPECT_TRUE(f->Zustand.Objekt_Gueltig());
    for (const char* text : {"", "M", " \t "}) {
        Steuer<QLineEdit>(*f, "Edit_Objekt")->setText(text);
        QTest::keyClick(Steuer<QLineEdit>(*f, "Edit_Objekt"), Qt::Key_Return);
        Enter();
        EXPECT_TRUE(f->Zustand.Objekt_Gueltig()) << text;
        EXPECT_EQ(Steuer<QLabel>(*f, "Label_Objekt")->text(), objekt) << text;
    }
    // A Return that confirms a menu command: pressed in the menu, released in the entry.
    Steuer<QLineEdit>(*f, "Edit_Objekt")->setText("X31");
    Steuer<QAction>(*f, "Zehntelsekunden")->trigger();
    QTest::keyRelease(Steuer<QLineEdit>(*f, "Edit_Objekt"), Qt::Key_Return);
    EXPECT_TRUE(f->Zustand.Objekt_Gueltig());
    EXPECT_EQ(f->focusWidget(), Steuer<QLineEdit>(*f, "Edit_Objekt"));
    EXPECT_TRUE(r.meldungen.empty());
}
