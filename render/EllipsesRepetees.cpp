// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/EllipsesRepetees.h"

namespace kest {

void EllipsesRepetees::Dimensionne(int largeur, int hauteur) {
    FinDeSerie();
    largeur_ = largeur > 0 && hauteur > 0 ? largeur : 0;
    hauteur_ = largeur > 0 && hauteur > 0 ? hauteur : 0;
    // All marks are clear between runs: the array is made again only for a new size.
    const std::size_t pixels = std::size_t(largeur_) * std::size_t(hauteur_);
    if (marques_.size() != pixels) marques_.assign(pixels, 0);
}

bool EllipsesRepetees::DejaDessinee(int x1, int y1, int x2, int y2) {
    if (x1 < 0 || y1 < 0 || x1 >= largeur_ || y1 >= hauteur_) return false;
    const std::int64_t largeur = std::int64_t{x2} - x1, hauteur = std::int64_t{y2} - y1;
    if (marquees_.empty()) largeurBoite_ = largeur, hauteurBoite_ = hauteur;
    if (largeur != largeurBoite_ || hauteur != hauteurBoite_) return false;
    const std::size_t coin = std::size_t(y1) * std::size_t(largeur_) + std::size_t(x1);
    if (marques_[coin]) return true;
    marques_[coin] = 1;
    marquees_.push_back(coin);
    return false;
}

void EllipsesRepetees::FinDeSerie() {
    for (const std::size_t coin : marquees_) marques_[coin] = 0;
    marquees_.clear();
}

}  // namespace kest
