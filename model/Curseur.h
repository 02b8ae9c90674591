// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The capacitance slider of the single-phase motor, on the window and the page alike: kPasCurseur
// whole steps, logarithmic from kCurseurMin to kCurseurMax µF, so that each step multiplies the
// capacitance by the same factor (the field's ellipse opens as fast at 20 µF as at 200).
//
// Steps are powers of that factor taken by squaring, and a capacitance's step is found by
// bisection, without log, exp or pow: the page's module would carry their tables for this alone.

#include <cmath>

#include "model/Monophase.h"

namespace kest {

inline constexpr int kPasCurseur = 1000;
// (kCurseurMax / kCurseurMin)^(1 / kPasCurseur) and its square root, the factor of a half step.
inline constexpr double kFacteurPas = 1.0053123782720848;
inline constexpr double kFacteurDemiPas = 1.0026526708048429;

// kCurseurMin · kFacteurPas^n, n from 0 to kPasCurseur.
inline double CondensateurExact(int n) {
    double c = kCurseurMin, f = kFacteurPas;
    for (; n > 0; n >>= 1, f *= f)
        if (n & 1) c *= f;
    return c;
}

// The step that shows a capacitance in µF: the nearest one on the logarithmic scale, the ends
// for a value beyond them. An open auxiliary (0) and a NaN sit at the small end, no capacitor
// (infinite) at the large one: no double is ever converted to int.
inline int PositionCurseur(double microfarads) {
    if (!(microfarads > kCurseurMin)) return 0;
    if (!(microfarads < kCurseurMax)) return kPasCurseur;
    // The last step whose lower half-step bound lies at or below the capacitance.
    int bas = 0, haut = kPasCurseur;
    while (bas < haut) {
        const int milieu = (bas + haut + 1) / 2;
        if (CondensateurExact(milieu) / kFacteurDemiPas <= microfarads)
            bas = milieu;
        else
            haut = milieu - 1;
    }
    return bas;
}

// The capacitance of a step, in µF, to four significant digits as a capacitor is marked (finer
// than a step, 0.53 %, so that it shows the same step again); a step beyond the ends is the end.
inline double CondensateurCurseur(int position) {
    const int p = position < 0 ? 0 : position > kPasCurseur ? kPasCurseur : position;
    const double c = CondensateurExact(p);
    // A whole power of ten (c lies from 10 to 2000), so that the quotient is the double nearest
    // the decimal.
    const double k = c < 100.0 ? 100.0 : c < 1000.0 ? 10.0 : 1.0;
    return std::round(c * k) / k;
}

}  // namespace kest
