#include "app/fenster_texte.hpp"

#include <cstring>
#include <utility>

#include "app/fenster_sprache.hpp"
#include "shared/kern_text.hpp"

QString Typ_Wort(const std::string& wort) {
    // The deep-sky catalogue's type column, the kinds' own types, and the
    // words of the names index. Proper-name stars carry the catalogue's
    // English "Bright Star": a star, as every other star is.
    const std::pair<const char*, QString> woerter[] = {
        {"Galaxie", Ue("Galaxie")},
        {"unbek.", Ue("unbek.")},
        {"Off.Hauf", Ue("Off.Hauf")},
        {"Stern", Ue("Stern")},
        {"Bright Star", Ue("Stern")},
        {"Gas.Neb", Ue("Gas.Neb")},
        {"Mehrf.St", Ue("Mehrf.St")},
        {"Kug.Hauf", Ue("Kug.Hauf")},
        {"Plan.Neb", Ue("Plan.Neb")},
        {"Asteris.", Ue("Asteris.")},
        {"Gal.Grup", Ue("Gal.Grup")},
        {"SN-Rest", Ue("SN-Rest")},
        {"Asteroid", Ue("Asteroid")},
        {"Eigenes Obj.", Ue("Eigenes Obj.")},
        {"Foto-Std.", Ue("Foto-Std.")},
        {"Geostat. Sat.", Ue("Geostat. Sat.")},
        {"Komet", Ue("Komet")},
        {"Veränder.", Ue("Veränder.")},
        {"Veränderlicher", Ue("Veränderlicher")},
        {"Planet", Ue("Planet")},
        {"Sonne", Ue("Sonne")},
        {"Mond", Ue("Mond")},
        {"extern", Ue("extern")},
    };
    for (const auto& [katalog, fenster] : woerter)
        if (wort == katalog) return fenster;
    return QString::fromStdString(wort);
}

namespace {
bool Beginnt_Mit(const std::string& text, const std::string& vorn) {
    return text.compare(0, vorn.size(), vorn) == 0;
}

// The object line: the Sun, the Moon and the planets by the names of the
// window's language, a target sent from outside by its words.
QString Objekt_Zeile(const std::string& text) {
    const std::pair<std::string, QString> namen[] = {
        {"Ziel von außen", Ue("Ziel von außen")},
        {"Sonne", Ue("Sonne")},
        {"Mond", Ue("Mond")},
        {Kt("Planet ") + "Merkur", Ue("Planet Merkur")},
        {Kt("Planet ") + "Neptun", Ue("Planet Neptun")}};
    for (const auto& [wort, fenster] : namen)
        if (Beginnt_Mit(text, wort) && (text.size() == wort.size() || text[wort.size()] == ' '))
            return fenster + QString::fromStdString(text.substr(wort.size()));
    return QString::fromStdString(text);
}
} // namespace

QString Fenster_Text(const char* feld, const std::string& text) {
    if (std::strcmp(feld, "Label_Typ") == 0) {
        const std::string vorn = Kt("Typ: ");
        if (Beginnt_Mit(text, vorn))
            return QString::fromStdString(vorn) + Typ_Wort(text.substr(vorn.size()));
    }
    if (std::strcmp(feld, "Label_Objekt") == 0) return Objekt_Zeile(text);
    return QString::fromStdString(text);
}
