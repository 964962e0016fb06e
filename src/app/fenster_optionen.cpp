// The remembered options of the "Optionen" menu.
#include <QAction>
#include <QActionGroup>
#include <QDateTimeEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/einstellungen.hpp"
#include "app/fenster_fehler.hpp"
#include "app/fenster_karte.hpp"
#include "app/fenster_nachtmodus.hpp"
#include "app/fenster_sprache.hpp"
#include "app/fenster_tabelle.hpp"
#include "app/stelux_unit_main.hpp"
#include "time/planung.hpp"

#include <cmath>

void TForm_Main::Optionen_Laden() {
    if (Einstellungen_Beschaedigt())
        Melden(Meldungsart::Hinweis,
               Ue("Die Einstellungsdatei ist beschädigt; Stelux beginnt mit den "
                  "Vorgaben und schreibt sie neu, sobald eine Option geändert wird."));
    // Off at a first start: the readings are then those without refraction.
    Refraktion1->setChecked(Einstellung_Lesen(Einstellung_Refraktion, false));
    Refraktion_Anzeigen();
    Zehntelsekunden->setChecked(Einstellung_Lesen(Einstellung_Zehntelsekunden, false));
    Zehntel_Umschalten();
    // The element tables are loaded before: sorting now gives the lists' order.
    AsteroidenSort->setChecked(Einstellung_Lesen(Einstellung_Asteroiden_Sort, false));
    if (AsteroidenSort->isChecked()) Asteroiden_Ordnen();
    KometenSort->setChecked(Einstellung_Lesen(Einstellung_Kometen_Sort, false));
    if (KometenSort->isChecked()) Kometen_Ordnen();
    verlauf_.Von_Text(Einstellung_Text_Lesen(Einstellung_Verlauf, ""));
    const int stufe = static_cast<int>(std::lround(
        Einstellung_Zahl_Lesen(Einstellung_Nachthelligkeit, Nacht_Stufe_Vorgabe, 1, Nacht_Stufen)));
    Nacht_Stufe_Setzen(stufe);
    nacht_stufen_[Nacht_Stufe() - 1]->setChecked(true);
    Nachtmodus1->setChecked(Einstellung_Lesen(Einstellung_Nachtmodus, false));
    Nachtmodus_Anzeigen();
}

void TForm_Main::Nachthelligkeit_Menue() {
    Nachthelligkeit1 = Option1->addMenu(Ue("Nacht&helligkeit"));
    Nachthelligkeit1->setObjectName("Nachthelligkeit1");
    Dunkler1 = Nachthelligkeit1->addAction(Ue("Dunkler"));
    Dunkler1->setObjectName("Dunkler1");
    Dunkler1->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F9));
    Heller1 = Nachthelligkeit1->addAction(Ue("Heller"));
    Heller1->setObjectName("Heller1");
    Heller1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F9));
    Nachthelligkeit1->addSeparator();
    auto* gruppe = new QActionGroup(Nachthelligkeit1);
    for (int i = 1; i <= Nacht_Stufen; ++i) {
        QAction* a = Nachthelligkeit1->addAction(Ue("Stufe %1").arg(i));
        a->setObjectName(QString("Nachtstufe%1").arg(i));
        a->setCheckable(true);
        gruppe->addAction(a);
        nacht_stufen_.push_back(a);
    }
    // Typing goes on in the entry box, as after the night switch.
    const auto bei = [this](QAction* a, std::function<int()> stufe) {
        connect(a, &QAction::triggered, this, [this, stufe] {
            Fehler_Waechter([&] { Nachthelligkeit_Setzen(stufe()); });
            activateWindow();
            Eingabe_Fokus();
        });
    };
    bei(Dunkler1, [] { return Nacht_Stufe() - 1; });
    bei(Heller1, [] { return Nacht_Stufe() + 1; });
    for (int i = 1; i <= Nacht_Stufen; ++i) bei(nacht_stufen_[i - 1], [i] { return i; });
}

void TForm_Main::Nachthelligkeit_Setzen(int stufe) {
    Nacht_Stufe_Setzen(stufe);
    nacht_stufen_[Nacht_Stufe() - 1]->setChecked(true);
    Einstellung_Zahl_Schreiben(Einstellung_Nachthelligkeit, Nacht_Stufe());
    if (!Nachtmodus_Aktiv()) return;
    if (Form_Karte) Form_Karte->update();
    Handbuch_Farben();
}

void TForm_Main::Refraktion_Anzeigen() {
    Zustand.Refraktion_Setzen(Refraktion1->isChecked());
    Label_Hoehe->setText(Refraktion1->isChecked() ? Ue("Höhe refr.") : Ue("Höhe"));
}

// The menu has already toggled the check mark.
void TForm_Main::Refraktion_Umschalten() {
    Einstellung_Schreiben(Einstellung_Refraktion, Refraktion1->isChecked());
    Refraktion_Anzeigen();
}

void TForm_Main::Nachtmodus_Umschalten() {
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
    Handbuch_Farben();
}

bool TForm_Main::Zeitpunkt_Setzen(const QDateTime& lokal) {
    const QDate d = lokal.date();
    const QTime t = lokal.time();
    const Planungs_Zeitpunkt p =
        Zustand.Planung_Setzen(lokal.isValid(), d.year(), d.month(), d.day(), t.hour(), t.minute(),
                               lokal.toMSecsSinceEpoch(), Jetzt().toMSecsSinceEpoch());
    if (!p.Angenommen) {
        Melden(Meldungsart::Fehler, QString::fromStdString(p.Meldung));
        return false;
    }
    Label_Planung->setText(QString::fromStdString(p.Marke).trimmed());
    Label_Planung->show();
    Zeitpunkt_Jetzt1->setEnabled(true);
    Uhrfarbe_Setzen();
    Uhr_Takt();
    Positions_Takt();
    return true;
}

void TForm_Main::Zeitpunkt_Jetzt() {
    Zustand.Planung_Aufheben();
    Label_Planung->hide();
    Zeitpunkt_Jetzt1->setEnabled(false);
    Uhrfarbe_Setzen();
    Uhr_Takt();
    Positions_Takt();
}

// The clock labels in amber while the window shows a planned instant.
void TForm_Main::Uhrfarbe_Setzen() {
    const Design_Farbe normal = Fenster_Element("Label_PC_Zeit")->schrift;
    const QColor farbe =
        Zustand.Planung() ? QColor(255, 176, 0) : QColor(normal.r, normal.g, normal.b);
    for (QLabel* l : {Label12, Label_PC_Zeit, Label5, Label_UT_Zeit, Label3, Label_GMST, Label2,
                      Label_ZeitZone, Label4, Label_JD, Label1, Label_LMST})
        Schriftfarbe_Setzen(l, farbe);
}

void TForm_Main::Zeitpunkt_Erfragen() {
    QDialog d(this);
    d.setWindowTitle(Ue("Zeitpunkt wählen"));
    auto* feld = new QDateTimeEdit(Jetzt().addMSecs(Zustand.Planung_Versatz_ms()), &d);
    feld->setObjectName("Zeitpunkt_Feld");
    feld->setDisplayFormat("yyyy-MM-dd HH:mm");
    feld->setCalendarPopup(true);
    // Month and day names of the window's language in the calendar; the
    // numbers stay as typed.
    feld->setLocale(Sprache_Aktiv() == Sprache::Englisch
                        ? QLocale(QLocale::English, QLocale::UnitedKingdom)
                        : QLocale(QLocale::German, QLocale::Germany));
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &d);
    knoepfe->button(QDialogButtonBox::Cancel)->setText(Ue("Abbrechen"));
    connect(knoepfe, &QDialogButtonBox::accepted, &d, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, &d, &QDialog::reject);
    auto* l = new QVBoxLayout(&d);
    l->addWidget(new QLabel(Ue("Datum und Uhrzeit (Zeitzone des PC):"), &d));
    l->addWidget(feld);
    l->addWidget(knoepfe);
    feld->calendarWidget(); // the popup made now, so that the night colours reach it
    Nachtmodus_Anwenden(&d);
    if (d.exec() == QDialog::Accepted) Zeitpunkt_Setzen(feld->dateTime());
}
