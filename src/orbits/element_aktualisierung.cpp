#include "orbits/element_aktualisierung.hpp"

#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <map>
#include <optional>

#include "orbits/element_zeilen.hpp"
#include "shared/kern_text.hpp"
#include "shared/text.hpp"
#include "shared/zahlen.hpp"
#include "shared/zeilen_leser.hpp"

namespace {
constexpr std::int64_t Kopf_Hoechstens = 200; // lines searched for the end of a description
constexpr std::size_t Kopf_Bytes = 512;       // bytes looked at to tell the kind of data

// "Asteroiden.txt, Zeile 12: " in front of a reader's message becomes the
// download's name and line.
std::string Meldung(const std::string& quelle, std::int64_t nummer, std::string text) {
    const std::size_t doppelpunkt = text.find(": ");
    if (Beginnt_Mit(text, "Asteroiden.txt, Zeile ") || Beginnt_Mit(text, "Kometen.txt, Zeile "))
        text.erase(0, doppelpunkt + 2);
    return quelle + ", Zeile " + std::to_string(nummer) + ": " + text;
}

// The worst kept line on top: larger H, among equal H the later line.
bool Besser(double h1, std::int64_t n1, double h2, std::int64_t n2) {
    return h1 < h2 || (h1 == h2 && n1 < n2);
}

std::string Iso_Datum(std::int32_t j, std::int32_t m, std::int32_t t) {
    char s[32];
    std::snprintf(s, sizeof s, "%04d-%02d-%02d", j, m, t);
    return s;
}
} // namespace

std::string_view Koerper_Schluessel(Element_Art art, std::string_view zeile) {
    const bool ast = art == Element_Art::Asteroiden;
    std::string_view k = Trimmen(Spalten(zeile, 1, ast ? 7 : 12));
    if (k.empty()) k = Trimmen(ast ? Spalten(zeile, 167, 194) : Spalten(zeile, 103, 158));
    return k.empty() ? Trimmen(zeile) : k;
}

namespace {
std::uint64_t Fnv1a(std::string_view s) {
    std::uint64_t h = 14695981039346656037ull;
    for (char c : s) {
        h ^= static_cast<unsigned char>(c);
        h *= 1099511628211ull;
    }
    return h ? h : 1; // 0 marks an empty slot
}
} // namespace

bool Element_Strom::Neuer_Koerper(std::string_view schluessel) {
    if ((gesehen_anzahl_ + 1) * 4 > gesehen_.size() * 3) {
        std::vector<std::uint64_t> alt(std::max<std::size_t>(1024, gesehen_.size() * 2), 0);
        alt.swap(gesehen_);
        for (std::uint64_t h : alt)
            if (h) {
                std::size_t i = h & (gesehen_.size() - 1);
                while (gesehen_[i]) i = (i + 1) & (gesehen_.size() - 1);
                gesehen_[i] = h;
            }
    }
    const std::uint64_t h = Fnv1a(schluessel);
    std::size_t i = h & (gesehen_.size() - 1);
    while (gesehen_[i]) {
        if (gesehen_[i] == h) return false;
        i = (i + 1) & (gesehen_.size() - 1);
    }
    gesehen_[i] = h;
    ++gesehen_anzahl_;
    return true;
}

std::int64_t Koerper_Zaehlen(Element_Art art, const std::vector<std::string>& zeilen) {
    std::vector<std::string_view> k;
    k.reserve(zeilen.size());
    for (const auto& z : zeilen)
        if (z.find_first_not_of(' ') != std::string::npos) k.push_back(Koerper_Schluessel(art, z));
    std::sort(k.begin(), k.end());
    return std::unique(k.begin(), k.end()) - k.begin();
}

std::string Element_Zeile_Wandeln(std::string_view roh) {
    std::string z;
    bool hoch = false;
    for (char c : roh) hoch |= static_cast<unsigned char>(c) >= 0x80;
    if (!hoch) {
        z.assign(roh);
    } else if (Ist_Utf8(roh)) {
        z = Utf8_Zu_Cp1252(roh);
    } else {
        z.assign(roh);
        // Bytes Windows-1252 leaves undefined.
        for (char& c : z) {
            const auto b = static_cast<unsigned char>(c);
            if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D) c = '?';
        }
    }
    for (char& c : z) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F) c = ' ';
    }
    while (!z.empty() && z.back() == ' ') z.pop_back();
    return z;
}

std::string Element_Datei_Text(const std::vector<std::string>& zeilen) {
    std::size_t n = 0;
    for (const auto& z : zeilen) n += z.size() + 2;
    std::string text;
    text.reserve(n);
    for (const auto& z : zeilen) {
        text += z;
        text += "\r\n";
    }
    return text;
}

struct Element_Strom::Gzip {
    z_stream s{};
    bool am_ende = false; // between members: the last one ended cleanly
    Gzip() {
        if (inflateInit2(&s, 16 + MAX_WBITS) != Z_OK)
            throw Aktualisierungs_Fehler("zlib lässt sich nicht starten");
    }
    ~Gzip() { inflateEnd(&s); }
};

Element_Strom::Element_Strom(Element_Art art, std::string quelle, Strom_Grenzen grenzen)
    : art_(art), quelle_(std::move(quelle)), grenzen_(grenzen) {
    if (grenzen_.Max_Text == 0)
        grenzen_.Max_Text = art == Element_Art::Asteroiden ? 2ull << 30 : 256ull << 20;
    if (grenzen_.Jahr == 0) {
        const auto s =
            std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch())
                .count();
        grenzen_.Jahr = 1970.0 + s / (365.2425 * 86400.0);
    }
    zeile_.reserve(256);
}

Element_Strom::~Element_Strom() = default;

void Element_Strom::Anfang_Pruefen(std::string_view text) {
    const std::size_t i = text.find_first_not_of(" \t\r\n\xEF\xBB\xBF");
    if (i != std::string_view::npos && text[i] == '<')
        throw Aktualisierungs_Fehler(quelle_ +
                                     ": Der Server lieferte eine Web-Seite (HTML) statt der "
                                     "Bahnelemente. Ist die Adresse richtig?");
    gzip_ = text.size() >= 2 && static_cast<unsigned char>(text[0]) == 0x1F &&
            static_cast<unsigned char>(text[1]) == 0x8B;
    if (gzip_) z_ = std::make_unique<Gzip>();
}

void Element_Strom::Daten(std::string_view stueck) {
    bytes_ += stueck.size();
    if (bytes_ > grenzen_.Max_Empfangen)
        throw Aktualisierungs_Fehler(quelle_ + ": mehr als " +
                                     std::to_string(grenzen_.Max_Empfangen >> 20) +
                                     " MiB empfangen – das ist keine Bahnelement-Datei (Abbruch)");
    Ohne_Zeile_Pruefen();
    if (!anfang_geprueft_) {
        // The first bytes tell an HTML page, gzip data or text.
        kopf_.append(stueck);
        if (kopf_.size() < Kopf_Bytes &&
            (kopf_.size() < 2 || kopf_.find_first_not_of(" \t\r\n") == std::string::npos))
            return;
        Anfang_Pruefen(kopf_);
        anfang_geprueft_ = true;
        const std::string kopf = std::move(kopf_);
        kopf_.clear();
        Verarbeiten(kopf);
        return;
    }
    Verarbeiten(stueck);
}

void Element_Strom::Verarbeiten(std::string_view stueck) {
    if (!gzip_) {
        Text(stueck.data(), stueck.size());
        return;
    }
    z_stream& s = z_->s;
    s.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(stueck.data()));
    s.avail_in = static_cast<uInt>(stueck.size());
    char aus[64 * 1024];
    while (s.avail_in > 0) {
        if (z_->am_ende) {
            // Another gzip member follows.
            inflateReset(&s);
            z_->am_ende = false;
        }
        const int r = Entpacken(aus, sizeof aus);
        if (r == Z_BUF_ERROR && s.avail_out != 0) break;
    }
    // Output still held back by zlib.
    while (!z_->am_ende) {
        Entpacken(aus, sizeof aus);
        if (s.avail_out != 0) break;
    }
}

int Element_Strom::Entpacken(char* aus, std::size_t groesse) {
    z_stream& s = z_->s;
    s.next_out = reinterpret_cast<Bytef*>(aus);
    s.avail_out = static_cast<uInt>(groesse);
    const int r = inflate(&s, Z_NO_FLUSH);
    if (r != Z_OK && r != Z_STREAM_END && r != Z_BUF_ERROR)
        throw Aktualisierungs_Fehler(quelle_ + ": die gzip-Daten sind beschädigt (" +
                                     (s.msg ? s.msg : "zlib " + std::to_string(r)) + ")");
    Text(aus, groesse - s.avail_out);
    if (r == Z_STREAM_END) z_->am_ende = true;
    return r;
}

void Element_Strom::Text(const char* p, std::size_t n) {
    text_ += n;
    if (text_ > grenzen_.Max_Text)
        throw Aktualisierungs_Fehler(quelle_ + ": mehr als " +
                                     std::to_string(grenzen_.Max_Text >> 20) +
                                     " MiB Text – das ist keine Bahnelement-Datei (Abbruch)");
    const char* ende = p + n;
    while (p < ende) {
        if (nach_cr_) {
            nach_cr_ = false;
            if (*p == '\n') {
                ++p;
                continue;
            }
        }
        const char* q = p;
        while (q < ende && *q != '\n' && *q != '\r') ++q;
        if (!zu_lang_) {
            if (zeile_.size() + static_cast<std::size_t>(q - p) > Max_Zeilenlaenge) {
                zu_lang_ = true;
                zeile_.clear();
            } else {
                zeile_.append(p, q);
            }
        }
        if (q == ende) break;
        nach_cr_ = *q == '\r';
        p = q + 1;
        Zeile_Fertig();
    }
    Ohne_Zeile_Pruefen();
}

void Element_Strom::Ohne_Zeile_Pruefen() const {
    if (ergebnis_.Gueltig == 0 && std::max(bytes_, text_) > grenzen_.Max_Ohne_Zeile)
        throw Aktualisierungs_Fehler(quelle_ + ": " +
                                     std::to_string(grenzen_.Max_Ohne_Zeile >> 20) +
                                     " MiB ohne eine gültige Zeile – das ist keine "
                                     "Bahnelement-Datei (Abbruch)");
}

void Element_Strom::Zeile_Fertig() {
    const std::int64_t nummer = ++zeilen_;
    if (im_vorlauf_) {
        if (!zu_lang_ && Beginnt_Mit(zeile_, "-----")) {
            vorlauf_.clear();
            im_vorlauf_ = false;
        } else {
            vorlauf_.push_back({nummer, zu_lang_, zeile_});
            if (nummer >= Kopf_Hoechstens) {
                im_vorlauf_ = false;
                for (const auto& v : vorlauf_) Nehmen(v.Nummer, v.Roh, v.Zu_Lang);
                vorlauf_.clear();
            }
        }
    } else {
        Nehmen(nummer, zeile_, zu_lang_);
    }
    zeile_.clear();
    zu_lang_ = false;
}

void Element_Strom::Nehmen(std::int64_t nummer, std::string_view roh, bool zu_lang) {
    auto fehlerhaft = [&](const std::string& text) {
        if (ergebnis_.Fehlerhaft++ == 0) ergebnis_.Erste_Meldung = Meldung(quelle_, nummer, text);
    };
    if (zu_lang) {
        fehlerhaft("Zeile länger als 64 KiB");
        return;
    }
    std::string z = Element_Zeile_Wandeln(roh);
    if (z.empty()) return;
    double h = 0;
    try {
        if (art_ == Element_Art::Asteroiden) {
            Asteroid_Type a;
            a.Zeile = std::move(z);
            a.Nummer = static_cast<std::int32_t>(std::min<std::int64_t>(nummer, INT32_MAX));
            Asteroid_Zerlegen(a);
            // Values no real body has; the brightest are kept, so an absurd H
            // would push real asteroids out.
            if (a.H < -2) {
                fehlerhaft("H " + Kurz(a.H) + " unter -2 – kein Asteroid");
                return;
            }
            const double epoche = a.Epoche_Jahr + (a.Epoche_Monat - 1) / 12.0;
            if (std::abs(epoche - grenzen_.Jahr) > 100) {
                fehlerhaft("Epoche " + std::to_string(a.Epoche_Jahr) +
                           " liegt mehr als 100 Jahre vom Ladedatum entfernt");
                return;
            }
            h = a.H;
            z = std::move(a.Zeile);
        } else {
            Komet_Type k;
            k.Zeile = std::move(z);
            k.Nummer = static_cast<std::int32_t>(std::min<std::int64_t>(nummer, INT32_MAX));
            Komet_Zerlegen(k);
            if (k.H < -5) {
                fehlerhaft("Helligkeitsparameter " + Kurz(k.H) + " unter -5 – kein Komet");
                return;
            }
            // Historical comets stay; dates outside 1000 to 2200 are packing faults.
            const std::string_view ep = Trimmen(Spalten(k.Zeile, 82, 89));
            const auto ep_jahr =
                ep.size() == 8 ? Ganzzahl_Versuchen(ep.substr(0, 4)) : std::nullopt;
            const std::pair<const char*, std::optional<int>> jahre[] = {
                {"Periheldatum ", k.Peri_Jahr}, {"Epoche ", ep_jahr}};
            for (const auto& [was, jahr] : jahre)
                if (jahr && (*jahr < 1000 || *jahr > 2200)) {
                    fehlerhaft(was + std::to_string(*jahr) + " außerhalb der Jahre 1000 bis 2200");
                    return;
                }
            h = k.H;
            z = std::move(k.Zeile);
        }
    } catch (const std::exception& f) {
        fehlerhaft(f.what());
        return;
    }
    ++ergebnis_.Gueltig;
    // The first line of a body stands; a repeat (also with other elements)
    // would push real bodies out of the brightest.
    if (!Neuer_Koerper(Koerper_Schluessel(art_, z))) {
        ++ergebnis_.Doppelt;
        return;
    }
    auto schlechter = [](const Eintrag& a, const Eintrag& b) {
        return Besser(a.H, a.Nummer, b.H, b.Nummer);
    };
    if (auswahl_.size() < grenzen_.Anzahl) {
        auswahl_.push_back({h, nummer, std::move(z)});
        std::push_heap(auswahl_.begin(), auswahl_.end(), schlechter);
    } else if (!auswahl_.empty() &&
               Besser(h, nummer, auswahl_.front().H, auswahl_.front().Nummer)) {
        std::pop_heap(auswahl_.begin(), auswahl_.end(), schlechter);
        auswahl_.back() = {h, nummer, std::move(z)};
        std::push_heap(auswahl_.begin(), auswahl_.end(), schlechter);
    }
}

Element_Auswahl Element_Strom::Ende() {
    if (!anfang_geprueft_ && !kopf_.empty()) {
        Anfang_Pruefen(kopf_);
        anfang_geprueft_ = true;
        const std::string kopf = std::move(kopf_);
        kopf_.clear();
        Verarbeiten(kopf);
    }
    if (gzip_ && !z_->am_ende)
        throw Aktualisierungs_Fehler(
            bytes_ == 0 ? quelle_ + ": die Datei ist leer"
                        : quelle_ + ": die gzip-Datei endet mitten im Strom (Übertragung "
                                    "abgebrochen?)");
    if (!zeile_.empty() || zu_lang_) Zeile_Fertig();
    for (const auto& v : vorlauf_) Nehmen(v.Nummer, v.Roh, v.Zu_Lang);
    vorlauf_.clear();
    im_vorlauf_ = false;
    if (auswahl_.empty())
        throw Aktualisierungs_Fehler(
            quelle_ + ": keine gültige Zeile" +
            (ergebnis_.Fehlerhaft ? " (" + std::to_string(ergebnis_.Fehlerhaft) +
                                        " fehlerhafte, die erste: " + ergebnis_.Erste_Meldung + ")"
                                  : std::string(zeilen_ ? "" : ", die Datei ist leer")));
    if (ergebnis_.Doppelt * 2 > ergebnis_.Gueltig)
        throw Aktualisierungs_Fehler(
            Kt("%1: %2 gültige Zeilen, aber nur %3 verschiedene Körper – die Liste besteht "
               "überwiegend aus Wiederholungen (abgelehnt)",
               {quelle_, std::to_string(ergebnis_.Gueltig),
                std::to_string(ergebnis_.Gueltig - ergebnis_.Doppelt)}));
    std::sort(auswahl_.begin(), auswahl_.end(),
              [](const Eintrag& a, const Eintrag& b) { return a.Nummer < b.Nummer; });
    Element_Auswahl aus = std::move(ergebnis_);
    aus.Zeilen_Gelesen = zeilen_;
    std::map<std::string, int> epochen;
    for (auto& e : auswahl_) {
        if (art_ == Element_Art::Asteroiden) {
            ++epochen[std::string(Spalten(e.Zeile, 21, 25))];
        } else {
            const std::string_view ep = Trimmen(Spalten(e.Zeile, 82, 89));
            if (ep.size() == 8) ++epochen[std::string(ep)];
        }
        aus.Zeilen.push_back(std::move(e.Zeile));
    }
    auswahl_.clear();
    const auto haeufigste =
        std::max_element(epochen.begin(), epochen.end(),
                         [](const auto& a, const auto& b) { return a.second < b.second; });
    if (haeufigste != epochen.end()) {
        try {
            if (art_ == Element_Art::Asteroiden) {
                const Packdatum d = DecodePackedDate(haeufigste->first);
                aus.Epoche = Iso_Datum(d.Jahr, d.Monat, static_cast<std::int32_t>(d.Tag));
            } else {
                const std::string& t = haeufigste->first;
                aus.Epoche = t.substr(0, 4) + "-" + t.substr(4, 2) + "-" + t.substr(6, 2);
            }
        } catch (const std::exception&) {
        }
    }
    return aus;
}
