// SPDX-License-Identifier: GPL-3.0-or-later
// The dialog's text <-> number conversions against a second reading of their grammar, written
// here as explicit state machines, and against the C library's own decimal reading.
//
// Input: byte 0 picks the decimal separator (bit 0: "," instead of "."); the rest is the text.

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "model/Conversions.h"

namespace {

[[noreturn]] void Echec(const char* quoi, std::string_view texte) {
    std::fprintf(stderr, "%s: '%.*s'\n", quoi, static_cast<int>(texte.size()), texte.data());
    std::abort();
}

bool Blanc(char c) { return c == ' ' || c == '\t'; }
bool Chiffre(char c) { return c >= '0' && c <= '9'; }
bool ChiffreHexa(char c) { return Chiffre(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// Integer: [blanks] [sign] ( digits | ($ | 0x | 0X) hex-digits ), nothing after.
std::optional<int> EntierReference(std::string_view t) {
    enum Etat { Debut, Signe, Zero, PrefixeHexa, Hexa, Decimal } e = Debut;
    bool negatif = false;
    std::string chiffres;  // without the leading zeros
    for (char c : t) {
        const bool significatif = !chiffres.empty() || c != '0';
        switch (e) {
            case Debut:
                if (Blanc(c)) continue;
                if (c == '+' || c == '-') {
                    negatif = c == '-';
                    e = Signe;
                    continue;
                }
                [[fallthrough]];
            case Signe:
                if (c == '$')
                    e = PrefixeHexa;
                else if (c == '0')
                    e = Zero;
                else if (Chiffre(c))
                    e = Decimal, chiffres += c;
                else
                    return std::nullopt;
                break;
            case Zero:
                if (c == 'x' || c == 'X') {
                    e = PrefixeHexa;
                    break;
                }
                if (!Chiffre(c)) return std::nullopt;
                e = Decimal;
                if (significatif) chiffres += c;
                break;
            case PrefixeHexa:
            case Hexa:
                if (!ChiffreHexa(c)) return std::nullopt;
                e = Hexa;
                if (significatif) chiffres += c;
                break;
            case Decimal:
                if (!Chiffre(c)) return std::nullopt;
                if (significatif) chiffres += c;
                break;
        }
    }
    if (e == Hexa) {
        // A 32-bit pattern: more than 8 significant digits cannot be one.
        if (chiffres.size() > 8) return std::nullopt;
        std::uint32_t motif =
            chiffres.empty()
                ? 0
                : static_cast<std::uint32_t>(std::strtoul(chiffres.c_str(), nullptr, 16));
        if (negatif) motif = ~motif + 1;
        return static_cast<int>(motif);
    }
    if (e != Decimal && e != Zero) return std::nullopt;
    if (chiffres.size() > 10) return std::nullopt;
    const long long grandeur = chiffres.empty() ? 0 : std::strtoll(chiffres.c_str(), nullptr, 10);
    const long long v = negatif ? -grandeur : grandeur;
    if (v < INT_MIN || v > INT_MAX) return std::nullopt;
    return static_cast<int>(v);
}

// Real: [blanks] [sign] mantissa [(e|E) [sign] digits] [blanks], the mantissa being digits
// with at most one separator and at least one digit. Returns the text in the C library's
// form ("-123.45e+67") when it belongs to the grammar.
std::optional<std::string> ReelReference(std::string_view t, char sep) {
    enum Etat { Debut, Signe, Entier, SepSeul, Fraction, Exp, SigneExp, ChiffresExp, Fin };
    Etat e = Debut;
    std::string c_texte;
    for (char c : t) {
        switch (e) {
            case Debut:
                if (Blanc(c)) continue;
                if (c == '+' || c == '-') {
                    c_texte += c;
                    e = Signe;
                    continue;
                }
                [[fallthrough]];
            case Signe:
                if (Chiffre(c))
                    e = Entier;
                else if (c == sep)
                    e = SepSeul;
                else
                    return std::nullopt;
                break;
            case Entier:
                if (c == sep)
                    e = Fraction;
                else if (c == 'e' || c == 'E')
                    e = Exp;
                else if (Blanc(c))
                    e = Fin;
                else if (!Chiffre(c))
                    return std::nullopt;
                break;
            case SepSeul:
                if (!Chiffre(c)) return std::nullopt;
                e = Fraction;
                break;
            case Fraction:
                if (c == 'e' || c == 'E')
                    e = Exp;
                else if (Blanc(c))
                    e = Fin;
                else if (!Chiffre(c))
                    return std::nullopt;
                break;
            case Exp:
                if (c == '+' || c == '-')
                    e = SigneExp;
                else if (Chiffre(c))
                    e = ChiffresExp;
                else
                    return std::nullopt;
                break;
            case SigneExp:
                if (!Chiffre(c)) return std::nullopt;
                e = ChiffresExp;
                break;
            case ChiffresExp:
                if (Blanc(c))
                    e = Fin;
                else if (!Chiffre(c))
                    return std::nullopt;
                break;
            case Fin:
                if (!Blanc(c)) return std::nullopt;
                continue;
        }
        if (e != Fin) c_texte += c == sep ? '.' : c == 'E' ? 'e' : c;
    }
    if (e != Entier && e != Fraction && e != ChiffresExp && e != Fin) return std::nullopt;
    return c_texte;
}

bool Voisins(double a, double b) {
    return a == b || a == std::nextafter(b, INFINITY) || a == std::nextafter(b, -INFINITY);
}

// The message quotes the text as typed, whole: the message is compared in full, since what()
// would stop at a nul typed inside the text.
bool Cite(const kest::Erreur& e, std::string_view texte, const char* suite) {
    return e.message() == "'" + std::string(texte) + suite;
}

void VerifierEntier(std::string_view texte) {
    const std::optional<int> attendu = EntierReference(texte);
    try {
        const int v = kest::TexteVersEntier(texte);
        if (!attendu) Echec("integer outside the grammar accepted", texte);
        if (v != *attendu) Echec("integer read with another value", texte);
    } catch (const kest::Erreur& e) {
        if (attendu) Echec("integer of the grammar refused", texte);
        if (!Cite(e, texte, "' n'est pas une valeur entière correcte"))
            Echec("integer message does not quote the text", texte);
    }
}

std::optional<double> VerifierReel(std::string_view texte, std::string_view sep) {
    const std::optional<std::string> c_texte = ReelReference(texte, sep[0]);
    // The C library reads the same decimal number correctly rounded; ours goes through
    // extended precision first, which may land on the neighbouring double.
    const double c_valeur = c_texte ? std::strtod(c_texte->c_str(), nullptr) : 0.0;
    try {
        const double v = kest::TexteVersReel(texte, sep);
        if (!c_texte) Echec("real outside the grammar accepted", texte);
        if (!std::isfinite(v)) Echec("real read as a non-finite value", texte);
        if (!Voisins(v, c_valeur) || std::signbit(v) != std::signbit(c_valeur))
            Echec("real read with another value", texte);
        return v;
    } catch (const kest::ErreurDebordement&) {
        if (!c_texte) Echec("real outside the grammar reported as an overflow", texte);
        if (std::fabs(c_valeur) < DBL_MAX) Echec("overflow reported for a finite value", texte);
    } catch (const kest::Erreur& e) {
        if (c_texte) Echec("real of the grammar refused", texte);
        if (!Cite(e, texte, "' n'est pas une valeur en virgule flottante correcte"))
            Echec("real message does not quote the text", texte);
    }
    return std::nullopt;
}

// What the dialog shows of Y must read back without error, as the 15-digit rounding of the
// value up to the last bit: the extended-precision reading may land on the neighbouring
// double. Showing the value read back gives the same text, so Enter after Enter never drifts.
void VerifierAffichage(double v, std::string_view sep) {
    const std::string texte = kest::ReelVersTexte(v, sep);
    if (!std::isfinite(v)) return;
    if (!ReelReference(texte, sep[0])) Echec("displayed value outside the grammar", texte);
    double relu = 0;
    try {
        relu = kest::TexteVersReel(texte, sep);
    } catch (const kest::Erreur&) {
        Echec("displayed value does not read back", texte);
    }
    char quinze[40];
    std::snprintf(quinze, sizeof quinze, "%.14e", v);
    double arrondi = std::strtod(quinze, nullptr);
    // Just below the largest double, the rounding would overflow; the display cuts instead.
    if (std::isinf(arrondi)) arrondi = std::copysign(1.79769313486231e308, v);
    if (!Voisins(relu, arrondi)) Echec("displayed value reads back as another value", texte);
    if (kest::ReelVersTexte(relu, sep) != texte) Echec("display drifts on reading back", texte);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string_view sep = (data[0] & 1) ? "," : ".";
    const std::string_view texte(reinterpret_cast<const char*>(data + 1), size - 1);

    VerifierEntier(texte);
    if (const std::optional<double> v = VerifierReel(texte, sep)) VerifierAffichage(*v, sep);

    // Any bit pattern as a stored Y, including denormals, infinities and NaNs.
    if (texte.size() >= sizeof(double)) {
        double brut;
        std::memcpy(&brut, texte.data(), sizeof brut);
        VerifierAffichage(brut, sep);
    }
    return 0;
}
