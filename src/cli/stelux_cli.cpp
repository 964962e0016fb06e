// stelux-cli: one lookup and one position tick at a chosen instant, printed as
// key<TAB>value lines with exactly the window's texts. Without Qt: a chart or
// an element update is passed on to stelux-cli-voll.
#include <iostream>
#include <string>
#include <vector>

#include "app/versions_block.hpp"
#include "cli/cli_aktualisieren.hpp"
#include "cli/cli_karte.hpp"
#include "cli/cli_lauf.hpp"
#include "cli/cli_weitergabe.hpp"
#include "shared/fehler.hpp"

STELUX_VERSIONS_BLOCK("stelux-cli", "Stelux - Positionen an der Kommandozeile");

// main hands every run with --karte or --aktualisieren to stelux-cli-voll
// before the lookup starts, so these two are never reached here.
int Cli_Aktualisieren(const Cli_Argumente&, std::ostream& fehler) {
    fehler << "--aktualisieren nur mit " << Cli_Voll_Name << "\n";
    return 2;
}
void Karte_Ausgeben(const Cli_Argumente&, const Objekt_Type&, double, const std::string&,
                    const Karten_Suche&) {
    throw Ein_Ausgabe_Fehler(std::string("--karte nur mit ") + Cli_Voll_Name);
}

int main(int argc, char** argv) {
    const std::vector<std::string> argumente(argv + 1, argv + argc);
    if (Braucht_Voll(argumente)) return Voll_Ausfuehren(argv, std::cerr);
    return Cli_Ausfuehren(argumente, std::cout, std::cerr);
}
