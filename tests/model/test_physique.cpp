#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <vector>

#include "Physique.h"

using namespace kest;

namespace {

State Bobinage(int p, int m) {
    State s;
    s.p = p;
    s.m = m;
    s.NbEncoches = 6 * p * m;
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

std::vector<double> Echantillons(double debut, double fin, int n) {
    std::vector<double> v;
    for (int i = 0; i < n; ++i) v.push_back(debut + (fin - debut) * (i + 0.37) / n);
    return v;
}

struct LigneConducteur {
    const char* nom;
    int p, m, k, i, j;
    Cote cote;
    Etoile etoile;
    double degres;
};

TEST(AngleConducteur, KeyPositions) {
    constexpr Cote A = Cote::Aller, R = Cote::Retour;
    constexpr Etoile N = Etoile::Aucune, E1 = Etoile::Premiere, E2 = Etoile::Seconde;
    const LigneConducteur lignes[] = {
        {"default phase 0 go, i=1", 1, 2, 0, 1, 1, A, N, 345},
        {"default phase 0 go, i=2", 1, 2, 0, 2, 1, A, N, 15},
        {"default phase 1 go, i=1", 1, 2, 1, 1, 1, A, N, 105},
        {"default phase 1 go, i=2", 1, 2, 1, 2, 1, A, N, 135},
        {"default phase 2 go, i=1", 1, 2, 2, 1, 1, A, N, 225},
        {"default phase 2 go, i=2", 1, 2, 2, 2, 1, A, N, 255},
        {"default phase 0 return, i=1", 1, 2, 0, 1, 1, R, N, 165},
        {"default phase 0 return, i=2", 1, 2, 0, 2, 1, R, N, 195},
        {"default phase 1 return, i=1", 1, 2, 1, 1, 1, R, N, 285},
        {"default phase 1 return, i=2", 1, 2, 1, 2, 1, R, N, 315},
        {"default phase 2 return, i=1", 1, 2, 2, 1, 1, R, N, 45},
        {"default phase 2 return, i=2", 1, 2, 2, 2, 1, R, N, 75},
        {"double star phase 0, i=1, first", 1, 2, 0, 1, 1, A, E1, 330},
        {"double star phase 0, i=1, second", 1, 2, 0, 1, 1, A, E2, 0},
        {"double star phase 0, i=2, first", 1, 2, 0, 2, 1, A, E1, 0},
        {"double star phase 0, i=2, second", 1, 2, 0, 2, 1, A, E2, 30},
        {"double star return is a pole pitch later", 1, 2, 0, 2, 1, R, E2, 210},
        {"p=2 m=2, i=1 j=1", 2, 2, 0, 1, 1, A, N, 172.5},
        {"p=2 m=2, i=1 j=2", 2, 2, 0, 1, 2, A, N, 352.5},
        {"p=2 m=2, i=2 j=1", 2, 2, 0, 2, 1, A, N, 187.5},
        {"p=2 m=2, i=2 j=2", 2, 2, 0, 2, 2, A, N, 7.5},
        {"m=3 centre slot on the belt middle", 1, 3, 1, 2, 1, A, N, 120},
    };
    for (const auto& l : lignes) {
        const State s = Bobinage(l.p, l.m);
        EXPECT_LT(EcartDegres(AngleConducteur(s, l.k, l.i, l.j, l.cote, l.etoile), l.degres), 1e-9)
            << l.nom;
    }
}

TEST(AngleConducteur, DefaultTwelvePositionsAreDistinct) {
    const State s = Bobinage(1, 2);
    std::set<long> positions;
    for (int k = 0; k < 3; ++k)
        for (int i = 1; i <= 2; ++i)
            for (Cote c : {Cote::Aller, Cote::Retour}) {
                const double a = AngleConducteur(s, k, i, 1, c, Etoile::Aucune);
                positions.insert(std::lround(std::fmod(a * 180 / kPi + 720, 360.0)) % 360);
            }
    EXPECT_EQ(positions.size(), 12u);
}

// The opening and the real distribution do not move a conductor; only the star does.
TEST(AngleConducteur, IgnoresOpeningAndRealFlag) {
    State s = Bobinage(1, 2);
    const double avant = AngleConducteur(s, 1, 2, 1, Cote::Retour, Etoile::Aucune);
    s.Y = 1.0;
    s.Reelle = true;
    EXPECT_EQ(AngleConducteur(s, 1, 2, 1, Cote::Retour, Etoile::Aucune), avant);
}

TEST(AngleAxe, QuarterPeriodAfterTheGoBelt) {
    const struct {
        const char* nom;
        int p, k, j;
        double degres;
    } lignes[] = {
        {"phase 0", 1, 0, 1, 90},          {"phase 1", 1, 1, 1, 210},
        {"phase 2", 1, 2, 1, 330},         {"p=2 phase 0, j=1", 2, 0, 1, 225},
        {"p=2 phase 0, j=2", 2, 0, 2, 45},
    };
    for (const auto& l : lignes) {
        State s = Bobinage(l.p, 2);
        s.m = -4;  // the axis has no slot term
        EXPECT_LT(EcartDegres(AngleAxe(s, l.k, l.j), l.degres), 1e-9) << l.nom;
    }
}

TEST(CourantPhase, BalancedThreePhaseAtTimeZero) {
    State s;
    s.Imax = 2.0;
    const double attendu[3][2] = {
        {0, 0}, {-kDeuxPiSur3, -2 * std::sin(kPi / 3)}, {-2 * kDeuxPiSur3, 2 * std::sin(kPi / 3)}};
    for (int k = 0; k < 3; ++k) {
        const Courant c = CourantPhase(s, k);
        EXPECT_DOUBLE_EQ(c.phi, attendu[k][0]) << "phase " << k;
        EXPECT_NEAR(c.valeur, attendu[k][1], 1e-15) << "phase " << k;
    }
}

TEST(ForcePhase, PerfectPhaseZeroVanishesAtTimeZero) {
    State s;
    StockerCourants(s);
    for (double theta : Echantillons(0, kDeuxPi, 150)) EXPECT_EQ(ForcePhase(s, 0, theta), 0.0);
}

// Three sinusoidal phases fed in balance make a wave of constant amplitude turning at Omega/p.
TEST(ForcePhase, PerfectResultantTurnsWithConstantAmplitude) {
    for (int p : {1, 2, 5})
        for (double t : {0.0, 0.0013, 0.0172}) {
            State s = Bobinage(p, 2);
            s.t = t;
            StockerCourants(s);
            for (double theta : Echantillons(0, kDeuxPi, 60)) {
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
    const double I0 = s.I[0];
    const struct {
        const char* nom;
        double theta, niveau;
    } lignes[] = {
        {"just inside the top", 0.27, 0.5},
        {"top middle", kPi / 2, 0.5},
        {"end of the top", 2.87, 0.5},
        {"step at 0", 0.0, 0.0},
        {"step at pi", kPi, 0.0},
        {"step before the end", 6.1, 0.0},
        {"start of the bottom", 3.41, -0.5},
        {"bottom middle", 3 * kPi / 2, -0.5},
        {"end of the bottom", 6.01, -0.5},
    };
    for (const auto& l : lignes)
        EXPECT_NEAR(ForcePhase(s, 0, l.theta), l.niveau * I0, 1e-15) << l.nom;
}

// A sample exactly at the end of the coil (d = Y/p) is inside; one ulp further it is not.
TEST(ForcePhase, RealCoilIncludesItsEnd) {
    for (int p : {1, 3}) {
        State s = Bobinage(p, 1);  // m = 1: the coil of phase 0 starts at 0
        s.Reelle = true;
        s.I[0] = 1.0;
        const double theta = 0.7 / p;
        const double d = std::fmod(theta + kDeuxPi, kDeuxPi / p);
        s.Y = d * p;
        ASSERT_EQ(s.Y / p, d) << "p=" << p;
        EXPECT_EQ(ForcePhase(s, 0, theta), 1 - s.Y / kDeuxPi) << "p=" << p;
        s.Y = std::nextafter(d, 0.0) * p;
        ASSERT_LT(s.Y / p, d) << "p=" << p;
        EXPECT_EQ(ForcePhase(s, 0, theta), -(s.Y / kDeuxPi)) << "p=" << p;
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

TEST(ForcePhase, DoubleStarWinsOverReal) {
    State etoile;
    etoile.DoubleEtoile = true;
    etoile.t = 0.0031;
    StockerCourants(etoile);
    State deux = etoile;
    deux.Reelle = true;
    State reelle = etoile;
    reelle.DoubleEtoile = false;
    reelle.Reelle = true;
    bool differe = false;
    for (double theta : Echantillons(0, kDeuxPi, 150))
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(ForcePhase(deux, k, theta), ForcePhase(etoile, k, theta));
            differe |= ForcePhase(reelle, k, theta) != ForcePhase(etoile, k, theta);
        }
    EXPECT_TRUE(differe) << "the double star must not be the real distribution";
}

TEST(ForcePhase, NoSlotsNoForce) {
    for (int m : {0, -3})
        for (bool etoile : {false, true}) {
            State s = Bobinage(1, 2);
            s.m = m;
            s.Reelle = !etoile;
            s.DoubleEtoile = etoile;
            s.t = 0.004;
            StockerCourants(s);
            for (double theta : Echantillons(0, kDeuxPi, 40))
                for (int k = 0; k < 3; ++k)
                    EXPECT_EQ(ForcePhase(s, k, theta), 0.0) << "m=" << m << " star=" << etoile;
        }
}

// A slot pitch left over from another winding can put a coil more than a turn ahead; the
// remainder is then negative and the coil counts as inside.
TEST(ForcePhase, StaleAlphaNegativeRemainderCountsAsInside) {
    State s = Bobinage(1, 2);
    s.Alpha = -20.0;  // coil 1 at +10 rad (remainder at 0 is 2π − 10 < 0), coil 2 at −10 rad
    s.Reelle = true;
    s.Y = 0.5;
    s.I[0] = 1.0;
    const double interieur = (1 - s.Y / kDeuxPi) * 1.0 / 2;
    const double exterieur = (s.Y / kDeuxPi) * 1.0 / 2;
    EXPECT_DOUBLE_EQ(ForcePhase(s, 0, 0.0), interieur - exterieur);
}

TEST(ForcePhase, TwoPolePairsRepeatAfterHalfATurn) {
    const struct {
        const char* nom;
        bool reelle, etoile;
    } types[] = {{"perfect", false, false}, {"real", true, false}, {"double star", false, true}};
    for (const auto& type : types) {
        State s = Bobinage(2, 2);
        s.Reelle = type.reelle;
        s.DoubleEtoile = type.etoile;
        s.Y = 2.6;
        s.t = 0.0027;
        StockerCourants(s);
        for (double theta : Echantillons(0, kPi, 75))
            for (int k = 0; k < 3; ++k)
                EXPECT_NEAR(ForcePhase(s, k, theta + kPi), ForcePhase(s, k, theta), 1e-12)
                    << type.nom << " k=" << k << " theta=" << theta;
    }
}

}  // namespace
