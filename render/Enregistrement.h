// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSize>
#include <functional>

#include "model/Affichage.h"
#include "model/State.h"
#include "render/Ecran.h"
#include "scene/DrawingSurface.h"

namespace kest {

// One instant of the scene in the three forms a copy offers: the metafile, the SVG and a
// transparent PNG image, all made by the same run of Dessine.
struct Enregistrement {
    QByteArray emf;
    QByteArray svg;
    QImage png;
};

// How the image of a recording is made. A copy takes the defaults: the picture's own size, and
// transparent wherever the scene draws nothing.
struct Rendu {
    // Pixels of the image per pixel of the picture, lines and text included (1 to 8): 2 gives a
    // 1400 × 1000 image of a 700 × 500 picture, for slides and high-density screens.
    int agrandissement = 1;
    // What the image is painted on before the scene. An opaque colour is also the labels'
    // background, as in the window; a transparent one leaves them on white boxes, as in a copy.
    QColor fond = Qt::transparent;
    // False: the image alone, without the metafile and the SVG (an animation's frames).
    bool vecteurs = true;
};

// Records one run of Dessine on every surface at once. taille is the outer size of the picture;
// ppi and texte are the screen's logical resolution and the window's text colour. Throws Erreur
// with a French message on failure. Changes nothing of etat but I and F.
Enregistrement Enregistre(State& etat, Affichage affichage, QSize taille, const Ecran& ecran,
                          int ppi, QColor texte, const Rendu& rendu = {});

// The same for any figure of the scene's layer drawn on the surfaces (the star of slots).
Enregistrement EnregistreFigure(const std::function<void(DrawingSurface&)>& dessin, QSize taille,
                                const Ecran& ecran, int ppi, QColor texte, const Rendu& rendu = {});

// The brush the image's surface starts with: the background when it is opaque, else white.
QColor BrosseInitiale(const Rendu& rendu);

// The image as PNG bytes, packed fast.
QByteArray EnPng(const QImage& image);

}  // namespace kest
