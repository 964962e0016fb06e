// The binary telescope protocol's message reader: any byte stream, in two
// pieces split where the first byte says. Gotos must be places on the sky.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "teleskop/teleskop_protokoll.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    if (groesse == 0) return 0;
    const std::string_view alles(reinterpret_cast<const char*>(daten + 1), groesse - 1);
    const std::size_t teil = std::min<std::size_t>(daten[0], alles.size());
    Binaer_Leser leser;
    std::vector<Binaer_Ziel> ziele;
    for (std::string_view stueck : {alles.substr(0, teil), alles.substr(teil)}) {
        if (!leser.Eingabe(stueck, ziele)) break;
        if (leser.Gepuffert() > Binaer_Nachricht_Max) std::abort();
    }
    for (const Binaer_Ziel& z : ziele)
        if (!(z.J2000.RA >= 0 && z.J2000.RA < 24 && z.J2000.DE >= -90 && z.J2000.DE <= 90))
            std::abort();
    return 0;
}
