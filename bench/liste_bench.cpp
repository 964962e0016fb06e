// An observing list of 1,000 entries (the Messier objects, NGC 1 … and a few
// planets) on the built catalogues at 2026-10-01 20:00 UT: resolving every
// entry through the lookup once, and the night's order (altitude, time above
// 20°, culmination of each, then the sort) as the list window redoes it each
// minute. Run with STELUX_KATALOG set (the lookup reads the working folder):
//   STELUX_KATALOG=~/.local/share/stelux/katalog bench_liste
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>

#include "bedienung/sitzung.hpp"

namespace {
constexpr double JD_UT = 2461315.3333333333; // 2026-10-01 20:00 UT

Beobachtungsliste Liste_1000() {
    Beobachtungsliste l;
    auto dazu = [&](const std::string& t) {
        Listen_Eintrag e;
        e.Eingabe = t;
        e.Kandidaten = {t};
        e.Zeile = static_cast<long>(l.Eintraege.size() + 1);
        l.Eintraege.push_back(e);
    };
    for (const char* p : {"Mars", "Jupiter", "Saturn", "Mond"}) dazu(p);
    for (int m = 1; m <= 110; ++m) dazu("M " + std::to_string(m));
    for (int n = 1; l.Eintraege.size() < 1000; ++n) dazu("NGC " + std::to_string(n));
    return l;
}

struct Umgebung {
    Sitzung s;
    Umgebung() {
        const char* o = std::getenv("STELUX_KATALOG");
        if (!o || chdir(o) != 0) std::abort();
        s.Daten_Ordner_Setzen(std::string(o) + "/");
        s.Elemente_Bei_Bedarf();
        s.Parameter_Uebernehmen(Parameter_Vorgabe());
        Zeitzone_Info zone;
        s.Uhr_Schritt(JD_UT, zone);
    }
};

void BM_Aufloesen(benchmark::State& state) {
    static Umgebung u;
    const Beobachtungsliste l = Liste_1000();
    std::size_t gefunden = 0;
    for (auto _ : state) {
        std::vector<std::string> h;
        const auto z = u.s.Liste_Aufloesen(l, h);
        gefunden = 0;
        for (const auto& x : z) gefunden += x.Gefunden;
    }
    state.counters["gefunden"] = static_cast<double>(gefunden);
}
BENCHMARK(BM_Aufloesen)->Unit(benchmark::kMillisecond);

// Target: < 200 ms for the 1,000 entries.
void BM_Ordnen(benchmark::State& state) {
    static Umgebung u;
    std::vector<std::string> h;
    std::vector<Listen_Zeile> z = u.s.Liste_Aufloesen(Liste_1000(), h);
    for (auto _ : state) u.s.Liste_Rechnen(z);
    state.counters["Eintraege"] = static_cast<double>(z.size());
}
BENCHMARK(BM_Ordnen)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
