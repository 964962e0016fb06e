#include "cli/argumente.hpp"

#include <stdexcept>

#include "pointing/karte_projektion.hpp"
#include "shared/zahlen.hpp"
#include "time/kalender.hpp"

std::optional<double> Zeitpunkt_Lesen(const std::string& t) {
    // Fixed positions: 0123-56-89T12:45:78[.fff]
    if (t.size() < 19 || t[4] != '-' || t[7] != '-' || (t[10] != 'T' && t[10] != ' ') ||
        t[13] != ':' || t[16] != ':')
        return std::nullopt;
    auto zahl = [&](std::size_t von, std::size_t laenge) -> std::optional<int> {
        for (std::size_t i = von; i < von + laenge; ++i)
            if (t[i] < '0' || t[i] > '9') return std::nullopt;
        return Ganzzahl_Versuchen(std::string_view(t).substr(von, laenge));
    };
    const auto Y = zahl(0, 4), M = zahl(5, 2), D = zahl(8, 2), h = zahl(11, 2), m = zahl(14, 2);
    if (!Y || !M || !D || !h || !m) return std::nullopt;
    const std::string sek = t.substr(17);
    if (sek.size() < 2 || sek[0] < '0' || sek[0] > '9' || sek[1] < '0' || sek[1] > '9')
        return std::nullopt;
    if (sek.size() > 2 && (sek[2] != '.' || sek.size() == 3)) return std::nullopt;
    for (std::size_t i = 3; i < sek.size(); ++i)
        if (sek[i] < '0' || sek[i] > '9') return std::nullopt;
    const auto s = Reell_Versuchen(sek);
    if (!s) return std::nullopt;
    if (*M < 1 || *M > 12 || *D < 1 || *D > 31 || *h > 23 || *m > 59 || *s >= 60)
        return std::nullopt;
    // The date must exist in the calendar of the time library (29 February
    // only in leap years; 5 to 14 October 1582 not at all): noon of that day
    // must give the same date back.
    double mittag = 0;
    Datum_Zu_JD(*Y, *M, *D, 12, 0, 0, mittag);
    std::int32_t y = 0, mo = 0, d = 0;
    double hh = 0, mm = 0, ss = 0;
    JD_Zu_Datum(mittag, y, mo, d, hh, mm, ss);
    if (y != *Y || mo != *M || d != *D) return std::nullopt;
    double jd = 0;
    Datum_Zu_JD(*Y, *M, *D, *h, *m, *s, jd);
    return jd;
}

Cli_Argumente Argumente_Lesen(const std::vector<std::string>& argumente) {
    Cli_Argumente a;
    bool bezeichnung_da = false;
    for (std::size_t i = 0; i < argumente.size(); ++i) {
        const std::string& arg = argumente[i];
        auto wert = [&]() -> const std::string& {
            if (i + 1 >= argumente.size()) throw std::invalid_argument(arg + " braucht einen Wert");
            return argumente[++i];
        };
        if (arg == "--zeit") {
            const std::string& t = wert();
            a.JD_UT = Zeitpunkt_Lesen(t);
            if (!a.JD_UT)
                throw std::invalid_argument("ungültige Zeit: " + t +
                                            " (kein Datum des Kalenders oder keine Uhrzeit "
                                            "00:00:00 bis 23:59:59.999)");
        } else if (arg == "--daten") {
            a.Daten = wert();
            if (a.Daten.empty()) throw std::invalid_argument("--daten braucht einen Ordner");
        } else if (arg == "--zehntel") {
            a.Zehntel = true;
        } else if (arg == "--aktualisieren") {
            a.Aktualisieren = true;
        } else if (arg == "--asteroiden-url") {
            a.Asteroiden_Url = wert();
        } else if (arg == "--kometen-url") {
            a.Kometen_Url = wert();
        } else if (arg == "--erzwingen") {
            a.Erzwingen = true;
        } else if (arg == "--karte") {
            a.Karte = wert();
            if (a.Karte.empty()) throw std::invalid_argument("--karte braucht einen Dateinamen");
        } else if (arg == "--feld") {
            const std::string& t = wert();
            const auto feld = Reell_Versuchen(t);
            if (!feld || !Feld_Gueltig(*feld))
                throw std::invalid_argument("ungültiges Feld: " + t + " (über 0 bis 90 Grad)");
            a.Feld = *feld;
        } else if (arg == "--schema") {
            a.Schema = wert();
            if (a.Schema != "bildschirm" && a.Schema != "druck" && a.Schema != "nacht")
                throw std::invalid_argument("unbekanntes Schema: " + a.Schema +
                                            " (bildschirm, druck, nacht)");
        } else if (arg == "--liste") {
            a.Liste = wert();
            if (a.Liste.empty()) throw std::invalid_argument("--liste braucht einen Dateinamen");
        } else if (arg == "--notieren") {
            a.Notiz = wert();
        } else if (arg == "--buch-export") {
            a.Buch_Export = wert();
            if (a.Buch_Export.empty())
                throw std::invalid_argument("--buch-export braucht einen Dateinamen");
        } else if (arg == "--help" || arg == "-h") {
            a.Hilfe = true;
        } else if (arg == "--refraktion") {
            a.Refraktion = true;
        } else if (arg == "--zweikoerper") {
            a.Zweikoerper = true;
        } else if (arg.size() > 1 && arg[0] == '-' && arg[1] == '-') {
            throw std::invalid_argument("unbekannte Option: " + arg);
        } else {
            if (bezeichnung_da) throw std::invalid_argument("mehr als eine Bezeichnung: " + arg);
            a.Bezeichnung = arg;
            bezeichnung_da = true;
        }
    }
    if (!a.Aktualisieren && (!a.Asteroiden_Url.empty() || !a.Kometen_Url.empty()))
        throw std::invalid_argument(
            "--asteroiden-url und --kometen-url gehören zu --aktualisieren");
    if (!a.Aktualisieren && a.Erzwingen)
        throw std::invalid_argument("--erzwingen gehört zu --aktualisieren");
    if (a.Aktualisieren && (bezeichnung_da || a.JD_UT || a.Zehntel))
        throw std::invalid_argument("--aktualisieren nimmt nur --asteroiden-url, --kometen-url, "
                                    "--erzwingen und --daten");
    const auto da = [&](const char* option) {
        for (const std::string& x : argumente)
            if (x == option) return true;
        return false;
    };
    if (a.Karte.empty() && (da("--feld") || da("--schema")) && !a.Hilfe)
        throw std::invalid_argument("--feld und --schema nur mit --karte");
    if (!a.Karte.empty() && a.Bezeichnung.empty() && !a.Hilfe)
        throw std::invalid_argument("--karte braucht eine Bezeichnung");
    if (!a.Hilfe) {
        const int befehle = !a.Liste.empty() + a.Notiz.has_value() + !a.Buch_Export.empty() +
                            !a.Karte.empty() + a.Aktualisieren;
        if (befehle > 1)
            throw std::invalid_argument(
                "--liste, --notieren, --buch-export, --karte und --aktualisieren schließen "
                "einander aus");
        if (a.Notiz && a.Bezeichnung.empty())
            throw std::invalid_argument("--notieren braucht eine Bezeichnung");
        if ((!a.Liste.empty() || !a.Buch_Export.empty()) && bezeichnung_da)
            throw std::invalid_argument("--liste und --buch-export nehmen keine Bezeichnung");
    }
    return a;
}
