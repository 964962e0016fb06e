#include "app/parameter_datei.hpp"

#include <QSaveFile>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

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

// Reads number tokens one line at a time, the way the file has always been read.
class Zahlen_Leser {
public:
    explicit Zahlen_Leser(std::string_view text) : text_(text) {}

    // The next token, empty at the end of the file; then skips the rest of its line.
    std::string_view Naechstes() {
        while (pos_ < text_.size() && (Trenner(text_[pos_]) || Zeilenende(text_[pos_]))) ++pos_;
        const std::size_t anfang = pos_;
        while (pos_ < text_.size() && !Trenner(text_[pos_]) && !Zeilenende(text_[pos_])) ++pos_;
        const std::string_view token = text_.substr(anfang, pos_ - anfang);
        while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
        if (pos_ < text_.size()) ++pos_;
        return token;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

[[noreturn]] void Ungueltig(std::string_view token) {
    throw Ein_Ausgabe_Fehler("Invalid numeric input: '" + Cp1252_Zu_Utf8(token) + "' in " +
                             Parameter_Datei_Name);
}

std::int32_t Ganzzahl(std::string_view token) {
    if (token.empty()) return 0;
    if (token.size() > 32) Ungueltig(token);
    // A number typed by hand may carry a sign.
    const bool minus = token[0] == '-';
    const auto wert = Ganzzahl_Versuchen(minus || token[0] == '+' ? token.substr(1) : token);
    if (!wert) Ungueltig(token);
    return minus ? -*wert : *wert;
}

double Reell(std::string_view token) {
    if (token.empty()) return 0;
    if (token.size() > 64) Ungueltig(token);
    const auto wert = Reell_Versuchen(token);
    if (!wert || !std::isfinite(*wert)) Ungueltig(token);
    return *wert;
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

void Parameter_Aus_Text(std::string_view text, Parameter_Type& p) {
    Zahlen_Leser leser(text);
    p.Instrument = Ganzzahl(leser.Naechstes());
    double* reelle[7] = {&p.Laenge,     &p.Breite,     &p.Hoehe,     &p.DE_Korr_40,
                         &p.SW_Korr_40, &p.DE_Korr_60, &p.SW_Korr_60};
    for (double* feld : reelle) *feld = Reell(leser.Naechstes());
}

void Parameter_Lesen(const std::string& ordner, Parameter_Type& p) {
    p = Parameter_Type{};
    const std::string pfad = Pfad_In(ordner, Parameter_Datei_Name);
    std::error_code fehler;
    if (!std::filesystem::exists(pfad, fehler)) {
        p = Parameter_Vorgabe();
        return;
    }
    if (std::filesystem::is_directory(pfad, fehler))
        throw Ein_Ausgabe_Fehler(std::string(Parameter_Datei_Name) + ": " + std::strerror(EISDIR));
    std::ifstream datei(pfad, std::ios::binary);
    if (!datei)
        throw Ein_Ausgabe_Fehler(std::string(Parameter_Datei_Name) + ": " + std::strerror(errno));
    const std::string text{std::istreambuf_iterator<char>(datei), std::istreambuf_iterator<char>()};
    if (datei.bad())
        throw Ein_Ausgabe_Fehler(std::string(Parameter_Datei_Name) + ": " + std::strerror(errno));
    Parameter_Aus_Text(text, p);
}

void Parameter_Schreiben(const std::string& ordner, const Parameter_Type& p) {
    const std::string text = Parameter_Text(p);
    QSaveFile datei(QString::fromStdString(Pfad_In(ordner, Parameter_Datei_Name)));
    if (!datei.open(QIODevice::WriteOnly) ||
        datei.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size()) ||
        !datei.commit())
        throw Ein_Ausgabe_Fehler(
            std::string(Parameter_Datei_Name) +
            " kann nicht geschrieben werden: " + datei.errorString().toStdString());
}
