// stelux-cli-voll: stelux-cli with the finder chart and the element update;
// stelux-cli starts it for those two options.
#include <iostream>
#include <string>
#include <vector>

#include "app/versions_block.hpp"
#include "cli/cli_lauf.hpp"

STELUX_VERSIONS_BLOCK("stelux-cli-voll",
                      "Stelux - Aufsuchkarten und Bahnelemente an der Kommandozeile");

int main(int argc, char** argv) {
    return Cli_Ausfuehren(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
