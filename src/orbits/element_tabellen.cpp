#include "orbits/element_tabellen.hpp"

#include <cstddef>

#include "orbits/element_zeilen.hpp"
#include "orbits/kleinkoerper_ort.hpp"
#include "shared/konstanten.hpp"
#include "shared/zeilen_leser.hpp"

namespace {
// Reads up to Tabellen_Kapazitaet lines into entries 1..anzahl; counts the rest.
template <typename Eintrag>
int Zeilen_Laden(const std::string& pfad, std::vector<Eintrag>& tabelle, std::int32_t& anzahl) {
    Zeilen_Leser leser(pfad);
    if (tabelle.size() < static_cast<std::size_t>(Tabellen_Kapazitaet) + 1)
        tabelle.resize(static_cast<std::size_t>(Tabellen_Kapazitaet) + 1);
    anzahl = 0;
    int ausgelassen = 0;
    std::string_view zeile;
    while (leser.Naechste(zeile)) {
        if (anzahl >= Tabellen_Kapazitaet) {
            ++ausgelassen;
            continue;
        }
        ++anzahl;
        Eintrag& e = tabelle[static_cast<std::size_t>(anzahl)];
        e = Eintrag{};
        e.Zeile.assign(zeile);
        e.Nummer = anzahl;
    }
    return ausgelassen;
}

// Entries that exist both by the count and in the table.
template <typename Eintrag>
std::int32_t Gueltige(const std::vector<Eintrag>& tabelle, std::int32_t anzahl) {
    const auto platz = static_cast<std::int32_t>(tabelle.empty() ? 0 : tabelle.size() - 1);
    return anzahl < platz ? anzahl : platz;
}
} // namespace

int Asteroiden_Zeilen_Laden(const std::string& pfad, Asteroiden_Tabelle& tabelle,
                            std::int32_t& anzahl) {
    return Zeilen_Laden(pfad, tabelle, anzahl);
}

int Kometen_Zeilen_Laden(const std::string& pfad, Kometen_Tabelle& tabelle, std::int32_t& anzahl) {
    return Zeilen_Laden(pfad, tabelle, anzahl);
}

namespace {
// One entry cut into its fields, with its brightness at the Sun's place.
void Auswerten(Asteroid_Type& a, const Sonnen_Ort& sonne) {
    double ra, de, mag = UNBEKANNT;
    // A body without a computable orbit gets no brightness and sorts last.
    if (Asteroid_Zerlegen(a)) ASTEROIDENORT(a, sonne, ra, de, mag);
    a.Helligkeit = mag;
}

void Auswerten(Komet_Type& k, const Sonnen_Ort& sonne) {
    Komet_Zerlegen(k);
    double ra, de, mag;
    KOMETENORT(k, sonne, ra, de, mag);
    k.Helligkeit = mag;
}

template <typename Eintrag>
void Alle_Auswerten(std::vector<Eintrag>& tabelle, std::int32_t anzahl, double jd_ut) {
    const std::int32_t n = Gueltige(tabelle, anzahl);
    const Sonnen_Ort sonne = Sonne_Zum_Zeitpunkt(jd_ut);
    for (std::int32_t i = 1; i <= n; ++i) Auswerten(tabelle[static_cast<std::size_t>(i)], sonne);
}

template <typename Eintrag>
Auslassungen Auswerten_Auslassend(std::vector<Eintrag>& tabelle, std::int32_t& anzahl,
                                  double jd_ut) {
    Auslassungen weg;
    const std::int32_t n = Gueltige(tabelle, anzahl);
    const Sonnen_Ort sonne = Sonne_Zum_Zeitpunkt(jd_ut);
    std::int32_t behalten = 0;
    for (std::int32_t i = 1; i <= n; ++i) {
        Eintrag& e = tabelle[static_cast<std::size_t>(i)];
        try {
            Auswerten(e, sonne);
        } catch (const std::exception& f) {
            if (weg.Anzahl++ == 0) weg.Erste_Meldung = f.what();
            continue;
        }
        ++behalten;
        if (behalten != i) tabelle[static_cast<std::size_t>(behalten)] = std::move(e);
    }
    anzahl = behalten;
    return weg;
}
} // namespace

void Asteroiden_Auswerten(Asteroiden_Tabelle& tabelle, std::int32_t anzahl, double jd_ut) {
    Alle_Auswerten(tabelle, anzahl, jd_ut);
}

void Kometen_Auswerten(Kometen_Tabelle& tabelle, std::int32_t anzahl, double jd_ut) {
    Alle_Auswerten(tabelle, anzahl, jd_ut);
}

Auslassungen Asteroiden_Auswerten_Auslassend(Asteroiden_Tabelle& tabelle, std::int32_t& anzahl,
                                             double jd_ut) {
    return Auswerten_Auslassend(tabelle, anzahl, jd_ut);
}

Auslassungen Kometen_Auswerten_Auslassend(Kometen_Tabelle& tabelle, std::int32_t& anzahl,
                                          double jd_ut) {
    return Auswerten_Auslassend(tabelle, anzahl, jd_ut);
}
