// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Physique.h"
#include "model/Textes.h"
#include "scene/Pixel.h"
#include "scene/Plan.h"
#include "scene/Vues.h"

namespace kest {

Point AxePhase1(const State& etat) {
    return PointPolaire(AxeElectrique(etat, 1) / etat.p, kVecteurSpatial.rayon, kVecteurSpatial.cx,
                        kVecteurSpatial.cy);
}

// The fixed frame: curve baselines, the phasor axis, the labels and the axes of phases 0
// and 1 on the space-vector circle. Starts every scene with a thin dotted gray pen.
void DessineCadre(DrawingSurface& d, const State& etat) {
    d.SetPenColor(kGris);
    d.SetPenStyle(PenStyle::Dot);
    d.SetPenWidth(1);
    for (int k = 0; k < 3; ++k) {
        d.MoveTo(0, kBasePhase0 + kEcartPhases * k);
        d.LineTo(kLongueurCourbe, kBasePhase0 + kEcartPhases * k);
    }
    d.MoveTo(0, kBaseSomme);
    d.LineTo(kLongueurCourbe, kBaseSomme);
    d.MoveTo(kFresnelX, kFresnelY - kDemiAxeFresnel);
    d.LineTo(kFresnelX, kFresnelY + kDemiAxeFresnel);
    d.TextOut(kEtiquetteFresnelX, kEtiquetteY, Traduit("Cadre", "Fresnel"));
    d.TextOut(kEtiquetteVecteurX, kEtiquetteY, Traduit("Cadre", "Vecteur spatial"));

    const Cercle& c = kVecteurSpatial;
    d.SetPenColor(kBleu);
    const Point axe0 = PointPolaire(kPiSur2 / etat.p, c.longueurAxe, c.cx, c.cy);
    d.MoveTo(c.cx, c.cy);
    d.LineTo(axe0.x, axe0.y);
    // The phase-1 axis; the closing red vector is drawn over exactly this segment.
    const Point axe1 = AxePhase1(etat);
    d.MoveTo(c.cx, c.cy);
    d.LineTo(axe1.x, axe1.y);
}

namespace {

void Contour(DrawingSurface& d, const Cercle& c) {
    d.Ellipse(c.cx - c.rayon, c.cy - c.rayon, c.cx + c.rayon, c.cy + c.rayon);
}

}  // namespace

void DessineCercles(DrawingSurface& d) {
    d.SetPenColor(kNoir);
    d.SetPenStyle(PenStyle::Solid);
    d.SetBrushStyle(BrushStyle::Clear);
    Contour(d, kStator);
    Contour(d, kVecteurSpatial);
}

}  // namespace kest
