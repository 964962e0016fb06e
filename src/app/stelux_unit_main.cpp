// The main window's shell handlers: start-up, stop, the clock tick, the
// instrument and its circle corrections, and the keypad.
#include "app/stelux_unit_main.hpp"
#include "app/fenster_sprache.hpp"

#include "app/fenster_beobachtbar.hpp"
#include "app/fenster_karte.hpp"
#include "app/fenster_liste.hpp"

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimeZone>
#include <QTimer>
#include <clocale>
#include <cmath>

#include "app/einstellungen.hpp"
#include "app/fenster_fehler.hpp"
#include "app/fenster_info.hpp"
#include "app/fenster_nachtmodus.hpp"
#include "app/fenster_neben.hpp"
#include "app/plattform.hpp"
#include "basis/parameter_datei.hpp"
#include "pointing/instrument.hpp"
#include "shared/zahlen.hpp"
#include "time/uhr_tick.hpp"

TForm_Main::TForm_Main(const Fenster_Start& start)
    : Versions_Info(start.Versions_Info), temp_ordner_(start.Temp_Ordner),
      programm_ordner_(start.Programm_Ordner) {
    if (start.Uhr) Jetzt = start.Uhr;
    Zustand.Daten_Ordner_Setzen(start.Daten_Ordner);
    Einstellungen_Fehler_Anzeige_Setzen(
        [](const std::string& text) { Melden(Meldungsart::Fehler, QString::fromStdString(text)); });
    // The day's values also when the session ends without the window's stop.
    connect(qGuiApp, &QCoreApplication::aboutToQuit, this, [this] { Parameter_Sichern(false); });
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this,
            [this] { Parameter_Sichern(false); });
    Aufbauen();
    Anzeige_Felder_Finden();
    setFixedSize(sizeHint());
    move(347, 124);
    Fehler_Waechter([this] { Beim_Start(); });
    Fehler_Waechter([&] { Teleskop_Einrichten(start); });
    // The timers run whatever start-up reached.
    Timer1->start();
    Timer2->start();
}

bool TForm_Main::Schmidt_Aktuell() const {
    return Zustand.Schmidt();
}

void TForm_Main::Instrument_Menue() {
    std::string oben, unten;
    Instrument_Captions(Instrument_Wert(Zustand.Instrument()), oben, unten);
    Instrument1->setTitle(Ue(oben.c_str()));
    Instrument2->setText(Ue(unten.c_str()));
}

void TForm_Main::Sprache_Umschalten(bool englisch) {
    const Sprache neu = englisch ? Sprache::Englisch : Sprache::Deutsch;
    Sprache_Merken(neu);
    // Every text of the window is set once when it is built: the new language
    // shows from the next start on, told in the language chosen.
    Melden(Meldungsart::Hinweis, englisch ? QString("The window will be in English from the "
                                                    "next start of Stelux on.")
                                          : QString::fromUtf8("Das Fenster ist ab dem nächsten "
                                                              "Start von Stelux deutsch."));
}

void TForm_Main::Beim_Start() {
    // Night mode before anything can show a message: a start-up box at night is dark too.
    Nacht_Stufe_Setzen(static_cast<int>(std::lround(Einstellung_Zahl_Lesen(
        Einstellung_Nachthelligkeit, Nacht_Stufe_Vorgabe, 1, Nacht_Stufen))));
    Nachtmodus_Setzen(Einstellung_Lesen(Einstellung_Nachtmodus, false));
    // Qt paints every widget double-buffered already.
    Panel_About->move((width() - Panel_About->width()) / 2, 45);
    Panel_About->hide();
    Panel_SysInfo->hide();
    Label_Planung->hide();
    for (QLabel* zeichen : {Label13, Label14, Label16}) zeichen->hide(); // no object yet
    Combo->hide();
    Suffix_Tasten(false);
    Edit_Objekt->clear();

    // Until the read has gone through, the file on disk is the only complete copy.
    // A bad file costs only the parameters: the defaults are used, the rest of
    // start-up goes on, and the stop leaves the file as it is.
    parameter_unvollstaendig_ = true;
    try {
        Parameter_Type gelesen;
        Parameter_Lesen(Zustand.Daten_Ordner(), gelesen);
        Zustand.Parameter_Uebernehmen(gelesen);
        parameter_unvollstaendig_ = false;
    } catch (const std::exception& f) {
        Zustand.Parameter_Uebernehmen(Parameter_Vorgabe());
        const Parameter_Type& p = Zustand.Parameter();
        Melden(Meldungsart::Fehler,
               QString::fromStdString(f.what()) +
                   Ue("\n\nStelux rechnet bis zum Beenden mit den "
                      "Vorgabewerten (Standort %1°, %2°, %3 m) und lässt die "
                      "Datei unverändert. Bitte die genannte Zeile berichtigen.")
                       .arg(QString::fromStdString(Fest(p.Laenge, 5)),
                            QString::fromStdString(Fest(p.Breite, 5)),
                            QString::fromStdString(Fest(p.Hoehe, 0))));
    }
    Instrument_Menue();
    Zeigemodelle_Laden();

    Versionsinfo_Anzeigen(StringGrid_VersionsInfo);
    setWindowTitle(QString::fromStdString("Stelux " + Versions_Info.FileVersion) +
                   Ue(" – Einstellhilfe für die Teilkreise"));
    // Every number on the window comes from Fest(), which always writes "."; the
    // C runtime is pinned to "." as well, whatever the regional settings say.
    std::setlocale(LC_NUMERIC, "C");

    Elemente_Laden();
    Optionen_Laden();
}

void TForm_Main::Beim_Aktivieren() {
    Edit_Objekt->setFocus();
    Edit_Objekt->deselect();
    Edit_Objekt->setCursorPosition(Edit_Objekt->text().length());
}

void TForm_Main::changeEvent(QEvent* e) {
    QMainWindow::changeEvent(e);
    // The window becomes the program's active form once, when it is first shown.
    // Coming back from a message box or from another program is no new
    // activation: the entry keeps its caret and selection (after a failed
    // lookup the kind letter stays selected).
    if (e->type() == QEvent::ActivationChange && isActiveWindow() && !aktiviert_) {
        aktiviert_ = true;
        Fehler_Waechter([this] { Beim_Aktivieren(); });
    }
}

void TForm_Main::Stop_Schreiben() {
    if (parameter_unvollstaendig_) {
        // Writing now would replace the observer's file by the half-read values.
        Melden(Meldungsart::Hinweis,
               Ue("Die Parameterdatei %1 konnte beim Start nicht gelesen werden "
                  "und bleibt unverändert; die Einstellungen dieser Sitzung "
                  "werden nicht gespeichert.")
                   .arg(QString::fromStdString(Zustand.Daten_Ordner() + Parameter_Datei_Name)));
        return;
    }
    ++Parameter_Schreibvorgaenge;
    Parameter_Schreiben(Zustand.Daten_Ordner(), Zustand.Parameter_Zum_Speichern());
}

void TForm_Main::Parameter_Sichern(bool melden) {
    if (parameter_unvollstaendig_) return; // the stop tells why nothing is written
    try {
        Parameter_Schreiben(Zustand.Daten_Ordner(), Zustand.Parameter_Zum_Speichern());
    } catch (const std::exception& f) {
        // Once: a read-only folder must not answer every click with a box.
        if (melden && !sichern_gemeldet_) {
            sichern_gemeldet_ = true;
            Melden(Meldungsart::Fehler, QString::fromStdString(f.what()));
        }
    }
}

void TForm_Main::Beim_Schliessen() {
    ++Schliessen_Aufrufe;
    Stop_Schreiben();
}

void TForm_Main::closeEvent(QCloseEvent* e) {
    if (!beendet_) {
        beendet_ = true;
        Fehler_Waechter([this] { Beim_Schliessen(); });
    }
    e->accept();
}

void TForm_Main::Beenden() {
    beendet_ = true;
    Fehler_Waechter([this] { Stop_Schreiben(); });
    QCoreApplication::processEvents();
    // Ends the message loop; the window is then destroyed without a close event.
    QCoreApplication::exit(0);
}

void TForm_Main::Zehntel_Umschalten() {
    // The menu has already toggled the check mark.
    const bool an = Zehntelsekunden->isChecked();
    Zustand.Zehntel_Setzen(an);
    Timer1->setInterval(an ? 100 : 200);
}

void TForm_Main::Uhr_Takt() {
    const QTimeZone zone = QTimeZone::systemTimeZone();
    const QDateTime jetzt = Jetzt().addMSecs(Zustand.Planung_Versatz_ms());
    const Anzeige& a =
        Zustand.Uhr_Schritt(JD_Von_Lokalzeit(jetzt.toTimeZone(zone)), Zeitzone_Von(zone, jetzt));
    Felder_Zeigen(a, Anzeige_Bereich::Uhr);
    Label_Nacht->setText(QString::fromStdString(a.Nacht_Tafel));
    StatusBar1->showMessage(QString::fromStdString(a.Planung + a.Uhr.Status));
}

void TForm_Main::Instrument_Wechseln() {
    Zustand.Instrument_Wechseln();
    Instrument_Menue();
    Parameter_Sichern();
}

// The correction buttons step the current instrument's field by 0.1; typing
// goes on in the edit box.
void TForm_Main::Korrektur_Schritt_Machen(Korrektur_Schritt schritt) {
    Zustand.Korrigieren(schritt);
    Parameter_Sichern();
    Eingabe_Fokus();
}

void TForm_Main::Suffix_Tasten(bool sichtbar) {
    for (QPushButton* k : Buchstaben) k->setVisible(sichtbar);
}

void TForm_Main::Eingabe_Ende() {
    Edit_Objekt->setFocus();
    Edit_Objekt->deselect();
    Edit_Objekt->setCursorPosition(Edit_Objekt->text().length());
}

void TForm_Main::Zeichen_Taste(QChar zeichen) {
    // A number is only appended after a catalogue label or the keyboard has
    // put the kind letter there.
    if (Edit_Objekt->text().isEmpty()) return;
    Edit_Objekt->setText(Edit_Objekt->text() + zeichen);
    Eingabe_Ende();
}

void TForm_Main::Eingabe_Loeschen() {
    Edit_Objekt->clear();
    Suffix_Tasten(false);
}

void TForm_Main::Eingabe_Fokus() {
    // The selection (the kind letter after a miss) stays as it is.
    Edit_Objekt->setFocus(Qt::OtherFocusReason);
}

namespace {
bool Return_Taste(const QKeyEvent* k) {
    return k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter;
}
} // namespace

bool TForm_Main::Eingabe_Taste(QKeyEvent* k) {
    if (Vorschlag_Taste(k)) return true;
    // Up and Down step through the confirmed entries.
    if (k->key() == Qt::Key_Up || k->key() == Qt::Key_Down) {
        const std::string t = k->key() == Qt::Key_Up
                                  ? verlauf_.Zurueck(Edit_Objekt->text().toStdString())
                                  : verlauf_.Vor();
        Edit_Objekt->setText(QString::fromStdString(t));
        Eingabe_Ende();
        return true;
    }
    // On the press: a Return whose press closed a menu or a dialog releases
    // here, and must not look up anything. Holding it down repeats nothing.
    if (Return_Taste(k)) {
        if (!k->isAutoRepeat()) Fehler_Waechter([this] { Eingabe_Bestaetigen(); });
        return true;
    }
    return false;
}

bool TForm_Main::Listen_Taste(QObject* objekt, QKeyEvent* k) {
    if (!Combo->isVisible()) return false;
    // Escape: the list goes, the entry is as before it opened and has the keyboard.
    if (k->key() == Qt::Key_Escape) {
        if (!k->isAutoRepeat()) Liste_Schliessen();
        return true;
    }
    // Typed text belongs to the entry, never to the list's own search: the
    // list closes and the key goes on to the entry (a digit after the kind
    // letter, so that "13" in the Messier list types M13).
    const QString t = k->text();
    if (!t.isEmpty() && t.at(0).isPrint() &&
        !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        Liste_Schliessen();
        Edit_Objekt->setText(t.at(0).isDigit() ? QString(QChar(Zustand.Katalog_Buchstabe()))
                                               : QString());
        QKeyEvent weiter(QEvent::KeyPress, k->key(), k->modifiers(), t);
        QCoreApplication::sendEvent(Edit_Objekt, &weiter);
        return true;
    }
    if (!Return_Taste(k)) return false;
    if (k->isAutoRepeat()) return true;
    QString text = QChar(Zustand.Katalog_Buchstabe());
    if (objekt == Combo->view()) {
        // The dropped-down list: the highlighted entry is taken and selected.
        const int zeile = Combo->view()->currentIndex().row();
        Combo->hidePopup();
        if (zeile >= 0) Combo->setCurrentIndex(zeile);
        Listeneintrag_Uebernehmen();
    }
    if (Combo->currentIndex() >= 0) text += Combo->currentText();
    Fehler_Waechter([&] { Objekt_Waehlen(text.toStdString()); });
    return true;
}

bool TForm_Main::eventFilter(QObject* objekt, QEvent* e) {
    if (e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (objekt == Edit_Objekt && Eingabe_Taste(k)) return true;
        if ((objekt == Combo || objekt == Combo->view()) && Listen_Taste(objekt, k)) return true;
        if (objekt == Form_Handbuch && k->key() == Qt::Key_Escape) {
            Form_Handbuch->close();
            activateWindow();
            return true;
        }
        for (QFrame* panel : {Panel_About, Panel_SysInfo})
            if (panel->isVisible() &&
                (objekt == panel || panel->isAncestorOf(qobject_cast<QWidget*>(objekt)))) {
                if (Return_Taste(k) || k->key() == Qt::Key_Escape) {
                    if (!k->isAutoRepeat()) Panel_Schliessen(panel);
                    return true;
                }
            }
    }
    return QMainWindow::eventFilter(objekt, e);
}

void TForm_Main::Karte_Zeigen() {
    if (!Form_Karte) {
        Form_Karte = new TForm_Karte(
            Zustand, [this] { return Label_Objekt->text().toStdString(); }, this);
        Nebenfenster_Einrichten(Form_Karte, this);
    }
    Nachtmodus_Anwenden(Form_Karte);
    Nebenfenster_Planung();
    Nebenfenster_Zeigen(Form_Karte, this);
}

void TForm_Main::Beobachtbar_Zeigen() {
    if (!Form_Beobachtbar) {
        Form_Beobachtbar = new TForm_Beobachtbar(
            [this] { return Fenster_Eingabe(Zustand); },
            [this](const QString& eingabe) {
                Fehler_Waechter([&] { Objekt_Waehlen(eingabe.toStdString()); });
            },
            this);
        Nebenfenster_Einrichten(Form_Beobachtbar, this);
    }
    Nachtmodus_Anwenden(Form_Beobachtbar);
    Nebenfenster_Planung();
    Nebenfenster_Zeigen(Form_Beobachtbar, this);
}

QString TForm_Main::Planung_Worte() const {
    return Zustand.Planung() ? Ue("PLANUNG %1").arg(Zeitpunkt_In_Worten(planung_lokal_))
                             : QString();
}

void TForm_Main::Nebenfenster_Planung() {
    const QString worte = Planung_Worte();
    if (Form_Beobachtbar) Planung_Zeigen(Form_Beobachtbar, worte);
    if (Form_Liste) Planung_Zeigen(Form_Liste, worte);
    if (Form_Karte) {
        Planung_Zeigen(Form_Karte, worte);
        Form_Karte->Zeitpunkt_Setzen(worte.toStdString());
    }
}

void TForm_Main::Panel_Zeigen(QFrame* panel, QPushButton* ok) {
    panel->raise();
    panel->show();
    ok->setFocus(Qt::OtherFocusReason);
}

void TForm_Main::Panel_Schliessen(QFrame* panel) {
    panel->hide();
    Eingabe_Fokus();
}
