// From the typed entry to complete readings: one selection of the session
// (lookup and position tick) on the real catalogues, as Enter runs it. The
// catalogue folder is STELUX_KATALOG (default ~/.local/share/stelux/katalog);
// it is the working directory and the data folder.
//   bench_auswahl [--benchmark_...]
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "bedienung/sitzung.hpp"

namespace fs = std::filesystem;

namespace {
std::string Katalog_Ordner() {
    if (const char* o = std::getenv("STELUX_KATALOG"); o && *o) return o;
    const char* home = std::getenv("HOME");
    return std::string(home ? home : "") + "/.local/share/stelux/katalog";
}

void Auswahl(benchmark::State& state, const char* eingabe) {
    const std::string ordner = Katalog_Ordner();
    if (!fs::is_directory(ordner)) {
        state.SkipWithError("kein Katalogordner (STELUX_KATALOG)");
        return;
    }
    fs::current_path(ordner);
    Sitzung s;
    s.Daten_Ordner_Setzen(ordner + "/");
    s.Parameter_Uebernehmen(Parameter_Vorgabe());
    // As in the window: element tables read and evaluated at start-up.
    s.Elemente_Zeilen_Laden();
    s.Uhr_Schritt(2461315.3, Zeitzone_Info{}); // 2026-10-01 19:12 UT
    s.Elemente_Auswerten();
    for (auto _ : state) {
        const Auswahl_Ergebnis r = s.Auswaehlen(eingabe);
        if (!r.Gefunden) {
            state.SkipWithError((std::string("nicht gefunden: ") + eingabe).c_str());
            return;
        }
        benchmark::DoNotOptimize(r.Stand.Position.Kreise.SW_Minuten.data());
    }
}
} // namespace

// The catalogues' ends and each kind of body: the slowest lookups.
BENCHMARK_CAPTURE(Auswahl, Messier, "M31")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Auswahl, Name, "Beteigeuze")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Auswahl, HIP_Ende, "H118322")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Auswahl, SAO_Ende, "S258996")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Auswahl, NGC_Ende, "N7840")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Auswahl, Planet, "PMars")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Auswahl, Mond, "PMond")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Auswahl, Asteroid, "A(4) Vesta")->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
