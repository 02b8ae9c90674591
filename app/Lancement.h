// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

class QCoreApplication;
class QTranslator;

namespace kest {

// What the program checks and sets up before and right after the framework starts.

// The French line to print when the X display that Qt is about to use cannot be opened
// (no server, or a server that refuses this client); nothing when Qt will not use X or the
// display answers. Qt itself would abort with an English message and a core dump.
std::optional<std::string> EcranInaccessible(int argc, char* argv[]);

// Loads Qt's own texts in the chosen language (context menus of the edits and scroll bars,
// standard buttons) from Qt's translation directory. A missing file is no error: those texts
// stay Qt's English.
// Returns the translator installed, owned by the application, or nullptr.
QTranslator* InstallerTraductionQt(QCoreApplication& application);

}  // namespace kest
