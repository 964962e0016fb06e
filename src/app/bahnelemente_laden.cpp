#include "app/bahnelemente_laden.hpp"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

#include "app/bahnelemente_installieren.hpp"
#include "shared/zahlen.hpp"

std::string Adresse_Pruefen(const std::string& url) {
    const QUrl u(QString::fromStdString(url), QUrl::StrictMode);
    if (url.empty()) return "Keine Adresse angegeben";
    if (!u.isValid() || u.host().isEmpty()) return "Keine gültige Adresse: " + url;
    const QString schema = u.scheme().toLower();
    if (schema == "https") return {};
    const QString host = u.host().toLower();
    QHostAddress adresse;
    const bool lokal = host == "localhost" || (adresse.setAddress(host) && adresse.isLoopback());
    if (schema == "http" && lokal) return {};
    return "Die Adresse " + url +
           " beginnt nicht mit \"https://\"; Bahnelemente werden nur verschlüsselt geladen";
}

namespace {
std::string Dateiname(const std::string& url) {
    const QString name = QUrl(QString::fromStdString(url)).fileName();
    return name.isEmpty() ? url : name.toStdString();
}
} // namespace

Bahnelemente_Laden::Bahnelemente_Laden(Aktualisierungs_Auftrag auftrag, QObject* eltern)
    : QObject(eltern), auftrag_(std::move(auftrag)), netz_(new QNetworkAccessManager(this)) {
    stillstand_.setSingleShot(true);
    connect(&stillstand_, &QTimer::timeout, this, [this] {
        const int ms = auftrag_.Stillstand_ms;
        Scheitern(stand_.Datei + ": seit " + Fest(ms / 1000.0, ms % 1000 ? 1 : 0) +
                  " s kommen keine Daten mehr; die Verbindung wurde aufgegeben");
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
        Scheitern(stand_.Datei + ": nach " +
                  Fest(static_cast<double>(auftrag_.Hoechstdauer_ms) / 3.6e6, 1) +
                  " Stunden nicht fertig; das Laden wurde aufgegeben");
        return;
    }
    // Not the silence alone: a trickle keeps a connection alive for days.
    if (empfangen_ - bytes_bei_pruefung_ < auftrag_.Mindest_Bytes) {
        Scheitern(stand_.Datei + ": weniger als " + std::to_string(auftrag_.Mindest_Bytes) +
                  " Bytes in " + Sekunden(auftrag_.Mindest_Fenster_ms) +
                  " – die Verbindung ist zu langsam und wurde aufgegeben");
        return;
    }
    bytes_bei_pruefung_ = empfangen_;
}

void Bahnelemente_Laden::Weitergeleitet(const QUrl& ziel) {
    const std::string adresse = ziel.toString().toStdString();
    for (const QUrl& u : besucht_)
        if (u == ziel) {
            Scheitern("Weiterleitungen im Kreis: " + adresse + " wurde schon einmal aufgerufen");
            return;
        }
    if (const std::string grund = Adresse_Pruefen(adresse); !grund.empty()) {
        Scheitern("Weiterleitung von " + besucht_.back().toString().toStdString() + " nach " +
                  adresse + " abgelehnt: " + grund);
        return;
    }
    if (besucht_.size() > Max_Weiterleitungen) {
        Scheitern("Mehr als " + std::to_string(Max_Weiterleitungen) +
                  " Weiterleitungen, zuletzt nach " + adresse + "; das Laden wurde aufgegeben");
        return;
    }
    besucht_.push_back(ziel);
    Anfordern(ziel);
}

Bahnelemente_Laden::~Bahnelemente_Laden() {
    if (antwort_) {
        antwort_->disconnect(this);
        antwort_->abort();
    }
}

void Bahnelemente_Laden::Starten() {
    schritt_ = 0;
    fertig_ = false;
    empfangen_ = bytes_bei_pruefung_ = 0;
    gesamt_.start();
    rate_.start(auftrag_.Mindest_Fenster_ms);
    // Later, so that a caller connected after Starten() sees every signal.
    QTimer::singleShot(0, this, [this] { Naechste(); });
}

void Bahnelemente_Laden::Abbrechen() {
    Scheitern("Abgebrochen");
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
    QNetworkRequest anfrage(url);
    // Redirects are followed in Beendet(), each target checked against the address rule.
    anfrage.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    // The bytes as sent, so that they can be held against Content-Length.
    anfrage.setRawHeader("Accept-Encoding", "identity");
    antwort_ = netz_->get(anfrage);
    antwort_->setReadBufferSize(1 << 20);
    connect(antwort_, &QNetworkReply::readyRead, this, &Bahnelemente_Laden::Lesen);
    connect(antwort_, &QNetworkReply::finished, this, &Bahnelemente_Laden::Beendet);
    connect(antwort_, &QNetworkReply::downloadProgress, this, [this](qint64, qint64 gesamt) {
        stand_.Gesamt = gesamt;
        stillstand_.start();
    });
    stillstand_.start(auftrag_.Stillstand_ms);
}

void Bahnelemente_Laden::Lesen() {
    if (fertig_ || !antwort_) return;
    stillstand_.start();
    const int status = antwort_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QByteArray daten = antwort_->readAll();
    empfangen_ += static_cast<std::uint64_t>(daten.size());
    if (status >= 300 || daten.isEmpty()) return; // an error page: the error follows with finished
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
    if (fertig_ || !antwort_) return;
    Lesen();
    if (fertig_) return;
    const int status = antwort_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const std::string url = antwort_->url().toString().toStdString();
    const QByteArray ort = antwort_->rawHeader("Location");
    if ((status == 301 || status == 302 || status == 303 || status == 307 || status == 308) &&
        !ort.isEmpty()) {
        const QUrl ziel = antwort_->url().resolved(QUrl::fromEncoded(ort));
        antwort_->disconnect(this);
        antwort_->deleteLater();
        antwort_ = nullptr;
        Weitergeleitet(ziel);
        return;
    }
    // A connection closed before the announced length is a cut download, not a short list.
    const QVariant laenge = antwort_->header(QNetworkRequest::ContentLengthHeader);
    if (status >= 200 && status < 300 && laenge.isValid() &&
        strom_->Bytes() != laenge.toULongLong() &&
        (antwort_->error() == QNetworkReply::NoError ||
         antwort_->error() == QNetworkReply::RemoteHostClosedError)) {
        Scheitern(url + ": die Antwort endet nach " + std::to_string(strom_->Bytes()) + " von " +
                  std::to_string(laenge.toULongLong()) +
                  " angekündigten Bytes (Übertragung abgebrochen)");
        return;
    }
    if (antwort_->error() != QNetworkReply::NoError || status >= 300) {
        std::string grund;
        if (status >= 300)
            grund = "der Server meldet " + std::to_string(status) + " " +
                    antwort_->attribute(QNetworkRequest::HttpReasonPhraseAttribute)
                        .toString()
                        .toStdString();
        else if (antwort_->error() == QNetworkReply::ConnectionRefusedError)
            grund = "die Verbindung wurde abgelehnt";
        else if (antwort_->error() == QNetworkReply::HostNotFoundError)
            grund = "der Server ist nicht zu finden (keine Internetverbindung?)";
        else
            grund = antwort_->errorString().toStdString();
        Scheitern(url + ": " + grund);
        return;
    }
    try {
        (schritt_ == 0 ? Asteroiden : Kometen) = strom_->Ende();
    } catch (const std::exception& f) {
        Scheitern(f.what());
        return;
    }
    stillstand_.stop();
    antwort_->deleteLater();
    antwort_ = nullptr;
    strom_.reset();
    ++schritt_;
    Naechste();
}

void Bahnelemente_Laden::Scheitern(const std::string& meldung) {
    if (fertig_) return;
    fertig_ = true;
    stillstand_.stop();
    rate_.stop();
    if (antwort_) {
        antwort_->disconnect(this);
        antwort_->abort();
        antwort_->deleteLater();
        antwort_ = nullptr;
    }
    strom_.reset();
    emit Fertig(false, QString::fromStdString(meldung));
}

std::string Lade_Stand_Text(const Lade_Stand& s) {
    std::string t = s.Datei + ": " + Fest(static_cast<double>(s.Bytes) / 1e6, 1) + " MB";
    if (s.Gesamt > 0) t += " von " + Fest(static_cast<double>(s.Gesamt) / 1e6, 1) + " MB";
    return t + ", " + std::to_string(s.Zeilen) + " Zeilen";
}

std::string Aktualisierung_Zusammenfassung(const Element_Auswahl& a, const Element_Auswahl& k) {
    auto teil = [](const char* was, const Element_Auswahl& e) {
        std::string t = std::string(was) + ": " + std::to_string(e.Zeilen.size()) +
                        " installiert (von " + std::to_string(e.Gueltig) + " gültigen Zeilen";
        if (e.Fehlerhaft) t += ", " + std::to_string(e.Fehlerhaft) + " fehlerhafte übersprungen";
        t += ")";
        if (!e.Epoche.empty()) t += ", Epoche " + e.Epoche;
        return t;
    };
    return teil("Asteroiden", a) + "\n" + teil("Kometen", k);
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
    if (melden) melden("Installieren in " + auftrag.Ordner);
    Bahnelemente_Installieren(auftrag.Ordner, Element_Datei_Text(laden.Asteroiden.Zeilen),
                              Element_Datei_Text(laden.Kometen.Zeilen));
    return Aktualisierung_Zusammenfassung(laden.Asteroiden, laden.Kometen);
}
