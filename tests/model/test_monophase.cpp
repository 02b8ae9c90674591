// SPDX-License-Identifier: GPL-3.0-or-later
// The single-phase motor against its physics computed another way: the forward and backward
// waves of the drawn MMF by a Fourier sum over the air gap and one period, against the phasors of
// the standstill circuit solved here; the example motor's design; the refusals.

#include <gtest/gtest.h>

#include <complex>
#include <optional>
#include <random>
#include <string>

#include "model/Erreur.h"
#include "model/Harmoniques.h"
#include "model/Monophase.h"
#include "model/Physique.h"
#include "tests/support/Bobinage.h"

using namespace kest;
using namespace kest::test;
using Complexe = std::complex<double>;

namespace {

// (1/π)(1/T)·∫∫ F(θ, t)·e^{−i(pθ ∓ ωt)} over the turn and one period, by sums at the middles of
// the steps: the forward (−) and backward (+) waves' amplitudes of the drawn resultant. `seule`
// keeps one winding's current only.
struct Ondes {
    double direct, inverse;
};
Ondes OndesDessinees(State s, int seule = -1) {
    constexpr int kTheta = 4096, kTemps = 48;
    Complexe d, b;
    for (int j = 0; j < kTemps; ++j) {
        const double wt = kDeuxPi * (j + 0.5) / kTemps;
        s.t = wt / s.Omega;
        for (int k = 0; k < 3; ++k)
            s.I[k] = (seule < 0 || seule == k) ? CourantPhase(s, k).valeur : 0;
        for (int i = 0; i < kTheta; ++i) {
            const double theta = kDeuxPi * (i + 0.5) / kTheta;
            const double f = ForcePhase(s, 0, theta) + ForcePhase(s, 1, theta);
            d += f * std::polar(1.0, -(s.p * theta - wt));
            b += f * std::polar(1.0, -(s.p * theta + wt));
        }
    }
    const double n = 0.5 * kTheta * kTemps;
    return {std::abs(d) / n, std::abs(b) / n};
}

// The standstill circuit solved here: I = V/Z, the auxiliary through −j/(ωC) (µF; 0 open,
// infinite none).
Complexe CourantCircuit(double r, double x, double microfarads, double omega) {
    if (microfarads == 0.0) return {};
    const double xc = std::isfinite(microfarads) ? 1e6 / (omega * microfarads) : 0.0;
    return 230.0 / Complexe(r, x - xc);
}

}  // namespace

// Forward |I_m − j·a·I_a|/2 and backward |I_m + j·a·I_a|/2 per unit of what the main winding's
// current alone makes (a pulsating wave of twice |I_m|/2): the drawn MMF's two waves, for the
// four starts and random free values, p = 1 and 2, both stepped and ideal windings. The spectrum
// gives the same two parts.
TEST(Moteur, ForwardAndBackwardWavesOfTheDrawnMmfAreThoseOfTheCircuit) {
    std::mt19937 aleatoire(7);
    std::uniform_real_distribution<double> u(0.0, 1.0);
    int cas = 0;
    for (const State& bobinage :
         {EtatClassique(1, 2), EtatClassique(2, 1, 5 * kPi / 6), EtatClassique(2, 3, kPi, Parfaite),
          Encoches(24, 2, 2, 5), Encoches(8, 1, 1, 4)})
        for (int d = 0; d < kNombreDemarrages + 3; ++d) {
            State s =
                EnMoteur(bobinage, static_cast<Demarrage>(std::min(d, kNombreDemarrages - 1)));
            if (d >= kNombreDemarrages - 1) {  // "Libre", random values
                s.condensateur =
                    d == kNombreDemarrages ? kCurseurMin + 800 * u(aleatoire) : s.condensateur;
                s.rapport = 0.1 + 9.9 * u(aleatoire);
                for (double& z : s.impedances) z = 0.5 + 20 * u(aleatoire);
            }
            SCOPED_TRACE(std::to_string(cas++));
            // What the start means, independently of the model.
            const double w = s.Omega;
            const Complexe im = CourantCircuit(s.impedances[0], s.impedances[1], INFINITY, w);
            double c = s.condensateur, a = s.rapport;
            if (s.demarrage == Demarrage::Resistive) c = INFINITY, a = 1.0;
            if (s.demarrage == Demarrage::Ouverte) c = 0.0;
            if (s.demarrage == Demarrage::Quadrature) {
                // The capacitance whose current leads I_m by exactly 90°, found by bisection.
                double bas = 1.0, haut = 1e5;
                for (int i = 0; i < 200; ++i) {
                    const double milieu = std::sqrt(bas * haut);
                    const double ecart =
                        std::arg(CourantCircuit(s.impedances[2], s.impedances[3], milieu, w) / im);
                    (ecart > kPiSur2 ? bas : haut) = milieu;
                }
                c = bas;
                a = std::abs(im / CourantCircuit(s.impedances[2], s.impedances[3], c, w));
            }
            const Complexe ia = CourantCircuit(s.impedances[2], s.impedances[3], c, w);
            const Complexe j(0.0, 1.0);
            const double direct = std::abs(im - j * a * ia) / 2 / std::abs(im);
            const double inverse = std::abs(im + j * a * ia) / 2 / std::abs(im);

            // The design's backward / forward ratio now.
            const std::optional<double> rapport = ConceptionDe(s).inverseSurDirect;
            ASSERT_TRUE(rapport);
            EXPECT_NEAR(*rapport, inverse / direct, 1e-9 * (1 + inverse / direct));

            const Ondes principal = OndesDessinees(s, 0), ondes = OndesDessinees(s);
            EXPECT_NEAR(principal.direct, principal.inverse, 1e-9 * principal.direct);
            const double unite = 2 * principal.direct;  // the main current's pulsating crest
            EXPECT_NEAR(ondes.direct / unite, direct, 1e-3 * (1 + direct));
            EXPECT_NEAR(ondes.inverse / unite, inverse, 1e-3 * (1 + inverse));

            // The spectrum's parts of the working wave: per unit of the balanced field, whose
            // main ampere-turns are the larger of the two.
            const Spectre sp = SpectreDe(s, false);
            const LigneHarmonique& travail = sp.lignes[std::size_t(s.p - 1)];
            const double echelle = std::abs(im) / std::max(std::abs(im), a * std::abs(ia));
            EXPECT_NEAR(*travail.direct, direct * echelle, 1e-9);
            EXPECT_NEAR(*travail.inverse, inverse * echelle, 1e-9);
        }
}

// The lesson's three fields: the auxiliary open pulsates (two equal waves), the quadrature
// capacitor with the circular ratio leaves no backward wave; the example motor's design numbers.
TEST(Moteur, PulsatingCircularAndTheExampleDesign) {
    for (const int p : {1, 2}) {
        const Spectre ouverte = SpectreDe(EnMoteur(EtatClassique(p, 2), Demarrage::Ouverte), false);
        const LigneHarmonique& o = ouverte.lignes[std::size_t(p - 1)];
        EXPECT_NEAR(*o.direct, *o.inverse, 1e-12);
        EXPECT_EQ(o.sens, Sens::Pulsant);
        const Spectre circulaire = SpectreDe(EnMoteur(EtatClassique(p, 2)), false);
        const LigneHarmonique& c = circulaire.lignes[std::size_t(p - 1)];
        EXPECT_LT(*c.inverse, 1e-9 * *c.direct);
        EXPECT_EQ(c.sens, Sens::Direct);
    }
    const Conception c = ConceptionDe(EnMoteur(State{}));
    EXPECT_NEAR(c.condensateur, 211.4, 0.05);
    EXPECT_NEAR(c.rapport, 2.568, 0.0005);
    EXPECT_LT(*c.inverseSurDirect, 1e-9);
    // At the corners of what the fields accept, every start's currents are numbers, the larger
    // of the two ampere-turns 1.
    for (int coin = 0; coin < 64; ++coin)
        for (int d = 0; d < kNombreDemarrages; ++d) {
            State s = EnMoteur(State{}, static_cast<Demarrage>(d));
            const auto borne = [&](int bit, double bas, double haut) {
                return coin >> bit & 1 ? haut : bas;
            };
            s.condensateur = borne(0, kCondensateurMin, kCondensateurMax);
            s.rapport = borne(1, kRapportMin, kRapportMax);
            s.impedances[0] = borne(2, 0.0, kImpedanceMax);
            s.impedances[1] = borne(3, kImpedanceMin, kImpedanceMax);
            s.impedances[2] = borne(4, kImpedanceMin, kImpedanceMax);
            s.impedances[3] = borne(5, 0.0, kImpedanceMax);
            const PhaseAlimentation m = PhaseMoteur(s, 0), a = PhaseMoteur(s, 1);
            ASSERT_TRUE(std::isfinite(m.a + m.delta + a.a + a.delta)) << coin << " " << d;
            EXPECT_DOUBLE_EQ(std::max(m.a, a.a), 1.0) << coin << " " << d;
        }
}

// A refused field, option or link changes nothing; each names what is wrong.
TEST(Moteur, RefusalsChangeNothing) {
    const State avant = EnMoteur(State{}, Demarrage::Resistive);
    const SaisieMoteur bonne = SaisieMoteurAffichee(avant, ".");
    const struct {
        int champ;  // 0 C, 1 a, 2… the impedances
        const char* texte;
    } fautes[] = {{0, "0"}, {0, "-5"}, {0, "x"},    {1, "0.05"}, {1, "11"}, {2, "-1"},
                  {3, "0"}, {4, "0"},  {5, "-0.1"}, {2, "nan"},  {0, "1e9"}};
    for (const auto& f : fautes) {
        SaisieMoteur saisie = bonne;
        (f.champ == 0   ? saisie.condensateur
         : f.champ == 1 ? saisie.rapport
                        : saisie.impedances[f.champ - 2]) = f.texte;
        State s = avant;
        EXPECT_THROW(AppliquerMoteur(s, saisie, "."), Erreur) << f.champ << " " << f.texte;
        EXPECT_TRUE(MemeMoteur(s, avant)) << f.texte;
    }
    State s = avant;
    SaisieMoteur ouvert = bonne;
    ouvert.condensateur = "ouvert";
    AppliquerMoteur(s, ouvert, ".");
    EXPECT_EQ(s.condensateur, 0.0);
    EXPECT_EQ(s.demarrage, Demarrage::Libre);
    // The machine refused where its windings cannot be laid out: 18 slots make no two windings
    // 90° apart; a custom table is three phases.
    for (State t : {Encoches(18, 1, 2, 1), BobineInversee(Encoches(12, 5, 2, 1), 0)}) {
        const State triphase = t;
        EXPECT_THROW(ChoisirMachine(t, Machine::Monophasee), Erreur);
        EXPECT_TRUE(MemeMoteur(t, triphase) && MemeBobinage(t, triphase));
    }
    for (const OptionsMoteur& o :
         {OptionsMoteur{"biphasee"}, OptionsMoteur{std::nullopt, "rapide"},
          OptionsMoteur{"triphasee", std::nullopt, "100"},
          OptionsMoteur{std::nullopt, "quadrature", "100"},
          OptionsMoteur{std::nullopt, std::nullopt, std::nullopt, std::nullopt, "1,2,3"}}) {
        State t = avant;
        EXPECT_THROW(LireOptionsMoteur(t, o), Erreur);
        EXPECT_TRUE(MemeMoteur(t, avant));
    }
}
