// Writing the user's files: a replacement that fails part-way (a full disk)
// leaves the old file whole and no temporary file behind.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "eigener_ordner.hpp"
#include "shared/datei_schreiben.hpp"
#include "shared/fehler.hpp"

namespace fs = std::filesystem;

TEST(Datei_Schreiben, VollePlatteLaesstDieAlteDatei) {
    const fs::path ordner = Eigener_Temp_Pfad("schreiben");
    fs::create_directories(ordner);
    const std::string pfad = (ordner / "Beobachtungsbuch.csv").string();
    Datei_Atomar_Schreiben(pfad, "alt\r\n");
    {
        // Every byte past the first 4 KiB of a file is refused, as on a full disk.
        rlimit vorher{};
        getrlimit(RLIMIT_FSIZE, &vorher);
        rlimit grenze = vorher;
        grenze.rlim_cur = 4096;
        auto* signal_vorher = signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &grenze);
        EXPECT_THROW(Datei_Atomar_Schreiben(pfad, std::string(100000, 'x')), Ein_Ausgabe_Fehler);
        EXPECT_THROW(Datei_Anhaengen(pfad, std::string(100000, 'x')), Ein_Ausgabe_Fehler);
        setrlimit(RLIMIT_FSIZE, &vorher);
        signal(SIGXFSZ, signal_vorher);
    }
    std::ifstream f(pfad, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    EXPECT_EQ(s.str().substr(0, 5), "alt\r\n");
    EXPECT_FALSE(fs::exists(pfad + ".neu"));
    fs::remove_all(ordner);
}
#endif
