#include "app/bahnelemente_installieren.hpp"

#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <unistd.h>
#include <vector>

#include "shared/fehler.hpp"
#include "shared/zeilen_leser.hpp"

namespace fs = std::filesystem;

namespace {
constexpr const char* Unveraendert = ". Die bisherigen Bahnelemente bleiben unverändert.";

bool Schreibbar(fs::perms r) {
    return (r & (fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write)) !=
           fs::perms::none;
}

// Temporary files made so far; removed unless the installation completes.
struct Aufraeumen {
    std::vector<std::string> Pfade;
    ~Aufraeumen() {
        for (const auto& p : Pfade) std::remove(p.c_str());
    }
};

// Writes `text` to `pfad` unbuffered (a full disk fails the write itself)
// and forces it to disk.
void Schreiben(const std::string& pfad, const std::string& text) {
    QFile datei(QString::fromStdString(pfad));
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        throw Ein_Ausgabe_Fehler(Voller_Pfad(pfad) + " kann nicht angelegt werden: " +
                                 datei.errorString().toStdString() + Unveraendert);
    const char* p = text.data();
    qint64 rest = static_cast<qint64>(text.size());
    while (rest > 0) {
        const qint64 n = datei.write(p, std::min<qint64>(rest, 1 << 20));
        if (n <= 0) {
            const std::string grund = datei.errorString().toStdString();
            datei.close();
            throw Ein_Ausgabe_Fehler(Voller_Pfad(pfad) +
                                     " kann nicht geschrieben werden: " + grund + Unveraendert);
        }
        p += n;
        rest -= n;
    }
    if (!datei.flush() || datei.error() != QFileDevice::NoError || ::fsync(datei.handle()) != 0)
        throw Ein_Ausgabe_Fehler(Voller_Pfad(pfad) + " kann nicht geschrieben werden: " +
                                 (datei.error() != QFileDevice::NoError
                                      ? datei.errorString().toStdString()
                                      : std::string(std::strerror(errno))) +
                                 Unveraendert);
    datei.close();
}

// The old file's copy "<name>.bak.neu": a second name for the same bytes
// where the file system allows it, else a copy.
void Sicherung_Anlegen(const std::string& alt, const std::string& ziel) {
    std::error_code f;
    fs::remove(ziel, f);
    fs::create_hard_link(alt, ziel, f);
    if (!f) return;
    QFile quelle(QString::fromStdString(alt));
    if (!quelle.open(QIODevice::ReadOnly))
        throw Ein_Ausgabe_Fehler(Voller_Pfad(alt) + " kann nicht gelesen werden: " +
                                 quelle.errorString().toStdString() + Unveraendert);
    const QByteArray daten = quelle.readAll();
    if (quelle.error() != QFileDevice::NoError)
        throw Ein_Ausgabe_Fehler(Voller_Pfad(alt) + " kann nicht gelesen werden: " +
                                 quelle.errorString().toStdString() + Unveraendert);
    Schreiben(ziel, daten.toStdString());
}

void Umbenennen(const std::string& von, const std::string& nach) {
    if (std::rename(von.c_str(), nach.c_str()) != 0)
        throw Ein_Ausgabe_Fehler(Voller_Pfad(nach) + " kann nicht ersetzt werden: " +
                                 std::strerror(errno) + Unveraendert);
}
} // namespace

void Datenordner_Pruefen(const std::string& ordner) {
    const std::string o = ordner.empty() ? std::string(".") : ordner;
    std::error_code f;
    const auto status = fs::status(o, f);
    if (f || !fs::is_directory(status))
        throw Ein_Ausgabe_Fehler("Datenordner nicht gefunden: " + Voller_Pfad(o) + Unveraendert);
    // A folder or file the observer made read-only is left alone, also where
    // the system would let the program write (the administrator's account).
    if (!Schreibbar(status.permissions()))
        throw Ein_Ausgabe_Fehler("Der Datenordner " + Voller_Pfad(o) + " ist schreibgeschützt" +
                                 Unveraendert);
}

void Bahnelemente_Installieren(const std::string& ordner, const std::string& asteroiden,
                               const std::string& kometen) {
    Datenordner_Pruefen(ordner);
    const std::string o = ordner.empty() ? std::string(".") : ordner;
    std::error_code f;
    struct Datei {
        std::string Name;
        const std::string* Text;
    };
    const Datei dateien[2] = {{"Asteroiden.txt", &asteroiden}, {"Kometen.txt", &kometen}};
    for (const Datei& d : dateien) {
        const auto s = fs::status(Pfad_In(o, d.Name), f);
        if (!f && fs::is_regular_file(s) && !Schreibbar(s.permissions()))
            throw Ein_Ausgabe_Fehler(Voller_Pfad(Pfad_In(o, d.Name)) + " ist schreibgeschützt" +
                                     Unveraendert);
    }

    // Everything new on disk first; the old files are touched only when it is.
    Aufraeumen temp;
    for (const Datei& d : dateien) {
        const std::string neu = Pfad_In(o, "." + d.Name + ".neu");
        temp.Pfade.push_back(neu);
        Schreiben(neu, *d.Text);
        const std::string alt = Pfad_In(o, d.Name);
        if (fs::exists(alt, f)) {
            const std::string bak = Pfad_In(o, "." + d.Name + ".bak.neu");
            temp.Pfade.push_back(bak);
            Sicherung_Anlegen(alt, bak);
        }
    }
    // Renames within one folder: each one replaces its target whole.
    for (const Datei& d : dateien) {
        const std::string bak = Pfad_In(o, "." + d.Name + ".bak.neu");
        if (fs::exists(bak, f)) Umbenennen(bak, Pfad_In(o, d.Name + ".bak"));
    }
    Umbenennen(Pfad_In(o, ".Asteroiden.txt.neu"), Pfad_In(o, "Asteroiden.txt"));
    try {
        Umbenennen(Pfad_In(o, ".Kometen.txt.neu"), Pfad_In(o, "Kometen.txt"));
    } catch (...) {
        // The pair belongs together: the old asteroid file goes back.
        const std::string bak = Pfad_In(o, "Asteroiden.txt.bak");
        if (fs::exists(bak, f))
            fs::copy_file(bak, Pfad_In(o, "Asteroiden.txt"), fs::copy_options::overwrite_existing,
                          f);
        throw;
    }
}
