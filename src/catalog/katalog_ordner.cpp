#include "catalog/katalog_ordner.hpp"

#include <filesystem>

#include "catalog/katalog_zeilen.hpp"
#include "shared/zeilen_leser.hpp"

namespace {
std::vector<std::string> Katalogdateien() {
    std::vector<std::string> namen = {
        Datei_NGC,        Datei_SAO,     Datei_HIP,          Datei_Veraenderliche,
        Datei_Fotometrie, Datei_Geostat, Datei_Helle_Sterne, Datei_Flamsteed};
    for (const char* planet : Planeten_Namen) namen.push_back(Ephemeriden_Datei(planet));
    return namen;
}
} // namespace

std::vector<std::string> Fehlende_Katalogdateien(const std::string& ordner) {
    std::vector<std::string> fehlende;
    for (const std::string& name : Katalogdateien()) {
        std::error_code fehler;
        if (!std::filesystem::is_regular_file(Pfad_Aus_Utf8(Pfad_In(ordner, name)), fehler))
            fehlende.push_back(name);
    }
    return fehlende;
}

std::string Katalog_Hinweis(const std::string& ordner_voll,
                            const std::vector<std::string>& fehlende) {
    if (fehlende.empty()) return {};
    std::string text;
    if (fehlende.size() == Katalogdateien().size()) {
        text = "Im Ordner " + ordner_voll +
               ", in dem Stelux gestartet wurde, liegen keine Katalogdateien: keine Suche nach "
               "Sternen, Nebeln, Sonne und Planeten wird gelingen.";
    } else {
        text = "Im Katalogordner " + ordner_voll + " fehlen:";
        for (const std::string& name : fehlende) text += "\n  " + name;
    }
    return text + "\n\nStelux liest die Kataloge aus dem Ordner, in dem es startet. Abhilfe: "
                  "Stelux mit \"./einrichten.sh starten\" (im Quellordner) oder mit "
                  "\"stelux-starten\" starten; beide erzeugen die Kataloge in "
                  "~/.local/share/stelux/katalog und starten Stelux dort.";
}
