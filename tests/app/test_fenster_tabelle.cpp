// The main window against its control table: what only the shown window can
// tell (places after layout, fonts found on this system, overlaps, clipped
// captions).
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTextBrowser>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/einstellungen.hpp"
#include "app/fenster_sprache.hpp"
#include "app/fenster_tabelle.hpp"
#include "app/plattform.hpp"
#include "app/stelux_unit_main.hpp"
#include "hilfen.hpp"

namespace {

bool Gleich(const char* a, const char* b) {
    return a && b && std::strcmp(a, b) == 0;
}

// Two rows may overlap when one is drawn over the other by design.
bool Darf_Ueberlappen(const Steuerelement& a, const Steuerelement& b) {
    return Gleich(a.liegt_ueber, "*") || Gleich(b.liegt_ueber, "*") ||
           Gleich(a.liegt_ueber, b.name) || Gleich(b.liegt_ueber, a.name);
}

} // namespace

TEST(Fenster_Tabelle, NamenUndVerweise) {
    std::set<std::string> gesehen;
    for (const Steuerelement& s : Fenster_Tabelle()) {
        EXPECT_TRUE(gesehen.insert(s.name).second) << "twice: " << s.name;
        // A parent comes before its children; a control lies over one that exists.
        if (s.eltern) {
            EXPECT_TRUE(gesehen.count(s.eltern)) << s.name;
        }
        if (s.liegt_ueber && !Gleich(s.liegt_ueber, "*")) {
            EXPECT_NE(Fenster_Element(s.liegt_ueber), nullptr) << s.name;
        }
        EXPECT_GT(s.b, 0) << s.name;
        EXPECT_GT(s.h, 0) << s.name;
    }
    EXPECT_EQ(Fenster_Element("Label_Objekt")->art, Steuer_Art::Label);
    EXPECT_EQ(Fenster_Element("Label_Unbekannt"), nullptr);
}

// The layout holds in each language of the window.
struct Fenster_Sprache : ::testing::TestWithParam<Sprache> {
    void TearDown() override { Sprache_Anwenden(Sprache::Deutsch); }
};

TEST_P(Fenster_Sprache, GezeigtesFensterFolgtDerTabelle) {
    Test_Ordner o;
    ASSERT_TRUE(Sprache_Anwenden(GetParam())); // once the application exists
    Meldungs_Rekorder r;
    auto f = std::make_unique<TForm_Main>(o.Start());
    f->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.get(), 60000));
    QWidget* flaeche = f->centralWidget();
    EXPECT_EQ(flaeche->size(), QSize(Flaeche_Breite, Flaeche_Hoehe));

    const auto tabelle = Fenster_Tabelle();
    for (const Steuerelement& s : tabelle) {
        QWidget* w = flaeche->findChild<QWidget*>(s.name);
        ASSERT_NE(w, nullptr) << s.name;
        const QRect soll(s.x, s.y, s.b, s.h);
        // A panel is placed when it is shown; the rest stays where the table puts it,
        // inside its parent.
        if (s.art == Steuer_Art::Tafel) {
            EXPECT_EQ(w->size(), soll.size()) << s.name;
        } else {
            EXPECT_EQ(w->geometry(), soll) << s.name;
            EXPECT_TRUE(w->parentWidget()->rect().contains(soll)) << s.name;
        }

        // The font found on this system: the design's family as mapped (a family
        // the mapping knows), else one of the same pitch; always the design's
        // pixel size and weight.
        if (s.font.familie) {
            const QFontInfo info(w->font());
            const QString familie = Schrift_Familie(s.font.familie);
            EXPECT_NE(familie.toStdString(), s.font.familie)
                << s.name << ": no family for this design font";
            if (QFontDatabase::hasFamily(familie)) {
                EXPECT_EQ(info.family(), familie) << s.name;
            } else {
                EXPECT_EQ(info.fixedPitch(), familie == "Liberation Mono")
                    << s.name << ": " << info.family().toStdString();
            }
            EXPECT_EQ(info.pixelSize(), s.font.pixel) << s.name;
            EXPECT_EQ(info.bold(), s.font.fett) << s.name;
        }

        // The design text, in the font shown, fits the width of the control.
        const bool beschriftet = qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w);
        if (beschriftet && s.text && *s.text) {
            EXPECT_LE(w->fontMetrics().horizontalAdvance(Ue(s.text)), w->contentsRect().width())
                << s.name;
        }
    }

    // No two controls of one parent overlap unless the table says so; the
    // hidden ones too (the list and the suffix keys show at times).
    for (std::size_t i = 0; i < tabelle.size(); ++i)
        for (std::size_t j = i + 1; j < tabelle.size(); ++j) {
            const Steuerelement &a = tabelle[i], &b = tabelle[j];
            QWidget* wa = flaeche->findChild<QWidget*>(a.name);
            QWidget* wb = flaeche->findChild<QWidget*>(b.name);
            if (wa->parentWidget() != wb->parentWidget() || Darf_Ueberlappen(a, b)) continue;
            EXPECT_FALSE(wa->geometry().intersects(wb->geometry())) << a.name << " / " << b.name;
        }

    // Nothing visible on the surface overlaps another, day and night, with
    // the push-to line shown (the INDI client needs no server for that):
    // controls outside the table count too.
    f->Indi_Starten({"127.0.0.1", 1, "Keines"});
    for (const bool nacht : {false, true}) {
        if (nacht) Steuer<QAction>(*f, "Nachtmodus1")->trigger();
        QTest::qWait(0);
        std::vector<QWidget*> sichtbar;
        for (QWidget* w : flaeche->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (w->isVisible()) sichtbar.push_back(w);
        EXPECT_TRUE(Steuer<QLabel>(*f, "Label_PushTo")->isVisible());
        for (std::size_t i = 0; i < sichtbar.size(); ++i)
            for (std::size_t j = i + 1; j < sichtbar.size(); ++j) {
                QWidget *wa = sichtbar[i], *wb = sichtbar[j];
                const Steuerelement* a = Fenster_Element(wa->objectName().toStdString().c_str());
                const Steuerelement* b = Fenster_Element(wb->objectName().toStdString().c_str());
                if (a && b && Darf_Ueberlappen(*a, *b)) continue;
                EXPECT_FALSE(wa->geometry().intersects(wb->geometry()))
                    << (nacht ? "Nacht: " : "Tag: ") << wa->objectName().toStdString() << " / "
                    << wb->objectName().toStdString();
            }
    }
    Steuer<QAction>(*f, "Nachtmodus1")->trigger();

    // The core's texts follow the window's language.
    const bool englisch = GetParam() == Sprache::Englisch;
    f->Uhr_Takt();
    f->Positions_Takt();
    EXPECT_EQ(Steuer<QLabel>(*f, "Label_Typ")->text(), englisch ? "Type: " : "Typ: ");
    EXPECT_TRUE(Steuer<QStatusBar>(*f, "StatusBar1")
                    ->currentMessage()
                    .startsWith(englisch ? "40cm Schmidt camera: Dec/HA corr.: "
                                         : "40cm Schmidt-Kamera: DE/SW-Korr: "));
    f->close();
}

INSTANTIATE_TEST_SUITE_P(Fenster_Tabelle, Fenster_Sprache,
                         ::testing::Values(Sprache::Deutsch, Sprache::Englisch), [](const auto& p) {
                             return std::string(p.param == Sprache::Englisch ? "Englisch"
                                                                             : "Deutsch");
                         });

// The remembered choice wins over the system's language; the English window
// says so in its menu, keeps the catalogue letters on its keys, and its
// manual is the English one where built in, else the German one.
TEST(Fenster_Sprache_Wahl, GemerkteSpracheGiltBeimStart) {
    Test_Ordner o;
    Meldungs_Rekorder r;
    Einstellung_Text_Schreiben(Einstellung_Sprache, "de");
    EXPECT_EQ(Sprache_Waehlen(), Sprache::Deutsch);
    Einstellung_Text_Schreiben(Einstellung_Sprache, "en");
    ASSERT_EQ(Sprache_Waehlen(), Sprache::Englisch);
    // German again for the tests after this one, whatever fails here.
    struct Deutsch_Danach {
        ~Deutsch_Danach() { Sprache_Anwenden(Sprache::Deutsch); }
    } deutsch_danach;
    ASSERT_TRUE(Sprache_Anwenden(Sprache_Waehlen()));
    {
        TForm_Main f(o.Start());
        QStringList menue;
        for (QAction* a : f.menuBar()->actions()) menue << a->text();
        EXPECT_TRUE(menue.contains("&File")) << menue.join('|').toStdString();
        EXPECT_TRUE(menue.contains("&Options"));
        EXPECT_TRUE(menue.contains("&Help"));
        EXPECT_EQ(Steuer<QLabel>(f, "Label6")->text(), "Hour angle*");
        EXPECT_EQ(Steuer<QPushButton>(f, "Button_A")->text(), "A");
        EXPECT_TRUE(Steuer<QAction>(f, "English1")->isChecked());
        Steuer<QAction>(f, "Handbuch1")->trigger();
        auto* handbuch = f.findChild<QTextBrowser*>("Form_Handbuch");
        ASSERT_NE(handbuch, nullptr);
        EXPECT_EQ(handbuch->source().fileName(), QFile::exists(":/handbuch/anleitung_en.html")
                                                     ? "anleitung_en.html"
                                                     : "anleitung.html");
        // Choosing German is remembered for the next start.
        const int hinweise = r.Anzahl(Meldungsart::Hinweis);
        Steuer<QAction>(f, "Deutsch1")->trigger();
        EXPECT_EQ(Sprache_Waehlen(), Sprache::Deutsch);
        EXPECT_EQ(r.Anzahl(Meldungsart::Hinweis), hinweise + 1);
    }
    Sprache_Anwenden(Sprache::Deutsch);
    TForm_Main f(o.Start());
    EXPECT_EQ(f.menuBar()->actions().first()->text(), "&Datei");
    EXPECT_EQ(Steuer<QLabel>(f, "Label6")->text(), QString::fromUtf8("Stundenwinkel*"));
}
