// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>

namespace kest {

// No real picture reaches this far; anything beyond (an absurd coil opening, an infinite
// MMF) is pinned here and left to the surface's clipping. Small enough that integer
// arithmetic on a pinned value (centre ± offset) cannot overflow.
inline constexpr int kPixelMax = 1'000'000;

// Real coordinate -> pixel: truncation toward zero, saturated instead of undefined.
inline int Pixel(double v) {
    if (std::isnan(v)) return kPixelMax;
    if (v >= kPixelMax) return kPixelMax;
    if (v <= -kPixelMax) return -kPixelMax;
    return static_cast<int>(v);  // truncates toward zero
}

struct Point {
    int x;
    int y;
};

// The pixel at angle a and radius r about (cx, cy): angle 0 to the right, counter-clockwise
// on the screen (y grows downwards). Each coordinate is truncated once, after the offset.
inline Point PointPolaire(double a, double r, int cx, int cy) {
    return {Pixel(r * std::cos(a) + cx), Pixel(cy - r * std::sin(a))};
}

}  // namespace kest
