#pragma once
// A place on the sky and what every part does with one: move it between the
// J2000 frame and the mean equator and equinox of date, and measure the
// distance between two places.

// A place on the sky: right ascension in hours, declination in degrees.
struct Himmelsort {
    double RA = 0; // hours, 0 <= RA < 24
    double DE = 0; // degrees, -90..+90
};

// Mean place of date of a J2000 place at jd (the program's own precession),
// and back. jd: Julian Date of the equinox of date (the clock's instant).
Himmelsort J2000_Zu_Datum(const Himmelsort& j2000, double jd);
Himmelsort Datum_Zu_J2000(const Himmelsort& datum, double jd);

// Angular distance of two places, degrees.
double Abstand_Grad(const Himmelsort& a, const Himmelsort& b);
