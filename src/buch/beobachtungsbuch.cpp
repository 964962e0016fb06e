#include "buch/beobachtungsbuch.hpp"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <utility>

#include "shared/csv.hpp"
#include "shared/datei_oeffnen.hpp"
#include "shared/datei_schreiben.hpp"
#include "shared/datei_sperre.hpp"
#include "shared/fehler.hpp"
#include "shared/kern_text.hpp"
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

// A field as CSV: not UTF-8 bytes become U+FFFD, control characters (a line
// end in a note) blanks; quoted when it holds the separator or a quote.
std::string Feld(std::string_view s) {
    std::string r = Utf8_Bereinigt(s);
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

// A text cell that a spreadsheet would take for a formula gets a leading
// apostrophe, which the spreadsheet hides; numbers stay as they are.
std::string Formel_Geschuetzt(std::string s) {
    if (!s.empty() && std::strchr("=+-@\t\r", s[0]) && !Reell_Versuchen(s)) s.insert(0, 1, '\'');
    return s;
}

// Why an entry cannot stand in the log (its ranges), empty when it can. The
// instant has a four-digit year and the zone offset stays within ±14 h, as a
// time stamp of other programs (XML dateTime) allows.
std::string Eintrag_Pruefen(const Buch_Eintrag& e) {
    if (!(e.JD_UT >= 2100000 && e.JD_UT < 3000000))
        return "JD_UT nicht zwischen 2100000 und 3000000";
    if (std::abs(e.Versatz_Minuten) > 14 * 60)
        return "Zonenversatz nicht zwischen -840 und 840 min";
    if (!(e.RA2000 >= 0 && e.RA2000 < 24) || !(std::fabs(e.DE2000) <= 90))
        return "Ort RA2000/DE2000 ungültig";
    if (e.Seeing < 0 || e.Seeing > 5) return "Seeing nicht 1 bis 5";
    return {};
}

// An entry from its fields; the reason when they do not make one.
std::string Eintrag_Aus(const std::vector<std::string>& f, Buch_Eintrag& e) {
    if (f.size() != Anzahl_Felder)
        return std::to_string(f.size()) + " statt " + std::to_string(Anzahl_Felder) + " Feldern";
    const auto jd = Reell_Versuchen(f[1]);
    if (!jd) return "JD_UT ist kein Julianisches Datum";
    const auto versatz = Reell_Versuchen(f[2]);
    if (!versatz || std::fabs(*versatz) > 14 * 60 || *versatz != std::floor(*versatz))
        return "Zonenversatz nicht zwischen -840 und 840 min";
    const auto ra = Reell_Versuchen(f[7]);
    const auto de = Reell_Versuchen(f[8]);
    if (!ra || !de) return "Ort RA2000/DE2000 ungültig";
    if (f[5].size() > 1) return "Art ist kein Buchstabe";
    // Empty: not given; otherwise 1 (best) to 5.
    const auto seeing = f[14].empty() ? std::optional<int>(0) : Ganzzahl_Versuchen(f[14]);
    if (!seeing || (!f[14].empty() && *seeing < 1)) return "Seeing nicht 1 bis 5";
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
    e.Seeing = std::min(*seeing, 6); // 6 stands for any larger number: refused below
    e.Transparenz = f[15];
    e.Okular = f[16];
    e.Notiz = f[17];
    return Eintrag_Pruefen(e);
}

// What must precede a new line: the header for a new or empty file, a line
// end when the last line has none (an edited file), so no entry is glued to it.
std::string Vorspann(const std::string& pfad) {
    const Datei_Zeiger f = Datei_Lesend_Oeffnen(pfad, true);
    if (!f || std::fseek(f.get(), -1, SEEK_END) != 0) return Buch_Kopf() + "\r\n";
    const int letztes = std::fgetc(f.get());
    return letztes == '\n' || letztes == '\r' || letztes == EOF ? std::string() : "\r\n";
}

// A log is read whole: a rewrite holds all of it anyway. Beyond this it is
// refused rather than read without bound.
constexpr std::size_t Max_Bytes = std::size_t(512) << 20;

std::string Ganz_Lesen(const std::string& pfad) {
    const Datei_Zeiger f = Datei_Lesend_Oeffnen(pfad, true);
    std::string t;
    if (!f) return t;
    std::string puffer(1 << 16, '\0');
    while (const std::size_t n = std::fread(puffer.data(), 1, puffer.size(), f.get())) {
        t.append(puffer, 0, n);
        if (t.size() > Max_Bytes)
            throw Ein_Ausgabe_Fehler(Kt("%1 ist größer als %2 MB und wird nicht gelesen",
                                        {Voller_Pfad(pfad), std::to_string(Max_Bytes >> 20)}));
    }
    if (std::ferror(f.get()))
        throw Ein_Ausgabe_Fehler(
            Kt("Lesefehler: %1 (%2)", {Voller_Pfad(pfad), std::strerror(errno)}));
    return t;
}

// A line as UTF-8. A line with UTF-8 characters is UTF-8 in which a stray byte
// costs only itself; one without any was saved as Windows-1252 by an editor.
std::string Als_Utf8(std::string_view z) {
    if (Ist_Utf8(z)) return std::string(z);
    return Hat_Utf8_Zeichen(z) ? Utf8_Bereinigt(z) : Cp1252_Zu_Utf8(z);
}

// The log's lines (LF, CR LF or a lone CR end one, as everywhere), of any length.
Beobachtungsbuch Lesen_Ohne_Sperre(const std::string& pfad) {
    Beobachtungsbuch b;
    const std::string text = Ganz_Lesen(pfad);
    const std::string ort = Voller_Pfad(pfad);
    std::size_t a = 0;
    bool rest_gemeldet = false;
    for (long nummer = 1; a < text.size(); ++nummer) {
        std::size_t e = text.find_first_of("\r\n", a);
        if (e == std::string::npos) e = text.size();
        std::string_view roh(text.data() + a, e - a);
        a = e + (e < text.size() && text[e] == '\r' && e + 1 < text.size() && text[e + 1] == '\n'
                     ? 2
                     : 1);
        if (Trimmen(roh).empty()) continue;
        std::string_view z = roh;
        if (nummer == 1 && Beginnt_Mit(z, "\xEF\xBB\xBF")) z.remove_prefix(3);
        if (nummer == 1 && Beginnt_Mit(z, "Zeitpunkt_UT;")) continue;
        if (b.Eintraege.size() >= Buch_Max_Eintraege) {
            // Not shown, but a rewrite keeps them.
            if (!std::exchange(rest_gemeldet, true))
                b.Hinweise.push_back(ort + ", Zeile " + std::to_string(nummer) + ": mehr als " +
                                     std::to_string(Buch_Max_Eintraege) +
                                     " Einträge – der Rest wird nicht gezeigt");
            b.Beschaedigt.emplace_back(roh);
            continue;
        }
        Buch_Eintrag eintrag;
        const std::string grund = Eintrag_Aus(
            Csv_Felder(Als_Utf8(z), ';', true).value_or(std::vector<std::string>{}), eintrag);
        if (grund.empty()) {
            b.Eintraege.push_back(std::move(eintrag));
        } else {
            b.Hinweise.push_back(ort + ", Zeile " + std::to_string(nummer) + ": beschädigt (" +
                                 grund + "), übergangen");
            b.Beschaedigt.emplace_back(roh);
        }
    }
    return b;
}

void Pruefen_Oder_Werfen(const Buch_Eintrag& e) {
    const std::string grund = Eintrag_Pruefen(e);
    if (!grund.empty())
        throw Bereichs_Fehler(Kt("Eintrag für das Beobachtungsbuch ungültig: %1", {grund}));
}

std::string Zeile(const Buch_Eintrag& e, bool formel_schutz) {
    const std::string ut = Zeitpunkt_Text(e.JD_UT);
    const std::string felder[] = {
        ut + "Z",      Voll(e.JD_UT),  std::to_string(e.Versatz_Minuten),
        e.Bezeichnung, e.Objektzeile,  e.Art ? std::string(1, e.Art) : std::string(),
        e.Typ,         Voll(e.RA2000), Voll(e.DE2000),
        e.Instrument,  e.DE_Kreis,     e.SW_Kreis,
        e.Hoehe,       e.Luftmasse,    e.Seeing > 0 ? std::to_string(e.Seeing) : std::string(),
        e.Transparenz, e.Okular,       e.Notiz};
    std::string z;
    for (std::size_t i = 0; i < std::size(felder); ++i)
        z += (i ? ";" : "") + Feld(formel_schutz ? Formel_Geschuetzt(felder[i]) : felder[i]);
    return z;
}

std::string Text(const std::vector<Buch_Eintrag>& eintraege, bool formel_schutz) {
    std::string t = Buch_Kopf() + "\r\n";
    for (const Buch_Eintrag& e : eintraege) t += Zeile(e, formel_schutz) + "\r\n";
    return t;
}
} // namespace

std::string Buch_Kopf() {
    std::string k;
    for (const char* f : Felder) k += (k.empty() ? "" : ";") + std::string(f);
    return k;
}

std::string Buch_Zeile(const Buch_Eintrag& e) {
    return Zeile(e, false);
}

Beobachtungsbuch Buch_Lesen(const std::string& pfad) {
    const Datei_Sperre sperre(pfad, true);
    return Lesen_Ohne_Sperre(pfad);
}

void Buch_Anhaengen(const std::string& pfad, const Buch_Eintrag& e) {
    Pruefen_Oder_Werfen(e);
    const std::string zeile = Buch_Zeile(e) + "\r\n";
    const Datei_Sperre sperre(pfad);
    Datei_Anhaengen(pfad, Vorspann(pfad) + zeile);
}

Beobachtungsbuch Buch_Aendern(const std::string& pfad,
                              const std::function<void(Beobachtungsbuch&)>& aendern) {
    const Datei_Sperre sperre(pfad);
    Beobachtungsbuch b = Lesen_Ohne_Sperre(pfad);
    aendern(b);
    for (const Buch_Eintrag& e : b.Eintraege) Pruefen_Oder_Werfen(e);
    std::string text = Text(b.Eintraege, false);
    for (const std::string& z : b.Beschaedigt) text += z + "\r\n";
    Datei_Atomar_Schreiben(pfad, text);
    return b;
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
    return Text(eintraege, true);
}
