#include "catalog/kleinkoerper_suche.hpp"

#include <cstddef>

#include "astro/sternbild.hpp"
#include "catalog/katalog_zeilen.hpp"
#include "orbits/element_zeilen.hpp"
#include "orbits/kleinkoerper_ort.hpp"
#include "shared/fehler.hpp"
#include "shared/konstanten.hpp"
#include "shared/text.hpp"
#include "shared/zeilen_leser.hpp"

namespace {
// The fields every minor body shares once its place is known.
void Kleinkoerper_Fuellen(Objekt_Type& objekt, const char* art, const std::string& name, double ra,
                          double de, double mag) {
    objekt.Katalog = std::string(art) + " ";
    objekt.Bezeichnung = art[0] + name;
    objekt.Typ = art;
    objekt.RA2000 = ra;
    objekt.DE2000 = de;
    objekt.VMag = mag;
    objekt.Con = Sternbild(ra * Pi / 12.0, de * Pi / 180.0, JD2000);
    objekt.BMag = UNBEKANNT;
    Ohne_Groesse_Und_Distanz(objekt);
    objekt.Klasse.clear();
    objekt.Alias.clear();
}

// A body whose elements give no place: the observer is told which one.
[[noreturn]] void Keine_Bahn(const std::string& art, const std::string& name) {
    throw Bereichs_Fehler(art + " " + name +
                          ": aus den Bahnelementen ist keine Position berechenbar");
}
} // namespace

bool Asteroid_Suchen(const std::string& K, const Such_Kontext& kontext, Objekt_Type& objekt) {
    if (!kontext.Asteroiden) return false;
    const Asteroiden_Tabelle& tabelle = *kontext.Asteroiden;
    // Never past the end of the table, even an empty one.
    std::int32_t anzahl = kontext.Anzahl_Asteroiden;
    const auto letzte = static_cast<std::int32_t>(tabelle.size()) - 1;
    if (anzahl > letzte) anzahl = letzte;
    for (std::int32_t i = 1; i <= anzahl; ++i) {
        const Asteroid_Type& eintrag = tabelle[static_cast<std::size_t>(i)];
        if (Gross(Trimmen(Spalten(eintrag.Zeile, 167, 194))).find(K) == std::string::npos) continue;
        Asteroid_Type rec;
        rec.Zeile = eintrag.Zeile;
        rec.Nummer = eintrag.Nummer;
        double ra = 0, de = 0, mag = UNBEKANNT;
        const bool perihel = Asteroid_Zerlegen(rec);
        if (!perihel || !ASTEROIDENORT(rec, kontext.JD_UT, ra, de, mag))
            Keine_Bahn("Asteroid", rec.Name);
        rec.Helligkeit = mag;
        if (kontext.Asteroid_Aktuell) *kontext.Asteroid_Aktuell = rec;
        Kleinkoerper_Fuellen(objekt, "Asteroid", rec.Name, ra, de, mag);
        return true;
    }
    return false;
}

bool Komet_Suchen(const std::string& K, const Such_Kontext& kontext, Objekt_Type& objekt) {
    Zeilen_Leser leser(Pfad_In(kontext.Daten_Ordner, "Kometen.txt"));
    std::string_view zeile;
    while (leser.Naechste(zeile)) {
        // Designation, name and reference: the 256 characters from column 100 on.
        if (Gross(Spalten(zeile, 100, 355)).find(K) == std::string::npos) continue;
        Komet_Type rec;
        rec.Zeile.assign(zeile);
        rec.Nummer = static_cast<std::int32_t>(leser.Zeilennummer());
        Komet_Zerlegen(rec);
        double ra = 0, de = 0, mag = UNBEKANNT;
        if (!KOMETENORT(rec, kontext.JD_UT, ra, de, mag))
            Keine_Bahn("Komet", std::string(Trimmen(rec.Name)));
        rec.Helligkeit = mag;
        if (kontext.Komet_Aktuell) *kontext.Komet_Aktuell = rec;
        Kleinkoerper_Fuellen(objekt, "Komet", rec.Name, ra, de, mag);
        return true;
    }
    return false;
}
