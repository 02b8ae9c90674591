// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <complex>

#include "model/Alimentation.h"
#include "model/Textes.h"
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

namespace {

// Arrow from the stator's centre to the untruncated tip (x, y), barbs as the radial arrows'.
// An arrow shorter than half a pixel (a part that vanishes: the backward part of a balanced
// supply, the forward one of a reversed supply) points right: its angle would be rounding noise.
void FlecheCentrale(DrawingSurface& d, double x, double y) {
    const Cercle& c = kStator;
    d.MoveTo(c.cx, c.cy);
    d.LineTo(Pixel(x), Pixel(y));
    const double a = std::hypot(x - c.cx, c.cy - y) < 0.5 ? 0.0 : std::atan2(c.cy - y, x - c.cx);
    const double b1 = a - kBarbeRadiale;
    const double b2 = a + kBarbeRadiale;
    d.MoveTo(Pixel(kLongueurBarbe * std::cos(b1) + x), Pixel(y - kLongueurBarbe * std::sin(b1)));
    d.LineTo(Pixel(x), Pixel(y));
    d.LineTo(Pixel(kLongueurBarbe * std::cos(b2) + x), Pixel(y - kLongueurBarbe * std::sin(b2)));
}

// The fundamental's space vector in the stator circle at electrical time angle wt, per unit of
// the balanced fundamental: the forward part D·e^{j·wt} turns with wt, the backward part
// −conj(B·e^{j·wt}) against it (their crests at wt + arg D and π − wt − arg B,
// model/Alimentation.h). Both come from the one e^{j·wt}, so that equal parts (a single phase)
// cancel exactly across their axis. The plane is the fundamental's electrical one; with one
// pole pair it is the air gap itself.
struct ChampsContraires {
    std::complex<double> direct, inverse;
};
ChampsContraires Champs(const Sequences& s, double wt) {
    const std::complex<double> u(std::cos(wt), std::sin(wt));
    return {s.direct * u, -std::conj(s.inverse * u)};
}

// Screen position of a space vector v drawn kStator.rayon long per unit.
double EcranX(std::complex<double> v) { return kStator.rayon * v.real() + kStator.cx; }
double EcranY(std::complex<double> v) { return kStator.cy - kStator.rayon * v.imag(); }

// The arrow of v and its label beyond its tip, placed from the tip's pixel so that a part too
// short to have a direction puts its label right of the centre.
void ChampEtiquete(DrawingSurface& d, std::complex<double> v, const char* nom) {
    const double x = EcranX(v), y = EcranY(v);
    FlecheCentrale(d, x, y);
    const Point pointe{Pixel(x), Pixel(y)};
    const int dx = pointe.x - kStator.cx, dy = pointe.y - kStator.cy;
    const double longueur = std::hypot(dx, dy);
    const double ex = longueur > 0 ? kEcartEtiquette * dx / longueur : 0.0;
    const double ey = longueur > 0 ? kEcartEtiquette * dy / longueur : 0.0;
    d.TextOut(Pixel(pointe.x + ex) - (dx < 0 ? kLargeurEtiquette : 0),
              Pixel(pointe.y + ey) - kDemiHauteurEtiquette, nom);
}

}  // namespace

// An unbalanced supply's two counter-rotating fields on the stator circle: the locus of the
// resultant's tip over one period (an ellipse; a segment for a pulsating field), then the
// forward and backward arrows from the centre and their sum, the resultant arrow, each arrow
// tip labelled. Leaves the pen purple, solid, 2 px.
void DessineChampsContraires(DrawingSurface& d, const State& etat) {
    const Sequences s = ComposantesSymetriques(etat, 1);
    const double wt = etat.Omega * etat.t;

    d.SetPenColor(kCouleurResultante);
    d.SetPenStyle(PenStyle::Dot);
    d.SetPenWidth(kLargeurLieu);
    // Sampled at the middles of kPointsLieu equal steps: no sample falls on an angle whose
    // cosine or sine is a whole fraction, whose pixel would hang on the last bit of the sum.
    const auto pointLieu = [&](int i) {
        const ChampsContraires c = Champs(s, (kDeuxPi * (i + 0.5)) / kPointsLieu);
        return Point{Pixel(EcranX(c.direct + c.inverse)), Pixel(EcranY(c.direct + c.inverse))};
    };
    const Point debut = pointLieu(0);
    d.MoveTo(debut.x, debut.y);
    for (int i = 1; i < kPointsLieu; ++i) {
        const Point p = pointLieu(i);
        d.LineTo(p.x, p.y);
    }
    d.LineTo(debut.x, debut.y);  // closed on its first point exactly

    const ChampsContraires c = Champs(s, wt);
    d.SetPenStyle(PenStyle::Solid);
    d.SetPenWidth(kLargeurChamps);
    d.SetPenColor(kCouleurDirect);
    ChampEtiquete(d, c.direct, Traduit("ChampTournant", "direct"));
    d.SetPenColor(kCouleurInverse);
    ChampEtiquete(d, c.inverse, Traduit("ChampTournant", "inverse"));
    d.SetPenColor(kCouleurResultante);
    FlecheCentrale(d, EcranX(c.direct + c.inverse), EcranY(c.direct + c.inverse));
}

}  // namespace kest
