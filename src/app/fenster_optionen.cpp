// The remembered options of the "Optionen" menu.
#include <QAction>
#include <QLabel>

#include "app/einstellungen.hpp"
#include "app/fenster_fehler.hpp"
#include "app/fenster_karte.hpp"
#include "app/fenster_nachtmodus.hpp"
#include "app/stelux_unit_main.hpp"

void TForm_Main::Optionen_Laden() {
    if (Einstellungen_Beschaedigt())
        Melden(
            Meldungsart::Hinweis,
            QString::fromUtf8("Die Einstellungsdatei ist beschädigt; Stelux beginnt mit den "
                              "Vorgaben und schreibt sie neu, sobald eine Option geändert wird."));
    // Off at a first start: the readings are then those without refraction.
    Refraktion1->setChecked(Einstellung_Lesen(Einstellung_Refraktion, false));
    Refraktion_Anzeigen();
    Zehntelsekunden->setChecked(Einstellung_Lesen(Einstellung_Zehntelsekunden, false));
    ZehntelsekundenClick();
    // The element tables are loaded before: sorting now gives the lists' order.
    AsteroidenSort->setChecked(Einstellung_Lesen(Einstellung_Asteroiden_Sort, false));
    if (AsteroidenSort->isChecked()) AsteroidenSortClick();
    KometenSort->setChecked(Einstellung_Lesen(Einstellung_Kometen_Sort, false));
    if (KometenSort->isChecked()) KometenSortClick();
    Nachtmodus1->setChecked(Einstellung_Lesen(Einstellung_Nachtmodus, false));
    Nachtmodus_Anzeigen();
}

void TForm_Main::Refraktion_Anzeigen() {
    Label_Hoehe->setText(QString::fromUtf8(Refraktion1->isChecked() ? "Höhe refr." : "Höhe"));
}

// The menu has already toggled the check mark.
void TForm_Main::RefraktionClick() {
    Einstellung_Schreiben(Einstellung_Refraktion, Refraktion1->isChecked());
    Refraktion_Anzeigen();
}

void TForm_Main::NachtmodusClick() {
    Einstellung_Schreiben(Einstellung_Nachtmodus, Nachtmodus1->isChecked());
    Nachtmodus_Anzeigen();
}

void TForm_Main::Nachtmodus_Anzeigen() {
    Nachtmodus_Setzen(Nachtmodus1->isChecked());
    Nachtmodus_Anwenden(this);
    if (Form_Karte) {
        Nachtmodus_Anwenden(Form_Karte);
        Form_Karte->update();
    }
}
