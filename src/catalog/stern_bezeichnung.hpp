#pragma once
// Everyday spellings of star designations: Bayer letters spelled out or as
// Greek characters, Flamsteed numbers, the constellation abbreviated or as its
// Latin genitive, and HD numbers.
#include <optional>
#include <string>
#include <string_view>

// The designation as the cross-reference file writes it ("alf Lyr",
// "alf2 Lib", "61 Cyg B") for a typed text (UTF-8): the Greek letter
// spelled in English or German ("alpha", "Alpha", "Jota", "My"), abbreviated
// ("alf", "alp", "tet") or as a character ("α"); a component number attached,
// as a superscript or after a blank ("alpha1", "α²", "alpha 2"); or a
// Flamsteed number instead; the constellation as IAU
// abbreviation or Latin genitive ("Lyr", "lyr", "Lyrae", "Canis Majoris");
// a component letter last ("61 Cyg B"). Letter case is ignored. Nothing when
// the text is not such a designation (Bayer's Latin letters, "b Per", are
// looked up as the file writes them).
std::optional<std::string> Stern_Bezeichnung(std::string_view utf8);

// The number of "HD 48915", "hd48915" (Henry Draper catalogue); nothing otherwise.
std::optional<long> HD_Nummer(std::string_view utf8);
