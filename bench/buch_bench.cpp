// The observing log of 10,000 notes: one rewrite as the window does it after an
// edited note (lock, read the file again, change one note, write it atomically
// with its sync), and one appended note (lock, append, sync). The log lies in
// the temporary folder (TMPDIR chooses the disk).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "buch/beobachtungsbuch.hpp"

namespace {
std::string Buch_10000() {
    const std::string pfad = (std::filesystem::temp_directory_path() /
                              ("bench_buch_" + std::to_string(getpid()) + ".csv"))
                                 .string();
    Buch_Eintrag e;
    e.Versatz_Minuten = -60;
    e.Bezeichnung = "M31";
    e.Objektzeile = "M 31  Andromeda-Galaxie";
    e.Art = 'M';
    e.Typ = "Galaxie";
    e.RA2000 = 0.712;
    e.DE2000 = 41.27;
    e.Instrument = "60cm Cassegrain";
    e.DE_Kreis = "+41.3°";
    e.SW_Kreis = "00h 42.7min";
    e.Hoehe = "63.2°";
    e.Luftmasse = "1.12";
    e.Seeing = 2;
    std::vector<Buch_Eintrag> alle;
    for (int i = 0; i < 10000; ++i) {
        e.JD_UT = 2461001.3 + i * 0.001;
        e.Notiz = "Kern hell, Staubband im Süden gut sichtbar; Begleiter M32 und M110 – Notiz " +
                  std::to_string(i);
        alle.push_back(e);
    }
    std::filesystem::remove(pfad);
    Buch_Aendern(pfad, [&](Beobachtungsbuch& b) { b.Eintraege = alle; });
    return pfad;
}

void BM_Umschreiben(benchmark::State& state) {
    const std::string pfad = Buch_10000();
    int n = 0;
    for (auto _ : state)
        Buch_Aendern(pfad, [&](Beobachtungsbuch& b) {
            b.Eintraege.at(5000).Notiz = "geändert " + std::to_string(++n);
        });
    std::filesystem::remove(pfad);
    std::filesystem::remove(pfad + ".sperre");
}
BENCHMARK(BM_Umschreiben)->Unit(benchmark::kMillisecond);

void BM_Anhaengen(benchmark::State& state) {
    const std::string pfad = Buch_10000();
    Buch_Eintrag e = Buch_Lesen(pfad).Eintraege.back();
    for (auto _ : state) Buch_Anhaengen(pfad, e);
    std::filesystem::remove(pfad);
    std::filesystem::remove(pfad + ".sperre");
}
BENCHMARK(BM_Anhaengen)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
