// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The scene drawn into a recording surface, and what the scene's tests ask of its calls.

#include <algorithm>
#include <tuple>
#include <vector>

#include "scene/Dessine.h"
#include "tests/support/RecordingSurface.h"

namespace kest::test {

// The scene's calls for s; its currents and MMF are left in s, as a paint leaves them.
inline RecordingSurface Dessiner(State& s, Affichage a = {}) {
    RecordingSurface r;
    Dessine(r, s, a);
    return r;
}
// A state that stays as it is: the picture of a copy.
inline RecordingSurface Dessiner(const State& s, Affichage a = {}) {
    State copie = s;
    return Dessiner(copie, a);
}

// The same calls with the same pens, whatever the brush.
inline bool MemesTraits(const std::vector<Appel>& a, const std::vector<Appel>& b) {
    const auto cle = [](const Appel& c) {
        return std::tie(c.op, c.x1, c.y1, c.x2, c.y2, c.texte, c.stylo);
    };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](const Appel& x, const Appel& y) { return cle(x) == cle(y); });
}

// A segment from (x1, y1) to (x2, y2) in colour c (and width w when w >= 0).
inline bool ASegment(const RecordingSurface& r, int x1, int y1, int x2, int y2, Couleur c,
                     int w = -1) {
    for (const auto& s : r.segments())
        if (std::tie(s.x1, s.y1, s.x2, s.y2, s.stylo.couleur) == std::tie(x1, y1, x2, y2, c) &&
            (w < 0 || s.stylo.largeur == w))
            return true;
    return false;
}

}  // namespace kest::test
