// SPDX-License-Identifier: GPL-3.0-or-later
// The star of slots as drawn, against the star worked out here from Q and p alone: slot n
// (1 … Q) has its phasor at the electrical angle (n − 1)·p·2π/Q, in the colour of the phase whose
// 60° sector holds it (+A, −C, +B, −A, +C, −B from 0°; A blue, B red, C green); six dotted edges
// at k·60°, each sector named at its middle in its phase's colour; q = Q/(6p) reduced and the
// periodicity gcd(Q, p) in the title; each label centred on its point.

#include <gtest/gtest.h>

#include <cmath>
#include <map>
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
const char* const kSecteurs[6] = {"+A", "-C", "+B", "-A", "+C", "-B"};
constexpr Couleur kCouleurs[3] = {kBleu, kRouge, kVert};  // A, B, C
Couleur CouleurDe(const std::string& nom) { return kCouleurs[nom[1] - 'A']; }

struct Ligne {
    const char* nom;
    int Q, p, couches, pas;
    bool valide;
};
class EtoileDessinee : public ::testing::TestWithParam<Ligne> {};

TEST_P(EtoileDessinee, IsTheStarOfItsSlots) {
    const Ligne& l = GetParam();
    State s;
    s.p = l.p, s.encoches = l.Q, s.couches = l.couches, s.pas = l.pas;
    RecordingSurface r;
    DessineEtoile(r, s);
    std::vector<RecordingSurface::Segment> bords, phaseurs;
    for (const auto& g : r.segments())
        (g.stylo.style == PenStyle::Dot ? bords : phaseurs).push_back(g);
    ASSERT_EQ(bords.size(), 6u);
    const int cx = bords[0].x1, cy = bords[0].y1;
    const auto angle = [&](double x, double y) { return std::atan2(cy - y, x - cx); };
    const auto ecart = [](double a, double b) {
        return std::abs(std::remainder(a - b, 360 * kDegre));
    };
    // A label's box middle on the ray at angle a (within the √2 px of its point's truncation):
    // its distance from the centre, or −1.
    const auto surLeRayon = [&](const Appel& t, double a) {
        const double x = t.x1 + kDemiLargeurCaractereEtoile * double(t.texte.size()) - cx,
                     y = cy - (t.y1 + kDemiHauteurTexteEtoile);
        const bool sur = std::abs(x * std::sin(a) - y * std::cos(a)) <= 1.5 &&
                         x * std::cos(a) + y * std::sin(a) > 0;
        return sur ? std::hypot(x, y) : -1.0;
    };

    std::set<long> sixiemes;
    for (const auto& g : bords) {
        const double a = angle(g.x2, g.y2);
        EXPECT_EQ(std::tie(g.x1, g.y1), std::tie(cx, cy));
        EXPECT_LT(ecart(a, std::lround(a / (60 * kDegre)) * 60 * kDegre), 0.5 * kDegre)
            << a / kDegre;
        sixiemes.insert((std::lround(a / (60 * kDegre)) + 6) % 6);
    }
    EXPECT_EQ(sixiemes.size(), 6u);

    std::vector<std::string> titre;
    std::map<std::string, Appel> noms;
    std::vector<Appel> numeros;
    for (const Appel& a : r.appels) {
        if (a.op != Op::TextOut) continue;
        if (a.texte.find(' ') != std::string::npos)
            titre.push_back(a.texte);
        else if (a.texte[0] == '+' || a.texte[0] == '-')
            noms.emplace(a.texte, a);
        else
            numeros.push_back(a);
    }
    ASSERT_EQ(noms.size(), 6u);
    for (int i = 0; i < 6; ++i) {
        const Appel& a = noms.at(kSecteurs[i]);
        EXPECT_GT(surLeRayon(a, (2 * i + 1) * 30 * kDegre), 0) << a.texte;
        EXPECT_EQ(a.stylo.couleur, CouleurDe(a.texte)) << a.texte;
    }
    const int t = std::gcd(l.Q, l.p), d = std::gcd(l.Q, 6 * l.p);
    const std::string q =
        std::to_string(l.Q / d) + (6 * l.p == d ? "" : "/" + std::to_string(6 * l.p / d));
    ASSERT_EQ(titre.size(), l.valide ? 2u : 1u);
    EXPECT_EQ(titre[0].rfind("Étoile des encoches : ", 0), 0u) << titre[0];
    if (!l.valide) {  // the title's first line and the sectors only
        EXPECT_TRUE(phaseurs.empty() && numeros.empty());
        return;
    }
    EXPECT_EQ(titre[1], "q = Q/(6p) = " + q + ", périodicité pgcd(Q, p) = " + std::to_string(t));

    // One phasor per gcd(Q, p) slots, 2 px wide: every slot once, its number beyond the tip of
    // the phasor at its angle, which has its sector's colour.
    ASSERT_EQ(int(phaseurs.size()), l.Q / t);
    ASSERT_EQ(numeros.size(), phaseurs.size());
    std::set<int> vues;
    for (const Appel& a : numeros) {
        std::istringstream liste(a.texte);
        std::set<int> indices;  // (n − 1)·p mod Q of each slot n of the label
        for (std::string n; std::getline(liste, n, ',');) {
            EXPECT_TRUE(std::stoi(n) >= 1 && std::stoi(n) <= l.Q &&
                        vues.insert(std::stoi(n)).second)
                << a.texte;
            indices.insert(int((long long)(std::stoi(n) - 1) * l.p % l.Q));
        }
        ASSERT_EQ(indices.size(), 1u) << a.texte;
        const double angleAttendu = 360.0 * *indices.begin() / l.Q * kDegre;
        int vus = 0;
        for (const auto& g : phaseurs) {
            if (ecart(angle(g.x2, g.y2), angleAttendu) >= 0.5 * kDegre) continue;
            ++vus;
            EXPECT_EQ(g.stylo.couleur, CouleurDe(kSecteurs[6 * *indices.begin() / l.Q])) << a.texte;
            EXPECT_EQ(std::tuple(g.x1, g.y1, g.stylo.largeur), std::tuple(cx, cy, 2)) << a.texte;
            EXPECT_GT(surLeRayon(a, angleAttendu), std::hypot(g.x2 - cx, g.y2 - cy)) << a.texte;
        }
        EXPECT_EQ(vus, 1) << a.texte;
    }
    EXPECT_EQ(int(vues.size()), l.Q);
}

INSTANTIATE_TEST_SUITE_P(Bobinages, EtoileDessinee,
                         ::testing::Values(Ligne{"Q12_p5", 12, 5, 2, 1, true},
                                           Ligne{"Q9_p4", 9, 4, 2, 1, true},
                                           Ligne{"Q18_p4", 18, 4, 2, 2, true},
                                           Ligne{"Q36_p2_une_couche", 36, 2, 1, 9, true},
                                           Ligne{"Q12_p3_brise", 12, 3, 2, 1, false}),
                         [](const auto& info) { return std::string(info.param.nom); });

}  // namespace
