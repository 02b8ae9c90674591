// SPDX-License-Identifier: GPL-3.0-or-later
// The scene alone in a process that never loads Qt: the reference figure beside which
// bench_kest's Garde/Scene/defaut/Parfaite, measured after the application and a first paint,
// is printed by registres.sh. A gap between the two is the graphics library slowing the
// scene's arithmetic down (see RegistresVectorielsPropres).

#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "bench/Neant.h"
#include "model/Encoches.h"
#include "model/Harmoniques.h"
#include "model/Personnalise.h"
#include "scene/Dessine.h"
#include "scene/Etoile.h"

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

// An edit of a custom winding of 360 slots on two layers, p = 10: one cell changed, then what
// follows at once, the picture, the star and the Harmoniques window's spectrum (budget: 10 ms, a
// tick of the fastest clock).
void EditionPersonnalise360(benchmark::State& st) {
    State etat;
    etat.t = 0.0123;
    etat.p = 10;
    etat.encoches = 360, etat.couches = 2, etat.pas = 15;
    ChoisirTypeBobinage(etat, TypeBobinage::Personnalise);
    Neant neant;
    int encoche = 0;
    for (auto _ : st) {
        const Cellule c = (*etat.tableBobinage)(encoche, 0);
        EditerCellule(etat, encoche, 0, CelluleSuivante(c));
        encoche = (encoche + 7) % 360;
        Dessine(neant, etat, Affichage{});
        DessineEtoile(neant, etat);
        const Spectre sp = SpectreDe(etat, true);
        benchmark::DoNotOptimize(sp);
    }
}
BENCHMARK(EditionPersonnalise360)
    ->Name("SansQt/Personnalise/edition/360-20")
    ->Unit(benchmark::kMillisecond);

// Opening the largest file: 720 slots on two layers (budget: 50 ms).
void LectureFichier720(benchmark::State& st) {
    State etat;
    etat.p = 4;
    etat.encoches = 720, etat.couches = 2, etat.pas = 80;
    const std::string texte = EcritFichierBobinage(*EncochesDe(etat)->Table());
    for (auto _ : st) {
        std::istringstream fichier(texte);
        RemplacerTable(etat, LitFichierBobinage(fichier));
        benchmark::DoNotOptimize(etat.tableBobinage);
    }
}
BENCHMARK(LectureFichier720)
    ->Name("SansQt/Personnalise/fichier/720")
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
