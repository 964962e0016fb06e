// One catalogue layout (STELUX_FUZZ_FORMAT): the input is a whole catalogue
// file. It is checked line by line as the built catalogues are, listed where
// the layout has a list, and the object of its first data line is looked up
// by its designation, which converts that line and computes its constellation.
#include <cstddef>
#include <cstdint>
#include <string>

#include "catalog/katalog_zeilen.hpp"
#include "catalog/listen.hpp"
#include "catalog/objekt_suche.hpp"
#include "fuzz_hilfe.hpp"
#include "shared/text.hpp"
#include "shared/zeilen_leser.hpp"

namespace {

constexpr Katalog_Format Format = Katalog_Format::STELUX_FUZZ_FORMAT;

struct Art {
    std::string datei;
    Spalten_Bereich schluessel;
    std::string buchstabe; // letter in front of the key in the entry box
    char liste;            // letter of the list, 0 = none
};

Art Art_Des_Formats() {
    switch (Format) {
    case Katalog_Format::NGC:
        return {Datei_NGC, Schluessel_NGC, "", 'M'};
    case Katalog_Format::SAO:
        return {Datei_SAO, Schluessel_SAO, "S", 0};
    case Katalog_Format::HIP:
        return {Datei_HIP, Schluessel_HIP, "H", 0};
    case Katalog_Format::Veraenderliche:
        return {Datei_Veraenderliche, Schluessel_Veraenderliche, "V", 'V'};
    case Katalog_Format::Eigene:
        return {Datei_Eigene, Schluessel_Eigene, "E", 'E'};
    case Katalog_Format::Fotometrie:
        return {Datei_Fotometrie, Schluessel_Fotometrie, "F", 'F'};
    case Katalog_Format::Geostat:
        return {Datei_Geostat, Schluessel_Geostat, "G", 'G'};
    case Katalog_Format::Helle_Sterne:
        return {Datei_Helle_Sterne, Schluessel_Helle_Sterne, "", 0};
    case Katalog_Format::Flamsteed:
        return {Datei_Flamsteed, Schluessel_Flamsteed, "", 0};
    case Katalog_Format::Ephemeriden:
        return {Ephemeriden_Datei("Mars"), Ephemeriden_JD_Spalten, "P", 0};
    }
    return {};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    static const Art art = Art_Des_Formats();
    const std::string pfad = fuzz::Schreiben(art.datei, fuzz::Text(daten, groesse));

    fuzz::Versuchen([&] { Katalog_Datei_Pruefen(Format, pfad); });

    Such_Kontext kontext;
    kontext.Katalog_Ordner = fuzz::Ordner();
    kontext.Daten_Ordner = fuzz::Ordner();
    kontext.JD_UT = 2460000.5;
    if (art.liste) fuzz::Versuchen([&] { Listen_Eintraege(art.liste, kontext); });

    std::string bezeichnung;
    fuzz::Versuchen([&] {
        Zeilen_Leser leser(pfad);
        std::string_view zeile;
        if (!Kopf_Ueberspringen(Format, leser) || !leser.Naechste(zeile)) return;
        if (Format == Katalog_Format::Ephemeriden) {
            bezeichnung = "PMars";
            kontext.JD_UT = Ephemeriden_JD(zeile);
        } else {
            const auto& s = art.schluessel;
            bezeichnung = art.buchstabe + Cp1252_Zu_Utf8(Trimmen(Spalten(zeile, s.von, s.bis)));
        }
    });
    if (!bezeichnung.empty()) {
        Objekt_Type objekt;
        fuzz::Versuchen([&] {
            if (Objekt_Suchen(bezeichnung, kontext, objekt)) fuzz::Gefunden(objekt);
        });
    }
    return 0;
}
