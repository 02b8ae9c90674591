// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/Dessine.h"

#include "model/Alimentation.h"
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
    if (EstEquilibree(etat)) {
        // A balanced supply sets up the forward wave alone: its crest turns at Omega·t/p and
        // there is no backward part to analyse or to draw.
        DessineMarqueurs(d, etat, AngleCrete(etat, nullptr));
        return;
    }
    const ChampFondamental champ = ChampDuFondamental(etat);
    DessineMarqueurs(d, etat, AngleCrete(etat, &champ));
    DessineChampsContraires(d, etat, champ);
}

}  // namespace kest
