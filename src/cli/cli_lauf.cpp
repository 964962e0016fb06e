#include "cli/cli_lauf.hpp"

#include "basis/parameter_datei.hpp"
#include "basis/plattform_basis.hpp"
#include "bedienung/beobachtbar_liste.hpp"
#include "bedienung/cli_schluessel.hpp"
#include "bedienung/sitzung.hpp"
#include "cli/argumente.hpp"
#include "cli/cli_listen.hpp"
#include "cli/cli_weitergabe.hpp"
#include "cli/modell_anpassen.hpp"
#include "shared/fehler.hpp"
#include "shared/kern_text.hpp"

namespace {
// The list "Jetzt beobachtbar" at the session's instant, with the element
// tables of the data folder; a missing or damaged file is said and costs
// only its part.
int Beobachtbar_Ausgeben(Sitzung& sitzung, std::optional<double> grenze, std::ostream& aus,
                         std::ostream& fehler) {
    for (const Element_Ladung& l : sitzung.Elemente_Zeilen_Laden())
        if (!l.Fehler.empty()) fehler << l.Fehler << "\n";
    sitzung.Elemente_Auswerten();
    Beobachtbar_Eingabe e = Beobachtbar_Eingabe_Von(sitzung);
    Beobachtbar_Filter filter;
    if (grenze) filter.Grenz_Mag = filter.Deepsky_Grenz_Mag = *grenze;
    e.Grenz_Mag = filter.Grenz_Mag;
    const Beobachtbar_Katalog katalog = Beobachtbar_Katalog_Bauen(e.Kontext.Katalog_Ordner);
    for (const std::string& h : katalog.Hinweise) fehler << h << "\n";
    for (const std::string& z : Beobachtbar_Zeilen_Text(Jetzt_Beobachtbar(katalog, e), filter))
        aus << z << '\n';
    return 0;
}
} // namespace

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
    if (!arg.Sichtungen.empty()) return Modell_Anpassen_Ausfuehren(arg, aus, fehler);
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
        // A damaged model file is said and left out, never half applied.
        for (const std::string& m : sitzung.Modelle_Laden()) fehler << m << "\n";
        sitzung.Zehntel_Setzen(arg.Zehntel);
        sitzung.Refraktion_Setzen(arg.Refraktion);
        sitzung.Zweikoerper_Setzen(arg.Zweikoerper);
        sitzung.Zeitpunkt_Gewaehlt(arg.JD_UT.has_value());

        // The clock first: the lookup is made at its instant. Several
        // designations (charts into one PDF) print their readings in turn.
        sitzung.Uhr_Schritt(jd_pc, zone);
        if (arg.Beobachtbar) return Beobachtbar_Ausgeben(sitzung, arg.Grenze, aus, fehler);
        if (!arg.Liste.empty()) return Cli_Liste(arg, sitzung, aus, fehler);
        if (!arg.Buch_Export.empty()) return Cli_Buch_Export(arg, sitzung, fehler);
        std::vector<std::string> bezeichnungen{arg.Bezeichnung};
        bezeichnungen.insert(bezeichnungen.end(), arg.Weitere.begin(), arg.Weitere.end());
        std::vector<Karten_Auftrag> karten;
        bool alle_gefunden = true;
        for (const std::string& bezeichnung : bezeichnungen) {
            const Auswahl_Ergebnis auswahl = sitzung.Auswaehlen(bezeichnung);
            if (auswahl.Fehler) std::rethrow_exception(auswahl.Fehler);
            if (!auswahl.Meldung.empty()) fehler << auswahl.Meldung << "\n";
            const Anzeige& anzeige = auswahl.Stand;
            for (const Cli_Schluessel& s : Cli_Schluessel_Tabelle())
                aus << s.Name << '\t' << s.Wert(anzeige) << '\n';
            if (!bezeichnung.empty() && !auswahl.Gefunden) {
                fehler << "Nicht gefunden: " << bezeichnung << "\n";
                alle_gefunden = false;
                continue;
            }
            // A printed chart names its instant: a chosen one as a plan.
            const std::string zeitpunkt =
                anzeige.Zeitpunkt.empty()
                    ? Kt("Stand %1 (%2)", {anzeige.Uhr.PC_Zeit, anzeige.Uhr.Zone})
                    : Kt("PLANUNG %1", {anzeige.Zeitpunkt});
            karten.push_back({sitzung.Objekt(), anzeige.Position.Objekt.Zeile,
                              [&sitzung, eingabe = auswahl.Eingabe](double jd, Objekt_Type& o) {
                                  return sitzung.Nachschlagen(eingabe, jd, o);
                              },
                              zeitpunkt});
        }
        if (!alle_gefunden) return 1;
        if (arg.Notiz) return Cli_Notieren(arg, sitzung, fehler);
        if (!arg.Karte.empty()) {
            if (!erweiterungen.Karte)
                throw Ein_Ausgabe_Fehler(std::string("--karte nur mit ") + Cli_Voll_Name);
            erweiterungen.Karte(arg, karten, sitzung.JD_UT());
        }
        return 0;
    } catch (const std::exception& f) {
        fehler << f.what() << "\n";
        return 2;
    }
}
