#include "pointing/abgleich_datei.hpp"

#include <cmath>
#include <set>

#include "shared/datei_oeffnen.hpp"
#include "shared/fehler.hpp"
#include "shared/text.hpp"
#include "shared/zahlen.hpp"
#include "shared/zeilen_leser.hpp"
#include "time/zeitpunkt.hpp"

namespace {

std::vector<std::string_view> Felder(std::string_view zeile) {
    std::vector<std::string_view> f;
    std::size_t anfang = 0;
    while (true) {
        const std::size_t ende = zeile.find(';', anfang);
        f.push_back(Trimmen(zeile.substr(
            anfang, ende == std::string_view::npos ? std::string_view::npos : ende - anfang)));
        if (ende == std::string_view::npos) return f;
        anfang = ende + 1;
    }
}

double Zahl(std::string_view feld, const char* was) {
    const auto x = Reell_Versuchen(feld);
    if (!x || !std::isfinite(*x))
        throw Konvertierungs_Fehler(std::string(was) + " ist keine Zahl: \"" + std::string(feld) +
                                    "\"");
    return *x;
}

// A spreadsheet may put a UTF-8 byte order mark before the first line.
std::string_view Ohne_Bom(std::string_view zeile, long nummer) {
    return nummer == 1 && zeile.starts_with("\xEF\xBB\xBF") ? zeile.substr(3) : zeile;
}

std::string Zeile_Mit_Ende(const std::string& text) {
    return text + "\r\n";
}

} // namespace

std::string Abgleich_Dateiname(int instrument) {
    return "Abgleich_" + std::to_string(instrument == 40 ? 40 : 60) + ".txt";
}

std::string Zeigemodell_Dateiname(int instrument) {
    return "Zeigemodell_" + std::to_string(instrument == 40 ? 40 : 60) + ".txt";
}

std::optional<double> Ablesung_Lesen(std::string_view text, bool stunden) {
    const auto gelesen = Sexagesimal_Lesen(text);
    if (!gelesen) return std::nullopt;
    const double wert = *gelesen;
    if (stunden ? !(wert >= 0 && wert < 24) : !(wert >= -90 && wert <= 90)) return std::nullopt;
    return wert;
}

void Sichtung_Pruefen(const Abgleich_Sichtung& s) {
    if (s.Bezeichnung.empty()) throw Bereichs_Fehler("Bezeichnung fehlt");
    if (s.Bezeichnung.find(';') != std::string::npos)
        throw Bereichs_Fehler("Bezeichnung mit \";\": " + s.Bezeichnung);
    if (s.Instrument != 40 && s.Instrument != 60)
        throw Bereichs_Fehler("Instrument " + std::to_string(s.Instrument) +
                              " ist nicht 40 oder 60");
    if (!(s.SW_Abgelesen >= 0 && s.SW_Abgelesen < 24))
        throw Bereichs_Fehler("Stundenkreis " + Kurz(s.SW_Abgelesen) +
                              " h außerhalb von 0 bis unter 24 h");
    Im_Bereich(s.DE_Abgelesen, -90, 90, "Deklinationskreis");
    if (s.Berechnet) {
        if (!(s.Stundenwinkel >= 0 && s.Stundenwinkel < 24))
            throw Bereichs_Fehler("Stundenwinkel " + Kurz(s.Stundenwinkel) +
                                  " h außerhalb von 0 bis unter 24 h");
        Im_Bereich(s.Deklination, -90, 90, "Deklination");
    }
}

std::vector<Abgleich_Sichtung> Abgleich_Lesen(const std::string& pfad) {
    std::vector<Abgleich_Sichtung> alle;
    if (!Datei_Lesend_Oeffnen(pfad, true)) return alle;
    Zeilen_Leser leser(pfad);
    std::set<std::pair<std::string, long long>> gesehen; // designation, instant in seconds
    std::string_view roh;
    while (leser.Naechste(roh)) {
        const std::string zeile = Cp1252_Zu_Utf8(Ohne_Bom(roh, leser.Zeilennummer()));
        if (Trimmen(zeile).empty()) continue;
        if (leser.Zeilennummer() == 1 && Beginnt_Mit(zeile, "Zeit")) continue; // the header
        Mit_Vorsatz([&] { return leser.Ort(); },
                    [&] {
                        const auto f = Felder(zeile);
                        if (f.size() != 5 && f.size() != 7)
                            throw Konvertierungs_Fehler(
                                std::to_string(f.size()) +
                                " Felder statt 5 oder 7 (mit \";\" getrennt)");
                        Abgleich_Sichtung s;
                        s.Zeile = leser.Zeilennummer();
                        const auto jd = Zeitpunkt_Lesen(std::string(f[0]));
                        if (!jd)
                            throw Konvertierungs_Fehler("Zeit \"" + std::string(f[0]) +
                                                        "\" ist nicht YYYY-MM-DDTHH:MM:SS");
                        s.JD_UT = *jd;
                        s.Bezeichnung = std::string(f[1]);
                        const auto instrument = Ganzzahl_Versuchen(f[2]);
                        if (!instrument)
                            throw Konvertierungs_Fehler("Instrument \"" + std::string(f[2]) +
                                                        "\" ist nicht 40 oder 60");
                        s.Instrument = *instrument;
                        s.SW_Abgelesen = Zahl(f[3], "Stundenkreis");
                        s.DE_Abgelesen = Zahl(f[4], "Deklinationskreis");
                        if (f.size() == 7) {
                            s.Berechnet = true;
                            s.Stundenwinkel = Zahl(f[5], "Stundenwinkel");
                            s.Deklination = Zahl(f[6], "Deklination");
                        }
                        Sichtung_Pruefen(s);
                        const long long sekunde = std::llround(s.JD_UT * 86400.0);
                        if (!gesehen.insert({Gross(s.Bezeichnung), sekunde}).second)
                            throw Bereichs_Fehler(s.Bezeichnung + " zweimal zur selben Zeit " +
                                                  Zeitpunkt_Text(s.JD_UT));
                        alle.push_back(std::move(s));
                    });
    }
    return alle;
}

std::string Abgleich_Text(const std::vector<Abgleich_Sichtung>& sichtungen) {
    std::string text = Zeile_Mit_Ende(Abgleich_Kopf);
    for (const auto& s : sichtungen) {
        std::string z = Zeitpunkt_Text(s.JD_UT) + ";" + s.Bezeichnung + ";" +
                        std::to_string(s.Instrument) + ";" + Voll(s.SW_Abgelesen) + ";" +
                        Voll(s.DE_Abgelesen);
        if (s.Berechnet) z += ";" + Voll(s.Stundenwinkel) + ";" + Voll(s.Deklination);
        text += Zeile_Mit_Ende(z);
    }
    return Utf8_Zu_Cp1252(text);
}

std::optional<Zeigemodell> Zeigemodell_Lesen(const std::string& pfad) {
    if (!Datei_Lesend_Oeffnen(pfad, true)) return std::nullopt;
    Zeilen_Leser leser(pfad);
    Zeigemodell m;
    std::string_view roh;
    while (leser.Naechste(roh)) {
        const std::string zeile = Cp1252_Zu_Utf8(Ohne_Bom(roh, leser.Zeilennummer()));
        const std::string_view z = Trimmen(zeile);
        if (z.empty() || z.front() == '#') continue;
        Mit_Vorsatz([&] { return leser.Ort(); },
                    [&] {
                        std::vector<std::string_view> w;
                        std::size_t i = 0;
                        while (i < z.size()) {
                            const std::size_t ende = std::min(z.find(' ', i), z.size());
                            if (ende > i) w.push_back(z.substr(i, ende - i));
                            i = ende + 1;
                        }
                        const std::string name(w[0]);
                        if (name == "Datum") {
                            if (w.size() != 2 || !Zeitpunkt_Lesen(std::string(w[1])))
                                throw Konvertierungs_Fehler("Datum ist nicht YYYY-MM-DDTHH:MM:SS");
                            m.Datum = std::string(w[1]);
                            return;
                        }
                        if (name == "RMS") {
                            if (w.size() != 2)
                                throw Konvertierungs_Fehler("RMS braucht einen Wert");
                            m.RMS = Zahl(w[1], "RMS");
                            if (m.RMS < 0) throw Bereichs_Fehler("RMS ist negativ");
                            return;
                        }
                        int t = 0;
                        while (t < Modell_Terme && Modell_Term_Namen[t] != name) ++t;
                        if (t == Modell_Terme)
                            throw Konvertierungs_Fehler("unbekannter Term \"" + name + "\"");
                        if (m.Aktiv[t]) throw Konvertierungs_Fehler("Term " + name + " zweimal");
                        if (w.size() != 3)
                            throw Konvertierungs_Fehler("Term " + name + " braucht Wert und Sigma");
                        m.Wert[t] = Zahl(w[1], name.c_str());
                        if (std::string grund = Modell_Term_Pruefen(t, m.Wert[t]); !grund.empty())
                            throw Bereichs_Fehler(grund);
                        m.Sigma[t] = Zahl(w[2], "Sigma");
                        if (m.Sigma[t] < 0) throw Bereichs_Fehler("Sigma ist negativ");
                        m.Aktiv[t] = true;
                    });
    }
    if (m.Leer()) throw Konvertierungs_Fehler(Voller_Pfad(pfad) + ": kein Term im Zeigemodell");
    return m;
}

std::string Zeigemodell_Text(const Zeigemodell& m, int instrument, int sichtungen) {
    std::string text = Zeile_Mit_Ende("# Zeigemodell " + std::to_string(instrument) + "cm aus " +
                                      std::to_string(sichtungen) +
                                      " Sichtungen; Term, Wert und Standardfehler in Bogenminuten");
    for (int t = 0; t < Modell_Terme; ++t)
        if (m.Aktiv[t])
            text += Zeile_Mit_Ende(std::string(Modell_Term_Namen[t]) + " " + Voll(m.Wert[t]) + " " +
                                   Voll(m.Sigma[t]));
    text += Zeile_Mit_Ende("RMS " + Voll(m.RMS));
    if (!m.Datum.empty()) text += Zeile_Mit_Ende("Datum " + m.Datum);
    return Utf8_Zu_Cp1252(text);
}
