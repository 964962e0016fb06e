#pragma once
// stelux-cli looks up without Qt; the finder chart (Qt Gui) and the element
// update (Qt Network) run in its sibling stelux-cli-voll beside it, which
// takes the same arguments and answers exactly as one program would.
#include <ostream>
#include <string>
#include <vector>

inline constexpr const char* Cli_Voll_Name = "stelux-cli-voll";

// True when the arguments are valid and ask for a chart or an element update
// (not only for the help).
bool Braucht_Voll(const std::vector<std::string>& argumente);

// Replaces this process by stelux-cli-voll from the folder of the running
// program, with the same arguments. Returns only when that fails: then 2,
// with the reason on `fehler`.
int Voll_Ausfuehren(char** argv, std::ostream& fehler);
