#include "shared/datei_sperre.hpp"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>

#include "shared/fehler.hpp"
#include "shared/kern_text.hpp"
#include "shared/zeilen_leser.hpp"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <time.h>
#include <unistd.h>
#endif

namespace {
void Warten_Ms(int ms) {
#ifdef _WIN32
    ::Sleep(static_cast<DWORD>(ms));
#else
    const timespec t{0, ms * 1000000L};
    ::nanosleep(&t, nullptr);
#endif
}

#ifdef _WIN32
// The lock file open; -1 with the reason in `grund`.
std::intptr_t Oeffnen(const std::string& pfad, std::string& grund, bool& nur_lesbar) {
    const HANDLE h = ::CreateFileW(Pfad_Aus_Utf8(pfad).c_str(), GENERIC_READ | GENERIC_WRITE,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                   OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        const DWORD f = ::GetLastError();
        nur_lesbar =
            f == ERROR_ACCESS_DENIED || f == ERROR_WRITE_PROTECT || f == ERROR_PATH_NOT_FOUND;
        grund = "Windows-Fehler " + std::to_string(f);
        return -1;
    }
    return reinterpret_cast<std::intptr_t>(h);
}
bool Versuchen(std::intptr_t g) {
    OVERLAPPED o{};
    return ::LockFileEx(reinterpret_cast<HANDLE>(g),
                        LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &o) != 0;
}
void Freigeben(std::intptr_t g) {
    OVERLAPPED o{};
    ::UnlockFileEx(reinterpret_cast<HANDLE>(g), 0, 1, 0, &o);
    ::CloseHandle(reinterpret_cast<HANDLE>(g));
}
#else
std::intptr_t Oeffnen(const std::string& pfad, std::string& grund, bool& nur_lesbar) {
    const int fd = ::open(pfad.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        nur_lesbar = errno == EACCES || errno == EROFS || errno == EPERM || errno == ENOENT;
        grund = std::strerror(errno);
    }
    return fd;
}
// flock, not fcntl: it belongs to the open file, so it also excludes a second
// opening in the same process, and closing another descriptor never drops it.
bool Versuchen(std::intptr_t g) {
    while (::flock(static_cast<int>(g), LOCK_EX | LOCK_NB) != 0)
        if (errno != EINTR) return false;
    return true;
}
void Freigeben(std::intptr_t g) {
    ::close(static_cast<int>(g)); // releases the lock
}
#endif
} // namespace

Datei_Sperre::Datei_Sperre(const std::string& pfad, bool ohne_ordner_erlaubt, double geduld_s) {
    const std::string sperre = pfad + ".sperre";
    std::string grund;
    bool nur_lesbar = false;
    const std::intptr_t g = Oeffnen(sperre, grund, nur_lesbar);
    if (g == -1) {
        if (ohne_ordner_erlaubt && nur_lesbar) return;
        throw Ein_Ausgabe_Fehler(
            Kt("%1 kann nicht angelegt werden: %2", {Voller_Pfad(sperre), grund}));
    }
    // Polled, not blocking: a hung holder must not freeze the window for ever.
    const auto ende = std::chrono::steady_clock::now() + std::chrono::duration<double>(geduld_s);
    for (int ms = 1; !Versuchen(g); ms = std::min(ms * 2, 5)) {
        if (std::chrono::steady_clock::now() > ende) {
            Freigeben(g);
            throw Ein_Ausgabe_Fehler(
                Kt("%1 ist gesperrt: ein anderes Programm schreibt seit %2 s daran",
                   {Voller_Pfad(pfad), std::to_string(static_cast<int>(geduld_s))}));
        }
        Warten_Ms(ms);
    }
    griff_ = g;
}

Datei_Sperre::~Datei_Sperre() {
    if (griff_ != -1) Freigeben(griff_);
}
