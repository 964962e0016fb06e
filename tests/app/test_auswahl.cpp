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
    QString Edit() const { return f->Edit_Objekt->text(); }
    QColor Farbe(QWidget* w) const { return w->palette().color(QPalette::WindowText); }
    void Enter() { QTest::mouseClick(f->Button_Enter, Qt::LeftButton); }
};

} // namespace

TEST_F(Auswahl, MessierListeUndEnterFindetM31) {
    QTest::mouseClick(f->Label_Messier, Qt::LeftButton);
    EXPECT_EQ(f->Zustand.Katalog_Buchstabe(), 'M');
    EXPECT_TRUE(f->Combo->isVisible());
    EXPECT_EQ(f->Combo->y(), f->Label_Messier->y());
    ASSERT_EQ(f->Combo->count(), 108);
    EXPECT_EQ(f->Combo->findText("40"), -1);
    EXPECT_EQ(Edit(), "M1");
    f->Combo->setCurrentIndex(f->Combo->findText("31"));
    emit f->Combo->activated(f->Combo->currentIndex());
    EXPECT_EQ(Edit(), "M31");

    QTest::keyClick(f->Edit_Objekt, Qt::Key_Return); // released in the edit box
    EXPECT_TRUE(f->Zustand.Objekt_Gueltig());
    EXPECT_FALSE(f->Combo->isVisible());
    EXPECT_TRUE(Edit().isEmpty());
    EXPECT_EQ(f->Label_Objekt->text(), "M31");
    EXPECT_EQ(Farbe(f->Label_Objekt), f->Label_Objekt->palette().color(QPalette::Window));
    EXPECT_NEAR(f->Zustand.Objekt().RA2000, 0 + 42 / 60.0 + 44.3 / 3600, 1e-9);

    f->Timer1Timer();
    f->Timer2Timer();
    EXPECT_TRUE(f->Label_Objekt->text().startsWith("Messier 31   Andromeda Galaxy; 0.8 Mpc"));
    EXPECT_EQ(Farbe(f->Label_Objekt), QColor(255, 255, 255));
    EXPECT_EQ(f->Label_RA2000->text(), "RA(J2000) 00:42:44.3h");
    EXPECT_EQ(f->Label_Con->text(), "Con: AND");
    const QColor hoehe = Farbe(f->Label_Height);
    EXPECT_TRUE(hoehe == QColor(0, 192, 0) || hoehe == QColor(192, 0, 0));
    EXPECT_EQ(Farbe(f->Label_Hoehe), hoehe);

    // A catalogue label switches the selection off; the next tick shows the empty state.
    QTest::mouseClick(f->Label_SAO, Qt::LeftButton);
    EXPECT_FALSE(f->Zustand.Objekt_Gueltig());
    f->Timer2Timer();
    EXPECT_EQ(f->Label_RA2000->text(), "RA(J2000)");
    EXPECT_TRUE(f->Label_Height->text().isEmpty());
}

TEST_F(Auswahl, NummernKatalogeUndSuffixTasten) {
    QTest::mouseClick(f->Label_NGC, Qt::LeftButton);
    EXPECT_TRUE(f->Buchstaben[0]->isVisible());
    for (int i : {7, 0, 0, 0}) QTest::mouseClick(f->Ziffern[i], Qt::LeftButton);
    QTest::mouseClick(f->Buchstaben[0], Qt::LeftButton);
    EXPECT_EQ(Edit(), "N7000A");
    Enter();
    EXPECT_TRUE(f->Zustand.Objekt_Gueltig());
    EXPECT_EQ(f->Label_Objekt->text(), "N7000A");

    QTest::mouseClick(f->Label_SAO, Qt::LeftButton);
    EXPECT_FALSE(f->Buchstaben[0]->isVisible());
    EXPECT_EQ(Edit(), "S");
    EXPECT_EQ(f->focusWidget(), f->Edit_Objekt);
    EXPECT_EQ(f->Edit_Objekt->cursorPosition(), 1);
    Enter(); // one character: only the selection is switched off
    EXPECT_FALSE(f->Zustand.Objekt_Gueltig());
    EXPECT_EQ(Edit(), "S");
}

TEST_F(Auswahl, FehlgeschlageneSucheLaesstKennbuchstabenMarkiert) {
    f->Edit_Objekt->setFocus();
    QTest::keyClicks(f->Edit_Objekt, "X31");
    QTest::keyClick(f->Edit_Objekt, Qt::Key_Return);
    EXPECT_FALSE(f->Zustand.Objekt_Gueltig());
    EXPECT_EQ(Edit(), "X31");
    EXPECT_EQ(f->Edit_Objekt->selectedText(), "X");
    QTest::keyClicks(f->Edit_Objekt, "M"); // replaces the selected letter
    EXPECT_EQ(Edit(), "M31");
    QTest::keyClick(f->Edit_Objekt, Qt::Key_Return);
    EXPECT_TRUE(f->Zustand.Objekt_Gueltig());
}

TEST_F(Auswahl, ListenMitLeerzeichenUndOhneEintraege) {
    QTest::mouseClick(f->Label_Variable, Qt::LeftButton);
    ASSERT_EQ(f->Combo->count(), 2);
    EXPECT_EQ(f->Combo->itemText(0), "omi Cet   "); // the ten name columns
    EXPECT_EQ(Edit(), "Vomi Cet   ");
    Enter(); // the lookup trims the ten columns
    EXPECT_TRUE(f->Zustand.Objekt_Gueltig());
    EXPECT_EQ(f->Zustand.Objekt().Bezeichnung, "Vomi Cet");
    QTest::mouseClick(f->Label_Variable, Qt::LeftButton);
    QTest::mouseClick(f->Button_Clear, Qt::LeftButton);
    EXPECT_TRUE(f->Combo->isVisible()); // CE leaves the list open

    QTest::mouseClick(f->Label_Planet, Qt::LeftButton);
    EXPECT_EQ(f->Combo->currentText(), "Sonne");
    EXPECT_EQ(Edit(), "PSonne");

    // No own objects after the "--" line: no list, the letter alone.
    Datei_Schreiben(o.Datei("Eigene_Objekte.txt"), "Meine Objekte\r\n----------\r\n");
    QTest::mouseClick(f->Label_Eigene, Qt::LeftButton);
    EXPECT_FALSE(f->Combo->isVisible());
    EXPECT_EQ(Edit(), "E");

    // A satellite file without any "--" line: no list either, and no hang.
    QDir::setCurrent(QString::fromStdString(o.pfad));
    Datei_Schreiben(o.Datei("Geosynchrone_Satelliten.txt"), "Satelliten ohne Trennzeile\r\n");
    QTest::mouseClick(f->Label_Geosynchron, Qt::LeftButton);
    EXPECT_FALSE(f->Combo->isVisible());
    EXPECT_EQ(Edit(), "G");
    QDir::setCurrent(STELUX_TEST_DATEN "/app");

    // The asteroid list comes from the table in memory; with no asteroids loaded
    // it is empty and the letter stays alone.
    QTest::mouseClick(f->Label_Asteroid, Qt::LeftButton);
    ASSERT_EQ(f->Combo->count(), 3);
    EXPECT_EQ(Edit(), "A(1) Ceres");
    f->Zustand.Daten_Ordner_Setzen(o.pfad + "leer/"); // no element files there
    f->Zustand.Elemente_Zeilen_Laden();
    ASSERT_EQ(f->Zustand.Anzahl_Asteroiden(), 0);
    QTest::mouseClick(f->Label_Asteroid, Qt::LeftButton);
    EXPECT_EQ(f->Combo->count(), 0);
    EXPECT_EQ(Edit(), "A");
    EXPECT_TRUE(r.meldungen.empty());

    // A missing catalogue file: the error is shown, the letter stays.
    QTest::mouseClick(f->Label_Fotometrie, Qt::LeftButton);
    ASSERT_EQ(r.Anzahl(Meldungsart::Fehler), 1);
    EXPECT_TRUE(r.meldungen[0].text.contains("File not found"));
    EXPECT_EQ(Edit(), "F");
    EXPECT_FALSE(f->Combo->isVisible());
}

TEST_F(Auswahl, PlanetennameUndFehlendeEphemeride) {
    f->Edit_Objekt->setText("mars");
    Enter();
    EXPECT_EQ(Edit(), "Pmars");
    EXPECT_EQ(r.Anzahl(Meldungsart::Fehler), 1); // the ephemeris table is not there
    EXPECT_FALSE(f->Zustand.Objekt_Gueltig());
    EXPECT_EQ(f->Edit_Objekt->selectedText(), "P");
}

TEST_F(Auswahl, SortierungNurMitHaekchen) {
    QTest::mouseClick(f->Label_Komet, Qt::LeftButton);
    f->AsteroidenSort->trigger();
    EXPECT_TRUE(f->AsteroidenSort->isChecked());
    EXPECT_FALSE(f->Combo->isVisible());
    f->AsteroidenSort->trigger();
    EXPECT_FALSE(f->AsteroidenSort->isChecked());
    f->KometenSort->trigger();
    EXPECT_TRUE(f->KometenSort->isChecked());
    EXPECT_TRUE(r.meldungen.empty());
}

TEST_F(Auswahl, FehlermeldungUndFensterwechselLassenKennbuchstabenMarkiert) {
    // The error box of a failed lookup takes the activation away; when the main
    // window is active again the kind letter is still selected for the next key.
    f->Edit_Objekt->setFocus();
    f->Edit_Objekt->setText("mars");
    QTest::keyClick(f->Edit_Objekt, Qt::Key_Return);
    ASSERT_EQ(r.Anzahl(Meldungsart::Fehler), 1); // no ephemeris table here
    ASSERT_EQ(f->Edit_Objekt->selectedText(), "P");
    QWidget anderes;
    anderes.show();
    anderes.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&anderes));
    f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.get()));
    EXPECT_EQ(f->Edit_Objekt->selectedText(), "P");
    EXPECT_EQ(f->focusWidget(), f->Edit_Objekt);
}

TEST_F(Auswahl, NurDasLoslassenDerReturnTasteSucht) {
    f->Edit_Objekt->setFocus();
    ASSERT_TRUE(f->Zustand.Auswaehlen("M31").Gefunden);
    f->Edit_Objekt->setText("X31");
    // Holding Return down: the repeated releases are not the key's release.
    QKeyEvent wiederholt(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, "\r", true);
    QApplication::sendEvent(f->Edit_Objekt, &wiederholt);
    EXPECT_TRUE(f->Zustand.Objekt_Gueltig());
    EXPECT_FALSE(f->Edit_Objekt->hasSelectedText());
    QKeyEvent los(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, "\r");
    QApplication::sendEvent(f->Edit_Objekt, &los);
    EXPECT_FALSE(f->Zustand.Objekt_Gueltig()); // X31 is in no catalogue
    EXPECT_EQ(f->Edit_Objekt->selectedText(), "X");
}
