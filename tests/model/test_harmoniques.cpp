// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "model/Alimentation.h"
#include "model/Erreur.h"
#include "model/Harmoniques.h"
#include "model/Physique.h"
#include "tests/support/Bobinage.h"

using namespace kest;
using namespace kest::test;

namespace {

TEST(Facteurs, TextbookValues) {
    EXPECT_NEAR(FacteursBobinage(EtatClassique(1, 2), 1).kd, 0.9659, 5e-5);
    EXPECT_NEAR(FacteursBobinage(EtatClassique(3, 3), 1).kd, 0.9598, 5e-5);
    EXPECT_NEAR(FacteursBobinage(EtatClassique(2, 3, 5 * kPi / 6), 1).kp, 0.9659, 5e-5);
    EXPECT_DOUBLE_EQ(FacteursBobinage(EtatClassique(1, 1), 7).kd, 1.0);
    // Short pitch 5/6 kills no order but lowers the 5th and 7th to sin(25π/12) = 0.2588.
    const Facteurs f5 = FacteursBobinage(EtatClassique(1, 2, 5 * kPi / 6), 5);
    EXPECT_NEAR(std::abs(f5.kp), 0.2588, 5e-5);
    EXPECT_NEAR(f5.kw, f5.kp * f5.kd * f5.ke, 1e-15);

    // The double star removes the 5th and 7th and keeps the fundamental whole.
    const State d = EtatClassique(1, 2, kPi, DoubleEtoile);
    EXPECT_DOUBLE_EQ(FacteursBobinage(d, 1).ke, 1.0);
    for (int h : {5, 7, 17, 19}) {
        EXPECT_NEAR(FacteursBobinage(d, h).ke, 0.0, 1e-15) << h;
        EXPECT_NEAR(AmplitudeAnalytique(d, h), 0.0, 1e-15) << h;
        EXPECT_LT(HarmoniquesNumeriques(d).Relatif(h).value(), 1e-3) << h;
    }
    // The 11th (backward) and 13th (forward) come out whole: cos((11 + 1)π/12) = −1.
    EXPECT_NEAR(FacteursBobinage(d, 11).ke, -1.0, 1e-15);
    EXPECT_NEAR(FacteursBobinage(d, 13).ke, -1.0, 1e-15);
    EXPECT_NEAR(FacteursBobinage(d, 23).ke, 1.0, 1e-15);

    // Edges: no winding, a coil wider than the span or negative, the ideal distribution.
    EXPECT_EQ(AmplitudeAnalytique(EtatClassique(1, -1), 1), 0.0);
    EXPECT_EQ(FacteursBobinage(EtatClassique(1, 0), 1).kw, 0.0);
    EXPECT_EQ(FacteursBobinage(EtatClassique(1, 2, 7.0), 1).kp, 0.0);
    EXPECT_EQ(FacteursBobinage(EtatClassique(1, 2, -1.0), 1).kp, 0.0);
    EXPECT_DOUBLE_EQ(AmplitudeAnalytique(EtatClassique(2, 2, kPi, Parfaite), 1), 0.75);
    EXPECT_EQ(AmplitudeAnalytique(EtatClassique(2, 2, kPi, Parfaite), 5), 0.0);
    // A stale slot pitch (m changed, Y failed): the factors read the stored Alpha.
    State perime = EtatClassique(1, 1);
    perime.m = 4;
    const double g = perime.p * perime.Alpha;
    EXPECT_NEAR(FacteursBobinage(perime, 5).kd, std::sin(5 * 4 * g / 2) / (4 * std::sin(5 * g / 2)),
                1e-12);
}

// The formulas against the transform of the model's own resultant, at several instants, over
// a grid and the dialog's extremes: short coils (a small fundamental, every edge counting),
// the largest winding, a negative and a wider-than-span opening. The largest difference is
// printed. The balanced phases leave no multiple of 3 a direction.
TEST(Harmoniques, AnalyticAgreesWithTheModelOverEveryWinding) {
    std::vector<State> etats;
    for (int p = 1; p <= 4; ++p)
        for (int m = -1; m <= 5; ++m)
            for (double y : {kPi, 5 * kPi / 6, 2 * kPi / 3, 0.0, 7.0})
                for (Distribution d : {Parfaite, Reelle, DoubleEtoile})
                    etats.push_back(EtatClassique(p, m, y, d));
    for (Distribution d : {Reelle, DoubleEtoile})
        for (auto [p, m, y] : {std::tuple{1, 1, 0.5},
                               {12, 1, 0.1},
                               {99, 99, 1e-3},
                               {7, 1, 6.2},
                               {3, 99, 0.05},
                               {99, 1, 3.14159265358979},
                               {5, 7, -0.3}})
            etats.push_back(EtatClassique(p, m, y, d));
    double pire = 0.0;
    for (State s : etats)
        for (double t : {0.0, 0.0071, 37 * kDeuxPi / 100 / s.Omega}) {
            s.t = t;
            const Harmoniques sp = HarmoniquesNumeriques(s);
            const double a1 = AmplitudeAnalytique(s, 1);
            const std::string ligne = NomBobinage(s) + " t=" + std::to_string(t);
            for (int h = 1; h <= kOrdreMax; ++h) {
                const double ecart =
                    std::abs(sp.amplitude[h] - AmplitudeAnalytique(s, h)) / (a1 > 0 ? a1 : 1.0);
                pire = std::max(pire, ecart);
                ASSERT_LT(ecart, 1e-3) << ligne << " h=" << h;
                if (sp.sens[h] != Sens::Absent || SensTheorique(h) == Sens::Absent) {
                    ASSERT_EQ(sp.sens[h], SensTheorique(h)) << ligne << " h=" << h;
                }
            }
            ASSERT_EQ(sp.distorsion.has_value(), a1 > 0) << ligne;
        }
    std::cout << "largest |numeric - analytic| / A(1): " << pire << '\n';
    RecordProperty("ecart_max", std::to_string(pire));
}

// Every supply's forward and backward parts of every order, measured on the model's resultant,
// against the formulas: per unit of the balanced fundamental, order h's part is
// 3/(π·h)·|k_p·k_d·k_e|·|D_h| (forward) or ·|B_h| (backward), with the double star's k_e of
// that direction, cos((h − 1)·π/12) forward and cos((h + 1)·π/12) backward.
TEST(Harmoniques, ForwardAndBackwardPartsOfEverySupply) {
    std::vector<State> supplies;
    for (Alimentation a : {Alimentation::Equilibree, AlimentationDe("inverse"),
                           AlimentationDe("monophasee"), AlimentationDe("phase-coupee")}) {
        State s;
        ChoisirAlimentation(s, a);
        supplies.push_back(s);
    }
    std::mt19937 hasard(7);
    std::uniform_real_distribution<double> amplitude(0.0, 2.0), degres(-360.0, 360.0);
    for (int i = 0; i < 4; ++i) {
        State s;
        s.alimentation = kAlimentationLibre;
        for (int k = 0; k < 3; ++k)
            s.amplitudesLibres[k] = amplitude(hasard), s.dephasagesLibres[k] = degres(hasard);
        supplies.push_back(s);
    }
    double pire = 0.0;
    for (const State& alimentation : supplies)
        for (auto [p, m, y, d] : {std::tuple{1, 2, kPi, Reelle},
                                  {2, 3, 5 * kPi / 6, DoubleEtoile},
                                  {1, 1, 0.5, Reelle},
                                  {3, 4, 2 * kPi / 3, DoubleEtoile},
                                  {1, 2, kPi, Parfaite},
                                  {12, 1, 0.1, Reelle}})
            for (double t : {0.0, 0.0071}) {
                State s = EtatClassique(p, m, y, d);
                s.alimentation = alimentation.alimentation;
                for (int k = 0; k < 3; ++k) {
                    s.amplitudesLibres[k] = alimentation.amplitudesLibres[k];
                    s.dephasagesLibres[k] = alimentation.dephasagesLibres[k];
                }
                s.t = t;
                const Harmoniques sp = HarmoniquesNumeriques(s);
                const double a1 = 3.0 / kPi * std::abs(FacteursBobinage(s, 1).kw);
                const std::string ligne = NomAlimentation(s.alimentation) + ", " + NomBobinage(s);
                for (int h = 1; h <= kOrdreMax; ++h) {
                    const Facteurs f = FacteursBobinage(s, h);
                    double avant = 3.0 / (kPi * h) * std::abs(f.kp * f.kd) / a1;
                    double arriere = avant;
                    if (d == DoubleEtoile) {
                        // Through the star–delta transformer each sequence reaches the second
                        // star with the shift that makes its own waves of order h add as the
                        // balanced supply's do: the factor depends on h alone, the same for
                        // both directions. The zero sequence (multiples of 3) flows in the
                        // first star only: half the winding.
                        const double ke = h % 3 == 1   ? std::cos((h - 1) * kPi / 12)
                                          : h % 3 == 2 ? std::cos((h + 1) * kPi / 12)
                                                       : 0.5;
                        avant *= std::abs(ke);
                        arriere *= std::abs(ke);
                    }
                    if (d == Parfaite) avant = arriere = h == 1 ? 1.0 : 0.0;
                    const Sequences sq = ComposantesSymetriques(s, h);
                    const double ecarts[] = {
                        std::abs(sp.DirectRelatif(h).value() - avant * std::abs(sq.direct)),
                        std::abs(sp.InverseRelatif(h).value() - arriere * std::abs(sq.inverse))};
                    for (const double e : ecarts) {
                        pire = std::max(pire, e);
                        ASSERT_LT(e, 1e-3) << ligne << " t=" << t << " h=" << h;
                    }
                }
            }
    std::cout << "largest |numeric - formula| of the two parts: " << pire << '\n';

    // The lessons' figures: a single phase and an open phase split evenly between the two
    // directions; reversed phases turn the field around.
    const struct {
        Alimentation alimentation;
        double avant, arriere;
    } lecons[] = {{Alimentation::Equilibree, 1, 0},
                  {AlimentationDe("inverse"), 0, 1},
                  {AlimentationDe("monophasee"), 1.0 / 3, 1.0 / 3},
                  {AlimentationDe("phase-coupee"), 0.5, 0.5}};
    for (const auto& l : lecons) {
        State s = EtatClassique(1, 2);
        s.alimentation = l.alimentation;
        const Harmoniques sp = HarmoniquesNumeriques(s);
        EXPECT_NEAR(sp.DirectRelatif(1).value(), l.avant, 1e-9) << NomAlimentation(l.alimentation);
        EXPECT_NEAR(sp.InverseRelatif(1).value(), l.arriere, 1e-9)
            << NomAlimentation(l.alimentation);
    }
    // A single phase has a pulsating third, the balanced supply none.
    State mono = EtatClassique(1, 2, 5 * kPi / 6);
    mono.alimentation = AlimentationDe("monophasee");
    EXPECT_NE(HarmoniquesNumeriques(mono).sens[3], Sens::Absent);
}

// The distortion sums every order from 2 to 49, each to the precision of the transform: the
// slot harmonics 6m·k ± 1 of m = 4 and m = 8 fall on 47 and 49, the short coil brings the even
// orders, so that a sum ending at 48 or starting at 3 is seen.
TEST(Harmoniques, TheDistortionSumsOrdersTwoToFortyNine) {
    for (const State& s :
         {EtatClassique(1, 4), EtatClassique(2, 8, 2.5), EtatClassique(1, 4, 5 * kPi / 6)}) {
        const std::string ligne = "p=" + std::to_string(s.p) + " m=" + std::to_string(s.m);
        const double a1 = AmplitudeAnalytique(s, 1);
        ASSERT_GT(AmplitudeAnalytique(s, 49), 1e-3 * a1) << ligne;
        double somme = 0;
        for (int h = 2; h <= 49; ++h) somme += std::pow(AmplitudeAnalytique(s, h), 2);
        EXPECT_NEAR(*HarmoniquesNumeriques(s).distorsion, std::sqrt(somme) / a1, 1e-9) << ligne;
    }
}

TEST(Harmoniques, DirectionsDistortionAndTheStateLeftAlone) {
    State s = EtatClassique(1, 2);
    s.t = 0.004;
    for (int k = 0; k < 3; ++k) s.I[k] = 10.0 + k, s.F[k] = 20.0 + k;
    const Harmoniques sp = HarmoniquesNumeriques(s);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(s.I[k], 10.0 + k);
        EXPECT_EQ(s.F[k], 20.0 + k);
    }
    EXPECT_EQ(sp.sens[1], Sens::Direct);
    EXPECT_EQ(sp.sens[5], Sens::Inverse);
    EXPECT_EQ(sp.sens[7], Sens::Direct);
    EXPECT_EQ(sp.sens[3], Sens::Absent);
    EXPECT_LT(sp.direct[5], 1e-2 * sp.inverse[5]);
    double somme = 0;
    for (int h = 2; h <= kOrdreMax; ++h) somme += std::pow(AmplitudeAnalytique(s, h), 2);
    EXPECT_NEAR(*sp.distorsion, std::sqrt(somme) / AmplitudeAnalytique(s, 1), 2e-3);
    EXPECT_GT(*sp.distorsion, 0.1);

    // The ideal distribution has no harmonic; no winding has no fundamental to compare with.
    EXPECT_LT(*HarmoniquesNumeriques(EtatClassique(3, 2, kPi, Parfaite)).distorsion, 1e-9);
    const Harmoniques vide = HarmoniquesNumeriques(EtatClassique(1, -1));
    EXPECT_FALSE(vide.distorsion);
    EXPECT_FALSE(vide.Relatif(5));
    EXPECT_EQ(vide.sens[1], Sens::Absent);

    // The largest winding, and a stale pitch whose belts overrun the span: no trap, no NaN.
    for (State g : {EtatClassique(99, 99, kPi, DoubleEtoile), EtatClassique(1, 1)}) {
        g.m = g.m == 1 ? 99 : g.m;
        const Harmoniques r = HarmoniquesNumeriques(g);
        for (int h = 1; h <= kOrdreMax; ++h)
            ASSERT_TRUE(std::isfinite(r.amplitude[h])) << NomBobinage(g) << " h=" << h;
    }
    EXPECT_NEAR(HarmoniquesNumeriques(EtatClassique(99, 99, kPi, DoubleEtoile)).amplitude[1],
                AmplitudeAnalytique(EtatClassique(99, 99, kPi, DoubleEtoile), 1), 1e-3);
}

}  // namespace

// Under an unbalanced supply an order is "pulsant" only when its two parts are equal, and the
// window lists exactly the orders that have a part: a single phase's odd orders, the multiples
// of 3 included, and no even one for a full-pitch coil.
TEST(Harmoniques, UnbalancedOrdersAndTheirKinds) {
    State mono = EtatClassique(1, 2);
    mono.alimentation = AlimentationDe("monophasee");
    const Harmoniques sp = HarmoniquesNumeriques(mono);
    EXPECT_EQ(OrdresFenetre(mono, sp),
              (std::vector<int>{1, 3, 5, 7, 9, 11, 13, 15, 17, 19, 21, 23, 25}));
    EXPECT_EQ(sp.sens[1], Sens::Pulsant);
    EXPECT_FALSE(sp.distorsion);
    EXPECT_FALSE(sp.Relatif(1));
    // A hint of a second phase makes the parts differ by a few hundred-thousandths: elliptical.
    State presque = mono;
    presque.alimentation = kAlimentationLibre;
    presque.amplitudesLibres[0] = 1, presque.amplitudesLibres[1] = 1e-4;
    presque.amplitudesLibres[2] = 0;
    EXPECT_EQ(HarmoniquesNumeriques(presque).sens[1], Sens::Elliptique);
    State inverse = EtatClassique(2, 3, 5 * kPi / 6, DoubleEtoile);
    inverse.alimentation = AlimentationDe("inverse");
    EXPECT_EQ(HarmoniquesNumeriques(inverse).sens[1], Sens::Inverse);
}
