#pragma once
// The asteroid (A) and comet (K) kinds of the object lookup.
#include <string>

#include "catalog/such_kontext.hpp"
#include "shared/element_typen.hpp"
#include "shared/objekt_type.hpp"

// K: the key, upper-cased, in Windows-1252 bytes. True on a hit with `objekt` filled.
bool Asteroid_Suchen(const std::string& K, const Such_Kontext& kontext, Objekt_Type& objekt);
bool Komet_Suchen(const std::string& K, const Such_Kontext& kontext, Objekt_Type& objekt);

// The osculating stand of a body looked up before (its elements as the lookup
// returned them) at the context's instant: for a tick days away from the
// lookup, such as a planning instant. False when no place results.
bool Stand_Erneuern(const Asteroid_Type& rec, const Such_Kontext& kontext,
                    Oskulierender_Stand& stand);
bool Stand_Erneuern(const Komet_Type& rec, const Such_Kontext& kontext, Oskulierender_Stand& stand);
