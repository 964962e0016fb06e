#include "cli_voll/aktualisieren.hpp"

#include <QCoreApplication>
#include <memory>

#include "app/bahnelemente_laden.hpp"
#include "app/einstellungen.hpp"
#include "app/plattform.hpp"
#include "cli/argumente.hpp"

int Cli_Aktualisieren(const Cli_Argumente& arg, std::ostream& fehler) {
    // The network needs an application object; stelux-cli makes none otherwise.
    std::unique_ptr<QCoreApplication> app;
    int argc = 1;
    char name[] = "stelux-cli";
    char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) app = std::make_unique<QCoreApplication>(argc, argv);
    try {
        Aktualisierungs_Auftrag auftrag;
        auftrag.Asteroiden_Url =
            !arg.Asteroiden_Url.empty()
                ? arg.Asteroiden_Url
                : Einstellung_Text_Lesen(Einstellung_Asteroiden_Url, Vorgabe_Asteroiden_Url);
        auftrag.Kometen_Url =
            !arg.Kometen_Url.empty()
                ? arg.Kometen_Url
                : Einstellung_Text_Lesen(Einstellung_Kometen_Url, Vorgabe_Kometen_Url);
        auftrag.Ordner = arg.Daten.empty() ? Daten_Ordner_Ermitteln() : arg.Daten;
        auftrag.Erzwingen = arg.Erzwingen;
        const std::string bericht = Bahnelemente_Aktualisieren(
            auftrag, [&](const std::string& zeile) { fehler << zeile << std::endl; });
        fehler << bericht << "\n";
        return 0;
    } catch (const Schwund_Fehler& f) {
        fehler << "Bahnelemente nicht aktualisiert: " << f.what()
               << ". Mit --erzwingen wird sie trotzdem installiert; die bisherigen Dateien "
                  "bleiben unverändert.\n";
        return 2;
    } catch (const std::exception& f) {
        fehler << "Bahnelemente nicht aktualisiert: " << f.what() << "\n";
        return 2;
    }
}
