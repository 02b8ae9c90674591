// SPDX-License-Identifier: GPL-3.0-or-later
// A slot winding's picture: the classic one where the two windings are the same, and what the
// star of slots and the MMF say where they are not.

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <map>
#include <sstream>
#include <tuple>

#include "model/Encoches.h"
#include "model/Regles.h"
#include "scene/Dessine.h"
#include "scene/Plan.h"
#include "scene/Vues.h"
#include "tests/support/RecordingSurface.h"

using namespace kest;
using namespace kest::test;

namespace {

RecordingSurface Dessiner(State s, Affichage a = {}) {
    RecordingSurface r;
    Dessine(r, s, a);
    return r;
}

State Classique(int p, int m, int ticks) {
    State s;
    AppliquerSaisie(s, {std::to_string(p), std::to_string(m), "3.14159265358979", true, false},
                    ".");
    s.Y = kPi;  // the exact π of the untouched dialog
    for (int i = 0; i < ticks; ++i) AvancerTemps(s);
    return s;
}

State Encoches(State s, int Q, int couches, int pas) {
    s.encoches = Q, s.couches = couches, s.pas = pas;
    ChoisirTypeBobinage(s, TypeBobinage::Encoches);
    return s;
}

std::string Texte(const Appel& a) {
    std::ostringstream o;
    o << int(a.op) << " (" << a.x1 << ", " << a.y1 << ", " << a.x2 << ", " << a.y2 << ") "
      << a.texte << " pen " << a.stylo.couleur << "/" << int(a.stylo.style) << "/"
      << a.stylo.largeur << " brush " << a.brosse.couleur << "/" << int(a.brosse.style);
    return o.str();
}

// The same calls with the same pens and brushes. Two correct evaluation orders of a coordinate
// that lies within rounding of a whole pixel may truncate one pixel apart: such a call counts as
// a near miss, and the pictures must have next to none.
struct Comparaison {
    bool memeSuite = true;
    int ecarts = 0;
    std::string premier;
};
Comparaison Compare(const RecordingSurface& a, const RecordingSurface& b) {
    Comparaison c;
    if (a.appels.size() != b.appels.size()) {
        c.memeSuite = false;
        c.premier =
            std::to_string(a.appels.size()) + " calls against " + std::to_string(b.appels.size());
        return c;
    }
    for (std::size_t i = 0; i < a.appels.size(); ++i) {
        const Appel &x = a.appels[i], &y = b.appels[i];
        const bool memeForme =
            x.op == y.op && x.texte == y.texte && x.stylo == y.stylo && x.brosse == y.brosse;
        const int d = std::max({std::abs(x.x1 - y.x1), std::abs(x.y1 - y.y1), std::abs(x.x2 - y.x2),
                                std::abs(x.y2 - y.y2)});
        if (memeForme && d == 0) continue;
        if (memeForme && d == 1) {
            ++c.ecarts;
        } else {
            c.memeSuite = false;
        }
        if (c.premier.empty())
            c.premier = "call " + std::to_string(i) + ": " + Texte(x) + " | " + Texte(y);
    }
    return c;
}

}  // namespace

TEST(SlotWindingPicture, FullPitchOneLayerDrawsTheClassicRealPicture) {
    const int pm[][2] = {{1, 2}, {2, 3}, {3, 1}};
    for (const auto& [p, m] : pm) {
        for (const int ticks : {0, 7, 25, 61}) {
            const State classique = Classique(p, m, ticks);
            const State encoches = Encoches(classique, 6 * p * m, 1, 3 * m);
            for (const Affichage a : {Affichage{}, Affichage{false, false, true}}) {
                const Comparaison c = Compare(Dessiner(classique, a), Dessiner(encoches, a));
                EXPECT_TRUE(c.memeSuite)
                    << "p=" << p << " m=" << m << " ticks=" << ticks << " " << c.premier;
                EXPECT_EQ(c.ecarts, 0)
                    << "p=" << p << " m=" << m << " ticks=" << ticks << " " << c.premier;
            }
        }
    }
}

namespace {

struct Cercle3 {
    int x, y;
    Couleur couleur;
    bool plein;
};

// The conductor circles (radius 4) drawn about a centre, with their distance from it.
std::vector<std::pair<Cercle3, double>> Conducteurs(const RecordingSurface& r, const Cercle& c) {
    std::vector<std::pair<Cercle3, double>> out;
    for (const Appel& a : r.appels) {
        if (a.op != Op::Ellipse || a.x2 - a.x1 != 8) continue;
        const int x = a.x1 + 4, y = a.y1 + 4;
        const double rho = std::hypot(x - c.cx, y - c.cy);
        if (rho > c.rayon - 3 && rho < c.anneauExt + 3)
            out.push_back({{x, y, a.stylo.couleur, a.brosse.style == BrushStyle::Solid}, rho});
    }
    return out;
}

}  // namespace

// Every slot of a two-layer 12-slot 10-pole winding holds two conductors on one radius, inner and
// outer, each in its phase's colour, filled for a return side; the phases hold as many go as
// return sides; phase 1's alone are on the space-vector circle.
TEST(SlotWindingPicture, EverySlotDrawsItsTwoLayers) {
    State s;
    s.p = 5;
    const State e = Encoches(s, 12, 2, 1);
    const RecordingSurface r = Dessiner(e);
    const auto stator = Conducteurs(r, kStator);
    ASSERT_EQ(stator.size(), 24u);
    std::map<Couleur, int> solde;
    int interieurs = 0;
    for (const auto& [c, rho] : stator) {
        solde[c.couleur] += c.plein ? -1 : 1;
        interieurs += rho < kStator.rayon + 3;
        // The other layer of the same slot lies on the same radius, 7 px further or nearer.
        int memeRayon = 0;
        for (const auto& [d, sigma] : stator) {
            const double cross = double(c.x - kStator.cx) * (d.y - kStator.cy) -
                                 double(c.y - kStator.cy) * (d.x - kStator.cx);
            const double dot = double(c.x - kStator.cx) * (d.x - kStator.cx) +
                               double(c.y - kStator.cy) * (d.y - kStator.cy);
            memeRayon += std::abs(cross) < 2.0 * rho && dot > 0 && std::abs(sigma - rho) > 4;
        }
        EXPECT_EQ(memeRayon, 1) << c.x << "," << c.y;
    }
    EXPECT_EQ(interieurs, 12);
    for (const Couleur k : kCouleurPhase) EXPECT_EQ(solde[k], 0) << k;
    const auto phase1 = Conducteurs(r, kVecteurSpatial);
    EXPECT_EQ(phase1.size(), 8u);
    for (const auto& [c, rho] : phase1) EXPECT_EQ(c.couleur, kRouge);
}

// The sum curve as drawn, transformed over its samples, has the working wave and the
// sub-harmonic the model's coefficient gives (12/10: about 0.32 at ν = 1; 36/4: none).
TEST(SlotWindingPicture, SumCurveCarriesTheModelsOrders) {
    const std::tuple<int, int, int, int> cas[] = {{12, 5, 2, 1}, {36, 2, 2, 7}, {9, 4, 2, 1}};
    for (const auto& [Q, p, couches, pas] : cas) {
        State s;
        s.p = p;
        State e = Encoches(s, Q, couches, pas);
        for (int i = 0; i < 13; ++i) AvancerTemps(e);
        const RecordingSurface r = Dessiner(e, {false, false, false});
        std::vector<double> f;
        for (const auto& seg : r.segments())
            if (seg.stylo.couleur == kNoir && seg.y1 == seg.y2 && seg.x2 - seg.x1 == 3 &&
                seg.x1 < kLongueurCourbe)
                f.push_back((seg.y1 - kBaseSomme) / e.Gain);
        ASSERT_EQ(int(f.size()), e.Echelle);
        for (const int nu : {1, p}) {
            std::complex<double> c;
            for (std::size_t n = 0; n < f.size(); ++n)
                c += f[n] * std::polar(1.0, -nu * kDeuxPi * double(n) / e.Echelle);
            c *= 2.0 / e.Echelle;
            // 150 samples of a staircase whose edges fall between them: a few hundredths off.
            EXPECT_LT(std::abs(c - CoefficientMecanique(e, nu)), 0.08)
                << Q << "/" << 2 * p << " nu=" << nu << " drawn " << c << " model "
                << CoefficientMecanique(e, nu);
        }
    }
}
