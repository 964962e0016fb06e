#pragma once
// stelux-cli --modell-anpassen: fits the pointing model to a sightings file.
#include <ostream>

struct Cli_Argumente;

// Prints "TERM<TAB>wert<TAB>sigma" (arcminutes) per term, "RMS<TAB>wert" and
// "Nicht_verwendet<TAB>n<TAB>Bezeichnung" for each sighting left out as an
// outlier, the fit's notes on `fehler`, and writes Zeigemodell_<instrument>.txt
// into the data folder. Exit code: 0 fitted, 2 a damaged or empty file or a
// write error, 3 a model beyond the bounds (nothing written).
int Modell_Anpassen_Ausfuehren(const Cli_Argumente& arg, std::ostream& aus, std::ostream& fehler);
