// SPDX-License-Identifier: GPL-3.0-or-later
// The grammar of each conversion, one table each. Texts that the dialog's table in test_regles
// drives through AppliquerSaisie ("abc", "12 ", "2147483648", ".5", "1,5", "1e309", "nan", the
// control characters and the nul...) are not repeated here.

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "model/Conversions.h"

using namespace kest;
using namespace std::string_literals;

namespace {

const double kDenormMin = std::numeric_limits<double>::denorm_min();

// The message of a refused text, or "" when the text was accepted.
template <class F>
std::string Refus(F conversion) {
    try {
        conversion();
    } catch (const Erreur& e) {
        return e.message();
    }
    return "";
}

TEST(TexteVersEntier, Grammar) {
    const struct {
        const char* nom;
        std::string texte;
        std::optional<int> valeur;  // nothing: refused, the text quoted whole
    } lignes[] = {
        {"leading tab", "\t5", 5},
        {"plus sign", "+7", 7},
        {"dollar, lower-case digits", "$1f", 31},
        {"0X, upper-case digits", "0X1F", 31},
        {"blanks then 0x", "  0x10", 16},
        {"signed hex", "-$10", -16},
        {"hex sign bit is int min", "0x80000000", INT_MIN},
        {"negated int min wraps", "-$80000000", INT_MIN},
        {"hex leading zeros are not significant", "$0000000001", 1},
        {"sign and dollar", "-$", {}},
        {"decimal point", "1.0", {}},
        {"nine significant hex digits", "$100000000", {}},
        {"bad hex digit", "0x1g", {}},
        {"sign after dollar", "$-1", {}},
        {"fullwidth digits", "\xEF\xBC\x91\xEF\xBC\x92", {}},
    };
    for (const auto& l : lignes) {
        int lu = 0;
        const std::string message = Refus([&] { lu = TexteVersEntier(l.texte); });
        if (l.valeur) {
            EXPECT_EQ(message, "") << l.nom;
            EXPECT_EQ(lu, *l.valeur) << l.nom;
        } else {
            EXPECT_EQ(message, "'" + l.texte + "' n'est pas une valeur entière correcte") << l.nom;
        }
    }
}

TEST(EntierVersTexte, PlainDecimalThatReadsBack) {
    for (const auto& [valeur, texte] :
         {std::pair{0, "0"}, {-5, "-5"}, {INT_MAX, "2147483647"}, {INT_MIN, "-2147483648"}}) {
        EXPECT_EQ(EntierVersTexte(valeur), texte);
        EXPECT_EQ(TexteVersEntier(texte), valeur);
    }
}

enum Issue { Lu, Refuse, Deborde };

TEST(TexteVersReel, Grammar) {
    const struct {
        const char* nom;
        std::string texte;
        const char* sep;
        Issue issue;
        double valeur = 0;  // also its sign, for zeros
    } lignes[] = {
        {"fifteen digits of pi", "3.14159265358979", ".", Lu, 3.14159265358979},
        {"blanks and tabs around a sign", "\t -1.5\t ", ".", Lu, -1.5},
        {"plus sign", "+2", ".", Lu, 2},
        {"exponent with plus", "1e+3", ".", Lu, 1000},
        {"exponent upper case, negative", "1E-3", ".", Lu, 0.001},
        {"separator then exponent", "2.e1", ".", Lu, 20},
        {"leading and trailing zeros", "00012.5000", ".", Lu, 12.5},
        {"long exponent with leading zeros", "1e0000000000000000000001", ".", Lu, 10},
        {"zero with an absurd exponent", "0e999999999999", ".", Lu, 0},
        {"long mantissa cancelled by exponent", "1" + std::string(400, '0') + "e-400", ".", Lu, 1},
        {"many leading fraction zeros", "0." + std::string(500, '0') + "1e501", ".", Lu, 1},
        {"ten thousand digits of a third", "0." + std::string(10000, '3'), ".", Lu, 1.0 / 3},
        {"negative underflow keeps the sign", "-1e-400", ".", Lu, -0.0},
        {"absurd negative exponent", "1e-999999999999999999999", ".", Lu, 0},
        {"largest denormal", "2.2250738585072009e-308", ".", Lu, std::nextafter(DBL_MIN, 0.0)},
        {"smallest normal", "2.2250738585072014e-308", ".", Lu, DBL_MIN},
        {"largest double", "1.7976931348623157e308", ".", Lu, DBL_MAX},
        {"just below the rounding threshold", "1.7976931348623158e308", ".", Lu, DBL_MAX},
        {"comma and exponent", "-3,25e2", ",", Lu, -325},
        {"multi-byte separator (2٫5)", "2\xD9\xAB\x35", "\xD9\xAB", Lu, 2.5},
        {"empty separator means point", "2.5", "", Lu, 2.5},
        {"blank only", " ", ".", Refuse},
        {"separator alone", ".", ".", Refuse},
        {"exponent without mantissa", "e5", ".", Refuse},
        {"exponent minus without digits", "1e-", ".", Refuse},
        {"fractional exponent", "1e5.0", ".", Refuse},
        {"C hex float", "0x1p3", ".", Refuse},
        {"two separators", "1.5.2", ".", Refuse},
        {"inner blank", "1 5", ".", Refuse},
        {"trailing letters", "12abc", ".", Refuse},
        {"displayed infinity", "-INF", ".", Refuse},
        {"displayed NaN", "NAN", ".", Refuse},
        {"non-ASCII and control kept", "3,5\x7f\xC3\xA9", ".", Refuse},
        {"fullwidth digit", "\xEF\xBC\x91", ".", Refuse},
        {"embedded nul", "1\0"s, ".", Refuse},
        {"just above the largest double", "1.8e308", ".", Deborde},
        {"rounds up past the largest double", "1.797693134862315808e308", ".", Deborde},
        {"15-digit rounding of the largest double", "1.79769313486232E308", ".", Deborde},
        {"absurdly long exponent", "1e" + std::string(100000, '9'), ".", Deborde},
        {"ten thousand digits", "1" + std::string(10000, '0'), ".", Deborde},
    };
    for (const auto& l : lignes) {
        double lu = 0;
        bool debordement = false;
        const std::string message = Refus([&] {
            try {
                lu = TexteVersReel(l.texte, l.sep);
            } catch (const ErreurDebordement&) {
                debordement = true;
                throw;
            }
        });
        EXPECT_EQ(debordement, l.issue == Deborde) << l.nom;
        if (l.issue == Lu) {
            EXPECT_EQ(message, "") << l.nom;
            EXPECT_EQ(lu, l.valeur) << l.nom;
            EXPECT_EQ(std::signbit(lu), std::signbit(l.valeur)) << l.nom;
        } else if (l.issue == Refuse) {
            EXPECT_EQ(message,
                      "'" + l.texte + "' n'est pas une valeur en virgule flottante correcte")
                << l.nom;
        } else {
            EXPECT_EQ(message, "Débordement en virgule flottante") << l.nom;
        }
    }
}

TEST(ReelVersTexte, GeneralFormatWithFifteenDigits) {
    const double inf = std::numeric_limits<double>::infinity();
    const std::tuple<double, const char*, const char*> lignes[] = {
        {3.141592653589793, ".", "3.14159265358979"},
        {3.141592653589793, ",", "3,14159265358979"},
        {1e15, ".", "1E15"},
        {2.5e-5, ".", "2.5E-5"},
        {-1.5, ".", "-1.5"},
        {0.0, ".", "0"},
        {-0.0, ".", "0"},
        {100, ".", "100"},
        {1e-5, ".", "1E-5"},
        {1e-4, ".", "0.0001"},
        {0.00009999999999999999, ".", "0.0001"},
        {999999999999999, ".", "999999999999999"},
        {999999999999999.9, ".", "1E15"},
        {1.0 / 3, ".", "0.333333333333333"},
        {-2.0 / 3, ".", "-0.666666666666667"},
        {12345678901234567890.0, ".", "1.23456789012346E19"},
        {kDenormMin, ".", "4.94065645841247E-324"},
        {DBL_MAX, ".", "1.79769313486231E308"},
        {-DBL_MAX, ",", "-1,79769313486231E308"},
        {inf, ".", "INF"},
        {-inf, ".", "-INF"},
        {std::numeric_limits<double>::quiet_NaN(), ".", "NAN"},
    };
    for (const auto& [valeur, sep, texte] : lignes) EXPECT_EQ(ReelVersTexte(valeur, sep), texte);
}

// Every value the dialog shows must read back without error, to within the 15 digits shown,
// and showing the value read back must give the same text again.
TEST(ReelVersTexte, RoundTripsThroughTexteVersReel) {
    std::vector<double> valeurs({DBL_MAX, -DBL_MAX, std::nextafter(DBL_MAX, 0.0),
                                 1.7976931348623150e308, 1e308, -1e308, 1e15, 999999999999999.4,
                                 3.141592653589793, 1e-4, DBL_MIN, kDenormMin, 3e-320, -1.5e-315,
                                 0.99999999999999994, -7.0, 0.0});
    std::mt19937_64 aleatoire(12345);
    std::uniform_real_distribution<double> mantisse(-10.0, 10.0);
    std::uniform_int_distribution<int> exposant(-330, 307);
    for (int n = 0; n < 2000; ++n)
        valeurs.push_back(mantisse(aleatoire) * std::pow(10.0, exposant(aleatoire)));

    for (const char* sep : {".", ","}) {
        for (double v : valeurs) {
            const std::string texte = ReelVersTexte(v, sep);
            double relu = 0;
            ASSERT_NO_THROW(relu = TexteVersReel(texte, sep)) << texte;
            EXPECT_EQ(ReelVersTexte(relu, sep), texte);
            EXPECT_LE(std::fabs(relu - v), 1e-14 * std::fmax(std::fabs(v), DBL_MIN)) << texte;
        }
    }
}

}  // namespace
