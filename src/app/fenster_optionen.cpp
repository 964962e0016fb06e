// The remembered options of the "Optionen" menu.
#include <QAction>
#include <QLabel>

#include "app/einstellungen.hpp"
#include "app/stelux_unit_main.hpp"

void TForm_Main::Optionen_Laden() {
    // Off at a first start: the readings are then those without refraction.
    Refraktion1->setChecked(Einstellung_Lesen(Einstellung_Refraktion, false));
    Refraktion_Anzeigen();
}

void TForm_Main::Refraktion_Anzeigen() {
    Label_Hoehe->setText(QString::fromUtf8(Refraktion1->isChecked() ? "Höhe refr." : "Höhe"));
}

// The menu has already toggled the check mark.
void TForm_Main::RefraktionClick() {
    Einstellung_Schreiben(Einstellung_Refraktion, Refraktion1->isChecked());
    Refraktion_Anzeigen();
}
