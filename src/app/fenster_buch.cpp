#include "app/fenster_buch.hpp"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "app/einstellungen.hpp"
#include "app/fenster_fehler.hpp"
#include "app/fenster_nachtmodus.hpp"
#include "app/fenster_sprache.hpp"
#include "basis/beobachter_angaben.hpp"
#include "bedienung/sitzung.hpp"
#include "buch/oal_export.hpp"
#include "planung/listen_ordnung.hpp"
#include "shared/datei_schreiben.hpp"
#include "shared/fehler.hpp"
#include "shared/text.hpp"

TForm_Notieren::TForm_Notieren(const QString& objekt,
                               std::function<void(const TForm_Notieren&)> speichern,
                               QWidget* eltern)
    : QDialog(eltern) {
    setObjectName("Form_Notieren");
    setWindowTitle(Ue("Notieren"));
    Edit_Notiz = new QLineEdit(this);
    Edit_Notiz->setObjectName("Edit_Notiz");
    ComboBox_Seeing = new QComboBox(this);
    ComboBox_Seeing->setObjectName("ComboBox_Seeing");
    ComboBox_Seeing->addItem(QString::fromUtf8("–"));
    for (int i = 1; i <= 5; ++i) ComboBox_Seeing->addItem(QString::number(i));
    Edit_Transparenz = new QLineEdit(this);
    Edit_Transparenz->setObjectName("Edit_Transparenz");
    Edit_Okular = new QLineEdit(this);
    Edit_Okular->setObjectName("Edit_Okular");
    auto* form = new QFormLayout;
    auto* titel = new QLabel(objekt, this);
    titel->setObjectName("Label_Notieren_Objekt");
    form->addRow(titel);
    form->addRow(Ue("&Notiz:"), Edit_Notiz);
    form->addRow(Ue("&Seeing (1 bestes – 5):"), ComboBox_Seeing);
    form->addRow(Ue("&Transparenz:"), Edit_Transparenz);
    form->addRow(Ue("&Okular / Belichtung:"), Edit_Okular);
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    knoepfe->setObjectName("ButtonBox_Notieren");
    knoepfe->button(QDialogButtonBox::Ok)->setText(Ue("Notieren"));
    knoepfe->button(QDialogButtonBox::Cancel)->setText(Ue("Abbrechen"));
    connect(knoepfe, &QDialogButtonBox::accepted, this, [this, speichern] {
        if (Fehler_Waechter([&] { speichern(*this); })) accept();
    });
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* aufbau = new QVBoxLayout(this);
    aufbau->addLayout(form);
    aufbau->addWidget(knoepfe);
    // A line of 100 characters in view; a longer note widens the dialog up
    // to the screen's width.
    Edit_Notiz->setMinimumWidth(Edit_Notiz->fontMetrics().horizontalAdvance(QString(100, 'e')) +
                                24);
    connect(Edit_Notiz, &QLineEdit::textChanged, this, [this](const QString& text) {
        const int mehr =
            Edit_Notiz->fontMetrics().horizontalAdvance(text) + 24 - Edit_Notiz->width();
        if (mehr <= 0 || !screen()) return;
        const QRect bild = screen()->availableGeometry();
        const int breite = std::min(width() + mehr, bild.width() - 16);
        if (breite <= width()) return;
        resize(breite, height());
        if (geometry().right() > bild.right() - 8) move(bild.right() - 8 - breite, y());
    });
    Edit_Notiz->setFocus();
    Nachtmodus_Anwenden(this);
}

void TForm_Notieren::reject() {
    // Escape with a typed note asks first: the note would be gone.
    const bool getippt =
        !Edit_Notiz->text().trimmed().isEmpty() || !Edit_Transparenz->text().trimmed().isEmpty() ||
        !Edit_Okular->text().trimmed().isEmpty() || ComboBox_Seeing->currentIndex() > 0;
    if (getippt && !Fragen(Ue("Die Notiz verwerfen, ohne sie einzutragen?"), Ue("Verwerfen")))
        return;
    QDialog::reject();
}

void TForm_Notieren::Uebernehmen(Buch_Eintrag& e) const {
    e.Notiz = Edit_Notiz->text().toStdString();
    e.Seeing = ComboBox_Seeing->currentIndex();
    e.Transparenz = Edit_Transparenz->text().toStdString();
    e.Okular = Edit_Okular->text().toStdString();
}

namespace {
enum Spalte { Sp_Zeit, Sp_Objekt, Sp_Instrument, Sp_Hoehe, Sp_Seeing, Sp_Notiz, Sp_Anzahl };
constexpr int Rolle_Index = Qt::UserRole + 1;

// Observer and focal lengths, asked once and kept in the settings.
class Beobachter_Dialog : public QDialog {
public:
    explicit Beobachter_Dialog(QWidget* eltern) : QDialog(eltern) {
        setObjectName("Form_Beobachter");
        setWindowTitle(Ue("Beobachter für den OAL-Export"));
        vorname = new QLineEdit(
            QString::fromStdString(Einstellung_Text_Lesen(Einstellung_Beobachter_Vorname, "")),
            this);
        vorname->setObjectName("Edit_Vorname");
        nachname = new QLineEdit(
            QString::fromStdString(Einstellung_Text_Lesen(Einstellung_Beobachter_Nachname, "")),
            this);
        nachname->setObjectName("Edit_Nachname");
        for (int i = 0; i < 2; ++i) {
            brennweite[i] = new QDoubleSpinBox(this);
            brennweite[i]->setObjectName(i ? "SpinBox_Brennweite_60" : "SpinBox_Brennweite_40");
            brennweite[i]->setRange(0, 100000);
            brennweite[i]->setDecimals(0);
            brennweite[i]->setSuffix(" mm");
            brennweite[i]->setValue(Einstellung_Zahl_Lesen(
                i ? Einstellung_Brennweite_60 : Einstellung_Brennweite_40, 0, 0, 100000));
        }
        auto* form = new QFormLayout;
        form->addRow(Ue("&Vorname:"), vorname);
        form->addRow(Ue("&Nachname:"), nachname);
        form->addRow(Ue("Brennweite 40cm Schmidt-&Kamera:"), brennweite[0]);
        form->addRow(Ue("Brennweite 60cm &Cassegrain:"), brennweite[1]);
        auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
        knoepfe->button(QDialogButtonBox::Cancel)->setText(Ue("Abbrechen"));
        connect(knoepfe, &QDialogButtonBox::accepted, this, [this] {
            if (nachname->text().trimmed().isEmpty() || brennweite[0]->value() <= 0 ||
                brennweite[1]->value() <= 0) {
                Melden(Meldungsart::Hinweis,
                       Ue("Bitte den Nachnamen und beide Brennweiten angeben."));
                return;
            }
            Einstellung_Text_Schreiben(Einstellung_Beobachter_Vorname,
                                       vorname->text().trimmed().toStdString());
            Einstellung_Text_Schreiben(Einstellung_Beobachter_Nachname,
                                       nachname->text().trimmed().toStdString());
            Einstellung_Zahl_Schreiben(Einstellung_Brennweite_40, brennweite[0]->value());
            Einstellung_Zahl_Schreiben(Einstellung_Brennweite_60, brennweite[1]->value());
            accept();
        });
        connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
        auto* aufbau = new QVBoxLayout(this);
        aufbau->addLayout(form);
        aufbau->addWidget(knoepfe);
        Nachtmodus_Anwenden(this);
    }
    QLineEdit *vorname, *nachname;
    QDoubleSpinBox* brennweite[2];
};
} // namespace

TForm_Buch::TForm_Buch(Sitzung& sitzung, QWidget* eltern)
    : QWidget(eltern, Qt::Window), sitzung_(sitzung) {
    setObjectName("Form_Buch");
    setWindowTitle(Ue("Beobachtungsbuch"));
    ComboBox_Nacht = new QComboBox(this);
    ComboBox_Nacht->setObjectName("ComboBox_Nacht");
    connect(ComboBox_Nacht, &QComboBox::currentIndexChanged, this, [this] {
        if (!zeigen_laeuft_) Zeigen();
    });
    auto* nacht = new QLabel(Ue("&Nacht:"), this);
    nacht->setBuddy(ComboBox_Nacht);
    Button_Buch_Export = new QPushButton(Ue("&Exportieren…"), this);
    Button_Buch_Export->setObjectName("Button_Buch_Export");
    connect(Button_Buch_Export, &QPushButton::clicked, this, [this] {
        Fehler_Waechter([&] {
            const QString ziel = Export_Erfragen();
            if (!ziel.isEmpty()) Exportieren(ziel.toStdString());
        });
    });
    auto* oben = new QHBoxLayout;
    oben->addWidget(nacht);
    oben->addWidget(ComboBox_Nacht, 1);
    oben->addWidget(Button_Buch_Export);

    Tabelle = new QTableWidget(0, Sp_Anzahl, this);
    Tabelle->setObjectName("Tabelle_Buch");
    Tabelle->setHorizontalHeaderLabels(
        {Ue("Zeit"), Ue("Objekt"), Ue("Instrument"), Ue("Höhe"), Ue("Seeing"), Ue("Notiz")});
    // Only the note can be edited (F2 or a double-click).
    Tabelle->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::DoubleClicked);
    Tabelle->setSelectionBehavior(QAbstractItemView::SelectRows);
    Tabelle->setSelectionMode(QAbstractItemView::SingleSelection);
    Tabelle->verticalHeader()->hide();
    Tabelle->horizontalHeader()->setStretchLastSection(true);
    Tabelle->installEventFilter(this);
    connect(Tabelle, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* i) {
        if (zeigen_laeuft_ || i->column() != Sp_Notiz) return;
        const int zeile = i->row();
        const std::string text = i->text().toStdString();
        // Shown afterwards as it is on the disk, also when the change failed.
        QTimer::singleShot(0, this, [this, zeile, text] {
            if (!Fehler_Waechter([&] { Notiz_Aendern(zeile, text); }))
                Fehler_Waechter([&] { Laden(); });
        });
    });
    Label_Buch_Stand = new QLabel(this);
    Label_Buch_Stand->setObjectName("Label_Buch_Stand");
    Label_Buch_Stand->setWordWrap(true);
    auto* aufbau = new QVBoxLayout(this);
    aufbau->setContentsMargins(4, 4, 4, 4);
    aufbau->addLayout(oben);
    aufbau->addWidget(Tabelle, 1);
    aufbau->addWidget(Label_Buch_Stand);
    resize(820, 480);
}

void TForm_Buch::Laden() {
    buch_ = Buch_Lesen(sitzung_.Buch_Pfad());
    Zeigen();
}

std::vector<std::size_t> TForm_Buch::Gezeigt() const {
    const std::string nacht = ComboBox_Nacht->currentData().toString().toStdString();
    std::vector<std::size_t> r;
    for (std::size_t i = 0; i < buch_.Eintraege.size(); ++i)
        if (nacht.empty() || Buch_Nacht(buch_.Eintraege[i]) == nacht) r.push_back(i);
    return r;
}

void TForm_Buch::Zeigen() {
    zeigen_laeuft_ = true;
    // The nights present, newest first; the choice stays.
    const QString gewaehlt = ComboBox_Nacht->currentData().toString();
    std::vector<std::string> naechte;
    for (const Buch_Eintrag& e : buch_.Eintraege) naechte.push_back(Buch_Nacht(e));
    std::sort(naechte.rbegin(), naechte.rend());
    naechte.erase(std::unique(naechte.begin(), naechte.end()), naechte.end());
    ComboBox_Nacht->clear();
    ComboBox_Nacht->addItem(Ue("alle Nächte"), QString());
    for (const std::string& n : naechte)
        ComboBox_Nacht->addItem(QString::fromStdString(n), QString::fromStdString(n));
    ComboBox_Nacht->setCurrentIndex(std::max(0, ComboBox_Nacht->findData(gewaehlt)));

    Tabelle->setRowCount(0);
    for (std::size_t i : Gezeigt()) {
        const Buch_Eintrag& e = buch_.Eintraege[i];
        const int r = Tabelle->rowCount();
        Tabelle->insertRow(r);
        const QString texte[Sp_Anzahl] = {QString::fromStdString(Buch_Zeit_Iso(e)),
                                          QString::fromStdString(e.Objektzeile),
                                          QString::fromStdString(e.Instrument),
                                          QString::fromStdString(e.Hoehe),
                                          e.Seeing ? QString::number(e.Seeing) : QString(),
                                          QString::fromStdString(e.Notiz)};
        for (int s = 0; s < Sp_Anzahl; ++s) {
            auto* item = new QTableWidgetItem(texte[s]);
            if (s != Sp_Notiz) item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            item->setData(Rolle_Index, static_cast<qulonglong>(i));
            Tabelle->setItem(r, s, item);
        }
    }
    Tabelle->resizeColumnsToContents();
    if (Tabelle->rowCount() > 0) Tabelle->setCurrentCell(Tabelle->rowCount() - 1, Sp_Notiz);
    QString stand = Ue("%1 Einträge · F2: Notiz ändern · Entf: löschen").arg(Tabelle->rowCount());
    for (const std::string& h : buch_.Hinweise) stand += "\n" + QString::fromStdString(h);
    Label_Buch_Stand->setText(stand);
    zeigen_laeuft_ = false;
}

// Changes the shown entry in the log as it is on the disk now (stelux-cli may
// have added to it), under the log's lock; throws when the entry is gone.
void TForm_Buch::Eintrag_Aendern(
    int zeile, const std::function<void(Beobachtungsbuch&, std::size_t)>& aendern) {
    const QTableWidgetItem* i = Tabelle->item(zeile, 0);
    if (!i) throw Bereichs_Fehler("kein Eintrag gewählt");
    const std::string gesucht = Buch_Zeile(buch_.Eintraege.at(i->data(Rolle_Index).toULongLong()));
    const std::string pfad = sitzung_.Buch_Pfad();
    buch_ = Buch_Aendern(pfad, [&](Beobachtungsbuch& frisch) {
        for (std::size_t k = 0; k < frisch.Eintraege.size(); ++k)
            if (Buch_Zeile(frisch.Eintraege[k]) == gesucht) return aendern(frisch, k);
        throw Ein_Ausgabe_Fehler(
            pfad + ": der Eintrag wurde inzwischen geändert; die Liste ist neu geladen");
    });
    Zeigen();
}

void TForm_Buch::Notiz_Aendern(int zeile, const std::string& notiz) {
    Eintrag_Aendern(zeile,
                    [&](Beobachtungsbuch& b, std::size_t k) { b.Eintraege[k].Notiz = notiz; });
}

void TForm_Buch::Loeschen(int zeile) {
    const QTableWidgetItem* i = Tabelle->item(zeile, 0);
    if (!i) return;
    const Buch_Eintrag& e = buch_.Eintraege.at(i->data(Rolle_Index).toULongLong());
    if (!Fragen(Ue("Den Eintrag %1 vom %2 löschen?")
                    .arg(QString::fromStdString(e.Objektzeile),
                         QString::fromStdString(Buch_Zeit_Iso(e))),
                Ue("Löschen")))
        return;
    Eintrag_Aendern(zeile, [](Beobachtungsbuch& b, std::size_t k) {
        b.Eintraege.erase(b.Eintraege.begin() + static_cast<std::ptrdiff_t>(k));
    });
}

bool TForm_Buch::Beobachter_Erfragen() {
    if (!Einstellung_Text_Lesen(Einstellung_Beobachter_Nachname, "").empty() &&
        Einstellung_Zahl_Lesen(Einstellung_Brennweite_40, 0, 0, 1e5) > 0 &&
        Einstellung_Zahl_Lesen(Einstellung_Brennweite_60, 0, 0, 1e5) > 0)
        return true;
    Beobachter_Dialog d(this);
    return d.exec() == QDialog::Accepted;
}

QString TForm_Buch::Export_Erfragen() {
    // The filter decides the format; its suffix is added when the name lacks it.
    const QStringList filter = {Ue("OAL 2.1 (*.xml)"), Ue("CSV (*.csv)"),
                                Ue("SkySafari-Liste (*.skylist)")};
    const QStringList endung = {"xml", "csv", "skylist"};
    QFileDialog d(this, Ue("Beobachtungsbuch exportieren"));
    d.setObjectName("Dialog_Buch_Export");
    d.setAcceptMode(QFileDialog::AcceptSave);
    // Qt's own dialog (night colours); the question about an existing file
    // is asked below, for the name with its suffix.
    d.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
    d.setNameFilters(filter);
    // The last folder used, else the data folder (never the catalogue folder,
    // which is rebuilt).
    QString ordner =
        QString::fromStdString(Einstellung_Text_Lesen(Einstellung_Buch_Export_Ordner, ""));
    if (ordner.isEmpty() || !QFileInfo(ordner).isDir())
        ordner = QString::fromStdString(sitzung_.Daten_Ordner());
    d.setDirectory(ordner);
    Nachtmodus_Anwenden(&d);
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return {};
    QString ziel = d.selectedFiles().first();
    const QString suffix =
        "." + endung.value(std::max<qsizetype>(0, filter.indexOf(d.selectedNameFilter())));
    if (!ziel.endsWith(suffix, Qt::CaseInsensitive)) ziel += suffix;
    if (QFileInfo::exists(ziel) &&
        !Fragen(Ue("%1 gibt es schon. Die Datei ersetzen?").arg(QDir::toNativeSeparators(ziel)),
                Ue("Ersetzen")))
        return {};
    Einstellung_Text_Schreiben(Einstellung_Buch_Export_Ordner,
                               QFileInfo(ziel).absolutePath().toStdString());
    return ziel;
}

void TForm_Buch::Exportieren(const std::string& pfad) {
    std::vector<Buch_Eintrag> eintraege;
    for (std::size_t i : Gezeigt()) eintraege.push_back(buch_.Eintraege[i]);
    const std::string k = Klein(pfad);
    const auto endet = [&](std::string_view s) {
        return k.size() >= s.size() && k.compare(k.size() - s.size(), s.size(), s) == 0;
    };
    std::string text;
    if (endet(".csv")) {
        text = Buch_Csv_Text(eintraege);
    } else if (endet(".skylist")) {
        text = Skylist_Text(Skylist_Aus_Buch(eintraege));
    } else {
        if (!Beobachter_Erfragen()) return;
        Oal_Angaben a;
        a.Vorname = Einstellung_Text_Lesen(Einstellung_Beobachter_Vorname, "");
        a.Nachname = Einstellung_Text_Lesen(Einstellung_Beobachter_Nachname, "");
        a.Brennweite_40 = Einstellung_Zahl_Lesen(Einstellung_Brennweite_40, 0, 0, 1e5);
        a.Brennweite_60 = Einstellung_Zahl_Lesen(Einstellung_Brennweite_60, 0, 0, 1e5);
        a.Laenge = sitzung_.Parameter().Laenge;
        a.Breite = sitzung_.Parameter().Breite;
        a.Hoehe = sitzung_.Parameter().Hoehe;
        a.Zeitzone_Minuten = -sitzung_.Zeitzone().Bias;
        text = Oal_Text(eintraege, a);
    }
    Datei_Atomar_Schreiben(pfad, text);
}

void TForm_Buch::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    Tabelle->setFocus(Qt::OtherFocusReason);
}

bool TForm_Buch::eventFilter(QObject* o, QEvent* e) {
    if (o == Tabelle && e->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(e)->key() == Qt::Key_Delete) {
        // While a note is edited the keys go to its editor, not here.
        if (!Fehler_Waechter([&] { Loeschen(Tabelle->currentRow()); }))
            Fehler_Waechter([&] { Laden(); });
        return true;
    }
    return QWidget::eventFilter(o, e);
}
