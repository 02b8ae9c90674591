// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/State.h"
#include "scene/DrawingSurface.h"

namespace kest {

// The three view check boxes of the main window, read by the caller at every paint.
struct Affichage {
    bool Vecteurs = true;  // field arrows
    bool Onde = true;      // polar waves
    bool Bobinage = true;  // conductors and coil axes
};

// Draws the whole scene in one pass. Writes only s.I and s.F.
void Dessine(DrawingSurface& surface, State& s, Affichage affichage);

}  // namespace kest
