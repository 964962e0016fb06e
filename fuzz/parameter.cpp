// The parameter file: the input is read as Stelux_Parameter.txt at start.
// What was read must survive the stop: the text written for it reads back
// and gives the same text again, and every value is finite.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "basis/parameter_datei.hpp"
#include "fuzz_hilfe.hpp"

namespace {
[[noreturn]] void Befund(const char* was, const std::string& text) {
    std::fprintf(stderr, "Parameterdatei: %s\n%s\n", was, text.c_str());
    std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    fuzz::Schreiben(Parameter_Datei_Name, fuzz::Text(daten, groesse));
    Parameter_Type p;
    try {
        Parameter_Lesen(fuzz::Ordner(), p);
    } catch (const std::runtime_error&) {
        return 0;
    }
    for (double w :
         {p.Laenge, p.Breite, p.Hoehe, p.DE_Korr_40, p.SW_Korr_40, p.DE_Korr_60, p.SW_Korr_60})
        if (!std::isfinite(w)) Befund("Wert nicht endlich", Parameter_Text(p));
    const std::string geschrieben = Parameter_Text(p);
    Parameter_Type wieder;
    try {
        Parameter_Aus_Text(geschrieben, wieder);
    } catch (const std::runtime_error& f) {
        Befund(f.what(), geschrieben);
    }
    if (Parameter_Text(wieder) != geschrieben) Befund("anders zurückgeschrieben", geschrieben);
    return 0;
}
