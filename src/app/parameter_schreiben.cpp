// Writing the parameter file: through Qt's save file, so the old file stays
// until every byte of the new one is written. Kept apart from the reader,
// which stelux-cli uses without Qt.
#include "basis/parameter_datei.hpp"

#include <QSaveFile>
#include <filesystem>

#include "shared/fehler.hpp"
#include "shared/zeilen_leser.hpp"

namespace {
bool Schreibbar(std::filesystem::perms r) {
    using std::filesystem::perms;
    return (r & (perms::owner_write | perms::group_write | perms::others_write)) != perms::none;
}
} // namespace

void Parameter_Schreiben(const std::string& ordner, const Parameter_Type& p) {
    const std::string text = Parameter_Text(p);
    const std::string pfad = Pfad_In(ordner, Parameter_Datei_Name);
    const std::string voll = Voller_Pfad(pfad);
    const auto nicht_geschrieben = [&](const QString& grund) {
        return Ein_Ausgabe_Fehler(voll + " kann nicht geschrieben werden: " + grund.toStdString() +
                                  ". Die bisherige Datei bleibt unverändert.");
    };
    // A file or folder the observer made read-only is left alone, also where
    // the system would let the program replace it (the administrator's account).
    std::error_code fehler;
    const auto datei_status = std::filesystem::status(pfad, fehler);
    if (!fehler && std::filesystem::is_regular_file(datei_status) &&
        !Schreibbar(datei_status.permissions()))
        throw nicht_geschrieben(QString::fromUtf8("die Datei ist schreibgeschützt"));
    const auto ordner_status =
        std::filesystem::status(ordner.empty() ? std::string(".") : ordner, fehler);
    if (!fehler && std::filesystem::is_directory(ordner_status) &&
        !Schreibbar(ordner_status.permissions()))
        throw nicht_geschrieben(QString::fromUtf8("der Ordner ist schreibgeschützt"));

    // Unbuffered, so a full disk fails the write itself rather than a later
    // flush whose failure the commit would not see; the old file is replaced
    // only when every byte is written.
    QSaveFile datei(QString::fromStdString(pfad));
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw nicht_geschrieben(datei.errorString());
    if (datei.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size()) ||
        !datei.flush() || datei.error() != QFileDevice::NoError) {
        const QString grund = datei.errorString();
        datei.cancelWriting();
        throw nicht_geschrieben(grund);
    }
    if (!datei.commit()) throw nicht_geschrieben(datei.errorString());
}
