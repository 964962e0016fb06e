#include "basis/parameter_datei.hpp"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "shared/datei_oeffnen.hpp"
#include "shared/fehler.hpp"
#include "shared/text.hpp"
#include "shared/zahlen.hpp"
#include "shared/zeilen_leser.hpp"

namespace {

// The comments as the file has always carried them (UTF-8 here, Windows-1252 on disk).
constexpr const char* Kommentare[8] = {
    "       !Aktuelles Instrument (cm)",
    " !östliche Länge der Sternwarte (°)",
    " !nördliche Breite der Sternwarte (°)",
    " !Höhe über Meer der Sternwarte (m)",
    " !Korrektur der Deklination    an der 40cm Schmidt-Kamera (°)",
    " !Korrektur des Stundenwinkels an der 40cm Schmidt-Kamera (min)",
    " !Korrektur der Deklination    am 60cm Cassegrain (°)",
    " !Korrektur des Stundenwinkels am 60cm Cassegrain (min)",
};

bool Trenner(char c) {
    return c == ' ' || c == '\t';
}
bool Zeilenende(char c) {
    return c == '\r' || c == '\n';
}

// Reads number tokens one line at a time, the way the file has always been
// read: blank lines are skipped, so a token's line is counted on the way.
class Zahlen_Leser {
public:
    explicit Zahlen_Leser(std::string_view text) : text_(text) {}

    // The next token, empty at the end of the file; then skips the rest of its line.
    std::string_view Naechstes() {
        while (pos_ < text_.size() && (Trenner(text_[pos_]) || Zeilenende(text_[pos_]))) Weiter();
        zeile_ = zeile_am_ende_;
        const std::size_t anfang = pos_;
        while (pos_ < text_.size() && !Trenner(text_[pos_]) && !Zeilenende(text_[pos_])) ++pos_;
        const std::string_view token = text_.substr(anfang, pos_ - anfang);
        while (pos_ < text_.size() && !Zeilenende(text_[pos_])) ++pos_;
        if (pos_ < text_.size()) Weiter();
        return token;
    }

    // 1-based line of the token returned last.
    int Zeile() const { return zeile_; }

private:
    // One byte on; CR, LF and CR LF each end one line.
    void Weiter() {
        const char c = text_[pos_++];
        if (c == '\n' || (c == '\r' && (pos_ >= text_.size() || text_[pos_] != '\n')))
            ++zeile_am_ende_;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    int zeile_ = 1;
    int zeile_am_ende_ = 1;
};

std::string Wo(const std::string& name, int zeile) {
    return name + ", Zeile " + std::to_string(zeile);
}

[[noreturn]] void Ungueltig(std::string_view token, const std::string& name, int zeile) {
    throw Ein_Ausgabe_Fehler("Invalid numeric input: '" + Cp1252_Zu_Utf8(token) + "' in " +
                             Wo(name, zeile));
}

std::int32_t Ganzzahl(std::string_view token, const std::string& name, int zeile) {
    if (token.empty()) return 0;
    if (token.size() > 32) Ungueltig(token, name, zeile);
    // A number typed by hand may carry a sign.
    const bool minus = token[0] == '-';
    const auto wert = Ganzzahl_Versuchen(minus || token[0] == '+' ? token.substr(1) : token);
    if (!wert) Ungueltig(token, name, zeile);
    return minus ? -*wert : *wert;
}

double Reell(std::string_view token, const std::string& name, int zeile) {
    if (token.empty()) return 0;
    if (token.size() > 64) Ungueltig(token, name, zeile);
    const auto wert = Reell_Versuchen(token);
    if (!wert || !std::isfinite(*wert)) Ungueltig(token, name, zeile);
    return *wert;
}

// The eight values with their ranges, in the file's order after the instrument.
struct Reelles_Feld {
    double Parameter_Type::*feld;
    const char* name;
    double min, max;
};
constexpr Reelles_Feld Reelle_Felder[7] = {
    {&Parameter_Type::Laenge, "Länge", Laenge_Min, Laenge_Max},
    {&Parameter_Type::Breite, "Breite", -Breite_Max, Breite_Max},
    {&Parameter_Type::Hoehe, "Höhe", Hoehe_Min, Hoehe_Max},
    {&Parameter_Type::DE_Korr_40, "Deklinationskorrektur 40cm", -DE_Korr_Max, DE_Korr_Max},
    {&Parameter_Type::SW_Korr_40, "Stundenwinkelkorrektur 40cm", -SW_Korr_Max, SW_Korr_Max},
    {&Parameter_Type::DE_Korr_60, "Deklinationskorrektur 60cm", -DE_Korr_Max, DE_Korr_Max},
    {&Parameter_Type::SW_Korr_60, "Stundenwinkelkorrektur 60cm", -SW_Korr_Max, SW_Korr_Max},
};

[[noreturn]] void Ausserhalb(const std::string& was, const std::string& name, int zeile) {
    throw Ein_Ausgabe_Fehler(Wo(name, zeile) + ": " + was);
}

} // namespace

std::string Parameter_Text(const Parameter_Type& p) {
    const double reelle[7] = {p.Laenge,     p.Breite,     p.Hoehe,     p.DE_Korr_40,
                              p.SW_Korr_40, p.DE_Korr_60, p.SW_Korr_60};
    std::string text =
        Rechtsbuendig(std::to_string(p.Instrument), 4) + Utf8_Zu_Cp1252(Kommentare[0]) + "\r\n";
    for (int i = 0; i < 7; ++i)
        text += Rechtsbuendig(Fest(reelle[i], 5), 10) + Utf8_Zu_Cp1252(Kommentare[i + 1]) + "\r\n";
    return text;
}

void Parameter_Aus_Text(std::string_view text, Parameter_Type& p, const std::string& name) {
    Zahlen_Leser leser(text);
    const std::string_view instrument = leser.Naechstes();
    if (instrument.empty())
        throw Ein_Ausgabe_Fehler(name + " enthält keine Werte (leer oder nur Leerzeichen)");
    const std::int32_t cm = Ganzzahl(instrument, name, leser.Zeile());
    if (cm != 40 && cm != 60)
        Ausserhalb("Instrument " + std::to_string(cm) + " ist weder 40 noch 60", name,
                   leser.Zeile());
    p.Instrument = cm;
    for (const Reelles_Feld& f : Reelle_Felder) {
        const std::string_view token = leser.Naechstes();
        const double wert = Reell(token, name, leser.Zeile());
        if (!(wert >= f.min && wert <= f.max))
            Ausserhalb(std::string(f.name) + " " + Kurz(wert) + " außerhalb von " + Kurz(f.min) +
                           " bis " + Kurz(f.max),
                       name, leser.Zeile());
        p.*f.feld = wert;
    }
}

void Parameter_Lesen(const std::string& ordner, Parameter_Type& p) {
    p = Parameter_Type{};
    const std::string pfad = Pfad_In(ordner, Parameter_Datei_Name);
    const Datei_Zeiger datei = Datei_Lesend_Oeffnen(pfad, true);
    if (!datei) {
        p = Parameter_Vorgabe();
        return;
    }
    const std::string voll = Voller_Pfad(pfad);
    // Eight short lines: anything beyond a few KiB is not this file.
    std::string text(Max_Parameter_Bytes + 1, '\0');
    text.resize(std::fread(text.data(), 1, text.size(), datei.get()));
    if (std::ferror(datei.get()))
        throw Ein_Ausgabe_Fehler("Lesefehler: " + voll + " (" + std::strerror(errno) + ")");
    if (text.size() > Max_Parameter_Bytes)
        throw Ein_Ausgabe_Fehler(voll + " ist größer als 64 KiB und keine Parameterdatei");
    Parameter_Aus_Text(text, p, voll);
}
