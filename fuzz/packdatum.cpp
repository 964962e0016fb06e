// A packed date as an element line carries it ("K24AH", fraction digits after).
#include <cstddef>
#include <cstdint>

#include "fuzz_hilfe.hpp"
#include "orbits/element_zeilen.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    fuzz::Versuchen([&] { DecodePackedDate(fuzz::Text(daten, groesse)); });
    return 0;
}
