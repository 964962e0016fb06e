// The entry box: the input is a designation as typed (UTF-8). It goes through
// the planet-name rule and the lookup against small catalogue, ephemeris and
// element files (fuzz/daten), as stelux-cli and the window look it up, and
// through the suggestions and "Meinten Sie" over the names of those files.
#include <cstddef>
#include <cstdint>
#include <string>

#include "catalog/eingabe.hpp"
#include "catalog/namen_vorschlaege.hpp"
#include "catalog/objekt_suche.hpp"
#include "fuzz_hilfe.hpp"
#include "orbits/element_tabellen.hpp"
#include "shared/text.hpp"
#include "shared/zeilen_leser.hpp"

namespace {
struct Daten {
    Asteroiden_Tabelle asteroiden;
    Kometen_Tabelle kometen;
    std::int32_t anzahl_asteroiden = 0;
    std::int32_t anzahl_kometen = 0;
    Daten() {
        const std::string ordner = STELUX_FUZZ_DATEN;
        Asteroiden_Zeilen_Laden(Pfad_In(ordner, "Asteroiden.txt"), asteroiden, anzahl_asteroiden);
        Asteroiden_Auswerten(asteroiden, anzahl_asteroiden, Zeitpunkt);
        Kometen_Zeilen_Laden(Pfad_In(ordner, "Kometen.txt"), kometen, anzahl_kometen);
        Kometen_Auswerten(kometen, anzahl_kometen, Zeitpunkt);
    }
    // The instant the ephemeris slices in fuzz/daten cover (2025-01-01 0h UT).
    static constexpr double Zeitpunkt = 2460676.5;
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    static const Daten d;
    Such_Kontext kontext;
    kontext.JD_UT = Daten::Zeitpunkt;
    kontext.Katalog_Ordner = STELUX_FUZZ_DATEN;
    kontext.Daten_Ordner = STELUX_FUZZ_DATEN;
    kontext.Asteroiden = &d.asteroiden;
    kontext.Anzahl_Asteroiden = d.anzahl_asteroiden;
    kontext.Kometen = &d.kometen;
    kontext.Anzahl_Kometen = d.anzahl_kometen;
    Asteroid_Type asteroid;
    Komet_Type komet;
    kontext.Asteroid_Aktuell = &asteroid;
    kontext.Komet_Aktuell = &komet;
    static const Vorschlags_Index index = Vorschlags_Index_Bauen(kontext);
    const std::string eingabe(fuzz::Text(daten, groesse));
    for (const auto& v : {index.Suchen(eingabe), index.Aehnliche(eingabe)})
        if (v.size() > 12) __builtin_trap();
    const std::string text = Planeten_Namen_Regel(eingabe);
    Objekt_Type objekt;
    fuzz::Versuchen([&] {
        if (Objekt_Suchen(text, kontext, objekt)) fuzz::Gefunden(objekt);
    });
    return 0;
}
