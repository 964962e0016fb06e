#pragma once
// Two-body orbits: the Kepler equation in its elliptic, hyperbolic and
// near-parabolic forms, and the heliocentric place and velocity in the
// ecliptic frame of the elements. Times are Julian centuries from J2000.0,
// distances AU, velocities AU per day, angles degrees unless stated.
// The solvers write a one-line note to standard error when their iteration
// limit is used up and return the last iterate.
//
// References (whole file):
//   Meeus, J., Astronomical Algorithms, 2nd ed. (1998), ch. 30 (equation of
//   Kepler), ch. 33 (elliptic motion).
//   Stumpff, K., Himmelsmechanik, Bd. I (1959): the c-functions of the
//   universal formulation.
//   Danby, J.M.A., Fundamentals of Celestial Mechanics, 2nd ed. (1988), ch. 6
//   (elliptic, hyperbolic and universal-variable motion).
#include "shared/konstanten.hpp"

// 3x3 matrix, row by row (m11, m12, m13, m21, ...).
using Matrix3 = double[3][3];

// Eccentric anomaly of the elliptic Kepler equation E - e sin E = M.
//   Given:    M  mean anomaly, degrees; e  eccentricity, 0 <= e < 1
//   Returned: E, degrees, in [0, 360)
//   Notes:    Newton's iteration in radians from E = M (E = pi for e >= 0.8),
//             to |E - e sin E - M| <= 1e-11, at most 15 steps.
//   References: Meeus ch. 30 (Newton's method).
double ECCANOM(double M, double e);

// Hyperbolic anomaly of the hyperbolic Kepler equation e sinh H - H = MH.
//   Given:    MH  hyperbolic mean anomaly, radians; e > 1
//   Returned: H, radians, same sign as MH
//   Notes:    Newton's iteration from H = ln(2|MH|/e + 1.8), at most 15 steps.
//   References: Danby ch. 6.
double HYPANOM(double MH, double e);

// Place and velocity in the orbit plane of an ellipse.
//   Given:    M  mean anomaly, degrees; a  semi-major axis, AU; e  eccentricity
//   Returned: x, y  AU, x towards perihelion, y 90 degrees ahead in the
//             direction of motion; vx, vy  AU per day
//   References: Danby ch. 6.
void ELLBAHN(double M, double a, double e, double& x, double& y, double& vx, double& vy);

// Place and velocity in the orbit plane of a hyperbola.
//   Given:    T0, T  perihelion passage and instant, Julian centuries from
//             J2000.0; a  semi-major axis, AU (sign ignored); e > 1
//   Returned: x, y  AU; vx, vy  AU per day (axes as ELLBAHN)
//   References: Danby ch. 6.
void HYPBAHN(double T0, double T, double a, double e, double& x, double& y, double& vx, double& vy);

// The series c1 = sum (-E2)^n/(2n+1)!, c2 = sum (-E2)^n/(2n+2)!,
// c3 = sum (-E2)^n/(2n+3)!, n = 0, 1, ...
//   Given:    E2  argument (dimensionless)
//   Returned: c1, c2, c3; NaN for all three when the terms overflow
//   Notes:    summed until a term is below 1e-12.
//   References: Stumpff (1959); Danby ch. 6.
void CREIHEN(double E2, double& c1, double& c2, double& c3);

// Cube root.
//   Given:    x >= 0
//   Returned: x^(1/3); 0 for 0
double KUBWURZEL(double x);

// Place and velocity in the orbit plane of a near-parabolic orbit (e close to 1,
// either side), by the universal series.
//   Given:    T0, T  perihelion passage and instant, Julian centuries from
//             J2000.0; q  perihelion distance, AU; e  eccentricity
//   Returned: x, y  AU; vx, vy  AU per day (axes as ELLBAHN)
//   Notes:    iterates Barker's equation corrected by the c-functions until
//             E2 changes by less than 1e-9, at most 50 steps.
//   References: Stumpff (1959); Danby ch. 6.
void PARAB(double T0, double T, double q, double e, double& x, double& y, double& vx, double& vy);

// Cosine and sine of an angle.
//   Given:    x  degrees
//   Returned: cos x, sin x
double COSG(double x);
double SING(double x);

// Orientation of an orbit.
//   Given:    Knoten  longitude of the ascending node; Inkl  inclination;
//             Peri  argument of perihelion; all degrees, in the ecliptic and
//             equinox of the elements
//   Returned: m, columns P (to perihelion), Q (90 degrees ahead in the
//             direction of motion), R (orbit pole) in ecliptic coordinates
//   References: Meeus ch. 33 (the vectors P and Q).
void BAHNMATRIX(double Knoten, double Inkl, double Peri, Matrix3& m);

// Ecliptic coordinates of an orbit-plane vector.
//   Given:    m  orbit matrix (BAHNMATRIX); x, y  orbit-plane components
//   Returned: X, Y, Z  = x P + y Q, in the units of x and y
void BAHNEKL(const Matrix3& m, double x, double y, double& X, double& Y, double& Z);

// Heliocentric place and velocity of a body from its elements.
//   Given:    m  orbit matrix (BAHNMATRIX); e  eccentricity; q  perihelion
//             distance, AU; T, T0  instant and perihelion passage, Julian
//             centuries from J2000.0
//   Returned: X, Y, Z  AU; VX, VY, VZ  AU per day; ecliptic frame of m
//   Notes:    near-parabolic series (PARAB) when |1 - e| < 0.1 and the mean
//             anomaly is below 5 degrees, else elliptic or hyperbolic motion.
//   References: Danby ch. 6.
void BAHNORT(const Matrix3& m, double e, double q, double T, double T0, double& X, double& Y,
             double& Z, double& VX, double& VY, double& VZ);
