// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>

#include "model/Physique.h"
#include "scene/Pixel.h"
#include "scene/Plan.h"
#include "scene/Vues.h"

namespace kest {

// The three current phasors about the centre of the Fresnel diagram; each current is stored before
// its phasor is drawn, for the sweep that follows. The pen is left green, solid, 1 px.
void DessineFresnel(DrawingSurface& d, State& etat) {
    for (int k = 0; k < 3; ++k) {
        const Courant c = CourantPhase(etat, k);
        etat.I[k] = c.valeur;
        d.SetPenColor(kCouleurPhase[k]);
        d.MoveTo(kFresnelX, kFresnelY);
        d.LineTo(Pixel(kLongueurPhaseur * std::cos(c.phi) + kFresnelX),
                 Pixel(kFresnelY - kLongueurPhaseur * std::sin(c.phi)));
    }
}

}  // namespace kest
