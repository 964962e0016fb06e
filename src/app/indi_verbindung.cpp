#include "app/indi_verbindung.hpp"

#include <QTcpSocket>
#include <QTimer>

#include "app/fenster_sprache.hpp"

namespace {
constexpr int Erste_Wartezeit_ms = 1000, Laengste_Wartezeit_ms = 30000;
constexpr int Verbindungs_Zeitlimit_ms = 5000;
constexpr qint64 Stueck = 64 * 1024;       // bytes read per turn of the event loop
constexpr qint64 Lesepuffer = 1024 * 1024; // beyond it TCP holds the server back
} // namespace

Indi_Verbindung::Indi_Verbindung(const Indi_Einstellung& einstellung, QObject* eltern)
    : QObject(eltern), einstellung_(einstellung), socket_(new QTcpSocket(this)),
      wieder_(new QTimer(this)), zeitlimit_(new QTimer(this)) {
    socket_->setReadBufferSize(Lesepuffer);
    wieder_->setSingleShot(true);
    zeitlimit_->setSingleShot(true);
    connect(wieder_, &QTimer::timeout, this, &Indi_Verbindung::Verbinden);
    connect(zeitlimit_, &QTimer::timeout, this, [this] { Abgebrochen(Ue("keine Antwort")); });
    connect(socket_, &QTcpSocket::connected, this, &Indi_Verbindung::Verbunden);
    connect(socket_, &QTcpSocket::readyRead, this, &Indi_Verbindung::Lesen);
    connect(socket_, &QTcpSocket::errorOccurred, this,
            [this](QAbstractSocket::SocketError) { Abgebrochen(socket_->errorString()); });
    connect(socket_, &QTcpSocket::disconnected, this,
            [this] { Abgebrochen(Ue("Verbindung beendet")); });
    Verbinden();
}

Indi_Verbindung::~Indi_Verbindung() {
    Anhalten();
}

void Indi_Verbindung::Anhalten() {
    wieder_->stop();
    zeitlimit_->stop();
    socket_->disconnect(this);
    socket_->abort();
}

Encoder_Ort Indi_Verbindung::Ort() const {
    if (!client_ || socket_->state() != QAbstractSocket::ConnectedState) return {};
    return client_->Ort();
}

void Indi_Verbindung::Status_Setzen(const QString& text) {
    if (text == status_) return;
    status_ = text;
    emit Status_Geaendert();
}

void Indi_Verbindung::Verbinden() {
    client_ = std::make_unique<Indi_Client>(einstellung_.Geraet);
    Status_Setzen(Ue("INDI: verbinde mit %1:%2 …")
                      .arg(QString::fromStdString(einstellung_.Host))
                      .arg(einstellung_.Port));
    zeitlimit_->start(Verbindungs_Zeitlimit_ms);
    socket_->connectToHost(QString::fromStdString(einstellung_.Host),
                           static_cast<quint16>(einstellung_.Port));
}

void Indi_Verbindung::Verbunden() {
    zeitlimit_->stop();
    const std::string anfang = client_->Anfang();
    socket_->write(anfang.data(), static_cast<qint64>(anfang.size()));
    Status_Setzen(
        Ue("INDI: warte auf Gerät „%1“").arg(QString::fromStdString(einstellung_.Geraet)));
}

void Indi_Verbindung::Lesen() {
    lesen_geplant_ = false;
    if (!client_ || socket_->state() != QAbstractSocket::ConnectedState) return;
    const QByteArray daten = socket_->read(Stueck);
    const std::string antwort = client_->Empfangen(
        std::string_view(daten.constData(), static_cast<std::size_t>(daten.size())));
    if (!antwort.empty()) socket_->write(antwort.data(), static_cast<qint64>(antwort.size()));
    // More waiting: on the next turn, so ticks and keys come in between.
    if (socket_->bytesAvailable() > 0 && !lesen_geplant_) {
        lesen_geplant_ = true;
        QTimer::singleShot(0, this, &Indi_Verbindung::Lesen);
    }
    const QString geraet = QString::fromStdString(einstellung_.Geraet);
    if (!client_->Alarm().empty()) {
        const QString meldung = QString::fromStdString(client_->Alarm_Meldung());
        Status_Setzen(Ue("INDI: Fehler bei %1 (%2)%3")
                          .arg(geraet, QString::fromStdString(client_->Alarm()),
                               meldung.isEmpty() ? QString() : ": " + meldung));
    } else if (client_->Ort().Gueltig) {
        wartezeit_ms_ = Erste_Wartezeit_ms; // a working link: the next failure retries soon
        Status_Setzen(Ue("INDI: %1 verbunden").arg(geraet));
    } else if (client_->Geraet_Bekannt()) {
        Status_Setzen(Ue("INDI: %1 meldet keinen Ort").arg(geraet));
    }
}

void Indi_Verbindung::Abgebrochen(const QString& grund) {
    // errorOccurred and disconnected come together, and abort() may report the
    // end once more: the first report counts.
    if (wieder_->isActive()) return;
    wieder_->start(wartezeit_ms_);
    zeitlimit_->stop();
    // Closed before the note goes out, so whoever reads it finds no place.
    // The client stays until the next attempt: a read still on its way finds
    // the socket closed and leaves it alone.
    socket_->abort();
    Status_Setzen(Ue("INDI: keine Verbindung zu %1:%2 (%3), neuer Versuch in %4 s")
                      .arg(QString::fromStdString(einstellung_.Host))
                      .arg(einstellung_.Port)
                      .arg(grund)
                      .arg(wartezeit_ms_ / 1000));
    wartezeit_ms_ = std::min(wartezeit_ms_ * 2, Laengste_Wartezeit_ms);
}
