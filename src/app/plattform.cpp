#include "app/plattform.hpp"

#include "basis/plattform_windows.hpp"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {

System_Zeit Systemzeit_Von(const QDateTime& t) {
    System_Zeit s;
    s.Jahr = t.date().year();
    s.Monat = t.date().month();
    s.Tag = t.date().day();
    s.Stunde = t.time().hour();
    s.Minute = t.time().minute();
    s.Sekunde = t.time().second();
    s.Millisekunden = t.time().msec();
    s.Wochentag = t.date().dayOfWeek() % 7; // 0 = Sunday
    return s;
}

std::string Ordner_Mit_Strich(QString ordner) {
    if (!ordner.endsWith('/')) ordner += '/';
    return ordner.toStdString();
}

Oeffner& Ersatz_Oeffner() {
    static Oeffner o;
    return o;
}

} // namespace

Zeitzone_Info Zeitzone_Von(const QTimeZone& zone, const QDateTime& jetzt) {
    Zeitzone_Info z;
    if (!zone.isValid()) return z; // Zustand -1: the zone is unknown
    // One year either side decides whether the zone ever leaves UTC and what
    // its daylight-saving step is, also while standard time is in force.
    QTimeZone::OffsetDataList uebergaenge;
    if (zone.hasTransitions())
        uebergaenge = zone.transitions(jetzt.addDays(-366), jetzt.addDays(366));

    const int standard = zone.standardTimeOffset(jetzt);
    int sommer_schritt = zone.daylightTimeOffset(jetzt);
    bool immer_ut = zone.offsetFromUtc(jetzt) == 0;
    for (const auto& u : uebergaenge) {
        if (u.offsetFromUtc != 0) immer_ut = false;
        if (sommer_schritt == 0 && u.daylightTimeOffset != 0) sommer_schritt = u.daylightTimeOffset;
    }

    z.Bias = -standard / 60;
    z.StandardBias = 0;
    z.DaylightBias = -sommer_schritt / 60;
    z.StandardName = zone.displayName(QTimeZone::StandardTime, QTimeZone::LongName).toStdString();
    z.DaylightName = zone.displayName(QTimeZone::DaylightTime, QTimeZone::LongName).toStdString();
    bool standard_gefunden = false, sommer_gefunden = false;
    for (const auto& u : uebergaenge) {
        if (u.atUtc <= jetzt) continue;
        const QDateTime lokal = u.atUtc.toTimeZone(zone);
        if (u.daylightTimeOffset == 0 && !standard_gefunden) {
            z.StandardDate = Systemzeit_Von(lokal);
            standard_gefunden = true;
        } else if (u.daylightTimeOffset != 0 && !sommer_gefunden) {
            z.DaylightDate = Systemzeit_Von(lokal);
            sommer_gefunden = true;
        }
    }
    if (immer_ut)
        z.Zustand = 0;
    else
        z.Zustand = zone.isDaylightTime(jetzt) ? 2 : 1;
    return z;
}

Zeitzone_Info Zeitzone_Abfragen() {
#ifdef _WIN32
    return Zeitzone_Windows();
#endif
    return Zeitzone_Von(QTimeZone::systemTimeZone(), QDateTime::currentDateTimeUtc());
}

double JD_Von_Lokalzeit(const QDateTime& lokal) {
    static const QDate basis(1899, 12, 30);
    return static_cast<double>(basis.daysTo(lokal.date())) +
           lokal.time().msecsSinceStartOfDay() / 86400000.0 + 2415018.5;
}

double Jetzt_JD_PC() {
    return JD_Von_Lokalzeit(QDateTime::currentDateTime());
}

std::string Temp_Ordner_Ermitteln() {
    return Ordner_Mit_Strich(QDir::tempPath());
}

std::string Programm_Ordner_Ermitteln(const std::string& programm_pfad) {
    return Ordner_Mit_Strich(QFileInfo(QString::fromStdString(programm_pfad)).absolutePath());
}

bool Ordner_Anlegen(const std::string& ordner) {
    return !ordner.empty() && QDir().mkpath(QString::fromStdString(ordner));
}

void Oeffner_Setzen(Oeffner oeffner) {
    Ersatz_Oeffner() = std::move(oeffner);
}

bool Dokument_Oeffnen(const std::string& pfad) {
    if (Ersatz_Oeffner()) return Ersatz_Oeffner()(pfad, false);
#ifdef _WIN32
    return Oeffnen_Windows(pfad, false);
#endif
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(pfad)));
}

bool Text_Bearbeiten(const std::string& pfad) {
    if (Ersatz_Oeffner()) return Ersatz_Oeffner()(pfad, true);
#ifdef _WIN32
    return Oeffnen_Windows(pfad, true);
#endif
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(pfad)));
}

std::string Umgebungsvariable(const char* name) {
    return qEnvironmentVariable(name).toStdString();
}

QString Schrift_Familie(const QString& entwurf) {
    // Each stand-in has the metrics of the family it replaces on the other
    // platform (Liberation Sans = Arial, Liberation Mono = Courier New), so the
    // layout's sizes hold on both.
#ifdef _WIN32
    if (entwurf == "MS Sans Serif") return "Arial";
    if (entwurf == "Fixedsys" || entwurf == "8514oem" || entwurf == "Courier") return "Courier New";
#else
    if (entwurf == "Arial Narrow") return "Liberation Sans Narrow";
    if (entwurf == "Arial" || entwurf == "MS Sans Serif") return "Liberation Sans";
    if (entwurf == "Fixedsys" || entwurf == "8514oem" || entwurf == "Courier" ||
        entwurf == "Courier New")
        return "Liberation Mono";
#endif
    return entwurf;
}

QFont Schrift(const QString& entwurf, int pixel, bool fett) {
    QFont f(Schrift_Familie(entwurf));
    f.setPixelSize(pixel);
    f.setBold(fett);
    if (f.family() == "Liberation Mono" || f.family() == "Courier New")
        f.setStyleHint(QFont::TypeWriter);
    return f;
}
