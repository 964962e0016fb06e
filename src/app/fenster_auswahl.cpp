// Object selection and the position tick.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

#include "app/einstellungen.hpp"
#include "app/fenster_fehler.hpp"
#include "app/fenster_nachtmodus.hpp"
#include "app/fenster_sprache.hpp"
#include "app/fenster_texte.hpp"
#include "app/stelux_unit_main.hpp"
#include "app/teleskop_server.hpp"
#include "pointing/zeigemodell.hpp"
#include "shared/zahlen.hpp"
#include "time/uhr_tick.hpp"

namespace {
void Schriftfarbe(QLabel* label, const Farbe& farbe) {
    Schriftfarbe_Setzen(label, QColor(farbe.r, farbe.g, farbe.b));
}

void Text(QLabel* label, const std::string& text) {
    label->setText(QString::fromStdString(text));
}
} // namespace

void TForm_Main::Positions_Takt() {
    Anzeige_Zeigen(Zustand.Positions_Schritt());
}

void TForm_Main::Anzeige_Felder_Finden() {
    for (const Cli_Schluessel& s : Cli_Schluessel_Tabelle())
        if (s.Bereich != Anzeige_Bereich::Wert)
            if (QLabel* l = findChild<QLabel*>(QString::fromLatin1(s.Name)))
                anzeige_felder_.push_back({l, &s});
}

void TForm_Main::Felder_Zeigen(const Anzeige& anzeige, Anzeige_Bereich bereich) {
    for (const Anzeige_Feld& f : anzeige_felder_) {
        if (f.Schluessel->Bereich != bereich) continue;
        // The object line with the common name in full where the catalogue cuts it.
        const bool voll = f.Label == Label_Objekt && !anzeige.Objekt_Zeile_Voll.empty();
        f.Label->setText(Fenster_Text(f.Schluessel->Name, voll ? anzeige.Objekt_Zeile_Voll
                                                               : f.Schluessel->Wert(anzeige)));
    }
}

void TForm_Main::Anzeige_Zeigen(const Anzeige& anzeige) {
    const Positions_Anzeige& a = anzeige.Position;
    // The degree sign, point and hour mark of the circles belong to readings.
    for (QLabel* zeichen : {Label13, Label14, Label16}) zeichen->setVisible(anzeige.Gueltig);
    if (a.Objekt_Farbe_Setzen) Schriftfarbe(Label_Objekt, a.Objekt_Farbe);
    Felder_Zeigen(anzeige, Anzeige_Bereich::Position);
    if (a.Hoehen_Farbe_Setzen)
        for (QLabel* l : {Label_Height, Label_Azimuth, Label_AirMass, Label_Hoehe, Label_Azimut,
                          Label_Luftmasse})
            Schriftfarbe(l, a.Hoehen_Farbe);
    Text(Label_Hoehenmarke, a.Horizont.Marke);
    Text(Label_Sichtbarkeit, anzeige.Sichtbarkeit);
    Modell_Zeigen(a);
    StatusBar1->showMessage(QString::fromStdString(anzeige.Planung + a.Status));
    if (!anzeige.Gueltig && !anzeige.Nicht_Gefunden.empty()) {
        Schriftfarbe(Label_Objekt, Farbe_Weiss);
        Text(Label_Objekt, anzeige.Nicht_Gefunden);
    }
}

void TForm_Main::Modell_Zeigen(const Positions_Anzeige& a) {
    const Zeigemodell* m = Zustand.Modell();
    QString text;
    if (!a.Zeigemodell.empty() && m) {
        const int n = m->Anzahl();
        const QString cm = QString::number(Schmidt_Aktuell() ? 40 : 60);
        const QString rms = QString::fromStdString(Fest(m->RMS, 1));
        text = n == 1 ? Ue("Modell %1cm · 1 Term · RMS %2′").arg(cm, rms)
                      : Ue("Modell %1cm · %2 Terme · RMS %3′").arg(cm, QString::number(n), rms);
    }
    if (Label_Modell->text() != text) Label_Modell->setText(text);
}

void TForm_Main::Elemente_Laden() {
    // Each element file on its own: a missing or damaged one costs only itself.
    for (const Element_Ladung& l : Zustand.Elemente_Zeilen_Laden()) {
        if (!l.Fehler.empty())
            Melden(Meldungsart::Fehler, QString::fromStdString(l.Fehler));
        else if (l.Weg > 0)
            Melden(Meldungsart::Hinweis, Ue("%1 enthält mehr als %2 Bahnelemente; die letzten %3 "
                                            "Zeilen wurden nicht geladen.")
                                             .arg(l.Datei)
                                             .arg(Tabellen_Kapazitaet)
                                             .arg(l.Weg));
    }
    // One clock tick first: the brightness is that of the current instant.
    Uhr_Takt();
    const std::array<Auslassungen, 2> weg = Zustand.Elemente_Auswerten();
    const char* dateien[] = {"Asteroiden.txt", "Kometen.txt"};
    for (int i = 0; i < 2; ++i)
        if (weg[i].Anzahl > 0)
            Melden(Meldungsart::Fehler, Ue("%1: %2 Zeile(n) mit Fehlern wurden nicht geladen, die "
                                           "übrigen schon. Die erste:\n%3")
                                            .arg(dateien[i])
                                            .arg(weg[i].Anzahl)
                                            .arg(QString::fromStdString(weg[i].Erste_Meldung)));
    Vorschlaege_Laden();
}

void TForm_Main::Eingabe_Bestaetigen() {
    Vorschlaege_Schliessen();
    // Nothing to look up: a stray Return leaves the shown object alone.
    if (Edit_Objekt->text().trimmed().size() < 2) return;
    Objekt_Waehlen(Edit_Objekt->text().toStdString());
}

bool TForm_Main::Objekt_Waehlen(const std::string& eingabe, const std::string& ersatz,
                                const Himmelsort* ziel) {
    // The place at the instant of the window's clock now, not at its last
    // tick (up to a fifth of a second old, or from before the clock was set).
    Uhr_Takt();
    if (ziel) {
        // A target from the telescope link: no text was typed, none is touched.
        const Auswahl_Ergebnis r = Zustand.Ziel_Waehlen(*ziel, ziel_absender_);
        Anzeige_Zeigen(r.Stand);
        if (binaer_) binaer_->Position_Senden();
        return r.Gefunden;
    }
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
    }
    // The complete readings of the new selection, in this same event.
    Anzeige_Zeigen(r.Stand);
    if (!r.Gefunden && !r.Vorschlaege.empty()) Meinten_Sie_Zeigen(r.Vorschlaege);
    if (binaer_) binaer_->Position_Senden(); // the planetarium's reticle follows
    if (!r.Meldung.empty()) Melden(Meldungsart::Hinweis, QString::fromStdString(r.Meldung));
    if (r.Fehler) std::rethrow_exception(r.Fehler);
    return r.Gefunden;
}

void TForm_Main::Liste_Oeffnen(char buchstabe, QLabel* label) {
    // What Escape gives back: the entry as it was before the first list opened.
    if (!Combo->isVisible()) eingabe_vor_liste_ = Edit_Objekt->text();
    Zustand.Katalog_Waehlen(buchstabe);
    Vorschlaege_Schliessen();
    Suffix_Tasten(false);
    Edit_Objekt->setText(QString(QChar(buchstabe)));
    Edit_Objekt->setCursorPosition(1);
    Combo->hide();
    Combo->move(Combo->x(), label->y());
    Combo->clear();
    if (buchstabe == 'A' || buchstabe == 'K') Combo->show();
    const std::vector<std::string> eintraege = Zustand.Liste_Oeffnen(buchstabe);
    // The own objects and the satellites without object lines: no list.
    if (eintraege.empty() && (buchstabe == 'E' || buchstabe == 'G')) {
        Combo->hide();
        Eingabe_Ende();
        return;
    }
    for (const std::string& e : eintraege) Combo->addItem(QString::fromStdString(e));
    Combo->show();
    Combo->setFocus();
    Combo->setCurrentIndex(-1);
    Combo->setCurrentIndex(eintraege.empty() ? -1 : 0);
    Listeneintrag_Uebernehmen();
}

void TForm_Main::Liste_Schliessen() {
    Combo->hidePopup();
    Combo->hide();
    Edit_Objekt->setText(eingabe_vor_liste_);
    Eingabe_Ende();
}

void TForm_Main::Nummern_Katalog(char buchstabe) {
    Zustand.Katalog_Waehlen(buchstabe);
    Vorschlaege_Schliessen();
    Combo->hide();
    Edit_Objekt->setText(QString(QChar(buchstabe)));
    Suffix_Tasten(buchstabe == 'N' || buchstabe == 'I');
    Eingabe_Ende();
}

void TForm_Main::Listeneintrag_Uebernehmen() {
    // An empty list has no entry to append: the letter stays alone.
    QString text = QChar(Zustand.Katalog_Buchstabe());
    if (Combo->currentIndex() >= 0) text += Combo->currentText();
    Edit_Objekt->setText(text);
    Edit_Objekt->repaint();
}

// The menu has already toggled the check mark.
void TForm_Main::Asteroiden_Ordnen() {
    Combo->hide();
    Zustand.Asteroiden_Sortieren(AsteroidenSort->isChecked());
}

void TForm_Main::Kometen_Ordnen() {
    Combo->hide();
    Zustand.Kometen_Sortieren(KometenSort->isChecked());
}
