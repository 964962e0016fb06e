#include "bedienung/beobachtbar_liste.hpp"

#include <algorithm>

#include "bedienung/sitzung.hpp"
#include "shared/konstanten.hpp"
#include "shared/zahlen.hpp"
#include "time/uhr_tick.hpp"

Beobachtbar_Eingabe Beobachtbar_Eingabe_Von(const Sitzung& s) {
    Beobachtbar_Eingabe e;
    e.JD_UT = s.JD_UT();
    e.JD_PC = s.JD_PC();
    e.Parameter = s.Parameter();
    e.Versatz_Minuten = Zeitzone_Versatz_Minuten(s.Zeitzone());
    // Only the tables and the folder: the window builds the list on another
    // thread, which must not write into the selection.
    e.Kontext.Daten_Ordner = s.Daten_Ordner();
    e.Kontext.Asteroiden = &s.Asteroiden();
    e.Kontext.Anzahl_Asteroiden = s.Anzahl_Asteroiden();
    e.Kontext.Kometen = &s.Kometen();
    e.Kontext.Anzahl_Kometen = s.Anzahl_Kometen();
    return e;
}

std::vector<std::string> Beobachtbar_Zeilen_Text(std::vector<Beobachtbar_Zeile> zeilen,
                                                 const Beobachtbar_Filter& filter) {
    std::erase_if(zeilen,
                  [&](const Beobachtbar_Zeile& z) { return !Beobachtbar_Im_Filter(z, filter); });
    std::stable_sort(
        zeilen.begin(), zeilen.end(),
        [](const Beobachtbar_Zeile& a, const Beobachtbar_Zeile& b) { return a.Hoehe > b.Hoehe; });
    std::vector<std::string> aus;
    for (const Beobachtbar_Zeile& z : zeilen)
        aus.push_back(z.Kennung + '\t' + z.Name + '\t' + Beobachtbar_Art_Text(z.Art) + '\t' +
                      (z.VMag < UNBEKANNT ? Fest(z.VMag, 1) : "–") + '\t' + Fest(z.Hoehe, 1) +
                      '\t' + Fest(z.Azimut, 1) + '\t' + z.Zeit);
    return aus;
}
