#pragma once
// Analytical series of the Sun's geocentric place: elliptic motion in the
// Earth's mean anomaly, perturbations by Venus, Mars, Jupiter and Saturn, by
// the Moon, and four long-period terms. Good to about 2.5" against a modern
// ephemeris from 1950 to 2050 (most of it a slow drift of the older precession).
//
// References: Newcomb, S., Tables of the Sun, Astron. Papers Amer. Ephemeris 6,
// part 1 (1895): the theory whose larger terms the series keeps.

// Geocentric place of the Sun.
//   Given:    T  Julian centuries from J2000.0 (dynamical time in the
//             theory; the minor-body code passes UT)
//   Returned: L  longitude, degrees, 0 <= L < 360; B  latitude, degrees;
//             R  distance, AU; geometric, mean ecliptic and equinox of date
void SONNEREIHE(double T, double& L, double& B, double& R);

// Fractional part.
//   Given:    x
//   Returned: x minus its integer part (truncated), plus 1 if negative: in [0, 1)
double BRUCHTEIL1(double x);

// Cosine and sine of the sum of two angles.
//   Given:    c1, s1, c2, s2  cosines and sines of the two angles
//   Returned: c, s  of their sum (addition theorem)
void WINKELSUMME(double c1, double s1, double c2, double s2, double& c, double& s);

// Working state of one evaluation of the series.
struct Sonnen_Zustand {
    double T = 0;
    double dL = 0, dR = 0, dB = 0; // arcseconds, 1e-6 AU, arcseconds
    double c3[8] = {}, s3[8] = {}; // cos, sin of i*M3, i = 0..7
    double c[9] = {}, s[9] = {};   // cos, sin of j*Mp, j = 0..-8 held at index -j
    double u = 0, v = 0;           // cosine and sine of the current term
};

// Adds one periodic term of argument i*M3 + j*Mp (j <= 0) and power k of T
// (0, 1 or 2; k > 0 multiplies the preceding term's u, v by T) to the
// accumulators. Coefficients of dL, dB in arcseconds, of dR in 1e-6 AU.
void STOERTERM(Sonnen_Zustand& z, int i, int j, int k, double dLc, double dLs, double dRc,
               double dRs, double dBc, double dBs);
