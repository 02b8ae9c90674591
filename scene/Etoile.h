// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/State.h"
#include "scene/DrawingSurface.h"

namespace kest {

// The star of slots of the state's slot members, on the picture's 700 × 500: the winding's name,
// q and the periodicity, the six 60° sectors (+A, −C, +B, −A, +C, −B) and each slot's EMF
// phasor in its sector's phase colour, numbered from 1 as a designer numbers slots. Electrical
// angles, counter-clockwise from the right. Slot members that make no winding draw the title
// and the sectors only.
void DessineEtoile(DrawingSurface& d, const State& etat);

}  // namespace kest
