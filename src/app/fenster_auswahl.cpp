// Object selection and the position tick.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

#include "app/fenster_fehler.hpp"
#include "app/stelux_unit_main.hpp"
#include "orbits/element_tabellen.hpp"
#include "orbits/sortierung.hpp"
#include "pointing/positions_tick.hpp"
#include "shared/stelux_unit_variables.hpp"
#include "shared/zeilen_leser.hpp"

namespace {
void Schriftfarbe(QLabel* label, const Farbe& farbe) {
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, QColor(farbe.r, farbe.g, farbe.b));
    label->setPalette(p);
}

void Text(QLabel* label, const std::string& text) {
    label->setText(QString::fromStdString(text));
}
} // namespace

void TForm_Main::Timer2Timer() {
    const Positions_Anzeige a =
        Positions_Tick(Objekt, Objekt_Gueltig, JD_PC, Sternzeit, Parameter, Schmidt_Aktuell());
    if (a.Objekt_Farbe_Setzen) Schriftfarbe(Label_Objekt, a.Label_Objekt_Farbe);
    Text(Label_Objekt, a.Label_Objekt);
    Text(Label_RA2000, a.Label_RA2000);
    Text(Label_DE2000, a.Label_DE2000);
    Text(Label_Con, a.Label_Con);
    Text(Label_RAapp, a.Label_RAapp);
    Text(Label_DEapp, a.Label_DEapp);
    Text(Label_Typ, a.Label_Typ);
    Text(Label_Info, a.Label_Info);
    Text(Label_DE_Raddeg, a.Label_DE_Raddeg);
    Text(Label_DE_Raddez, a.Label_DE_Raddez);
    Text(Label_StdRadhrs, a.Label_StdRadhrs);
    Text(Label_StdRadmin, a.Label_StdRadmin);
    Text(Label_Height, a.Label_Height);
    Text(Label_Azimuth, a.Label_Azimuth);
    Text(Label_AirMass, a.Label_AirMass);
    if (a.Hoehen_Farbe_Setzen)
        for (QLabel* l : {Label_Height, Label_Azimuth, Label_AirMass, Label_Hoehe, Label_Azimut,
                          Label_Luftmasse})
            Schriftfarbe(l, a.Hoehen_Farbe);
    StatusBar1->showMessage(QString::fromStdString(a.StatusBar1));
}

// What the lookup and the lists read besides the typed text. Catalogue files
// are opened in the working directory.
Such_Kontext TForm_Main::Kontext() const {
    Such_Kontext k;
    k.JD_UT = JD_UT;
    k.Daten_Ordner = Daten_Ordner;
    k.Asteroiden = &Asteroiden;
    k.Anzahl_Asteroiden = Anzahl_Asteroiden;
    k.Kometen = &Kometen;
    k.Anzahl_Kometen = Anzahl_Kometen;
    k.Asteroid_Aktuell = &Asteroid_Aktuell;
    k.Komet_Aktuell = &Komet_Aktuell;
    return k;
}

void TForm_Main::Elemente_Laden() {
    const auto ueberzaehlig = [](int weg, const char* datei) {
        if (weg > 0)
            Melden(Meldungsart::Hinweis,
                   QString::fromUtf8("%1 enthält mehr als %2 Bahnelemente; die letzten %3 Zeilen "
                                     "wurden nicht geladen.")
                       .arg(datei)
                       .arg(Tabellen_Kapazitaet)
                       .arg(weg));
    };
    ueberzaehlig(Asteroiden_Zeilen_Laden(Pfad_In(Daten_Ordner, "Asteroiden.txt"), Asteroiden,
                                         Anzahl_Asteroiden),
                 "Asteroiden.txt");
    ueberzaehlig(
        Kometen_Zeilen_Laden(Pfad_In(Daten_Ordner, "Kometen.txt"), Kometen, Anzahl_Kometen),
        "Kometen.txt");
    // One clock tick first: the brightness is that of the current instant.
    Timer1Timer();
    Asteroiden_Auswerten(Asteroiden, Anzahl_Asteroiden, JD_UT);
    Kometen_Auswerten(Kometen, Anzahl_Kometen, JD_UT);
}

void TForm_Main::Button_EnterClick() {
    Objekt_Gueltig = false;
}

void TForm_Main::Liste_Oeffnen(char buchstabe, QLabel*) {
    Objekt_Gueltig = false;
    Katalog_Buchstabe = buchstabe;
}

void TForm_Main::Nummern_Katalog(char buchstabe) {
    Objekt_Gueltig = false;
    Katalog_Buchstabe = buchstabe;
}

void TForm_Main::ComboChange() {}
// The menu has already toggled the check mark.
void TForm_Main::AsteroidenSortClick() {
    Combo->hide();
    if (AsteroidenSort->isChecked())
        Asteroiden_Nach_Helligkeit(Asteroiden, Anzahl_Asteroiden);
    else
        Asteroiden_Nach_Nummer(Asteroiden, Anzahl_Asteroiden);
}

void TForm_Main::KometenSortClick() {
    Combo->hide();
    if (KometenSort->isChecked())
        Kometen_Nach_Helligkeit(Kometen, Anzahl_Kometen);
    else
        Kometen_Nach_Nummer(Kometen, Anzahl_Kometen);
}
