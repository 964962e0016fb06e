// The observing list window, "Notieren" and the observing log, driven by keys.
#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "app/fenster_buch.hpp"
#include "app/fenster_liste.hpp"
#include "hilfen.hpp"

namespace {
void Dialog_Beantworten(std::function<void(QDialog*)> antwort) {
    QTimer::singleShot(0, [antwort] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        antwort(d);
    });
}
} // namespace

TEST_F(Fenster_Test, ListeWaehltHaktAbUndMerktSich) {
    const std::string liste = o.Datei("abend.txt");
    Datei_Schreiben(liste, "M31\nX9\nN7000\n");
    f->Liste_Laden(liste);
    auto* fenster = f->findChild<TForm_Liste*>("Form_Liste");
    ASSERT_NE(fenster, nullptr);
    fenster->Abwarten();
    auto* t = Steuer<QTableWidget>(*fenster, "Tabelle_Liste");
    ASSERT_EQ(t->rowCount(), 3);
    EXPECT_EQ(t->item(2, 0)->text(), "X9"); // not found: last
    EXPECT_EQ(t->item(2, 2)->text(), "Nicht gefunden");

    // Return selects through the main window's one selection entry.
    t->setFocus();
    t->setCurrentCell(0, 0);
    const QString erste = t->item(0, 0)->text();
    QTest::keyClick(t, Qt::Key_Return);
    EXPECT_TRUE(f->Zustand.Objekt_Gueltig());
    EXPECT_EQ(QString::fromStdString(f->Zustand.Objekt().Bezeichnung), erste);

    // The space bar ticks the row off and moves on; the tick survives a reload.
    QTest::keyClick(t, Qt::Key_Space);
    EXPECT_EQ(t->currentRow(), 1);
    f->Liste_Laden(liste);
    fenster->Abwarten();
    const auto abgehakt = [&] {
        int n = 0;
        for (int r = 0; r < t->rowCount(); ++r) n += !t->item(r, 7)->text().isEmpty();
        return n;
    };
    EXPECT_EQ(abgehakt(), 1);
    // Another list has ticks of its own; the first keeps its tick.
    const std::string zweite = o.Datei("zweite.csv");
    Datei_Schreiben(zweite, "Objekt;Bemerkung\nM42;Trapez zuerst\n");
    f->Liste_Laden(zweite);
    fenster->Abwarten();
    ASSERT_EQ(t->rowCount(), 1);
    EXPECT_EQ(abgehakt(), 0);
    EXPECT_EQ(t->item(0, 8)->text(), "Trapez zuerst"); // the notes column
    f->Liste_Laden(liste);
    fenster->Abwarten();
    EXPECT_EQ(abgehakt(), 1);
    EXPECT_EQ(r.meldungen.size(), 0u);
}

// A hostile list (5000 entries of 64 numbers nothing answers to) does not
// hold the window: another list replaces it at once, and closing the window
// ends its lookup.
TEST_F(Fenster_Test, FeindlicheListeHaeltDasFensterNichtAuf) {
    const std::string feind = o.Datei("feind.skylist");
    {
        std::string text = "SkySafariObservingListVersion=3.0\nSortedBy=Default Order\n";
        std::string eintrag = "SkyObject=BeginObject\n";
        for (int i = 0; i < 64; ++i)
            eintrag += "CatalogNumber=NGC 9" + std::to_string(1000 + i) + "\n";
        eintrag += "EndObject=SkyObject\n";
        for (int i = 0; i < 5000; ++i) text += eintrag;
        Datei_Schreiben(feind, text);
    }
    const std::string klein = o.Datei("klein.txt");
    Datei_Schreiben(klein, "M31\n");
    f->Liste_Laden(feind);
    auto* fenster = f->findChild<TForm_Liste*>("Form_Liste");
    ASSERT_NE(fenster, nullptr);
    EXPECT_TRUE(fenster->Sucht());
    f->Liste_Laden(klein);
    fenster->Abwarten();
    ASSERT_EQ(fenster->Zeilen().size(), 1u);
    EXPECT_EQ(fenster->Zeilen()[0].Bezeichnung, "M31");
    f->Liste_Laden(feind);
    EXPECT_TRUE(fenster->Sucht());
    fenster->close();
    EXPECT_FALSE(fenster->Sucht());
}

TEST_F(Fenster_Test, NotierenBuchLoeschenMitRueckfrage) {
    ASSERT_TRUE(f->Objekt_Waehlen("M31"));
    Dialog_Beantworten([](QDialog* d) {
        d->findChild<QLineEdit*>("Edit_Notiz")->setText("Staubband; gut");
        QTest::keyClick(d->findChild<QLineEdit*>("Edit_Notiz"), Qt::Key_Return);
    });
    QTest::keyClick(Steuer<QLineEdit>(*f, "Edit_Objekt"), Qt::Key_N, Qt::ControlModifier);
    for (const auto& m : r.meldungen) ADD_FAILURE() << m.text.toStdString();
    const std::string buch = Datei_Lesen(o.Datei("Beobachtungsbuch.csv"));
    EXPECT_NE(buch.find("\"Staubband; gut\""), std::string::npos) << buch;

    f->findChild<QAction*>("Buch1")->trigger();
    auto* fenster = f->findChild<TForm_Buch*>("Form_Buch");
    ASSERT_NE(fenster, nullptr);
    auto* t = Steuer<QTableWidget>(*fenster, "Tabelle_Buch");
    ASSERT_EQ(t->rowCount(), 1);
    int gefragt = 0;
    bool antwort = false;
    Frage_Anzeige_Setzen([&](const QString&) {
        ++gefragt;
        return antwort;
    });
    QTest::keyClick(t, Qt::Key_Delete); // "Abbrechen": nothing deleted
    EXPECT_EQ(Buch_Lesen(o.Datei("Beobachtungsbuch.csv")).Eintraege.size(), 1u);
    // stelux-cli adds an entry while the window shows the old state: the
    // deletion must not take it with it.
    Buch_Eintrag spaeter = Buch_Lesen(o.Datei("Beobachtungsbuch.csv")).Eintraege.at(0);
    spaeter.Notiz = "von stelux-cli";
    Buch_Anhaengen(o.Datei("Beobachtungsbuch.csv"), spaeter);
    spaeter.Notiz = std::string(70000, 'x'); // longer than any line of a catalogue
    Buch_Anhaengen(o.Datei("Beobachtungsbuch.csv"), spaeter);
    antwort = true;
    QTest::keyClick(t, Qt::Key_Delete);
    Frage_Anzeige_Setzen({});
    EXPECT_EQ(gefragt, 2);
    const Beobachtungsbuch danach = Buch_Lesen(o.Datei("Beobachtungsbuch.csv"));
    ASSERT_EQ(danach.Eintraege.size(), 2u);
    EXPECT_EQ(danach.Eintraege[0].Notiz, "von stelux-cli");
    EXPECT_EQ(danach.Eintraege[1].Notiz, spaeter.Notiz);
    EXPECT_EQ(t->rowCount(), 2);
}

TEST_F(Fenster_Test, MisslungenesNotierenVerliertDieNotizNicht) {
    ASSERT_TRUE(f->Objekt_Waehlen("M31"));
    const std::string buch = o.Datei("Beobachtungsbuch.csv");
    std::filesystem::create_directory(buch); // the write fails
    bool offen = false;
    Dialog_Beantworten([&](QDialog* d) {
        auto* notiz = d->findChild<QLineEdit*>("Edit_Notiz");
        notiz->setText("Komet mit Schweif");
        QTest::keyClick(notiz, Qt::Key_Return);
        offen = d->isVisible();
        std::filesystem::remove(buch);
        QTest::keyClick(notiz, Qt::Key_Return);
    });
    QTest::keyClick(Steuer<QLineEdit>(*f, "Edit_Objekt"), Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(offen);
    EXPECT_EQ(r.Anzahl(Meldungsart::Fehler), 1);
    EXPECT_NE(Datei_Lesen(buch).find("Komet mit Schweif"), std::string::npos);
}
