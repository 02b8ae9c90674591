// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPicture>
#include <functional>

#include "model/Regles.h"
#include "render/PainterSurface.h"
#include "scene/Dessine.h"
#include "tests/support/SondeVectorielle.h"

namespace {

using kest::BrushStyle;
using kest::PainterSurface;
using kest::PenStyle;

const QColor kFond(Qt::white);
const QColor kTexte(10, 20, 30);

QFont Police() {
    QFont f;
    f.setPixelSize(11);
    return f;
}

QImage Image(int ppp) {
    QImage image(240, 60, QImage::Format_RGB32);
    image.setDotsPerMeterX(static_cast<int>(ppp / 0.0254));
    image.setDotsPerMeterY(static_cast<int>(ppp / 0.0254));
    image.fill(kFond);
    return image;
}

// One paint of `dessin` on a white 240 x 60 image through the given surface.
QImage Peindre(PainterSurface& surface, const std::function<void(PainterSurface&)>& dessin,
               int ppp = 96) {
    QImage image = Image(ppp);
    {
        QPainter peintre(&image);
        const PainterSurface::Attache attache(surface, peintre);
        dessin(surface);
    }
    return image;
}

// The pen and the current position carry over to the next paint; colours are 0x00BBGGRR.
TEST(PainterSurface, LinesLeaveOutTheEndPixelAndDotsAreDotted) {
    PainterSurface s(Police(), kTexte, kFond);
    Peindre(s, [](PainterSurface& d) {
        d.SetPenColor(0x123456);
        d.MoveTo(10, 10);
    });
    const QImage image = Peindre(s, [](PainterSurface& d) {
        d.LineTo(50, 10);  // the current position moves on: the next line starts here
        d.LineTo(50, 30);
        d.SetPenStyle(PenStyle::Dot);
        d.MoveTo(10, 40);
        d.LineTo(50, 40);
        d.SetPenStyle(PenStyle::Solid);
        d.SetPenWidth(3);
        d.MoveTo(60, 50);
        d.LineTo(100, 50);
    });
    const QColor stylo(0x56, 0x34, 0x12);
    for (int x = 10; x < 50; ++x) EXPECT_EQ(image.pixelColor(x, 10), stylo) << x;
    EXPECT_EQ(image.pixelColor(50, 20), stylo);
    EXPECT_EQ(image.pixelColor(50, 30), kFond);  // GDI-like: the end pixel stays free
    int points = 0;
    for (int x = 10; x < 50; ++x) points += image.pixelColor(x, 40) == stylo;
    EXPECT_GT(points, 5);
    EXPECT_LT(points, 30);
    for (int y : {49, 50, 51}) EXPECT_EQ(image.pixelColor(80, y), stylo) << y;
}

// A new surface fills with a solid brush of the background colour and outlines in black; the
// pen and brush set in one paint are those of the next.
TEST(PainterSurface, EllipseIsFilledOnlyWithASolidBrush) {
    const QColor fond(200, 100, 50);
    PainterSurface s(Police(), kTexte, fond);
    const auto ellipse = [&](QColor centre, QColor contour) {
        const QImage image = Peindre(s, [](PainterSurface& d) { d.Ellipse(20, 10, 60, 50); });
        EXPECT_EQ(image.pixelColor(40, 30), centre);
        EXPECT_EQ(image.pixelColor(20, 30), contour);  // outline on the box's left
        EXPECT_EQ(image.pixelColor(21, 11), kFond);    // a corner of the box
    };
    ellipse(fond, Qt::black);
    Peindre(s, [](PainterSurface& d) {
        d.SetPenColor(kest::kRouge);
        d.SetBrushColor(kest::kVert);
    });
    ellipse(QColor(0, 128, 0), QColor(255, 0, 0));
    Peindre(s, [](PainterSurface& d) { d.SetBrushStyle(BrushStyle::Clear); });
    ellipse(kFond, QColor(255, 0, 0));
}

// Text in the text colour, never the pen's, on an opaque box of the brush colour while the
// brush is solid, transparent while it is clear, with pen and brush set in an earlier paint: the
// same pixels as the text shaped and drawn on the spot, measured again for each resolution.
TEST(PainterSurface, TextUsesTheTextColourOnABoxOfTheSolidBrush) {
    QFont police;
    police.setPointSize(8);
    PainterSurface s(police, kTexte, kFond);
    police.setStyleStrategy(QFont::NoAntialias);
    const QString texte = QStringLiteral("Vecteur spatial é");
    for (const auto& [style, ppp] : {std::pair{BrushStyle::Solid, 96},
                                     {BrushStyle::Solid, 192},
                                     {BrushStyle::Clear, 192},
                                     {BrushStyle::Solid, 96}}) {
        Peindre(s, [&](PainterSurface& d) {
            d.SetPenColor(kest::kRouge);
            d.SetBrushColor(kest::kBleu);
            d.SetBrushStyle(style);
        });
        const QImage image = Peindre(
            s, [&](PainterSurface& d) { d.TextOut(10, 10, texte.toStdString()); }, ppp);
        QImage attendue = Image(ppp);
        QPainter peintre(&attendue);
        peintre.setFont(police);
        const QFontMetrics fm(police, &attendue);
        if (style == BrushStyle::Solid)
            peintre.fillRect(QRect(10, 10, fm.horizontalAdvance(texte), fm.height()), Qt::blue);
        peintre.setPen(kTexte);
        peintre.drawText(QPoint(10, 10 + fm.ascent()), texte);
        peintre.end();
        EXPECT_TRUE(image == attendue) << int(style) << " " << ppp;
    }
}

// The same calls painted on a 700 x 500 image directly, where repeated ellipses may be skipped
// and lines grouped or filled, and through a recording replayed onto it, which keeps every call:
// not a pixel may differ. decalage shifts both, as a widget below the menu bar is shifted in
// its window.
void AttendMemesPixels(const std::function<void(kest::DrawingSurface&)>& dessin,
                       QImage::Format format = QImage::Format_ARGB32_Premultiplied,
                       QPoint decalage = {}) {
    QImage images[2];
    for (int rejoue = 0; rejoue < 2; ++rejoue) {
        PainterSurface s(Police(), kTexte, kFond);
        images[rejoue] = QImage(700, 500, format);
        images[rejoue].fill(QColor(236, 233, 216));
        QPicture enregistrement;
        QPainter peintre;
        peintre.begin(rejoue ? static_cast<QPaintDevice*>(&enregistrement) : &images[rejoue]);
        if (!rejoue) peintre.translate(decalage);
        {
            const PainterSurface::Attache attache(s, peintre);
            dessin(s);
        }
        peintre.end();
        if (rejoue) QPainter(&images[1]).drawPicture(decalage, enregistrement);
    }
    EXPECT_TRUE(images[0] == images[1]);
}

kest::State EtatClassique(const char* p, const char* m, bool reelle, bool doubleEtoile) {
    kest::State s;
    kest::AppliquerSaisie(s, kest::Saisie{p, m, "3", reelle, doubleEtoile}, ".");
    s.t = 0.0123;
    return s;
}

// The states at the edges of what the dialog and the rules let through.
kest::State SansConducteurs() {
    kest::State s;
    s.p = 2, s.m = 0, s.Alpha = kest::kDeuxPi / 12;
    return s;
}
kest::State OuvertureAbsurde() {
    kest::State s;
    s.Y = 1e308, s.Reelle = true, s.t = 0.001;
    return s;
}

TEST(PainterSurface, SkippingRepeatedEllipsesKeepsEveryPixelOfTheScene) {
    const auto argb = QImage::Format_ARGB32_Premultiplied;
    struct Cas {
        const char* nom;
        kest::State etat;
        QImage::Format format;
        kest::Affichage affichage = {};
        QPoint decalage = {};
    } cas[] = {{"default", kest::State{}, argb},
               {"p=7, m=13, real, opaque image", EtatClassique("7", "13", true, false),
                QImage::Format_RGB32},
               {"p=99, m=99, double star", EtatClassique("99", "99", false, true), argb},
               {"m=0", SansConducteurs(), argb},
               {"Y=1e308, real", OuvertureAbsurde(), argb},
               {"every check box off", kest::State{}, argb, kest::Affichage{false, false, false}},
               {"default, shifted as in the window", kest::State{}, argb, {}, QPoint(0, 18)},
               {"p=7, m=13, real, shifted",
                EtatClassique("7", "13", true, false),
                QImage::Format_RGB32,
                {},
                QPoint(3, 21)}};
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        AttendMemesPixels(
            [&](kest::DrawingSurface& d) {
                kest::State s = c.etat;
                kest::Dessine(d, s, c.affichage);
                kest::Dessine(d, s, c.affichage);  // the second starts from the first's pen
            },
            c.format, c.decalage);
    }
}

// In a process whose graphics library has run (the test's application, a first paint), the
// painter's own vector code never runs between the scene's calls: it gets them at the end.
TEST(PainterSurface, TheSceneRunsWithCleanUpperHalvesInAQtProcess) {
    if (!kest::test::HautsVectorielsSales()) GTEST_SKIP() << "the processor cannot tell";
    PainterSurface surface(Police(), kTexte, kFond);
    QImage image(700, 500, QImage::Format_ARGB32_Premultiplied);
    for (int peinture = 0; peinture < 2; ++peinture) {
        image.fill(kFond);
        kest::test::SondeVectorielle sonde(surface);
        QPainter peintre(&image);
        const PainterSurface::Attache attache(surface, peintre);
        kest::State s;
        kest::Dessine(sonde, s, kest::Affichage{});
        EXPECT_GT(sonde.appels, 1000);
        EXPECT_EQ(sonde.sales, 0) << "paint " << peinture;
    }
    QImage vide(700, 500, QImage::Format_ARGB32_Premultiplied);
    vide.fill(kFond);
    EXPECT_FALSE(image == vide);  // the picture did reach the image
}

// Runs where a repeated box must be drawn again, or may be skipped, next to other drawings;
// lines of the run's pen that cross, meet, or have no length, in pens of several kinds.
TEST(PainterSurface, RepeatedEllipsesKeepTheirOverdrawOrder) {
    using namespace kest;
    struct Cas {
        const char* nom;
        Couleur stylo, brosse;
        BrushStyle brosseStyle;
        PenStyle styloStyle;
        int largeur;
    } cas[] = {
        {"filled, pen and brush alike", kRouge, kRouge, BrushStyle::Solid, PenStyle::Solid, 1},
        {"filled, pen unlike brush", kRouge, kVert, BrushStyle::Solid, PenStyle::Solid, 1},
        {"hollow", kBleu, kVert, BrushStyle::Clear, PenStyle::Solid, 1},
        {"dotted outline", kBleu, kBleu, BrushStyle::Solid, PenStyle::Dot, 1},
        {"2-pixel pen", kNoir, kVert, BrushStyle::Solid, PenStyle::Solid, 2},
        {"3-pixel dotted pen", kRouge, kRouge, BrushStyle::Clear, PenStyle::Dot, 3},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        AttendMemesPixels([&](DrawingSurface& d) {
            d.SetPenColor(c.stylo);
            d.SetPenStyle(c.styloStyle);
            d.SetBrushColor(c.brosse);
            d.SetBrushStyle(c.brosseStyle);
            d.SetPenWidth(c.largeur);
            for (int tour = 0; tour < 3; ++tour) {
                d.Ellipse(100, 100, 108, 108);
                d.Ellipse(104, 102, 112, 110);  // over the first,
                d.Ellipse(100, 100, 108, 108);  // which comes back on top
                d.Ellipse(200, 100, 230, 120);  // another size
                d.Ellipse(-3, 40, 5, 48);       // partly off the image
                d.Ellipse(698, 496, 706, 504);
                d.Ellipse(120, 196, 128, 204);
                d.Ellipse(120, 196, 124, 230);  // another size at a corner already drawn
            }
            d.MoveTo(110, 200);
            d.LineTo(140, 200);  // in the pen's colour: the run goes on
            for (const auto& [x, y] :
                 {std::pair{300, 300}, {340, 320}, {300, 340}, {300, 340}, {345, 290}, {300, 300}})
                d.LineTo(x, y);  // a closed path with a zero-length step and crossings
            d.Ellipse(120, 196, 128, 204);
            d.TextOut(118, 194, "Fresnel");  // text in its own colours ends the run,
            d.Ellipse(120, 196, 128, 204);   // so that this one comes back over it
            d.SetPenColor(kGris);            // and so does a new pen colour
            d.Ellipse(120, 196, 128, 204);
        });
    }
}

}  // namespace
