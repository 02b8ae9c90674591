#pragma once

#include <QSize>

#include "Dessine.h"
#include "State.h"

class QClipboard;

namespace kest {

// The screen's figures that scale the metafile's frame: physical size in millimetres and
// size in pixels (what HORZSIZE, VERTSIZE, HORZRES and VERTRES give on Windows).
struct Ecran {
    int largeurMm = 320;
    int hauteurMm = 240;
    int largeurPx = 1024;
    int hauteurPx = 768;
};

// The figures of the screen the program runs on.
Ecran EcranCourant();

// "Copier": one run of Dessine records the picture; only once the recording is closed is the
// clipboard replaced, with the same instant as EMF, SVG and PNG. Throws Erreur with a French
// message on failure, the clipboard then keeping what it held. Changes nothing of s but I, F.
void Copier(State& s, Affichage affichage, QSize tailleExterieure, const Ecran& ecran,
            QClipboard& clipboard);

}  // namespace kest
