// SPDX-License-Identifier: GPL-3.0-or-later
// The custom winding: its file and link key over random tables, the files it refuses, the field
// of a winding the student broke against the drawn MMF, and what its diagnostics name.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "model/Alimentation.h"
#include "model/Erreur.h"
#include "model/Harmoniques.h"
#include "model/Personnalise.h"
#include "model/Physique.h"
#include "tests/support/Bobinage.h"

using namespace kest;
using namespace kest::test;

namespace {

TableBobinage Lit(const std::string& texte) {
    std::istringstream fichier(texte);
    return LitFichierBobinage(fichier);
}

// Written and read back, by the file (as written, and as a French spreadsheet saves it) and by
// the link, any table is itself.
TEST(Personnalise, FileAndLinkGiveBackAnyTable) {
    std::mt19937 hasard(34);
    for (int n = 0; n < 300; ++n) {
        TableBobinage t{std::uniform_int_distribution(1, n < 20 ? kEncochesMax : 40)(hasard),
                        std::uniform_int_distribution(1, 2)(hasard),
                        {}};
        for (int i = 0; i < t.encoches * t.couches; ++i) {
            const int tirage = std::uniform_int_distribution(0, 9)(hasard);
            const int spires =
                tirage < 7 ? 1 : std::uniform_int_distribution(2, kSpiresMax)(hasard);
            t.cellules.push_back(tirage == 9 ? Cellule{}
                                             : Cellule{i % 3, hasard() % 2 ? spires : -spires});
        }
        const std::string texte = EcritFichierBobinage(t);
        ASSERT_EQ(Lit(texte), t) << texte;
        std::string tableur = "\xEF\xBB\xBF";
        for (const char c : texte)
            tableur += c == ',' ? std::string(" ; ") : c == '\n' ? "\r\n" : std::string(1, c);
        ASSERT_EQ(Lit(tableur + "\r\n"), t) << tableur;
        ASSERT_EQ(LitCodeLienBobinage(CodeLienBobinage(t)), t) << CodeLienBobinage(t);
    }
}

struct Hostile {
    std::string nom, texte;
    int ligne;
    std::string pourquoi;
};
class FichiersRefuses : public testing::TestWithParam<Hostile> {};

// Each hostile file is refused with its line and why, and the state keeps its winding.
TEST_P(FichiersRefuses, NameTheLineAndChangeNothing) {
    State s = BobineInversee(Encoches(12, 5, 2, 1), 3);
    const State avant = s;
    std::istringstream fichier(GetParam().texte);
    try {
        RemplacerTable(s, LitFichierBobinage(fichier));
        FAIL() << "accepted";
    } catch (const Erreur& e) {
        const std::string debut = "Ligne " + std::to_string(GetParam().ligne) + " : ";
        EXPECT_EQ(e.message().substr(0, debut.size()), debut) << e.message();
        EXPECT_NE(e.message().find(GetParam().pourquoi), std::string::npos) << e.message();
    }
    EXPECT_EQ(s.tableBobinage, avant.tableBobinage);
    EXPECT_EQ(s.typeBobinage, avant.typeBobinage);
    // A huge file is read no further than the lines a table can have.
    EXPECT_LT(fichier.tellg(), 40000);
}

std::string Entete(std::string lignes) { return "encoche,couche,phase,spires\n" + lignes; }
std::string Enorme() {
    std::string t = Entete("");
    for (int s = 1; s <= kEncochesMax; ++s)
        t += std::to_string(s) + ",1,A,1\n" + std::to_string(s) + ",2,A,-1\n";
    for (int n = 0; n < 1000000 - 2 * kEncochesMax; ++n) t += "1,1,A,1\n";
    return t;
}

INSTANTIATE_TEST_SUITE_P(
    Tous, FichiersRefuses,
    testing::Values(
        Hostile{"vide", "", 1, "vide"},
        Hostile{"binaire",
                Entete("1,1,A,1\n") + std::string("\x7f"
                                                  "ELF\0\1",
                                                  6),
                3, "octet nul"},
        Hostile{"utf8_invalide", Entete("1,1,\xC3(,1\n"), 2, "UTF-8"},
        Hostile{"ligne_sans_fin", Entete(std::string(100000, '1')), 2, "trop longue"},
        Hostile{"million_de_lignes", Enorme(), 2 * kEncochesMax + 2, "trop de lignes"},
        Hostile{"entete", "slot,layer,phase,turns\n1,1,A,1\n", 1, "en-tête"},
        Hostile{"champs", Entete("1,1,A\n"), 2, "3 champ(s) au lieu de 4"},
        Hostile{"encoche_0", Entete("0,1,A,1\n"), 2, "'0' n'est pas un numéro d'encoche"},
        Hostile{"encoche_721", Entete("1,1,A,1\n721,1,A,1\n"), 3, "(1 à 720)"},
        Hostile{"couche_3", Entete("1,3,A,1\n"), 2, "couche correcte"},
        Hostile{"phase_D", Entete("1,1,D,1\n"), 2, "'D' n'est pas une phase"},
        Hostile{"spires_reelles", Entete("1,1,A,1.5\n"), 2, "'1.5' n'est pas un nombre de spires"},
        Hostile{"spires_debordent", Entete("1,1,A,99999999999\n"), 2, "nombre de spires"},
        Hostile{"spires_sans_phase", Entete("1,1,,2\n"), 2, "case vide 0 spire"},
        Hostile{"phase_sans_spires", Entete("1,1,B,0\n"), 2, "une phase demande des spires"},
        Hostile{"doublon", Entete("1,1,A,1\n2,1,B,1\n1,1,C,1\n"), 4, "déjà donnée ligne 2"},
        Hostile{"encoche_manquante", Entete("2,1,A,1\n3,1,B,1\n"), 4, "il manque l'encoche 1"},
        Hostile{"couche_manquante", Entete("1,1,A,1\n1,2,A,-1\n2,1,B,1\n"), 5,
                "l'encoche 2, couche 2"},
        Hostile{"aucune_encoche", Entete("\n"), 3, "aucune encoche"}),
    [](const testing::TestParamInfo<Hostile>& i) { return i.param.nom; });

// One coil reversed in a balanced winding, and a side given three turns: the forward and backward
// parts of every order against the drawn MMF sampled over the air gap and one period,
// F(θ, t) ≈ Σ A·cos(νθ − ωt − φ) + B·cos(νθ + ωt − ψ). The lesson is there: a backward working
// wave, and orders the balanced winding has not.
TEST(Personnalise, ABrokenWindingsFieldIsItsDrawnMmfs) {
    const State sain = Encoches(12, 5, 2, 1);
    State trois = sain;
    EditerCellule(trois, 4, 0, {1, 3});
    for (const State& s : {BobineInversee(sain, 0), trois}) {
        const auto b = BobinageDe(s);
        constexpr int kEspace = 1 << 13, kTemps = 16;
        const int n = OrdreMecaniqueMax(s.p);
        std::vector<std::complex<double>> direct(n + 1), inverse(n + 1);
        double moyenne = 0.0;  // the largest mean over the air gap at an instant
        for (int j = 0; j < kTemps; ++j) {
            State x = s;
            const double wt = kDeuxPi * j / kTemps;
            x.t = wt / x.Omega;
            for (int k = 0; k < 3; ++k) x.I[k] = CourantPhase(x, k).valeur;
            double instant = 0.0;
            for (int i = 0; i < kEspace; ++i) {
                const double theta = kDeuxPi * (i + 0.5) / kEspace;
                double f = 0.0;
                for (int k = 0; k < 3; ++k) f += b->Force(x, k, theta, 0.0);
                instant += f / kEspace;
                for (int nu = 1; nu <= n; ++nu) {
                    direct[nu] += f * std::polar(2.0 / (kEspace * kTemps), wt - nu * theta);
                    inverse[nu] += f * std::polar(2.0 / (kEspace * kTemps), -wt - nu * theta);
                }
            }
            moyenne = std::max(moyenne, std::abs(instant));
        }
        EXPECT_NEAR(moyenne, 0.0, 2e-3);
        const HarmoniquesMecaniques m = AnalyseMecanique(s), avant = AnalyseMecanique(sain);
        int nouveaux = 0;
        for (int nu = 1; nu <= n; ++nu) {
            EXPECT_NEAR(m.direct[nu], std::abs(direct[nu]), 2e-3) << "ν=" << nu;
            EXPECT_NEAR(m.inverse[nu], std::abs(inverse[nu]), 2e-3) << "ν=" << nu;
            nouveaux += m.sens[nu] != Sens::Absent && avant.sens[nu] == Sens::Absent;
        }
        EXPECT_GT(m.inverse[s.p], 0.01 * m.direct[s.p]);
        EXPECT_LT(avant.inverse[s.p], 1e-9);
        EXPECT_GT(nouveaux, 0);
        // Under an unbalanced supply too the parts are fixed in time, and so is their unit.
        State x = s, y = s;
        x.alimentation = y.alimentation = AlimentationDe("phase-coupee");
        y.t = 0.0037;
        EXPECT_NEAR(*AnalyseMecanique(x).DirectRelatif(s.p),
                    *AnalyseMecanique(y).DirectRelatif(s.p), 1e-12);
    }
}

// The diagnostics count each phase's conductors and name the phase that differs or does not
// close; the sub-harmonics they name are the orders below p that the spectrum shows.
TEST(Personnalise, DiagnosticsNameWhatTheSpectrumShows) {
    State moins = Encoches(12, 5, 2, 1);
    EditerCellule(moins, 0, 0, {});
    for (const State& s : {Encoches(12, 5, 2, 1), Encoches(9, 4, 2, 1), Encoches(36, 2, 1, 9),
                           BobineInversee(Encoches(24, 2, 2, 5), 2), moins}) {
        const std::vector<std::string> d = DiagnosticEncoches(*EncochesMontrees(s));
        const HarmoniquesMecaniques m = AnalyseMecanique(s);
        std::string sous;
        for (int nu = 1; nu < s.p; ++nu)
            if (m.sens[nu] != Sens::Absent) sous += (sous.empty() ? "" : ", ") + std::to_string(nu);
        ASSERT_GE(d.size(), 3u);
        EXPECT_EQ(d.back(),
                  sous.empty() ? "Aucune sous-harmonique" : "Sous-harmoniques : ordres " + sous);
        EXPECT_EQ(d[d.size() - 2], "Onde de travail : ordre " + std::to_string(s.p) + " (p)");
    }
    const std::vector<std::string> d = DiagnosticEncoches(*EncochesMontrees(moins));
    EXPECT_EQ(d[0], "Conducteurs par phase : A 7, B 8, C 8");
    EXPECT_EQ(d[1], "La phase A diffère : 7 conducteurs au lieu de 8");
    EXPECT_EQ(d[2].rfind("La phase A ne se referme pas : 3 conducteurs d'aller, 4 de retour", 0),
              0u)
        << d[2];
}

// The custom kind starts from the slot winding shown, keeps its cells when p changes, and an
// edit is undone and redone.
TEST(Personnalise, StartsAsTheSlotWindingAndUndoes) {
    State s = Encoches(36, 2, 1, 9);
    ChoisirTypeBobinage(s, TypeBobinage::Personnalise);
    ASSERT_TRUE(s.tableBobinage);
    EXPECT_EQ(*s.tableBobinage, *EncochesDe(s)->Table());
    HistoriqueBobinage h;
    const auto premiere = s.tableBobinage;
    h.Avant(s);
    ASSERT_TRUE(EditerCellule(s, 0, 0, CelluleSuivante((*premiere)(0, 0))));
    EXPECT_FALSE(EditerCellule(s, 36, 0, {}));
    EXPECT_FALSE(EditerCellule(s, 0, 0, {0, 0}));
    const auto seconde = s.tableBobinage;
    h.Annuler(s);
    EXPECT_EQ(s.tableBobinage, premiere);
    h.Refaire(s);
    EXPECT_EQ(s.tableBobinage, seconde);
    EXPECT_FALSE(h.PeutRefaire());
    std::string cycle;
    for (Cellule c = CelluleSuivante({}); !c.Vide(); c = CelluleSuivante(c)) cycle += NomCellule(c);
    EXPECT_EQ(cycle, "A+A−B+B−C+C−");
    for (int p = 1; p <= 99; ++p) {
        EXPECT_NO_THROW(VerifieBobinage(s, p));
        s.p = p;
        EXPECT_EQ(BobinageDe(s)->Conducteurs(0).size(), 12u);
    }
}

}  // namespace
