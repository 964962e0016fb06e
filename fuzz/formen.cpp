// The finder chart's shapes (Deepsky_Formen.txt): the input is the whole side
// file beside a small object file. The index reads it, and a chart is laid
// out around each object; every shape on the chart must be finite.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "catalog/katalog_zeilen.hpp"
#include "fuzz_hilfe.hpp"
#include "karte/karte_inhalt.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    static const bool kopiert = [] {
        std::filesystem::copy_file(std::string(STELUX_FUZZ_DATEN) + "/" + Datei_NGC,
                                   fuzz::Ordner() + "/" + Datei_NGC,
                                   std::filesystem::copy_options::overwrite_existing);
        return true;
    }();
    (void)kopiert;
    fuzz::Schreiben(Datei_Deepsky_Formen, fuzz::Text(daten, groesse));
    fuzz::Versuchen([&] {
        const Stern_Index index = Stern_Index_Bauen(fuzz::Ordner());
        Karten_Optionen o;
        o.Feld = 2;
        for (const Index_Objekt& obj : index.Objekte) {
            if (obj.Klein <= 0) continue;
            const Karten_Inhalt k =
                Karte_Berechnen(index, o, std::atan2(obj.Ort.y, obj.Ort.x) * 12 / 3.141592653589793,
                                std::asin(obj.Ort.z) * 180 / 3.141592653589793, 2451545.0, {}, "");
            for (const Karten_Objekt& ko : k.Objekte)
                if (!std::isfinite(ko.Winkel) || !std::isfinite(ko.Klein) || ko.Klein < 0)
                    std::abort();
        }
    });
    return 0;
}
