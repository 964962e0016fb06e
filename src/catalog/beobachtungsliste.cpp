#include "catalog/beobachtungsliste.hpp"

#include <algorithm>
#include <cmath>

#include "shared/csv.hpp"
#include "shared/fehler.hpp"
#include "shared/text.hpp"
#include "shared/zahlen.hpp"
#include "shared/zeilen_leser.hpp"

namespace {
// Catalogue prefixes of list files and the letters of the lookup.
struct Praefix {
    std::string_view Liste;
    char Buchstabe;
};
// How a designation's letter is written in a list (reading goes through Kurzform).
constexpr Praefix Praefixe[] = {{"NGC", 'N'}, {"IC", 'I'}, {"HIP", 'H'}, {"SAO", 'S'}, {"M", 'M'}};

bool Nur_Ziffern(std::string_view s) {
    if (s.empty()) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

// A raw line as UTF-8: kept when it is UTF-8, else read as Windows-1252;
// control characters become blanks either way.
std::string Als_Utf8(std::string_view roh, bool erste) {
    if (erste && Beginnt_Mit(roh, "\xEF\xBB\xBF")) roh.remove_prefix(3);
    if (!Ist_Utf8(roh)) return Cp1252_Zu_Utf8(roh);
    std::string s(roh);
    for (char& c : s)
        if (static_cast<unsigned char>(c) < 32 || c == 127) c = ' ';
    return s;
}

bool Notizspalte(std::string_view kopf) {
    const std::string k = Klein(std::string(Trimmen(kopf)));
    for (const char* n :
         {"notiz", "notizen", "bemerkung", "bemerkungen", "kommentar", "kommentare", "anmerkung",
          "anmerkungen", "note", "notes", "comment", "comments", "remark", "remarks"})
        if (k == n) return true;
    return false;
}

constexpr const char* Zu_Lang_Text = "Eintrag länger als 4 KiB – übersprungen";

// Keys of an object's lines, outside an object a sign of a damaged file.
bool Objekt_Schluessel(std::string_view s) {
    return s == "CatalogNumber" || s == "CommonName" || s == "DateObserved" || s == "ObjectID";
}

class Leser {
public:
    Leser(const std::string& pfad, Beobachtungsliste& liste) : z_(pfad), liste_(liste) {}

    // The next line as UTF-8; false at the end. A line that is too long is
    // reported and skipped.
    bool Naechste(std::string& zeile) {
        for (;;) {
            std::string_view roh;
            try {
                if (!z_.Naechste(roh)) return false;
            } catch (const Zeile_Zu_Lang_Fehler& f) {
                liste_.Hinweise.push_back(f.what());
                z_.Zeile_Verwerfen();
                continue;
            }
            zeile = Als_Utf8(roh, z_.Zeilennummer() == 1);
            return true;
        }
    }
    long Nummer() const { return z_.Zeilennummer(); }
    void Hinweis(long zeile, const std::string& text) {
        liste_.Hinweise.push_back(Ort(zeile) + text);
    }
    std::string Ort(long zeile) const {
        std::string o = z_.Ort();
        // Ort() names the line read last; the entry may have begun earlier.
        const std::size_t p = o.rfind(", Zeile ");
        return o.substr(0, p) + ", Zeile " + std::to_string(zeile) + ": ";
    }
    // False once the list is full (reported once).
    bool Aufnehmen(Listen_Eintrag e) {
        if (liste_.Eintraege.size() >= Liste_Max_Eintraege) {
            if (!voll_)
                Hinweis(e.Zeile, "mehr als " + std::to_string(Liste_Max_Eintraege) +
                                     " Einträge – der Rest der Liste wird nicht gelesen");
            voll_ = true;
            return false;
        }
        liste_.Eintraege.push_back(std::move(e));
        return true;
    }

private:
    Zeilen_Leser z_;
    Beobachtungsliste& liste_;
    bool voll_ = false;
};

void Skylist_Lesen(Leser& l) {
    std::string zeile;
    bool offen = false;
    Listen_Eintrag e;
    std::vector<std::string> namen; // CommonName is tried after every catalogue number
    std::size_t nummern = 0, bytes = 0;
    auto abschliessen = [&]() {
        offen = false;
        if (e.Kandidaten.empty() && namen.empty() && e.Uebersprungen.empty()) {
            l.Hinweis(e.Zeile, "Objekt ohne CatalogNumber und CommonName");
            return true;
        }
        if (!e.Uebersprungen.empty()) {
            // Marked: shown with its reason, never looked up.
            l.Hinweis(e.Zeile, e.Uebersprungen);
            e.Eingabe = !e.Kandidaten.empty() ? e.Kandidaten.front()
                        : !namen.empty()      ? namen.front()
                                              : std::string("?");
            e.Kandidaten.clear();
        } else {
            for (auto& n : namen) e.Kandidaten.push_back(n);
            e.Eingabe = e.Kandidaten.front();
        }
        return l.Aufnehmen(std::move(e));
    };
    while (l.Naechste(zeile)) {
        const std::string_view t = Trimmen(zeile);
        if (t.empty()) continue;
        if (offen && e.Uebersprungen.empty()) {
            bytes += zeile.size() + 1;
            if (bytes > Liste_Max_Eintrag_Bytes) e.Uebersprungen = Zu_Lang_Text;
        }
        const std::size_t gleich = t.find('=');
        const std::string_view schluessel = Trimmen(t.substr(0, gleich));
        const std::string_view wert =
            gleich == std::string_view::npos ? std::string_view() : Trimmen(t.substr(gleich + 1));
        if (schluessel == "SkyObject" && wert == "BeginObject") {
            if (offen) {
                l.Hinweis(e.Zeile, "Objekt ohne EndObject");
                if (!abschliessen()) return;
            }
            e = Listen_Eintrag();
            namen.clear();
            nummern = 0;
            bytes = zeile.size() + 1;
            e.Zeile = l.Nummer();
            offen = true;
        } else if (schluessel == "EndObject") {
            if (!offen) {
                l.Hinweis(l.Nummer(), "EndObject ohne SkyObject=BeginObject");
                continue;
            }
            if (!abschliessen()) return;
        } else if (!offen) {
            // The list's own lines (version, SortedBy …) are Name=Wert too.
            const bool eigenschaft = gleich != std::string_view::npos && !schluessel.empty() &&
                                     schluessel.find(' ') == std::string_view::npos &&
                                     !Objekt_Schluessel(schluessel);
            if (!eigenschaft) l.Hinweis(l.Nummer(), "außerhalb eines Objekts, übergangen");
        } else if (schluessel == "CatalogNumber") {
            if (wert.empty()) {
                l.Hinweis(l.Nummer(), "CatalogNumber ohne Wert");
            } else if (++nummern > Liste_Max_Nummern) {
                if (e.Uebersprungen.empty())
                    e.Uebersprungen = "mehr als " + std::to_string(Liste_Max_Nummern) +
                                      " Katalognummern – übersprungen";
            } else if (e.Uebersprungen.empty() || e.Kandidaten.empty()) {
                e.Kandidaten.emplace_back(wert);
            }
        } else if (schluessel == "CommonName") {
            if (!wert.empty() && namen.size() < Liste_Max_Nummern) {
                e.Name = std::string(wert);
                namen.emplace_back(wert);
            }
        } else if (schluessel == "DateObserved") {
            const std::optional<double> jd = Reell_Versuchen(wert);
            if (jd && std::isfinite(*jd) && *jd > 0 && *jd < 1e7)
                e.Beobachtet_JD = *jd;
            else
                l.Hinweis(l.Nummer(), "DateObserved ist kein Julianisches Datum");
        }
    }
    if (offen) {
        l.Hinweis(e.Zeile, "Objekt ohne EndObject am Ende der Datei");
        abschliessen();
    }
}

void Zeilen_Lesen(Leser& l, bool csv) {
    std::string zeile;
    char trenner = 0;
    bool erste = true;
    std::size_t notiz = 1; // the notes column; without a header the second
    while (l.Naechste(zeile)) {
        std::string_view t = Trimmen(zeile);
        if (!csv) t = Trimmen(t.substr(0, t.find('#')));
        if (t.empty()) continue;
        if (csv && !trenner) trenner = t.find(';') != std::string_view::npos ? ';' : ',';
        Listen_Eintrag e;
        e.Zeile = l.Nummer();
        if (t.size() > Liste_Max_Eintrag_Bytes) {
            std::size_t n = 40; // not inside a UTF-8 character
            while ((static_cast<unsigned char>(t[n]) & 0xC0) == 0x80) --n;
            e.Eingabe = std::string(t.substr(0, n)) + "…";
            e.Uebersprungen = Zu_Lang_Text;
            l.Hinweis(e.Zeile, e.Uebersprungen);
            erste = false;
            if (!l.Aufnehmen(std::move(e))) return;
            continue;
        }
        std::vector<std::string> felder;
        if (csv) felder = *Csv_Felder(t, trenner, false);
        e.Eingabe = csv ? felder.front() : std::string(t);
        if (csv && erste && e.Eingabe.find_first_of("0123456789") == std::string::npos) {
            e.Kopf_Hinweis = l.Ort(e.Zeile) + "als Kopfzeile übergangen: " + e.Eingabe;
            notiz = 0;
            for (std::size_t i = 1; i < felder.size() && !notiz; ++i)
                if (Notizspalte(felder[i])) notiz = i;
        }
        erste = false;
        if (e.Eingabe.empty()) {
            l.Hinweis(e.Zeile, "keine Bezeichnung in der ersten Spalte");
            continue;
        }
        if (csv && notiz > 0 && notiz < felder.size()) e.Notiz = felder[notiz];
        e.Kandidaten.push_back(e.Eingabe);
        if (!l.Aufnehmen(std::move(e))) return;
    }
}
} // namespace

Listen_Format Listen_Format_Von(const std::string& pfad) {
    const std::string k = Klein(pfad);
    auto endet = [&](std::string_view s) {
        return k.size() >= s.size() && k.compare(k.size() - s.size(), s.size(), s) == 0;
    };
    if (endet(".skylist")) return Listen_Format::Skylist;
    if (endet(".csv")) return Listen_Format::Csv;
    return Listen_Format::Text;
}

Beobachtungsliste Liste_Lesen(const std::string& pfad) {
    Beobachtungsliste liste;
    Leser l(pfad, liste);
    switch (Listen_Format_Von(pfad)) {
    case Listen_Format::Skylist:
        Skylist_Lesen(l);
        break;
    case Listen_Format::Csv:
        Zeilen_Lesen(l, true);
        break;
    case Listen_Format::Text:
        Zeilen_Lesen(l, false);
        break;
    }
    return liste;
}

std::string Katalognummer(std::string_view bezeichnung) {
    if (bezeichnung.size() >= 2 && Nur_Ziffern(bezeichnung.substr(1)))
        for (const Praefix& p : Praefixe)
            if (p.Buchstabe == bezeichnung[0])
                return std::string(p.Liste) + " " + std::string(bezeichnung.substr(1));
    return std::string(bezeichnung);
}

std::string Skylist_Text(const std::vector<Skylist_Objekt>& objekte) {
    // Values are single lines: line ends and control characters become blanks.
    auto zeile = [](std::string_view s) {
        std::string r(Trimmen(s));
        for (char& c : r)
            if (static_cast<unsigned char>(c) < 32 || c == 127) c = ' ';
        return r;
    };
    std::string t = "SkySafariObservingListVersion=3.0\r\n";
    for (const Skylist_Objekt& o : objekte) {
        t += "SkyObject=BeginObject\r\n";
        if (!o.Name.empty()) t += "   CommonName=" + zeile(o.Name) + "\r\n";
        if (!o.Katalognummer.empty()) t += "   CatalogNumber=" + zeile(o.Katalognummer) + "\r\n";
        if (std::isfinite(o.Beobachtet_JD))
            t += "   DateObserved=" + Voll(o.Beobachtet_JD) + "\r\n";
        t += "EndObject=SkyObject\r\n";
    }
    return t;
}
