// The scene drawn into a recording surface: positions, order and pen/brush in force.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "Dessine.h"
#include "Pixel.h"
#include "RecordingSurface.h"

using namespace kest;
using namespace kest::test;

namespace {

RecordingSurface Dessiner(State& s, Affichage a = {}) {
    RecordingSurface r;
    Dessine(r, s, a);
    return r;
}

// Conductor circles (radius 4) with their centre, brush and pen.
struct Conducteur {
    int x, y;
    Couleur couleur;
    bool plein;
};
std::vector<Conducteur> Conducteurs(const RecordingSurface& r) {
    std::vector<Conducteur> out;
    for (const Appel& a : r.appels)
        if (a.op == Op::Ellipse && a.x2 - a.x1 == 8 && a.y2 - a.y1 == 8)
            out.push_back({a.x1 + 4, a.y1 + 4, a.stylo.couleur,
                           a.brosse.style == BrushStyle::Solid});
    return out;
}

bool Contient(const std::vector<Conducteur>& cs, Conducteur c) {
    return std::any_of(cs.begin(), cs.end(), [&](const Conducteur& d) {
        return d.x == c.x && d.y == c.y && d.couleur == c.couleur && d.plein == c.plein;
    });
}

bool ASegment(const RecordingSurface& r, int x1, int y1, int x2, int y2, Couleur c, int w = -1) {
    for (const auto& s : r.segments())
        if (s.x1 == x1 && s.y1 == y1 && s.x2 == x2 && s.y2 == y2 && s.stylo.couleur == c &&
            (w < 0 || s.stylo.largeur == w))
            return true;
    return false;
}

// Segments drawn from a centre, dotted, in a colour: the coil axes.
int Axes(const RecordingSurface& r, int cx, int cy, Couleur c) {
    int n = 0;
    for (const auto& s : r.segments())
        if (s.x1 == cx && s.y1 == cy && s.stylo.couleur == c && s.stylo.style == PenStyle::Dot)
            ++n;
    return n;
}

}  // namespace

TEST(Pixel, TruncatesTowardZeroAndSaturates) {
    struct Ligne {
        const char* nom;
        double v;
        int attendu;
    } lignes[] = {
        {"positive", 17.5, 17},
        {"negative", -2.5, -2},
        {"just below zero", -0.9, 0},
        {"huge", 1e308, kPixelMax},
        {"minus huge", -1e308, -kPixelMax},
        {"infinity", std::numeric_limits<double>::infinity(), kPixelMax},
        {"minus infinity", -std::numeric_limits<double>::infinity(), -kPixelMax},
        {"nan", std::numeric_limits<double>::quiet_NaN(), kPixelMax},
    };
    for (const auto& l : lignes) EXPECT_EQ(Pixel(l.v), l.attendu) << l.nom;
}

TEST(Cadre, FrameLabelsAndCirclesInOrder) {
    State s;
    RecordingSurface r = Dessiner(s);
    // The frame opens the scene: four gray dotted baselines and the phasor axis.
    const int attendus[][4] = {{0, 20, 314, 20}, {0, 100, 314, 100}, {0, 180, 314, 180},
                               {0, 300, 314, 300}, {400, 50, 400, 150}};
    auto segs = r.segments();
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(segs[i].x1, attendus[i][0]);
        EXPECT_EQ(segs[i].y1, attendus[i][1]);
        EXPECT_EQ(segs[i].x2, attendus[i][2]);
        EXPECT_EQ(segs[i].y2, attendus[i][3]);
        EXPECT_EQ(segs[i].stylo, (Stylo{kGris, PenStyle::Dot, 1}));
    }
    // The labels are written before any brush is set: the surface's own brush shows.
    std::vector<Appel> textes;
    for (const Appel& a : r.appels)
        if (a.op == Op::TextOut) textes.push_back(a);
    ASSERT_EQ(textes.size(), 2u);
    EXPECT_EQ(textes[0].texte, "Fresnel");
    EXPECT_EQ(std::make_pair(textes[0].x1, textes[0].y1), std::make_pair(385, 170));
    EXPECT_EQ(textes[1].texte, "Vecteur spatial");
    EXPECT_EQ(std::make_pair(textes[1].x1, textes[1].y1), std::make_pair(460, 170));
    EXPECT_EQ(textes[0].brosse, Brosse{});
    // Phase-0 axis straight up with p = 1; the black circles unfilled.
    EXPECT_TRUE(ASegment(r, 500, 100, 500, 30, kBleu));
    int cercles = 0;
    for (const Appel& a : r.appels)
        if (a.op == Op::Ellipse && a.stylo.couleur == kNoir) {
            EXPECT_EQ(a.brosse.style, BrushStyle::Clear);
            ++cercles;
        }
    EXPECT_EQ(cercles, 2);
}

TEST(Cadre, AxesFollowPolePairs) {
    State s;
    s.p = 2;
    RecordingSurface r = Dessiner(s, {false, false, false});
    EXPECT_TRUE(ASegment(r, 500, 100, 549, 50, kBleu));
    EXPECT_TRUE(ASegment(r, 500, 100, 484, 42, kBleu));
    EXPECT_TRUE(ASegment(r, 91, 100, 91, 71, kRouge, 2));  // phase-1 bar at the axis
}

TEST(Cadre, NextSceneStartsWithThinPenAgain) {
    State s;
    RecordingSurface r;
    Dessine(r, s, {});
    ASSERT_EQ(r.stylo.largeur, 2);  // the closing markers leave a 2-px pen
    r.appels.clear();
    Dessine(r, s, {});
    EXPECT_EQ(r.appels.front().stylo, (Stylo{kGris, PenStyle::Dot, 1}));
}

TEST(Bobinage, DefaultWindingPositions) {
    State s;
    auto cs = Conducteurs(Dessiner(s));
    ASSERT_EQ(cs.size(), 4u + 12u);  // phase 1 on the small circle, all phases on the stator
    struct Ligne {
        const char* nom;
        Conducteur c;
    } lignes[] = {
        {"phase 0 go i=1", {596, 325, kBleu, false}},
        {"phase 0 go i=2", {596, 274, kBleu, false}},
        {"phase 0 return i=1", {403, 274, kBleu, true}},
        {"phase 0 return i=2", {403, 325, kBleu, true}},
        {"phase 1 small circle go", {484, 42, kRouge, false}},
        {"phase 1 small circle go 2", {457, 57, kRouge, false}},
        {"phase 1 small circle return", {515, 157, kRouge, true}},
        {"phase 1 small circle return 2", {542, 142, kRouge, true}},
    };
    for (const auto& l : lignes) EXPECT_TRUE(Contient(cs, l.c)) << l.nom;
    // Hollow circles over the filled ones of the same phase; phases drawn 0, 1, 2.
    EXPECT_EQ(cs[4].couleur, kBleu);
    EXPECT_TRUE(cs[4].plein);
    EXPECT_FALSE(cs[6].plein);
    EXPECT_EQ(cs.back().couleur, kVert);

    RecordingSurface r = Dessiner(s);
    EXPECT_EQ(Axes(r, 500, 300, kBleu) + Axes(r, 500, 300, kRouge) + Axes(r, 500, 300, kVert), 3);
    EXPECT_EQ(Axes(r, 500, 100, kRouge), 1);
}

TEST(Bobinage, SizesAndDoubleStar) {
    struct Ligne {
        const char* nom;
        int p, m;
        bool doubleEtoile;
        size_t cerclesStator, cerclesPetit;
        int axesStator;
    } lignes[] = {
        {"default", 1, 2, false, 12, 4, 3},
        {"double star", 1, 2, true, 24, 8, 3},
        {"p=3 m=1", 3, 1, false, 18, 6, 9},
        {"m=0 draws axes only", 2, 0, false, 0, 0, 6},
        {"negative m", 1, -3, true, 0, 0, 3},
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
        int axes = 0;
        for (Couleur c : {kBleu, kRouge, kVert}) axes += Axes(r, 500, 300, c);
        EXPECT_EQ(axes, l.axesStator) << l.nom;
    }
}

TEST(Bobinage, DoubleStarUsesTwoRings) {
    State s;
    s.DoubleEtoile = true;
    auto cs = Conducteurs(Dessiner(s));
    // Phase 0, i=1, go side: first star at 330° on the inner ring, second at 0° on the outer.
    EXPECT_TRUE(Contient(cs, {586, 349, kBleu, false}));
    EXPECT_TRUE(Contient(cs, {607, 300, kBleu, false}));  // ring 107
    // i=2: first star at 0° inner, second at 30° outer.
    EXPECT_TRUE(Contient(cs, {600, 300, kBleu, false}));
    EXPECT_TRUE(Contient(cs, {592, 246, kBleu, false}));
}

TEST(Bobinage, UntickedLeavesEverythingElseAlone) {
    State s1, s2;
    RecordingSurface avec = Dessiner(s1), sans = Dessiner(s2, {true, true, false});
    EXPECT_TRUE(Conducteurs(sans).empty());
    // Removing the winding calls leaves exactly the other calls, with the same pens.
    // The frame is the first 16 calls; after it the winding is conductor circles and dotted
    // axis lines, nothing else is dotted.
    std::vector<Appel> reste(avec.appels.begin(), avec.appels.begin() + 16);
    for (size_t i = 16; i < avec.appels.size(); ++i) {
        const Appel& a = avec.appels[i];
        bool bobinage = (a.op == Op::Ellipse && a.x2 - a.x1 == 8) || a.stylo.style == PenStyle::Dot;
        if (!bobinage) reste.push_back(a);
    }
    ASSERT_EQ(reste.size(), sans.appels.size());
    for (size_t i = 0; i < reste.size(); ++i) {
        EXPECT_EQ(reste[i].x1, sans.appels[i].x1) << i;
        EXPECT_EQ(reste[i].y1, sans.appels[i].y1) << i;
        EXPECT_EQ(reste[i].stylo, sans.appels[i].stylo) << i;
    }
}

TEST(Fresnel, PhasorsAtTimeZero) {
    State s;
    RecordingSurface r = Dessiner(s);
    EXPECT_TRUE(ASegment(r, 400, 100, 440, 100, kBleu));
    auto segs = r.segments();
    auto phaseur = [&](Couleur c) {
        for (const auto& g : segs)
            if (g.x1 == 400 && g.y1 == 100 && g.stylo.couleur == c && g.stylo.style == PenStyle::Solid)
                return g;
        ADD_FAILURE() << "no phasor";
        return segs[0];
    };
    EXPECT_EQ(phaseur(kRouge).y2, 134);
    EXPECT_LT(phaseur(kRouge).x2, 400);
    EXPECT_EQ(phaseur(kVert).y2, 65);
    EXPECT_LT(phaseur(kVert).x2, 400);
    EXPECT_EQ(phaseur(kVert).stylo.largeur, 1);
    EXPECT_DOUBLE_EQ(s.I[0], 0.0);
    EXPECT_NEAR(s.I[1], -std::sqrt(3.0) / 2, 1e-15);
    EXPECT_NEAR(s.I[2], std::sqrt(3.0) / 2, 1e-15);
}

TEST(Courbes, SamplesDashesAndTruncation) {
    State s;
    RecordingSurface r = Dessiner(s, {false, false, false});
    std::vector<RecordingSurface::Segment> bleus, noirs;
    for (const auto& g : r.segments()) {
        if (g.stylo.couleur == kBleu && g.stylo.style == PenStyle::Solid && g.x1 != 400)
            bleus.push_back(g);
        if (g.stylo.couleur == kNoir && g.stylo.largeur == 1) noirs.push_back(g);
    }
    ASSERT_EQ(bleus.size(), 150u);  // one dash per sample; nothing else with boxes cleared
    EXPECT_EQ(bleus.front().x1, 0);
    EXPECT_EQ(bleus.front().x2, 3);
    EXPECT_EQ(bleus.back().x1, 312);
    EXPECT_EQ(bleus.back().x2, 315);
    for (const auto& g : bleus) EXPECT_EQ(g.y1, 20);  // perfect type, I[0] = 0 at t = 0
    ASSERT_EQ(noirs.size(), 150u);
    // The sum of the perfect type is 0.75·cos(theta): its crest at theta = 0 is 30 px up,
    // a hair less after rounding, and the offset truncates toward the baseline.
    EXPECT_EQ(noirs.front().y1, 271);
    // Closing markers: crest bar and resultant radius at t = 0, phase-1 bar.
    EXPECT_TRUE(ASegment(r, 0, 300, 0, 257, kNoir, 2));
    EXPECT_TRUE(ASegment(r, 500, 300, 600, 300, kNoir, 2));
    EXPECT_TRUE(ASegment(r, 183, 100, 183, 71, kRouge, 2));
    EXPECT_TRUE(ASegment(r, 500, 100, 448, 129, kRouge, 2));  // phase-1 axis, 210°
    EXPECT_EQ(r.stylo, (Stylo{kRouge, PenStyle::Solid, 2}));
}

TEST(ChampTournant, ChecksSwitchWavesAndArrows) {
    auto lignes = [](Affichage a) {
        State s;
        return Dessiner(s, a).segments().size();
    };
    const size_t rien = lignes({false, false, false});
    const size_t ondes = lignes({false, true, false});
    const size_t fleches = lignes({true, false, false});
    EXPECT_EQ(ondes - rien, 2u * 150u);  // one chord per sample on each circle
    // Each arrow sample draws two arrows on each circle: shaft and two barbs, 3 lines each.
    const size_t echantillons = (fleches - rien) / 12;
    EXPECT_EQ((fleches - rien) % 12, 0u);
    EXPECT_GE(echantillons, 29u);
    EXPECT_LE(echantillons, 31u);
}

TEST(ChampTournant, ArrowAtThetaZeroPointsUpAndOutward) {
    State s;  // resultant at theta = 0, t = 0 is +0.75: offset −30 px
    RecordingSurface r = Dessiner(s, {true, false, false});
    // Axial arrow of the resultant: shaft from the baseline up to the sum curve (offset −29),
    // barbs below the tip.
    EXPECT_TRUE(ASegment(r, 0, 300, 0, 271, kNoir, 1));
    EXPECT_TRUE(ASegment(r, 2, 275, 0, 271, kNoir, 1));
    EXPECT_TRUE(ASegment(r, 0, 271, -2, 275, kNoir, 1));
    // Radial arrow: from the circle (600, 300) out to radius 129, barbs behind the tip.
    EXPECT_TRUE(ASegment(r, 600, 300, 629, 300, kNoir, 1));
    EXPECT_TRUE(ASegment(r, 624, 302, 629, 300, kNoir, 1));
    EXPECT_TRUE(ASegment(r, 629, 300, 624, 297, kNoir, 1));
}

TEST(Dessine, SameStateSamePicture) {
    State s1, s2;
    s1.t = s2.t = 0.0123;
    s1.Reelle = s2.Reelle = true;
    RecordingSurface a = Dessiner(s1), b = Dessiner(s2);
    RecordingSurface c;
    Dessine(c, s1, {});
    ASSERT_EQ(a.appels.size(), c.appels.size());
    for (size_t i = 0; i < a.appels.size(); ++i) {
        EXPECT_EQ(a.appels[i].x1, c.appels[i].x1);
        EXPECT_EQ(a.appels[i].y1, c.appels[i].y1);
    }
    EXPECT_EQ(a.appels.size(), b.appels.size());
}

TEST(Dessine, AbsurdCoilOpeningsStayDrawable) {
    for (double Y : {1e308, -1e308}) {
        for (bool doubleEtoile : {false, true}) {
            State s;
            s.Y = Y;
            s.Reelle = true;
            s.DoubleEtoile = doubleEtoile;
            s.t = 0.001;
            RecordingSurface r = Dessiner(s);
            for (const Appel& a : r.appels) {
                EXPECT_LE(std::abs(a.x1), kPixelMax + 200);
                EXPECT_LE(std::abs(a.y1), kPixelMax + 400);
            }
        }
    }
}
