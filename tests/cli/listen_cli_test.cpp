// stelux-cli --liste, --notieren and --buch-export against the test catalogues.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "eigener_ordner.hpp"

namespace fs = std::filesystem;

namespace {
struct Ergebnis {
    int code = -1;
    std::string aus;
};

Ergebnis Cli(const std::string& argumente, const fs::path& daten) {
    const std::string befehl =
        "cd '" STELUX_TEST_DATEN "/catalog' && XDG_CONFIG_HOME='" + daten.string() +
        "' TZ=UTC '" STELUX_BINAER_ORDNER "/stelux-cli' --zeit 2025-11-21T19:12:00 --daten '" +
        daten.string() + "' " + argumente + " 2>/dev/null";
    Ergebnis e;
    FILE* p = popen(befehl.c_str(), "r");
    if (!p) return e;
    char puffer[4096];
    while (std::fgets(puffer, sizeof puffer, p)) e.aus += puffer;
    const int status = pclose(p);
    e.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return e;
}

std::string Lesen(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}
} // namespace

TEST(Listen_Cli, ListeNotierenExport) {
    const fs::path daten = Eigener_Temp_Pfad("listen_cli");
    fs::remove_all(daten);
    fs::create_directories(daten);

    const Ergebnis l = Cli("--liste '" STELUX_TEST_DATEN "/listen/liste.csv'", daten);
    EXPECT_EQ(l.code, 0); // read, although X123 is not found
    std::istringstream zeilen(l.aus);
    std::string erste, z, letzte;
    std::getline(zeilen, erste);
    while (std::getline(zeilen, z)) letzte = z;
    EXPECT_EQ(std::count(erste.begin(), erste.end(), '\t'), 4) << erste;
    EXPECT_EQ(erste.substr(0, 11), "N7000\tN7000");
    EXPECT_EQ(letzte, "X123\t\tNicht gefunden\t\t");
    EXPECT_EQ(Cli("--liste /gibt/es/nicht.txt", daten).code, 2);

    // Not found: exit 1 and nothing written.
    EXPECT_EQ(Cli("--notieren 'nichts' X123", daten).code, 1);
    EXPECT_FALSE(fs::exists(daten / "Beobachtungsbuch.csv"));
    EXPECT_EQ(Cli("--notieren 'Staubband; gut' M31", daten).code, 0);
    const std::string buch = Lesen(daten / "Beobachtungsbuch.csv");
    EXPECT_NE(buch.find("2025-11-21T19:12:00Z;"), std::string::npos) << buch;
    EXPECT_NE(buch.find(";\"Staubband; gut\"\r\n"), std::string::npos) << buch;

    EXPECT_EQ(Cli("--buch-export '" + (daten / "x.csv").string() + "'", daten).code, 0);
    EXPECT_EQ(Lesen(daten / "x.csv"), buch);
    EXPECT_EQ(Cli("--buch-export '" + (daten / "x.txt").string() + "'", daten).code, 2);

    // OAL: refused until the observer and focal lengths are known, then valid.
    const std::string xml = (daten / "x.xml").string();
    EXPECT_EQ(Cli("--buch-export '" + xml + "'", daten).code, 2);
    fs::create_directories(daten / "Stelux");
    std::ofstream(daten / "Stelux" / "stelux.ini")
        << "[Beobachter]\nVorname=Erika\nNachname=M\xC3\xBCller\nBrennweite_40=800\n"
           "Brennweite_60=7200\n";
    EXPECT_EQ(Cli("--buch-export '" + xml + "'", daten).code, 0);
    if (std::system("command -v xmllint >/dev/null 2>&1") == 0) {
        EXPECT_EQ(
            std::system(("xmllint --noout --schema '" STELUX_TEST_DATEN "/oal21/oal21.xsd' '" +
                         xml + "' 2>/dev/null")
                            .c_str()),
            0);
    }
    fs::remove_all(daten);
}
