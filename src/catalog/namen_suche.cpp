#include "catalog/namen_suche.hpp"

#include <algorithm>
#include <optional>
#include <tuple>
#include <vector>

#include "catalog/kleinkoerper_suche.hpp"
#include "shared/fehler.hpp"
#include "shared/kern_text.hpp"
#include "shared/text.hpp"
#include "shared/zahlen.hpp"
#include "shared/zeilen_leser.hpp"

namespace {

bool Ziffer(char c) {
    return c >= '0' && c <= '9';
}

// Upper-cased `text` begins with `wort`; then the rest after any blanks, when
// it starts with a digit.
std::optional<std::string_view> Nach_Vorsilbe(std::string_view text, std::string_view wort) {
    if (text.size() <= wort.size() || Gross(text.substr(0, wort.size())) != wort)
        return std::nullopt;
    const std::string_view rest = Trimmen(text.substr(wort.size()));
    if (rest.empty() || !Ziffer(rest[0])) return std::nullopt;
    // A blank inside the number would make it another text.
    for (char c : rest)
        if (static_cast<unsigned char>(c) <= 32) return std::nullopt;
    return rest;
}

// Blanks inside a name count once.
std::string Namen_Schluessel(std::string_view text) {
    std::string aus;
    for (char c : Namen_Gross(Trimmen(text))) {
        const bool leer = static_cast<unsigned char>(c) <= 32;
        if (leer && (aus.empty() || aus.back() == ' ')) continue;
        aus += leer ? ' ' : c;
    }
    return aus;
}

bool Deepsky_Bezeichnung(std::string_view b) {
    if (b.size() < 2 || (b[0] != 'M' && b[0] != 'N' && b[0] != 'I') || !Ziffer(b[1])) return false;
    std::size_t i = 1;
    while (i < b.size() && Ziffer(b[i])) ++i;
    return i == b.size() || (i + 1 == b.size() && b[i] >= 'A' && b[i] <= 'Z');
}

// Words of a minor body's name: split at blanks, '/', '(' and ')'.
bool Wort_Von(std::string_view name, std::string_view wort) {
    std::size_t i = 0;
    while (i < name.size()) {
        auto trenner = [](char c) {
            return static_cast<unsigned char>(c) <= 32 || c == '/' || c == '(' || c == ')';
        };
        while (i < name.size() && trenner(name[i])) ++i;
        std::size_t j = i;
        while (j < name.size() && !trenner(name[j])) ++j;
        if (j > i && name.substr(i, j - i) == wort) return true;
        i = j;
    }
    return false;
}

} // namespace

std::string Kurzform(std::string_view text) {
    const std::string_view t = Trimmen(text);
    static constexpr std::pair<std::string_view, char> Vorsilben[] = {
        {"MESSIER", 'M'}, {"NGC", 'N'}, {"IC", 'I'}, {"HIP", 'H'}, {"SAO", 'S'},
        {"M", 'M'},       {"N", 'N'},   {"I", 'I'},  {"H", 'H'},   {"S", 'S'}};
    for (const auto& [wort, buchstabe] : Vorsilben)
        if (const auto rest = Nach_Vorsilbe(t, wort)) return buchstabe + std::string(*rest);
    return std::string(t);
}

std::string Namen_Gross(std::string_view text) {
    std::string s = Gross(text);
    for (char& c : s) {
        const auto b = static_cast<unsigned char>(c);
        // à..þ to À..Þ, except ÷ (0xF7); š, œ, ž to Š, Œ, Ž; ß and ÿ stay.
        if (b >= 0xE0 && b <= 0xFE && b != 0xF7)
            c = static_cast<char>(b - 0x20);
        else if (b == 0x9A || b == 0x9C || b == 0x9E)
            c = static_cast<char>(b - 0x10);
    }
    return s;
}

std::vector<Deepsky_Name> Deepsky_Namen_Lesen(const std::string& pfad) {
    std::vector<Deepsky_Name> namen;
    Zeilen_Leser leser(pfad);
    leser.Ueberspringen(1);
    std::string_view zeile;
    while (leser.Naechste(zeile)) {
        Deepsky_Name n;
        n.Bezeichnung = std::string(Trimmen(Spalten(zeile, 1, 6)));
        n.Name = std::string(Trimmen(Spalten_Ab(zeile, 14)));
        const std::string_view mag = Trimmen(Spalten(zeile, 8, 12));
        const auto wert = mag.empty() ? std::optional<double>(99) : Reell_Versuchen(mag);
        if (!Deepsky_Bezeichnung(n.Bezeichnung) || n.Name.empty() || !wert)
            throw Konvertierungs_Fehler(leser.Ort() + "keine Bezeichnung mit Namen");
        n.Mag = *wert;
        namen.push_back(std::move(n));
    }
    return namen;
}

std::string Deepsky_Name_Voll(const std::string& bezeichnung, const std::string& alias_utf8,
                              const std::string& katalog_ordner) {
    constexpr std::size_t Alias_Spalte = 16; // columns 58-73 of the deep-sky file
    const std::string alias = Utf8_Zu_Cp1252(alias_utf8);
    if (alias.size() < Alias_Spalte) return {};
    std::vector<Deepsky_Name> namen;
    try {
        namen = Deepsky_Namen_Lesen(Pfad_In(katalog_ordner, Datei_Deepsky_Namen));
    } catch (const std::exception&) {
        return {}; // the lookup by name reports the file
    }
    const Deepsky_Name* bester = nullptr;
    for (const Deepsky_Name& n : namen)
        if (n.Name.size() > alias.size() && n.Name.compare(0, alias.size(), alias) == 0 &&
            (!bester || (n.Bezeichnung == bezeichnung && bester->Bezeichnung != bezeichnung)))
            bester = &n;
    return bester ? Cp1252_Zu_Utf8(bester->Name) : std::string();
}

std::optional<Deepsky_Name> Deepsky_Name_Finden(std::string_view eingabe,
                                                const std::string& katalog_ordner,
                                                Namen_Meldung* meldung) {
    const std::string gesucht = Namen_Schluessel(eingabe);
    if (gesucht.empty()) return std::nullopt;
    std::vector<Deepsky_Name> namen;
    try {
        namen = Deepsky_Namen_Lesen(Pfad_In(katalog_ordner, Datei_Deepsky_Namen));
    } catch (const std::exception& f) {
        if (meldung && !meldung->Gemeldet) {
            meldung->Gemeldet = true;
            meldung->Text = std::string(f.what()) +
                            " – Namen von Nebeln und Sternhaufen werden nicht gefunden; "
                            "alles andere wird weiter gesucht.";
        }
        return std::nullopt;
    }
    const Deepsky_Name* bester = nullptr;
    auto rang = [](const Deepsky_Name& n) {
        return std::make_tuple(n.Bezeichnung[0] != 'M', n.Mag);
    };
    for (const Deepsky_Name& n : namen) {
        const std::string name = Namen_Schluessel(n.Name);
        const bool passt = name == gesucht || (name.size() > gesucht.size() &&
                                               name.compare(0, gesucht.size(), gesucht) == 0 &&
                                               name[gesucht.size()] == ' ');
        if (passt && (!bester || rang(n) < rang(*bester))) bester = &n;
    }
    if (!bester) return std::nullopt;
    return *bester;
}

bool Kleinkoerper_Name_Suchen(std::string_view eingabe, const Such_Kontext& kontext,
                              Objekt_Type& objekt) {
    const std::string wort = Gross(Trimmen(eingabe));
    if (wort.empty()) return false;
    // Asteroids: the name after the number, "(1) Ceres", or the whole designation.
    if (kontext.Asteroiden) {
        const int letzte =
            std::min(kontext.Anzahl_Asteroiden, static_cast<int>(kontext.Asteroiden->size()) - 1);
        for (int i = 1; i <= letzte; ++i) {
            const std::string bez = Gross(Trimmen(
                Spalten((*kontext.Asteroiden)[static_cast<std::size_t>(i)].Zeile, 167, 194)));
            const std::size_t klammer = bez.find(") ");
            const std::string_view name = klammer == std::string::npos
                                              ? std::string_view()
                                              : std::string_view(bez).substr(klammer + 2);
            if (bez == wort || name == wort) return Asteroid_Suchen(bez, kontext, objekt);
        }
    }
    // Comets: a word of the designation and name, "1P/Halley", "C/1995 O1 (Hale-Bopp)".
    if (kontext.Kometen) {
        const int letzte =
            std::min(kontext.Anzahl_Kometen, static_cast<int>(kontext.Kometen->size()) - 1);
        for (int i = 1; i <= letzte; ++i) {
            const std::string name = Gross(
                Trimmen(Spalten((*kontext.Kometen)[static_cast<std::size_t>(i)].Zeile, 103, 158)));
            if (name == wort || Wort_Von(name, wort)) return Komet_Suchen(name, kontext, objekt);
        }
    }
    return false;
}

std::string Nicht_Gefunden_Text(const std::string& eingabe_utf8) {
    // The object line holds about 50 characters; a longer entry is cut.
    constexpr std::size_t Hoechstens = 40;
    const std::string_view t = Trimmen(eingabe_utf8);
    std::size_t zeichen = 0, i = 0;
    for (; i < t.size(); ++i)
        if ((static_cast<unsigned char>(t[i]) & 0xC0) != 0x80 && ++zeichen > Hoechstens) break;
    return Kt("Nicht gefunden: %1", {std::string(t.substr(0, i)) + (i < t.size() ? "…" : "")});
}
