#pragma once
// Geocentric places and magnitudes of asteroids and comets from their
// elements (ecliptic and equinox J2000.0), and the coordinate helpers they use.
#include "orbits/kepler.hpp"
#include "shared/element_typen.hpp"

// Vector of three doubles (x, y, z).
using Vektor3 = double[3];

// Geocentric astrometric place of an asteroid, corrected for light time, and
// its visual magnitude in the H, G system.
//   rec  elements with the perihelion passage already computed; JD  the
//   instant, used as given (UT standing in for dynamical time)
//   RA  hours, equinox J2000.0; DE  degrees; Mag  visual magnitude
//   return false when the elements describe no orbit (q <= 0, e < 0, a value
//   not finite) or the result is not finite: then RA = DE = 0 and
//   Mag = UNBEKANNT.
//   Delta  when given, receives the geocentric distance, AU
bool ASTEROIDENORT(const Asteroid_Type& rec, double JD, double& RA, double& DE, double& Mag,
                   double* Delta = nullptr);

// The same for a comet; magnitude H + 5 log10(Delta) + 2.5 K log10(r).
bool KOMETENORT(const Komet_Type& rec, double JD, double& RA, double& DE, double& Mag,
                double* Delta = nullptr);

// The Sun's geocentric vector of one instant, shared by every body evaluated at it.
struct Sonnen_Ort {
    double T = 0;     // Julian centuries from J2000.0
    double S[3] = {}; // AU, ecliptic and equinox J2000.0
    double R = 0;     // the Sun's distance one AU's light time earlier, AU
};
Sonnen_Ort Sonne_Zum_Zeitpunkt(double JD);

// The same as ASTEROIDENORT and KOMETENORT with the Sun of the instant given.
bool ASTEROIDENORT(const Asteroid_Type& rec, const Sonnen_Ort& sonne, double& RA, double& DE,
                   double& Mag, double* Delta = nullptr);
bool KOMETENORT(const Komet_Type& rec, const Sonnen_Ort& sonne, double& RA, double& DE, double& Mag,
                double* Delta = nullptr);

// Modified Julian Date of a calendar date and hour (Julian calendar up to
// 1582-10-04, Gregorian from then on).
double KALENDERMJD(int Tag, int Monat, int Jahr, double Stunde);

// Cartesian vector of polar coordinates (angles in degrees).
void POLKART(double r, double Breite, double Laenge, double& x, double& y, double& z);

// Polar coordinates of a cartesian vector: r; latitude, degrees, -90..90;
// longitude, degrees, 0 <= lambda < 360.
void KARTPOL(double x, double y, double z, double& r, double& Breite, double& Laenge);

// Angle of the point (x, y), degrees in (-180, 180]; y first; 0 for (0, 0).
double WINKEL2(double y, double x);

// v = m v.
void MATVEK(const Matrix3& m, Vektor3& v);

// Rotates v from ecliptic to equatorial coordinates with the mean obliquity of T
// (Julian centuries from J2000.0).
void EKLAEQU(Vektor3& v, double T);

// Precession matrix from the ecliptic and equinox of T1 to those of T2 (Julian
// centuries from J2000.0).
void EKLPRAEZ(double T1, double T2, Matrix3& m);
