#include "cli/cli_lauf.hpp"

#include "basis/parameter_datei.hpp"
#include "basis/plattform_basis.hpp"
#include "bedienung/cli_schluessel.hpp"
#include "bedienung/sitzung.hpp"
#include "catalog/objekt_suche.hpp"
#include "cli/argumente.hpp"
#include "cli/cli_listen.hpp"
#include "cli/cli_weitergabe.hpp"
#include "shared/fehler.hpp"

int Cli_Ausfuehren(const std::vector<std::string>& argumente, std::ostream& aus,
                   std::ostream& fehler, const Cli_Erweiterungen& erweiterungen) {
    Cli_Argumente arg;
    try {
        arg = Argumente_Lesen(argumente);
    } catch (const std::exception& f) {
        fehler << f.what() << "\n" << Cli_Aufruf << "\n";
        return 2;
    }
    if (arg.Hilfe) {
        aus << Cli_Hilfe;
        return 0;
    }
    if (arg.Aktualisieren) {
        if (erweiterungen.Aktualisieren) return erweiterungen.Aktualisieren(arg, fehler);
        fehler << "--aktualisieren nur mit " << Cli_Voll_Name << "\n";
        return 2;
    }
    try {
        // The PC clock is the instant in the local zone (TZ decides).
        const double jd_ut = arg.JD_UT ? *arg.JD_UT : Jetzt_JD_UT();
        const Zeitzone_Info zone = Zeitzone_Zum_JD(jd_ut);
        const double jd_pc = jd_ut - Zeitzone_Versatz_Minuten(zone) / 1440.0;

        Sitzung sitzung;
        sitzung.Elemente_Bei_Bedarf();
        std::string daten = arg.Daten.empty() ? Daten_Ordner_Ermitteln() : arg.Daten;
        if (!daten.empty() && daten.back() != '/') daten += '/';
        sitzung.Daten_Ordner_Setzen(daten);
        // Read only; stelux-cli never writes it.
        Parameter_Type parameter;
        Parameter_Lesen(daten, parameter);
        sitzung.Parameter_Uebernehmen(parameter);
        sitzung.Zehntel_Setzen(arg.Zehntel);
        sitzung.Refraktion_Setzen(arg.Refraktion);
        sitzung.Zweikoerper_Setzen(arg.Zweikoerper);

        // The clock first: the lookup is made at its instant.
        sitzung.Uhr_Schritt(jd_pc, zone);
        if (!arg.Liste.empty()) return Cli_Liste(arg, sitzung, aus, fehler);
        if (!arg.Buch_Export.empty()) return Cli_Buch_Export(arg, sitzung, fehler);
        const Auswahl_Ergebnis auswahl = sitzung.Auswaehlen(arg.Bezeichnung);
        if (auswahl.Fehler) std::rethrow_exception(auswahl.Fehler);
        if (!auswahl.Meldung.empty()) fehler << auswahl.Meldung << "\n";
        const bool gefunden = auswahl.Gefunden;
        const Anzeige& anzeige = auswahl.Stand;
        for (const Cli_Schluessel& s : Cli_Schluessel_Tabelle())
            aus << s.Name << '\t' << s.Wert(anzeige) << '\n';

        if (!arg.Bezeichnung.empty() && !gefunden) {
            fehler << "Nicht gefunden: " << arg.Bezeichnung << "\n";
            return 1;
        }
        if (arg.Notiz) return Cli_Notieren(arg, sitzung, fehler);
        if (!arg.Karte.empty()) {
            if (!erweiterungen.Karte)
                throw Ein_Ausgabe_Fehler(std::string("--karte nur mit ") + Cli_Voll_Name);
            erweiterungen.Karte(arg, sitzung.Objekt(), anzeige.Uhr.JD_UT,
                                anzeige.Position.Objekt.Zeile, [&](double jd, Objekt_Type& o) {
                                    // Elements of a hit go to a copy, not to the selection.
                                    Such_Kontext k = sitzung.Kontext(jd);
                                    Asteroid_Type a;
                                    Komet_Type c;
                                    k.Asteroid_Aktuell = &a;
                                    k.Komet_Aktuell = &c;
                                    k.Meldung = nullptr;
                                    return Objekt_Suchen(auswahl.Eingabe, k, o);
                                });
        }
        return 0;
    } catch (const std::exception& f) {
        fehler << f.what() << "\n";
        return 2;
    }
}
