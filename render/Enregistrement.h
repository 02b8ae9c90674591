#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSize>

#include "Dessine.h"
#include "Ecran.h"
#include "State.h"

namespace kest {

// One instant of the scene in the three forms a copy offers: the metafile, the SVG and a
// transparent PNG image, all made by the same run of Dessine.
struct Enregistrement {
    QByteArray emf;
    QByteArray svg;
    QImage png;
};

// Records one run of Dessine on every surface at once. taille is the outer size of the picture;
// ppi and texte are the screen's logical resolution and the window's text colour. Throws Erreur
// with a French message on failure. Changes nothing of s but I and F.
Enregistrement Enregistre(State& s, Affichage affichage, QSize taille, const Ecran& ecran, int ppi,
                          QColor texte);

// The image as PNG bytes, packed fast.
QByteArray EnPng(const QImage& image);

}  // namespace kest
