#pragma once
// Geocentric places and magnitudes of asteroids and comets from their
// elements (ecliptic and equinox J2000.0), and the coordinate helpers they use.
//
// References (whole file):
//   Meeus, J., Astronomical Algorithms, 2nd ed. (1998), ch. 7 (Julian Day),
//   ch. 21 (precession, ecliptic angles), ch. 22 (mean obliquity), ch. 33
//   (elliptic motion: geocentric place, light time, comet magnitude).
//   Lieske, J.H. et al., Astron. Astrophys. 58, 1 (1977): precession angles and
//   obliquity of the IAU 1976 system.
//   Bowell, E. et al., in Asteroids II, Univ. of Arizona Press (1989), 524:
//   the H, G magnitude system.
#include "orbits/kepler.hpp"
#include "shared/element_typen.hpp"

// Vector of three doubles (x, y, z).
using Vektor3 = double[3];

// Geocentric place and visual magnitude of an asteroid.
//   Given:    rec  elements with the perihelion passage already computed;
//             JD  the instant, Julian Date, used as given (UT standing in for
//             dynamical time)
//   Returned: RA  hours, equinox J2000.0; DE  degrees; Mag  visual magnitude
//             (H, G system); Delta, when given, the geocentric distance, AU;
//             true, or false when the elements describe no orbit (q <= 0,
//             e < 0, a value not finite) or the result is not finite: then
//             RA = DE = 0 and Mag = UNBEKANNT
//   Notes:    astrometric place: the body's position 0.00578 d/AU times the
//             distance earlier (first-order light time, by its velocity); no
//             aberration, nutation or parallax.
//   References: Meeus ch. 33; Bowell et al. (1989).
bool ASTEROIDENORT(const Asteroid_Type& rec, double JD, double& RA, double& DE, double& Mag,
                   double* Delta = nullptr);

// The same for a comet.
//   Returned: as ASTEROIDENORT; Mag = H + 5 log10(Delta) + 2.5 K log10(r)
//   References: Meeus ch. 33.
bool KOMETENORT(const Komet_Type& rec, double JD, double& RA, double& DE, double& Mag,
                double* Delta = nullptr);

// The Sun's geocentric vector of one instant, shared by every body evaluated at it.
struct Sonnen_Ort {
    double T = 0;     // Julian centuries from J2000.0
    double S[3] = {}; // AU, ecliptic and equinox J2000.0
    double R = 0;     // the Sun's distance one AU's light time earlier, AU
};
//   Given:    JD  Julian Date (as for ASTEROIDENORT)
//   Returned: the Sun of SONNEREIHE, precessed from the ecliptic of date to
//             that of J2000.0 (EKLPRAEZ)
Sonnen_Ort Sonne_Zum_Zeitpunkt(double JD);

// The same as ASTEROIDENORT and KOMETENORT with the Sun of the instant given.
bool ASTEROIDENORT(const Asteroid_Type& rec, const Sonnen_Ort& sonne, double& RA, double& DE,
                   double& Mag, double* Delta = nullptr);
bool KOMETENORT(const Komet_Type& rec, const Sonnen_Ort& sonne, double& RA, double& DE, double& Mag,
                double* Delta = nullptr);

// Cartesian vector of polar coordinates.
//   Given:    r  length; Breite  latitude, degrees; Laenge  longitude, degrees
//   Returned: x, y, z  in the units of r
void POLKART(double r, double Breite, double Laenge, double& x, double& y, double& z);

// Polar coordinates of a cartesian vector.
//   Given:    x, y, z
//   Returned: r  length; Breite  latitude, degrees, -90..90; Laenge
//             longitude, degrees, 0 <= Laenge < 360
void KARTPOL(double x, double y, double z, double& r, double& Breite, double& Laenge);

// Angle of the point (x, y).
//   Given:    y, x  (y first)
//   Returned: degrees in (-180, 180]; 0 for (0, 0)
double WINKEL2(double y, double x);

// Matrix times vector.
//   Given:    m; v
//   Returned: v = m v
void MATVEK(const Matrix3& m, Vektor3& v);

// Ecliptic to equatorial coordinates.
//   Given:    v  ecliptic vector of the equinox of T; T  Julian centuries
//             from J2000.0
//   Returned: v  equatorial, rotated about x by the mean obliquity of T
//             (23.43929111 deg - 46.815" T - 0.00059" T^2 + 0.001813" T^3)
//   References: Meeus ch. 22; Lieske et al. (1977).
void EKLAEQU(Vektor3& v, double T);

// Precession matrix between two ecliptics and equinoxes.
//   Given:    T1, T2  Julian centuries from J2000.0, from and to
//   Returned: m, applied as v2 = m v1 to ecliptic vectors
//   Notes:    from the angles Pi, pi and p of the ecliptic precession.
//   References: Meeus ch. 21; Lieske et al. (1977).
void EKLPRAEZ(double T1, double T2, Matrix3& m);
