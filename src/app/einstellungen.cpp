#include "app/einstellungen.hpp"

#include <QSettings>
#include <memory>

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
