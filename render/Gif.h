// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRgb>
#include <QSize>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

namespace kest {

// An animated GIF written frame by frame, looping forever. The palette is given up front and is
// exact: each pixel of a frame must be one of its colours (or fully transparent, when the
// animation has a transparent index); nothing is dithered or approximated, a pixel of another
// colour is an error. An opaque animation whose palette leaves an entry free stores each frame
// after the first as the box of pixels that changed, the unchanged ones in that free entry,
// shown through from the frame before: the file is a fraction of the size, the frames the same.
class EcritureGif {
public:
    // ecrit receives the bytes in order. couleurs: the opaque colours, at most 255 with
    // transparence and 256 without. Throws Erreur when the palette does not fit.
    EcritureGif(QSize taille, const std::vector<QRgb>& couleurs, bool transparence,
                std::function<void(std::string_view)> ecrit);
    ~EcritureGif();
    EcritureGif(const EcritureGif&) = delete;
    EcritureGif& operator=(const EcritureGif&) = delete;

    // One frame of the given size, shown for centiemes hundredths of a second (GIF's unit).
    // Throws Erreur for a pixel outside the palette (nothing of the frame is then written) or a
    // failure of the encoder; an exception of ecrit comes through as it was thrown.
    void Ajoute(const QImage& image, int centiemes);
    // Writes the trailer; nothing may be added afterwards.
    void Termine();

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

}  // namespace kest
