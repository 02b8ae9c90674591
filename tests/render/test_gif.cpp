// SPDX-License-Identifier: GPL-3.0-or-later
#include <gif_lib.h>
#include <gtest/gtest.h>

#include <QImage>
#include <memory>
#include <numeric>
#include <stdexcept>
#include <string>

#include "model/Erreur.h"
#include "render/Animation.h"
#include "render/Gif.h"

namespace {

using namespace kest;

// Reads GIF bytes from memory with giflib.
struct Lecture {
    const std::string* octets;
    std::size_t position = 0;
    static int Lit(GifFileType* g, GifByteType* destination, int n) {
        auto* l = static_cast<Lecture*>(g->UserData);
        const std::size_t k = std::min(std::size_t(n), l->octets->size() - l->position);
        std::copy_n(l->octets->data() + l->position, k, destination);
        l->position += k;
        return int(k);
    }
};

// The GIF in `octets`, decoded whole (frames, palette, extensions); empty when giflib refuses it.
struct FermeGif {
    void operator()(GifFileType* f) const { DGifCloseFile(f, nullptr); }
};
std::unique_ptr<GifFileType, FermeGif> Decode(const std::string& octets) {
    Lecture lecture{&octets};
    int code = 0;
    std::unique_ptr<GifFileType, FermeGif> f(DGifOpen(&lecture, &Lecture::Lit, &code));
    if (f && DGifSlurp(f.get()) != GIF_OK) f.reset();
    return f;
}

// Frame delays in hundredths: each frame ends on the nearest hundredth of its exact time.
TEST(Gif, DelaysKeepThePeriodExact) {
    const struct {
        int images, ms;
        std::vector<int> delais;
    } cas[] = {
        {3, 60, {6, 6, 6}},
        {4, 65, {7, 6, 7, 6}},
        {3, 15, {2, 1, 2}},
        {1, 200, {20}},
    };
    for (const auto& k : cas) EXPECT_EQ(Delais({k.images, k.ms}), k.delais) << k.ms;
    const std::vector<int> periode = Delais({100, 63});
    EXPECT_EQ(std::accumulate(periode.begin(), periode.end(), 0), 630);
}

// Exact colours, the transparent index last, two frames; no colour approximated.
TEST(Gif, PaletteIsExactAndOtherColoursAreRefused) {
    QImage image(3, 2, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setPixel(0, 0, qRgb(1, 2, 3));
    image.setPixel(2, 1, qRgb(200, 100, 50));
    std::string octets;
    {
        EcritureGif gif(image.size(), {qRgb(200, 100, 50), qRgb(1, 2, 3)}, true,
                        [&](std::string_view o) { octets += o; });
        gif.Ajoute(image, 6);
        gif.Ajoute(image, 7);
        QImage autre = image;
        autre.setPixel(1, 1, qRgb(1, 2, 4));  // one unit off a colour of the palette
        EXPECT_THROW(gif.Ajoute(autre, 6), Erreur);
        gif.Termine();
    }
    const auto gif = Decode(octets);
    ASSERT_NE(gif, nullptr);
    GifFileType* f = gif.get();
    EXPECT_EQ(f->ImageCount, 2);
    ASSERT_EQ(f->SColorMap->ColorCount, 4);
    const GifColorType c0 = f->SColorMap->Colors[0], c1 = f->SColorMap->Colors[1];
    EXPECT_EQ(std::tuple(c0.Red, c0.Green, c0.Blue, c1.Red, c1.Green, c1.Blue),
              std::tuple(200, 100, 50, 1, 2, 3));
    GraphicsControlBlock gcb{};
    DGifSavedExtensionToGCB(f, 1, &gcb);
    EXPECT_EQ(std::tuple(gcb.DelayTime, gcb.TransparentColor, gcb.DisposalMode),
              std::tuple(7, 2, DISPOSE_BACKGROUND));
    const GifByteType* px = f->SavedImages[0].RasterBits;
    EXPECT_EQ(std::vector<int>(px, px + 6), (std::vector<int>{1, 2, 2, 2, 2, 0}));

    std::vector<QRgb> trop(256);
    for (std::size_t i = 0; i < trop.size(); ++i) trop[i] = qRgb(int(i), 0, 0);
    EXPECT_NO_THROW(EcritureGif(QSize(1, 1), trop, false, [](std::string_view) {}));
    EXPECT_THROW(EcritureGif(QSize(1, 1), trop, true, [](std::string_view) {}), Erreur);
}

// A failure of the output reaches the caller as it was thrown, across giflib.
TEST(Gif, OutputFailureReachesTheCaller) {
    int appels = 0;
    const auto echoue = [&](std::string_view) {
        if (++appels > 2) throw std::runtime_error("disque plein");
    };
    QImage image(64, 64, QImage::Format_RGB32);
    image.fill(qRgb(0, 0, 0));
    try {
        EcritureGif gif(image.size(), {qRgb(0, 0, 0)}, false, echoue);
        for (int i = 0; i < 50; ++i) gif.Ajoute(image, 6);
        gif.Termine();
        ADD_FAILURE() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()), "disque plein");
    }
}

// An opaque animation stores only what changed, yet every frame shown, drawn over the one
// before as a viewer does, is the image given: changes anywhere, none at all, and a whole new
// picture; the first frame is whole, with no transparent index.
TEST(Gif, OpaqueFramesStoreTheChangesAndShowTheImages) {
    const std::vector<QRgb> palette = {qRgb(255, 255, 255), qRgb(0, 0, 255), qRgb(255, 0, 0)};
    std::vector<QImage> images;
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(palette[0]);
    images.push_back(image);
    image.setPixel(3, 4, palette[1]);
    image.setPixel(35, 20, palette[2]);
    images.push_back(image);
    images.push_back(image);  // unchanged
    image.setPixel(3, 4, palette[0]);
    image.setPixel(0, 29, palette[1]);
    images.push_back(image);
    image.fill(palette[2]);
    images.push_back(image);

    std::string octets;
    {
        EcritureGif gif(image.size(), palette, false, [&](std::string_view o) { octets += o; });
        for (const QImage& i : images) gif.Ajoute(i, 6);
        gif.Termine();
    }
    const auto gif = Decode(octets);
    ASSERT_NE(gif, nullptr);
    GifFileType* f = gif.get();
    ASSERT_EQ(f->ImageCount, int(images.size()));
    QImage vue(image.size(), QImage::Format_RGB32);
    for (int n = 0; n < f->ImageCount; ++n) {
        const SavedImage& s = f->SavedImages[n];
        GraphicsControlBlock gcb{};
        DGifSavedExtensionToGCB(f, n, &gcb);
        EXPECT_EQ(gcb.DisposalMode, DISPOSE_DO_NOT);
        if (n == 0) {
            EXPECT_EQ(gcb.TransparentColor, NO_TRANSPARENT_COLOR);
            EXPECT_EQ(std::tuple(s.ImageDesc.Width, s.ImageDesc.Height), std::tuple(40, 30));
        }
        for (int y = 0; y < s.ImageDesc.Height; ++y)
            for (int x = 0; x < s.ImageDesc.Width; ++x) {
                const int i = s.RasterBits[y * s.ImageDesc.Width + x];
                if (i == gcb.TransparentColor) continue;
                const GifColorType c = f->SColorMap->Colors[i];
                vue.setPixel(s.ImageDesc.Left + x, s.ImageDesc.Top + y,
                             qRgb(c.Red, c.Green, c.Blue));
            }
        EXPECT_EQ(vue, images[std::size_t(n)]) << "frame " << n;
    }
    // The second frame is the box of its two changes, no more.
    EXPECT_EQ(std::tuple(f->SavedImages[1].ImageDesc.Left, f->SavedImages[1].ImageDesc.Top,
                         f->SavedImages[1].ImageDesc.Width, f->SavedImages[1].ImageDesc.Height),
              std::tuple(3, 4, 33, 17));
}

}  // namespace
