#pragma once

// Greenwich mean sidereal time of an instant, as an angle.
//   jd_ut  Julian Date, UT (days)
//   return radians, 0 <= result < 2*pi  (IAU 1982 expression in Meeus' form)
double Sternzeit_Greenwich(double jd_ut);
