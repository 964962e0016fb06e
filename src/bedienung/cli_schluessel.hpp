#pragma once
// stelux-cli's output keys and where each takes its value in the display
// record. The keys, their order and their texts are a contract: new keys go
// after the existing ones.
#include <span>
#include <string>

#include "bedienung/anzeige.hpp"

struct Cli_Schluessel {
    const char* Name;
    std::string (*Wert)(const Anzeige& a);
};

// Every key in output order: the window's field texts, the full-precision
// numbers, then the keys added since.
std::span<const Cli_Schluessel> Cli_Schluessel_Tabelle();
