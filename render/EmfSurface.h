// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QSize>
#include <memory>

#include "render/Ecran.h"
#include "scene/DrawingSurface.h"

namespace kest {

// A drawing surface that records an enhanced metafile (EMF) in memory; no file is written.
// One logical unit is one pixel of the reference screen; the frame is the outer size given,
// in hundredths of a millimetre of that screen.
class EmfSurface : public DrawingSurface {
public:
    // ppi: the screen's logical pixels per inch, for the 8-point font; texte: the text colour.
    // Throws Erreur when the recording cannot be made.
    EmfSurface(QSize tailleExterieure, const Ecran& ecran, int ppi, Couleur texte);
    ~EmfSurface() override;
    EmfSurface(const EmfSurface&) = delete;
    EmfSurface& operator=(const EmfSurface&) = delete;

    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void TextOut(int x, int y, const std::string& text) override;
    void SetPenColor(Couleur c) override;
    void SetPenStyle(PenStyle s) override;
    void SetPenWidth(int w) override;
    void SetBrushColor(Couleur c) override;
    void SetBrushStyle(BrushStyle s) override;
    void SetTextColor(Couleur c) override;

    // Closes the recording and returns the metafile's bytes; later drawing calls are ignored.
    // Throws Erreur when the bytes cannot be had.
    QByteArray Ferme();

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

}  // namespace kest
