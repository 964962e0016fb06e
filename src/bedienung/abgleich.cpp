#include "bedienung/abgleich.hpp"

#include <cmath>
#include <memory>

#include "bedienung/sitzung.hpp"
#include "pointing/instrument.hpp"
#include "shared/datei_schreiben.hpp"
#include "shared/fehler.hpp"
#include "shared/kern_text.hpp"
#include "shared/konstanten.hpp"
#include "shared/zeilen_leser.hpp"
#include "time/zeitpunkt.hpp"

namespace {

int Index(int instrument) {
    return instrument == 40 ? 0 : 1;
}

} // namespace

std::vector<Modell_Sichtung> Abgleich_Eingaben(const std::vector<Abgleich_Sichtung>& sichtungen,
                                               int instrument, const Parameter_Type& parameter,
                                               const std::string& daten, bool refraktion,
                                               const std::string& pfad) {
    const bool schmidt = instrument == 40;
    const double sw_korr = SW_Korrektur(parameter, schmidt) / 60.0; // hours
    const double de_korr = DE_Korrektur(parameter, schmidt);        // degrees
    std::unique_ptr<Sitzung> suche;                                 // only for lines that need it
    std::vector<Modell_Sichtung> ein;
    for (const auto& s : sichtungen) {
        const std::string ort =
            s.Zeile > 0 ? Voller_Pfad(pfad) + ", Zeile " + std::to_string(s.Zeile) + ": " : "";
        if (s.Instrument != instrument)
            throw Bereichs_Fehler(ort + "Sichtung mit dem " + std::to_string(s.Instrument) +
                                  "cm, angepasst wird das " + std::to_string(instrument) + "cm");
        double h = s.Stundenwinkel, d = s.Deklination;
        if (!s.Berechnet) {
            if (!suche) {
                suche = std::make_unique<Sitzung>();
                suche->Daten_Ordner_Setzen(daten);
                suche->Parameter_Uebernehmen(parameter);
                suche->Elemente_Bei_Bedarf();
                suche->Refraktion_Setzen(refraktion);
            }
            Zeitzone_Info ut;
            ut.Zustand = 0; // the PC clock at UT
            suche->Uhr_Schritt(s.JD_UT, ut);
            const Auswahl_Ergebnis r = suche->Auswaehlen(s.Bezeichnung);
            if (r.Fehler) std::rethrow_exception(r.Fehler);
            if (!r.Gefunden)
                throw Bereichs_Fehler(ort + s.Bezeichnung + " nicht gefunden (" +
                                      Zeitpunkt_Text(s.JD_UT) + " UT)");
            h = r.Stand.Position.Stundenwinkel;
            d = r.Stand.Position.Deklination;
        }
        Modell_Sichtung m;
        m.H = h * Std_Zu_Rad;
        m.D = d * Grad_Zu_Rad;
        m.dH = std::remainder(s.SW_Abgelesen - h - sw_korr, 24.0) * 15 * 60;
        m.dD = (s.DE_Abgelesen - d - de_korr) * 60;
        m.Name = s.Bezeichnung;
        ein.push_back(m);
    }
    return ein;
}

// --- The session's part ---

std::vector<std::string> Sitzung::Modelle_Laden() {
    std::vector<std::string> meldungen;
    for (int instrument : {40, 60}) {
        auto& m = modelle_[Index(instrument)];
        m.reset();
        const std::string pfad = Pfad_In(daten_ordner_, Zeigemodell_Dateiname(instrument));
        try {
            m = Zeigemodell_Lesen(pfad);
            // A hand-edited file may hold terms each within the bound that
            // together shift the sky beyond it.
            if (m)
                if (const std::string grund =
                        Modell_Grenzen_Pruefen(*m, parameter_.Breite * Grad_Zu_Rad);
                    !grund.empty())
                    throw Bereichs_Fehler(Voller_Pfad(pfad) + ": " + grund);
        } catch (const std::exception& e) {
            m.reset();
            meldungen.push_back(std::string(e.what()) + " – das Zeigemodell wird nicht angewandt.");
        }
    }
    return meldungen;
}

const Zeigemodell* Sitzung::Modell() const {
    const auto& m = modelle_[Index(Instrument_Wert(instrument_))];
    return m && !m->Leer() ? &*m : nullptr;
}

std::string Sitzung::Abgleich_Pfad() const {
    return Pfad_In(daten_ordner_, Abgleich_Dateiname(Instrument_Wert(instrument_)));
}

Sichtung_Subjekt Sitzung::Sichtung_Vorbereiten() {
    if (!objekt_gueltig_) throw Bereichs_Fehler("Kein Stern gewählt");
    // A planned instant is not when the star stood in the eyepiece.
    if (planung_)
        throw Bereichs_Fehler("Zu einem geplanten Zeitpunkt wird keine Sichtung gespeichert "
                              "(Optionen > Zeitpunkt: jetzt)");
    Positions_Schritt(); // the place at the clock's instant, which the sighting carries
    Sichtung_Subjekt s;
    s.Gueltig = true;
    s.Bezeichnung = auswahl_eingabe_;
    s.Zeile = anzeige_.Position.Objekt.Zeile;
    s.Instrument = Instrument_Wert(instrument_);
    s.JD_UT = JD_UT();
    s.Stundenwinkel = anzeige_.Position.Stundenwinkel;
    s.Deklination = anzeige_.Position.Deklination;
    return s;
}

Abgleich_Sichtung Sitzung::Sichtung_Erfassen(const Sichtung_Subjekt& subjekt, double sw_h,
                                             double de_grad) {
    if (!subjekt.Gueltig) throw Bereichs_Fehler("Kein Stern gewählt");
    Abgleich_Sichtung s;
    s.JD_UT = subjekt.JD_UT;
    s.Bezeichnung = subjekt.Bezeichnung;
    s.Instrument = subjekt.Instrument;
    s.SW_Abgelesen = sw_h;
    s.DE_Abgelesen = de_grad;
    s.Berechnet = true;
    s.Stundenwinkel = subjekt.Stundenwinkel;
    s.Deklination = subjekt.Deklination;
    Sichtung_Pruefen(s);
    const std::string pfad = Pfad_In(daten_ordner_, Abgleich_Dateiname(s.Instrument));
    std::vector<Abgleich_Sichtung> alle = Abgleich_Lesen(pfad);
    for (const auto& a : alle)
        if (a.Bezeichnung == s.Bezeichnung &&
            std::llround(a.JD_UT * 86400.0) == std::llround(s.JD_UT * 86400.0))
            throw Bereichs_Fehler(s.Bezeichnung + " ist zu dieser Zeit schon erfasst (" +
                                  Voller_Pfad(pfad) + ", Zeile " + std::to_string(a.Zeile) + ")");
    alle.push_back(s);
    Datei_Atomar_Schreiben(pfad, Abgleich_Text(alle));
    return s;
}

void Sitzung::Sichtung_Loeschen(std::size_t index) {
    const std::string pfad = Abgleich_Pfad();
    std::vector<Abgleich_Sichtung> alle = Abgleich_Lesen(pfad);
    if (index >= alle.size()) return;
    alle.erase(alle.begin() + static_cast<std::ptrdiff_t>(index));
    Datei_Atomar_Schreiben(pfad, Abgleich_Text(alle));
}

Modell_Anpassung Sitzung::Abgleich_Anpassen(const std::vector<Abgleich_Sichtung>& sichtungen,
                                            bool nur_signifikant) {
    const std::vector<Modell_Sichtung> ein =
        Abgleich_Eingaben(sichtungen, Instrument_Wert(instrument_), parameter_, daten_ordner_,
                          refraktion_, Abgleich_Pfad());
    return Modell_Anpassen(ein, parameter_.Breite * Grad_Zu_Rad, nur_signifikant);
}

void Sitzung::Modell_Uebernehmen(const Zeigemodell& modell, int sichtungen) {
    // A file without a term would be refused as damaged at the next start.
    if (modell.Leer()) throw Bereichs_Fehler("Ein Zeigemodell ohne Term wird nicht gespeichert");
    if (const std::string grund = Modell_Grenzen_Pruefen(modell, parameter_.Breite * Grad_Zu_Rad);
        !grund.empty())
        throw Bereichs_Fehler(Kt("Zeigemodell abgelehnt: %1", {grund}));
    const int instrument = Instrument_Wert(instrument_);
    Zeigemodell m = modell;
    if (m.Datum.empty()) m.Datum = Zeitpunkt_Text(JD_UT());
    Datei_Atomar_Schreiben(Pfad_In(daten_ordner_, Zeigemodell_Dateiname(instrument)),
                           Zeigemodell_Text(m, instrument, sichtungen));
    modelle_[Index(instrument)] = m;
}
