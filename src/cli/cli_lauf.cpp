#include "cli/cli_lauf.hpp"

#include <charconv>

#include "app/parameter_datei.hpp"
#include "app/plattform_basis.hpp"
#include "catalog/objekt_suche.hpp"
#include "cli/argumente.hpp"
#include "cli/cli_aktualisieren.hpp"
#include "cli/cli_karte.hpp"
#include "pointing/sichtbarkeit.hpp"
#include "pointing/sitzung.hpp"

namespace {
std::string Voll(double x) {
    char puffer[64];
    auto [ende, fehler] =
        std::to_chars(puffer, puffer + sizeof puffer, x, std::chars_format::general, 17);
    return fehler == std::errc() ? std::string(puffer, ende) : std::string("nan");
}

} // namespace

int Cli_Ausfuehren(const std::vector<std::string>& argumente, std::ostream& aus,
                   std::ostream& fehler) {
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
    if (arg.Aktualisieren) return Cli_Aktualisieren(arg, fehler);
    try {
        // The PC clock is the instant in the local zone (TZ decides).
        const double jd_ut = arg.JD_UT ? *arg.JD_UT : Jetzt_JD_UT();
        const Zeitzone_Info zone = Zeitzone_Zum_JD(jd_ut);
        const double jd_pc = jd_ut - Zeitzone_Versatz_Minuten(zone) / 1440.0;

        Sitzung sitzung;
        sitzung.Elemente_Bei_Bedarf = true;
        std::string& daten = sitzung.Daten_Ordner;
        daten = arg.Daten.empty() ? Daten_Ordner_Ermitteln() : arg.Daten;
        if (!daten.empty() && daten.back() != '/') daten += '/';
        // Read only; stelux-cli never writes it.
        Parameter_Lesen(daten, sitzung.Parameter);
        sitzung.Instrument = Instrument_Aus_Wert(sitzung.Parameter.Instrument);
        sitzung.Zehntel = arg.Zehntel ? 1 : 0;

        // The clock first: the lookup is made at its instant.
        const Uhr_Anzeige uhr = sitzung.Uhr_Schritt(jd_pc, zone);
        const Auswahl_Ergebnis auswahl = sitzung.Auswaehlen(arg.Bezeichnung);
        if (auswahl.Fehler) std::rethrow_exception(auswahl.Fehler);
        if (!auswahl.Meldung.empty()) fehler << auswahl.Meldung << "\n";
        const bool gefunden = auswahl.Gefunden;
        const Positions_Anzeige pos = sitzung.Positions_Schritt(arg.Refraktion);
        const Objekt_Type& objekt = sitzung.Objekt;

        const std::pair<const char*, const std::string*> labels[] = {
            {"Label_ZeitZone", &uhr.Label_ZeitZone},
            {"Label_PC_Zeit", &uhr.Label_PC_Zeit},
            {"Label_UT_Zeit", &uhr.Label_UT_Zeit},
            {"Label_JD", &uhr.Label_JD},
            {"Label_GMST", &uhr.Label_GMST},
            {"Label_LMST", &uhr.Label_LMST},
            {"Label_Objekt", &pos.Label_Objekt},
            {"Label_RA2000", &pos.Label_RA2000},
            {"Label_DE2000", &pos.Label_DE2000},
            {"Label_Con", &pos.Label_Con},
            {"Label_RAapp", &pos.Label_RAapp},
            {"Label_DEapp", &pos.Label_DEapp},
            {"Label_Typ", &pos.Label_Typ},
            {"Label_Info", &pos.Label_Info},
            {"Label_DE_Raddeg", &pos.Label_DE_Raddeg},
            {"Label_DE_Raddez", &pos.Label_DE_Raddez},
            {"Label_StdRadhrs", &pos.Label_StdRadhrs},
            {"Label_StdRadmin", &pos.Label_StdRadmin},
            {"Label_Height", &pos.Label_Height},
            {"Label_Azimuth", &pos.Label_Azimuth},
            {"Label_AirMass", &pos.Label_AirMass},
            {"StatusBar1", &pos.StatusBar1}};
        for (const auto& [name, wert] : labels) aus << name << '\t' << *wert << '\n';
        const std::pair<const char*, double> zahlen[] = {
            {"JD_PC", uhr.JD_PC},         {"JD_UT", uhr.JD_UT},
            {"Sternzeit", uhr.Sternzeit}, {"RA2000", objekt.RA2000},
            {"DE2000", objekt.DE2000},    {"RAapp", objekt.RAapp},
            {"DEapp", objekt.DEapp},      {"VMag", objekt.VMag},
            {"BMag", objekt.BMag},        {"Stundenwinkel", pos.Stundenwinkel},
            {"Hoehe", pos.Hoehe},         {"Azimut", pos.Azimut},
            {"Luftmasse", pos.Luftmasse}};
        for (const auto& [name, wert] : zahlen) aus << name << '\t' << Voll(wert) << '\n';
        aus << "Sichtbarkeit\t"
            << (gefunden ? Sichtbarkeit_Berechnen(objekt, uhr.JD_UT, uhr.JD_PC, sitzung.Parameter,
                                                  Zeitzone_Versatz_Minuten(zone))
                               .Text
                         : std::string())
            << '\n';

        if (!arg.Bezeichnung.empty() && !gefunden) {
            fehler << "Nicht gefunden: " << arg.Bezeichnung << "\n";
            return 1;
        }
        if (!arg.Karte.empty())
            Karte_Ausgeben(arg, objekt, uhr.JD_UT, pos.Label_Objekt,
                           [&](double jd, Objekt_Type& o) {
                               // Elements of a hit go to a copy, not to the selection.
                               Such_Kontext k = sitzung.Kontext(jd);
                               Asteroid_Type a;
                               Komet_Type c;
                               k.Asteroid_Aktuell = &a;
                               k.Komet_Aktuell = &c;
                               k.Meldung = nullptr;
                               return Objekt_Suchen(auswahl.Eingabe, k, o);
                           });
        return 0;
    } catch (const std::exception& f) {
        fehler << f.what() << "\n";
        return 2;
    }
}
