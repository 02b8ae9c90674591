// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kest {

// The three view check boxes of the main window, read by the caller at every paint. They belong
// to a configuration as much as the winding does: a link or a command line sets them too.
struct Affichage {
    bool Vecteurs = true;  // field arrows
    bool Onde = true;      // polar waves
    bool Bobinage = true;  // conductors and coil axes
};

}  // namespace kest
