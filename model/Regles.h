// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The state rules of the options dialog and of the clock. Each failure is an Erreur thrown at
// the failing step; what the earlier steps stored stays stored, nothing is rolled back.

#include <string>
#include <string_view>

#include "State.h"

namespace kest {

// What the dialog holds when Enter is pressed: the three texts as typed and the selection of
// the radio buttons "Réelle" and "Double étoile".
struct Saisie {
    std::string p;
    std::string m;
    std::string Y;
    bool reelle = false;
    bool doubleEtoile = false;
};

// Accepted winding sizes: 6·p·m never overflows and a paint stays interactive.
inline constexpr int kPMax = 99;
inline constexpr int kMMax = 99;

// Enter in an edit of the dialog: flags, p (dropped silently when <= 0), m, Y, NbEncoches,
// Alpha, in that order. Returns normally only when every step succeeded; the caller then
// asks for a repaint.
void AppliquerSaisie(State& s, const Saisie& saisie, std::string_view separateur);

// A radio button clicked: the flags only.
void ChoisirDistribution(State& s, bool reelle, bool doubleEtoile);

// One clock tick: 2π/100 of the electrical angle.
void AvancerTemps(State& s);

}  // namespace kest
