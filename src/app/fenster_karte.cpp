#include "app/fenster_karte.hpp"
#include "app/fenster_nachtmodus.hpp"
#include "app/fenster_sprache.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

#include "app/einstellungen.hpp"
#include "shared/zahlen.hpp"

class TForm_Karte::Flaeche : public QWidget {
public:
    explicit Flaeche(TForm_Karte* karte) : QWidget(karte), karte_(karte) {
        setMinimumSize(400, 400);
        setObjectName("Karte_Flaeche");
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const Karten_Inhalt& k = karte_->inhalt_;
        // The window's night mode draws the night colours whatever scheme is chosen.
        const Karten_Schema schema = Nachtmodus_Aktiv() ? Karten_Schema::Nacht : karte_->schema_;
        if (k.Breite == width() && k.Hoehe == height() && karte_->fehler_.empty()) {
            Karte_Zeichnen(p, k, schema);
            return;
        }
        const bool nacht = schema == Karten_Schema::Nacht;
        const bool druck = schema == Karten_Schema::Druck;
        p.fillRect(rect(), druck ? Qt::white : Qt::black);
        p.setPen(nacht ? QColor(170, 0, 0) : (druck ? Qt::black : Qt::white));
        p.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap,
                   QString::fromStdString(karte_->fehler_.empty()
                                              ? Ue("Karte wird vorbereitet ...").toStdString()
                                              : karte_->fehler_));
    }
    void resizeEvent(QResizeEvent*) override { karte_->Aktualisieren(); }

private:
    TForm_Karte* karte_;
};

TForm_Karte::TForm_Karte(Sitzung& zustand, std::function<std::string()> titel, QWidget* eltern)
    : QWidget(eltern, Qt::Window), zustand_(zustand), titel_(std::move(titel)) {
    setObjectName("Form_Karte");
    setWindowTitle(Ue("Aufsuchkarte"));
    optionen_ = Karten_Optionen_Lesen();
    schema_ = static_cast<Karten_Schema>(
        std::lround(Einstellung_Zahl_Lesen(Einstellung_Karte_Schema, 0, 0, 2)));

    auto* minus = new QPushButton(QString::fromUtf8("−"), this);
    minus->setObjectName("Button_Karte_Minus");
    auto* plus = new QPushButton("+", this);
    plus->setObjectName("Button_Karte_Plus");
    for (QPushButton* b : {minus, plus}) b->setFixedWidth(32);
    Label_Feld = new QLabel(this);
    Label_Feld->setObjectName("Label_Karte_Feld");
    CheckBox_Spiegel = new QCheckBox(Ue("Spiegelbild"), this);
    CheckBox_Spiegel->setObjectName("CheckBox_Karte_Spiegel");
    CheckBox_Spiegel->setChecked(optionen_.Spiegel);
    SpinBox_Drehung = new QSpinBox(this);
    SpinBox_Drehung->setObjectName("SpinBox_Karte_Drehung");
    SpinBox_Drehung->setRange(-180, 180);
    SpinBox_Drehung->setSingleStep(15);
    SpinBox_Drehung->setWrapping(true);
    SpinBox_Drehung->setSuffix(QString::fromUtf8("°"));
    SpinBox_Drehung->setPrefix(Ue("Drehung "));
    SpinBox_Drehung->setValue(static_cast<int>(std::lround(optionen_.Drehung)));
    Combo_Schema = new QComboBox(this);
    Combo_Schema->setObjectName("Combo_Karte_Schema");
    Combo_Schema->addItems({Ue("Bildschirm"), Ue("Druck"), Ue("Nacht")});
    Combo_Schema->setCurrentIndex(static_cast<int>(schema_));
    SpinBox_Cassegrain = new QDoubleSpinBox(this);
    SpinBox_Cassegrain->setObjectName("SpinBox_Karte_Cassegrain");
    SpinBox_Cassegrain->setRange(1, 600);
    SpinBox_Cassegrain->setDecimals(0);
    SpinBox_Cassegrain->setPrefix("60cm ");
    SpinBox_Cassegrain->setSuffix("'");
    SpinBox_Cassegrain->setValue(optionen_.Feld_Cassegrain * 60.0);
    SpinBox_Schmidt = new QDoubleSpinBox(this);
    SpinBox_Schmidt->setObjectName("SpinBox_Karte_Schmidt");
    SpinBox_Schmidt->setRange(0.1, 30);
    SpinBox_Schmidt->setDecimals(1);
    SpinBox_Schmidt->setSingleStep(0.5);
    SpinBox_Schmidt->setPrefix("40cm ");
    SpinBox_Schmidt->setSuffix(QString::fromUtf8("°"));
    SpinBox_Schmidt->setValue(optionen_.Feld_Schmidt);

    flaeche_ = new Flaeche(this);
    auto* leiste = new QHBoxLayout;
    leiste->addWidget(minus);
    leiste->addWidget(Label_Feld);
    leiste->addWidget(plus);
    leiste->addSpacing(8);
    for (QWidget* w : std::initializer_list<QWidget*>{
             CheckBox_Spiegel, SpinBox_Drehung, SpinBox_Cassegrain, SpinBox_Schmidt, Combo_Schema})
        leiste->addWidget(w);
    leiste->addStretch();
    auto* aufbau = new QVBoxLayout(this);
    aufbau->setContentsMargins(4, 4, 4, 4);
    aufbau->addLayout(leiste);
    aufbau->addWidget(flaeche_, 1);
    resize(760, 800);

    connect(minus, &QPushButton::clicked, this, [this] { Zoom(-1); });
    connect(plus, &QPushButton::clicked, this, [this] { Zoom(+1); });
    connect(CheckBox_Spiegel, &QCheckBox::toggled, this, [this] { Optionen_Geaendert(); });
    connect(SpinBox_Drehung, &QSpinBox::valueChanged, this, [this] { Optionen_Geaendert(); });
    connect(SpinBox_Cassegrain, &QDoubleSpinBox::valueChanged, this,
            [this] { Optionen_Geaendert(); });
    connect(SpinBox_Schmidt, &QDoubleSpinBox::valueChanged, this, [this] { Optionen_Geaendert(); });
    connect(Combo_Schema, &QComboBox::currentIndexChanged, this,
            [this](int i) { Schema_Setzen(static_cast<Karten_Schema>(i)); });

    // The session's index, read once off the GUI thread; the timer picks it up.
    laden_ = zustand_.Stern_Index_Laden();
    Timer_Karte = new QTimer(this);
    Timer_Karte->setObjectName("Timer_Karte");
    connect(Timer_Karte, &QTimer::timeout, this, [this] { Aktualisieren(); });
    Timer_Karte->start(500);
    Label_Feld->setText(QString::fromStdString(Fest(optionen_.Feld, 0) + "°"));
}

TForm_Karte::~TForm_Karte() = default;

void TForm_Karte::Schema_Setzen(Karten_Schema schema) {
    schema_ = schema;
    if (Combo_Schema->currentIndex() != static_cast<int>(schema))
        Combo_Schema->setCurrentIndex(static_cast<int>(schema));
    Einstellung_Zahl_Schreiben(Einstellung_Karte_Schema, static_cast<int>(schema));
    flaeche_->update();
}

void TForm_Karte::Zoom(int schritt) {
    // The nearest level to the present field, then one step.
    constexpr int n = sizeof Karten_Felder / sizeof Karten_Felder[0];
    int i = 0;
    for (int j = 0; j < n; ++j)
        if (std::abs(std::log(Karten_Felder[j] / optionen_.Feld)) <
            std::abs(std::log(Karten_Felder[i] / optionen_.Feld)))
            i = j;
    i = std::clamp(i - schritt, 0, n - 1);
    optionen_.Feld = Karten_Felder[i];
    Label_Feld->setText(QString::fromStdString(Fest(optionen_.Feld, 0) + "°"));
    Optionen_Geaendert();
}

void TForm_Karte::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Plus) return Zoom(+1);
    if (e->key() == Qt::Key_Minus) return Zoom(-1);
    if (e->key() == Qt::Key_Escape) {
        close();
        // Typing goes on where it was in the main window.
        if (parentWidget()) parentWidget()->activateWindow();
        return;
    }
    QWidget::keyPressEvent(e);
}

void TForm_Karte::Optionen_Geaendert() {
    optionen_.Spiegel = CheckBox_Spiegel->isChecked();
    optionen_.Drehung = SpinBox_Drehung->value();
    optionen_.Feld_Cassegrain = SpinBox_Cassegrain->value() / 60.0;
    optionen_.Feld_Schmidt = SpinBox_Schmidt->value();
    Karten_Optionen_Schreiben(optionen_);
    schluessel_.clear();
    Aktualisieren();
}

void TForm_Karte::Index_Abwarten() {
    if (laden_.valid()) laden_.wait();
    Aktualisieren();
}

void TForm_Karte::Aktualisieren() {
    if (!index_ && laden_.valid() &&
        laden_.wait_for(std::chrono::seconds(0)) == std::future_status::ready) {
        try {
            index_ = laden_.get();
        } catch (const std::exception& f) {
            fehler_ = f.what();
        }
    }
    if (!index_) return flaeche_->update();
    const Objekt_Type& objekt = zustand_.Objekt();
    const double jd_ut = zustand_.JD_UT();
    if (!zustand_.Objekt_Gueltig()) {
        fehler_ = Ue("Kein Objekt gewählt.").toStdString();
        schluessel_.clear();
        return flaeche_->update();
    }
    const bool bewegt = Bewegter_Koerper(objekt);
    // A moving body's track is looked up again each minute.
    const std::string bahn_schluessel =
        objekt.Bezeichnung + (bewegt ? "@" + std::to_string(std::floor(jd_ut * 1440.0)) : "");
    const std::string schluessel = bahn_schluessel + "|" + std::to_string(flaeche_->width()) + "x" +
                                   std::to_string(flaeche_->height());
    if (schluessel == schluessel_) return;
    if (bahn_schluessel != bahn_schluessel_) {
        bahn_.clear();
        if (bewegt) {
            const std::string name = objekt.Bezeichnung;
            try {
                bahn_ = Bahn_Abtasten(jd_ut, [&](double jd, Objekt_Type& o) {
                    return zustand_.Nachschlagen(name, jd, o);
                });
            } catch (const std::exception&) {
                bahn_.clear(); // a chart without track rather than a message twice a second
            }
        }
        bahn_schluessel_ = bahn_schluessel;
    }
    schluessel_ = schluessel;
    Neu_Berechnen();
}

void TForm_Karte::Zeitpunkt_Setzen(const std::string& text) {
    if (text == zeitpunkt_) return;
    zeitpunkt_ = text;
    schluessel_.clear(); // drawn anew at the next look
    Aktualisieren();
}

void TForm_Karte::Neu_Berechnen() {
    Karten_Optionen o = optionen_;
    o.Breite = flaeche_->width();
    o.Hoehe = flaeche_->height();
    double ra = 0, de = 0;
    const Objekt_Type& objekt = zustand_.Objekt();
    const double jd_ut = zustand_.JD_UT();
    Ort_Des_Datums(objekt.RA2000, objekt.DE2000, jd_ut, ra, de);
    for (const Bahn_Punkt& b : bahn_)
        if (b.Stunden == 0) ra = b.RA, de = b.DE; // the body now
    try {
        inhalt_ = Karte_Berechnen(*index_, o, ra, de, jd_ut, bahn_, titel_());
        inhalt_.Zeitpunkt = zeitpunkt_;
        fehler_.clear();
    } catch (const std::exception& f) {
        fehler_ = f.what();
    }
    flaeche_->update();
}
