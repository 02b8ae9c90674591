// SPDX-License-Identifier: GPL-3.0-or-later
// Every line and circle of the picture worked out from the geometry of the views, for a few
// states, and looked for among the calls the scene records: the phasors, the conductors and
// coil axes, the curves' dashes, the polar waves, the arrows and the closing markers. What is
// left over must be the frame: its dotted lines and the two black circles. And the one
// conversion to a pixel (scene/Pixel.h), which keeps a state no dialog forms drawable.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <compare>
#include <limits>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "scene/Dessine.h"
#include "scene/Pixel.h"
#include "tests/support/RecordingSurface.h"
#include "tests/support/Scene.h"

using namespace kest;
using namespace kest::test;

namespace {

constexpr double kTour = 6.283185307179586;      // 2π
constexpr double kTiers = 2.0943951023931953;    // 2π/3, between the phases
constexpr double kDemiPi = 1.5707963267948966;   // π/2, the coil axis after the go belt
constexpr double kSixieme = 0.5235987755982988;  // π/6, between the two stars
constexpr double kPiD = 3.141592653589793;
constexpr int kEchantillons = 150;                             // air-gap samples per turn
constexpr Couleur kPhase[3] = {0xFF0000, 0x0000FF, 0x008000};  // blue, red, green
constexpr Couleur kNoirSomme = 0x000000;
constexpr Couleur kGris = 0x808080;  // the frame's dotted lines

// Pixel coordinates truncate toward zero; the states below keep them far inside an int.
int T(double v) { return static_cast<int>(std::clamp(v, -1e6, 1e6)); }

// A line (from its start to its end, with the pen in force) or a conductor (its box, pen
// colour and whether it is filled).
struct Trace {
    Op op;
    int x1, y1, x2, y2;
    Couleur couleur;
    int largeur = 1;
    PenStyle style = PenStyle::Solid;
    bool plein = false;
    auto operator<=>(const Trace&) const = default;
};

std::string Texte(const Trace& t) {
    std::ostringstream o;
    o << (t.op == Op::Ellipse ? "ellipse " : "line ") << t.x1 << ',' << t.y1 << " -> " << t.x2
      << ',' << t.y2 << " colour " << std::hex << t.couleur << std::dec << " width " << t.largeur
      << (t.style == PenStyle::Dot ? " dotted" : "") << (t.plein ? " filled" : "");
    return o.str();
}

void PrintTo(const Trace& t, std::ostream* o) { *o << Texte(t); }

Trace Ligne(int x1, int y1, int x2, int y2, Couleur c, int largeur = 1) {
    return {Op::LineTo, x1, y1, x2, y2, c, largeur};
}

// The point at angle a and radius r about (cx, cy): angles grow counter-clockwise on screen.
struct P {
    int x, y;
};
P Polaire(double a, double r, int cx, int cy) {
    return {T(r * std::cos(a) + cx), T(cy - r * std::sin(a))};
}

// The magnetomotive force of phase k at the air-gap angle theta, the current Imax = 1.
// Perfect: half the phase current along a sinusoid that peaks on the coil axis. Real: each of
// the m coils of the belt, weight 1/m, spans Y/p from its go side, once per pole pair; inside
// it adds (1 − Y/2π)·i, outside it takes Y/2π·i, so that its mean is zero. Double star: each
// coil in two halves π/12 electrical before and after, the second fed π/6 later.
double Force(const State& s, int k, double theta) {
    const double courant = std::sin(s.Omega * s.t - k * kTiers);
    if (!s.DoubleEtoile && !s.Reelle) return std::sin(s.p * theta - k * kTiers) * (0.5 * courant);
    struct Moitie {
        double decalage, courant, poids;
    };
    std::vector<Moitie> moities = {{0.0, courant, 1.0}};
    if (s.DoubleEtoile)
        moities = {{-kSixieme / 2, courant, 0.5},
                   {kSixieme / 2, std::sin(s.Omega * s.t - k * kTiers - kSixieme), 0.5}};
    double F = 0.0;
    for (int i = 1; i <= s.m; ++i)
        for (const Moitie& h : moities) {
            // The go side, in electrical radians: the belt's slots one pitch (π/3m) apart.
            const double debut =
                ((i - 1) - (s.m - 1) * 0.5) * (kPiD / 3 / s.m) + k * kTiers + h.decalage;
            const double dedans = std::remainder(s.p * theta - debut - kPiD, kTour) + kPiD;
            F += h.poids * h.courant * ((dedans <= s.Y ? 1.0 : 0.0) - s.Y / kTour) / s.m;
        }
    return F;
}

// An axial arrow from the baseline y0 to the curve (offset v) and a radial one from the circle
// of radius R to the wave: the head points up or out for v ≤ 0, down or in otherwise; barbs
// 5 px long at the angles 1.047 and 2.094 (axial) or 2.618 (radial) from the shaft.
void Fleches(std::vector<Trace>& t, double theta, int cx, int cy, int R, int v, Couleur c) {
    const int x = T(50 * theta);
    const double b1 = v > 0 ? 1.047 : -1.047, b2 = v > 0 ? 2.094 : -2.094;
    t.push_back(Ligne(x, cy, x, cy + v, c));
    t.push_back(
        Ligne(T(5 * std::cos(b1) + 50 * theta), T((cy + v) - 5 * std::sin(b1)), x, cy + v, c));
    t.push_back(
        Ligne(x, cy + v, T(5 * std::cos(b2) + 50 * theta), T((cy + v) - 5 * std::sin(b2)), c));

    const int rho = R - v;
    const double xp = rho * std::cos(theta) + cx, yp = cy - rho * std::sin(theta);  // the tip
    const double r1 = v > 0 ? theta - 2.618 - kPiD : theta - 2.618;
    const double r2 = v > 0 ? theta + 2.618 - kPiD : theta + 2.618;
    const P pied = Polaire(theta, R, cx, cy);
    t.push_back(Ligne(pied.x, pied.y, T(xp), T(yp), c));
    t.push_back(Ligne(T(5 * std::cos(r1) + xp), T(yp - 5 * std::sin(r1)), T(xp), T(yp), c));
    t.push_back(Ligne(T(xp), T(yp), T(5 * std::cos(r2) + xp), T(yp - 5 * std::sin(r2)), c));
}

// The conductors of phase k on a circle (filled on the return side, hollow on the go side)
// and its coil axes, dotted, 10 px past the circle.
void Bobines(std::vector<Trace>& t, const State& s, int k, int cx, int cy, int R, int Rext) {
    for (bool retour : {true, false})
        for (int i = 1; i <= s.m; ++i)
            for (int j = 1; j <= s.p; ++j) {
                const double decalage = ((i - 1) - (s.m - 1) * 0.5) * s.Alpha;
                const double cote = retour ? kPiD : 0.0;
                std::vector<std::pair<double, int>> places = {{0.0, R}};
                if (s.DoubleEtoile) places = {{-kSixieme * 0.5, R}, {kSixieme * 0.5, Rext}};
                for (const auto& [etoile, rayon] : places) {
                    const double a = decalage + (kTour * j + k * kTiers + cote + etoile) / s.p;
                    const P c = Polaire(a, rayon, cx, cy);
                    t.push_back({Op::Ellipse, c.x - 4, c.y - 4, c.x + 4, c.y + 4, kPhase[k], 0,
                                 PenStyle::Solid, retour});
                }
            }
    for (int j = 1; j <= s.p; ++j) {
        const P fin = Polaire((kTour * j + k * kTiers + kDemiPi) / s.p, R + 10, cx, cy);
        t.push_back({Op::LineTo, cx, cy, fin.x, fin.y, kPhase[k], 1, PenStyle::Dot});
    }
}

std::vector<Trace> Attendu(State s) {
    std::vector<Trace> t;
    Bobines(t, s, 1, 500, 100, 60, 66);  // phase 1 alone on the space-vector circle
    for (int k = 0; k < 3; ++k) Bobines(t, s, k, 500, 300, 100, 107);
    for (int k = 0; k < 3; ++k) {  // phasors of length 40 at the phase angle
        const double phi = s.Omega * s.t - k * kTiers;
        t.push_back(
            Ligne(400, 100, T(40 * std::cos(phi) + 400), T(100 - 40 * std::sin(phi)), kPhase[k]));
    }
    // The air gap at 50 px per radian; curves at y = 20 + 80·k and 300 for the sum, 40 px per
    // unit upwards; the waves on the circles of radius 60 (phase 1) and 100 (sum).
    double theta = 0.0;
    while (theta < kTour) {
        double F[3];
        for (int k = 0; k < 3; ++k) {
            F[k] = Force(s, k, theta);
            const int y = T(-40.0 * F[k] + 20 + 80 * k);
            t.push_back(Ligne(T(50 * theta), y, T(50 * theta + 3), y, kPhase[k]));
        }
        const int M = T(-40.0 * F[1]);
        const int n = T(-40.0 * ((F[0] + F[1]) + F[2]));
        t.push_back(Ligne(T(50 * theta), 300 + n, T(50 * theta + 3), 300 + n, kNoirSomme));
        const bool fleches = std::fmod(theta, (5 * kTour) / kEchantillons) < kTour / kEchantillons;
        const struct {
            int cy, R, v;
            double corde;
            Couleur c;
        } champs[] = {{100, 60, M, 0.05, kPhase[1]}, {300, 100, n, 0.04, kNoirSomme}};
        for (const auto& c : champs) {
            const P a = Polaire(theta, c.R - c.v, 500, c.cy);
            const P b = Polaire(theta + c.corde, c.R - c.v, 500, c.cy);
            t.push_back(Ligne(a.x, a.y, b.x, b.y, c.c));
            if (fleches) Fleches(t, theta, 500, c.cy, c.R, c.v, c.c);
        }
        theta = theta + kTour / kEchantillons;
    }
    // The crest of the perfect resultant (p·theta = Omega·t), 42 px tall on the sum and as a
    // radius of the stator; the axis of phase 1, 28 px tall on its curve and as a radius.
    const double crete = s.Omega * s.t / s.p;
    const int x0 = T(50 * std::fmod(crete, kTour));
    t.push_back(Ligne(x0, 300, x0, T(300 - 42.42640687119285), kNoirSomme, 2));
    const P rayon = Polaire(crete, 100, 500, 300);
    t.push_back(Ligne(500, 300, rayon.x, rayon.y, kNoirSomme, 2));
    const int x1 = T(((kTiers + kDemiPi) * 50) / s.p);
    t.push_back(Ligne(x1, 100, x1, T(100 - 28.284271247461902), kPhase[1], 2));
    const P axe = Polaire((kTiers + kDemiPi) / s.p, 60, 500, 100);
    t.push_back(Ligne(500, 100, axe.x, axe.y, kPhase[1], 2));
    return t;
}

std::multiset<Trace> Enregistre(const RecordingSurface& r) {
    std::multiset<Trace> traces;
    for (const Appel& a : r.appels) {
        if (a.op == Op::LineTo)
            traces.insert({Op::LineTo, a.depuisX, a.depuisY, a.x1, a.y1, a.stylo.couleur,
                           a.stylo.largeur, a.stylo.style});
        if (a.op == Op::Ellipse)
            traces.insert({Op::Ellipse, a.x1, a.y1, a.x2, a.y2, a.stylo.couleur, 0, PenStyle::Solid,
                           a.brosse.style == BrushStyle::Solid});
    }
    return traces;
}

TEST(Geometrie, EveryViewWhereTheGeometryPutsIt) {
    // No air-gap sample falls on a coil's edge in these states: which side an edge sample lies
    // on is a matter of rounding, not of geometry.
    const struct {
        const char* nom;
        int p, m;
        double Y;
        bool reelle, etoile;
        double t;
    } etats[] = {
        {"perfect, default winding", 1, 2, kPiD, false, false, 0.0037},
        {"real, short pitch, two pole pairs", 2, 2, 2.5, true, false, 0.0123},
        {"double star, three pole pairs", 3, 1, kPiD, false, true, 0.0051},
        {"double star, short pitch", 1, 2, 2.2, false, true, 0.0163},
    };
    for (const auto& e : etats) {
        SCOPED_TRACE(e.nom);
        State s;
        s.p = e.p, s.m = e.m, s.NbEncoches = 6 * e.p * e.m, s.Alpha = kTour / s.NbEncoches;
        s.Y = e.Y, s.Reelle = e.reelle, s.DoubleEtoile = e.etoile, s.t = e.t;
        const std::vector<Trace> attendu = Attendu(s);
        RecordingSurface r;
        Dessine(r, s, {});
        std::multiset<Trace> reste = Enregistre(r);
        int absents = 0;
        for (const Trace& t : attendu) {
            const auto trouve = reste.find(t);
            if (trouve != reste.end()) {
                reste.erase(trouve);
            } else if (++absents <= 5) {
                ADD_FAILURE() << "not drawn: " << Texte(t);
            }
        }
        EXPECT_EQ(absents, 0) << "of " << attendu.size();
        // The frame: four baselines, the phasors' axis and the phase 0 and 1 axes, dotted;
        // the two circles.
        const std::multiset<Trace> cercles = {
            {Op::Ellipse, 400, 200, 600, 400, kNoirSomme, 0, PenStyle::Solid, false},
            {Op::Ellipse, 440, 40, 560, 160, kNoirSomme, 0, PenStyle::Solid, false}};
        std::multiset<Trace> lignes = {{Op::LineTo, 400, 50, 400, 150, kGris, 1, PenStyle::Dot}};
        for (const int y : {20, 100, 180, 300})
            lignes.insert({Op::LineTo, 0, y, 314, y, kGris, 1, PenStyle::Dot});
        // Phase 0's axis runs to 70 px, past the circle; phase 1's to the radius, 60 px.
        const P axe0 = Polaire(kDemiPi / s.p, 70, 500, 100);
        const P axe1 = Polaire((kTiers + kDemiPi) / s.p, 60, 500, 100);
        lignes.insert({Op::LineTo, 500, 100, axe0.x, axe0.y, kPhase[0], 1, PenStyle::Dot});
        lignes.insert({Op::LineTo, 500, 100, axe1.x, axe1.y, kPhase[0], 1, PenStyle::Dot});
        std::multiset<Trace> cadre, pointilles;
        for (const Trace& t : reste)
            (t.op == Op::Ellipse || t.style != PenStyle::Dot ? cadre : pointilles).insert(t);
        EXPECT_EQ(cadre, cercles) << "beside the frame, " << cadre.size() << " undrawn in theory";
        EXPECT_EQ(pointilles, lignes);
    }
}

}  // namespace

TEST(Pixel, TruncatesTowardZeroAndSaturates) {
    const double inf = std::numeric_limits<double>::infinity();
    const double v[] = {17.5, -2.5, -0.9, 1e308, -1e308, inf, -inf, std::nan("")};
    const int attendu[] = {17, -2, 0, kPixelMax, -kPixelMax, kPixelMax, -kPixelMax, kPixelMax};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(Pixel(v[i]), attendu[i]) << v[i];
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
