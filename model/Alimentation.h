// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The supply of the three phases: its kinds, the amplitude and lag each gives a phase, the
// rules of the fields that set a free supply, and the forward and backward parts it makes.
//
// Phase k (0, 1, 2) carries I[k] = a_k·Imax·sin(Omega·t − δ_k), δ_k an electrical time lag in
// radians. CourantPhase (model/Physique.h) computes it; with the balanced supply it computes
// Omega·t − k·2π/3 and Imax·sin(phi) in that order of operations, so that the default picture
// keeps every call.
//
// Forward and backward parts: the order-h space wave of the resultant splits into a wave
// turning like the balanced fundamental and one turning the other way. Per unit of what the
// balanced supply gives that order in the turning direction (its "balanced amplitude"), their
// amplitudes are |D_h| and |B_h| with
//     D_h = (1/3)·Σ_k a_k·e^{ j(h·k·2π/3 − δ_k)},   B_h = (1/3)·Σ_k a_k·e^{−j(h·k·2π/3 + δ_k)}.
// Balanced: D_1 = 1, B_1 = 0; single phase: 1/3 and 1/3; open phase: 1/2 and 1/2; reversed:
// 0 and 1. For the ideal distribution the fundamental's forward wave has its crest at the
// electrical angle Omega·t + arg D_1, its backward wave at π − Omega·t − arg B_1, each of
// 0.75·Imax·|D_1| and 0.75·Imax·|B_1|. HarmoniquesNumeriques (model/Harmoniques.h) measures
// both parts on the model's own resultant.

#include <complex>
#include <optional>
#include <string>
#include <string_view>

#include "model/State.h"

namespace kest {

// Amplitude per unit of Imax and time lag (electrical radians) of one phase.
struct PhaseAlimentation {
    double a = 1.0;
    double delta = 0.0;
};

// What the state's supply gives phase k (0..2). "Phase 3 coupée": (√3/2, −π/6),
// (√3/2, 5π/6), (0, 0); "Libre": the free amplitude and its lag turned into radians.
PhaseAlimentation ParametresPhase(const State& s, int k);

// D_h and B_h above for the state's supply (h >= 1).
struct Sequences {
    std::complex<double> direct;
    std::complex<double> inverse;
};
Sequences ComposantesSymetriques(const State& s, int h);

// The names the program shows: "Équilibrée", "Séquence inverse", "Monophasée",
// "Phase 3 coupée", "Libre".
std::string NomAlimentation(Alimentation a);

// A radio button of the supply: the kind only, applied at once.
void ChoisirAlimentation(State& s, Alimentation a);

// What the six fields of "Libre" hold when Enter is pressed: the amplitudes per unit of Imax
// and the lags in degrees, as typed.
struct SaisieAlimentation {
    std::string amplitudes[3];
    std::string dephasages[3];
};

inline constexpr double kAmplitudeMax = 2.0;     // the free amplitudes go from 0 to 2
inline constexpr double kDephasageMax = 3600.0;  // the free lags go from -3600 to 3600 degrees

// Enter in a field of "Libre": reads the six texts with the locale's separator (as the options
// dialog reads Y); when all are correct, stores them and selects "Libre". The first incorrect
// text throws Erreur with its French message and nothing is changed: "'x' n'est pas une valeur
// en virgule flottante correcte", "Débordement en virgule flottante", or
// "'x' n'est pas une amplitude correcte (0 à 2)" or "'x' n'est pas un déphasage correct
// (-3600 à 3600)"; the bound keeps the lag in radians finite, so the currents are numbers.
void AppliquerAlimentationLibre(State& s, const SaisieAlimentation& saisie,
                                std::string_view separateur);

// What the six fields show for a state: its free values written with the locale's separator.
SaisieAlimentation SaisieAlimentationAffichee(const State& s, std::string_view separateur);

// The supply as options spell it (kest-export's --alimentation, --amplitudes, --dephasages and a
// link's keys of the same names): numbers with a point, lists separated by commas.
struct OptionsAlimentation {
    std::optional<std::string>
        alimentation;                       // equilibree, inverse, monophasee, phase-coupee, libre
    std::optional<std::string> amplitudes;  // "A1,A2,A3", per unit of Imax, 0 to 2
    std::optional<std::string> dephasages;  // "D1,D2,D3", degrees
};

// The option word of a kind: "equilibree", "inverse", "monophasee", "phase-coupee", "libre".
std::string CleAlimentation(Alimentation a);

// Sets the supply from the options given; amplitudes or lags imply "libre", and what is not
// given keeps the state's free values. A refused text throws Erreur with a French message
// (an unknown kind, a list without three values, a kind other than "libre" with amplitudes or
// lags, or AppliquerAlimentationLibre's messages) and nothing is changed.
void LireOptionsAlimentation(State& s, const OptionsAlimentation& options);

// The options that give back the state's supply, only those that differ from the default: the
// kind unless balanced, the two lists only for "libre".
OptionsAlimentation OptionsAlimentationEcrites(const State& s);

}  // namespace kest
