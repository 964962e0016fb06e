// Suggestions while typing, "Nicht gefunden" in the object line and Return in
// the catalogue list, with the small catalogues of the window tests.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "app/stelux_unit_main.hpp"
#include "hilfen.hpp"

namespace {
struct Vorschlaege : Fenster_Test {
    void SetUp() override {
        Fenster_Test::SetUp();
        if (!HasFatalFailure()) Steuer<QLineEdit>(*f, "Edit_Objekt")->setFocus();
    }
    QListWidget* Liste() const { return Steuer<QListWidget>(*f, "Liste_Vorschlaege"); }
    // Typed key by key; text that no key gives arrives as if pasted.
    void Tippen(const QString& text) {
        Steuer<QLineEdit>(*f, "Edit_Objekt")->clear();
        bool tasten = true;
        for (QChar c : text) tasten = tasten && c.unicode() > 32 && c.unicode() < 127;
        if (tasten) {
            QTest::keyClicks(Steuer<QLineEdit>(*f, "Edit_Objekt"), text);
        } else {
            Steuer<QLineEdit>(*f, "Edit_Objekt")->setText(text);
            emit Steuer<QLineEdit>(*f, "Edit_Objekt")->textEdited(text);
        }
    }
};
} // namespace

TEST_F(Vorschlaege, SirWirdZuSirius) {
    Tippen("Sir");
    ASSERT_TRUE(Liste()->isVisible());
    ASSERT_GE(Liste()->count(), 1);
    EXPECT_TRUE(Liste()->item(0)->text().startsWith("Sirius"));
    EXPECT_TRUE(Liste()->item(0)->text().contains("Stern"));
    EXPECT_EQ(f->focusWidget(),
              Steuer<QLineEdit>(*f, "Edit_Objekt")); // typing goes on in the entry box
    QTest::keyClick(Steuer<QLineEdit>(*f, "Edit_Objekt"), Qt::Key_Down);
    QTest::keyClick(Steuer<QLineEdit>(*f, "Edit_Objekt"), Qt::Key_Return);
    EXPECT_TRUE(f->Zustand.Objekt_Gueltig());
    EXPECT_EQ(f->Zustand.Objekt().Bezeichnung, "Sirius");
    EXPECT_FALSE(Liste()->isVisible());
    f->Positions_Takt();
    EXPECT_TRUE(Steuer<QLabel>(*f, "Label_Objekt")->text().startsWith("Sirius"));
    EXPECT_TRUE(r.meldungen.empty());
}

TEST_F(Vorschlaege, EscapeSchliesstUndNummernOeffnenNichts) {
    Tippen("Andro");
    ASSERT_TRUE(Liste()->isVisible());
    EXPECT_TRUE(Liste()->item(0)->text().contains("Andromeda Galaxy"));
    QTest::keyClick(Steuer<QLineEdit>(*f, "Edit_Objekt"), Qt::Key_Escape);
    EXPECT_FALSE(Liste()->isVisible());
    EXPECT_EQ(Steuer<QLineEdit>(*f, "Edit_Objekt")->text(), "Andro");
    Tippen("Andro");
    QTest::mouseClick(Steuer<QPushButton>(*f, "Button_Clear"),
                      Qt::LeftButton); // CE closes it as well
    EXPECT_FALSE(Liste()->isVisible());
    for (const char* nummer : {"M3", "N70", "h 1"}) {
        Tippen(nummer);
        EXPECT_FALSE(Liste()->isVisible()) << nummer;
    }
    // Return without a picked suggestion looks up the text as typed.
    Tippen("Vega");
    QTest::keyClick(Steuer<QLineEdit>(*f, "Edit_Objekt"), Qt::Key_Return);
    EXPECT_TRUE(f->Zustand.Objekt_Gueltig());
    EXPECT_EQ(f->Zustand.Objekt().Bezeichnung, "Vega");
}

TEST_F(Vorschlaege, FehlschlagWirdGesagtBisZurNaechstenEingabe) {
    const QString lang(1000, QChar('x'));
    for (const QString& t : {QString("Xyzzy"), lang, QString("Стелла ★")}) {
        Tippen(t);
        EXPECT_FALSE(Liste()->isVisible());
        QTest::keyClick(Steuer<QLineEdit>(*f, "Edit_Objekt"), Qt::Key_Return);
        EXPECT_FALSE(f->Zustand.Objekt_Gueltig());
        f->Positions_Takt();
        const QString gezeigt = t.trimmed().size() > 40 ? t.left(40) + "…" : t.trimmed();
        EXPECT_EQ(Steuer<QLabel>(*f, "Label_Objekt")->text(), "Nicht gefunden: " + gezeigt);
        EXPECT_EQ(Steuer<QLineEdit>(*f, "Edit_Objekt")->selectedText(), t.left(1));
    }
    QTest::keyClicks(Steuer<QLineEdit>(*f, "Edit_Objekt"), "M"); // the next entry begins
    f->Positions_Takt();
    EXPECT_TRUE(Steuer<QLabel>(*f, "Label_Objekt")->text().isEmpty());
    EXPECT_TRUE(r.meldungen.empty());
}

TEST_F(Vorschlaege, ReturnInDerMessierListeBestaetigt) {
    QTest::mouseClick(Steuer<TKlick_Label>(*f, "Label_Messier"), Qt::LeftButton);
    Steuer<QComboBox>(*f, "Combo")->setCurrentIndex(Steuer<QComboBox>(*f, "Combo")->findText("13"));
    emit Steuer<QComboBox>(*f, "Combo")->activated(Steuer<QComboBox>(*f, "Combo")->currentIndex());
    ASSERT_EQ(Steuer<QLineEdit>(*f, "Edit_Objekt")->text(), "M13");
    QTest::keyClick(Steuer<QComboBox>(*f, "Combo"), Qt::Key_Return);
    EXPECT_TRUE(f->Zustand.Objekt_Gueltig());
    EXPECT_EQ(f->Zustand.Objekt().Bezeichnung, "M13");
    EXPECT_FALSE(Steuer<QComboBox>(*f, "Combo")->isVisible());
    EXPECT_TRUE(Steuer<QLabel>(*f, "Label_Objekt")->text().startsWith("Messier 13"));
    EXPECT_EQ(f->focusWidget(), Steuer<QLineEdit>(*f, "Edit_Objekt"));

    // With the list dropped down, Return takes the highlighted entry and selects it.
    QTest::mouseClick(Steuer<TKlick_Label>(*f, "Label_Messier"), Qt::LeftButton);
    Steuer<QComboBox>(*f, "Combo")->setCurrentIndex(Steuer<QComboBox>(*f, "Combo")->findText("12"));
    Steuer<QComboBox>(*f, "Combo")->showPopup();
    QTest::keyClick(Steuer<QComboBox>(*f, "Combo")->view(), Qt::Key_Down);
    QTest::keyPress(Steuer<QComboBox>(*f, "Combo")->view(), Qt::Key_Return);
    EXPECT_TRUE(f->Zustand.Objekt_Gueltig());
    EXPECT_EQ(f->Zustand.Objekt().Bezeichnung, "M13");
    EXPECT_FALSE(Steuer<QComboBox>(*f, "Combo")->view()->isVisible());
}

// Return with the list open: "Beteig" names nothing, so the first suggestion
// is taken; a typed text that names an object wins over the list.
TEST_F(Vorschlaege, ReturnNimmtGetipptesOderErstenVorschlag) {
    Tippen("Beteig");
    ASSERT_TRUE(Liste()->isVisible());
    ASSERT_TRUE(Liste()->item(0)->text().startsWith("Beteigeuze"));
    QTest::keyClick(Steuer<QLineEdit>(*f, "Edit_Objekt"), Qt::Key_Return);
    EXPECT_TRUE(f->Zustand.Objekt_Gueltig());
    EXPECT_EQ(f->Zustand.Objekt().Bezeichnung, "Beteigeuze");
    EXPECT_TRUE(Steuer<QLabel>(*f, "Label_Objekt")->text().startsWith("Beteigeuze"));
    Tippen("M31");
    QTest::keyClick(Steuer<QLineEdit>(*f, "Edit_Objekt"), Qt::Key_Return);
    EXPECT_EQ(f->Zustand.Objekt().Bezeichnung, "M31");
    EXPECT_TRUE(r.meldungen.empty());
}

// A miss offers "Meinten Sie:" under the entry box; Return takes a name only
// once it is highlighted, Return before that looks the typed text up again.
TEST_F(Vorschlaege, MeintenSieNachEinemFehlschlag) {
    Tippen("Siriuss");
    QTest::keyClick(Steuer<QLineEdit>(*f, "Edit_Objekt"), Qt::Key_Return);
    EXPECT_FALSE(f->Zustand.Objekt_Gueltig());
    ASSERT_TRUE(Liste()->isVisible());
    ASSERT_GE(Liste()->count(), 2);
    EXPECT_EQ(Liste()->item(0)->text(), "Meinten Sie:");
    EXPECT_TRUE(Liste()->item(1)->text().startsWith("Sirius"));
    QTest::keyClick(Steuer<QLineEdit>(*f, "Edit_Objekt"), Qt::Key_Return);
    EXPECT_FALSE(f->Zustand.Objekt_Gueltig());
    ASSERT_TRUE(Liste()->isVisible());
    QTest::keyClick(Steuer<QLineEdit>(*f, "Edit_Objekt"), Qt::Key_Up); // wraps past the heading
    QTest::keyClick(Steuer<QLineEdit>(*f, "Edit_Objekt"), Qt::Key_Down);
    EXPECT_EQ(Liste()->currentRow(), 1);
    QTest::keyClick(Steuer<QLineEdit>(*f, "Edit_Objekt"), Qt::Key_Return);
    EXPECT_TRUE(f->Zustand.Objekt_Gueltig());
    EXPECT_EQ(f->Zustand.Objekt().Bezeichnung, "Sirius");
    EXPECT_FALSE(Liste()->isVisible());
    EXPECT_TRUE(r.meldungen.empty());
}
