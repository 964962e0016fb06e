#include "app/bahnelemente_laden.hpp"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QHostAddress>
#include <QUrl>

#include "app/bahnelemente_installieren.hpp"
#include "app/http_abruf.hpp"
#include "shared/kern_text.hpp"
#include "shared/zahlen.hpp"

std::string Adresse_Pruefen(const std::string& url) {
    const QUrl u(QString::fromStdString(url), QUrl::StrictMode);
    if (url.empty()) return Kt("Keine Adresse angegeben");
    if (!u.isValid() || u.host().isEmpty()) return Kt("Keine gültige Adresse: %1", {url});
    const QString schema = u.scheme().toLower();
    if (schema == "https") return {};
    const QString host = u.host().toLower();
    QHostAddress adresse;
    const bool lokal = host == "localhost" || (adresse.setAddress(host) && adresse.isLoopback());
    if (schema == "http" && lokal) return {};
    return Kt("Die Adresse %1 beginnt nicht mit \"https://\"; Bahnelemente werden nur "
              "verschlüsselt geladen",
              {url});
}

namespace {
std::string Dateiname(const std::string& url) {
    const QString name = QUrl(QString::fromStdString(url)).fileName();
    return name.isEmpty() ? url : name.toStdString();
}
} // namespace

Bahnelemente_Laden::Bahnelemente_Laden(Aktualisierungs_Auftrag auftrag, QObject* eltern)
    : QObject(eltern), auftrag_(std::move(auftrag)) {
    stillstand_.setSingleShot(true);
    connect(&stillstand_, &QTimer::timeout, this, [this] {
        const int ms = auftrag_.Stillstand_ms;
        Scheitern(Kt("%1: seit %2 s kommen keine Daten mehr; die Verbindung wurde aufgegeben",
                     {stand_.Datei, Fest(ms / 1000.0, ms % 1000 ? 1 : 0)}));
    });
    connect(&rate_, &QTimer::timeout, this, &Bahnelemente_Laden::Rate_Pruefen);
}

namespace {
std::string Sekunden(std::int64_t ms) {
    return Fest(static_cast<double>(ms) / 1000.0, ms % 1000 ? 1 : 0) + " s";
}
} // namespace

void Bahnelemente_Laden::Rate_Pruefen() {
    if (fertig_) return;
    if (gesamt_.elapsed() > auftrag_.Hoechstdauer_ms) {
        Scheitern(
            Kt("%1: nach %2 Stunden nicht fertig; das Laden wurde aufgegeben",
               {stand_.Datei, Fest(static_cast<double>(auftrag_.Hoechstdauer_ms) / 3.6e6, 1)}));
        return;
    }
    // Not the silence alone: a trickle keeps a connection alive for days.
    if (empfangen_ - bytes_bei_pruefung_ < auftrag_.Mindest_Bytes) {
        Scheitern(Kt("%1: weniger als %2 Bytes in %3 – die Verbindung ist zu langsam und wurde "
                     "aufgegeben",
                     {stand_.Datei, std::to_string(auftrag_.Mindest_Bytes),
                      Sekunden(auftrag_.Mindest_Fenster_ms)}));
        return;
    }
    bytes_bei_pruefung_ = empfangen_;
}

void Bahnelemente_Laden::Weitergeleitet(const QUrl& ziel) {
    const std::string adresse = ziel.toString().toStdString();
    for (const QUrl& u : besucht_)
        if (u == ziel) {
            Scheitern(Kt("Weiterleitungen im Kreis: %1 wurde schon einmal aufgerufen", {adresse}));
            return;
        }
    if (const std::string grund = Adresse_Pruefen(adresse); !grund.empty()) {
        Scheitern(Kt("Weiterleitung von %1 nach %2 abgelehnt: %3",
                     {besucht_.back().toString().toStdString(), adresse, grund}));
        return;
    }
    if (besucht_.size() > Max_Weiterleitungen) {
        Scheitern(Kt("Mehr als %1 Weiterleitungen, zuletzt nach %2; das Laden wurde aufgegeben",
                     {std::to_string(Max_Weiterleitungen), adresse}));
        return;
    }
    besucht_.push_back(ziel);
    Anfordern(ziel);
}

Bahnelemente_Laden::~Bahnelemente_Laden() {
    if (abruf_) {
        abruf_->disconnect(this);
        abruf_->Abbrechen();
    }
}

void Bahnelemente_Laden::Starten() {
    schritt_ = 0;
    fertig_ = false;
    empfangen_ = bytes_bei_pruefung_ = 0;
    Reste_Entfernen(auftrag_.Ordner);
    gesamt_.start();
    rate_.start(auftrag_.Mindest_Fenster_ms);
    // Later, so that a caller connected after Starten() sees every signal.
    QTimer::singleShot(0, this, [this] { Naechste(); });
}

void Bahnelemente_Laden::Abbrechen() {
    Scheitern(Kt("Abgebrochen"));
}

void Bahnelemente_Laden::Naechste() {
    if (fertig_) return;
    if (schritt_ >= 2) {
        fertig_ = true;
        rate_.stop();
        emit Fertig(true, {});
        return;
    }
    const bool ast = schritt_ == 0;
    const std::string& url = ast ? auftrag_.Asteroiden_Url : auftrag_.Kometen_Url;
    // Both addresses before the first byte: a wrong second one costs no download.
    for (const std::string* u : {&auftrag_.Asteroiden_Url, &auftrag_.Kometen_Url})
        if (const std::string grund = Adresse_Pruefen(*u); !grund.empty()) {
            Scheitern(grund);
            return;
        }
    stand_ = Lade_Stand{Dateiname(url), 0, -1, 0};
    try {
        strom_ = std::make_unique<Element_Strom>(
            ast ? Element_Art::Asteroiden : Element_Art::Kometen, stand_.Datei, auftrag_.Grenzen);
    } catch (const std::exception& f) {
        Scheitern(f.what());
        return;
    }
    besucht_ = {QUrl(QString::fromStdString(url))};
    Anfordern(besucht_.front());
}

void Bahnelemente_Laden::Anfordern(const QUrl& url) {
    abruf_ = new Http_Abruf(url, this);
    connect(abruf_, &Http_Abruf::Kopf, this, [this] {
        if (abruf_->Status() >= 200 && abruf_->Status() < 300) stand_.Gesamt = abruf_->Laenge();
    });
    connect(abruf_, &Http_Abruf::Empfangen, this, [this](qint64 n) {
        empfangen_ += static_cast<std::uint64_t>(n);
        stillstand_.start();
    });
    connect(abruf_, &Http_Abruf::Daten, this, &Bahnelemente_Laden::Lesen);
    connect(abruf_, &Http_Abruf::Fertig, this, &Bahnelemente_Laden::Beendet);
    connect(abruf_, &Http_Abruf::Fehler, this,
            [this](const QString& text) { Scheitern(text.toStdString()); });
    stillstand_.start(auftrag_.Stillstand_ms);
    abruf_->Starten();
}

void Bahnelemente_Laden::Lesen(const QByteArray& daten) {
    // An error page's body is not element data: its status follows with Fertig.
    if (fertig_ || !abruf_ || abruf_->Status() >= 300 || daten.isEmpty()) return;
    try {
        strom_->Daten(std::string_view(daten.constData(), static_cast<std::size_t>(daten.size())));
    } catch (const std::exception& f) {
        Scheitern(f.what());
        return;
    }
    stand_.Bytes = strom_->Bytes();
    stand_.Zeilen = strom_->Zeilen();
    emit Fortschritt(stand_);
}

void Bahnelemente_Laden::Beendet() {
    if (fertig_ || !abruf_) return;
    const int status = abruf_->Status();
    const QUrl url = abruf_->Url();
    const QByteArray ort = abruf_->Ort();
    const std::string grund = abruf_->Grund();
    abruf_->deleteLater();
    abruf_ = nullptr;
    if ((status == 301 || status == 302 || status == 303 || status == 307 || status == 308) &&
        !ort.isEmpty()) {
        Weitergeleitet(url.resolved(QUrl::fromEncoded(ort)));
        return;
    }
    if (status >= 300) {
        Scheitern(Kt("%1: der Server meldet %2 %3",
                     {url.toString().toStdString(), std::to_string(status), grund}));
        return;
    }
    try {
        (schritt_ == 0 ? Asteroiden : Kometen) = strom_->Ende();
    } catch (const std::exception& f) {
        Scheitern(f.what());
        return;
    }
    stillstand_.stop();
    strom_.reset();
    ++schritt_;
    Naechste();
}

void Bahnelemente_Laden::Scheitern(const std::string& meldung) {
    if (fertig_) return;
    fertig_ = true;
    stillstand_.stop();
    rate_.stop();
    if (abruf_) {
        abruf_->disconnect(this);
        abruf_->Abbrechen();
        abruf_->deleteLater();
        abruf_ = nullptr;
    }
    strom_.reset();
    emit Fertig(false, QString::fromStdString(meldung));
}

std::string Lade_Stand_Text(const Lade_Stand& s) {
    std::string t = s.Datei + ": " + Fest(static_cast<double>(s.Bytes) / 1e6, 1) + " MB";
    if (s.Gesamt > 0) t += Kt(" von %1 MB", {Fest(static_cast<double>(s.Gesamt) / 1e6, 1)});
    return t + Kt(", %1 Zeilen", {std::to_string(s.Zeilen)});
}

std::string Aktualisierung_Zusammenfassung(const Element_Auswahl& a, const Element_Auswahl& k) {
    auto teil = [](const std::string& was, const Element_Auswahl& e) {
        std::string t = Kt("%1: %2 installiert (von %3 gültigen Zeilen",
                           {was, std::to_string(e.Zeilen.size()), std::to_string(e.Gueltig)});
        if (e.Doppelt) t += Kt(", %1 doppelte übersprungen", {std::to_string(e.Doppelt)});
        if (e.Fehlerhaft) t += Kt(", %1 fehlerhafte übersprungen", {std::to_string(e.Fehlerhaft)});
        t += ")";
        if (!e.Epoche.empty()) t += Kt(", Epoche %1", {e.Epoche});
        return t;
    };
    return teil(Kt("Asteroiden"), a) + "\n" + teil(Kt("Kometen"), k);
}

std::string Bahnelemente_Aktualisieren(const Aktualisierungs_Auftrag& auftrag,
                                       const std::function<void(const std::string&)>& melden) {
    Datenordner_Pruefen(auftrag.Ordner);
    Bahnelemente_Laden laden(auftrag);
    QEventLoop schleife;
    bool ok = false;
    QString meldung;
    QElapsedTimer uhr;
    uhr.start();
    qint64 zuletzt = -1000;
    QObject::connect(&laden, &Bahnelemente_Laden::Fortschritt, [&](const Lade_Stand& s) {
        // At most two lines a second.
        if (uhr.elapsed() - zuletzt < 500) return;
        zuletzt = uhr.elapsed();
        if (melden) melden(Lade_Stand_Text(s));
    });
    QObject::connect(&laden, &Bahnelemente_Laden::Fertig, [&](bool erfolg, const QString& text) {
        ok = erfolg;
        meldung = text;
        schleife.quit();
    });
    laden.Starten();
    schleife.exec();
    if (!ok) throw Aktualisierungs_Fehler(meldung.toStdString());
    if (!auftrag.Erzwingen)
        if (const std::string schwund = Schwund_Pruefen(
                auftrag.Ordner, laden.Asteroiden.Zeilen.size(), laden.Kometen.Zeilen.size());
            !schwund.empty())
            throw Schwund_Fehler(schwund);
    if (melden) melden(Kt("Installieren in %1", {auftrag.Ordner}));
    Bahnelemente_Installieren(auftrag.Ordner, Element_Datei_Text(laden.Asteroiden.Zeilen),
                              Element_Datei_Text(laden.Kometen.Zeilen));
    return Aktualisierung_Zusammenfassung(laden.Asteroiden, laden.Kometen);
}
