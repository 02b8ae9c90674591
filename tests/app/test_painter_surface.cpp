#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <functional>

#include "PainterSurface.h"

namespace {

using kest::PainterSurface;

const QColor kFond(Qt::white);
const QColor kTexte(10, 20, 30);

QFont Police() {
    QFont f;
    f.setPixelSize(11);
    return f;
}

// One paint of `dessin` on a white 120 x 60 image through the given surface.
QImage Peindre(PainterSurface& surface, const std::function<void(PainterSurface&)>& dessin) {
    QImage image(120, 60, QImage::Format_RGB32);
    image.fill(kFond);
    QPainter painter(&image);
    surface.Begin(painter);
    dessin(surface);
    surface.End();
    return image;
}

int Compter(const QImage& image, QColor couleur) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y) == couleur;
    return n;
}

TEST(PainterSurface, ColoursAre0x00BBGGRR) {
    struct Cas {
        kest::Couleur c;
        QColor attendu;
    };
    for (const Cas& cas :
         {Cas{kest::kRouge, QColor(255, 0, 0)}, Cas{kest::kBleu, QColor(0, 0, 255)},
          Cas{kest::kVert, QColor(0, 128, 0)}, Cas{kest::kGris, QColor(128, 128, 128)},
          Cas{0x123456, QColor(0x56, 0x34, 0x12)}}) {
        PainterSurface s(Police(), kTexte, kFond);
        const QImage image = Peindre(s, [&](PainterSurface& d) {
            d.SetPenColor(cas.c);
            d.MoveTo(10, 10);
            d.LineTo(50, 10);
        });
        EXPECT_EQ(image.pixelColor(20, 10), cas.attendu) << std::hex << cas.c;
    }
}

TEST(PainterSurface, SolidAndDottedLinesLeaveOutTheEndPixel) {
    PainterSurface s(Police(), kTexte, kFond);
    const QImage image = Peindre(s, [](PainterSurface& d) {
        d.MoveTo(10, 10);
        d.LineTo(50, 10);  // the current position moves on: the next line starts here
        d.LineTo(50, 30);
        d.SetPenStyle(kest::PenStyle::Dot);
        d.MoveTo(10, 40);
        d.LineTo(50, 40);
    });
    for (int x = 10; x < 50; ++x) EXPECT_EQ(image.pixelColor(x, 10), QColor(Qt::black)) << x;
    EXPECT_EQ(image.pixelColor(50, 20), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(50, 30), kFond);  // GDI-like: the end pixel stays free
    int points = 0;
    for (int x = 10; x < 50; ++x) points += image.pixelColor(x, 40) == QColor(Qt::black);
    EXPECT_GT(points, 5);
    EXPECT_LT(points, 30);
}

TEST(PainterSurface, SettingsCarryOverFromOnePaintToTheNext) {
    PainterSurface s(Police(), kTexte, kFond);
    Peindre(s, [](PainterSurface& d) {
        d.SetPenColor(kest::kBleu);
        d.SetPenWidth(3);
        d.MoveTo(5, 5);
    });
    const QImage image = Peindre(s, [](PainterSurface& d) { d.LineTo(60, 5); });
    EXPECT_EQ(image.pixelColor(30, 5), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(30, 6), QColor(0, 0, 255));  // still 3 pixels wide
    EXPECT_EQ(image.pixelColor(30, 4), QColor(0, 0, 255));
}

TEST(PainterSurface, EllipseIsFilledOnlyWithASolidBrush) {
    struct Cas {
        kest::BrushStyle style;
        QColor centre;
    };
    for (const Cas& cas :
         {Cas{kest::BrushStyle::Solid, QColor(0, 128, 0)}, Cas{kest::BrushStyle::Clear, kFond}}) {
        PainterSurface s(Police(), kTexte, kFond);
        const QImage image = Peindre(s, [&](PainterSurface& d) {
            d.SetPenColor(kest::kRouge);
            d.SetBrushColor(kest::kVert);
            d.SetBrushStyle(cas.style);
            d.Ellipse(20, 10, 60, 50);
        });
        EXPECT_EQ(image.pixelColor(40, 30), cas.centre);
        EXPECT_EQ(image.pixelColor(20, 30), QColor(255, 0, 0));  // outline on the box's left
        EXPECT_EQ(image.pixelColor(21, 11), kFond);              // a corner of the box
    }
}

TEST(PainterSurface, TextUsesTheTextColourOnABoxOfTheSolidBrush) {
    struct Cas {
        kest::BrushStyle style;
        QColor coinDeBoite;
    };
    for (const Cas& cas :
         {Cas{kest::BrushStyle::Solid, QColor(0, 0, 255)}, Cas{kest::BrushStyle::Clear, kFond}}) {
        PainterSurface s(Police(), kTexte, kFond);
        const QImage image = Peindre(s, [&](PainterSurface& d) {
            d.SetPenColor(kest::kRouge);
            d.SetBrushColor(kest::kBleu);
            d.SetBrushStyle(cas.style);
            d.TextOut(10, 20, "Fresnel é");
        });
        EXPECT_EQ(image.pixelColor(10, 20), cas.coinDeBoite);
        EXPECT_EQ(image.pixelColor(9, 20), kFond);  // nothing left of the box
        EXPECT_EQ(Compter(image, QColor(255, 0, 0)), 0);
        EXPECT_GT(Compter(image, kTexte), 0);
    }
}

TEST(PainterSurface, StartsWithASolidBrushOfTheBackgroundColour) {
    const QColor fond(200, 100, 50);
    PainterSurface s(Police(), kTexte, fond);
    const QImage image = Peindre(s, [](PainterSurface& d) { d.Ellipse(20, 10, 60, 50); });
    EXPECT_EQ(image.pixelColor(40, 30), fond);
    EXPECT_EQ(image.pixelColor(20, 30), QColor(Qt::black));
}

}  // namespace
