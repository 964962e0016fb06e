#pragma once
// Whether the catalogue folder (the working directory the program was started
// in) holds the catalogue and ephemeris files the lookup opens by bare name.
#include <string>
#include <vector>

// Names of the catalogue and ephemeris files missing in `ordner` (empty =
// working directory), in the order of the lookup.
std::vector<std::string> Fehlende_Katalogdateien(const std::string& ordner);

// The start-up message for `fehlende` in the folder `ordner_voll` (its full
// path), naming the folder and the remedy; empty when nothing is missing.
std::string Katalog_Hinweis(const std::string& ordner_voll,
                            const std::vector<std::string>& fehlende);
