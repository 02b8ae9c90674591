#include <cmath>

#include "Pixel.h"
#include "Vues.h"

namespace kest {

Point PointPolaire(double a, double r, int cx, int cy) {
    return {Pixel(r * std::cos(a) + cx), Pixel(cy - r * std::sin(a))};
}

// The fixed frame: curve baselines, the phasor axis, the labels and the axes of phases 0
// and 1 on the space-vector circle. Starts every scene with a thin dotted gray pen.
void DessineCadre(DrawingSurface& d, const State& s) {
    d.SetPenColor(kGris);
    d.SetPenStyle(PenStyle::Dot);
    d.SetPenWidth(1);
    for (int k = 0; k < 3; ++k) {
        d.MoveTo(0, 20 + 80 * k);
        d.LineTo(314, 20 + 80 * k);
    }
    d.MoveTo(0, 300);
    d.LineTo(314, 300);
    d.MoveTo(400, 50);
    d.LineTo(400, 150);
    d.TextOut(385, 170, "Fresnel");
    d.TextOut(460, 170, "Vecteur spatial");

    d.SetPenColor(kBleu);
    const Point axe0 = PointPolaire(kPiSur2 / s.p, 70, 500, 100);
    d.MoveTo(500, 100);
    d.LineTo(axe0.x, axe0.y);
    // The phase-1 axis; the closing red vector is drawn over exactly this segment.
    const Point axe1 = PointPolaire((kDeuxPiSur3 + kPiSur2) / s.p, 60, 500, 100);
    d.MoveTo(500, 100);
    d.LineTo(axe1.x, axe1.y);
}

void DessineCercles(DrawingSurface& d) {
    d.SetPenColor(kNoir);
    d.SetPenStyle(PenStyle::Solid);
    d.SetBrushStyle(BrushStyle::Clear);
    d.Ellipse(400, 200, 600, 400);  // stator
    d.Ellipse(440, 40, 560, 160);   // space vector
}

}  // namespace kest
