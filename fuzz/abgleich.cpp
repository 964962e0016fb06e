// The pointing model's two files: the input is read as a sightings file and as
// a model file. What was read must survive being written: the text written
// for it reads back to the same text, and every number is finite.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz_hilfe.hpp"
#include "pointing/abgleich_datei.hpp"

namespace {
[[noreturn]] void Befund(const char* was, const std::string& text) {
    std::fprintf(stderr, "Abgleich: %s\n%s\n", was, text.c_str());
    std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string pfad = fuzz::Schreiben("Abgleich_60.txt", fuzz::Text(daten, groesse));
    try {
        const auto s = Abgleich_Lesen(pfad);
        const std::string text = Abgleich_Text(s);
        fuzz::Schreiben("Abgleich_60.txt", text);
        if (Abgleich_Text(Abgleich_Lesen(pfad)) != text) Befund("anders zurückgelesen", text);
    } catch (const std::runtime_error&) {
    }
    try {
        const auto m = Zeigemodell_Lesen(pfad);
        if (!m) return 0;
        for (int t = 0; t < Modell_Terme; ++t)
            if (!std::isfinite(m->Wert[t]) || !std::isfinite(m->Sigma[t]))
                Befund("Term nicht endlich", Zeigemodell_Text(*m, 60, 0));
        const std::string text = Zeigemodell_Text(*m, 60, 0);
        fuzz::Schreiben("Abgleich_60.txt", text);
        const auto wieder = Zeigemodell_Lesen(pfad);
        if (!wieder || Zeigemodell_Text(*wieder, 60, 0) != text)
            Befund("anders zurückgelesen", text);
    } catch (const std::runtime_error&) {
    }
    return 0;
}
