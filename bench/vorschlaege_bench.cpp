// Suggestions while typing over all names of the built catalogues
// (STELUX_KATALOG, else ~/.local/share/stelux/katalog): the index's build
// time and memory at start-up, and the time per keystroke for 1,000 random
// prefixes of real names, answered by the word index and, side by side, by a
// linear scan over the same names.
//   bench_vorschlaege [--benchmark_...]
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>

#include "catalog/namen_vorschlaege.hpp"
#include "orbits/element_tabellen.hpp"
#include "shared/zeilen_leser.hpp"

namespace {

struct Kataloge {
    std::string ordner;
    std::unique_ptr<Asteroiden_Tabelle> asteroiden =
        std::make_unique<Asteroiden_Tabelle>(Tabellen_Kapazitaet + 1);
    std::unique_ptr<Kometen_Tabelle> kometen =
        std::make_unique<Kometen_Tabelle>(Tabellen_Kapazitaet + 1);
    Such_Kontext k;
    std::vector<std::string> praefixe;

    Kataloge() {
        const char* e = std::getenv("STELUX_KATALOG");
        const char* home = std::getenv("HOME");
        ordner = e ? e : std::string(home ? home : "") + "/.local/share/stelux/katalog";
        if (!std::filesystem::is_directory(ordner)) return;
        Asteroiden_Zeilen_Laden(Pfad_In(ordner, "Asteroiden.txt"), *asteroiden,
                                k.Anzahl_Asteroiden);
        Kometen_Zeilen_Laden(Pfad_In(ordner, "Kometen.txt"), *kometen, k.Anzahl_Kometen);
        k.Katalog_Ordner = ordner;
        k.Asteroiden = asteroiden.get();
        k.Kometen = kometen.get();
    }
};

Kataloge& Daten() {
    static Kataloge d;
    return d;
}

// 1,000 prefixes (2 to 8 characters) of names the index holds, fixed seed.
std::vector<std::string> Praefixe(const Vorschlags_Index& index) {
    std::vector<std::string> namen;
    for (const char* anfang : {"a", "b", "c", "d", "e", "g", "h",  "k",  "m",  "n",
                               "p", "r", "s", "t", "v", "z", "al", "be", "ca", "or"})
        for (const Vorschlag& v : index.Suchen_Linear(std::string(anfang) + "a", 200))
            namen.push_back(v.Text);
    std::vector<std::string> aus;
    std::mt19937 zufall(17);
    while (!namen.empty() && aus.size() < 1000) {
        const std::string& n = namen[zufall() % namen.size()];
        if (n.size() < 2) continue;
        const std::size_t laenge = 2 + zufall() % std::min<std::size_t>(7, n.size() - 1);
        aus.push_back(n.substr(0, laenge));
    }
    return aus;
}

void BM_Index_Bauen(benchmark::State& state) {
    Kataloge& d = Daten();
    if (d.k.Katalog_Ordner.empty()) {
        state.SkipWithError("no catalogue folder (STELUX_KATALOG)");
        return;
    }
    Vorschlags_Index index;
    for (auto _ : state) {
        index = Vorschlags_Index_Bauen(d.k);
        benchmark::DoNotOptimize(index);
    }
    state.counters["Namen"] = static_cast<double>(index.Anzahl());
    state.counters["Speicher_MB"] = static_cast<double>(index.Speicher()) / 1e6;
}

// Every prefix once per iteration. A prefix's keystroke time is its median
// over the iterations (a pre-empted run on a busy machine does not count);
// reported are the median and the maximum of those over the prefixes.
template <bool Linear> void BM_Tastendruck(benchmark::State& state) {
    Kataloge& d = Daten();
    if (d.k.Katalog_Ordner.empty()) {
        state.SkipWithError("no catalogue folder (STELUX_KATALOG)");
        return;
    }
    static const Vorschlags_Index index = Vorschlags_Index_Bauen(d.k);
    static const std::vector<std::string> praefixe = Praefixe(index);
    std::vector<std::vector<double>> zeiten(praefixe.size());
    for (auto _ : state) {
        for (std::size_t i = 0; i < praefixe.size(); ++i) {
            const auto t0 = std::chrono::steady_clock::now();
            auto v = Linear ? index.Suchen_Linear(praefixe[i]) : index.Suchen(praefixe[i]);
            benchmark::DoNotOptimize(v);
            zeiten[i].push_back(
                std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0)
                    .count());
        }
    }
    std::vector<double> je_praefix;
    for (std::vector<double>& z : zeiten) {
        if (z.empty()) continue;
        std::nth_element(z.begin(), z.begin() + static_cast<std::ptrdiff_t>(z.size() / 2), z.end());
        je_praefix.push_back(z[z.size() / 2]);
    }
    std::sort(je_praefix.begin(), je_praefix.end());
    state.counters["Praefixe"] = static_cast<double>(praefixe.size());
    state.counters["Median_us"] = je_praefix.empty() ? 0 : je_praefix[je_praefix.size() / 2];
    state.counters["Max_us"] = je_praefix.empty() ? 0 : je_praefix.back();
}

// "Meinten Sie" after a miss: misspelt names of each kind (changed, dropped,
// doubled, swapped letters, German words, a long name) against every name.
// Each entry's time is its median over the iterations (a pre-empted run on a
// busy machine does not count); reported are the largest and the mean of those.
void BM_Meinten_Sie(benchmark::State& state) {
    Kataloge& d = Daten();
    if (d.k.Katalog_Ordner.empty()) {
        state.SkipWithError("no catalogue folder (STELUX_KATALOG)");
        return;
    }
    static const Vorschlags_Index index = Vorschlags_Index_Bauen(d.k);
    const char* fehler[] = {
        "Betelgeuze",        "Jupitr",           "Siriuss",           "Vgea",
        "Doppelsternhaufen", "Andromeda Galaxi", "Whirlpoolgalaxiee", "Xyzzy-Nebel"};
    std::vector<std::vector<double>> zeiten(std::size(fehler));
    for (auto _ : state)
        for (std::size_t i = 0; i < std::size(fehler); ++i) {
            const auto t0 = std::chrono::steady_clock::now();
            auto v = index.Aehnliche(fehler[i]);
            benchmark::DoNotOptimize(v);
            zeiten[i].push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0)
                    .count());
        }
    double laengste = 0, summe = 0;
    for (std::vector<double>& z : zeiten) {
        if (z.empty()) continue;
        std::nth_element(z.begin(), z.begin() + static_cast<std::ptrdiff_t>(z.size() / 2), z.end());
        laengste = std::max(laengste, z[z.size() / 2]);
        summe += z[z.size() / 2];
    }
    state.counters["Namen"] = static_cast<double>(index.Anzahl());
    state.counters["Max_ms"] = laengste;
    state.counters["Mittel_ms"] = summe / static_cast<double>(std::size(fehler));
}

} // namespace

BENCHMARK(BM_Meinten_Sie)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Index_Bauen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Tastendruck<false>)->Name("BM_Tastendruck_Index")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Tastendruck<true>)
    ->Name("BM_Tastendruck_Linear")
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0);

BENCHMARK_MAIN();
