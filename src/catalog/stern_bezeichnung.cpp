#include "catalog/stern_bezeichnung.hpp"

#include <cstdint>
#include <vector>

#include "shared/text.hpp"
#include "shared/zahlen.hpp"

namespace {

struct Sternbild_Name {
    const char* Kuerzel;
    const char* Genitiv; // Latin, as in "alpha Lyrae"
};

// The 88 IAU constellations.
constexpr Sternbild_Name Sternbilder[] = {
    {"And", "Andromedae"},
    {"Ant", "Antliae"},
    {"Aps", "Apodis"},
    {"Aqr", "Aquarii"},
    {"Aql", "Aquilae"},
    {"Ara", "Arae"},
    {"Ari", "Arietis"},
    {"Aur", "Aurigae"},
    {"Boo", "Bootis"},
    {"Cae", "Caeli"},
    {"Cam", "Camelopardalis"},
    {"Cnc", "Cancri"},
    {"CVn", "Canum Venaticorum"},
    {"CMa", "Canis Majoris"},
    {"CMi", "Canis Minoris"},
    {"Cap", "Capricorni"},
    {"Car", "Carinae"},
    {"Cas", "Cassiopeiae"},
    {"Cen", "Centauri"},
    {"Cep", "Cephei"},
    {"Cet", "Ceti"},
    {"Cha", "Chamaeleontis"},
    {"Cir", "Circini"},
    {"Col", "Columbae"},
    {"Com", "Comae Berenices"},
    {"CrA", "Coronae Australis"},
    {"CrB", "Coronae Borealis"},
    {"Crv", "Corvi"},
    {"Crt", "Crateris"},
    {"Cru", "Crucis"},
    {"Cyg", "Cygni"},
    {"Del", "Delphini"},
    {"Dor", "Doradus"},
    {"Dra", "Draconis"},
    {"Equ", "Equulei"},
    {"Eri", "Eridani"},
    {"For", "Fornacis"},
    {"Gem", "Geminorum"},
    {"Gru", "Gruis"},
    {"Her", "Herculis"},
    {"Hor", "Horologii"},
    {"Hya", "Hydrae"},
    {"Hyi", "Hydri"},
    {"Ind", "Indi"},
    {"Lac", "Lacertae"},
    {"Leo", "Leonis"},
    {"LMi", "Leonis Minoris"},
    {"Lep", "Leporis"},
    {"Lib", "Librae"},
    {"Lup", "Lupi"},
    {"Lyn", "Lyncis"},
    {"Lyr", "Lyrae"},
    {"Men", "Mensae"},
    {"Mic", "Microscopii"},
    {"Mon", "Monocerotis"},
    {"Mus", "Muscae"},
    {"Nor", "Normae"},
    {"Oct", "Octantis"},
    {"Oph", "Ophiuchi"},
    {"Ori", "Orionis"},
    {"Pav", "Pavonis"},
    {"Peg", "Pegasi"},
    {"Per", "Persei"},
    {"Phe", "Phoenicis"},
    {"Pic", "Pictoris"},
    {"Psc", "Piscium"},
    {"PsA", "Piscis Austrini"},
    {"Pup", "Puppis"},
    {"Pyx", "Pyxidis"},
    {"Ret", "Reticuli"},
    {"Sge", "Sagittae"},
    {"Sgr", "Sagittarii"},
    {"Sco", "Scorpii"},
    {"Scl", "Sculptoris"},
    {"Sct", "Scuti"},
    {"Ser", "Serpentis"},
    {"Sex", "Sextantis"},
    {"Tau", "Tauri"},
    {"Tel", "Telescopii"},
    {"Tri", "Trianguli"},
    {"TrA", "Trianguli Australis"},
    {"Tuc", "Tucanae"},
    {"UMa", "Ursae Majoris"},
    {"UMi", "Ursae Minoris"},
    {"Vel", "Velorum"},
    {"Vir", "Virginis"},
    {"Vol", "Volantis"},
    {"Vul", "Vulpeculae"},
};

struct Buchstabe {
    const char* Name; // upper case, ASCII
    const char* Kuerzel;
};

// English and German names and the usual abbreviations of the Greek letters.
constexpr Buchstabe Buchstaben[] = {
    {"ALPHA", "alf"},   {"ALF", "alf"},     {"ALP", "alf"},   {"BETA", "bet"},
    {"BET", "bet"},     {"GAMMA", "gam"},   {"GAM", "gam"},   {"DELTA", "del"},
    {"DEL", "del"},     {"EPSILON", "eps"}, {"EPS", "eps"},   {"ZETA", "zet"},
    {"ZET", "zet"},     {"ETA", "eta"},     {"THETA", "tet"}, {"TETA", "tet"},
    {"TET", "tet"},     {"THE", "tet"},     {"IOTA", "iot"},  {"JOTA", "iot"},
    {"IOT", "iot"},     {"KAPPA", "kap"},   {"KAP", "kap"},   {"LAMBDA", "lam"},
    {"LAMDA", "lam"},   {"LAM", "lam"},     {"MU", "mu"},     {"MY", "mu"},
    {"NU", "nu"},       {"NY", "nu"},       {"XI", "ksi"},    {"KSI", "ksi"},
    {"OMICRON", "omi"}, {"OMIKRON", "omi"}, {"OMI", "omi"},   {"PI", "pi"},
    {"RHO", "rho"},     {"SIGMA", "sig"},   {"SIG", "sig"},   {"TAU", "tau"},
    {"UPSILON", "ups"}, {"YPSILON", "ups"}, {"UPS", "ups"},   {"PHI", "phi"},
    {"CHI", "chi"},     {"PSI", "psi"},     {"OMEGA", "ome"}, {"OME", "ome"},
};

// Greek small letters U+03B1 .. U+03C9 in order (final sigma U+03C2 as sigma).
constexpr const char* Griechisch[] = {"alf", "bet", "gam", "del", "eps", "zet", "eta", "tet", "iot",
                                      "kap", "lam", "mu",  "nu",  "ksi", "omi", "pi",  "rho", "sig",
                                      "sig", "tau", "ups", "phi", "chi", "psi", "ome"};

// Next code point of UTF-8 text at i; a byte that starts no valid sequence
// counts as itself.
char32_t Zeichen(std::string_view s, std::size_t& i) {
    const auto b = static_cast<unsigned char>(s[i]);
    auto folge = [&](std::size_t n, char32_t c) {
        if (i + n > s.size()) {
            ++i;
            return static_cast<char32_t>(b);
        }
        for (std::size_t k = 1; k < n; ++k) {
            const auto f = static_cast<unsigned char>(s[i + k]);
            if ((f & 0xC0) != 0x80) {
                ++i;
                return static_cast<char32_t>(b);
            }
            c = (c << 6) | (f & 0x3F);
        }
        i += n;
        return c;
    };
    if (b < 0x80) return ++i, b;
    if ((b & 0xE0) == 0xC0) return folge(2, b & 0x1F);
    if ((b & 0xF0) == 0xE0) return folge(3, b & 0x0F);
    if ((b & 0xF8) == 0xF0) return folge(4, b & 0x07);
    return ++i, b;
}

// Superscript digits ¹ ² ³ ⁰ ⁴ … ⁹ as their value; -1 for any other code point.
int Hochziffer(char32_t c) {
    if (c == 0xB9) return 1;
    if (c == 0xB2) return 2;
    if (c == 0xB3) return 3;
    if (c == 0x2070) return 0;
    if (c >= 0x2074 && c <= 0x2079) return static_cast<int>(c - 0x2070);
    return -1;
}

// The text split at blanks, Greek characters and superscripts taken apart
// from what follows them: "α²Lyr" -> "α", "2", "Lyr".
std::vector<std::string> Woerter(std::string_view s) {
    std::vector<std::string> w;
    bool neu = true;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t von = i;
        const char32_t c = Zeichen(s, i);
        if (c <= 32 || c == 0xA0) {
            neu = true;
            continue;
        }
        if (const int h = Hochziffer(c); h >= 0) {
            if (neu || w.empty() || !(w.back()[0] >= '0' && w.back()[0] <= '9')) w.emplace_back();
            w.back() += static_cast<char>('0' + h);
            neu = true;
            continue;
        }
        const bool griechisch =
            (c >= 0x391 && c <= 0x3A9) || (c >= 0x3B1 && c <= 0x3C9) || c == 0x3D1 || c == 0x3D5;
        if (griechisch || neu) w.emplace_back();
        w.back() += s.substr(von, i - von);
        neu = griechisch;
    }
    return w;
}

std::optional<std::string> Griechisch_Kuerzel(std::string_view wort) {
    std::size_t i = 0;
    const char32_t c = Zeichen(wort, i);
    if (i == wort.size()) {
        if (c >= 0x3B1 && c <= 0x3C9) return Griechisch[c - 0x3B1];
        if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) return Griechisch[c - 0x391];
        if (c == 0x3D1) return "tet"; // ϑ
        if (c == 0x3D5) return "phi"; // ϕ
    }
    const std::string g = Gross(wort);
    for (const Buchstabe& b : Buchstaben)
        if (g == b.Name) return b.Kuerzel;
    return std::nullopt;
}

// A letter name with digits attached ("alpha1", "alf2"): name and digits.
std::pair<std::string_view, std::string_view> Ziffern_Abtrennen(std::string_view wort) {
    std::size_t n = wort.size();
    while (n > 0 && wort[n - 1] >= '0' && wort[n - 1] <= '9') --n;
    return {wort.substr(0, n), wort.substr(n)};
}

bool Nur_Ziffern(std::string_view s) {
    if (s.empty() || s.size() > 3) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

// The constellation of the words, abbreviation or genitive, blanks ignored.
const char* Sternbild_Von(const std::vector<std::string>& w, std::size_t von, std::size_t bis) {
    std::string g;
    for (std::size_t i = von; i < bis; ++i) g += Gross(w[i]);
    if (g.empty()) return nullptr;
    for (const Sternbild_Name& s : Sternbilder) {
        std::string gen;
        for (const char* p = s.Genitiv; *p; ++p)
            if (*p != ' ') gen += *p;
        if (g == Gross(s.Kuerzel) || g == Gross(gen)) return s.Kuerzel;
    }
    return nullptr;
}

} // namespace

std::optional<std::string> Stern_Bezeichnung(std::string_view utf8) {
    if (utf8.size() > 60) return std::nullopt;
    const std::vector<std::string> w = Woerter(utf8);
    if (w.size() < 2) return std::nullopt;
    // The star: Greek letter with an optional number, Flamsteed number or Latin letter.
    std::string stern;
    std::size_t i = 1;
    const auto [name, ziffern] = Ziffern_Abtrennen(w[0]);
    if (const auto k = name.empty() ? std::nullopt : Griechisch_Kuerzel(name)) {
        stern = *k + std::string(ziffern);
        if (ziffern.empty() && w.size() > 2 && Nur_Ziffern(w[1]) && w[1].size() == 1) {
            stern += w[1];
            i = 2;
        }
        if (stern.size() > 5) return std::nullopt;
    } else if (Nur_Ziffern(w[0]) && w[0][0] != '0') {
        stern = w[0];
    } else {
        return std::nullopt;
    }
    // The constellation, then perhaps a component letter.
    if (const char* s = Sternbild_Von(w, i, w.size())) return stern + " " + s;
    const std::string& letztes = w.back();
    if (w.size() > i + 1 && letztes.size() == 1 && Gross(letztes)[0] >= 'A' &&
        Gross(letztes)[0] <= 'D')
        if (const char* s = Sternbild_Von(w, i, w.size() - 1))
            return stern + " " + s + " " + Gross(letztes);
    return std::nullopt;
}

std::optional<long> HD_Nummer(std::string_view utf8) {
    const std::string_view t = Trimmen(utf8);
    if (t.size() < 3 || Gross(t.substr(0, 2)) != "HD") return std::nullopt;
    const std::string_view rest = Trimmen(t.substr(2));
    if (rest.empty() || rest.size() > 6) return std::nullopt;
    long n = 0;
    for (char c : rest) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    if (n == 0) return std::nullopt;
    return n;
}
