#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <functional>

#include "Dessine.h"
#include "PainterSurface.h"
#include "Regles.h"

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

// A text measured once is measured again on a device of another resolution.
TEST(PainterSurface, TextBoxFollowsTheResolutionOfEachDevice) {
    QFont points;
    points.setPointSize(8);
    PainterSurface gardee(points, kTexte, kFond);
    for (const int ppp : {96, 192, 96}) {
        const auto peindre = [&](PainterSurface& s) {
            QImage image(240, 60, QImage::Format_RGB32);
            image.setDotsPerMeterX(static_cast<int>(ppp / 0.0254));
            image.setDotsPerMeterY(static_cast<int>(ppp / 0.0254));
            image.fill(kFond);
            QPainter painter(&image);
            s.Begin(painter);
            s.SetBrushColor(kest::kBleu);
            s.TextOut(10, 10, "Vecteur spatial");
            s.End();
            return image;
        };
        PainterSurface neuve(points, kTexte, kFond);
        const QImage image = peindre(gardee);
        EXPECT_TRUE(image == peindre(neuve)) << ppp;
        // The same pixels as the text shaped and drawn on the spot.
        QImage attendue(image.size(), image.format());
        attendue.setDotsPerMeterX(image.dotsPerMeterX());
        attendue.setDotsPerMeterY(image.dotsPerMeterY());
        attendue.fill(kFond);
        QPainter painter(&attendue);
        QFont police = points;
        police.setStyleStrategy(QFont::NoAntialias);
        painter.setFont(police);
        const QFontMetrics fm(police, &attendue);
        const QString texte = QStringLiteral("Vecteur spatial");
        painter.fillRect(QRect(10, 10, fm.horizontalAdvance(texte), fm.height()), Qt::blue);
        painter.setPen(kTexte);
        painter.drawText(QPoint(10, 10 + fm.ascent()), texte);
        painter.end();
        EXPECT_TRUE(image == attendue) << ppp;
    }
}

TEST(PainterSurface, StartsWithASolidBrushOfTheBackgroundColour) {
    const QColor fond(200, 100, 50);
    PainterSurface s(Police(), kTexte, fond);
    const QImage image = Peindre(s, [](PainterSurface& d) { d.Ellipse(20, 10, 60, 50); });
    EXPECT_EQ(image.pixelColor(40, 30), fond);
    EXPECT_EQ(image.pixelColor(20, 30), QColor(Qt::black));
}

// Hands every call on, but sets the pen colour again after each line and before each ellipse:
// each is then drawn in a run of its own, which is the picture without any skipping.
class UnParUn final : public kest::DrawingSurface {
public:
    explicit UnParUn(PainterSurface& s) : s_(s) {}
    void MoveTo(int x, int y) override { s_.MoveTo(x, y); }
    void LineTo(int x, int y) override {
        s_.LineTo(x, y);
        s_.SetPenColor(stylo_);
    }
    void Ellipse(int x1, int y1, int x2, int y2) override {
        s_.SetPenColor(stylo_);
        s_.Ellipse(x1, y1, x2, y2);
    }
    void TextOut(int x, int y, const std::string& t) override { s_.TextOut(x, y, t); }
    void SetPenColor(kest::Couleur c) override { s_.SetPenColor(stylo_ = c); }
    void SetPenStyle(kest::PenStyle st) override { s_.SetPenStyle(st); }
    void SetPenWidth(int w) override { s_.SetPenWidth(w); }
    void SetBrushColor(kest::Couleur c) override { s_.SetBrushColor(c); }
    void SetBrushStyle(kest::BrushStyle st) override { s_.SetBrushStyle(st); }

private:
    PainterSurface& s_;
    kest::Couleur stylo_ = kest::kNoir;  // the surface's pen starts black
};

// The same calls painted twice on a 700 x 500 image, with and without the skipping of repeated
// ellipses: the two images must not differ by a single pixel.
void AttendMemesPixels(const std::function<void(kest::DrawingSurface&)>& dessin,
                       QImage::Format format = QImage::Format_ARGB32_Premultiplied) {
    QImage images[2];
    for (int sans = 0; sans < 2; ++sans) {
        PainterSurface s(Police(), kTexte, kFond);
        images[sans] = QImage(700, 500, format);
        images[sans].fill(QColor(236, 233, 216));
        QPainter painter(&images[sans]);
        s.Begin(painter);
        UnParUn chacun(s);
        dessin(sans ? static_cast<kest::DrawingSurface&>(chacun) : s);
        s.End();
    }
    ASSERT_EQ(images[0].size(), images[1].size());
    int differents = 0;
    for (int y = 0; y < images[0].height(); ++y)
        for (int x = 0; x < images[0].width(); ++x)
            differents += images[0].pixel(x, y) != images[1].pixel(x, y);
    EXPECT_EQ(differents, 0);
}

kest::State Bobinage(const char* p, const char* m, bool reelle, bool doubleEtoile) {
    kest::State s;
    kest::AppliquerSaisie(s, kest::Saisie{p, m, "3", reelle, doubleEtoile}, ".");
    s.t = 0.0123;
    return s;
}

TEST(PainterSurface, SkippingRepeatedEllipsesKeepsEveryPixelOfTheScene) {
    struct Cas {
        const char* nom;
        kest::State etat;
    };
    for (const Cas& cas :
         {Cas{"default", kest::State{}}, Cas{"p=7, m=13, real", Bobinage("7", "13", true, false)},
          Cas{"p=99, m=99, double star", Bobinage("99", "99", false, true)}}) {
        SCOPED_TRACE(cas.nom);
        AttendMemesPixels([&](kest::DrawingSurface& d) {
            kest::State s = cas.etat;
            kest::Dessine(d, s, kest::Affichage{});
            kest::Dessine(d, s, kest::Affichage{});  // the second paint starts from the first's pen
        });
    }
}

// Runs where a repeated box must be drawn again, or may be skipped, next to other drawings;
// lines of the run's pen that cross, meet, or have no length, in pens of several kinds.
TEST(PainterSurface, RepeatedEllipsesKeepTheirOverdrawOrder) {
    using kest::BrushStyle;
    using kest::PenStyle;
    struct Cas {
        const char* nom;
        kest::Couleur stylo, brosse;
        BrushStyle brosseStyle;
        PenStyle styloStyle;
        int largeur;
    };
    for (const Cas& cas : {
             Cas{"filled, pen and brush alike", kest::kRouge, kest::kRouge, BrushStyle::Solid,
                 PenStyle::Solid, 1},
             Cas{"filled, pen unlike brush", kest::kRouge, kest::kVert, BrushStyle::Solid,
                 PenStyle::Solid, 1},
             Cas{"hollow", kest::kBleu, kest::kVert, BrushStyle::Clear, PenStyle::Solid, 1},
             Cas{"dotted outline", kest::kBleu, kest::kBleu, BrushStyle::Solid, PenStyle::Dot, 1},
             Cas{"2-pixel pen", kest::kNoir, kest::kVert, BrushStyle::Solid, PenStyle::Solid, 2},
             Cas{"3-pixel dotted pen", kest::kRouge, kest::kRouge, BrushStyle::Clear, PenStyle::Dot,
                 3},
         }) {
        SCOPED_TRACE(cas.nom);
        AttendMemesPixels([&](kest::DrawingSurface& d) {
            d.SetPenColor(cas.stylo);
            d.SetPenStyle(cas.styloStyle);
            d.SetBrushColor(cas.brosse);
            d.SetBrushStyle(cas.brosseStyle);
            d.SetPenWidth(cas.largeur);
            for (int tour = 0; tour < 3; ++tour) {
                d.Ellipse(100, 100, 108, 108);
                d.Ellipse(104, 102, 112, 110);  // over the first,
                d.Ellipse(100, 100, 108, 108);  // which comes back on top
                d.Ellipse(200, 100, 230, 120);  // another size
                d.Ellipse(-3, 40, 5, 48);       // partly off the image
                d.Ellipse(698, 496, 706, 504);
                d.Ellipse(120, 196, 128, 204);
            }
            d.MoveTo(110, 200);
            d.LineTo(140, 200);  // in the pen's colour: the run goes on
            for (const auto& [x, y] :
                 {std::pair{300, 300}, {340, 320}, {300, 340}, {300, 340}, {345, 290}, {300, 300}})
                d.LineTo(x, y);  // a closed path with a zero-length step and crossings
            d.Ellipse(120, 196, 128, 204);
            d.TextOut(118, 194, "Fresnel");  // text in its own colours ends the run,
            d.Ellipse(120, 196, 128, 204);   // so that this one comes back over it
        });
    }
}

TEST(PainterSurface, SkippingAlsoHoldsOnAnOpaqueImage) {
    AttendMemesPixels(
        [](kest::DrawingSurface& d) {
            kest::State s = Bobinage("40", "60", false, true);
            kest::Dessine(d, s, kest::Affichage{});
        },
        QImage::Format_RGB32);
}

}  // namespace
