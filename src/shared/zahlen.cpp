#include "shared/zahlen.hpp"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "shared/fehler.hpp"
#include "shared/text.hpp"

namespace {
// Adds one unit in the last place of a digit string, away from zero.
void Letzte_Stelle_Erhoehen(std::string& s) {
    std::size_t i = s.size();
    while (i > 0) {
        --i;
        if (s[i] == '.') continue;
        if (s[i] == '-') break;
        if (s[i] != '9') {
            ++s[i];
            return;
        }
        s[i] = '0';
    }
    s.insert(s[0] == '-' ? 1 : 0, 1, '1');
}
} // namespace

std::string Fest(double x, int dezimalen) {
    if (dezimalen < 0) dezimalen = 0;
    if (!std::isfinite(x)) return std::isnan(x) ? "NAN" : (x > 0 ? "INF" : "-INF");
    // A value exactly half-way between two shown values rounds away from zero
    // (2.5 -> 3, -1.25 -> -1.3), as readers of a display expect; the exact decimal
    // expansion tells a true tie from a value merely close to one.
    char lang[420];
    auto [lang_ende, lang_fehler] =
        std::to_chars(lang, lang + sizeof lang, x, std::chars_format::fixed, dezimalen + 40);
    std::string s;
    if (lang_fehler == std::errc()) {
        const std::string voll(lang, lang_ende);
        const std::size_t punkt = voll.find('.');
        const std::string rest = voll.substr(punkt + 1 + static_cast<std::size_t>(dezimalen));
        if (rest[0] == '5' && rest.find_first_not_of('0', 1) == std::string::npos) {
            s = voll.substr(0, dezimalen == 0 ? punkt
                                              : punkt + 1 + static_cast<std::size_t>(dezimalen));
            Letzte_Stelle_Erhoehen(s);
        }
    }
    if (s.empty()) {
        char puffer[400];
        auto [ende, fehler] =
            std::to_chars(puffer, puffer + sizeof puffer, x, std::chars_format::fixed, dezimalen);
        if (fehler != std::errc()) return "?";
        s.assign(puffer, ende);
    }
    if (!s.empty() && s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
    return s;
}

std::string Rechtsbuendig(std::string_view text, std::size_t breite) {
    std::string s;
    if (text.size() < breite) s.assign(breite - text.size(), ' ');
    s += text;
    return s;
}

namespace {
std::string Zitat(std::string_view feld) {
    return "'" + Cp1252_Zu_Utf8(feld) + "'";
}

std::optional<int> Ganzzahl_Intern(std::string_view feld) {
    std::size_t i = 0;
    while (i < feld.size() && (feld[i] == ' ' || feld[i] == '\t')) ++i;
    const std::string_view rest = feld.substr(i);
    // Digits only: a sign has a column of its own wherever the files need one.
    if (rest.empty() || rest[0] < '0' || rest[0] > '9') return std::nullopt;
    int wert = 0;
    auto [ende, fehler] = std::from_chars(rest.data(), rest.data() + rest.size(), wert);
    if (fehler != std::errc() || ende != rest.data() + rest.size()) return std::nullopt;
    return wert;
}

std::optional<double> Reell_Intern(std::string_view feld) {
    std::string_view t = Trimmen(feld);
    if (!t.empty() && t[0] == '+') t.remove_prefix(1);
    if (t.empty() || t[0] == '+') return std::nullopt;
    double wert = 0;
    auto [ende, fehler] = std::from_chars(t.data(), t.data() + t.size(), wert);
    if (fehler != std::errc() || ende != t.data() + t.size()) return std::nullopt;
    if (!std::isfinite(wert)) return std::nullopt; // "inf", "nan" are no decimal numbers
    return wert;
}
} // namespace

std::optional<int> Ganzzahl_Versuchen(std::string_view feld) {
    return Ganzzahl_Intern(feld);
}
std::optional<double> Reell_Versuchen(std::string_view feld) {
    return Reell_Intern(feld);
}

std::optional<double> Sexagesimal_Lesen(std::string_view text) {
    text = Trimmen(text);
    if (text.find_first_of(":; ") == std::string_view::npos) {
        const auto x = Reell_Intern(text);
        if (x && std::isfinite(*x)) return x;
        return std::nullopt;
    }
    const bool negativ = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) text.remove_prefix(1);
    double wert = 0, teiler = 1;
    for (int teil_nr = 1;; ++teil_nr) {
        if (teil_nr > 3) return std::nullopt;
        const std::size_t ende = text.find_first_of(":; ");
        const std::string_view teil = text.substr(0, ende);
        const bool letzter = ende == std::string_view::npos;
        if (teil.empty() || teil[0] == '-' || teil[0] == '+') return std::nullopt;
        std::optional<double> x;
        if (letzter)
            x = Reell_Intern(teil);
        else if (const auto g = Ganzzahl_Intern(teil))
            x = *g;
        if (!x || !std::isfinite(*x) || (teil_nr > 1 && !(*x < 60))) return std::nullopt;
        wert += *x / teiler;
        teiler *= 60;
        if (letzter) break;
        text.remove_prefix(ende + 1);
        while (!text.empty() && text[0] == ' ') text.remove_prefix(1);
        if (text.empty()) return std::nullopt;
    }
    return negativ ? -wert : wert;
}

int Ganzzahl_Lesen(std::string_view feld) {
    if (auto w = Ganzzahl_Intern(feld)) return *w;
    throw Konvertierungs_Fehler(Zitat(feld) + " ist keine gültige Ganzzahl");
}

double Reell_Lesen(std::string_view feld) {
    if (auto w = Reell_Intern(feld)) return *w;
    throw Konvertierungs_Fehler(Zitat(feld) + " ist keine gültige Dezimalzahl");
}

std::string Kurz(double x) {
    char puffer[32];
    auto [ende, fehler] =
        std::to_chars(puffer, puffer + sizeof puffer, x, std::chars_format::general, 6);
    return fehler == std::errc() ? std::string(puffer, ende) : std::string("?");
}

std::string Voll(double x) {
    char puffer[64];
    auto [ende, fehler] =
        std::to_chars(puffer, puffer + sizeof puffer, x, std::chars_format::general, 17);
    return fehler == std::errc() ? std::string(puffer, ende) : std::string("nan");
}

double Im_Bereich(double x, double lo, double hi, const char* was) {
    if (!(x >= lo && x <= hi))
        throw Bereichs_Fehler(std::string(was) + " " + Kurz(x) + " außerhalb von " + Kurz(lo) +
                              " bis " + Kurz(hi));
    return x;
}

double Helligkeit_Pruefen(double mag) {
    return Im_Bereich(mag, Helligkeit_Min, Helligkeit_Max, "Helligkeit");
}

double Distanz_Pruefen(double wert) {
    return Im_Bereich(wert, 0, Distanz_Max, "Distanz");
}
