#pragma once
// A place on the sky and what every part does with one: move it between the
// astrometric place (J2000, ICRS axes) and the true apparent place of date,
// and measure the distance between two places.

// A place on the sky: right ascension in hours, declination in degrees.
struct Himmelsort {
    double RA = 0; // hours, 0 <= RA < 24
    double DE = 0; // degrees, -90..+90
};

// Geocentric true apparent place of date ("JNow": precession IAU 2006,
// nutation IAU 2000B, annual aberration, light deflection) of an astrometric
// J2000 place at jd, and back (astrometric scheinbarer_ort.hpp). jd: Julian
// Date, UT, of the instant.
Himmelsort J2000_Zu_Datum(const Himmelsort& j2000, double jd);
Himmelsort Datum_Zu_J2000(const Himmelsort& datum, double jd);

// Angular distance of two places, degrees.
double Abstand_Grad(const Himmelsort& a, const Himmelsort& b);
