// SPDX-License-Identifier: GPL-3.0-or-later
// The spectrum's table and JSON, as the window's copy and kest-export write them.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model/Alimentation.h"
#include "model/Harmoniques.h"
#include "render/Tableaux.h"
#include "tests/support/Bobinage.h"

using namespace kest;
using namespace kest::test;

TEST(Tableaux, TableTextAndJson) {
    State s = EtatClassique(2, 3, 5 * kPi / 6);
    EXPECT_EQ(NomBobinage(s), "p = 2, m = 3, 36 encoches, Y = 150° électriques, Réelle");
    s.DoubleEtoile = true;
    s.Y = 2.5;
    EXPECT_EQ(NomBobinage(s), "p = 2, m = 3, 36 encoches, Y = 143,2° électriques, Double étoile");
    State grand = s;
    grand.Y = 1e100;  // accepted by the dialog; its tenths of a degree would not fit the title
    EXPECT_EQ(NomBobinage(grand),
              "p = 2, m = 3, 36 encoches, Y = 5,72958e+101° électriques, Double étoile");
    EXPECT_EQ(OrdresFenetre(s, HarmoniquesNumeriques(s)),
              (std::vector<int>{1, 2, 4, 5, 7, 11, 13}));
    EXPECT_EQ(OrdresFenetre(EtatClassique(1, 2), HarmoniquesNumeriques(EtatClassique(1, 2))),
              (std::vector<int>{1, 5, 7, 11, 13}));
    // π as the dialog writes it back after an untouched Enter: still full pitch.
    EXPECT_EQ(OrdresFenetre(EtatClassique(1, 2, 3.14159265358979),
                            HarmoniquesNumeriques(EtatClassique(1, 2, 3.14159265358979))),
              (std::vector<int>{1, 5, 7, 11, 13}));

    const State d = EtatClassique(1, 2);
    const Spectre sp = SpectreDe(d, false);
    const auto& lignes = sp.lignes;
    ASSERT_EQ(lignes.size(), 25u);
    EXPECT_EQ(lignes[4].ordre, 5);
    EXPECT_EQ(lignes[4].vitesse, -0.2);
    EXPECT_EQ(TexteVitesse(lignes[4]), "-1/5");
    EXPECT_EQ(TexteVitesse(lignes[0]), "1");
    EXPECT_EQ(TexteVitesse(lignes[2]), "0");
    const std::string texte = TexteTableau(sp, ",");
    EXPECT_EQ(texte.substr(0, texte.find('\n')),
              "h\tk_p\tk_d\tk_e\tk_w\tA(h)/A(1)\tsens\tvitesse\tdirect\tinverse");
    EXPECT_EQ(std::count(texte.begin(), texte.end(), '\n'), 26);
    EXPECT_NE(
        texte.find("\n1\t1,0000\t0,9659\t1,0000\t0,9659\t1,0000\tdirect\t1,0000\t1,0000\t0,0000\n"),
        std::string::npos);
    EXPECT_NE(
        texte.find(
            "\n5\t1,0000\t0,2588\t1,0000\t0,2588\t0,0536\tinverse\t-0,2000\t0,0000\t0,0536\n"),
        std::string::npos)
        << texte;
    EXPECT_EQ(TexteDistorsion(sp, ","),
              "distorsion (rangs 2 à 49)\t" + TexteFacteur(*sp.distorsion, ",") + "\n");
    const std::string json = JsonTableau(d, sp);
    EXPECT_EQ(
        json.rfind("{\"bobinage\": \"p = 1, m = 2, 12 encoches, Y = 180° électriques, Réelle\", "
                   "\"distorsion\": 0.",
                   0),
        0u);
    EXPECT_NE(json.find("{\"h\": 5, \"kp\": 1, \"kd\": 0.2588190451, \"ke\": 1, \"kw\": "
                        "0.2588190451, \"relatif\": 0.05"),
              std::string::npos)
        << json;
    EXPECT_NE(json.find("\"sens\": \"inverse\", \"vitesse\": -0.2, \"direct\": "),
              std::string::npos);
    EXPECT_NE(json.find("\"inverse\": 0.05358983849}"), std::string::npos);
    EXPECT_NE(json.find("], \"alimentation\": \"Équilibrée\"}\n"), std::string::npos);
    const State vide = EtatClassique(1, -1);
    EXPECT_NE(JsonTableau(vide, SpectreDe(vide, false))
                  .find("\"distorsion\": null, \"distorsion_rangs\": [2, 49], \"ordres\": ["),
              std::string::npos);
}

// A slot winding's table in mechanical orders: 12 slots, 10 poles, its 7th turning backwards at
// 5/7 of the working wave's speed; a single phase's two parts turn both ways at ±p/ν.
TEST(Tableaux, MechanicalOrders) {
    State s;
    s.p = 5, s.encoches = 12, s.couches = 2, s.pas = 1, s.typeBobinage = TypeBobinage::Encoches;
    const Spectre sp = SpectreDe(s, false);
    EXPECT_EQ(TexteVitesse(sp.lignes[6]), "-5/7");
    const std::string texte = TexteTableau(sp);
    EXPECT_EQ(texte.substr(0, texte.find('\n')),
              "nu\tk_w\tA(nu)/A(p)\tsens\tvitesse\tdirect\tinverse");
    EXPECT_NE(texte.find("\n7\t0.9330\t0.7143\tinverse\t-0.7143\t"), std::string::npos) << texte;
    EXPECT_EQ(TexteDistorsion(sp), "");
    EXPECT_NE(JsonTableau(s, sp).find("\"ordres_mecaniques\": true, \"ordre_travail\": 5, "
                                      "\"ordres\": [\n  {\"nu\": 1, \"kw\": 0.066"),
              std::string::npos);
    s.alimentation = AlimentationDe("monophasee");
    EXPECT_NE(TexteTableau(SpectreDe(s, false)).find("\tpulsant\t±0.7143\t"), std::string::npos);
}
