// SPDX-License-Identifier: GPL-3.0-or-later
// The single-phase motor's picture against its circuit solved here: the Fresnel phasors of the
// voltage and of the two currents, the auxiliary's marker on the crest of the MMF its winding
// draws, and a picture that owes nothing to the machine drawn before it.

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <optional>
#include <string>

#include "model/Monophase.h"
#include "model/Physique.h"
#include "scene/Plan.h"
#include "scene/Vues.h"
#include "tests/support/Bobinage.h"
#include "tests/support/Scene.h"

using namespace kest;
using namespace kest::test;
using Complexe = std::complex<double>;

namespace {

// The tip of the Fresnel phasor drawn in colour c.
std::optional<Point> Phaseur(const RecordingSurface& r, Couleur c) {
    for (const auto& g : r.segments())
        if (g.x1 == kFresnelX && g.y1 == kFresnelY && g.stylo.couleur == c)
            return Point{g.x2, g.y2};
    return std::nullopt;
}

}  // namespace

TEST(Moteur, PhasorsAndMarkersFollowTheCircuit) {
    for (const State& bobinage : {EtatClassique(1, 2), EtatClassique(2, 2), Encoches(24, 2, 2, 5)})
        for (int d = 0; d < kNombreDemarrages; ++d)
            for (const double t : {0.0013, 0.0071}) {
                const int p = bobinage.p;
                SCOPED_TRACE(std::to_string(p) + " " + std::to_string(d) + " " + std::to_string(t));
                State s = EnMoteur(bobinage, static_cast<Demarrage>(d));
                s.condensateur = 90.0, s.t = t;
                const double* z = s.impedances;
                // The auxiliary's circuit: C as the start has it (the quadrature one by its
                // reactance X_a + R_a·R_m/X_m).
                double xc = 1e6 / (s.Omega * 90.0);
                if (s.demarrage == Demarrage::Quadrature) xc = z[3] + z[2] * z[0] / z[1];
                if (s.demarrage == Demarrage::Resistive) xc = 0.0;
                const Complexe im = 230.0 / Complexe(z[0], z[1]);
                const Complexe ia = s.demarrage == Demarrage::Ouverte
                                        ? Complexe()
                                        : 230.0 / Complexe(z[2], z[3] - xc);
                const RecordingSurface r = Dessiner(s);
                const double wt = s.Omega * t;
                const struct {
                    Couleur couleur;
                    Complexe phaseur;  // per unit of the larger current
                } attendus[] = {{kNoir, 1.0},
                                {kBleu, im / std::max(std::abs(im), std::abs(ia))},
                                {kRouge, ia / std::max(std::abs(im), std::abs(ia))}};
                for (const auto& a : attendus) {
                    const std::optional<Point> pointe = Phaseur(r, a.couleur);
                    ASSERT_TRUE(pointe) << std::hex << a.couleur;
                    const Complexe fin = double(kLongueurPhaseur) * a.phaseur * std::polar(1.0, wt);
                    EXPECT_NEAR(pointe->x, kFresnelX + fin.real(), 1.0) << std::hex << a.couleur;
                    EXPECT_NEAR(pointe->y, kFresnelY - fin.imag(), 1.0) << std::hex << a.couleur;
                }
                // The red marker on the auxiliary's curve stands on the crest of its winding's
                // MMF at unit current, found by a Fourier sum of what the sweep draws.
                State unite = s;
                unite.I[0] = 0.0, unite.I[1] = 1.0, unite.I[2] = 0.0;
                Complexe c;
                for (int i = 0; i < 4096; ++i) {
                    const double theta = kDeuxPi * (i + 0.5) / 4096;
                    c += ForcePhase(unite, 1, theta) * std::polar(1.0, -p * theta);
                }
                const double crete = std::remainder(-std::arg(c), kDeuxPi) / p;
                bool marque = false;
                for (const auto& g : r.segments())
                    if (g.stylo.couleur == kRouge && g.stylo.largeur == 2 && g.x1 == g.x2 &&
                        g.y1 == kBasePhase1 && g.y2 < g.y1)
                        marque = std::abs(g.x1 - kPixelsParRadian * crete) <= 1.0;
                EXPECT_TRUE(marque) << crete;

                // The window's state drew the three-phase stator before: the same picture.
                State avant = bobinage;
                avant.t = t;
                Dessiner(avant);
                avant.machine = s.machine, avant.demarrage = s.demarrage;
                avant.condensateur = s.condensateur;
                EXPECT_TRUE(MemesTraits(Dessiner(avant).appels, r.appels));
            }
}
