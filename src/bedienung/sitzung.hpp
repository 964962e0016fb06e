#pragma once
// The observing session: the one owner of the observing state (site
// parameters, instrument, selected object, element tables, clock, planning
// instant). The window and stelux-cli call its operations and render the
// display record it keeps; neither writes its state.
#include <array>
#include <atomic>
#include <cstdint>
#include <exception>
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "bedienung/anzeige.hpp"
#include "buch/beobachtungsbuch.hpp"
#include "catalog/beobachtungsliste.hpp"
#include "catalog/namen_suche.hpp"
#include "catalog/namen_vorschlaege.hpp"
#include "catalog/such_kontext.hpp"
#include "karte/stern_index.hpp"
#include "orbits/bahn_integration.hpp"
#include "orbits/element_tabellen.hpp"
#include "planung/listen_ordnung.hpp"
#include "pointing/abgleich_datei.hpp"
#include "pointing/instrument.hpp"
#include "pointing/push_to.hpp"
#include "pointing/zeigemodell.hpp"
#include "shared/element_typen.hpp"
#include "shared/objekt_type.hpp"
#include "shared/parameter_type.hpp"
#include "shared/zeitzone_type.hpp"
#include "teleskop/indi_protokoll.hpp"
#include "teleskop/teleskop_protokoll.hpp"
#include "time/planung.hpp"

// What selecting from an entry gives back.
struct Auswahl_Ergebnis {
    std::string Eingabe; // the entry after the planet-name rule ("PMars")
    bool Gefunden = false;
    std::string Nicht_Gefunden; // object line after a miss, else empty
    std::string Meldung;        // the one message about the names file, else empty
    std::exception_ptr Fehler;  // a file or number error that stopped the lookup
    Anzeige Stand;              // the complete readings right after the selection
    // "Meinten Sie" names after a miss, best first.
    std::vector<Vorschlag> Vorschlaege;
};

// How reading one element file at start-up went.
struct Element_Ladung {
    const char* Datei = "";
    int Weg = 0;        // lines past the table's capacity, not loaded
    std::string Fehler; // the error that left the table empty, else empty
};

// What a sighting is of, taken when the question opens (Sichtung_Vorbereiten):
// the sighting saved from it is of this object at this instant, whatever
// the session selects in between.
struct Sichtung_Subjekt {
    bool Gueltig = false;
    std::string Bezeichnung; // the sightings file's designation
    std::string Zeile;       // the object line shown
    int Instrument = 60;
    double JD_UT = 0;
    double Stundenwinkel = 0; // hours, computed at JD_UT (no manual corrections)
    double Deklination = 0;   // degrees
};

// What a sync question names (Abgleich_Vorbereiten): the object, the
// instrument and the offset between encoders and object at that moment.
struct Encoder_Abgleich {
    bool Gueltig = false;
    std::string Zeile; // the object line shown
    Instrument_Art Instrument = Instrument_Art::Cassegrain_60;
    Push_To_Anzeige Abstand;
};

// One step of a setting-circle correction of the current instrument.
enum class Korrektur_Schritt { DE_Plus, DE_Minus, SW_Plus, SW_Minus };

class Sitzung {
public:
    Sitzung() = default;
    Sitzung(const Sitzung&) = delete; // contexts point into it
    Sitzung& operator=(const Sitzung&) = delete;

    // --- Set-up ---
    // The user's data folder, ending with '/'.
    void Daten_Ordner_Setzen(const std::string& daten) { daten_ordner_ = daten; }
    // The site parameters as read; the instrument is the one they name.
    void Parameter_Uebernehmen(const Parameter_Type& parameter);
    // stelux-cli: the element files are read at the first lookup that needs them.
    void Elemente_Bei_Bedarf() { elemente_bei_bedarf_ = true; }
    void Zehntel_Setzen(bool an) { zehntel_ = an ? 1 : 0; }
    void Refraktion_Setzen(bool an) { refraktion_ = an; }
    // Minor bodies on unperturbed orbits from their elements (for comparison).
    void Zweikoerper_Setzen(bool an) { zweikoerper_ = an; }

    // --- Operations ---
    // Selects the object an entry names (planet-name rule, lookup at the
    // clock's instant) and runs one position tick, so the result carries the
    // complete readings at once. Errors come back in the result.
    Auswahl_Ergebnis Auswaehlen(const std::string& eingabe);
    // A target sent from outside (telescope link): the J2000 place becomes the
    // selected object "Ziel von außen", named after the catalogue object within
    // 0.1 degrees if there is one, and after the sender's address when it came
    // from another computer ("Ziel von außen (192.168.1.20) · M13"); one
    // position tick as for Auswaehlen.
    Auswahl_Ergebnis Ziel_Waehlen(const Himmelsort& j2000, const std::string& absender = {});
    // What selecting that target would answer the link (named, above the
    // horizon at the clock's instant), the selection unchanged: for a target
    // that waits until a question of the window is closed.
    Ziel_Rueckmeldung Ziel_Vorschau(const Himmelsort& j2000);
    // The star and deep-sky index that names targets and draws the finder
    // chart: read once, off the calling thread, at the first call (catalogues
    // in the working folder); a later call gets the same.
    std::shared_future<std::shared_ptr<const Stern_Index>> Stern_Index_Laden();
    // Where the telescope points, as the link reports it: the place set by
    // Teleskop_Zeigt_Auf (encoders), else the selected object's place of date,
    // else the last target sent from outside, at the clock's instant.
    Teleskop_Ort Teleskop_Ort_Lesen() const;
    void Teleskop_Zeigt_Auf(const Teleskop_Ort& ort) { teleskop_ort_ = ort; }
    // No object selected any more; the miss line goes too.
    void Auswahl_Aufheben();
    // A new entry begins: the last miss is no longer reported.
    void Nicht_Gefunden_Vergessen() {
        anzeige_.Nicht_Gefunden.clear();
        anzeige_.Vorschlaege.clear();
    }
    // The names the suggestions and "Meinten Sie" offer, read at the first
    // need; Namen_Index_Erneuern drops them (new element tables).
    const Vorschlags_Index& Namen_Index();
    void Namen_Index_Erneuern() { namen_index_.reset(); }
    // A catalogue chosen by its kind letter; the selection stays until an
    // entry is chosen.
    void Katalog_Waehlen(char buchstabe);
    // As Katalog_Waehlen, and the entries of the catalogue's list.
    std::vector<std::string> Liste_Oeffnen(char buchstabe);

    // The clock step at the PC clock's reading jd_pc (Julian Date) in `zone`.
    const Anzeige& Uhr_Schritt(double jd_pc, const Zeitzone_Info& zone);
    // The position step at the clock state: the readings of the current
    // instrument; the selected object takes on its place at the instant.
    const Anzeige& Positions_Schritt();
    // Both steps at one instant.
    const Anzeige& Tick(double jd_pc, const Zeitzone_Info& zone);

    // The instrument menu's switch to the other instrument.
    void Instrument_Wechseln();
    // One 0.1 step of the current instrument's correction.
    void Korrigieren(Korrektur_Schritt schritt);
    // Push-to: the way from a telescope's place (of date, from its encoders) to
    // the selected object, in the current instrument's circle units, as of the
    // last position step. Not Gueltig without an object or place.
    Push_To_Anzeige Push_To(const Encoder_Ort& ort) const;
    // Sync: the telescope is centred on the selected object, so the difference
    // becomes the current instrument's index correction. Abgleich_Vorbereiten
    // takes that difference as of the last position step (for the question);
    // Abgleichen applies exactly it. False, nothing changed, without an object
    // or place, at a planned instant, for another instrument than the
    // question's, or beyond the corrections' range.
    Encoder_Abgleich Abgleich_Vorbereiten(const Encoder_Ort& ort) const;
    bool Abgleichen(const Encoder_Abgleich& frage);
    bool Abgleichen(const Encoder_Ort& ort) { return Abgleichen(Abgleich_Vorbereiten(ort)); }

    // --- Pointing model (bedienung/abgleich.cpp) ---
    // Both instruments' model files from the data folder; a damaged one is
    // left out (no model) and its message returned, to be shown once.
    std::vector<std::string> Modelle_Laden();
    // The current instrument's model; null without one.
    const Zeigemodell* Modell() const;
    // The current instrument's sightings file in the data folder.
    std::string Abgleich_Pfad() const;
    // The selected object at the clock's instant (one position step), as a
    // sighting of it will name it. Throws with the reason for no selection or
    // a planned instant.
    Sichtung_Subjekt Sichtung_Vorbereiten();
    // The object of `subjekt` centred, the circles read as `sw_h` (hours) and
    // `de_grad` (degrees): the sighting is appended to the sightings file of
    // its instrument (atomically). Throws with the reason for an invalid
    // subject, a reading out of range, a sighting already saved or a file error.
    Abgleich_Sichtung Sichtung_Erfassen(const Sichtung_Subjekt& subjekt, double sw_h,
                                        double de_grad);
    Abgleich_Sichtung Sichtung_Erfassen(double sw_h, double de_grad) {
        return Sichtung_Erfassen(Sichtung_Vorbereiten(), sw_h, de_grad);
    }
    // Removes the sighting at `index` (0-based) from that file.
    void Sichtung_Loeschen(std::size_t index);
    // The current instrument's sightings fitted (nothing is stored).
    Modell_Anpassung Abgleich_Anpassen(const std::vector<Abgleich_Sichtung>& sichtungen,
                                       bool nur_signifikant);
    // Stores `modell` as the current instrument's model file and applies it.
    // Throws Bereichs_Fehler, nothing stored, for a model beyond the bounds
    // (Modell_Grenzen_Pruefen) or without a term.
    void Modell_Uebernehmen(const Zeigemodell& modell, int sichtungen);

    // The window runs on from a chosen local date and time (see
    // Planung_Berechnen); refused outside 1900..2100, state unchanged then.
    Planungs_Zeitpunkt Planung_Setzen(bool gueltig, int jahr, int monat, int tag, int stunde,
                                      int minute, std::int64_t gewaehlt_ms, std::int64_t jetzt_ms);
    void Planung_Aufheben();

    // Start-up and after an element update: both element files into their
    // tables (a missing or damaged one costs only itself), then every line cut
    // into its fields at the clock's instant, bad lines left out.
    std::array<Element_Ladung, 2> Elemente_Zeilen_Laden();
    std::array<Auslassungen, 2> Elemente_Auswerten();
    void Asteroiden_Sortieren(bool nach_helligkeit);
    void Kometen_Sortieren(bool nach_helligkeit);

    // What the lookup and the lists read besides the typed text, at the clock's
    // instant or at jd_ut. Catalogue files are opened in the working directory.
    Such_Kontext Kontext();
    Such_Kontext Kontext(double jd_ut);
    // Looks `eingabe` up again at jd_ut (a chart's track, another page of a
    // night's charts): the elements of a hit go to copies, the selection and
    // the names-file message stay as they are.
    bool Nachschlagen(const std::string& eingabe, double jd_ut, Objekt_Type& objekt);

    // --- Observing lists and the log (sitzung_liste.cpp) ---
    // A list's entries resolved through the lookup at the clock's instant
    // (planet-name rule; each catalogue number in turn, then the name) and
    // ordered for the night; the selection stays as it is. Errors of the
    // lookup (a missing catalogue) go once each into `hinweise`. Once
    // `abbrechen` is true the lookup stops at the next candidate.
    std::vector<Listen_Zeile> Liste_Aufloesen(const Beobachtungsliste& liste,
                                              std::vector<std::string>& hinweise,
                                              const std::atomic<bool>* abbrechen = nullptr);
    // The rows' columns anew at the clock's instant, ordered again.
    void Liste_Rechnen(std::vector<Listen_Zeile>& zeilen);
    // The log entry of the selected object at the clock's instant (circles,
    // altitude and air mass as shown), without a note; empty when none is selected.
    std::optional<Buch_Eintrag> Notiz_Entwurf() const;
    // Appends the entry to the log in the data folder, synced before it
    // returns. Throws Ein_Ausgabe_Fehler naming the file.
    void Notieren(const Buch_Eintrag& eintrag);
    // The log's path in the data folder.
    std::string Buch_Pfad() const;

    // --- Reading the state ---
    const Anzeige& Stand() const { return anzeige_; }
    const Parameter_Type& Parameter() const { return parameter_; }
    // The parameters as the stop writes them: with the current instrument.
    Parameter_Type Parameter_Zum_Speichern() const;
    Instrument_Art Instrument() const { return instrument_; }
    bool Schmidt() const { return instrument_ == Instrument_Art::Schmidt_Kamera_40; }
    const Objekt_Type& Objekt() const { return objekt_; }
    bool Objekt_Gueltig() const { return objekt_gueltig_; }
    char Katalog_Buchstabe() const { return katalog_buchstabe_; }
    const Zeitzone_Info& Zeitzone() const { return zeitzone_; }
    double JD_PC() const { return anzeige_.Uhr.JD_PC; }
    double JD_UT() const { return anzeige_.Uhr.JD_UT; }
    double Sternzeit() const { return anzeige_.Uhr.Sternzeit; }
    int Zehntel() const { return zehntel_; }
    bool Planung() const { return planung_; }
    // The clock steps are given a chosen instant, not the present (stelux-cli --zeit).
    void Zeitpunkt_Gewaehlt(bool gewaehlt) { zeitpunkt_gewaehlt_ = gewaehlt; }
    std::int64_t Planung_Versatz_ms() const { return planung_ms_; }
    const std::string& Daten_Ordner() const { return daten_ordner_; }
    // 1-based element tables; empty until read.
    const Asteroiden_Tabelle& Asteroiden() const { return asteroiden_; }
    int Anzahl_Asteroiden() const { return anzahl_asteroiden_; }
    const Kometen_Tabelle& Kometen() const { return kometen_; }
    int Anzahl_Kometen() const { return anzahl_kometen_; }
    const Asteroid_Type& Asteroid_Aktuell() const { return asteroid_aktuell_; }

private:
    void Elemente_Nachladen();                      // the element files present, lines only, once
    std::string Ziel_Name(const Himmelsort& j2000); // catalogue object within 0.1 deg, or empty

    Parameter_Type parameter_;
    Instrument_Art instrument_ = Instrument_Art::Cassegrain_60;
    Zeitzone_Info zeitzone_;
    std::int32_t zehntel_ = 0; // 1: clock texts with tenths of seconds
    bool refraktion_ = false;  // refraction enters the altitude and the circles
    bool zweikoerper_ = false; // minor bodies without the planets' pull
    // Integrated orbits of the minor bodies looked up, shared by the copies of a session.
    std::shared_ptr<Bahn_Speicher> bahnen_ = std::make_shared<Bahn_Speicher>();

    std::string daten_ordner_;

    Objekt_Type objekt_;
    bool objekt_gueltig_ = false;
    std::string name_voll_; // of the last selection, see Anzeige::Name_Voll
    char katalog_buchstabe_ = 0;

    Asteroiden_Tabelle asteroiden_;
    std::int32_t anzahl_asteroiden_ = 0;
    Kometen_Tabelle kometen_;
    std::int32_t anzahl_kometen_ = 0;
    Asteroid_Type asteroid_aktuell_;
    Komet_Type komet_aktuell_;
    Namen_Meldung meldung_; // the one message about the names file
    std::unique_ptr<Vorschlags_Index> namen_index_;
    bool elemente_bei_bedarf_ = false;
    bool nachgeladen_ = false;

    bool planung_ = false;
    bool zeitpunkt_gewaehlt_ = false;
    std::int64_t planung_ms_ = 0; // chosen instant minus the clock's instant at the choice

    std::array<std::optional<Zeigemodell>, 2> modelle_; // 40 cm, 60 cm
    std::string auswahl_eingabe_; // the entry that selected the object, for a sighting
    std::shared_future<std::shared_ptr<const Stern_Index>> stern_index_; // see Stern_Index_Laden
    Teleskop_Ort teleskop_ort_;              // from encoders; not valid without
    std::optional<Himmelsort> letztes_ziel_; // J2000, the last target from outside

    Anzeige anzeige_;
    double sternzeit_position_ = 0; // local apparent sidereal time of the last position step, hours
    std::string sichtbarkeit_fuer_; // object and minute of the visibility shown
    std::string nacht_fuer_;        // minute, zone and site of the night's timetable shown
};
