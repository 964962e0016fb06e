#include "basis/beobachter_angaben.hpp"

#include <cstdlib>

#include "shared/datei_oeffnen.hpp"
#include "shared/text.hpp"
#include "shared/zahlen.hpp"
#include "shared/zeilen_leser.hpp"

std::string Einstellungen_Pfad_Ohne_Qt() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    std::string basis = xdg && *xdg ? xdg : (home ? std::string(home) + "/.config" : ".");
    return basis + "/Stelux/stelux.ini";
}

Beobachter_Angaben Beobachter_Angaben_Lesen(const std::string& ini_pfad) {
    Beobachter_Angaben b;
    try {
        if (!Datei_Lesend_Oeffnen(ini_pfad, true)) return b;
        Zeilen_Leser leser(ini_pfad);
        std::string_view z;
        std::string gruppe;
        while (leser.Naechste(z)) {
            const std::string_view t = Trimmen(z);
            if (t.size() >= 2 && t.front() == '[' && t.back() == ']') {
                gruppe = std::string(t.substr(1, t.size() - 2));
                continue;
            }
            const std::size_t gleich = t.find('=');
            if (gruppe != "Beobachter" || gleich == std::string_view::npos) continue;
            const std::string_view schluessel = Trimmen(t.substr(0, gleich));
            std::string_view wert = Trimmen(t.substr(gleich + 1));
            if (wert.size() >= 2 && wert.front() == '"' && wert.back() == '"')
                wert = wert.substr(1, wert.size() - 2);
            const std::string text = Ist_Utf8(wert) ? std::string(wert) : Cp1252_Zu_Utf8(wert);
            if (schluessel == "Vorname") b.Vorname = text;
            if (schluessel == "Nachname") b.Nachname = text;
            if (schluessel == "Brennweite_40") b.Brennweite_40 = Reell_Versuchen(wert).value_or(0);
            if (schluessel == "Brennweite_60") b.Brennweite_60 = Reell_Versuchen(wert).value_or(0);
        }
    } catch (const std::exception&) {
        // An unreadable settings file counts as one without the entries.
    }
    return b;
}
