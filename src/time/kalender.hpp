#pragma once
// Calendar date and time <-> Julian Date (Julian calendar before 1582-10-15,
// Gregorian from then on).
#include <cstdint>

// Julian Date of a calendar date and time of day.
//   Given:    Y, M, D  year (astronomical numbering, 0 = 1 BC), month, day;
//             h, m, s  hours, minutes, seconds of the day
//   Returned: JD, days, in the time scale of the date given
//   Notes:    years before 333 are shifted forward by whole Julian millennia
//             (365250 days) for the day counts and back at the end.
//             Throws Bereichs_Fehler when a day count leaves the 32-bit range.
//   References: Meeus, J., Astronomical Algorithms, 2nd ed. (1998), ch. 7
//             (eq. 7.1).
void Datum_Zu_JD(std::int32_t Y, std::int32_t M, std::int32_t D, double h, double m, double s,
                 double& JD);

// Modified Julian Date (JD - 2400000.5) of a calendar date and hours of the
// day, with the calendar and limits of Datum_Zu_JD.
double Datum_Zu_MJD(std::int32_t Y, std::int32_t M, std::int32_t D, double stunden);

// Calendar date and time of day of a Julian Date.
//   Given:    JD  Julian Date, days
//   Returned: Y, M, D  year, month, day; h, m  hour and minute as whole
//             numbers; s  seconds, rounded to the millisecond
//   Notes:    the time of day comes from the fraction of JD alone. Throws
//             Bereichs_Fehler for JD >= 2^31, for a JD so far back that the
//             year leaves the 32-bit range, or for a JD that is not finite.
//   References: Meeus ch. 7 (calendar date from the Julian Day).
void JD_Zu_Datum(double JD, std::int32_t& Y, std::int32_t& M, std::int32_t& D, double& h, double& m,
                 double& s);
