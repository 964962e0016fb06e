// The Qt-free zone state and documents folder agree with the Qt ones the
// window uses, zone by zone and setup by setup.
#include <gtest/gtest.h>

#include <QStandardPaths>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>

#include "app/plattform.hpp"
#include "eigener_ordner.hpp"
#include "time/uhr_tick.hpp"

namespace {

// Sets an environment variable for one scope (unset when `wert` is null).
class Umgebung_Setzen {
public:
    Umgebung_Setzen(const char* name, const char* wert) : name_(name) {
        if (const char* alt = std::getenv(name)) alt_ = alt, gesetzt_ = true;
        wert ? setenv(name, wert, 1) : unsetenv(name);
        tzset();
    }
    ~Umgebung_Setzen() {
        gesetzt_ ? setenv(name_, alt_.c_str(), 1) : unsetenv(name_);
        tzset();
    }

private:
    const char* name_;
    std::string alt_;
    bool gesetzt_ = false;
};

} // namespace

TEST(Plattform_Basis, ZoneWieQt) {
    const char* zonen[] = {"Europe/Berlin",    "Europe/London",     "UTC",
                           "America/New_York", "Asia/Kolkata",      "Australia/Sydney",
                           "Pacific/Chatham",  "America/Sao_Paulo", "Asia/Tehran",
                           "Europe/Dublin",    "Keine/Zone"};
    // Mid-winter, mid-summer, either side of Europe's spring change, and an
    // instant before 1970.
    const std::int64_t zeitpunkte[] = {1705320000, 1721044800, 1711846740,
                                       1711846860, 1792000000, -100000000};
    for (const char* name : zonen) {
        Umgebung_Setzen tz("TZ", name);
        for (std::int64_t t : zeitpunkte) {
            SCOPED_TRACE(std::string(name) + " " + std::to_string(t));
            const Zeitzone_Info qt =
                Zeitzone_Von(QTimeZone(name), QDateTime::fromSecsSinceEpoch(t, QTimeZone::utc()));
            const Zeitzone_Info c = Zeitzone_Um(t);
            EXPECT_EQ(c.Zustand, qt.Zustand);
            EXPECT_EQ(Zeitzone_Versatz_Minuten(c), Zeitzone_Versatz_Minuten(qt));
            if (qt.Zustand >= 0) {
                EXPECT_EQ(c.Bias, qt.Bias);
                EXPECT_EQ(c.DaylightBias, qt.DaylightBias);
            }
        }
    }
}

// TZ may name the zone file by its path; that is the zone, not an unknown one.
TEST(Plattform_Basis, ZoneAlsDateipfad) {
    Umgebung_Setzen tz("TZ", "/usr/share/zoneinfo/Europe/Berlin");
    for (std::int64_t t : {1705320000, 1721044800}) {
        const Zeitzone_Info qt = Zeitzone_Von(QTimeZone("Europe/Berlin"),
                                              QDateTime::fromSecsSinceEpoch(t, QTimeZone::utc()));
        const Zeitzone_Info c = Zeitzone_Um(t);
        EXPECT_EQ(c.Zustand, qt.Zustand);
        EXPECT_EQ(Zeitzone_Versatz_Minuten(c), Zeitzone_Versatz_Minuten(qt));
    }
}

TEST(Plattform_Basis, DokumenteWieQt) {
    const std::string heim = Eigener_Temp_Pfad("plattform_basis").string();
    const std::string konfig = heim + "/.config";
    std::filesystem::create_directories(konfig);
    const std::string anderer = heim + "/anders";
    std::filesystem::create_directories(anderer + "/.config");
    struct Fall {
        const char* user_dirs; // null: no file
        bool eigener_konfig_ordner;
    } faelle[] = {
        {nullptr, false},
        {"XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n", false},
        {"# "
         "comment\nXDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\r\nXDG_DOCUMENTS_DIR=\"/daten/dok/\"\r\n",
         false},
        {"XDG_DOCUMENTS_DIR=\"$HOME/a\"\nXDG_DOCUMENTS_DIR=$HOME/b\n", false},
        {"XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n", true},
        {"XDG_MUSIC_DIR=\"$HOME/Musik\"\n", false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.user_dirs ? f.user_dirs : "(keine Datei)");
        const std::string ordner = f.eigener_konfig_ordner ? anderer + "/.config" : konfig;
        std::filesystem::remove(ordner + "/user-dirs.dirs");
        if (f.user_dirs) std::ofstream(ordner + "/user-dirs.dirs") << f.user_dirs;
        Umgebung_Setzen h("HOME", heim.c_str());
        Umgebung_Setzen x("XDG_CONFIG_HOME", f.eigener_konfig_ordner ? ordner.c_str() : nullptr);
        EXPECT_EQ(
            Dokumente_Ordner_Ermitteln(),
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString());
        std::filesystem::remove(ordner + "/user-dirs.dirs");
    }
    std::filesystem::remove_all(heim);
}
