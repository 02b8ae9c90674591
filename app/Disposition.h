// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>
#include <limits>
#include <optional>

class QLabel;
class QWidget;

namespace kest {

// The interface font of every window: the classic dialog face at 8 points on this screen, the
// same height the picture's text gets in a copy (11 pixels at 96 per inch), or the system's
// sans-serif face where that one is not installed.
QFont PoliceInterface(bool gras = false);
// The same face at a height fixed in pixels whatever the screen (the About box's title).
QFont PoliceEnPixels(int pixels, bool gras);

// A label sized to its text in the font it really gets, so that no caption is clipped, with
// its left edge at x (or its right edge at x when alignee_a_droite) and its top at y.
// A font given here replaces the one inherited from the parent before measuring. A text
// wider than largeurMax (a fallback face wider than the layout's own) gets a narrowed font.
QLabel* NouveauLibelle(const QString& nom, const QString& texte, QWidget* parent, int x, int y,
                       bool alignee_a_droite = false, const std::optional<QFont>& police = {},
                       int largeurMax = std::numeric_limits<int>::max());

}  // namespace kest
