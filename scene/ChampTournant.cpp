#include <cmath>

#include "Pixel.h"
#include "Vues.h"

namespace kest {

namespace {

// Barb angles as the decimal constants the picture has always used (not π/3, 2π/3, 5π/6).
constexpr double kBarbe1 = 1.047;
constexpr double kBarbe2 = 2.094;
constexpr double kBarbeRadiale = 2.618;

// Arrow from the curve's baseline y0 up (v < 0) or down (v > 0) to the curve.
void FlecheAxiale(DrawingSurface& d, double theta, int y0, int v) {
    const int x = Pixel(50 * theta);
    d.MoveTo(x, y0);
    d.LineTo(x, y0 + v);
    const double b1 = v > 0 ? kBarbe1 : -kBarbe1;
    const double b2 = v > 0 ? kBarbe2 : -kBarbe2;
    d.MoveTo(Pixel(5 * std::cos(b1) + 50 * theta), Pixel((y0 + v) - 5 * std::sin(b1)));
    d.LineTo(x, y0 + v);
    d.LineTo(Pixel(5 * std::cos(b2) + 50 * theta), Pixel((y0 + v) - 5 * std::sin(b2)));
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
    d.MoveTo(Pixel(5 * std::cos(b1) + xPointe), Pixel(yPointe - 5 * std::sin(b1)));
    d.LineTo(Pixel(xPointe), Pixel(yPointe));
    d.LineTo(Pixel(5 * std::cos(b2) + xPointe), Pixel(yPointe - 5 * std::sin(b2)));
}

// One chord of the polar wave, radius R − v, from theta over the span.
void CordeOnde(DrawingSurface& d, double theta, int cx, int cy, int R, int v, double span) {
    const int rho = R - v;
    d.MoveTo(Pixel(rho * std::cos(theta) + cx), Pixel(cy - rho * std::sin(theta)));
    d.LineTo(Pixel(rho * std::cos(theta + span) + cx), Pixel(cy - rho * std::sin(theta + span)));
}

void Champ(DrawingSurface& d, double theta, int cx, int cy, int R, int v, double span,
           Affichage a, bool fleches) {
    if (a.Onde) CordeOnde(d, theta, cx, cy, R, v, span);
    if (fleches) {
        FlecheAxiale(d, theta, cy, v);
        FlecheRadiale(d, theta, cx, cy, R, v);
    }
}

}  // namespace

// Phase 1 on the space-vector circle: its curve's baseline is y = 100, the circle's centre
// row, so both arrows share y0 = cy.
void DessineChampPhase1(DrawingSurface& d, double theta, int M, Affichage a, bool fleches) {
    Champ(d, theta, 500, 100, 60, M, 0.05, a, fleches);
}

// The resultant on the stator circle; the sum curve's baseline y = 300 is its centre row.
void DessineChampResultant(DrawingSurface& d, double theta, int n, Affichage a, bool fleches) {
    Champ(d, theta, 500, 300, 100, n, 0.04, a, fleches);
}

// Crest of the perfect resultant (p·theta = Omega·t) on the sum curve and as a stator radius,
// then the fixed axis of phase 1 on its curve and on the space-vector circle.
void DessineMarqueurs(DrawingSurface& d, const State& s) {
    d.SetPenWidth(2);
    const int x0 = Pixel(50 * std::fmod(s.Omega * s.t / s.p, kDeuxPi));
    d.MoveTo(x0, 300);
    d.LineTo(x0, Pixel(300 - s.AmplTotale));
    const Point crete = PointPolaire(s.Omega * s.t / s.p, 100, 500, 300);
    d.MoveTo(500, 300);
    d.LineTo(crete.x, crete.y);

    d.SetPenColor(kRouge);
    const int x1 = Pixel(((kDeuxPiSur3 + kPiSur2) * 50) / s.p);
    d.MoveTo(x1, 100);
    d.LineTo(x1, Pixel(100 - s.AmplPhase));
    const Point axe1 = PointPolaire((kDeuxPiSur3 + kPiSur2) / s.p, 60, 500, 100);
    d.MoveTo(500, 100);
    d.LineTo(axe1.x, axe1.y);
}

}  // namespace kest
