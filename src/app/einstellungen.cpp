#include "app/einstellungen.hpp"

#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

#include "shared/datei_oeffnen.hpp"
#include "shared/kern_text.hpp"
#include "shared/zahlen.hpp"

namespace {
std::string& Datei() {
    static std::string datei;
    return datei;
}

struct Schreib_Meldung {
    std::function<void(const std::string&)> Anzeige;
    bool Gemeldet = false; // once per session and settings file
};
Schreib_Meldung& Meldung() {
    static Schreib_Meldung m;
    return m;
}

std::string Pfad() {
    if (!Datei().empty()) return Datei();
    // Where QSettings keeps the user's INI file (XDG_CONFIG_HOME or ~/.config).
    return (QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
            "/Stelux/stelux.ini")
        .toStdString();
}

// Null when the file is there but no regular file: Qt would read a pipe
// for ever. Every value then reads as its default.
std::unique_ptr<QSettings> Oeffnen() {
    try {
        Gewoehnliche_Datei_Pruefen(Pfad());
    } catch (const std::exception&) {
        return nullptr;
    }
    if (!Datei().empty())
        return std::make_unique<QSettings>(QString::fromStdString(Datei()), QSettings::IniFormat);
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "Stelux",
                                       "stelux");
}

// Why the file could not be written, as far as the system tells.
std::string Schreib_Grund(const std::string& pfad) {
    const QFileInfo datei(QString::fromStdString(pfad));
    const QFileInfo ordner(datei.absolutePath());
    if (!ordner.exists()) {
        // The folder is made as the settings would make it; the system says why not
        // (a read-only ~/.config, a file in the way).
        std::error_code f;
        std::filesystem::create_directories(ordner.filePath().toStdString(), f);
        if (f)
            return Kt("der Ordner %1 kann nicht angelegt werden: %2",
                      {ordner.filePath().toStdString(), f.message()});
    }
    if (!ordner.isDir()) return Kt("%1 ist kein Ordner", {ordner.filePath().toStdString()});
    if (::access(ordner.filePath().toLocal8Bit().constData(), W_OK) != 0)
        return Kt("keine Schreibberechtigung im Ordner %1 (%2)",
                  {ordner.filePath().toStdString(), std::strerror(errno)});
    if (datei.exists() && !datei.isFile()) return Kt("keine gewöhnliche Datei");
    if (datei.exists() && ::access(datei.filePath().toLocal8Bit().constData(), W_OK) != 0)
        return Kt("die Datei ist schreibgeschützt (%1)", {std::strerror(errno)});
    return Kt("Schreiben fehlgeschlagen (Platte voll?)");
}

// Writes one value; a failure is told once, and the program goes on.
void Setzen(const char* schluessel, const QVariant& wert) {
    auto s = Oeffnen();
    if (s) {
        s->setValue(schluessel, wert);
        s->sync();
        if (s->status() == QSettings::NoError) return;
    }
    Schreib_Meldung& m = Meldung();
    if (m.Gemeldet) return;
    m.Gemeldet = true;
    const std::string pfad = Pfad();
    std::string grund;
    try {
        Gewoehnliche_Datei_Pruefen(pfad);
        grund = Schreib_Grund(pfad);
    } catch (const std::exception& f) {
        grund = f.what();
    }
    const std::string text = Kt("Die Einstellungen können nicht gespeichert werden: %1: %2. "
                                "Stelux arbeitet weiter; geänderte Optionen gelten nur bis zum "
                                "Beenden.",
                                {pfad, grund});
    if (m.Anzeige)
        m.Anzeige(text);
    else
        std::fprintf(stderr, "%s\n", text.c_str());
}
} // namespace

const std::string& Einstellungen_Datei() {
    return Datei();
}

void Einstellungen_Datei_Setzen(const std::string& datei) {
    Datei() = datei;
    Meldung().Gemeldet = false;
}

void Einstellungen_Fehler_Anzeige_Setzen(std::function<void(const std::string&)> anzeige) {
    Meldung().Anzeige = std::move(anzeige);
}

bool Einstellungen_Beschaedigt() {
    auto s = Oeffnen();
    if (!s || s->status() != QSettings::NoError) return true;
    // The INI reader passes over much that no writer of the file makes:
    // control bytes, bytes that are no UTF-8, a section line without "]".
    QFile datei(s->fileName());
    if (!datei.open(QIODevice::ReadOnly)) return false; // not there yet
    const QByteArray bytes = datei.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    (void)utf8.decode(bytes);
    if (utf8.hasError()) return true;
    for (const QByteArray& zeile : bytes.split('\n')) {
        const QByteArray z = zeile.trimmed();
        if (z.startsWith('[') && !z.endsWith(']')) return true;
        for (char c : z)
            if (static_cast<unsigned char>(c) < 0x20 && c != '\t') return true;
    }
    return false;
}

namespace {
// A value, invalid when never stored or when the file cannot be read as a whole.
QVariant Wert(const char* schluessel) {
    auto s = Oeffnen();
    return s && s->status() == QSettings::NoError && !Einstellungen_Beschaedigt()
               ? s->value(schluessel)
               : QVariant();
}
} // namespace

bool Einstellung_Lesen(const char* schluessel, bool vorgabe) {
    const QVariant wert = Wert(schluessel);
    if (!wert.isValid()) return vorgabe;
    const QString text = wert.toString();
    if (text == "true" || text == "1") return true;
    if (text == "false" || text == "0") return false;
    return vorgabe;
}

void Einstellung_Schreiben(const char* schluessel, bool wert) {
    Setzen(schluessel, wert);
}

std::string Einstellung_Text_Lesen(const char* schluessel, const std::string& vorgabe) {
    const QString text = Wert(schluessel).toString();
    return text.isEmpty() ? vorgabe : text.toStdString();
}

void Einstellung_Text_Schreiben(const char* schluessel, const std::string& wert) {
    Setzen(schluessel, QString::fromStdString(wert));
}

double Einstellung_Zahl_Lesen(const char* schluessel, double vorgabe, double min, double max) {
    const QVariant wert = Wert(schluessel);
    if (!wert.isValid()) return vorgabe;
    // Written with "." by setValue(double); read in the C locale, never the user's.
    bool ok = false;
    const double x = QLocale::c().toDouble(wert.toString().trimmed(), &ok);
    return ok && x >= min && x <= max ? x : vorgabe;
}

void Einstellung_Zahl_Schreiben(const char* schluessel, double wert) {
    Setzen(schluessel, QString::fromStdString(Fest(wert, 4)));
}
