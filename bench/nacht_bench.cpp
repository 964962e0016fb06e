// The night's timetable at the observatory and at 65° N (twilight all night).
//   bench_nacht [--benchmark_...]
#include <benchmark/benchmark.h>

#include "planung/nacht.hpp"

namespace {
void Nacht_Sternwarte(benchmark::State& state) {
    const Parameter_Type p = Parameter_Vorgabe();
    double jd = 2461046.0; // 2026-01-05 12:00 UT
    for (auto _ : state) {
        benchmark::DoNotOptimize(Nacht_Berechnen(jd, p, -60));
        jd += 0.37;
    }
}
BENCHMARK(Nacht_Sternwarte)->Unit(benchmark::kMillisecond);

void Nacht_65_Nord(benchmark::State& state) {
    Parameter_Type p = Parameter_Vorgabe();
    p.Breite = 65;
    double jd = 2461179.0; // 2026-05-18
    for (auto _ : state) {
        benchmark::DoNotOptimize(Nacht_Berechnen(jd, p, -120));
        jd += 0.37;
    }
}
BENCHMARK(Nacht_65_Nord)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
