// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <functional>

#include "model/Affichage.h"
#include "model/State.h"
#include "render/Ecran.h"
#include "scene/DrawingSurface.h"

class QClipboard;

namespace kest {

// "Copier": one run of Dessine records the picture; only once the recording is closed is the
// clipboard replaced, with the same instant as EMF, SVG and PNG. Throws Erreur with a French
// message on failure, the clipboard then keeping what it held. Changes nothing of etat but I, F.
void Copier(State& etat, Affichage affichage, QSize tailleExterieure, const Ecran& ecran,
            QClipboard& clipboard);

// The same for a figure of the scene (the star of slots), drawn once at the picture's size.
void CopierFigure(const std::function<void(DrawingSurface&)>& dessin, const Ecran& ecran,
                  QClipboard& clipboard);

}  // namespace kest
