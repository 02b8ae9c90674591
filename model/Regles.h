// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The state rules of the options dialog and of the clock. Each failure is an Erreur thrown at
// the failing step; what the earlier steps stored stays stored, nothing is rolled back.

#include <string>
#include <string_view>

#include "model/State.h"

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

// The three radio buttons of the dialog. When both flags are set (a state formed by a program,
// not by the buttons) the double star wins, as it does in the picture.
enum class Distribution { Parfaite, Reelle, DoubleEtoile };
Distribution DistributionDe(const State& etat);

// The button's label: "Parfaite", "Réelle", "Double étoile".
std::string NomDistribution(Distribution d);

// What the panel shows for a state: p and m in decimal, Y written with the locale's separator
// and the button of its distribution. Enter sends these texts back through AppliquerSaisie,
// which is why an untouched Y becomes its 15-digit writing (3.14159265358979 for π).
Saisie SaisieAffichee(const State& etat, std::string_view separateur);

// Accepted winding sizes: 6·p·m never overflows and a paint stays interactive.
inline constexpr int kPMax = 99;
inline constexpr int kMMax = 99;

// Enter in an edit of the dialog: flags, p (dropped silently when <= 0), m, Y, NbEncoches,
// Alpha, in that order. Returns normally only when every step succeeded; the caller then
// asks for a repaint.
void AppliquerSaisie(State& etat, const Saisie& saisie, std::string_view separateur);

// A radio button clicked: the flags only.
void ChoisirDistribution(State& etat, bool reelle, bool doubleEtoile);

// The speed bar's position is the clock's interval in milliseconds. A new interval restarts the
// clock, so that the next tick comes one full new interval later; the interval it already has
// is ignored, so that a click on the bar's end does not delay the running tick. Returns whether
// the interval changed.
bool RegleIntervalle(int& intervalle, int ms);

// One clock tick: 2π/100 of the electrical angle, Omega·t.
inline constexpr double kAngleTop = 0.06283185307179587;
void AvancerTemps(State& etat);

}  // namespace kest
