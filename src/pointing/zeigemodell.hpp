#pragma once
// The pointing model of an equatorial mount: the nine standard terms that
// shift the setting-circle readings, their evaluation, and their weighted
// least-squares fit from star sightings.
//
// With h the hour angle and d the declination the circles are computed from
// (topocentric, apparent, refracted when refraction is on) and phi the site
// latitude, the circles read
//   h_Kreis = h + dH / (15*60)   [h in hours, dH in arcminutes]
//   d_Kreis = d + dD / 60        [d in degrees, dD in arcminutes]
//   dH = IH + CH sec d + NP tan d - MA cos h tan d + ME sin h tan d
//        + TF cos phi sin h sec d - DAF (cos phi cos h + sin phi tan d)
//   dD = ID + MA sin h + ME cos h + TF (cos phi cos h sin d - sin phi cos d) + FO cos h
// All terms in arcminutes. The instrument's manual corrections come on top.
#include <array>
#include <string>
#include <string_view>
#include <vector>

enum Modell_Term { IH, ID, CH, NP, MA, ME, TF, FO, DAF };
inline constexpr int Modell_Terme = 9;
inline constexpr std::array<std::string_view, Modell_Terme> Modell_Term_Namen = {
    "IH", "ID", "CH", "NP", "MA", "ME", "TF", "FO", "DAF"};

struct Zeigemodell {
    std::array<bool, Modell_Terme> Aktiv{};   // terms that are part of the model
    std::array<double, Modell_Terme> Wert{};  // arcminutes
    std::array<double, Modell_Terme> Sigma{}; // standard error, arcminutes
    double RMS = 0;                           // residual of the fit, both axes, arcminutes
    std::string Datum;                        // of the fit, "YYYY-MM-DDTHH:MM:SS" UT

    int Anzahl() const;
    bool Leer() const { return Anzahl() == 0; }
};

// The shift of both circles, arcminutes.
struct Modell_Versatz {
    double H = 0; // hour circle, arcminutes of arc
    double D = 0; // declination circle
};

// dH and dD of the model at hour angle h, declination d and latitude phi (radians).
Modell_Versatz Modell_Auswerten(const Zeigemodell& modell, double h, double d, double phi);

// "7 Terme, RMS 1.2′"; empty for an empty model.
std::string Modell_Kurztext(const Zeigemodell& modell);
// The status line's part: "      Modell 60cm: 7 Terme, RMS 1.2′" (instrument 40 or 60).
std::string Modell_Statustext(const Zeigemodell& modell, int instrument);

// One sighting as the fit takes it: where the star was computed to be and how
// far the circles read off from that (manual corrections already taken off).
struct Modell_Sichtung {
    double H = 0, D = 0;   // hour angle, declination as computed, radians
    double dH = 0, dD = 0; // reading minus computed, arcminutes
    std::string Name;      // for messages
};

// Sightings at |declination| above this leave out their hour-circle equation:
// every term of dH but IH grows without bound there (tan, sec).
inline constexpr double Modell_Pol_Grenze_Grad = 85;

// Bounds of a model that describes a mount rather than a misread circle: no
// term beyond 5 degrees, and nowhere above the horizon a shift of more than
// 10 degrees on the sky (hour-circle shift times cos d with the declination
// shift). The circles only have to bring an object into the field; a larger
// "correction" comes from a wrong star or a circle read 12 h or 180 deg off.
inline constexpr double Modell_Term_Grenze = 300;    // arcminutes
inline constexpr double Modell_Versatz_Grenze = 600; // arcminutes on the sky

// Empty when one term's value (arcminutes) keeps within its bound, else why not.
std::string Modell_Term_Pruefen(int term, double wert);
// Empty when the model keeps within both bounds at latitude phi (radians),
// else why not, in words.
std::string Modell_Grenzen_Pruefen(const Zeigemodell& modell, double phi);

// The smallest scatter the outlier test assumes, arcminutes: circles are read
// to about an arcminute, so a sighting within a few of the model always counts.
inline constexpr double Modell_Streuung_Min = 1.0;

struct Modell_Anpassung {
    Zeigemodell Modell;
    double RMS_H_Vorher = 0, RMS_D_Vorher = 0; // arcminutes, sightings used
    double RMS_H = 0, RMS_D = 0;
    std::vector<Modell_Versatz> Reste; // per sighting: reading minus model, arcminutes
    std::vector<bool> Ausreisser;      // per sighting: left out of the fit as an outlier
    std::vector<std::string> Hinweise; // why terms or sightings were left out, near the pole
    // Why the model lies beyond the bounds (Modell_Grenzen_Pruefen); it must
    // then be neither stored nor applied. Empty for a model within them.
    std::string Abgelehnt;
};

// Fits the terms the sightings can carry (weighted least squares, equal
// weights in both axes): one star gives IH and ID; fewer than three stars or
// less than 3 h of hour angle and 30 deg of declination give at most IH, ID,
// CH, NP; fewer than six well spread sightings add only MA and ME; a term the
// sightings cannot tell from the others is left out. With `nur_signifikant`
// terms under twice their standard error are dropped and the rest refitted.
//
// Outliers are left out one at a time: the sighting whose removal lowers the
// squared residuals most is compared with the model fitted without it; if it
// lies more than 3 sigma from there (sigma from the median residual of the
// others, at least Modell_Streuung_Min; for many sightings a little more than
// 3, so that a set of good sightings loses one by chance in fewer than one fit
// in twenty), it is left out and the terms are chosen and fitted anew. At most
// a quarter of the sightings go. Throws Bereichs_Fehler for no sighting at all.
//   phi  site latitude, radians
Modell_Anpassung Modell_Anpassen(const std::vector<Modell_Sichtung>& sichtungen, double phi,
                                 bool nur_signifikant);
