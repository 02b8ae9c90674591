// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The spectrum as the window's copy and kest-export write it: the tab-separated table and its
// JSON, in electrical orders (the classic winding) or mechanical ones (any other). The model
// computes the rows (SpectreDe, model/Harmoniques.h); this only writes them.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/Harmoniques.h"

namespace kest {

// The distortion as the exported text's last line: "distorsion (rangs 2 à 49)\t0.0320\n", the
// ratio left empty when there is no fundamental or under an unbalanced supply (then followed by
// the note); nothing for a spectrum of mechanical orders, which has none.
std::string TexteDistorsion(const Spectre& spectre, std::string_view separateur = ".");
// A number as JSON writes it (ten significant digits, null when not finite), and a text
// between quotes with its quotes, backslashes and control characters escaped.
std::string JsonNombre(double v);
std::string JsonTexte(std::string_view texte);
// Tab-separated, a header line then one line per row, each line ending in '\n'; numbers with
// four decimals and `separateur` as the decimal mark; an undefined ratio is left empty. In
// electrical orders: h k_p k_d k_e k_w A(h)/A(1) sens vitesse direct inverse; in mechanical
// ones: nu k_w A(nu)/A(p) sens vitesse direct inverse. An order of two parts turns at ±1/h
// (±p/ν).
std::string TexteTableau(const Spectre& spectre, std::string_view separateur = ".");
// {"bobinage": ..., then in electrical orders "distorsion": x|null, "distorsion_rangs": [2, 49],
// "ordres": [{"h": 1, "kp": .., "kd": .., "ke": .., "kw": .., "relatif": x|null, "sens":
// "direct", "vitesse": 1, "direct": .., "inverse": ..}, ...], or in mechanical ones
// "ordres_mecaniques": true, "ordre_travail": p, "ordres": [{"nu": 1, "kw": .., ...}]; then
// "alimentation": ...}
std::string JsonTableau(const State& s, const Spectre& spectre);
// The single-phase motor's design after the table, each line after a "# " (empty for the
// three-phase machine).
std::string TexteMoteur(const State& s, std::string_view separateur = ".");

}  // namespace kest
