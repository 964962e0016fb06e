// The telescope link in the window: the two servers, their dialog and the
// status bar's list of connected clients.
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

#include "app/einstellungen.hpp"
#include "app/fenster_fehler.hpp"
#include "app/fenster_nachtmodus.hpp"
#include "app/fenster_sprache.hpp"
#include "app/stelux_unit_main.hpp"
#include "app/teleskop_server.hpp"

namespace {
// Settings of one server.
struct Server_Schluessel {
    const char* An;
    const char* Adresse;
    const char* Port;
    quint16 Vorgabe_Port;
};
constexpr Server_Schluessel Schluessel_Lx200{"Teleskop/LX200_An", "Teleskop/LX200_Adresse",
                                             "Teleskop/LX200_Port", 4030};
constexpr Server_Schluessel Schluessel_Binaer{"Teleskop/Binaer_An", "Teleskop/Binaer_Adresse",
                                              "Teleskop/Binaer_Port", 10001};

struct Server_Wahl {
    bool An = false;
    QString Adresse = "127.0.0.1";
    quint16 Port = 0;
};

Server_Wahl Wahl_Lesen(const Server_Schluessel& s) {
    Server_Wahl w;
    w.An = Einstellung_Lesen(s.An, false);
    w.Adresse = QString::fromStdString(Einstellung_Text_Lesen(s.Adresse, "127.0.0.1"));
    w.Port = static_cast<quint16>(Einstellung_Zahl_Lesen(s.Port, s.Vorgabe_Port, 1, 65535));
    return w;
}

QString Server_Name(Teleskop_Protokoll art) {
    return art == Teleskop_Protokoll::LX200 ? QString("LX200") : QString("Stellarium");
}
} // namespace

Teleskop_Server* TForm_Main::Teleskop(Teleskop_Protokoll art) const {
    return art == Teleskop_Protokoll::LX200 ? lx200_ : binaer_;
}

void TForm_Main::Teleskop_Einrichten(const Fenster_Start& start) {
    Teleskop_Partner partner;
    partner.Ort = [this] { return Zustand.Teleskop_Ort_Lesen(); };
    partner.JD = [this] { return Zustand.JD_PC(); };
    partner.Ziel = [this](const Himmelsort& j2000, const QString& absender) {
        return Teleskop_Ziel(j2000, absender);
    };
    partner.Standort = [this] {
        Lx200_Standort st;
        st.Breite = Zustand.Parameter().Breite;
        st.Laenge = Zustand.Parameter().Laenge;
        st.JD_Lokal = Zustand.JD_PC();
        // Whole minutes: the two Julian Dates differ by the zone's offset.
        st.UTC_Std = std::round((Zustand.JD_PC() - Zustand.JD_UT()) * 1440.0) / 60.0;
        st.Sternzeit = Zustand.Sternzeit();
        st.Name = "Stelux";
        return st;
    };
    lx200_ = new Teleskop_Server(Teleskop_Protokoll::LX200, partner, this);
    binaer_ = new Teleskop_Server(Teleskop_Protokoll::Binaer, partner, this);
    Label_Teleskop = new QLabel(this);
    Label_Teleskop->setObjectName("Label_Teleskop");
    StatusBar1->addPermanentWidget(Label_Teleskop);
    Label_Teleskop->hide();
    for (Teleskop_Server* s : {lx200_, binaer_})
        connect(s, &Teleskop_Server::Clients_Geaendert, this, &TForm_Main::Teleskop_Status);
    ziel_warten_ = new QTimer(this);
    ziel_warten_->setInterval(100);
    connect(ziel_warten_, &QTimer::timeout, this, &TForm_Main::Wartendes_Ziel_Pruefen);
    ziel_hinweis_ = new QTimer(this);
    ziel_hinweis_->setSingleShot(true);
    ziel_hinweis_->setInterval(10000);
    connect(ziel_hinweis_, &QTimer::timeout, this, [this] {
        ziel_text_.clear();
        Teleskop_Status();
    });

    // The switches win over the settings for this run.
    const auto server = [&](Teleskop_Server* s, const Server_Schluessel& k,
                            const std::string& schalter) {
        Server_Wahl w = Wahl_Lesen(k);
        if (!schalter.empty()) {
            w.An = Adresse_Port_Lesen(QString::fromStdString(schalter), w.Adresse, w.Port);
            if (!w.An)
                Melden(Meldungsart::Fehler,
                       Ue("Ungültige Angabe „%1“ für den %2-Server "
                          "(erwartet: [ADRESSE:]PORT).")
                           .arg(QString::fromStdString(schalter), Server_Name(s->Art())));
        }
        if (w.An) Teleskop_Server_Starten(s->Art(), w.Adresse, w.Port);
    };
    server(lx200_, Schluessel_Lx200, start.Lx200);
    server(binaer_, Schluessel_Binaer, start.Stellarium);
    indi_schalter_ = start.Indi;
    Indi_Verbinden();
}

bool TForm_Main::Teleskop_Server_Starten(Teleskop_Protokoll art, const QString& adresse,
                                         quint16 port) {
    Teleskop_Server* s = Teleskop(art);
    // The first target then need not wait for the index that names it.
    Zustand.Stern_Index_Laden();
    if (s->Starten(adresse, port)) {
        Teleskop_Status();
        return true;
    }
    Melden(Meldungsart::Fehler, Ue("Der %1-Server kann %2:%3 nicht öffnen: %4")
                                    .arg(Server_Name(art), adresse)
                                    .arg(port)
                                    .arg(s->Fehler()));
    return false;
}

Ziel_Rueckmeldung TForm_Main::Teleskop_Ziel(const Himmelsort& j2000, const QString& absender) {
    if (Frage_Offen()) {
        // The link hears what the target would be; the selection waits.
        Ziel_Rueckmeldung r;
        Fehler_Waechter([&] { r = Zustand.Ziel_Vorschau(j2000); });
        wartendes_ziel_ = j2000;
        wartender_absender_ = absender.toStdString();
        ziel_warten_->start();
        ziel_hinweis_->stop();
        ziel_text_ =
            Ue("%1 wartet, bis der Dialog geschlossen ist").arg(QString::fromStdString(r.Name));
        Teleskop_Status();
        return r;
    }
    ziel_absender_ = absender.toStdString();
    Fehler_Waechter([&] { Objekt_Waehlen({}, {}, &j2000); });
    ziel_absender_.clear();
    const Anzeige& a = Zustand.Stand();
    return {a.Gueltig && a.Position.Hoehe > 0, a.Position.Objekt.Zeile};
}

bool TForm_Main::Frage_Offen() const {
    return fragen_ > 0 || QApplication::activeModalWidget() != nullptr;
}

void TForm_Main::Wartendes_Ziel_Pruefen() {
    if (!wartendes_ziel_ || Frage_Offen()) return;
    ziel_warten_->stop();
    const Himmelsort ziel = *wartendes_ziel_;
    wartendes_ziel_.reset();
    ziel_absender_ = wartender_absender_;
    Fehler_Waechter([&] { Objekt_Waehlen({}, {}, &ziel); });
    ziel_absender_.clear();
    ziel_text_ = Ue("%1 nach dem Dialog übernommen")
                     .arg(QString::fromStdString(Zustand.Stand().Position.Objekt.Zeile));
    ziel_hinweis_->start();
    Teleskop_Status();
}

void TForm_Main::Teleskop_Status() {
    QStringList teile, offen;
    for (Teleskop_Server* s : {lx200_, binaer_}) {
        const QStringList c = s->Clients();
        if (!c.isEmpty()) teile << Server_Name(s->Art()) + ": " + c.join(", ");
        // Anyone who reaches the address can set targets: said as long as it lasts.
        if (s->Laeuft() && !Nur_Lokal(s->Adresse()))
            offen << Ue("%1 offen im Netz: %2:%3")
                         .arg(Server_Name(s->Art()), s->Adresse())
                         .arg(s->Port());
    }
    if (!ziel_text_.isEmpty()) teile << ziel_text_;
    if (!teile.isEmpty()) offen << Ue("Teleskop – %1").arg(teile.join(" · "));
    Label_Teleskop->setText(offen.join(" · "));
    Label_Teleskop->setVisible(!offen.isEmpty());
}

void TForm_Main::Teleskop_Verbindung_Zeigen() {
    QDialog d(this);
    d.setObjectName("Dialog_Teleskop");
    d.setWindowTitle(Ue("Teleskop-Verbindung"));
    auto* l = new QVBoxLayout(&d);
    struct Felder {
        QCheckBox* An;
        QLineEdit* Adresse;
        QSpinBox* Port;
    };
    const auto gruppe = [&](const QString& titel, const char* name, const QString& an_text,
                            const Server_Schluessel& k, Teleskop_Server* s) {
        auto* g = new QGroupBox(titel, &d);
        g->setObjectName(QString("Gruppe_%1").arg(name));
        auto* f = new QFormLayout(g);
        Felder e{new QCheckBox(an_text, g), new QLineEdit(g), new QSpinBox(g)};
        e.An->setObjectName(QString("Check_%1").arg(name));
        e.Adresse->setObjectName(QString("Edit_%1_Adresse").arg(name));
        e.Port->setObjectName(QString("Spin_%1_Port").arg(name));
        e.Port->setRange(1, 65535);
        const Server_Wahl w = Wahl_Lesen(k);
        // What runs now, which a switch may have set, else the settings.
        e.An->setChecked(s->Laeuft() || w.An);
        e.Adresse->setText(w.Adresse);
        e.Port->setValue(s->Laeuft() ? s->Port() : w.Port);
        f->addRow(e.An);
        f->addRow(Ue("&Adresse:"), e.Adresse);
        f->addRow(Ue("&Port:"), e.Port);
        l->addWidget(g);
        return e;
    };
    const Felder lx =
        gruppe(Ue("LX200-Protokoll"), "Lx200", Ue("LX200-Server &ein"), Schluessel_Lx200, lx200_);
    const Felder bi = gruppe(Ue("Stellarium-Protokoll (binär)"), "Binaer",
                             Ue("Stellarium-Server e&in"), Schluessel_Binaer, binaer_);
    auto* warnung = new QLabel(Ue("Achtung: Eine Adresse außer 127.0.0.1 macht den Server im "
                                  "Netz erreichbar; jeder, der ihn erreicht, kann Ziele setzen."),
                               &d);
    warnung->setObjectName("Label_Teleskop_Warnung");
    warnung->setWordWrap(true);
    l->addWidget(warnung);

    // The encoder client: its own group, set apart from the servers.
    auto* gi = new QGroupBox(Ue("INDI-Client (Encoder)"), &d);
    gi->setObjectName("Gruppe_Indi");
    auto* fi = new QFormLayout(gi);
    auto* indi_an = new QCheckBox(Ue("INDI-Client ei&n"), gi);
    indi_an->setObjectName("Check_Indi");
    auto* indi_host = new QLineEdit(gi);
    indi_host->setObjectName("Edit_Indi_Host");
    auto* indi_port = new QSpinBox(gi);
    indi_port->setObjectName("Spin_Indi_Port");
    indi_port->setRange(1, 65535);
    auto* indi_geraet = new QLineEdit(gi);
    indi_geraet->setObjectName("Edit_Indi_Geraet");
    indi_an->setChecked(Einstellung_Lesen(Einstellung_Indi_An, false));
    indi_host->setText(
        QString::fromStdString(Einstellung_Text_Lesen(Einstellung_Indi_Host, "127.0.0.1")));
    indi_port->setValue(
        static_cast<int>(Einstellung_Zahl_Lesen(Einstellung_Indi_Port, 7624, 1, 65535)));
    indi_geraet->setText(
        QString::fromStdString(Einstellung_Text_Lesen(Einstellung_Indi_Geraet, "")));
    fi->addRow(indi_an);
    fi->addRow(Ue("&Rechner:"), indi_host);
    fi->addRow(Ue("P&ort:"), indi_port);
    fi->addRow(Ue("&Gerät:"), indi_geraet);
    l->addWidget(gi);

    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &d);
    knoepfe->setObjectName("Knoepfe_Teleskop");
    knoepfe->button(QDialogButtonBox::Cancel)->setText(Ue("Abbrechen"));
    connect(knoepfe, &QDialogButtonBox::rejected, &d, &QDialog::reject);
    const auto gueltig = [](const QString& a) {
        return a == "localhost" || !QHostAddress(a).isNull();
    };
    connect(knoepfe, &QDialogButtonBox::accepted, &d, [&] {
        for (QLineEdit* e : {lx.Adresse, bi.Adresse})
            if (!gueltig(e->text().trimmed())) {
                Melden(Meldungsart::Fehler,
                       Ue("„%1“ ist keine IP-Adresse (z. B. 127.0.0.1).").arg(e->text()));
                e->setFocus();
                return;
            }
        d.accept();
    });
    const auto warnen = [&] {
        bool netz = false;
        for (const Felder& e : {lx, bi})
            netz = netz || (e.An->isChecked() && !Nur_Lokal(e.Adresse->text().trimmed()));
        warnung->setVisible(netz);
    };
    for (const Felder& e : {lx, bi}) {
        connect(e.Adresse, &QLineEdit::textChanged, &d, warnen);
        connect(e.An, &QCheckBox::toggled, &d, warnen);
    }
    warnen();
    l->addWidget(knoepfe);
    Nachtmodus_Anwenden(&d);
    if (d.exec() != QDialog::Accepted) return;

    const auto uebernehmen = [&](const Felder& e, const Server_Schluessel& k, Teleskop_Server* s) {
        const QString adresse = e.Adresse->text().trimmed();
        const auto port = static_cast<quint16>(e.Port->value());
        Einstellung_Schreiben(k.An, e.An->isChecked());
        Einstellung_Text_Schreiben(k.Adresse, adresse.toStdString());
        Einstellung_Zahl_Schreiben(k.Port, port);
        if (!e.An->isChecked())
            s->Beenden();
        else if (!s->Laeuft() || s->Port() != port || s->Adresse() != adresse)
            Teleskop_Server_Starten(s->Art(), adresse, port);
    };
    uebernehmen(lx, Schluessel_Lx200, lx200_);
    uebernehmen(bi, Schluessel_Binaer, binaer_);
    Einstellung_Schreiben(Einstellung_Indi_An, indi_an->isChecked());
    Einstellung_Text_Schreiben(Einstellung_Indi_Host, indi_host->text().trimmed().toStdString());
    Einstellung_Zahl_Schreiben(Einstellung_Indi_Port, indi_port->value());
    Einstellung_Text_Schreiben(Einstellung_Indi_Geraet,
                               indi_geraet->text().trimmed().toStdString());
    // What the observer chose now replaces the --indi of this run.
    indi_schalter_.clear();
    Indi_Verbinden();
    Teleskop_Status();
}
