#include "cli/argumente.hpp"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <map>
#include <stdexcept>
#include <string_view>

#include "karte/karte_projektion.hpp"
#include "shared/zahlen.hpp"
#include "time/kalender.hpp"

namespace {
// Every option that takes a value. Its value is always the next argument,
// whatever it looks like (a note may begin with "-"): the parser gets the
// pair joined as --name=value.
constexpr std::string_view Mit_Wert[] = {
    "--zeit",   "--daten",           "--asteroiden-url", "--kometen-url", "--karte",
    "--feld",   "--schema",          "--liste",          "--notieren",    "--buch-export",
    "--grenze", "--modell-anpassen", "--instrument"};
constexpr std::string_view Schalter[] = {"--zehntel",    "--aktualisieren", "--erzwingen",
                                         "--refraktion", "--zweikoerper",   "--beobachtbar",
                                         "--help"};

bool Hat_Wert(std::string_view arg) {
    for (std::string_view o : Mit_Wert)
        if (arg == o) return true;
    return false;
}

// Takes one value of an option as the command line gives it, in order.
void Wert_Nehmen(Cli_Argumente& a, std::string_view option, const std::string& t) {
    if (option == "--zeit") {
        a.JD_UT = Zeitpunkt_Lesen(t);
        if (!a.JD_UT)
            throw std::invalid_argument("ungültige Zeit: " + t +
                                        " (kein Datum des Kalenders oder keine Uhrzeit "
                                        "00:00:00 bis 23:59:59.999)");
    } else if (option == "--daten") {
        a.Daten = t;
        if (a.Daten.empty()) throw std::invalid_argument("--daten braucht einen Ordner");
    } else if (option == "--asteroiden-url") {
        a.Asteroiden_Url = t;
    } else if (option == "--kometen-url") {
        a.Kometen_Url = t;
    } else if (option == "--karte") {
        a.Karte = t;
        if (a.Karte.empty()) throw std::invalid_argument("--karte braucht einen Dateinamen");
    } else if (option == "--feld") {
        const auto feld = Reell_Versuchen(t);
        if (!feld || !Feld_Gueltig(*feld))
            throw std::invalid_argument("ungültiges Feld: " + t + " (über 0 bis 90 Grad)");
        a.Feld = *feld;
    } else if (option == "--schema") {
        a.Schema = t;
        if (a.Schema != "bildschirm" && a.Schema != "druck" && a.Schema != "nacht")
            throw std::invalid_argument("unbekanntes Schema: " + a.Schema +
                                        " (bildschirm, druck, nacht)");
    } else if (option == "--liste") {
        a.Liste = t;
        if (a.Liste.empty()) throw std::invalid_argument("--liste braucht einen Dateinamen");
    } else if (option == "--notieren") {
        a.Notiz = t;
    } else if (option == "--buch-export") {
        a.Buch_Export = t;
        if (a.Buch_Export.empty())
            throw std::invalid_argument("--buch-export braucht einen Dateinamen");
    } else if (option == "--grenze") {
        const auto g = Reell_Versuchen(t);
        if (!g || !(*g >= -30 && *g <= 30))
            throw std::invalid_argument("ungültige Grenze: " + t + " (-30 bis 30 mag)");
        a.Grenze = *g;
    } else if (option == "--modell-anpassen") {
        a.Sichtungen = t;
        if (a.Sichtungen.empty())
            throw std::invalid_argument("--modell-anpassen braucht eine Datei");
    } else if (option == "--instrument") {
        if (t != "40" && t != "60")
            throw std::invalid_argument("unbekanntes Instrument: " + t + " (40 oder 60)");
        a.Instrument = t == "40" ? 40 : 60;
    }
}
} // namespace

Cli_Argumente Argumente_Lesen(const std::vector<std::string>& argumente) {
    // What is an option is decided here, as the command line always did: a
    // word beginning with "--", or -h; everything else is a designation. An
    // option's value is the next word, whatever it looks like (a note may
    // begin with "-", a folder may be empty): the parser sees only its index.
    std::vector<std::string> optionen, werte, bezeichnungen, unbekannt;
    for (std::size_t i = 0; i < argumente.size(); ++i) {
        const std::string& arg = argumente[i];
        if (Hat_Wert(arg)) {
            if (i + 1 >= argumente.size()) throw std::invalid_argument(arg + " braucht einen Wert");
            optionen.push_back(arg + "=" + std::to_string(werte.size()));
            werte.push_back(argumente[++i]);
        } else if (arg == "-h" || (arg.size() > 1 && arg[0] == '-' && arg[1] == '-' &&
                                   arg.find('=') == arg.npos && arg != "--")) {
            optionen.push_back(arg);
        } else if (arg.size() > 1 && arg[0] == '-' && arg[1] == '-') {
            optionen.push_back(arg); // "--" or "--name=value": unknown here
            unbekannt.push_back(arg);
        } else {
            bezeichnungen.push_back(arg);
        }
    }

    CLI::App app{"stelux-cli"};
    app.set_help_flag(); // the help text is Cli_Hilfe, printed by the caller
    app.allow_extras();  // unknown options, reported in German below
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    std::map<const CLI::Option*, std::string_view> namen;
    for (std::string_view o : Mit_Wert)
        namen[app.add_option(std::string(o))->allow_extra_args(false)] = o;
    for (std::string_view o : Schalter) namen[app.add_flag(std::string(o))] = o;
    namen[app.add_flag("-h")] = "--help";
    std::vector<std::string> rueckwaerts; // CLI11 takes the words last first
    for (auto w = optionen.rbegin(); w != optionen.rend(); ++w)
        if (std::find(unbekannt.begin(), unbekannt.end(), *w) == unbekannt.end())
            rueckwaerts.push_back(*w);
    try {
        app.parse(rueckwaerts);
    } catch (const CLI::ParseError& e) {
        throw std::invalid_argument(std::string("ungültiger Aufruf: ") + e.what());
    }

    // The options in the order given, each checked as it comes; an unknown one
    // stops there as well.
    for (std::string& rest : app.remaining()) unbekannt.push_back(std::move(rest));
    Cli_Argumente a;
    std::map<const CLI::Option*, std::size_t> gelesen;
    std::size_t naechste = 0; // in app.parse_order(), which holds the known ones in order
    for (const std::string& wort : optionen) {
        if (std::find(unbekannt.begin(), unbekannt.end(), wort) != unbekannt.end())
            throw std::invalid_argument("unbekannte Option: " + wort);
        const CLI::Option* o = app.parse_order().at(naechste++);
        const std::string_view name = namen.at(o);
        if (name == "--zehntel")
            a.Zehntel = true;
        else if (name == "--aktualisieren")
            a.Aktualisieren = true;
        else if (name == "--erzwingen")
            a.Erzwingen = true;
        else if (name == "--refraktion")
            a.Refraktion = true;
        else if (name == "--zweikoerper")
            a.Zweikoerper = true;
        else if (name == "--beobachtbar")
            a.Beobachtbar = true;
        else if (name == "--help")
            a.Hilfe = true;
        else
            Wert_Nehmen(a, name, werte.at(std::stoul(o->results().at(gelesen[o]++))));
    }
    const bool bezeichnung_da = !bezeichnungen.empty();
    if (bezeichnung_da) {
        a.Bezeichnung = bezeichnungen.front();
        a.Weitere.assign(bezeichnungen.begin() + 1, bezeichnungen.end());
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
