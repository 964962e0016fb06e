#include "bedienung/cli_schluessel.hpp"

#include "shared/zahlen.hpp"

namespace {
// The key names are the window's control names (texts) and the quantities
// (numbers) as they were first printed; they stay.
constexpr Cli_Schluessel Tabelle[] = {
    {"Label_ZeitZone", [](const Anzeige& a) { return a.Uhr.Zone; }, Anzeige_Bereich::Uhr},
    {"Label_PC_Zeit", [](const Anzeige& a) { return a.Uhr.PC_Zeit; }, Anzeige_Bereich::Uhr},
    {"Label_UT_Zeit", [](const Anzeige& a) { return a.Uhr.UT_Zeit; }, Anzeige_Bereich::Uhr},
    {"Label_JD", [](const Anzeige& a) { return a.Uhr.JD_Text; }, Anzeige_Bereich::Uhr},
    {"Label_GMST", [](const Anzeige& a) { return a.Uhr.GMST_Text; }, Anzeige_Bereich::Uhr},
    {"Label_LMST", [](const Anzeige& a) { return a.Uhr.LMST_Text; }, Anzeige_Bereich::Uhr},
    {"Label_Objekt", [](const Anzeige& a) { return a.Position.Objekt.Zeile; },
     Anzeige_Bereich::Position},
    {"Label_RA2000", [](const Anzeige& a) { return a.Position.Objekt.RA2000; },
     Anzeige_Bereich::Position},
    {"Label_DE2000", [](const Anzeige& a) { return a.Position.Objekt.DE2000; },
     Anzeige_Bereich::Position},
    {"Label_Con", [](const Anzeige& a) { return a.Position.Objekt.Sternbild; },
     Anzeige_Bereich::Position},
    {"Label_RAapp", [](const Anzeige& a) { return a.Position.Objekt.RAapp; },
     Anzeige_Bereich::Position},
    {"Label_DEapp", [](const Anzeige& a) { return a.Position.Objekt.DEapp; },
     Anzeige_Bereich::Position},
    {"Label_Typ", [](const Anzeige& a) { return a.Position.Objekt.Typ; },
     Anzeige_Bereich::Position},
    {"Label_Info", [](const Anzeige& a) { return a.Position.Objekt.Info; },
     Anzeige_Bereich::Position},
    {"Label_DE_Raddeg", [](const Anzeige& a) { return a.Position.Kreise.DE_Grad; },
     Anzeige_Bereich::Position},
    {"Label_DE_Raddez", [](const Anzeige& a) { return a.Position.Kreise.DE_Zehntel; },
     Anzeige_Bereich::Position},
    {"Label_StdRadhrs", [](const Anzeige& a) { return a.Position.Kreise.SW_Stunden; },
     Anzeige_Bereich::Position},
    {"Label_StdRadmin", [](const Anzeige& a) { return a.Position.Kreise.SW_Minuten; },
     Anzeige_Bereich::Position},
    {"Label_Height", [](const Anzeige& a) { return a.Position.Horizont.Hoehe; },
     Anzeige_Bereich::Position},
    {"Label_Azimuth", [](const Anzeige& a) { return a.Position.Horizont.Azimut; },
     Anzeige_Bereich::Position},
    {"Label_AirMass", [](const Anzeige& a) { return a.Position.Horizont.Luftmasse; },
     Anzeige_Bereich::Position},
    {"StatusBar1", [](const Anzeige& a) { return a.Position.Status; }},
    {"JD_PC", [](const Anzeige& a) { return Voll(a.Uhr.JD_PC); }},
    {"JD_UT", [](const Anzeige& a) { return Voll(a.Uhr.JD_UT); }},
    {"Sternzeit", [](const Anzeige& a) { return Voll(a.Uhr.Sternzeit); }},
    {"RA2000", [](const Anzeige& a) { return Voll(a.Werte.RA2000); }},
    {"DE2000", [](const Anzeige& a) { return Voll(a.Werte.DE2000); }},
    {"RAapp", [](const Anzeige& a) { return Voll(a.Werte.RAapp); }},
    {"DEapp", [](const Anzeige& a) { return Voll(a.Werte.DEapp); }},
    {"VMag", [](const Anzeige& a) { return Voll(a.Werte.VMag); }},
    {"BMag", [](const Anzeige& a) { return Voll(a.Werte.BMag); }},
    {"Stundenwinkel", [](const Anzeige& a) { return Voll(a.Position.Stundenwinkel); }},
    {"Hoehe", [](const Anzeige& a) { return Voll(a.Position.Hoehe); }},
    {"Azimut", [](const Anzeige& a) { return Voll(a.Position.Azimut); }},
    {"Luftmasse", [](const Anzeige& a) { return Voll(a.Position.Luftmasse); }},
    {"Sichtbarkeit", [](const Anzeige& a) { return a.Sichtbarkeit; }},
    {"Vorschlaege", [](const Anzeige& a) { return a.Vorschlaege; }},
    {"Nacht", [](const Anzeige& a) { return a.Nacht; }},
    {"DE_Kreis", [](const Anzeige& a) { return Voll(a.Position.DE_Kreis); }},
    {"SW_Kreis", [](const Anzeige& a) { return Voll(a.Position.SW_Kreis); }},
    {"Zeigemodell", [](const Anzeige& a) { return a.Position.Zeigemodell; }},
    {"Name_Voll", [](const Anzeige& a) { return a.Name_Voll; }},
    {"Planung", [](const Anzeige& a) { return a.Zeitpunkt; }},
};
} // namespace

std::span<const Cli_Schluessel> Cli_Schluessel_Tabelle() {
    return Tabelle;
}
