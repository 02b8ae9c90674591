// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Textes.h"

#include <atomic>

namespace kest {

namespace {

const char* Source(const char*, const char* source) { return source; }

std::atomic<Traducteur> traducteur{&Source};

}  // namespace

void InstalleTraducteur(Traducteur t) { traducteur.store(t ? t : &Source); }

const char* Traduit(const char* contexte, const char* source) {
    return traducteur.load()(contexte, source);
}

std::string Remplit(std::string_view modele, std::initializer_list<std::string_view> valeurs) {
    std::string texte;
    texte.reserve(modele.size());
    for (std::size_t i = 0; i < modele.size(); ++i) {
        const char c = modele[i];
        if (c == '%' && i + 1 < modele.size() && modele[i + 1] >= '1' && modele[i + 1] <= '9') {
            const std::size_t n = std::size_t(modele[i + 1] - '1');
            if (n < valeurs.size()) {
                texte += valeurs.begin()[n];
                ++i;
                continue;
            }
        }
        texte += c;
    }
    return texte;
}

}  // namespace kest
