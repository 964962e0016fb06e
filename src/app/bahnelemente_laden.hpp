#pragma once
// Downloading the current element lists and installing them: the asteroid
// orbit database export (gzip) and the comet element list, streamed into the
// selection of the core (orbits/element_aktualisierung.hpp) as they arrive.
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "orbits/element_aktualisierung.hpp"

class Http_Abruf;

inline constexpr const char* Vorgabe_Asteroiden_Url =
    "https://minorplanetcenter.net/iau/MPCORB/MPCORB.DAT.gz";
inline constexpr const char* Vorgabe_Kometen_Url =
    "https://minorplanetcenter.net/iau/MPCORB/CometEls.txt";

// Empty when `url` may be fetched: https, or http to this computer
// (127.0.0.1, ::1, localhost); else the reason for the observer. The same
// rule holds for every address a server redirects to.
std::string Adresse_Pruefen(const std::string& url);

inline constexpr std::size_t Max_Weiterleitungen = 5;

struct Aktualisierungs_Auftrag {
    std::string Asteroiden_Url = Vorgabe_Asteroiden_Url;
    std::string Kometen_Url = Vorgabe_Kometen_Url;
    std::string Ordner;        // data folder
    int Stillstand_ms = 60000; // a connection silent this long is given up
    // Fewer than Mindest_Bytes in any Mindest_Fenster_ms: given up (a server
    // dripping a byte a second would take days).
    int Mindest_Fenster_ms = 60000;
    std::uint64_t Mindest_Bytes = 1024;
    std::int64_t Hoechstdauer_ms = 2ll * 3600 * 1000; // the whole update at most
    bool Erzwingen = false; // install also a table with fewer than half the bodies
    Strom_Grenzen Grenzen{};
};

struct Lade_Stand {
    std::string Datei; // "MPCORB.DAT.gz"
    std::uint64_t Bytes = 0;
    std::int64_t Gesamt = -1; // bytes announced by the server, -1 unknown
    std::int64_t Zeilen = 0;
};

// Fetches both lists one after the other. Fertig(true) leaves the two
// selections in Asteroiden and Kometen; nothing is written here.
class Bahnelemente_Laden : public QObject {
    Q_OBJECT
public:
    explicit Bahnelemente_Laden(Aktualisierungs_Auftrag auftrag, QObject* eltern = nullptr);
    ~Bahnelemente_Laden() override;
    void Starten();
    void Abbrechen(); // Fertig(false, "abgebrochen") follows

    Element_Auswahl Asteroiden, Kometen;

signals:
    void Fortschritt(const Lade_Stand& stand);
    void Fertig(bool ok, const QString& meldung);

private:
    void Naechste();
    void Lesen(const QByteArray& daten);
    void Beendet();
    void Scheitern(const std::string& meldung);

    Aktualisierungs_Auftrag auftrag_;
    QPointer<Http_Abruf> abruf_;
    void Anfordern(const QUrl& url);
    void Weitergeleitet(const QUrl& ziel);
    void Rate_Pruefen();

    QTimer stillstand_;
    QTimer rate_;          // every Mindest_Fenster_ms: enough bytes since the last time?
    QElapsedTimer gesamt_; // since Starten()
    std::uint64_t bytes_bei_pruefung_ = 0;
    std::uint64_t empfangen_ = 0; // bytes of both downloads so far
    std::vector<QUrl> besucht_;   // the addresses of this download, redirects included
    std::unique_ptr<Element_Strom> strom_;
    int schritt_ = 0; // 0 asteroids, 1 comets, 2 done
    bool fertig_ = false;
    Lade_Stand stand_;
};

// A new table with fewer than half the bodies of the installed one, not
// installed without confirmation (Aktualisierungs_Auftrag::Erzwingen).
struct Schwund_Fehler : Aktualisierungs_Fehler {
    using Aktualisierungs_Fehler::Aktualisierungs_Fehler;
};

// The whole update without a window: download, install, summary. Runs its own
// event loop (a QCoreApplication must exist). `melden` receives progress
// lines. Returns the summary; throws Aktualisierungs_Fehler or
// Ein_Ausgabe_Fehler with the reason, the old files untouched.
std::string Bahnelemente_Aktualisieren(const Aktualisierungs_Auftrag& auftrag,
                                       const std::function<void(const std::string&)>& melden);

// "Asteroiden: 6000 installiert ... Epoche 2026-11-21" for both files.
std::string Aktualisierung_Zusammenfassung(const Element_Auswahl& asteroiden,
                                           const Element_Auswahl& kometen);

// "MPCORB.DAT.gz: 12.3 MB, 61234 Zeilen" for a progress line.
std::string Lade_Stand_Text(const Lade_Stand& stand);
