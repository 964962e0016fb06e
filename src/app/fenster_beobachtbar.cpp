#include "app/fenster_beobachtbar.hpp"
#include "app/fenster_sprache.hpp"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

#include "app/fenster_fehler.hpp"
#include "app/fenster_nachtmodus.hpp"
#include "app/zahl_item.hpp"
#include "bedienung/beobachtbar_liste.hpp"
#include "bedienung/sitzung.hpp"
#include "planung/nacht.hpp"
#include "planung/sichtbarkeit.hpp"
#include "shared/konstanten.hpp"
#include "shared/zahlen.hpp"
#include "time/uhr_tick.hpp"

// The main window's instant, site and tables as its clock tick left them.
Beobachtbar_Eingabe Fenster_Eingabe(const Sitzung& s) {
    return Beobachtbar_Eingabe_Von(s);
}

namespace {
// Entries 1..n of an element table, copied for the build thread.
template <class Tabelle> std::shared_ptr<const Tabelle> Kopie(const Tabelle* t, int& n) {
    if (!t || t->empty()) {
        n = 0;
        return nullptr;
    }
    n = std::clamp(n, 0, static_cast<int>(t->size()) - 1);
    return std::make_shared<const Tabelle>(t->begin(), t->begin() + n + 1);
}

enum Spalte {
    Sp_Objekt,
    Sp_Art,
    Sp_Mag,
    Sp_Hoehe,
    Sp_Azimut,
    Sp_Zeit,
    Sp_Groesse,
    Sp_Flaeche,
    Spalten
};

// A number with one decimal, or "—" where the catalogue lacks it.
Zahl_Item* Zahl_Oder_Strich(double wert, bool bekannt, const char* einheit = "") {
    return new Zahl_Item(bekannt ? QString::fromStdString(Fest(wert, 1) + einheit)
                                 : QString::fromUtf8("—"),
                         bekannt ? wert : 1e9);
}
} // namespace

TForm_Beobachtbar::TForm_Beobachtbar(std::function<Beobachtbar_Eingabe()> eingabe,
                                     std::function<void(const QString&)> waehlen, QWidget* eltern)
    : QWidget(eltern, Qt::Window), eingabe_(std::move(eingabe)), waehlen_(std::move(waehlen)) {
    setObjectName("Form_Beobachtbar");
    setWindowTitle(Ue("Jetzt beobachtbar"));

    auto* leiste = new QHBoxLayout;
    const Beobachtbar_Filter vorgabe;
    for (int i = 0; i < Beobachtbar_Arten; ++i) {
        Arten[i] = new QCheckBox(Ue(Beobachtbar_Art_Text(static_cast<Beobachtbar_Art>(i))), this);
        Arten[i]->setObjectName(QString("CheckBox_Art_") + Arten[i]->text());
        Arten[i]->setChecked(vorgabe.Arten[i]);
        leiste->addWidget(Arten[i]);
        connect(Arten[i], &QCheckBox::toggled, this, [this] { Zeigen(); });
    }
    leiste->addSpacing(8);
    SpinBox_Mag = new QDoubleSpinBox(this);
    SpinBox_Mag->setObjectName("SpinBox_Beobachtbar_Mag");
    SpinBox_Mag->setRange(-30, 20);
    SpinBox_Mag->setDecimals(1);
    SpinBox_Mag->setSingleStep(0.5);
    SpinBox_Mag->setPrefix(Ue("bis "));
    SpinBox_Mag->setSuffix(" mag");
    SpinBox_Mag->setValue(vorgabe.Grenz_Mag);
    leiste->addWidget(SpinBox_Mag);
    // NGC and IC objects have their own limit: several hundred to 10 mag.
    SpinBox_Deepsky_Mag = new QDoubleSpinBox(this);
    SpinBox_Deepsky_Mag->setObjectName("SpinBox_Beobachtbar_Deepsky_Mag");
    SpinBox_Deepsky_Mag->setRange(-30, Beobachtbar_Deepsky_Mag);
    SpinBox_Deepsky_Mag->setDecimals(1);
    SpinBox_Deepsky_Mag->setSingleStep(0.5);
    SpinBox_Deepsky_Mag->setPrefix(Ue("NGC/IC bis "));
    SpinBox_Deepsky_Mag->setSuffix(" mag");
    SpinBox_Deepsky_Mag->setValue(vorgabe.Deepsky_Grenz_Mag);
    leiste->addWidget(SpinBox_Deepsky_Mag);
    connect(SpinBox_Deepsky_Mag, &QDoubleSpinBox::valueChanged, this, [this] { Zeigen(); });
    leiste->addStretch();
    connect(SpinBox_Mag, &QDoubleSpinBox::valueChanged, this, [this] { Aktualisieren(); });

    Tabelle = new QTableWidget(0, Spalten, this);
    Tabelle->setObjectName("Tabelle_Beobachtbar");
    Tabelle->setHorizontalHeaderLabels({Ue("Objekt"), Ue("Art"), "mag", Ue("Höhe"), Ue("Azimut"),
                                        Ue("über 20°"), Ue("Größe (′)"), Ue("mag/″²")});
    Tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tabelle->setSelectionBehavior(QAbstractItemView::SelectRows);
    Tabelle->setSelectionMode(QAbstractItemView::SingleSelection);
    Tabelle->verticalHeader()->hide();
    Tabelle->horizontalHeader()->setStretchLastSection(true);
    Tabelle->setSortingEnabled(true);
    Tabelle->sortByColumn(Sp_Hoehe, Qt::DescendingOrder);
    // Return and a double-click both activate.
    connect(Tabelle, &QTableWidget::activated, this,
            [this](const QModelIndex& i) { Waehlen(i.row()); });

    Label_Stand = new QLabel(this);
    Label_Stand->setObjectName("Label_Beobachtbar_Stand");
    Label_Nacht = new QLabel(this);
    Label_Nacht->setObjectName("Label_Beobachtbar_Nacht");
    Label_Nacht->setWordWrap(true);
    auto* aufbau = new QVBoxLayout(this);
    aufbau->setContentsMargins(4, 4, 4, 4);
    aufbau->addWidget(Label_Nacht);
    aufbau->addLayout(leiste);
    aufbau->addWidget(Tabelle, 1);
    aufbau->addWidget(Label_Stand);
    resize(900, 560);

    Timer_Beobachtbar = new QTimer(this);
    Timer_Beobachtbar->setObjectName("Timer_Beobachtbar");
    // Nothing is built while the window is closed.
    connect(Timer_Beobachtbar, &QTimer::timeout, this, [this] {
        if (isVisible()) Aktualisieren();
    });
    Timer_Beobachtbar->start(1000);
    Aktualisieren();
}

TForm_Beobachtbar::~TForm_Beobachtbar() = default; // the future waits for a build in progress

void TForm_Beobachtbar::Aktualisieren() {
    if (laufend_.valid()) {
        if (laufend_.wait_for(std::chrono::seconds(0)) != std::future_status::ready) return;
        try {
            Ergebnis r = laufend_.get();
            katalog_ = r.katalog;
            vorrat_ = r.vorrat;
            zeilen_ = std::move(r.zeilen);
            stand_ = stand_laufend_;
        } catch (const std::exception& f) {
            zeilen_.clear();
            stand_ = f.what();
        }
        Zeigen();
    }
    Beobachtbar_Eingabe e = eingabe_();
    e.Grenz_Mag = SpinBox_Mag->value();
    const std::string schluessel =
        std::to_string(std::floor(e.JD_UT * 1440.0)) + "|" + std::to_string(e.Grenz_Mag);
    if (schluessel == schluessel_) return;
    schluessel_ = schluessel;
    Label_Nacht->setText(
        QString::fromStdString(Nacht_Berechnen(e.JD_UT, e.Parameter, e.Versatz_Minuten).Text));
    stand_laufend_ =
        Ue("Stand %1 (Zeitzone des PC), Höhe über %2° oder in den nächsten %3 Stunden darüber")
            .arg(QString::fromStdString(Zonen_Uhrzeit(e.JD_UT, e.Versatz_Minuten)),
                 QString::fromStdString(Fest(Sichtbarkeits_Grenze, 0)),
                 QString::fromStdString(Fest(Beobachtbar_Vorlauf, 0)))
            .toStdString();
    // The build reads only its own copies: the tables may be reloaded meanwhile.
    auto asteroiden = Kopie(e.Kontext.Asteroiden, e.Kontext.Anzahl_Asteroiden);
    auto kometen = Kopie(e.Kontext.Kometen, e.Kontext.Anzahl_Kometen);
    e.Kontext.Asteroiden = asteroiden.get();
    e.Kontext.Kometen = kometen.get();
    const int bau = ++bau_;
    laufend_ = std::async(std::launch::async, [this, bau, e, asteroiden, kometen, k = katalog_,
                                               v = vorrat_]() mutable {
        // The finished list is shown at once, not at the next refresh tick:
        // the GUI thread is told when the build has returned. The window
        // waits for the build before it goes, so `this` outlives the call.
        struct Fertig_Melden {
            TForm_Beobachtbar* fenster;
            int bau;
            ~Fertig_Melden() {
                QMetaObject::invokeMethod(
                    fenster, [f = fenster, n = bau] { f->Fertig(n); }, Qt::QueuedConnection);
            }
        } melden{this, bau};
        Ergebnis r;
        r.katalog = k ? k
                      : std::make_shared<const Beobachtbar_Katalog>(
                            Beobachtbar_Katalog_Bauen(e.Kontext.Katalog_Ordner));
        r.vorrat = v && Vorrat_Passt(*v, e.JD_UT)
                       ? v
                       : std::make_shared<const Sonnensystem_Vorrat>(
                             Sonnensystem_Vorrat_Laden(e.Kontext, e.JD_UT));
        e.Vorrat = r.vorrat.get();
        r.zeilen = Jetzt_Beobachtbar(*r.katalog, e);
        return r;
    });
}

void TForm_Beobachtbar::Fertig(int bau) {
    // Only the build in progress; the result is there or a few instructions away.
    if (bau != bau_ || !laufend_.valid()) return;
    laufend_.wait();
    Aktualisieren();
}

void TForm_Beobachtbar::Abwarten() {
    Aktualisieren();
    if (laufend_.valid()) laufend_.wait();
    Aktualisieren();
}

void TForm_Beobachtbar::Zeigen() {
    // The selected entry stays selected across a refresh.
    const int alt = Tabelle->currentRow();
    const QString gewaehlt = alt >= 0 && Tabelle->item(alt, Sp_Objekt)
                                 ? Tabelle->item(alt, Sp_Objekt)->data(Qt::UserRole + 1).toString()
                                 : QString();
    Beobachtbar_Filter filter;
    for (int i = 0; i < Beobachtbar_Arten; ++i) filter.Arten[i] = Arten[i]->isChecked();
    filter.Grenz_Mag = SpinBox_Mag->value();
    filter.Deepsky_Grenz_Mag = SpinBox_Deepsky_Mag->value();
    Tabelle->setSortingEnabled(false);
    Tabelle->setRowCount(0);
    for (const Beobachtbar_Zeile& z : zeilen_) {
        if (!Beobachtbar_Im_Filter(z, filter)) continue;
        const bool bekannt = z.VMag < UNBEKANNT;
        const int r = Tabelle->rowCount();
        Tabelle->insertRow(r);
        auto* objekt = new QTableWidgetItem(QString::fromStdString(z.Bezeichnung));
        objekt->setData(Qt::UserRole + 1, QString::fromStdString(z.Eingabe));
        Tabelle->setItem(r, Sp_Objekt, objekt);
        Tabelle->setItem(r, Sp_Art, new QTableWidgetItem(Ue(Beobachtbar_Art_Text(z.Art))));
        Tabelle->setItem(r, Sp_Mag,
                         new Zahl_Item(bekannt ? QString::fromStdString(Fest(z.VMag, 1))
                                               : QString::fromUtf8("–"),
                                       bekannt ? z.VMag : 99.0));
        Tabelle->setItem(r, Sp_Hoehe,
                         new Zahl_Item(QString::fromStdString(Fest(z.Hoehe, 1) + "°"), z.Hoehe));
        Tabelle->setItem(r, Sp_Azimut,
                         new Zahl_Item(QString::fromStdString(Fest(z.Azimut, 1) + "°"), z.Azimut));
        Tabelle->setItem(r, Sp_Zeit, new Zahl_Item(QString::fromStdString(z.Zeit), z.Zeit_Rang()));
        Tabelle->setItem(r, Sp_Groesse, Zahl_Oder_Strich(z.Groesse, z.Groesse > 0));
        Tabelle->setItem(r, Sp_Flaeche, Zahl_Oder_Strich(z.Flaeche, std::isfinite(z.Flaeche)));
        Tabelle->item(r, Sp_Groesse)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        Tabelle->item(r, Sp_Flaeche)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (z.Lage == Beobachtbar_Lage::Steigt)
            for (int s = 0; s < Spalten; ++s) {
                QFont f = Tabelle->item(r, s)->font();
                f.setItalic(true); // not yet above the limit: said without colour
                Tabelle->item(r, s)->setFont(f);
            }
        for (int s = Sp_Mag; s <= Sp_Azimut; ++s)
            Tabelle->item(r, s)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    Tabelle->setSortingEnabled(true);
    for (int r = 0; r < Tabelle->rowCount(); ++r)
        if (Tabelle->item(r, Sp_Objekt)->data(Qt::UserRole + 1).toString() == gewaehlt)
            Tabelle->setCurrentCell(r, Sp_Objekt);
    // Return picks the top row when none was chosen.
    if (Tabelle->currentRow() < 0 && Tabelle->rowCount() > 0) Tabelle->setCurrentCell(0, Sp_Objekt);
    Tabelle->resizeColumnsToContents();
    QString stand = QString::fromStdString(stand_) + QString::fromUtf8("  ·  ") +
                    Ue("%1 Objekte").arg(Tabelle->rowCount());
    // A missing or damaged catalogue file is said, not silently left out.
    if (katalog_ && !katalog_->Hinweise.empty())
        stand += QString::fromUtf8("  ·  ") + QString::fromStdString(katalog_->Hinweise.front());
    Label_Stand->setText(stand);
}

void TForm_Beobachtbar::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    Tabelle->setFocus(Qt::OtherFocusReason);
}

void TForm_Beobachtbar::Waehlen(int zeile) {
    const QTableWidgetItem* i = Tabelle->item(zeile, Sp_Objekt);
    if (i && waehlen_) waehlen_(i->data(Qt::UserRole + 1).toString());
}
