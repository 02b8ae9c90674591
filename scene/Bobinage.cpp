// SPDX-License-Identifier: GPL-3.0-or-later
#include <memory>

#include "model/Encoches.h"
#include "model/Physique.h"
#include "scene/Pixel.h"
#include "scene/Plan.h"
#include "scene/Vues.h"

namespace kest {

namespace {

void Conducteur(DrawingSurface& d, double a, int R, int cx, int cy) {
    const Point c = PointPolaire(a, R, cx, cy);  // centre truncated first, then the radius
    d.Ellipse(c.x - kRayonConducteur, c.y - kRayonConducteur, c.x + kRayonConducteur,
              c.y + kRayonConducteur);
}

// The conductors of one side of phase k: slot i outer, pole pair j inner.
void PasseConducteurs(DrawingSurface& d, const State& etat, const Cercle& c, int k, Cote cote) {
    for (int i = 1; i <= etat.m; ++i) {
        for (int j = 1; j <= etat.p; ++j) {
            if (etat.DoubleEtoile) {
                Conducteur(d, AngleConducteur(etat, k, i, j, cote, Etoile::Premiere), c.rayon, c.cx,
                           c.cy);
                Conducteur(d, AngleConducteur(etat, k, i, j, cote, Etoile::Seconde), c.anneauExt,
                           c.cx, c.cy);
            } else {
                Conducteur(d, AngleConducteur(etat, k, i, j, cote, Etoile::Aucune), c.rayon, c.cx,
                           c.cy);
            }
        }
    }
}

void PasseAxes(DrawingSurface& d, const State& etat, const Cercle& c, int k) {
    for (int j = 1; j <= etat.p; ++j) {
        const Point fin = PointPolaire(AngleAxe(etat, k, j), c.longueurAxe, c.cx, c.cy);
        d.MoveTo(c.cx, c.cy);
        d.LineTo(fin.x, fin.y);
    }
}

// Return sides filled, go sides hollow over them, then the dotted axes.
void PhaseSurCercle(DrawingSurface& d, const State& etat, const Cercle& c, int k) {
    d.SetBrushStyle(BrushStyle::Solid);
    PasseConducteurs(d, etat, c, k, Cote::Retour);
    d.SetBrushStyle(BrushStyle::Clear);
    PasseConducteurs(d, etat, c, k, Cote::Aller);
    d.SetPenStyle(PenStyle::Dot);
    PasseAxes(d, etat, c, k);
}

// A slot winding's sides of phase k and one sign: the top layer on the circle, the bottom one on
// the outer ring, as the double star's two stars.
void PasseFaisceaux(DrawingSurface& d, const BobinageEncoches& b, const Cercle& c, int k,
                    int signe) {
    for (const Faisceau& f : b.FaisceauxPhase(k, signe))
        Conducteur(d, b.AngleEncoche(f.encoche), f.couche == 0 ? c.rayon : c.anneauExt, c.cx, c.cy);
}

// The same order as a classic phase: return sides filled, go sides hollow, then the axes at
// the crests of the phase's working wave under each pole pair.
void PhaseEncoches(DrawingSurface& d, const BobinageEncoches& b, const State& etat, const Cercle& c,
                   int k) {
    d.SetBrushStyle(BrushStyle::Solid);
    PasseFaisceaux(d, b, c, k, -1);
    d.SetBrushStyle(BrushStyle::Clear);
    PasseFaisceaux(d, b, c, k, 1);
    d.SetPenStyle(PenStyle::Dot);
    if (b.Vide()) return;
    const double axe = b.AxePhase(k);
    for (int j = 1; j <= etat.p; ++j) {
        const Point fin = PointPolaire((kDeuxPi * j + axe) / etat.p, c.longueurAxe, c.cx, c.cy);
        d.MoveTo(c.cx, c.cy);
        d.LineTo(fin.x, fin.y);
    }
}

void Phase(DrawingSurface& d, const State& etat, const Cercle& c, int k) {
    if (etat.typeBobinage == TypeBobinage::Encoches)
        PhaseEncoches(d, *BobinageDe(etat), etat, c, k);
    else
        PhaseSurCercle(d, etat, c, k);
}

}  // namespace

// Phase 1 alone on the space-vector circle, under its black outline.
void DessineBobinagePhase1(DrawingSurface& d, const State& etat) {
    d.SetBrushColor(kRouge);
    d.SetPenColor(kRouge);
    d.SetPenStyle(PenStyle::Solid);
    Phase(d, etat, kVecteurSpatial, 1);
}

// All three phases over the stator outline, each over the phases before it.
void DessineBobinageStator(DrawingSurface& d, const State& etat) {
    std::shared_ptr<const BobinageEncoches> encoches;
    if (etat.typeBobinage == TypeBobinage::Encoches) encoches = BobinageDe(etat);
    for (int k = 0; k < 3; ++k) {
        d.SetBrushColor(kCouleurPhase[k]);
        d.SetPenColor(kCouleurPhase[k]);
        if (encoches)
            PhaseEncoches(d, *encoches, etat, kStator, k);
        else
            PhaseSurCercle(d, etat, kStator, k);
        d.SetPenStyle(PenStyle::Solid);
    }
}

}  // namespace kest
