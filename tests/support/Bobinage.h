// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The windings as the dialogs form them, for the tests that sweep windings.

#include "model/Personnalise.h"
#include "model/State.h"

namespace kest::test {

enum Distribution { Parfaite, Reelle, DoubleEtoile };

inline State EtatClassique(int p, int m, double y = kPi, Distribution d = Reelle) {
    State s;
    s.p = p, s.m = m, s.Y = y, s.Reelle = d == Reelle, s.DoubleEtoile = d == DoubleEtoile;
    s.NbEncoches = 6 * p * m;
    if (m != 0) s.Alpha = kDeuxPi / s.NbEncoches;  // m = 0 keeps the previous pitch, as the dialog
    return s;
}

// A slot winding as the "Bobinage" panel forms it: Q slots, p pole pairs, the layers and the span.
inline State Encoches(int Q, int p, int couches, int pas) {
    State s;
    s.p = p;
    s.encoches = Q, s.couches = couches, s.pas = pas;
    s.typeBobinage = TypeBobinage::Encoches;
    return s;
}

// The single-phase motor on a winding, under the start given.
inline State EnMoteur(State s, Demarrage d = Demarrage::Quadrature) {
    s.machine = Machine::Monophasee, s.demarrage = d;
    return s;
}

// The slot winding s made custom with coil `bobine` reversed (its go side in the slot's top layer,
// its return in the bottom layer `pas` slots on), as a student edits it.
inline State BobineInversee(State s, int bobine) {
    const auto t = TablePersonnalisee(s);
    for (const auto& [e, c] : {std::pair{bobine, 0}, {(bobine + s.pas) % t->encoches, 1}})
        EditerCellule(s, e, c, {(*t)(e, c).phase, -(*t)(e, c).spires});
    return s;
}

}  // namespace kest::test
