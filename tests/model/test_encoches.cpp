// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <tuple>
#include <vector>

#include "model/Alimentation.h"
#include "model/Encoches.h"
#include "model/Erreur.h"
#include "model/Harmoniques.h"
#include "model/Physique.h"
#include "model/Regles.h"
#include "tests/support/Bobinage.h"

using namespace kest;
using namespace kest::test;

namespace {

// "+A-B" per slot, top layer first: the slot table as a designer writes it.
std::string Table(const State& s) {
    std::string t;
    const BobinageEncoches b(s);
    for (const Faisceau& f : b.Faisceaux()) {
        if (f.couche == 0 && !t.empty()) t += ' ';
        t += f.signe > 0 ? '+' : '-';
        t += char('A' + f.phase);
    }
    return t;
}

struct Textbook {
    const char* nom;
    int Q, p, couches, pas, nu;
    double kw;
};

}  // namespace

TEST(SlotWinding, TextbookFactorsFromTheStar) {
    const Textbook cas[] = {
        {"12/10 working wave", 12, 5, 2, 1, 5, 0.9330},
        {"12/10 sub-harmonic", 12, 5, 2, 1, 1, 0.0670},
        {"12/10 seventh", 12, 5, 2, 1, 7, 0.9330},
        {"9/8", 9, 4, 2, 1, 4, 0.9452},
        {"12/8", 12, 4, 2, 1, 4, 0.8660},
        {"36/4 short pitch", 36, 2, 2, 7, 2, 0.9019},
        {"24/4 one layer", 24, 2, 1, 6, 2, 0.9659},
        {"12/10 one layer", 12, 5, 1, 1, 5, 0.9659},
    };
    for (const Textbook& c : cas)
        EXPECT_NEAR(BobinageEncoches(Encoches(c.Q, c.p, c.couches, c.pas)).Facteur(c.nu), c.kw,
                    1e-4)
            << c.nom;
}

TEST(SlotWinding, TablesOfTheTwelveSlotTenPoleWindings) {
    EXPECT_EQ(Table(Encoches(12, 5, 2, 1)),
              "+A+A +B-A -B-B -C+B +C+C +A-C -A-A -B+A +B+B +C-B -C-C -A+C");
    EXPECT_EQ(Table(Encoches(12, 5, 1, 1)), "+A -A -B +B +C -C -A +A +B -B -C +C");
}

// The panel's table: a row per layer, each slot's side as the designer writes it, in slot order.
TEST(SlotWinding, SlotTableHasOneRowPerLayer) {
    const auto rangees = [](const State& s) {
        std::vector<std::string> r;
        for (const auto& rangee : TableEncoches(BobinageEncoches(s))) {
            std::string t;
            for (const std::string& cote : rangee) t += (t.empty() ? "" : " ") + cote;
            r.push_back(t);
        }
        return r;
    };
    const struct {
        State etat;
        std::vector<std::string> rangees;
    } cas[] = {
        {Encoches(12, 5, 2, 1),
         {"A+ B+ B− C− C+ A+ A− B− B+ C+ C− A−", "A+ A− B− B+ C+ C− A− A+ B+ B− C− C+"}},
        {Encoches(12, 5, 1, 1), {"A+ A− B− B+ C+ C− A− A+ B+ B− C− C+"}},
        {Encoches(24, 2, 1, 6),
         {"A+ A+ C− C− B+ B+ A− A− C+ C+ B− B− A+ A+ C− C− B+ B+ A− A− C+ C+ B− B−"}},
        {Encoches(12, 6, 2, 1), {}},  // no winding: no row
        // The single-phase motor's main winding and auxiliary, 90° sectors +M, −A, −M, +A.
        {EnMoteur(Encoches(8, 1, 1, 4)), {"M+ M+ A− A− M− M− A+ A+"}},
    };
    for (const auto& c : cas) EXPECT_EQ(rangees(c.etat), c.rangees) << NomBobinageEncoches(c.etat);
}

// The spectrum is the exact transform of the staircase the picture draws; the factors come from
// the star. For balanced currents they must meet: each order either cancels over the three
// phases or turns with A(ν) = 3p·k_w(ν)·Imax/(π·ν).
TEST(SlotWinding, SpectrumOfTheStaircaseMeetsTheStar) {
    const State etats[] = {Encoches(12, 5, 2, 1), Encoches(9, 4, 2, 1),  Encoches(36, 2, 2, 7),
                           Encoches(24, 2, 1, 6), Encoches(18, 4, 2, 2), Encoches(12, 5, 1, 1)};
    for (State s : etats) {
        SCOPED_TRACE(NomBobinageEncoches(s));
        s.t = 0.0037;
        const HarmoniquesMecaniques sp = AnalyseMecanique(s);
        ASSERT_EQ(sp.OrdreMax(), std::max(25, 5 * s.p));
        const BobinageEncoches b(s);
        for (int nu = 1; nu <= sp.OrdreMax(); ++nu) {
            const double tourne = 3.0 * s.p * b.Facteur(nu) / (kPi * nu);
            const double a = sp.amplitude[nu];
            EXPECT_TRUE(std::abs(a - tourne) < 1e-9 || a < 1e-9)
                << NomBobinageEncoches(s) << " nu=" << nu << " " << a << " " << tourne;
        }
        EXPECT_NEAR(sp.amplitude[s.p], 3.0 * s.p * b.Facteur(s.p) / (kPi * s.p), 1e-9);
        EXPECT_EQ(sp.sens[s.p], Sens::Direct) << NomBobinageEncoches(s);
        EXPECT_DOUBLE_EQ(*sp.Relatif(s.p), 1.0);
    }
}

// Phase A alone pulsates: every order it carries splits into two equal halves of
// p·k_w(ν)/(3ν·k_w(p)) of the balanced working wave, triplen orders included.
TEST(SlotWinding, SinglePhaseSplitsEveryOrderInTwoHalves) {
    for (State s : {Encoches(12, 5, 2, 1), Encoches(9, 4, 2, 1), Encoches(24, 2, 1, 6)}) {
        SCOPED_TRACE(NomBobinageEncoches(s));
        s.alimentation = AlimentationDe("monophasee");
        s.t = 0.0021;
        const HarmoniquesMecaniques sp = AnalyseMecanique(s);
        const BobinageEncoches b(s);
        for (int nu = 1; nu <= sp.OrdreMax(); ++nu) {
            const double moitie = s.p * b.Facteur(nu) / (3.0 * nu * b.Facteur(s.p));
            EXPECT_NEAR(*sp.DirectRelatif(nu), moitie, 1e-9) << nu;
            EXPECT_NEAR(*sp.InverseRelatif(nu), moitie, 1e-9) << nu;
            EXPECT_EQ(sp.sens[nu], moitie > 1e-3 ? Sens::Pulsant : Sens::Absent) << nu;
        }
        EXPECT_FALSE(sp.Relatif(s.p));  // a pulsating crest has no fixed ratio
    }
}

// The fundamental's parts, kept from one paint to the next, follow each winding member alone.
TEST(SlotWinding, FundamentalFollowsEachMemberOfTheWinding) {
    State base = Encoches(24, 2, 2, 5);
    base.alimentation = kAlimentationLibre, base.dephasagesLibres[1] = 100;
    State couches = base, pas = base, encoches = base, classique = base;
    couches.couches = 1, pas.pas = 4, encoches.encoches = 30;
    classique.typeBobinage = TypeBobinage::Classique;
    for (const State& s : {couches, pas, encoches, classique}) {
        const ChampFondamental seul = ChampDuFondamental(s);  // after another state: its own
        ASSERT_TRUE(seul.existe) << NomBobinage(s);
        ASSERT_NE(ChampDuFondamental(base).vecteurDirect, seul.vecteurDirect) << NomBobinage(s);
        EXPECT_EQ(ChampDuFondamental(s).vecteurDirect, seul.vecteurDirect) << NomBobinage(s);
    }
}

TEST(SlotWinding, SubHarmonicsOnlyWhereTheStarHasThem) {
    const HarmoniquesMecaniques dix = AnalyseMecanique(Encoches(12, 5, 2, 1));
    EXPECT_NE(dix.sens[1], Sens::Absent);
    EXPECT_GT(*dix.Relatif(1), 0.3);  // 5·0.0670/0.9330
    EXPECT_EQ(dix.sens[7], Sens::Inverse);
    // Speeds as fractions of the working wave's: the 7th backwards at 5/7, the 1st at 5.
    const std::vector<LigneHarmonique> lignes = SpectreDe(Encoches(12, 5, 2, 1), true).lignes;
    EXPECT_DOUBLE_EQ(lignes[6].vitesse, -5.0 / 7);
    EXPECT_DOUBLE_EQ(lignes[0].vitesse, -5.0);
    EXPECT_DOUBLE_EQ(lignes[4].vitesse, 1.0);
    EXPECT_NEAR(lignes[4].facteurs.kw, 0.9330, 1e-4);
    const HarmoniquesMecaniques quatre = AnalyseMecanique(Encoches(36, 2, 2, 7));
    for (int nu = 1; nu <= quatre.OrdreMax(); nu += 2)
        EXPECT_EQ(quatre.sens[nu], Sens::Absent) << nu;  // no odd order, no sub-harmonic
}

// The resultant's coefficient against the drawn MMF integrated numerically, for supplies that
// make the parts differ.
TEST(SlotWinding, CoefficientIsTheTransformOfTheDrawnMmf) {
    for (const Alimentation a :
         {Alimentation::Equilibree, AlimentationDe("monophasee"), AlimentationDe("inverse")}) {
        State s = Encoches(12, 5, 2, 1);
        s.alimentation = a;
        s.t = 0.0031;
        for (int k = 0; k < 3; ++k) s.I[k] = CourantPhase(s, k).valeur;
        const BobinageEncoches b(s);
        constexpr int n = 1 << 16;
        for (const int nu : {1, 5, 7}) {
            std::complex<double> somme;
            for (int i = 0; i < n; ++i) {
                const double theta = kDeuxPi * (i + 0.5) / n;
                const double f = b.Force(s, 0, theta, 0.0) + b.Force(s, 1, theta, 0.0) +
                                 b.Force(s, 2, theta, 0.0);
                somme += f * std::polar(1.0, -nu * theta);
            }
            const std::complex<double> c = somme * (kDeuxPi / n) / kPi;
            EXPECT_LT(std::abs(CoefficientMecanique(s, nu) - c), 1e-3) << nu;
        }
    }
}

// Every slot winding is placed so that its balanced working wave has its crest where the classic
// winding's stands, at the electrical angle Omega·t, and phase k's axis at π/2 + k·2π/3: the
// picture's crest markers and phase axes hold for it too.
TEST(SlotWinding, WorkingWaveCrestIsTheClassicOne) {
    for (State s : {Encoches(12, 5, 2, 1), Encoches(9, 4, 2, 1), Encoches(36, 2, 2, 7),
                    Encoches(24, 2, 1, 6), Encoches(12, 5, 1, 1), Encoches(18, 8, 2, 1)}) {
        const BobinageEncoches b(s);
        for (int k = 0; k < 3; ++k)
            EXPECT_NEAR(std::remainder(b.AxePhase(k) - (kPiSur2 + k * kDeuxPiSur3), kDeuxPi), 0.0,
                        1e-9)
                << NomBobinageEncoches(s) << " phase " << k;
        for (const double t : {0.0, 0.0013, 0.0071}) {
            s.t = t;
            const double crete = -std::arg(CoefficientMecanique(s, s.p));
            EXPECT_NEAR(std::remainder(crete - s.Omega * t, kDeuxPi), 0.0, 1e-9)
                << NomBobinageEncoches(s) << " t=" << t;
        }
    }
}

// Mechanical order p of the classic winding is its electrical fundamental.
TEST(SlotWinding, ClassicCoefficientAtOrderPIsTheElectricalFundamental) {
    State s;
    s.p = 3, s.m = 2, s.Reelle = true, s.NbEncoches = 36, s.Alpha = kDeuxPi / 36, s.t = 0.004;
    const std::complex<double> c = CoefficientMecanique(s, 3);
    EXPECT_NEAR(std::abs(c), HarmoniquesNumeriques(s).amplitude[1], 1e-12);
    EXPECT_EQ(std::abs(CoefficientMecanique(s, 4)), 0.0);
    EXPECT_NEAR(std::abs(CoefficientMecanique(s, 15)), HarmoniquesNumeriques(s).amplitude[5],
                1e-12);
}

// Q = 6pm, one layer, full pitch is the classic "Réelle" winding: the same MMF everywhere.
TEST(SlotWinding, FullPitchOneLayerIsTheClassicRealWinding) {
    const int pm[][2] = {{1, 2}, {2, 3}, {3, 1}, {2, 1}};
    for (const auto& [p, m] : pm) {
        State classique;
        classique.p = p, classique.m = m, classique.Reelle = true;
        classique.NbEncoches = 6 * p * m, classique.Alpha = kDeuxPi / classique.NbEncoches;
        State encoches = classique;
        encoches.encoches = 6 * p * m, encoches.couches = 1, encoches.pas = 3 * m;
        ChoisirTypeBobinage(encoches, TypeBobinage::Encoches);
        for (int k = 0; k < 3; ++k) classique.I[k] = encoches.I[k] = 0.7 - 0.6 * k;
        for (int i = 0; i < 997; ++i) {
            const double theta = kDeuxPi * i / 997;
            for (int k = 0; k < 3; ++k)
                ASSERT_NEAR(ForcePhase(encoches, k, theta), ForcePhase(classique, k, theta), 1e-12)
                    << p << " " << m << " " << k << " " << theta;
        }
    }
}

namespace {

struct Refus {
    const char* nom;
    int p;
    SaisieEncoches saisie;
    const char* message;
};

}  // namespace

TEST(SlotWinding, RefusalsSayWhyAndChangeNothing) {
    const Refus cas[] = {
        {"ten slots", 1, {"10", "2", "1"}, "10 encoches ne forment pas de bobinage triphasé"},
        {"twelve slots, six pole pairs", 6, {"12", "2", "1"}, "Q / (3·pgcd(Q, p))"},
        {"one layer, nine slots", 4, {"9", "1", "1"}, "multiple de 6 (9 encoches)"},
        {"span zero", 5, {"12", "2", "0"}, "'0' n'est pas un pas de bobine correct (1 à 6"},
        {"span Q/2 + 1", 5, {"12", "2", "7"}, "'7' n'est pas un pas de bobine correct (1 à 6"},
        {"three layers", 5, {"12", "3", "1"}, "'3' n'est pas un nombre de couches correct"},
        {"span cancelling the wave", 4, {"12", "2", "3"}, "annulent l'onde de travail"},
        {"one layer, span 2 of 18", 5, {"18", "1", "2"}, "ne ferment pas"},
        {"not a number", 5, {"douze", "2", "1"}, "'douze' n'est pas une valeur entière"},
        {"too many slots", 5, {"723", "2", "1"}, "(3 à 720)"},
    };
    for (const Refus& c : cas) {
        State s;
        s.p = c.p;
        const State avant = s;
        try {
            AppliquerEncoches(s, c.saisie);
            ADD_FAILURE() << c.nom << " accepted";
        } catch (const Erreur& e) {
            EXPECT_NE(e.message().find(c.message), std::string::npos)
                << c.nom << ": " << e.message();
        }
        EXPECT_EQ(std::tie(s.p, s.encoches, s.couches, s.pas, s.typeBobinage),
                  std::tie(avant.p, avant.encoches, avant.couches, avant.pas, avant.typeBobinage))
            << c.nom;
    }
}

TEST(SlotWinding, APoleCountThatBreaksTheWindingIsRefused) {
    State s;
    s.p = 5;
    AppliquerEncoches(s, {"12", "2", "1"});
    EXPECT_EQ(s.typeBobinage, TypeBobinage::Encoches);
    Saisie saisie = SaisieAffichee(s, ".");
    saisie.p = "6";
    EXPECT_THROW(AppliquerSaisie(s, saisie, "."), Erreur);
    EXPECT_EQ(s.p, 5);
    // Back to the classic winding, any p again; the slot winding is refused until p fits.
    ChoisirTypeBobinage(s, TypeBobinage::Classique);
    AppliquerSaisie(s, saisie, ".");
    EXPECT_EQ(s.p, 6);
    EXPECT_THROW(ChoisirTypeBobinage(s, TypeBobinage::Encoches), Erreur);
    EXPECT_EQ(s.typeBobinage, TypeBobinage::Classique);
}

// A state a program formed with p below 1 draws no winding and has no spectrum, without a fault.
TEST(SlotWinding, NoPolePairsNoWinding) {
    for (const int p : {0, -5}) {
        SCOPED_TRACE("p=" + std::to_string(p));
        EXPECT_THROW(VerifieEncoches(12, p, 2, 1), Erreur);
        const State s = Encoches(12, p, 2, 1);
        EXPECT_TRUE(BobinageEncoches(s).Vide());
        EXPECT_EQ(ForcePhase(s, 0, 1.0), 0.0);
        EXPECT_EQ(AnalyseMecanique(s).OrdreMax(), -1);
    }
}

// The classic winding's own layout puts each slot at the very double of the classic conductor
// there, whatever p and m: the picture's equality rests on it.
TEST(SlotWinding, ClassicLayoutGivesTheClassicConductorAngles) {
    for (int p = 1; p <= 4; ++p) {
        for (int m = 1; m <= 5; ++m) {
            SCOPED_TRACE("p=" + std::to_string(p) + " m=" + std::to_string(m));
            State classique;
            classique.p = p, classique.m = m, classique.Reelle = true;
            classique.NbEncoches = 6 * p * m, classique.Alpha = kDeuxPi / classique.NbEncoches;
            const BobinageEncoches b(Encoches(6 * p * m, p, 1, 3 * m));
            for (int k = 0; k < 3; ++k)
                for (const int signe : {-1, 1}) {
                    const std::vector<Faisceau>& f = b.FaisceauxPhase(k, signe);
                    ASSERT_EQ(int(f.size()), p * m);
                    std::size_t n = 0;
                    for (int i = 1; i <= m; ++i)
                        for (int j = 1; j <= p; ++j, ++n) {
                            const double a = AngleConducteur(classique, k, i, j,
                                                             signe > 0 ? Cote::Aller : Cote::Retour,
                                                             Etoile::Aucune);
                            const double e = b.AngleEncoche(f[n].encoche);
                            // The same bits, not only the same value.
                            EXPECT_EQ(std::memcmp(&a, &e, sizeof a), 0)
                                << "p=" << p << " m=" << m << " k=" << k << " i=" << i
                                << " j=" << j;
                        }
                }
        }
    }
}

// The star: each phasor holds the slots whose EMF it is (s·p ≡ its index mod Q), gcd(Q, p) of
// them, with the phase and sign of the top layer the table gives those slots.
TEST(SlotWinding, StarHoldsEachSlotOnItsPhasor) {
    for (const State& s : {Encoches(12, 5, 2, 1), Encoches(36, 2, 2, 7), Encoches(9, 4, 2, 1)}) {
        SCOPED_TRACE(NomBobinageEncoches(s));
        const BobinageEncoches b(s);
        int total = 0;
        for (const PhaseurEtoile& ph : EtoileDesEncoches(s.encoches, s.p)) {
            EXPECT_EQ(int(ph.encoches.size()), b.Periodicite());
            for (const int e : ph.encoches) {
                EXPECT_EQ(e * s.p % s.encoches, ph.indice) << e;
                const Faisceau& haut = b.Faisceaux()[std::size_t(e) * 2];
                EXPECT_EQ(std::tie(haut.phase, haut.signe), std::tie(ph.phase, ph.signe)) << e;
                ++total;
            }
        }
        EXPECT_EQ(total, s.encoches);
    }
    EXPECT_EQ(TexteEncochesParPoleEtPhase(12, 5), "2/5");
    EXPECT_EQ(TexteEncochesParPoleEtPhase(36, 2), "3");
}

TEST(SlotWinding, KindsAreListedOnce) {
    EXPECT_STREQ(GenreDe(TypeBobinage::Classique).nom, "classique");
    EXPECT_EQ(LibelleBobinage(TypeBobinage::Encoches), "Par encoches");
    // Every place that names the winding names the slot winding.
    EXPECT_EQ(NomBobinage(Encoches(12, 5, 2, 1)),
              "12 encoches, p = 5, 2 couche(s), pas de 1 encoche(s)");
}
