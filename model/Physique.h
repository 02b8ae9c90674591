// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Conductor placement, phase currents and magnetomotive force: pure functions of the state.
// All angles are radians; theta and the returned conductor and axis angles are mechanical
// angles of the air gap, counter-clockwise on the screen from the right-pointing axis.

#include <vector>

#include "model/State.h"

namespace kest {

enum class Cote { Aller, Retour };                // go side (hollow) or return side (filled)
enum class Etoile { Aucune, Premiere, Seconde };  // simple winding, or one of the two stars

// Angle of conductor i (1..m) of phase k (0..2) under pole pair j (1..p).
double AngleConducteur(const State& s, int k, int i, int j, Cote cote, Etoile etoile);

// Magnetic axis of phase k under pole pair j: a quarter period after its go belt.
double AngleAxe(const State& s, int k, int j);

// The electrical angle of phase k's magnetic axis, where a positive current puts its crest:
// k·2π/3 + π/2 on the three-phase stator; the single-phase motor's auxiliary (k = 1) lies a
// quarter period behind its main winding (model/Monophase.h).
double AxeElectrique(const State& s, int k);

// Phase k's current for the state's supply (model/Alimentation.h): balanced, Omega·t − k·2π/3
// and Imax·sin(phi) in that order of operations; otherwise Omega·t − δ_k and a_k·Imax·sin(phi).
struct Courant {
    double phi;     // electrical phase angle Omega·t − δ_k
    double valeur;  // a_k·Imax·sin(phi)
};
Courant CourantPhase(const State& s, int k);

// MMF of phase k at air-gap angle theta, of the state's winding (model/Bobinage.h, which a
// sweep asks for once). Reads s.I[k], so the currents of the pass must already be stored.
double ForcePhase(const State& s, int k, double theta);

// The air-gap angles in [0, 2π/p) where the stepped MMF of phase k can change: both sides of
// each of its coils (of each half-coil for the double star) under the first pole pair. Between
// two of them ForcePhase is constant in theta; the pattern repeats under every pole pair.
// Unsorted, possibly repeated; empty for the ideal distribution and for m <= 0.
std::vector<double> BordsPhase(const State& s, int k);

// fmod(x, y) for y > 0, bit for bit, with the two cases the air-gap sweep meets most computed
// without the library's general division: 0 <= x < y gives x, and y <= x < 2y gives x − y,
// which is exact there (the difference of two doubles within a factor 2 of each other).
double Reste(double x, double y);

// The double star's second-star current of phase k per unit of Imax. The second star is fed
// through a star–delta transformer: the forward sequence of the supply comes out π/6 later, the
// backward sequence π/6 earlier, and the zero sequence not at all (balanced:
// sin(Omega·t − k·2π/3 − π/6)). It is the same at every air-gap angle of one picture, so a sweep
// computes it once and hands it to the overload below.
double SecondeEtoile(const State& s, int k);
// The classic winding's MMF (p, m, Y and the distribution, whatever the state's kind), with
// SecondeEtoile(s, k) already computed: for the double star the same value as ForcePhase(s, k,
// theta), bit for bit.
double ForcePhase(const State& s, int k, double theta, double secondeEtoile);

}  // namespace kest
