// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The views of the scene, in the order Dessine draws them. Each inherits the pen and brush
// that the one before left, and sets only what it changes.

#include "model/Affichage.h"
#include "model/Harmoniques.h"
#include "model/State.h"
#include "scene/DrawingSurface.h"
#include "scene/Pixel.h"

namespace kest {

inline constexpr Couleur kCouleurPhase[3] = {kBleu, kRouge, kVert};

// The end of phase 1's axis on the space-vector circle: the frame draws it and the crest
// markers draw it again over the closing red vector.
Point AxePhase1(const State& etat);

void DessineCadre(DrawingSurface& d, const State& etat);
void DessineCercles(DrawingSurface& d);
void DessineBobinagePhase1(DrawingSurface& d, const State& etat);
void DessineBobinageStator(DrawingSurface& d, const State& etat);
void DessineFresnel(DrawingSurface& d, State& etat);
void DessineBalayage(DrawingSurface& d, State& etat, Affichage affichage);

// Per air-gap sample, called by the sweep: the field of phase 1 (offset M) on the
// space-vector circle and the resultant (offset n) on the stator circle.
void DessineChampPhase1(DrawingSurface& d, double theta, int M, Affichage a, bool fleches);
void DessineChampResultant(DrawingSurface& d, double theta, int n, Affichage a, bool fleches);
// The crest the markers mark, in mechanical radians: the perfect resultant's, Omega·t/p, under
// the balanced supply (champ null); under any other, the crest of the resultant's fundamental.
double AngleCrete(const State& etat, const ChampFondamental* champ);
void DessineMarqueurs(DrawingSurface& d, const State& etat, double crete);
// Only for a supply other than the balanced one, after the markers.
void DessineChampsContraires(DrawingSurface& d, const State& etat, const ChampFondamental& champ);

}  // namespace kest
