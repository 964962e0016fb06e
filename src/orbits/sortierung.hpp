#pragma once
// Heap sorts of the element tables, entries 1..anzahl, in place.
#include <cstdint>

#include "shared/element_typen.hpp"

void Asteroiden_Nach_Helligkeit(Asteroiden_Tabelle& tabelle, std::int32_t anzahl);
void Asteroiden_Nach_Nummer(Asteroiden_Tabelle& tabelle, std::int32_t anzahl);
void Kometen_Nach_Helligkeit(Kometen_Tabelle& tabelle, std::int32_t anzahl);
void Kometen_Nach_Nummer(Kometen_Tabelle& tabelle, std::int32_t anzahl);
