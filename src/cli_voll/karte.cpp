#include "cli_voll/karte.hpp"

#include <QGuiApplication>
#include <memory>

#include "app/karte_zeichnen.hpp"

void Karte_Ausgeben(const Cli_Argumente& arg, const std::vector<Karten_Auftrag>& karten,
                    double jd_ut) {
    // Painting text needs a GUI application; stelux-cli never shows a window,
    // so it runs on the offscreen platform unless told otherwise.
    std::unique_ptr<QGuiApplication> app;
    static int argc = 1;
    static char name[] = "stelux-cli";
    static char* argv[] = {name, nullptr};
    if (!QGuiApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    const bool pdf = arg.Karte.size() >= 4 &&
                     QString::fromStdString(arg.Karte).endsWith(".pdf", Qt::CaseInsensitive);
    Karten_Schema schema = pdf ? Karten_Schema::Druck : Karten_Schema::Bildschirm;
    if (arg.Schema == "bildschirm") schema = Karten_Schema::Bildschirm;
    if (arg.Schema == "druck") schema = Karten_Schema::Druck;
    if (arg.Schema == "nacht") schema = Karten_Schema::Nacht;

    Karten_Optionen opt = Karten_Optionen_Lesen();
    opt.Feld = arg.Feld;
    opt.Breite = opt.Hoehe = 800;
    opt.Spiegel = false;
    opt.Drehung = 0;
    const Stern_Index index = Stern_Index_Bauen("");
    std::vector<Karten_Inhalt> seiten;
    for (const Karten_Auftrag& k : karten) {
        std::vector<Bahn_Punkt> bahn;
        if (Bewegter_Koerper(k.Objekt)) bahn = Bahn_Abtasten(jd_ut, k.Suche);
        double ra = 0, de = 0;
        Ort_Des_Datums(k.Objekt.RA2000, k.Objekt.DE2000, jd_ut, ra, de);
        seiten.push_back(Karte_Berechnen(index, opt, ra, de, jd_ut, bahn, k.Titel));
        seiten.back().Zeitpunkt = k.Zeitpunkt;
    }
    Karten_Schreiben(seiten, schema, arg.Karte);
}
