// SPDX-License-Identifier: GPL-3.0-or-later
// The sweep at t = 0: the phasors, the curves' dashes, the arrows and the closing markers.

#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/Scene.h"

using namespace kest;
using namespace kest::test;

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
