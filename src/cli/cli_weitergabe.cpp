#include "cli/cli_weitergabe.hpp"

#include <cerrno>
#include <cstring>
#include <exception>
#include <filesystem>
#include <unistd.h>

#include "cli/argumente.hpp"

bool Braucht_Voll(const std::vector<std::string>& argumente) {
    try {
        const Cli_Argumente arg = Argumente_Lesen(argumente);
        return !arg.Hilfe && (arg.Aktualisieren || !arg.Karte.empty());
    } catch (const std::exception&) {
        return false; // the lookup reports the error itself
    }
}

int Voll_Ausfuehren(char** argv, std::ostream& fehler) {
    std::error_code f;
    const std::filesystem::path selbst = std::filesystem::read_symlink("/proc/self/exe", f);
    const std::string pfad =
        (f ? std::filesystem::path(argv[0]).parent_path() : selbst.parent_path()) / Cli_Voll_Name;
    execv(pfad.c_str(), argv);
    fehler << "stelux-cli: " << pfad << " kann nicht gestartet werden (" << std::strerror(errno)
           << "); --karte und --aktualisieren brauchen es\n";
    return 2;
}
