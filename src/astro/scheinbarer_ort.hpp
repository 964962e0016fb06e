#pragma once
// The true apparent place: from the astrometric place (ICRS axes, light time
// applied) to the true equator and equinox of date as seen from the
// observatory, with light deflection by the Sun, annual and diurnal aberration,
// precession IAU 2006 and nutation IAU 2000B (ERFA). The way back too.
//
// Frames of the places that enter, by kind of object:
//   star, deep-sky object: catalogue place, ICRS (J2000) at its epoch; proper
//       motion and annual parallax are applied here (Eigenbewegung).
//   Sun, planets (tables), minor bodies: geocentric astrometric place, ICRS,
//       light time applied, no aberration or deflection. Made topocentric here
//       (Topozentrisch_Astrometrisch) before deflection and aberration.
//   Moon: geocentric geometric place (ICRS); its light time of 1.3 s is
//       left out (0.7" at most).
//   geostationary satellite: moves with the observatory, so neither aberration
//       nor deflection; only the rotation between the frames (Rahmen_Drehen).
#include "astro/himmelsort.hpp"
#include "shared/objekt_type.hpp" // Eigenbewegung

// Everything the reduction needs at one instant and site (ERFA's star-
// independent parameters, kept without its header).
struct Scheinbar_Rahmen {
    double JD_TT = 0;
    double pmt = 0;        // Julian years TT since J2000.0
    double eb[3] = {};     // observer's barycentric position, AU
    double eh[3] = {};     // heliocentric direction of the observer
    double em = 0;         // observer's distance from the Sun, AU
    double v[3] = {};      // observer's barycentric velocity, units of c
    double bm1 = 0;        // sqrt(1 - |v|^2)
    double bpn[3][3] = {}; // ICRS to true equator and equinox of date
    double beob[3] = {};   // observer's geocentric position, ICRS axes, AU
    double GlGl = 0;       // equation of the equinoxes, hours (apparent - mean sidereal time)
};

// The frame at jd_ut (UT; TT = UT + Delta T) for an observer at the local mean
// sidereal time `sternzeit` (hours), geodetic latitude `breite` (degrees) and
// height `hoehe` (metres, WGS84); with a sternzeit that is not finite, the
// Earth's centre (no diurnal parallax or aberration). The slow parts (the
// Earth's motion, precession-nutation) are taken from a cache of this thread
// while the instant lies within 5 minutes of theirs: far below 0.01".
Scheinbar_Rahmen Rahmen_Berechnen(double jd_ut, double sternzeit, double breite, double hoehe);

// Apparent place of a fixed object: the catalogue place (or `astrometrisch`
// when pm is null or without motion) moved to the frame's instant by its proper
// motion and parallax, deflected, aberrated and turned to the equator and
// equinox of date. `astrometrisch_jetzt`, when given, receives the place moved
// by proper motion (and parallax) alone, ICRS axes.
Himmelsort Scheinbarer_Ort(const Scheinbar_Rahmen& r, const Himmelsort& astrometrisch,
                           const Eigenbewegung* pm = nullptr,
                           Himmelsort* astrometrisch_jetzt = nullptr);

// The topocentric astrometric place of a body from its geocentric astrometric
// place and distance (AU); the geocentric place for a distance not above zero.
Himmelsort Topozentrisch_Astrometrisch(const Scheinbar_Rahmen& r, const Himmelsort& geozentrisch,
                                       double distanz);

// Apparent place of date back to the astrometric place (ICRS axes).
Himmelsort Astrometrischer_Ort(const Scheinbar_Rahmen& r, const Himmelsort& scheinbar);

// Rotation alone between ICRS axes and the true equator and equinox of date
// (a body that moves with the observer); rueck: of date to ICRS.
Himmelsort Rahmen_Drehen(const Scheinbar_Rahmen& r, const Himmelsort& ort, bool rueck = false);
