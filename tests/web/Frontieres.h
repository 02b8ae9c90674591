// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Force-included (-include) by the test builds of the native/WebAssembly comparison, before any
// other header of the scene: Pixel and PointPolaire of scene/Pixel.h, unchanged in what they
// return, that also count the conversions of a real within 1e-9 of a whole pixel, where one
// last bit of sin or cos, which the two C libraries may round differently, moves the pixel by
// one. The program and the page never see this file.

#include <cmath>
#include <string>
#include <vector>

#include "scene/DrawingSurface.h"

// scene/Pixel.h once, its two functions under other names; every later include of it is empty.
#define Pixel PixelExact
#define PointPolaire PointPolaireExact
#include "scene/Pixel.h"
#undef Pixel
#undef PointPolaire

namespace kest {

inline unsigned long long PixelsAuxFrontieres = 0;

// Counted as Pixel converts: NaN and saturated values aside.
inline void CompteFrontiere(double v) {
    if (!std::isnan(v) && v < kPixelMax && v > -kPixelMax && std::fabs(v - std::round(v)) <= 1e-9)
        ++PixelsAuxFrontieres;
}

inline int Pixel(double v) {
    CompteFrontiere(v);
    return PixelExact(v);
}

inline Point PointPolaire(double a, double r, int cx, int cy) {
    CompteFrontiere(r * std::cos(a) + cx);
    CompteFrontiere(cy - r * std::sin(a));
    return PointPolaireExact(a, r, cx, cy);
}

namespace web {

// The calls of a frame that rest on a conversion at a whole pixel. A figure computes some
// pixels once and draws them in several calls (a dash's ordinate, a field's offset, a polar
// point reached after a MoveTo) and ends at a pen or brush change: every drawing call from the
// first one after such a conversion up to the next pen or brush change is marked.
class MarquesFrontieres {
public:
    std::vector<int> indices;  // of the marked calls, in the frame's order

    void Recommence() {
        indices.clear();
        appel_ = 0;
        ouverte_ = false;
        vu_ = PixelsAuxFrontieres;
    }
    void Appel(bool reglage) {
        const bool nouvelle = PixelsAuxFrontieres != vu_;
        vu_ = PixelsAuxFrontieres;
        // A conversion made just before a pen or brush change is drawn after it.
        ouverte_ = reglage ? nouvelle : ouverte_ || nouvelle;
        if (ouverte_ && !reglage) indices.push_back(appel_);
        ++appel_;
    }

private:
    int appel_ = 0;
    bool ouverte_ = false;
    unsigned long long vu_ = PixelsAuxFrontieres;
};

// Marks the calls that go through it, and hands them on to `suite` when there is one.
class SurfaceMarquee : public DrawingSurface {
public:
    explicit SurfaceMarquee(DrawingSurface* suite = nullptr) : suite_(suite) {
        marques.Recommence();
    }
    MarquesFrontieres marques;

    void MoveTo(int x, int y) override { Passe(false, &DrawingSurface::MoveTo, x, y); }
    void LineTo(int x, int y) override { Passe(false, &DrawingSurface::LineTo, x, y); }
    void Ellipse(int x1, int y1, int x2, int y2) override {
        Passe(false, &DrawingSurface::Ellipse, x1, y1, x2, y2);
    }
    void TextOut(int x, int y, const std::string& t) override {
        Passe(false, &DrawingSurface::TextOut, x, y, t);
    }
    void SetPenColor(Couleur c) override { Passe(true, &DrawingSurface::SetPenColor, c); }
    void SetPenStyle(PenStyle s) override { Passe(true, &DrawingSurface::SetPenStyle, s); }
    void SetPenWidth(int w) override { Passe(true, &DrawingSurface::SetPenWidth, w); }
    void SetBrushColor(Couleur c) override { Passe(true, &DrawingSurface::SetBrushColor, c); }
    void SetBrushStyle(BrushStyle s) override { Passe(true, &DrawingSurface::SetBrushStyle, s); }
    void SetTextColor(Couleur c) override { Passe(true, &DrawingSurface::SetTextColor, c); }

private:
    // reglage: a pen or brush setting, not a drawing.
    template <class... Parametres, class... Arguments>
    void Passe(bool reglage, void (DrawingSurface::*appel)(Parametres...),
               const Arguments&... arguments) {
        marques.Appel(reglage);
        if (suite_) (suite_->*appel)(arguments...);
    }
    DrawingSurface* suite_;
};

}  // namespace web
}  // namespace kest
