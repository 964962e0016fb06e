#pragma once
// stelux-cli --karte: the finder chart of the object found, written as a file.
#include <string>

#include "cli/argumente.hpp"
#include "cli/cli_lauf.hpp"
#include "karte/karte_inhalt.hpp"

// Builds the star index from the working directory once, lays out the chart
// of each object at `jd_ut` (with its track when it moves) and writes them to
// arg.Karte, one PDF page each. Throws Ein_Ausgabe_Fehler when the file
// cannot be written.
void Karte_Ausgeben(const Cli_Argumente& arg, const std::vector<Karten_Auftrag>& karten,
                    double jd_ut);
