#pragma once
// stelux-cli --karte: the finder chart of the object found, written as a file.
#include <string>

#include "cli/argumente.hpp"
#include "pointing/karte_inhalt.hpp"

// Builds the star index from the working directory, lays out the chart of
// `objekt` at `jd_ut` (with its track when it moves, from `suche`) and writes
// it to arg.Karte. Throws Ein_Ausgabe_Fehler when the file cannot be written.
void Karte_Ausgeben(const Cli_Argumente& arg, const Objekt_Type& objekt, double jd_ut,
                    const std::string& titel, const Karten_Suche& suche);
