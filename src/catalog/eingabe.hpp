#pragma once
// Turning the text of the entry box into the designation the lookup gets.
#include <string>

// A bare planet name ("mars", "Sonne") gets the letter P in front; any other
// text is returned unchanged.
std::string Planeten_Namen_Regel(const std::string& text);
