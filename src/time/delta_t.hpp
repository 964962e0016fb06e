#pragma once
// Difference between Terrestrial Time and Universal Time.

// Delta T = TT - UT of an instant.
//   Given:    jd_ut  Julian Date, UT (days)
//   Returned: Delta T, seconds; 0 for an instant that is not finite
//   Notes:    the decimal year counts mean Gregorian years of 365.2425 days
//             from 2000-01-01 0h; the polynomials of 1900-2150, and the
//             long-term parabola -20 + 32 u^2 (u centuries from 1820) outside.
//   References: Espenak, F. & Meeus, J., Five Millennium Canon of Solar
//             Eclipses: -1999 to +3000, NASA/TP-2006-214141 (2006); Morrison,
//             L.V. & Stephenson, F.R., J. Hist. Astron. 35, 327 (2004) for
//             the parabola.
double Delta_T(double jd_ut);
