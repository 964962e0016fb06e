// Object selection and the position tick (the lookup and tick arrive with the core).
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

#include "app/stelux_unit_main.hpp"
#include "shared/stelux_unit_variables.hpp"
#include "time/uhr_tick.hpp"

void TForm_Main::Elemente_Laden() {}

void TForm_Main::Timer2Timer() {
    StatusBar1->showMessage(QString::fromStdString(Korrektur_Status_Text(Parameter)));
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
