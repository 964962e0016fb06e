#include "cli/modell_anpassen.hpp"

#include "basis/parameter_datei.hpp"
#include "basis/plattform_basis.hpp"
#include "bedienung/abgleich.hpp"
#include "cli/argumente.hpp"
#include "shared/datei_oeffnen.hpp"
#include "shared/datei_schreiben.hpp"
#include "shared/fehler.hpp"
#include "shared/konstanten.hpp"
#include "shared/zahlen.hpp"
#include "shared/zeilen_leser.hpp"
#include "time/zeitpunkt.hpp"

int Modell_Anpassen_Ausfuehren(const Cli_Argumente& arg, std::ostream& aus, std::ostream& fehler) {
    try {
        std::string daten = arg.Daten.empty() ? Daten_Ordner_Ermitteln() : arg.Daten;
        if (!daten.empty() && daten.back() != '/') daten += '/';
        Parameter_Type parameter;
        Parameter_Lesen(daten, parameter);

        const std::string& pfad = arg.Sichtungen;
        if (!Datei_Lesend_Oeffnen(pfad, true)) throw Datei_Nicht_Gefunden(Voller_Pfad(pfad));
        const std::vector<Abgleich_Sichtung> sichtungen = Abgleich_Lesen(pfad);
        if (sichtungen.empty())
            throw Bereichs_Fehler(Voller_Pfad(pfad) + ": keine Sichtung zum Anpassen");
        const int instrument = arg.Instrument ? arg.Instrument : sichtungen.front().Instrument;
        const Modell_Anpassung e = Modell_Anpassen(
            Abgleich_Eingaben(sichtungen, instrument, parameter, daten, arg.Refraktion, pfad),
            parameter.Breite * Grad_Zu_Rad, false);
        for (const std::string& h : e.Hinweise) fehler << h << "\n";
        if (!e.Abgelehnt.empty()) {
            fehler << "Zeigemodell abgelehnt, nicht geschrieben: " << e.Abgelehnt << "\n";
            return 3;
        }

        Zeigemodell m = e.Modell;
        m.Datum = Zeitpunkt_Text(Jetzt_JD_UT());
        Datei_Atomar_Schreiben(
            Pfad_In(daten, Zeigemodell_Dateiname(instrument)),
            Zeigemodell_Text(m, instrument, static_cast<int>(sichtungen.size())));
        for (int t = 0; t < Modell_Terme; ++t)
            if (m.Aktiv[t])
                aus << Modell_Term_Namen[t] << '\t' << Voll(m.Wert[t]) << '\t' << Voll(m.Sigma[t])
                    << '\n';
        aus << "RMS\t" << Voll(m.RMS) << '\n';
        for (std::size_t i = 0; i < e.Ausreisser.size(); ++i)
            if (e.Ausreisser[i])
                aus << "Nicht_verwendet\t" << i + 1 << '\t' << sichtungen[i].Bezeichnung << '\n';
        return 0;
    } catch (const std::exception& f) {
        fehler << f.what() << "\n";
        return 2;
    }
}
