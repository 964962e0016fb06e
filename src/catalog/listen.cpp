#include "catalog/listen.hpp"

#include <algorithm>

#include "catalog/ephemeriden.hpp"
#include "catalog/katalog_zeilen.hpp"
#include "shared/text.hpp"
#include "shared/zeilen_leser.hpp"

namespace {
// One column range of every data line of a catalogue file, after its header.
std::vector<std::string> Datei_Spalten(const std::string& ordner, const char* datei,
                                       Katalog_Format format, Spalten_Bereich spalten,
                                       bool trimmen) {
    std::vector<std::string> eintraege;
    Zeilen_Leser leser(Pfad_In(ordner, datei));
    if (!Kopf_Ueberspringen(format, leser)) return eintraege;
    std::string_view zeile;
    while (leser.Naechste(zeile))
        eintraege.push_back(trimmen ? Text_Feld(zeile, spalten.von, spalten.bis)
                                    : Text_Feld_Roh(zeile, spalten.von, spalten.bis));
    return eintraege;
}

// Columns of the element lines of a table, entries 1..anzahl in their present order.
template <class Tabelle>
std::vector<std::string> Tabellen_Spalten(const Tabelle* tabelle, int anzahl, int von, int bis) {
    std::vector<std::string> eintraege;
    if (!tabelle || tabelle->empty()) return eintraege;
    const int letzte = std::min(anzahl, static_cast<int>(tabelle->size()) - 1);
    for (int i = 1; i <= letzte; ++i)
        eintraege.push_back(Text_Feld((*tabelle)[static_cast<std::size_t>(i)].Zeile, von, bis));
    return eintraege;
}
} // namespace

std::vector<std::string> Listen_Eintraege(char buchstabe, const Such_Kontext& kontext) {
    switch (buchstabe) {
    case 'M': {
        // M40, a double star, and M45, the Pleiades, are left out of the list.
        std::vector<std::string> eintraege;
        for (int n = 1; n <= 110; ++n)
            if (n != 40 && n != 45) eintraege.push_back(std::to_string(n));
        return eintraege;
    }
    case 'P':
        return {std::begin(Sonnensystem_Namen), std::end(Sonnensystem_Namen)};
    case 'A':
        return Tabellen_Spalten(kontext.Asteroiden, kontext.Anzahl_Asteroiden, 167, 194);
    case 'K':
        return Tabellen_Spalten(kontext.Kometen, kontext.Anzahl_Kometen, 103, 137);
    case 'V':
        // Untrimmed: the entry box gets the ten name columns as they stand.
        return Datei_Spalten(kontext.Katalog_Ordner, Datei_Veraenderliche,
                             Katalog_Format::Veraenderliche, Schluessel_Veraenderliche, false);
    case 'F':
        return Datei_Spalten(kontext.Katalog_Ordner, Datei_Fotometrie, Katalog_Format::Fotometrie,
                             Schluessel_Fotometrie, true);
    case 'E':
        return Datei_Spalten(kontext.Daten_Ordner, Datei_Eigene, Katalog_Format::Eigene,
                             Schluessel_Eigene, true);
    case 'G':
        return Datei_Spalten(kontext.Katalog_Ordner, Datei_Geostat, Katalog_Format::Geostat,
                             Schluessel_Geostat, true);
    default:
        return {};
    }
}
