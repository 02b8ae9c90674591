// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Conversions.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <version>

#include "model/Erreur.h"
#include "model/Textes.h"

namespace kest {

namespace {

// Blanks allowed around numbers: the space, and the tab that a paste may bring along.
bool EstBlanc(char c) { return c == ' ' || c == '\t'; }
bool EstChiffre(char c) { return c >= '0' && c <= '9'; }

int ValeurHexa(char c) {
    if (EstChiffre(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

[[noreturn]] void EntierIncorrect(std::string_view texte) {
    throw Erreur(
        Remplit(Traduit("Conversions", "'%1' n'est pas une valeur entière correcte"), {texte}));
}

[[noreturn]] void ReelIncorrect(std::string_view texte) {
    throw Erreur(
        Remplit(Traduit("Conversions", "'%1' n'est pas une valeur en virgule flottante correcte"),
                {texte}));
}

// Hexadecimal digits are a 32-bit pattern: $FFFFFFFF is -1, $80000000 the most negative int.
// Unsigned arithmetic keeps the sign and the wrap-around free of overflow.
int LireHexa(std::string_view texte, std::string_view chiffres, bool negatif) {
    std::uint32_t valeur = 0;
    int significatifs = 0;
    for (char c : chiffres) {
        const int v = ValeurHexa(c);
        if (v < 0) EntierIncorrect(texte);
        if (valeur != 0 || v != 0) ++significatifs;
        if (significatifs > 8) EntierIncorrect(texte);
        valeur = valeur * 16 + static_cast<std::uint32_t>(v);
    }
    if (negatif) valeur = 0u - valeur;
    return static_cast<int>(valeur);  // modular since C++20
}

// 15 significant digits in scientific notation, correctly rounded (ties to even), written as
// "d.dddddddddddddde±xx" into tampon; returns the end. Some standard libraries (the libc++ of
// the WebAssembly build) have no floating-point to_chars: their printf rounds the exact binary
// value the same way. Only the digits are read from it, never the radix character, which
// would follow the C locale.
char* Scientifique15(char* tampon, std::size_t taille, double valeur) {
#if defined(__cpp_lib_to_chars) && !defined(KEST_SANS_TO_CHARS)
    return std::to_chars(tampon, tampon + taille, valeur, std::chars_format::scientific, 14).ptr;
#else
    const int n = std::snprintf(tampon, taille, "%.14e", valeur);
    if (n < 0 || static_cast<std::size_t>(n) >= taille) return tampon;
    tampon[tampon[0] == '-' ? 2 : 1] = '.';
    return tampon + n;
#endif
}

}  // namespace

int TexteVersEntier(std::string_view texte) {
    std::size_t i = 0;
    while (i < texte.size() && EstBlanc(texte[i])) ++i;
    bool negatif = false;
    if (i < texte.size() && (texte[i] == '+' || texte[i] == '-')) negatif = texte[i++] == '-';
    std::string_view reste = texte.substr(i);
    std::size_t prefixe = 0;
    if (reste.starts_with('$')) prefixe = 1;
    if (reste.starts_with("0x") || reste.starts_with("0X")) prefixe = 2;
    if (prefixe != 0) {
        reste.remove_prefix(prefixe);
        if (reste.empty()) EntierIncorrect(texte);
        return LireHexa(texte, reste, negatif);
    }

    // Decimal: stop as soon as the magnitude leaves the int range, so any length is safe.
    const std::int64_t limite = negatif ? 2147483648LL : 2147483647LL;
    std::int64_t valeur = 0;
    if (i == texte.size()) EntierIncorrect(texte);
    for (; i < texte.size(); ++i) {
        if (!EstChiffre(texte[i])) EntierIncorrect(texte);
        valeur = valeur * 10 + (texte[i] - '0');
        if (valeur > limite) EntierIncorrect(texte);
    }
    return static_cast<int>(negatif ? -valeur : valeur);
}

double TexteVersReel(std::string_view texte, std::string_view separateur) {
    if (separateur.empty()) separateur = ".";
    std::size_t i = 0;
    const std::size_t n = texte.size();
    while (i < n && EstBlanc(texte[i])) ++i;
    bool negatif = false;
    if (i < n && (texte[i] == '+' || texte[i] == '-')) negatif = texte[i++] == '-';

    // The mantissa's digits without the separator; the value is chiffres × 10^echelle.
    std::string chiffres;
    std::int64_t echelle = 0;
    bool separateurVu = false;
    bool chiffreVu = false;
    while (i < n) {
        if (EstChiffre(texte[i])) {
            chiffreVu = true;
            if (texte[i] != '0' || !chiffres.empty()) chiffres += texte[i];
            if (separateurVu) --echelle;
            ++i;
        } else if (!separateurVu && texte.substr(i).starts_with(separateur)) {
            separateurVu = true;
            i += separateur.size();
        } else {
            break;
        }
    }
    if (!chiffreVu) ReelIncorrect(texte);

    // The exponent saturates far beyond anything a double can hold, so absurdly long
    // exponents neither overflow nor take long.
    std::int64_t exposant = 0;
    if (i < n && (texte[i] == 'e' || texte[i] == 'E')) {
        ++i;
        bool exposantNegatif = false;
        if (i < n && (texte[i] == '+' || texte[i] == '-')) exposantNegatif = texte[i++] == '-';
        if (i == n || !EstChiffre(texte[i])) ReelIncorrect(texte);
        for (; i < n && EstChiffre(texte[i]); ++i)
            if (exposant < 1'000'000'000'000) exposant = exposant * 10 + (texte[i] - '0');
        if (exposantNegatif) exposant = -exposant;
    }
    while (i < n && EstBlanc(texte[i])) ++i;
    if (i != n) ReelIncorrect(texte);

    while (!chiffres.empty() && chiffres.back() == '0') {
        chiffres.pop_back();
        ++echelle;
    }
    if (chiffres.empty()) return negatif ? -0.0 : 0.0;

    // Decimal order of magnitude of the leading digit. Beyond these bounds the double
    // result is known without asking strtold: an overflow, or zero.
    const std::int64_t ordre = static_cast<std::int64_t>(chiffres.size()) - 1 + echelle + exposant;
    if (ordre > 400) throw ErreurDebordement();
    if (ordre < -400) return negatif ? -0.0 : 0.0;

    // Formed in extended precision, then rounded to a double as the text of the dialog always
    // was. The text handed to strtold has no radix character, so the locale cannot change it.
    static_assert(LDBL_MANT_DIG > DBL_MANT_DIG, "the conversion relies on extended precision");
    std::string normalise = negatif ? "-" : "";
    normalise += chiffres;
    normalise += 'e';
    normalise += std::to_string(echelle + exposant);
    const long double etendu = std::strtold(normalise.c_str(), nullptr);

    // From half an ulp above DBL_MAX on, rounding to double gives an infinity.
    constexpr long double kSeuilDebordement = 0x1.fffffffffffff8p1023L;
    if (etendu >= kSeuilDebordement || etendu <= -kSeuilDebordement) throw ErreurDebordement();
    return static_cast<double>(etendu);
}

std::string ReelVersTexte(double valeur, std::string_view separateur) {
    if (separateur.empty()) separateur = ".";
    // Not reachable from a text the dialog accepted; shown plainly, and refused on reading.
    if (std::isnan(valeur)) return "NAN";
    if (valeur > DBL_MAX) return "INF";
    if (valeur < -DBL_MAX) return "-INF";
    if (valeur == 0) return "0";

    // 15 significant digits, correctly rounded: "d.dddddddddddddde±x".
    char tampon[40];
    const char* fin = Scientifique15(tampon, sizeof tampon, valeur);
    std::string_view brut(tampon, static_cast<std::size_t>(fin - tampon));
    const bool negatif = brut.front() == '-';
    if (negatif) brut.remove_prefix(1);
    std::string chiffres = std::string(brut.substr(0, 1)) + std::string(brut.substr(2, 14));
    int exposant = 0;
    std::from_chars(brut.data() + 17 + (brut[17] == '+'), brut.data() + brut.size(), exposant);

    // Values within half a unit of the 15th digit below DBL_MAX would round up past it and
    // no longer read back; cut them to 15 digits instead.
    if (exposant == 308 && chiffres > "179769313486231") chiffres = "179769313486231";
    while (chiffres.size() > 1 && chiffres.back() == '0') chiffres.pop_back();

    std::string texte = negatif ? "-" : "";
    const int n = static_cast<int>(chiffres.size());
    if (exposant >= -4 && exposant < 15) {
        if (exposant < 0) {
            texte += "0";
            texte += separateur;
            texte.append(static_cast<std::size_t>(-exposant - 1), '0');
            texte += chiffres;
        } else if (n <= exposant + 1) {
            texte += chiffres;
            texte.append(static_cast<std::size_t>(exposant + 1 - n), '0');
        } else {
            texte += chiffres.substr(0, static_cast<std::size_t>(exposant + 1));
            texte += separateur;
            texte += chiffres.substr(static_cast<std::size_t>(exposant + 1));
        }
    } else {
        texte += chiffres[0];
        if (n > 1) {
            texte += separateur;
            texte += chiffres.substr(1);
        }
        texte += 'E';
        texte += std::to_string(exposant);
    }
    return texte;
}

std::string EntierVersTexte(int valeur) { return std::to_string(valeur); }

int EntierBorne(const std::string& texte, int min, int max, const std::string& quoi) {
    const int n = TexteVersEntier(texte);
    if (n < min || n > max)
        throw Erreur(Remplit(Traduit("Conversions", "'%1' n'est pas %2 (%3 à %4)"),
                             {texte, quoi, std::to_string(min), std::to_string(max)}));
    return n;
}

}  // namespace kest
