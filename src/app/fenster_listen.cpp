// The main window's commands for observing lists and the log.
#include <QAction>
#include <QFileDialog>
#include <QMenu>

#include "app/einstellungen.hpp"
#include "app/fenster_buch.hpp"
#include "app/fenster_fehler.hpp"
#include "app/fenster_liste.hpp"
#include "app/fenster_nachtmodus.hpp"
#include "app/fenster_neben.hpp"
#include "app/fenster_sprache.hpp"
#include "app/stelux_unit_main.hpp"

void TForm_Main::Listen_Menue_Aufbauen() {
    Liste1 = new QAction(Ue("Beobachtungs&liste öffnen…"), this);
    Liste1->setObjectName("Liste1");
    Notieren1 = new QAction(Ue("&Notieren…"), this);
    Notieren1->setObjectName("Notieren1");
    Notieren1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    Buch1 = new QAction(Ue("Beobachtungs&buch…"), this);
    Buch1->setObjectName("Buch1");
    File1->insertActions(File1->actions().value(0), {Liste1, Notieren1, Buch1});
    File1->insertSeparator(File1->actions().value(3));
    connect(Liste1, &QAction::triggered, this,
            [this] { Fehler_Waechter([&] { Liste_Erfragen(); }); });
    connect(Notieren1, &QAction::triggered, this, [this] {
        Fehler_Waechter([&] { Notieren(); });
        activateWindow();
        Eingabe_Fokus();
    });
    connect(Buch1, &QAction::triggered, this, [this] { Fehler_Waechter([&] { Buch_Zeigen(); }); });
}

void TForm_Main::Liste_Erfragen() {
    const QString alt = QString::fromStdString(Einstellung_Text_Lesen(Einstellung_Liste_Datei, ""));
    const QString pfad = QFileDialog::getOpenFileName(
        this, Ue("Beobachtungsliste öffnen"), alt,
        Ue("Beobachtungslisten (*.skylist *.csv *.txt);;Alle Dateien (*)"));
    if (!pfad.isEmpty()) Liste_Laden(pfad.toStdString());
}

void TForm_Main::Liste_Laden(const std::string& pfad) {
    if (!Form_Liste) {
        Form_Liste = new TForm_Liste(
            Zustand,
            [this](const QString& bezeichnung) {
                Fehler_Waechter([&] { Objekt_Waehlen(bezeichnung.toStdString()); });
            },
            this);
        Nebenfenster_Einrichten(Form_Liste, this);
    }
    Form_Liste->Laden(pfad);
    Nachtmodus_Anwenden(Form_Liste);
    Nebenfenster_Planung();
    Nebenfenster_Zeigen(Form_Liste, this);
}

void TForm_Main::Notieren() {
    std::optional<Buch_Eintrag> e = Zustand.Notiz_Entwurf();
    if (!e) {
        Melden(Meldungsart::Hinweis, Ue("Zum Notieren zuerst ein Objekt wählen."));
        return;
    }
    // On the disk before the dialog is gone; a failed write keeps it open.
    TForm_Notieren dialog(
        QString::fromStdString(e->Objektzeile),
        [&](const TForm_Notieren& d) {
            Buch_Eintrag eintrag = *e;
            d.Uebernehmen(eintrag);
            Zustand.Notieren(eintrag);
        },
        this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (Form_Buch && Form_Buch->isVisible()) Form_Buch->Laden();
}

void TForm_Main::Buch_Zeigen() {
    if (!Form_Buch) {
        Form_Buch = new TForm_Buch(Zustand, this);
        Nebenfenster_Einrichten(Form_Buch, this);
    }
    Form_Buch->Laden();
    Nachtmodus_Anwenden(Form_Buch);
    Nebenfenster_Zeigen(Form_Buch, this);
}
