#include "shared/text.hpp"

#include "shared/fehler.hpp"

std::string_view Spalten(std::string_view zeile, int von, int bis) {
    if (von < 1) von = 1;
    if (bis < von) return {};
    const auto anfang = static_cast<std::size_t>(von - 1);
    if (anfang >= zeile.size()) return {};
    return zeile.substr(anfang, static_cast<std::size_t>(bis - von + 1));
}

std::string_view Spalten_Ab(std::string_view zeile, int von) {
    if (von < 1) von = 1;
    const auto anfang = static_cast<std::size_t>(von - 1);
    if (anfang >= zeile.size()) return {};
    return zeile.substr(anfang);
}

std::string_view Trimmen(std::string_view text) {
    std::size_t a = 0;
    std::size_t e = text.size();
    while (a < e && static_cast<unsigned char>(text[a]) <= 32) ++a;
    while (e > a && static_cast<unsigned char>(text[e - 1]) <= 32) --e;
    return text.substr(a, e - a);
}

std::string Gross(std::string_view text) {
    std::string s(text);
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

std::string Klein(std::string_view text) {
    std::string s(text);
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

namespace {
// Code points of the bytes 0x80..0x9F in Windows-1252 (0 = undefined there).
constexpr char32_t Cp1252_Hoch[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void Utf8_Anhaengen(std::string& s, char32_t cp) {
    if (cp < 0x80) {
        s += static_cast<char>(cp);
    } else if (cp < 0x800) {
        s += static_cast<char>(0xC0 | (cp >> 6));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (cp >> 12));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    }
}
} // namespace

std::string Cp1252_Zu_Utf8(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F) {
            s += ' '; // a control character never reaches a label or a key<TAB>value line
        } else if (b < 0x80) {
            s += c;
        } else if (b < 0xA0) {
            const char32_t cp = Cp1252_Hoch[b - 0x80];
            Utf8_Anhaengen(s, cp ? cp : 0xFFFD);
        } else {
            Utf8_Anhaengen(s, b);
        }
    }
    return s;
}

std::string Utf8_Zu_Cp1252(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<unsigned char>(text[i]);
        char32_t cp = 0;
        int laenge = 1;
        if (b < 0x80) {
            cp = b;
        } else if ((b & 0xE0) == 0xC0 && i + 1 < text.size()) {
            cp = ((b & 0x1F) << 6) | (static_cast<unsigned char>(text[i + 1]) & 0x3F);
            laenge = 2;
        } else if ((b & 0xF0) == 0xE0 && i + 2 < text.size()) {
            cp = ((b & 0x0F) << 12) | ((static_cast<unsigned char>(text[i + 1]) & 0x3F) << 6) |
                 (static_cast<unsigned char>(text[i + 2]) & 0x3F);
            laenge = 3;
        } else if ((b & 0xF8) == 0xF0 && i + 3 < text.size()) {
            cp = 0x10000; // outside Windows-1252 in any case
            laenge = 4;
        } else {
            cp = '?';
        }
        i += static_cast<std::size_t>(laenge);
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
            s += static_cast<char>(cp);
            continue;
        }
        char ersatz = '?';
        for (int k = 0; k < 32; ++k)
            if (Cp1252_Hoch[k] == cp) ersatz = static_cast<char>(0x80 + k);
        s += ersatz;
    }
    return s;
}

std::string Text_Feld(std::string_view zeile, int von, int bis) {
    return Cp1252_Zu_Utf8(Trimmen(Spalten(zeile, von, bis)));
}

std::string Text_Feld_Roh(std::string_view zeile, int von, int bis) {
    return Cp1252_Zu_Utf8(Spalten(zeile, von, bis));
}

bool Beginnt_Mit(std::string_view text, std::string_view anfang) {
    return text.substr(0, anfang.size()) == anfang;
}

Ein_Ausgabe_Fehler Datei_Nicht_Gefunden(const std::string& name) {
    return Ein_Ausgabe_Fehler("File not found: " + name);
}

// Length of the well-formed UTF-8 sequence at p (RFC 3629: no overlong forms,
// no surrogates, nothing above U+10FFFF); 0 when there is none.
std::size_t Utf8_Laenge(const unsigned char* p, std::size_t rest) {
    const unsigned b = p[0];
    auto folge = [&](std::size_t i, unsigned lo = 0x80, unsigned hi = 0xBF) {
        return i < rest && p[i] >= lo && p[i] <= hi;
    };
    if (b < 0x80) return 1;
    if (b >= 0xC2 && b <= 0xDF) return folge(1) ? 2 : 0;
    if (b >= 0xE0 && b <= 0xEF) {
        const unsigned lo = b == 0xE0 ? 0xA0 : 0x80, hi = b == 0xED ? 0x9F : 0xBF;
        return folge(1, lo, hi) && folge(2) ? 3 : 0;
    }
    if (b >= 0xF0 && b <= 0xF4) {
        const unsigned lo = b == 0xF0 ? 0x90 : 0x80, hi = b == 0xF4 ? 0x8F : 0xBF;
        return folge(1, lo, hi) && folge(2) && folge(3) ? 4 : 0;
    }
    return 0;
}

bool Ist_Utf8(std::string_view s) {
    const auto* p = reinterpret_cast<const unsigned char*>(s.data());
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = Utf8_Laenge(p + i, s.size() - i);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

std::string Utf8_Bereinigt(std::string_view s) {
    std::string r;
    r.reserve(s.size());
    const auto* p = reinterpret_cast<const unsigned char*>(s.data());
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = Utf8_Laenge(p + i, s.size() - i);
        if (n == 0) {
            Utf8_Anhaengen(r, 0xFFFD);
            ++i;
        } else {
            r.append(s.substr(i, n));
            i += n;
        }
    }
    return r;
}

bool Hat_Utf8_Zeichen(std::string_view s) {
    const auto* p = reinterpret_cast<const unsigned char*>(s.data());
    for (std::size_t i = 0; i < s.size(); ++i)
        if (p[i] >= 0x80 && Utf8_Laenge(p + i, s.size() - i) > 1) return true;
    return false;
}

std::string Xml_Text(std::string_view s) {
    const std::string u = Utf8_Bereinigt(s);
    std::string r;
    r.reserve(u.size());
    for (std::size_t i = 0; i < u.size(); ++i) {
        const auto b = static_cast<unsigned char>(u[i]);
        switch (b) {
        case '&':
            r += "&amp;";
            break;
        case '<':
            r += "&lt;";
            break;
        case '>':
            r += "&gt;";
            break;
        case '"':
            r += "&quot;";
            break;
        case '\'':
            r += "&apos;";
            break;
        case '\r':
            r += "&#13;";
            break;
        default:
            if (b < 0x20 && b != '\t' && b != '\n') {
                Utf8_Anhaengen(r, 0xFFFD);
            } else if (b == 0xEF && i + 2 < u.size() &&
                       static_cast<unsigned char>(u[i + 1]) == 0xBF &&
                       (static_cast<unsigned char>(u[i + 2]) & 0xFE) == 0xBE) {
                Utf8_Anhaengen(r, 0xFFFD); // U+FFFE, U+FFFF: not characters
                i += 2;
            } else {
                r += u[i];
            }
        }
    }
    return r;
}
