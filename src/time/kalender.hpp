#pragma once
// Calendar date and time <-> Julian Date (Julian calendar before 1582-10-15,
// Gregorian from then on).
#include <cstdint>

// Julian Date (days) of a calendar date and time of day.
//   Y, M, D  year, month, day; h, m, s  hours, minutes, seconds
// Throws Bereichs_Fehler when a day count leaves the 32-bit range.
void Datum_Zu_JD(std::int32_t Y, std::int32_t M, std::int32_t D, double h, double m, double s,
                 double& JD);

// Calendar date and time of day of a Julian Date.
//   returns year, month, day; hour and minute as whole numbers; seconds with
//   millisecond fraction. Throws Bereichs_Fehler for JD >= 2^31, for a JD so far
//   back that the year leaves the 32-bit range, or for a JD that is not finite.
void JD_Zu_Datum(double JD, std::int32_t& Y, std::int32_t& M, std::int32_t& D, double& h, double& m,
                 double& s);
