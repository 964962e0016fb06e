#pragma once
// The Moon's geocentric place.

struct Mond_Ort {
    double RA = 0;         // hours, J2000 (GCRS), geocentric
    double DE = 0;         // degrees
    double Distanz_km = 0; // geocentric distance, km
    double Beleuchtet = 0; // illuminated fraction of the disc, 0..1
};

// The Moon's geocentric place, distance and phase.
//   Given:    jd_ut  Julian Date, UT (days)
//   Returned: ort  (RA, DE geometric, frame of J2000 (GCRS); distance; the
//             illuminated fraction (1 + cos i) / 2 of the phase angle i);
//             false when the instant gives no finite place
//   Notes:    evaluated at TT = UT + Delta_T; the Moon from ERFA eraMoon98, the
//             Sun (for the phase angle) from eraEpv00; no light time.
//   References: Meeus, J., Astronomical Algorithms, 2nd ed. (1998), ch. 47
//             (the simplified ELP series of eraMoon98) and ch. 48 (illuminated
//             fraction); Chapront-Touze, M. & Chapront, J., Lunar Tables and
//             Programs from 4000 B.C. to A.D. 8000, Willmann-Bell (1991).
bool Mond_Berechnen(double jd_ut, Mond_Ort& ort);
