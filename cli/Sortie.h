// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace kest {

// The output cannot be written; the message names the file and gives the system's reason.
class ErreurSortie : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Where the picture goes: a file, which appears whole or not at all (the bytes go to a
// temporary file in the same folder, renamed over the target only once all are written), or
// the standard output for "-". Throws ErreurSortie.
class FichierSortie {
public:
    explicit FichierSortie(const std::string& chemin);
    ~FichierSortie();  // removes the temporary file unless Valide() succeeded
    FichierSortie(const FichierSortie&) = delete;
    FichierSortie& operator=(const FichierSortie&) = delete;

    void Ecrit(std::string_view octets);
    void Valide();

private:
    [[noreturn]] void Echec(int erreur);

    std::string chemin_;
    std::string temporaire_;  // empty for the standard output
    int fd_ = -1;
};

}  // namespace kest
