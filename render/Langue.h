// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kest {

// A language of the program's texts: its row in translations/langues.txt, the one list of the
// languages, in the list's order. The first row, French, is the source language: its texts are
// the sources, and it is the default.
struct Langue {
    std::size_t rang = 0;
    friend bool operator==(Langue, Langue) = default;
};
inline constexpr Langue kFrancais{};

// The user's language as the locale gives it (LANGUAGE, LC_ALL, LC_MESSAGES, LANG): the first
// of the user's languages that kest speaks; French for C, POSIX and any other language.
Langue LangueDuSysteme();

// The language of a code of the list ("en"); nothing for any other name.
std::optional<Langue> LangueDuNom(std::string_view nom);

// Its code ("en"), and the name of Qt's own translation for it ("qtbase_en").
std::string_view CodeDeLangue(Langue langue);
QString TraductionQt(Langue langue);

// The codes of the list, for the messages and the help: "fr, en".
std::string CodesDesLangues();

// The value of --langue (or --langue=…) among the arguments (without the program's name), or
// nothing when it is absent. A value that is no code of the list, a missing one, or a second
// --langue throws Erreur.
std::optional<Langue> LangueDemandee(const std::vector<std::string>& arguments);

// Makes the language the one of every text: the model's and the scene's (through Traduit) and
// Texte's. A translated language loads its catalogue built into the program; French leaves
// every source text as it is. Needs no application object.
void ChoisitLangue(Langue langue);

// The language chosen last (French until ChoisitLangue).
Langue LangueChoisie();

// A text of the catalogue in the chosen language.
QString Texte(const char* contexte, const char* source);

// Installs the chosen language's catalogue in the application, so that tr() speaks it; French
// needs nothing, the sources being French.
void InstalleCatalogue();

}  // namespace kest
