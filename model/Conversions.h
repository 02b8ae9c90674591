#pragma once

// Text <-> number conversions of the options dialog. Texts are UTF-8; the decimal separator
// is the one of the user's regional settings, handed in by the caller.

#include <string>
#include <string_view>

namespace kest {

// Leading blanks, optional sign, decimal digits (or hexadecimal after '$' or "0x"), nothing
// after. Throws Erreur("'<texte>' n'est pas une valeur entière correcte") otherwise, and for a
// value outside the signed 32-bit range.
int TexteVersEntier(std::string_view texte);

// Leading blanks, optional sign, digits with at most one separator, optional exponent
// (E or e, optional sign, digits), trailing blanks. Formed in extended precision, stored as a
// double. Throws Erreur("'<texte>' n'est pas une valeur en virgule flottante correcte") for a
// malformed text and Erreur("Débordement en virgule flottante") when the magnitude is too
// large for a double; a magnitude too small gives 0 silently.
double TexteVersReel(std::string_view texte, std::string_view separateur);

// General format, 15 significant digits, trailing zeros dropped: fixed notation for 0 and for
// magnitudes in [1e-4, 1e15) after rounding, scientific otherwise ("1E15", "2.5E-5").
// Reads back through TexteVersReel with the same separator.
std::string ReelVersTexte(double valeur, std::string_view separateur);

// Plain decimal integer, minus sign when negative.
std::string EntierVersTexte(int valeur);

}  // namespace kest
