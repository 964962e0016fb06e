#pragma once
// Places of geostationary satellites, from the orbital longitude in their designation.
#include <string>

#include "catalog/katalog_zeilen.hpp"
#include "shared/objekt_type.hpp"
#include "shared/parameter_type.hpp"

// Topocentric place of a geostationary satellite over the observatory.
//   jd_pc      Julian Date of the equinox of date
//   sternzeit  local mean sidereal time, hours
//   parameter  Laenge (degrees east), Breite (degrees, taken as geocentric)
// Writes objekt.RAapp (hours, not reduced), DEapp (degrees), RA2000 (hours,
// [0, 24)) and DE2000 (degrees, J2000). Returns false, leaving the record
// untouched, when the designation carries no readable longitude.
bool Geostat_Position(Objekt_Type& objekt, double jd_pc, double sternzeit,
                      const Parameter_Type& parameter);
