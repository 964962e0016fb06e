#pragma once
// Heliocentric orbits of minor bodies under the Sun and the eight planets, and
// the two-body step between the states the integration leaves behind.
// Frame: ecliptic and equinox J2000.0 (the frame of the element files);
// times Julian Dates in TT; distances AU; velocities AU per day.
//
// References (whole file):
//   Hairer, E., Norsett, S.P. & Wanner, G., Solving Ordinary Differential
//   Equations I, 2nd ed. (1993), II.9 (extrapolation: the Gragg-Bulirsch-Stoer
//   method, its step and order control).
//   Danby, J.M.A., Fundamentals of Celestial Mechanics, 2nd ed. (1988), 6.9
//   (universal variables, the f and g functions).
//   Luzum, B. et al., Celest. Mech. Dyn. Astr. 110, 293 (2011): the IAU 2009
//   System of Astronomical Constants, Sun/planet mass ratios; IAU 2015
//   Resolution B3 keeps them as current best estimates beside its nominal
//   solar, terrestrial and jovian values.
//   Simon, J.L. et al., Astron. Astrophys. 282, 663 (1994): the planetary
//   positions (ERFA eraPlan94).
#include <array>
#include <cstddef>
#include <map>
#include <mutex>
#include <string>
#include <vector>

// Gaussian gravitational constant squared: GM of the Sun, AU^3 / d^2.
inline constexpr double GM_Sonne = 0.01720209895 * 0.01720209895;

// Sun/planet mass ratios (IAU 2009, Luzum et al. 2011), Mercury .. Neptune; the
// third is the Earth-Moon system.
inline constexpr std::array<double, 8> Sonne_Je_Planet = {
    6023600.0, 408523.719, 328900.56, 3098703.59, 1047.348644, 3497.9018, 22902.98, 19412.26};

// Heliocentric state of a body.
struct Bahn_Zustand {
    double t = 0;                 // Julian Date, TT
    std::array<double, 3> r = {}; // AU
    std::array<double, 3> v = {}; // AU per day
};

// Force model of an integration.
struct Stoer_Modell {
    // GM of each planet in units of the Sun's; all zero: the two-body problem.
    std::array<double, 8> Massen = {1.0 / Sonne_Je_Planet[0], 1.0 / Sonne_Je_Planet[1],
                                    1.0 / Sonne_Je_Planet[2], 1.0 / Sonne_Je_Planet[3],
                                    1.0 / Sonne_Je_Planet[4], 1.0 / Sonne_Je_Planet[5],
                                    1.0 / Sonne_Je_Planet[6], 1.0 / Sonne_Je_Planet[7]};
    double Toleranz = 1e-15;         // local error per step, relative to the state
    int Hoechstens_Schritte = 20000; // accepted and rejected steps
};

// Longest span an integration is asked to cover, days (50 years).
inline constexpr double Hoechste_Spanne = 50.0 * 365.25;

// Two-body step of a state, by universal variables.
//   Given:    z  state; t  target instant, JD (TT); gm  AU^3/d^2
//   Returned: the state at t; false when the iteration fails (not finite)
bool Zweikoerper_Schritt(const Bahn_Zustand& z, double t, Bahn_Zustand& ergebnis,
                         double gm = GM_Sonne);

// Integrates a state to the instant t under the Sun and the planets.
//   Given:    start  state; t  target, JD (TT), before or after start.t
//   Returned: knoten  the state after every accepted step, the last one at t
//             exactly; false when the step limit is used up or a value stops
//             being finite (then knoten holds the steps so far)
//   Notes:    Gragg-Bulirsch-Stoer extrapolation (up to 8 columns, order up
//             to 16) with step and order control; the planets (eraPlan94,
//             the Moon folded into the Earth-Moon barycentre) interpolated
//             from positions and velocities two days apart; the indirect
//             term of the heliocentric frame included.
bool Bahn_Integrieren(const Bahn_Zustand& start, double t, const Stoer_Modell& modell,
                      std::vector<Bahn_Zustand>& knoten);

// Integrated orbits of the bodies looked up, kept for the next lookup or tick.
// A body is keyed by its element line; its nodes cover the instants asked for.
class Bahn_Speicher {
public:
    // The state of a body at t from its osculating state at epoch.
    //   Given:    schluessel  the element line; epoche  its osculating state;
    //             t  JD (TT)
    //   Returned: the state at t: two-body from the nearest node when one lies
    //             within a day, else integrated on from the nearest node;
    //             false when |t - epoch| exceeds Hoechste_Spanne or the
    //             integration fails
    bool Zustand(const std::string& schluessel, const Bahn_Zustand& epoche, double t,
                 Bahn_Zustand& ergebnis);

private:
    std::mutex sperre_;
    std::map<std::string, std::vector<Bahn_Zustand>> bahnen_; // nodes sorted by t
};
