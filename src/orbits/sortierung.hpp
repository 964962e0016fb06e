#pragma once
// Sorts of the element tables, entries 1..anzahl, in place.
//   Given:    tabelle  1-based; anzahl  entries to sort (at most the table's)
//   Returned: tabelle with entries 1..anzahl in ascending order of the key:
//             Helligkeit (visual magnitude at start-up, brightest first) or
//             Nummer (line of the element file); equal keys keep their order
//             (a stable sort)
#include <cstdint>

#include "shared/element_typen.hpp"

void Asteroiden_Nach_Helligkeit(Asteroiden_Tabelle& tabelle, std::int32_t anzahl);
void Asteroiden_Nach_Nummer(Asteroiden_Tabelle& tabelle, std::int32_t anzahl);
void Kometen_Nach_Helligkeit(Kometen_Tabelle& tabelle, std::int32_t anzahl);
void Kometen_Nach_Nummer(Kometen_Tabelle& tabelle, std::int32_t anzahl);
