#include "shared/datei_schreiben.hpp"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "shared/fehler.hpp"
#include "shared/kern_text.hpp"
#include "shared/zeilen_leser.hpp"

#ifdef _WIN32
#include <io.h>
#define STELUX_WRITE ::_write
#define STELUX_CLOSE ::_close
#define STELUX_SYNC ::_commit
#else
#include <unistd.h>
#define STELUX_WRITE ::write
#define STELUX_CLOSE ::close
#define STELUX_SYNC ::fsync
#endif

namespace {
// Opens for writing; the path is UTF-8 (on Windows through the wide call,
// which sees umlauts).
int Oeffnen(const std::string& pfad, int art) {
#ifdef _WIN32
    return ::_wopen(Pfad_Aus_Utf8(pfad).c_str(), art | O_BINARY, _S_IREAD | _S_IWRITE);
#else
    return ::open(pfad.c_str(), art | O_CLOEXEC, 0644);
#endif
}

Ein_Ausgabe_Fehler Schreib_Fehler(const std::string& pfad, int nummer) {
    return Ein_Ausgabe_Fehler(
        Kt("%1 kann nicht geschrieben werden: %2", {Voller_Pfad(pfad), std::strerror(nummer)}));
}

// Writes all of `text` to `fd` and syncs; the error number, 0 on success.
int Alles_Schreiben(int fd, std::string_view text) {
    while (!text.empty()) {
        const auto n = STELUX_WRITE(
            fd, text.data(), static_cast<unsigned>(std::min<std::size_t>(text.size(), 1 << 20)));
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (n == 0) return EIO;
        text.remove_prefix(static_cast<std::size_t>(n));
    }
    return STELUX_SYNC(fd) == 0 ? 0 : errno;
}
} // namespace

void Datei_Atomar_Schreiben(const std::string& pfad, std::string_view text) {
    const std::string neu = pfad + ".neu";
    const int fd = Oeffnen(neu, O_WRONLY | O_CREAT | O_TRUNC);
    if (fd < 0) throw Schreib_Fehler(pfad, errno);
    const int fehler = Alles_Schreiben(fd, text);
    STELUX_CLOSE(fd);
    std::error_code f;
    if (fehler != 0) {
        std::filesystem::remove(Pfad_Aus_Utf8(neu), f);
        throw Schreib_Fehler(pfad, fehler);
    }
    std::filesystem::rename(Pfad_Aus_Utf8(neu), Pfad_Aus_Utf8(pfad), f);
    if (f) {
        std::error_code g;
        std::filesystem::remove(Pfad_Aus_Utf8(neu), g);
        throw Ein_Ausgabe_Fehler(
            Kt("%1 kann nicht ersetzt werden: %2", {Voller_Pfad(pfad), f.message()}));
    }
}

void Datei_Anhaengen(const std::string& pfad, std::string_view text) {
    const int fd = Oeffnen(pfad, O_WRONLY | O_CREAT | O_APPEND);
    if (fd < 0) throw Schreib_Fehler(pfad, errno);
        // A write that stops halfway (disk full, the file size limit) is undone,
        // so no half line is left behind.
#ifdef _WIN32
    const long long vorher = ::_lseeki64(fd, 0, SEEK_END);
#else
    const off_t vorher = ::lseek(fd, 0, SEEK_END);
#endif
    const int fehler = Alles_Schreiben(fd, text);
    if (fehler != 0 && vorher >= 0) {
#ifdef _WIN32
        (void)::_chsize_s(fd, vorher);
#else
        (void)!::ftruncate(fd, vorher);
#endif
    }
    STELUX_CLOSE(fd);
    if (fehler != 0) throw Schreib_Fehler(pfad, fehler);
}
