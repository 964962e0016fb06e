// stelux-cli: one lookup and one position tick at a chosen instant, printed as
// key<TAB>value lines with exactly the window's texts.
#include <iostream>
#include <string>
#include <vector>

#include "app/versions_block.hpp"
#include "cli/cli_lauf.hpp"

STELUX_VERSIONS_BLOCK("stelux-cli", "Stelux - Positionen an der Kommandozeile");

int main(int argc, char** argv) {
    return Cli_Ausfuehren(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
