// SPDX-License-Identifier: GPL-3.0-or-later
#include <gif_lib.h>
#include <gtest/gtest.h>

#include <QImage>
#include <numeric>
#include <stdexcept>
#include <string>

#include "Animation.h"
#include "Erreur.h"
#include "Gif.h"

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
    Lecture lecture{&octets};
    int code = 0;
    GifFileType* f = DGifOpen(&lecture, &Lecture::Lit, &code);
    ASSERT_NE(f, nullptr);
    ASSERT_EQ(DGifSlurp(f), GIF_OK);
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
    DGifCloseFile(f, &code);

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

}  // namespace
