// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cmath>
#include <complex>

#include "model/Alimentation.h"
#include "model/Monophase.h"
#include "model/Physique.h"
#include "scene/Pixel.h"
#include "scene/Plan.h"
#include "scene/Vues.h"

namespace kest {

namespace {

void Phaseur(DrawingSurface& d, double longueur, double angle) {
    d.MoveTo(kFresnelX, kFresnelY);
    d.LineTo(Pixel(longueur * std::cos(angle) + kFresnelX),
             Pixel(kFresnelY - longueur * std::sin(angle)));
}

// The single-phase motor: the supply voltage, the reference, in black, then the main and the
// auxiliary currents as they are (not their ampere-turns), the larger kLongueurPhaseur long.
// The phases' currents of the sweep are the windings' ampere-turns (PhaseMoteur).
void DessineFresnelMoteur(DrawingSurface& d, State& etat) {
    const Moteur m = MoteurDe(etat);
    const double wt = etat.Omega * etat.t;
    d.SetPenColor(kNoir);
    Phaseur(d, kLongueurPhaseur, wt);
    const double base = std::max(std::abs(m.principal), std::abs(m.auxiliaire));
    const std::complex<double> courants[2] = {m.principal, m.auxiliaire};
    for (int k = 0; k < 3; ++k) etat.I[k] = CourantPhase(etat, k).valeur;
    for (int k = 0; k < 2; ++k) {
        d.SetPenColor(kCouleurPhase[k]);
        Phaseur(d, kLongueurPhaseur * (std::abs(courants[k]) / base), wt + std::arg(courants[k]));
    }
}

}  // namespace

// The three current phasors about the centre of the Fresnel diagram; each current is stored before
// its phasor is drawn, for the sweep that follows. The pen is left green, solid, 1 px. The
// balanced phasors are all kLongueurPhaseur long; an unbalanced supply's are a_k times that, so
// that each phasor's height still follows its current.
void DessineFresnel(DrawingSurface& d, State& etat) {
    if (etat.machine == Machine::Monophasee) {
        DessineFresnelMoteur(d, etat);
        return;
    }
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
