#pragma once

// Greenwich mean sidereal time of an instant, as an angle.
//   Given:    jd_ut  Julian Date, UT (days)
//   Returned: GMST, radians, 0 <= result < 2 pi
//   Notes:    the IAU 1982 expression written in days and Julian centuries
//             of UT from J2000.0, summed in extended precision; no equation of
//             the equinoxes (mean, not apparent, sidereal time).
//   References: Aoki, S. et al., Astron. Astrophys. 105, 359 (1982);
//             Meeus, J., Astronomical Algorithms, 2nd ed. (1998), ch. 12,
//             eq. 12.4.
double Sternzeit_Greenwich(double jd_ut);
