// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/State.h"
#include "scene/DrawingSurface.h"
#include "scene/Plan.h"

namespace kest {

// The star of slots of the state's slot members, on the picture's 700 × 500: the winding's name,
// q and the periodicity, the six 60° sectors (+A, −C, +B, −A, +C, −B) and each slot's EMF
// phasor in its sector's phase colour, numbered from 1 as a designer numbers slots. Electrical
// angles, counter-clockwise from the right. Slot members that make no winding draw the title
// and the sectors only.
void DessineEtoile(DrawingSurface& d, const State& etat);

// Where the star lies on its figure (the sectors, their names and the numbered phasors, the two
// title lines above it left out): what a small view of the figure shows.
inline constexpr Bloc kCadreEtoile{105, 41, 490, 459};

// A label of the star (a sector's name, a phasor's slot numbers) is a box about this wide per
// character and this high; its middle is put on its point.
inline constexpr int kDemiLargeurCaractereEtoile = 3;
inline constexpr int kDemiHauteurTexteEtoile = 7;

}  // namespace kest
