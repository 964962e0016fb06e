#include "buch/beobachtungsbuch.hpp"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "shared/datei_oeffnen.hpp"
#include "shared/datei_schreiben.hpp"
#include "shared/fehler.hpp"
#include "shared/text.hpp"
#include "shared/zahlen.hpp"
#include "shared/zeilen_leser.hpp"
#include "time/kalender.hpp"
#include "time/zeitpunkt.hpp"

namespace {
constexpr const char* Felder[] = {
    "Zeitpunkt_UT", "JD_UT",     "Zonenversatz_min", "Bezeichnung", "Objektzeile", "Art",
    "Typ",          "RA2000_h",  "DE2000_Grad",      "Instrument",  "DE_Kreis",    "SW_Kreis",
    "Hoehe",        "Luftmasse", "Seeing",           "Transparenz", "Okular",      "Notiz"};
constexpr std::size_t Anzahl_Felder = std::size(Felder);

// A field as CSV: control characters (a line end in a note) become blanks;
// quoted when it holds the separator or a quote.
std::string Feld(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (static_cast<unsigned char>(c) < 32 || c == 127) c = ' ';
    if (r.find_first_of(";\"") == std::string::npos) return r;
    std::string q = "\"";
    for (char c : r) {
        if (c == '"') q += '"';
        q += c;
    }
    return q + '"';
}

// The fields of a line; quotes removed.
std::vector<std::string> Zerlegen(std::string_view z) {
    std::vector<std::string> felder(1);
    bool zitat = false;
    for (std::size_t i = 0; i < z.size(); ++i) {
        const char c = z[i];
        if (zitat) {
            if (c == '"' && i + 1 < z.size() && z[i + 1] == '"') {
                felder.back() += '"';
                ++i;
            } else if (c == '"') {
                zitat = false;
            } else {
                felder.back() += c;
            }
        } else if (c == '"') {
            zitat = true;
        } else if (c == ';') {
            felder.emplace_back();
        } else {
            felder.back() += c;
        }
    }
    if (zitat) felder.clear(); // an open quote: damaged
    return felder;
}

// An entry from its fields; the reason when they do not make one.
std::string Eintrag_Aus(const std::vector<std::string>& f, Buch_Eintrag& e) {
    if (f.size() != Anzahl_Felder)
        return std::to_string(f.size()) + " statt " + std::to_string(Anzahl_Felder) + " Feldern";
    const auto jd = Reell_Versuchen(f[1]);
    if (!jd || !(*jd > 2000000 && *jd < 3000000)) return "JD_UT ist kein Julianisches Datum";
    const auto versatz = Reell_Versuchen(f[2]);
    if (!versatz || std::fabs(*versatz) > 1440 || *versatz != std::floor(*versatz))
        return "Zonenversatz ist keine Minutenzahl";
    const auto ra = Reell_Versuchen(f[7]);
    const auto de = Reell_Versuchen(f[8]);
    if (!ra || !de || !(*ra >= 0 && *ra < 24) || !(std::fabs(*de) <= 90))
        return "Ort RA2000/DE2000 ungültig";
    if (f[5].size() > 1) return "Art ist kein Buchstabe";
    const auto seeing = f[14].empty() ? std::optional<int>(0) : Ganzzahl_Versuchen(f[14]);
    if (!seeing || *seeing > 5) return "Seeing nicht 1 bis 5";
    e.JD_UT = *jd;
    e.Versatz_Minuten = static_cast<int>(*versatz);
    e.Bezeichnung = f[3];
    e.Objektzeile = f[4];
    e.Art = f[5].empty() ? 0 : f[5][0];
    e.Typ = f[6];
    e.RA2000 = *ra;
    e.DE2000 = *de;
    e.Instrument = f[9];
    e.DE_Kreis = f[10];
    e.SW_Kreis = f[11];
    e.Hoehe = f[12];
    e.Luftmasse = f[13];
    e.Seeing = *seeing;
    e.Transparenz = f[15];
    e.Okular = f[16];
    e.Notiz = f[17];
    return {};
}

// What must precede a new line: the header for a new or empty file, a line
// end when the last line has none (an edited file), so no entry is glued to it.
std::string Vorspann(const std::string& pfad) {
    const Datei_Zeiger f = Datei_Lesend_Oeffnen(pfad, true);
    if (!f || std::fseek(f.get(), -1, SEEK_END) != 0) return Buch_Kopf() + "\r\n";
    const int letztes = std::fgetc(f.get());
    return letztes == '\n' || letztes == '\r' || letztes == EOF ? std::string() : "\r\n";
}
} // namespace

std::string Buch_Kopf() {
    std::string k;
    for (const char* f : Felder) k += (k.empty() ? "" : ";") + std::string(f);
    return k;
}

std::string Buch_Zeile(const Buch_Eintrag& e) {
    const std::string ut = Zeitpunkt_Text(e.JD_UT);
    const std::string felder[] = {
        ut + "Z",      Voll(e.JD_UT),  std::to_string(e.Versatz_Minuten),
        e.Bezeichnung, e.Objektzeile,  e.Art ? std::string(1, e.Art) : std::string(),
        e.Typ,         Voll(e.RA2000), Voll(e.DE2000),
        e.Instrument,  e.DE_Kreis,     e.SW_Kreis,
        e.Hoehe,       e.Luftmasse,    e.Seeing > 0 ? std::to_string(e.Seeing) : std::string(),
        e.Transparenz, e.Okular,       e.Notiz};
    std::string z;
    for (std::size_t i = 0; i < std::size(felder); ++i) z += (i ? ";" : "") + Feld(felder[i]);
    return z;
}

Beobachtungsbuch Buch_Lesen(const std::string& pfad) {
    Beobachtungsbuch b;
    if (!Datei_Lesend_Oeffnen(pfad, true)) return b;
    Zeilen_Leser leser(pfad);
    std::string_view roh;
    for (;;) {
        try {
            if (!leser.Naechste(roh)) break;
        } catch (const Zeile_Zu_Lang_Fehler& f) {
            b.Hinweise.push_back(f.what());
            leser.Zeile_Verwerfen();
            continue;
        }
        if (Trimmen(roh).empty()) continue;
        std::string_view z = roh;
        if (leser.Zeilennummer() == 1 && Beginnt_Mit(z, "\xEF\xBB\xBF")) z.remove_prefix(3);
        if (leser.Zeilennummer() == 1 && Beginnt_Mit(z, "Zeitpunkt_UT;")) continue;
        if (b.Eintraege.size() >= Buch_Max_Eintraege) {
            b.Hinweise.push_back(leser.Ort() + "mehr als " + std::to_string(Buch_Max_Eintraege) +
                                 " Einträge – der Rest wird nicht gelesen");
            break;
        }
        const std::string text = Ist_Utf8(z) ? std::string(z) : Cp1252_Zu_Utf8(z);
        Buch_Eintrag e;
        const std::string grund = Eintrag_Aus(Zerlegen(text), e);
        if (grund.empty()) {
            b.Eintraege.push_back(std::move(e));
        } else {
            b.Hinweise.push_back(leser.Ort() + "beschädigt (" + grund + "), übergangen");
            b.Beschaedigt.emplace_back(roh);
        }
    }
    return b;
}

void Buch_Anhaengen(const std::string& pfad, const Buch_Eintrag& e) {
    Datei_Anhaengen(pfad, Vorspann(pfad) + Buch_Zeile(e) + "\r\n");
}

void Buch_Schreiben(const std::string& pfad, const Beobachtungsbuch& buch) {
    std::string text = Buch_Csv_Text(buch.Eintraege);
    for (const std::string& z : buch.Beschaedigt) text += z + "\r\n";
    Datei_Atomar_Schreiben(pfad, text);
}

std::string Buch_Nacht(const Buch_Eintrag& e) {
    std::int32_t y, m, d;
    double h, mi, s;
    JD_Zu_Datum(e.JD_UT - e.Versatz_Minuten / 1440.0 - 0.5, y, m, d, h, mi, s);
    char t[16];
    std::snprintf(t, sizeof t, "%04d-%02d-%02d", static_cast<int>(y), static_cast<int>(m),
                  static_cast<int>(d));
    return t;
}

std::string Buch_Zeit_Iso(const Buch_Eintrag& e) {
    // Whole seconds of the zone's clock, then the offset east of Greenwich.
    const std::string t = Zeitpunkt_Text(e.JD_UT - e.Versatz_Minuten / 1440.0);
    const int ost = -e.Versatz_Minuten;
    char z[16];
    std::snprintf(z, sizeof z, "%c%02d:%02d", ost < 0 ? '-' : '+', std::abs(ost) / 60,
                  std::abs(ost) % 60);
    return t + z;
}

std::string Buch_Csv_Text(const std::vector<Buch_Eintrag>& eintraege) {
    std::string t = Buch_Kopf() + "\r\n";
    for (const Buch_Eintrag& e : eintraege) t += Buch_Zeile(e) + "\r\n";
    return t;
}
