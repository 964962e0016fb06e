#pragma once
// Diurnal parallax: a geocentric place as seen from the observatory.

// The observatory's geocentric position, equator and equinox J2000.0.
//   laenge_sternzeit  local mean sidereal time, hours
//   breite  geodetic latitude, degrees; hoehe  metres above the WGS84 ellipsoid
//   jd      Julian Date of the equator of date the sidereal time refers to
//   v       AU
// Latitude and height are held to -90..90 deg and -500..9000 m.
void Beobachter_Vektor(double sternzeit, double breite, double hoehe, double jd, double v[3]);

// Topocentric place of a body from its geocentric place.
//   ra, de    geocentric place, J2000, hours and degrees
//   distanz   geocentric distance, AU; no parallax for a distance not above zero
//   v         the observatory's vector (Beobachter_Vektor), AU
//   ra_topo   hours 0 <= ra < 24, de_topo degrees, J2000
// The geocentric place is kept when the result would not be finite.
void Topozentrisch(double ra, double de, double distanz, const double v[3], double& ra_topo,
                   double& de_topo);
