// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The spectrum as the window's copy and kest-export write it: the tab-separated table and its
// JSON, for the classic winding (electrical orders) and the slot winding (mechanical orders).
// The model computes the rows (model/Harmoniques.h, model/Encoches.h); this only writes them.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/Encoches.h"
#include "model/Harmoniques.h"

namespace kest {

// The distortion as the exported text's last line: "distorsion (rangs 2 à 49)\t0.0320\n", the
// ratio left empty when there is no fundamental or under an unbalanced supply (then followed by
// the note).
std::string TexteDistorsion(const Harmoniques& analyse, std::string_view separateur = ".");
// A number as JSON writes it (ten significant digits, null when not finite), and a text
// between quotes with its quotes, backslashes and control characters escaped.
std::string JsonNombre(double v);
std::string JsonTexte(std::string_view texte);
// Tab-separated, a header line (h k_p k_d k_e k_w A(h)/A(1) sens vitesse direct inverse) then
// one line per row, each line ending in '\n'; numbers with
// four decimals and `separateur` as the decimal mark; an undefined ratio is left empty.
std::string TexteTableau(std::span<const LigneHarmonique> lignes,
                         std::string_view separateur = ".");
// {"bobinage": ..., "distorsion": x|null, "distorsion_rangs": [2, 49], "ordres":
// [{"h":1,"kp":..,"kd":..,"ke":..,"kw":.., "relatif":x|null,"sens":"direct","vitesse":1.0}, ...]}
std::string JsonTableau(const State& s, const Harmoniques& analyse,
                        std::span<const LigneHarmonique> lignes);
// Tab-separated: a header (ν k_w A(ν)/A(p) sens vitesse direct inverse), then one line per row;
// an order of two parts turns at ±p/ν.
std::string TexteTableauMecanique(const std::vector<LigneMecanique>& lignes, int p);
// {"bobinage": ..., "ordres_mecaniques": true, "ordre_travail": p, "ordres": [{"nu": 1,
// "kw": ..., "relatif": x|null, "sens": ..., "vitesse": ..., "direct": ..., "inverse": ...}],
// "alimentation": ...}
std::string JsonTableauMecanique(const State& s, const std::vector<LigneMecanique>& lignes);

}  // namespace kest
