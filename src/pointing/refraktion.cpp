#include "pointing/refraktion.hpp"

#include <cmath>

#include "shared/konstanten.hpp"

double Standard_Luftdruck(double hoehe_ort) {
    double h = std::isfinite(hoehe_ort) ? hoehe_ort : 0.0;
    if (h < -500.0) h = -500.0;
    if (h > 9000.0) h = 9000.0;
    return 1013.25 * std::pow(1.0 - 2.25577e-5 * h, 5.25588);
}

double Refraktion(double hoehe, double hoehe_ort) {
    if (!(hoehe >= -1.0)) return 0.0;
    const double h = hoehe > 90.0 ? 90.0 : hoehe;
    // arcminutes; the formula's small negative value at the zenith is dropped
    double r = 1.02 / std::tan((h + 10.3 / (h + 5.11)) * Grad_Zu_Rad);
    if (!(r > 0.0)) r = 0.0;
    return r / 60.0 * Standard_Luftdruck(hoehe_ort) / 1010.0;
}
