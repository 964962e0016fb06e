// stelux-cli with a named pipe where a catalogue, the parameter file, the
// own objects or the names file should be: exit 2 with a message naming the
// file, at once (a plain open() waited for a writer for ever).
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <filesystem>

#include "eigener_ordner.hpp"

namespace fs = std::filesystem;

TEST(CliDateiArten, RohrStattDateiEndetSofortMitMeldung) {
    struct Fall {
        const char* datei;
        const char* bezeichnung;
    } faelle[] = {
        {"NGC_IC_Messier_Catalogue_Revised.txt", "N7000"},
        {"Stelux_Parameter.txt", "M31"},
        {"Eigene_Objekte.txt", "EMeinStern"},
        {"Bright_Stars_Proper_Names_SAO.txt", "Sirius"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.datei);
        const fs::path o = Eigener_Temp_Pfad("cli_rohr");
        fs::remove_all(o);
        fs::create_directories(o);
        for (const auto& e : fs::directory_iterator(STELUX_TEST_DATEN "/app"))
            if (e.is_regular_file()) fs::copy_file(e.path(), o / e.path().filename());
        fs::remove(o / f.datei);
        ASSERT_EQ(::mkfifo((o / f.datei).c_str(), 0600), 0);
        // The wall limit only keeps a regression from hanging the test run.
        const std::string befehl = "cd '" + o.string() +
                                   "' && timeout 20 '" STELUX_BINAER_ORDNER
                                   "/stelux-cli' --daten '" +
                                   o.string() + "' '" + f.bezeichnung + "' 2>&1 >/dev/null";
        const auto anfang = std::chrono::steady_clock::now();
        FILE* p = popen(befehl.c_str(), "r");
        ASSERT_TRUE(p);
        std::string fehler;
        char puffer[4096];
        while (std::fgets(puffer, sizeof puffer, p)) fehler += puffer;
        const int status = pclose(p);
        const double s =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - anfang).count();
        EXPECT_EQ(WEXITSTATUS(status), 2) << fehler;
        EXPECT_NE(fehler.find((o / f.datei).string() + " ist keine gewöhnliche Datei (FIFO)"),
                  std::string::npos)
            << fehler;
        EXPECT_LT(s, 10.0);
        fs::remove_all(o);
    }
}
