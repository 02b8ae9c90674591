// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A drawing surface that keeps one frame as a compact list of integers, for a replay on the
// other side of the WebAssembly boundary: an operation code followed by its arguments.
// TextOut carries the index of its text in a small table of the texts met so far.

#include <string>
#include <vector>

#include "scene/DrawingSurface.h"
#ifdef KEST_TRACE_FRONTIERES
#include "scene/Pixel.h"
#endif

namespace kest::web {

#ifdef KEST_TRACE_FRONTIERES
// Test builds only: the calls of a frame that rest on a conversion at a whole pixel (Pixel.h),
// where two C libraries may give pixels one apart. A figure computes some pixels once and draws
// them in several calls (a dash's ordinate, a field's offset, a polar point reached after a
// MoveTo) and ends at a pen or brush change: every drawing call from the first one after such a
// conversion up to the next pen or brush change is marked.
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
#endif

enum CodeAppel : int {
    kMoveTo = 0,         // x, y
    kLineTo = 1,         // x, y
    kEllipse = 2,        // x1, y1, x2, y2
    kTextOut = 3,        // x, y, index of the text
    kSetPenColor = 4,    // 0x00BBGGRR
    kSetPenStyle = 5,    // 0 solid, 1 dot
    kSetPenWidth = 6,    // pixels
    kSetBrushColor = 7,  // 0x00BBGGRR
    kSetBrushStyle = 8,  // 0 solid, 1 clear
};

class ListeAppels : public DrawingSurface {
public:
    std::vector<int> codes;
    std::vector<std::string> textes;
#ifdef KEST_TRACE_FRONTIERES
    MarquesFrontieres marques;
#endif

    void MoveTo(int x, int y) override { Ajoute({kMoveTo, x, y}); }
    void LineTo(int x, int y) override { Ajoute({kLineTo, x, y}); }
    void Ellipse(int x1, int y1, int x2, int y2) override { Ajoute({kEllipse, x1, y1, x2, y2}); }
    void TextOut(int x, int y, const std::string& text) override {
        int index = 0;
        while (index < static_cast<int>(textes.size()) && textes[index] != text) ++index;
        if (index == static_cast<int>(textes.size())) textes.push_back(text);
        Ajoute({kTextOut, x, y, index});
    }
    void SetPenColor(Couleur c) override { Ajoute({kSetPenColor, static_cast<int>(c)}); }
    void SetPenStyle(PenStyle s) override { Ajoute({kSetPenStyle, s == PenStyle::Dot ? 1 : 0}); }
    void SetPenWidth(int w) override { Ajoute({kSetPenWidth, w}); }
    void SetBrushColor(Couleur c) override { Ajoute({kSetBrushColor, static_cast<int>(c)}); }
    void SetBrushStyle(BrushStyle s) override {
        Ajoute({kSetBrushStyle, s == BrushStyle::Clear ? 1 : 0});
    }

private:
    void Ajoute(std::initializer_list<int> valeurs) {
#ifdef KEST_TRACE_FRONTIERES
        marques.Appel(*valeurs.begin() >= kSetPenColor);
#endif
        codes.insert(codes.end(), valeurs.begin(), valeurs.end());
    }
};

}  // namespace kest::web
