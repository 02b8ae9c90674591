// SPDX-License-Identifier: GPL-3.0-or-later
// The star of slots as drawn, against the star worked out here from Q and p: slot n (1 … Q) has
// its phasor at the electrical angle (n − 1)·p·2π/Q, in the colour (A blue, B red, C green) of
// the 60° sector holding it (+A, −C, +B, −A, +C, −B from 0°); dotted edges at k·60°, each sector
// named at its middle in its phase's colour; q = Q/(6p) and gcd(Q, p) in the title; each label's
// box centred on its point.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "scene/Etoile.h"
#include "tests/support/RecordingSurface.h"

using namespace kest;
using namespace kest::test;

namespace {

constexpr double kDegre = 3.141592653589793 / 180;
const std::string kSecteurs[6] = {"+A", "-C", "+B", "-A", "+C", "-B"};
constexpr Couleur kCouleurs[3] = {kBleu, kRouge, kVert};  // A, B, C

struct Ligne {
    const char* nom;
    int Q, p, couches, pas;
};
class EtoileDessinee : public ::testing::TestWithParam<Ligne> {};

TEST_P(EtoileDessinee, IsTheStarOfItsSlots) {
    const Ligne& l = GetParam();
    State s;
    s.p = l.p, s.encoches = l.Q, s.couches = l.couches, s.pas = l.pas;
    RecordingSurface r;
    DessineEtoile(r, s);
    const int cx = r.segments().at(0).x1, cy = r.segments().at(0).y1;  // the first edge's start
    const auto ecart = [&](double x, double y, double a) {             // from the angle of (x, y)
        return std::abs(std::remainder(std::atan2(cy - y, x - cx) - a, 360 * kDegre));
    };
    // A label's middle on the ray at a (to its point's truncation, √2 px): its distance, else −1.
    const auto surLeRayon = [&](const Appel& t, double a) {
        const double x = t.x1 + kDemiLargeurCaractereEtoile * double(t.texte.size()) - cx,
                     y = cy - (t.y1 + kDemiHauteurTexteEtoile);
        const bool sur = std::abs(x * std::sin(a) - y * std::cos(a)) <= 1.5 &&
                         x * std::cos(a) + y * std::sin(a) > 0;
        return sur ? std::hypot(x, y) : -1.0;
    };

    // In the order drawn: the title, the sectors' edges and names, each phasor and its slots.
    const int t = std::gcd(l.Q, l.p), d = std::gcd(l.Q, 6 * l.p);
    const bool valide = (l.Q / t) % 3 == 0;  // otherwise p breaks the winding
    std::vector<std::string> titre;
    int bords = 0, secteurs = 0, phaseurs = 0;  // bit k: the edge, the name of sector k
    std::set<int> vues;
    for (std::size_t j = 0; j < r.appels.size(); ++j) {
        const Appel& a = r.appels[j];
        if (a.op == Op::TextOut && a.texte.find(' ') != std::string::npos) titre.push_back(a.texte);
        const int i = int(std::find(kSecteurs, kSecteurs + 6, a.texte) - kSecteurs);
        if (a.op == Op::TextOut && i < 6) {
            secteurs |= 1 << i;
            EXPECT_GT(surLeRayon(a, (2 * i + 1) * 30 * kDegre), 0) << a.texte;
            EXPECT_EQ(a.couleurTexte, kCouleurs[a.texte[1] - 'A']) << a.texte;
        }
        const long k = std::lround(std::atan2(cy - a.y1, a.x1 - cx) / (60 * kDegre));
        if (a.op == Op::LineTo && a.stylo.style == PenStyle::Dot && a.depuisX == cx &&
            a.depuisY == cy && ecart(a.x1, a.y1, k * 60 * kDegre) < 0.5 * kDegre)
            bords += 1 << (k + 6) % 6;
        if (a.op != Op::LineTo || a.stylo.style != PenStyle::Solid) continue;
        // A phasor, 2 px wide from the centre, then its slots n: each at (n − 1)·p·2π/Q.
        ++phaseurs;
        EXPECT_EQ(std::tuple(a.depuisX, a.depuisY, a.stylo.largeur), std::tuple(cx, cy, 2));
        const Appel& numeros = r.appels.at(j + 1);
        std::istringstream liste(numeros.texte);
        for (std::string n; std::getline(liste, n, ',');) {
            const int s = std::stoi(n);
            ASSERT_TRUE(s >= 1 && s <= l.Q && vues.insert(s).second) << numeros.texte;
            const int indice = int((long long)(s - 1) * l.p % l.Q);
            const double angle = 360.0 * indice / l.Q * kDegre;
            EXPECT_LT(ecart(a.x1, a.y1, angle), 0.5 * kDegre) << numeros.texte;
            EXPECT_EQ(a.stylo.couleur, kCouleurs[kSecteurs[6 * indice / l.Q][1] - 'A']) << s;
            EXPECT_GT(surLeRayon(numeros, angle), std::hypot(a.x1 - cx, a.y1 - cy)) << s;
        }
    }
    EXPECT_EQ(std::pair(bords, secteurs), std::pair(63, 63));
    ASSERT_EQ(titre.size(), valide ? 2u : 1u);
    EXPECT_EQ(titre[0].rfind("Étoile des encoches : ", 0), 0u);
    const std::string q =
        std::to_string(l.Q / d) + (6 * l.p == d ? "" : "/" + std::to_string(6 * l.p / d));
    EXPECT_EQ(titre.back(),
              valide ? "q = Q/(6p) = " + q + ", périodicité pgcd(Q, p) = " + std::to_string(t)
                     : titre[0]);
    // One phasor per gcd(Q, p) slots, every slot numbered once; none for a broken winding.
    EXPECT_EQ(phaseurs, valide ? l.Q / t : 0);
    EXPECT_EQ(int(vues.size()), valide ? l.Q : 0);
}

INSTANTIATE_TEST_SUITE_P(Bobinages, EtoileDessinee,
                         ::testing::Values(Ligne{"Q12_p5", 12, 5, 2, 1}, Ligne{"Q9_p4", 9, 4, 2, 1},
                                           Ligne{"Q18_p4", 18, 4, 2, 2},
                                           Ligne{"Q36_p2_une_couche", 36, 2, 1, 9},
                                           Ligne{"Q12_p3_brise", 12, 3, 2, 1}),
                         [](const auto& info) { return std::string(info.param.nom); });

}  // namespace
