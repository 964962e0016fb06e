#include "orbits/sortierung.hpp"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace {
// Strict weak order even for a magnitude that is NaN: it sorts last.
bool Kleiner(double x, double y) {
    return !std::isnan(x) && (std::isnan(y) || x < y);
}
bool Kleiner(std::int32_t x, std::int32_t y) {
    return x < y;
}

// Stable sort of a[1..n] ascending by key(a[i]): equal keys keep the order of
// the element file, so the search's first match is the first such line.
template <typename Eintrag, typename Schluessel>
void Sortieren(std::vector<Eintrag>& a, std::int32_t n, Schluessel key) {
    const auto platz = static_cast<std::int32_t>(a.empty() ? 0 : a.size() - 1);
    if (n > platz) n = platz;
    if (n < 2) return;
    std::stable_sort(a.begin() + 1, a.begin() + 1 + n, [&key](const Eintrag& x, const Eintrag& y) {
        return Kleiner(key(x), key(y));
    });
}
} // namespace

void Asteroiden_Nach_Helligkeit(Asteroiden_Tabelle& tabelle, std::int32_t anzahl) {
    Sortieren(tabelle, anzahl, [](const Asteroid_Type& a) { return a.Helligkeit; });
}

void Asteroiden_Nach_Nummer(Asteroiden_Tabelle& tabelle, std::int32_t anzahl) {
    Sortieren(tabelle, anzahl, [](const Asteroid_Type& a) { return a.Nummer; });
}

void Kometen_Nach_Helligkeit(Kometen_Tabelle& tabelle, std::int32_t anzahl) {
    Sortieren(tabelle, anzahl, [](const Komet_Type& k) { return k.Helligkeit; });
}

void Kometen_Nach_Nummer(Kometen_Tabelle& tabelle, std::int32_t anzahl) {
    Sortieren(tabelle, anzahl, [](const Komet_Type& k) { return k.Nummer; });
}
