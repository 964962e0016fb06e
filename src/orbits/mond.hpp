#pragma once
// The Moon's geocentric place.

struct Mond_Ort {
    double RA = 0;         // hours, J2000 (GCRS), geocentric
    double DE = 0;         // degrees
    double Distanz_km = 0; // geocentric distance, km
    double Beleuchtet = 0; // illuminated fraction of the disc, 0..1
};

// The Moon at an instant given in UT, evaluated at TT = UT + Delta T.
//   jd_ut  Julian Date, UT (days)
//   (ERFA eraMoon98, after Meeus' simplified ELP; the Sun from eraEpv00 for the
//   phase angle). False when the instant gives no finite place.
bool Mond_Berechnen(double jd_ut, Mond_Ort& ort);
