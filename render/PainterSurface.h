#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPen>
#include <QPoint>
#include <QStaticText>
#include <cstdint>
#include <string>
#include <vector>

#include "DrawingSurface.h"

namespace kest {

// The drawing surface on a QPainter: the window's own (it lives as long as the window, so
// pen, brush and text settings carry over from one paint to the next), and the SVG and PNG
// renderings of the clipboard copy. Between two paints the settings are kept here; Begin()
// attaches the painter of the current paint and End() detaches it.
class PainterSurface : public DrawingSurface {
public:
    // The initial settings: the font, the text colour and a solid brush of the given colour;
    // the pen starts black, solid, 1 pixel wide.
    PainterSurface(const QFont& font, QColor texte, QColor fond);

    void Begin(QPainter& painter);
    void End();

    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void TextOut(int x, int y, const std::string& text) override;
    void SetPenColor(Couleur c) override;
    void SetPenStyle(PenStyle s) override;
    void SetPenWidth(int w) override;
    void SetBrushColor(Couleur c) override;
    void SetBrushStyle(BrushStyle s) override;

private:
    struct Texte {
        std::string utf8;
        int ppp;  // the device's logical pixels per inch, which the metrics depend on
        QStaticText statique;
        int largeur, hauteur;
    };
    const Texte& Mesure(const std::string& text);
    void AppliquerStylo();
    QPen NouveauStylo() const;
    void AppliquerBrosse();
    bool DejaPeinte(int x1, int y1, int x2, int y2);
    void NouvelleSerie();

    QPainter* painter_ = nullptr;  // only between Begin() and End()
    QFont font_;
    QColor texte_;
    QPoint position_;
    QColor stylo_ = Qt::black;
    PenStyle styloStyle_ = PenStyle::Solid;
    int largeur_ = 1;
    QColor brosse_;
    BrushStyle brosseStyle_ = BrushStyle::Solid;

    struct StyloFait {
        QColor couleur;
        PenStyle style;
        int largeur;
        QPen pen;
    };
    std::vector<StyloFait> stylos_;
    std::vector<Texte> textes_;

    // The boxes of the current run of ellipses: at large windings thousands of conductors fall
    // on the same pixels, and an opaque one-colour ellipse drawn again changes nothing. A run
    // ends at any setting or text, so that the overdraw order of the colours is kept.
    bool raster_ = false;  // hard pixels: a second identical ellipse repaints the same pixels
    int largeurDevice_ = 0, hauteurDevice_ = 0;
    std::int64_t largeurBoite_ = 0, hauteurBoite_ = 0;  // the box size marked in this run
    std::vector<std::uint8_t> marques_;                 // by top-left corner, one per device pixel
    std::vector<std::size_t> marquees_;  // the marked corners, cleared at the run's end
};

// 0x00BBGGRR -> QColor.
QColor VersQColor(Couleur c);

}  // namespace kest
