#include "teleskop/indi_protokoll.hpp"

#include <charconv>
#include <cmath>

#include "shared/text.hpp"
#include "shared/zahlen.hpp"

namespace {

bool Leer(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The five predefined entities and numeric character references below 128;
// anything else stays as written.
std::string Entitaeten_Aufloesen(std::string_view s) {
    std::string aus;
    aus.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '&') {
            aus += s[i];
            continue;
        }
        const std::size_t ende = s.find(';', i);
        if (ende == std::string_view::npos || ende - i > 8) {
            aus += s[i];
            continue;
        }
        const std::string_view name = s.substr(i + 1, ende - i - 1);
        char c = 0;
        if (name == "amp")
            c = '&';
        else if (name == "lt")
            c = '<';
        else if (name == "gt")
            c = '>';
        else if (name == "quot")
            c = '"';
        else if (name == "apos")
            c = '\'';
        else if (name.size() > 1 && name[0] == '#') {
            int n = 0;
            const bool hex = name[1] == 'x';
            const char* a = name.data() + (hex ? 2 : 1);
            const auto [p, ec] = std::from_chars(a, name.data() + name.size(), n, hex ? 16 : 10);
            if (ec == std::errc() && p == name.data() + name.size() && n > 0 && n < 128)
                c = static_cast<char>(n);
        }
        if (c == 0) {
            aus += s[i];
            continue;
        }
        aus += c;
        i = ende;
    }
    return aus;
}

struct Tag_Teile {
    std::string Name;
    bool Ende = false;        // </name>
    bool Geschlossen = false; // <name ... />
    std::vector<std::pair<std::string, std::string>> Attribute;
    bool Gueltig = true;
};

// The text between '<' and '>'.
Tag_Teile Tag_Zerlegen(std::string_view t) {
    Tag_Teile teile;
    std::size_t i = 0;
    if (!t.empty() && t[0] == '/') {
        teile.Ende = true;
        i = 1;
    }
    std::size_t n = t.size();
    while (n > i && Leer(t[n - 1])) --n;
    if (!teile.Ende && n > i && t[n - 1] == '/') {
        teile.Geschlossen = true;
        --n;
    }
    const std::size_t a = i;
    while (i < n && !Leer(t[i]) && t[i] != '/') ++i;
    teile.Name = std::string(t.substr(a, i - a));
    if (teile.Name.empty()) teile.Gueltig = false;
    while (i < n && teile.Gueltig) {
        while (i < n && Leer(t[i])) ++i;
        if (i >= n) break;
        const std::size_t na = i;
        while (i < n && t[i] != '=' && !Leer(t[i])) ++i;
        const std::string_view name = t.substr(na, i - na);
        while (i < n && Leer(t[i])) ++i;
        if (i >= n || t[i] != '=') {
            teile.Gueltig = false;
            break;
        }
        ++i;
        while (i < n && Leer(t[i])) ++i;
        if (i >= n || (t[i] != '"' && t[i] != '\'')) {
            teile.Gueltig = false;
            break;
        }
        const char q = t[i++];
        const std::size_t wa = i;
        while (i < n && t[i] != q) ++i;
        if (i >= n) {
            teile.Gueltig = false;
            break;
        }
        teile.Attribute.emplace_back(std::string(name), Entitaeten_Aufloesen(t.substr(wa, i - wa)));
        ++i;
    }
    return teile;
}

const std::string* Attribut(const Tag_Teile& t, std::string_view name) {
    for (const auto& [n, w] : t.Attribute)
        if (n == name) return &w;
    return nullptr;
}

bool Vektor_Art(std::string_view name) {
    return name == "defNumberVector" || name == "setNumberVector" || name == "defSwitchVector" ||
           name == "setSwitchVector" || name == "delProperty";
}

bool Element_Art(std::string_view name) {
    return name == "defNumber" || name == "oneNumber" || name == "defSwitch" || name == "oneSwitch";
}

// A name attribute copied into a field; false when it is too long to be a name.
bool Name_Nehmen(const Tag_Teile& t, const char* attribut, std::string& ziel) {
    const std::string* w = Attribut(t, attribut);
    if (!w) return true;
    if (w->size() > Indi_Leser::Max_Name) return false;
    ziel = *w;
    return true;
}

} // namespace

void Indi_Leser::Verwerfen() {
    vektor_kaputt_ = true;
    element_aktiv_ = false;
}

void Indi_Leser::Lesen(std::string_view daten, std::vector<Indi_Vektor>& aus) {
    for (const char c : daten) {
        switch (lage_) {
        case Lage::Text:
            if (c == '<') {
                lage_ = Lage::Tag;
                tag_.clear();
                tag_zu_lang_ = false;
                quote_ = 0;
            } else if (element_aktiv_) {
                if (element_.Wert.size() < Max_Text)
                    element_.Wert += c;
                else
                    Verwerfen();
            }
            break;
        case Lage::Tag:
            if (quote_) {
                if (c == quote_) quote_ = 0;
            } else if (c == '"' || c == '\'') {
                quote_ = c;
            } else if (c == '>') {
                lage_ = Lage::Text;
                Tag_Ende(aus);
                break;
            } else if (c == '<') {
                // A tag never holds '<' outside quotes: start over at this one.
                Verwerfen();
                tag_.clear();
                tag_zu_lang_ = false;
                break;
            }
            if (tag_.size() < Max_Tag)
                tag_ += c;
            else
                tag_zu_lang_ = true;
            if (tag_ == "!--") {
                lage_ = Lage::Kommentar;
                kommentar_striche_ = 0;
            }
            break;
        case Lage::Kommentar:
            if (c == '>' && kommentar_striche_ >= 2) lage_ = Lage::Text;
            kommentar_striche_ = c == '-' ? kommentar_striche_ + 1 : 0;
            break;
        }
    }
}

void Indi_Leser::Tag_Ende(std::vector<Indi_Vektor>& aus) {
    if (tag_zu_lang_) {
        // Whether it opened or closed an element is unknown: start afresh at
        // the top level, where every message begins.
        Verwerfen();
        vektor_aktiv_ = false;
        tiefe_ = 0;
        return;
    }
    if (tag_.empty() || tag_[0] == '?' || tag_[0] == '!') return; // declaration, DOCTYPE
    const Tag_Teile t = Tag_Zerlegen(tag_);
    if (!t.Gueltig) {
        Verwerfen();
        // Still an element: keep the depth right for what follows.
        if (!t.Ende && !t.Geschlossen && !t.Name.empty()) ++tiefe_;
        return;
    }

    if (t.Ende) {
        if (tiefe_ > 0) --tiefe_;
        if (tiefe_ == 1 && element_aktiv_) {
            element_aktiv_ = false;
            element_.Wert = std::string(Trimmen(element_.Wert));
            if (vektor_.Elemente.size() < Max_Elemente)
                vektor_.Elemente.push_back(element_);
            else
                vektor_kaputt_ = true;
        } else if (tiefe_ == 0 && vektor_aktiv_) {
            vektor_aktiv_ = false;
            element_aktiv_ = false;
            if (!vektor_kaputt_ && t.Name == vektor_.Art) aus.push_back(std::move(vektor_));
        }
        return;
    }

    if (Vektor_Art(t.Name)) {
        // Vectors only stand at the top level: one inside something left
        // open means the server lost an end tag, so start afresh here.
        if (tiefe_ != 0) Verwerfen();
        tiefe_ = 0;
        vektor_aktiv_ = false;
        vektor_ = Indi_Vektor{};
        vektor_.Art = t.Name;
        vektor_kaputt_ = !Name_Nehmen(t, "device", vektor_.Geraet) ||
                         !Name_Nehmen(t, "name", vektor_.Name) ||
                         !Name_Nehmen(t, "state", vektor_.Zustand);
        if (const std::string* m = Attribut(t, "message"))
            vektor_.Meldung = m->substr(0, Max_Meldung);
        element_aktiv_ = false;
        if (t.Geschlossen) {
            if (!vektor_kaputt_) aus.push_back(std::move(vektor_));
            return;
        }
        vektor_aktiv_ = true;
    } else if (tiefe_ == 1 && vektor_aktiv_ && Element_Art(t.Name)) {
        element_ = Indi_Element{};
        if (!Name_Nehmen(t, "name", element_.Name)) vektor_kaputt_ = true;
        if (t.Geschlossen) {
            if (vektor_.Elemente.size() < Max_Elemente) vektor_.Elemente.push_back(element_);
            return;
        }
        element_aktiv_ = true;
    } else if (element_aktiv_) {
        // Markup inside a value: not a value INDI sends.
        Verwerfen();
    }
    if (!t.Geschlossen) ++tiefe_;
}

std::string Indi_Maskieren(std::string_view text) {
    std::string aus;
    for (const char c : text) {
        switch (c) {
        case '&':
            aus += "&amp;";
            break;
        case '<':
            aus += "&lt;";
            break;
        case '>':
            aus += "&gt;";
            break;
        case '"':
            aus += "&quot;";
            break;
        case '\'':
            aus += "&apos;";
            break;
        default:
            aus += c;
        }
    }
    return aus;
}

std::optional<Indi_Einstellung> Indi_Adresse_Lesen(std::string_view text, std::string& fehler) {
    Indi_Einstellung e;
    const std::string eingabe(text);
    text = Trimmen(text);
    std::size_t strich;
    std::string_view host, port;
    if (!text.empty() && text[0] == '[') {
        const std::size_t zu = text.find(']');
        if (zu == std::string_view::npos) {
            fehler = "INDI-Adresse \"" + eingabe + "\": ']' fehlt";
            return std::nullopt;
        }
        host = text.substr(1, zu - 1);
        strich = text.find('/', zu);
        std::string_view rest = text.substr(
            zu + 1, strich == std::string_view::npos ? std::string_view::npos : strich - zu - 1);
        if (!rest.empty()) {
            if (rest[0] != ':') {
                fehler = "INDI-Adresse \"" + eingabe + "\": nach ']' nur :PORT";
                return std::nullopt;
            }
            port = rest.substr(1);
            if (port.empty()) port = "-";
        }
    } else {
        strich = text.find('/');
        const std::string_view hp = text.substr(0, strich);
        const std::size_t dp = hp.rfind(':');
        host = hp.substr(0, dp);
        if (dp != std::string_view::npos) {
            port = hp.substr(dp + 1);
            if (port.empty()) port = "-";
        }
    }
    if (host.empty() || host.find_first_of(" \t") != std::string_view::npos) {
        fehler = "INDI-Adresse \"" + eingabe + "\": Rechner fehlt (HOST[:PORT]/GERAET)";
        return std::nullopt;
    }
    if (!port.empty()) {
        const auto p = Ganzzahl_Versuchen(port);
        if (!p || *p < 1 || *p > 65535 || port.find(' ') != std::string_view::npos) {
            fehler = "INDI-Adresse \"" + eingabe + "\": Port \"" + std::string(port) +
                     "\" ist keine Zahl von 1 bis 65535";
            return std::nullopt;
        }
        e.Port = *p;
    }
    const std::string_view geraet =
        strich == std::string_view::npos ? std::string_view{} : Trimmen(text.substr(strich + 1));
    if (geraet.empty()) {
        fehler = "INDI-Adresse \"" + eingabe + "\": Gerät fehlt (HOST[:PORT]/GERAET)";
        return std::nullopt;
    }
    for (const char c : geraet)
        if (static_cast<unsigned char>(c) < 32 || geraet.size() > Indi_Leser::Max_Name) {
            fehler = "INDI-Adresse \"" + eingabe + "\": Gerätename ungültig";
            return std::nullopt;
        }
    e.Host = std::string(host);
    e.Geraet = std::string(geraet);
    return e;
}

std::string Indi_Client::Anfang() const {
    return "<getProperties version=\"1.7\" device=\"" + Indi_Maskieren(geraet_) + "\"/>\n";
}

std::string Indi_Client::Empfangen(std::string_view daten) {
    std::vector<Indi_Vektor> vektoren;
    leser_.Lesen(daten, vektoren);
    std::string antwort;
    for (const Indi_Vektor& v : vektoren) {
        if (v.Geraet != geraet_) continue;
        geraet_bekannt_ = true;
        if (v.Art == "delProperty") {
            // Without a name the whole device is gone, its place with it.
            if (v.Name.empty() || v.Name == "EQUATORIAL_EOD_COORD") ort_ = Encoder_Ort{};
            if (v.Name.empty() || v.Name == "CONNECTION") geraet_verbunden_ = false;
            if (v.Name.empty() || v.Name == alarm_) alarm_.clear(), alarm_meldung_.clear();
            continue;
        }
        // The driver's own word on a failure; the next state of that property ends it.
        if (v.Zustand == "Alert") {
            alarm_ = v.Name;
            alarm_meldung_ = v.Meldung;
        } else if (!v.Zustand.empty() && v.Name == alarm_) {
            alarm_.clear();
            alarm_meldung_.clear();
        }
        if (v.Name == "CONNECTION" && v.Art.find("Switch") != std::string::npos) {
            for (const Indi_Element& e : v.Elemente)
                if (e.Name == "CONNECT") geraet_verbunden_ = e.Wert == "On";
            if (!geraet_verbunden_) ort_.Gueltig = false;
            // A device left disconnected is connected once; switched off
            // later by someone else, it stays off.
            if (!geraet_verbunden_ && !verbinden_gesendet_ && v.Art == "defSwitchVector") {
                verbinden_gesendet_ = true;
                antwort += "<newSwitchVector device=\"" + Indi_Maskieren(geraet_) +
                           "\" name=\"CONNECTION\">\n  <oneSwitch name=\"CONNECT\">On</oneSwitch>\n"
                           "</newSwitchVector>\n";
            }
            continue;
        }
        if (v.Name != "EQUATORIAL_EOD_COORD" || v.Art.find("Number") == std::string::npos) continue;
        // A set message may carry only what changed.
        std::optional<double> ra, de;
        for (const Indi_Element& e : v.Elemente) {
            if (e.Name == "RA")
                ra = Indi_Zahl(e.Wert);
            else if (e.Name == "DEC")
                de = Indi_Zahl(e.Wert);
        }
        const bool ra_gut = ra && *ra >= 0 && *ra <= 24;
        const bool de_gut = de && *de >= -90 && *de <= 90;
        if ((ra && !ra_gut) || (de && !de_gut)) continue; // out of range: not a place
        if (!ort_.Gueltig && !(ra_gut && de_gut)) continue;
        if (ra_gut) ort_.RA = *ra >= 24 ? 0.0 : *ra;
        if (de_gut) ort_.DE = *de;
        if (!v.Zustand.empty()) ort_.Zustand = v.Zustand;
        ort_.Gueltig = true;
        geraet_verbunden_ = true;
    }
    return antwort;
}
