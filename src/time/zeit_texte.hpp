#pragma once
// Date-time and sexagesimal texts of the clock and the coordinate labels.
#include <cstdint>
#include <string>

// Date and time as text.
//   Given:    Y, M, D; h, m, s  hours, minutes, seconds; z  1: tenths of seconds
//   Returned: "YYYY-MM-DD hh:mm:ss" ("...:ss.s" when z = 1); seconds are rounded
//             half up but never shown above 59 (59.9)
std::string Datum_Zeit_Text(std::int32_t Y, std::int32_t M, std::int32_t D, double h, double m,
                            double s, std::uint8_t z);

// Hours or degrees in sexagesimal notation.
//   Given:    n  decimals of the seconds, 0..4; x  hours or degrees
//   Returned: " shh:mm:ss[.s...]": sign, whole part and colon fill 5
//             characters right-aligned, then minutes and seconds. Rounding
//             happens on the whole value, so seconds never read 60.
//   Notes:    throws Bereichs_Fehler for n outside 0..4.
std::string Sexagesimal_Text(int n, double x);

// A Julian Date as the clock shows it.
//   Given:    JD  days; z  1: tenths of seconds
//   Returned: the calendar date and time (JD_Zu_Datum) as Datum_Zeit_Text
std::string JD_Datum_Zeit_Text(double JD, std::uint8_t z);
