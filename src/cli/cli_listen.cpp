#include "cli/cli_listen.hpp"

#include <signal.h>

#include <atomic>
#include <csignal>

#include "basis/beobachter_angaben.hpp"
#include "bedienung/sitzung.hpp"
#include "buch/oal_export.hpp"
#include "cli/argumente.hpp"
#include "shared/datei_schreiben.hpp"
#include "shared/fehler.hpp"
#include "shared/text.hpp"

namespace {
// Set by SIGTERM or SIGINT while a list is looked up; the lookup stops at the
// next candidate.
std::atomic<bool> abbruch{false};
volatile std::sig_atomic_t abbruch_signal = 0;

extern "C" void Abbruch_Signal(int sig) {
    abbruch_signal = sig;
    abbruch.store(true);
}

// The handlers for the time of the lookup; afterwards the signal's own action again.
struct Signale_Abfangen {
    struct sigaction alt_term {
    }, alt_int{};
    Signale_Abfangen() {
        static_assert(std::atomic<bool>::is_always_lock_free);
        struct sigaction a {};
        a.sa_handler = Abbruch_Signal;
        sigemptyset(&a.sa_mask);
        sigaction(SIGTERM, &a, &alt_term);
        sigaction(SIGINT, &a, &alt_int);
    }
    ~Signale_Abfangen() {
        sigaction(SIGTERM, &alt_term, nullptr);
        sigaction(SIGINT, &alt_int, nullptr);
    }
};
} // namespace

int Cli_Liste(const Cli_Argumente& arg, Sitzung& sitzung, std::ostream& aus, std::ostream& fehler) {
    Beobachtungsliste liste;
    try {
        liste = Liste_Lesen(arg.Liste);
    } catch (const std::exception& f) {
        fehler << f.what() << "\n";
        return 2;
    }
    std::vector<std::string> hinweise = liste.Hinweise;
    std::vector<Listen_Zeile> zeilen;
    {
        const Signale_Abfangen signale;
        zeilen = sitzung.Liste_Aufloesen(liste, hinweise, &abbruch);
    }
    if (abbruch.load()) {
        // Ended as the signal would have ended it, after saying so.
        fehler << arg.Liste << ": Suche abgebrochen (Signal " << abbruch_signal << ")\n";
        fehler.flush();
        std::signal(abbruch_signal, SIG_DFL);
        std::raise(abbruch_signal);
        return 2;
    }
    for (const std::string& h : hinweise) fehler << h << "\n";
    for (const Listen_Zeile& z : zeilen) {
        if (z.Gefunden)
            aus << z.Eingabe << '\t' << z.Bezeichnung << '\t' << z.Objektzeile << '\t'
                << z.Hoehe_Text << '\t' << z.Sicht.Text << '\n';
        else
            aus << z.Eingabe << "\t\tNicht gefunden\t\t\n";
    }
    return 0;
}

int Cli_Notieren(const Cli_Argumente& arg, Sitzung& sitzung, std::ostream& fehler) {
    std::optional<Buch_Eintrag> e = sitzung.Notiz_Entwurf();
    if (!e) return 1;
    e->Notiz = *arg.Notiz;
    try {
        sitzung.Notieren(*e);
    } catch (const std::exception& f) {
        fehler << f.what() << "\n";
        return 2;
    }
    return 0;
}

int Cli_Buch_Export(const Cli_Argumente& arg, Sitzung& sitzung, std::ostream& fehler) {
    try {
        const Beobachtungsbuch buch = Buch_Lesen(sitzung.Buch_Pfad());
        for (const std::string& h : buch.Hinweise) fehler << h << "\n";
        const std::string k = Klein(arg.Buch_Export);
        const bool xml = k.size() > 4 && k.compare(k.size() - 4, 4, ".xml") == 0;
        const bool csv = k.size() > 4 && k.compare(k.size() - 4, 4, ".csv") == 0;
        if (!xml && !csv) {
            fehler << "--buch-export: " << arg.Buch_Export
                   << " endet weder auf .xml noch auf .csv\n";
            return 2;
        }
        std::string text;
        if (csv) {
            text = Buch_Csv_Text(buch.Eintraege);
        } else {
            const Beobachter_Angaben b = Beobachter_Angaben_Lesen(Einstellungen_Pfad_Ohne_Qt());
            if (!b.Vollstaendig()) {
                fehler << "Für den OAL-Export fehlen Beobachter oder Brennweiten in "
                       << Einstellungen_Pfad_Ohne_Qt()
                       << " (einmal im Fenster unter Datei > Beobachtungsbuch… > Exportieren "
                          "angeben)\n";
                return 2;
            }
            Oal_Angaben a;
            a.Vorname = b.Vorname;
            a.Nachname = b.Nachname;
            a.Brennweite_40 = b.Brennweite_40;
            a.Brennweite_60 = b.Brennweite_60;
            a.Laenge = sitzung.Parameter().Laenge;
            a.Breite = sitzung.Parameter().Breite;
            a.Hoehe = sitzung.Parameter().Hoehe;
            a.Zeitzone_Minuten = -sitzung.Zeitzone().Bias;
            text = Oal_Text(buch.Eintraege, a);
        }
        Datei_Atomar_Schreiben(arg.Buch_Export, text);
        return 0;
    } catch (const std::exception& f) {
        fehler << f.what() << "\n";
        return 2;
    }
}
