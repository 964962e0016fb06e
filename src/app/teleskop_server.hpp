#pragma once
// The telescope link's two TCP servers on the GUI thread's event loop: the
// LX200 command set and the binary position protocol. Planetarium programs
// connect as clients, send targets and read where the telescope points. A
// client may send anything: commands and buffers are bounded, a flood or a
// broken stream ends its connection. A server keeps Teleskop_Clients_Max
// clients; a newcomer then takes the slot of the one quiet longest.
#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

#include "teleskop/teleskop_protokoll.hpp"

class QTcpServer;
class QTcpSocket;
class QTimer;

enum class Teleskop_Protokoll { LX200, Binaer };

// What a server asks the window.
struct Teleskop_Partner {
    std::function<Teleskop_Ort()> Ort; // where the telescope points, place of date
    std::function<double()> JD;        // the clock's instant: equinox of date
    // Selects a target; `absender` is the client's address when it is not
    // this computer's own loopback address, else empty.
    std::function<Ziel_Rueckmeldung(const Himmelsort& j2000, const QString& absender)> Ziel;
    std::function<Lx200_Standort()> Standort; // site and clock for the LX200 queries
};

// Most clients a server serves at once. A newcomer beyond them replaces the
// client quiet longest: nothing received from it, and on the binary port its
// output not taken.
inline constexpr int Teleskop_Clients_Max = 32;
// Bytes a client may send per second before it is dropped.
inline constexpr qint64 Teleskop_Bytes_Je_Sekunde = 256 * 1024;
// Replies a client leaves unread before it is dropped.
inline constexpr qint64 Teleskop_Ausgang_Max = 64 * 1024;

// "[ADRESSE:]PORT" as the switches and the dialog take it: address (default
// 127.0.0.1) and port 1..65535. False with an empty address for a bad text.
bool Adresse_Port_Lesen(const QString& text, QString& adresse, quint16& port);
// True for an address only this computer reaches (127.0.0.0/8, ::1, localhost).
bool Nur_Lokal(const QString& adresse);
// The sender a target is named after: empty for 127.0.0.1 and ::1 (also
// IPv4-mapped), else the address as text.
QString Absender_Text(const QHostAddress& adresse);

class Teleskop_Server : public QObject {
    Q_OBJECT
public:
    Teleskop_Server(Teleskop_Protokoll art, Teleskop_Partner partner, QObject* eltern = nullptr);
    ~Teleskop_Server() override;

    // Listens on address:port (port 0: any free port); false with Fehler() set.
    bool Starten(const QString& adresse, quint16 port);
    void Beenden();
    bool Laeuft() const;
    quint16 Port() const;
    QString Adresse() const { return adresse_; }
    QString Fehler() const { return fehler_; }
    Teleskop_Protokoll Art() const { return art_; }
    // "127.0.0.1:50312" of each connected client.
    QStringList Clients() const;
    // Binary protocol: the current position to every client (also once a second).
    void Position_Senden();

signals:
    void Clients_Geaendert();

private:
    struct Client;
    void Neue_Verbindung();
    void Lesen(Client* c);
    void Trennen(Client* c);
    Client* Ruhigster() const; // the client quiet longest, null without any
    void Aufraeumen();         // frees dropped clients once no handler holds one

    int arbeit_ = 0;          // handlers running that may hold a client
    bool aufraeumen_ = false; // dropped clients wait for the last of them

    Teleskop_Protokoll art_;
    Teleskop_Partner partner_;
    QTcpServer* server_;
    QTimer* sekunde_;
    std::vector<std::unique_ptr<Client>> clients_;
    QString fehler_;
    QString adresse_;
};
