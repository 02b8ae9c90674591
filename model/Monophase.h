// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The single-phase motor at standstill (the starting motor, its rotor locked): a main winding M
// and an auxiliary winding A on the same stator, their magnetic axes 90 electrical degrees
// apart, fed from one voltage V, the auxiliary through a capacitor C:
//     I_m = V / Z_m,   I_a = V / (Z_a − j/(ωC))   (no capacitor: V / Z_a; open: 0),
// Z_m = R_m + jX_m and Z_a = R_a + jX_a the standstill impedances, ω the program's Omega.
//
// The auxiliary's axis lies a quarter period behind the main's in the direction the balanced
// three-phase field turns, so that a current that leads the main one turns the field that way.
// With a = N_a·k_wa / (N_m·k_wm) the effective turns ratio, the fundamental splits into
//     forward |I_m − j·a·I_a| / 2   and   backward |I_m + j·a·I_a| / 2
// per unit of the main winding's turns: one winding alone pulsates (the two equal), a current
// shifted by the auxiliary's own resistance makes an ellipse, and the capacitor that puts I_a
// 90° ahead of I_m, X_C = X_a + R_a·R_m / X_m, with a = |I_m| / |I_a| makes the field circular.
//
// The picture's phases 0 and 1 are M and A, drawn with the same effective turns; A's current is
// multiplied by a (its ampere-turns referred to M's turns), and both are given per unit of the
// larger of the two, so that the curves stay within the picture for any impedances.

#include <complex>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "model/Alimentation.h"
#include "model/Bobinage.h"
#include "model/State.h"

namespace kest {

inline constexpr double kTensionMoteur = 230.0;  // V rms, the reference of the phasors
// The bounds of the free values: the capacitance in µF (the field's, then the window's
// logarithmic slider's), the ratio, and each R and X in ohms. The lower bounds keep every
// reactance and current finite: the main's X and the auxiliary's R are never zero (a winding is a
// coil; an auxiliary without resistance would resonate with its quadrature capacitor).
inline constexpr double kCondensateurMin = 1e-3, kCondensateurMax = 1e6;
inline constexpr double kCurseurMin = 10.0, kCurseurMax = 2000.0;
inline constexpr double kRapportMin = 0.1, kRapportMax = 10.0;
inline constexpr double kImpedanceMin = 1e-3, kImpedanceMax = 1e6;

// The starts, one row each, in the order every edition lists them; a start is its row's index.
struct TypeDemarrage {
    const char* cle;  // the command line's word and the link's value
    const char* nom;  // the label (context "Moteur")
    const char* aide;
};
inline constexpr TypeDemarrage kDemarrages[] = {
    {"quadrature", ATraduire("Moteur", "Condensateur (quadrature)"),
     ATraduire("Moteur",
               "Le condensateur qui met I_a 90° en avance sur I_m, et le rapport a qui rend le "
               "champ circulaire")},
    {"resistive", ATraduire("Moteur", "Phase auxiliaire résistive"),
     ATraduire("Moteur",
               "Sans condensateur, a = 1 : la résistance de l'auxiliaire décale un peu son "
               "courant, le champ est elliptique")},
    {"ouverte", ATraduire("Moteur", "Auxiliaire ouverte"),
     ATraduire("Moteur",
               "Le principal seul, comme après le coupleur centrifuge : un champ "
               "pulsant, deux ondes égales")},
    {"libre", ATraduire("Moteur", "Libre"),
     ATraduire("Moteur", "La capacité, le rapport a et les impédances choisis")},
};
inline constexpr int kNombreDemarrages = static_cast<int>(std::size(kDemarrages));

// The words of the machines, as options and links spell them.
inline constexpr const char* kClesMachine[] = {"triphasee", "monophasee"};

// The start's row (the first for a number that is none), its label and hint translated.
const TypeDemarrage& TypeDe(Demarrage d);
std::string NomDemarrage(Demarrage d);
std::string AideDemarrage(Demarrage d);
// "Triphasé", "Monophasé à condensateur", translated.
std::string NomMachine(Machine m);

// The motor's standstill currents (A rms, the voltage at angle 0) for the state's start, with the
// capacitance (µF; 0 open, infinite none) and the ratio a they are computed with.
struct Moteur {
    std::complex<double> principal, auxiliaire;
    double condensateur = 0.0;
    double rapport = 1.0;
};
Moteur MoteurDe(const State& s);

// The numbers of the design: the capacitance that puts I_a 90° ahead of I_m (infinite when the
// impedances do it without one), the ratio that then makes the field circular, and the state's
// backward / forward ratio now (empty without a forward field).
struct Conception {
    double condensateur = 0.0;
    double rapport = 1.0;
    std::optional<double> inverseSurDirect;
};
Conception ConceptionDe(const State& s);

// Phase k's amplitude (per unit of Imax) and lag for the picture: 0 the main winding, 1 the
// auxiliary's ampere-turns a·I_a, both per unit of the larger; 2 none.
PhaseAlimentation PhaseMoteur(const State& s, int k);

// Throws Erreur when the state's winding is not one the state's machine is made with: the
// single-phase motor takes the classic winding and the slot winding (its two windings laid out
// by the star, 90° sectors), not a custom table of three phases.
void VerifieMachine(const State& s);
// The machine chosen (checked as above: Erreur and nothing changed), and a start chosen (the
// buttons and presets, applied at once).
void ChoisirMachine(State& s, Machine m);
void ChoisirDemarrage(State& s, Demarrage d);
// The slider: the capacitance in µF, with the free ratio: "Libre".
void ChoisirCondensateur(State& s, double microfarads);
// Whether two states have the same machine and, single-phase, the same currents.
bool MemeMoteur(const State& a, const State& b);

// What the window's fields hold: the capacitance (µF, "aucun" or "ouvert"), a, and R_m, X_m,
// R_a, X_a in ohms, as typed.
struct SaisieMoteur {
    std::string condensateur, rapport;
    std::string impedances[4];
};
SaisieMoteur SaisieMoteurAffichee(const State& s, std::string_view separateur);
// Enter in the window: the six fields are read with the locale's separator and stored together;
// a new capacitance or ratio selects "Libre". A refused field throws Erreur naming it, and
// nothing is changed: a capacitance outside 0.001 to 10⁶ µF (but "ouvert"/"aucun"), a outside 0.1
// to 10, a negative resistance or reactance, the main's reactance or the auxiliary's resistance
// below 0.001 Ω; so neither |Z_m| nor the auxiliary circuit's |Z| is ever zero.
void AppliquerMoteur(State& s, const SaisieMoteur& saisie, std::string_view separateur);

// The motor as options spell it (--machine, --demarrage, --condensateur, --rapport,
// --impedances and a link's keys of the same names).
struct OptionsMoteur {
    std::optional<std::string> machine, demarrage, condensateur, rapport, impedances;
};
// Any of the motor's options selects the single-phase machine; the capacitance or the ratio
// selects "Libre". Refused as a whole, with a French message, nothing changed.
void LireOptionsMoteur(State& s, const OptionsMoteur& options);
// Only what differs from the default.
OptionsMoteur OptionsMoteurEcrites(const State& s);
// "quadrature, resistive, ouverte ou libre".
std::string ClesDemarrage();

// The design as the window and the export give it, one line each, `separateur` the decimal mark.
std::string TexteConception(const State& s, std::string_view separateur);

// The two windings of the classic kind: p, m, Y and the distribution (the double star is one
// star here). On the 6·p·m slots the main winding takes two thirds, belts of 2m slots (120°),
// and the auxiliary the rest, belts of m slots (60°): every m is whole, and it is how
// single-phase stators are usually wound (the main winding carries the running motor). The
// auxiliary is drawn with the main's effective turns: its coils are scaled by k_wm/k_wa.
std::shared_ptr<const Bobinage> FabriqueDiphase(const State& s);

}  // namespace kest
