// Integrated minor-body orbits: one body integrated over five years (target
// below 20 ms), and a position tick of a looked-up body afterwards (target
// below 20 us).
#include <benchmark/benchmark.h>

#include <vector>

#include "orbits/bahn_integration.hpp"
#include "orbits/kleinkoerper_ort.hpp"

namespace {
// Vesta-like, ecliptic J2000, at 2022-08-09.0 TT.
const Bahn_Zustand Start{2459800.5, {1.9, -1.4, -0.2}, {0.0072, 0.0090, -0.0008}};

void Fuenf_Jahre(benchmark::State& state) {
    for (auto _ : state) {
        std::vector<Bahn_Zustand> knoten;
        benchmark::DoNotOptimize(Bahn_Integrieren(Start, Start.t + 5 * 365.25, {}, knoten));
        benchmark::DoNotOptimize(knoten.back().r[0]);
    }
}
BENCHMARK(Fuenf_Jahre)->Unit(benchmark::kMillisecond);

// What a tick does for a minor body: its and the Earth's osculating states
// moved on by some seconds, light time, the place.
void Takt(benchmark::State& state) {
    Bahn_Speicher speicher;
    const Bahn_Funktion bahn = [&speicher](double t, Bahn_Zustand& z) {
        return speicher.Zustand("Vesta", Start, t, z);
    };
    const double jd_ut = 2461382.5; // 2026-12-07 0h UT: four years from the epoch
    Oskulierender_Stand stand;
    Stand_Festhalten(bahn, Sonne_Zum_Zeitpunkt(jd_ut), stand);
    double ra, de, delta, dt = 0;
    for (auto _ : state) {
        dt += 0.5 / 86400.0;
        benchmark::DoNotOptimize(Stand_Fortfuehren(stand, jd_ut + dt, ra, de, delta));
    }
}
BENCHMARK(Takt)->Unit(benchmark::kMicrosecond);
} // namespace

BENCHMARK_MAIN();
