// "Datei > Bahnelemente aktualisieren…": the addresses, the progress dialog,
// the installation and the reload of the element tables.
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/bahnelemente_installieren.hpp"
#include "app/bahnelemente_laden.hpp"
#include "app/einstellungen.hpp"
#include "app/fenster_fehler.hpp"
#include "app/fenster_sprache.hpp"
#include "app/stelux_unit_main.hpp"
#include "shared/text.hpp"

void TForm_Main::Bahnelemente_Erfragen() {
    if (laden_) return;
    QDialog dialog(this);
    dialog.setWindowTitle(Ue("Bahnelemente aktualisieren"));
    auto* form = new QFormLayout;
    auto* asteroiden = new QLineEdit(QString::fromStdString(
        Einstellung_Text_Lesen(Einstellung_Asteroiden_Url, Vorgabe_Asteroiden_Url)));
    auto* kometen = new QLineEdit(QString::fromStdString(
        Einstellung_Text_Lesen(Einstellung_Kometen_Url, Vorgabe_Kometen_Url)));
    asteroiden->setMinimumWidth(420);
    form->addRow(Ue("Asteroiden (MPCORB.DAT.gz):"), asteroiden);
    form->addRow(Ue("Kometen (CometEls.txt):"), kometen);
    auto* hinweis = new QLabel(
        Ue("Die 6000 hellsten Asteroiden und alle Kometen werden geladen und ersetzen "
           "Asteroiden.txt und Kometen.txt im Datenordner (die bisherigen bleiben als .bak)."));
    hinweis->setWordWrap(true);
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    knoepfe->button(QDialogButtonBox::Ok)->setText(Ue("Laden"));
    knoepfe->button(QDialogButtonBox::Cancel)->setText(Ue("Abbrechen"));
    connect(knoepfe, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* spalte = new QVBoxLayout(&dialog);
    spalte->addLayout(form);
    spalte->addWidget(hinweis);
    spalte->addWidget(knoepfe);
    if (dialog.exec() != QDialog::Accepted) return;
    Aktualisierungs_Auftrag auftrag;
    auftrag.Asteroiden_Url = asteroiden->text().trimmed().toStdString();
    auftrag.Kometen_Url = kometen->text().trimmed().toStdString();
    for (const std::string& url : {auftrag.Asteroiden_Url, auftrag.Kometen_Url})
        if (const std::string grund = Adresse_Pruefen(url); !grund.empty())
            throw Aktualisierungs_Fehler(grund);
    Einstellung_Text_Schreiben(Einstellung_Asteroiden_Url, auftrag.Asteroiden_Url);
    Einstellung_Text_Schreiben(Einstellung_Kometen_Url, auftrag.Kometen_Url);
    auftrag.Ordner = Zustand.Daten_Ordner();
    Datenordner_Pruefen(auftrag.Ordner);
    Bahnelemente_Laden_Starten(auftrag);
}

bool TForm_Main::Bahnelemente_Laeuft() const {
    return laden_ != nullptr;
}

void TForm_Main::Bahnelemente_Laden_Starten(const Aktualisierungs_Auftrag& auftrag) {
    if (laden_) return;
    auto* laden = new Bahnelemente_Laden(auftrag, this);
    laden_ = laden;
    auto* fortschritt = new QProgressDialog(this);
    fortschritt->setObjectName("Bahnelemente_Fortschritt");
    fortschritt->setWindowTitle(Ue("Bahnelemente aktualisieren"));
    fortschritt->setLabelText(Ue("Verbinden …"));
    fortschritt->setCancelButtonText(Ue("Abbrechen"));
    fortschritt->setWindowModality(Qt::WindowModal);
    fortschritt->setAutoClose(false);
    fortschritt->setAutoReset(false);
    fortschritt->setRange(0, 0);
    fortschritt->setMinimumDuration(0);
    connect(fortschritt, &QProgressDialog::canceled, laden, &Bahnelemente_Laden::Abbrechen);
    connect(laden, &Bahnelemente_Laden::Fortschritt, fortschritt,
            [fortschritt](const Lade_Stand& s) {
                fortschritt->setLabelText(QString::fromStdString(Lade_Stand_Text(s)));
                if (s.Gesamt > 0) {
                    // Per mille: the sizes exceed the range of int.
                    fortschritt->setRange(0, 1000);
                    fortschritt->setValue(static_cast<int>(1000.0 * static_cast<double>(s.Bytes) /
                                                           static_cast<double>(s.Gesamt)));
                }
            });
    connect(laden, &Bahnelemente_Laden::Fertig, this,
            [this, laden, fortschritt](bool ok, const QString& meldung) {
                fortschritt->hide();
                fortschritt->deleteLater();
                Bahnelemente_Fertig(laden, ok, meldung);
            });
    fortschritt->show();
    laden->Starten();
}

void TForm_Main::Bahnelemente_Fertig(Bahnelemente_Laden* laden, bool ok, const QString& meldung) {
    laden_ = nullptr;
    laden->deleteLater();
    if (!ok) {
        Melden(Meldungsart::Fehler,
               Ue("Bahnelemente nicht aktualisiert: %1\nDie bisherigen Dateien "
                  "bleiben unverändert.")
                   .arg(meldung));
        return;
    }
    const std::string schwund = Schwund_Pruefen(
        Zustand.Daten_Ordner(), laden->Asteroiden.Zeilen.size(), laden->Kometen.Zeilen.size());
    if (!schwund.empty() && !Fragen(QString::fromStdString(schwund) +
                                        Ue("\n\nTrotzdem installieren? Die bisherigen Dateien "
                                           "blieben als .bak erhalten."),
                                    Ue("Installieren"))) {
        Melden(Meldungsart::Hinweis,
               Ue("Bahnelemente nicht installiert; die bisherigen Dateien bleiben "
                  "unverändert."));
        return;
    }
    Fehler_Waechter([&] {
        Bahnelemente_Installieren(Zustand.Daten_Ordner(),
                                  Element_Datei_Text(laden->Asteroiden.Zeilen),
                                  Element_Datei_Text(laden->Kometen.Zeilen));
        // The new tables in the running program: lists, brightness order and
        // the selected body come from the new elements.
        Combo->hide();
        Elemente_Laden();
        Asteroiden_Ordnen();
        Kometen_Ordnen();
        const Objekt_Type& o = Zustand.Objekt();
        if (Zustand.Objekt_Gueltig() &&
            (o.Art == Objekt_Art::Asteroid || o.Art == Objekt_Art::Komet)) {
            // A body missing from the new elements, or without a place, is no longer selected.
            const Auswahl_Ergebnis r = Zustand.Auswaehlen(std::string(Trimmen(o.Bezeichnung)));
            if (!r.Meldung.empty()) Melden(Meldungsart::Hinweis, QString::fromStdString(r.Meldung));
            if (!r.Gefunden) Label_Objekt->clear();
        }
        Positions_Takt();
        Melden(Meldungsart::Hinweis, Ue("Bahnelemente aktualisiert.\n") +
                                         QString::fromStdString(Aktualisierung_Zusammenfassung(
                                             laden->Asteroiden, laden->Kometen)));
    });
}
