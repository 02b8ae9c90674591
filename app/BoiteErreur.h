// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <exception>
#include <functional>
#include <string>

#include "model/Erreur.h"

namespace kest {

// The text of the standard error box: the message and a full stop, unless the message is
// empty or already ends with a character whose code is at most that of the full stop.
QString TexteErreur(const std::string& message);

// Shows an error through the current reporter: by default the modal stop box titled with
// the application's name; tests put a reporter of their own here to read the message.
using Rapporteur = std::function<void(const std::string& message)>;
void MontrerErreur(const std::string& message);
// Installs `r` (an empty function restores the box) and returns the one it replaces.
Rapporteur DefinirRapporteur(Rapporteur r);

// Runs a handler body; an error escaping it is shown and the program goes on. Our own
// errors carry their French message; any other error shows an empty box.
template <class Corps>
void Garde(Corps&& corps) {
    try {
        corps();
    } catch (const Erreur& e) {
        MontrerErreur(e.message());
    } catch (...) {
        MontrerErreur(std::string());
    }
}

}  // namespace kest
