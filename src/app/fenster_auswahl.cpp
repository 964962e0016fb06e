// Object selection and the position tick.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

#include "app/einstellungen.hpp"
#include "app/fenster_fehler.hpp"
#include "app/fenster_nachtmodus.hpp"
#include "app/stelux_unit_main.hpp"
#include "catalog/listen.hpp"
#include "orbits/sortierung.hpp"
#include "pointing/sichtbarkeit.hpp"
#include "time/uhr_tick.hpp"

namespace {
void Schriftfarbe(QLabel* label, const Farbe& farbe) {
    Schriftfarbe_Setzen(label, QColor(farbe.r, farbe.g, farbe.b));
}

void Text(QLabel* label, const std::string& text) {
    label->setText(QString::fromStdString(text));
}
} // namespace

void TForm_Main::Timer2Timer() {
    const Positions_Anzeige a = Zustand.Positions_Schritt(Refraktion1->isChecked());
    const Sitzung& z = Zustand;
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
    Text(Label_Hoehenmarke, a.Hoehen_Marke);
    // Visibility: once a minute and for each new object.
    const std::string fuer =
        z.Objekt_Gueltig
            ? a.Label_Objekt + "|" + std::to_string(static_cast<long long>(z.JD_UT * 1440))
            : std::string();
    if (fuer != sichtbarkeit_fuer_) {
        sichtbarkeit_fuer_ = fuer;
        Text(Label_Sichtbarkeit,
             z.Objekt_Gueltig ? Sichtbarkeit_Berechnen(z.Objekt, z.JD_UT, z.JD_PC, z.Parameter,
                                                       Zeitzone_Versatz_Minuten(z.Zeitzone))
                                    .Text
                              : std::string());
    }
    StatusBar1->showMessage(QString::fromStdString(planung_marke_ + a.StatusBar1));
    if (!z.Objekt_Gueltig && !nicht_gefunden_.empty()) {
        Schriftfarbe(Label_Objekt, Farbe_Weiss);
        Text(Label_Objekt, nicht_gefunden_);
    }
}

void TForm_Main::Elemente_Laden() {
    // Each element file on its own: a missing or damaged one costs only itself.
    for (const Element_Ladung& l : Zustand.Elemente_Zeilen_Laden()) {
        if (!l.Fehler.empty())
            Melden(Meldungsart::Fehler, QString::fromStdString(l.Fehler));
        else if (l.Weg > 0)
            Melden(Meldungsart::Hinweis,
                   QString::fromUtf8("%1 enthält mehr als %2 Bahnelemente; die letzten %3 "
                                     "Zeilen wurden nicht geladen.")
                       .arg(l.Datei)
                       .arg(Tabellen_Kapazitaet)
                       .arg(l.Weg));
    }
    // One clock tick first: the brightness is that of the current instant.
    Timer1Timer();
    const std::array<Auslassungen, 2> weg = Zustand.Elemente_Auswerten();
    const char* dateien[] = {"Asteroiden.txt", "Kometen.txt"};
    for (int i = 0; i < 2; ++i)
        if (weg[i].Anzahl > 0)
            Melden(Meldungsart::Fehler,
                   QString::fromUtf8("%1: %2 Zeile(n) mit Fehlern wurden nicht geladen, die "
                                     "übrigen schon. Die erste:\n%3")
                       .arg(dateien[i])
                       .arg(weg[i].Anzahl)
                       .arg(QString::fromStdString(weg[i].Erste_Meldung)));
    Vorschlaege_Laden();
}

void TForm_Main::Button_EnterClick() {
    Vorschlaege_Schliessen();
    // Nothing to look up: a stray Return leaves the shown object alone.
    if (Edit_Objekt->text().trimmed().size() < 2) return;
    Objekt_Waehlen(Edit_Objekt->text().toStdString());
}

bool TForm_Main::Objekt_Waehlen(const std::string& eingabe, const std::string& ersatz) {
    nicht_gefunden_.clear();
    Vorschlaege_Schliessen();
    Combo->hide();
    Auswahl_Ergebnis r = Zustand.Auswaehlen(eingabe);
    const std::string* gewaehlt = &eingabe;
    if (!r.Gefunden && !ersatz.empty()) {
        const std::string meldung = r.Meldung;
        r = Zustand.Auswaehlen(ersatz);
        if (r.Meldung.empty()) r.Meldung = meldung;
        gewaehlt = &ersatz;
    }
    verlauf_.Merken(*gewaehlt);
    Einstellung_Text_Schreiben(Einstellung_Verlauf, verlauf_.Text());
    if (r.Gefunden) {
        Edit_Objekt->clear();
        Eingabe_Fokus();
    } else {
        Edit_Objekt->setText(QString::fromStdString(r.Eingabe));
        Eingabe_Fokus();
        // The kind letter stays selected: after a miss the next key replaces it.
        Edit_Objekt->setSelection(0, 1);
        nicht_gefunden_ = r.Nicht_Gefunden;
    }
    // The readings of the new selection now, not at the next tick.
    Timer2Timer();
    if (!r.Meldung.empty()) Melden(Meldungsart::Hinweis, QString::fromStdString(r.Meldung));
    if (r.Fehler) std::rethrow_exception(r.Fehler);
    return r.Gefunden;
}

void TForm_Main::Liste_Oeffnen(char buchstabe, QLabel* label) {
    Zustand.Objekt_Gueltig = false;
    nicht_gefunden_.clear();
    Vorschlaege_Schliessen();
    Label_Objekt->clear();
    Zustand.Katalog_Buchstabe = buchstabe;
    Suffix_Tasten(false);
    Edit_Objekt->setText(QString(QChar(buchstabe)));
    Edit_Objekt->setCursorPosition(1);
    Combo->hide();
    Combo->move(Combo->x(), label->y());
    Combo->clear();
    if (buchstabe == 'A' || buchstabe == 'K') Combo->show();
    const std::vector<std::string> eintraege = Listen_Eintraege(buchstabe, Kontext());
    // The own objects and the satellites without object lines: no list.
    if (eintraege.empty() && (buchstabe == 'E' || buchstabe == 'G')) return;
    for (const std::string& e : eintraege) Combo->addItem(QString::fromStdString(e));
    Combo->show();
    Combo->setFocus();
    Combo->setCurrentIndex(-1);
    Combo->setCurrentIndex(eintraege.empty() ? -1 : 0);
    ComboChange();
}

void TForm_Main::Nummern_Katalog(char buchstabe) {
    Zustand.Objekt_Gueltig = false;
    nicht_gefunden_.clear();
    Vorschlaege_Schliessen();
    Combo->hide();
    Label_Objekt->clear();
    Zustand.Katalog_Buchstabe = buchstabe;
    Edit_Objekt->setText(QString(QChar(buchstabe)));
    Suffix_Tasten(buchstabe == 'N' || buchstabe == 'I');
    Eingabe_Ende();
}

void TForm_Main::ComboChange() {
    // An empty list has no entry to append: the letter stays alone.
    QString text = QChar(Zustand.Katalog_Buchstabe);
    if (Combo->currentIndex() >= 0) text += Combo->currentText();
    Edit_Objekt->setText(text);
    Edit_Objekt->repaint();
}

// The menu has already toggled the check mark.
void TForm_Main::AsteroidenSortClick() {
    Combo->hide();
    if (AsteroidenSort->isChecked())
        Asteroiden_Nach_Helligkeit(Zustand.Asteroiden, Zustand.Anzahl_Asteroiden);
    else
        Asteroiden_Nach_Nummer(Zustand.Asteroiden, Zustand.Anzahl_Asteroiden);
}

void TForm_Main::KometenSortClick() {
    Combo->hide();
    if (KometenSort->isChecked())
        Kometen_Nach_Helligkeit(Zustand.Kometen, Zustand.Anzahl_Kometen);
    else
        Kometen_Nach_Nummer(Zustand.Kometen, Zustand.Anzahl_Kometen);
}
