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
#include <iterator>
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

// Marks a text of a table for the catalogue (the catalogue's tools read it as they read
// Traduit's); the edition translates it where it shows it, with Traduit(contexte, texte).
constexpr const char* ATraduire(const char* /*contexte*/, const char* texte) { return texte; }

// The supply kinds, one row each, in the order every edition lists them: the window's buttons,
// the page's panel, the exporter's help and parsing and the links are built from this table,
// and a kind is the index of its row. Adding a preset is a row here (before "libre", which the
// windows show last with its fields) and its two texts in the catalogue.
struct TypeAlimentation {
    const char* cle;   // the command line's word and the link's value
    const char* nom;   // the label (context "Alimentation")
    const char* aide;  // the hint of its button (context "Alimentation")
    // The three phases of a preset; "Libre" reads the state's own values instead.
    PhaseAlimentation phases[3];
    // Phase 2 carries exactly phase 1's opposite: two phases in series, as in a star without
    // neutral that lost phase 3, so that the two line currents sum to zero bit for bit.
    bool secondeOpposee = false;
};
inline constexpr double kRacine3Sur2 = 0.8660254037844386;  // √3/2
inline constexpr TypeAlimentation kTypesAlimentation[] = {
    {"equilibree",
     ATraduire("Alimentation", "Équilibrée"),
     ATraduire("Alimentation",
               "Trois courants égaux décalés de 120° : un champ tournant d'amplitude constante"),
     {{1.0, 0 * kDeuxPiSur3}, {1.0, 1 * kDeuxPiSur3}, {1.0, 2 * kDeuxPiSur3}}},
    {"inverse",
     ATraduire("Alimentation", "Séquence inverse"),
     ATraduire("Alimentation", "Phases 2 et 3 échangées : le champ tourne dans l'autre sens"),
     {{1.0, -(0 * kDeuxPiSur3)}, {1.0, -(1 * kDeuxPiSur3)}, {1.0, -(2 * kDeuxPiSur3)}}},
    {"monophasee",
     ATraduire("Alimentation", "Monophasée"),
     ATraduire("Alimentation",
               "La phase 1 seule : un champ pulsant, somme de deux champs tournants opposés"),
     {{1.0, 0.0}, {0.0, 0.0}, {0.0, 0.0}}},
    // A star without neutral that lost phase 3: phases 1 and 2 carry the line current between
    // their terminals, in opposition (CourantPhase makes the second exactly the first's
    // opposite).
    {"phase-coupee",
     ATraduire("Alimentation", "Phase 3 coupée"),
     ATraduire("Alimentation", "Étoile sans neutre, phase 3 ouverte : I1 = −I2, le champ pulse"),
     {{kRacine3Sur2, -kPiSur6}, {kRacine3Sur2, kPi - kPiSur6}, {0.0, 0.0}},
     true},
    {"libre",
     ATraduire("Alimentation", "Libre"),
     ATraduire("Alimentation", "Amplitudes et déphasages choisis : un champ elliptique"),
     {}},
};

inline constexpr int kNombreAlimentations = static_cast<int>(std::size(kTypesAlimentation));

// The kind whose key is `cle`, found at compile time: a key that no row has does not compile.
consteval Alimentation AlimentationDe(std::string_view cle) {
    for (int i = 0; i < kNombreAlimentations; ++i)
        if (cle == kTypesAlimentation[i].cle) return static_cast<Alimentation>(i);
    throw "aucune alimentation n'a cette clé";
}
// The free supply, whose amplitudes and lags are the state's own.
inline constexpr Alimentation kAlimentationLibre = AlimentationDe("libre");
static_assert(AlimentationDe("equilibree") == Alimentation::Equilibree,
              "the balanced supply is row 0, the state's default");

// Whether a number is a kind: an index of the table (the page and the tests hand integers).
constexpr bool EstAlimentation(int i) { return i >= 0 && i < kNombreAlimentations; }

// The row of a kind (the first row for a number that is none).
const TypeAlimentation& TypeDe(Alimentation a);

// What the state's supply gives phase k (0..2): its row's phases, or for "Libre" the free
// amplitude and its lag turned into radians.
PhaseAlimentation ParametresPhase(const State& s, int k);

// D_h and B_h above for the state's supply (h >= 1).
struct Sequences {
    std::complex<double> direct;
    std::complex<double> inverse;
};
Sequences ComposantesSymetriques(const State& s, int h);

// The name the program shows, translated: "Équilibrée", "Séquence inverse"…
std::string NomAlimentation(Alimentation a);
// The hint of its button, translated.
std::string AideAlimentation(Alimentation a);
// The name of the state's supply: its kind's, or the single-phase motor's start.
std::string NomAlimentation(const State& s);

// Whether two states have the same supply: the same kind, and for "Libre" the same values.
bool MemeAlimentation(const State& a, const State& b);

// Whether the state's currents are the balanced three-phase supply's: a field of constant
// amplitude turning forward, with no backward part to analyse.
bool EstEquilibree(const State& s);
// The state under its machine's balanced supply: the balanced three phases, or the
// single-phase motor's quadrature capacitor and circular ratio (its two ampere-turns equal and
// 90° apart). What it gives the working wave is the unit of every supply's forward and backward
// parts.
State Equilibree(const State& s);

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
// dialog reads Y), stores every correct one and selects "Libre". An incorrect text is not
// stored: the first one throws Erreur, after the correct ones are kept, with its field's name
// and its French message, "Retard 2 : 'x' n'est pas une valeur en virgule flottante correcte",
// "… Débordement en virgule flottante", "Amplitude 1 : 'x' n'est pas une amplitude correcte
// (0 à 2)" or "Retard 3 : 'x' n'est pas un déphasage correct (-3600 à 3600)"; the bound keeps
// the lag in radians finite, so the currents are numbers. A stale wrong text in one field thus
// never blocks a correct change in another.
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
// The option words of every kind: "equilibree, inverse, monophasee, phase-coupee ou libre".
std::string ClesAlimentation();

// Sets the supply from the options given; amplitudes or lags imply "libre", and what is not
// given keeps the state's free values. A refused text throws Erreur with a French message
// (an unknown kind, a list without three values, a kind other than "libre" with amplitudes or
// lags, or AppliquerAlimentationLibre's messages) and nothing is changed.
void LireOptionsAlimentation(State& s, const OptionsAlimentation& options);

// The options that give back the state's supply, only those that differ from the default: the
// kind unless balanced, the two lists only for "libre".
OptionsAlimentation OptionsAlimentationEcrites(const State& s);

}  // namespace kest
