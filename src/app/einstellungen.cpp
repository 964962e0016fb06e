#include "app/einstellungen.hpp"

#include <QFile>
#include <QLocale>
#include <QSettings>
#include <QStringDecoder>
#include <memory>

#include "shared/zahlen.hpp"

namespace {
std::string& Datei() {
    static std::string datei;
    return datei;
}

std::unique_ptr<QSettings> Oeffnen() {
    if (!Datei().empty())
        return std::make_unique<QSettings>(QString::fromStdString(Datei()), QSettings::IniFormat);
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "Stelux",
                                       "stelux");
}
} // namespace

const std::string& Einstellungen_Datei() {
    return Datei();
}

void Einstellungen_Datei_Setzen(const std::string& datei) {
    Datei() = datei;
}

bool Einstellungen_Beschaedigt() {
    auto s = Oeffnen();
    if (s->status() != QSettings::NoError) return true;
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
    return s->status() == QSettings::NoError && !Einstellungen_Beschaedigt() ? s->value(schluessel)
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
    auto s = Oeffnen();
    s->setValue(schluessel, wert);
    s->sync();
}

std::string Einstellung_Text_Lesen(const char* schluessel, const std::string& vorgabe) {
    const QString text = Wert(schluessel).toString();
    return text.isEmpty() ? vorgabe : text.toStdString();
}

void Einstellung_Text_Schreiben(const char* schluessel, const std::string& wert) {
    auto s = Oeffnen();
    s->setValue(schluessel, QString::fromStdString(wert));
    s->sync();
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
    auto s = Oeffnen();
    s->setValue(schluessel, QString::fromStdString(Fest(wert, 4)));
    s->sync();
}
