#include "Copier.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <QPalette>
#include <QScreen>
#include <QSvgGenerator>
#include <cmath>
#include <initializer_list>
#include <memory>
#include <new>
#include <vector>

#include "EmfSurface.h"
#include "Erreur.h"
#include "PainterSurface.h"

namespace kest {

namespace {

const char* const kRessources = "Ressources système insuffisantes";

// The names under which Linux programs look for a metafile on the clipboard.
const char* const kTypesEmf[] = {
    "image/x-emf",
    "image/emf",
    "application/x-openoffice-emf;windows_formatname=\"Image EMF\"",
};

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

private:
    template <typename F, typename... A>
    void Pour(F f, const A&... a) {
        for (DrawingSurface* s : cibles_) (s->*f)(a...);
    }
    std::vector<DrawingSurface*> cibles_;
};

// The screen's logical pixels per inch, which size the 8-point font.
int PixelsParPouce() {
    const QScreen* ecran = QGuiApplication::primaryScreen();
    const double ppi = ecran ? ecran->logicalDotsPerInchY() : 0.0;
    return ppi >= 1.0 && ppi < 10000.0 ? static_cast<int>(std::lround(ppi)) : 96;
}

Couleur VersCouleur(QColor c) {
    return static_cast<Couleur>(c.red()) | static_cast<Couleur>(c.green()) << 8 |
           static_cast<Couleur>(c.blue()) << 16;
}

QByteArray EnPng(const QImage& image) {
    QByteArray octets;
    QBuffer tampon(&octets);
    // Qt's PNG quality 80 is zlib's fastest level: the flat picture still packs to a few tens
    // of kilobytes, and the copy takes a quarter less time than at the default level.
    if (!tampon.open(QIODevice::WriteOnly) || !image.save(&tampon, "PNG", 80))
        throw Erreur(kRessources);
    return octets;
}

// One run of Dessine recorded as EMF, SVG and PNG; nothing reaches the clipboard here.
std::unique_ptr<QMimeData> Enregistre(State& s, Affichage affichage, QSize taille,
                                      const Ecran& ecran) {
    const int ppi = PixelsParPouce();
    const QColor texte = QGuiApplication::palette().color(QPalette::WindowText);
    EmfSurface emf(taille, ecran, ppi, VersCouleur(texte));

    QFont police(QStringLiteral("MS Sans Serif"));
    police.setPixelSize(MulDivArrondi(8, ppi, 72).value_or(11));
    QBuffer svgOctets;
    svgOctets.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&svgOctets);
    svg.setSize(taille);
    svg.setViewBox(QRect(QPoint(0, 0), taille));
    // Its physical size is the outer size at the screen's logical resolution: 96 per inch is
    // the SVG reader's own pixel, so a standard screen gives it 700 × 500 px.
    svg.setResolution(ppi);
    // Transparent where the scene draws nothing, as in the metafile.
    QImage png(taille, QImage::Format_ARGB32_Premultiplied);
    if (png.isNull()) throw Erreur(kRessources);
    png.fill(Qt::transparent);
    {
        QPainter peintreSvg(&svg);
        QPainter peintrePng(&png);
        PainterSurface surfaceSvg(police, texte, Qt::white);
        PainterSurface surfacePng(police, texte, Qt::white);
        surfaceSvg.Begin(peintreSvg);
        surfacePng.Begin(peintrePng);
        Diffusion tout{&emf, &surfaceSvg, &surfacePng};
        Dessine(tout, s, affichage);
        surfaceSvg.End();
        surfacePng.End();
    }  // the painters end here, which writes out the SVG

    const QByteArray octetsEmf = emf.Ferme();
    auto donnees = std::make_unique<QMimeData>();
    for (const char* type : kTypesEmf) donnees->setData(QString::fromLatin1(type), octetsEmf);
    donnees->setData(QStringLiteral("image/svg+xml"), svgOctets.data());
    donnees->setData(QStringLiteral("image/png"), EnPng(png));
    return donnees;
}

}  // namespace

Ecran EcranCourant() {
    // Without figures from the system, a screen of 96 pixels per inch.
    const auto mm = [](int px) { return static_cast<int>(std::lround(px * 25.4 / 96.0)); };
    Ecran e{mm(1024), mm(768), 1024, 768};
    const QScreen* ecran = QGuiApplication::primaryScreen();
    if (!ecran) return e;
    const QSize px = ecran->geometry().size();
    if (px.width() > 0 && px.height() > 0)
        e = Ecran{mm(px.width()), mm(px.height()), px.width(), px.height()};
    const QSizeF physique = ecran->physicalSize();
    const auto sain = [](double v) { return v >= 0.5 && v < 100000.0; };  // false for NaN
    if (sain(physique.width()) && sain(physique.height())) {
        e.largeurMm = static_cast<int>(std::lround(physique.width()));
        e.hauteurMm = static_cast<int>(std::lround(physique.height()));
    }
    return e;
}

void Copier(State& s, Affichage affichage, QSize tailleExterieure, const Ecran& ecran,
            QClipboard& clipboard) {
    std::unique_ptr<QMimeData> donnees;
    try {
        donnees = Enregistre(s, affichage, tailleExterieure, ecran);
    } catch (const std::bad_alloc&) {
        throw Erreur(kRessources);
    }
    // Qt reports no failure to take the clipboard; what shows it is that the clipboard does not
    // give back our data (on X11 another client kept the selection). The data then stays with
    // Qt, which frees it at the next change of the clipboard.
    const QMimeData* pose = donnees.get();
    clipboard.setMimeData(donnees.release(), QClipboard::Clipboard);
    if (clipboard.mimeData(QClipboard::Clipboard) != pose)
        throw Erreur("Impossible d'ouvrir le Presse-papiers");
}

}  // namespace kest
