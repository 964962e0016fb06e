#pragma once
#include <string>

// Julian Date of the equinox of the constellation boundaries (near B1875.0).
inline constexpr double JD1875 = 2405890.0;

// IAU constellation abbreviation ("UMi", "CVn") of a place.
//   ra, de    radians, equinox jdEpoch
//   jdEpoch   Julian Date of the equinox of ra, de
// The place is precessed to 1875 and looked up in the boundary table of that
// equinox (Roman 1987).
std::string Sternbild(double ra, double de, double jdEpoch);
