#pragma once
// Two-body orbits: the Kepler equation in its elliptic, hyperbolic and
// near-parabolic forms, and the heliocentric place and velocity in the
// ecliptic frame of the elements. Times are Julian centuries from J2000.0,
// distances AU, velocities AU per day, angles degrees unless stated.
// The solvers write a one-line note to standard error when their iteration
// limit is used up and return the last iterate.

// Gaussian gravitational constant, radians per day.
inline constexpr double Gauss_K = 0.01720209895;
// k times the days of a Julian century.
inline constexpr double Gauss_K_Jahrhundert = 628.30666414875;

// 3x3 matrix, row by row (m11, m12, m13, m21, ...).
using Matrix3 = double[3][3];

// Eccentric anomaly E of the elliptic Kepler equation E - e sin E = M.
//   M  mean anomaly, degrees; e  eccentricity, 0 <= e < 1
//   return E in degrees, in [0, 360)
double ECCANOM(double M, double e);

// Hyperbolic anomaly H of e sinh H - H = MH.
//   MH  hyperbolic mean anomaly, radians; e > 1
//   return H in radians
double HYPANOM(double MH, double e);

// Place and velocity in the orbit plane of an ellipse (x towards perihelion).
//   M  mean anomaly, degrees; a  semi-major axis, AU; e  eccentricity
//   x, y  AU; vx, vy  AU per day
void ELLBAHN(double M, double a, double e, double& x, double& y, double& vx, double& vy);

// Place and velocity in the orbit plane of a hyperbola.
//   T0, T  perihelion passage and instant, Julian centuries; a  semi-major axis,
//   AU (sign ignored); e > 1
void HYPBAHN(double T0, double T, double a, double e, double& x, double& y, double& vx, double& vy);

// The Stumpff-type series c1 = sum (-E2)^n/(2n+1)!, c2 = sum (-E2)^n/(2n+2)!,
// c3 = sum (-E2)^n/(2n+3)!, n = 0, 1, ...
void CREIHEN(double E2, double& c1, double& c2, double& c3);

// Cube root of x >= 0.
double KUBWURZEL(double x);

// Place and velocity in the orbit plane of a near-parabolic orbit (e close to 1,
// either side), by the universal series.
//   T0, T  perihelion passage and instant, Julian centuries; q  perihelion
//   distance, AU; e  eccentricity
void PARAB(double T0, double T, double q, double e, double& x, double& y, double& vx, double& vy);

// Cosine and sine of an angle in degrees.
double COSG(double x);
double SING(double x);

// Orientation of an orbit: columns P (to perihelion), Q (90 degrees ahead in
// the direction of motion), R (orbit pole) in ecliptic coordinates.
//   Knoten  longitude of the ascending node; Inkl  inclination; Peri  argument
//   of perihelion; all degrees
void BAHNMATRIX(double Knoten, double Inkl, double Peri, Matrix3& m);

// Ecliptic X, Y, Z of the orbit-plane vector (x, y).
void BAHNEKL(const Matrix3& m, double x, double y, double& X, double& Y, double& Z);

// Heliocentric ecliptic place (AU) and velocity (AU per day) of a body, in the
// frame of the orbit matrix m.
//   e  eccentricity; q  perihelion distance, AU; T, T0  instant and perihelion
//   passage, Julian centuries from J2000.0
void BAHNORT(const Matrix3& m, double e, double q, double T, double T0, double& X, double& Y,
             double& Z, double& VX, double& VY, double& VZ);
