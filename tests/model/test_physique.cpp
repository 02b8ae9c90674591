// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <complex>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "model/Alimentation.h"
#include "model/Physique.h"

using namespace kest;

namespace {

State EtatClassique(int p, int m) {
    State s;
    s.p = p, s.m = m, s.NbEncoches = 6 * p * m;
    s.Alpha = kDeuxPi / s.NbEncoches;
    return s;
}

// The currents of the pass, stored before any MMF is asked for, as the scene does.
void StockerCourants(State& s) {
    for (int k = 0; k < 3; ++k) s.I[k] = CourantPhase(s, k).valeur;
}

// Circular distance in degrees between a computed angle (radians) and an expected one.
double EcartDegres(double radians, double degres) {
    const double d = std::fmod(radians * 180 / kPi - degres, 360.0);
    return std::fmin(std::fabs(d), 360 - std::fabs(d));
}

std::vector<double> Echantillons(double fin, int n) {
    std::vector<double> v;
    for (int i = 0; i < n; ++i) v.push_back(fin * (i + 0.37) / n);
    return v;
}

// The twelve conductors of the default winding: phase k, go or return side, coil i.
TEST(AngleConducteur, DefaultWinding) {
    const double degres[3][2][2] = {
        {{345, 15}, {165, 195}}, {{105, 135}, {285, 315}}, {{225, 255}, {45, 75}}};
    State s = EtatClassique(1, 2);
    s.Y = 1.0, s.Reelle = true;  // neither moves a conductor
    for (int k = 0; k < 3; ++k)
        for (Cote c : {Cote::Aller, Cote::Retour})
            for (int i = 1; i <= 2; ++i)
                EXPECT_LT(EcartDegres(AngleConducteur(s, k, i, 1, c, Etoile::Aucune),
                                      degres[k][c == Cote::Retour][i - 1]),
                          1e-9)
                    << k << int(c) << i;
}

TEST(AngleConducteur, StarsPolePairsAndBelts) {
    constexpr Cote A = Cote::Aller, R = Cote::Retour;
    constexpr Etoile N = Etoile::Aucune, E1 = Etoile::Premiere, E2 = Etoile::Seconde;
    const struct {
        const char* nom;
        int p, m, k, i, j;
        Cote cote;
        Etoile etoile;
        double degres;
    } lignes[] = {
        {"first star, i=1", 1, 2, 0, 1, 1, A, E1, 330},
        {"second star, i=1", 1, 2, 0, 1, 1, A, E2, 0},
        {"second star return, i=2", 1, 2, 0, 2, 1, R, E2, 210},
        {"p=2, i=1 j=1", 2, 2, 0, 1, 1, A, N, 172.5},
        {"p=2, i=1 j=2", 2, 2, 0, 1, 2, A, N, 352.5},
        {"p=2, i=2 j=2", 2, 2, 0, 2, 2, A, N, 7.5},
        {"m=3 centre slot on the belt middle", 1, 3, 1, 2, 1, A, N, 120},
    };
    for (const auto& l : lignes) {
        const State s = EtatClassique(l.p, l.m);
        EXPECT_LT(EcartDegres(AngleConducteur(s, l.k, l.i, l.j, l.cote, l.etoile), l.degres), 1e-9)
            << l.nom;
    }
}

TEST(AngleAxe, QuarterPeriodAfterTheGoBelt) {
    const struct {
        int p, k, j;
        double degres;
    } lignes[] = {{1, 0, 1, 90}, {1, 1, 1, 210}, {1, 2, 1, 330}, {2, 0, 1, 225}, {2, 0, 2, 45}};
    for (const auto& l : lignes) {
        State s = EtatClassique(l.p, 2);
        s.m = -4;  // the axis has no slot term
        EXPECT_LT(EcartDegres(AngleAxe(s, l.k, l.j), l.degres), 1e-9) << l.p << l.k << l.j;
    }
}

TEST(CourantPhase, BalancedThreePhaseAtTimeZero) {
    State s;
    s.Imax = 2.0;
    const double attendu[3][2] = {
        {0, 0}, {-kDeuxPiSur3, -std::sqrt(3.0)}, {-2 * kDeuxPiSur3, std::sqrt(3.0)}};
    for (int k = 0; k < 3; ++k) {
        EXPECT_DOUBLE_EQ(CourantPhase(s, k).phi, attendu[k][0]) << k;
        EXPECT_NEAR(CourantPhase(s, k).valeur, attendu[k][1], 1e-15) << k;
    }
}

// A single phase makes a pulsating field: the sum, at every instant, of two fields of a third of
// the balanced one turning in opposite directions, crests at Omega·t + arg D and π − Omega·t − arg
// B.
TEST(ForcePhase, SinglePhaseIsTwoEqualCounterRotatingFields) {
    for (int p : {1, 3})
        for (double t : {0.0, 0.0013, 0.0172}) {
            SCOPED_TRACE("p=" + std::to_string(p) + " t=" + std::to_string(t));
            State s = EtatClassique(p, 2);
            s.t = t;
            ChoisirAlimentation(s, AlimentationDe("monophasee"));
            StockerCourants(s);
            const Sequences sq = ComposantesSymetriques(s, 1);
            EXPECT_NEAR(std::abs(sq.direct), 1.0 / 3, 1e-15);
            EXPECT_NEAR(std::abs(sq.inverse), 1.0 / 3, 1e-15);
            const double w = s.Omega * t;
            for (double theta : Echantillons(kDeuxPi, 40)) {
                const double x = p * theta;
                const double F =
                    (ForcePhase(s, 0, theta) + ForcePhase(s, 1, theta)) + ForcePhase(s, 2, theta);
                const double avant =
                    0.75 * std::abs(sq.direct) * std::cos(x - w - std::arg(sq.direct));
                const double arriere =
                    0.75 * std::abs(sq.inverse) * std::cos(x - (kPi - w - std::arg(sq.inverse)));
                EXPECT_NEAR(F, avant + arriere, 1e-12) << "p=" << p << " t=" << t;
            }
        }
}

// Three sinusoidal phases fed in balance make a wave of constant amplitude turning at Omega/p.
TEST(ForcePhase, PerfectResultantTurnsWithConstantAmplitude) {
    for (int p : {1, 2, 5})
        for (double t : {0.0, 0.0013, 0.0172}) {
            State s = EtatClassique(p, 2);
            s.t = t;
            StockerCourants(s);
            for (double theta : Echantillons(kDeuxPi, 60)) {
                const double F =
                    (ForcePhase(s, 0, theta) + ForcePhase(s, 1, theta)) + ForcePhase(s, 2, theta);
                EXPECT_NEAR(F, 0.75 * std::cos(p * theta - s.Omega * t), 1e-12)
                    << "p=" << p << " t=" << t << " theta=" << theta;
            }
        }
}

TEST(ForcePhase, RealDefaultIsAThreeLevelStaircase) {
    State s;
    s.Reelle = true;
    s.t = 0.001;  // Omega·t = π/10: I[0] > 0
    StockerCourants(s);
    const struct {
        double theta, niveau;
    } lignes[] = {{0.27, 0.5}, {kPi / 2, 0.5}, {2.87, 0.5},         {0.0, 0.0},  {kPi, 0.0},
                  {6.1, 0.0},  {3.41, -0.5},   {3 * kPi / 2, -0.5}, {6.01, -0.5}};
    for (const auto& l : lignes)
        EXPECT_NEAR(ForcePhase(s, 0, l.theta), l.niveau * s.I[0], 1e-15) << l.theta;
}

// A sample exactly at the end of the coil (d = Y/p) is inside; one ulp further it is not.
TEST(ForcePhase, RealCoilIncludesItsEnd) {
    for (int p : {1, 3}) {
        State s = EtatClassique(p, 1);  // m = 1: the coil of phase 0 starts at 0
        s.Reelle = true;
        s.I[0] = 1.0;
        const double theta = 0.7 / p;
        const double d = std::fmod(theta + kDeuxPi, kDeuxPi / p);
        s.Y = d * p;
        ASSERT_EQ(s.Y / p, d) << "p=" << p;
        EXPECT_GT(ForcePhase(s, 0, theta), 0) << "p=" << p;
        s.Y = std::nextafter(d, 0.0) * p;
        ASSERT_LT(s.Y / p, d) << "p=" << p;
        EXPECT_LT(ForcePhase(s, 0, theta), 0) << "p=" << p;
    }
}

// At t = 0 the first star carries no current, but the second one, π/6 late, carries -Imax/2.
TEST(ForcePhase, DoubleStarAtTimeZeroComesFromTheSecondStar) {
    State s;
    s.DoubleEtoile = true;
    StockerCourants(s);
    ASSERT_EQ(s.I[0], 0.0);
    // Both coils of both stars are inside at π/2: 2 coils × s2·(1 − 1/2)·0.5 / 2.
    EXPECT_NEAR(ForcePhase(s, 0, kPi / 2), -0.125, 1e-15);
    EXPECT_NEAR(ForcePhase(s, 0, 3 * kPi / 2), 0.125, 1e-15);
}

// Both flags set give the double star, not the real distribution.
TEST(ForcePhase, DoubleStarWinsOverReal) {
    State etoile;
    etoile.DoubleEtoile = true, etoile.t = 0.0031;
    StockerCourants(etoile);
    State deux = etoile;
    deux.Reelle = true;
    for (double theta : Echantillons(kDeuxPi, 150))
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(ForcePhase(deux, k, theta), ForcePhase(etoile, k, theta)) << k << theta;
}

// The coil test's remainder is the library's fmod, bit for bit: at the edges of its two quick
// cases, for negative, huge, tiny, infinite and NaN operands, and over random air-gap angles.
TEST(Reste, IsFmodBitForBit) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double tiny = std::numeric_limits<double>::denorm_min();
    const double big = std::numeric_limits<double>::max();
    std::vector<double> valeurs = {0.0, -0.0,    tiny, 1.0, kPi,  kDeuxPi, 2 * kDeuxPi, -kDeuxPi,
                                   big, big / 2, -big, inf, -inf, nan,     1e-300,      3e308 / 7};
    for (double y : {kDeuxPi, kDeuxPi / 3, kDeuxPi / 99, 1.0, tiny, big / 2})
        for (double k : {0.0, 1.0, 2.0, 3.0})
            for (double v : {k * y, std::nextafter(k * y, inf), std::nextafter(k * y, -inf)})
                valeurs.push_back(v);
    std::mt19937_64 alea(7);
    std::uniform_real_distribution<double> angle(-4 * kDeuxPi, 4 * kDeuxPi);
    for (int i = 0; i < 20000; ++i) valeurs.push_back(angle(alea));
    const auto bits = [](double v) { return std::bit_cast<std::uint64_t>(v); };
    for (double y : {kDeuxPi, kDeuxPi / 2, kDeuxPi / 7, kDeuxPi / 99, 1.0, tiny, big / 2, big, inf,
                     -kDeuxPi, 0.0, nan})
        for (double x : valeurs) {
            const double attendu = std::fmod(x, y);
            const double r = Reste(x, y);
            if (std::isnan(attendu))
                ASSERT_TRUE(std::isnan(r)) << x << " " << y;
            else
                ASSERT_EQ(bits(r), bits(attendu)) << x << " " << y;
        }
}

// The sweep computes the second star's current once per picture: the same MMF, bit for bit, at
// every angle, time and winding.
TEST(ForcePhase, SecondStarComputedOnceGivesTheSameForce) {
    for (const State& base : {EtatClassique(1, 2), EtatClassique(3, 5), EtatClassique(7, 1)}) {
        for (double t : {0.0, 0.0031, 0.0173, 12.5}) {
            State s = base;
            s.DoubleEtoile = true, s.t = t, s.Y = 5 * kPi / 6;
            StockerCourants(s);
            for (int k = 0; k < 3; ++k) {
                const double s2 = SecondeEtoile(s, k);
                for (double theta : Echantillons(kDeuxPi, 150))
                    ASSERT_EQ(ForcePhase(s, k, theta, s2), ForcePhase(s, k, theta)) << t << theta;
            }
        }
    }
}

TEST(ForcePhase, NoSlotsNoForce) {
    for (int m : {0, -3})
        for (bool etoile : {false, true}) {
            State s = EtatClassique(1, 2);
            s.m = m, s.Reelle = !etoile, s.DoubleEtoile = etoile, s.t = 0.004;
            StockerCourants(s);
            for (double theta : Echantillons(kDeuxPi, 40))
                for (int k = 0; k < 3; ++k)
                    EXPECT_EQ(ForcePhase(s, k, theta), 0.0) << "m=" << m << " star=" << etoile;
        }
}

// A slot pitch left over from another winding can put a coil more than a turn ahead; the
// remainder is then negative and the coil counts as inside.
TEST(ForcePhase, StaleAlphaNegativeRemainderCountsAsInside) {
    State s = EtatClassique(1, 2);
    s.Alpha = -20.0;  // coil 1 at +10 rad (remainder at 0 is 2π − 10 < 0), coil 2 at −10 rad
    s.Reelle = true, s.Y = 0.5, s.I[0] = 1.0;
    // Coil 1 inside weighs (1 − Y/2π)/2, coil 2 outside −(Y/2π)/2.
    EXPECT_NEAR(ForcePhase(s, 0, 0.0), 0.42042252845405233, 1e-15);
}

TEST(ForcePhase, TwoPolePairsRepeatAfterHalfATurn) {
    for (const auto& [reelle, etoile] : {std::pair{false, false}, {true, false}, {false, true}}) {
        State s = EtatClassique(2, 2);
        s.Reelle = reelle, s.DoubleEtoile = etoile, s.Y = 2.6, s.t = 0.0027;
        StockerCourants(s);
        for (double theta : Echantillons(kPi, 75))
            for (int k = 0; k < 3; ++k)
                EXPECT_NEAR(ForcePhase(s, k, theta + kPi), ForcePhase(s, k, theta), 1e-12)
                    << reelle << etoile << " k=" << k << " theta=" << theta;
    }
}

}  // namespace
