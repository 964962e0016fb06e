#include "time/planung.hpp"

#include <cstdio>

Planungs_Zeitpunkt Planung_Berechnen(bool gueltig, int jahr, int monat, int tag, int stunde,
                                     int minute, std::int64_t gewaehlt_ms, std::int64_t jetzt_ms) {
    Planungs_Zeitpunkt p;
    if (!gueltig || jahr < Planung_Jahr_Von || jahr > Planung_Jahr_Bis) {
        p.Meldung = "Der Zeitpunkt muss zwischen " + std::to_string(Planung_Jahr_Von) + " und " +
                    std::to_string(Planung_Jahr_Bis) + " liegen; die Anzeige bleibt, wie sie ist.";
        return p;
    }
    char marke[64];
    std::snprintf(marke, sizeof marke, "PLANUNG %04d-%02d-%02d %02d:%02d   ", jahr, monat, tag,
                  stunde, minute);
    p.Angenommen = true;
    p.Versatz_ms = gewaehlt_ms - jetzt_ms;
    p.Marke = marke;
    return p;
}
