#include "app/teleskop_server.hpp"

#include <QDateTime>
#include <QElapsedTimer>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <algorithm>

bool Adresse_Port_Lesen(const QString& text, QString& adresse, quint16& port) {
    adresse.clear();
    const QString t = text.trimmed();
    const qsizetype p = t.lastIndexOf(':');
    QString a = p < 0 ? QString("127.0.0.1") : t.left(p);
    if (a.startsWith('[') && a.endsWith(']')) a = a.mid(1, a.size() - 2);
    bool ok = false;
    const uint n = t.mid(p + 1).toUInt(&ok);
    if (!ok || n == 0 || n > 65535 || a.isEmpty()) return false;
    if (a != "localhost" && QHostAddress(a).isNull()) return false;
    adresse = a;
    port = static_cast<quint16>(n);
    return true;
}

bool Nur_Lokal(const QString& adresse) {
    return adresse == "localhost" || QHostAddress(adresse).isLoopback();
}

QString Absender_Text(const QHostAddress& adresse) {
    bool v4 = false;
    const quint32 ip = adresse.toIPv4Address(&v4);
    if (v4 && ip == 0x7F000001u) return {};
    if (!v4 && adresse == QHostAddress(QHostAddress::LocalHostIPv6)) return {};
    return v4 ? QHostAddress(ip).toString() : adresse.toString();
}

struct Teleskop_Server::Client {
    QTcpSocket* Socket = nullptr;
    std::unique_ptr<Lx200_Verbindung> Lx200;
    Binaer_Leser Binaer;
    QElapsedTimer Fenster; // the current second of the flood count
    qint64 Bytes = 0;      // received in it
    QString Name;
    QString Absender;    // see Absender_Text
    QElapsedTimer Still; // since the client was last heard or took its output
    bool Weg = false;    // dropped; removed when no handler runs any more
};

Teleskop_Server::Teleskop_Server(Teleskop_Protokoll art, Teleskop_Partner partner, QObject* eltern)
    : QObject(eltern), art_(art), partner_(std::move(partner)), server_(new QTcpServer(this)),
      sekunde_(new QTimer(this)) {
    server_->setMaxPendingConnections(64);
    connect(server_, &QTcpServer::newConnection, this, &Teleskop_Server::Neue_Verbindung);
    sekunde_->setInterval(1000);
    connect(sekunde_, &QTimer::timeout, this, &Teleskop_Server::Position_Senden);
}

Teleskop_Server::~Teleskop_Server() {
    // The window may be half torn down already: no more signals to it.
    blockSignals(true);
    Beenden();
}

bool Teleskop_Server::Starten(const QString& adresse, quint16 port) {
    Beenden();
    const QHostAddress a =
        adresse == "localhost" ? QHostAddress(QHostAddress::LocalHost) : QHostAddress(adresse);
    if (!server_->listen(a, port)) {
        fehler_ = server_->errorString();
        return false;
    }
    fehler_.clear();
    adresse_ = adresse;
    if (art_ == Teleskop_Protokoll::Binaer) sekunde_->start();
    return true;
}

void Teleskop_Server::Beenden() {
    sekunde_->stop();
    server_->close();
    bool waren = false;
    for (auto& c : clients_) {
        if (c->Weg) continue;
        waren = c->Weg = true;
        c->Socket->disconnect(this);
        c->Socket->abort();
    }
    Aufraeumen();
    if (waren) emit Clients_Geaendert();
}

bool Teleskop_Server::Laeuft() const {
    return server_->isListening();
}

quint16 Teleskop_Server::Port() const {
    return server_->serverPort();
}

QStringList Teleskop_Server::Clients() const {
    QStringList l;
    for (const auto& c : clients_)
        if (!c->Weg) l << c->Name;
    return l;
}

void Teleskop_Server::Neue_Verbindung() {
    while (QTcpSocket* s = server_->nextPendingConnection()) {
        const auto da =
            std::count_if(clients_.begin(), clients_.end(), [](const auto& c) { return !c->Weg; });
        // Full: the newcomer takes the slot of the client quiet longest (an
        // idle connection never locks a planetarium out).
        if (da >= Teleskop_Clients_Max)
            if (Client* alt = Ruhigster()) Trennen(alt);
        auto c = std::make_unique<Client>();
        Client* z = c.get();
        z->Socket = s;
        z->Name = s->peerAddress().toString() + ":" + QString::number(s->peerPort());
        z->Absender = Absender_Text(s->peerAddress());
        z->Fenster.start();
        z->Still.start();
        // Qt stops reading from the system once this much waits unread.
        s->setReadBufferSize(4096);
        if (art_ == Teleskop_Protokoll::LX200)
            z->Lx200 = std::make_unique<Lx200_Verbindung>(
                [this] { return partner_.Ort ? partner_.Ort() : Teleskop_Ort{}; },
                [this, z](const Himmelsort& datum) {
                    if (!partner_.Ziel) return Ziel_Rueckmeldung{};
                    return partner_.Ziel(Datum_Zu_J2000(datum, partner_.JD()), z->Absender);
                },
                [this] { return partner_.Standort ? partner_.Standort() : Lx200_Standort{}; });
        else // output taken counts as life on the binary port
            connect(s, &QTcpSocket::bytesWritten, this, [z] {
                if (z->Socket->bytesToWrite() == 0) z->Still.restart();
            });
        connect(s, &QTcpSocket::readyRead, this, [this, z] { Lesen(z); });
        connect(s, &QTcpSocket::disconnected, this, [this, z] { Trennen(z); });
        connect(s, &QTcpSocket::errorOccurred, this, [this, z] { Trennen(z); });
        clients_.push_back(std::move(c));
        emit Clients_Geaendert();
        if (art_ == Teleskop_Protokoll::Binaer) Position_Senden();
        if (s->bytesAvailable() > 0) Lesen(z);
    }
}

void Teleskop_Server::Lesen(Client* c) {
    if (c->Weg) return;
    const QByteArray b = c->Socket->readAll();
    if (!b.isEmpty()) c->Still.restart();
    if (c->Fenster.elapsed() >= 1000) {
        c->Fenster.restart();
        c->Bytes = 0;
    }
    c->Bytes += b.size();
    if (c->Bytes > Teleskop_Bytes_Je_Sekunde) return Trennen(c);
    // A target selected below may show a message and run a nested event loop,
    // in which this client can go: it is only marked then, never freed here.
    QPointer<QTcpSocket> socket(c->Socket);
    ++arbeit_;
    struct Ende {
        Teleskop_Server& s;
        ~Ende() {
            if (--s.arbeit_ == 0 && s.aufraeumen_)
                QTimer::singleShot(0, &s, &Teleskop_Server::Aufraeumen);
        }
    } ende{*this};
    if (art_ == Teleskop_Protokoll::LX200) {
        const std::string antwort = c->Lx200->Eingabe(std::string_view(b.constData(), b.size()));
        if (c->Weg || !socket) return;
        if (!antwort.empty()) socket->write(antwort.data(), static_cast<qint64>(antwort.size()));
    } else {
        std::vector<Binaer_Ziel> ziele;
        if (!c->Binaer.Eingabe(std::string_view(b.constData(), b.size()), ziele)) return Trennen(c);
        // Only the last of several gotos in one read counts; the selection
        // sends the new position to every client.
        if (!ziele.empty() && partner_.Ziel) partner_.Ziel(ziele.back().J2000, c->Absender);
    }
    if (!c->Weg && socket && socket->bytesToWrite() > Teleskop_Ausgang_Max) Trennen(c);
}

void Teleskop_Server::Trennen(Client* c) {
    if (c->Weg) return;
    c->Weg = true;
    c->Socket->disconnect(this);
    c->Socket->abort();
    // Freed from the event loop, after every handler that may hold it (or
    // run inside its signal) has returned.
    QTimer::singleShot(0, this, &Teleskop_Server::Aufraeumen);
    emit Clients_Geaendert();
}

Teleskop_Server::Client* Teleskop_Server::Ruhigster() const {
    Client* r = nullptr;
    // Equally quiet: the one connected first goes.
    for (const auto& c : clients_)
        if (!c->Weg && (!r || c->Still.elapsed() > r->Still.elapsed())) r = c.get();
    return r;
}

void Teleskop_Server::Aufraeumen() {
    aufraeumen_ = arbeit_ > 0; // else when the last handler returns
    if (aufraeumen_) return;
    std::erase_if(clients_, [](const auto& k) {
        if (k->Weg) k->Socket->deleteLater();
        return k->Weg;
    });
}

void Teleskop_Server::Position_Senden() {
    if (art_ != Teleskop_Protokoll::Binaer || clients_.empty() || !partner_.Ort) return;
    const Teleskop_Ort o = partner_.Ort();
    if (!o.Gueltig) return;
    const std::string m = Binaer_Position(Datum_Zu_J2000(o.Datum, partner_.JD()),
                                          QDateTime::currentMSecsSinceEpoch() * 1000);
    for (auto& c : clients_) {
        if (c->Weg) continue;
        c->Socket->write(m.data(), static_cast<qint64>(m.size()));
        if (c->Socket->bytesToWrite() > Teleskop_Ausgang_Max) Trennen(c.get());
    }
}
