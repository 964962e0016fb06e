#include "app/fenster_liste.hpp"

#include <QCloseEvent>
#include <QCryptographicHash>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <chrono>
#include <cmath>

#include "app/einstellungen.hpp"
#include "app/fenster_fehler.hpp"
#include "app/fenster_nachtmodus.hpp"
#include "app/fenster_sprache.hpp"
#include "app/zahl_item.hpp"
#include "bedienung/sitzung.hpp"
#include "shared/datei_schreiben.hpp"
#include "shared/konstanten.hpp"
#include "shared/zahlen.hpp"
#include "shared/zeilen_leser.hpp"

namespace {

enum Spalte {
    Sp_Bezeichnung,
    Sp_Name,
    Sp_Art,
    Sp_Mag,
    Sp_Hoehe,
    Sp_Ueber,
    Sp_Kulmination,
    Sp_Erledigt,
    Sp_Notiz,
    Sp_Anzahl
};
constexpr int Rolle_Index = Qt::UserRole + 1; // the row's place in zeilen_
} // namespace

TForm_Liste::TForm_Liste(Sitzung& sitzung, std::function<void(const QString&)> waehlen,
                         QWidget* eltern)
    : QWidget(eltern, Qt::Window), sitzung_(sitzung), waehlen_(std::move(waehlen)) {
    setObjectName("Form_Liste");
    setWindowTitle(Ue("Beobachtungsliste"));
    Tabelle = new QTableWidget(0, Sp_Anzahl, this);
    Tabelle->setObjectName("Tabelle_Liste");
    Tabelle->setHorizontalHeaderLabels({Ue("Bezeichnung"), Ue("Name"), Ue("Art"), "mag", Ue("Höhe"),
                                        Ue("über 20° ab/bis"), Ue("Kulmination"), Ue("erledigt"),
                                        Ue("Notiz")});
    Tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tabelle->setSelectionBehavior(QAbstractItemView::SelectRows);
    Tabelle->setSelectionMode(QAbstractItemView::SingleSelection);
    Tabelle->verticalHeader()->hide();
    Tabelle->horizontalHeader()->setStretchLastSection(true);
    Tabelle->installEventFilter(this);
    connect(Tabelle, &QTableWidget::activated, this,
            [this](const QModelIndex& i) { Waehlen(i.row()); });

    Label_Liste_Stand = new QLabel(this);
    Label_Liste_Stand->setObjectName("Label_Liste_Stand");
    Label_Liste_Stand->setWordWrap(true);
    Button_Liste_Speichern = new QPushButton(Ue("Als .skylist &speichern…"), this);
    Button_Liste_Speichern->setObjectName("Button_Liste_Speichern");
    connect(Button_Liste_Speichern, &QPushButton::clicked, this, [this] {
        Fehler_Waechter([&] {
            const QString ziel =
                QFileDialog::getSaveFileName(this, Ue("Beobachtungsliste speichern"), QString(),
                                             Ue("SkySafari-Liste (*.skylist)"));
            if (!ziel.isEmpty()) Speichern(ziel.toStdString());
        });
    });
    auto* unten = new QHBoxLayout;
    unten->addWidget(Label_Liste_Stand, 1);
    unten->addWidget(Button_Liste_Speichern);
    auto* aufbau = new QVBoxLayout(this);
    aufbau->setContentsMargins(4, 4, 4, 4);
    aufbau->addWidget(Tabelle, 1);
    aufbau->addLayout(unten);
    resize(820, 520);

    Timer_Liste = new QTimer(this);
    Timer_Liste->setObjectName("Timer_Liste");
    connect(Timer_Liste, &QTimer::timeout, this, [this] {
        if (isVisible() && !laufend_.valid() && std::floor(sitzung_.JD_UT() * 1440) != gerechnet_)
            Fehler_Waechter([&] { Neu_Rechnen(); });
    });
    Timer_Liste->start(1000);
    Timer_Suche = new QTimer(this);
    Timer_Suche->setObjectName("Timer_Liste_Suche");
    Timer_Suche->setInterval(50);
    connect(Timer_Suche, &QTimer::timeout, this,
            [this] { Fehler_Waechter([&] { Suche_Uebernehmen(); }); });
}

TForm_Liste::~TForm_Liste() {
    Suche_Abbrechen(); // the future then waits one candidate at most
}

std::string Liste_Erledigt_Schluessel(const std::string& pfad) {
    const QByteArray h =
        QCryptographicHash::hash(QByteArray::fromStdString(pfad), QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    return std::string(Einstellung_Liste_Erledigt) + "_" + h.toStdString();
}

std::string TForm_Liste::Schluessel(const Listen_Zeile& z) const {
    return std::to_string(z.Zeile) + "|" + z.Eingabe;
}

void TForm_Liste::Suche_Abbrechen() {
    if (abbrechen_) abbrechen_->store(true);
    if (laufend_.valid()) laufend_.wait();
    laufend_ = {};
    abbrechen_.reset();
    Timer_Suche->stop();
}

void TForm_Liste::closeEvent(QCloseEvent* e) {
    if (laufend_.valid()) {
        Suche_Abbrechen();
        Label_Liste_Stand->setText(Ue("Suche abgebrochen."));
    }
    QWidget::closeEvent(e);
}

void TForm_Liste::Laden(const std::string& pfad) {
    auto liste = std::make_shared<const Beobachtungsliste>(Liste_Lesen(pfad));
    // The lookup runs off the GUI thread on copies of the element tables;
    // the session's selection and stored orbits are not touched.
    auto asteroiden = std::make_shared<const Asteroiden_Tabelle>(sitzung_.Asteroiden());
    auto kometen = std::make_shared<const Kometen_Tabelle>(sitzung_.Kometen());
    Such_Kontext k;
    k.JD_UT = sitzung_.JD_UT();
    k.Daten_Ordner = sitzung_.Daten_Ordner();
    k.Asteroiden = asteroiden.get();
    k.Anzahl_Asteroiden = sitzung_.Anzahl_Asteroiden();
    k.Kometen = kometen.get();
    k.Anzahl_Kometen = sitzung_.Anzahl_Kometen();
    Suche_Abbrechen(); // an earlier file still being looked up
    abbrechen_ = std::make_shared<std::atomic<bool>>(false);
    laufend_ = std::async(std::launch::async, [liste, k, asteroiden, kometen, ab = abbrechen_] {
        Suche s;
        s.hinweise = liste->Hinweise;
        s.zeilen = Liste_Suchen(*liste, k, s.hinweise, ab.get());
        return s;
    });
    pfad_laufend_ = pfad;
    zeilen_.clear();
    hinweise_.clear();
    Label_Liste_Stand->setText(Ue("Die Einträge werden gesucht…"));
    Tabelle->setRowCount(0);
    setWindowTitle(Ue("Beobachtungsliste") + " – " +
                   QString::fromStdString(Utf8_Aus_Pfad(Pfad_Aus_Utf8(pfad).filename())));
    Timer_Suche->start();
}

void TForm_Liste::Suche_Uebernehmen() {
    if (!laufend_.valid() ||
        laufend_.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
        return;
    Timer_Suche->stop();
    Suche s = laufend_.get();
    abbrechen_.reset();
    zeilen_ = std::move(s.zeilen);
    hinweise_ = std::move(s.hinweise);
    pfad_ = pfad_laufend_;
    erledigt_.clear();
    std::string marken = Einstellung_Text_Lesen(Liste_Erledigt_Schluessel(pfad_).c_str(), "");
    // Marks kept by an older version: those of the last list only.
    if (marken.empty() && Einstellung_Text_Lesen(Einstellung_Liste_Datei, "") == pfad_)
        marken = Einstellung_Text_Lesen(Einstellung_Liste_Erledigt, "");
    for (const QString& m : QString::fromStdString(marken).split('\n', Qt::SkipEmptyParts))
        erledigt_.insert(m.toStdString());
    for (Listen_Zeile& z : zeilen_) z.Erledigt = erledigt_.count(Schluessel(z)) > 0;
    Merken();
    Neu_Rechnen();
}

void TForm_Liste::Abwarten() {
    if (laufend_.valid()) laufend_.wait();
    Suche_Uebernehmen();
}

void TForm_Liste::Neu_Rechnen() {
    sitzung_.Liste_Rechnen(zeilen_);
    gerechnet_ = std::floor(sitzung_.JD_UT() * 1440);
    Zeigen();
}

void TForm_Liste::Merken() {
    std::string marken;
    for (const std::string& m : erledigt_) marken += m + "\n";
    Einstellung_Text_Schreiben(Einstellung_Liste_Datei, pfad_);
    Einstellung_Text_Schreiben(Liste_Erledigt_Schluessel(pfad_).c_str(), marken);
}

void TForm_Liste::Zeigen() {
    const int alt = Tabelle->currentRow();
    const int alt_index =
        alt >= 0 && Tabelle->item(alt, 0) ? Tabelle->item(alt, 0)->data(Rolle_Index).toInt() : -1;
    const int spalte = Tabelle->horizontalHeader()->sortIndicatorSection();
    const Qt::SortOrder richtung = Tabelle->horizontalHeader()->sortIndicatorOrder();
    const bool sortiert = Tabelle->isSortingEnabled();
    Tabelle->setSortingEnabled(false);
    Tabelle->setRowCount(0);
    int nicht_gefunden = 0;
    for (std::size_t i = 0; i < zeilen_.size(); ++i) {
        const Listen_Zeile& z = zeilen_[i];
        const int r = Tabelle->rowCount();
        Tabelle->insertRow(r);
        // The night's order is the first column's sort key.
        auto* bez = new Zahl_Item(QString::fromStdString(z.Gefunden ? z.Bezeichnung : z.Eingabe),
                                  static_cast<double>(i));
        bez->setData(Rolle_Index, static_cast<int>(i));
        Tabelle->setItem(r, Sp_Bezeichnung, bez);
        Tabelle->setItem(r, Sp_Name, new QTableWidgetItem(QString::fromStdString(z.Name)));
        if (!z.Gefunden) {
            ++nicht_gefunden;
            Tabelle->setItem(r, Sp_Art,
                             new QTableWidgetItem(z.Uebersprungen.empty() ? Ue("Nicht gefunden")
                                                                          : Ue("Übersprungen")));
            if (!z.Uebersprungen.empty())
                Tabelle->item(r, Sp_Art)->setToolTip(QString::fromStdString(z.Uebersprungen));
            for (int s = Sp_Mag; s < Sp_Notiz; ++s)
                Tabelle->setItem(r, s, new Zahl_Item(QString(), 1e9));
        } else {
            const bool bekannt = z.VMag < UNBEKANNT;
            Tabelle->setItem(r, Sp_Art, new QTableWidgetItem(QString::fromStdString(z.Art)));
            Tabelle->setItem(r, Sp_Mag,
                             new Zahl_Item(bekannt ? QString::fromStdString(Fest(z.VMag, 1))
                                                   : QString::fromUtf8("–"),
                                           bekannt ? z.VMag : 99.0));
            Tabelle->setItem(r, Sp_Hoehe,
                             new Zahl_Item(QString::fromStdString(z.Hoehe_Text), z.Hoehe));
            Tabelle->setItem(
                r, Sp_Ueber,
                new Zahl_Item(QString::fromStdString(z.Ueber_Text), static_cast<double>(i)));
            Tabelle->setItem(
                r, Sp_Kulmination,
                new Zahl_Item(QString::fromStdString(z.Kulmination_Text),
                              std::isfinite(z.Sicht.Kulmination) ? z.Sicht.Kulmination : 1e9));
        }
        if (z.Gefunden) Tabelle->setItem(r, Sp_Erledigt, new QTableWidgetItem());
        Tabelle->setItem(r, Sp_Notiz, new QTableWidgetItem(QString::fromStdString(z.Notiz)));
        Tabelle->item(r, Sp_Erledigt)->setText(z.Erledigt ? QString::fromUtf8("✓") : QString());
        for (int s = Sp_Mag; s <= Sp_Hoehe; ++s)
            Tabelle->item(r, s)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (z.Erledigt)
            for (int s = 0; s < Sp_Anzahl; ++s) {
                QFont f = Tabelle->item(r, s)->font();
                f.setStrikeOut(true); // done: said without colour
                Tabelle->item(r, s)->setFont(f);
            }
    }
    Tabelle->setSortingEnabled(true);
    if (sortiert)
        Tabelle->sortByColumn(spalte, richtung);
    else
        Tabelle->sortByColumn(Sp_Bezeichnung, Qt::AscendingOrder);
    for (int r = 0; r < Tabelle->rowCount(); ++r)
        if (Tabelle->item(r, 0)->data(Rolle_Index).toInt() == alt_index)
            Tabelle->setCurrentCell(r, 0);
    if (Tabelle->currentRow() < 0 && Tabelle->rowCount() > 0) Tabelle->setCurrentCell(0, 0);
    Tabelle->resizeColumnsToContents();
    QString stand = Ue("%1 Einträge, %2 nicht gefunden · Leertaste: erledigt")
                        .arg(zeilen_.size())
                        .arg(nicht_gefunden);
    for (const std::string& h : hinweise_) stand += "\n" + QString::fromStdString(h);
    Label_Liste_Stand->setText(stand);
}

void TForm_Liste::Waehlen(int zeile) {
    const QTableWidgetItem* i = Tabelle->item(zeile, 0);
    if (!i || !waehlen_) return;
    const Listen_Zeile& z = zeilen_.at(static_cast<std::size_t>(i->data(Rolle_Index).toInt()));
    if (z.Gefunden) waehlen_(QString::fromStdString(z.Bezeichnung));
}

void TForm_Liste::Erledigt_Umschalten(int zeile) {
    const QTableWidgetItem* i = Tabelle->item(zeile, 0);
    if (!i) return;
    Listen_Zeile& z = zeilen_.at(static_cast<std::size_t>(i->data(Rolle_Index).toInt()));
    z.Erledigt = !z.Erledigt;
    if (z.Erledigt)
        erledigt_.insert(Schluessel(z));
    else
        erledigt_.erase(Schluessel(z));
    Merken();
    Zeigen();
    if (z.Erledigt && Tabelle->currentRow() + 1 < Tabelle->rowCount())
        Tabelle->setCurrentCell(Tabelle->currentRow() + 1, 0);
}

void TForm_Liste::Speichern(const std::string& pfad) {
    Datei_Atomar_Schreiben(pfad, Skylist_Text(Skylist_Aus_Liste(zeilen_)));
}

void TForm_Liste::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    Tabelle->setFocus(Qt::OtherFocusReason);
}

bool TForm_Liste::eventFilter(QObject* o, QEvent* e) {
    if (o == Tabelle && e->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(e)->key() == Qt::Key_Space) {
        Fehler_Waechter([&] { Erledigt_Umschalten(Tabelle->currentRow()); });
        return true;
    }
    return QWidget::eventFilter(o, e);
}
