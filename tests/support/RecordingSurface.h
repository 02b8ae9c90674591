// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A drawing surface for tests: it keeps every drawing call with the pen, brush and text colour in
// force, and counts the setter calls, so that a test can assert on the picture as a list.

#include <string>
#include <vector>

#include "scene/DrawingSurface.h"

namespace kest::test {

struct Stylo {
    Couleur couleur = 0;
    PenStyle style = PenStyle::Solid;
    int largeur = 1;
    bool operator==(const Stylo&) const = default;
};

struct Brosse {
    Couleur couleur = 0xFFFFFF;
    BrushStyle style = BrushStyle::Solid;
    bool operator==(const Brosse&) const = default;
};

enum class Op { MoveTo, LineTo, Ellipse, TextOut };

struct Appel {
    Op op;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // MoveTo/LineTo/TextOut use x1, y1
    std::string texte;
    Stylo stylo;
    Brosse brosse;
    int depuisX = 0, depuisY = 0;  // LineTo: the current position it starts from
    Couleur couleurTexte = kNoir;
};

class RecordingSurface : public DrawingSurface {
public:
    std::vector<Appel> appels;
    Stylo stylo;
    Brosse brosse;
    Couleur texte = kNoir;
    int x = 0, y = 0;
    int reglages = 0;  // setter calls

    void MoveTo(int nx, int ny) override {
        appels.push_back({Op::MoveTo, nx, ny, 0, 0, {}, stylo, brosse, x, y});
        x = nx;
        y = ny;
    }
    void LineTo(int nx, int ny) override {
        appels.push_back({Op::LineTo, nx, ny, 0, 0, {}, stylo, brosse, x, y});
        x = nx;
        y = ny;
    }
    void Ellipse(int x1, int y1, int x2, int y2) override {
        appels.push_back({Op::Ellipse, x1, y1, x2, y2, {}, stylo, brosse, x, y});
    }
    void TextOut(int tx, int ty, const std::string& t) override {
        appels.push_back({Op::TextOut, tx, ty, 0, 0, t, stylo, brosse, x, y, texte});
    }
    void SetPenColor(Couleur c) override { stylo.couleur = c, ++reglages; }
    void SetPenStyle(PenStyle s) override { stylo.style = s, ++reglages; }
    void SetPenWidth(int w) override { stylo.largeur = w, ++reglages; }
    void SetBrushColor(Couleur c) override { brosse.couleur = c, ++reglages; }
    void SetBrushStyle(BrushStyle s) override { brosse.style = s, ++reglages; }
    void SetTextColor(Couleur c) override { texte = c, ++reglages; }

    // The segments drawn (LineTo with its starting point).
    struct Segment {
        int x1, y1, x2, y2;
        Stylo stylo;
    };
    std::vector<Segment> segments() const {
        std::vector<Segment> out;
        for (const Appel& a : appels)
            if (a.op == Op::LineTo) out.push_back({a.depuisX, a.depuisY, a.x1, a.y1, a.stylo});
        return out;
    }
};

}  // namespace kest::test
