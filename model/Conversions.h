// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Text <-> number conversions of the options dialog. Texts are UTF-8; the decimal separator
// is the one of the user's regional settings, handed in by the caller.

#include <string>
#include <string_view>

#include "model/Erreur.h"

namespace kest {

// A number too large in magnitude for a double. The dialog still completes NbEncoches before
// reporting it, hence its own type.
class ErreurDebordement : public Erreur {
public:
    ErreurDebordement() : Erreur(Traduit("Conversions", "Débordement en virgule flottante")) {}
};

// Leading blanks, optional sign, decimal digits (or hexadecimal after '$' or "0x"), nothing
// after. Throws Erreur("'<texte>' n'est pas une valeur entière correcte") otherwise, and for a
// value outside the signed 32-bit range.
int TexteVersEntier(std::string_view texte);

// Leading blanks, optional sign, digits with at most one separator, optional exponent
// (E or e, optional sign, digits), trailing blanks. Formed in extended precision, stored as a
// double. Throws Erreur("'<texte>' n'est pas une valeur en virgule flottante correcte") for a
// malformed text and Erreur("Débordement en virgule flottante") when the magnitude is too
// large for a double (ErreurDebordement); a magnitude too small gives 0 silently.
// Blanks are spaces and tabs, here and for TexteVersEntier. An empty separator means ".".
double TexteVersReel(std::string_view texte, std::string_view separateur);

// General format, 15 significant digits, trailing zeros dropped: fixed notation for 0 and for
// magnitudes in [1e-4, 1e15) after rounding, scientific otherwise ("1E15", "2.5E-5").
// Reads back through TexteVersReel with the same separator. The few values within half a unit
// of the 15th digit below the largest double are cut rather than rounded up, so that they too
// read back. Non-finite values (never stored) give "NAN", "INF", "-INF", which do not.
std::string ReelVersTexte(double valeur, std::string_view separateur);

// Plain decimal integer, minus sign when negative.
std::string EntierVersTexte(int valeur);

// An integer option's value: TexteVersEntier, then Erreur("'<texte>' n'est pas <quoi> (min à
// max)") outside [min, max].
int EntierBorne(const std::string& texte, int min, int max, const std::string& quoi);

}  // namespace kest
