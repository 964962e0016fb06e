#pragma once
// One HTTP/1.1 GET over a socket of its own (TLS for https): the response
// header is read here, so its size has a limit, and the body's end is known
// exactly (Content-Length, chunked or the close of the connection).
// Redirects are not followed: the caller sees the status and Location and
// decides.
#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QUrl>
#include <cstdint>
#include <string>

class QSslSocket;

// Limits for any answer, whatever its status: all its headers together,
// interim answers (1xx) before the real one, and the body of an answer
// that is not a success (an error page, a redirect) – a larger one is given up.
inline constexpr std::size_t Max_Antwortkopf = 64 * 1024;
inline constexpr std::size_t Max_Zwischenantworten = 5;
inline constexpr std::size_t Max_Fehlerkoerper = 64 * 1024;

class Http_Abruf : public QObject {
    Q_OBJECT
public:
    Http_Abruf(const QUrl& url, QObject* eltern = nullptr);
    ~Http_Abruf() override;
    void Starten();
    void Abbrechen(); // no signal follows

    const QUrl& Url() const { return url_; }
    int Status() const { return status_; }
    const std::string& Grund() const { return grund_; } // reason phrase
    const QByteArray& Ort() const { return ort_; }      // Location, empty if none
    std::int64_t Laenge() const { return laenge_; }     // Content-Length, -1 unknown

signals:
    void Kopf();                        // status and header fields known
    void Daten(const QByteArray& teil); // the next piece of the body
    void Empfangen(qint64 bytes);       // bytes off the wire, header included
    void Fertig();                      // the body is complete
    void Fehler(const QString& text);   // German, naming the address

private:
    void Senden();
    void Lesen();
    void Getrennt();
    bool Kopf_Auswerten(const QByteArray& kopf);
    void Koerper(const char* p, qint64 n);
    void Scheitern(const std::string& text);
    bool Fehlerkoerper_Zu_Lang(); // fails the answer when true

    QUrl url_;
    QPointer<QSslSocket> sock_;
    bool aus_ = false; // ended: no more signals
    QByteArray kopf_;
    bool kopf_da_ = false;
    qsizetype kopf_bytes_ = 0; // of the headers read so far, interim ones included
    int zwischen_ = 0;         // interim answers so far
    int status_ = 0;
    std::string grund_;
    QByteArray ort_;
    std::int64_t laenge_ = -1;
    std::int64_t erhalten_ = 0; // body bytes so far
    bool stueckweise_ = false;  // Transfer-Encoding: chunked
    // Chunked body: the size line being read, the bytes left of the chunk.
    QByteArray stueck_zeile_;
    std::int64_t stueck_rest_ = 0;
    enum class Stueck { Groesse, Daten, Ende_Daten, Anhang, Fertig } stueck_ = Stueck::Groesse;
};
