// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <memory>

#include "model/Bobinage.h"
#include "model/Physique.h"
#include "scene/Pixel.h"
#include "scene/Plan.h"
#include "scene/Vues.h"

namespace kest {

// The air gap unrolled at 50 px per radian: one dash per curve and sample. A phase dash
// truncates its absolute ordinate; the sum truncates its offset and then adds the baseline
// (the same offset the resultant's wave and arrows use).
void DessineBalayage(DrawingSurface& d, State& etat, Affichage affichage) {
    // The winding is asked for once, not per sample; a second star's currents do not change
    // along the air gap.
    const std::shared_ptr<const Bobinage> b = BobinageDe(etat);
    double secondeEtoile[3] = {0.0, 0.0, 0.0};
    if (b->NbEtoiles() > 1)
        for (int k = 0; k < 3; ++k) secondeEtoile[k] = SecondeEtoile(etat, k);
    // A machine of fewer phases leaves the last curves' places empty, their MMF zero.
    const int phases = b->NbPhases();
    for (int k = phases; k < 3; ++k) etat.F[k] = 0.0;
    double theta = 0.0;
    while (theta < kDeuxPi) {
        b->Forces(etat, theta, secondeEtoile, etat.F);
        for (int k = 0; k < phases; ++k) {
            d.SetPenColor(kCouleurPhase[k]);
            const int y = Pixel(etat.Gain * etat.F[k] + kBasePhase0 + kEcartPhases * k);
            d.MoveTo(Pixel(kPixelsParRadian * theta), y);
            d.LineTo(Pixel(kPixelsParRadian * theta + kLongueurTiret), y);
        }
        // About one sample in five carries arrows; the test runs on the accumulated angle.
        const bool fleches = affichage.Vecteurs && std::fmod(theta, (5 * kDeuxPi) / etat.Echelle) <
                                                       kDeuxPi / etat.Echelle;

        d.SetPenColor(kRouge);
        DessineChampPhase1(d, theta, Pixel(etat.Gain * etat.F[1]), affichage, fleches);

        d.SetPenColor(kNoir);
        const int n = Pixel(etat.Gain * ((etat.F[0] + etat.F[1]) + etat.F[2]));
        d.MoveTo(Pixel(kPixelsParRadian * theta), kBaseSomme + n);
        d.LineTo(Pixel(kPixelsParRadian * theta + kLongueurTiret), kBaseSomme + n);
        DessineChampResultant(d, theta, n, affichage, fleches);

        theta = theta + kDeuxPi / etat.Echelle;  // accumulated, never recomputed from an index
    }
}

}  // namespace kest
