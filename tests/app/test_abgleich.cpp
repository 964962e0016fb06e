// "Optionen > Abgleich…" driven from the keyboard: a sighting typed as read,
// the fit, the model applied to the window's circles and named in the status line.
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "hilfen.hpp"

using Abgleich_Fenster = Fenster_Test;

TEST_F(Abgleich_Fenster, SichtungTippenAnpassenUndAnwenden) {
    f->Jetzt = [] { return QDateTime(QDate(2026, 12, 7), QTime(22, 0)); };
    ASSERT_TRUE(f->Objekt_Waehlen("Sirius"));
    const double h = f->Zustand.Stand().Position.Stundenwinkel;
    const std::string cm = f->Zustand.Schmidt() ? "40" : "60";
    bool gesehen = false;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        ASSERT_EQ(d->objectName(), "Dialog_Abgleich");
        d->activateWindow(); // the offscreen platform activates no new window by itself
        ASSERT_TRUE(QTest::qWaitForWindowActive(d, 60000));
        for (int i = 0; i < 100 && QApplication::activeWindow() != d; ++i) QTest::qWait(10);
        // The keyboard starts in the hour-circle field.
        EXPECT_EQ(QApplication::focusWidget(), Steuer<QLineEdit>(*d, "Edit_Abgleich_SW"));
        // A reading out of range is refused with a message and nothing is stored.
        QTest::keyClicks(Steuer<QLineEdit>(*d, "Edit_Abgleich_SW"), "25 00");
        QTest::keyClicks(Steuer<QLineEdit>(*d, "Edit_Abgleich_DE"), "-16 40");
        QTest::keyClick(Steuer<QLineEdit>(*d, "Edit_Abgleich_DE"), Qt::Key_Return);
        EXPECT_EQ(r.Anzahl(Meldungsart::Fehler), 1);
        EXPECT_EQ(Steuer<QTableWidget>(*d, "Tabelle_Abgleich")->rowCount(), 0);
        // The hour circle 3' of arc (0.2 min of time) past the computed hour angle.
        const double sw = h + 0.2 / 60;
        const int stunden = static_cast<int>(sw);
        const QString text =
            QString::number(stunden) + " " + QString::number((sw - stunden) * 60, 'f', 4);
        auto* sw_feld = Steuer<QLineEdit>(*d, "Edit_Abgleich_SW");
        sw_feld->clear();
        QTest::keyClicks(sw_feld, text);
        QTest::keyClick(sw_feld, Qt::Key_Return);
        EXPECT_EQ(Steuer<QTableWidget>(*d, "Tabelle_Abgleich")->rowCount(), 1);
        EXPECT_TRUE(Steuer<QPlainTextEdit>(*d, "Text_Abgleich_Ergebnis")
                        ->toPlainText()
                        .contains(QString::fromUtf8("Stundenkreis 3.0′")));
        EXPECT_NE(Datei_Lesen(o.Datei("Abgleich_" + cm + ".txt")).find(";Sirius;" + cm + ";"),
                  std::string::npos);
        const auto druecken = [&](const char* knopf) {
            auto* k = Steuer<QPushButton>(*d, knopf);
            k->setFocus();
            QTest::keyClick(k, Qt::Key_Space);
        };
        druecken("Button_Abgleich_Anpassen");
        const QString ergebnis =
            Steuer<QPlainTextEdit>(*d, "Text_Abgleich_Ergebnis")->toPlainText();
        EXPECT_TRUE(ergebnis.contains("IH\t3.00")) << ergebnis.toStdString();
        EXPECT_TRUE(ergebnis.contains("Nur eine Sichtung")) << ergebnis.toStdString();
        druecken("Button_Abgleich_Uebernehmen");
        gesehen = true;
        QTest::keyClick(d, Qt::Key_Escape);
    });
    QTest::keyClick(f.get(), Qt::Key_G, Qt::ControlModifier);
    ASSERT_TRUE(gesehen);
    EXPECT_FALSE(Datei_Lesen(o.Datei("Zeigemodell_" + cm + ".txt")).empty());
    const QString status = Steuer<QStatusBar>(*f, "StatusBar1")->currentMessage();
    EXPECT_TRUE(status.endsWith(QString::fromStdString("Modell " + cm + "cm: 2 Terme, RMS 0.0′")))
        << status.toStdString();
    EXPECT_NEAR(f->Zustand.Stand().Position.SW_Kreis - f->Zustand.Stand().Position.Stundenwinkel,
                0.2 / 60, 1e-4);
}
