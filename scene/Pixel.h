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

}  // namespace kest
