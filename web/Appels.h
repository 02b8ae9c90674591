// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A drawing surface that keeps one frame as a compact list of integers, for a replay on the
// other side of the WebAssembly boundary: an operation code followed by its arguments.
// TextOut carries the index of its text in a small table of the texts met so far.

#include <string>
#include <vector>

#include "scene/DrawingSurface.h"

namespace kest::web {

enum CodeAppel : int {
    kMoveTo,
    kLineTo,
    kEllipse,
    kTextOut,
    kSetPenColor,
    kSetPenStyle,
    kSetPenWidth,
    kSetBrushColor,
    kSetBrushStyle,
    kNbCodes
};

// How the page reads each code: the DrawingSurface call it stands for and the kind of each of
// its arguments ("couleur": 0x00BBGGRR; "texte": an index in the table of texts; "PenStyle",
// "BrushStyle": an index in the names below). The module hands this table to the page's one
// decoder, so the codes are written here only.
struct FormeAppel {
    const char* nom;
    const char* arguments;  // separated by spaces
};
inline constexpr FormeAppel kFormes[kNbCodes] = {
    {"MoveTo", "x y"},
    {"LineTo", "x y"},
    {"Ellipse", "x1 y1 x2 y2"},
    {"TextOut", "x y texte"},
    {"SetPenColor", "couleur"},
    {"SetPenStyle", "PenStyle"},
    {"SetPenWidth", "largeur"},
    {"SetBrushColor", "couleur"},
    {"SetBrushStyle", "BrushStyle"},
};
inline constexpr const char* kNomsPenStyle[] = {"Solid", "Dot"};
inline constexpr const char* kNomsBrushStyle[] = {"Solid", "Clear"};

class ListeAppels : public DrawingSurface {
public:
    std::vector<int> codes;
    std::vector<std::string> textes;

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
    // The style's index in kNomsPenStyle, kNomsBrushStyle.
    void SetPenStyle(PenStyle s) override { Ajoute({kSetPenStyle, s == PenStyle::Dot ? 1 : 0}); }
    void SetPenWidth(int w) override { Ajoute({kSetPenWidth, w}); }
    void SetBrushColor(Couleur c) override { Ajoute({kSetBrushColor, static_cast<int>(c)}); }
    void SetBrushStyle(BrushStyle s) override {
        Ajoute({kSetBrushStyle, s == BrushStyle::Clear ? 1 : 0});
    }

private:
    void Ajoute(std::initializer_list<int> valeurs) {
        codes.insert(codes.end(), valeurs.begin(), valeurs.end());
    }
};

}  // namespace kest::web
