#include "app/fenster_sprache.hpp"

#include <QLocale>
#include <QTimeZone>
#include <QTranslator>
#include <cstdlib>

#include "app/einstellungen.hpp"
#include "shared/kern_text.hpp"

namespace {
QTranslator& Englisch() {
    static QTranslator t;
    return t;
}
bool englisch_aktiv = false;

// The core's texts through the same translation as the window's.
std::string Kern_Uebersetzen(const char* deutsch) {
    return QCoreApplication::translate("Stelux", deutsch).toStdString();
}
} // namespace

Sprache Sprache_Waehlen() {
    const std::string gemerkt = Einstellung_Text_Lesen(Einstellung_Sprache, "");
    if (gemerkt == "de") return Sprache::Deutsch;
    if (gemerkt == "en") return Sprache::Englisch;
    return QLocale::system().language() == QLocale::German ? Sprache::Deutsch : Sprache::Englisch;
}

void Sprache_Merken(Sprache s) {
    Einstellung_Text_Schreiben(Einstellung_Sprache, s == Sprache::Englisch ? "en" : "de");
}

bool Sprache_Anwenden(Sprache s) {
    if (s == Sprache::Deutsch) {
        if (englisch_aktiv) QCoreApplication::removeTranslator(&Englisch());
        englisch_aktiv = false;
        Kern_Uebersetzer_Setzen(nullptr);
        return true;
    }
    if (englisch_aktiv) return true;
    if (Englisch().isEmpty() && !Englisch().load(":/uebersetzung/stelux_en.qm")) return false;
    englisch_aktiv = QCoreApplication::installTranslator(&Englisch());
    Kern_Uebersetzer_Setzen(englisch_aktiv ? Kern_Uebersetzen : nullptr);
    return englisch_aktiv;
}

Sprache Sprache_Aktiv() {
    return englisch_aktiv ? Sprache::Englisch : Sprache::Deutsch;
}

QString Zeitpunkt_In_Worten(const QDateTime& lokal) {
    const bool englisch = Sprache_Aktiv() == Sprache::Englisch;
    const QDateTime t = lokal.toTimeZone(QTimeZone::systemTimeZone());
    // The zone's short name, as German observers say it for Central Europe;
    // a numeric one ("+03") as an offset from UTC.
    QString zone = QTimeZone::systemTimeZone().abbreviation(t);
    bool buchstaben = !zone.isEmpty();
    for (const QChar c : zone) buchstaben = buchstaben && c.isLetter();
    if (!buchstaben) {
        const int min = t.offsetFromUtc() / 60;
        zone = QString("UTC%1%2:%3")
                   .arg(min < 0 ? '-' : '+')
                   .arg(std::abs(min) / 60, 2, 10, QChar('0'))
                   .arg(std::abs(min) % 60, 2, 10, QChar('0'));
    } else if (!englisch && zone == "CET") {
        zone = "MEZ";
    } else if (!englisch && zone == "CEST") {
        zone = "MESZ";
    }
    if (englisch)
        return QLocale(QLocale::English, QLocale::UnitedKingdom)
                   .toString(t, "dddd, d MMMM yyyy, HH:mm ") +
               zone;
    return QLocale(QLocale::German, QLocale::Germany).toString(t, "dddd, d. MMMM yyyy, HH:mm") +
           " Uhr " + zone;
}
