#include "cli/cli_listen.hpp"

#include "basis/beobachter_angaben.hpp"
#include "bedienung/sitzung.hpp"
#include "buch/oal_export.hpp"
#include "cli/argumente.hpp"
#include "shared/datei_schreiben.hpp"
#include "shared/fehler.hpp"
#include "shared/text.hpp"

int Cli_Liste(const Cli_Argumente& arg, Sitzung& sitzung, std::ostream& aus, std::ostream& fehler) {
    Beobachtungsliste liste;
    try {
        liste = Liste_Lesen(arg.Liste);
    } catch (const std::exception& f) {
        fehler << f.what() << "\n";
        return 2;
    }
    std::vector<std::string> hinweise = liste.Hinweise;
    const std::vector<Listen_Zeile> zeilen = sitzung.Liste_Aufloesen(liste, hinweise);
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
