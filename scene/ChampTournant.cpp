// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>

#include "scene/Pixel.h"
#include "scene/Plan.h"
#include "scene/Vues.h"

namespace kest {

namespace {

// Barb angles as the picture draws them: these decimals, not π/3, 2π/3 and 5π/6.
constexpr double kBarbe1 = 1.047;
constexpr double kBarbe2 = 2.094;
constexpr double kBarbeRadiale = 2.618;
constexpr int kLongueurBarbe = 5;  // px

// Arrow from the curve's baseline y0 up (v < 0) or down (v > 0) to the curve.
void FlecheAxiale(DrawingSurface& d, double theta, int y0, int v) {
    const int x = Pixel(kPixelsParRadian * theta);
    d.MoveTo(x, y0);
    d.LineTo(x, y0 + v);
    const double b1 = v > 0 ? kBarbe1 : -kBarbe1;
    const double b2 = v > 0 ? kBarbe2 : -kBarbe2;
    d.MoveTo(Pixel(kLongueurBarbe * std::cos(b1) + kPixelsParRadian * theta),
             Pixel((y0 + v) - kLongueurBarbe * std::sin(b1)));
    d.LineTo(x, y0 + v);
    d.LineTo(Pixel(kLongueurBarbe * std::cos(b2) + kPixelsParRadian * theta),
             Pixel((y0 + v) - kLongueurBarbe * std::sin(b2)));
}

// Arrow from the circle of radius R out (v <= 0) or in (v > 0) to the wave of radius R − v.
void FlecheRadiale(DrawingSurface& d, double theta, int cx, int cy, int R, int v) {
    const int rho = R - v;
    const double xPointe = rho * std::cos(theta) + cx;
    const double yPointe = cy - rho * std::sin(theta);
    d.MoveTo(Pixel(R * std::cos(theta) + cx), Pixel(cy - R * std::sin(theta)));
    d.LineTo(Pixel(xPointe), Pixel(yPointe));
    const double b1 = v > 0 ? theta - kBarbeRadiale - kPi : theta - kBarbeRadiale;
    const double b2 = v > 0 ? theta + kBarbeRadiale - kPi : theta + kBarbeRadiale;
    d.MoveTo(Pixel(kLongueurBarbe * std::cos(b1) + xPointe),
             Pixel(yPointe - kLongueurBarbe * std::sin(b1)));
    d.LineTo(Pixel(xPointe), Pixel(yPointe));
    d.LineTo(Pixel(kLongueurBarbe * std::cos(b2) + xPointe),
             Pixel(yPointe - kLongueurBarbe * std::sin(b2)));
}

// One chord of the polar wave, radius R − v, from theta over the span.
void CordeOnde(DrawingSurface& d, double theta, int cx, int cy, int R, int v, double span) {
    const int rho = R - v;
    d.MoveTo(Pixel(rho * std::cos(theta) + cx), Pixel(cy - rho * std::sin(theta)));
    d.LineTo(Pixel(rho * std::cos(theta + span) + cx), Pixel(cy - rho * std::sin(theta + span)));
}

// The circle's centre row is also its curve's baseline (checked in Plan.h).
void Champ(DrawingSurface& d, double theta, const Cercle& c, int v, double span, Affichage a,
           bool fleches) {
    if (a.Onde) CordeOnde(d, theta, c.cx, c.cy, c.rayon, v, span);
    if (fleches) {
        FlecheAxiale(d, theta, c.cy, v);
        FlecheRadiale(d, theta, c.cx, c.cy, c.rayon, v);
    }
}

}  // namespace

// Phase 1 on the space-vector circle, level with its curve.
void DessineChampPhase1(DrawingSurface& d, double theta, int M, Affichage a, bool fleches) {
    Champ(d, theta, kVecteurSpatial, M, 0.05, a, fleches);
}

// The resultant on the stator circle, level with the sum curve.
void DessineChampResultant(DrawingSurface& d, double theta, int n, Affichage a, bool fleches) {
    Champ(d, theta, kStator, n, 0.04, a, fleches);
}

// Crest of the perfect resultant (p·theta = Omega·t) on the sum curve and as a stator radius,
// then the fixed axis of phase 1 on its curve and on the space-vector circle.
void DessineMarqueurs(DrawingSurface& d, const State& etat) {
    d.SetPenWidth(2);
    const int x0 = Pixel(kPixelsParRadian * std::fmod(etat.Omega * etat.t / etat.p, kDeuxPi));
    d.MoveTo(x0, kBaseSomme);
    d.LineTo(x0, Pixel(kBaseSomme - etat.AmplTotale));
    const Point crete =
        PointPolaire(etat.Omega * etat.t / etat.p, kStator.rayon, kStator.cx, kStator.cy);
    d.MoveTo(kStator.cx, kStator.cy);
    d.LineTo(crete.x, crete.y);

    d.SetPenColor(kRouge);
    const int x1 = Pixel(((kDeuxPiSur3 + kPiSur2) * kPixelsParRadian) / etat.p);
    d.MoveTo(x1, kBasePhase1);
    d.LineTo(x1, Pixel(kBasePhase1 - etat.AmplPhase));
    const Point axe1 = AxePhase1(etat);
    d.MoveTo(kVecteurSpatial.cx, kVecteurSpatial.cy);
    d.LineTo(axe1.x, axe1.y);
}

}  // namespace kest
