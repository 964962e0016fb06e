#pragma once
// The observing state: the selected object, the current instant's time scales,
// the site parameters, the element tables and the current instrument. The
// window and stelux-cli each hold one and go through its two operations:
// selecting an object from an entry and the tick at an instant.
#include <array>
#include <cstdint>
#include <exception>
#include <string>

#include "catalog/namen_suche.hpp"
#include "catalog/such_kontext.hpp"
#include "orbits/element_tabellen.hpp"
#include "pointing/instrument.hpp"
#include "pointing/positions_tick.hpp"
#include "shared/element_typen.hpp"
#include "shared/objekt_type.hpp"
#include "shared/parameter_type.hpp"
#include "shared/zeitzone_type.hpp"
#include "time/uhr_tick.hpp"

// What selecting from an entry gives the window to show.
struct Auswahl_Ergebnis {
    std::string Eingabe; // the entry after the planet-name rule ("PMars")
    bool Gefunden = false;
    std::string Nicht_Gefunden; // object line after a miss, else empty
    std::string Meldung;        // the one message about the names file, else empty
    std::exception_ptr Fehler;  // a file or number error that stopped the lookup
};

// Both texts of one tick at an instant.
struct Tick_Anzeige {
    Uhr_Anzeige Uhr;
    Positions_Anzeige Positionen;
};

// How reading one element file at start-up went.
struct Element_Ladung {
    const char* Datei = "";
    int Weg = 0;        // lines past the table's capacity, not loaded
    std::string Fehler; // the error that left the table empty, else empty
};

class Sitzung {
public:
    Parameter_Type Parameter;
    Instrument_Art Instrument = Instrument_Art::Cassegrain_60;

    // Clock state, written by the clock step.
    Zeitzone_Info Zeitzone;
    double JD_PC = 0;     // Julian Date of the PC's local clock, no zone correction
    double JD_UT = 0;     // Julian Date, UT
    double Sternzeit = 0; // local mean sidereal time, hours [0, 24)
    std::string Status_Text;
    std::int32_t Zehntel = 0; // 1: clock texts with tenths of seconds

    // Folders, each ending with '/'.
    std::string Temp_Ordner;
    std::string Programm_Ordner;
    std::string Daten_Ordner;

    Objekt_Type Objekt;
    bool Objekt_Gueltig = false;
    char Katalog_Buchstabe = 0;

    // 1-based element tables; empty until read.
    Asteroiden_Tabelle Asteroiden;
    std::int32_t Anzahl_Asteroiden = 0;
    Kometen_Tabelle Kometen;
    std::int32_t Anzahl_Kometen = 0;
    Asteroid_Type Asteroid_Aktuell;
    Komet_Type Komet_Aktuell;

    Namen_Meldung Meldung; // the one message about the names file
    // stelux-cli: the element files are read at the first lookup that needs them.
    bool Elemente_Bei_Bedarf = false;

    Sitzung() = default;
    Sitzung(const Sitzung&) = delete; // contexts point into it
    Sitzung& operator=(const Sitzung&) = delete;

    // What the lookup and the lists read besides the typed text, at the current
    // instant or at jd_ut. Catalogue files are opened in the working directory.
    Such_Kontext Kontext();
    Such_Kontext Kontext(double jd_ut);

    // Selects the object an entry names: the planet-name rule, the lookup at
    // JD_UT, Objekt and Objekt_Gueltig. Errors come back in the result.
    Auswahl_Ergebnis Auswaehlen(const std::string& eingabe);

    // The clock step at the PC clock's reading jd_pc (Julian Date) in `zone`:
    // sets Zeitzone, JD_PC, JD_UT, Sternzeit and Status_Text.
    Uhr_Anzeige Uhr_Schritt(double jd_pc, const Zeitzone_Info& zone);
    // The position step at the clock state: the readings of the current
    // instrument; the selected object takes on its place at the instant.
    Positions_Anzeige Positions_Schritt(bool refraktion);
    // Both steps at one instant.
    Tick_Anzeige Tick(double jd_pc, const Zeitzone_Info& zone, bool refraktion);

    bool Schmidt() const { return Instrument == Instrument_Art::Schmidt_Kamera_40; }
    // The instrument menu's switch to the other instrument.
    void Instrument_Wechseln();

    // Start-up of the window: both element files into their tables (a missing
    // or damaged one costs only itself), then every line cut into its fields
    // at JD_UT, bad lines left out.
    std::array<Element_Ladung, 2> Elemente_Zeilen_Laden();
    std::array<Auslassungen, 2> Elemente_Auswerten();

private:
    void Elemente_Nachladen(); // the element files present, lines only, once
    bool nachgeladen_ = false;
};
