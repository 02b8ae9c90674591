#pragma once

#include <QFont>
#include <QString>
#include <limits>
#include <optional>

class QLabel;
class QWidget;

namespace kest {

// The interface font of every window: the classic 8-point dialog face at 11 pixels, or the
// system's sans-serif face where that one is not installed.
QFont PoliceInterface(int pixels = 11, bool gras = false);

// A label sized to its text in the font it really gets, so that no caption is clipped, with
// its left edge at x (or its right edge at x when alignee_a_droite) and its top at y.
// A font given here replaces the one inherited from the parent before measuring. A text
// wider than largeurMax (a fallback face wider than the layout's own) gets a narrowed font.
QLabel* NouveauLibelle(const QString& nom, const QString& texte, QWidget* parent, int x, int y,
                       bool alignee_a_droite = false, const std::optional<QFont>& police = {},
                       int largeurMax = std::numeric_limits<int>::max());

}  // namespace kest
