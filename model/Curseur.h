// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The capacitance slider of the single-phase motor, on the window and the page alike: kPasCurseur
// whole steps, logarithmic from kCurseurMin to kCurseurMax µF, so that each step multiplies the
// capacitance by the same factor (the field's ellipse opens as fast at 20 µF as at 200).

#include <cmath>

#include "model/Monophase.h"

namespace kest {

inline constexpr int kPasCurseur = 1000;

// The step that shows a capacitance in µF: the nearest one, the ends for a value beyond them.
// An open auxiliary (0) sits at the small end, no capacitor (infinite) at the large one; a NaN
// at the small end: no conversion of an out-of-range double.
inline int PositionCurseur(double microfarads) {
    if (!(microfarads > kCurseurMin)) return 0;
    if (!(microfarads < kCurseurMax)) return kPasCurseur;
    const double x =
        kPasCurseur * std::log(microfarads / kCurseurMin) / std::log(kCurseurMax / kCurseurMin);
    return static_cast<int>(std::lround(x));
}

// The capacitance of a step, in µF, to four significant digits as a capacitor is marked (finer
// than a step, 0.53 %, so that it shows the same step again); a step beyond the ends is the end.
inline double CondensateurCurseur(int position) {
    const int p = position < 0 ? 0 : position > kPasCurseur ? kPasCurseur : position;
    const double c = kCurseurMin * std::pow(kCurseurMax / kCurseurMin, double(p) / kPasCurseur);
    // A whole power of ten, so that the quotient is the double nearest the decimal.
    const double k = std::pow(10.0, 3 - std::floor(std::log10(c)));
    return std::round(c * k) / k;
}

}  // namespace kest
