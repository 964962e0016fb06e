#pragma once
// The planning instant: the window runs on from a chosen local date and time
// as if it were now.
#include <cstdint>
#include <string>

inline constexpr int Planung_Jahr_Von = 1900, Planung_Jahr_Bis = 2100;

struct Planungs_Zeitpunkt {
    bool Angenommen = false;
    std::int64_t Versatz_ms = 0; // to add to the clock's instant
    std::string Marke;           // "PLANUNG 2026-12-24 22:00   " before the status line
    std::string Meldung;         // why it was refused
};

// The planning instant chosen as local calendar fields (zone of the PC clock),
// the same instant and the clock's present instant as milliseconds since
// 1970-01-01 UT. Refused (with Meldung) outside the years 1900..2100 or when
// `gueltig` is false (no such local time).
Planungs_Zeitpunkt Planung_Berechnen(bool gueltig, int jahr, int monat, int tag, int stunde,
                                     int minute, std::int64_t gewaehlt_ms, std::int64_t jetzt_ms);
