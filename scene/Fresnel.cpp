// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>

#include "model/Alimentation.h"
#include "model/Physique.h"
#include "scene/Pixel.h"
#include "scene/Plan.h"
#include "scene/Vues.h"

namespace kest {

// The three current phasors about the centre of the Fresnel diagram; each current is stored before
// its phasor is drawn, for the sweep that follows. The pen is left green, solid, 1 px. The
// balanced phasors are all kLongueurPhaseur long; an unbalanced supply's are a_k times that, so
// that each phasor's height still follows its current.
void DessineFresnel(DrawingSurface& d, State& etat) {
    const bool equilibree = etat.alimentation == Alimentation::Equilibree;
    for (int k = 0; k < 3; ++k) {
        const Courant c = CourantPhase(etat, k);
        etat.I[k] = c.valeur;
        d.SetPenColor(kCouleurPhase[k]);
        d.MoveTo(kFresnelX, kFresnelY);
        if (equilibree) {
            d.LineTo(Pixel(kLongueurPhaseur * std::cos(c.phi) + kFresnelX),
                     Pixel(kFresnelY - kLongueurPhaseur * std::sin(c.phi)));
        } else {
            const double longueur = kLongueurPhaseur * ParametresPhase(etat, k).a;
            d.LineTo(Pixel(longueur * std::cos(c.phi) + kFresnelX),
                     Pixel(kFresnelY - longueur * std::sin(c.phi)));
        }
    }
}

}  // namespace kest
