// The LX200 command parser of the telescope link: any bytes, in two pieces
// split where the first byte says. Replies must stay ASCII (but for the one
// fixed German refusal of :MS#).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "teleskop/teleskop_protokoll.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    if (groesse == 0) return 0;
    const std::string_view alles(reinterpret_cast<const char*>(daten + 1), groesse - 1);
    const std::size_t teil = std::min<std::size_t>(daten[0], alles.size());
    Lx200_Verbindung v(
        [] {
            return Teleskop_Ort{true, {23.99999, -89.9999}};
        },
        [](const Himmelsort& h) {
            if (!(h.RA >= 0 && h.RA < 24 && h.DE >= -90 && h.DE <= 90)) std::abort();
            return Ziel_Rueckmeldung{h.DE > 0, "Ziel von außen · M13"};
        },
        [] { return Lx200_Standort{-89.99, 359.9, 2461382.4999999, -12.5, 23.99999, "Süd·#x"}; });
    for (std::string_view stueck : {alles.substr(0, teil), alles.substr(teil)}) {
        std::string antwort = v.Eingabe(stueck);
        for (std::size_t p; (p = antwort.find(Lx200_Keine_Koordinaten)) != std::string::npos;)
            antwort.erase(p, Lx200_Keine_Koordinaten.size());
        for (const char c : antwort)
            if (static_cast<unsigned char>(c) >= 0x80) std::abort();
    }
    return 0;
}
