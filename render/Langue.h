// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kest {

// The languages of the program's texts: French, the source, and English from the catalogue.
enum class Langue { Francais, Anglais };

// The user's language as the locale gives it (LANGUAGE, LC_ALL, LC_MESSAGES, LANG): the first
// of the user's languages that kest speaks; French for C, POSIX and any other language.
Langue LangueDuSysteme();

// "fr" or "en"; nothing for any other name.
std::optional<Langue> LangueDuNom(std::string_view nom);

// The value of --langue (or --langue=…) among the arguments (without the program's name), or
// nothing when it is absent. A value other than fr or en, or a missing one, throws Erreur.
std::optional<Langue> LangueDemandee(const std::vector<std::string>& arguments);

// Makes the language the one of every text: the model's and the scene's (through Traduit) and
// Texte's. English loads the catalogue built into the program; French leaves every source
// text as it is. Needs no application object.
void ChoisitLangue(Langue langue);

// The language chosen last (French until ChoisitLangue).
Langue LangueChoisie();

// A text of the catalogue in the chosen language.
QString Texte(const char* contexte, const char* source);

// Installs the catalogue in the application when the language is English, so that tr() speaks
// it; French needs nothing, the sources being French.
void InstalleCatalogue();

}  // namespace kest
