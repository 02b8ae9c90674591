// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The classic winding as a Bobinage: p pole pairs, m slots per pole and phase, one coil
// opening Y and a distribution ("Parfaite", "Réelle", "Double étoile"), its conductors and its
// MMF those of model/Physique.h.

#include <memory>
#include <string>
#include <string_view>

#include "model/Bobinage.h"

namespace kest {

std::shared_ptr<const Bobinage> FabriqueClassique(const State& s);
// "p = 2, m = 3, 36 encoches, Y = 150° électriques, Réelle", `separateur` the decimal mark.
std::string NomBobinageClassique(const State& s, std::string_view separateur);

}  // namespace kest
