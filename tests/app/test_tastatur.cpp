// The window driven by keys as an observer does at night: panels, windows and
// dialogs give the keyboard back to the entry box, night mode is one switch
// that comes back exactly, and every text stays readable in both modes.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFrame>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolTip>
#include <cmath>
#include <functional>
#include <map>

#include "app/einstellungen.hpp"
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

// The palette's own text against its ground, for the roles menus and lists use:
// 4.5 : 1 by day, 3 : 1 at night.
void Palette_Pruefen(const QPalette& p, const char* modus, double grenze = 4.5) {
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
        EXPECT_GE(an, grenze) << modus << " role " << text;
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
        auto* feld = d->findChild<QSpinBox*>("Zeitpunkt_Minute");
        for (QPushButton* b : d->findChildren<QPushButton*>())
            if (!b->text().contains("OK")) abbrechen = b->text();
        for (int i = 0; i < 8 && !minuten; ++i) {
            minuten = d->focusWidget() == feld;
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
    EXPECT_EQ(Schwacher_Text(*f, 3.0), "");
    Palette_Pruefen(QApplication::palette(), "night", 3.0);
    Palette_Pruefen(Steuer<QMenu>(*f, "Option1")->palette(), "night menu", 3.0);
    const QPalette tipp = QToolTip::palette();
    EXPECT_GE(Kontrast(tipp.color(QPalette::ToolTipText), tipp.color(QPalette::ToolTipBase)), 3.0);
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
        // At night the fill stays dim: it stands apart by its red, not by its light.
        if (nacht)
            EXPECT_GE(bild.pixelColor(ecke).red(), bild.pixelColor(uhr).red() + 30);
        else
            EXPECT_GE(Kontrast(bild.pixelColor(ecke), bild.pixelColor(uhr)), 4.5);
        EXPECT_GE(Text_Kontrast(bild, QRect(band->mapTo(f.get(), QPoint(0, 0)), band->size())),
                  nacht ? 3.0 : 4.5)
            << nacht;
    }
    Steuer<QAction>(*f, "Zeitpunkt_Jetzt1")->trigger();
    EXPECT_FALSE(band->isVisible());
}

namespace {
// Pixels with green or blue above 40 (what night mode must not show); the
// brightest red in `hoechst`.
int Farbige_Pixel(const QImage& bild, int* hoechst = nullptr) {
    int n = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) {
            const QColor c = bild.pixelColor(x, y);
            n += c.green() > 40 || c.blue() > 40;
            if (hoechst) *hoechst = std::max(*hoechst, c.red());
        }
    return n;
}

// Waits for a window of the application of class T to be shown and grabs it.
template <class T> QImage Fenster_Bild(const std::function<bool(T*)>& fertig) {
    T* w = nullptr;
    [&] {
        ASSERT_TRUE(QTest::qWaitFor([&] {
            for (QWidget* t : QApplication::topLevelWidgets())
                if (auto* k = qobject_cast<T*>(t); k && k->isVisible() && fertig(k)) w = k;
            return w != nullptr;
        }));
    }();
    return w ? w->grab().toImage() : QImage();
}
} // namespace

// Every brightness step of night mode, reached by its keys and its menu: no
// colour anywhere (the caret, the highlighted menu entry, a message box, the
// file dialog included), text 3 : 1 above its ground, fills dim behind text.
TEST_F(Tastatur, NachtstufenOhneFarbeUndLesbar) {
    Waehlen("M31");
    f->Jetzt = [] { return QDateTime(QDate(2026, 12, 7), QTime(12, 0)); };
    ASSERT_TRUE(f->Zeitpunkt_Setzen(QDateTime(QDate(2026, 12, 24), QTime(22, 0))));
    auto* edit = Steuer<QLineEdit>(*f, "Edit_Objekt");
    edit->setFocus();
    edit->setText("M1");
    edit->setCursorPosition(1); // the caret between the letters, over the text colour too
    QLabel* band = Steuer<QLabel>(*f, "Label_Planung");
    QTemporaryDir ordner;
    for (const char* datei : {"a.txt", "b.csv", "c.xml"})
        Datei_Schreiben(ordner.filePath(datei).toStdString(), "x\n");
    QDir(ordner.path()).mkdir("Unterordner");

    QTest::keyClick(edit, Qt::Key_F9);
    ASSERT_TRUE(Nachtmodus_Aktiv());
    EXPECT_EQ(Nacht_Stufe(), Nacht_Stufe_Vorgabe);
    // From the default down to the dimmest, then up to the brightest.
    std::vector<int> stufen;
    for (int i = Nacht_Stufe_Vorgabe; i > 1; --i) stufen.push_back(i - 1);
    for (int i = 2; i <= Nacht_Stufen; ++i) stufen.push_back(i);
    stufen.insert(stufen.begin(), Nacht_Stufe_Vorgabe);
    for (std::size_t k = 0; k < stufen.size(); ++k) {
        const int stufe = stufen[k];
        if (k > 0)
            QTest::keyClick(edit, Qt::Key_F9,
                            stufe < stufen[k - 1] ? Qt::ShiftModifier : Qt::ControlModifier);
        ASSERT_EQ(Nacht_Stufe(), stufe);
        EXPECT_TRUE(
            Steuer<QAction>(*f, ("Nachtstufe" + std::to_string(stufe)).c_str())->isChecked());
        EXPECT_TRUE(Eingabe_Hat_Fokus());
        const Nacht_Toene t = Nacht_Ton(stufe);
        SCOPED_TRACE("Stufe " + std::to_string(stufe));

        // The window with the caret, and the caret alone: what the focus adds.
        int hoechst = 0;
        const QImage bild = f->grab().toImage();
        EXPECT_EQ(Farbige_Pixel(bild, &hoechst), 0);
        EXPECT_LE(hoechst, t.Text);
        const QImage mit = edit->grab().toImage();
        edit->clearFocus();
        const QImage ohne = edit->grab().toImage();
        edit->setFocus();
        int caret = 0, anders = 0;
        for (int y = 0; y < mit.height(); ++y)
            for (int x = 0; x < mit.width(); ++x)
                if (mit.pixel(x, y) != ohne.pixel(x, y)) {
                    ++anders;
                    caret += mit.pixelColor(x, y) == QColor(t.Text, 0, 0);
                }
        EXPECT_GE(caret, 10);
        EXPECT_EQ(caret, anders);
        // Text readable, fills dim: the planning band.
        EXPECT_EQ(Schwacher_Text(*f, 3.0), "");
        Palette_Pruefen(QApplication::palette(), "night", 3.0);
        EXPECT_LE(bild.pixelColor(band->mapTo(f.get(), QPoint(1, 1))).red(), 120);
        if (stufe == Nacht_Stufe_Vorgabe) {
            EXPECT_LE(hoechst, 200);
        }

        // The options menu with its highlighted entry.
        QMenu* menue = Steuer<QMenu>(*f, "Option1");
        menue->popup(f->mapToGlobal(QPoint(200, 40)));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(menue));
        menue->setActiveAction(Steuer<QAction>(*f, "Nachtmodus1"));
        const QImage menue_bild = menue->grab().toImage();
        menue->close();
        hoechst = 0;
        EXPECT_EQ(Farbige_Pixel(menue_bild, &hoechst), 0);
        const QRect eintrag = menue->actionGeometry(Steuer<QAction>(*f, "Nachtmodus1"));
        EXPECT_LE(menue_bild.pixelColor(eintrag.topLeft() + QPoint(2, 2)).red(), 120);
        EXPECT_GE(Text_Kontrast(menue_bild, eintrag), 3.0);

        // A message box with its icon and its button.
        QMessageBox box(QMessageBox::Critical, "Stelux", "Die Datei fehlt.", QMessageBox::Ok,
                        f.get());
        box.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
        EXPECT_EQ(Farbige_Pixel(box.grab().toImage()), 0);
        box.close();

        // Qt's file dialog, as "Beobachtungsliste öffnen…" shows it, with its files listed.
        QTimer::singleShot(0, [&] {
            const QImage dialog = Fenster_Bild<QFileDialog>([](QFileDialog* d) {
                auto* liste = d->findChild<QAbstractItemView*>("listView");
                return liste && liste->model() && liste->model()->rowCount(liste->rootIndex()) >= 4;
            });
            EXPECT_EQ(Farbige_Pixel(dialog), 0);
            if (qEnvironmentVariableIsSet("STELUX_DATEIDIALOG_BILD"))
                dialog.save(qEnvironmentVariable("STELUX_DATEIDIALOG_BILD"));
            if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) d->reject();
        });
        QFileDialog::getOpenFileName(f.get(), "Stelux", ordner.path());
        f->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(f.get()));
        edit->setFocus();
    }
    // The step is remembered.
    EXPECT_EQ(Einstellung_Zahl_Lesen(Einstellung_Nachthelligkeit, 0, 1, Nacht_Stufen),
              Nacht_Stufen);
    Steuer<QAction>(*f, "Nachtstufe1")->trigger();
    EXPECT_EQ(Nacht_Stufe(), 1);
    Steuer<QAction>(*f, ("Nachtstufe" + std::to_string(Nacht_Stufe_Vorgabe)).c_str())->trigger();
}
