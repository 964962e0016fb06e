#pragma once
// Numeric helpers shared by the whole program. Angles in radians.

// Power.
//   Given:    b > 0; e
//   Returned: b^e, as exp(e ln b)
double Potenz(double b, double e);

// Arc cosine.
//   Given:    x; values that rounding pushed past +-1 are clamped (the callers
//             form cosines from sums and quotients and expect an angle)
//   Returned: radians in [0, pi]
double ArcCos(double x);

// Arc sine.
//   Given:    x, clamped to [-1, 1]
//   Returned: radians in [-pi/2, pi/2]
double ArcSin(double x);

// Full-circle arc tangent of y/x.
//   Given:    y, x  (y first)
//   Returned: radians in (-pi, pi]; 0 for (0, 0)
double ArcTan2(double y, double x);

// Remainder.
//   Given:    x; m > 0  (value first)
//   Returned: x modulo m, 0 <= result < m
double Mod_Positiv(double x, double m);
