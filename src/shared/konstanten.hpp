#pragma once
// Typed constants shared by the whole program (angles in radians, time in hours,
// instants as Julian Dates in days).
#include <array>
#include <cstdint>

inline constexpr double Pi = 3.141592653589793;
inline constexpr double Zwei_Pi = 6.283185307179586;
inline constexpr double Grad_Zu_Rad = 0.017453292519943295; // pi/180
inline constexpr double Rad_Zu_Grad = 57.29577951308232;    // 180/pi
inline constexpr double Std_Zu_Rad = 0.26179938779914946;   // pi/12, hours to radians
inline constexpr double Rad_Zu_Std = 3.819718634205488;     // 12/pi, radians to hours
inline constexpr std::array<std::int32_t, 5> Zehnerpotenzen = {1, 10, 100, 1000, 10000};
inline constexpr double JD2000 = 2451545.0;            // 2000-01-01 12:00 TT, epoch J2000.0
inline constexpr double Tage_Je_Jahrhundert = 36525.0; // days per Julian century
inline constexpr double MJD_Nullpunkt = 2400000.5;     // Julian Date of MJD 0
// Gaussian gravitational constant k, radians per day.
inline constexpr double Gauss_K = 0.01720209895;
// k times the days of a Julian century: the decimal product 628.30666414875,
// rounded once (k * 36525.0 in double arithmetic lands one unit higher).
inline constexpr double Gauss_K_Jahrhundert = 628.30666414875;
// The two conversions as the orbit code rounds them: pi/180 to 15 significant
// digits (one unit in the last place above Grad_Zu_Rad) and 180/pi to 10.
// Minor-body places keep their last digits with them; the difference is far
// below a milliarcsecond.
inline constexpr double Grad_Zu_Rad_Bahn = 0.0174532925199433;
inline constexpr double Rad_Zu_Grad_Bahn = 57.29577951;
// Offset between a date-time number (days since 1899-12-30 00:00) and the Julian Date.
inline constexpr double Datum_Zeit_Offset_JD = 2415018.5;

// Unknown magnitude, size or distance; readers compare for equality.
inline constexpr double UNBEKANNT = 999999.0;
