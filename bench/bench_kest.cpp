// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of a scene, a paint, a copy and a tick. Run by hand (README.md); the budgets each
// figure is held against are listed there, not asserted here, except "no allocation" per tick.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QPainter>
#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

#include "app/Copier.h"
#include "app/TBobinageDlg.h"
#include "app/THarmoniquesDlg.h"
#include "app/TkestForm.h"
#include "bench/Neant.h"
#include "model/Alimentation.h"
#include "model/Harmoniques.h"
#include "model/Monophase.h"
#include "model/Personnalise.h"
#include "model/Regles.h"
#include "render/PainterSurface.h"
#include "scene/Dessine.h"
#include "scene/Plan.h"

// Every operator new of the process is counted, so that a benchmark can tell whether the code
// it measures allocates. The array and nothrow forms of the library call these.
namespace {
std::atomic<long long> gAllocations{0};
}

void* operator new(std::size_t n) {
    gAllocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
void* operator new(std::size_t n, std::align_val_t a) {
    gAllocations.fetch_add(1, std::memory_order_relaxed);
    const std::size_t al = static_cast<std::size_t>(a);
    if (void* p = std::aligned_alloc(al, (n + al - 1) / al * al)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, std::align_val_t) noexcept { std::free(p); }
void operator delete(void* p, std::size_t, std::align_val_t) noexcept { std::free(p); }

namespace {

using namespace kest;

enum class Bobinage { Defaut, PlusGrand };

// The state as the options dialog leaves it; the largest winding is the one it still accepts.
State Etat(Distribution d, Bobinage b) {
    State etat;
    const bool grand = b == Bobinage::PlusGrand;
    const Saisie saisie{grand ? std::to_string(kPMax) : "1", grand ? std::to_string(kMMax) : "2",
                        "3.141592653589793", d == Distribution::Reelle,
                        d == Distribution::DoubleEtoile};
    AppliquerSaisie(etat, saisie, ".");
    etat.t = 0.0123;  // an instant where no current is zero
    return etat;
}

void SceneDe(benchmark::State& st, State etat) {
    Neant neant;
    for (auto _ : st) {
        Dessine(neant, etat, Affichage{});
        benchmark::DoNotOptimize(etat.F);
    }
}

void SceneSeule(benchmark::State& st, Distribution d, Bobinage b, Alimentation a) {
    State etat = Etat(d, b);
    ChoisirAlimentation(etat, a);
    SceneDe(st, etat);
}

// One paint as the window makes it: the erase to the background colour, then the scene through
// the surface that lives as long as the window. Each iteration first lets `avant` change the
// state, as a control does before the picture follows it.
void PeintureDe(benchmark::State& st, State etat, void (*avant)(State&, int) = nullptr) {
    const QColor fond = QApplication::palette().color(QPalette::Window);
    PainterSurface surface(QApplication::font(), Qt::black, fond);
    QImage image(kLargeurImage, kHauteurImage, QImage::Format_ARGB32_Premultiplied);
    int n = 0;
    for (auto _ : st) {
        if (avant) avant(etat, n++);
        image.fill(fond);
        QPainter peintre(&image);
        const PainterSurface::Attache attache(surface, peintre);
        Dessine(surface, etat, Affichage{});
    }
    benchmark::DoNotOptimize(image.constBits());
}

void Peinture(benchmark::State& st, Distribution d, Bobinage b, Alimentation a) {
    State etat = Etat(d, b);
    ChoisirAlimentation(etat, a);
    PeintureDe(st, etat);
}

// The single-phase motor on the default winding, under its quadrature start.
State Moteur(Distribution d) {
    State etat = Etat(d, Bobinage::Defaut);
    ChoisirMachine(etat, Machine::Monophasee);
    return etat;
}
void SceneMoteur(benchmark::State& st, Distribution d) { SceneDe(st, Moteur(d)); }
void PeintureMoteur(benchmark::State& st, Distribution d) { PeintureDe(st, Moteur(d)); }
// A step of the capacitance slider: the new capacitance, the design numbers the window shows,
// then the paint. What must fit in one tick of the fastest clock (10 ms).
void CurseurMoteur(benchmark::State& st) {
    PeintureDe(st, Moteur(Distribution::Reelle), [](State& etat, int n) {
        ChoisirCondensateur(etat, kCurseurMin + (n % 200) * ((kCurseurMax - kCurseurMin) / 200));
        benchmark::DoNotOptimize(TexteConception(etat, "."));
    });
}

void Copie(benchmark::State& st) {
    State etat = Etat(Distribution::Parfaite, Bobinage::Defaut);
    const Ecran ecran = EcranCourant();
    for (auto _ : st)
        Copier(etat, Affichage{}, QSize(kLargeurImage, kHauteurImage), ecran,
               *QApplication::clipboard());
}

// A tick must neither allocate nor take longer than the few operations it is.
template <typename F>
void SansAllocation(benchmark::State& st, F tick) {
    const long long avant = gAllocations.load();
    for (auto _ : st) tick();
    const long long n = gAllocations.load() - avant;
    st.counters["allocations"] =
        benchmark::Counter(static_cast<double>(n), benchmark::Counter::kAvgIterations);
    if (n != 0) st.SkipWithError("a tick allocated memory");
}

void TickModele(benchmark::State& st) {
    State etat;
    SansAllocation(st, [&] {
        AvancerTemps(etat);
        benchmark::DoNotOptimize(etat.t);
    });
}

// The window's own handler; the window is never shown, so its repaint request does nothing.
void TickFenetre(benchmark::State& st) {
    TkestForm form;
    SansAllocation(st, [&] {
        form.Timer1Timer();
        benchmark::DoNotOptimize(form.Etat().t);
    });
}

void HarmoniquesSeules(benchmark::State& st, Distribution d, Bobinage b) {
    const State etat = Etat(d, b);
    for (auto _ : st) benchmark::DoNotOptimize(HarmoniquesNumeriques(etat));
}

// What the harmonics window ("Harmoniques") does after a change of the winding: the spectrum, the
// chart's series, the table and the labels (the window is not shown, so no paint).
void HarmoniquesFenetre(benchmark::State& st, Distribution d, Bobinage b,
                        Alimentation alimentation) {
    State etat = Etat(d, b);
    etat.alimentation = alimentation;  // any other supply also transforms the balanced one
    THarmoniquesDlg fenetre(nullptr);
    for (auto _ : st) fenetre.Suivre(etat, ".", true);
}

// An edit of a custom winding of 360 slots on two layers, p = 10, through the window: the cell
// given by the Bobinage window, the rules, the slot table's items and what it tells, the
// Harmoniques window's spectrum and chart, then the picture's and the star's scenes (budget:
// 10 ms, a tick of the fastest clock). Both windows are shown, off screen.
void EditionFenetre360(benchmark::State& st) {
    TkestForm form;
    Configuration configuration = form.ConfigurationCourante();
    configuration.etat.p = 10;
    configuration.etat.encoches = 360, configuration.etat.couches = 2, configuration.etat.pas = 15;
    ChoisirTypeBobinage(configuration.etat, TypeBobinage::Personnalise);
    form.Configurer(configuration);
    form.show();
    form.Bobinage1Click();
    form.Harmoniques1Click();
    const auto* etoile = form.findChild<ZoneEtoile*>(QStringLiteral("ZoneEtoile"));
    Neant neant;
    int encoche = 0;
    for (auto _ : st) {
        const Cellule c = (*form.Etat().tableBobinage)(encoche, 1);
        form.AppliquerCellule(encoche, 1, CelluleSuivante(c));
        encoche = (encoche + 7) % 360;
        form.FormPaint(neant);
        etoile->Dessiner(neant);
    }
    if (form.Etat().typeBobinage != TypeBobinage::Personnalise) st.SkipWithError("not edited");
}

// --- Register-state guard (printed beside bench_scene's figure by registres.sh) ---
// The scene alone after the application was made and one picture painted, as in the window:
// the graphics library's 256-bit code has run, and must not slow the scene's trigonometry.
void SceneApresPeinture(benchmark::State& st) {
    State etat = Etat(Distribution::Parfaite, Bobinage::Defaut);
    {
        QImage image(kLargeurImage, kHauteurImage, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        PainterSurface surface(QApplication::font(), Qt::black, Qt::white);
        QPainter peintre(&image);
        const PainterSurface::Attache attache(surface, peintre);
        Dessine(surface, etat, Affichage{});
    }
    Neant neant;
    for (auto _ : st) {
        Dessine(neant, etat, Affichage{});
        benchmark::DoNotOptimize(etat.F);
    }
}

void EnregistreGarde() {
    benchmark::RegisterBenchmark("Garde/Scene/defaut/Parfaite", SceneApresPeinture)
        ->Unit(benchmark::kMicrosecond);
}
// --- end of the register-state guard ---

void Enregistre() {
    const struct {
        const char* nom;
        Distribution d;
    } distributions[] = {{"Parfaite", Distribution::Parfaite},
                         {"Reelle", Distribution::Reelle},
                         {"DoubleEtoile", Distribution::DoubleEtoile}};
    for (const auto& [nom, d] : distributions)
        benchmark::RegisterBenchmark((std::string("Scene/defaut/") + nom).c_str(), SceneSeule, d,
                                     Bobinage::Defaut, Alimentation::Equilibree)
            ->Unit(benchmark::kMicrosecond);
    for (const auto& [nom, d] : distributions)
        benchmark::RegisterBenchmark((std::string("Peinture/defaut/") + nom).c_str(), Peinture, d,
                                     Bobinage::Defaut, Alimentation::Equilibree)
            ->Unit(benchmark::kMicrosecond);
    // An unbalanced supply adds the two fields and their locus to the same winding.
    for (const auto& [nom, d] : distributions)
        benchmark::RegisterBenchmark((std::string("Scene/defaut/") + nom + "/Monophasee").c_str(),
                                     SceneSeule, d, Bobinage::Defaut, AlimentationDe("monophasee"))
            ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Peinture/defaut/Parfaite/Monophasee", Peinture,
                                 Distribution::Parfaite, Bobinage::Defaut,
                                 AlimentationDe("monophasee"))
        ->Unit(benchmark::kMicrosecond);
    // The single-phase motor: two phases, a second Fresnel phasor fewer, the two fields drawn.
    for (const auto& [nom, d] : distributions) {
        benchmark::RegisterBenchmark((std::string("Scene/moteur/") + nom).c_str(), SceneMoteur, d)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((std::string("Peinture/moteur/") + nom).c_str(),
                                     PeintureMoteur, d)
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::RegisterBenchmark("Curseur/moteur/Reelle", CurseurMoteur)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Scene/p99m99/DoubleEtoile", SceneSeule,
                                 Distribution::DoubleEtoile, Bobinage::PlusGrand,
                                 Alimentation::Equilibree)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Peinture/p99m99/DoubleEtoile", Peinture,
                                 Distribution::DoubleEtoile, Bobinage::PlusGrand,
                                 Alimentation::Equilibree)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Harmoniques/defaut/Reelle", HarmoniquesSeules,
                                 Distribution::Reelle, Bobinage::Defaut)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Harmoniques/p99m99/DoubleEtoile", HarmoniquesSeules,
                                 Distribution::DoubleEtoile, Bobinage::PlusGrand)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("HarmoniquesFenetre/p99m99/DoubleEtoile", HarmoniquesFenetre,
                                 Distribution::DoubleEtoile, Bobinage::PlusGrand,
                                 Alimentation::Equilibree)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("HarmoniquesFenetre/p99m99/DoubleEtoile/Monophasee",
                                 HarmoniquesFenetre, Distribution::DoubleEtoile,
                                 Bobinage::PlusGrand, AlimentationDe("monophasee"))
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Fenetre/Personnalise/edition/360-20", EditionFenetre360)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Copier/defaut", Copie)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Tick/AvancerTemps", TickModele);
    benchmark::RegisterBenchmark("Tick/Timer1Timer", TickFenetre);
}

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);  // the window of the tick benchmark needs widgets
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    Enregistre();
    EnregistreGarde();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
