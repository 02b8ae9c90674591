#include "Dessine.h"

#include "Vues.h"

namespace kest {

void Dessine(DrawingSurface& d, State& s, Affichage affichage) {
    DessineCadre(d, s);
    if (affichage.Bobinage) DessineBobinagePhase1(d, s);
    DessineCercles(d);
    if (affichage.Bobinage) DessineBobinageStator(d, s);
    DessineFresnel(d, s);
    DessineBalayage(d, s, affichage);
    DessineMarqueurs(d, s);
}

}  // namespace kest
