// SPDX-License-Identifier: GPL-3.0-or-later
// The star of slots' texts: each sector's name in its phase's colour, everything else black,
// whatever text colour the surface held before.

#include <gtest/gtest.h>

#include "scene/Etoile.h"
#include "scene/Vues.h"
#include "tests/support/Bobinage.h"
#include "tests/support/RecordingSurface.h"

namespace {

using kest::test::Op;

TEST(Etoile, SectorNamesInTheirPhasesColourOtherTextsBlack) {
    // 12/10, 9/8, 36/4 on one layer, and 12 slots that p = 6 breaks (no phasors).
    for (const auto& etat :
         {kest::test::Encoches(12, 5, 2, 1), kest::test::Encoches(9, 4, 2, 1),
          kest::test::Encoches(36, 2, 1, 9), kest::test::Encoches(12, 6, 2, 1)}) {
        kest::test::RecordingSurface r;
        r.texte = 0x123456;  // left by another picture
        kest::DessineEtoile(r, etat);
        int noms = 0, noirs = 0;
        for (const auto& a : r.appels) {
            if (a.op != Op::TextOut) continue;
            const bool nom = a.texte.size() == 2 && (a.texte[0] == '+' || a.texte[0] == '-') &&
                             a.texte[1] >= 'A' && a.texte[1] <= 'C';
            const kest::Couleur attendue =
                nom ? kest::kCouleurPhase[a.texte[1] - 'A'] : kest::kNoir;
            EXPECT_EQ(a.couleurTexte, attendue) << etat.encoches << " " << a.texte;
            ++(nom ? noms : noirs);
        }
        EXPECT_EQ(noms, 6);
        EXPECT_GE(noirs, etat.p == 6 ? 1 : 3) << etat.encoches;  // titles, and numbers
    }
}

}  // namespace
