// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/Agrandissement.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "scene/Plan.h"

namespace kest {

void Agrandit(QPainter& peintre, double k, QPoint origine) {
    if (!origine.isNull()) peintre.translate(origine);
    peintre.scale(k, k);
}

double AgrandissementAjuste(QSize zone) {
    const double k =
        std::min(double(zone.width()) / kLargeurImage, double(zone.height()) / kHauteurImage);
    // A zone is at most a few thousand pixels: k stays far below what 64·k can overflow.
    return std::max(1.0, std::floor(k * 64.0)) / 64.0;
}

QPoint OrigineCentree(QSize zone, double k) {
    const auto marge = [k](int cote, int image) {
        return std::max(0, static_cast<int>((cote - k * image) / 2.0));
    };
    return QPoint(marge(zone.width(), kLargeurImage), marge(zone.height(), kHauteurImage));
}

}  // namespace kest
