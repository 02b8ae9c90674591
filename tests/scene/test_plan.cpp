// SPDX-License-Identifier: GPL-3.0-or-later
// The picture's two blocks (scene/Plan.h) hold everything the scene draws: a tall screen that
// stacks them, each clipped to its block, must lose nothing of the picture. Checked over the
// windings and supplies a user can choose, across one period.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "model/Alimentation.h"
#include "model/Regles.h"
#include "scene/Dessine.h"
#include "scene/Plan.h"
#include "tests/support/RecordingSurface.h"

using namespace kest;
using namespace kest::test;

namespace {

bool Dans(const Bloc& b, int x, int y) {
    return x >= b.x && x <= b.x + b.largeur && y >= b.y && y <= b.y + b.hauteur;
}

// A point of the picture as the desktop shows it (clipped to the 700 × 500 area) lies in one
// block; the other end of the same call must lie in the same one.
bool DansUnBloc(std::initializer_list<std::pair<int, int>> points) {
    for (const Bloc& b : kBlocsEmpiles) {
        const bool tous = std::all_of(points.begin(), points.end(), [&](auto pt) {
            return Dans(b, std::clamp(pt.first, 0, kLargeurImage),
                        std::clamp(pt.second, 0, kHauteurImage));
        });
        if (tous) return true;
    }
    return false;
}

struct Cas {
    const char* nom;
    Saisie saisie;
    Alimentation alimentation;
    SaisieAlimentation libre;  // used for Libre only
};

}  // namespace

TEST(Plan, TheTwoBlocksHoldEveryCallOfThePicture) {
    const SaisieAlimentation rien{};
    const Cas cas[] = {
        {"default", {"1", "2", "3.14159265358979"}, Alimentation::Equilibree, rien},
        {"p=2 m=3 real", {"2", "3", "3.14159265358979", true}, Alimentation::Equilibree, rien},
        {"m=1 short real", {"1", "1", "1", true}, Alimentation::Equilibree, rien},
        {"double star",
         {"1", "1", "3.14159265358979", false, true},
         Alimentation::Equilibree,
         rien},
        {"p=3 m=4 Y=2 reversed", {"3", "4", "2", true}, AlimentationDe("inverse"), rien},
        {"single phase", {"2", "3", "2.5", true}, AlimentationDe("monophasee"), rien},
        {"open phase", {"1", "2", "3.14159265358979"}, AlimentationDe("phase-coupee"), rien},
        {"free",
         {"1", "2", "3.14159265358979", true},
         kAlimentationLibre,
         {{"1", "0.5", "1"}, {"0", "90", "300"}}},
    };
    for (const Cas& c : cas) {
        State s;
        AppliquerSaisie(s, c.saisie, ".");
        if (c.alimentation == kAlimentationLibre)
            AppliquerAlimentationLibre(s, c.libre, ".");
        else
            ChoisirAlimentation(s, c.alimentation);
        for (int pas = 0; pas < 100; pas += 3) {
            RecordingSurface r;
            Dessine(r, s, Affichage{});
            for (const Appel& a : r.appels) {
                // Texts: a generous box of 7 px per character, one line high.
                const int fin =
                    a.op == Op::TextOut ? a.x1 + 7 * static_cast<int>(a.texte.size()) : a.x2;
                const bool ok =
                    a.op == Op::MoveTo    ? DansUnBloc({{a.x1, a.y1}})
                    : a.op == Op::LineTo  ? DansUnBloc({{a.depuisX, a.depuisY}, {a.x1, a.y1}})
                    : a.op == Op::Ellipse ? DansUnBloc({{a.x1, a.y1}, {a.x2, a.y2}})
                                          : DansUnBloc({{a.x1, a.y1}, {fin, a.y1 + 13}});
                ASSERT_TRUE(ok) << c.nom << " tick " << pas << ": call at " << a.x1 << ',' << a.y1
                                << " to " << a.x2 << ',' << a.y2 << " from " << a.depuisX << ','
                                << a.depuisY << " '" << a.texte << "'";
            }
            for (int i = 0; i < 3; ++i) AvancerTemps(s);
        }
    }
}
