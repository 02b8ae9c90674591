// SPDX-License-Identifier: GPL-3.0-or-later
// The scene alone in a process that never loads Qt: the reference figure beside which
// bench_kest's Garde/Scene/defaut/Parfaite, measured after the application and a first paint,
// is printed by registres.sh. A gap between the two is the graphics library slowing the
// scene's arithmetic down (see RegistresVectorielsPropres).

#include <benchmark/benchmark.h>

#include "bench/Neant.h"
#include "scene/Dessine.h"

namespace {

using namespace kest;

// The default state as the program starts, at an instant where no current is zero.
void SceneSansQt(benchmark::State& st) {
    State etat;
    etat.t = 0.0123;
    Neant neant;
    for (auto _ : st) {
        Dessine(neant, etat, Affichage{});
        benchmark::DoNotOptimize(etat.F);
    }
}
BENCHMARK(SceneSansQt)->Name("SansQt/Scene/defaut/Parfaite")->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
