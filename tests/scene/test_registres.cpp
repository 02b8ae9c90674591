// SPDX-License-Identifier: GPL-3.0-or-later
// The scene's trigonometry runs with clean vector registers, whatever ran before it.

#include <gtest/gtest.h>

#include "scene/Dessine.h"
#include "tests/support/RecordingSurface.h"
#include "tests/support/SondeVectorielle.h"

namespace {

using namespace kest;
using namespace kest::test;

TEST(Registres, DessineStartsFromCleanUpperHalves) {
    if (!HautsVectorielsSales()) GTEST_SKIP() << "the processor cannot tell (no XGETBV 1)";
    SalitHautsVectoriels();
    ASSERT_TRUE(*HautsVectorielsSales()) << "the probe cannot see a dirty state";
    for (const Affichage a : {Affichage{}, Affichage{false, false, false}}) {
        RecordingSurface enregistrement;
        SondeVectorielle sonde(enregistrement);
        State s;
        s.t = 0.0123;
        SalitHautsVectoriels();
        Dessine(sonde, s, a);
        EXPECT_GT(sonde.appels, 50);
        EXPECT_EQ(sonde.sales, 0) << "calls made with dirty upper halves";
    }
}

}  // namespace
