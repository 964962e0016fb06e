#include "karte/karte_projektion.hpp"

#include <cmath>

#include "shared/fehler.hpp"
#include "shared/konstanten.hpp"

bool Feld_Gueltig(double feld) {
    return feld > 0 && feld <= Feld_Maximal;
}

Richtung Richtung_Von(double ra_std, double de_grad) {
    const double a = ra_std * Std_Zu_Rad, d = de_grad * Grad_Zu_Rad;
    return {std::cos(d) * std::cos(a), std::cos(d) * std::sin(a), std::sin(d)};
}

Karten_Projektion::Karten_Projektion(const Karten_Ansicht& ansicht) : a_(ansicht) {
    if (!Feld_Gueltig(a_.Feld))
        throw Bereichs_Fehler("Kartenfeld muss über 0 und höchstens 90 Grad sein");
    if (a_.Breite < 1 || a_.Hoehe < 1) throw Bereichs_Fehler("Kartengröße unter einem Pixel");
    const double a = a_.RA_Mitte * Std_Zu_Rad, d = a_.DE_Mitte * Grad_Zu_Rad;
    mitte_ = {std::cos(d) * std::cos(a), std::cos(d) * std::sin(a), std::sin(d)};
    // East: direction of increasing RA; north: towards the pole. At the pole
    // itself RA_Mitte fixes the orientation, as the formulas of a and d give.
    ost_ = {-std::sin(a), std::cos(a), 0};
    nord_ = {-std::sin(d) * std::cos(a), -std::sin(d) * std::sin(a), std::cos(d)};
    const double halb = 0.5 * std::min(a_.Breite, a_.Hoehe);
    skala_ = halb / std::tan(0.5 * a_.Feld * Grad_Zu_Rad);
    const double ecke = std::hypot(0.5 * a_.Breite, 0.5 * a_.Hoehe) / skala_;
    eckradius_ = std::atan(ecke) * Rad_Zu_Grad;
    cos_d_ = std::cos(a_.Drehung * Grad_Zu_Rad);
    sin_d_ = std::sin(a_.Drehung * Grad_Zu_Rad);
}

bool Karten_Projektion::Projizieren(const Richtung& r, double& x, double& y) const {
    const double c = r.x * mitte_.x + r.y * mitte_.y + r.z * mitte_.z;
    if (c <= 1e-9) return false;
    const double xi = (r.x * ost_.x + r.y * ost_.y + r.z * ost_.z) / c;
    const double eta = (r.x * nord_.x + r.y * nord_.y + r.z * nord_.z) / c;
    // East left (unless mirrored), north up; y grows downwards.
    const double dx = (a_.Spiegel ? xi : -xi) * skala_;
    const double dy = -eta * skala_;
    x = 0.5 * a_.Breite + dx * cos_d_ + dy * sin_d_;
    y = 0.5 * a_.Hoehe - dx * sin_d_ + dy * cos_d_;
    return true;
}

void Karten_Projektion::Richtungen(double& nord_x, double& nord_y, double& ost_x,
                                   double& ost_y) const {
    const double ox = a_.Spiegel ? 1 : -1;
    // Screen vectors of (east, north) = (ox, 0) and (0, -1), turned.
    ost_x = ox * cos_d_;
    ost_y = -ox * sin_d_;
    nord_x = -sin_d_;
    nord_y = -cos_d_;
}
