#include <gtest/gtest.h>

#include <QAbstractSpinBox>
#include <QAction>
#include <QCalendarWidget>
#include <QDialog>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <memory>

#include "app/einstellungen.hpp"
#include "app/fenster_beobachtbar.hpp"
#include "app/fenster_karte.hpp"
#include "app/fenster_nachtmodus.hpp"
#include "app/stelux_unit_main.hpp"
#include "hilfen.hpp"

namespace {
// A channel other than red above this counts as colour; red above the
// brightest night red as too bright.
constexpr int Grenze_Gruen_Blau = 24; // the style blends button edges to a dark grey

// Every colour of every widget's palette under `wurzel`; the first offending
// one described, empty when all are dim red.
QString Helle_Farbe(QWidget* wurzel) {
    QList<QWidget*> alle = wurzel->findChildren<QWidget*>();
    alle.prepend(wurzel);
    for (QWidget* w : alle)
        for (int g = 0; g < QPalette::NColorGroups; ++g)
            for (int r = 0; r < QPalette::NColorRoles; ++r) {
                if (r == QPalette::NoRole) continue;
                const QColor c = w->palette().color(static_cast<QPalette::ColorGroup>(g),
                                                    static_cast<QPalette::ColorRole>(r));
                if (c.green() > Grenze_Gruen_Blau || c.blue() > Grenze_Gruen_Blau ||
                    c.red() > Nacht_Rot_Hoechstens)
                    return w->objectName() + "/" + w->metaObject()->className() + "/" +
                           (w->parentWidget() ? w->parentWidget()->objectName() : QString()) + "/" +
                           QString::number(r) + " " + c.name();
            }
    return {};
}

// Pixels as the observer sees them (style sheets included).
int Helle_Pixel(QWidget* w) {
    const QImage bild = w->grab().toImage();
    int n = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) {
            const QColor c = bild.pixelColor(x, y);
            const bool hell = c.green() > Grenze_Gruen_Blau || c.blue() > Grenze_Gruen_Blau ||
                              c.red() > Nacht_Rot_Hoechstens;
            if (hell && n++ == 0) ADD_FAILURE() << x << "," << y << " " << c.name().toStdString();
        }
    return n;
}
} // namespace

TEST(Nachtmodus, JedesWidgetRotAufSchwarzUndZurueck) {
    Test_Ordner o;
    Meldungs_Rekorder r;
    const QString alt = QDir::currentPath();
    QDir::setCurrent(STELUX_TEST_DATEN "/app");
    auto f = std::make_unique<TForm_Main>(o.Start());
    f->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.get(), 60000));
    const QPalette edit_normal = Steuer<QLineEdit>(*f, "Edit_Objekt")->palette();
    EXPECT_FALSE(Helle_Farbe(f.get()).isEmpty()); // the normal colours

    // F9 while typing, the suggestions open and an object under 20° selected.
    Steuer<QLineEdit>(*f, "Edit_Objekt")->setFocus();
    QTest::keyClicks(Steuer<QLineEdit>(*f, "Edit_Objekt"), "Veg");
    QTest::keyClick(Steuer<QLineEdit>(*f, "Edit_Objekt"), Qt::Key_F9);
    ASSERT_TRUE(Steuer<QAction>(*f, "Nachtmodus1")->isChecked());
    EXPECT_EQ(Steuer<QLineEdit>(*f, "Edit_Objekt")->text(), "Veg");
    Steuer<QAction>(*f, "Aufsuchkarte1")->trigger();
    Steuer<QLineEdit>(*f, "Edit_Objekt")->setText("M31");
    f->Eingabe_Bestaetigen();
    f->Uhr_Takt();
    f->Positions_Takt();
    Melden(Meldungsart::Hinweis, "x"); // recorded, but the box would take the application's
    EXPECT_EQ(Helle_Farbe(f.get()).toStdString(), "");
    EXPECT_EQ(Helle_Farbe(f->findChild<TForm_Karte*>("Form_Karte")).toStdString(), "");
    // The list of what is up now and the date dialog of the planning instant.
    f->findChild<QAction*>("Beobachtbar1")->trigger();
    ASSERT_NE(f->findChild<TForm_Beobachtbar*>("Form_Beobachtbar"), nullptr);
    f->findChild<TForm_Beobachtbar*>("Form_Beobachtbar")->Abwarten();
    EXPECT_EQ(Helle_Farbe(f->findChild<TForm_Beobachtbar*>("Form_Beobachtbar")).toStdString(), "");
    EXPECT_EQ(Helle_Pixel(f->findChild<TForm_Beobachtbar*>("Form_Beobachtbar")), 0);
    if (qEnvironmentVariableIsSet("STELUX_BEOBACHTBAR_NACHT_BILD"))
        f->findChild<TForm_Beobachtbar*>("Form_Beobachtbar")
            ->grab()
            .save(qEnvironmentVariable("STELUX_BEOBACHTBAR_NACHT_BILD"));
    QTimer::singleShot(0, [] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        // The caret inverts the pixels under it, whatever the colours: not counted.
        d->focusWidget()->clearFocus();
        EXPECT_EQ(Helle_Farbe(d).toStdString(), "");
        EXPECT_EQ(Helle_Pixel(d), 0);
        d->reject();
    });
    Steuer<QAction>(*f, "Zeitpunkt1")->trigger();
    EXPECT_FALSE(f->Planung());
    QTest::qWait(50);
    // The text caret inverts the pixels under it, whatever the colours: not counted.
    Steuer<QLineEdit>(*f, "Edit_Objekt")->clearFocus();
    EXPECT_EQ(Helle_Pixel(f.get()), 0);
    if (qEnvironmentVariableIsSet("STELUX_NACHT_BILD"))
        f->grab().save(qEnvironmentVariable("STELUX_NACHT_BILD"));
    const QColor app = QApplication::palette().color(QPalette::Window);
    EXPECT_TRUE(app.green() == 0 && app.blue() == 0);

    f->findChild<TForm_Karte*>("Form_Karte")->close();
    f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.get(), 60000));
    QTest::keyClick(Steuer<QLineEdit>(*f, "Edit_Objekt"), Qt::Key_F9);
    EXPECT_FALSE(Steuer<QAction>(*f, "Nachtmodus1")->isChecked());
    EXPECT_FALSE(Nachtmodus_Aktiv());
    EXPECT_EQ(Steuer<QLineEdit>(*f, "Edit_Objekt")->palette().color(QPalette::Base),
              edit_normal.color(QPalette::Base));
    EXPECT_EQ(Steuer<QLineEdit>(*f, "Edit_Objekt")->palette().color(QPalette::Text),
              edit_normal.color(QPalette::Text));
    // The object line keeps the colour the tick gave it in night mode.
    EXPECT_EQ(Steuer<QLabel>(*f, "Label_Objekt")->palette().color(QPalette::WindowText),
              QColor(255, 255, 255));
    f->close();
    QDir::setCurrent(alt);
}

TEST(Nachtmodus, OptionenUeberNeustart) {
    Test_Ordner o;
    Meldungs_Rekorder r;
    auto optionen = [](TForm_Main& f) {
        return std::vector<QAction*>{
            Steuer<QAction>(f, "Zehntelsekunden"), Steuer<QAction>(f, "AsteroidenSort"),
            Steuer<QAction>(f, "KometenSort"), Steuer<QAction>(f, "Refraktion1"),
            Steuer<QAction>(f, "Nachtmodus1")};
    };
    {
        TForm_Main f(o.Start());
        for (QAction* a : optionen(f)) {
            EXPECT_FALSE(a->isChecked()) << a->objectName().toStdString();
            a->trigger();
        }
        f.close();
    }
    {
        TForm_Main f(o.Start());
        for (QAction* a : optionen(f)) EXPECT_TRUE(a->isChecked()) << a->objectName().toStdString();
        EXPECT_TRUE(Nachtmodus_Aktiv());
        Steuer<QAction>(f, "Nachtmodus1")->trigger();
        f.close();
    }
    EXPECT_FALSE(Nachtmodus_Aktiv());
}

TEST(Nachtmodus, BeschaedigteEinstellungenGebenVorgabenUndEineMeldung) {
    const struct {
        const char* inhalt;
        bool meldung;
    } faelle[] = {
        {"[Optionen]\nZehntelsekunden=vielleicht\nNachtmodus=2\nRefraktion=\n", false},
        {"[Optionen\nZehntelsekunden=true\n\x01\x02\xff[[[\n", true},
    };
    for (const auto& fall : faelle) {
        Test_Ordner o;
        Meldungs_Rekorder r;
        Datei_Schreiben(Einstellungen_Datei(), fall.inhalt);
        r.meldungen.clear();
        TForm_Main f(o.Start());
        for (QAction* a : {Steuer<QAction>(f, "Zehntelsekunden"), Steuer<QAction>(f, "Nachtmodus1"),
                           Steuer<QAction>(f, "Refraktion1")})
            EXPECT_FALSE(a->isChecked()) << a->objectName().toStdString() << " in " << fall.inhalt;
        int hinweise = 0;
        for (const auto& m : r.meldungen)
            hinweise += m.text.contains(QString::fromUtf8("Einstellungsdatei"));
        EXPECT_EQ(hinweise, fall.meldung ? 1 : 0) << fall.inhalt;
        f.close();
    }
}

TEST(Planung, MarkeUhrenUndZurueckZuJetzt) {
    Test_Ordner o;
    Meldungs_Rekorder r;
    TForm_Main f(o.Start());
    const QDateTime jetzt(QDate(2026, 12, 7), QTime(12, 0));
    f.Jetzt = [&] { return jetzt; };
    const QColor grau = Steuer<QLabel>(f, "Label_PC_Zeit")->palette().color(QPalette::WindowText);
    const struct {
        QDateTime lokal;
        bool angenommen;
    } faelle[] = {
        {QDateTime(QDate(1899, 12, 31), QTime(23, 0)), false},
        {QDateTime(QDate(2101, 1, 1), QTime(0, 0)), false},
        {QDateTime(), false},
        {QDateTime(QDate(2026, 12, 24), QTime(22, 0)), true},
    };
    for (const auto& fall : faelle) {
        const auto vorher = r.meldungen.size();
        EXPECT_EQ(f.Zeitpunkt_Setzen(fall.lokal), fall.angenommen);
        EXPECT_EQ(r.meldungen.size(), vorher + (fall.angenommen ? 0 : 1));
        EXPECT_EQ(f.Planung(), fall.angenommen);
    }
    EXPECT_TRUE(Steuer<QStatusBar>(f, "StatusBar1")
                    ->currentMessage()
                    .startsWith("PLANUNG 2026-12-24 22:00"));
    EXPECT_EQ(Steuer<QLabel>(f, "Label_PC_Zeit")->text().left(16), "2026-12-24 22:00");
    EXPECT_NE(Steuer<QLabel>(f, "Label_PC_Zeit")->palette().color(QPalette::WindowText), grau);
    Steuer<QAction>(f, "Zeitpunkt_Jetzt1")->trigger();
    EXPECT_FALSE(Steuer<QStatusBar>(f, "StatusBar1")->currentMessage().contains("PLANUNG"));
    EXPECT_EQ(Steuer<QLabel>(f, "Label_PC_Zeit")->text().left(16), "2026-12-07 12:00");
    EXPECT_EQ(Steuer<QLabel>(f, "Label_PC_Zeit")->palette().color(QPalette::WindowText), grau);
    f.close();
}

TEST(Verlauf, AufUndAbImEingabefeldUeberNeustart) {
    Test_Ordner o;
    Meldungs_Rekorder r;
    const QString alt = QDir::currentPath();
    QDir::setCurrent(STELUX_TEST_DATEN "/app");
    {
        TForm_Main f(o.Start());
        for (const char* e : {"M31", "M42"}) {
            Steuer<QLineEdit>(f, "Edit_Objekt")->setText(e);
            f.Eingabe_Bestaetigen();
        }
        f.close();
    }
    TForm_Main f(o.Start());
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f, 60000));
    Steuer<QLineEdit>(f, "Edit_Objekt")->setFocus();
    QTest::keyClick(Steuer<QLineEdit>(f, "Edit_Objekt"), Qt::Key_Up);
    EXPECT_EQ(Steuer<QLineEdit>(f, "Edit_Objekt")->text(), "M42");
    QTest::keyClick(Steuer<QLineEdit>(f, "Edit_Objekt"), Qt::Key_Up);
    EXPECT_EQ(Steuer<QLineEdit>(f, "Edit_Objekt")->text(), "M31");
    QTest::keyClick(Steuer<QLineEdit>(f, "Edit_Objekt"), Qt::Key_Down);
    EXPECT_EQ(Steuer<QLineEdit>(f, "Edit_Objekt")->text(), "M42");
    f.close();
    QDir::setCurrent(alt);
}
