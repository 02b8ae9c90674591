#pragma once

#include <stdexcept>
#include <string>

namespace kest {

// The one error of the program: it carries the French message that the standard error box
// shows. Handlers at the edge of the application catch it.
class Erreur : public std::runtime_error {
public:
    explicit Erreur(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace kest
