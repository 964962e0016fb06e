#pragma once
// Date-time and sexagesimal texts of the clock and the coordinate labels.
#include <cstdint>
#include <string>

// "YYYY-MM-DD hh:mm:ss", with tenths of seconds ("...:ss.s") when z = 1.
// Seconds are rounded half up but never shown above 59 (59.9).
std::string Datum_Zeit_Text(std::int32_t Y, std::int32_t M, std::int32_t D, double h, double m,
                            double s, std::uint8_t z);

// Hours or degrees as " shh:mm:ss[.s...]": sign, whole part and colon fill 5
// characters right-aligned, then minutes and seconds with n decimals (0..4).
// Rounding happens on the whole value, so seconds never read 60.
// Throws Bereichs_Fehler for n outside 0..4.
std::string Sexagesimal_Text(int n, double x);

// The text of a Julian Date as the clock shows it.
std::string JD_Datum_Zeit_Text(double JD, std::uint8_t z);
