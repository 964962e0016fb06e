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
inline constexpr double JD2000 = 2451545.0; // 2000-01-01 12:00
// Offset between a date-time number (days since 1899-12-30 00:00) and the Julian Date.
inline constexpr double Datum_Zeit_Offset_JD = 2415018.5;

// Unknown magnitude, size or distance; readers compare for equality.
inline constexpr double UNBEKANNT = 999999.0;
