#pragma once
// From the observer's sightings to the fit's input, shared by the window's
// "Abgleich" dialog and stelux-cli --modell-anpassen.
#include <string>
#include <vector>

#include "pointing/abgleich_datei.hpp"
#include "pointing/zeigemodell.hpp"
#include "shared/parameter_type.hpp"

// Each sighting as the fit takes it: the hour angle and declination it was
// computed at (a line without them is looked up again at its instant, with
// the catalogues of the working directory and the data folder `daten`), and
// reading minus computed minus the instrument's manual corrections in
// arcminutes of arc (hour circle folded into +-12 h). Throws Bereichs_Fehler
// "<pfad>, Zeile <n>: ..." for a sighting of another instrument or of an
// object that is not found.
std::vector<Modell_Sichtung> Abgleich_Eingaben(const std::vector<Abgleich_Sichtung>& sichtungen,
                                               int instrument, const Parameter_Type& parameter,
                                               const std::string& daten, bool refraktion,
                                               const std::string& pfad);
