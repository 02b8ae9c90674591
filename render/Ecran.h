// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace kest {

// The screen a picture is made for, whose figures scale the metafile's frame: physical size in
// millimetres and size in pixels (what HORZSIZE, VERTSIZE, HORZRES and VERTRES give on Windows).
struct Ecran {
    int largeurMm = 320;
    int hauteurMm = 240;
    int largeurPx = 1024;
    int hauteurPx = 768;
};

// The screen of a picture made without one (the exporter, over ssh or in CI): 96 pixels per
// inch both ways, 1440 × 960 pixels on 381 × 254 mm, so that a 700-pixel picture is 185.2 mm
// wide in the metafile's frame; a screen whose whole millimetres give exactly 96 per inch.
inline constexpr Ecran kEcranReference{381, 254, 1440, 960};
inline constexpr int kPpiReference = 96;

// The figures of the screen the program runs on; a 96-per-inch screen when the system has none.
Ecran EcranCourant();
// That screen's logical pixels per inch, which size the 8-point font (96 when unknown).
int PixelsParPouce();

// a·b/c rounded to the nearest integer, halves away from zero, as the metafile API's MulDiv does
// (libEMF declares it but does not export it). Nothing when c is 0 or the result is no int.
std::optional<int> MulDivArrondi(int a, int b, int c);

// The picture's text: the classic 8-point dialog face, in every surface and window.
inline constexpr const char* kFacePolice = "MS Sans Serif";
// Its height in pixels at ppi pixels per inch; nothing for an absurd ppi.
inline std::optional<int> HauteurPolice(int ppi) { return MulDivArrondi(8, ppi, 72); }

}  // namespace kest
