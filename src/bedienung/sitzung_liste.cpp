// The session's observing lists and log.
#include <algorithm>

#include "bedienung/sitzung.hpp"
#include "shared/zeilen_leser.hpp"
#include "time/uhr_tick.hpp"

std::vector<Listen_Zeile> Sitzung::Liste_Aufloesen(const Beobachtungsliste& liste,
                                                   std::vector<std::string>& hinweise,
                                                   const std::atomic<bool>* abbrechen) {
    std::vector<Listen_Zeile> zeilen = Liste_Suchen(liste, Kontext(), hinweise, abbrechen);
    Liste_Rechnen(zeilen);
    return zeilen;
}

void Sitzung::Liste_Rechnen(std::vector<Listen_Zeile>& zeilen) {
    const int versatz = Zeitzone_Versatz_Minuten(zeitzone_);
    for (Listen_Zeile& z : zeilen)
        if (z.Gefunden)
            Listen_Zeile_Rechnen(z, JD_UT(), JD_PC(), Sternzeit(), parameter_, Schmidt(), versatz);
    Listen_Ordnen(zeilen);
}

std::optional<Buch_Eintrag> Sitzung::Notiz_Entwurf() const {
    if (!objekt_gueltig_) return std::nullopt;
    const Anzeige& a = anzeige_;
    Buch_Eintrag e;
    e.JD_UT = JD_UT();
    e.Versatz_Minuten = Zeitzone_Versatz_Minuten(zeitzone_);
    e.Bezeichnung = objekt_.Bezeichnung;
    e.Objektzeile = a.Position.Objekt.Zeile;
    e.Art = Art_Buchstabe(objekt_.Art);
    e.Typ = objekt_.Typ;
    e.RA2000 = objekt_.RA2000;
    e.DE2000 = objekt_.DE2000;
    std::string instrument(Schmidt() ? Caption_Schmidt_Kamera : Caption_Cassegrain);
    instrument.erase(std::remove(instrument.begin(), instrument.end(), '&'), instrument.end());
    e.Instrument = instrument;
    e.DE_Kreis = a.Position.Kreise.DE_Grad + "." + a.Position.Kreise.DE_Zehntel + "°";
    e.SW_Kreis = a.Position.Kreise.SW_Stunden + "h " + a.Position.Kreise.SW_Minuten + "min";
    e.Hoehe = a.Position.Horizont.Hoehe;
    e.Luftmasse = a.Position.Horizont.Luftmasse;
    return e;
}

std::string Sitzung::Buch_Pfad() const {
    return Pfad_In(daten_ordner_, Beobachtungsbuch_Name);
}

void Sitzung::Notieren(const Buch_Eintrag& eintrag) {
    Buch_Anhaengen(Buch_Pfad(), eintrag);
}
