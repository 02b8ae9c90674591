// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the picture shows, as a short text for those who do not see it (a screen reader reads
// the page's copy): the winding, the supply and the resultant field, in the program's language
// through Traduit. The field comes from the model's own resultant (HarmoniquesNumeriques), not
// from the picture.

#include <string>
#include <string_view>

#include "model/State.h"

namespace kest {

// "Champ résultant : 1,50 × celui d'une phase, tourne dans le sens direct, à 37°": the crest of
// the resultant's fundamental at the state's time, per unit of the crest that phase 1 alone
// gives at its peak current; its direction (direct, inverse, or a pulsating field when its
// forward and backward parts are equal); the electrical angle of its crest, from 0 to 359°
// counter-clockwise ("électriques" said when p > 1, where the air gap has p crests).
// "Champ résultant : nul" when there is none. separateur is the decimal mark.
std::string DescriptionChamp(const State& s, std::string_view separateur);

// "Bobinage : p = 1, … Parfaite. Alimentation : Équilibrée. Champ résultant : …."
std::string DescriptionImage(const State& s, std::string_view separateur);

}  // namespace kest
