// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A drawing surface that keeps one frame as a compact list of integers, for a replay on the
// other side of the WebAssembly boundary: an operation code followed by its arguments.
// TextOut carries the index of its text in a small table of the texts met so far. Beside the
// list, it marks the ellipses that add nothing to the painted picture, so that the page's
// replay paints what the desktop's surface paints without a rule of its own.

#include <array>
#include <cstddef>
#include <string>
#include <unordered_set>
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
    kSetTextColor,
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
    {"SetTextColor", "couleur"},
};
inline constexpr const char* kNomsPenStyle[] = {"Solid", "Dot"};
inline constexpr const char* kNomsBrushStyle[] = {"Solid", "Clear"};

// The brush of a fresh recording surface, as the desktop's copy starts with: solid white.
inline constexpr Couleur kBrosseNeuve = 0x00FFFFFF;

class ListeAppels : public DrawingSurface {
public:
    // `brosse`: the brush colour the surface starts with (the pen is black, solid, 1 px).
    explicit ListeAppels(Couleur brosse) { reglages_.brosse = brosse; }

    std::vector<int> codes;
    std::vector<std::string> textes;
    // The offsets in `codes` of the Ellipse calls that add nothing to the picture: in a run of
    // one colour (clear brush, or a brush of the pen's colour) the box was already drawn. A run
    // ends at a setting that changes something and at a text, as on the desktop's surface, so
    // that the overdraw order of the colours is kept. Ascending.
    std::vector<int> dejaDessinees;

    // A new frame: the list and its marks are emptied; the settings carry over, as on the
    // window's surface.
    void NouvelleImage() {
        codes.clear();
        dejaDessinees.clear();
        FinDeSerie();
    }

    void MoveTo(int x, int y) override { Ajoute({kMoveTo, x, y}); }
    void LineTo(int x, int y) override { Ajoute({kLineTo, x, y}); }
    void Ellipse(int x1, int y1, int x2, int y2) override {
        const bool uneCouleur = reglages_.brosseVide || reglages_.brosse == reglages_.stylo;
        if (uneCouleur && !serie_.insert({x1, y1, x2, y2}).second)
            dejaDessinees.push_back(static_cast<int>(codes.size()));
        Ajoute({kEllipse, x1, y1, x2, y2});
    }
    void TextOut(int x, int y, const std::string& text) override {
        FinDeSerie();
        int index = 0;
        while (index < static_cast<int>(textes.size()) && textes[index] != text) ++index;
        if (index == static_cast<int>(textes.size())) textes.push_back(text);
        Ajoute({kTextOut, x, y, index});
    }
    void SetPenColor(Couleur c) override {
        Regle(reglages_.stylo, c);
        Ajoute({kSetPenColor, static_cast<int>(c)});
    }
    // The style's index in kNomsPenStyle, kNomsBrushStyle.
    void SetPenStyle(PenStyle s) override {
        Regle(reglages_.pointille, s == PenStyle::Dot);
        Ajoute({kSetPenStyle, s == PenStyle::Dot ? 1 : 0});
    }
    void SetPenWidth(int w) override {
        Regle(reglages_.largeur, w);
        Ajoute({kSetPenWidth, w});
    }
    void SetBrushColor(Couleur c) override {
        Regle(reglages_.brosse, c);
        Ajoute({kSetBrushColor, static_cast<int>(c)});
    }
    void SetBrushStyle(BrushStyle s) override {
        Regle(reglages_.brosseVide, s == BrushStyle::Clear);
        Ajoute({kSetBrushStyle, s == BrushStyle::Clear ? 1 : 0});
    }
    // The text's colour paints no ellipse: the run goes on, as on the desktop's surface.
    void SetTextColor(Couleur c) override { Ajoute({kSetTextColor, static_cast<int>(c)}); }

private:
    using Boite = std::array<int, 4>;
    struct HachageBoite {
        std::size_t operator()(const Boite& b) const noexcept {
            std::size_t h = 0;
            for (const int v : b) h = h * 1000003u ^ static_cast<unsigned>(v);
            return h;
        }
    };
    struct Reglages {
        Couleur stylo = 0;
        bool pointille = false;
        int largeur = 1;
        Couleur brosse = kBrosseNeuve;
        bool brosseVide = false;
    };

    // A setting that changes nothing is no change; any other ends the run.
    template <class T>
    void Regle(T& reglage, T valeur) {
        if (reglage == valeur) return;
        FinDeSerie();
        reglage = valeur;
    }
    void FinDeSerie() { serie_.clear(); }
    void Ajoute(std::initializer_list<int> valeurs) {
        codes.insert(codes.end(), valeurs.begin(), valeurs.end());
    }

    Reglages reglages_;
    std::unordered_set<Boite, HachageBoite> serie_;  // the boxes drawn in the current run
};

}  // namespace kest::web
