#include "catalog/namen_vorschlaege.hpp"

#include <algorithm>
#include <tuple>

#include "catalog/katalog_zeilen.hpp"
#include "catalog/namen_suche.hpp"
#include "shared/text.hpp"
#include "shared/zahlen.hpp"
#include "shared/zeilen_leser.hpp"

namespace {

// No name is longer; a longer text (pasted by mistake) matches nothing.
constexpr std::size_t Laengster_Name = 100;

bool Trenner(char c) {
    return static_cast<unsigned char>(c) <= 32 || c == '/' || c == '(' || c == ')' || c == '-';
}

// Start offsets of the words of a key: the first character and every one
// after a separator.
template <class Tun> void Wortanfaenge(const std::string& s, Tun tun) {
    for (std::size_t i = 0; i < s.size(); ++i)
        if (!Trenner(s[i]) && (i == 0 || Trenner(s[i - 1]))) tun(static_cast<std::uint32_t>(i));
}

std::string Suchschluessel(std::string_view eingabe_utf8) {
    return Namen_Gross(Trimmen(Utf8_Zu_Cp1252(eingabe_utf8)));
}

double Mag_Oder_Unbekannt(std::string_view feld) {
    const auto w = Reell_Versuchen(feld);
    return w ? *w : 99.0;
}

// Every data line of a catalogue file; nothing when it is missing or unreadable.
template <class Tun>
void Zeilen_Von(const std::string& ordner, const char* datei, Katalog_Format format, Tun tun) {
    try {
        Zeilen_Leser leser(Pfad_In(ordner, datei));
        if (!Kopf_Ueberspringen(format, leser)) return;
        std::string_view z;
        while (leser.Naechste(z)) tun(z);
    } catch (const std::exception&) {
    }
}

} // namespace

bool Nur_Nummer(std::string_view eingabe) {
    const std::string_view t = Trimmen(eingabe);
    if (t.size() < 2) return false;
    const char c = t[0];
    if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))) return false;
    const std::string_view rest = Trimmen(t.substr(1));
    return !rest.empty() && rest[0] >= '0' && rest[0] <= '9';
}

void Vorschlags_Index::Hinzufuegen(Vorschlag v) {
    if (v.Text.empty()) return;
    schluessel_.push_back(Suchschluessel(v.Text));
    eintraege_.push_back(std::move(v));
}

void Vorschlags_Index::Fertig() {
    woerter_.clear();
    for (std::uint32_t e = 0; e < schluessel_.size(); ++e)
        Wortanfaenge(schluessel_[e], [&](std::uint32_t a) { woerter_.push_back({e, a}); });
    const auto text = [this](const Wort& w) {
        return std::string_view(schluessel_[w.Eintrag]).substr(w.Anfang);
    };
    std::sort(woerter_.begin(), woerter_.end(),
              [&](const Wort& a, const Wort& b) { return text(a) < text(b); });
}

std::vector<Vorschlag>
Vorschlags_Index::Auswahl(std::vector<std::pair<std::uint32_t, bool>>& treffer,
                          std::size_t hoechstens) const {
    // One entry once, as a match of the whole name if it is one.
    std::sort(treffer.begin(), treffer.end(), [](const auto& a, const auto& b) {
        return std::tie(a.first, b.second) < std::tie(b.first, a.second);
    });
    treffer.erase(std::unique(treffer.begin(), treffer.end(),
                              [](const auto& a, const auto& b) { return a.first == b.first; }),
                  treffer.end());
    const auto rang = [this](const std::pair<std::uint32_t, bool>& t) {
        const Vorschlag& v = eintraege_[t.first];
        return std::make_tuple(!t.second, v.Gruppe, v.Mag, v.Text.size(), t.first);
    };
    const std::size_t n = std::min(hoechstens, treffer.size());
    std::partial_sort(treffer.begin(), treffer.begin() + static_cast<std::ptrdiff_t>(n),
                      treffer.end(),
                      [&](const auto& a, const auto& b) { return rang(a) < rang(b); });
    std::vector<Vorschlag> aus;
    for (std::size_t i = 0; i < n; ++i) aus.push_back(eintraege_[treffer[i].first]);
    return aus;
}

std::vector<Vorschlag> Vorschlags_Index::Suchen(std::string_view eingabe,
                                                std::size_t hoechstens) const {
    const std::string q = Suchschluessel(eingabe);
    if (q.size() < 2 || q.size() > Laengster_Name || Nur_Nummer(q)) return {};
    const auto text = [this](const Wort& w) {
        return std::string_view(schluessel_[w.Eintrag]).substr(w.Anfang);
    };
    auto it = std::lower_bound(woerter_.begin(), woerter_.end(), q,
                               [&](const Wort& w, const std::string& s) { return text(w) < s; });
    std::vector<std::pair<std::uint32_t, bool>> treffer;
    for (; it != woerter_.end() && text(*it).substr(0, q.size()) == q; ++it)
        treffer.emplace_back(it->Eintrag, it->Anfang == 0);
    return Auswahl(treffer, hoechstens);
}

std::vector<Vorschlag> Vorschlags_Index::Suchen_Linear(std::string_view eingabe,
                                                       std::size_t hoechstens) const {
    const std::string q = Suchschluessel(eingabe);
    if (q.size() < 2 || Nur_Nummer(q)) return {};
    std::vector<std::pair<std::uint32_t, bool>> treffer;
    for (std::uint32_t e = 0; e < schluessel_.size(); ++e)
        Wortanfaenge(schluessel_[e], [&](std::uint32_t a) {
            if (std::string_view(schluessel_[e]).substr(a, q.size()) == q)
                treffer.emplace_back(e, a == 0);
        });
    return Auswahl(treffer, hoechstens);
}

std::size_t Vorschlags_Index::Speicher() const {
    std::size_t n = eintraege_.capacity() * sizeof(Vorschlag) +
                    schluessel_.capacity() * sizeof(std::string) +
                    woerter_.capacity() * sizeof(Wort);
    for (const Vorschlag& v : eintraege_)
        n += v.Text.capacity() + v.Eingabe.capacity() + v.Art.capacity();
    for (const std::string& s : schluessel_) n += s.capacity();
    return n;
}

Vorschlags_Index Vorschlags_Index_Bauen(const Such_Kontext& k) {
    Vorschlags_Index index;
    for (const char* p : Planeten_Namen)
        index.Hinzufuegen({p, p, std::string(p) == "Sonne" ? "Sonne" : "Planet", 99});
    Zeilen_Von(k.Katalog_Ordner, Datei_Helle_Sterne, Katalog_Format::Helle_Sterne,
               [&](std::string_view z) {
                   const std::string name = Text_Feld(z, 89, 108);
                   index.Hinzufuegen({name, name, "Stern", Mag_Oder_Unbekannt(Spalten(z, 54, 59))});
               });
    try {
        for (const Deepsky_Name& n :
             Deepsky_Namen_Lesen(Pfad_In(k.Katalog_Ordner, Datei_Deepsky_Namen))) {
            const std::string_view art = Art_Label(Art_Von_Buchstabe(n.Bezeichnung[0]));
            index.Hinzufuegen({Cp1252_Zu_Utf8(n.Name), n.Bezeichnung,
                               std::string(art) + n.Bezeichnung.substr(1), n.Mag});
        }
    } catch (const std::exception&) {
        // The lookup reports the names file once; suggestions go without it.
    }
    Zeilen_Von(
        k.Katalog_Ordner, Datei_Flamsteed, Katalog_Format::Flamsteed, [&](std::string_view z) {
            const std::string bez = Text_Feld(z, 70, 79);
            index.Hinzufuegen({bez, bez, "Stern", Mag_Oder_Unbekannt(Spalten(z, 62, 67)), 1});
        });
    Zeilen_Von(k.Katalog_Ordner, Datei_Veraenderliche, Katalog_Format::Veraenderliche,
               [&](std::string_view z) {
                   const std::string name = Text_Feld(z, 1, 10);
                   index.Hinzufuegen({name, "V" + name, "Veränderlicher",
                                      Mag_Oder_Unbekannt(Spalten(z, 29, 34)), 1});
               });
    if (k.Asteroiden)
        for (int i = 1;
             i <= std::min(k.Anzahl_Asteroiden, static_cast<int>(k.Asteroiden->size()) - 1); ++i) {
            const Asteroid_Type& a = (*k.Asteroiden)[static_cast<std::size_t>(i)];
            const std::string name = Text_Feld(a.Zeile, 167, 194);
            index.Hinzufuegen({name, "A" + name, "Asteroid", a.Helligkeit});
        }
    if (k.Kometen)
        for (int i = 1; i <= std::min(k.Anzahl_Kometen, static_cast<int>(k.Kometen->size()) - 1);
             ++i) {
            const Komet_Type& c = (*k.Kometen)[static_cast<std::size_t>(i)];
            const std::string name = Text_Feld(c.Zeile, 103, 158);
            index.Hinzufuegen({name, "K" + name, "Komet", c.Helligkeit});
        }
    index.Fertig();
    return index;
}
