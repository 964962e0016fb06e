// stelux-cli's key table: the keys and their order are a contract, and each
// key must read its own field of the display record.
#include <gtest/gtest.h>

#include <vector>

#include "bedienung/cli_schluessel.hpp"

TEST(Cli_Schluessel, JederSchluesselInDerVertragsReihenfolge) {
    // The output as printed since the first release; new keys only at the end.
    const std::string vertrag =
        "Label_ZeitZone Label_PC_Zeit Label_UT_Zeit Label_JD Label_GMST Label_LMST Label_Objekt "
        "Label_RA2000 Label_DE2000 Label_Con Label_RAapp Label_DEapp Label_Typ Label_Info "
        "Label_DE_Raddeg Label_DE_Raddez Label_StdRadhrs Label_StdRadmin Label_Height "
        "Label_Azimuth Label_AirMass StatusBar1 JD_PC JD_UT Sternzeit RA2000 DE2000 RAapp DEapp "
        "VMag BMag Stundenwinkel Hoehe Azimut Luftmasse Sichtbarkeit Vorschlaege Nacht DE_Kreis "
        "SW_Kreis Zeigemodell Name_Voll Planung";
    const auto tabelle = Cli_Schluessel_Tabelle();
    std::string namen;
    for (const Cli_Schluessel& s : tabelle)
        namen += (namen.empty() ? "" : " ") + std::string(s.Name);
    EXPECT_EQ(namen, vertrag);

    // Every field its own value, set in the order of the keys: a key wired to
    // another field, or two swapped keys, read the wrong value.
    Anzeige a;
    std::vector<std::string> erwartet;
    for (std::string* f : {&a.Uhr.Zone,
                           &a.Uhr.PC_Zeit,
                           &a.Uhr.UT_Zeit,
                           &a.Uhr.JD_Text,
                           &a.Uhr.GMST_Text,
                           &a.Uhr.LMST_Text,
                           &a.Position.Objekt.Zeile,
                           &a.Position.Objekt.RA2000,
                           &a.Position.Objekt.DE2000,
                           &a.Position.Objekt.Sternbild,
                           &a.Position.Objekt.RAapp,
                           &a.Position.Objekt.DEapp,
                           &a.Position.Objekt.Typ,
                           &a.Position.Objekt.Info,
                           &a.Position.Kreise.DE_Grad,
                           &a.Position.Kreise.DE_Zehntel,
                           &a.Position.Kreise.SW_Stunden,
                           &a.Position.Kreise.SW_Minuten,
                           &a.Position.Horizont.Hoehe,
                           &a.Position.Horizont.Azimut,
                           &a.Position.Horizont.Luftmasse,
                           &a.Position.Status}) {
        *f = "t" + std::to_string(erwartet.size());
        erwartet.push_back(*f);
    }
    for (double* z :
         {&a.Uhr.JD_PC, &a.Uhr.JD_UT, &a.Uhr.Sternzeit, &a.Werte.RA2000, &a.Werte.DE2000,
          &a.Werte.RAapp, &a.Werte.DEapp, &a.Werte.VMag, &a.Werte.BMag, &a.Position.Stundenwinkel,
          &a.Position.Hoehe, &a.Position.Azimut, &a.Position.Luftmasse}) {
        *z = static_cast<double>(erwartet.size()) + 0.25;
        erwartet.push_back(std::to_string(erwartet.size()) + ".25");
    }
    a.Sichtbarkeit = "sichtbar";
    erwartet.push_back(a.Sichtbarkeit);
    a.Vorschlaege = "Vega";
    erwartet.push_back(a.Vorschlaege);
    a.Nacht = "dunkel";
    erwartet.push_back(a.Nacht);
    a.Position.DE_Kreis = 37.25;
    a.Position.SW_Kreis = 38.25;
    a.Position.Zeigemodell = "3 Terme, RMS 1.0′";
    a.Name_Voll = "Hercules Globular Cluster";
    a.Zeitpunkt = "2026-12-24 22:00:00 (UT + 60 min)";
    erwartet.insert(erwartet.end(),
                    {"37.25", "38.25", a.Position.Zeigemodell, a.Name_Voll, a.Zeitpunkt});
    ASSERT_EQ(tabelle.size(), erwartet.size());
    for (std::size_t i = 0; i < tabelle.size(); ++i)
        EXPECT_EQ(tabelle[i].Wert(a), erwartet[i]) << tabelle[i].Name;
}
