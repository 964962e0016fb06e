#pragma once
// An instant in UT written as "YYYY-MM-DDTHH:MM:SS[.fff]": stelux-cli's --zeit
// and the sightings file.
#include <optional>
#include <string>

// "YYYY-MM-DDTHH:MM:SS[.fff]" (UT; a blank may stand for the T) as a Julian
// Date; empty when malformed or when the date or the time of day does not exist.
std::optional<double> Zeitpunkt_Lesen(const std::string& text);

// A Julian Date (UT) as "YYYY-MM-DDTHH:MM:SS", to the nearest second.
std::string Zeitpunkt_Text(double jd_ut);
