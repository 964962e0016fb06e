// The English window speaks English, the catalogue type words included, and
// the German window German; the object line carries a deep-sky name in full
// where the catalogue cuts it.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "app/fenster_sprache.hpp"
#include "app/fenster_texte.hpp"
#include "hilfen.hpp"
#include "shared/kern_text.hpp"

namespace {
struct Texte : Fenster_Test, ::testing::WithParamInterface<Sprache> {
    void SetUp() override {
        ASSERT_TRUE(Sprache_Anwenden(GetParam()));
        Fenster_Test::SetUp();
    }
    void TearDown() override {
        Fenster_Test::TearDown();
        Sprache_Anwenden(Sprache::Deutsch);
    }
    bool englisch() const { return GetParam() == Sprache::Englisch; }
    QString Feld(const char* name) const { return Steuer<QLabel>(*f, name)->text(); }
};
} // namespace

TEST_P(Texte, TypwoerterUndVolleNamen) {
    // A proper-name star: its catalogue says "Bright Star", a Bayer star "Stern".
    ASSERT_TRUE(f->Objekt_Waehlen("Vega"));
    EXPECT_EQ(Feld("Label_Typ"), englisch() ? "Type: Star" : "Typ: Stern");
    // M13: the catalogue cuts the name at 16 characters, the names file has it whole.
    ASSERT_TRUE(f->Objekt_Waehlen("M13"));
    EXPECT_TRUE(Feld("Label_Objekt").contains("Hercules Globular Cluster"))
        << Feld("Label_Objekt").toStdString();
    EXPECT_EQ(f->Zustand.Stand().Name_Voll, "Hercules Globular Cluster");
    EXPECT_TRUE(f->Zustand.Stand().Position.Objekt.Zeile.find("Hercules Globula;") !=
                std::string::npos);

    // The words of the core's texts and of the catalogue type column.
    const std::pair<std::string, QString> faelle[] = {
        {Kt("Typ: ") + "Kug.Hauf", englisch() ? "Type: Glob. cl." : "Typ: Kug.Hauf"},
        {Kt("Typ: ") + "Gas.Neb", englisch() ? "Type: Neb." : "Typ: Gas.Neb"},
        {Kt("Typ: ") + "Galaxie", englisch() ? "Type: Galaxy" : "Typ: Galaxie"},
        {Kt("Typ: ") + "Komet", englisch() ? "Type: Comet" : "Typ: Komet"},
        {Kt("Typ: ") + "Mond", englisch() ? "Type: Moon" : "Typ: Mond"},
        {Kt("Typ: ") + "extern", englisch() ? "Type: external" : "Typ: extern"},
    };
    for (const auto& [kern, fenster] : faelle) EXPECT_EQ(Fenster_Text("Label_Typ", kern), fenster);
    EXPECT_EQ(Fenster_Text("Label_Objekt", "Ziel von außen · M13"),
              englisch() ? "Target from outside · M13" : "Ziel von außen · M13");
    EXPECT_EQ(Fenster_Text("Label_Objekt", "Mond   402863 km"),
              englisch() ? "Moon   402863 km" : "Mond   402863 km");
    // A name that merely begins with a body's name stays as it is.
    EXPECT_EQ(Fenster_Text("Label_Objekt", "Mondsichel"), "Mondsichel");

    // The suggestions while typing name the kind in the window's language.
    auto* edit = Steuer<QLineEdit>(*f, "Edit_Objekt");
    edit->setFocus();
    edit->clear();
    QTest::keyClicks(edit, "Veg");
    auto* liste = f->findChild<QListWidget*>();
    ASSERT_TRUE(QTest::qWaitFor([&] { return liste && liste->isVisible() && liste->count() > 0; }));
    EXPECT_TRUE(liste->item(0)->text().contains(englisch() ? "(Star" : "(Stern"))
        << liste->item(0)->text().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Fenster, Texte, ::testing::Values(Sprache::Deutsch, Sprache::Englisch),
                         [](const auto& p) {
                             return std::string(p.param == Sprache::Englisch ? "Englisch"
                                                                             : "Deutsch");
                         });
