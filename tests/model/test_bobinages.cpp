// SPDX-License-Identifier: GPL-3.0-or-later
// Every winding through its one interface: the coefficients it gives against a Fourier sum of
// the MMF it draws, and the spectrum in electrical orders against the one in mechanical orders.

#include <gtest/gtest.h>

#include <complex>
#include <string>
#include <vector>

#include "model/Alimentation.h"
#include "model/Bobinage.h"
#include "model/Harmoniques.h"
#include "tests/support/Bobinage.h"

using namespace kest;
using namespace kest::test;
using Complexe = std::complex<double>;

namespace {

struct Cas {
    std::string nom;
    State etat;
};

class Bobinages : public testing::TestWithParam<Cas> {};

// A custom winding that does not close: slot 1's top side of three turns, slot 2's emptied.
State Ouvert() {
    State s = Encoches(24, 2, 2, 5);
    EditerCellule(s, 0, 0, {0, 3});
    EditerCellule(s, 1, 0, {});
    return s;
}

// The winding's own unit coefficients against (1/π)·∫ F·e^{−iνθ} dθ of its drawn MMF, summed at
// the middles of N steps of the air gap: one star at a time carrying its unit current. The
// single order, all orders at once and the resultant at any instant are the same numbers.
TEST_P(Bobinages, CoefficientsAreTheTransformOfTheDrawnMmf) {
    const State s = GetParam().etat;
    const auto b = BobinageDe(s);
    constexpr int kN = 1 << 14, kOrdres = 40;
    for (int k = 0; k < b->NbPhases(); ++k) {
        for (int e = 0; e < b->NbEtoiles(); ++e) {
            State unite = s;
            unite.I[0] = unite.I[1] = unite.I[2] = 0.0;
            unite.I[k] = e == 0 ? 1.0 : 0.0;
            std::vector<Complexe> somme(kOrdres + 1);
            for (int i = 0; i < kN; ++i) {
                const double theta = kDeuxPi * (i + 0.5) / kN;
                const double f = b->Force(unite, k, theta, e == 0 ? 0.0 : 1.0);
                for (int nu = 1; nu <= kOrdres; ++nu) somme[nu] += f * std::polar(1.0, -nu * theta);
            }
            const std::vector<Complexe> tous = b->Coefficients(k, e, 1, kOrdres);
            for (int nu = 1; nu <= kOrdres; ++nu) {
                const Complexe attendu = somme[nu] * (kDeuxPi / kN) / kPi;
                EXPECT_LT(std::abs(tous[nu] - attendu), 2e-3)
                    << "k=" << k << " e=" << e << " ν=" << nu;
                EXPECT_LT(std::abs(b->Coefficient(k, e, nu) - tous[nu]), 1e-12) << nu;
            }
        }
    }
    for (const Alimentation a :
         {Alimentation::Equilibree, AlimentationDe("phase-coupee"), kAlimentationLibre}) {
        State x = s;
        x.alimentation = a;
        x.amplitudesLibres[1] = 0.4;
        x.t = 0.0037;
        const std::vector<Complexe> c = CoefficientsUnitaires(*b, 1, kOrdres).Resultante(x);
        for (int nu = 1; nu <= kOrdres; ++nu)
            EXPECT_LT(std::abs(c[nu] - b->CoefficientResultant(x, nu)), 1e-9) << nu;
    }
}

// One spectrum for every winding: a classic winding's electrical order h is its mechanical
// order h·p, the same crest and parts; a slot winding is shown in mechanical orders.
TEST_P(Bobinages, OneSpectrumInEitherOrders) {
    for (const Alimentation a : {Alimentation::Equilibree, AlimentationDe("monophasee")}) {
        State s = GetParam().etat;
        s.alimentation = a;
        s.t = 0.0021;
        const Spectre sp = SpectreDe(s, false);
        const HarmoniquesMecaniques m = AnalyseMecanique(s);
        EXPECT_EQ(sp.electrique,
                  s.typeBobinage == TypeBobinage::Classique && s.machine == Machine::Triphasee);
        EXPECT_EQ(sp.travail, sp.electrique ? 1 : s.p);
        for (const LigneHarmonique& l : sp.lignes) {
            const int nu = sp.electrique ? l.ordre * s.p : l.ordre;
            if (nu > m.OrdreMax()) continue;
            EXPECT_EQ(l.sens, m.sens[nu]) << l.ordre;
            ASSERT_TRUE(l.direct && l.inverse) << l.ordre;
            EXPECT_NEAR(*l.direct, *m.DirectRelatif(nu), 1e-12) << l.ordre;
            EXPECT_NEAR(*l.inverse, *m.InverseRelatif(nu), 1e-12) << l.ordre;
            EXPECT_NEAR(l.facteurs.kw, BobinageDe(s)->Facteur(nu), 1e-12) << l.ordre;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tous, Bobinages,
    testing::Values(Cas{"parfaite_p2", EtatClassique(2, 3, kPi, Parfaite)},
                    Cas{"reelle_p1", EtatClassique(1, 2)},
                    Cas{"reelle_p2_court", EtatClassique(2, 3, 5 * kPi / 6)},
                    Cas{"double_etoile_p3", EtatClassique(3, 2, 2.6, DoubleEtoile)},
                    Cas{"encoches_12_10", Encoches(12, 5, 2, 1)},
                    Cas{"encoches_36_4", Encoches(36, 2, 1, 9)},
                    Cas{"encoches_24_4_court", Encoches(24, 2, 2, 5)},
                    Cas{"moteur_parfaite_p2", EnMoteur(EtatClassique(2, 3, kPi, Parfaite))},
                    Cas{"moteur_reelle_p1", EnMoteur(EtatClassique(1, 2))},
                    Cas{"moteur_p2_court", EnMoteur(EtatClassique(2, 1, 5 * kPi / 6))},
                    Cas{"perso_bobine_inversee", BobineInversee(Encoches(12, 5, 2, 1), 0)},
                    Cas{"perso_ouvert", Ouvert()}),
    [](const testing::TestParamInfo<Cas>& i) { return i.param.nom; });

}  // namespace
