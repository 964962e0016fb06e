// The pointing model: the fit of 200 sightings with all nine terms (with and
// without gross misreadings to leave out), and the evaluation a position tick
// adds (alone and inside the tick of a star).
//   bench_zeigemodell [--benchmark_...]
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "pointing/positions_tick.hpp"
#include "pointing/zeigemodell.hpp"
#include "shared/konstanten.hpp"
#include "shared/parameter_type.hpp"

namespace {
constexpr double Breite = 47.46651 * Grad_Zu_Rad;

Zeigemodell Modell() {
    Zeigemodell m;
    const double w[Modell_Terme] = {12, -8, 4, -3, 6, -5, 3, 2, -2.5};
    for (int t = 0; t < Modell_Terme; ++t) {
        m.Aktiv[t] = true;
        m.Wert[t] = w[t];
    }
    m.RMS = 1;
    return m;
}

// 200 sightings with 1' of noise; `falsch` of them misread grossly (hour
// circle 12 h off, declination circle 5 deg off in turn), which the fit finds
// and leaves out one at a time.
void Anpassung_200(benchmark::State& state, int falsch) {
    const Zeigemodell m = Modell();
    std::mt19937 zufall(24);
    std::uniform_real_distribution<double> h(-5 * 15 * Grad_Zu_Rad, 5 * 15 * Grad_Zu_Rad),
        d(-25 * Grad_Zu_Rad, 75 * Grad_Zu_Rad);
    std::normal_distribution<double> rauschen(0, 1);
    std::vector<Modell_Sichtung> s;
    for (int i = 0; i < 200; ++i) {
        Modell_Sichtung x{h(zufall), d(zufall), 0, 0, "Stern " + std::to_string(i % 40)};
        const Modell_Versatz v = Modell_Auswerten(m, x.H, x.D, Breite);
        x.dH = v.H + rauschen(zufall);
        x.dD = v.D + rauschen(zufall);
        s.push_back(x);
    }
    for (int i = 0; i < falsch; ++i) {
        Modell_Sichtung& x = s[static_cast<std::size_t>(17 * i + 5)];
        if (i % 2 == 0)
            x.dH = std::remainder(x.dH + 10800, 21600);
        else
            x.dD += 300;
    }
    for (auto _ : state) {
        Modell_Anpassung e = Modell_Anpassen(s, Breite, false);
        if (std::count(e.Ausreisser.begin(), e.Ausreisser.end(), true) != falsch)
            state.SkipWithError("Ausreißer nicht gefunden");
        benchmark::DoNotOptimize(e);
    }
}
BENCHMARK_CAPTURE(Anpassung_200, ohne_ausreisser, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Anpassung_200, drei_ausreisser, 3)->Unit(benchmark::kMillisecond);

void Auswertung(benchmark::State& state) {
    const Zeigemodell m = Modell();
    double h = 0.3;
    for (auto _ : state) {
        h += 1e-6;
        Modell_Versatz v = Modell_Auswerten(m, h, 0.6, Breite);
        benchmark::DoNotOptimize(v);
    }
}
BENCHMARK(Auswertung)->Unit(benchmark::kNanosecond);

// A star's whole position tick without and with the model.
void Takt(benchmark::State& state, bool mit_modell) {
    const Zeigemodell m = Modell();
    const Parameter_Type p = Parameter_Vorgabe();
    Objekt_Type o;
    o.Art = Objekt_Art::HIP;
    o.Bezeichnung = "H32349";
    o.RA2000 = 6.752;
    o.DE2000 = -16.716;
    Tick_Optionen t;
    t.Modell = mit_modell ? &m : nullptr;
    double lmst = 5.0;
    for (auto _ : state) {
        lmst += 1e-6;
        Positions_Anzeige a = Positions_Tick(o, true, 2461382.3, lmst, p, false, t);
        benchmark::DoNotOptimize(a);
    }
}
BENCHMARK_CAPTURE(Takt, ohne_modell, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Takt, mit_modell, true)->Unit(benchmark::kMicrosecond);
} // namespace

BENCHMARK_MAIN();
