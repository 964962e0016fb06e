#pragma once
// The INDI client on the event loop: one TCP connection to an indiserver,
// the bytes handed to the Qt-free Indi_Client, a polite reconnect (1 s,
// doubling to 30 s) after a failure. Never blocks; reads in bounded pieces so
// a flooding server cannot hold the window.
#include <QObject>
#include <QString>
#include <memory>

#include "teleskop/indi_protokoll.hpp"

class QTcpSocket;
class QTimer;

class Indi_Verbindung : public QObject {
    Q_OBJECT
public:
    explicit Indi_Verbindung(const Indi_Einstellung& einstellung, QObject* eltern = nullptr);
    ~Indi_Verbindung() override;
    // Closes the connection and tries no more (before deleteLater).
    void Anhalten();

    const Indi_Einstellung& Einstellung() const { return einstellung_; }
    // The telescope's place of date, while the device reports it.
    Encoder_Ort Ort() const;
    // The status bar's note: connecting, connected, waiting, retrying.
    QString Status() const { return status_; }

signals:
    void Status_Geaendert();

private:
    void Verbinden();
    void Verbunden();
    void Lesen();
    void Abgebrochen(const QString& grund);
    void Status_Setzen(const QString& text);

    Indi_Einstellung einstellung_;
    QTcpSocket* socket_;
    QTimer* wieder_;    // the next attempt
    QTimer* zeitlimit_; // an attempt that hangs
    std::unique_ptr<Indi_Client> client_;
    int wartezeit_ms_ = 1000;
    bool lesen_geplant_ = false;
    QString status_;
};
