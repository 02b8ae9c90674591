// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/Enregistrement.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>
#include <initializer_list>
#include <optional>
#include <vector>

#include "model/Erreur.h"
#include "render/Agrandissement.h"
#include "render/EmfSurface.h"
#include "render/PainterSurface.h"
#include "scene/Dessine.h"

namespace kest {

namespace {

// Hands every call of one run of Dessine to several surfaces, so that the metafile, the SVG and
// the PNG show the very same instant.
class Diffusion final : public DrawingSurface {
public:
    Diffusion(std::initializer_list<DrawingSurface*> cibles) : cibles_(cibles) {}

    void MoveTo(int x, int y) override { Pour(&DrawingSurface::MoveTo, x, y); }
    void LineTo(int x, int y) override { Pour(&DrawingSurface::LineTo, x, y); }
    void Ellipse(int x1, int y1, int x2, int y2) override {
        Pour(&DrawingSurface::Ellipse, x1, y1, x2, y2);
    }
    void TextOut(int x, int y, const std::string& t) override {
        Pour(&DrawingSurface::TextOut, x, y, t);
    }
    void SetPenColor(Couleur c) override { Pour(&DrawingSurface::SetPenColor, c); }
    void SetPenStyle(PenStyle s) override { Pour(&DrawingSurface::SetPenStyle, s); }
    void SetPenWidth(int w) override { Pour(&DrawingSurface::SetPenWidth, w); }
    void SetBrushColor(Couleur c) override { Pour(&DrawingSurface::SetBrushColor, c); }
    void SetBrushStyle(BrushStyle s) override { Pour(&DrawingSurface::SetBrushStyle, s); }
    void SetTextColor(Couleur c) override { Pour(&DrawingSurface::SetTextColor, c); }

private:
    template <typename F, typename... A>
    void Pour(F f, const A&... a) {
        for (DrawingSurface* s : cibles_) (s->*f)(a...);
    }
    std::vector<DrawingSurface*> cibles_;
};

Couleur VersCouleur(QColor c) {
    return static_cast<Couleur>(c.red()) | static_cast<Couleur>(c.green()) << 8 |
           static_cast<Couleur>(c.blue()) << 16;
}

}  // namespace

QByteArray EnPng(const QImage& image) {
    QByteArray octets;
    QBuffer tampon(&octets);
    // Qt's PNG quality 80 is zlib's fastest level: the flat picture still packs to a few tens
    // of kilobytes, and the copy takes a quarter less time than at the default level.
    if (!tampon.open(QIODevice::WriteOnly) || !image.save(&tampon, "PNG", 80))
        throw Erreur(RessourcesInsuffisantes());
    return octets;
}

QColor BrosseInitiale(const Rendu& rendu) {
    return rendu.fond.alpha() == 255 ? rendu.fond : QColor(Qt::white);
}

Enregistrement Enregistre(State& etat, Affichage affichage, QSize taille, const Ecran& ecran,
                          int ppi, QColor texte, const Rendu& rendu) {
    return EnregistreFigure([&](DrawingSurface& d) { Dessine(d, etat, affichage); }, taille, ecran,
                            ppi, texte, rendu);
}

Enregistrement EnregistreFigure(const std::function<void(DrawingSurface&)>& dessin, QSize taille,
                                const Ecran& ecran, int ppi, QColor texte, const Rendu& rendu) {
    if (rendu.agrandissement < 1 || rendu.agrandissement > 8 || taille.isEmpty())
        throw Erreur(RessourcesInsuffisantes());
    std::optional<EmfSurface> emf;
    if (rendu.vecteurs) emf.emplace(taille, ecran, ppi, VersCouleur(texte));

    QFont police(QString::fromLatin1(kFacePolice));
    police.setPixelSize(HauteurPolice(ppi).value_or(11));
    QBuffer svgOctets;
    svgOctets.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&svgOctets);
    svg.setSize(taille);
    svg.setViewBox(QRect(QPoint(0, 0), taille));
    // Its physical size is the outer size at the screen's logical resolution: 96 per inch is
    // the SVG reader's own pixel, so a standard screen gives it 700 × 500 px.
    svg.setResolution(ppi);
    Enregistrement r;
    r.png = QImage(taille * rendu.agrandissement, QImage::Format_ARGB32_Premultiplied);
    if (r.png.isNull()) throw Erreur(RessourcesInsuffisantes());
    r.png.fill(rendu.fond);
    {
        std::optional<QPainter> peintreSvg;
        if (rendu.vecteurs) peintreSvg.emplace(&svg);
        QPainter peintrePng(&r.png);
        Agrandit(peintrePng, rendu.agrandissement);
        PainterSurface surfaceSvg(police, texte, Qt::white);
        PainterSurface surfacePng(police, texte, BrosseInitiale(rendu));
        std::optional<PainterSurface::Attache> attacheSvg;
        if (peintreSvg) attacheSvg.emplace(surfaceSvg, *peintreSvg);
        const PainterSurface::Attache attachePng(surfacePng, peintrePng);
        if (emf) {
            Diffusion tout{&*emf, &surfaceSvg, &surfacePng};
            dessin(tout);
        } else {
            dessin(surfacePng);
        }
    }  // the painters end here, which writes out the SVG

    if (emf) r.emf = emf->Ferme();
    if (rendu.vecteurs) r.svg = svgOctets.data();
    return r;
}

}  // namespace kest
