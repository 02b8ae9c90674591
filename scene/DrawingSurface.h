// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the scene draws on. Settings stay in force until changed, also from one scene to the
// next on the same surface: the scene sets only what it changes.

#include <cstdint>
#include <string>

namespace kest {

using Couleur = std::uint32_t;  // 0x00BBGGRR: blue in the high byte, red in the low byte

inline constexpr Couleur kGris = 0x808080;
inline constexpr Couleur kBleu = 0xFF0000;
inline constexpr Couleur kRouge = 0x0000FF;
inline constexpr Couleur kVert = 0x008000;
inline constexpr Couleur kNoir = 0x000000;

enum class PenStyle { Solid, Dot };
enum class BrushStyle { Solid, Clear };

class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    // Coordinates are pixels, origin top-left, y downwards.
    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;  // with the pen; (x, y) becomes the current position
    // Ellipse inscribed in the box (x1, y1)-(x2, y2): outline with the pen, inside with the brush.
    virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
    // Text (UTF-8) with the top-left corner of its box at (x, y), in the surface's own font.
    virtual void TextOut(int x, int y, const std::string& text) = 0;

    virtual void SetPenColor(Couleur c) = 0;
    virtual void SetPenStyle(PenStyle s) = 0;
    virtual void SetPenWidth(int w) = 0;
    virtual void SetBrushColor(Couleur c) = 0;
    virtual void SetBrushStyle(BrushStyle s) = 0;
    // The colour of the texts that follow; until the first call, the surface's own.
    virtual void SetTextColor(Couleur c) = 0;
};

}  // namespace kest
