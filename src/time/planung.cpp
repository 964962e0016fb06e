#include "time/planung.hpp"

#include <cstdio>

#include "shared/kern_text.hpp"

Planungs_Zeitpunkt Planung_Berechnen(bool gueltig, int jahr, int monat, int tag, int stunde,
                                     int minute, std::int64_t gewaehlt_ms, std::int64_t jetzt_ms) {
    Planungs_Zeitpunkt p;
    if (!gueltig || jahr < Planung_Jahr_Von || jahr > Planung_Jahr_Bis) {
        p.Meldung =
            Kt("Der Zeitpunkt muss zwischen %1 und %2 liegen; die Anzeige bleibt, wie sie ist.",
               {std::to_string(Planung_Jahr_Von), std::to_string(Planung_Jahr_Bis)});
        return p;
    }
    char marke[64];
    std::snprintf(marke, sizeof marke, "%04d-%02d-%02d %02d:%02d", jahr, monat, tag, stunde,
                  minute);
    p.Angenommen = true;
    p.Versatz_ms = gewaehlt_ms - jetzt_ms;
    p.Marke = Kt("PLANUNG %1   ", {marke});
    return p;
}
