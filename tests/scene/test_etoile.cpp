// SPDX-License-Identifier: GPL-3.0-or-later
// The star of slots as drawn, against the star worked out here from Q and p alone: slot n
// (numbered 1 … Q) has its EMF phasor at the electrical angle (n − 1)·p·2π/Q, in the colour of
// the phase whose 60° sector holds that angle (+A, −C, +B, −A, +C, −B from 0°; A blue, B red,
// C green); six dotted sector edges at k·60°, each sector's name at its middle in its phase's
// colour; the title's q = Q/(6p) as a reduced fraction and the periodicity gcd(Q, p).

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <numeric>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "scene/Etoile.h"
#include "tests/support/RecordingSurface.h"

using namespace kest;
using namespace kest::test;

namespace {

constexpr double kDegre = 3.141592653589793 / 180;
const char* const kSecteurs[6] = {"+A", "-C", "+B", "-A", "+C", "-B"};
constexpr Couleur kCouleurs[3] = {kBleu, kRouge, kVert};  // A, B, C
Couleur CouleurDuNom(const std::string& nom) { return kCouleurs[nom[1] - 'A']; }

struct Ligne {
    const char* nom;
    int Q, p, couches, pas;
    bool valide;
};

// Where a label's box is centred, seen from the star's centre c: its angle and its distance.
struct Polaire {
    double angle, rayon;
};
Polaire Centre(const Appel& a, Point c) {
    const double x = a.x1 + kDemiLargeurCaractereEtoile * double(a.texte.size()) - c.x;
    const double y = c.y - (a.y1 + kDemiHauteurTexteEtoile);
    return {std::atan2(y, x), std::hypot(x, y)};
}
double Ecart(double a, double b) { return std::abs(std::remainder(a - b, 2 * 3.141592653589793)); }
// The label's centre lies on the ray at `angle`, within the truncation of its point (√2 px).
bool SurLeRayon(Polaire l, double angle) {
    return std::abs(l.rayon * std::sin(l.angle - angle)) <= 1.5 && std::cos(l.angle - angle) > 0;
}

class EtoileDessinee : public ::testing::TestWithParam<Ligne> {};

TEST_P(EtoileDessinee, IsTheStarOfItsSlots) {
    const Ligne& l = GetParam();
    State s;
    s.p = l.p, s.encoches = l.Q, s.couches = l.couches, s.pas = l.pas;
    RecordingSurface r;
    DessineEtoile(r, s);

    // Six dotted edges from one centre at k·60°, all as long.
    std::vector<RecordingSurface::Segment> bords, phaseurs;
    for (const auto& g : r.segments())
        (g.stylo.style == PenStyle::Dot ? bords : phaseurs).push_back(g);
    ASSERT_EQ(bords.size(), 6u);
    const Point c{bords[0].x1, bords[0].y1};
    std::set<int> sixiemes;
    for (const auto& g : bords) {
        ASSERT_EQ(std::tie(g.x1, g.y1), std::tie(c.x, c.y));
        const double a = std::atan2(c.y - g.y2, g.x2 - c.x);
        const int k = int(std::lround(a / (60 * kDegre)) + 6) % 6;
        EXPECT_LT(Ecart(a, k * 60 * kDegre), 0.5 * kDegre) << a / kDegre;
        EXPECT_NEAR(std::hypot(g.x2 - c.x, g.y2 - c.y),
                    std::hypot(bords[0].x2 - c.x, bords[0].y2 - c.y), 1.5);
        sixiemes.insert(k);
    }
    EXPECT_EQ(sixiemes.size(), 6u);
    const double rayonSecteurs = std::hypot(bords[0].x2 - c.x, bords[0].y2 - c.y);

    // The labels: the title's lines, the sectors' names, the phasors' slot numbers.
    std::vector<std::string> titre;
    std::map<std::string, Appel> noms;
    std::vector<Appel> numeros;
    for (const Appel& a : r.appels) {
        if (a.op != Op::TextOut) continue;
        if (a.texte.find(' ') != std::string::npos)
            titre.push_back(a.texte);
        else if (a.texte[0] == '+' || a.texte[0] == '-')
            EXPECT_TRUE(noms.emplace(a.texte, a).second) << a.texte;
        else
            numeros.push_back(a);
    }
    ASSERT_EQ(noms.size(), 6u);
    double rayonNoms = Centre(noms.begin()->second, c).rayon;
    for (int i = 0; i < 6; ++i) {
        const Appel& a = noms.at(kSecteurs[i]);
        const Polaire m = Centre(a, c);
        EXPECT_TRUE(SurLeRayon(m, (2 * i + 1) * 30 * kDegre)) << a.texte << " " << m.angle / kDegre;
        EXPECT_NEAR(m.rayon, rayonNoms, 1.5) << a.texte;
        EXPECT_EQ(a.stylo.couleur, CouleurDuNom(a.texte)) << a.texte;
    }
    EXPECT_LT(rayonNoms, rayonSecteurs);

    const int t = std::gcd(l.Q, l.p), d = std::gcd(l.Q, 6 * l.p);
    const std::string q =
        std::to_string(l.Q / d) + (6 * l.p == d ? "" : "/" + std::to_string(6 * l.p / d));
    ASSERT_FALSE(titre.empty());
    EXPECT_EQ(titre[0].rfind("Étoile des encoches : ", 0), 0u) << titre[0];
    if (!l.valide) {  // the title's first line and the sectors only
        EXPECT_EQ(titre.size(), 1u);
        EXPECT_TRUE(phaseurs.empty());
        EXPECT_TRUE(numeros.empty());
        return;
    }
    ASSERT_EQ(titre.size(), 2u);
    EXPECT_EQ(titre[1], "q = Q/(6p) = " + q + ", périodicité pgcd(Q, p) = " + std::to_string(t));

    // One phasor per gcd(Q, p) slots, each numbered: every slot once, at its own angle, the
    // phasor there in its sector's colour, the numbers just beyond its tip.
    ASSERT_EQ(int(phaseurs.size()), l.Q / t);
    ASSERT_EQ(numeros.size(), phaseurs.size());
    std::set<int> vues, tracesVus;
    double rayonNumeros = Centre(numeros[0], c).rayon;
    for (const Appel& a : numeros) {
        std::istringstream liste(a.texte);
        std::string n;
        int indice = -1;  // (n − 1)·p mod Q, the same for every slot of the label
        while (std::getline(liste, n, ',')) {
            const int s = std::stoi(n);
            EXPECT_TRUE(s >= 1 && s <= l.Q && vues.insert(s).second) << a.texte;
            const int i = int((long long)(s - 1) * l.p % l.Q);
            EXPECT_TRUE(indice < 0 || indice == i) << a.texte;
            indice = i;
        }
        const double angle = 360.0 * indice / l.Q * kDegre;
        const Couleur couleur = CouleurDuNom(kSecteurs[6 * indice / l.Q]);
        int trace = -1;
        for (std::size_t j = 0; j < phaseurs.size(); ++j) {
            const auto& g = phaseurs[j];
            if (std::tie(g.x1, g.y1) == std::tie(c.x, c.y) &&
                Ecart(std::atan2(c.y - g.y2, g.x2 - c.x), angle) < 0.5 * kDegre)
                trace = int(j);
        }
        ASSERT_GE(trace, 0) << "no phasor at " << angle / kDegre << "° for " << a.texte;
        const auto& g = phaseurs[trace];
        EXPECT_TRUE(tracesVus.insert(trace).second) << a.texte;
        EXPECT_EQ(g.stylo.couleur, couleur) << a.texte;
        EXPECT_EQ(g.stylo.largeur, 2) << a.texte;
        const Polaire m = Centre(a, c);
        EXPECT_TRUE(SurLeRayon(m, angle)) << a.texte << " at " << m.angle / kDegre;
        EXPECT_NEAR(m.rayon, rayonNumeros, 1.5) << a.texte;
        EXPECT_GT(m.rayon, std::hypot(g.x2 - c.x, g.y2 - c.y)) << a.texte;
    }
    EXPECT_EQ(int(vues.size()), l.Q);
    EXPECT_LT(rayonNumeros, rayonNoms);
}

INSTANTIATE_TEST_SUITE_P(Bobinages, EtoileDessinee,
                         ::testing::Values(Ligne{"Q12_p5", 12, 5, 2, 1, true},
                                           Ligne{"Q9_p4", 9, 4, 2, 1, true},
                                           Ligne{"Q18_p4", 18, 4, 2, 2, true},
                                           Ligne{"Q36_p2_une_couche", 36, 2, 1, 9, true},
                                           Ligne{"Q12_p3_brise", 12, 3, 2, 1, false}),
                         [](const auto& info) { return std::string(info.param.nom); });

}  // namespace
