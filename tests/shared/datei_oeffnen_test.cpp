// Opening files for reading: nothing but a regular file is read, and the
// open itself never waits on a pipe.
#include <gtest/gtest.h>

// Named pipes, devices and symbolic links as POSIX has them.
#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "eigener_ordner.hpp"
#include "shared/datei_oeffnen.hpp"
#include "shared/fehler.hpp"
#include "shared/zeilen_leser.hpp"

namespace fs = std::filesystem;

namespace {
std::string Fehler_Von(const std::string& pfad) {
    try {
        Zeilen_Leser leser(pfad);
        std::string_view z;
        leser.Naechste(z);
    } catch (const Ein_Ausgabe_Fehler& f) {
        return f.what();
    }
    return "";
}
} // namespace

// A pipe without a writer (it blocked open() for ever), a link loop and text
// in UTF-16 each name the file; a link to a regular file is read as before.
TEST(DateiOeffnen, NurGewoehnlicheDateien) {
    const fs::path o = Eigener_Temp_Pfad("datei_oeffnen");
    fs::create_directories(o);
    const std::string rohr = (o / "rohr.txt").string();
    ASSERT_EQ(::mkfifo(rohr.c_str(), 0600), 0);
    EXPECT_EQ(Fehler_Von(rohr), rohr + " ist keine gewöhnliche Datei (FIFO)");
    EXPECT_EQ(Fehler_Von("/dev/zero"), "/dev/zero ist keine gewöhnliche Datei (Gerät)");

    const std::string kreis = (o / "kreis.txt").string();
    fs::create_symlink(kreis, kreis);
    EXPECT_NE(Fehler_Von(kreis).find(kreis + ": Verknüpfungen im Kreis"), std::string::npos);
    // A missing file may be allowed, a link loop is never "missing".
    EXPECT_THROW(Datei_Lesend_Oeffnen(kreis, true), Ein_Ausgabe_Fehler);
    EXPECT_EQ(Datei_Lesend_Oeffnen((o / "fehlt.txt").string(), true), nullptr);

    const std::string utf16 = (o / "utf16.txt").string();
    const std::string ohne_bom = (o / "ohne_bom.txt").string();
    std::ofstream(utf16, std::ios::binary) << std::string("\xFF\xFEM\0003\0001\0", 8);
    std::ofstream(ohne_bom, std::ios::binary) << std::string("M\0003\0001\0\r\0\n\0", 10);
    for (const std::string& p : {utf16, ohne_bom})
        EXPECT_EQ(Fehler_Von(p), p + ": UTF-16 – bitte als Windows-1252 oder UTF-8 speichern");

    const std::string echt = (o / "echt.txt").string();
    const std::string link = (o / "link.txt").string();
    std::ofstream(echt, std::ios::binary) << "M31 \xE4\r\n";
    fs::create_symlink(echt, link);
    Zeilen_Leser leser(link);
    std::string_view z;
    ASSERT_TRUE(leser.Naechste(z));
    EXPECT_EQ(z, "M31 \xE4");
    fs::remove_all(o);
}
#endif
