// The window driven by keys as an observer does at night: panels, windows and
// dialogs give the keyboard back to the entry box, night mode is one switch
// that comes back exactly, and every text stays readable in both modes.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDateTimeEdit>
#include <QDialog>
#include <QFrame>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolTip>
#include <cmath>
#include <map>

#include "app/fenster_beobachtbar.hpp"
#include "app/fenster_karte.hpp"
#include "app/fenster_nachtmodus.hpp"
#include "hilfen.hpp"

namespace {

// WCAG 2 relative luminance and contrast ratio.
double Leuchtdichte(const QColor& c) {
    const auto linear = [](int k) {
        const double v = k / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue());
}

double Kontrast(const QColor& a, const QColor& b) {
    const double la = Leuchtdichte(a), lb = Leuchtdichte(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The contrast of a text as drawn: its ground is the commonest colour of the
// area, the text the pixel that stands out most from it.
double Text_Kontrast(const QImage& bild, const QRect& flaeche) {
    std::map<QRgb, int> anzahl;
    for (int y = flaeche.top(); y <= flaeche.bottom(); ++y)
        for (int x = flaeche.left(); x <= flaeche.right(); ++x) ++anzahl[bild.pixel(x, y)];
    QRgb grund = 0;
    int meiste = 0;
    for (const auto& [farbe, n] : anzahl)
        if (n > meiste) grund = farbe, meiste = n;
    double best = 1;
    for (const auto& [farbe, n] : anzahl) best = std::max(best, Kontrast(farbe, grund));
    return best;
}

// Every shown label and button of the main window with a text; the first one
// under `grenze` described, else empty.
std::string Schwacher_Text(TForm_Main& f, double grenze) {
    const QImage bild = f.grab().toImage();
    for (QWidget* w : f.findChildren<QWidget*>()) {
        QString text;
        if (auto* l = qobject_cast<QLabel*>(w)) text = l->text();
        if (auto* k = qobject_cast<QPushButton*>(w)) text = k->text();
        if (text.trimmed().isEmpty() || !w->isVisible() || w->window() != &f) continue;
        const QRect r(w->mapTo(&f, QPoint(0, 0)), w->size());
        const double k = Text_Kontrast(bild, r.intersected(bild.rect()));
        if (k < grenze)
            return w->objectName().toStdString() + " \"" + text.toStdString() + "\" " +
                   std::to_string(k);
    }
    return {};
}

// The palette's own text against its ground, for the roles menus and lists use.
void Palette_Pruefen(const QPalette& p, const char* modus) {
    const std::pair<QPalette::ColorRole, QPalette::ColorRole> paare[] = {
        {QPalette::WindowText, QPalette::Window},
        {QPalette::Text, QPalette::Base},
        {QPalette::ButtonText, QPalette::Button},
        {QPalette::HighlightedText, QPalette::Highlight}};
    for (const auto& [text, grund] : paare) {
        const double an =
            Kontrast(p.color(QPalette::Active, text), p.color(QPalette::Active, grund));
        const double aus =
            Kontrast(p.color(QPalette::Disabled, text), p.color(QPalette::Disabled, grund));
        EXPECT_GE(an, 4.5) << modus << " role " << text;
        if (text == QPalette::HighlightedText) continue;
        EXPECT_GE(aus, 3.0) << modus << " disabled role " << text;
        EXPECT_LT(aus, an) << modus << " disabled role " << text;
    }
}

struct Tastatur : Fenster_Test {
    void SetUp() override {
        Fenster_Test::SetUp();
        if (HasFatalFailure()) return;
        // A still picture: no ticks, no blinking caret.
        Steuer<QTimer>(*f, "Timer1")->stop();
        Steuer<QTimer>(*f, "Timer2")->stop();
        QApplication::setCursorFlashTime(0);
        Steuer<QLineEdit>(*f, "Edit_Objekt")->setFocus();
    }
    void TearDown() override {
        if (f && Steuer<QAction>(*f, "Nachtmodus1")->isChecked())
            Steuer<QAction>(*f, "Nachtmodus1")->trigger();
        Fenster_Test::TearDown();
    }
    void Waehlen(const char* text) {
        Steuer<QLineEdit>(*f, "Edit_Objekt")->setText(text);
        QTest::keyClick(Steuer<QLineEdit>(*f, "Edit_Objekt"), Qt::Key_Return);
    }
    // Where typing goes when the main window is active.
    bool Eingabe_Hat_Fokus() const {
        return f->focusWidget() == Steuer<QLineEdit>(*f, "Edit_Objekt");
    }
};

} // namespace

TEST_F(Tastatur, PanelsSchliessenMitEscapeUndReturn) {
    Waehlen("M31");
    const QString objekt = Steuer<QLabel>(*f, "Label_Objekt")->text();
    const std::pair<QAction*, QFrame*> panels[] = {
        {Steuer<QAction>(*f, "Version2"), Steuer<QFrame>(*f, "Panel_About")},
        {Steuer<QAction>(*f, "SystemInformation1"), Steuer<QFrame>(*f, "Panel_SysInfo")}};
    for (const Qt::Key taste : {Qt::Key_Escape, Qt::Key_Return})
        for (const auto& [menue, panel] : panels) {
            menue->trigger();
            ASSERT_TRUE(panel->isVisible());
            QTest::keyClick(QApplication::focusWidget(), taste);
            EXPECT_FALSE(panel->isVisible()) << panel->objectName().toStdString() << " " << taste;
            EXPECT_TRUE(Eingabe_Hat_Fokus());
        }
    // The Return that closed a panel selected nothing.
    EXPECT_EQ(Steuer<QLabel>(*f, "Label_Objekt")->text(), objekt);
    EXPECT_TRUE(f->Zustand.Objekt_Gueltig());
}

TEST_F(Tastatur, FensterUndDialogeGebenDieTastaturZurueck) {
    // The finder chart closes with Escape.
    Steuer<QAction>(*f, "Aufsuchkarte1")->trigger();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f->findChild<TForm_Karte*>("Form_Karte"), 60000));
    QTest::keyClick(f->findChild<TForm_Karte*>("Form_Karte"), Qt::Key_Escape);
    EXPECT_FALSE(f->findChild<TForm_Karte*>("Form_Karte")->isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.get(), 60000));
    EXPECT_TRUE(Eingabe_Hat_Fokus());

    // "Jetzt beobachtbar" opens with the focus in its table.
    f->findChild<QAction*>("Beobachtbar1")->trigger();
    ASSERT_TRUE(
        QTest::qWaitForWindowActive(f->findChild<TForm_Beobachtbar*>("Form_Beobachtbar"), 60000));
    EXPECT_EQ(f->findChild<TForm_Beobachtbar*>("Form_Beobachtbar")->focusWidget(),
              Steuer<QTableWidget>(*f, "Tabelle_Beobachtbar"));
    f->findChild<TForm_Beobachtbar*>("Form_Beobachtbar")->close();
    f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.get(), 60000));

    // The manual: F1 in the entry box, a window of the program, Escape closes it.
    QTest::keyClick(Steuer<QLineEdit>(*f, "Edit_Objekt"), Qt::Key_F1);
    auto* handbuch = qobject_cast<QTextBrowser*>(f->findChild<QWidget*>("Form_Handbuch"));
    ASSERT_NE(handbuch, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(handbuch, 60000));
    EXPECT_TRUE(handbuch->toPlainText().contains("Nachtmodus"));
    QTest::keyClick(handbuch, Qt::Key_Escape);
    EXPECT_FALSE(handbuch->isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.get(), 60000));
    EXPECT_TRUE(Eingabe_Hat_Fokus());

    // The date dialog: Tab reaches the minutes, the buttons speak German.
    bool minuten = false;
    QString abbrechen;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        auto* feld = d->findChild<QDateTimeEdit*>();
        for (QPushButton* b : d->findChildren<QPushButton*>())
            if (!b->text().contains("OK")) abbrechen = b->text();
        for (int i = 0; i < 8 && !minuten; ++i) {
            minuten =
                d->focusWidget() == feld && feld->currentSection() == QDateTimeEdit::MinuteSection;
            QTest::keyClick(d->focusWidget(), Qt::Key_Tab);
        }
        d->reject();
    });
    Steuer<QAction>(*f, "Zeitpunkt1")->trigger();
    EXPECT_TRUE(minuten);
    EXPECT_EQ(abbrechen, "Abbrechen");
    EXPECT_TRUE(Eingabe_Hat_Fokus());
    EXPECT_TRUE(r.meldungen.empty());
}

TEST_F(Tastatur, JederKnopfUndJedeTastenkombinationHatEinenTipp) {
    for (QPushButton* k : f->findChildren<QPushButton*>()) {
        if (k->window() != f.get()) continue;
        EXPECT_FALSE(k->toolTip().isEmpty()) << k->objectName().toStdString();
    }
    for (QAction* a : f->menuBar()->findChildren<QAction*>()) {
        if (a->shortcut().isEmpty()) continue;
        EXPECT_TRUE(a->toolTip().contains(a->shortcut().toString(QKeySequence::NativeText)))
            << a->objectName().toStdString();
    }
}

// F9 twice gives back every palette and every pixel; the focus stays in the
// entry box; each mode keeps every text readable.
TEST_F(Tastatur, NachtmodusHinUndZurueck) {
    Waehlen("M31");
    f->findChild<QAction*>("Beobachtbar1")->trigger();
    Steuer<QAction>(*f, "Handbuch1")->trigger();
    auto* handbuch = f->findChild<QWidget*>("Form_Handbuch");
    f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.get(), 60000));
    Steuer<QLineEdit>(*f, "Edit_Objekt")->setFocus();
    QList<QWidget*> alle;
    for (QWidget* fenster : QApplication::topLevelWidgets())
        alle += fenster->findChildren<QWidget*>() << fenster;
    std::map<QWidget*, QPalette> vorher;
    for (QWidget* w : alle) vorher[w] = w->palette();
    const QImage bild = f->grab().toImage();
    EXPECT_EQ(Schwacher_Text(*f, 4.5), "");
    Palette_Pruefen(QApplication::palette(), "day");

    QTest::keyClick(Steuer<QLineEdit>(*f, "Edit_Objekt"), Qt::Key_F9);
    ASSERT_TRUE(Nachtmodus_Aktiv());
    EXPECT_TRUE(Eingabe_Hat_Fokus());
    EXPECT_EQ(Schwacher_Text(*f, 4.5), "");
    Palette_Pruefen(QApplication::palette(), "night");
    Palette_Pruefen(Steuer<QMenu>(*f, "Option1")->palette(), "night menu");
    const QPalette tipp = QToolTip::palette();
    EXPECT_GE(Kontrast(tipp.color(QPalette::ToolTipText), tipp.color(QPalette::ToolTipBase)), 4.5);
    EXPECT_EQ(tipp.color(QPalette::ToolTipBase).green(), 0); // a red hint, not a yellow one
    // The manual at night: nothing but red, its table lines too.
    const QImage seite = handbuch->grab().toImage();
    int hell = 0;
    for (int y = 0; y < seite.height(); ++y)
        for (int x = 0; x < seite.width(); ++x) {
            const QColor c = seite.pixelColor(x, y);
            hell += c.green() > 24 || c.blue() > 24;
        }
    EXPECT_EQ(hell, 0);

    QTest::keyClick(Steuer<QLineEdit>(*f, "Edit_Objekt"), Qt::Key_F9);
    ASSERT_FALSE(Nachtmodus_Aktiv());
    EXPECT_TRUE(Eingabe_Hat_Fokus());
    for (QWidget* w : alle)
        EXPECT_TRUE(w->palette() == vorher[w])
            << w->objectName().toStdString() << " " << w->metaObject()->className();
    EXPECT_TRUE(f->grab().toImage() == bild);
}

// A planned instant is marked by a band over the clocks that stands apart
// from the clocks themselves, by day and at night.
TEST_F(Tastatur, PlanungsbandInBeidenModi) {
    QLabel* band = f->findChild<QLabel*>("Label_Planung");
    ASSERT_NE(band, nullptr);
    EXPECT_FALSE(band->isVisible());
    f->Jetzt = [] { return QDateTime(QDate(2026, 12, 7), QTime(12, 0)); };
    ASSERT_TRUE(f->Zeitpunkt_Setzen(QDateTime(QDate(2026, 12, 24), QTime(22, 0))));
    EXPECT_TRUE(band->isVisible());
    EXPECT_TRUE(band->text().startsWith("PLANUNG 2026-12-24 22:00"));
    for (const bool nacht : {false, true}) {
        if (nacht) Steuer<QAction>(*f, "Nachtmodus1")->trigger();
        const QImage bild = f->grab().toImage();
        const QPoint ecke = band->mapTo(f.get(), QPoint(1, 1));
        const QPoint uhr = Steuer<QLabel>(*f, "Label_PC_Zeit")->mapTo(f.get(), QPoint(1, 1));
        // The band's ground is far from the clocks' ground, its text readable.
        EXPECT_GE(Kontrast(bild.pixelColor(ecke), bild.pixelColor(uhr)), 4.5) << nacht;
        EXPECT_GE(Text_Kontrast(bild, QRect(band->mapTo(f.get(), QPoint(0, 0)), band->size())), 4.5)
            << nacht;
    }
    Steuer<QAction>(*f, "Zeitpunkt_Jetzt1")->trigger();
    EXPECT_FALSE(band->isVisible());
}
