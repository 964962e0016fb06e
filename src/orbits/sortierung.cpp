#include "orbits/sortierung.hpp"

#include <cstddef>
#include <utility>

namespace {
// Heap sort of a[1..n] ascending by key(a[i]); strict "less than" throughout,
// so equal keys end wherever the heap leaves them.
template <typename Eintrag, typename Schluessel>
void Heapsort(std::vector<Eintrag>& a, std::int32_t n, Schluessel key) {
    const auto platz = static_cast<std::int32_t>(a.empty() ? 0 : a.size() - 1);
    if (n > platz) n = platz;
    if (n < 2) return;
    auto A = [&a](std::int32_t i) -> Eintrag& { return a[static_cast<std::size_t>(i)]; };
    std::int32_t l = n / 2 + 1;
    std::int32_t ir = n;
    Eintrag t;
    for (;;) {
        if (l > 1) {
            --l;
            t = std::move(A(l));
        } else {
            t = std::move(A(ir));
            A(ir) = std::move(A(1));
            --ir;
            if (ir == 1) {
                A(1) = std::move(t);
                return;
            }
        }
        std::int32_t i = l;
        std::int32_t j = 2 * l;
        while (j <= ir) {
            if (j < ir && key(A(j)) < key(A(j + 1))) ++j;
            if (key(t) < key(A(j))) {
                A(i) = std::move(A(j));
                i = j;
                j = 2 * j;
            } else {
                j = ir + 1;
            }
        }
        A(i) = std::move(t);
    }
}
} // namespace

void Asteroiden_Nach_Helligkeit(Asteroiden_Tabelle& tabelle, std::int32_t anzahl) {
    Heapsort(tabelle, anzahl, [](const Asteroid_Type& a) { return a.Helligkeit; });
}

void Asteroiden_Nach_Nummer(Asteroiden_Tabelle& tabelle, std::int32_t anzahl) {
    Heapsort(tabelle, anzahl, [](const Asteroid_Type& a) { return a.Nummer; });
}

void Kometen_Nach_Helligkeit(Kometen_Tabelle& tabelle, std::int32_t anzahl) {
    Heapsort(tabelle, anzahl, [](const Komet_Type& k) { return k.Helligkeit; });
}

void Kometen_Nach_Nummer(Kometen_Tabelle& tabelle, std::int32_t anzahl) {
    Heapsort(tabelle, anzahl, [](const Komet_Type& k) { return k.Nummer; });
}
