// An evening from the keyboard: the catalogue lists never take the entry, the
// date dialog says in words what Return accepts, the planned instant is named
// in every side window, the side windows close with Escape, keep clear of the
// readings and pass the main window's keys on, and the log's dialogs.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <ctime>

#include "app/fenster_beobachtbar.hpp"
#include "app/fenster_buch.hpp"
#include "app/fenster_karte.hpp"
#include "app/fenster_neben.hpp"
#include "app/fenster_sprache.hpp"
#include "hilfen.hpp"

namespace {

// The widget that has the keyboard: in a dialog that holds it, else in the
// active window.
QWidget* Tastatur() {
    QWidget* w = QApplication::activeModalWidget();
    for (QWidget* t : QApplication::topLevelWidgets())
        if (!w && t->windowHandle() && t->windowHandle() == QGuiApplication::focusWindow()) w = t;
    if (!w) w = QApplication::activeWindow();
    return w && w->focusWidget() ? w->focusWidget() : w;
}
// Each character to the widget that has the keyboard at that moment.
void Tippen(const QString& text) {
    for (const QChar c : text) QTest::keyClicks(Tastatur(), QString(c));
}
void Taste(Qt::Key taste, Qt::KeyboardModifiers mod = Qt::NoModifier) {
    QTest::keyClick(Tastatur(), taste, mod);
}

struct Tastenwege : Fenster_Test {
    QLineEdit* Eingabe() const { return Steuer<QLineEdit>(*f, "Edit_Objekt"); }
    QComboBox* Liste() const { return Steuer<QComboBox>(*f, "Combo"); }
    QString Objekt() const { return Steuer<QLabel>(*f, "Label_Objekt")->text(); }
};

// The window in Central European time, in one language.
struct Abend : ::testing::TestWithParam<Sprache> {
    QByteArray tz_alt = qgetenv("TZ");
    void SetUp() override {
        qputenv("TZ", "Europe/Zurich");
        tzset();
    }
    void TearDown() override {
        Sprache_Anwenden(Sprache::Deutsch);
        if (tz_alt.isNull())
            qunsetenv("TZ");
        else
            qputenv("TZ", tz_alt);
        tzset();
    }
};

// Runs `schritte` in the date dialog once it is open, then waits for it to go.
QString Datum_Tippen(TForm_Main& f, const std::function<void(QDialog*)>& schritte) {
    QString worte;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(d));
        // The year field has the keyboard (and its text selected) before typing.
        ASSERT_TRUE(
            QTest::qWaitFor([d] { return d->focusWidget() && d->focusWidget()->hasFocus(); }));
        schritte(d);
        worte = d->findChild<QLabel*>("Zeitpunkt_Worte")->text();
        Taste(Qt::Key_Return);
        if (d->isVisible()) d->reject(); // Return refused: the test goes on
    });
    Steuer<QAction>(f, "Zeitpunkt1")->trigger();
    return worte;
}

} // namespace

TEST_F(Tastenwege, KatalogListenNehmenDerEingabeNichts) {
    Eingabe()->setFocus();
    Tippen("M31");
    Taste(Qt::Key_Return);
    ASSERT_TRUE(f->Zustand.Objekt_Gueltig());
    const QString m31 = Objekt();

    // Ctrl+1 opens the Messier list; M31's readings stay until an entry is chosen.
    Taste(Qt::Key_1, Qt::ControlModifier);
    ASSERT_TRUE(Liste()->isVisible());
    EXPECT_EQ(Liste()->count(), 108);
    EXPECT_EQ(QApplication::focusWidget(), Liste());
    f->Positions_Takt();
    EXPECT_EQ(Objekt(), m31);
    // Escape: the list goes, the entry is as before and has the keyboard; M13
    // typed then is M13, not the list's first entry.
    Taste(Qt::Key_Escape);
    EXPECT_FALSE(Liste()->isVisible());
    EXPECT_EQ(Eingabe()->text(), "");
    EXPECT_EQ(QApplication::focusWidget(), Eingabe());
    Tippen("M13");
    Taste(Qt::Key_Return);
    EXPECT_TRUE(Objekt().startsWith("Messier 13")) << Objekt().toStdString();

    // Typed with a list open: into the entry. Digits follow the kind letter.
    Taste(Qt::Key_1, Qt::ControlModifier);
    Tippen("31");
    EXPECT_FALSE(Liste()->isVisible());
    EXPECT_EQ(Eingabe()->text(), "M31");
    Taste(Qt::Key_8, Qt::ControlModifier); // the comets
    ASSERT_TRUE(Liste()->isVisible());
    Eingabe()->clear();
    Tippen("M 31");
    EXPECT_EQ(Eingabe()->text(), "M 31");
    Taste(Qt::Key_Return);
    EXPECT_TRUE(Objekt().startsWith("Messier 31")) << Objekt().toStdString();

    // Dropped down the same: Escape gives the entry back; arrows and Return choose.
    Taste(Qt::Key_2, Qt::ControlModifier); // Sun, Moon and planets
    Liste()->showPopup();
    ASSERT_TRUE(Liste()->view()->isVisible());
    QTest::keyClick(Liste()->view(), Qt::Key_Escape);
    EXPECT_FALSE(Liste()->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), Eingabe());
    Steuer<QLineEdit>(*f, "Edit_Objekt")->setText("M13");
    f->Eingabe_Bestaetigen();
    Taste(Qt::Key_1, Qt::ControlModifier);
    for (int i = 0; i < 30; ++i) Taste(Qt::Key_Down);
    EXPECT_EQ(Eingabe()->text(), "M31");
    Taste(Qt::Key_Return);
    EXPECT_TRUE(Objekt().startsWith("Messier 31")) << Objekt().toStdString();
    EXPECT_TRUE(r.meldungen.empty());
}

TEST_P(Abend, DatumInWortenUndPlanungInJedemNebenfenster) {
    const bool englisch = GetParam() == Sprache::Englisch;
    Test_Ordner o;
    ASSERT_TRUE(Sprache_Anwenden(GetParam()));
    Meldungs_Rekorder r;
    const QString alt = QDir::currentPath();
    QDir::setCurrent(STELUX_TEST_DATEN "/app");
    TForm_Main f(o.Start());
    f.Jetzt = [] { return QDateTime(QDate(2026, 12, 7), QTime(12, 0)); };
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));

    // As the manual says: every field in turn with Tab, none moves on by
    // itself; Return in the minutes.
    QString worte = Datum_Tippen(f, [](QDialog*) {
        for (const char* teil : {"2026", "12", "24", "22"}) {
            Tippen(teil);
            Taste(Qt::Key_Tab);
        }
        Tippen("00");
    });
    const QString winter = englisch ? "Thursday, 24 December 2026, 22:00 CET"
                                    : "Donnerstag, 24. Dezember 2026, 22:00 Uhr MEZ";
    EXPECT_EQ(worte.toStdString(), winter.toStdString());
    EXPECT_TRUE(Steuer<QStatusBar>(f, "StatusBar1")->currentMessage().contains("2026-12-24 22:00"));

    // Backwards from the minutes with Shift+Tab; summer time.
    worte = Datum_Tippen(f, [](QDialog*) {
        for (int i = 0; i < 4; ++i) Taste(Qt::Key_Tab);
        for (const char* teil : {"30", "21", "15", "7", "2027"}) {
            Tippen(teil);
            if (QString(teil) != "2027") Taste(Qt::Key_Backtab);
        }
    });
    EXPECT_EQ(worte.toStdString(), englisch ? "Thursday, 15 July 2027, 21:30 CEST"
                                            : "Donnerstag, 15. Juli 2027, 21:30 Uhr MESZ");
    EXPECT_TRUE(Steuer<QStatusBar>(f, "StatusBar1")->currentMessage().contains("2027-07-15 21:30"));

    // A day the month lacks is said, and Return accepts nothing.
    worte = Datum_Tippen(f, [](QDialog*) {
        for (const char* teil : {"2026", "2", "30"}) {
            Tippen(teil);
            Taste(Qt::Key_Tab);
        }
    });
    EXPECT_EQ(worte, Ue("Diesen Tag gibt es nicht.")) << worte.toStdString();
    EXPECT_TRUE(Steuer<QStatusBar>(f, "StatusBar1")->currentMessage().contains("2027-07-15 21:30"));
    // One Tab more, onto the buttons: Return there accepts the same.
    worte = Datum_Tippen(f, [](QDialog*) {
        for (const char* teil : {"2026", "12", "24", "22", "00"}) {
            Tippen(teil);
            Taste(Qt::Key_Tab);
        }
    });
    EXPECT_EQ(worte.toStdString(), winter.toStdString());
    EXPECT_TRUE(Steuer<QStatusBar>(f, "StatusBar1")->currentMessage().contains("2026-12-24 22:00"));

    // The planned instant in the title and over the content of each side window
    // and under the chart's title; gone again with "Zeitpunkt: jetzt".
    Steuer<QLineEdit>(f, "Edit_Objekt")->setText("M31");
    f.Eingabe_Bestaetigen();
    Steuer<QAction>(f, "Beobachtbar1")->trigger();
    Steuer<QAction>(f, "Aufsuchkarte1")->trigger();
    auto* beobachtbar = f.findChild<TForm_Beobachtbar*>("Form_Beobachtbar");
    auto* karte = f.findChild<TForm_Karte*>("Form_Karte");
    ASSERT_TRUE(beobachtbar && karte);
    karte->Index_Abwarten();
    const QString planung = Ue("PLANUNG %1").arg(winter);
    for (QWidget* w : {static_cast<QWidget*>(beobachtbar), static_cast<QWidget*>(karte)}) {
        EXPECT_TRUE(w->windowTitle().endsWith(planung)) << w->windowTitle().toStdString();
        EXPECT_EQ(w->findChild<QLabel*>("Label_Planung_Fenster")->text(), planung);
    }
    EXPECT_EQ(QString::fromStdString(karte->Inhalt().Zeitpunkt), planung);
    Steuer<QAction>(f, "Zeitpunkt_Jetzt1")->trigger();
    EXPECT_EQ(beobachtbar->windowTitle(), Ue("Jetzt beobachtbar"));
    EXPECT_FALSE(
        beobachtbar->findChild<QLabel*>("Label_Planung_Fenster")->isVisibleTo(beobachtbar));
    EXPECT_EQ(karte->Inhalt().Zeitpunkt, "");
    EXPECT_TRUE(r.meldungen.empty());
    f.close();
    QDir::setCurrent(alt);
}

INSTANTIATE_TEST_SUITE_P(Sprachen, Abend, ::testing::Values(Sprache::Deutsch, Sprache::Englisch),
                         [](const auto& p) {
                             return std::string(p.param == Sprache::Englisch ? "Englisch"
                                                                             : "Deutsch");
                         });

TEST(Nebenfenster, NebenDemHauptfensterImBildschirm) {
    const QSize soll(900, 560);
    const QRect haupt(347, 124, 1020, 770); // frame
    // A wide screen: right of the main window, at its top.
    QRect r = Nebenfenster_Platz(soll, haupt, 154, QRect(0, 0, 2560, 1440));
    EXPECT_GE(r.left(), haupt.right());
    EXPECT_EQ(r.size(), soll);
    // Room only on the left, narrower than wanted: sized down, inside the screen.
    r = Nebenfenster_Platz(soll, QRect(900, 0, 1020, 770), 30, QRect(0, 0, 1920, 1080));
    EXPECT_LE(r.right(), 900);
    EXPECT_GE(r.left(), 0);
    EXPECT_GE(r.width(), 320);
    // A 1000-px screen the main window fills: under the readings, inside the screen.
    const QRect bild(0, 0, 1000, 1000);
    r = Nebenfenster_Platz(QSize(760, 800), QRect(0, 0, 1020, 770), 30, bild);
    EXPECT_TRUE(bild.contains(r)) << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
    EXPECT_GE(r.top(), 30 + 560);
}

TEST_F(Tastenwege, NebenfensterSchliessenMitEscapeUndKennenDieTasten) {
    Eingabe()->setFocus();
    Tippen("M31");
    Taste(Qt::Key_Return);
    // Escape closes each side window and gives the keyboard back to the entry.
    Taste(Qt::Key_F8);
    auto* beobachtbar = f->findChild<TForm_Beobachtbar*>("Form_Beobachtbar");
    ASSERT_TRUE(QTest::qWaitForWindowActive(beobachtbar));
    QTest::keyClick(beobachtbar->focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(beobachtbar->isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.get()));
    EXPECT_EQ(QApplication::focusWidget(), Eingabe());
    Taste(Qt::Key_K, Qt::ControlModifier);
    auto* karte = f->findChild<TForm_Karte*>("Form_Karte");
    ASSERT_TRUE(QTest::qWaitForWindowActive(karte));
    QTest::keyClick(karte, Qt::Key_Escape);
    EXPECT_FALSE(karte->isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.get()));
    Steuer<QAction>(*f, "Buch1")->trigger();
    auto* buch = f->findChild<TForm_Buch*>("Form_Buch");
    ASSERT_TRUE(QTest::qWaitForWindowActive(buch));
    QTest::keyClick(buch->focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(buch->isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.get()));

    // The main window's keys from a side window: F9, Ctrl+K.
    Taste(Qt::Key_F8);
    ASSERT_TRUE(QTest::qWaitForWindowActive(beobachtbar));
    Taste(Qt::Key_K, Qt::ControlModifier);
    EXPECT_TRUE(karte->isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(karte));
    Taste(Qt::Key_F9);
    EXPECT_TRUE(Steuer<QAction>(*f, "Nachtmodus1")->isChecked());
    Steuer<QAction>(*f, "Nachtmodus1")->trigger();
    karte->close();
    beobachtbar->close();
    f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.get()));

    // F9 also in the Notieren dialog, which holds the keyboard.
    bool nacht = false;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(d));
        Taste(Qt::Key_F9);
        nacht = Steuer<QAction>(*f, "Nachtmodus1")->isChecked();
        Taste(Qt::Key_F9);
        d->reject();
    });
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.get()));
    Taste(Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(nacht);
    EXPECT_FALSE(Steuer<QAction>(*f, "Nachtmodus1")->isChecked());
    EXPECT_TRUE(r.meldungen.empty());
}

TEST_F(Tastenwege, NotierenUndExportFragenVorDemVerlust) {
    Eingabe()->setFocus();
    Tippen("M31");
    Taste(Qt::Key_Return);
    std::vector<QString> fragen;
    bool antwort = false;
    Frage_Anzeige_Setzen([&](const QString& text) {
        fragen.push_back(text);
        return antwort;
    });
    struct Zurueck {
        ~Zurueck() { Frage_Anzeige_Setzen({}); }
    } zurueck;
    // Wide enough for 100 characters and growing with a longer note; Escape
    // with a typed note asks first.
    int breite = 0, gewachsen = 0, platz = 0;
    bool offen_nach_nein = false;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(d));
        auto* notiz = d->findChild<QLineEdit*>("Edit_Notiz");
        breite = notiz->width();
        platz = d->screen()->availableGeometry().width() - 16 - d->width();
        const QString zeile = "Staubband deutlich, Kern sternartig; bei 150x die Spiralarme "
                              "angedeutet, Seeing ruhig, Mond unter 5°";
        EXPECT_EQ(zeile.size(), 100);
        EXPECT_GE(breite - 10, notiz->fontMetrics().horizontalAdvance(zeile));
        Tippen(QString(160, 'w'));
        gewachsen = notiz->width();
        Taste(Qt::Key_Escape);
        offen_nach_nein = d->isVisible();
        antwort = true;
        Taste(Qt::Key_Escape);
    });
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.get()));
    Taste(Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(offen_nach_nein);
    if (platz > 40) { // a screen with room to grow
        EXPECT_GT(gewachsen, breite);
    }
    EXPECT_GE(gewachsen, breite);
    EXPECT_EQ(fragen.size(), 2u);
    EXPECT_TRUE(Datei_Lesen(f->Zustand.Buch_Pfad()).empty()); // discarded, as answered

    // A note to export; the export dialog starts in the data folder, its
    // filter decides format and suffix, and a second export asks first.
    QTimer::singleShot(0, [&] {
        ASSERT_NE(QApplication::activeModalWidget(), nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(QApplication::activeModalWidget()));
        Tippen("Staubband");
        Taste(Qt::Key_Return);
    });
    Steuer<QAction>(*f, "Notieren1")->trigger();
    Steuer<QAction>(*f, "Buch1")->trigger();
    auto* buch = f->findChild<TForm_Buch*>("Form_Buch");
    ASSERT_NE(buch, nullptr);
    QString start;
    const auto speichern = [&] {
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(d, nullptr);
            start = d->directory().absolutePath() + "/";
            d->selectNameFilter("CSV (*.csv)");
            d->selectFile("nacht3");
            QMetaObject::invokeMethod(d, "accept");
        });
        return buch->Export_Erfragen();
    };
    fragen.clear();
    const QString ziel = speichern();
    EXPECT_EQ(start.toStdString(), o.pfad);
    EXPECT_EQ(ziel.toStdString(), o.pfad + "nacht3.csv");
    buch->Exportieren(ziel.toStdString());
    EXPECT_NE(Datei_Lesen(o.pfad + "nacht3.csv").find("Staubband"), std::string::npos);
    EXPECT_TRUE(fragen.empty());
    antwort = false;
    EXPECT_EQ(speichern(), "");
    ASSERT_EQ(fragen.size(), 1u);
    EXPECT_TRUE(fragen[0].contains("nacht3.csv"));
    Frage_Anzeige_Setzen({});
    buch->close();
}
