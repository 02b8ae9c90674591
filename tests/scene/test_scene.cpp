// SPDX-License-Identifier: GPL-3.0-or-later
// The scene drawn into a recording surface: positions, order and pen/brush in force.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <tuple>

#include "model/Alimentation.h"
#include "scene/Dessine.h"
#include "scene/Pixel.h"
#include "scene/Plan.h"
#include "tests/support/RecordingSurface.h"

using namespace kest;
using namespace kest::test;

namespace {

RecordingSurface Dessiner(State& s, Affichage a = {}) {
    RecordingSurface r;
    Dessine(r, s, a);
    return r;
}

// The same calls with the same pens, whatever the brush.
bool MemesTraits(const std::vector<Appel>& a, const std::vector<Appel>& b) {
    const auto cle = [](const Appel& c) {
        return std::tie(c.op, c.x1, c.y1, c.x2, c.y2, c.texte, c.stylo);
    };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](const Appel& x, const Appel& y) { return cle(x) == cle(y); });
}

// Conductor circles (radius 4) with their centre, pen colour and fill.
struct Conducteur {
    int x, y;
    Couleur couleur;
    bool plein;
    bool operator==(const Conducteur&) const = default;
};
std::vector<Conducteur> Conducteurs(const RecordingSurface& r) {
    std::vector<Conducteur> out;
    for (const Appel& a : r.appels)
        if (a.op == Op::Ellipse && a.x2 - a.x1 == 8 && a.y2 - a.y1 == 8)
            out.push_back(
                {a.x1 + 4, a.y1 + 4, a.stylo.couleur, a.brosse.style == BrushStyle::Solid});
    return out;
}

bool ASegment(const RecordingSurface& r, int x1, int y1, int x2, int y2, Couleur c, int w = -1) {
    for (const auto& s : r.segments())
        if (std::tie(s.x1, s.y1, s.x2, s.y2, s.stylo.couleur) == std::tie(x1, y1, x2, y2, c) &&
            (w < 0 || s.stylo.largeur == w))
            return true;
    return false;
}

// Dotted segments drawn from a centre in the phase colours: the coil axes.
int Axes(const RecordingSurface& r, int cx, int cy, std::vector<Couleur> couleurs) {
    int n = 0;
    for (const auto& s : r.segments())
        n += s.x1 == cx && s.y1 == cy && s.stylo.style == PenStyle::Dot &&
             std::count(couleurs.begin(), couleurs.end(), s.stylo.couleur);
    return n;
}

}  // namespace

TEST(Pixel, TruncatesTowardZeroAndSaturates) {
    const double inf = std::numeric_limits<double>::infinity();
    const double v[] = {17.5, -2.5, -0.9, 1e308, -1e308, inf, -inf, std::nan("")};
    const int attendu[] = {17, -2, 0, kPixelMax, -kPixelMax, kPixelMax, -kPixelMax, kPixelMax};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(Pixel(v[i]), attendu[i]) << v[i];
}

TEST(Cadre, FrameLabelsAndCirclesInOrder) {
    State s;
    RecordingSurface r = Dessiner(s);
    // The frame opens the scene: four gray dotted baselines and the phasor axis.
    const int attendus[] = {0,   20,  314, 20,  0,   100, 314, 100, 0,   180,
                            314, 180, 0,   300, 314, 300, 400, 50,  400, 150};
    const auto segs = r.segments();
    for (int i = 0; i < 5; ++i) {
        const auto& g = segs[i];
        EXPECT_EQ(std::vector({g.x1, g.y1, g.x2, g.y2}),
                  std::vector(attendus + 4 * i, attendus + 4 * i + 4));
        EXPECT_EQ(g.stylo, (Stylo{kGris, PenStyle::Dot, 1})) << i;
    }
    // Then the labels, before any brush is set: the surface's own brush shows.
    const Appel &fresnel = r.appels[10], &vecteur = r.appels[11];
    EXPECT_EQ(std::tie(fresnel.texte, fresnel.x1, fresnel.y1), std::tuple("Fresnel", 385, 170));
    EXPECT_EQ(std::tie(vecteur.texte, vecteur.x1, vecteur.y1),
              std::tuple("Vecteur spatial", 460, 170));
    EXPECT_TRUE(fresnel.brosse == Brosse{} && vecteur.brosse == Brosse{});
    int cercles = 0;  // the two black outlines, unfilled
    for (const Appel& a : r.appels)
        cercles +=
            a.op == Op::Ellipse && a.stylo.couleur == kNoir && a.brosse.style == BrushStyle::Clear;
    EXPECT_EQ(cercles, 2);

    // The closing markers leave a 2-px pen; the next scene on the same surface starts thin
    // again and draws the same lines (the labels show the brush the first one left).
    ASSERT_EQ(r.stylo.largeur, 2);
    const std::vector<Appel> premiere = std::move(r.appels);
    r.appels.clear();
    Dessine(r, s, {});
    EXPECT_EQ(r.appels.front().stylo, (Stylo{kGris, PenStyle::Dot, 1}));
    EXPECT_TRUE(MemesTraits(r.appels, premiere));
}

TEST(Cadre, AxesAndPhase1BarFollowPolePairs) {
    struct Ligne {
        int p, axe0x, axe0y, axe1x, axe1y, barre;
    } lignes[] = {{1, 500, 30, 448, 129, 183}, {2, 549, 50, 484, 42, 91}};
    for (const auto& l : lignes) {
        State s;
        s.p = l.p;
        RecordingSurface r = Dessiner(s, {false, false, false});
        EXPECT_TRUE(ASegment(r, 500, 100, l.axe0x, l.axe0y, kBleu)) << l.p;
        // The phase-1 axis in the frame, and the closing red vector over it.
        EXPECT_TRUE(ASegment(r, 500, 100, l.axe1x, l.axe1y, kBleu)) << l.p;
        EXPECT_TRUE(ASegment(r, 500, 100, l.axe1x, l.axe1y, kRouge, 2)) << l.p;
        EXPECT_TRUE(ASegment(r, l.barre, 100, l.barre, 71, kRouge, 2)) << l.p;
    }
}

TEST(Bobinage, ConductorPositions) {
    struct Ligne {
        bool doubleEtoile;
        Couleur couleur;
        bool plein;
        std::vector<std::pair<int, int>> centres;
    } lignes[] = {
        {false, kBleu, false, {{596, 325}, {596, 274}}},  // phase 0 go sides, hollow
        {false, kBleu, true, {{403, 274}, {403, 325}}},   // and its return sides, filled
        {false, kRouge, false, {{484, 42}, {457, 57}}},   // phase 1 on the space-vector circle
        {false, kRouge, true, {{515, 157}}},
        // Phase 0 go sides, i = 1 then 2: the first star on the inner ring at 330° and 0°, the
        // second on the outer ring (107) at 0° and 30°.
        {true, kBleu, false, {{586, 349}, {607, 300}, {600, 300}, {592, 246}}},
    };
    for (const auto& l : lignes) {
        State s;
        s.DoubleEtoile = l.doubleEtoile;
        const auto cs = Conducteurs(Dessiner(s));
        for (const auto& [x, y] : l.centres)
            EXPECT_NE(std::find(cs.begin(), cs.end(), Conducteur{x, y, l.couleur, l.plein}),
                      cs.end())
                << x << "," << y;
        if (l.doubleEtoile) continue;
        // Hollow circles over the filled ones of the same phase; phases drawn 0, 1, 2.
        ASSERT_EQ(cs.size(), 4u + 12u);
        EXPECT_TRUE(cs[4].couleur == kBleu && cs[4].plein && !cs[6].plein);
        EXPECT_EQ(cs.back().couleur, kVert);
    }
}

TEST(Bobinage, CountsFollowTheWinding) {
    struct Ligne {
        const char* nom;
        int p, m;
        bool doubleEtoile;
        size_t cerclesStator, cerclesPetit;
        int axesStator, axesPetit;
    } lignes[] = {
        {"default", 1, 2, false, 12, 4, 3, 1},   {"double star", 1, 2, true, 24, 8, 3, 1},
        {"p=3 m=1", 3, 1, false, 18, 6, 9, 3},   {"m=0 draws axes only", 2, 0, false, 0, 0, 6, 2},
        {"negative m", 1, -3, true, 0, 0, 3, 1},
    };
    for (const auto& l : lignes) {
        State s;
        s.p = l.p;
        s.m = l.m;
        s.DoubleEtoile = l.doubleEtoile;
        s.Alpha = kDeuxPi / (6 * l.p * (l.m == 0 ? 1 : l.m));
        RecordingSurface r = Dessiner(s);
        auto cs = Conducteurs(r);
        size_t petit = std::count_if(cs.begin(), cs.end(), [](auto& c) { return c.y < 180; });
        EXPECT_EQ(cs.size() - petit, l.cerclesStator) << l.nom;
        EXPECT_EQ(petit, l.cerclesPetit) << l.nom;
        EXPECT_EQ(Axes(r, 500, 300, {kBleu, kRouge, kVert}), l.axesStator) << l.nom;
        EXPECT_EQ(Axes(r, 500, 100, {kRouge}), l.axesPetit) << l.nom;
    }
}

TEST(Bobinage, UntickedLeavesEverythingElseAlone) {
    State s1, s2;
    RecordingSurface avec = Dessiner(s1), sans = Dessiner(s2, {true, true, false});
    // Removing the winding calls leaves exactly the other calls, with the same pens. The frame
    // is the first 16 calls; after it the winding is conductor circles and dotted axis lines.
    std::vector<Appel> reste(avec.appels.begin(), avec.appels.begin() + 16);
    std::copy_if(
        avec.appels.begin() + 16, avec.appels.end(), std::back_inserter(reste), [](const Appel& a) {
            return !(a.op == Op::Ellipse && a.x2 - a.x1 == 8) && a.stylo.style != PenStyle::Dot;
        });
    EXPECT_TRUE(MemesTraits(reste, sans.appels));
}

TEST(Balayage, PhasorsCurvesArrowsAndMarkersAtTimeZero) {
    State s;  // perfect type; resultant at theta = 0, t = 0 is +0.75: offset −30 px
    RecordingSurface r = Dessiner(s, {true, false, false});
    // Phasors about (400, 100): blue along the axis, red below, green above, all 1 px.
    EXPECT_TRUE(ASegment(r, 400, 100, 440, 100, kBleu, 1));
    EXPECT_TRUE(ASegment(r, 400, 100, 380, 134, kRouge, 1));
    EXPECT_TRUE(ASegment(r, 400, 100, 380, 65, kVert, 1));
    EXPECT_NEAR(s.I[1], -std::sqrt(3.0) / 2, 1e-15);  // the currents are kept in the state

    int bleus = 0;  // one dash per sample, on the baseline since I[0] = 0
    for (const auto& g : r.segments())
        bleus += g.stylo == Stylo{kBleu, PenStyle::Solid, 1} && g.x1 != 400 && g.y1 == 20;
    EXPECT_EQ(bleus, 150);
    EXPECT_TRUE(ASegment(r, 0, 20, 3, 20, kBleu));
    EXPECT_TRUE(ASegment(r, 312, 20, 315, 20, kBleu));
    // The sum's crest is 30 px up, a hair less after rounding: the offset truncates toward the
    // baseline (271), and so do its arrows: shaft up to the curve, barbs below the tip.
    EXPECT_TRUE(ASegment(r, 0, 271, 3, 271, kNoir, 1));
    EXPECT_TRUE(ASegment(r, 0, 300, 0, 271, kNoir, 1));
    EXPECT_TRUE(ASegment(r, 2, 275, 0, 271, kNoir, 1));
    EXPECT_TRUE(ASegment(r, 0, 271, -2, 275, kNoir, 1));
    // Radial arrow: from the circle (600, 300) out to radius 129, barbs behind the tip.
    EXPECT_TRUE(ASegment(r, 600, 300, 629, 300, kNoir, 1));
    EXPECT_TRUE(ASegment(r, 624, 302, 629, 300, kNoir, 1));
    EXPECT_TRUE(ASegment(r, 629, 300, 624, 297, kNoir, 1));
    // Closing markers: crest bar and resultant radius, 2 px; the scene ends on the red pen.
    EXPECT_TRUE(ASegment(r, 0, 300, 0, 257, kNoir, 2));
    EXPECT_TRUE(ASegment(r, 500, 300, 600, 300, kNoir, 2));
    EXPECT_EQ(r.stylo, (Stylo{kRouge, PenStyle::Solid, 2}));
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

TEST(Dessine, AbsurdCoilOpeningsStayDrawable) {
    for (int i = 0; i < 4; ++i) {
        State s;
        s.Y = i < 2 ? 1e308 : -1e308;
        s.Reelle = true;
        s.DoubleEtoile = i % 2;
        s.t = 0.001;
        for (const Appel& a : Dessiner(s).appels)
            EXPECT_TRUE(std::abs(a.x1) <= kPixelMax + 200 && std::abs(a.y1) <= kPixelMax + 400)
                << i;
    }
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
