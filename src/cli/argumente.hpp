#pragma once
// Command line of stelux-cli:
//   stelux-cli [--zeit YYYY-MM-DDTHH:MM:SS[.fff]] [--daten DIR] [--zehntel] [--refraktion]
//              BEZEICHNUNG
#include <optional>
#include <string>
#include <vector>

struct Cli_Argumente {
    std::optional<double> JD_UT; // --zeit as a Julian Date (UT); empty: now
    std::string Daten;           // --daten; empty: <Documents>/Stelux/
    bool Zehntel = false;
    bool Refraktion = false; // --refraktion: altitude, azimuth, air mass, circles refracted
    std::string Bezeichnung; // empty: only the clock tick
};

// Throws std::invalid_argument with a message for the user on a usage error.
Cli_Argumente Argumente_Lesen(const std::vector<std::string>& argumente);

// "YYYY-MM-DDTHH:MM:SS[.fff]" (UT) as a Julian Date; empty when malformed.
std::optional<double> Zeitpunkt_Lesen(const std::string& text);

inline constexpr const char* Cli_Aufruf = "Aufruf: stelux-cli [--zeit YYYY-MM-DDTHH:MM:SS[.fff]] "
                                          "[--daten DIR] [--zehntel] [--refraktion] "
                                          "BEZEICHNUNG";
