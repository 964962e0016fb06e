#include "catalog/eingabe.hpp"

#include "catalog/ephemeriden.hpp"
#include "shared/text.hpp"

std::string Planeten_Namen_Regel(const std::string& text) {
    std::string ergebnis = text;
    // Each test sees the text the previous one left; once "P" is in front no
    // later name can match.
    for (const char* name : Sonnensystem_Namen)
        if (Gross(ergebnis) == Gross(name)) ergebnis = "P" + ergebnis;
    return ergebnis;
}
