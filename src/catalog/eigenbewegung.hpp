#pragma once
// Proper motions of the stars: a side file of the catalogues, keyed by HIP
// number, beside the star files whose columns stay as they are.
#include <string>
#include <string_view>

#include "catalog/katalog_zeilen.hpp"
#include "shared/objekt_type.hpp"

// Records of 28 characters and CR LF, by rising HIP number: cols 1-6 HIP,
// 8-17 mu_alpha cos(delta), 19-28 mu_delta, mas per Julian year. The places
// of the star files are those of J2000.0.
inline constexpr const char* Datei_Eigenbewegung = "Eigenbewegungen_HIP.txt";

// HIP number a line of a star file gives (its key or its cross-reference);
// 0 for another layout or none.
long Stern_HIP(Katalog_Format format, std::string_view zeile);

// Attaches the proper motion of HIP star `hip` from the side file in `ordner`
// to objekt.Eigen, with the object's place as the catalogue place (J2000.0).
// False, and the object unchanged, without the file, without a record for the
// star, or for a file that is not made of whole records: the star then stands
// at its catalogue place.
bool Eigenbewegung_Anhaengen(const std::string& ordner, long hip, Objekt_Type& objekt);
