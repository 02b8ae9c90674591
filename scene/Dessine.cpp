// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/Dessine.h"

#include "scene/Registres.h"
#include "scene/Vues.h"

namespace kest {

void Dessine(DrawingSurface& d, State& etat, Affichage affichage) {
    // The model's and the views' trigonometry start from a clean vector state, whatever the
    // graphics library did before this paint.
    RegistresVectorielsPropres();
    DessineCadre(d, etat);
    if (affichage.Bobinage) DessineBobinagePhase1(d, etat);
    DessineCercles(d);
    if (affichage.Bobinage) DessineBobinageStator(d, etat);
    DessineFresnel(d, etat);
    DessineBalayage(d, etat, affichage);
    DessineMarqueurs(d, etat);
    // The balanced supply's picture ends here, call for call as it always has.
    if (etat.alimentation != Alimentation::Equilibree) DessineChampsContraires(d, etat);
}

}  // namespace kest
