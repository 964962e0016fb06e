#pragma once
// The parameter file "Stelux_Parameter.txt": the site, the current instrument
// and the four setting-circle corrections, one number per line with a comment,
// Windows-1252 text with CR LF, readable and editable by hand.
#include <string>
#include <string_view>

#include "shared/parameter_type.hpp"

inline constexpr const char* Parameter_Datei_Name = "Stelux_Parameter.txt";

// The file's bytes for `p`: %4d for the instrument, %10.5f for the reals
// (fields grow, nothing is cut), "." as decimal point, CR LF.
std::string Parameter_Text(const Parameter_Type& p);

// Reads the eight values from the file's bytes into `p` in field order. Each
// value: skip blanks, tabs and line ends; take everything up to the next blank,
// tab or line end; convert; skip the rest of the line. Values missing at the end
// of the file are 0. A token that is not a number throws Ein_Ausgabe_Fehler
// "Invalid numeric input ..."; the fields read before it keep their values.
void Parameter_Aus_Text(std::string_view text, Parameter_Type& p);

// Fills `p` from ordner + "Stelux_Parameter.txt": all fields 0, then the
// defaults when the file is missing, else the values of the file. Throws
// Ein_Ausgabe_Fehler when the file cannot be read or holds a bad number.
void Parameter_Lesen(const std::string& ordner, Parameter_Type& p);

// Writes `p` to ordner + "Stelux_Parameter.txt". The text goes to a temporary
// file in the same folder which then replaces the old file, so a failed write
// never leaves a truncated file. Throws Ein_Ausgabe_Fehler with the reason.
void Parameter_Schreiben(const std::string& ordner, const Parameter_Type& p);
