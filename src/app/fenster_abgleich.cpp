// "Optionen > Abgleich…": sightings of centred stars, the pointing model's
// fit and its use. The session reads, writes and fits; the dialog shows.
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <optional>

#include "app/fenster_fehler.hpp"
#include "app/fenster_nachtmodus.hpp"
#include "app/fenster_sprache.hpp"
#include "app/stelux_unit_main.hpp"
#include "bedienung/abgleich.hpp"
#include "pointing/abgleich_datei.hpp"
#include "shared/zahlen.hpp"
#include "time/zeitpunkt.hpp"

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// Hours or degrees as "11h 51.4m" / "-0° 30′" for the list.
QString Kreis_Text(double x, bool stunden) {
    const double b = std::abs(x);
    int ganz = static_cast<int>(b);
    double minuten = std::round((b - ganz) * 600) / 10;
    if (minuten >= 60) {
        ++ganz;
        minuten = 0;
    }
    const std::string t = (x < 0 ? "-" : "") + std::to_string(ganz) + (stunden ? "h " : "° ") +
                          Fest(minuten, 1) + (stunden ? "m" : "′");
    return Q(t);
}

// The sightings a fit used: all but the outliers it left out.
int Verwendet(const Modell_Anpassung& a) {
    return static_cast<int>(std::count(a.Ausreisser.begin(), a.Ausreisser.end(), false));
}

} // namespace

void TForm_Main::Zeigemodelle_Laden() {
    for (const std::string& m : Zustand.Modelle_Laden()) Melden(Meldungsart::Fehler, Q(m));
}

void TForm_Main::Abgleich_Zeigen() {
    // Targets from outside wait while the dialog is open: a sighting is of
    // the object it names.
    const Frage_Halter halter(*this);
    QDialog d(this);
    d.setObjectName("Dialog_Abgleich");
    const QString instrument = Zustand.Schmidt() ? "40cm" : "60cm";
    d.setWindowTitle(Ue("Abgleich – Zeigemodell %1").arg(instrument));

    auto* stern = new QLabel(&d);
    stern->setObjectName("Label_Abgleich_Stern");
    auto* sw = new QLineEdit(&d);
    sw->setObjectName("Edit_Abgleich_SW");
    sw->setPlaceholderText(Ue("h m, z. B. 11 51.4"));
    auto* de = new QLineEdit(&d);
    de->setObjectName("Edit_Abgleich_DE");
    de->setPlaceholderText(Ue("° ′, z. B. -0 30"));
    auto* erfassen = new QPushButton(Ue("Sichtung &speichern"), &d);
    erfassen->setObjectName("Button_Abgleich_Erfassen");

    auto* liste = new QTableWidget(0, 6, &d);
    liste->setObjectName("Tabelle_Abgleich");
    liste->setHorizontalHeaderLabels({Ue("Zeit (UT)"), Ue("Bezeichnung"), Ue("Stundenkreis"),
                                      Ue("Deklinationskreis"), Ue("Rest SW (′)"),
                                      Ue("Rest DE (′)")});
    liste->setSelectionBehavior(QAbstractItemView::SelectRows);
    liste->setSelectionMode(QAbstractItemView::SingleSelection);
    liste->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Columns measured once per filling (zeigen), not at every cell set.
    liste->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    liste->setMinimumSize(640, 220);

    auto* loeschen = new QPushButton(Ue("Sichtung &löschen"), &d);
    loeschen->setObjectName("Button_Abgleich_Loeschen");
    auto* signifikant = new QCheckBox(Ue("&Nur signifikante Terme"), &d);
    signifikant->setObjectName("Check_Abgleich_Signifikant");
    auto* anpassen = new QPushButton(Ue("&Anpassen"), &d);
    anpassen->setObjectName("Button_Abgleich_Anpassen");
    auto* uebernehmen = new QPushButton(Ue("Modell ü&bernehmen"), &d);
    uebernehmen->setObjectName("Button_Abgleich_Uebernehmen");
    uebernehmen->setEnabled(false);
    auto* ergebnis = new QPlainTextEdit(&d);
    ergebnis->setObjectName("Text_Abgleich_Ergebnis");
    ergebnis->setReadOnly(true);
    ergebnis->setMinimumHeight(160);
    auto* schliessen = new QDialogButtonBox(QDialogButtonBox::Close, &d);
    schliessen->setObjectName("Knoepfe_Abgleich");
    schliessen->button(QDialogButtonBox::Close)->setText(Ue("Schließen"));
    connect(schliessen, &QDialogButtonBox::rejected, &d, &QDialog::reject);

    auto* eingabe = new QGridLayout;
    auto* sw_label = new QLabel(Ue("S&tundenkreis abgelesen:"), &d);
    sw_label->setBuddy(sw);
    auto* de_label = new QLabel(Ue("&Deklinationskreis abgelesen:"), &d);
    de_label->setBuddy(de);
    eingabe->addWidget(sw_label, 0, 0);
    eingabe->addWidget(sw, 0, 1);
    eingabe->addWidget(de_label, 1, 0);
    eingabe->addWidget(de, 1, 1);
    eingabe->addWidget(erfassen, 1, 2);
    auto* knoepfe = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{loeschen, signifikant, anpassen, uebernehmen})
        knoepfe->addWidget(w);
    auto* l = new QVBoxLayout(&d);
    l->addWidget(stern);
    l->addLayout(eingabe);
    l->addWidget(liste);
    l->addLayout(knoepfe);
    l->addWidget(ergebnis);
    l->addWidget(schliessen);

    // What the dialog shows: the file's sightings and, after a fit, its result.
    std::vector<Abgleich_Sichtung> sichtungen;
    std::optional<Modell_Anpassung> anpassung;
    QString gespeichert; // the offsets of the sighting saved last: a misread circle shows at once
    // What a sighting is of: the object and its place at the instant the
    // dialog opened, and after each saved sighting at that of the saving.
    std::optional<Sichtung_Subjekt> subjekt;
    QString ohne_subjekt;
    const auto subjekt_nehmen = [&] {
        subjekt.reset();
        try {
            subjekt = Zustand.Sichtung_Vorbereiten();
        } catch (const std::exception& e) {
            ohne_subjekt = Q(e.what());
        }
    };
    subjekt_nehmen();
    const auto zeigen = [&] {
        stern->setText(
            subjekt ? Ue("Gewählt: %1 (Ort um %2 UT)")
                          .arg(Q(subjekt->Zeile), Q(Zeitpunkt_Text(subjekt->JD_UT).substr(11)))
            : Zustand.Objekt_Gueltig()
                ? ohne_subjekt
                : Ue("Kein Stern gewählt – erst einen Stern wählen und einstellen."));
        erfassen->setEnabled(subjekt.has_value());
        liste->setUpdatesEnabled(false);
        liste->setRowCount(static_cast<int>(sichtungen.size()));
        for (std::size_t i = 0; i < sichtungen.size(); ++i) {
            const Abgleich_Sichtung& s = sichtungen[i];
            const bool rest = anpassung && i < anpassung->Reste.size();
            const bool aus = rest && anpassung->Ausreisser[i];
            const QStringList zellen{
                Q(Zeitpunkt_Text(s.JD_UT)),
                Q(s.Bezeichnung),
                Kreis_Text(s.SW_Abgelesen, true),
                Kreis_Text(s.DE_Abgelesen, false),
                rest ? Q(Fest(anpassung->Reste[i].H, 1)) + (aus ? " !" : "") : QString(),
                rest ? Q(Fest(anpassung->Reste[i].D, 1)) + (aus ? " !" : "") : QString()};
            for (int k = 0; k < zellen.size(); ++k)
                liste->setItem(static_cast<int>(i), k, new QTableWidgetItem(zellen[k]));
        }
        liste->resizeColumnsToContents();
        liste->setUpdatesEnabled(true);
        loeschen->setEnabled(!sichtungen.empty());
        anpassen->setEnabled(!sichtungen.empty());
        uebernehmen->setEnabled(anpassung && !anpassung->Modell.Leer() &&
                                anpassung->Abgelehnt.empty());
        QString t = gespeichert;
        if (const Zeigemodell* m = Zustand.Modell())
            t += Ue("Angewandtes Modell: %1 (%2)\n")
                     .arg(Q(Modell_Kurztext(*m)), Q(m->Datum.empty() ? "?" : m->Datum));
        if (anpassung) {
            const Modell_Anpassung& a = *anpassung;
            t += Ue("Angepasst aus %1 Sichtungen (Bogenminuten):\n").arg(Verwendet(a));
            for (int k = 0; k < Modell_Terme; ++k)
                if (a.Modell.Aktiv[k])
                    t += Q(std::string(Modell_Term_Namen[k]) + "\t" + Fest(a.Modell.Wert[k], 2) +
                           "\t± " + Fest(a.Modell.Sigma[k], 2) + "\n");
            t += Ue("RMS vorher: SW %1′, DE %2′; nachher: SW %3′, DE %4′\n")
                     .arg(Q(Fest(a.RMS_H_Vorher, 2)), Q(Fest(a.RMS_D_Vorher, 2)),
                          Q(Fest(a.RMS_H, 2)), Q(Fest(a.RMS_D, 2)));
            for (const std::string& h : a.Hinweise) t += Q(h) + "\n";
            if (!a.Abgelehnt.empty())
                t += Ue("Modell abgelehnt: %1 – es wird weder gespeichert noch angewandt.\n")
                         .arg(Q(a.Abgelehnt));
        }
        ergebnis->setPlainText(t);
    };
    const auto neu_lesen = [&] {
        anpassung.reset();
        sichtungen.clear();
        sichtungen = Abgleich_Lesen(Zustand.Abgleich_Pfad());
    };
    Fehler_Waechter(neu_lesen);

    connect(erfassen, &QPushButton::clicked, &d, [&] {
        const auto h = Ablesung_Lesen(sw->text().toStdString(), true);
        const auto g = Ablesung_Lesen(de->text().toStdString(), false);
        if (!h || !g) {
            Melden(
                Meldungsart::Fehler,
                !h ? Ue("Stundenkreis „%1“: Stunden 0 bis 23 und Minuten unter 60, z. B. 11 51.4")
                         .arg(sw->text())
                   : Ue("Deklinationskreis „%1“: Grad -90 bis 90 und Minuten unter 60, z. B. -0 30")
                         .arg(de->text()));
            (!h ? sw : de)->setFocus();
            return;
        }
        if (!subjekt) return;
        if (Fehler_Waechter([&] {
                const Abgleich_Sichtung s = Zustand.Sichtung_Erfassen(*subjekt, *h, *g);
                const Modell_Sichtung v =
                    Abgleich_Eingaben({s}, s.Instrument, Zustand.Parameter(), {}, false, {})[0];
                gespeichert = Ue("Gespeichert: %1 – Stundenkreis %2′, Deklinationskreis %3′ "
                                 "neben dem berechneten Ort\n")
                                  .arg(Q(s.Bezeichnung), Q(Fest(v.dH, 1)), Q(Fest(v.dD, 1)));
                neu_lesen();
            })) {
            sw->clear();
            de->clear();
            subjekt_nehmen(); // the next sighting is read after this one
        }
        zeigen();
        sw->setFocus();
    });
    // Return in a reading field saves the sighting; in the list it does nothing.
    for (QLineEdit* e : {sw, de})
        connect(e, &QLineEdit::returnPressed, erfassen, &QPushButton::click);
    connect(loeschen, &QPushButton::clicked, &d, [&] {
        const int zeile = liste->currentRow();
        if (zeile < 0) return;
        Fehler_Waechter([&] {
            Zustand.Sichtung_Loeschen(static_cast<std::size_t>(zeile));
            neu_lesen();
        });
        zeigen();
    });
    auto* entf = new QShortcut(QKeySequence(Qt::Key_Delete), liste);
    entf->setContext(Qt::WidgetShortcut);
    connect(entf, &QShortcut::activated, loeschen, &QPushButton::click);
    connect(anpassen, &QPushButton::clicked, &d, [&] {
        Fehler_Waechter([&] {
            anpassung.reset();
            anpassung = Zustand.Abgleich_Anpassen(sichtungen, signifikant->isChecked());
        });
        zeigen();
    });
    connect(uebernehmen, &QPushButton::clicked, &d, [&] {
        if (!anpassung) return;
        Fehler_Waechter(
            [&] { Zustand.Modell_Uebernehmen(anpassung->Modell, Verwendet(*anpassung)); });
        Positions_Takt();
        zeigen();
    });

    // Return belongs to the reading fields; no button takes it for the dialog.
    for (QPushButton* k : d.findChildren<QPushButton*>()) k->setAutoDefault(false);
    zeigen();
    Nachtmodus_Anwenden(&d);
    sw->setFocus();
    d.exec();
}
