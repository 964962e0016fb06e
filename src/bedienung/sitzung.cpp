#include "bedienung/sitzung.hpp"

#include <cmath>
#include <filesystem>

#include "catalog/eingabe.hpp"
#include "catalog/kleinkoerper_suche.hpp"
#include "catalog/listen.hpp"
#include "catalog/namen_suche.hpp"
#include "catalog/objekt_suche.hpp"
#include "orbits/sortierung.hpp"
#include "planung/nacht.hpp"
#include "planung/sichtbarkeit.hpp"
#include "shared/text.hpp"
#include "shared/zahlen.hpp"
#include "shared/zeilen_leser.hpp"
#include "time/uhr_tick.hpp"

void Sitzung::Parameter_Uebernehmen(const Parameter_Type& parameter) {
    parameter_ = parameter;
    instrument_ = Instrument_Aus_Wert(parameter.Instrument);
}

Parameter_Type Sitzung::Parameter_Zum_Speichern() const {
    Parameter_Type p = parameter_;
    p.Instrument = Instrument_Wert(instrument_);
    return p;
}

Such_Kontext Sitzung::Kontext() {
    return Kontext(JD_UT());
}

Such_Kontext Sitzung::Kontext(double jd_ut) {
    Such_Kontext k;
    k.JD_UT = jd_ut;
    k.Daten_Ordner = daten_ordner_;
    k.Asteroiden = &asteroiden_;
    k.Anzahl_Asteroiden = anzahl_asteroiden_;
    k.Kometen = &kometen_;
    k.Anzahl_Kometen = anzahl_kometen_;
    k.Asteroid_Aktuell = &asteroid_aktuell_;
    k.Komet_Aktuell = &komet_aktuell_;
    k.Meldung = &meldung_;
    k.Bahnen = bahnen_.get();
    k.Zweikoerper = zweikoerper_;
    if (elemente_bei_bedarf_ && !nachgeladen_)
        k.Elemente_Laden = [this](Such_Kontext& m) {
            Elemente_Nachladen();
            m.Anzahl_Asteroiden = anzahl_asteroiden_;
            m.Anzahl_Kometen = anzahl_kometen_;
        };
    return k;
}

bool Sitzung::Nachschlagen(const std::string& eingabe, double jd_ut, Objekt_Type& objekt) {
    Such_Kontext k = Kontext(jd_ut);
    Asteroid_Type asteroid;
    Komet_Type komet;
    k.Asteroid_Aktuell = &asteroid;
    k.Komet_Aktuell = &komet;
    k.Meldung = nullptr;
    return Objekt_Suchen(eingabe, k, objekt);
}

Auswahl_Ergebnis Sitzung::Auswaehlen(const std::string& eingabe) {
    Auswahl_Ergebnis r;
    Auswahl_Aufheben();
    r.Eingabe = Planeten_Namen_Regel(eingabe);
    try {
        r.Gefunden = Objekt_Suchen(r.Eingabe, Kontext(), objekt_);
    } catch (...) {
        r.Fehler = std::current_exception();
    }
    objekt_gueltig_ = r.Gefunden;
    auswahl_eingabe_ = r.Eingabe;
    name_voll_.clear();
    if (r.Gefunden && (objekt_.Art == Objekt_Art::Messier || objekt_.Art == Objekt_Art::NGC ||
                       objekt_.Art == Objekt_Art::IC))
        name_voll_ = Deepsky_Name_Voll(std::string(Trimmen(objekt_.Bezeichnung)), objekt_.Alias,
                                       Kontext().Katalog_Ordner);
    r.Meldung.swap(meldung_.Text);
    if (!r.Gefunden && !r.Fehler) {
        r.Nicht_Gefunden = Nicht_Gefunden_Text(r.Eingabe);
        // Suggestions are a help: no entry (a clock tick only) reads no names,
        // and a file that cannot be read costs only them.
        if (Trimmen(eingabe).size() >= 3) {
            try {
                r.Vorschlaege = Namen_Index().Aehnliche(eingabe);
            } catch (const std::exception&) {
            }
        }
    }
    anzeige_.Nicht_Gefunden = r.Nicht_Gefunden;
    // Each as it is typed, with what it looks up where that differs ("Double Cluster (N869)").
    for (const Vorschlag& v : r.Vorschlaege) {
        if (!anzeige_.Vorschlaege.empty()) anzeige_.Vorschlaege += " · ";
        anzeige_.Vorschlaege += v.Text;
        if (v.Eingabe != v.Text && v.Eingabe.substr(1) != v.Text)
            anzeige_.Vorschlaege += " (" + v.Eingabe + ")";
    }
    r.Stand = Positions_Schritt();
    return r;
}

void Sitzung::Auswahl_Aufheben() {
    objekt_gueltig_ = false;
    Nicht_Gefunden_Vergessen();
}

const Vorschlags_Index& Sitzung::Namen_Index() {
    if (!namen_index_) {
        if (elemente_bei_bedarf_ && !nachgeladen_) Elemente_Nachladen();
        namen_index_ = std::make_unique<Vorschlags_Index>(Vorschlags_Index_Bauen(Kontext()));
    }
    return *namen_index_;
}

void Sitzung::Katalog_Waehlen(char buchstabe) {
    // Only the kind letter: the shown object stays until an entry is chosen.
    katalog_buchstabe_ = buchstabe;
}

std::vector<std::string> Sitzung::Liste_Oeffnen(char buchstabe) {
    Katalog_Waehlen(buchstabe);
    return Listen_Eintraege(buchstabe, Kontext());
}

const Anzeige& Sitzung::Uhr_Schritt(double jd_pc, const Zeitzone_Info& zone) {
    zeitzone_ = zone;
    anzeige_.Uhr = Uhr_Tick(jd_pc, zeitzone_, parameter_, zehntel_);
    anzeige_.Zeitpunkt = planung_ || zeitpunkt_gewaehlt_
                             ? anzeige_.Uhr.PC_Zeit + " (" + anzeige_.Uhr.Zone + ")"
                             : std::string();
    // The night's timetable: once a minute, and anew for another site or zone.
    const int versatz = Zeitzone_Versatz_Minuten(zeitzone_);
    const std::string fuer = std::to_string(static_cast<long long>(std::floor(JD_UT() * 1440))) +
                             "|" + std::to_string(versatz) + "|" + Voll(parameter_.Laenge) + "|" +
                             Voll(parameter_.Breite) + "|" + Voll(parameter_.Hoehe);
    if (fuer != nacht_fuer_) {
        nacht_fuer_ = fuer;
        Nacht_Plan n = Nacht_Berechnen(JD_UT(), parameter_, versatz);
        anzeige_.Nacht = std::move(n.Text);
        anzeige_.Nacht_Tafel = std::move(n.Tafel);
    }
    if (const Zeigemodell* m = Modell())
        anzeige_.Uhr.Status += Modell_Statustext(*m, Instrument_Wert(instrument_));
    return anzeige_;
}

const Anzeige& Sitzung::Positions_Schritt() {
    // A minor body a day or more from its osculating stand (a planning
    // instant, a long night): the stand anew from the integrated orbit.
    Oskulierender_Stand& stand = objekt_.Bahn.Stand;
    if (objekt_gueltig_ && objekt_.Bahn.Art == Bahn_Art::Kleinkoerper && stand.Gueltig &&
        std::fabs(JD_UT() - stand.JD_TT) > 1.0) {
        const Such_Kontext k = Kontext();
        if (objekt_.Art == Objekt_Art::Asteroid)
            Stand_Erneuern(asteroid_aktuell_, k, stand);
        else if (objekt_.Art == Objekt_Art::Komet)
            Stand_Erneuern(komet_aktuell_, k, stand);
    }
    Tick_Optionen optionen;
    optionen.JD_UT = JD_UT();
    optionen.Refraktion = refraktion_;
    optionen.Modell = Modell();
    Anzeige& a = anzeige_;
    a.Position = Positions_Tick(objekt_, objekt_gueltig_, JD_PC(), Sternzeit(), parameter_,
                                Schmidt(), optionen);
    // The telescope's hour angle counts from the same apparent sidereal time.
    sternzeit_position_ = a.Position.Sternzeit;
    if (a.Position.Ort_Neu) Ort_Uebernehmen(objekt_, a.Position.Ort);
    a.Gueltig = objekt_gueltig_;
    a.Werte = {objekt_.RA2000, objekt_.DE2000, objekt_.RAapp,
               objekt_.DEapp,  objekt_.VMag,   objekt_.BMag};
    // The full name only while the object it was found for is shown (a
    // target sent from outside replaces the object without a lookup).
    const std::string alias(Trimmen(objekt_.Alias));
    const bool voll = objekt_gueltig_ && !alias.empty() && name_voll_.size() > alias.size() &&
                      name_voll_.compare(0, alias.size(), alias) == 0;
    a.Name_Voll = voll ? name_voll_ : std::string();
    a.Objekt_Zeile_Voll.clear();
    if (const auto stelle = a.Position.Objekt.Zeile.find("   " + alias);
        voll && stelle != std::string::npos)
        a.Objekt_Zeile_Voll =
            std::string(a.Position.Objekt.Zeile).replace(stelle + 3, alias.size(), name_voll_);
    // Visibility: once a minute and for each new object.
    const std::string fuer =
        objekt_gueltig_
            ? a.Position.Objekt.Zeile + "|" + std::to_string(static_cast<long long>(JD_UT() * 1440))
            : std::string();
    if (fuer != sichtbarkeit_fuer_) {
        sichtbarkeit_fuer_ = fuer;
        a.Sichtbarkeit = objekt_gueltig_
                             ? Sichtbarkeit_Berechnen(objekt_, JD_UT(), JD_PC(), parameter_,
                                                      Zeitzone_Versatz_Minuten(zeitzone_))
                                   .Text
                             : std::string();
    }
    return a;
}

const Anzeige& Sitzung::Tick(double jd_pc, const Zeitzone_Info& zone) {
    Uhr_Schritt(jd_pc, zone);
    return Positions_Schritt();
}

void Sitzung::Instrument_Wechseln() {
    instrument_ = Schmidt() ? Instrument_Art::Cassegrain_60 : Instrument_Art::Schmidt_Kamera_40;
}

void Sitzung::Korrigieren(Korrektur_Schritt schritt) {
    switch (schritt) {
    case Korrektur_Schritt::DE_Plus:
        Korrektur_DE_Plus(parameter_, Schmidt());
        break;
    case Korrektur_Schritt::DE_Minus:
        Korrektur_DE_Minus(parameter_, Schmidt());
        break;
    case Korrektur_Schritt::SW_Plus:
        Korrektur_SW_Plus(parameter_, Schmidt());
        break;
    case Korrektur_Schritt::SW_Minus:
        Korrektur_SW_Minus(parameter_, Schmidt());
        break;
    }
}

Push_To_Anzeige Sitzung::Push_To(const Encoder_Ort& ort) const {
    // A declination past the pole is no place (a device's faulty report).
    if (!anzeige_.Gueltig || !objekt_gueltig_ || !ort.Gueltig || !(std::fabs(ort.DE) <= 90.0))
        return {};
    // Both hour angles at the sidereal time of the target's: the clock may have ticked since.
    // The target's circle readings already hold the manual corrections and the pointing model.
    return Push_To_Berechnen(anzeige_.Position.SW_Kreis, anzeige_.Position.DE_Kreis, ort.RA, ort.DE,
                             sternzeit_position_, 0.0, 0.0, Feld_Durchmesser(instrument_));
}

Encoder_Abgleich Sitzung::Abgleich_Vorbereiten(const Encoder_Ort& ort) const {
    Encoder_Abgleich a;
    a.Abstand = Push_To(ort);
    a.Gueltig = a.Abstand.Gueltig;
    a.Zeile = anzeige_.Position.Objekt.Zeile;
    a.Instrument = instrument_;
    return a;
}

bool Sitzung::Abgleichen(const Encoder_Abgleich& frage) {
    // The telescope points now; at a planned instant the Moon or a planet
    // stands elsewhere, and its offset would become the correction.
    if (planung_ || !frage.Gueltig || frage.Instrument != instrument_) return false;
    const Push_To_Anzeige& p = frage.Abstand;
    const bool schmidt = Schmidt();
    const double de = DE_Korrektur(parameter_, schmidt) - p.Nord_Grad;
    // Minutes of time folded into (-12 h, 12 h], the range the parameter file takes.
    double sw = std::fmod(SW_Korrektur(parameter_, schmidt) - p.West_Min, 1440.0);
    if (sw > 720.0) sw -= 1440.0;
    if (sw <= -720.0) sw += 1440.0;
    if (!(std::fabs(de) <= DE_Korr_Max) || !(std::fabs(sw) <= SW_Korr_Max)) return false;
    (schmidt ? parameter_.DE_Korr_40 : parameter_.DE_Korr_60) = de;
    (schmidt ? parameter_.SW_Korr_40 : parameter_.SW_Korr_60) = sw;
    // The readings (and the next push-to difference) with the new correction at once.
    Positions_Schritt();
    return true;
}

Planungs_Zeitpunkt Sitzung::Planung_Setzen(bool gueltig, int jahr, int monat, int tag, int stunde,
                                           int minute, std::int64_t gewaehlt_ms,
                                           std::int64_t jetzt_ms) {
    Planungs_Zeitpunkt p =
        Planung_Berechnen(gueltig, jahr, monat, tag, stunde, minute, gewaehlt_ms, jetzt_ms);
    if (!p.Angenommen) return p;
    planung_ = true;
    planung_ms_ = p.Versatz_ms;
    anzeige_.Planung = p.Marke;
    return p;
}

void Sitzung::Planung_Aufheben() {
    planung_ = false;
    planung_ms_ = 0;
    anzeige_.Planung.clear();
}

std::array<Element_Ladung, 2> Sitzung::Elemente_Zeilen_Laden() {
    std::array<Element_Ladung, 2> r;
    r[0].Datei = "Asteroiden.txt";
    r[1].Datei = "Kometen.txt";
    try {
        r[0].Weg = Asteroiden_Zeilen_Laden(Pfad_In(daten_ordner_, r[0].Datei), asteroiden_,
                                           anzahl_asteroiden_);
    } catch (const std::exception& f) {
        anzahl_asteroiden_ = 0;
        r[0].Fehler = f.what();
    }
    try {
        r[1].Weg =
            Kometen_Zeilen_Laden(Pfad_In(daten_ordner_, r[1].Datei), kometen_, anzahl_kometen_);
    } catch (const std::exception& f) {
        anzahl_kometen_ = 0;
        r[1].Fehler = f.what();
    }
    nachgeladen_ = true;
    return r;
}

std::array<Auslassungen, 2> Sitzung::Elemente_Auswerten() {
    return {Asteroiden_Auswerten_Auslassend(asteroiden_, anzahl_asteroiden_, JD_UT()),
            Kometen_Auswerten_Auslassend(kometen_, anzahl_kometen_, JD_UT())};
}

void Sitzung::Asteroiden_Sortieren(bool nach_helligkeit) {
    if (nach_helligkeit)
        Asteroiden_Nach_Helligkeit(asteroiden_, anzahl_asteroiden_);
    else
        Asteroiden_Nach_Nummer(asteroiden_, anzahl_asteroiden_);
}

void Sitzung::Kometen_Sortieren(bool nach_helligkeit) {
    if (nach_helligkeit)
        Kometen_Nach_Helligkeit(kometen_, anzahl_kometen_);
    else
        Kometen_Nach_Nummer(kometen_, anzahl_kometen_);
}

void Sitzung::Elemente_Nachladen() {
    if (nachgeladen_) return;
    nachgeladen_ = true;
    // A missing file leaves its table empty; lines are cut when a hit needs them.
    const std::string asteroiden = Pfad_In(daten_ordner_, "Asteroiden.txt");
    const std::string kometen = Pfad_In(daten_ordner_, "Kometen.txt");
    if (std::filesystem::exists(asteroiden))
        Asteroiden_Zeilen_Laden(asteroiden, asteroiden_, anzahl_asteroiden_);
    if (std::filesystem::exists(kometen)) Kometen_Zeilen_Laden(kometen, kometen_, anzahl_kometen_);
}
