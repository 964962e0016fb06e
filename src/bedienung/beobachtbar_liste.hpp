#pragma once
// "Jetzt beobachtbar" for the front ends: what the list is built from at the
// session's instant, and the rows as stelux-cli prints them.
#include <string>
#include <vector>

#include "planung/jetzt_beobachtbar.hpp"

class Sitzung;

// The instant, the site and the element tables of the session as its clock
// tick left them (the catalogues in the working directory).
Beobachtbar_Eingabe Beobachtbar_Eingabe_Von(const Sitzung& sitzung);

// The rows that pass the filter, sorted as the window sorts by default
// (highest first), one text per row:
// Bezeichnung<TAB>Name<TAB>Art<TAB>Helligkeit<TAB>Höhe<TAB>Azimut<TAB>Zeit
// with magnitude, altitude (degrees) and azimuth (degrees from south,
// positive west) to one decimal, "–" for an unknown magnitude.
std::vector<std::string> Beobachtbar_Zeilen_Text(std::vector<Beobachtbar_Zeile> zeilen,
                                                 const Beobachtbar_Filter& filter);
