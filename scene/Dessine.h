// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Affichage.h"
#include "model/State.h"
#include "scene/DrawingSurface.h"

namespace kest {

// Draws the whole scene in one pass. Writes only etat.I and etat.F.
void Dessine(DrawingSurface& surface, State& etat, Affichage affichage);

}  // namespace kest
