#include <cmath>

#include "Physique.h"
#include "Pixel.h"
#include "Vues.h"

namespace kest {

// The three current phasors, 40 px long about (400, 100); each current is stored before its
// phasor is drawn, for the sweep that follows. The pen is left green, solid, 1 px.
void DessineFresnel(DrawingSurface& d, State& s) {
    for (int k = 0; k < 3; ++k) {
        const Courant c = CourantPhase(s, k);
        s.I[k] = c.valeur;
        d.SetPenColor(kCouleurPhase[k]);
        d.MoveTo(400, 100);
        d.LineTo(Pixel(40 * std::cos(c.phi) + 400), Pixel(100 - 40 * std::sin(c.phi)));
    }
}

}  // namespace kest
