#include "shared/zahlen.hpp"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "shared/fehler.hpp"
#include "shared/text.hpp"

std::string Fest(double x, int dezimalen) {
    if (dezimalen < 0) dezimalen = 0;
    if (!std::isfinite(x)) return std::isnan(x) ? "NAN" : (x > 0 ? "INF" : "-INF");
    char puffer[400];
    auto [ende, fehler] =
        std::to_chars(puffer, puffer + sizeof puffer, x, std::chars_format::fixed, dezimalen);
    if (fehler != std::errc()) return "?";
    std::string s(puffer, ende);
    if (!s.empty() && s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos)
        s.erase(0, 1);
    return s;
}

std::string Rechtsbuendig(std::string_view text, std::size_t breite) {
    std::string s;
    if (text.size() < breite) s.assign(breite - text.size(), ' ');
    s += text;
    return s;
}

namespace {
std::string Zitat(std::string_view feld) { return "'" + Cp1252_Zu_Utf8(feld) + "'"; }

std::optional<int> Ganzzahl_Intern(std::string_view feld) {
    std::size_t i = 0;
    while (i < feld.size() && (feld[i] == ' ' || feld[i] == '\t')) ++i;
    std::string_view rest = feld.substr(i);
    if (!rest.empty() && rest[0] == '+') rest.remove_prefix(1);
    if (rest.empty()) return std::nullopt;
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
    return wert;
}
} // namespace

std::optional<int> Ganzzahl_Versuchen(std::string_view feld) { return Ganzzahl_Intern(feld); }
std::optional<double> Reell_Versuchen(std::string_view feld) { return Reell_Intern(feld); }

int Ganzzahl_Lesen(std::string_view feld) {
    if (auto w = Ganzzahl_Intern(feld)) return *w;
    throw Konvertierungs_Fehler(Zitat(feld) + " is not a valid integer value");
}

double Reell_Lesen(std::string_view feld) {
    if (auto w = Reell_Intern(feld)) return *w;
    throw Konvertierungs_Fehler(Zitat(feld) + " is not a valid floating point value");
}
