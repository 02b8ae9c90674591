// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/Configuration.h"

class QCoreApplication;
class QTranslator;

namespace kest {

// What the program checks and sets up before and right after the framework starts.

// The French line to print when the X display that Qt is about to use cannot be opened
// (no server, or a server that refuses this client); nothing when Qt will not use X or the
// display answers. Qt itself would abort with an English message and a core dump.
std::optional<std::string> EcranInaccessible(int argc, char* argv[]);

// kest's command line (without the program's name), read by the configuration's one parser
// (model/Configuration.h): whether --help was asked, the configuration formed strictly by the
// dialog's rules, and the arguments that are neither, in order (Qt's own options before the
// application takes them, or unknown ones). Throws Erreur with the French message of the first
// refused option.
struct LigneDeCommande {
    bool aide = false;
    Configuration configuration;
    std::vector<std::string> reste;
};
LigneDeCommande LitLigneDeCommande(const std::vector<std::string>& arguments);

// What the application left of the command line once it took its own options: the first
// argument left is refused (Erreur), as an unknown option or a stray argument.
void RefuseLeReste(const std::vector<std::string>& arguments);

// The text of --help, the configuration's options included.
std::string TexteAide();

// Loads Qt's own texts in the chosen language (context menus of the edits and scroll bars,
// standard buttons) from Qt's translation directory. A missing file is no error: those texts
// stay Qt's English.
// Returns the translator installed, owned by the application, or nullptr.
QTranslator* InstallerTraductionQt(QCoreApplication& application);

}  // namespace kest
