// One position tick of the Moon (ERFA's series at TT, phase, parallax) and of
// an interpolated planet (cubic over the table rows kept at the lookup,
// parallax), beside the tick of a star in the same run.
//   bench_sonnensystem [--benchmark_...]
#include <benchmark/benchmark.h>

#include <cmath>

#include "astro/scheinbarer_ort.hpp"
#include "catalog/ephemeriden.hpp"
#include "pointing/positions_tick.hpp"
#include "shared/parameter_type.hpp"
#include "time/numerik.hpp"
#include "time/sternzeit.hpp"

namespace {
constexpr double JD = 2461382.3; // 2026-12-07 19:12 UT

void Tick(benchmark::State& state, Objekt_Type objekt) {
    const Parameter_Type p = Parameter_Vorgabe();
    Tick_Optionen t;
    t.JD_UT = JD;
    double jd = JD;
    for (auto _ : state) {
        jd += 1e-7; // a new instant every tick, as twice a second in the window
        t.JD_UT = jd;
        const double lmst = Mod_Positiv(Sternzeit_Greenwich(jd) * 3.819718634205488 + 0.5, 24.0);
        Positions_Anzeige a = Positions_Tick(objekt, true, jd, lmst, p, false, t);
        benchmark::DoNotOptimize(a);
    }
}

Objekt_Type Stern() {
    Objekt_Type o;
    o.Art = Objekt_Art::HIP;
    o.Bezeichnung = "H32349";
    o.RA2000 = 6.752;
    o.DE2000 = -16.716;
    o.VMag = -1.46;
    o.BMag = UNBEKANNT;
    o.Distanz = UNBEKANNT;
    o.Typ = "Stern";
    // Sirius's proper motion, as the side file of the catalogues gives it.
    o.Eigen = {true, o.RA2000, o.DE2000, 2000.0, -546.01, -1223.07, 0.0, 0.0};
    return o;
}

Objekt_Type Planet() {
    Objekt_Type o;
    o.Art = Objekt_Art::Planet;
    o.Bezeichnung = "PMars";
    o.Typ = "Planet";
    o.Distanz_Einheit = "AU";
    o.Bahn.Art = Bahn_Art::Tabelle;
    // Ten rows half a day apart around the instant, as a lookup keeps them.
    for (int i = -3; i < 7; ++i) {
        Ephemeriden_Stuetze s;
        s.JD = 2461382.0 + 0.5 * i;
        s.RA = 10.0 + 0.02 * i;
        s.DE = 12.0 - 0.1 * i;
        s.VMag = 1.0;
        s.Distanz = 1.2 + 0.001 * i;
        o.Bahn.Stuetzen.push_back(s);
    }
    Ephemeriden_Stuetze e;
    Ephemeride_Interpolieren(o.Bahn.Stuetzen, JD, e);
    o.RA2000 = o.Bahn.RA_Geo = e.RA;
    o.DE2000 = o.Bahn.DE_Geo = e.DE;
    o.Distanz = o.Bahn.Distanz_AE = e.Distanz;
    return o;
}

Objekt_Type Mond() {
    Objekt_Type o;
    Mond_Fuellen(JD, o);
    return o;
}

void BM_Tick_Stern(benchmark::State& s) {
    Tick(s, Stern());
}
void BM_Tick_Planet(benchmark::State& s) {
    Tick(s, Planet());
}
void BM_Tick_Mond(benchmark::State& s) {
    Tick(s, Mond());
}
// The frame of the apparent place from nothing: the Earth's motion and
// precession-nutation, computed anew every 5 minutes (600 ticks) and for every
// instant of a visibility search.
void BM_Rahmen_Neu(benchmark::State& s) {
    double jd = JD;
    for (auto _ : s) {
        jd += 0.01;
        benchmark::DoNotOptimize(Rahmen_Berechnen(jd, 3.0, 47.0, 500.0));
    }
}
BENCHMARK(BM_Rahmen_Neu)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Tick_Stern)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Tick_Planet)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Tick_Mond)->Unit(benchmark::kMicrosecond);
} // namespace

BENCHMARK_MAIN();
