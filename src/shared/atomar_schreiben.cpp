#include "shared/atomar_schreiben.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "shared/fehler.hpp"
#include "shared/zeilen_leser.hpp"

void Datei_Atomar_Schreiben(const std::string& pfad, const std::string& inhalt) {
    const std::filesystem::path ziel = Pfad_Aus_Utf8(pfad);
    std::filesystem::path neu = ziel;
    neu += ".neu";
    auto fehler = [&](const std::string& grund) {
        std::error_code f;
        std::filesystem::remove(neu, f);
        return Ein_Ausgabe_Fehler(Voller_Pfad(pfad) + " kann nicht geschrieben werden: " + grund);
    };
#ifdef _WIN32
    std::FILE* d = _wfopen(neu.c_str(), L"wb");
#else
    std::FILE* d = std::fopen(neu.c_str(), "wb");
#endif
    if (!d) throw fehler(std::strerror(errno));
    const bool geschrieben =
        std::fwrite(inhalt.data(), 1, inhalt.size(), d) == inhalt.size() && std::fflush(d) == 0;
#ifdef _WIN32
    const bool gesichert = geschrieben && _commit(_fileno(d)) == 0;
#else
    const bool gesichert = geschrieben && ::fsync(fileno(d)) == 0;
#endif
    const int nummer = errno;
    if (std::fclose(d) != 0 || !gesichert) throw fehler(std::strerror(gesichert ? errno : nummer));
    std::error_code f;
    std::filesystem::rename(neu, ziel, f);
    if (f) throw fehler(f.message());
}
