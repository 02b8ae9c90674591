// SPDX-License-Identifier: GPL-3.0-or-later
// The scene alone in a process that never loads Qt: the reference figure beside which
// bench_kest's Garde/Scene/defaut/Parfaite, measured after the application and a first paint,
// is printed by registres.sh. A gap between the two is the graphics library slowing the
// scene's arithmetic down (see RegistresVectorielsPropres).

#include <benchmark/benchmark.h>

#include "bench/Neant.h"
#include "model/Encoches.h"
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

// Slot windings beside the default: 12 slots / 10 poles must cost no more than the default, and
// 360 slots on two layers with p = 10 no more than three times it.
void SceneEncoches(benchmark::State& st, int Q, int p) {
    State etat;
    etat.t = 0.0123;
    etat.p = p;
    etat.encoches = Q, etat.couches = 2, etat.pas = 1;
    etat.typeBobinage = TypeBobinage::Encoches;
    Neant neant;
    for (auto _ : st) {
        Dessine(neant, etat, Affichage{});
        benchmark::DoNotOptimize(etat.F);
    }
}
BENCHMARK_CAPTURE(SceneEncoches, douze, 12, 5)
    ->Name("SansQt/Scene/encoches/12-10")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SceneEncoches, trois_cent_soixante, 360, 10)
    ->Name("SansQt/Scene/encoches/360-20")
    ->Unit(benchmark::kMicrosecond);

// The Harmoniques window's update for 360 slots on two layers and p = 10: 50 mechanical orders.
void HarmoniquesEncoches360(benchmark::State& st) {
    State etat;
    etat.t = 0.0123;
    etat.p = 10;
    etat.encoches = 360, etat.couches = 2, etat.pas = 15;
    etat.typeBobinage = TypeBobinage::Encoches;
    for (auto _ : st) {
        const Spectre sp = SpectreDe(etat, true);
        benchmark::DoNotOptimize(sp);
    }
}
BENCHMARK(HarmoniquesEncoches360)
    ->Name("SansQt/Harmoniques/encoches/360-20")
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
