// A stream an INDI server sends, cut into pieces whose size the first byte
// chooses, and the same bytes as a "--indi" address.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_hilfe.hpp"
#include "teleskop/indi_protokoll.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string_view text = fuzz::Text(daten, groesse);
    std::string fehler;
    Indi_Adresse_Lesen(text, fehler);
    if (groesse < 2) return 0;
    const std::size_t stueck = daten[0] % 32 + 1;
    Indi_Client client("Telescope Simulator");
    std::string antwort;
    for (std::size_t i = 1; i < text.size(); i += stueck)
        antwort += client.Empfangen(text.substr(i, stueck));
    // At most one request to connect, whatever was sent.
    if (antwort.size() > 200) __builtin_trap();
    const Encoder_Ort& o = client.Ort();
    if (o.Gueltig && !(o.RA >= 0 && o.RA < 24 && o.DE >= -90 && o.DE <= 90)) __builtin_trap();
    if (client.Alarm_Meldung().size() > Indi_Leser::Max_Meldung) __builtin_trap();
    return 0;
}
