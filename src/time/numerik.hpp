#pragma once
// Numeric helpers shared by the whole program. Angles in radians.

// b raised to the power e, b > 0.
double Potenz(double b, double e);

// Arc cosine, radians in [0, pi]. Arguments that rounding pushed past +-1 are
// clamped (the callers form cosines from sums and quotients and expect an angle).
double ArcCos(double x);

// Arc sine, radians in [-pi/2, pi/2]; the argument is clamped to [-1, 1].
double ArcSin(double x);

// Full-circle arc tangent of y/x (y first), radians in (-pi, pi]; 0 for (0, 0).
double ArcTan2(double y, double x);

// Remainder of x modulo m (value first), 0 <= result < m.
double Mod_Positiv(double x, double m);
