// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cmath>
#include <complex>
#include <vector>

#include "model/Harmoniques.h"
#include "model/Physique.h"
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

// The crest marker on the sum curve and as a stator radius, at the mechanical angle `crete`,
// then the fixed axis of phase 1 on its curve and on the space-vector circle.
void DessineMarqueurs(DrawingSurface& d, const State& etat, double crete) {
    d.SetPenWidth(2);
    double x = std::fmod(crete, kDeuxPi);
    if (x < 0) x += kDeuxPi;  // a crest behind the origin (never for the balanced supply)
    const int x0 = Pixel(kPixelsParRadian * x);
    d.MoveTo(x0, kBaseSomme);
    d.LineTo(x0, Pixel(kBaseSomme - etat.AmplTotale));
    const Point rayon = PointPolaire(crete, kStator.rayon, kStator.cx, kStator.cy);
    d.MoveTo(kStator.cx, kStator.cy);
    d.LineTo(rayon.x, rayon.y);

    d.SetPenColor(kRouge);
    const int x1 = Pixel((AxeElectrique(etat, 1) * kPixelsParRadian) / etat.p);
    d.MoveTo(x1, kBasePhase1);
    d.LineTo(x1, Pixel(kBasePhase1 - etat.AmplPhase));
    const Point axe1 = AxePhase1(etat);
    d.MoveTo(kVecteurSpatial.cx, kVecteurSpatial.cy);
    d.LineTo(axe1.x, axe1.y);
}

double AngleCrete(const State& etat, const ChampFondamental* champ) {
    // The balanced supply's crest is the perfect resultant's, p·theta = Omega·t.
    if (!champ || !champ->existe) return etat.Omega * etat.t / etat.p;
    return CreteResultante(*champ, etat.Omega * etat.t).angle / etat.p;
}

namespace {

// A stator arrow from the centre to the untruncated tip (x, y), barbs as the radial arrows'.
void FlecheCentrale(DrawingSurface& d, double x, double y) {
    const Cercle& c = kStator;
    d.MoveTo(c.cx, c.cy);
    d.LineTo(Pixel(x), Pixel(y));
    const double a = std::atan2(c.cy - y, x - c.cx);
    const double b1 = a - kBarbeRadiale;
    const double b2 = a + kBarbeRadiale;
    d.MoveTo(Pixel(kLongueurBarbe * std::cos(b1) + x), Pixel(y - kLongueurBarbe * std::sin(b1)));
    d.LineTo(Pixel(x), Pixel(y));
    d.LineTo(Pixel(kLongueurBarbe * std::cos(b2) + x), Pixel(y - kLongueurBarbe * std::sin(b2)));
}

// One of the stator's arrows: the crest of a wave at the mechanical angle `angle`, its length
// kStator.rayon per unit of the balanced fundamental.
struct Fleche {
    double x, y;  // the untruncated tip
    double angle;
    double longueur;  // pixels
};
Fleche FlecheEnCrete(double amplitude, double angleElectrique, int p) {
    const double angle = angleElectrique / p;
    const double longueur = kStator.rayon * amplitude;
    return {longueur * std::cos(angle) + kStator.cx, kStator.cy - longueur * std::sin(angle), angle,
            longueur};
}

struct Boite {
    double x1, y1, x2, y2;
    bool Coupe(const Boite& b) const { return x1 < b.x2 && b.x1 < x2 && y1 < b.y2 && b.y1 < y2; }
};

// Does the segment from the stator's centre to (x, y) come within a pixel and a half of the
// box (the box and the shaft are both truncated when drawn)? The segment is clipped to the
// widened box (Liang–Barsky): it meets it when some part of it survives.
bool Traverse(const Boite& b, double x, double y) {
    constexpr double marge = 1.5;
    const double dx = x - kStator.cx, dy = y - kStator.cy;
    double entree = 0.0, sortie = 1.0;
    const auto borne = [&](double pente, double ecart) {  // keeps pente·u <= ecart
        if (pente == 0.0) return ecart >= 0.0;
        const double u = ecart / pente;
        if (pente < 0.0)
            entree = std::max(entree, u);
        else
            sortie = std::min(sortie, u);
        return entree <= sortie;
    };
    return borne(-dx, kStator.cx - (b.x1 - marge)) && borne(dx, (b.x2 + marge) - kStator.cx) &&
           borne(-dy, kStator.cy - (b.y1 - marge)) && borne(dy, (b.y2 + marge) - kStator.cy);
}

// The frame's captions above the stator circle ("Fresnel", "Vecteur spatial"), in the window's
// font, in either language.
constexpr Boite kLegendes{kEtiquetteFresnelX, kEtiquetteY, kEtiquetteVecteurX + 100.0,
                          kEtiquetteY + 2.0 * kDemiHauteurEtiquette};

// Where a label goes: beside its arrow's tip, in the first of eight directions (along the
// arrow first, then turning away from it both ways) whose box keeps clear of every shaft and
// of the labels already placed, the frame's captions and the picture's edges, kEcartEtiquette
// from the tip, or failing that a step farther. The box is the label's kLargeurEtiquette ×
// 2·kDemiHauteurEtiquette.
Boite PlaceEtiquette(const Fleche& f, const std::vector<Fleche>& fleches,
                     const std::vector<Boite>& placees) {
    const double demiL = kLargeurEtiquette * 0.5, demiH = kDemiHauteurEtiquette;
    Boite premiere{};
    // Nearest first; when every direction is taken (a long shaft on each side), a step farther.
    for (const double ecart : {kEcartEtiquette, kEcartEtiquette + 14, kEcartEtiquette + 28})
        for (int i = 0; i < 8; ++i) {
            // 0, +45°, −45°, +90°, −90°, +135°, −135°, 180°
            const double tour = ((i + 1) / 2) * (kPi / 4) * (i % 2 == 1 ? 1 : -1);
            const double a = f.angle + tour;
            const double ux = std::cos(a), uy = -std::sin(a);
            // From the tip to the box's centre: the gap plus the box's half-extent along u.
            const double r = ecart + demiL * std::abs(ux) + demiH * std::abs(uy);
            const double cx = f.x + r * ux, cy = f.y + r * uy;
            const Boite b{cx - demiL, cy - demiH, cx + demiL, cy + demiH};
            if (ecart == kEcartEtiquette && i == 0) premiere = b;
            bool libre = !b.Coupe(kLegendes) && b.x1 >= 0 && b.y1 >= 0 && b.x2 <= kLargeurImage &&
                         b.y2 <= kHauteurImage;
            for (const Fleche& autre : fleches) libre = libre && !Traverse(b, autre.x, autre.y);
            for (const Boite& autre : placees) libre = libre && !autre.Coupe(b);
            if (libre) return b;
        }
    return premiere;
}

}  // namespace

// An unbalanced supply's two counter-rotating fields on the stator circle: the locus of the
// resultant's crest over the periods that close it (an ellipse, or for p pole pairs its p-lobed
// image; a pair of radii for a pulsating field), the resultant's arrow, then the forward and
// backward arrows over it, each at a crest of its own wave as the curves draw it, and their
// labels. A part shorter than kLongueurVisible draws neither arrow nor label. Leaves the pen
// solid, 2 px, in the last arrow's colour.
void DessineChampsContraires(DrawingSurface& d, const State& etat, const ChampFondamental& champ) {
    if (!champ.existe) return;
    const int p = etat.p;
    const double wt = etat.Omega * etat.t;

    d.SetPenColor(kCouleurResultante);
    d.SetPenStyle(PenStyle::Dot);
    d.SetPenWidth(kLargeurLieu);
    // Sampled at the middles of equal steps of the time angle: no sample falls on an angle whose
    // cosine or sine is a whole fraction, whose pixel would hang on the last bit of the sum. A
    // turning field's crest needs p periods to come back to where it started, a pulsating one
    // one period.
    const int points = kPointsLieu * (champ.Pulsant() ? 1 : p);
    const auto pointLieu = [&](int i) {
        const double wt = (kDeuxPi * (i + 0.5)) / kPointsLieu;
        if (p == 1) {  // one crest: the space vector itself, without its angle
            const std::complex<double> u(std::cos(wt), std::sin(wt));
            const std::complex<double> v =
                champ.vecteurDirect * u + champ.vecteurInverse * std::conj(u);
            return Point{Pixel(kStator.rayon * v.real() + kStator.cx),
                         Pixel(kStator.cy - kStator.rayon * v.imag())};
        }
        const Crete c = CreteResultante(champ, wt);
        const Fleche f = FlecheEnCrete(c.amplitude, c.angle, p);
        return Point{Pixel(f.x), Pixel(f.y)};
    };
    const Point debut = pointLieu(0);
    d.MoveTo(debut.x, debut.y);
    for (int i = 1; i < points; ++i) {
        const Point q = pointLieu(i);
        d.LineTo(q.x, q.y);
    }
    d.LineTo(debut.x, debut.y);  // closed on its first point exactly

    const Crete crete = CreteResultante(champ, wt);
    const Fleche resultante = FlecheEnCrete(crete.amplitude, crete.angle, p);
    const Fleche direct = FlecheEnCrete(champ.direct, champ.phaseDirect + wt, p);
    const Fleche inverse = FlecheEnCrete(champ.inverse, champ.phaseInverse - wt, p);

    d.SetPenStyle(PenStyle::Solid);
    d.SetPenWidth(kLargeurChamps);
    std::vector<Fleche> dessinees;
    const auto dessine = [&](const Fleche& f, Couleur couleur) {
        if (!(f.longueur >= kLongueurVisible)) return false;
        d.SetPenColor(couleur);
        FlecheCentrale(d, f.x, f.y);
        dessinees.push_back(f);
        return true;
    };
    dessine(resultante, kCouleurResultante);
    const bool avecDirect = dessine(direct, kCouleurDirect);
    const bool avecInverse = dessine(inverse, kCouleurInverse);

    std::vector<Boite> placees;
    const auto etiquette = [&](const Fleche& f, Couleur couleur, const char* nom) {
        const Boite b = PlaceEtiquette(f, dessinees, placees);
        placees.push_back(b);
        d.SetPenColor(couleur);
        d.TextOut(Pixel(b.x1), Pixel(b.y1), nom);
    };
    if (avecDirect) etiquette(direct, kCouleurDirect, Traduit("ChampTournant", "direct"));
    if (avecInverse) etiquette(inverse, kCouleurInverse, Traduit("ChampTournant", "inverse"));
}

}  // namespace kest
