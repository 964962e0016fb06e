#pragma once
// The clock tick: PC clock and time-zone state to every time scale the window shows.
#include <string>

#include "shared/parameter_type.hpp"
#include "shared/zeitzone_type.hpp"

// Every text and value one clock tick produces.
struct Uhr_Anzeige {
    std::string Zone;      // "UT + 60 min"
    std::string PC_Zeit;   // date and time of the PC clock
    std::string UT_Zeit;   // date and time, UT
    std::string JD_Text;   // Julian Date, UT, five decimals
    std::string GMST_Text; // Greenwich mean sidereal time
    std::string LMST_Text; // local mean sidereal time
    std::string Status;    // the corrections of both instruments
    double JD_PC = 0;      // Julian Date of the PC clock, no zone correction
    double JD_UT = 0;      // Julian Date, UT
    double Sternzeit = 0;  // local mean sidereal time, hours [0, 24)
    double GMST = 0;       // Greenwich mean sidereal time, hours [0, 24)
};

// One clock tick.
//   Given:    jd_pc  the PC's local clock reading as a Julian Date (date-time
//                    number + 2415018.5)
//             zone   time-zone state; UT = local + Bias (+ DaylightBias in
//                    daylight time)
//             parameter  longitude (degrees east) and the four circle corrections
//             zehntel    1: seconds with tenths
//   Returned: the texts of the clock fields and JD_PC, JD_UT (days), GMST and
//             local mean sidereal time (hours, GMST + longitude / 15)
//   References: Sternzeit_Greenwich for GMST.
Uhr_Anzeige Uhr_Tick(double jd_pc, const Zeitzone_Info& zone, const Parameter_Type& parameter,
                     int zehntel);

// The zone label of a time-zone state.
//   Returned: "UT", "UT + 60 min", "UT - 300 min"; "UT ?" when the query failed
std::string Zeitzone_Text(const Zeitzone_Info& zone);

// Offset of the PC clock.
//   Returned: minutes to add to the PC clock to get UT (0 in state 0 and when
//             the query failed)
int Zeitzone_Versatz_Minuten(const Zeitzone_Info& zone);

// The status bar line.
//   Returned: the text with the corrections of both instruments (degrees of
//             declination, minutes of hour angle)
std::string Korrektur_Status_Text(const Parameter_Type& parameter);
