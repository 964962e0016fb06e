// Object selection and the position tick.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

#include "app/stelux_unit_main.hpp"
#include "pointing/positions_tick.hpp"
#include "shared/stelux_unit_variables.hpp"

void TForm_Main::Elemente_Laden() {}

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
void TForm_Main::AsteroidenSortClick() {
    Combo->hide();
}
void TForm_Main::KometenSortClick() {
    Combo->hide();
}
