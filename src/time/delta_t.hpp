#pragma once
// Difference between Terrestrial Time and Universal Time.

// Delta T = TT - UT of an instant.
//   Given:    jd_ut  Julian Date, UT (days)
//   Returned: Delta T, seconds; 0 for an instant that is not finite
//   Notes:    the decimal year counts mean Gregorian years of 365.2425 days
//             from 2000-01-01 0h; from 1973 to the last tabulated year the
//             observed yearly values (IERS), interpolated linearly; after it
//             the last value rising 0.1 s a year, bent to meet the polynomial
//             of 2050-2150 at 2050; before 1973 the polynomials of 1900-1973,
//             and the long-term parabola -20 + 32 u^2 (u centuries from 1820)
//             outside 1900-2150.
//   References: Espenak, F. & Meeus, J., Five Millennium Canon of Solar
//             Eclipses: -1999 to +3000, NASA/TP-2006-214141 (2006); Morrison,
//             L.V. & Stephenson, F.R., J. Hist. Astron. 35, 327 (2004) for
//             the parabola.
double Delta_T(double jd_ut);
