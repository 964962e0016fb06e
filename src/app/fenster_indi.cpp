// The telescope's encoders through INDI: the push-to line beside the circle
// readings, the connection in the status bar, and the sync ("Abgleich").
#include <QAction>
#include <QFont>
#include <QMenu>
#include <QStatusBar>
#include <QTimer>

#include "app/einstellungen.hpp"
#include "app/fenster_fehler.hpp"
#include "app/fenster_nachtmodus.hpp"
#include "app/fenster_sprache.hpp"
#include "app/indi_verbindung.hpp"
#include "app/stelux_unit_main.hpp"

namespace {
constexpr int Push_To_Takt_ms = 250; // four times a second
// The free column left of the circle readings (the night's timetable holds
// the one on the right); four lines high, so the red block at night stays small.
constexpr int Push_To_X = 1, Push_To_Y = 395, Push_To_B = 178, Push_To_H = 84;
} // namespace

void TForm_Main::Indi_Aufbauen() {
    Label_PushTo = new QLabel(flaeche_);
    Label_PushTo->setObjectName("Label_PushTo");
    Label_PushTo->setGeometry(Push_To_X, Push_To_Y, Push_To_B, Push_To_H);
    Label_PushTo->setWordWrap(true);
    Label_PushTo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont schrift("Arial");
    schrift.setPixelSize(18);
    schrift.setBold(true);
    Label_PushTo->setFont(schrift);
    Label_PushTo->hide();

    Label_Indi = new QLabel(StatusBar1);
    Label_Indi->setObjectName("Label_Indi");
    StatusBar1->addPermanentWidget(Label_Indi);
    Label_Indi->hide();

    Teleskop_Abgleich1 = new QAction(Ue("Abgleich &mit dem Teleskop…"), Option1);
    Teleskop_Abgleich1->setObjectName("Teleskop_Abgleich1");
    Teleskop_Abgleich1->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G));
    Teleskop_Abgleich1->setEnabled(false);
    Option1->insertAction(Sprache1->menuAction(), Teleskop_Abgleich1);
    connect(Teleskop_Abgleich1, &QAction::triggered, this, [this] {
        Fehler_Waechter([this] { Abgleichen(); });
        activateWindow();
        Eingabe_Fokus();
    });

    push_to_takt_ = new QTimer(this);
    push_to_takt_->setInterval(Push_To_Takt_ms);
    connect(push_to_takt_, &QTimer::timeout, this,
            [this] { Fehler_Waechter([this] { Push_To_Takt(); }); });
}

void TForm_Main::Indi_Starten(const Indi_Einstellung& einstellung) {
    Indi_Beenden();
    indi_ = new Indi_Verbindung(einstellung, this);
    connect(indi_, &Indi_Verbindung::Status_Geaendert, this, &TForm_Main::Indi_Status_Zeigen);
    Label_PushTo->show();
    Indi_Status_Zeigen();
    push_to_takt_->start();
}

void TForm_Main::Indi_Verbinden() {
    // The switch of this run (--indi) overrides the settings.
    if (!indi_schalter_.empty()) {
        std::string fehler;
        if (const auto e = Indi_Adresse_Lesen(indi_schalter_, fehler))
            Indi_Starten(*e);
        else
            Melden(Meldungsart::Fehler, QString::fromStdString(fehler));
        return;
    }
    Indi_Einstellung e;
    e.Host = Einstellung_Text_Lesen(Einstellung_Indi_Host, e.Host);
    e.Port = static_cast<int>(Einstellung_Zahl_Lesen(Einstellung_Indi_Port, e.Port, 1, 65535));
    e.Geraet = Einstellung_Text_Lesen(Einstellung_Indi_Geraet, "");
    if (Einstellung_Lesen(Einstellung_Indi_An, false) && !e.Host.empty() && !e.Geraet.empty())
        Indi_Starten(e);
    else
        Indi_Beenden();
}

void TForm_Main::Indi_Beenden() {
    Zustand.Teleskop_Zeigt_Auf({});
    if (!indi_) return;
    push_to_takt_->stop();
    // Later: this may run inside one of the connection's own signals.
    indi_->Anhalten();
    indi_->disconnect(this);
    indi_->deleteLater();
    indi_ = nullptr;
    Label_PushTo->hide();
    Label_PushTo->clear();
    Label_Indi->hide();
    Teleskop_Abgleich1->setEnabled(false);
}

Encoder_Ort TForm_Main::Indi_Ort() const {
    return indi_ ? indi_->Ort() : Encoder_Ort{};
}

void TForm_Main::Indi_Status_Zeigen() {
    if (!indi_) return;
    Label_Indi->setText(indi_->Status());
    Label_Indi->show();
    Push_To_Takt(); // a lost place at once, not a quarter second later
}

void TForm_Main::Push_To_Takt() {
    if (!indi_) return;
    const Encoder_Ort ort = Indi_Ort();
    // The telescope link reports the encoders' place to the planetarium program.
    Zustand.Teleskop_Zeigt_Auf({ort.Gueltig, {ort.RA, ort.DE}});
    const Push_To_Anzeige p = Zustand.Push_To(ort);
    Teleskop_Abgleich1->setEnabled(p.Gueltig);
    QString text;
    if (!ort.Gueltig)
        text = Ue("Teleskop: kein Ort");
    else if (!p.Gueltig)
        text = Ue("Teleskop: kein Objekt gewählt");
    else // one part a line in the narrow column
        text = QString::fromStdString(p.Text).replace(" · ", "\n");
    if (Label_PushTo->text() != text) Label_PushTo->setText(text);
    // Green within the field; the words say it too, for an observer who
    // cannot tell red from green.
    const bool im_feld = p.Gueltig && p.Im_Feld;
    const Farbe f = im_feld ? Farbe_Gruen : Farbe_Weiss;
    Schriftfarbe_Setzen(Label_PushTo, QColor(f.r, f.g, f.b));
    // At night every text is red: within the field the line stands on the
    // dark red fill of the planning band.
    const bool invers = im_feld && Nachtmodus_Aktiv();
    if (invers) Label_PushTo->setPalette(Nacht_Band_Palette(Label_PushTo->palette()));
    Label_PushTo->setAutoFillBackground(invers);
}

bool TForm_Main::Abgleichen() {
    if (!indi_) return false;
    // Targets from outside wait until the sync is saved or refused, and the
    // offset saved is the one the question names, taken before it.
    const Frage_Halter halter(*this);
    const Encoder_Abgleich frage = Zustand.Abgleich_Vorbereiten(indi_->Ort());
    if (!frage.Gueltig) {
        Melden(Meldungsart::Hinweis,
               Ue("Abgleich nicht möglich: kein Objekt gewählt oder kein Ort vom Teleskop."));
        return false;
    }
    if (Zustand.Planung()) {
        Melden(Meldungsart::Hinweis,
               Ue("Abgleich nicht möglich: ein anderer Zeitpunkt ist gewählt (Optionen – "
                  "Zeitpunkt: jetzt)."));
        return false;
    }
    const QString text =
        Ue("Steht das Teleskop genau auf %1?\n\nDie Abweichung (%2) wird als Korrektur des "
           "aktuellen Instruments übernommen.")
            .arg(QString::fromStdString(frage.Zeile), QString::fromStdString(frage.Abstand.Text));
    if (!Fragen(text, Ue("&Abgleichen"))) return false;
    if (!Zustand.Abgleichen(frage)) {
        Melden(Meldungsart::Fehler,
               Ue("Abgleich abgelehnt: die Korrektur läge außerhalb des zulässigen Bereichs."));
        return false;
    }
    Parameter_Sichern();
    Positions_Takt();
    Push_To_Takt();
    return true;
}
