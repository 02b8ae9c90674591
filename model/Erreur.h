// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

#include "model/Textes.h"

namespace kest {

// The one error of the program: it carries the French message that the standard error box
// shows. Handlers at the edge of the application catch it. The message is kept whole, so a
// typed text quoted in it survives even with a nul character inside (what() would stop there).
class Erreur : public std::runtime_error {
public:
    explicit Erreur(const std::string& message) : std::runtime_error(message), message_(message) {}
    const std::string& message() const noexcept { return message_; }

private:
    std::string message_;
};

// The message of a failure to get memory or a system object, wherever it happens.
inline const char* RessourcesInsuffisantes() {
    return Traduit("Erreur", "Ressources système insuffisantes");
}

}  // namespace kest
