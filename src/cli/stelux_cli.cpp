// stelux-cli: one lookup and one position tick at a chosen instant, printed as
// key<TAB>value lines with exactly the window's texts. Without Qt: a chart or
// an element update is passed on to stelux-cli-voll.
#include <iostream>
#include <string>
#include <vector>

#include "basis/plattform_basis.hpp"
#include "basis/versions_block.hpp"
#include "cli/cli_lauf.hpp"
#include "cli/cli_weitergabe.hpp"

STELUX_VERSIONS_BLOCK("stelux-cli", "Stelux - Positionen an der Kommandozeile");

// Every run with --karte or --aktualisieren goes to stelux-cli-voll before the
// lookup starts; without it the two options are refused.
int main(int argc, char** argv) {
    Dateigroesse_Signal_Ignorieren();
    const std::vector<std::string> argumente(argv + 1, argv + argc);
    if (Braucht_Voll(argumente)) return Voll_Ausfuehren(argv, std::cerr);
    return Cli_Ausfuehren(argumente, std::cout, std::cerr);
}
