#include "planung/listen_ordnung.hpp"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

#include "catalog/eingabe.hpp"
#include "catalog/namen_suche.hpp"
#include "catalog/objekt_suche.hpp"
#include "pointing/positions_tick.hpp"
#include "shared/zahlen.hpp"

namespace {
// Group and key of the order: 0 above the limit now (key: setting),
// 1 rising later (key: rising), 2 never, 3 unresolved.
std::pair<int, double> Rang(const Listen_Zeile& z) {
    constexpr double unendlich = std::numeric_limits<double>::infinity();
    if (!z.Gefunden) return {3, 0};
    const Sichtbarkeit& s = z.Sicht;
    switch (s.Art) {
    case Sichtbarkeit::Art::Zirkumpolar:
        return {0, unendlich};
    case Sichtbarkeit::Art::Wechselnd:
        if (std::isfinite(s.Untergang) && (!std::isfinite(s.Aufgang) || s.Untergang < s.Aufgang))
            return {0, s.Untergang};
        if (std::isfinite(s.Aufgang)) return {1, s.Aufgang};
        return {2, 0};
    default:
        return {2, 0};
    }
}
} // namespace

std::vector<Listen_Zeile> Liste_Suchen(const Beobachtungsliste& liste, Such_Kontext k,
                                       std::vector<std::string>& hinweise,
                                       const std::atomic<bool>* abbrechen) {
    Asteroid_Type asteroid;
    Komet_Type komet;
    k.Asteroid_Aktuell = &asteroid;
    k.Komet_Aktuell = &komet;
    k.Meldung = nullptr;
    std::vector<Listen_Zeile> zeilen;
    zeilen.reserve(liste.Eintraege.size());
    for (const Listen_Eintrag& e : liste.Eintraege) {
        Listen_Zeile z;
        z.Eingabe = e.Eingabe;
        z.Zeile = e.Zeile;
        z.Name = e.Name;
        z.Beobachtet_JD = e.Beobachtet_JD;
        z.Notiz = e.Notiz;
        z.Uebersprungen = e.Uebersprungen;
        for (const std::string& kandidat : e.Kandidaten) {
            if (abbrechen && abbrechen->load(std::memory_order_relaxed)) return zeilen;
            const std::string bezeichnung = Planeten_Namen_Regel(Kurzform(kandidat));
            if (bezeichnung.size() < 2) continue; // the entry box selects nothing shorter either
            try {
                z.Gefunden = Objekt_Suchen(bezeichnung, k, z.Objekt);
            } catch (const std::exception& f) {
                if (std::find(hinweise.begin(), hinweise.end(), f.what()) == hinweise.end())
                    hinweise.emplace_back(f.what());
            }
            if (z.Gefunden) {
                z.Bezeichnung = z.Objekt.Bezeichnung.empty() ? bezeichnung : z.Objekt.Bezeichnung;
                break;
            }
        }
        if (!z.Gefunden && !e.Kopf_Hinweis.empty()) { // a header line
            hinweise.push_back(e.Kopf_Hinweis);
            continue;
        }
        zeilen.push_back(std::move(z));
    }
    return zeilen;
}

void Listen_Zeile_Rechnen(Listen_Zeile& zeile, double jd_ut, double jd_pc, double sternzeit,
                          const Parameter_Type& parameter, bool schmidt, int versatz_minuten) {
    Tick_Optionen optionen;
    optionen.JD_UT = jd_ut;
    const Positions_Anzeige a =
        Positions_Tick(zeile.Objekt, true, jd_pc, sternzeit, parameter, schmidt, optionen);
    if (a.Ort_Neu) Ort_Uebernehmen(zeile.Objekt, a.Ort);
    zeile.Objektzeile = a.Objekt.Zeile;
    zeile.Art = zeile.Objekt.Typ; // the catalogue's text, without the label
    zeile.Hoehe = a.Hoehe;
    zeile.Hoehe_Text = a.Horizont.Hoehe;
    zeile.VMag = zeile.Objekt.VMag;
    if (zeile.Name.empty()) zeile.Name = zeile.Objekt.Alias;
    zeile.Sicht = Sichtbarkeit_Berechnen(zeile.Objekt, jd_ut, jd_pc, parameter, versatz_minuten);
    const Sichtbarkeit& s = zeile.Sicht;
    const auto uhr = [&](double jd) { return Zonen_Uhrzeit(jd, versatz_minuten); };
    switch (s.Art) {
    case Sichtbarkeit::Art::Zirkumpolar:
        zeile.Ueber_Text = "zirkumpolar";
        break;
    case Sichtbarkeit::Art::Wechselnd:
        if (Rang(zeile).first == 0)
            zeile.Ueber_Text = "bis " + uhr(s.Untergang);
        else if (std::isfinite(s.Aufgang))
            zeile.Ueber_Text = uhr(s.Aufgang) + " – " +
                               (std::isfinite(s.Untergang) ? uhr(s.Untergang) : std::string("?"));
        break;
    default:
        zeile.Ueber_Text = "nie";
    }
    zeile.Kulmination_Text = std::isfinite(s.Kulmination) && std::isfinite(s.Kulminationshoehe)
                                 ? uhr(s.Kulmination) + " (" + Fest(s.Kulminationshoehe, 1) + "°)"
                                 : std::string();
}

namespace {
Skylist_Objekt Skylist_Objekt_Von(const std::string& bezeichnung, bool planet,
                                  const std::string& name, double beobachtet) {
    Skylist_Objekt o;
    o.Beobachtet_JD = beobachtet;
    o.Name = name;
    if (planet && bezeichnung.size() > 1) {
        o.Name = bezeichnung.substr(1); // "PMars": the name alone
    } else {
        o.Katalognummer = Katalognummer(bezeichnung);
    }
    return o;
}
} // namespace

std::vector<Skylist_Objekt> Skylist_Aus_Liste(const std::vector<Listen_Zeile>& zeilen) {
    std::vector<Skylist_Objekt> r;
    for (const Listen_Zeile& z : zeilen)
        r.push_back(z.Gefunden
                        ? Skylist_Objekt_Von(z.Bezeichnung, z.Objekt.Art == Objekt_Art::Planet,
                                             z.Name, z.Beobachtet_JD)
                        : Skylist_Objekt{z.Eingabe, z.Name, z.Beobachtet_JD});
    return r;
}

std::vector<Skylist_Objekt> Skylist_Aus_Buch(const std::vector<Buch_Eintrag>& eintraege) {
    // One object per written name ("M31" and "M 31" are one), at its earliest entry.
    std::vector<Skylist_Objekt> r;
    std::map<std::pair<std::string, std::string>, std::size_t> schon;
    for (const Buch_Eintrag& e : eintraege) {
        Skylist_Objekt o = Skylist_Objekt_Von(e.Bezeichnung, e.Art == 'P', {}, e.JD_UT);
        const auto [it, neu] = schon.emplace(std::pair(o.Katalognummer, o.Name), r.size());
        if (neu)
            r.push_back(std::move(o));
        else
            r[it->second].Beobachtet_JD = std::min(r[it->second].Beobachtet_JD, e.JD_UT);
    }
    return r;
}

void Listen_Ordnen(std::vector<Listen_Zeile>& zeilen) {
    std::stable_sort(
        zeilen.begin(), zeilen.end(),
        [](const Listen_Zeile& a, const Listen_Zeile& b) { return Rang(a) < Rang(b); });
}
