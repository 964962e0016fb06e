// stelux-cli-voll: stelux-cli with the finder chart and the element update;
// stelux-cli starts it for those two options.
#include <iostream>
#include <string>
#include <vector>

#include "basis/plattform_basis.hpp"
#include "basis/versions_block.hpp"
#include "cli/cli_lauf.hpp"
#include "cli_voll/aktualisieren.hpp"
#include "cli_voll/karte.hpp"

STELUX_VERSIONS_BLOCK("stelux-cli-voll",
                      "Stelux - Aufsuchkarten und Bahnelemente an der Kommandozeile");

int main(int argc, char** argv) {
    Dateigroesse_Signal_Ignorieren();
    Cli_Erweiterungen voll;
    voll.Karte = Karte_Ausgeben;
    voll.Aktualisieren = Cli_Aktualisieren;
    return Cli_Ausfuehren(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr,
                          voll);
}
