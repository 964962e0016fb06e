#include "app/bahnelemente_installieren.hpp"

#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <tuple>
#include <unistd.h>
#include <vector>

#include "orbits/element_aktualisierung.hpp"
#include "shared/datei_oeffnen.hpp"
#include "shared/fehler.hpp"
#include "shared/kern_text.hpp"
#include "shared/zeilen_leser.hpp"

namespace fs = std::filesystem;

namespace {
std::string Unveraendert() {
    return Kt(". Die bisherigen Bahnelemente bleiben unverändert.");
}

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
        throw Ein_Ausgabe_Fehler(Kt("%1 kann nicht angelegt werden: %2",
                                    {Voller_Pfad(pfad), datei.errorString().toStdString()}) +
                                 Unveraendert());
    const char* p = text.data();
    qint64 rest = static_cast<qint64>(text.size());
    while (rest > 0) {
        const qint64 n = datei.write(p, std::min<qint64>(rest, 1 << 20));
        if (n <= 0) {
            const std::string grund = datei.errorString().toStdString();
            datei.close();
            throw Ein_Ausgabe_Fehler(
                Kt("%1 kann nicht geschrieben werden: %2", {Voller_Pfad(pfad), grund}) +
                Unveraendert());
        }
        p += n;
        rest -= n;
    }
    if (!datei.flush() || datei.error() != QFileDevice::NoError || ::fsync(datei.handle()) != 0)
        throw Ein_Ausgabe_Fehler(Kt("%1 kann nicht geschrieben werden: %2",
                                    {Voller_Pfad(pfad), datei.error() != QFileDevice::NoError
                                                            ? datei.errorString().toStdString()
                                                            : std::string(std::strerror(errno))}) +
                                 Unveraendert());
    datei.close();
}

// The old file's copy "<name>.bak.neu": a second name for the same bytes
// where the file system allows it, else a copy. A link's backup is a copy of
// the bytes it points to: a hard link to the link itself would change with
// the linked file.
void Sicherung_Anlegen(const std::string& alt, const std::string& ziel) {
    std::error_code f;
    fs::remove(ziel, f);
    if (!fs::is_symlink(fs::symlink_status(alt, f))) {
        fs::create_hard_link(alt, ziel, f);
        if (!f) return;
    }
    std::string daten;
    try {
        const Datei_Zeiger quelle = Datei_Lesend_Oeffnen(alt);
        char puffer[1 << 16];
        std::size_t n;
        while ((n = std::fread(puffer, 1, sizeof puffer, quelle.get())) > 0)
            daten.append(puffer, n);
        if (std::ferror(quelle.get()))
            throw Ein_Ausgabe_Fehler(
                Kt("%1 kann nicht gelesen werden: %2", {Voller_Pfad(alt), std::strerror(errno)}));
    } catch (const Ein_Ausgabe_Fehler& e) {
        throw Ein_Ausgabe_Fehler(e.what() + Unveraendert());
    }
    Schreiben(ziel, daten);
}

// Distinct bodies of an installed element file; 0 when it cannot be read.
std::int64_t Datei_Koerper_Zaehlen(const std::string& pfad, Element_Art art) {
    try {
        Zeilen_Leser leser(pfad);
        std::vector<std::string> zeilen;
        std::string_view z;
        while (leser.Naechste(z)) zeilen.emplace_back(z);
        return Koerper_Zaehlen(art, zeilen);
    } catch (const std::exception&) {
        return 0;
    }
}

// True when `pfad` holds exactly `text`.
bool Gleicher_Inhalt(const std::string& pfad, const std::string& text) {
    std::error_code f;
    if (!fs::is_regular_file(pfad, f) || fs::file_size(pfad, f) != text.size() || f) return false;
    try {
        const Datei_Zeiger d = Datei_Lesend_Oeffnen(pfad);
        char puffer[1 << 16];
        std::size_t n, pos = 0;
        while ((n = std::fread(puffer, 1, sizeof puffer, d.get())) > 0) {
            if (pos + n > text.size() || text.compare(pos, n, puffer, n) != 0) return false;
            pos += n;
        }
        return !std::ferror(d.get()) && pos == text.size();
    } catch (const std::exception&) {
        return false;
    }
}

void Umbenennen(const std::string& von, const std::string& nach) {
    if (std::rename(von.c_str(), nach.c_str()) != 0)
        throw Ein_Ausgabe_Fehler(
            Kt("%1 kann nicht ersetzt werden: %2", {Voller_Pfad(nach), std::strerror(errno)}) +
            Unveraendert());
}
} // namespace

void Reste_Entfernen(const std::string& ordner) {
    const std::string o = ordner.empty() ? std::string(".") : ordner;
    std::error_code f;
    for (const char* name : {".Asteroiden.txt.neu", ".Kometen.txt.neu", ".Asteroiden.txt.bak.neu",
                             ".Kometen.txt.bak.neu"})
        if (fs::is_regular_file(fs::symlink_status(Pfad_In(o, name), f)))
            fs::remove(Pfad_In(o, name), f);
}

void Datenordner_Pruefen(const std::string& ordner) {
    const std::string o = ordner.empty() ? std::string(".") : ordner;
    std::error_code f;
    const auto status = fs::status(o, f);
    if (f || !fs::is_directory(status))
        throw Ein_Ausgabe_Fehler(Kt("Datenordner nicht gefunden: %1", {Voller_Pfad(o)}) +
                                 Unveraendert());
    // A folder or file the observer made read-only is left alone, also where
    // the system would let the program write (the administrator's account).
    if (!Schreibbar(status.permissions()))
        throw Ein_Ausgabe_Fehler(Kt("Der Datenordner %1 ist schreibgeschützt", {Voller_Pfad(o)}) +
                                 Unveraendert());
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
            throw Ein_Ausgabe_Fehler(
                Kt("%1 ist schreibgeschützt", {Voller_Pfad(Pfad_In(o, d.Name))}) + Unveraendert());
    }

    Reste_Entfernen(o);
    // A file that already holds the new bytes stays, and so does its backup:
    // two equal updates in a row keep the list before them in the .bak.
    bool ersetzen[2];
    for (int i = 0; i < 2; ++i)
        ersetzen[i] = !Gleicher_Inhalt(Pfad_In(o, dateien[i].Name), *dateien[i].Text);

    // Everything new on disk first; the old files are touched only when it is.
    Aufraeumen temp;
    for (int i = 0; i < 2; ++i) {
        const Datei& d = dateien[i];
        if (!ersetzen[i]) continue;
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
    for (int i = 0; i < 2; ++i) {
        const std::string bak = Pfad_In(o, "." + dateien[i].Name + ".bak.neu");
        if (ersetzen[i] && fs::exists(bak, f))
            Umbenennen(bak, Pfad_In(o, dateien[i].Name + ".bak"));
    }
    if (ersetzen[0]) Umbenennen(Pfad_In(o, ".Asteroiden.txt.neu"), Pfad_In(o, "Asteroiden.txt"));
    try {
        if (ersetzen[1]) Umbenennen(Pfad_In(o, ".Kometen.txt.neu"), Pfad_In(o, "Kometen.txt"));
    } catch (...) {
        // The pair belongs together: the old asteroid file goes back.
        const std::string bak = Pfad_In(o, "Asteroiden.txt.bak");
        if (ersetzen[0] && fs::exists(bak, f))
            fs::copy_file(bak, Pfad_In(o, "Asteroiden.txt"), fs::copy_options::overwrite_existing,
                          f);
        throw;
    }
}

std::string Schwund_Pruefen(const std::string& ordner, std::size_t asteroiden,
                            std::size_t kometen) {
    std::string text;
    const std::tuple<const char*, std::size_t, Element_Art> neu[] = {
        {"Asteroiden.txt", asteroiden, Element_Art::Asteroiden},
        {"Kometen.txt", kometen, Element_Art::Kometen}};
    for (const auto& [name, anzahl, art] : neu) {
        const std::int64_t alt = Datei_Koerper_Zaehlen(Pfad_In(ordner, name), art);
        if (static_cast<std::int64_t>(anzahl) * 2 >= alt) continue;
        if (!text.empty()) text += "\n";
        text += Kt("%1: die neue Liste hat nur %2 Körper, installiert sind %3 – weniger als die "
                   "Hälfte (abgeschnittene Liste?)",
                   {name, std::to_string(anzahl), std::to_string(alt)});
    }
    return text;
}
