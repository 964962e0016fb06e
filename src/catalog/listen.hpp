#pragma once
// Contents of the catalogue lists beside the labels.
#include <string>
#include <vector>

#include "catalog/such_kontext.hpp"

// The items of the list of kind letter M, P, A, K, V, F, E or G, in list order
// (UTF-8). A "--" file without object lines gives an empty list.
// Throws Ein_Ausgabe_Fehler for a missing file.
std::vector<std::string> Listen_Eintraege(char buchstabe, const Such_Kontext& kontext);
