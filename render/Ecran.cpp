// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/Ecran.h"

#include <QGuiApplication>
#include <QScreen>
#include <climits>
#include <cmath>
#include <cstdint>

namespace kest {

Ecran EcranCourant() {
    // Without figures from the system, a screen of 96 pixels per inch.
    const auto mm = [](int px) { return static_cast<int>(std::lround(px * 25.4 / 96.0)); };
    Ecran e{mm(1024), mm(768), 1024, 768};
    const QScreen* ecran = QGuiApplication::primaryScreen();
    if (!ecran) return e;
    const QSize px = ecran->geometry().size();
    if (px.width() > 0 && px.height() > 0)
        e = Ecran{mm(px.width()), mm(px.height()), px.width(), px.height()};
    const QSizeF physique = ecran->physicalSize();
    const auto sain = [](double v) { return v >= 0.5 && v < 100000.0; };  // false for NaN
    if (sain(physique.width()) && sain(physique.height())) {
        e.largeurMm = static_cast<int>(std::lround(physique.width()));
        e.hauteurMm = static_cast<int>(std::lround(physique.height()));
    }
    return e;
}

int PixelsParPouce() {
    const QScreen* ecran = QGuiApplication::primaryScreen();
    const double ppi = ecran ? ecran->logicalDotsPerInchY() : 0.0;
    return ppi >= 1.0 && ppi < 10000.0 ? static_cast<int>(std::lround(ppi)) : 96;
}

std::optional<int> MulDivArrondi(int a, int b, int c) {
    if (c == 0) return std::nullopt;
    const std::int64_t produit = std::int64_t{a} * b;
    const std::int64_t n = produit < 0 ? -produit : produit;
    const std::int64_t d = c < 0 ? -std::int64_t{c} : c;
    const std::int64_t q = (n + d / 2) / d;
    const std::int64_t r = (produit < 0) != (c < 0) ? -q : q;
    if (r < INT_MIN || r > INT_MAX) return std::nullopt;
    return static_cast<int>(r);
}

}  // namespace kest
