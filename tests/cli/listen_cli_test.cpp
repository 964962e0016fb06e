// stelux-cli --liste, --notieren and --buch-export against the test catalogues.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "buch/beobachtungsbuch.hpp"
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
    // The export guards text cells from spreadsheets ("+41…°"); the log itself stays as it is.
    const Beobachtungsbuch gelesen = Buch_Lesen((daten / "Beobachtungsbuch.csv").string());
    EXPECT_EQ(Lesen(daten / "x.csv"), Buch_Csv_Text(gelesen.Eintraege));
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

// The window's rewrite (the core path it uses) while two stelux-cli processes
// append 1,000 notes: every note is there once, the edited entry too.
TEST(Listen_Cli, ZweiSchreiberUndUmschreibenVerlierenNichts) {
    const fs::path daten = Eigener_Temp_Pfad("buch_gleichzeitig");
    fs::remove_all(daten);
    fs::create_directories(daten);
    ASSERT_EQ(Cli("--notieren 'bearbeitet 0' M31", daten).code, 0);
    const std::string buch = (daten / "Beobachtungsbuch.csv").string();
    constexpr int Je_Prozess = 500;
    pid_t kinder[2];
    for (int k = 0; k < 2; ++k) {
        kinder[k] = fork();
        if (kinder[k] == 0) {
            for (int i = 0; i < Je_Prozess; ++i)
                if (Cli("--notieren 'n" + std::to_string(k) + "_" + std::to_string(i) + "' M31",
                        daten)
                        .code != 0)
                    _exit(1);
            _exit(0);
        }
    }
    int umschreibungen = 0, offen = 2;
    while (offen > 0) {
        Buch_Aendern(buch, [&](Beobachtungsbuch& b) {
            b.Eintraege.at(0).Notiz = "bearbeitet " + std::to_string(++umschreibungen);
        });
        usleep(5000); // an observer's pace, not a wait: the appenders get their turns
        for (pid_t& kind : kinder) {
            int status = 0;
            if (kind > 0 && waitpid(kind, &status, WNOHANG) == kind) {
                EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
                kind = 0;
                --offen;
            }
        }
    }
    const Beobachtungsbuch b = Buch_Lesen(buch);
    EXPECT_TRUE(b.Hinweise.empty());
    ASSERT_EQ(b.Eintraege.size(), 1u + 2 * Je_Prozess);
    EXPECT_EQ(b.Eintraege[0].Notiz, "bearbeitet " + std::to_string(umschreibungen));
    std::set<std::string> notizen;
    for (const Buch_Eintrag& e : b.Eintraege) notizen.insert(e.Notiz);
    EXPECT_EQ(notizen.size(), b.Eintraege.size());
    EXPECT_EQ(notizen.count("n0_" + std::to_string(Je_Prozess - 1)), 1u);
    EXPECT_GT(umschreibungen, 1);
    fs::remove_all(daten);
}

// A write beyond `ulimit -f` is an error with its reason, not a killed process,
// and the log stays as it was.
TEST(Listen_Cli, DateigroessenGrenzeIstEinFehler) {
    const fs::path daten = Eigener_Temp_Pfad("buch_ulimit");
    fs::remove_all(daten);
    fs::create_directories(daten);
    ASSERT_EQ(Cli("--notieren 'erste' M31", daten).code, 0);
    const std::string vorher = Lesen(daten / "Beobachtungsbuch.csv");
    ASSERT_LT(vorher.size(), 512u); // the next line crosses the limit of one 512-byte block
    const std::string befehl =
        "cd '" STELUX_TEST_DATEN "/catalog' && ulimit -f 1 && XDG_CONFIG_HOME='" + daten.string() +
        "' TZ=UTC '" STELUX_BINAER_ORDNER "/stelux-cli' --zeit 2025-11-21T19:12:00 --daten '" +
        daten.string() + "' --notieren '" + std::string(400, 'x') + "' M31 2>&1";
    FILE* p = popen(befehl.c_str(), "r");
    ASSERT_NE(p, nullptr);
    std::string aus;
    char puffer[4096];
    while (std::fgets(puffer, sizeof puffer, p)) aus += puffer;
    const int status = pclose(p);
    ASSERT_TRUE(WIFEXITED(status)) << "Signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 2);
    EXPECT_NE(aus.find("Beobachtungsbuch.csv kann nicht geschrieben werden: "), std::string::npos)
        << aus;
    EXPECT_EQ(Lesen(daten / "Beobachtungsbuch.csv"), vorher);
    fs::remove_all(daten);
}
