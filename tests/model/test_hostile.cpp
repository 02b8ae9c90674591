// Whatever a student types into the options dialog: the French message (or none), the state
// that the completed steps leave, and a whole picture of that state, every coordinate a
// saturated pixel and not a single drawing call lost.

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "Dessine.h"
#include "Erreur.h"
#include "Pixel.h"
#include "RecordingSurface.h"
#include "Regles.h"

using namespace kest;
using namespace kest::test;

namespace {

struct Apres {
    int p, m;
    double Y;
    int NbEncoches;
    double Alpha;
};

enum Radio { Pa, Re, De };  // Parfaite, Réelle, Double étoile

struct Ligne {
    std::string p, m, Y;
    const char* sep;
    Radio radio;
    std::string message;  // empty: every step succeeded
    Apres apres;
};

std::string Entier(const std::string& t) {
    return "'" + t + "' n'est pas une valeur entière correcte";
}
std::string Reel(const std::string& t) {
    return "'" + t + "' n'est pas une valeur en virgule flottante correcte";
}
const std::string kPHorsBornes = " n'est pas un nombre de paires de pôles correct (1 à 99)";
const std::string kMHorsBornes =
    " n'est pas un nombre d'encoches par pôle et par phase correct (-99 à 99)";
const std::string kDebordement = "Débordement en virgule flottante";
const std::string kDivision = "Division par zéro en virgule flottante";

// The state before each row is p = 2, m = 3, Y = 2.5; the rows type p = 3, m = 1, Y = 2 except
// in the one field under attack.
const double a36 = kDeuxPi / 36, a18 = kDeuxPi / 18, a12 = kDeuxPi / 12;
const Apres kAvant{2, 3, 2.5, 36, a36};
const Apres kPSeul{3, 3, 2.5, 36, a36};   // stopped at m
const Apres kPM{3, 1, 2.5, 36, a36};      // stopped at Y
const Apres kPMN{3, 1, 2.5, 18, a36};     // Y overflowed: slots recomputed, Alpha not
const Apres kPGarde{2, 1, 2.0, 12, a12};  // p <= 0 dropped silently
Apres Complet(double Y) { return {3, 1, Y, 18, a18}; }

const std::string kDixMille(10000, '9');

const Ligne kLignes[] = {
    // p
    {"", "", "", ".", Pa, Entier(""), kAvant},
    {"   ", "1", "2", ".", Re, Entier("   "), kAvant},
    {"\t", "\t", "\t", ".", De, Entier("\t"), kAvant},
    {"+", "1", "2", ".", Pa, Entier("+"), kAvant},
    {"-", "1", "2", ".", Re, Entier("-"), kAvant},
    {"-0", "1", "2", ".", De, "", kPGarde},
    {"0x", "1", "2", ".", Pa, Entier("0x"), kAvant},
    {"$", "1", "2", ".", Re, Entier("$"), kAvant},
    {"$FFFFFFFF", "1", "2", ".", De, "", kPGarde},
    {"0x80000000", "1", "2", ".", Pa, "", kPGarde},
    {"-2147483648", "1", "2", ".", Re, "", kPGarde},
    {"2147483647", "1", "2", ".", De, "'2147483647'" + kPHorsBornes, kAvant},
    {"2147483648", "1", "2", ".", Pa, Entier("2147483648"), kAvant},
    {"-2147483649", "1", "2", ".", Re, Entier("-2147483649"), kAvant},
    {kDixMille, "1", "2", ".", De, Entier(kDixMille), kAvant},
    {"3\x01", "1", "2", ".", Pa, Entier("3\x01"), kAvant},
    {"\xC3\xA9t\xC3\xA9 \xE2\x82\xAC", "1", "2", ".", Re, Entier("\xC3\xA9t\xC3\xA9 \xE2\x82\xAC"),
     kAvant},
    // m, once p has been stored
    {"3", " ", "2", ".", De, Entier(" "), kPSeul},
    {"3", "+", "2", ".", Pa, Entier("+"), kPSeul},
    {"3", "-0", "2", ".", Re, kDivision, {3, 0, 2.0, 0, a36}},
    {"3", "$FFFFFFFF", "2", ".", De, "", {3, -1, 2.0, -18, kDeuxPi / -18}},
    {"3", "0x80000000", "2", ".", Pa, "'0x80000000'" + kMHorsBornes, kPSeul},
    {"3", "-2147483648", "2", ".", Re, "'-2147483648'" + kMHorsBornes, kPSeul},
    {"3", "2147483647", "2", ".", De, "'2147483647'" + kMHorsBornes, kPSeul},
    {"3", "-2147483649", "2", ".", Pa, Entier("-2147483649"), kPSeul},
    {"3", "\x7f\x1b[2J", "2", ".", Re, Entier("\x7f\x1b[2J"), kPSeul},
    // Y, once p and m have been stored
    {"3", "1", "", ",", De, Reel(""), kPM},
    {"3", "1", "  ", ".", Pa, Reel("  "), kPM},
    {"3", "1", "-", ".", Re, Reel("-"), kPM},
    {"3", "1", "-0", ".", De, "", Complet(-0.0)},
    {"3", "1", "nan", ".", Pa, Reel("nan"), kPM},
    {"3", "1", "inf", ",", Re, Reel("inf"), kPM},
    {"3", "1", "1e", ".", De, Reel("1e"), kPM},
    {"3", "1", "1e+", ".", Pa, Reel("1e+"), kPM},
    {"3", "1", "0x10", ".", Re, Reel("0x10"), kPM},
    {"3", "1", "$", ".", De, Reel("$"), kPM},
    {"3", "1", ".5", ".", Pa, "", Complet(0.5)},
    {"3", "1", "5.", ".", Re, "", Complet(5.0)},
    {"3", "1", ",5", ",", De, "", Complet(0.5)},
    {"3", "1", "5,", ",", Pa, "", Complet(5.0)},
    {"3", "1", ".5", ",", Re, Reel(".5"), kPM},
    {"3", "1", "1.5", ".", De, "", Complet(1.5)},
    {"3", "1", "1e308", ".", De, "", Complet(1e308)},
    {"3", "1", "-1e308", ",", Re, "", Complet(-1e308)},
    {"3", "1", "-1e309", ".", De, kDebordement, kPMN},
    {"3", "1", kDixMille, ".", Pa, kDebordement, kPMN},
    {"3", "1", "-1e-400", ".", Re, "", Complet(-0.0)},
    {"3", "1", "4.9406564584124654e-324", ".", De, "",
     Complet(std::numeric_limits<double>::denorm_min())},
    {"3", "1", "2,5e-320", ",", Pa, "", Complet(2.5e-320)},
    {"3", "1", "2.2250738585072009e-308", ".", Re, "", Complet(std::nextafter(DBL_MIN, 0.0))},
    {"3", "1", "\xCF\x80", ".", De, Reel("\xCF\x80"), kPM},
    {"3", "1", "3\x08\x08.14", ".", Pa, Reel("3\x08\x08.14"), kPM},
};

// The number of drawing calls depends only on the winding, the distribution and the views.
std::size_t AppelsAttendus(const State& s) {
    State t;
    t.p = s.p;
    t.m = s.m;
    t.Reelle = s.Reelle;
    t.DoubleEtoile = s.DoubleEtoile;
    RecordingSurface r;
    Dessine(r, t, {});
    return r.appels.size();
}

TEST(SaisieHostile, AnswersWithTheRightMessageStateAndPicture) {
    int rang = 0;
    for (const Ligne& l : kLignes) {
        const std::string nom = "row " + std::to_string(rang) + " (" + l.p.substr(0, 12) + " | " +
                                l.m.substr(0, 12) + " | " + l.Y.substr(0, 12) + ")";
        const Radio radio = l.radio;
        ++rang;
        State s;
        s.p = 2, s.m = 3, s.Y = 2.5, s.NbEncoches = 36, s.Alpha = a36, s.t = 0.0123;
        s.Reelle = radio != Re, s.DoubleEtoile = false;  // every row changes the flags

        std::string message;
        try {
            AppliquerSaisie(s, {l.p, l.m, l.Y, radio == Re, radio == De}, l.sep);
        } catch (const Erreur& e) {
            message = e.what();
        }
        EXPECT_EQ(message, l.message) << nom;
        EXPECT_EQ(s.Reelle, radio == Re) << nom << ": the flags are stored first";
        EXPECT_EQ(s.DoubleEtoile, radio == De) << nom;
        EXPECT_EQ(s.p, l.apres.p) << nom;
        EXPECT_EQ(s.m, l.apres.m) << nom;
        EXPECT_EQ(s.Y, l.apres.Y) << nom;
        EXPECT_EQ(std::signbit(s.Y), std::signbit(l.apres.Y)) << nom;
        EXPECT_EQ(s.NbEncoches, l.apres.NbEncoches) << nom;
        EXPECT_EQ(s.Alpha, l.apres.Alpha) << nom;

        RecordingSurface r;
        Dessine(r, s, {});
        EXPECT_EQ(r.appels.size(), AppelsAttendus(s)) << nom << ": the picture is whole";
        for (const Appel& a : r.appels)
            for (int v : {a.x1, a.y1, a.x2, a.y2}) ASSERT_LE(std::abs(v), kPixelMax + 1000) << nom;
    }
}

}  // namespace
