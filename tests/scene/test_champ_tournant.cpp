// SPDX-License-Identifier: GPL-3.0-or-later
// The rotating field of an unbalanced supply, judged by the wave it stands beside: every arrow
// on a crest of its own wave as the model's MMF draws it, over pole pairs, coil pitches,
// distributions and supplies; the crest markers on the resultant's crest; labels apart.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <optional>
#include <string>

#include "model/Alimentation.h"
#include "model/Bobinage.h"
#include "model/Monophase.h"
#include "model/Physique.h"
#include "scene/Dessine.h"
#include "scene/Plan.h"
#include "tests/support/Bobinage.h"
#include "tests/support/RecordingSurface.h"
#include "tests/support/Scene.h"

using namespace kest;
using namespace kest::test;

namespace {

using Complexe = std::complex<double>;

// The resultant's coefficient of mechanical order p, (1/π)·∫ F(θ)·e^{−i·p·θ} dθ over the turn,
// by a plain Riemann sum of the model's MMF over 4096 points: the wave the curves and the polar
// wave draw, read without the spectrum's exact-step transform.
Complexe Coefficient(State s) {
    for (int k = 0; k < 3; ++k) s.I[k] = CourantPhase(s, k).valeur;
    constexpr int n = 4096;
    Complexe c;
    for (int i = 0; i < n; ++i) {
        const double theta = kDeuxPi * (i + 0.5) / n;
        double f = 0.0;
        for (int k = 0; k < BobinageDe(s)->NbPhases(); ++k) f += ForcePhase(s, k, theta);
        c += f * std::polar(1.0, -s.p * theta);
    }
    return c * (2.0 / n);
}

// The forward and backward parts of the fundamental at the state's instant (a quarter period
// later a forward wave has turned by −π/2, a backward one by +π/2), and the balanced unit.
struct Parties {
    Complexe resultante, direct, inverse;
    double unite;
};
Parties PartiesDe(const State& s) {
    State plusTard = s, equilibre = Equilibree(s);
    plusTard.t = s.t + kPiSur2 / s.Omega;
    const Complexe c1 = Coefficient(s), c2 = Coefficient(plusTard);
    const Complexe i(0.0, 1.0);
    return {c1, (c1 + i * c2) * 0.5, (c1 - i * c2) * 0.5, std::abs(Coefficient(equilibre))};
}

// The tip of the arrow drawn from the stator's centre in this colour, 2 px wide (the first such
// segment), if any.
std::optional<Point> Pointe(const RecordingSurface& r, Couleur couleur) {
    for (const auto& g : r.segments())
        if (g.x1 == kStator.cx && g.y1 == kStator.cy && g.stylo.couleur == couleur &&
            g.stylo.largeur == kLargeurChamps && g.stylo.style == PenStyle::Solid)
            return Point{g.x2, g.y2};
    return std::nullopt;
}

// Is the drawn tip within a pixel (its truncation; the Riemann sum adds a few hundredths) of some
// crest of the wave of coefficient c, drawn kStator.rayon long per unit? A crest of Re(c·e^{i·p·θ})
// stands at θ = (−arg c + 2πj)/p.
::testing::AssertionResult SurUneCrete(Point pointe, Complexe c, double unite, int p) {
    const double longueur = kStator.rayon * std::abs(c) / unite;
    double meilleur = 1e9;
    for (int j = 0; j < p; ++j) {
        const double a = (-std::arg(c) + kDeuxPi * j) / p;
        const double x = longueur * std::cos(a) + kStator.cx,
                     y = kStator.cy - longueur * std::sin(a);
        meilleur = std::min(meilleur, std::max(std::abs(pointe.x - x), std::abs(pointe.y - y)));
    }
    if (meilleur <= 1.05) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "tip (" << pointe.x << ", " << pointe.y << ") is " << meilleur
           << " px from the nearest crest of a wave " << longueur << " px long";
}

struct Supply {
    const char* nom;
    Alimentation kind;
    double amplitudes[3];
    double dephasages[3];
};
const Supply kSupplies[] = {
    {"inverse", AlimentationDe("inverse"), {1, 1, 1}, {0, 120, 240}},
    {"monophasee", AlimentationDe("monophasee"), {1, 1, 1}, {0, 120, 240}},
    {"phase-coupee", AlimentationDe("phase-coupee"), {1, 1, 1}, {0, 120, 240}},
    {"libre elliptique", kAlimentationLibre, {0.5, 1.5, 2.0}, {0, 100, 250}},
    {"libre presque inverse", kAlimentationLibre, {1.0, 0.8, 1.2}, {10, -110, 95}},
};

State Avec(State s, const Supply& a, double t) {
    s.alimentation = a.kind;
    for (int k = 0; k < 3; ++k)
        s.amplitudesLibres[k] = a.amplitudes[k], s.dephasagesLibres[k] = a.dephasages[k];
    s.t = t;
    return s;
}

}  // namespace

// Every arrow points at a crest of its own wave, as long as its amplitude; the black radius of
// the closing markers stands on the resultant's crest and reaches the circle; a part too short to
// have a direction draws no arrow.
void FlechesSurLesCretes(State s) {
    const Parties w = PartiesDe(s);
    RecordingSurface r;
    Dessine(r, s, {});
    const struct {
        Couleur couleur;
        Complexe c;
    } fleches[] = {{kCouleurResultante, w.resultante},
                   {kCouleurDirect, w.direct},
                   {kCouleurInverse, w.inverse}};
    for (const auto& f : fleches) {
        const double longueur = kStator.rayon * std::abs(f.c) / w.unite;
        const std::optional<Point> pointe = Pointe(r, f.couleur);
        if (longueur < kLongueurVisible - 0.01) {
            EXPECT_FALSE(pointe) << std::hex << f.couleur;
        } else if (longueur > kLongueurVisible + 0.01) {
            ASSERT_TRUE(pointe) << std::hex << f.couleur;
            EXPECT_TRUE(SurUneCrete(*pointe, f.c, w.unite, s.p)) << std::hex << f.couleur;
        }
    }
    // The marker's radius: the resultant's crest, at the circle.
    const std::optional<Point> rayon = Pointe(r, kNoir);
    ASSERT_TRUE(rayon);
    if (std::abs(w.resultante) / w.unite > 0.05)
        EXPECT_TRUE(SurUneCrete(*rayon, w.resultante / std::abs(w.resultante), 1.0, s.p));
}

TEST(ChampsContraires, ArrowsAndMarkerStandOnTheCrestsOfTheDrawnWave) {
    int dessins = 0;
    for (const int p : {1, 2, 3})
        for (const double y : {kPi, 2.0, 5 * kPi / 6})
            for (const Distribution d : {Parfaite, Reelle, DoubleEtoile})
                for (const Supply& a : kSupplies)
                    for (const double t : {0.0, 0.0013, 0.005, 0.0071}) {
                        SCOPED_TRACE(std::string(a.nom) + " p=" + std::to_string(p) +
                                     " Y=" + std::to_string(y) + " d=" + std::to_string(d) +
                                     " t=" + std::to_string(t));
                        FlechesSurLesCretes(Avec(EtatClassique(p, 2, y, d), a, t));
                        ++dessins;
                    }
    EXPECT_EQ(dessins, 3 * 3 * 3 * 5 * 4);
    // The single-phase motor's two windings, every start.
    for (const int p : {1, 2})
        for (int d = 0; d < kNombreDemarrages; ++d)
            for (const double t : {0.0, 0.0013, 0.005, 0.0071}) {
                SCOPED_TRACE("moteur " + std::to_string(d) + " p=" + std::to_string(p) +
                             " t=" + std::to_string(t));
                State s = EnMoteur(EtatClassique(p, 2, 5 * kPi / 6), static_cast<Demarrage>(d));
                s.condensateur = 90.0, s.t = t;
                FlechesSurLesCretes(s);
            }
}

// The markers follow the field that is there: under the reversed supply the black radius and
// the black bar turn with the backward field, on the resultant's crest, not with the balanced
// one's Omega·t/p.
TEST(ChampsContraires, ReversedSupplyMarkersFollowTheBackwardField) {
    for (const int p : {1, 2})
        for (const int ticks : {0, 25}) {
            State s = Avec(EtatClassique(p, 2, kPi, Reelle), kSupplies[0], ticks * 0.0002);
            const Parties w = PartiesDe(s);
            RecordingSurface r;
            Dessine(r, s, {});
            const std::optional<Point> rayon = Pointe(r, kNoir);
            ASSERT_TRUE(rayon) << "p=" << p << " ticks=" << ticks;
            EXPECT_TRUE(SurUneCrete(*rayon, w.resultante / std::abs(w.resultante), 1.0, p))
                << "p=" << p << " ticks=" << ticks;
            // The bar on the sum curve stands at the same crest's x, 50 px per radian.
            const double crete = std::atan2(kStator.cy - rayon->y, rayon->x - kStator.cx);
            int barre = -1;
            for (const auto& g : r.segments())
                if (g.stylo.couleur == kNoir && g.stylo.largeur == 2 && g.x1 == g.x2 &&
                    g.y1 == kBaseSomme && g.y2 == static_cast<int>(kBaseSomme - s.AmplTotale))
                    barre = g.x1;
            double attendu = std::fmod(crete, kDeuxPi);
            if (attendu < 0) attendu += kDeuxPi;
            EXPECT_NEAR(barre, kPixelsParRadian * attendu, 1.5) << "p=" << p << " ticks=" << ticks;
        }
}

// Without a fundamental (m = 0: no conductor) no part is drawn, and the markers stand where the
// clock puts the crest, Omega·t/p, as the balanced supply's do.
TEST(ChampsContraires, WithoutAFundamentalTheMarkersFollowTheClock) {
    for (const int p : {1, 2}) {
        const State s = Avec(EtatClassique(p, 0), kSupplies[3], 0.0037);
        const RecordingSurface r = Dessiner(s);
        const Point c = PointPolaire(s.Omega * s.t / p, kStator.rayon, kStator.cx, kStator.cy);
        const std::optional<Point> rayon = Pointe(r, kNoir);
        EXPECT_TRUE(rayon && rayon->x == c.x && rayon->y == c.y) << p;
        EXPECT_FALSE(Pointe(r, kCouleurDirect) || Pointe(r, kCouleurInverse)) << p;
    }
}

// The two labels never overlap each other, the frame's captions nor any arrow's shaft, over the
// supplies and a hundred instants of a period, with one and two pole pairs; where the place along
// its arrow (over 40 px), the set gap beyond its tip, is clear by 6 px, a label stands there.
TEST(ChampsContraires, LabelsStayApartAndOffTheShafts) {
    struct Boite {
        int x1, y1, x2, y2;
    };
    const auto apart = [](Boite a, Boite b) {
        return a.x2 <= b.x1 || b.x2 <= a.x1 || a.y2 <= b.y1 || b.y2 <= a.y1;
    };
    const Boite legendes{kEtiquetteFresnelX, kEtiquetteY, kEtiquetteVecteurX + 100,
                         kEtiquetteY + 2 * kDemiHauteurEtiquette};
    int premieres = 0;
    for (const int p : {1, 2})
        for (const Supply& a : kSupplies)
            for (int i = 0; i < 100; ++i) {
                State s = Avec(EtatClassique(p, 2, kPi, Reelle), a, i * 0.0002);
                RecordingSurface r;
                Dessine(r, s, {});
                std::vector<Boite> boites;
                for (const Appel& c : r.appels)
                    if (c.op == Op::TextOut &&
                        (c.stylo.couleur == kCouleurDirect || c.stylo.couleur == kCouleurInverse))
                        boites.push_back({c.x1, c.y1, c.x1 + kLargeurEtiquette,
                                          c.y1 + 2 * kDemiHauteurEtiquette});
                const std::string ou =
                    std::string(a.nom) + " p=" + std::to_string(p) + " i=" + std::to_string(i);
                const auto libre = [&](Boite b) {  // of the shafts and the captions
                    for (const Couleur couleur :
                         {kCouleurResultante, kCouleurDirect, kCouleurInverse}) {
                        const std::optional<Point> q = Pointe(r, couleur);
                        for (int j = 0; q && j <= 200; ++j) {
                            const double x = kStator.cx + (q->x - kStator.cx) * j / 200.0;
                            const double y = kStator.cy + (q->y - kStator.cy) * j / 200.0;
                            if (x > b.x1 && x < b.x2 && y > b.y1 && y < b.y2) return false;
                        }
                    }
                    return apart(b, legendes);
                };
                for (const Boite& b : boites) EXPECT_TRUE(libre(b)) << ou;
                EXPECT_TRUE(boites.size() < 2 || apart(boites[0], boites[1])) << ou;
                std::size_t n = 0;
                for (const Couleur couleur : {kCouleurDirect, kCouleurInverse}) {
                    const std::optional<Point> q = Pointe(r, couleur);
                    if (!q) continue;
                    const Boite& b = boites.at(n++);
                    const double l = std::hypot(q->x - kStator.cx, q->y - kStator.cy);
                    const double ux = (q->x - kStator.cx) / l, uy = (q->y - kStator.cy) / l;
                    const double d = kEcartEtiquette + kLargeurEtiquette * 0.5 * std::abs(ux) +
                                     kDemiHauteurEtiquette * std::abs(uy);
                    const double cx = q->x + d * ux, cy = q->y + d * uy;
                    const int mx = kLargeurEtiquette / 2 + 6, my = kDemiHauteurEtiquette + 6;
                    const Boite v{int(cx) - mx, int(cy) - my, int(cx) + mx, int(cy) + my};
                    if (l < 40 || !libre(v) || v.x1 < 0 || v.y1 < 0 || v.x2 > kLargeurImage ||
                        v.y2 > kHauteurImage || (n == 2 && !apart(v, boites[0])))
                        continue;
                    ++premieres;
                    EXPECT_NEAR(b.x1 + kLargeurEtiquette * 0.5, cx, 2.5) << ou << " " << n;
                    EXPECT_NEAR(b.y1 + kDemiHauteurEtiquette, cy, 2.5) << ou << " " << n;
                }
            }
    EXPECT_GT(premieres, 500);
}

// With two pole pairs the resultant's arrow and the markers move continuously with time: they
// follow one crest (no jump to the next, π away), and the locus goes all the way round.
TEST(ChampsContraires, CrestMovesContinuouslyAndLocusCloses) {
    for (const Supply& a : {kSupplies[0], kSupplies[3], kSupplies[4]}) {
        SCOPED_TRACE(a.nom);
        double avant = 0.0;
        for (int i = 0; i <= 200; ++i) {
            State s = Avec(EtatClassique(2, 2, 5 * kPi / 6, Reelle), a, i * 0.0001);
            RecordingSurface r;
            Dessine(r, s, {});
            const std::optional<Point> rayon = Pointe(r, kNoir);
            ASSERT_TRUE(rayon);
            const double angle = std::atan2(kStator.cy - rayon->y, rayon->x - kStator.cx);
            // A tenth of a millisecond turns a crest by 1.8° electrical, 0.9° mechanical.
            if (i > 0) EXPECT_LT(std::abs(std::remainder(angle - avant, kDeuxPi)), 0.1) << i;
            avant = angle;
            // The bar on the sum curve stays on the curve, at the same crest.
            for (const auto& g : r.segments())
                if (g.stylo.couleur == kNoir && g.stylo.largeur == 2 && g.x1 == g.x2 &&
                    g.y1 == kBaseSomme && g.y2 == static_cast<int>(kBaseSomme - s.AmplTotale)) {
                    EXPECT_GE(g.x1, 0);
                    EXPECT_LE(g.x1, kLongueurCourbe);
                    EXPECT_NEAR(std::cos(g.x1 / double(kPixelsParRadian)), std::cos(angle), 0.05);
                    EXPECT_NEAR(std::sin(g.x1 / double(kPixelsParRadian)), std::sin(angle), 0.05);
                }
            if (i > 0) continue;
            // The dotted locus: no gap of more than a twelfth of a turn around the centre.
            std::vector<double> angles;
            for (const Appel& c : r.appels)
                if (c.stylo.couleur == kCouleurResultante && c.stylo.style == PenStyle::Dot)
                    angles.push_back(std::atan2(kStator.cy - c.y1, c.x1 - kStator.cx));
            std::sort(angles.begin(), angles.end());
            ASSERT_FALSE(angles.empty());
            double trou = angles.front() + kDeuxPi - angles.back();
            for (std::size_t j = 1; j < angles.size(); ++j)
                trou = std::max(trou, angles[j] - angles[j - 1]);
            EXPECT_LT(trou, kDeuxPi / 12);
        }
    }
}

// A slot winding's arrows point at the crests of its working wave, mechanical order p, among
// the sub-harmonics and the other orders the staircase carries.
TEST(ChampsContraires, SlotWindingArrowsStandOnTheWorkingWave) {
    const struct {
        int q, p, couches, pas;
    } bobinages[] = {{12, 5, 2, 1}, {9, 4, 2, 1}, {36, 2, 2, 7}, {24, 2, 1, 6}};
    for (const auto& b : bobinages)
        for (const Supply& a : kSupplies)
            for (const double t : {0.0, 0.0037}) {
                State s;
                s.p = b.p, s.typeBobinage = TypeBobinage::Encoches, s.encoches = b.q;
                s.couches = b.couches, s.pas = b.pas;
                s = Avec(s, a, t);
                SCOPED_TRACE(std::string(a.nom) + " Q=" + std::to_string(b.q) +
                             " p=" + std::to_string(b.p) + " t=" + std::to_string(t));
                const Parties w = PartiesDe(s);
                RecordingSurface r;
                Dessine(r, s, {});
                for (const auto& [couleur, c] :
                     {std::pair{kCouleurResultante, w.resultante},
                      std::pair{kCouleurDirect, w.direct}, std::pair{kCouleurInverse, w.inverse}}) {
                    const double longueur = kStator.rayon * std::abs(c) / w.unite;
                    const std::optional<Point> pointe = Pointe(r, couleur);
                    if (longueur > kLongueurVisible + 0.01) {
                        ASSERT_TRUE(pointe);
                        EXPECT_TRUE(SurUneCrete(*pointe, c, w.unite, b.p)) << std::hex << couleur;
                    }
                }
            }
}

TEST(ChampTournant, ChecksSwitchWavesAndArrows) {
    auto lignes = [](Affichage a) {
        State s;
        return Dessiner(s, a).segments().size();
    };
    const size_t rien = lignes({false, false, false});
    EXPECT_EQ(lignes({false, true, false}) - rien, 2u * 150u);  // one chord per sample and circle
    // An arrow sample draws on each circle an axial and a radial arrow of 3 lines each: 31 of
    // the 150 samples, one in five give or take those the accumulated angle's rounding moves
    // across the edge of the window.
    EXPECT_EQ(lignes({true, false, false}) - rien, 12u * 31);
}

// An unbalanced supply: the phasors follow their amplitudes, and the stator circle carries the
// forward and backward fields of the fundamental, their sum and the locus of its tip.
namespace {

struct Champs {
    Point direct, inverse, resultante;  // each arrow's tip, the first segment from the centre
    std::vector<Point> lieu;            // the dotted locus: its MoveTo, then its LineTo
};

// A part too short to have a direction draws no arrow: its tip is then the centre.
Champs ChampsDessines(const RecordingSurface& r) {
    const Point centre{kStator.cx, kStator.cy};
    Champs c{centre, centre, centre, {}};
    bool vus[3] = {};
    for (const Appel& a : r.appels) {
        if (a.stylo.couleur == kCouleurResultante && a.stylo.style == PenStyle::Dot &&
            a.op != Op::TextOut)
            c.lieu.push_back({a.x1, a.y1});
        if (a.op != Op::LineTo || a.stylo.style != PenStyle::Solid ||
            a.stylo.largeur != kLargeurChamps || a.depuisX != kStator.cx || a.depuisY != kStator.cy)
            continue;
        const Couleur couleurs[3] = {kCouleurDirect, kCouleurInverse, kCouleurResultante};
        Point* tips[3] = {&c.direct, &c.inverse, &c.resultante};
        for (int i = 0; i < 3; ++i)
            if (a.stylo.couleur == couleurs[i] && !vus[i]) *tips[i] = {a.x1, a.y1}, vus[i] = true;
    }
    EXPECT_TRUE(vus[0] || vus[1] || vus[2]);
    return c;
}

double Longueur(Point p) { return std::hypot(p.x - kStator.cx, p.y - kStator.cy); }

}  // namespace

TEST(Alimentation, PhasorsForwardBackwardAndLocus) {
    const Couleur kPhases[3] = {kBleu, kRouge, kVert};
    State libre;
    libre.amplitudesLibres[0] = 0.5, libre.amplitudesLibres[1] = 1.5;
    libre.amplitudesLibres[2] = 2.0;
    libre.dephasagesLibres[1] = 100, libre.dephasagesLibres[2] = 250;
    const struct {
        Alimentation alimentation;
        double a[3];     // the phasors' lengths per unit of 40 px
        double d, i;     // forward and backward fields per unit of the balanced one
        double largeur;  // the locus' half-width across the resultant's largest extent
    } cas[] = {
        {AlimentationDe("inverse"), {1, 1, 1}, 0.0, 1.0, 1.0},
        {AlimentationDe("monophasee"), {1, 0, 0}, 1.0 / 3, 1.0 / 3, 0.0},
        {AlimentationDe("phase-coupee"), {0.8660254, 0.8660254, 0}, 0.5, 0.5, 0.0},
        {kAlimentationLibre, {0.5, 1.5, 2.0}, -1, -1, -1},
    };
    for (const auto& k : cas) {
        for (const double t : {0.0, 0.0013, 0.0071}) {
            SCOPED_TRACE(NomAlimentation(k.alimentation) + " t=" + std::to_string(t));
            State s = libre;
            s.alimentation = k.alimentation;
            s.t = t;
            const RecordingSurface r = Dessiner(s);
            // The three phasors from the Fresnel centre, 40·a_k long (truncation: within √2).
            int n = 0;
            for (const auto& g : r.segments())
                if (g.x1 == kFresnelX && g.y1 == kFresnelY && g.stylo.largeur == 1 &&
                    g.stylo.style == PenStyle::Solid && n < 3) {
                    EXPECT_EQ(g.stylo.couleur, kPhases[n]);
                    EXPECT_NEAR(std::hypot(g.x2 - kFresnelX, g.y2 - kFresnelY),
                                kLongueurPhaseur * k.a[n], 1.5)
                        << n;
                    ++n;
                }
            EXPECT_EQ(n, 3);

            const Champs c = ChampsDessines(r);
            if (k.d >= 0) {
                EXPECT_NEAR(Longueur(c.direct), kStator.rayon * k.d, 1.5);
                EXPECT_NEAR(Longueur(c.inverse), kStator.rayon * k.i, 1.5);
            }
            // The resultant is the sum of the two fields, each tip truncated once.
            EXPECT_LE(std::abs((c.direct.x - kStator.cx) + (c.inverse.x - kStator.cx) -
                               (c.resultante.x - kStator.cx)),
                      2);
            EXPECT_LE(std::abs((c.direct.y - kStator.cy) + (c.inverse.y - kStator.cy) -
                               (c.resultante.y - kStator.cy)),
                      2);
            // The locus is closed, and a pulsating field's is a segment through the centre.
            ASSERT_GE(c.lieu.size(), 3u);
            EXPECT_EQ(c.lieu.front().x, c.lieu.back().x);
            EXPECT_EQ(c.lieu.front().y, c.lieu.back().y);
            if (k.largeur == 0.0) {
                // Along the line through the centre and the locus' farthest point, within the
                // truncation of both points.
                const Point loin =
                    *std::max_element(c.lieu.begin(), c.lieu.end(),
                                      [](Point a, Point b) { return Longueur(a) < Longueur(b); });
                const double axe = std::atan2(-(loin.y - kStator.cy), loin.x - kStator.cx);
                for (const Point& p : c.lieu)
                    EXPECT_LE(std::abs(-(p.x - kStator.cx) * std::sin(axe) -
                                       (p.y - kStator.cy) * std::cos(axe)),
                              3.0);
            }
            if (k.largeur == 1.0) {  // reversed: a circle of the balanced radius
                for (const Point& p : c.lieu) EXPECT_NEAR(Longueur(p), kStator.rayon, 1.5);
            }
        }
    }
}

// "Libre" with the balanced values draws the balanced field by its parts: the forward arrow on
// the perfect resultant's crest, no backward field, a circular locus; and a balanced supply
// with other free values stored draws the default picture call for call, also after an
// unbalanced picture on the same surface.
TEST(Alimentation, BalancedByItsPartsAndDefaultUntouched) {
    State libre;
    libre.alimentation = kAlimentationLibre;
    libre.t = 0.0042;
    const RecordingSurface r = Dessiner(libre);
    const Champs c = ChampsDessines(r);
    const Point crete = PointPolaire(libre.Omega * libre.t, kStator.rayon, kStator.cx, kStator.cy);
    EXPECT_LE(std::abs(c.direct.x - crete.x) + std::abs(c.direct.y - crete.y), 2);
    EXPECT_LE(Longueur(c.inverse), 1.0);
    for (const Point& p : c.lieu) EXPECT_NEAR(Longueur(p), kStator.rayon, 1.5);

    State defaut;
    defaut.t = 0.0042;
    State autre = defaut;
    autre.amplitudesLibres[0] = 0.2, autre.dephasagesLibres[2] = 17;
    RecordingSurface apres;
    Dessine(apres, libre, {});
    apres.appels.clear();
    Dessine(apres, autre, {});
    EXPECT_TRUE(MemesTraits(Dessiner(defaut).appels, Dessiner(autre).appels));
    EXPECT_TRUE(MemesTraits(Dessiner(defaut).appels, apres.appels));
}
