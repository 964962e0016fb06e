#include "time/numerik.hpp"

#include <cmath>

#include "shared/konstanten.hpp"

double Potenz(double b, double e) {
    return std::exp(e * std::log(b));
}

double ArcCos(double x) {
    if (x >= 1.0) return 0.0;
    if (x <= -1.0) return Pi;
    return Pi / 2 - std::atan(x / std::sqrt(1.0 - x * x));
}

double ArcSin(double x) {
    if (x > 1.0) x = 1.0;
    if (x < -1.0) x = -1.0;
    if (std::fabs(x) == 1.0) return x * Pi / 2;
    return std::atan(x / std::sqrt(1.0 - x * x));
}

double ArcTan2(double y, double x) {
    if (x == 0.0 && y == 0.0) return 0.0;
    const double ax = std::fabs(x);
    const double ay = std::fabs(y);
    double a = ax > ay ? std::atan(ay / ax) : Pi / 2 - std::atan(ax / ay);
    if (x < 0) a = Pi - a;
    if (y < 0) a = -a;
    return a;
}

double Mod_Positiv(double x, double m) {
    // Extended precision keeps exact cases exact: 25 mod 24 is 1, not 0.99999999999999.
    const long double q = static_cast<long double>(x) / m;
    double r = static_cast<double>(m * (q - std::trunc(q)));
    if (r < 0) r += m;
    // A tiny negative remainder plus m rounds to m itself; that is 0 modulo m.
    if (r >= m) r = 0.0;
    return r;
}
