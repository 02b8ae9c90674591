// SPDX-License-Identifier: GPL-3.0-or-later
// Whatever a student types into the options dialog: the French message (or none), the state
// that the completed steps leave, and a whole picture of that state, every coordinate a
// saturated pixel and not a single drawing call lost.

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <tuple>

#include "model/Erreur.h"
#include "model/Regles.h"
#include "scene/Dessine.h"
#include "scene/Pixel.h"
#include "tests/support/RecordingSurface.h"

using namespace kest;
using namespace std::string_literals;

namespace {

struct Apres {
    int p, m;
    double Y;
    int NbEncoches;
    double Alpha;
};

enum Radio { Pa, Re, De };  // Parfaite, Réelle, Double étoile

std::string Entier(const std::string& t) {
    return "'" + t + "' n'est pas une valeur entière correcte";
}
std::string Reel(const std::string& t) {
    return "'" + t + "' n'est pas une valeur en virgule flottante correcte";
}
const std::string kPHors = " n'est pas un nombre de paires de pôles correct (1 à 99)";
const std::string kMHors =
    " n'est pas un nombre d'encoches par pôle et par phase correct (-99 à 99)";
const std::string kDebordement = "Débordement en virgule flottante";
const std::string kDivision = "Division par zéro en virgule flottante";
const std::string kDixMille(10000, '9');
const std::string kControle = "3\x01\0\xC3\xA9t\xC3\xA9 \xE2\x82\xAC"s;  // nul included
const std::string kPiControle = "\xCF\x80\x08.14";

// Before each row: p = 2, m = 3, Y = 2.5. The rows type p = 3, m = 1, Y = 2 but in the field
// under attack.
const double a36 = kDeuxPi / 36, a18 = kDeuxPi / 18;
const Apres kAvant{2, 3, 2.5, 36, a36};
const Apres kPSeul{3, 3, 2.5, 36, a36};            // stopped at m
const Apres kPM{3, 1, 2.5, 36, a36};               // stopped at Y
const Apres kPMN{3, 1, 2.5, 18, a36};              // Y overflowed: slots recomputed, Alpha not
const Apres kPGarde{2, 1, 2.0, 12, kDeuxPi / 12};  // p <= 0 dropped silently
Apres Complet(double Y) { return {3, 1, Y, 18, a18}; }

const struct Ligne {
    const char* nom;
    std::string p, m, Y;
    const char* sep;
    Radio radio;
    std::string message;  // empty: every step succeeded
    Apres apres;
} kLignes[] = {
    {"p empty", "", "1", "2", ".", Pa, Entier(""), kAvant},
    {"p blanks only", "   ", "1", "2", ".", Re, Entier("   "), kAvant},
    {"p sign alone", "+", "1", "2", ".", De, Entier("+"), kAvant},
    {"p letters", "abc", "1", "2", ".", Pa, Entier("abc"), kAvant},
    {"p blank after the digits", "12 ", "1", "2", ".", Re, Entier("12 "), kAvant},
    {"p blank before the digits", " 12", "1", "2", ".", De, "", {12, 1, 2.0, 72, kDeuxPi / 72}},
    {"p 0x alone", "0x", "1", "2", ".", Pa, Entier("0x"), kAvant},
    {"p zero dropped", "0", "1", "2", ".", Re, "", kPGarde},
    {"p negative dropped", "-3", "1", "2", ".", De, "", kPGarde},
    {"p int min dropped", "-2147483648", "1", "2", ".", Pa, "", kPGarde},
    {"p above the range", "100", "1", "2", ".", Re, "'100'" + kPHors, kAvant},
    {"p int max above the range", "2147483647", "1", "2", ".", De, "'2147483647'" + kPHors, kAvant},
    {"p above int max", "2147483648", "1", "2", ".", Pa, Entier("2147483648"), kAvant},
    {"p ten thousand digits", kDixMille, "1", "2", ".", Re, Entier(kDixMille), kAvant},
    {"p control, nul, non-ASCII", kControle, "1", "2", ".", De, Entier(kControle), kAvant},
    {"largest winding", "99", "99", "2", ".", Pa, "", {99, 99, 2.0, 58806, kDeuxPi / 58806}},
    {"m empty, p stored", "3", "", "2", ".", Re, Entier(""), kPSeul},
    {"m -0: division by zero", "3", "-0", "2", ".", De, kDivision, {3, 0, 2.0, 0, a36}},
    {"m hexadecimal", "1", "$1F", "2", ".", Pa, "", {1, 31, 2.0, 186, kDeuxPi / 186}},
    {"m hex -1: negative slots", "3", "$FFFFFFFF", "2", ".", Re, "", {3, -1, 2.0, -18, -a18}},
    {"m lower bound", "1", "-99", "2", ".", De, "", {1, -99, 2.0, -594, kDeuxPi / -594}},
    {"m above the range", "3", "100", "2", ".", Pa, "'100'" + kMHors, kPSeul},
    {"m below the range", "3", "-100", "2", ".", Re, "'-100'" + kMHors, kPSeul},
    {"m hex int min", "3", "0x80000000", "2", ".", De, "'0x80000000'" + kMHors, kPSeul},
    {"m below int min", "3", "-2147483649", "2", ".", Pa, Entier("-2147483649"), kPSeul},
    {"Y empty", "3", "1", "", ",", Re, Reel(""), kPM},
    {"Y sign alone", "3", "1", "-", ".", De, Reel("-"), kPM},
    {"Y minus zero", "3", "1", "-0", ".", Pa, "", Complet(-0.0)},
    {"Y nan", "3", "1", "nan", ".", Re, Reel("nan"), kPM},
    {"Y inf", "3", "1", "inf", ",", De, Reel("inf"), kPM},
    {"Y exponent without digits", "3", "1", "1e", ".", Pa, Reel("1e"), kPM},
    {"Y exponent sign alone", "3", "1", "1e+", ".", Re, Reel("1e+"), kPM},
    {"Y dollar", "3", "1", "$", ".", De, Reel("$"), kPM},
    {".5 under a point", "3", "1", ".5", ".", Pa, "", Complet(0.5)},
    {".5 under a comma", "3", "1", ".5", ",", Re, Reel(".5"), kPM},
    {"5. under a point", "3", "1", "5.", ".", De, "", Complet(5.0)},
    {"5. under a comma", "3", "1", "5.", ",", Pa, Reel("5."), kPM},
    {"1,5 under a point", "3", "1", "1,5", ".", Re, Reel("1,5"), kPM},
    {"1,5 under a comma", "3", "1", "1,5", ",", De, "", Complet(1.5)},
    {"1.5 under a point", "3", "1", "1.5", ".", Pa, "", Complet(1.5)},
    {"1.5 under a comma", "3", "1", "1.5", ",", Re, Reel("1.5"), kPM},
    {"unedited pi", "3", "1", "3.14159265358979", ".", De, "", Complet(3.14159265358979)},
    {"Y 1e308 drawn", "3", "1", "1e308", ".", Pa, "", Complet(1e308)},
    {"Y -1e308 drawn", "3", "1", "-1e308", ",", Re, "", Complet(-1e308)},
    {"Y overflow", "3", "1", "1e309", ".", De, kDebordement, kPMN},
    {"Y negative overflow", "3", "1", "-1e309", ".", Pa, kDebordement, kPMN},
    {"Y underflow gives zero", "3", "1", "1e-400", ".", Re, "", Complet(0.0)},
    {"Y smallest denormal", "3", "1", "4.9406564584124654e-324", ".", De, "",
     Complet(std::numeric_limits<double>::denorm_min())},
    {"Y control and non-ASCII", "3", "1", kPiControle, ".", Re, Reel(kPiControle), kPM},
};

// The number of drawing calls depends only on the winding, the distribution and the views.
std::size_t AppelsAttendus(const State& s) {
    State t;
    t.p = s.p, t.m = s.m, t.Reelle = s.Reelle, t.DoubleEtoile = s.DoubleEtoile;
    test::RecordingSurface r;
    Dessine(r, t, {});
    return r.appels.size();
}

TEST(AppliquerSaisie, HostileTextsGiveTheirMessageStateAndAWholePicture) {
    for (const Ligne& l : kLignes) {
        SCOPED_TRACE(l.nom);
        State s;
        s.p = 2, s.m = 3, s.Y = 2.5, s.NbEncoches = 36, s.Alpha = a36, s.t = 0.125;
        s.Reelle = l.radio != Re, s.DoubleEtoile = l.radio != De;  // every row changes both

        std::string message;
        try {
            AppliquerSaisie(s, {l.p, l.m, l.Y, l.radio == Re, l.radio == De}, l.sep);
        } catch (const Erreur& e) {
            message = e.message();
        }
        EXPECT_EQ(message, l.message);
        EXPECT_EQ(s.Reelle, l.radio == Re) << "the flags are stored first";
        EXPECT_EQ(s.DoubleEtoile, l.radio == De);
        const Apres& x = l.apres;
        EXPECT_EQ(std::tuple(s.p, s.m, s.Y, std::signbit(s.Y), s.NbEncoches, s.Alpha),
                  std::tuple(x.p, x.m, x.Y, std::signbit(x.Y), x.NbEncoches, x.Alpha));
        EXPECT_EQ(s.t, 0.125) << "the time is not the dialog's";

        test::RecordingSurface r;
        Dessine(r, s, {});
        EXPECT_EQ(r.appels.size(), AppelsAttendus(s)) << "the picture is whole";
        for (const test::Appel& a : r.appels)
            for (int v : {a.x1, a.y1, a.x2, a.y2}) ASSERT_LE(std::abs(v), kPixelMax + 1000);
    }
}

TEST(Defaults, StartWithThePerfectTwoPoleWinding) {
    const State s;
    EXPECT_EQ(
        std::tuple(s.p, s.m, s.NbEncoches, s.Y, s.Alpha, s.Omega, s.t, s.Reelle, s.DoubleEtoile),
        std::tuple(1, 2, 12, kPi, 0.5235987755982988, 314.1592653589793, 0.0, false, false));
}

// A radio button changes the flags and nothing else, not even a stale slot pitch.
TEST(ChoisirDistribution, WritesOnlyTheFlags) {
    for (const auto& [reelle, etoile] : {std::pair{true, false}, {false, true}, {false, false}}) {
        State s;
        s.m = 0, s.Reelle = !reelle, s.DoubleEtoile = !etoile;  // m disagrees with the slots
        ChoisirDistribution(s, reelle, etoile);
        EXPECT_EQ(std::tuple(s.Reelle, s.DoubleEtoile, s.m, s.NbEncoches, s.Alpha),
                  std::tuple(reelle, etoile, 0, 12, kDeuxPi / 12))
            << "reelle=" << reelle << " etoile=" << etoile;
    }
}

// Both flags set, as a program (the page's module) may send them: the double star wins, in
// the buttons shown and in every drawing call, at rest and with the currents turned.
TEST(DistributionDe, DoubleStarWinsOverRealWhenBothAreSet) {
    for (double t : {0.0, 0.0031}) {
        SCOPED_TRACE(t);
        State deux;
        AppliquerSaisie(deux, {"2", "3", "2.5", true, true}, ".");
        deux.t = t;
        State etoile = deux, reelle = deux;
        etoile.Reelle = false;
        reelle.DoubleEtoile = false;
        EXPECT_EQ(DistributionDe(deux), Distribution::DoubleEtoile);
        const Saisie vue = SaisieAffichee(deux, ".");
        EXPECT_EQ(std::pair(vue.reelle, vue.doubleEtoile), std::pair(false, true));

        test::RecordingSurface a, b, c;
        Dessine(a, deux, {});
        Dessine(b, etoile, {});
        Dessine(c, reelle, {});
        const auto Memes = [](const test::RecordingSurface& x, const test::RecordingSurface& y) {
            if (x.appels.size() != y.appels.size()) return false;
            for (std::size_t i = 0; i < x.appels.size(); ++i) {
                const test::Appel &u = x.appels[i], &v = y.appels[i];
                if (std::tie(u.op, u.x1, u.y1, u.x2, u.y2, u.texte, u.stylo, u.brosse) !=
                    std::tie(v.op, v.x1, v.y1, v.x2, v.y2, v.texte, v.stylo, v.brosse))
                    return false;
            }
            return true;
        };
        EXPECT_TRUE(Memes(a, b)) << "the double star's picture";
        EXPECT_FALSE(Memes(a, c)) << "the real winding draws otherwise";
    }
}

TEST(AvancerTemps, HundredTicksMakeOnePeriod) {
    State s;
    for (int n = 0; n < 100; ++n) AvancerTemps(s);
    EXPECT_NEAR(s.Omega * s.t, kDeuxPi, 1e-12);
    EXPECT_NEAR(s.t, 0.02, 1e-15);
}

}  // namespace
