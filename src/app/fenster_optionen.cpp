// The remembered options of the "Optionen" menu.
#include <QAction>
#include <QActionGroup>
#include <QDateTimeEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTimeZone>
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
    planung_lokal_ = lokal;
    Nebenfenster_Planung();
    Zeitpunkt_Jetzt1->setEnabled(true);
    Uhrfarbe_Setzen();
    Uhr_Takt();
    Positions_Takt();
    return true;
}

void TForm_Main::Zeitpunkt_Jetzt() {
    Zustand.Planung_Aufheben();
    Label_Planung->hide();
    Nebenfenster_Planung();
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
    // One field per number: Tab always goes to the next one, a full field
    // never moves on by itself.
    const QDateTime vorher = Jetzt().addMSecs(Zustand.Planung_Versatz_ms());
    struct Feld {
        const char* name;
        const char* titel;
        int von, bis, wert;
    };
    const Feld felder[] = {{"Zeitpunkt_Jahr", "Jahr", 1900, 2100, vorher.date().year()},
                           {"Zeitpunkt_Monat", "Monat", 1, 12, vorher.date().month()},
                           {"Zeitpunkt_Tag", "Tag", 1, 31, vorher.date().day()},
                           {"Zeitpunkt_Stunde", "Stunde", 0, 23, vorher.time().hour()},
                           {"Zeitpunkt_Minute", "Minute", 0, 59, vorher.time().minute()}};
    auto* raster = new QGridLayout;
    QSpinBox* zahl[5];
    for (int i = 0; i < 5; ++i) {
        zahl[i] = new QSpinBox(&d);
        zahl[i]->setObjectName(felder[i].name);
        zahl[i]->setRange(felder[i].von, felder[i].bis);
        zahl[i]->setValue(felder[i].wert);
        zahl[i]->setButtonSymbols(QAbstractSpinBox::NoButtons);
        zahl[i]->setAlignment(Qt::AlignRight);
        if (i > 0) zahl[i]->setMinimumWidth(48);
        raster->addWidget(new QLabel(Ue(felder[i].titel), &d), 0, i);
        raster->addWidget(zahl[i], 1, i);
    }
    auto* worte = new QLabel(&d);
    worte->setObjectName("Zeitpunkt_Worte");
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &d);
    knoepfe->button(QDialogButtonBox::Cancel)->setText(Ue("Abbrechen"));
    connect(knoepfe, &QDialogButtonBox::accepted, &d, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, &d, &QDialog::reject);
    // The instant of the five fields, and in words what Return accepts.
    QDateTime gewaehlt;
    const auto neu = [&] {
        const QDate tag(zahl[0]->value(), zahl[1]->value(), zahl[2]->value());
        gewaehlt =
            tag.isValid() ? QDateTime(tag, QTime(zahl[3]->value(), zahl[4]->value())) : QDateTime();
        worte->setText(gewaehlt.isValid() ? Zeitpunkt_In_Worten(gewaehlt)
                                          : Ue("Diesen Tag gibt es nicht."));
        knoepfe->button(QDialogButtonBox::Ok)->setEnabled(gewaehlt.isValid());
    };
    for (QSpinBox* z : zahl) connect(z, &QSpinBox::valueChanged, &d, neu);
    neu();
    auto* l = new QVBoxLayout(&d);
    l->addWidget(new QLabel(Ue("Datum und Uhrzeit (Zeitzone des PC):"), &d));
    l->addLayout(raster);
    l->addWidget(worte);
    l->addWidget(knoepfe);
    Nachtmodus_Anwenden(&d);
    zahl[0]->setFocus();
    zahl[0]->selectAll();
    if (d.exec() == QDialog::Accepted) Zeitpunkt_Setzen(gewaehlt);
}
