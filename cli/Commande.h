// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <string>
#include <vector>

#include "model/Affichage.h"
#include "model/State.h"
#include "render/Animation.h"
#include "render/Enregistrement.h"

namespace kest {

enum class Format { Emf, Svg, Png, Gif, Texte, Json };

// What one call of kest-export makes: the state, the views and the clock's interval of a
// configuration (model/Configuration.h: the options of the window and of a link of the page),
// the picture's format and rendering, and where it goes.
struct Commande {
    bool aide = false;
    bool spectre = false;  // the harmonics table instead of a picture
    bool etoile = false;   // the star of slots instead of the picture
    State etat;
    Affichage affichage;
    Format format = Format::Png;
    std::string sortie;  // "-": the standard output
    Rendu rendu{1, QColor(Qt::white), true};
    Animation animation;
};

// Reads the arguments (without the program's name): the configuration's options through
// PrendOptions and FormeConfiguration, then the exporter's own. Throws Erreur with the French
// message of the first refused option or value; nothing has been written then.
Commande LitCommande(const std::vector<std::string>& arguments);

// The text of --help, the configuration's options included.
std::string TexteAide();

}  // namespace kest
