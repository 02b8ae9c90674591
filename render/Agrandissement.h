// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QSize>

class QPainter;

namespace kest {

// The picture drawn k times larger: every coordinate scaled, pen widths and the font's pixels
// with them, so that the same calls give the same hard pixels, each k × k (kest-export's
// --echelle, the window's zoom). The picture's top-left corner lands on `origine`, in the
// painter's coordinates before scaling.
void Agrandit(QPainter& peintre, double k, QPoint origine = {});

// The largest factor at which the 700 × 500 picture fits in `zone`, in 64ths: every scaled
// coordinate of the picture is then an exact double, and a whole-pixel shift of the picture
// moves its pixels without changing them. At least 1/64 for a zone too small for anything.
double AgrandissementAjuste(QSize zone);

// Where the picture scaled by k sits centred in `zone` (never left of or above its corner).
QPoint OrigineCentree(QSize zone, double k);

}  // namespace kest
