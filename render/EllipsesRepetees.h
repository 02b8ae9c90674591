// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kest {

// The boxes of one run of opaque one-colour ellipses on a raster device. At large windings
// thousands of conductors fall on the same pixels, and such an ellipse drawn again in the same
// run changes nothing. The caller ends the run at anything that could change the colours
// (a new pen or brush, a text), so that the overdraw order of the colours is kept.
class EllipsesRepetees {
public:
    // A device of this size in pixels; 0 × 0 marks nothing (a vector recording keeps every call).
    void Dimensionne(int largeur, int hauteur);

    // True when the box (x1, y1)-(x2, y2) was already drawn in this run; otherwise marks it.
    // Only boxes of the run's first size with their corner on the device are marked.
    bool DejaDessinee(int x1, int y1, int x2, int y2);

    // The run is over: every mark is cleared.
    void FinDeSerie();

private:
    int largeur_ = 0, hauteur_ = 0;                     // the device's, in pixels
    std::int64_t largeurBoite_ = 0, hauteurBoite_ = 0;  // the box size marked in this run
    std::vector<std::uint8_t> marques_;                 // by top-left corner, one per device pixel
    std::vector<std::size_t> marquees_;  // the marked corners, cleared at the run's end
};

}  // namespace kest
