#include "app/http_abruf.hpp"

#include <QSslSocket>
#include <algorithm>
#include <cstring>

#include "shared/kern_text.hpp"

namespace {
constexpr qsizetype Max_Stueckzeile = 1024; // a chunk's size line with its extensions

// Where the header ends (after the blank line), or -1.
qsizetype Kopf_Ende(const QByteArray& b) {
    const qsizetype crlf = b.indexOf("\r\n\r\n");
    const qsizetype lf = b.indexOf("\n\n");
    if (crlf >= 0 && (lf < 0 || crlf + 2 <= lf)) return crlf + 4;
    return lf >= 0 ? lf + 2 : -1;
}
} // namespace

Http_Abruf::Http_Abruf(const QUrl& url, QObject* eltern) : QObject(eltern), url_(url) {}

Http_Abruf::~Http_Abruf() {
    Abbrechen();
}

void Http_Abruf::Abbrechen() {
    aus_ = true;
    if (sock_) {
        sock_->disconnect(this);
        sock_->abort();
        sock_->deleteLater();
    }
}

void Http_Abruf::Scheitern(const std::string& text) {
    if (aus_) return;
    Abbrechen();
    emit Fehler(QString::fromStdString(url_.toString().toStdString() + ": " + text));
}

void Http_Abruf::Starten() {
    const bool tls = url_.scheme().toLower() == "https";
    sock_ = new QSslSocket(this);
    connect(sock_, &QSslSocket::readyRead, this, &Http_Abruf::Lesen);
    connect(sock_, &QSslSocket::disconnected, this, &Http_Abruf::Getrennt);
    connect(sock_, &QSslSocket::sslErrors, this, [this](const QList<QSslError>& fehler) {
        Scheitern(
            "das Zertifikat des Servers wird nicht anerkannt (" +
            (fehler.isEmpty() ? std::string("?") : fehler.front().errorString().toStdString()) +
            ")");
    });
    connect(sock_, &QSslSocket::errorOccurred, this, [this](QAbstractSocket::SocketError e) {
        if (e == QAbstractSocket::RemoteHostClosedError) return; // Getrennt() judges the end
        if (e == QAbstractSocket::ConnectionRefusedError)
            Scheitern(Kt("die Verbindung wurde abgelehnt"));
        else if (e == QAbstractSocket::HostNotFoundError)
            Scheitern(Kt("der Server ist nicht zu finden (keine Internetverbindung?)"));
        else
            Scheitern(sock_ ? sock_->errorString().toStdString() : std::string("Netzfehler"));
    });
    const QString host = url_.host();
    if (tls) {
        connect(sock_, &QSslSocket::encrypted, this, &Http_Abruf::Senden);
        sock_->connectToHostEncrypted(host, static_cast<quint16>(url_.port(443)));
    } else {
        connect(sock_, &QSslSocket::connected, this, &Http_Abruf::Senden);
        sock_->connectToHost(host, static_cast<quint16>(url_.port(80)));
    }
}

void Http_Abruf::Senden() {
    QByteArray ziel = url_.path(QUrl::FullyEncoded).toLatin1();
    if (ziel.isEmpty()) ziel = "/";
    if (url_.hasQuery()) ziel += "?" + url_.query(QUrl::FullyEncoded).toLatin1();
    QByteArray host = url_.host(QUrl::FullyEncoded).toLatin1();
    if (host.contains(':')) host = "[" + host + "]";
    if (url_.port() != -1) host += ":" + QByteArray::number(url_.port());
    // identity: the bytes as sent, so that they can be held against Content-Length.
    sock_->write("GET " + ziel + " HTTP/1.1\r\nHost: " + host +
                 "\r\nUser-Agent: Stelux\r\nAccept: */*\r\nAccept-Encoding: identity\r\n"
                 "Connection: close\r\n\r\n");
}

bool Http_Abruf::Kopf_Auswerten(const QByteArray& kopf) {
    const QList<QByteArray> zeilen = kopf.split('\n');
    const QList<QByteArray> status = zeilen.value(0).trimmed().split(' ');
    bool ok = false;
    status_ = status.value(1).toInt(&ok);
    if (!status.value(0).startsWith("HTTP/1.") || !ok || status_ < 100 || status_ > 999) {
        Scheitern(Kt("keine gültige HTTP-Antwort"));
        return false;
    }
    grund_ = zeilen.value(0).trimmed().split(' ').mid(2).join(' ').toStdString();
    for (qsizetype i = 1; i < zeilen.size(); ++i) {
        const QByteArray z = zeilen[i].trimmed();
        const qsizetype doppelpunkt = z.indexOf(':');
        if (doppelpunkt <= 0) continue;
        const QByteArray name = z.left(doppelpunkt).trimmed().toLower();
        const QByteArray wert = z.mid(doppelpunkt + 1).trimmed();
        if (name == "content-length") {
            laenge_ = wert.toLongLong(&ok);
            if (!ok || laenge_ < 0) {
                Scheitern(Kt("ungültige Content-Length: %1", {wert.left(40).toStdString()}));
                return false;
            }
        } else if (name == "location") {
            ort_ = wert;
        } else if (name == "transfer-encoding") {
            stueckweise_ = wert.toLower().contains("chunked");
        }
    }
    if (stueckweise_) laenge_ = -1;
    return true;
}

void Http_Abruf::Lesen() {
    while (!aus_ && sock_ && sock_->bytesAvailable() > 0) {
        const QByteArray daten = sock_->read(1 << 20);
        emit Empfangen(daten.size());
        if (aus_) return;
        if (kopf_da_) {
            Koerper(daten.constData(), daten.size());
            continue;
        }
        kopf_ += daten;
        // Every header in what came, interim ones (1xx) included, before more is read.
        while (!aus_ && !kopf_da_) {
            const qsizetype ende = Kopf_Ende(kopf_);
            // The limit holds for all headers of the answer together.
            if (kopf_bytes_ + (ende < 0 ? kopf_.size() : ende) >
                static_cast<qsizetype>(Max_Antwortkopf)) {
                Scheitern(Kt("der Antwortkopf des Servers ist größer als 64 KiB (abgelehnt)"));
                return;
            }
            if (ende < 0) break;
            kopf_bytes_ += ende;
            const QByteArray rest = kopf_.mid(ende);
            if (!Kopf_Auswerten(kopf_.left(ende))) return;
            kopf_ = rest;
            if (status_ < 200) { // 100 Continue and the like: the real header follows
                if (++zwischen_ > static_cast<int>(Max_Zwischenantworten)) {
                    Scheitern(Kt(
                        "mehr als %1 Zwischenantworten (%2 %3) – abgelehnt",
                        {std::to_string(Max_Zwischenantworten), std::to_string(status_), grund_}));
                    return;
                }
                laenge_ = -1;
                stueckweise_ = false;
                ort_.clear();
                continue;
            }
            kopf_da_ = true;
            kopf_.clear();
            emit Kopf();
            if (aus_) return;
            if (status_ == 204 || status_ == 304 || laenge_ == 0) {
                aus_ = true;
                Abbrechen();
                emit Fertig();
                return;
            }
            Koerper(rest.constData(), rest.size());
        }
    }
}

bool Http_Abruf::Fehlerkoerper_Zu_Lang() {
    if (status_ < 300 || erhalten_ <= static_cast<std::int64_t>(Max_Fehlerkoerper)) return false;
    Scheitern(Kt("der Server meldet %1 %2, und seine Antwort ist länger als 64 KiB (abgelehnt)",
                 {std::to_string(status_), grund_}));
    return true;
}

void Http_Abruf::Koerper(const char* p, qint64 n) {
    const char* ende = p + n;
    if (!stueckweise_) {
        if (n <= 0) return;
        if (laenge_ >= 0 && erhalten_ + n > laenge_) n = laenge_ - erhalten_;
        erhalten_ += n;
        if (Fehlerkoerper_Zu_Lang()) return;
        emit Daten(QByteArray(p, static_cast<qsizetype>(n)));
        if (!aus_ && laenge_ >= 0 && erhalten_ == laenge_) {
            Abbrechen();
            emit Fertig();
        }
        return;
    }
    while (p < ende && !aus_) {
        switch (stueck_) {
        case Stueck::Groesse:
        case Stueck::Ende_Daten:
        case Stueck::Anhang: {
            const char* lf = static_cast<const char*>(std::memchr(p, '\n', ende - p));
            stueck_zeile_.append(p, lf ? lf - p : ende - p);
            if (stueck_zeile_.size() > Max_Stueckzeile) {
                Scheitern(Kt("ungültige stückweise Übertragung (Zeile zu lang)"));
                return;
            }
            if (!lf) return;
            p = lf + 1;
            const QByteArray zeile = stueck_zeile_.trimmed();
            stueck_zeile_.clear();
            if (stueck_ == Stueck::Ende_Daten) {
                stueck_ = Stueck::Groesse;
            } else if (stueck_ == Stueck::Anhang) {
                if (zeile.isEmpty()) {
                    stueck_ = Stueck::Fertig;
                    Abbrechen();
                    emit Fertig();
                    return;
                }
            } else {
                bool ok = false;
                const qsizetype semikolon = zeile.indexOf(';');
                stueck_rest_ = (semikolon >= 0 ? zeile.left(semikolon) : zeile).toLongLong(&ok, 16);
                if (!ok || stueck_rest_ < 0) {
                    Scheitern(Kt("ungültige stückweise Übertragung"));
                    return;
                }
                stueck_ = stueck_rest_ == 0 ? Stueck::Anhang : Stueck::Daten;
            }
            break;
        }
        case Stueck::Daten: {
            const qint64 m = std::min<qint64>(stueck_rest_, ende - p);
            erhalten_ += m;
            stueck_rest_ -= m;
            if (Fehlerkoerper_Zu_Lang()) return;
            emit Daten(QByteArray(p, static_cast<qsizetype>(m)));
            p += m;
            if (stueck_rest_ == 0) stueck_ = Stueck::Ende_Daten;
            break;
        }
        case Stueck::Fertig:
            return;
        }
    }
}

void Http_Abruf::Getrennt() {
    if (aus_) return;
    Lesen();
    if (aus_) return;
    if (!kopf_da_)
        Scheitern(Kt("der Server hat die Verbindung ohne vollständige Antwort geschlossen"));
    else if (stueckweise_)
        Scheitern(Kt("die stückweise Übertragung endet mitten im Strom (Übertragung abgebrochen)"));
    else if (laenge_ >= 0 && erhalten_ < laenge_)
        Scheitern(Kt("die Antwort endet nach %1 von %2 angekündigten Bytes (Übertragung "
                     "abgebrochen)",
                     {std::to_string(erhalten_), std::to_string(laenge_)}));
    else {
        Abbrechen();
        emit Fertig();
    }
}
