#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "Conversions.h"

using namespace kest;

namespace {

struct EntierValide {
    const char* nom;
    std::string texte;
    int attendu;
};

TEST(TexteVersEntier, AcceptsDecimalAndHexadecimal) {
    const EntierValide lignes[] = {
        {"plain", "12", 12},
        {"leading blank", " 12", 12},
        {"leading tab", "\t5", 5},
        {"plus sign", "+7", 7},
        {"minus zero", "-0", 0},
        {"negative", "-42", -42},
        {"leading zeros", "007", 7},
        {"int max", "2147483647", INT_MAX},
        {"int min", "-2147483648", INT_MIN},
        {"dollar hex", "$1F", 31},
        {"dollar hex lower case", "$1f", 31},
        {"0x hex", "0x1f", 31},
        {"0X hex", "0X1F", 31},
        {"signed hex", "-$10", -16},
        {"blank then hex", "  0x10", 16},
        {"hex all ones is -1", "$FFFFFFFF", -1},
        {"hex sign bit is int min", "0x80000000", INT_MIN},
        {"hex int max", "$7FFFFFFF", INT_MAX},
        {"negated int min wraps", "-$80000000", INT_MIN},
        {"hex leading zeros not significant", "$0000000001", 1},
    };
    for (const auto& l : lignes) EXPECT_EQ(TexteVersEntier(l.texte), l.attendu) << l.nom;
}

TEST(TexteVersEntier, RefusesWithTheTextQuotedAsTyped) {
    const std::pair<const char*, std::string> lignes[] = {
        {"empty", ""},
        {"blank only", " "},
        {"plus alone", "+"},
        {"minus alone", "-"},
        {"dollar alone", "$"},
        {"0x alone", "0x"},
        {"sign and dollar", "-$"},
        {"trailing blank", "12 "},
        {"trailing newline", "12\n"},
        {"inner blank", "1 2"},
        {"letters", "abc"},
        {"just above int max", "2147483648"},
        {"just below int min", "-2147483649"},
        {"twenty digits", "99999999999999999999"},
        {"nine hex digits", "$100000000"},
        {"bad hex digit", "0x1g"},
        {"sign after dollar", "$-1"},
        {"decimal point", "1.0"},
        {"exponent", "1e3"},
        {"two signs", "+-1"},
        {"x without zero", "x10"},
        {"binary prefix", "0b1"},
        {"control character after digits", "1\x02"},
        {"control and non-ASCII", "é\x01\tç"},
        {"fullwidth digits", "\xEF\xBC\x91\xEF\xBC\x92"},
        {"ten thousand digits", std::string(10000, '9')},
    };
    for (const auto& [nom, texte] : lignes) {
        try {
            TexteVersEntier(texte);
            ADD_FAILURE() << nom << ": accepted";
        } catch (const Erreur& e) {
            EXPECT_EQ(e.what(), "'" + texte + "' n'est pas une valeur entière correcte") << nom;
        }
    }
}

// The message quotes the whole text, a nul included.
TEST(TexteVersEntier, RefusesAnEmbeddedNul) {
    const std::string texte("1\0", 2);
    try {
        TexteVersEntier(texte);
        ADD_FAILURE() << "accepted";
    } catch (const Erreur& e) {
        EXPECT_EQ(e.message(), "'" + texte + "' n'est pas une valeur entière correcte");
    }
    EXPECT_THROW(TexteVersReel(texte, "."), Erreur);
}

TEST(EntierVersTexte, PlainDecimalThatReadsBack) {
    const std::pair<int, const char*> lignes[] = {
        {0, "0"},
        {-5, "-5"},
        {1234567, "1234567"},
        {INT_MAX, "2147483647"},
        {INT_MIN, "-2147483648"},
    };
    for (const auto& [valeur, texte] : lignes) {
        EXPECT_EQ(EntierVersTexte(valeur), texte);
        EXPECT_EQ(TexteVersEntier(EntierVersTexte(valeur)), valeur);
    }
}

struct ReelValide {
    const char* nom;
    std::string texte;
    const char* separateur;
    double attendu;
};

TEST(TexteVersReel, AcceptsTheGrammar) {
    const ReelValide lignes[] = {
        {"fifteen digits of pi", "3.14159265358979", ".", 3.14159265358979},
        {"leading blank", " 12", ".", 12},
        {"trailing blanks", "12  ", ".", 12},
        {"blanks and tab", "\t-1.5\t ", ".", -1.5},
        {"plus sign", "+2", ".", 2},
        {"no integer digit", ".5", ".", 0.5},
        {"no fraction digit", "5.", ".", 5},
        {"negative fraction", "-.25", ".", -0.25},
        {"exponent", "1e3", ".", 1000},
        {"exponent upper case, negative", "1E-3", ".", 0.001},
        {"exponent with plus", "1e+3", ".", 1000},
        {"separator then exponent", "2.e1", ".", 20},
        {"leading and trailing zeros", "00012.5000", ".", 12.5},
        {"long exponent with leading zeros", "1e0000000000000000000001", ".", 10},
        {"zero with an absurd exponent", "0e999999999999", ".", 0},
        {"long mantissa cancelled by exponent", "1" + std::string(400, '0') + "e-400", ".", 1},
        {"many leading fraction zeros", "0." + std::string(500, '0') + "1e501", ".", 1},
        {"tenth", "0.1", ".", 0.1},
        {"underflow gives zero", "1e-400", ".", 0},
        {"absurd negative exponent", "1e-999999999999999999999", ".", 0},
        {"smallest denormal", "4.9406564584124654e-324", ".",
         std::numeric_limits<double>::denorm_min()},
        {"smallest normal", "2.2250738585072014e-308", ".", DBL_MIN},
        {"largest double", "1.7976931348623157e308", ".", DBL_MAX},
        {"just below the rounding threshold", "1.7976931348623158e308", ".", DBL_MAX},
        {"comma separator", "1,5", ",", 1.5},
        {"comma and exponent", "-3,25e2", ",", -325},
        {"multi-byte separator",
         "2\xD9\xAB"
         "5",
         "\xD9\xAB", 2.5},
        {"empty separator means point", "2.5", "", 2.5},
    };
    for (const auto& l : lignes)
        EXPECT_EQ(TexteVersReel(l.texte, l.separateur), l.attendu) << l.nom;
    EXPECT_TRUE(std::signbit(TexteVersReel("-0", "."))) << "minus zero";
    EXPECT_TRUE(std::signbit(TexteVersReel("-1e-400", "."))) << "negative underflow";
}

TEST(TexteVersReel, ThirdFromTenThousandDigits) {
    EXPECT_DOUBLE_EQ(TexteVersReel("0." + std::string(10000, '3'), "."), 1.0 / 3);
}

TEST(TexteVersReel, RefusesAnythingElseWithTheTextQuoted) {
    const std::tuple<const char*, std::string, const char*> lignes[] = {
        {"empty", "", "."},
        {"blank only", " ", "."},
        {"separator alone", ".", "."},
        {"sign alone", "-", "."},
        {"sign and separator", "+.", "."},
        {"exponent without mantissa", "e5", "."},
        {"separator and exponent only", ".e5", "."},
        {"exponent without digits", "1e", "."},
        {"exponent sign without digits", "1e+", "."},
        {"exponent minus without digits", "1e-", "."},
        {"blank inside exponent", "1e 5", "."},
        {"fractional exponent", "1e5.0", "."},
        {"two exponents", "1e5e5", "."},
        {"nan", "nan", "."},
        {"NaN", "NaN", "."},
        {"inf", "inf", "."},
        {"negative infinity", "-infinity", "."},
        {"C hex float", "0x1p3", "."},
        {"dollar hex", "$10", "."},
        {"two separators", "1.5.2", "."},
        {"doubled separator", "1..5", "."},
        {"inner blank", "1 5", "."},
        {"blank after sign", "- 1", "."},
        {"trailing letters", "12abc", "."},
        {"Fortran exponent", "1d5", "."},
        {"underscore", "1_000", "."},
        {"comma when the separator is a point", "1,5", "."},
        {"point when the separator is a comma", "1.5", ","},
        {"control character", "\x01", "."},
        {"non-ASCII and control kept", "3,5\x7f\xC3\xA9", "."},
        {"fullwidth digit", "\xEF\xBC\x91", "."},
    };
    for (const auto& [nom, texte, sep] : lignes) {
        try {
            TexteVersReel(texte, sep);
            ADD_FAILURE() << nom << ": accepted";
        } catch (const ErreurDebordement&) {
            ADD_FAILURE() << nom << ": reported as an overflow";
        } catch (const Erreur& e) {
            EXPECT_EQ(e.what(),
                      "'" + texte + "' n'est pas une valeur en virgule flottante correcte")
                << nom;
        }
    }
}

TEST(TexteVersReel, OverflowIsReportedNotInfinite) {
    const std::pair<const char*, std::string> lignes[] = {
        {"1e309", "1e309"},
        {"negative", "-1e309"},
        {"just above the largest double", "1.8e308"},
        {"rounds up past the largest double", "1.797693134862315808e308"},
        {"15-digit rounding of the largest double", "1.79769313486232E308"},
        {"absurd exponent", "1e999999999999"},
        {"absurdly long exponent", "1e" + std::string(100000, '9')},
        {"ten thousand digits", "1" + std::string(10000, '0')},
    };
    for (const auto& [nom, texte] : lignes) {
        try {
            TexteVersReel(texte, ".");
            ADD_FAILURE() << nom << ": accepted";
        } catch (const ErreurDebordement& e) {
            EXPECT_STREQ(e.what(), "Débordement en virgule flottante") << nom;
        }
    }
}

TEST(ReelVersTexte, GeneralFormatWithFifteenDigits) {
    const std::tuple<double, const char*, const char*> lignes[] = {
        {3.141592653589793, ".", "3.14159265358979"},
        {3.141592653589793, ",", "3,14159265358979"},
        {1e15, ".", "1E15"},
        {2.5e-5, ".", "2.5E-5"},
        {2.5e-5, ",", "2,5E-5"},
        {-1.5, ".", "-1.5"},
        {0.0, ".", "0"},
        {-0.0, ".", "0"},
        {100, ".", "100"},
        {10, ",", "10"},
        {1.5e10, ".", "15000000000"},
        {1e-5, ".", "1E-5"},
        {1e-4, ".", "0.0001"},
        {0.000123, ",", "0,000123"},
        {0.00009999999999999999, ".", "0.0001"},
        {999999999999999, ".", "999999999999999"},
        {999999999999999.9, ".", "1E15"},
        {123456.789, ".", "123456.789"},
        {0.1, ".", "0.1"},
        {1.0 / 3, ".", "0.333333333333333"},
        {-2.0 / 3, ".", "-0.666666666666667"},
        {1.23456789012346e20, ".", "1.23456789012346E20"},
        {12345678901234567890.0, ".", "1.23456789012346E19"},
        {1e308, ".", "1E308"},
        {-2.5e-300, ".", "-2.5E-300"},
        {std::numeric_limits<double>::denorm_min(), ".", "4.94065645841247E-324"},
        {DBL_MAX, ".", "1.79769313486231E308"},
        {-DBL_MAX, ",", "-1,79769313486231E308"},
        {std::numeric_limits<double>::infinity(), ".", "INF"},
        {-std::numeric_limits<double>::infinity(), ".", "-INF"},
        {std::numeric_limits<double>::quiet_NaN(), ".", "NAN"},
    };
    for (const auto& [valeur, sep, texte] : lignes) EXPECT_EQ(ReelVersTexte(valeur, sep), texte);
}

TEST(ReelVersTexte, NonFiniteDoesNotReadBack) {
    for (const char* texte : {"INF", "-INF", "NAN"})
        EXPECT_THROW(TexteVersReel(texte, "."), Erreur) << texte;
}

// Every value the dialog shows must read back without error, to within the 15 digits shown,
// and showing the value read back must give the same text again.
TEST(ReelVersTexte, RoundTripsThroughTexteVersReel) {
    std::vector<double> valeurs = {3.141592653589793,
                                   1e308,
                                   -1e308,
                                   DBL_MAX,
                                   -DBL_MAX,
                                   std::nextafter(DBL_MAX, 0.0),
                                   1.7976931348623150e308,
                                   DBL_MIN,
                                   std::numeric_limits<double>::denorm_min(),
                                   3e-320,
                                   -1.5e-315,
                                   1e-4,
                                   0.99999999999999994,
                                   1e15,
                                   999999999999999.4,
                                   -7.0,
                                   0.0};
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
            if (std::fabs(v) >= DBL_MIN)
                EXPECT_LE(std::fabs(relu - v), 1e-14 * std::fabs(v)) << texte;
            else
                EXPECT_LE(std::fabs(relu - v), 1e-14 * DBL_MIN) << texte;
        }
    }
}

}  // namespace
