// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QRegularExpression>
#include <QScreen>
#include <QSvgRenderer>
#include <algorithm>
#include <climits>
#include <tuple>

#include "app/Copier.h"
#include "model/Erreur.h"
#include "model/Regles.h"
#include "render/EmfSurface.h"
#include "scene/Dessine.h"
#include "tests/support/LectureEmf.h"
#include "tests/support/RecordingSurface.h"

namespace {

using namespace kest;
using test::Op;

const Ecran k1024{320, 240, 1024, 768};
const QSize k700(700, 500);
const char* const kTypesEmf[] = {"image/x-emf", "image/emf",
                                 "application/x-openoffice-emf;windows_formatname=\"Image EMF\""};

QClipboard& PressePapiers() { return *QGuiApplication::clipboard(); }

test::Emf LitOctets(const QByteArray& o) {
    return test::LitEmf(std::string_view(o.constData(), std::size_t(o.size())));
}

void AttendMemesAppels(const std::vector<test::Appel>& emf, const std::vector<test::Appel>& ref) {
    ASSERT_EQ(emf.size(), ref.size());
    for (std::size_t i = 0; i < ref.size(); ++i)
        ASSERT_TRUE(test::MemeAppel(emf[i], ref[i])) << "call " << i << " op " << int(ref[i].op);
}

auto Champs(const State& s) {
    return std::tuple(s.p, s.m, s.NbEncoches, s.Echelle, s.Y, s.Imax, s.Omega, s.Gain, s.Alpha, s.t,
                      s.AmplTotale, s.AmplPhase, s.Reelle, s.DoubleEtoile, s.I[0], s.I[1], s.I[2],
                      s.F[0], s.F[1], s.F[2]);
}

TEST(MulDivArrondi, RoundsToNearestHalvesAwayFromZero) {
    const struct {
        int a, b, c;
        std::optional<int> attendu;
    } cas[] = {
        {1, 1, 2, 1},
        {-1, 1, 2, -1},
        {3, 1, -2, -2},
        {INT_MAX, 2, 2, INT_MAX},  // the product is not an int
        {INT_MAX, 2, 1, std::nullopt},
        {5, 7, 0, std::nullopt},
    };
    for (const auto& k : cas)
        EXPECT_EQ(MulDivArrondi(k.a, k.b, k.c), k.attendu) << k.a << "*" << k.b << "/" << k.c;
}

TEST(EmfSurface, InitialSettingsTextBackgroundAndObjects) {
    QByteArray o;
    {
        EmfSurface e(k700, k1024, 96, 0x123456);
        e.TextOut(1, 2, "é€𝄞");  // two-, three- and four-byte UTF-8
        e.SetBrushStyle(BrushStyle::Clear);
        e.SetBrushColor(0x00FF00);
        e.SetTextColor(kRouge);
        e.TextOut(3, 4, "x");
        e.Ellipse(0, 0, 9, 9);
        e.SetBrushStyle(BrushStyle::Solid);
        e.SetPenStyle(PenStyle::Dot);
        e.SetPenColor(kGris);
        e.Ellipse(1, 1, 8, 8);
        e.MoveTo(2, 3);
        e.SetPenColor(kRouge);  // a new pen between a MoveTo and its LineTo
        e.LineTo(6, 7);
        o = e.Ferme();
        e.LineTo(5, 5);  // after closing: ignored
        EXPECT_THROW(e.Ferme(), Erreur);
    }
    const test::Emf e = LitOctets(o);
    ASSERT_TRUE(e.valide);
    EXPECT_EQ(e.hauteurPolice, -11);  // 8 points at 96 per inch
    EXPECT_EQ(e.nomPolice, "MS Sans Serif");
    EXPECT_EQ(e.objetsRestants, 0);
    using B = test::Brosse;
    const test::Stylo noir{kNoir, PenStyle::Solid, 1}, gris{kGris, PenStyle::Dot, 1};
    AttendMemesAppels(
        e.appels,
        {
            {Op::TextOut, 1, 2, 0, 0, "é€𝄞", noir, B{0xFFFFFF, BrushStyle::Solid}, 0, 0, 0x123456},
            {Op::TextOut, 3, 4, 0, 0, "x", noir, B{0, BrushStyle::Clear}, 0, 0, kRouge},
            {Op::Ellipse, 0, 0, 9, 9, {}, noir, B{0, BrushStyle::Clear}},
            {Op::Ellipse, 1, 1, 8, 8, {}, gris, B{0x00FF00, BrushStyle::Solid}},
            {Op::MoveTo, 2, 3, 0, 0, {}, {}, {}},
            {Op::MoveTo, 2, 3, 0, 0, {}, {}, {}},  // again after the pen: readers split paths there
            {Op::LineTo, 6, 7, 0, 0, {}, {kRouge, PenStyle::Dot, 1}, {}, 2, 3},
        });
}

// Each copy in turn replaces the previous one whole. Its EMF is the scene the window draws for
// the same state and views, whichever views are off; its frame is in hundredths of a millimetre
// of the given screen, and its reference device is that same screen. Only I and F change.
TEST(Copier, PictureIsTheSceneOfTheWindowOnTheGivenScreen) {
    State etoile;
    AppliquerSaisie(etoile, {"2", "1", "2.5", false, true}, ".");
    for (int i = 0; i < 7; ++i) AvancerTemps(etoile);
    const Affichage tout{}, rien{false, false, false}, bobinage{false, false, true};
    const Ecran k1920{527, 296, 1920, 1080};
    const struct {
        const char* nom;
        State s;
        Affichage a;
        Ecran ecran;
        QSize taille;
        int w, h;
    } cas[] = {
        {"defaut", State{}, tout, k1024, k700, 21875, 15625},
        {"defaut sans rien", State{}, rien, k1920, k700, 19214, 13704},
        {"double etoile", etoile, tout, k1920, QSize(800, 600), 21958, 16444},
        {"double etoile, bobinage seul", etoile, bobinage, k1024, k700, 21875, 15625},
    };
    std::size_t appelsTout = 0;
    for (const auto& k : cas) {
        SCOPED_TRACE(k.nom);
        State copie = k.s, fenetre = k.s;
        test::RecordingSurface r;
        Dessine(r, fenetre, k.a);
        Copier(copie, k.a, k.taille, k.ecran, PressePapiers());
        EXPECT_EQ(Champs(copie), Champs(fenetre));

        const QMimeData& m = *PressePapiers().mimeData();
        EXPECT_EQ(m.formats().size(), 5);
        for (const char* type : kTypesEmf) EXPECT_EQ(m.data(type), m.data(kTypesEmf[0])) << type;
        const test::Emf e = LitOctets(m.data(kTypesEmf[0]));
        ASSERT_TRUE(e.valide);
        EXPECT_EQ(std::tuple(e.typeEntete, e.signature, e.objetsRestants),
                  std::tuple(1u, " EMF", 0));
        EXPECT_EQ(std::vector<int>(e.cadre, e.cadre + 4), (std::vector<int>{0, 0, k.w, k.h}));
        EXPECT_EQ(std::vector<int>(e.bornes, e.bornes + 4),
                  (std::vector<int>{0, 0, k.taille.width(), k.taille.height()}));
        const Ecran& c = k.ecran;
        EXPECT_EQ(std::tuple(e.pixels[0], e.pixels[1], e.millimetres[0], e.millimetres[1],
                             e.micrometres[0], e.micrometres[1]),
                  std::tuple(c.largeurPx, c.hauteurPx, c.largeurMm, c.hauteurMm, c.largeurMm * 1000,
                             c.hauteurMm * 1000));
        AttendMemesAppels(e.appels, r.appels);
        // One pen object per pen of the picture, however often the colour changes.
        std::vector<test::Stylo> stylos{test::Stylo{kNoir, PenStyle::Solid, 1}};
        for (const test::Appel& a : r.appels)
            if (a.op != Op::TextOut &&
                std::find(stylos.begin(), stylos.end(), a.stylo) == stylos.end())
                stylos.push_back(a.stylo);
        EXPECT_EQ(std::count(e.types.begin(), e.types.end(), 38u), std::ptrdiff_t(stylos.size()));
        // Every line continues a path: no object selection between it and its starting point.
        for (std::size_t i = 1; i < e.types.size(); ++i)
            EXPECT_TRUE(e.types[i] != 54 || e.types[i - 1] == 27 || e.types[i - 1] == 54) << i;
        if (k.a.Bobinage && k.a.Onde && k.a.Vecteurs) appelsTout = e.appels.size();
        if (!k.a.Bobinage && !k.a.Onde && !k.a.Vecteurs) {
            EXPECT_LT(e.appels.size(), appelsTout);
        }
    }
    // The figures of the real screen make a copy too.
    EXPECT_NO_THROW(Copier(etoile, {}, k700, EcranCourant(), PressePapiers()));
}

TEST(Copier, SvgAndPngOfTheOuterSize) {
    for (const QSize taille : {k700, QSize(640, 480)}) {
        State s;
        Copier(s, {}, taille, k1024, PressePapiers());
        const QMimeData& m = *PressePapiers().mimeData();
        QSvgRenderer svg(m.data("image/svg+xml"));
        ASSERT_TRUE(svg.isValid());
        EXPECT_EQ(svg.viewBoxF(), QRectF(QPointF(0, 0), taille));
        // The size is written in mm at the screen's logical resolution (Qt's own renderer reads
        // mm at 90 per inch, so its defaultSize() is not the reader's pixel size).
        const double ppi = QGuiApplication::primaryScreen()->logicalDotsPerInchY();
        const QRegularExpression mm(QStringLiteral("width=\"([0-9.]+)mm\" height=\"([0-9.]+)mm\""));
        const auto lu = mm.match(QString::fromUtf8(m.data("image/svg+xml")));
        ASSERT_TRUE(lu.hasMatch());
        EXPECT_NEAR(lu.captured(1).toDouble() * ppi / 25.4, taille.width(), 0.5);
        EXPECT_NEAR(lu.captured(2).toDouble() * ppi / 25.4, taille.height(), 0.5);
        const QImage png = QImage::fromData(m.data("image/png"), "PNG");
        ASSERT_EQ(png.size(), taille);
        // Nothing drawn in the corner: transparent; the label "Fresnel" on its white box.
        EXPECT_EQ(png.pixelColor(taille.width() - 2, taille.height() - 2).alpha(), 0);
        EXPECT_EQ(png.pixelColor(386, 170), QColor(Qt::white));
    }
}

TEST(Copier, FailureLeavesTheClipboardAsItWas) {
    for (const Ecran& ecran :
         {Ecran{320, 240, 0, 768}, {0, 240, 1024, 768}, {INT_MAX, 240, 1024, 768}}) {
        PressePapiers().setText(QStringLiteral("avant"));
        State s;
        try {
            Copier(s, {}, k700, ecran, PressePapiers());
            ADD_FAILURE() << "no error";
        } catch (const Erreur& e) {
            EXPECT_EQ(e.message(), "Ressources système insuffisantes");
        }
        EXPECT_EQ(PressePapiers().mimeData()->formats(), QStringList{"text/plain"});
        EXPECT_EQ(PressePapiers().text(), QStringLiteral("avant"));
    }
}

}  // namespace
