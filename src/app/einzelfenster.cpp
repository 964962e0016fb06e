#include "app/einzelfenster.hpp"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

#ifndef _WIN32
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#endif

#include "shared/kern_text.hpp"
#include "shared/zeilen_leser.hpp"

Fenster_Sperre Fenster_Sperre_Nehmen(const std::string& daten_ordner) {
    Fenster_Sperre s;
    const std::string pfad = Pfad_In(daten_ordner, Sperrdatei_Name);
    auto sperre = std::make_unique<QLockFile>(QString::fromStdString(pfad));
    // A window runs for days: only a dead process makes its lock stale, never age.
    sperre->setStaleLockTime(0);
    qint64 pid = 0;
    QString rechner, programm;
    // A lock file without a readable owner (cut short by a crash) would never
    // become stale; one that stays so past a starting window's write is removed.
    for (int versuch = 0; versuch < 2; ++versuch) {
        if (sperre->tryLock(versuch == 0 ? 0 : 200)) {
            s.Sperre = std::move(sperre);
            return s;
        }
        if (sperre->error() != QLockFile::LockFailedError) return s;
        if (sperre->getLockInfo(&pid, &rechner, &programm)) break;
        if (versuch == 1 && sperre->removeStaleLockFile() && sperre->tryLock(0)) {
            s.Sperre = std::move(sperre);
            return s;
        }
    }
    std::string wer = Kt("einem anderen Prozess");
    if (pid > 0)
        wer = rechner.isEmpty()
                  ? Kt("Prozess %1", {std::to_string(pid)})
                  : Kt("Prozess %1 auf %2", {std::to_string(pid), rechner.toStdString()});
    s.Besetzt = Kt("Stelux läuft bereits für den Datenordner %1 (%2). Bitte jenes Fenster "
                   "verwenden; zwei Fenster würden einander die Parameterdatei überschreiben.",
                   {Voller_Pfad(daten_ordner), wer});
    return s;
}

#ifdef _WIN32
void Stopp_Signale_Abfangen() {}
#else
namespace {
int& Signal_Rohr_Schreiben() {
    static int fd = -1;
    return fd;
}

extern "C" void Stopp_Signal(int) {
    // Only async-signal-safe work here: one byte into the pipe; the event loop does the rest.
    const int gesichert = errno;
    const char c = 1;
    if (::write(Signal_Rohr_Schreiben(), &c, 1) < 0) {
    }
    errno = gesichert;
}
} // namespace

void Stopp_Signale_Abfangen() {
    int rohr[2];
    if (::pipe(rohr) != 0) return;
    for (int fd : rohr) {
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    }
    Signal_Rohr_Schreiben() = rohr[1];
    auto* melder =
        new QSocketNotifier(rohr[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(melder, &QSocketNotifier::activated, melder, [fd = rohr[0]] {
        char puffer[16];
        while (::read(fd, puffer, sizeof puffer) > 0) {
        }
        // exit, not quit: no close events, so no message box can hold the end up.
        // Once more from the loop: a box before the main loop ran ends with
        // the first, and the main loop would start afresh.
        QCoreApplication::exit(0);
        QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    });
    struct sigaction aktion {};
    aktion.sa_handler = Stopp_Signal;
    sigemptyset(&aktion.sa_mask);
    aktion.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) sigaction(sig, &aktion, nullptr);
}
#endif
