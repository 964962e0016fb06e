#pragma once
// Options of the window remembered from one run to the next. They live in a
// settings file of their own (QSettings, INI format, the user's configuration
// folder), never in the parameter file.
#include <string>

// The settings file; empty: the user's (~/.config/Stelux/stelux.ini). Tests
// set a file in their own folder.
extern std::string Einstellungen_Datei;

// Keys of the options.
inline constexpr const char* Einstellung_Refraktion = "Optionen/Refraktion";

// A switch; `vorgabe` when it was never stored or cannot be read.
bool Einstellung_Lesen(const char* schluessel, bool vorgabe);
void Einstellung_Schreiben(const char* schluessel, bool wert);
