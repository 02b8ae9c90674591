// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scene/DrawingSurface.h"

namespace kest {

// The model and the scene alone: every drawing call is dropped.
class Neant final : public DrawingSurface {
public:
    void MoveTo(int, int) override {}
    void LineTo(int, int) override {}
    void Ellipse(int, int, int, int) override {}
    void TextOut(int, int, const std::string&) override {}
    void SetPenColor(Couleur) override {}
    void SetPenStyle(PenStyle) override {}
    void SetPenWidth(int) override {}
    void SetBrushColor(Couleur) override {}
    void SetBrushStyle(BrushStyle) override {}
    void SetTextColor(Couleur) override {}
};

}  // namespace kest
