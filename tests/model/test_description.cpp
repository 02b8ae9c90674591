// SPDX-License-Identifier: GPL-3.0-or-later
// The text that stands for the picture: its field against the resultant sampled along the air
// gap (the sum of ForcePhase, a plain discrete Fourier sum), and one phase alone found as the
// largest crest of the single-phase supply over a period.

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <regex>
#include <string>

#include "model/Alimentation.h"
#include "model/Description.h"
#include "model/Monophase.h"
#include "model/Physique.h"
#include "model/Regles.h"

using namespace kest;

namespace {

// The fundamental of the resultant at the state's time: its crest and the electrical angle of
// the crest, sampled at N points of one pole-pair span.
std::complex<double> Fondamental(State s) {
    constexpr int n = 3600;
    for (int k = 0; k < 3; ++k) s.I[k] = CourantPhase(s, k).valeur;
    std::complex<double> c;
    for (int i = 0; i < n; ++i) {
        const double x = 2 * kPi * (i + 0.5) / n;  // electrical
        const double f =
            ForcePhase(s, 0, x / s.p) + ForcePhase(s, 1, x / s.p) + ForcePhase(s, 2, x / s.p);
        c += f * std::polar(1.0, -x);
    }
    return c * (2.0 / n);
}

double UnePhase(State s) {
    ChoisirAlimentation(s, AlimentationDe("monophasee"));
    s.demarrage = Demarrage::Ouverte;  // the motor's main winding alone
    double crete = 0.0;
    for (int i = 0; i < 200; ++i) {
        s.t = i * (2 * kPi / s.Omega) / 200;
        crete = std::max(crete, std::abs(Fondamental(s)));
    }
    return crete;
}

struct Cas {
    const char* nom;
    Saisie saisie;
    Alimentation alimentation;
    int ticks;
    const char* sens;
    int demarrage = -1;  // the single-phase motor's start, or −1: the three-phase stator
};

}  // namespace

TEST(Description, TheFieldIsTheSampledResultantsFundamental) {
    const Cas cas[] = {
        {"default",
         {"1", "2", "3.14159265358979"},
         Alimentation::Equilibree,
         21,
         "tourne dans le sens direct"},
        {"p=2 m=3 real",
         {"2", "3", "2.5", true},
         Alimentation::Equilibree,
         37,
         "tourne dans le sens direct"},
        {"double star",
         {"1", "2", "3.14159265358979", false, true},
         Alimentation::Equilibree,
         55,
         "tourne dans le sens direct"},
        {"reversed",
         {"1", "1", "2", true},
         AlimentationDe("inverse"),
         13,
         "tourne dans le sens inverse"},
        {"single phase",
         {"3", "2", "3.14159265358979", true},
         AlimentationDe("monophasee"),
         12,
         "pulse sans tourner"},
        {"open phase",
         {"1", "2", "3.14159265358979"},
         AlimentationDe("phase-coupee"),
         71,
         "pulse sans tourner"},
        {"motor, quadrature", {"2", "2", "2.6", true}, {}, 9, "tourne dans le sens direct", 0},
        {"motor, open", {"1", "3", "3.14159265358979", true}, {}, 30, "pulse sans tourner", 2},
    };
    const std::regex forme(
        "Champ résultant : (\\d+),(\\d\\d) × celui d'une phase, (.*), à (\\d+)°( électriques)?");
    for (const Cas& c : cas) {
        State s;
        AppliquerSaisie(s, c.saisie, ".");
        ChoisirAlimentation(s, c.alimentation);
        if (c.demarrage >= 0)
            s.machine = Machine::Monophasee, s.demarrage = static_cast<Demarrage>(c.demarrage);
        for (int i = 0; i < c.ticks; ++i) AvancerTemps(s);
        const std::string texte = DescriptionChamp(s, ",");
        std::smatch m;
        ASSERT_TRUE(std::regex_match(texte, m, forme)) << c.nom << ": " << texte;
        const std::complex<double> f = Fondamental(s);
        const double rapport = std::stod(m[1].str() + "." + m[2].str());
        EXPECT_NEAR(rapport, std::abs(f) / UnePhase(s), 0.0051) << c.nom;
        // Three equal phases 120° apart make 3/2 of one (the double star's phase pairs two
        // stars π/6 apart, which sum differently alone and together).
        if (!s.DoubleEtoile && c.demarrage < 0 &&
            (c.alimentation == Alimentation::Equilibree ||
             c.alimentation == AlimentationDe("inverse"))) {
            EXPECT_EQ(m[1].str() + "," + m[2].str(), "1,50") << c.nom;
        }
        // Two windings 90° apart with equal ampere-turns in quadrature: one winding's peak.
        if (c.demarrage == 0) EXPECT_EQ(m[1].str() + "," + m[2].str(), "1,00") << c.nom;
        EXPECT_EQ(m[3].str(), c.sens) << c.nom;
        const double angle = std::stoi(m[4].str());
        const double attendu = -std::arg(f) * 180 / kPi;
        EXPECT_NEAR(std::remainder(angle - attendu, 360.0), 0.0, 0.51) << c.nom << ": " << texte;
        EXPECT_EQ(m[5].matched, s.p > 1) << c.nom;
    }
}

TEST(Description, ThePictureNamesTheWindingAndTheSupply) {
    State s;
    EXPECT_EQ(DescriptionImage(s, ","),
              "Bobinage : p = 1, m = 2, 12 encoches, Y = 180° électriques, Parfaite. "
              "Alimentation : Équilibrée. Champ résultant : 1,50 × celui d'une phase, tourne dans "
              "le sens direct, à 0°.");
    ChoisirAlimentation(s, AlimentationDe("monophasee"));
    EXPECT_NE(DescriptionImage(s, ",").find(". Alimentation : Monophasée. Champ"),
              std::string::npos);
    AppliquerAlimentationLibre(s, {{"1", "0.5", "0"}, {"0", "90", "240"}}, ".");
    const std::string libre = DescriptionImage(s, ",");
    EXPECT_NE(libre.find("Alimentation : Libre, amplitudes 1 ; 0,5 ; 0 × Imax, retards 0 ; 90 ; "
                         "240°. Champ résultant : "),
              std::string::npos)
        << libre;
    AppliquerAlimentationLibre(s, {{"0", "0", "0"}, {"0", "90", "240"}}, ".");
    EXPECT_NE(DescriptionImage(s, ",").find("Champ résultant : nul."), std::string::npos);
}
