#pragma once
// stelux-cli --aktualisieren: new element files without a window.
#include <ostream>

struct Cli_Argumente;

// Downloads and installs; progress and the summary on `fehler`.
// Returns 0 when installed, 2 on any failure (the old files unchanged).
int Cli_Aktualisieren(const Cli_Argumente& arg, std::ostream& fehler);
