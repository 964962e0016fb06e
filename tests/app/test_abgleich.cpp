// "Optionen > Abgleich…" driven from the keyboard: a sighting typed as read,
// the fit, the model applied to the window's circles and named in the status line.
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTableWidget>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

#include "app/teleskop_server.hpp"
#include "hilfen.hpp"
#include "pointing/abgleich_datei.hpp"

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

TEST_F(Abgleich_Fenster, ZielVonAussenWartetBisDerDialogGeschlossenIst) {
    f->Jetzt = [] { return QDateTime(QDate(2026, 12, 7), QTime(22, 0)); };
    ASSERT_TRUE(f->Objekt_Waehlen("Sirius"));
    const double h = f->Zustand.Stand().Position.Stundenwinkel;
    const double d = f->Zustand.Stand().Position.Deklination;
    const std::string cm = f->Zustand.Schmidt() ? "40" : "60";
    ASSERT_TRUE(f->Teleskop_Server_Starten(Teleskop_Protokoll::LX200, "127.0.0.1", 0));
    QTcpSocket lx200;
    lx200.connectToHost(QHostAddress::LocalHost, f->Teleskop(Teleskop_Protokoll::LX200)->Port());
    ASSERT_TRUE(lx200.waitForConnected(5000));
    auto* teleskop = Steuer<QLabel>(*f, "Label_Teleskop");
    bool gesehen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* sw = Steuer<QLineEdit>(*dialog, "Edit_Abgleich_SW");
        auto* de = Steuer<QLineEdit>(*dialog, "Edit_Abgleich_DE");
        const int stunden = static_cast<int>(h);
        QTest::keyClicks(sw, QString::number(stunden) + " " +
                                 QString::number((h - stunden) * 60 + 0.2, 'f', 3));
        QTest::keyClicks(de, QString::number(d, 'f', 4));
        // A planetarium program sends a goto (near Capella, never below the
        // horizon here) while the readings stand typed.
        lx200.write(":Sr 05:18:00#:Sd +46*00:00#:MS#");
        ASSERT_TRUE(QTest::qWaitFor([&] { return lx200.bytesAvailable() >= 3; }, 5000));
        EXPECT_EQ(lx200.readAll(), "110"); // accepted, above the horizon
        EXPECT_TRUE(teleskop->text().contains("wartet, bis der Dialog geschlossen ist"))
            << teleskop->text().toStdString();
        EXPECT_TRUE(Steuer<QLabel>(*dialog, "Label_Abgleich_Stern")->text().contains("Sirius"));
        QTest::keyClick(de, Qt::Key_Return);
        EXPECT_EQ(Steuer<QTableWidget>(*dialog, "Tabelle_Abgleich")->rowCount(), 1);
        gesehen = true;
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    QTest::keyClick(f.get(), Qt::Key_G, Qt::ControlModifier);
    ASSERT_TRUE(gesehen);
    // The sighting is of Sirius at its place when the dialog opened.
    const auto s = Abgleich_Lesen(o.Datei("Abgleich_" + cm + ".txt"));
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(s[0].Bezeichnung, "Sirius");
    EXPECT_NEAR(s[0].Stundenwinkel, h, 1e-9);
    EXPECT_NEAR(s[0].Deklination, d, 1e-9);
    EXPECT_NEAR(s[0].SW_Abgelesen - h, 0.2 / 60, 1e-4);
    // The dialog closed, the target is taken, and the status bar says so.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return Steuer<QLabel>(*f, "Label_Objekt")->text().startsWith("Ziel von außen"); },
        5000));
    EXPECT_TRUE(teleskop->text().contains("nach dem Dialog übernommen"))
        << teleskop->text().toStdString();
}
