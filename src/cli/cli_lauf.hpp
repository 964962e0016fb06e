#pragma once
// One run of stelux-cli: arguments in, key<TAB>value lines out, exit code back.
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "pointing/karte_inhalt.hpp"

struct Cli_Argumente;

// What only stelux-cli-voll can do (it has Qt); stelux-cli leaves both empty
// and refuses the two options.
struct Cli_Erweiterungen {
    // --karte: the chart of `objekt` at `jd_ut` (track from `suche`) into arg.Karte.
    std::function<void(const Cli_Argumente& arg, const Objekt_Type& objekt, double jd_ut,
                       const std::string& titel, const Karten_Suche& suche)>
        Karte;
    // --aktualisieren: download and install the element files; the exit code.
    std::function<int(const Cli_Argumente& arg, std::ostream& fehler)> Aktualisieren;
};

// Exit codes: 0 found (or no designation given), 1 not found, 2 usage or file error.
int Cli_Ausfuehren(const std::vector<std::string>& argumente, std::ostream& aus,
                   std::ostream& fehler, const Cli_Erweiterungen& erweiterungen = {});
