// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace kest {

// The texts that the model and the scene hand to the user (error messages, the scene's
// labels) are written in French, the program's source language, and pass through Traduit.
// An edition installs its translator; without one, the French source is the text, character
// for character. The catalogue's tools find these texts by the name Traduit.
//
// A translator returns a text that lives as long as the program (or the source itself).
using Traducteur = const char* (*)(const char* contexte, const char* source);

void InstalleTraducteur(Traducteur traducteur);

const char* Traduit(const char* contexte, const char* source);

// The model's text with %1, %2… replaced by the values, in one pass: a value that holds "%2"
// stays as typed.
std::string Remplit(std::string_view modele, std::initializer_list<std::string_view> valeurs);

}  // namespace kest
