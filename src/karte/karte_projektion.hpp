#pragma once
// Gnomonic projection of the sky onto a finder chart: the tangent plane at the
// chart centre, north up and east left as seen on the sky, optionally mirrored
// (instrument with a diagonal) and turned like the view in the eyepiece.
#include "shared/konstanten.hpp"

// The field of a chart.
struct Karten_Ansicht {
    double RA_Mitte = 0;  // hours, equinox of date
    double DE_Mitte = 0;  // degrees
    double Feld = 5;      // degrees across the shorter side of the chart
    int Breite = 800;     // pixels
    int Hoehe = 800;      // pixels
    bool Spiegel = false; // mirror image: east and west swapped
    double Drehung = 0;   // degrees, the chart turned counter-clockwise on the screen
};

// Largest field a chart may show (degrees); the gnomonic plane grows without
// bound towards 180 degrees.
inline constexpr double Feld_Maximal = 90.0;

// True for 0 < feld <= Feld_Maximal (a number, not NaN).
bool Feld_Gueltig(double feld);

// Unit vector of a place: ra hours, de degrees.
struct Richtung {
    double x = 0, y = 0, z = 0;
};
Richtung Richtung_Von(double ra_std, double de_grad);

class Karten_Projektion {
public:
    // Throws Bereichs_Fehler for a field outside (0, Feld_Maximal] or a size
    // below one pixel.
    explicit Karten_Projektion(const Karten_Ansicht& ansicht);

    // Pixel of a place (x right, y down, origin top left). False when the place
    // lies 90 degrees or more from the centre (no image on the tangent plane).
    bool Projizieren(const Richtung& r, double& x, double& y) const;
    bool Projizieren(double ra_std, double de_grad, double& x, double& y) const {
        return Projizieren(Richtung_Von(ra_std, de_grad), x, y);
    }

    // Pixels per degree at the centre.
    double Pixel_Pro_Grad() const { return skala_ * Grad_Zu_Rad; }
    // Angular distance (degrees) from the centre to the farthest corner.
    double Eckradius_Grad() const { return eckradius_; }
    // Screen direction (unit vector, y down) of north and east at the centre.
    void Richtungen(double& nord_x, double& nord_y, double& ost_x, double& ost_y) const;
    const Karten_Ansicht& Ansicht() const { return a_; }

private:
    Karten_Ansicht a_;
    Richtung mitte_, ost_, nord_; // centre and the tangent plane's axes
    double skala_ = 1;            // pixels per unit of the tangent plane
    double eckradius_ = 0;
    double cos_d_ = 1, sin_d_ = 0;
};
