#include "catalog/namen_vorschlaege.hpp"

#include <algorithm>
#include <tuple>

#include "catalog/ephemeriden.hpp"
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

// Key for the edit distance: umlauts and ß spelled out (so "Ä" and "AE"
// meet), other accented capitals to their letter, only letters and digits.
std::string Falten(std::string_view gross) {
    std::string aus;
    aus.reserve(gross.size());
    for (char c : gross) {
        const auto b = static_cast<unsigned char>(c);
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) {
            aus += c;
            continue;
        }
        switch (b) {
        case 0xC4:
            aus += "AE";
            continue;
        case 0xD6:
            aus += "OE";
            continue;
        case 0xDC:
            aus += "UE";
            continue;
        case 0xDF:
            aus += "SS";
            continue;
        default:
            break;
        }
        if (b >= 0xC0 && b <= 0xC5)
            aus += 'A';
        else if (b == 0xC7)
            aus += 'C';
        else if (b >= 0xC8 && b <= 0xCB)
            aus += 'E';
        else if (b >= 0xCC && b <= 0xCF)
            aus += 'I';
        else if (b == 0xD1)
            aus += 'N';
        else if ((b >= 0xD2 && b <= 0xD5) || b == 0xD8)
            aus += 'O';
        else if (b >= 0xD9 && b <= 0xDB)
            aus += 'U';
        else if (b == 0xDD)
            aus += 'Y';
    }
    return aus;
}

// German words of deep-sky names and their English form in the names file
// ("Doppelsternhaufen" -> "Double Cluster"), folded; longer ones first.
constexpr std::pair<std::string_view, std::string_view> Deutsch_Englisch[] = {
    {"KUGELSTERNHAUFEN", "GLOBULARCLUSTER"},
    {"STERNHAUFEN", "CLUSTER"},
    {"HAUFEN", "CLUSTER"},
    {"GALAXIE", "GALAXY"},
    {"NEBEL", "NEBULA"},
    {"DOPPEL", "DOUBLE"},
    {"WOLKE", "CLOUD"},
};

std::string Ins_Englische(std::string s) {
    for (const auto& [de, en] : Deutsch_Englisch)
        for (std::size_t i = s.find(de); i != std::string::npos; i = s.find(de, i + en.size()))
            s.replace(i, de.size(), en);
    return s;
}

// Edit distance (adjacent swaps count one) of q to the whole of n and to
// its best beginning, computed in the band |i - j| <= grenze only; both
// above `grenze` once no cell of a row is within it.
struct Abstand {
    int Ganz, Anfang;
};
Abstand Abstand_Von(std::string_view q, std::string_view n, int grenze) {
    const int m = static_cast<int>(q.size());
    const int l = std::min(static_cast<int>(n.size()), m + grenze);
    const int weit = grenze + 1;
    if (m - grenze > l) return {weit, weit};
    // Three rows of at most 130 cells: keys are cut at 128.
    int z[3][130];
    int* vor2 = z[0];
    int* vor = z[1];
    int* jetzt = z[2];
    for (int j = 0; j <= std::min(l, grenze + 1); ++j) vor[j] = std::min(j, weit);
    int lo = 1, hi = 0;
    for (int i = 1; i <= m; ++i) {
        lo = std::max(1, i - grenze);
        hi = std::min(l, i + grenze);
        if (lo > hi) return {weit, weit};
        jetzt[lo - 1] = lo == 1 ? std::min(i, weit) : weit;
        int kleinste = jetzt[lo - 1];
        for (int j = lo; j <= hi; ++j) {
            const int kosten = q[i - 1] == n[j - 1] ? 0 : 1;
            int d = std::min({vor[j] + 1, jetzt[j - 1] + 1, vor[j - 1] + kosten});
            if (i > 1 && j > 1 && q[i - 1] == n[j - 2] && q[i - 2] == n[j - 1])
                d = std::min(d, vor2[j - 2] + 1);
            jetzt[j] = std::min(d, weit);
            kleinste = std::min(kleinste, jetzt[j]);
        }
        if (hi + 1 <= l) jetzt[hi + 1] = weit;
        if (kleinste > grenze) return {weit, weit};
        std::swap(vor2, vor);
        std::swap(vor, jetzt);
    }
    Abstand a{weit, weit};
    for (int j = lo - 1; j <= hi; ++j) a.Anfang = std::min(a.Anfang, vor[j]);
    if (l == static_cast<int>(n.size()) && l >= lo - 1 && l <= hi) a.Ganz = vor[l];
    return a;
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
    gefaltet_.clear();
    for (const std::string& k : schluessel_) gefaltet_.push_back(Falten(k).substr(0, 128));
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

std::vector<Vorschlag> Vorschlags_Index::Aehnliche(std::string_view eingabe,
                                                   std::size_t hoechstens) const {
    const std::string gross = Suchschluessel(eingabe);
    if (gross.size() > Laengster_Name || Nur_Nummer(gross)) return {};
    std::string q = Falten(gross);
    if (q.size() < 3) return {};
    const std::string englisch = Ins_Englische(q);
    // A few letters wrong in a long name, one in a short one.
    const auto grenze = [](std::size_t laenge) { return laenge >= 12 ? 3 : laenge >= 8 ? 2 : 1; };
    struct Kandidat {
        int Abstand;
        bool Anfang; // only the beginning of the name is that close
        std::uint32_t Eintrag;
    };
    std::vector<Kandidat> kandidaten;
    for (std::uint32_t e = 0; e < gefaltet_.size(); ++e) {
        Abstand a = Abstand_Von(q, gefaltet_[e], grenze(q.size()));
        if (englisch != q) {
            const Abstand b = Abstand_Von(englisch, gefaltet_[e], grenze(englisch.size()));
            a = {std::min(a.Ganz, b.Ganz), std::min(a.Anfang, b.Anfang)};
        }
        const int g = std::max(grenze(q.size()), grenze(englisch.size()));
        // A beginning counts only where the entry is long enough to mean it.
        if (a.Ganz <= g)
            kandidaten.push_back({a.Ganz, false, e});
        else if (q.size() >= 5 && a.Anfang <= g)
            kandidaten.push_back({a.Anfang, true, e});
    }
    const auto rang = [this](const Kandidat& k) {
        const Vorschlag& v = eintraege_[k.Eintrag];
        return std::make_tuple(k.Abstand, k.Anfang, v.Gruppe, v.Mag, v.Text.size(), k.Eintrag);
    };
    std::sort(kandidaten.begin(), kandidaten.end(),
              [&](const Kandidat& a, const Kandidat& b) { return rang(a) < rang(b); });
    std::vector<Vorschlag> aus;
    for (const Kandidat& k : kandidaten) {
        if (aus.size() >= hoechstens) break;
        const Vorschlag& v = eintraege_[k.Eintrag];
        const bool schon = std::any_of(aus.begin(), aus.end(), [&](const Vorschlag& a) {
            return a.Eingabe == v.Eingabe || a.Text == v.Text;
        });
        if (!schon) aus.push_back(v);
    }
    return aus;
}

std::size_t Vorschlags_Index::Speicher() const {
    std::size_t n = eintraege_.capacity() * sizeof(Vorschlag) +
                    schluessel_.capacity() * sizeof(std::string) +
                    woerter_.capacity() * sizeof(Wort);
    for (const Vorschlag& v : eintraege_)
        n += v.Text.capacity() + v.Eingabe.capacity() + v.Art.capacity();
    for (const std::string& s : schluessel_) n += s.capacity();
    for (const std::string& s : gefaltet_) n += sizeof(std::string) + s.capacity();
    return n;
}

Vorschlags_Index Vorschlags_Index_Bauen(const Such_Kontext& k) {
    Vorschlags_Index index;
    // The Sun, the Moon and the planets before any name that merely begins
    // with theirs ("Jupiter's Ghost Nebula"); their English names lead to them too.
    const auto art = [](std::string_view p) {
        return p == "Sonne" ? "Sonne" : p == "Mond" ? "Mond" : "Planet";
    };
    for (const char* p : Sonnensystem_Namen) index.Hinzufuegen({p, p, art(p), 99, -1});
    constexpr std::pair<const char*, const char*> Englisch[] = {
        {"Sun", "Sonne"}, {"Moon", "Mond"}, {"Mercury", "Merkur"}, {"Neptune", "Neptun"}};
    for (const auto& [en, de] : Englisch) index.Hinzufuegen({en, de, art(de), 99, -1});
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
