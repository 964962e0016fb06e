// Everyday spellings, common names from the names file, the own-objects file
// at E entries and the suggestion index, with the small test catalogues.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "catalog/namen_suche.hpp"
#include "catalog/namen_vorschlaege.hpp"
#include "catalog/objekt_suche.hpp"
#include "eigener_ordner.hpp"
#include "shared/fehler.hpp"

namespace fs = std::filesystem;

namespace {
const std::string Daten = std::string(STELUX_TEST_DATEN) + "/catalog";

// A copy of the test catalogues whose names file a test may change or remove.
struct Kopie {
    fs::path pfad = Eigener_Temp_Pfad("stelux_namen_test");
    Kopie() {
        fs::remove_all(pfad);
        fs::create_directories(pfad);
        for (const auto& d : fs::directory_iterator(Daten))
            if (d.path().extension() == ".txt") fs::copy_file(d.path(), pfad / d.path().filename());
    }
    ~Kopie() { fs::remove_all(pfad); }
    Such_Kontext Kontext(Namen_Meldung* m = nullptr) const {
        Such_Kontext k;
        k.JD_UT = 2461001.1;
        k.Katalog_Ordner = k.Daten_Ordner = pfad.string();
        k.Meldung = m;
        return k;
    }
};

std::string Gefunden(const std::string& text, const Such_Kontext& k) {
    Objekt_Type o;
    return Objekt_Suchen(text, k, o) ? o.Bezeichnung : "-";
}
} // namespace

TEST(Namen, AlltagsschreibweisenWerdenZurKurzform) {
    const std::pair<const char*, const char*> faelle[] = {{"NGC 7000", "N7000"},
                                                          {"NGC7000", "N7000"},
                                                          {"ngc  7000A", "N7000A"},
                                                          {"N 7000", "N7000"},
                                                          {"IC 1396", "I1396"},
                                                          {"ic1396", "I1396"},
                                                          {"HIP 32349", "H32349"},
                                                          {"SAO 151881", "S151881"},
                                                          {"Messier 31", "M31"},
                                                          {"messier31", "M31"},
                                                          {" M 31 ", "M31"},
                                                          {"M31", "M31"},
                                                          {"Mira", "Mira"},
                                                          {"NGC", "NGC"},
                                                          {"HD 48915", "HD 48915"},
                                                          {"N 70 00", "N 70 00"},
                                                          {"  ", ""},
                                                          {"Sirius ", "Sirius"}};
    for (const auto& [ein, aus] : faelle) EXPECT_EQ(Kurzform(ein), aus) << ein;
}

TEST(Namen, GemeinsameNamenUndEigeneObjekte) {
    Kopie kopie;
    Namen_Meldung m;
    const Such_Kontext k = kopie.Kontext(&m);
    const std::pair<const char*, const char*> faelle[] = {
        {"Andromeda", "M31"},        // also a word prefix of N9998's name: Messier wins
        {"andromeda twin", "N9998"}, // the whole name
        {"Andromeda  Galaxy", "M31"},
        {"North America", "N7000"},
        {"Elefantenrüssel", "I1396"},
        {"ELEFANTENRÜSSEL", "I1396"},
        {"Androm", "-"}, // not a whole word
        {"NGC 7000", "N7000"},
        {"Enif", "Enif"}};
    for (const auto& [ein, aus] : faelle) EXPECT_EQ(Gefunden(ein, k), aus) << ein;
    EXPECT_TRUE(m.Text.empty());

    // Without the own-objects file an E entry falls through to the stars; the
    // missing file is reported only when nothing else matched.
    fs::remove(kopie.pfad / "Eigene_Objekte.txt");
    EXPECT_EQ(Gefunden("Enif", k), "Enif");
    Objekt_Type o;
    EXPECT_THROW(Objekt_Suchen("ETestfeld A", k, o), Ein_Ausgabe_Fehler);
}

TEST(Namen, FehlendeOderKaputteNamensdateiNurEinmalGemeldet) {
    for (const char* inhalt : {"", "Kopf\r\nM31     3.4 Andromeda Galaxy\r\nX99 kaputt\r\n"}) {
        Kopie kopie;
        if (*inhalt)
            std::ofstream(kopie.pfad / Datei_Deepsky_Namen, std::ios::binary) << inhalt;
        else
            fs::remove(kopie.pfad / Datei_Deepsky_Namen);
        Namen_Meldung m;
        const Such_Kontext k = kopie.Kontext(&m);
        EXPECT_EQ(Gefunden("Andromeda", k), "-");
        EXPECT_NE(m.Text.find(Datei_Deepsky_Namen), std::string::npos) << m.Text;
        m.Text.clear();
        // The rest of the lookup works, and the message comes once.
        EXPECT_EQ(Gefunden("NGC 7000", k), "N7000");
        EXPECT_EQ(Gefunden("Sirius", k), "Sirius");
        EXPECT_TRUE(m.Text.empty());
    }
}

TEST(Namen, VorschlaegeNachWortanfang) {
    Kopie kopie;
    const Vorschlags_Index index = Vorschlags_Index_Bauen(kopie.Kontext());
    struct Fall {
        const char* eingabe;
        const char* erster; // nullptr: no suggestion
    };
    const Fall faelle[] = {{"Sir", "Sirius"},
                           {"sir", "Sirius"},
                           {"galaxy", "Andromeda Galaxy"},
                           {"andromeda", "Andromeda Galaxy"}, // brighter than the twin
                           {"ame", "North America Nebula"},
                           {"Ven", "Venus"},
                           {"M3", nullptr},
                           {"N 7000", nullptr},
                           {"S", nullptr},
                           {"Xyz", nullptr}};
    for (const Fall& f : faelle) {
        const std::vector<Vorschlag> v = index.Suchen(f.eingabe);
        if (!f.erster) {
            EXPECT_TRUE(v.empty()) << f.eingabe;
            continue;
        }
        ASSERT_FALSE(v.empty()) << f.eingabe;
        EXPECT_EQ(v[0].Text, f.erster) << f.eingabe;
        EXPECT_EQ(index.Suchen_Linear(f.eingabe).size(), v.size()) << f.eingabe;
    }
    EXPECT_EQ(index.Suchen("Andromeda Galaxy")[0].Eingabe, "M31");
    EXPECT_TRUE(index.Suchen(std::string(1000, 'a')).empty());
    EXPECT_LE(index.Suchen("e", 12).size(), 12u);
}

// "Meinten Sie" with several names, in order: nearer first, a whole name
// before a mere beginning, names before designations, then the brighter;
// one per object, no more than asked.
TEST(Namen, MeintenSieMehrereInReihenfolge) {
    Vorschlags_Index index;
    for (const Vorschlag& v : std::vector<Vorschlag>{{"Mirach", "Mirach", "Stern", 2.1, 0},
                                                     {"Miram", "Miram", "Stern", 5.0, 1},
                                                     {"Miras", "Miras", "Stern", 6.0, 0},
                                                     {"Mira Ceti", "Mira", "Stern", 3.0, 0},
                                                     {"Mira", "Mira", "Stern", 3.0, 0},
                                                     {"Moray", "Moray", "Stern", 1.0, 0}})
        index.Hinzufuegen(v);
    index.Fertig();
    const auto texte = [&](std::size_t hoechstens) {
        std::string t;
        for (const Vorschlag& v : index.Aehnliche("Mirax", hoechstens)) t += v.Text + "|";
        return t;
    };
    EXPECT_EQ(texte(5), "Mira|Miras|Miram|Mirach|");
    EXPECT_EQ(texte(2), "Mira|Miras|");
}
