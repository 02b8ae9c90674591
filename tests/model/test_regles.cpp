#include <gtest/gtest.h>

#include <string>

#include "Erreur.h"
#include "Regles.h"

using namespace kest;

namespace {

// The members that applying the dialog may write.
struct Enroulement {
    bool Reelle;
    bool DoubleEtoile;
    int p;
    int m;
    double Y;
    int NbEncoches;
    double Alpha;
};

Enroulement Lire(const State& s) {
    return {s.Reelle, s.DoubleEtoile, s.p, s.m, s.Y, s.NbEncoches, s.Alpha};
}

// A winding other than the defaults, so that "left unchanged" differs from "reset".
State Avant() {
    State s;
    s.p = 2;
    s.m = 3;
    s.NbEncoches = 36;
    s.Alpha = kDeuxPi / 36;
    s.Y = 2.5;
    s.t = 0.125;
    return s;
}

struct Ligne {
    const char* nom;
    Saisie saisie;
    const char* separateur;
    const char* message;  // nullptr when every step succeeds
    Enroulement apres;
};

TEST(AppliquerSaisie, StepsStoreAtOnceAndStopAtTheFirstFailure) {
    const double a18 = kDeuxPi / 18, a36 = kDeuxPi / 36;
    const Ligne lignes[] = {
        {"all valid",
         {"3", "1", "2", true, false},
         ".",
         nullptr,
         {true, false, 3, 1, 2.0, 18, a18}},
        {"double star",
         {"3", "1", "2", false, true},
         ".",
         nullptr,
         {false, true, 3, 1, 2.0, 18, a18}},
        {"leading blank in p",
         {" 3", "1", "2", true, false},
         ".",
         nullptr,
         {true, false, 3, 1, 2.0, 18, a18}},
        {"hexadecimal m",
         {"1", "$1F", "2", false, false},
         ".",
         nullptr,
         {false, false, 1, 31, 2.0, 186, kDeuxPi / 186}},
        {"p not an integer: only the flags",
         {"abc", "1", "2", true, false},
         ".",
         "'abc' n'est pas une valeur entière correcte",
         {true, false, 2, 3, 2.5, 36, a36}},
        {"trailing blank in p",
         {"3 ", "1", "2", true, false},
         ".",
         "'3 ' n'est pas une valeur entière correcte",
         {true, false, 2, 3, 2.5, 36, a36}},
        {"p zero dropped silently, old p used",
         {"0", "1", "2", true, false},
         ".",
         nullptr,
         {true, false, 2, 1, 2.0, 12, kDeuxPi / 12}},
        {"p negative dropped silently",
         {"-3", "1", "2", true, false},
         ".",
         nullptr,
         {true, false, 2, 1, 2.0, 12, kDeuxPi / 12}},
        {"p above the range",
         {"100", "1", "2", true, false},
         ".",
         "'100' n'est pas un nombre de paires de pôles correct (1 à 99)",
         {true, false, 2, 3, 2.5, 36, a36}},
        {"largest winding",
         {"99", "99", "2", false, false},
         ".",
         nullptr,
         {false, false, 99, 99, 2.0, 58806, kDeuxPi / 58806}},
        {"m empty: p already stored",
         {"3", "", "2", true, false},
         ".",
         "'' n'est pas une valeur entière correcte",
         {true, false, 3, 3, 2.5, 36, a36}},
        {"m zero: division by zero, Alpha kept",
         {"3", "0", "2", true, false},
         ".",
         "Division par zéro en virgule flottante",
         {true, false, 3, 0, 2.0, 0, a36}},
        {"m negative: negative slots, no error",
         {"3", "-2", "2", true, false},
         ".",
         nullptr,
         {true, false, 3, -2, 2.0, -36, kDeuxPi / -36}},
        {"m above the range",
         {"3", "100", "2", true, false},
         ".",
         "'100' n'est pas un nombre d'encoches par pôle et par phase correct (-99 à 99)",
         {true, false, 3, 3, 2.5, 36, a36}},
        {"m below the range",
         {"3", "-100", "2", true, false},
         ".",
         "'-100' n'est pas un nombre d'encoches par pôle et par phase correct (-99 à 99)",
         {true, false, 3, 3, 2.5, 36, a36}},
        {"m at the lower bound",
         {"1", "-99", "2", false, false},
         ".",
         nullptr,
         {false, false, 1, -99, 2.0, -594, kDeuxPi / -594}},
        {"Y invalid: p and m new, slots old",
         {"3", "1", "2,5", true, false},
         ".",
         "'2,5' n'est pas une valeur en virgule flottante correcte",
         {true, false, 3, 1, 2.5, 36, a36}},
        {"Y point refused with a comma separator",
         {"3", "1", "1.5", true, false},
         ",",
         "'1.5' n'est pas une valeur en virgule flottante correcte",
         {true, false, 3, 1, 2.5, 36, a36}},
        {"Y with a comma separator",
         {"3", "1", "1,5", true, false},
         ",",
         nullptr,
         {true, false, 3, 1, 1.5, 18, a18}},
        {"Y overflow: slots recomputed, Y and Alpha kept",
         {"3", "1", "1e309", true, false},
         ".",
         "Débordement en virgule flottante",
         {true, false, 3, 1, 2.5, 18, a36}},
        {"Y underflow gives zero",
         {"3", "1", "1e-400", true, false},
         ".",
         nullptr,
         {true, false, 3, 1, 0.0, 18, a18}},
        {"unedited pi is its 15-digit rounding",
         {"3", "1", "3.14159265358979", false, false},
         ".",
         nullptr,
         {false, false, 3, 1, 3.14159265358979, 18, a18}},
    };
    for (const auto& l : lignes) {
        State s = Avant();
        std::string message;
        try {
            AppliquerSaisie(s, l.saisie, l.separateur);
        } catch (const Erreur& e) {
            message = e.what();
        }
        EXPECT_EQ(message, l.message ? l.message : "") << l.nom;
        const Enroulement e = Lire(s);
        EXPECT_EQ(e.Reelle, l.apres.Reelle) << l.nom;
        EXPECT_EQ(e.DoubleEtoile, l.apres.DoubleEtoile) << l.nom;
        EXPECT_EQ(e.p, l.apres.p) << l.nom;
        EXPECT_EQ(e.m, l.apres.m) << l.nom;
        EXPECT_EQ(e.Y, l.apres.Y) << l.nom;
        EXPECT_EQ(e.NbEncoches, l.apres.NbEncoches) << l.nom;
        EXPECT_EQ(e.Alpha, l.apres.Alpha) << l.nom;
        EXPECT_EQ(s.t, 0.125) << l.nom << ": the time is not the dialog's";
    }
}

TEST(AppliquerSaisie, UneditedDefaultsMovePiToItsDisplayedRounding) {
    State s;
    AppliquerSaisie(s, {"1", "2", "3.14159265358979", false, false}, ".");
    EXPECT_EQ(s.Y, 3.14159265358979);
    EXPECT_NE(s.Y, kPi);
    EXPECT_EQ(s.NbEncoches, 12);
    EXPECT_EQ(s.Alpha, 0.5235987755982988);
}

TEST(Defaults, StartWithThePerfectTwoPoleWinding) {
    const State s;
    EXPECT_EQ(s.p, 1);
    EXPECT_EQ(s.m, 2);
    EXPECT_EQ(s.NbEncoches, 12);
    EXPECT_EQ(s.Alpha, 0.5235987755982988);
    EXPECT_EQ(s.Y, 3.141592653589793);
    EXPECT_EQ(s.Omega, 314.1592653589793);
    EXPECT_EQ(s.t, 0.0);
    EXPECT_FALSE(s.Reelle);
    EXPECT_FALSE(s.DoubleEtoile);
}

// A radio button changes the flags and nothing else, not even a stale slot pitch.
TEST(ChoisirDistribution, WritesOnlyTheFlags) {
    const std::pair<bool, bool> lignes[] = {
        {false, false}, {true, false}, {false, true}, {true, true}};
    for (const auto& [reelle, doubleEtoile] : lignes) {
        State s = Avant();
        s.m = 0;  // as after a failed application: NbEncoches and Alpha disagree with m
        ChoisirDistribution(s, reelle, doubleEtoile);
        EXPECT_EQ(s.Reelle, reelle);
        EXPECT_EQ(s.DoubleEtoile, doubleEtoile);
        EXPECT_EQ(s.m, 0);
        EXPECT_EQ(s.NbEncoches, 36);
        EXPECT_EQ(s.Alpha, kDeuxPi / 36);
    }
}

TEST(AvancerTemps, HundredTicksMakeOnePeriod) {
    State s;
    for (int n = 0; n < 100; ++n) AvancerTemps(s);
    EXPECT_NEAR(s.Omega * s.t, kDeuxPi, 1e-12);
    EXPECT_NEAR(s.t, 0.02, 1e-15);
}

TEST(AvancerTemps, EachTickAddsTwoPiOverHundredDividedByOmega) {
    State s;
    s.Omega = 0.06283185307179587;  // one tick is then exactly one second
    s.t = 5.0;
    for (int n = 0; n < 3; ++n) AvancerTemps(s);
    EXPECT_EQ(s.t, 8.0);
}

}  // namespace
