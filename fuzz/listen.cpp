// Observing lists and the observing log: the input is read as a .skylist, a
// CSV list, a text list and as Beobachtungsbuch.csv, exactly as the program
// reads them; what was read is written back (.skylist, log CSV, OAL) and the
// .skylist read again.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "buch/oal_export.hpp"
#include "catalog/beobachtungsliste.hpp"
#include "catalog/namen_suche.hpp"
#include "fuzz_hilfe.hpp"
#include "planung/listen_ordnung.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string_view text = fuzz::Text(daten, groesse);
    for (const char* name : {"liste.skylist", "liste.csv", "liste.txt"}) {
        const std::string pfad = fuzz::Schreiben(name, text);
        fuzz::Versuchen([&] {
            const Beobachtungsliste l = Liste_Lesen(pfad);
            if (l.Eintraege.size() > Liste_Max_Eintraege) std::abort();
            std::vector<Skylist_Objekt> objekte;
            for (const Listen_Eintrag& e : l.Eintraege) {
                if (e.Kandidaten.empty()) std::abort(); // an entry always has something to try
                objekte.push_back(
                    {Katalognummer(Kurzform(e.Kandidaten.front())), e.Name, e.Beobachtet_JD});
            }
            // Written and read back: as many objects, nothing reported.
            const std::string zurueck = fuzz::Schreiben("zurueck.skylist", Skylist_Text(objekte));
            const Beobachtungsliste w = Liste_Lesen(zurueck);
            if (w.Eintraege.size() != objekte.size() || !w.Hinweise.empty()) std::abort();
        });
    }
    const std::string buch = fuzz::Schreiben("Beobachtungsbuch.csv", text);
    fuzz::Versuchen([&] {
        const Beobachtungsbuch b = Buch_Lesen(buch);
        for (const Buch_Eintrag& e : b.Eintraege) {
            if (!std::isfinite(e.JD_UT) || !std::isfinite(e.RA2000) || !std::isfinite(e.DE2000))
                std::abort();
            (void)Buch_Nacht(e);
        }
        // A rewrite keeps every entry and every damaged line.
        const Beobachtungsbuch n = Buch_Aendern(buch, [](Beobachtungsbuch&) {});
        const Beobachtungsbuch w = Buch_Lesen(buch);
        if (n.Eintraege.size() != b.Eintraege.size() || w.Eintraege.size() != b.Eintraege.size() ||
            w.Beschaedigt != b.Beschaedigt)
            std::abort();
        Oal_Angaben a;
        a.Nachname = "Test";
        a.Brennweite_40 = a.Brennweite_60 = 1000;
        (void)Oal_Text(b.Eintraege, a);
        (void)Skylist_Text(Skylist_Aus_Buch(b.Eintraege));
    });
    return 0;
}
