#pragma once
#include <array>
#include <string>

// Julian Date of the equinox of the constellation boundaries (near B1875.0).
inline constexpr double JD1875 = 2405890.0;

// IAU constellation abbreviation ("UMi", "CVn") of a place.
//   ra, de    radians, equinox jdEpoch
//   jdEpoch   Julian Date of the equinox of ra, de
// The place is precessed to 1875 and looked up in the boundary table of that
// equinox (Roman 1987).
std::string Sternbild(double ra, double de, double jdEpoch);

// One zone of the boundary table, equinox 1875: right ascensions RA_Unten <= ra
// < RA_Oben (hours) at declinations from DE_Unten (degrees, inclusive) upwards
// to the zones before it.
struct Sternbild_Grenze {
    float RA_Unten;
    float RA_Oben;
    float DE_Unten;
    char Kuerzel[4]; // IAU abbreviation in its usual mixed case
};

// The zones ordered by non-increasing DE_Unten; the last one covers the whole
// sky down to -90 deg, so every search ends there at the latest.
extern const std::array<Sternbild_Grenze, 357> Sternbild_Grenzen;

// The abbreviation of the zone holding a place of the equinox 1875 given as
// 32-bit values (hours in [0, 24), degrees). Empty only for a NaN.
std::string Sternbild_1875(float ra_std, float de_grad);
