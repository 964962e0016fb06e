// Every test process gets a home, configuration, data, cache and runtime
// folder and a temporary folder of its own, made before main and removed at
// its end: ctest runs the cases side by side, and none may see the user's
// settings, log or another case's files. Programs a test starts inherit them.
// STELUX_KATALOG, given as an absolute path, still names the built catalogues.
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <system_error>

namespace {

class Eigene_Umgebung {
public:
    Eigene_Umgebung() {
        const char* tmp = std::getenv("TMPDIR");
        std::string muster = std::string(tmp && *tmp ? tmp : "/tmp") + "/stelux_test_XXXXXX";
        if (!mkdtemp(muster.data())) return;
        ordner_ = muster;
        const auto setzen = [&](const char* name, const std::string& unter) {
            const std::string pfad = ordner_ + unter;
            ::mkdir(pfad.c_str(), 0700);
            ::setenv(name, pfad.c_str(), 1);
        };
        setzen("HOME", "/heim");
        setzen("XDG_CONFIG_HOME", "/heim/config");
        setzen("XDG_DATA_HOME", "/heim/daten");
        setzen("XDG_CACHE_HOME", "/heim/cache");
        setzen("XDG_STATE_HOME", "/heim/zustand");
        setzen("XDG_RUNTIME_DIR", "/laufzeit");
        setzen("TMPDIR", "/tmp");
    }
    ~Eigene_Umgebung() {
        if (ordner_.empty()) return;
        std::error_code f;
        std::filesystem::remove_all(ordner_, f);
    }
    Eigene_Umgebung(const Eigene_Umgebung&) = delete;
    Eigene_Umgebung& operator=(const Eigene_Umgebung&) = delete;

private:
    std::string ordner_;
};

const Eigene_Umgebung umgebung;

} // namespace
