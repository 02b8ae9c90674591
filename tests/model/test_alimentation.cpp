// SPDX-License-Identifier: GPL-3.0-or-later
// The supplies: each one's currents from its definition, the fields of "Libre", and the table
// whose rows are the kinds.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <complex>
#include <cstdint>
#include <optional>
#include <string>

#include "model/Alimentation.h"
#include "model/Erreur.h"
#include "model/Physique.h"

using namespace kest;

namespace {

// Each supply's currents, from its definition: the balanced one bit for bit as the picture
// has always computed it (double star's second star included), an open phase's two line
// currents exactly opposite.
TEST(CourantPhase, TheFiveSupplies) {
    const double r3 = std::sqrt(3.0) / 2;
    for (double t : {0.0, 0.0013, 0.0172, 123.456}) {
        SCOPED_TRACE("t=" + std::to_string(t));
        State s;
        s.t = t, s.Imax = 1.5;
        const double w = s.Omega * t;
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(std::bit_cast<std::uint64_t>(CourantPhase(s, k).valeur),
                      std::bit_cast<std::uint64_t>(std::sin(w - k * 2.0943951023931953) * 1.5));
            EXPECT_EQ(SecondeEtoile(s, k), std::sin(w - k * 2.0943951023931953 - kPiSur6));
        }
        // The double star's second star is fed through a star–delta transformer: the forward
        // sequence comes out π/6 later, the backward one π/6 earlier, the zero sequence not at
        // all. A single phase is a third of each sequence; a lost phase's sequences are
        // written here from its line currents themselves, r3·sin(w + π/6)·(1, −1, 0).
        const auto avant = [&](int k) { return std::sin(w - k * 2 * kPi / 3 - kPi / 6); };
        const auto arriere = [&](int k) { return std::sin(w + k * 2 * kPi / 3 + kPi / 6); };
        const auto coupee = [&](int k) {
            // I0 = r3·e^{jπ/6}, I1 = −I0: forward (I0 − a·I0)/3 and backward (I0 − a²·I0)/3.
            const std::complex<double> i0 = std::polar(r3, kPi / 6);
            const std::complex<double> a = std::polar(1.0, 2 * kPi / 3);
            const std::complex<double> d = (i0 - a * i0) / 3.0, b = (i0 - a * a * i0) / 3.0;
            const std::complex<double> ph = d * std::polar(1.0, -k * 2 * kPi / 3 - kPi / 6) +
                                            b * std::polar(1.0, k * 2 * kPi / 3 + kPi / 6);
            return (ph * std::polar(1.0, w)).imag();
        };
        const struct {
            Alimentation alimentation;
            double attendu[3];
            double secondeEtoile[3];
        } cas[] = {
            {AlimentationDe("inverse"),
             {std::sin(w), std::sin(w + 2 * kPi / 3), std::sin(w + 4 * kPi / 3)},
             {arriere(0), arriere(1), arriere(2)}},
            {AlimentationDe("monophasee"),
             {std::sin(w), 0, 0},
             {(avant(0) + arriere(0)) / 3, (avant(1) + arriere(1)) / 3,
              (avant(2) + arriere(2)) / 3}},
            {AlimentationDe("phase-coupee"),
             {r3 * std::sin(w + kPi / 6), -r3 * std::sin(w + kPi / 6), 0},
             {coupee(0), coupee(1), coupee(2)}},
            {kAlimentationLibre,
             {std::sin(w), std::sin(w - 2 * kPi / 3), std::sin(w - 4 * kPi / 3)},
             {avant(0), avant(1), avant(2)}},
        };
        for (const auto& c : cas) {
            ChoisirAlimentation(s, c.alimentation);
            for (int k = 0; k < 3; ++k) {
                EXPECT_NEAR(CourantPhase(s, k).valeur, 1.5 * c.attendu[k], 1e-9)
                    << NomAlimentation(c.alimentation) << " k=" << k << " t=" << t;
                EXPECT_NEAR(SecondeEtoile(s, k), c.secondeEtoile[k], 1e-9)
                    << NomAlimentation(c.alimentation) << " k=" << k << " t=" << t;
            }
        }
        // Three equal currents in phase are a pure zero sequence: nothing reaches the second star.
        State zero = s;
        zero.alimentation = kAlimentationLibre;
        zero.dephasagesLibres[1] = zero.dephasagesLibres[2] = 0.0;
        for (int k = 0; k < 3; ++k) EXPECT_NEAR(SecondeEtoile(zero, k), 0.0, 1e-12);
        ChoisirAlimentation(s, AlimentationDe("phase-coupee"));
        EXPECT_EQ(
            (CourantPhase(s, 0).valeur + CourantPhase(s, 1).valeur) + CourantPhase(s, 2).valeur,
            0.0);
    }
    // Two phases in series carry one current, bit for bit, at every instant.
    State s;
    ChoisirAlimentation(s, AlimentationDe("phase-coupee"));
    for (int n = 0; n < 1000; ++n) {
        s.t = n * 1.7e-4;
        ASSERT_EQ(CourantPhase(s, 1).valeur, -CourantPhase(s, 0).valeur) << s.t;
    }
}

// The six fields of "Libre": read with the locale's separator; a wrong field is named and not
// stored, and does not stop the correct ones (a stale "inf" in one field never blocks a change in
// another).
TEST(AppliquerAlimentationLibre, KeepsTheCorrectFieldsAndNamesTheWrongOne) {
    State s;
    AppliquerAlimentationLibre(s, {{"1", "0,5", "2"}, {"0", "-90", "1e2"}}, ",");
    EXPECT_EQ(s.alimentation, kAlimentationLibre);
    EXPECT_EQ(s.amplitudesLibres[1], 0.5);
    EXPECT_EQ(s.dephasagesLibres[2], 100.0);
    EXPECT_NEAR(ParametresPhase(s, 1).delta, -kPi / 2, 1e-15);
    EXPECT_EQ(SaisieAlimentationAffichee(s, ",").amplitudes[1], "0,5");

    const struct {
        SaisieAlimentation saisie;
        const char* message;
        double amplitudes[3], dephasages[3];  // what is stored
    } refus[] = {
        {{{"1,5", "2,5", "1"}, {"0", "120", "240"}},
         "Amplitude 2 : '2,5' n'est pas une amplitude correcte (0 à 2)",
         {1.5, 1, 1},
         {0, 120, 240}},
        {{{"1", "1", "-0,1"}, {"0", "120", "240"}},
         "Amplitude 3 : '-0,1' n'est pas une amplitude correcte (0 à 2)",
         {1, 1, 1},
         {0, 120, 240}},
        {{{"1", "1", "abc"}, {"0", "120", "240"}},
         "Amplitude 3 : 'abc' n'est pas une valeur en virgule flottante correcte",
         {1, 1, 1},
         {0, 120, 240}},
        {{{"1", "1", "1"}, {"0", "1.5", "250"}},
         "Retard 2 : '1.5' n'est pas une valeur en virgule flottante correcte",
         {1, 1, 1},
         {0, 120, 250}},
        {{{"1", "1", "1"}, {"inf", "0", "1e999"}},
         "Retard 1 : 'inf' n'est pas une valeur en virgule flottante correcte",
         {1, 1, 1},
         {0, 0, 240}},
        {{{"0,25", "1", "1"}, {"0", "120", "1e999"}},
         "Retard 3 : Débordement en virgule flottante",
         {0.25, 1, 1},
         {0, 120, 240}},
    };
    for (const auto& r : refus) {
        State essai;
        ChoisirAlimentation(essai, AlimentationDe("monophasee"));
        try {
            AppliquerAlimentationLibre(essai, r.saisie, ",");
            ADD_FAILURE() << r.message;
        } catch (const Erreur& e) {
            EXPECT_EQ(e.message(), r.message);
        }
        EXPECT_EQ(essai.alimentation, kAlimentationLibre) << r.message;
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(essai.amplitudesLibres[k], r.amplitudes[k]) << r.message << k;
            EXPECT_EQ(essai.dephasagesLibres[k], r.dephasages[k]) << r.message << k;
        }
    }
    // Options are a whole: a wrong value in a list changes nothing.
    State options;
    EXPECT_THROW(LireOptionsAlimentation(options, {std::nullopt, "0.5,1,1", "0,x,0"}), Erreur);
    EXPECT_EQ(options.alimentation, Alimentation::Equilibree);
    EXPECT_EQ(options.amplitudesLibres[0], 1.0);
}

}  // namespace

// A kind of supply is a row of its table: each row's key reads back its own row, is written
// back by a link, is listed in the refusal's message, and a number past the table is none.
TEST(Alimentation, EachRowIsReadByItsKeyAndWrittenBack) {
    for (int i = 0; i < kNombreAlimentations; ++i) {
        const std::string cle = kTypesAlimentation[i].cle;
        State s;
        s.alimentation = kAlimentationLibre;
        LireOptionsAlimentation(s, {cle, std::nullopt, std::nullopt});
        EXPECT_EQ(static_cast<int>(s.alimentation), i) << cle;
        EXPECT_EQ(NomAlimentation(s.alimentation), kTypesAlimentation[i].nom) << cle;
        EXPECT_EQ(OptionsAlimentationEcrites(s).alimentation.value_or("equilibree"), cle);
        EXPECT_NE(ClesAlimentation().find(cle), std::string::npos) << cle;
    }
    EXPECT_FALSE(EstAlimentation(-1));
    EXPECT_FALSE(EstAlimentation(kNombreAlimentations));
    EXPECT_EQ(&TypeDe(static_cast<Alimentation>(kNombreAlimentations)), &kTypesAlimentation[0]);
}
