#pragma once
// The one parser of each element-line layout: an asteroid line of the asteroid
// orbit database export, a comet line of the comet element list. Loading and
// lookup both use them.
#include <cstdint>
#include <string_view>

#include "shared/element_typen.hpp"

struct Packdatum {
    std::int32_t Jahr = 0;
    std::int32_t Monat = 0;
    double Tag = 0; // day of month with fraction
};

// Calendar date of a packed date.
//   Given:    text  "K24AH" = 2024 October 17.0; characters 6 to 25, if
//             present, are the decimal digits of a day fraction
//   Returned: year, month, day with fraction
//   Notes:    throws Bereichs_Fehler when the text is shorter than 5
//             characters and Konvertierungs_Fehler when characters 2-3 or the
//             fraction are not digits.
Packdatum DecodePackedDate(std::string_view text);

// Asteroid elements of one line.
//   Given:    rec.Zeile, rec.Nummer
//   Returned: rec's fields (angles degrees, ecliptic and equinox J2000.0;
//             a AU; n degrees per day) and the perihelion passage, epoch minus
//             M / n; false when that passage cannot be computed (mean motion
//             zero or a date out of range), its fields then left 0
//   Notes:    errors name rec.Nummer as the line; throws Konvertierungs_Fehler
//             for a field that is not a number and Bereichs_Fehler for a
//             packed epoch shorter than 5 characters.
bool Asteroid_Zerlegen(Asteroid_Type& rec);

// Comet elements of one line.
//   Given:    rec.Zeile, rec.Nummer
//   Returned: rec's fields (perihelion date; q AU; angles degrees, ecliptic
//             and equinox J2000.0; H, K of the magnitude law)
//   Notes:    errors name rec.Nummer as the line; throws Bereichs_Fehler for a
//             line shorter than 5 characters and Konvertierungs_Fehler for a
//             field that is not a number.
void Komet_Zerlegen(Komet_Type& rec);
