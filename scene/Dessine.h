// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Affichage.h"
#include "model/State.h"
#include "scene/DrawingSurface.h"

namespace kest {

// Draws the whole scene in one pass. Writes only s.I and s.F.
void Dessine(DrawingSurface& surface, State& s, Affichage affichage);

}  // namespace kest
