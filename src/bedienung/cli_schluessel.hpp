#pragma once
// The one mapping from the display record to names: stelux-cli's output keys,
// which are also the object names of the window's fields that show the texts.
// The keys, their order and their texts are a contract: new keys go after the
// existing ones.
#include <span>
#include <string>

#include "bedienung/anzeige.hpp"

// Which tick writes a key: the clock tick, the position tick, or neither (the
// full-precision numbers and the other keys the window shows its own way).
enum class Anzeige_Bereich { Uhr, Position, Wert };

struct Cli_Schluessel {
    const char* Name;
    std::string (*Wert)(const Anzeige& a);
    Anzeige_Bereich Bereich = Anzeige_Bereich::Wert;
};

// Every key in output order: the window's field texts, the full-precision
// numbers, then the keys added since.
std::span<const Cli_Schluessel> Cli_Schluessel_Tabelle();
