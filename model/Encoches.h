// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Slot windings laid out by the star of slots: Q slots, p pole pairs, one or two layers and
// coils of `pas` slots (1: a tooth coil), the windings of today's machines, fractional-slot
// ones included.
//
// Slot s (0 … Q−1) sits at the mechanical angle AngleEncoche(s), growing by 2π/Q. In the star
// of slots its EMF phasor has the electrical angle s·p·2π/Q; the star's 60° sectors [0°, 60°),
// [60°, 120°) … belong in turn to +A, −C, +B, −A, +C, −B (A, B, C are the picture's phases 0, 1,
// 2). Two layers: the go side of coil s lies in slot s's top layer with the phase and sign of
// slot s's sector, its return in slot s + pas's bottom layer with the opposite sign. One layer:
// every other coil is kept (every other group of g coils, g the largest power of two dividing
// the span), so that each slot holds one side.
//
// The MMF of a phase is the staircase of its conductors' currents around the air gap, zero
// mean, a step of ±I·2p/N at each of its N conductors (up at a go side, down at a return): the
// ampere-turns per pole pair of the classic "Réelle" winding, whose m coils per belt step by
// I/m each. So the slot winding with Q = 6·p·m, one layer and coils of 3m slots is the classic
// p, m, Y = π, "Réelle" winding, conductor for conductor.
//
// Orders here are mechanical: order ν has ν periods per turn; ν = p is the working wave and
// ν < p are sub-harmonics. The classic winding's electrical order h is the mechanical order h·p.

#include <array>
#include <complex>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/Bobinage.h"
#include "model/Harmoniques.h"
#include "model/State.h"

namespace kest {

inline constexpr int kEncochesMax = 720;

// The phases a slot winding is laid out for: the three-phase stator's 3, or the single-phase
// motor's 2, its main winding M and its auxiliary A (model/Monophase.h).
int PhasesEncoches(const State& s);
// The star's sectors, 2·phases of them from 0 in turn, each a phase and a sign: +A, −C, +B, −A,
// +C, −B of 60° for three phases; +M, −A, −M, +A of 90° for the motor, its auxiliary a quarter
// period behind the main winding, so that a leading auxiliary current turns the field forward.
struct SecteurEtoile {
    int phase;
    int signe;
};
std::span<const SecteurEtoile> SecteursEtoile(int phases);
// Phase k's letter: "A", "B", "C"; the motor's "M" and "A".
const char* NomPhase(int phases, int k);

// Throws Erreur with the French message of the first fault: p below 1, Q outside 3 … kEncochesMax,
// Q not a multiple of 3, Q/(3·gcd(Q, p)) not whole (two phases: Q/gcd(Q, p) not a multiple of 4),
// layers other than 1 or 2, a span outside 1 … Q/2, one layer with Q/(2·phases) not whole or a
// span whose coils cannot hold one side per slot, phases that are not the same winding turned by
// their displacement, or a span that cancels the working wave.
void VerifieEncoches(int encoches, int p, int couches, int pas, int phases = 3);
// Throws Erreur when p is below 1: the star needs at least one pole pair.
void VerifiePaires(int p);

// What the "Bobinage" panel holds when Enter is pressed: the three texts as typed.
struct SaisieEncoches {
    std::string encoches;
    std::string couches;
    std::string pas;
};
// The panel's texts for a state.
SaisieEncoches SaisieEncochesAffichee(const State& s);
// Enter in the panel: reads the three texts, checks the winding with the state's p, then stores
// it and selects the slot winding. A refusal throws Erreur and changes nothing.
void AppliquerEncoches(State& s, const SaisieEncoches& saisie);
// The slot winding's link options: the number of slots always, as it names the winding; the
// layers and the span when not those of `defaut`.
void EcritLienEncoches(const State& s, const State& defaut, OptionsLien& options);
// The slot members of the state checked with p pole pairs: the kinds' table's check.
void VerifieEncochesDe(const State& s, int p);

// One coil side in a slot.
struct Faisceau {
    int encoche = 0;  // slot, 0 … Q−1
    int couche = 0;   // 0 the top layer (the picture's inner ring), 1 the bottom one (outer)
    int phase = 0;    // 0, 1, 2
    int signe = 1;    // +1 a go side (hollow in the picture), −1 a return side (filled)
    int spires = 1;   // its turns, >= 1: its step of the MMF is in proportion
};

// The most turns a side of a custom winding has (either sign).
inline constexpr int kSpiresMax = 1000;

// One cell of a slot table: a phase and its signed turns (+ a go side, − a return), or empty.
struct Cellule {
    int phase = -1;  // 0, 1, 2 (A, B, C), or −1: an empty cell
    int spires = 0;  // signed turns, 1 … kSpiresMax in size; 0 exactly when the cell is empty
    bool Vide() const { return phase < 0; }
    bool operator==(const Cellule&) const = default;
};

// A slot table: Q slots (1 … kEncochesMax) of one or two layers, each cell a side or empty.
struct TableBobinage {
    int encoches = 0;
    int couches = 1;
    std::vector<Cellule> cellules;  // slot by slot, top layer first: [encoche·couches + couche]
    const Cellule& operator()(int encoche, int couche) const {
        return cellules[std::size_t(encoche * couches + couche)];
    }
    bool operator==(const TableBobinage&) const = default;
};

// One phasor of the star of slots: at the electrical angle indice·2π/Q (indice = s·p mod Q),
// with its sector's phase and sign and the slots (0 … Q−1) whose EMF it is.
struct PhaseurEtoile {
    int indice = 0;
    int phase = 0;
    int signe = 1;
    std::vector<int> encoches;
};
// The star of Q slots and p pole pairs (Q >= 1, p >= 1): its distinct phasors in ascending angle,
// each gcd(Q, p) slots.
std::vector<PhaseurEtoile> EtoileDesEncoches(int encoches, int p, int phases = 3);
// q = Q/(2·phases·p), slots per pole and phase, as a reduced fraction: "2", "2/5".
std::string TexteEncochesParPoleEtPhase(int encoches, int p, int phases = 3);

// A slot winding: its table and the star's p, read once (per paint, per spectrum) and then read
// many times. The slot winding's table is laid out by the star; a custom winding's table is
// written by hand, and may be unbalanced: a phase whose go and return turns differ does not
// close, and its staircase takes the missing return at the origin of the air gap, then loses its
// mean as any phase's does. Members a program left invalid make an empty winding: no conductor,
// no MMF.
class BobinageEncoches final : public Bobinage {
public:
    // The state's slot members laid out by the star.
    explicit BobinageEncoches(const State& s);
    // A table written by hand, with p pole pairs; the winding is the state's while the state
    // keeps p and this very table.
    BobinageEncoches(int p, std::shared_ptr<const TableBobinage> table);

    bool Pour(const State& s) const override;
    double Force(const State& s, int k, double theta, double seconde) const override;
    // F steps by σ·échelon at each side θ_c: c_ν = (1/(iπν))·Σ σ·échelon·e^{−iνθ_c}, exactly.
    std::complex<double> Coefficient(int k, int etoile, int nu) const override;

    bool Vide() const { return faisceaux_.empty(); }
    int Encoches() const { return Q_; }
    int Paires() const { return p_; }
    // The table, cell by cell (no slot for members that make no winding); shared, never changed.
    const std::shared_ptr<const TableBobinage>& Table() const { return table_; }
    // Each phase's turns, go sides less return sides: 0 for a phase that closes.
    int Desequilibre(int k) const { return totaux_[std::size_t(k)]; }
    int Periodicite() const { return pgcd_; }  // gcd(Q, p): repeats per turn
    // Mechanical angle of slot s: the origin puts phase A's working wave's axis a quarter
    // period after 0, as the classic winding's, and the equivalent classic winding's
    // conductors where the classic one draws them (the middle of phase A's first belt at 0).
    double AngleEncoche(int s) const;
    // The slot table: slot by slot, top layer first.
    const std::vector<Faisceau>& Faisceaux() const { return faisceaux_; }
    // Phase k's sides of one sign in the order the picture draws them: as the classic winding
    // draws a belt, the slot within its belt, then the pole pair, then the layer.
    const std::vector<Faisceau>& FaisceauxPhase(int k, int signe) const;
    // Electrical angle of phase k's axis: the crest of its working wave for a positive current.
    double AxePhase(int k) const { return axes_[k]; }

    // Phase k's MMF at unit current, at any mechanical angle theta.
    double ForceUnitaire(int k, double theta) const;
    // Winding factor of mechanical order ν from the star: |Σ of phase A's conductor phasors
    // σ·e^{iν·2π·s/Q}| over their number.
    double Facteur(int nu) const override;
    bool EnEncoches() const override { return true; }

private:
    // Where slot s lies: its angle, and its rank in its belt and pole pair as the classic
    // winding counts them (the order the picture draws a phase's sides in).
    struct Place {
        double angle;
        double rang;
        int j;
    };
    void PlaceEncoches();
    // Everything a paint and a spectrum read, from the table.
    void Construit();

    int Q_ = 0, p_ = 1, couches_ = 0, pas_ = 0, pgcd_ = 1;
    int nbPhases_ = 3;
    std::shared_ptr<const TableBobinage> table_;
    bool personnalise_ = false;  // made from the state's own table, not from its slot members
    std::vector<Place> place_;
    double echelon_ = 0.0;
    std::vector<Faisceau> faisceaux_;
    std::vector<Escalier> marches_;  // each phase's staircase at unit current over the whole turn
    std::vector<int> totaux_;        // each phase's signed turns
    std::vector<std::array<std::vector<Faisceau>, 2>> ordre_;  // returns, go sides
    std::vector<double> axes_;
};

// The slot table as a designer reads it: one row per layer, the top layer first, each slot's
// cell in slot order (NomCellule). Members that make no winding give no row.
std::vector<std::vector<std::string>> TableEncoches(const BobinageEncoches& b);
// One cell of that table: "A+", "B−", "C+3" for three turns, "" for an empty cell; the motor's
// "M+", "A−".
std::string NomCellule(const Cellule& c, int phases = 3);
// A side as a cell of that table: "A+", "B−"…
std::string NomFaisceau(const Faisceau& f, int phases = 3);

// The slot winding of the state's slot members, whatever its kind (what the "Bobinage" panel
// and the star show), laid out once and kept while the state keeps Q, p, the layers and the span.
std::shared_ptr<const BobinageEncoches> EncochesDe(const State& s);
// The kinds' table's maker: the state's slot winding as its winding.
std::shared_ptr<const Bobinage> FabriqueEncoches(const State& s);

// "12 encoches, p = 5, 2 couches, pas de 1 encoche(s)".
std::string NomBobinageEncoches(const State& s);

}  // namespace kest
