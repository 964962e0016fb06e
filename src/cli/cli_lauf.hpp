#pragma once
// One run of stelux-cli: arguments in, key<TAB>value lines out, exit code back.
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "karte/karte_inhalt.hpp"

struct Cli_Argumente;

// What only stelux-cli-voll can do (it has Qt); stelux-cli leaves both empty
// and refuses the two options.
// One chart of --karte: the object found, its title, the lookup for its track.
struct Karten_Auftrag {
    Objekt_Type Objekt;
    std::string Titel;
    Karten_Suche Suche;
    std::string Zeitpunkt; // the chart's instant, under its title
};

struct Cli_Erweiterungen {
    // --karte: the charts of the objects at `jd_ut` into arg.Karte, one page each.
    std::function<void(const Cli_Argumente& arg, const std::vector<Karten_Auftrag>& karten,
                       double jd_ut)>
        Karte;
    // --aktualisieren: download and install the element files; the exit code.
    std::function<int(const Cli_Argumente& arg, std::ostream& fehler)> Aktualisieren;
};

// Exit codes: 0 found (or no designation given), 1 not found, 2 usage or file error.
int Cli_Ausfuehren(const std::vector<std::string>& argumente, std::ostream& aus,
                   std::ostream& fehler, const Cli_Erweiterungen& erweiterungen = {});
