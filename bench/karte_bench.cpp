// Finder chart speed on the built catalogues: building the star index once,
// a 0.25-degree, a 5-degree and a 20-degree chart (layout and painting on an 800 x 800
// image), and, in the same run, one full scan of the Hipparcos file as a chart
// would cost without the index. Run in the catalogue folder or with
// STELUX_KATALOG set:
//   bench_karte [--benchmark_...]
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <unistd.h>

#include "app/karte_zeichnen.hpp"
#include "catalog/katalog_zeilen.hpp"
#include "shared/objekt_type.hpp"
#include "shared/zeilen_leser.hpp"

namespace {
std::string Ordner() {
    const char* o = std::getenv("STELUX_KATALOG");
    return o ? o : "";
}

// Resident memory of the process, bytes (Linux).
double Resident() {
    long seiten = 0, resident = 0;
    if (std::FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &seiten, &resident) != 2) resident = 0;
        std::fclose(f);
    }
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE));
}

const Stern_Index& Index() {
    static const Stern_Index index = Stern_Index_Bauen(Ordner());
    return index;
}

void BM_Index_Bauen(benchmark::State& state) {
    std::size_t bytes = 0, sterne = 0;
    double zuwachs = 0;
    for (auto _ : state) {
        const double vorher = Resident();
        const Stern_Index i = Stern_Index_Bauen(Ordner());
        zuwachs = std::max(zuwachs, Resident() - vorher);
        bytes = i.Speicher_Bytes();
        sterne = i.Sterne.size();
    }
    state.counters["Index_MB"] = bytes / 1048576.0;
    state.counters["RSS_Zuwachs_MB"] = zuwachs / 1048576.0;
    state.counters["Sterne"] = static_cast<double>(sterne);
}
BENCHMARK(BM_Index_Bauen)->Unit(benchmark::kMillisecond)->Iterations(3);

// Every Hipparcos line read and converted, the stars within 10 degrees of
// the Pleiades kept: the cost of one chart without the index.
void BM_Vollscan_HIP(benchmark::State& state) {
    const Richtung m = Richtung_Von(3.79, 24.1);
    for (auto _ : state) {
        Zeilen_Leser leser(Pfad_In(Ordner(), Datei_HIP));
        std::string_view zeile;
        Objekt_Type o;
        long im_feld = 0;
        while (leser.Naechste(zeile)) {
            HIP_Zeile_Lesen(zeile, o);
            const Richtung r = Richtung_Von(o.RA2000, o.DE2000);
            if (r.x * m.x + r.y * m.y + r.z * m.z > 0.9848) ++im_feld;
        }
        benchmark::DoNotOptimize(im_feld);
    }
}
BENCHMARK(BM_Vollscan_HIP)->Unit(benchmark::kMillisecond);

// One chart: layout by the core and painting, for the field in state.range(0)
// arcminutes around the Pleiades (1) or the pole (2); 15' is the 60 cm's field.
void BM_Karte(benchmark::State& state) {
    const Stern_Index& index = Index();
    Karten_Optionen o;
    o.Feld = static_cast<double>(state.range(0)) / 60.0;
    const double ra = state.range(1) == 1 ? 3.80 : 3.0, de = state.range(1) == 1 ? 24.2 : 89.35;
    QImage bild(800, 800, QImage::Format_RGB32);
    std::size_t sterne = 0;
    for (auto _ : state) {
        const Karten_Inhalt k = Karte_Berechnen(index, o, ra, de, 2461120.0, {}, "Karte");
        QPainter p(&bild);
        Karte_Zeichnen(p, k, Karten_Schema::Bildschirm);
        sterne = k.Sterne.size();
    }
    state.counters["Sterne"] = static_cast<double>(sterne);
}
BENCHMARK(BM_Karte)
    ->Args({15, 1})
    ->Args({15, 2})
    ->Args({300, 1})
    ->Args({1200, 1})
    ->Args({300, 2})
    ->Args({1200, 2})
    ->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
