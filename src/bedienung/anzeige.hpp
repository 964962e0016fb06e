#pragma once
// What the front ends show: one record filled by the session's selection and
// ticks. The window and stelux-cli render it; neither computes a text itself.
#include <string>

#include "pointing/positions_tick.hpp"
#include "time/uhr_tick.hpp"

// The selected object's place and magnitudes at full precision, as the last
// tick left them (a miss leaves what the lookup left).
struct Objekt_Werte {
    double RA2000 = 0, DE2000 = 0; // hours, degrees
    double RAapp = 0, DEapp = 0;   // place of date: hours, degrees
    double VMag = 0, BMag = 0;
};

struct Anzeige {
    Uhr_Anzeige Uhr;            // clock: time scales and their texts
    Positions_Anzeige Position; // object, circles, horizon, colours, status line
    Objekt_Werte Werte;
    bool Gueltig = false;       // an object is selected
    std::string Nicht_Gefunden; // object line after a miss, until the next selection
    std::string Sichtbarkeit;   // when the selected object is up tonight, else empty
    std::string Planung;        // "PLANUNG 2026-12-24 22:00   " at a planned instant, else empty
    std::string Vorschlaege;    // after a miss the names meant perhaps, " · " between them
    std::string Nacht;          // the night's timetable at the clock's instant, local times
    std::string Nacht_Tafel;    // the same in short lines
    // The common name in full where the catalogue cuts it to 16 characters
    // (from the names file), else empty; the object line with it in place
    // of the cut one.
    std::string Name_Voll, Objekt_Zeile_Voll;
    // At a chosen instant (planned in the window, stelux-cli --zeit) the clock's
    // date, time and zone, "2026-12-24 22:00:00 (UT + 60 min)"; now: empty.
    std::string Zeitpunkt;
};
