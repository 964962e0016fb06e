#include "cli/argumente.hpp"

#include <stdexcept>

#include "karte/karte_projektion.hpp"
#include "shared/zahlen.hpp"
#include "time/kalender.hpp"

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
        } else if (arg == "--beobachtbar") {
            a.Beobachtbar = true;
        } else if (arg == "--grenze") {
            const std::string& t = wert();
            const auto g = Reell_Versuchen(t);
            if (!g || !(*g >= -30 && *g <= 30))
                throw std::invalid_argument("ungültige Grenze: " + t + " (-30 bis 30 mag)");
            a.Grenze = *g;
        } else if (arg == "--modell-anpassen") {
            a.Sichtungen = wert();
            if (a.Sichtungen.empty())
                throw std::invalid_argument("--modell-anpassen braucht eine Datei");
        } else if (arg == "--instrument") {
            const std::string& t = wert();
            if (t != "40" && t != "60")
                throw std::invalid_argument("unbekanntes Instrument: " + t + " (40 oder 60)");
            a.Instrument = t == "40" ? 40 : 60;
        } else if (arg.size() > 1 && arg[0] == '-' && arg[1] == '-') {
            throw std::invalid_argument("unbekannte Option: " + arg);
        } else {
            if (bezeichnung_da)
                a.Weitere.push_back(arg);
            else
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
    if (a.Instrument && a.Sichtungen.empty())
        throw std::invalid_argument("--instrument gehört zu --modell-anpassen");
    if (!a.Sichtungen.empty() && (bezeichnung_da || a.JD_UT || a.Aktualisieren || !a.Karte.empty()))
        throw std::invalid_argument("--modell-anpassen nimmt nur --instrument, --daten und "
                                    "--refraktion");
    const auto da = [&](const char* option) {
        for (const std::string& x : argumente)
            if (x == option) return true;
        return false;
    };
    if (a.Karte.empty() && (da("--feld") || da("--schema")) && !a.Hilfe)
        throw std::invalid_argument("--feld und --schema nur mit --karte");
    if (a.Grenze && !a.Beobachtbar && !a.Hilfe)
        throw std::invalid_argument("--grenze nur mit --beobachtbar");
    if (a.Beobachtbar && (bezeichnung_da || !a.Karte.empty() || a.Aktualisieren))
        throw std::invalid_argument("--beobachtbar nimmt keine Bezeichnung, --karte oder "
                                    "--aktualisieren");
    if (!a.Karte.empty() && a.Bezeichnung.empty() && !a.Hilfe)
        throw std::invalid_argument("--karte braucht eine Bezeichnung");
    // Several designations: one page each, which only a PDF holds.
    std::string endung = a.Karte.size() >= 4 ? a.Karte.substr(a.Karte.size() - 4) : "";
    for (char& c : endung)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    const bool pdf = endung == ".pdf";
    if (!a.Weitere.empty() && !pdf)
        throw std::invalid_argument("mehr als eine Bezeichnung: " + a.Weitere.front() +
                                    " (mehrere nur mit --karte DATEI.pdf)");
    if (!a.Hilfe) {
        const int befehle = !a.Liste.empty() + a.Notiz.has_value() + !a.Buch_Export.empty() +
                            !a.Karte.empty() + a.Aktualisieren + a.Beobachtbar +
                            !a.Sichtungen.empty();
        if (befehle > 1)
            throw std::invalid_argument(
                "--liste, --notieren, --buch-export, --karte, --beobachtbar, --modell-anpassen "
                "und --aktualisieren schließen einander aus");
        if (a.Notiz && a.Bezeichnung.empty())
            throw std::invalid_argument("--notieren braucht eine Bezeichnung");
        if ((!a.Liste.empty() || !a.Buch_Export.empty()) && bezeichnung_da)
            throw std::invalid_argument("--liste und --buch-export nehmen keine Bezeichnung");
    }
    return a;
}
