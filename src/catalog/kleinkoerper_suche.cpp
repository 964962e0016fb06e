#include "catalog/kleinkoerper_suche.hpp"

// Minor-body kinds; filled in with the orbit library.
bool Asteroid_Suchen(const std::string&, const Such_Kontext&, Objekt_Type&) { return false; }
bool Komet_Suchen(const std::string&, const Such_Kontext&, Objekt_Type&) { return false; }
