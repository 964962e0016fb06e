#pragma once
// One run of stelux-cli: arguments in, key<TAB>value lines out, exit code back.
#include <ostream>
#include <string>
#include <vector>

// Exit codes: 0 found (or no designation given), 1 not found, 2 usage or file error.
int Cli_Ausfuehren(const std::vector<std::string>& argumente, std::ostream& aus,
                   std::ostream& fehler);
