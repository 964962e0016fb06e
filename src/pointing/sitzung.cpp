#include "pointing/sitzung.hpp"

#include <filesystem>

#include "catalog/eingabe.hpp"
#include "catalog/objekt_suche.hpp"
#include "shared/zeilen_leser.hpp"

Such_Kontext Sitzung::Kontext() {
    return Kontext(JD_UT);
}

Such_Kontext Sitzung::Kontext(double jd_ut) {
    Such_Kontext k;
    k.JD_UT = jd_ut;
    k.Daten_Ordner = Daten_Ordner;
    k.Asteroiden = &Asteroiden;
    k.Anzahl_Asteroiden = Anzahl_Asteroiden;
    k.Kometen = &Kometen;
    k.Anzahl_Kometen = Anzahl_Kometen;
    k.Asteroid_Aktuell = &Asteroid_Aktuell;
    k.Komet_Aktuell = &Komet_Aktuell;
    k.Meldung = &Meldung;
    if (Elemente_Bei_Bedarf && !nachgeladen_)
        k.Elemente_Laden = [this](Such_Kontext& m) {
            Elemente_Nachladen();
            m.Anzahl_Asteroiden = Anzahl_Asteroiden;
            m.Anzahl_Kometen = Anzahl_Kometen;
        };
    return k;
}

Auswahl_Ergebnis Sitzung::Auswaehlen(const std::string& eingabe) {
    Auswahl_Ergebnis r;
    Objekt_Gueltig = false;
    r.Eingabe = Planeten_Namen_Regel(eingabe);
    try {
        r.Gefunden = Objekt_Suchen(r.Eingabe, Kontext(), Objekt);
    } catch (...) {
        r.Fehler = std::current_exception();
    }
    Objekt_Gueltig = r.Gefunden;
    r.Meldung.swap(Meldung.Text);
    if (!r.Gefunden && !r.Fehler) r.Nicht_Gefunden = Nicht_Gefunden_Text(r.Eingabe);
    return r;
}

Uhr_Anzeige Sitzung::Uhr_Schritt(double jd_pc, const Zeitzone_Info& zone) {
    Zeitzone = zone;
    Uhr_Anzeige a = Uhr_Tick(jd_pc, Zeitzone, Parameter, Zehntel);
    JD_PC = a.JD_PC;
    JD_UT = a.JD_UT;
    Sternzeit = a.Sternzeit;
    Status_Text = a.StatusBar1;
    return a;
}

Positions_Anzeige Sitzung::Positions_Schritt(bool refraktion) {
    Tick_Optionen optionen;
    optionen.JD_UT = JD_UT;
    optionen.Refraktion = refraktion;
    Positions_Anzeige a =
        Positions_Tick(Objekt, Objekt_Gueltig, JD_PC, Sternzeit, Parameter, Schmidt(), optionen);
    if (a.Ort_Neu) Ort_Uebernehmen(Objekt, a.Ort);
    return a;
}

Tick_Anzeige Sitzung::Tick(double jd_pc, const Zeitzone_Info& zone, bool refraktion) {
    Tick_Anzeige t;
    t.Uhr = Uhr_Schritt(jd_pc, zone);
    t.Positionen = Positions_Schritt(refraktion);
    return t;
}

void Sitzung::Instrument_Wechseln() {
    Instrument = Schmidt() ? Instrument_Art::Cassegrain_60 : Instrument_Art::Schmidt_Kamera_40;
}

std::array<Element_Ladung, 2> Sitzung::Elemente_Zeilen_Laden() {
    std::array<Element_Ladung, 2> r;
    r[0].Datei = "Asteroiden.txt";
    r[1].Datei = "Kometen.txt";
    try {
        r[0].Weg = Asteroiden_Zeilen_Laden(Pfad_In(Daten_Ordner, r[0].Datei), Asteroiden,
                                           Anzahl_Asteroiden);
    } catch (const std::exception& f) {
        Anzahl_Asteroiden = 0;
        r[0].Fehler = f.what();
    }
    try {
        r[1].Weg = Kometen_Zeilen_Laden(Pfad_In(Daten_Ordner, r[1].Datei), Kometen, Anzahl_Kometen);
    } catch (const std::exception& f) {
        Anzahl_Kometen = 0;
        r[1].Fehler = f.what();
    }
    nachgeladen_ = true;
    return r;
}

std::array<Auslassungen, 2> Sitzung::Elemente_Auswerten() {
    return {Asteroiden_Auswerten_Auslassend(Asteroiden, Anzahl_Asteroiden, JD_UT),
            Kometen_Auswerten_Auslassend(Kometen, Anzahl_Kometen, JD_UT)};
}

void Sitzung::Elemente_Nachladen() {
    if (nachgeladen_) return;
    nachgeladen_ = true;
    // A missing file leaves its table empty; lines are cut when a hit needs them.
    const std::string asteroiden = Pfad_In(Daten_Ordner, "Asteroiden.txt");
    const std::string kometen = Pfad_In(Daten_Ordner, "Kometen.txt");
    if (std::filesystem::exists(asteroiden))
        Asteroiden_Zeilen_Laden(asteroiden, Asteroiden, Anzahl_Asteroiden);
    if (std::filesystem::exists(kometen)) Kometen_Zeilen_Laden(kometen, Kometen, Anzahl_Kometen);
}
