#include "shared/datei_oeffnen.hpp"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

#ifdef _WIN32
#include <cwchar>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

#include "shared/fehler.hpp"
#include "shared/kern_text.hpp"
#include "shared/zeilen_leser.hpp"

namespace {
constexpr std::size_t Probe_Bytes = 4096;

[[noreturn]] void Keine_Gewoehnliche(const std::string& pfad, const char* art) {
    throw Ein_Ausgabe_Fehler(Kt("%1 ist keine gewöhnliche Datei (%2)", {Voller_Pfad(pfad), art}));
}

// The kind of a file that is not a regular one, for the message.
void Art_Pruefen(const std::string& pfad, unsigned modus) {
    if (S_ISREG(modus)) return;
    if (S_ISDIR(modus))
        throw Ein_Ausgabe_Fehler(Kt("Ein Ordner, keine Datei: %1", {Voller_Pfad(pfad)}));
#ifdef S_ISFIFO
    if (S_ISFIFO(modus)) Keine_Gewoehnliche(pfad, "FIFO");
#endif
#ifdef S_ISSOCK
    if (S_ISSOCK(modus)) Keine_Gewoehnliche(pfad, "Socket");
#endif
    if (S_ISCHR(modus)) Keine_Gewoehnliche(pfad, "Gerät");
#ifdef S_ISBLK
    if (S_ISBLK(modus)) Keine_Gewoehnliche(pfad, "Gerät");
#endif
    Keine_Gewoehnliche(pfad, "unbekannte Art");
}

[[noreturn]] void Oeffnen_Gescheitert(const std::string& pfad, int fehlernummer) {
#ifdef ELOOP
    if (fehlernummer == ELOOP)
        throw Ein_Ausgabe_Fehler(
            Kt("%1: Verknüpfungen im Kreis (die Verknüpfung zeigt auf sich selbst)",
               {Voller_Pfad(pfad)}));
#endif
    throw Oeffnungs_Fehler(pfad, fehlernummer);
}

// Text in UTF-16: a byte order mark, or NUL in at least 40 % of the first
// bytes (every other byte of Latin text in UTF-16 without a mark).
bool Sieht_Nach_Utf16_Aus(const unsigned char* p, std::size_t n) {
    if (n >= 2 && ((p[0] == 0xFF && p[1] == 0xFE) || (p[0] == 0xFE && p[1] == 0xFF))) return true;
    std::size_t nul = 0;
    for (std::size_t i = 0; i < n; ++i) nul += p[i] == 0;
    return n >= 2 && nul * 5 >= n * 2;
}

void Kodierung_Pruefen(std::FILE* f, const std::string& pfad) {
    unsigned char probe[Probe_Bytes];
    const std::size_t n = std::fread(probe, 1, sizeof probe, f);
    std::rewind(f);
    if (Sieht_Nach_Utf16_Aus(probe, n))
        throw Ein_Ausgabe_Fehler(
            Kt("%1: UTF-16 – bitte als Windows-1252 oder UTF-8 speichern", {Voller_Pfad(pfad)}));
}
} // namespace

Datei_Zeiger Datei_Lesend_Oeffnen(const std::string& pfad, bool fehlend_erlaubt) {
    const std::filesystem::path p = Pfad_Aus_Utf8(pfad);
#ifdef _WIN32
    // No named pipes in the file system's paths here; only the kind is checked.
    Datei_Zeiger f(_wfopen(p.c_str(), L"rb"));
    if (!f) {
        const int e = errno;
        if (fehlend_erlaubt && e == ENOENT) return nullptr;
        Oeffnen_Gescheitert(pfad, e);
    }
    struct _stat64 st {};
    if (_fstat64(_fileno(f.get()), &st) != 0) Oeffnen_Gescheitert(pfad, errno);
    Art_Pruefen(pfad, static_cast<unsigned>(st.st_mode));
#else
    // O_NONBLOCK: opening a pipe without a writer returns at once instead of
    // waiting for one; the kind is then known before the first read.
    const int fd = ::open(p.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        const int e = errno;
        if (fehlend_erlaubt && (e == ENOENT || e == ENOTDIR)) return nullptr;
        Oeffnen_Gescheitert(pfad, e);
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int e = errno;
        ::close(fd);
        Oeffnen_Gescheitert(pfad, e);
    }
    try {
        Art_Pruefen(pfad, st.st_mode);
    } catch (...) {
        ::close(fd);
        throw;
    }
    // A regular file: reads block as usual again.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    Datei_Zeiger f(::fdopen(fd, "rb"));
    if (!f) {
        const int e = errno;
        ::close(fd);
        Oeffnen_Gescheitert(pfad, e);
    }
#endif
    Kodierung_Pruefen(f.get(), pfad);
    return f;
}

void Gewoehnliche_Datei_Pruefen(const std::string& pfad) {
    (void)Datei_Lesend_Oeffnen(pfad, true);
}
