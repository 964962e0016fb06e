// stelux-cli: one lookup and one position tick at a chosen instant, printed as
// key<TAB>value lines with exactly the window's texts.
#include <cstdio>
#include <string>
#include <vector>

#include "app/versions_block.hpp"
#include "cli/argumente.hpp"

STELUX_VERSIONS_BLOCK("stelux-cli", "Stelux - Positionen an der Kommandozeile");

int main(int argc, char** argv) {
    std::vector<std::string> argumente(argv + 1, argv + argc);
    try {
        Argumente_Lesen(argumente);
    } catch (const std::exception& f) {
        std::fprintf(stderr, "%s\n%s\n", f.what(), Cli_Aufruf);
        return 2;
    }
    return 0;
}
