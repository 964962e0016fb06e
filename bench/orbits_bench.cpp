// Start-up evaluation of the element tables: every line cut into its fields and
// the body's place and magnitude computed once, per body.
//
// The element files are taken from the folder in STELUX_BENCH_DATEN
// (Asteroiden.txt, Kometen.txt; bench/orbits_vergleich.py writes them from the
// KStars element data); without it, 6000 made-up bodies of each kind are used.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "orbits/element_tabellen.hpp"
#include "shared/zeilen_leser.hpp"

namespace {
constexpr double Jetzt = 2461041.5; // 2026-01-01 0h UT

std::string Spalten_Setzen(std::string z, int von, const char* format, double x) {
    char puffer[64];
    const int n = std::snprintf(puffer, sizeof puffer, format, x);
    if (z.size() < static_cast<std::size_t>(von - 1 + n)) z.resize(von - 1 + n, ' ');
    z.replace(von - 1, n, puffer);
    return z;
}

// Made-up main-belt and comet orbits, spread in every element.
void Erfinden(Asteroiden_Tabelle& a, std::int32_t& na, Kometen_Tabelle& k, std::int32_t& nk) {
    a.assign(Tabellen_Kapazitaet + 1, {});
    k.assign(Tabellen_Kapazitaet + 1, {});
    for (int i = 1; i <= Tabellen_Kapazitaet; ++i) {
        const double f = std::fmod(i * 0.6180339887, 1.0);
        const double ax = 1.8 + 3.5 * f;
        std::string z = "  " + std::to_string(10000 + i) + " ";
        z = Spalten_Setzen(z, 9, "%5.2f", 8 + 6 * f);
        z = Spalten_Setzen(z, 15, "%5.2f", 0.15);
        z.resize(20, ' ');
        z += "K2289";
        z = Spalten_Setzen(z, 27, "%9.5f", std::fmod(i * 77.7, 360.0));
        z = Spalten_Setzen(z, 38, "%9.5f", std::fmod(i * 13.1, 360.0));
        z = Spalten_Setzen(z, 49, "%9.5f", std::fmod(i * 29.3, 360.0));
        z = Spalten_Setzen(z, 60, "%9.5f", 30 * f);
        z = Spalten_Setzen(z, 71, "%9.7f", 0.4 * std::fmod(i * 0.414, 1.0));
        z = Spalten_Setzen(z, 81, "%11.8f", 0.9856076686 / std::pow(ax, 1.5));
        z = Spalten_Setzen(z, 93, "%11.7f", ax);
        z.resize(166, ' ');
        z += "(" + std::to_string(10000 + i) + ") Erfunden";
        a[i].Zeile = z;
        a[i].Nummer = i;

        std::string c = "    C         2026 ";
        c = Spalten_Setzen(c, 20, "%02.0f", 1 + std::fmod(i, 12.0));
        c = Spalten_Setzen(c, 23, "%7.4f", 1 + 27 * f);
        c = Spalten_Setzen(c, 31, "%9.6f", 0.3 + 5 * f);
        c = Spalten_Setzen(c, 42, "%8.6f", 0.5 + 0.6 * std::fmod(i * 0.414, 1.0));
        c = Spalten_Setzen(c, 52, "%8.4f", std::fmod(i * 13.1, 360.0));
        c = Spalten_Setzen(c, 62, "%8.4f", std::fmod(i * 29.3, 360.0));
        c = Spalten_Setzen(c, 72, "%8.4f", 180 * f);
        c = Spalten_Setzen(c, 92, "%4.1f", 10 + 5 * f);
        c = Spalten_Setzen(c, 97, "%4.1f", 4.0);
        c.resize(102, ' ');
        c += "C/2026 X" + std::to_string(i);
        k[i].Zeile = c;
        k[i].Nummer = i;
    }
    na = nk = Tabellen_Kapazitaet;
}

struct Tabellen {
    Asteroiden_Tabelle a;
    Kometen_Tabelle k;
    std::int32_t na = 0, nk = 0;
    Tabellen() {
        if (const char* ordner = std::getenv("STELUX_BENCH_DATEN")) {
            Asteroiden_Zeilen_Laden(Pfad_In(ordner, "Asteroiden.txt"), a, na);
            Kometen_Zeilen_Laden(Pfad_In(ordner, "Kometen.txt"), k, nk);
        } else {
            Erfinden(a, na, k, nk);
        }
    }
};

Tabellen& Daten() {
    static Tabellen t;
    return t;
}

void Asteroiden(benchmark::State& state) {
    Tabellen& t = Daten();
    for (auto _ : state) {
        Asteroiden_Auswerten(t.a, t.na, Jetzt);
        benchmark::DoNotOptimize(t.a[1].Helligkeit);
    }
    state.SetItemsProcessed(state.iterations() * t.na);
    state.counters["Koerper"] = t.na;
    state.counters["us_pro_Koerper"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * t.na * 1e-6,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void Kometen(benchmark::State& state) {
    Tabellen& t = Daten();
    for (auto _ : state) {
        Kometen_Auswerten(t.k, t.nk, Jetzt);
        benchmark::DoNotOptimize(t.k[1].Helligkeit);
    }
    state.SetItemsProcessed(state.iterations() * t.nk);
    state.counters["Koerper"] = t.nk;
    state.counters["us_pro_Koerper"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * t.nk * 1e-6,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
} // namespace

BENCHMARK(Asteroiden)->Unit(benchmark::kMillisecond);
BENCHMARK(Kometen)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
