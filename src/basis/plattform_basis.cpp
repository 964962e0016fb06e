#include "basis/plattform_basis.hpp"

#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <sstream>

#ifdef _WIN32
#include "basis/plattform_windows.hpp"
#endif

#include "shared/datei_oeffnen.hpp"

namespace {

constexpr double JD_Unix_Epoche = 2440587.5; // 1970-01-01 00:00 UT

std::string Umgebung(const char* name) {
    const char* wert = std::getenv(name);
    return wert ? wert : "";
}

// $HOME with repeated and trailing '/' removed ("/" when unset).
std::string Heim_Ordner() {
    std::string heim = Umgebung("HOME");
    if (heim.empty()) return "/";
    std::string sauber;
    for (char c : heim)
        if (c != '/' || sauber.empty() || sauber.back() != '/') sauber += c;
    if (sauber.size() > 1 && sauber.back() == '/') sauber.pop_back();
    return sauber;
}

#ifndef _WIN32
struct Ortszeit {
    long versatz = 0; // seconds east of UT
    bool sommer = false;
};

Ortszeit Ortszeit_Um(std::time_t t) {
    std::tm tm{};
    if (!localtime_r(&t, &tm)) return {};
    return {tm.tm_gmtoff, tm.tm_isdst > 0};
}

// A TZ the C library silently reads as UT although it names no zone: an
// area/place name without a zone file.
bool Zone_Unbekannt() {
    std::string tz = Umgebung("TZ");
    if (!tz.empty() && tz.front() == ':') tz.erase(0, 1);
    if (tz.empty() || tz.front() == '/' || tz.find('/') == std::string::npos) return false;
    std::string ordner = Umgebung("TZDIR");
    if (ordner.empty()) ordner = "/usr/share/zoneinfo";
    std::error_code fehler;
    return !std::filesystem::is_regular_file(ordner + "/" + tz, fehler);
}
#endif

} // namespace

Zeitzone_Info Zeitzone_Um(std::int64_t unix_sekunden) {
    Zeitzone_Info z;
#ifdef _WIN32
    (void)unix_sekunden;
    return Zeitzone_Windows();
#else
    if (Zone_Unbekannt()) return z;
    tzset();
    constexpr long Tag = 86400;
    const auto t = static_cast<std::time_t>(unix_sekunden);
    const Ortszeit jetzt = Ortszeit_Um(t);
    long standard = jetzt.versatz, schritt = 0;
    bool immer_ut = jetzt.versatz == 0 && !jetzt.sommer;
    if (jetzt.sommer) {
        // The standard offset of the nearest day in standard time.
        for (long d = 1; d <= 366; ++d) {
            const Ortszeit frueher = Ortszeit_Um(t - d * Tag), spaeter = Ortszeit_Um(t + d * Tag);
            if (!frueher.sommer || !spaeter.sommer) {
                standard = !frueher.sommer ? frueher.versatz : spaeter.versatz;
                break;
            }
        }
        schritt = jetzt.versatz - standard;
    } else if (daylight || immer_ut) {
        // The first daylight-saving day from a year back, and whether the
        // zone leaves UT at all.
        for (long d = -366; d <= 366; ++d) {
            const Ortszeit o = Ortszeit_Um(t + d * Tag);
            if (o.versatz != 0) immer_ut = false;
            if (o.sommer && schritt == 0) schritt = o.versatz - jetzt.versatz;
            if (!immer_ut && schritt != 0) break;
        }
    }
    z.Bias = static_cast<std::int32_t>(-standard / 60);
    z.DaylightBias = static_cast<std::int32_t>(-schritt / 60);
    z.Zustand = immer_ut ? 0 : (jetzt.sommer ? 2 : 1);
    return z;
#endif
}

Zeitzone_Info Zeitzone_Zum_JD(double jd_ut) {
    const auto ms = std::llround((jd_ut - JD_Unix_Epoche) * 86400000.0);
    return Zeitzone_Um(ms >= 0 ? ms / 1000 : -((999 - ms) / 1000)); // whole seconds, down
}

double Jetzt_JD_UT() {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::system_clock::now().time_since_epoch())
                        .count();
    return JD_Unix_Epoche + static_cast<double>(ms) / 86400000.0;
}

std::string Dokumente_Ordner_Ermitteln() {
    const std::string heim = Heim_Ordner();
    std::string konfig = Umgebung("XDG_CONFIG_HOME");
    if (konfig.empty()) konfig = heim + "/.config";
    // Read from the one checked opening; not a regular file (a pipe would hang
    // the start): as if it were missing. A few hundred bytes; 64 KiB is plenty.
    std::string text;
    try {
        if (const Datei_Zeiger f = Datei_Lesend_Oeffnen(konfig + "/user-dirs.dirs", true)) {
            text.resize(64 * 1024);
            text.resize(std::fread(text.data(), 1, text.size(), f.get()));
        }
    } catch (const std::exception&) {
    }
    std::istringstream datei(text);
    std::string ergebnis, zeile;
    bool gefunden = false;
    // Lines like XDG_DOCUMENTS_DIR="$HOME/Dokumente".
    const std::string schluessel = "XDG_DOCUMENTS_DIR=";
    while (std::getline(datei, zeile)) {
        if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
        if (zeile.compare(0, schluessel.size(), schluessel) != 0) continue;
        std::string wert = zeile.substr(schluessel.size());
        if (wert.size() > 2 && wert.front() == '"' && wert.back() == '"')
            wert = wert.substr(1, wert.size() - 2);
        ergebnis = wert.compare(0, 5, "$HOME") == 0 ? heim + wert.substr(5) : wert;
        if (ergebnis.size() > 1 && ergebnis.back() == '/') ergebnis.pop_back();
        gefunden = true;
    }
    if (gefunden) return ergebnis;
    return heim + "/Documents";
}

std::string Daten_Ordner_Aus(const std::string& dokumente) {
    std::string d = dokumente;
    if (d.empty() || d.back() != '/') d += '/';
    return d + "Stelux/";
}

std::string Daten_Ordner_Ermitteln() {
#ifdef _WIN32
    if (const std::string dok = Dokumente_Ordner_Windows(); !dok.empty())
        return Daten_Ordner_Aus(dok);
    const std::string heim = Umgebung("USERPROFILE");
    return heim.empty() ? std::string() : Daten_Ordner_Aus(heim);
#else
    const std::string dok = Dokumente_Ordner_Ermitteln();
    return Daten_Ordner_Aus(dok.empty() ? Heim_Ordner() : dok); // no documents folder: home
#endif
}

void Dateigroesse_Signal_Ignorieren() {
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}
