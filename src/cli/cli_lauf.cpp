#include "cli/cli_lauf.hpp"

#include <charconv>
#include <filesystem>

#include "app/parameter_datei.hpp"
#include "app/plattform_basis.hpp"
#include "catalog/eingabe.hpp"
#include "catalog/namen_suche.hpp"
#include "catalog/objekt_suche.hpp"
#include "cli/argumente.hpp"
#include "cli/cli_aktualisieren.hpp"
#include "cli/cli_karte.hpp"
#include "orbits/element_tabellen.hpp"
#include "pointing/positions_tick.hpp"
#include "pointing/sichtbarkeit.hpp"
#include "shared/zeilen_leser.hpp"
#include "time/uhr_tick.hpp"

namespace {
std::string Voll(double x) {
    char puffer[64];
    auto [ende, fehler] =
        std::to_chars(puffer, puffer + sizeof puffer, x, std::chars_format::general, 17);
    return fehler == std::errc() ? std::string(puffer, ende) : std::string("nan");
}

// Number of characters (code points) of a UTF-8 text, as the entry box counts them.
std::size_t Zeichen(const std::string& text) {
    std::size_t n = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

struct Tabellen {
    Asteroiden_Tabelle Asteroiden = Asteroiden_Tabelle(Tabellen_Kapazitaet + 1);
    std::int32_t Anzahl_Asteroiden = 0;
    Kometen_Tabelle Kometen = Kometen_Tabelle(Tabellen_Kapazitaet + 1);
    std::int32_t Anzahl_Kometen = 0;
};
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

        std::string daten = arg.Daten.empty() ? Daten_Ordner_Ermitteln() : arg.Daten;
        if (!daten.empty() && daten.back() != '/') daten += '/';
        Parameter_Type parameter;
        Parameter_Lesen(daten, parameter); // read only; stelux-cli never writes it

        auto tabellen = std::make_unique<Tabellen>();
        if (std::filesystem::exists(Pfad_In(daten, "Asteroiden.txt")))
            Asteroiden_Zeilen_Laden(Pfad_In(daten, "Asteroiden.txt"), tabellen->Asteroiden,
                                    tabellen->Anzahl_Asteroiden);
        if (std::filesystem::exists(Pfad_In(daten, "Kometen.txt")))
            Kometen_Zeilen_Laden(Pfad_In(daten, "Kometen.txt"), tabellen->Kometen,
                                 tabellen->Anzahl_Kometen);

        const Uhr_Anzeige uhr = Uhr_Tick(jd_pc, zone, parameter, arg.Zehntel ? 1 : 0);

        Objekt_Type objekt;
        bool gefunden = false;
        const std::string text = Planeten_Namen_Regel(arg.Bezeichnung);
        if (Zeichen(text) >= 2) {
            Such_Kontext k;
            k.JD_UT = uhr.JD_UT;
            k.Daten_Ordner = daten;
            k.Asteroiden = &tabellen->Asteroiden;
            k.Anzahl_Asteroiden = tabellen->Anzahl_Asteroiden;
            k.Kometen = &tabellen->Kometen;
            k.Anzahl_Kometen = tabellen->Anzahl_Kometen;
            Namen_Meldung meldung;
            k.Meldung = &meldung;
            gefunden = Objekt_Suchen(text, k, objekt);
            if (!meldung.Text.empty()) fehler << meldung.Text << "\n";
        }
        Tick_Optionen optionen;
        optionen.JD_UT = uhr.JD_UT;
        optionen.Refraktion = arg.Refraktion;
        const Positions_Anzeige pos =
            Positions_Tick(objekt, gefunden, uhr.JD_PC, uhr.Sternzeit, parameter,
                           parameter.Instrument == 40, optionen);

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
            << (gefunden ? Sichtbarkeit_Berechnen(objekt, uhr.JD_UT, uhr.JD_PC, parameter,
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
                               Such_Kontext k;
                               k.JD_UT = jd;
                               k.Daten_Ordner = daten;
                               k.Asteroiden = &tabellen->Asteroiden;
                               k.Anzahl_Asteroiden = tabellen->Anzahl_Asteroiden;
                               k.Kometen = &tabellen->Kometen;
                               k.Anzahl_Kometen = tabellen->Anzahl_Kometen;
                               return Objekt_Suchen(text, k, o);
                           });
        return 0;
    } catch (const std::exception& f) {
        fehler << f.what() << "\n";
        return 2;
    }
}
