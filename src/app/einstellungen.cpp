#include "app/einstellungen.hpp"

#include <QLocale>
#include <QSettings>
#include <memory>

#include "shared/zahlen.hpp"

std::string Einstellungen_Datei;

namespace {
std::unique_ptr<QSettings> Oeffnen() {
    if (!Einstellungen_Datei.empty())
        return std::make_unique<QSettings>(QString::fromStdString(Einstellungen_Datei),
                                           QSettings::IniFormat);
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "Stelux",
                                       "stelux");
}
} // namespace

bool Einstellung_Lesen(const char* schluessel, bool vorgabe) {
    const QVariant wert = Oeffnen()->value(schluessel);
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
    const QString text = Oeffnen()->value(schluessel).toString();
    return text.isEmpty() ? vorgabe : text.toStdString();
}

void Einstellung_Text_Schreiben(const char* schluessel, const std::string& wert) {
    auto s = Oeffnen();
    s->setValue(schluessel, QString::fromStdString(wert));
    s->sync();
}

double Einstellung_Zahl_Lesen(const char* schluessel, double vorgabe, double min, double max) {
    const QVariant wert = Oeffnen()->value(schluessel);
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
