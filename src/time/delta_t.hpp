#pragma once
// Difference between Terrestrial Time and Universal Time.

// Delta T = TT - UT of an instant.
//   jd_ut  Julian Date, UT (days)
//   return seconds  (Espenak & Meeus polynomials, NASA Five Millennium Canon
//   of Solar Eclipses 2006; the long-term parabola outside 1900-2150)
double Delta_T(double jd_ut);
