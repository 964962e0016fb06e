#include "karte/stern_index.hpp"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <set>
#include <unordered_map>

#include "catalog/katalog_zeilen.hpp"
#include "shared/fehler.hpp"
#include "shared/kern_text.hpp"
#include "shared/konstanten.hpp"
#include "shared/objekt_type.hpp"
#include "shared/zahlen.hpp"
#include "shared/zeilen_leser.hpp"

namespace {
int Zone_Von(double de_grad) {
    return std::clamp(static_cast<int>(std::floor(de_grad + 90.0)), 0, Index_Zonen - 1);
}

// Reads every data line of a catalogue file through `lesen`; a line the
// reader rejects is counted and skipped. Returns false when the file is missing.
template <class Lesen>
bool Datei_Lesen(const std::string& ordner, const char* name, Katalog_Format format,
                 Stern_Index& index, Lesen&& lesen) {
    const std::string pfad = Pfad_In(ordner, name);
    long beschaedigt = 0;
    try {
        Zeilen_Durchgehen(pfad, format, beschaedigt, lesen);
    } catch (const Ein_Ausgabe_Fehler& f) {
        index.Hinweise.push_back(f.what());
        index.Beschaedigte_Zeilen += beschaedigt;
        return false;
    }
    if (beschaedigt > 0)
        index.Hinweise.push_back(
            Kt("%1: %2 beschädigte Zeilen übergangen", {name, std::to_string(beschaedigt)}));
    index.Beschaedigte_Zeilen += beschaedigt;
    return true;
}

Symbol_Art Art_Von(const std::string& typ) {
    if (typ == "Galaxie" || typ == "Gal.Grup") return Symbol_Art::Galaxie;
    if (typ == "Off.Hauf" || typ == "Asteris.") return Symbol_Art::Offener_Haufen;
    if (typ == "Kug.Hauf") return Symbol_Art::Kugelhaufen;
    if (typ == "Gas.Neb" || typ == "SN-Rest") return Symbol_Art::Nebel;
    if (typ == "Plan.Neb") return Symbol_Art::Planetarischer_Nebel;
    return Symbol_Art::Sonstiges;
}

// "NGC 224" / "IC 434" as the catalogue key "N224" / "I434"; empty otherwise.
std::string Schluessel_Aus_Alias(const std::string& alias) {
    if (alias.rfind("NGC ", 0) == 0) return "N" + alias.substr(4);
    if (alias.rfind("IC ", 0) == 0) return "I" + alias.substr(3);
    return {};
}

// Shapes from the side file, by the object file's key. A missing file leaves
// every object round (and is named); a bad line is counted and skipped.
void Formen_Lesen(const std::string& ordner, Stern_Index& index,
                  std::vector<std::pair<std::string, Index_Objekt>>& objekte) {
    std::unordered_map<std::string, Index_Objekt*> nach_schluessel;
    for (auto& [schluessel, e] : objekte) nach_schluessel.emplace(schluessel, &e);
    long beschaedigt = 0;
    try {
        Zeilen_Leser leser(Pfad_In(ordner, Datei_Deepsky_Formen));
        if (!leser.Ueberspringen(1)) return;
        std::string_view zeile;
        while (leser.Naechste(zeile)) {
            std::string_view feld[4];
            std::size_t n = 0, i = 0;
            while (n < 4 && i < zeile.size()) {
                while (i < zeile.size() && zeile[i] == ' ') ++i;
                const std::size_t a = i;
                while (i < zeile.size() && zeile[i] != ' ') ++i;
                if (i > a) feld[n++] = zeile.substr(a, i - a);
            }
            const auto gross = n == 4 ? Reell_Versuchen(feld[1]) : std::nullopt;
            const auto klein = n == 4 ? Reell_Versuchen(feld[2]) : std::nullopt;
            const auto winkel = n == 4 ? Reell_Versuchen(feld[3]) : std::nullopt;
            // Axes up to 180° (10800'): a chart never draws a shape without bound.
            if (!gross || !klein || !winkel || !(*klein > 0.01 && *klein <= *gross) ||
                !(*gross <= 10800) || !(*winkel >= 0 && *winkel < 180)) {
                ++beschaedigt;
                continue;
            }
            const auto o = nach_schluessel.find(std::string(feld[0]));
            if (o == nach_schluessel.end()) continue;
            o->second->Groesse = static_cast<float>(*gross);
            o->second->Klein = static_cast<float>(*klein);
            o->second->Winkel = static_cast<float>(*winkel);
        }
    } catch (const Ein_Ausgabe_Fehler& f) {
        index.Hinweise.push_back(f.what());
    }
    if (beschaedigt > 0)
        index.Hinweise.push_back(std::string(Datei_Deepsky_Formen) + ": " +
                                 std::to_string(beschaedigt) + " beschädigte Zeilen übergangen");
    index.Beschaedigte_Zeilen += beschaedigt;
}

bool Ist_Messier_Alias(const std::string& alias) {
    return alias.size() > 2 && alias[0] == 'M' && alias[1] == ' ' &&
           std::all_of(alias.begin() + 2, alias.end(), [](char c) { return c >= '0' && c <= '9'; });
}
} // namespace

std::size_t Stern_Index::Speicher_Bytes() const {
    std::size_t n = sizeof(*this) + Sterne.capacity() * sizeof(Index_Stern) +
                    RA.capacity() * sizeof(float) + Namen.capacity() * sizeof(std::string) +
                    Objekte.capacity() * sizeof(Index_Objekt);
    for (const std::string& s : Namen) n += s.capacity() > 15 ? s.capacity() + 1 : 0;
    for (const Index_Objekt& o : Objekte) n += o.Name.capacity() > 15 ? o.Name.capacity() + 1 : 0;
    return n;
}

Stern_Index Stern_Index_Bauen(const std::string& ordner) {
    Stern_Index index;
    struct Roh {
        double ra, de;
        float mag;
        std::int32_t name;
    };
    std::vector<Roh> roh;
    roh.reserve(120000);
    Datei_Lesen(ordner, Datei_HIP, Katalog_Format::HIP, index,
                [&](std::string_view zeile, Objekt_Type& o) {
                    HIP_Zeile_Lesen(zeile, o);
                    std::int32_t name = -1;
                    if (!o.Alias.empty() && o.Alias.rfind("HD", 0) != 0) {
                        name = static_cast<std::int32_t>(index.Namen.size());
                        index.Namen.push_back(o.Alias);
                    }
                    roh.push_back({o.RA2000, o.DE2000, static_cast<float>(o.VMag), name});
                });

    // Zone by zone, by RA within a zone.
    std::sort(roh.begin(), roh.end(), [](const Roh& a, const Roh& b) {
        const int za = Zone_Von(a.de), zb = Zone_Von(b.de);
        return za != zb ? za < zb : a.ra < b.ra;
    });
    index.Sterne.reserve(roh.size());
    index.RA.reserve(roh.size());
    int zone = 0;
    for (std::size_t i = 0; i < roh.size(); ++i) {
        const int z = Zone_Von(roh[i].de);
        while (zone < z) index.Zone_Anfang[++zone] = static_cast<std::uint32_t>(i);
        const Richtung r = Richtung_Von(roh[i].ra, roh[i].de);
        index.Sterne.push_back({static_cast<float>(r.x), static_cast<float>(r.y),
                                static_cast<float>(r.z), roh[i].mag, roh[i].name});
        index.RA.push_back(static_cast<float>(roh[i].ra * Std_Zu_Rad));
    }
    while (zone < Index_Zonen) index.Zone_Anfang[++zone] = static_cast<std::uint32_t>(roh.size());
    roh = {};

    // The full proper names of the bright stars (the Hipparcos name column is
    // ten characters wide) on the star at the same place, within 2 arcseconds.
    std::vector<std::uint32_t> nah;
    Datei_Lesen(ordner, Datei_Helle_Sterne, Katalog_Format::Helle_Sterne, index,
                [&](std::string_view zeile, Objekt_Type& o) {
                    Helle_Sterne_Zeile_Lesen(zeile, o);
                    if (o.Bezeichnung.empty()) return;
                    nah.clear();
                    Sterne_Im_Kreis(index, Richtung_Von(o.RA2000, o.DE2000), 2.0 / 3600.0, 99.0,
                                    nah);
                    if (nah.empty()) return;
                    Index_Stern& s = index.Sterne[nah.front()];
                    if (s.Name < 0) {
                        s.Name = static_cast<std::int32_t>(index.Namen.size());
                        index.Namen.push_back(o.Bezeichnung);
                    } else {
                        index.Namen[s.Name] = o.Bezeichnung;
                    }
                });

    // Deep-sky objects; an NGC or IC entry that is also a Messier object is kept once.
    std::set<std::string> messier_schluessel;
    std::vector<std::pair<std::string, Index_Objekt>> objekte;
    Datei_Lesen(ordner, Datei_NGC, Katalog_Format::NGC, index,
                [&](std::string_view zeile, Objekt_Type& o) {
                    NGC_Zeile_Lesen(zeile, o);
                    if (o.Bezeichnung.size() < 2) return;
                    const char art = o.Bezeichnung[0];
                    const std::string nummer = o.Bezeichnung.substr(1);
                    Index_Objekt e{Richtung_Von(o.RA2000, o.DE2000),
                                   static_cast<float>(o.VMag),
                                   static_cast<float>(std::max(o.Groesse_A, o.Groesse_B)),
                                   art == 'M',
                                   Art_Von(o.Typ),
                                   {}};
                    if (art == 'M') {
                        e.Name = "M" + nummer;
                        messier_schluessel.insert(Schluessel_Aus_Alias(o.Alias));
                    } else if (art == 'N' || art == 'I') {
                        if (Ist_Messier_Alias(o.Alias)) return;
                        e.Name = std::string(Art_Label(Art_Von_Buchstabe(art))) + nummer;
                    } else {
                        return;
                    }
                    objekte.emplace_back(o.Bezeichnung, std::move(e));
                });
    Formen_Lesen(ordner, index, objekte);
    // Some Messier lines name no NGC number; the same place (within 2') marks them too.
    std::vector<Richtung> messier_orte;
    for (const auto& [schluessel, e] : objekte)
        if (e.Messier) messier_orte.push_back(e.Ort);
    const double cos_2 = std::cos(2.0 / 60.0 * Grad_Zu_Rad);
    for (auto& [schluessel, e] : objekte) {
        bool doppelt = !e.Messier && messier_schluessel.count(schluessel);
        for (std::size_t i = 0; !e.Messier && !doppelt && i < messier_orte.size(); ++i)
            doppelt = e.Ort.x * messier_orte[i].x + e.Ort.y * messier_orte[i].y +
                          e.Ort.z * messier_orte[i].z >
                      cos_2;
        if (!doppelt) index.Objekte.push_back(std::move(e));
    }
    index.Objekte.shrink_to_fit();
    index.Namen.shrink_to_fit();
    return index;
}

void Sterne_Im_Kreis(const Stern_Index& index, const Richtung& m, double radius_grad,
                     double grenz_mag, std::vector<std::uint32_t>& treffer) {
    if (index.Sterne.empty() || !(radius_grad > 0)) return;
    const double r = std::min(radius_grad, 180.0) * Grad_Zu_Rad;
    const double cos_r = std::cos(r), sin_r = std::sin(r);
    const double de = std::asin(std::clamp(m.z, -1.0, 1.0)) * Rad_Zu_Grad;
    double ra = std::atan2(m.y, m.x);
    if (ra < 0) ra += Zwei_Pi;
    const int z_von = Zone_Von(de - radius_grad), z_bis = Zone_Von(de + radius_grad);
    auto pruefen = [&](std::uint32_t von, std::uint32_t bis) {
        for (std::uint32_t i = von; i < bis; ++i) {
            const Index_Stern& s = index.Sterne[i];
            if (s.VMag > grenz_mag) continue;
            if (s.x * m.x + s.y * m.y + s.z * m.z >= cos_r) treffer.push_back(i);
        }
    };
    for (int z = z_von; z <= z_bis; ++z) {
        const std::uint32_t anfang = index.Zone_Anfang[z], ende = index.Zone_Anfang[z + 1];
        // Half-width in RA of the circle within this zone, from the zone edge
        // nearest a pole; the whole zone when a pole lies inside the circle.
        const double rand = std::max(std::abs(z - 90.0), std::abs(z + 1 - 90.0)) * Grad_Zu_Rad;
        const double cos_rand = std::cos(std::min(rand, Pi / 2));
        if (sin_r >= cos_rand - 1e-12 || r >= Pi / 2) {
            pruefen(anfang, ende);
            continue;
        }
        const double halb = std::asin(sin_r / cos_rand) + 1e-6;
        const auto suche = [&](double a) {
            return static_cast<std::uint32_t>(std::lower_bound(index.RA.begin() + anfang,
                                                               index.RA.begin() + ende,
                                                               static_cast<float>(a)) -
                                              index.RA.begin());
        };
        double von = ra - halb, bis = ra + halb;
        if (von < 0) {
            pruefen(suche(von + Zwei_Pi), ende);
            von = 0;
        }
        if (bis > Zwei_Pi) {
            pruefen(anfang, suche(bis - Zwei_Pi));
            bis = Zwei_Pi;
        }
        pruefen(suche(von), suche(bis));
    }
}
