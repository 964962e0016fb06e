// The finder chart window opened from the menu: it follows the selection,
// zooms, remembers its options and draws night mode in red only.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimeZone>

#include "app/einstellungen.hpp"
#include "app/fenster_karte.hpp"
#include "app/stelux_unit_main.hpp"
#include "hilfen.hpp"

TEST(KarteFenster, FolgtDerAuswahlZoomtUndMerktSich) {
    Test_Ordner o;
    Meldungs_Rekorder r;
    Einstellungen_Datei_Setzen(o.Datei("stelux.ini"));
    const QString alt = QDir::currentPath();
    QDir::setCurrent(STELUX_TEST_DATEN "/catalog");
    auto f = std::make_unique<TForm_Main>(o.Start());
    f->show();
    Steuer<QLineEdit>(*f, "Edit_Objekt")->setText("H11767");
    f->Eingabe_Bestaetigen();
    f->Uhr_Takt();
    f->Positions_Takt();
    EXPECT_EQ(Steuer<QAction>(*f, "Aufsuchkarte1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_K));
    Steuer<QAction>(*f, "Aufsuchkarte1")->trigger();
    ASSERT_NE(f->findChild<TForm_Karte*>("Form_Karte"), nullptr);
    TForm_Karte* k = f->findChild<TForm_Karte*>("Form_Karte");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(k, 60000));
    k->Index_Abwarten();
    QDir::setCurrent(alt);
    EXPECT_EQ(k->Inhalt().Titel, Steuer<QLabel>(*f, "Label_Objekt")->text().toStdString());
    ASSERT_FALSE(k->Inhalt().Sterne.empty());
    EXPECT_TRUE(r.meldungen.empty());

    // + steps to the next smaller field, - back; the field is remembered.
    EXPECT_EQ(k->Optionen().Feld, 5);
    QTest::keyClick(k, Qt::Key_Plus);
    EXPECT_EQ(k->Optionen().Feld, 2);
    EXPECT_EQ(k->Inhalt().Zeile.rfind("Feld 2.0°", 0), 0u) << k->Inhalt().Zeile;
    for (int i = 0; i < 9; ++i) k->Zoom(+1); // stops at the smallest level
    EXPECT_EQ(k->Optionen().Feld, 0.25);
    EXPECT_EQ(k->Inhalt().Zeile.rfind("Feld 15'", 0), 0u) << k->Inhalt().Zeile;
    k->Zoom(-1);
    EXPECT_EQ(Karten_Optionen_Lesen().Feld, 0.5);

    // Night: nothing but red on black.
    k->Schema_Setzen(Karten_Schema::Nacht);
    const QImage bild = k->grab().toImage();
    int rot = 0;
    for (int y = 0; y < bild.height(); y += 2)
        for (int x = 0; x < bild.width(); x += 2) {
            const QColor c = bild.pixelColor(x, y);
            if (c.red() > 0) ++rot;
            // The window's own controls are drawn by the style; only the chart counts.
            if (k->childAt(x, y) && k->childAt(x, y)->objectName() == "Karte_Flaeche") {
                ASSERT_TRUE(c.green() == 0 && c.blue() == 0) << x << "," << y;
            }
        }
    EXPECT_GT(rot, 0);
    const QString foto = qEnvironmentVariable("STELUX_BILDSCHIRMFOTO_KARTE");
    if (!foto.isEmpty()) bild.save(foto);

    // A planet: the track comes from the lookup at each half hour of +-3 h.
    EXPECT_TRUE(k->Inhalt().Bahn.empty());
    f->Jetzt = [] { return QDateTime(QDate(2025, 11, 21), QTime(12, 0), QTimeZone::utc()); };
    QDir::setCurrent(STELUX_TEST_DATEN "/catalog");
    f->Uhr_Takt();
    Steuer<QLineEdit>(*f, "Edit_Objekt")->setText("PMars");
    f->Eingabe_Bestaetigen();
    f->Positions_Takt();
    k->Aktualisieren();
    QDir::setCurrent(alt);
    EXPECT_EQ(k->Inhalt().Bahn.size(), 13u);
    EXPECT_EQ(k->Inhalt().Titel, Steuer<QLabel>(*f, "Label_Objekt")->text().toStdString());
    f->close();
    Einstellungen_Datei_Setzen("");
}
