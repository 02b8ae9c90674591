// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Bobinage.h"

#include <memory>

#include "scene/Pixel.h"
#include "scene/Plan.h"
#include "scene/Vues.h"

namespace kest {

namespace {

void DessineConducteur(DrawingSurface& d, double a, int R, int cx, int cy) {
    const Point c = PointPolaire(a, R, cx, cy);  // centre truncated first, then the radius
    d.Ellipse(c.x - kRayonConducteur, c.y - kRayonConducteur, c.x + kRayonConducteur,
              c.y + kRayonConducteur);
}

// Phase k as the winding gives it: its return sides filled, its go sides hollow over them (the
// top layer or first star on the circle, the other on the outer ring), then its dotted axes.
void Phase(DrawingSurface& d, const Bobinage& b, const Cercle& c, int k) {
    for (const int signe : {-1, 1}) {
        d.SetBrushStyle(signe < 0 ? BrushStyle::Solid : BrushStyle::Clear);
        for (const Conducteur& f : b.Conducteurs(k))
            if (f.signe == signe)
                DessineConducteur(d, f.angle, f.couche == 0 ? c.rayon : c.anneauExt, c.cx, c.cy);
    }
    d.SetPenStyle(PenStyle::Dot);
    for (const double axe : b.Axes(k)) {
        const Point fin = PointPolaire(axe, c.longueurAxe, c.cx, c.cy);
        d.MoveTo(c.cx, c.cy);
        d.LineTo(fin.x, fin.y);
    }
}

}  // namespace

// Phase 1 alone on the space-vector circle, under its black outline.
void DessineBobinagePhase1(DrawingSurface& d, const State& etat) {
    d.SetBrushColor(kRouge);
    d.SetPenColor(kRouge);
    d.SetPenStyle(PenStyle::Solid);
    Phase(d, *BobinageDe(etat), kVecteurSpatial, 1);
}

// All three phases over the stator outline, each over the phases before it.
void DessineBobinageStator(DrawingSurface& d, const State& etat) {
    const std::shared_ptr<const Bobinage> b = BobinageDe(etat);
    for (int k = 0; k < b->NbPhases(); ++k) {
        d.SetBrushColor(kCouleurPhase[k]);
        d.SetPenColor(kCouleurPhase[k]);
        Phase(d, *b, kStator, k);
        d.SetPenStyle(PenStyle::Solid);
    }
}

}  // namespace kest
