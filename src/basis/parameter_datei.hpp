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

inline constexpr std::size_t Max_Parameter_Bytes = 64 * 1024;

// Reads the eight values from the file's bytes into `p` in field order. Each
// value: skip blanks, tabs and line ends (CR, LF, CR LF); take everything up to
// the next blank, tab or line end; convert; skip the rest of the line. Values
// missing at the end of the file are 0, but a file without any value is an
// error. A token that is not a number throws Ein_Ausgabe_Fehler "Invalid
// numeric input '<token>' in <name>, Zeile <n>"; a value outside its range
// (instrument 40 or 60, longitude -180 to 360, latitude -90 to 90, height -500
// to 9000 m, corrections within 90 deg and 720 min) throws one naming the line
// as well. The fields read before the error keep their values.
void Parameter_Aus_Text(std::string_view text, Parameter_Type& p,
                        const std::string& name = Parameter_Datei_Name);

// Fills `p` from ordner + "Stelux_Parameter.txt": all fields 0, then the
// defaults when the file is missing, else the values of the file. Throws
// Ein_Ausgabe_Fehler when the file cannot be read or holds a bad number.
void Parameter_Lesen(const std::string& ordner, Parameter_Type& p);

// Writes `p` to ordner + "Stelux_Parameter.txt". The text goes to a temporary
// file in the same folder which replaces the old file only when every byte is
// written, so a full disk or a failed write leaves the old file byte for byte.
// A read-only file or folder is not replaced. Throws Ein_Ausgabe_Fehler with
// the full path and the reason.
void Parameter_Schreiben(const std::string& ordner, const Parameter_Type& p);
