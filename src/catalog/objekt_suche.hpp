#pragma once
// The object lookup: a designation typed by the observer to a filled Objekt.
#include <string>

#include "catalog/such_kontext.hpp"
#include "shared/objekt_type.hpp"

// Looks the designation T (UTF-8 as typed) up; true when found and `objekt` is
// filled. `objekt` is cleared first; after a miss it may hold a partial state.
// Throws Ein_Ausgabe_Fehler for a missing catalogue file and
// Konvertierungs_Fehler for a malformed number in the matching line.
bool Objekt_Suchen(const std::string& T, const Such_Kontext& kontext, Objekt_Type& objekt);
