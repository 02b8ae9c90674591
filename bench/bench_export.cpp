// SPDX-License-Identifier: GPL-3.0-or-later
// What kest-export costs: each picture in the process, and the whole program for one SVG.
// Run by hand (README.md); the budgets are listed there, not asserted here.

#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "model/Regles.h"
#include "render/Animation.h"
#include "render/Ecran.h"
#include "render/Enregistrement.h"
#include "scene/Plan.h"

extern char** environ;

namespace {

using namespace kest;

// The state of the course-notes example: p = 2, m = 3, Réelle, 25 ticks in.
State Exemple() {
    State etat;
    AppliquerSaisie(etat, {"2", "3", "3.14159265358979", true, false}, ".");
    for (int k = 0; k < 25; ++k) AvancerTemps(etat);
    return etat;
}

const QSize kTaille(kLargeurImage, kHauteurImage);

// One picture: the run of Dessine that records it, then the bytes of the chosen form.
void Export(benchmark::State& st, int forme) {
    State etat = Exemple();
    Rendu rendu{1, forme == 2 ? QColor(Qt::white) : QColor(Qt::transparent), forme != 2};
    for (auto _ : st) {
        Enregistrement r =
            Enregistre(etat, {}, kTaille, kEcranReference, kPpiReference, Qt::black, rendu);
        QByteArray octets = forme == 0 ? r.emf : forme == 1 ? r.svg : EnPng(r.png);
        benchmark::DoNotOptimize(octets.data());
    }
}
BENCHMARK_CAPTURE(Export, emf, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Export, svg, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Export, png, 2)->Unit(benchmark::kMillisecond);

// A whole period as a GIF, the bytes counted and dropped.
void Gif100(benchmark::State& st) {
    const State etat = Exemple();
    const Rendu rendu{int(st.range(0)), QColor(Qt::white), false};
    std::size_t octets = 0;
    for (auto _ : st) {
        octets = 0;
        EcritGif(etat, {}, kTaille, kPpiReference, Qt::black, rendu, Animation{},
                 [&](std::string_view o) { octets += o.size(); });
    }
    st.counters["octets"] = double(octets);
}
BENCHMARK(Gif100)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

// The whole kest-export process for one SVG, from exec to exit: Qt's start-up and fonts
// included. KEST_EXPORT names the program built with this benchmark.
void ProcessusSvg(benchmark::State& st) {
    QTemporaryDir dossier;
    const std::string sortie = dossier.filePath("f.svg").toStdString();
    std::vector<std::string> args{KEST_EXPORT, "--p",     "2",  "--m",      "3",   "--distribution",
                                  "reelle",    "--ticks", "25", "--sortie", sortie};
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    for (auto _ : st) {
        pid_t pid = 0;
        if (posix_spawn(&pid, KEST_EXPORT, nullptr, nullptr, argv.data(), environ) != 0) {
            st.SkipWithError("kest-export could not be started");
            return;
        }
        int statut = 0;
        waitpid(pid, &statut, 0);
        if (!WIFEXITED(statut) || WEXITSTATUS(statut) != 0) {
            st.SkipWithError("kest-export failed");
            return;
        }
    }
}
BENCHMARK(ProcessusSvg)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int argcQt = 1;
    QGuiApplication application(argcQt, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
