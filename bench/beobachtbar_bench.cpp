// "Jetzt beobachtbar" on the built catalogues: reading the fixed objects once,
// and the whole list (Moon, planets, Messier, NGC and IC objects, named stars, every
// asteroid and comet of the element files) at 2026-10-01 22:00 local time.
// Run in the catalogue folder or with STELUX_KATALOG set:
//   bench_beobachtbar [--benchmark_...]
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "orbits/element_tabellen.hpp"
#include "planung/jetzt_beobachtbar.hpp"
#include "shared/zeilen_leser.hpp"

namespace {
std::string Ordner() {
    const char* o = std::getenv("STELUX_KATALOG");
    return o ? o : "";
}

constexpr double JD_UT = 2461315.3333333333; // 2026-10-01 20:00 UT

struct Tabellen {
    Asteroiden_Tabelle asteroiden = Asteroiden_Tabelle(Tabellen_Kapazitaet + 1);
    Kometen_Tabelle kometen = Kometen_Tabelle(Tabellen_Kapazitaet + 1);
    std::int32_t n_asteroiden = 0, n_kometen = 0;
    Tabellen() {
        Asteroiden_Zeilen_Laden(Pfad_In(Ordner(), "Asteroiden.txt"), asteroiden, n_asteroiden);
        Kometen_Zeilen_Laden(Pfad_In(Ordner(), "Kometen.txt"), kometen, n_kometen);
        Asteroiden_Auswerten_Auslassend(asteroiden, n_asteroiden, JD_UT);
        Kometen_Auswerten_Auslassend(kometen, n_kometen, JD_UT);
    }
};

Beobachtbar_Eingabe Eingabe(const Tabellen& t) {
    Beobachtbar_Eingabe e;
    e.JD_UT = JD_UT;
    e.JD_PC = JD_UT + 2.0 / 24.0;
    e.Versatz_Minuten = -120;
    e.Parameter = Parameter_Vorgabe();
    e.Kontext.Katalog_Ordner = Ordner();
    e.Kontext.Asteroiden = &t.asteroiden;
    e.Kontext.Anzahl_Asteroiden = t.n_asteroiden;
    e.Kontext.Kometen = &t.kometen;
    e.Kontext.Anzahl_Kometen = t.n_kometen;
    return e;
}

void BM_Katalog_Bauen(benchmark::State& state) {
    std::size_t n = 0;
    for (auto _ : state) n = Beobachtbar_Katalog_Bauen(Ordner()).Objekte.size();
    state.counters["Objekte"] = static_cast<double>(n);
}
BENCHMARK(BM_Katalog_Bauen)->Unit(benchmark::kMillisecond);

// state.range(0): 1 the whole list as each minute builds it (Moon and planets
// looked up earlier the same night), 3 the same with the planets' tables read
// afresh (the first list of a night), 0 without Moon and planets, 2 without
// minor bodies.
void BM_Liste(benchmark::State& state) {
    static const Tabellen t;
    static const Beobachtbar_Katalog k = Beobachtbar_Katalog_Bauen(Ordner());
    Beobachtbar_Eingabe e = Eingabe(t);
    e.Sonnensystem = state.range(0) != 0;
    e.Kleinkoerper = state.range(0) != 2;
    const Sonnensystem_Vorrat v = Sonnensystem_Vorrat_Laden(e.Kontext, JD_UT - 0.1);
    if (state.range(0) != 3) e.Vorrat = &v;
    std::size_t n = 0;
    for (auto _ : state) n = Jetzt_Beobachtbar(k, e).size();
    state.counters["Zeilen"] = static_cast<double>(n);
    state.counters["Asteroiden"] = t.n_asteroiden;
    state.counters["Kometen"] = t.n_kometen;
}
BENCHMARK(BM_Liste)->Arg(1)->Arg(3)->Arg(0)->Arg(2)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
