// The comet element file: the input is loaded as the program loads
// Kometen.txt, every line is cut into its fields and its place and brightness
// computed (the solvers for every kind of orbit), the list is made, and the
// first comet is looked up by its designation at three instants.
#include <cstddef>
#include <cstdint>
#include <string>

#include "catalog/kleinkoerper_suche.hpp"
#include "catalog/listen.hpp"
#include "fuzz_hilfe.hpp"
#include "orbits/element_tabellen.hpp"
#include "shared/text.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    static Kometen_Tabelle tabelle; // kept: the loader clears each entry it fills
    const std::string pfad = fuzz::Schreiben("Kometen.txt", fuzz::Text(daten, groesse));
    std::int32_t anzahl = 0;
    fuzz::Versuchen([&] { Kometen_Zeilen_Laden(pfad, tabelle, anzahl); });
    fuzz::Versuchen([&] { Kometen_Auswerten(tabelle, anzahl, 2460000.5); });

    Such_Kontext kontext;
    kontext.Daten_Ordner = fuzz::Ordner();
    kontext.Katalog_Ordner = fuzz::Ordner();
    kontext.Kometen = &tabelle;
    kontext.Anzahl_Kometen = anzahl;
    Komet_Type aktuell;
    kontext.Komet_Aktuell = &aktuell;
    fuzz::Versuchen([&] { Listen_Eintraege('K', kontext); });
    if (anzahl < 1) return 0;
    const std::string name = Gross(Trimmen(Spalten(tabelle[1].Zeile, 100, 355)));
    if (name.empty()) return 0;
    for (double jd : {2451545.0, 2460000.5, 2470000.5}) {
        kontext.JD_UT = jd;
        Objekt_Type objekt;
        fuzz::Versuchen([&] {
            if (Komet_Suchen(name, kontext, objekt)) fuzz::Gefunden(objekt);
        });
    }
    return 0;
}
