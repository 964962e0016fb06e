#include "teleskop/teleskop_protokoll.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "shared/konstanten.hpp"
#include "time/kalender.hpp"

namespace {
double Std_Normal(double ra) {
    ra = std::fmod(ra, 24.0);
    return ra < 0 ? ra + 24.0 : ra;
}

// Unsigned decimal number of 1..3 digits with an optional fraction ".ddd".
bool Zahl(std::string_view& s, double& wert, bool bruch) {
    std::size_t i = 0;
    long ganz = 0;
    while (i < s.size() && i < 3 && s[i] >= '0' && s[i] <= '9') ganz = ganz * 10 + (s[i++] - '0');
    if (i == 0) return false;
    wert = static_cast<double>(ganz);
    if (bruch && i < s.size() && s[i] == '.') {
        double f = 0.1;
        std::size_t j = ++i;
        while (i < s.size() && i - j < 6 && s[i] >= '0' && s[i] <= '9') {
            wert += f * (s[i++] - '0');
            f *= 0.1;
        }
        if (i == j) return false;
    }
    s.remove_prefix(i);
    return true;
}

bool Zeichen(std::string_view& s, std::string_view erlaubt) {
    if (s.empty() || erlaubt.find(s.front()) == std::string_view::npos) return false;
    s.remove_prefix(1);
    return true;
}

std::string_view Ohne_Leer(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

void Le_Schreiben(std::string& s, std::uint64_t wert, int bytes) {
    for (int i = 0; i < bytes; ++i) s.push_back(static_cast<char>((wert >> (8 * i)) & 0xFF));
}

std::uint64_t Le_Lesen(const char* p, int bytes) {
    std::uint64_t w = 0;
    for (int i = bytes - 1; i >= 0; --i) w = (w << 8) | static_cast<unsigned char>(p[i]);
    return w;
}
} // namespace

std::string Lx200_Name(std::string_view utf8) {
    std::string name;
    for (std::size_t i = 0; i < utf8.size() && name.size() < 32; ++i) {
        const std::string_view rest = utf8.substr(i);
        if (rest.substr(0, 2) == "\xC3\x9F") { // ß
            name += "ss";
            ++i;
        } else if (rest.substr(0, 2) == "\xC2\xB7") { // middle dot
            name += '-';
            ++i;
        } else if (rest[0] >= 0x20 && rest[0] < 0x7F && rest[0] != '#') {
            name += rest[0];
        }
    }
    return name;
}

std::string Lx200_RA_Text(double ra_std, bool hoch) {
    char t[48];
    if (!std::isfinite(ra_std)) ra_std = 0;
    if (hoch) {
        const long s = std::lround(Std_Normal(ra_std) * 3600.0) % 86400;
        std::snprintf(t, sizeof t, "%02ld:%02ld:%02ld", s / 3600, s / 60 % 60, s % 60);
    } else {
        const long z = std::lround(Std_Normal(ra_std) * 600.0) % 14400; // tenths of a minute
        std::snprintf(t, sizeof t, "%02ld:%02ld.%01ld", z / 600, z / 10 % 60, z % 10);
    }
    return t;
}

std::string Lx200_DE_Text(double de_grad, bool hoch) {
    char t[48];
    if (!std::isfinite(de_grad)) de_grad = 0;
    const char v = de_grad < 0 ? '-' : '+';
    const double a = std::fmin(std::fabs(de_grad), 90.0);
    if (hoch) {
        const long s = std::lround(a * 3600.0);
        std::snprintf(t, sizeof t, "%c%02ld*%02ld'%02ld", v, s / 3600, s / 60 % 60, s % 60);
    } else {
        const long m = std::lround(a * 60.0);
        std::snprintf(t, sizeof t, "%c%02ld*%02ld", v, m / 60, m % 60);
    }
    return t;
}

namespace {
// The mark between degrees (or hours) and minutes: '*', ':', Meade's degree
// sign 0xDF or '°' in UTF-8.
bool Grad_Zeichen(std::string_view& s) {
    if (Zeichen(s, "*:\xDF")) return true;
    if (s.substr(0, 2) != "\xC2\xB0") return false;
    s.remove_prefix(2);
    return true;
}

// "A<sep>MM[.T]" or "A<sep>MM<:|'>SS[.s]["]": the whole part, minutes and
// seconds, each minutes and seconds part below 60.
bool Sexagesimal(std::string_view s, double& wert) {
    double a, m, sek = 0;
    if (!Zahl(s, a, false) || !Grad_Zeichen(s) || !Zahl(s, m, true)) return false;
    if (m == std::floor(m) && Zeichen(s, ":'")) {
        if (!Zahl(s, sek, true) || sek >= 60) return false;
        Zeichen(s, "\"");
    }
    if (!s.empty() || m >= 60) return false;
    wert = a + m / 60.0 + sek / 3600.0;
    return true;
}
} // namespace

bool Lx200_RA_Lesen(std::string_view s, double& ra_std) {
    double h;
    if (!Sexagesimal(Ohne_Leer(s), h) || h >= 24) return false;
    ra_std = h;
    return true;
}

bool Lx200_DE_Lesen(std::string_view s, double& de_grad) {
    s = Ohne_Leer(s);
    double v = 1;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        v = s.front() == '-' ? -1 : 1;
        s.remove_prefix(1);
    }
    double a;
    if (!Sexagesimal(s, a) || a > 90.0) return false;
    de_grad = v * a;
    return true;
}

std::string Lx200_Verbindung::Eingabe(std::string_view bytes) {
    std::string antwort;
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        // Not ASCII: dropped wherever it stands, but for the bytes of a degree
        // sign (0xDF, UTF-8 C2 B0) inside a command.
        if (u >= 0x80 && !(in_befehl_ && (u == 0xDF || u == 0xC2 || u == 0xB0))) {
            ++verworfen_;
            continue;
        }
        if (!in_befehl_) {
            if (u == 0x06)
                antwort += 'P'; // ACK: alignment query, "polar"
            else if (c == ':')
                in_befehl_ = true, ueberlang_ = false, puffer_.clear();
            continue;
        }
        if (c == '#') {
            if (!ueberlang_) antwort += Befehl(puffer_);
            in_befehl_ = false;
            puffer_.clear();
        } else if (u < 0x20) {
            ++verworfen_;
        } else if (!ueberlang_) {
            puffer_ += c;
            // ':' and '#' count towards the limit.
            if (puffer_.size() + 2 > Lx200_Befehl_Max) {
                ueberlang_ = true;
                ++zu_lang_;
                puffer_.clear();
            }
        }
    }
    return antwort;
}

Lx200_Standort Lx200_Verbindung::Standort() const {
    return standort_ ? standort_() : Lx200_Standort{};
}

std::string Lx200_Verbindung::Befehl(std::string_view b) {
    if (b == "GR" || b == "GD") {
        Teleskop_Ort o = ort_ ? ort_() : Teleskop_Ort{};
        if (!o.Gueltig) { // nothing known: the zenith
            const Lx200_Standort st = Standort();
            o.Datum = {st.Sternzeit, st.Breite};
        }
        return (b == "GR" ? Lx200_RA_Text(o.Datum.RA, hoch_) : Lx200_DE_Text(o.Datum.DE, hoch_)) +
               "#";
    }
    if (b == "U") {
        hoch_ = !hoch_;
        return {};
    }
    if (b.substr(0, 2) == "Sr" || b.substr(0, 2) == "Sd") {
        const bool ra = b[1] == 'r';
        double wert;
        if (!(ra ? Lx200_RA_Lesen(b.substr(2), wert) : Lx200_DE_Lesen(b.substr(2), wert))) {
            // A half refused leaves no pair: the other half alone would
            // combine with a stale one.
            ra_gesetzt_ = de_gesetzt_ = false;
            return "0";
        }
        (ra ? ziel_ort_.RA : ziel_ort_.DE) = wert;
        (ra ? ra_gesetzt_ : de_gesetzt_) = true;
        return "1";
    }
    if (b == "MS" || b == "CM") {
        const bool ms = b == "MS";
        const bool paar = ra_gesetzt_ && de_gesetzt_;
        if (ms) ra_gesetzt_ = de_gesetzt_ = false; // a goto takes the pair
        if (!paar || !ziel_) return ms ? std::string(Lx200_Keine_Koordinaten) : "Kein Ziel#";
        const Ziel_Rueckmeldung r = ziel_(ziel_ort_);
        // A goto is always taken: the observer moves the telescope, and the
        // window warns of a target below the horizon. Clients read one byte.
        if (ms) return "0";
        return Lx200_Name(r.Name) + "#";
    }
    if (b == "D") return "#"; // no slew in progress
    if (b == "Gc") return "24#";
    if (b == "GT") return "60.0#"; // tracking rate, Hz
    if (b == "GM" || b == "GN" || b == "GO" || b == "GP") return Lx200_Name(Standort().Name) + "#";
    if (b == "GC" || b == "GL" || b == "GG" || b == "Gt" || b == "Gg")
        return Lx200_Standort_Text(b, Standort()) + "#";
    return {}; // :Q#, :RS#, :RM#, :RC#, :RG#, … and everything unknown: no reply
}

std::string Lx200_Standort_Text(std::string_view befehl, const Lx200_Standort& st) {
    char t[48];
    const auto grad_min = [&](double grad, int stellen) {
        const long m = std::lround(std::fabs(std::isfinite(grad) ? grad : 0.0) * 60.0);
        std::snprintf(t, sizeof t, "%c%0*ld*%02ld", grad < 0 ? '-' : '+', stellen, m / 60, m % 60);
        return std::string(t);
    };
    if (befehl == "Gt") return grad_min(std::fmax(-90.0, std::fmin(90.0, st.Breite)), 2);
    if (befehl == "Gg") { // west positive, -180..180
        double w = std::fmod(-st.Laenge, 360.0);
        if (w > 180) w -= 360;
        if (w <= -180) w += 360;
        return grad_min(w, 3);
    }
    if (befehl == "GG") { // hours to add to local time for UTC
        const double h = -std::round((std::isfinite(st.UTC_Std) ? st.UTC_Std : 0.0) * 10.0) / 10.0;
        std::snprintf(t, sizeof t, "%c%04.1f", h < 0 ? '-' : '+', std::fabs(h));
        return t;
    }
    std::int32_t jahr = 2000, monat = 1, tag = 1;
    double h = 0, m = 0, sek = 0;
    try {
        JD_Zu_Datum(st.JD_Lokal, jahr, monat, tag, h, m, sek);
    } catch (...) {
        // No clock yet (or none that makes sense): 01/01/00 00:00:00.
    }
    if (befehl == "GL")
        std::snprintf(t, sizeof t, "%02d:%02d:%02d", static_cast<int>(h), static_cast<int>(m),
                      std::min(59, static_cast<int>(sek)));
    else
        std::snprintf(t, sizeof t, "%02d/%02d/%02d", static_cast<int>(monat), static_cast<int>(tag),
                      static_cast<int>((jahr % 100 + 100) % 100));
    return t;
}

bool Binaer_Leser::Eingabe(std::string_view bytes, std::vector<Binaer_Ziel>& ziele) {
    if (kaputt_) return false;
    puffer_.append(bytes.data(), bytes.size());
    std::size_t p = 0;
    while (puffer_.size() - p >= 2) {
        const std::size_t laenge = Le_Lesen(puffer_.data() + p, 2);
        if (laenge < 4 || laenge > Binaer_Nachricht_Max) {
            kaputt_ = true;
            puffer_.clear();
            return false;
        }
        if (puffer_.size() - p < laenge) break;
        const char* m = puffer_.data() + p;
        if (laenge == 20 && Le_Lesen(m + 2, 2) == 0) {
            Binaer_Ziel z;
            z.Zeit_us = static_cast<std::int64_t>(Le_Lesen(m + 4, 8));
            z.J2000.RA = Binaer_RA_Std(static_cast<std::uint32_t>(Le_Lesen(m + 12, 4)));
            z.J2000.DE = Binaer_DE_Grad(static_cast<std::int32_t>(Le_Lesen(m + 16, 4)));
            // Beyond the poles is no place; such a goto is ignored.
            if (std::fabs(z.J2000.DE) <= 90.0) ziele.push_back(z);
        }
        p += laenge;
    }
    puffer_.erase(0, p);
    return true;
}

std::uint32_t Binaer_RA(double ra_std) {
    const double x = std::round(Std_Normal(ra_std) / 24.0 * 4294967296.0);
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(x) & 0xFFFFFFFFu);
}

std::int32_t Binaer_DE(double de_grad) {
    const double d = std::fmax(-90.0, std::fmin(90.0, de_grad));
    return static_cast<std::int32_t>(std::lround(d / 90.0 * 1073741824.0));
}

double Binaer_RA_Std(std::uint32_t ra) {
    return ra * (24.0 / 4294967296.0);
}

double Binaer_DE_Grad(std::int32_t de) {
    return de * (90.0 / 1073741824.0);
}

std::string Binaer_Position(const Himmelsort& j2000, std::int64_t zeit_us, std::int32_t status) {
    std::string s;
    Le_Schreiben(s, 24, 2);
    Le_Schreiben(s, 0, 2);
    Le_Schreiben(s, static_cast<std::uint64_t>(zeit_us), 8);
    Le_Schreiben(s, Binaer_RA(j2000.RA), 4);
    Le_Schreiben(s, static_cast<std::uint32_t>(Binaer_DE(j2000.DE)), 4);
    Le_Schreiben(s, static_cast<std::uint32_t>(status), 4);
    return s;
}

std::string Binaer_Goto(const Himmelsort& j2000, std::int64_t zeit_us) {
    std::string s = Binaer_Position(j2000, zeit_us);
    s.resize(20);
    s[0] = 20;
    return s;
}
