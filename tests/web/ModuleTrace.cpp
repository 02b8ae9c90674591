// SPDX-License-Identifier: GPL-3.0-or-later

// The page's module for the node comparison test, built with tests/web/Frontieres.h
// force-included: the same exports on the same state, and the marks of the frame that the
// state gives, drawn again into a surface that only marks.

#include "web/Module.cpp"

namespace {

kest::web::SurfaceMarquee marquee;

}  // namespace

extern "C" {

// Draws the state's frame for the views into the marking surface; returns the number of marked
// calls, whose indices are at kest_marques().
EMSCRIPTEN_KEEPALIVE int kest_marque(int vecteurs, int onde, int bobinage) {
    marquee.marques.Recommence();
    kest::Dessine(marquee, etat, kest::Affichage{vecteurs != 0, onde != 0, bobinage != 0});
    return static_cast<int>(marquee.marques.indices.size());
}
EMSCRIPTEN_KEEPALIVE const int* kest_marques() { return marquee.marques.indices.data(); }

}  // extern "C"
