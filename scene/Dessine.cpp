// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/Dessine.h"

#include "scene/Registres.h"
#include "scene/Vues.h"

namespace kest {

void Dessine(DrawingSurface& d, State& s, Affichage affichage) {
    // The model's and the views' trigonometry start from a clean vector state, whatever the
    // graphics library did before this paint.
    RegistresVectorielsPropres();
    DessineCadre(d, s);
    if (affichage.Bobinage) DessineBobinagePhase1(d, s);
    DessineCercles(d);
    if (affichage.Bobinage) DessineBobinageStator(d, s);
    DessineFresnel(d, s);
    DessineBalayage(d, s, affichage);
    DessineMarqueurs(d, s);
}

}  // namespace kest
