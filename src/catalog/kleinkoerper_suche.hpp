#pragma once
// The asteroid (A) and comet (K) kinds of the object lookup.
#include <string>

#include "catalog/such_kontext.hpp"
#include "shared/objekt_type.hpp"

// K: the key, upper-cased, in Windows-1252 bytes. True on a hit with `objekt` filled.
bool Asteroid_Suchen(const std::string& K, const Such_Kontext& kontext, Objekt_Type& objekt);
bool Komet_Suchen(const std::string& K, const Such_Kontext& kontext, Objekt_Type& objekt);
