// stelux-cli: one lookup and one position tick at a chosen instant, printed as
// key<TAB>value lines with exactly the window's texts.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/argumente.hpp"

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
