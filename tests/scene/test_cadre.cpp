// SPDX-License-Identifier: GPL-3.0-or-later
// The frame: its dotted baselines, labels and circles, and the axes that follow p.

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "tests/support/Scene.h"

using namespace kest;
using namespace kest::test;

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
                  std::vector(attendus + 4 * i, attendus + 4 * i + 4))
            << i;
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
