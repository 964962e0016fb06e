#include "catalog/eigenbewegung.hpp"

#include <cmath>
#include <fstream>

#include "shared/text.hpp"
#include "shared/zahlen.hpp"
#include "shared/zeilen_leser.hpp"

namespace {
constexpr long Satz = 30; // bytes of a record with its CR LF

long Nummer_In(std::string_view zeile, int von, int bis) {
    const auto n = Ganzzahl_Versuchen(Trimmen(Spalten(zeile, von, bis)));
    return n && *n > 0 ? *n : 0;
}
} // namespace

long Stern_HIP(Katalog_Format format, std::string_view z) {
    switch (format) {
    case Katalog_Format::HIP:
        return Nummer_In(z, 1, 6);
    case Katalog_Format::SAO:
        return Spalten(z, 27, 27) == "H" ? Nummer_In(z, 28, 33) : 0;
    case Katalog_Format::Helle_Sterne:
        return Nummer_In(z, 43, 49);
    case Katalog_Format::Flamsteed:
        return Nummer_In(z, 8, 13);
    default:
        return 0;
    }
}

bool Eigenbewegung_Anhaengen(const std::string& ordner, long hip, Objekt_Type& o) {
    if (hip <= 0) return false;
    std::ifstream f(Pfad_Aus_Utf8(Pfad_In(ordner, Datei_Eigenbewegung)), std::ios::binary);
    if (!f) return false;
    f.seekg(0, std::ios::end);
    const long groesse = static_cast<long>(f.tellg());
    if (groesse <= 0 || groesse % Satz != 0) return false;
    char puffer[Satz];
    const auto lesen = [&](long i, long& nummer) -> std::string_view {
        f.seekg(i * Satz);
        if (!f.read(puffer, Satz)) return {};
        const std::string_view z(puffer, Satz - 2);
        nummer = Nummer_In(z, 1, 6);
        return z;
    };
    // By halves over the records, HIP numbers rising.
    long unten = 0, oben = groesse / Satz - 1;
    while (unten <= oben) {
        const long mitte = unten + (oben - unten) / 2;
        long nummer = 0;
        const std::string_view z = lesen(mitte, nummer);
        if (z.empty() || nummer == 0) return false;
        if (nummer < hip) {
            unten = mitte + 1;
        } else if (nummer > hip) {
            oben = mitte - 1;
        } else {
            const auto pm_ra = Reell_Versuchen(Trimmen(Spalten(z, 8, 17)));
            const auto pm_de = Reell_Versuchen(Trimmen(Spalten(z, 19, 28)));
            // Barnard's Star, the fastest, moves 10.4" a year.
            if (!pm_ra || !pm_de || !(std::fabs(*pm_ra) < 2e4) || !(std::fabs(*pm_de) < 2e4))
                return false;
            o.Eigen = Eigenbewegung{};
            o.Eigen.Vorhanden = true;
            o.Eigen.RA = o.RA2000;
            o.Eigen.DE = o.DE2000;
            o.Eigen.PM_RA = *pm_ra;
            o.Eigen.PM_DE = *pm_de;
            return true;
        }
    }
    return false;
}
