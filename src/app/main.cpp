// Program entry of the desktop program.
#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>
#include <cstdio>
#include <string_view>

#include "app/einzelfenster.hpp"
#include "app/fenster_fehler.hpp"
#include "app/fenster_sprache.hpp"
#include "app/plattform.hpp"
#include "app/stelux_unit_main.hpp"
#include "app/teleskop_server.hpp"
#include "app/versionsinfo.hpp"
#include "basis/plattform_basis.hpp"
#include "basis/versions_block.hpp"
#include "catalog/katalog_ordner.hpp"
#include "teleskop/indi_protokoll.hpp"

STELUX_VERSIONS_BLOCK("stelux", "Stelux - Einstellhilfe für die Teilkreise");

namespace {
// The telescope link's switches: --lx200 [ADRESSE:]PORT, --stellarium-port
// [ADRESSE:]PORT, --indi HOST[:PORT]/GERAET (also as --name=value). They win
// over the settings for this run. False, with the reason on standard error,
// for a bad value.
bool Teleskop_Schalter_Lesen(const QStringList& argumente, Fenster_Start& start) {
    for (qsizetype i = 1; i < argumente.size(); ++i) {
        QString name = argumente[i], wert;
        const qsizetype gleich = name.indexOf('=');
        if (gleich > 0) {
            wert = name.mid(gleich + 1);
            name = name.left(gleich);
        }
        std::string* ziel = name == "--lx200"             ? &start.Lx200
                            : name == "--stellarium-port" ? &start.Stellarium
                            : name == "--indi"            ? &start.Indi
                                                          : nullptr;
        if (!ziel) continue; // other arguments are left alone, as before
        if (gleich < 0) {
            if (++i >= argumente.size()) {
                std::fprintf(stderr, "stelux: %s braucht einen Wert\n", qPrintable(name));
                return false;
            }
            wert = argumente[i];
        }
        QString a;
        quint16 port = 0;
        std::string fehler;
        const bool ok = name == "--indi"
                            ? Indi_Adresse_Lesen(wert.toStdString(), fehler).has_value()
                            : Adresse_Port_Lesen(wert, a, port);
        if (!ok) {
            std::fprintf(stderr, "stelux: ungültiger Wert „%s“ für %s (erwartet: %s)\n",
                         qPrintable(wert), qPrintable(name),
                         name == "--indi" ? "HOST[:PORT]/GERAET" : "[ADRESSE:]PORT");
            return false;
        }
        *ziel = wert.toStdString();
    }
    return true;
}
// The switches, for --help (German, as the window's texts start).
constexpr const char* Hilfe_Text =
    "Aufruf: stelux [SCHALTER]\n"
    "Stelux - Einstellhilfe für die Teilkreise (Fenster).\n"
    "\n"
    "  --lx200 [ADRESSE:]PORT          LX200-Server für Planetariumsprogramme starten\n"
    "                                  (Vorgabe-Adresse 127.0.0.1: nur dieser Rechner)\n"
    "  --stellarium-port [ADRESSE:]PORT\n"
    "                                  Server des binären Stellarium-Protokolls starten\n"
    "  --indi HOST[:PORT]/GERAET       Encoder-Ort vom INDI-Gerät lesen (Port-Vorgabe 7624)\n"
    "  -h, --help                      diese Hilfe zeigen und beenden\n"
    "\n"
    "Die Schalter gelten für diesen Lauf und gehen den Einstellungen vor, auch als\n"
    "--name=wert. Eine andere Adresse als 127.0.0.1 macht den Server im Netz\n"
    "erreichbar. Die Kataloge liegen im Arbeitsordner.\n";
} // namespace

int main(int argc, char** argv) {
    Dateigroesse_Signal_Ignorieren();
    // Before any window or display connection.
    for (int i = 1; i < argc; ++i)
        if (std::string_view(argv[i]) == "--help" || std::string_view(argv[i]) == "-h") {
            std::fputs(Hilfe_Text, stdout);
            return 0;
        }
    // The folders are known before the window exists; a data folder that
    // cannot be created shows up later as the failure of a file operation.
    // The layout is in screen pixels: no scaling with the screen's pixel density.
    if (!qEnvironmentVariableIsSet("QT_ENABLE_HIGHDPI_SCALING"))
        qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    QApplication app(argc, argv);
    // The window's language; Qt's own texts (context menus, standard buttons,
    // the calendar) follow it: German from Qt's translations, English built in.
    QTranslator qt_texte;
    if (!Sprache_Anwenden(Sprache_Waehlen()) || Sprache_Aktiv() == Sprache::Deutsch) {
        if (qt_texte.load(QLocale(QLocale::German, QLocale::Germany), "qtbase", "_",
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&qt_texte);
    }
    const std::string programm = QCoreApplication::applicationFilePath().toStdString();
    Fenster_Start start;
    if (!Teleskop_Schalter_Lesen(QCoreApplication::arguments(), start)) return 2;
    start.Temp_Ordner = Temp_Ordner_Ermitteln();
    start.Programm_Ordner = Programm_Ordner_Ermitteln(programm);
    start.Daten_Ordner = Daten_Ordner_Ermitteln();
    Ordner_Anlegen(start.Daten_Ordner);
    const Fenster_Sperre sperre = Fenster_Sperre_Nehmen(start.Daten_Ordner);
    if (!sperre.Besetzt.empty()) {
        std::fprintf(stderr, "%s\n", sperre.Besetzt.c_str());
        QMessageBox::warning(nullptr, "Stelux", QString::fromStdString(sperre.Besetzt));
        return 1;
    }
    Stopp_Signale_Abfangen();
    start.Versions_Info = Versionsinfo_Lesen(programm);

    QApplication::setApplicationName("STELUX");
    TForm_Main Form_Main(start);
    Form_Main.show();
    // Once at start rather than at the first lookup: the catalogues lie in the
    // working directory, and a start elsewhere finds none of them.
    const std::string hinweis =
        Katalog_Hinweis(QDir::currentPath().toStdString(), Fehlende_Katalogdateien(""));
    if (!hinweis.empty()) Melden(Meldungsart::Fehler, QString::fromStdString(hinweis));
    return app.exec();
}
