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
#include <functional>

#include "orbits/bahn_integration.hpp"
#include "orbits/kepler.hpp"
#include "shared/element_typen.hpp"
#include "shared/objekt_type.hpp"

// Vector of three doubles (x, y, z).
using Vektor3 = double[3];

// Geocentric place and visual magnitude of an asteroid.
//   Given:    rec  elements with the perihelion passage already computed;
//             JD  the instant, Julian Date, UT (TT = UT + Delta_T)
//   Returned: RA  hours, equinox J2000.0; DE  degrees; Mag  visual magnitude
//             (H, G system); Delta, when given, the geocentric distance, AU;
//             true, or false when the elements describe no orbit (q <= 0,
//             e < 0, a value not finite) or the result is not finite: then
//             RA = DE = 0 and Mag = UNBEKANNT
//   Notes:    astrometric place: the body's heliocentric place at t - tau
//             seen from the Earth at t, tau the light time (iterated), both
//             referred to the barycentre (the Sun's motion during tau
//             included); the Earth from eraEpv00; no aberration, nutation
//             or parallax.
//   References: Meeus ch. 33; Bowell et al. (1989).
bool ASTEROIDENORT(const Asteroid_Type& rec, double JD, double& RA, double& DE, double& Mag,
                   double* Delta = nullptr);

// The same for a comet.
//   Returned: as ASTEROIDENORT; Mag = H + 5 log10(Delta) + 2.5 K log10(r)
//   References: Meeus ch. 33.
bool KOMETENORT(const Komet_Type& rec, double JD, double& RA, double& DE, double& Mag,
                double* Delta = nullptr);

// The Earth of one instant, shared by every body evaluated at it.
struct Sonnen_Ort {
    double JD_TT = 0;  // Julian Date, TT
    double T = 0;      // Julian centuries (TT) from J2000.0
    double E[3] = {};  // the Earth's heliocentric place, AU, ecliptic and equinox J2000.0
    double EV[3] = {}; // its velocity, AU per day
    double SV[3] = {}; // the Sun's barycentric velocity, AU per day
    double R = 0;      // the Sun's distance, AU
};
//   Given:    JD  Julian Date, UT
//   Returned: the Earth of eraEpv00 at TT = UT + Delta_T, rotated from the
//             equator to the ecliptic of J2000.0
Sonnen_Ort Sonne_Zum_Zeitpunkt(double JD);

// Heliocentric state of a body at an instant (JD, TT); false when it has none.
using Bahn_Funktion = std::function<bool(double, Bahn_Zustand&)>;

// The same as ASTEROIDENORT and KOMETENORT with the Earth of the instant given
// and, when bahn is given, the body's heliocentric states from it in place of
// its two-body orbit (the perturbed orbit).
bool ASTEROIDENORT(const Asteroid_Type& rec, const Sonnen_Ort& sonne, double& RA, double& DE,
                   double& Mag, double* Delta = nullptr, const Bahn_Funktion* bahn = nullptr);
bool KOMETENORT(const Komet_Type& rec, const Sonnen_Ort& sonne, double& RA, double& DE, double& Mag,
                double* Delta = nullptr, const Bahn_Funktion* bahn = nullptr);

// Two-body heliocentric state of a body from its elements.
//   Given:    rec  elements (asteroid: perihelion passage computed); jd_tt  JD, TT
//   Returned: the state; false when the elements describe no orbit
bool Zweikoerper_Zustand(const Asteroid_Type& rec, double jd_tt, Bahn_Zustand& z);
bool Zweikoerper_Zustand(const Komet_Type& rec, double jd_tt, Bahn_Zustand& z);

// The osculating states a tick carries on from: the body's and the Earth's at
// the instant of sonne, and the Sun's barycentric velocity.
//   Returned: stand; false when bahn gives no state at the instant
bool Stand_Festhalten(const Bahn_Funktion& bahn, const Sonnen_Ort& sonne,
                      Oskulierender_Stand& stand);

// Geocentric astrometric place at jd_ut from an osculating stand: the body and
// the Earth moved two-body, light time as ASTEROIDENORT.
//   Returned: RA  hours; DE  degrees; Delta  AU; false when not finite
//   Notes:    good for the hours of an observing night: the Moon's pull on the
//             Earth's orbit moves it by some 10 km in six hours.
bool Stand_Fortfuehren(const Oskulierender_Stand& stand, double jd_ut, double& RA, double& DE,
                       double& Delta);

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
