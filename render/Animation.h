// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QSize>
#include <functional>
#include <string_view>

#include "model/Affichage.h"
#include "model/State.h"
#include "render/Enregistrement.h"

namespace kest {

// An animation of the scene: images frames, the first at etat as given, each next one a clock tick
// later (AvancerTemps, as the window's clock advances t), each shown intervalleMs milliseconds.
struct Animation {
    int images = 100;  // one supply period: the clock turns the electrical angle by 2π/100
    int intervalleMs = 60;
};

// The frame delays in GIF's hundredths of a second: each frame's end falls on the nearest
// hundredth of its exact time, so that 65 ms alternates 6 and 7 and the period stays exact.
std::vector<int> Delais(const Animation& a);

// Writes the animation as a GIF whose frames are the images that Enregistre makes with rendu
// (scale and background). The palette is every colour the frames can hold: the background, the
// text colour and every pen and solid brush colour the scene uses while drawing them, found by
// a first run of the frames that only notes the settings. Text is drawn without antialiasing, so
// these are all the colours of the pixels, and each keeps its exact value. Throws Erreur.
void EcritGif(const State& etat, Affichage affichage, QSize taille, int ppi, QColor texte,
              const Rendu& rendu, const Animation& a,
              const std::function<void(std::string_view)>& ecrit);

}  // namespace kest
