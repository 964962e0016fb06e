#pragma once
// The one place where numbers become text and text becomes numbers. Always
// "." as decimal point, whatever the user's locale.
#include <optional>
#include <string>
#include <string_view>

// x in fixed-point notation with `dezimalen` decimals, "-" for negatives, no
// grouping, as wide as needed (fixed(x, d)). A value that rounds to zero is
// shown without sign: -0.04 with one decimal is "0.0", never "-0.0".
std::string Fest(double x, int dezimalen);

// `text` right-aligned in `breite` characters (blanks in front; never cut).
std::string Rechtsbuendig(std::string_view text, std::size_t breite);

// An integer field of a catalogue line: optional leading blanks, then digits
// and nothing after them (no sign). Throws Konvertierungs_Fehler
// naming the text.
int Ganzzahl_Lesen(std::string_view feld);

// A real field: a decimal number with ".", optional sign and exponent, blanks
// allowed before and after; a blank field is not a number. Throws
// Konvertierungs_Fehler naming the text.
double Reell_Lesen(std::string_view feld);

// The same rules without throwing.
std::optional<int> Ganzzahl_Versuchen(std::string_view feld);
std::optional<double> Reell_Versuchen(std::string_view feld);

// Hours or degrees as a decimal number ("12.5", "-3e-2") or sexagesimal
// ("12:30:15.5", "-5 30", "12;30"): up to three parts separated by ':', ';' or
// blanks, the sign of the first holding for the whole ("-0 30" is -0.5), every
// part but the last whole, minutes and seconds under 60. Empty when not finite.
std::optional<double> Sexagesimal_Lesen(std::string_view text);

// `x` when lo <= x <= hi; else Bereichs_Fehler "<was> <x> außerhalb von lo bis hi".
// Keeps a value that no display could show sensibly out of the program.
double Im_Bereich(double x, double lo, double hi, const char* was);

// The value ranges of the files' fields.
inline constexpr double Helligkeit_Min = -30, Helligkeit_Max = 40; // magnitudes
inline constexpr double Distanz_Max = 1e7;                         // AU, Mpc, arcmin
double Helligkeit_Pruefen(double mag);
double Distanz_Pruefen(double wert); // 0 to Distanz_Max

// A short text of any double for messages ("1e+308", "95.5").
std::string Kurz(double x);

// Any double to 17 significant digits, read back exactly ("2461001.1000000001").
std::string Voll(double x);
