// Lookup speed on a catalogue of Hipparcos size, side by side with grep on
// the same files. Every lookup reads its files afresh, as in the program.
//   bench_lookup [--benchmark_...]
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "catalog/objekt_suche.hpp"

namespace fs = std::filesystem;

namespace {
constexpr int Anzahl_HIP = 120000;

// One line in the Hipparcos layout (78 columns), CR LF.
std::string HIP_Zeile(int n) {
    char z[128];
    const int ra_s = n % 60, de_m = (n / 7) % 60;
    std::snprintf(z, sizeof z, "%6d%02d%02d%06.3f%c%02d%02d%05.2f%6.3f%7.3f%6d%-10s%-11s%-12s\r\n",
                  n, 10 + (n / 5000) % 14, 1 + (n / 83) % 59, ra_s + 0.123, n % 2 ? '-' : '+',
                  1 + n % 88, de_m, 12.34, 8.0 + (n % 500) / 100.0, 0.5, 200000 + n % 99999, "", "",
                  "K0III");
    return z;
}

std::string Helle_Sterne_Zeile(int n) {
    char z[160];
    std::snprintf(z, sizeof z,
                  "%02d %02d %06.3f%9s%c%02d %02d %05.2f%20s%6.2f %-2s%26s%-20s %-20s\r\n", n % 24,
                  n % 60, 12.5, "", '+', n % 89, n % 60, 1.5, "", 2.5, "A0", "",
                  ("Stern" + std::to_string(n)).c_str(), "");
    return z;
}

std::string Flamsteed_Zeile(int n) {
    char z[128];
    std::snprintf(z, sizeof z, "%38s%02d %02d %05.2f %c%02d %02d %04.1f%6.2f  %-10s %-10s\r\n", "",
                  n % 24, n % 60, 10.5, '-', n % 89, n % 60, 5.5, 4.5,
                  ("f" + std::to_string(n) + " Xyz").c_str(), "");
    return z;
}

struct Dateien {
    fs::path ordner;
    Dateien() {
        ordner = fs::temp_directory_path() / "stelux_lookup_bench";
        fs::create_directories(ordner);
        std::ofstream hip(ordner / "Hipparcos_J2000.txt", std::ios::binary);
        for (int n = 1; n <= Anzahl_HIP; ++n) hip << HIP_Zeile(n);
        std::ofstream hell(ordner / "Bright_Stars_Proper_Names_SAO.txt", std::ios::binary);
        for (int n = 1; n <= 400; ++n) hell << Helle_Sterne_Zeile(n);
        std::ofstream flam(ordner / "Flamsteed_Bayer_HD_CrossReference.txt", std::ios::binary);
        for (int n = 1; n <= 3500; ++n) flam << Flamsteed_Zeile(n);
    }
    ~Dateien() { fs::remove_all(ordner); }
    std::string Pfad(const char* name) const { return (ordner / name).string(); }
};

const Dateien& Testdateien() {
    static const Dateien d;
    return d;
}

Such_Kontext Kontext() {
    Such_Kontext k;
    k.Katalog_Ordner = Testdateien().ordner.string();
    k.Daten_Ordner = k.Katalog_Ordner;
    k.JD_UT = 2461001.0;
    return k;
}

void Lookup(benchmark::State& state, const char* text, bool erwartet) {
    const Such_Kontext k = Kontext();
    Objekt_Type o;
    for (auto _ : state) {
        const bool gefunden = Objekt_Suchen(text, k, o);
        if (gefunden != erwartet) throw std::runtime_error(std::string("lookup of ") + text);
        benchmark::DoNotOptimize(o);
    }
}

void Grep(benchmark::State& state, const std::string& muster, const std::string& dateien) {
    const std::string befehl = "grep -F -m1 -e '" + muster + "' " + dateien + " > /dev/null";
    for (auto _ : state) benchmark::DoNotOptimize(std::system(befehl.c_str()));
}

// The last line of the Hipparcos file.
void BM_Lookup_LetzteZeile(benchmark::State& s) {
    Lookup(s, "H120000", true);
}
void BM_Grep_LetzteZeile(benchmark::State& s) {
    // "120000" first occurs in the last line's number columns (checked in main).
    Grep(s, "120000", Testdateien().Pfad("Hipparcos_J2000.txt"));
}

// A designation found nowhere: the whole Hipparcos file, then both fallbacks.
void BM_Lookup_Fehlt(benchmark::State& s) {
    Lookup(s, "H999999", false);
}
void BM_Grep_Fehlt(benchmark::State& s) {
    const auto& d = Testdateien();
    Grep(s, "H999999",
         d.Pfad("Hipparcos_J2000.txt") + " " + d.Pfad("Bright_Stars_Proper_Names_SAO.txt") + " " +
             d.Pfad("Flamsteed_Bayer_HD_CrossReference.txt"));
}

// grep's start-up alone (shell and process), for reading the figures above.
void BM_Grep_Leer(benchmark::State& s) {
    Grep(s, "x", "/dev/null");
}
} // namespace

BENCHMARK(BM_Lookup_LetzteZeile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Grep_LetzteZeile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Lookup_Fehlt)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Grep_Fehlt)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Grep_Leer)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    // grep must stop at the same line the lookup stops at.
    const std::string pruefung = "grep -n -F -m1 -e 120000 " +
                                 Testdateien().Pfad("Hipparcos_J2000.txt") +
                                 " | cut -d: -f1 | grep -qx " + std::to_string(Anzahl_HIP);
    if (std::system(pruefung.c_str()) != 0) {
        std::fprintf(stderr, "grep pattern does not first match the last line\n");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
