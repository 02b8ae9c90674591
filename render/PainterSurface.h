// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QLine>
#include <QPainter>
#include <QPen>
#include <QPoint>
#include <QStaticText>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "render/EllipsesRepetees.h"
#include "scene/DrawingSurface.h"

namespace kest {

// The drawing surface on a QPainter: the window's own (it lives as long as the window, so
// pen, brush and text settings carry over from one paint to the next), and the SVG and PNG
// renderings of the clipboard copy. An Attache binds it to the painter of one paint.
//
// The calls of a paint are kept in a short list and handed to the painter when the paint ends:
// the scene's trigonometry then runs in one stretch, without the graphics library's vector
// code between its sines (see RegistresVectorielsPropres), and the painter gets only the
// settings that change something. On hard pixels, repeated one-colour ellipses are left out
// and the one-pixel lines of one solid pen go to the painter together, with the same pixels.
class PainterSurface : public DrawingSurface {
public:
    // The initial settings: the font, the text colour and a solid brush of the given colour;
    // the pen starts black, solid, 1 pixel wide.
    PainterSurface(const QFont& police, QColor texte, QColor fond);

    // One paint: the surface draws on `peintre` from here until the end of the scope, when
    // the calls it received reach the painter.
    class Attache {
    public:
        Attache(PainterSurface& surface, QPainter& peintre) : surface_(surface) {
            surface_.Begin(peintre);
        }
        ~Attache() { surface_.End(); }
        Attache(const Attache&) = delete;
        Attache& operator=(const Attache&) = delete;

    private:
        PainterSurface& surface_;
    };

    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void TextOut(int x, int y, const std::string& text) override;
    void SetPenColor(Couleur c) override;
    void SetPenStyle(PenStyle s) override;
    void SetPenWidth(int w) override;
    void SetBrushColor(Couleur c) override;
    void SetBrushStyle(BrushStyle s) override;
    void SetTextColor(Couleur c) override;

private:
    void Begin(QPainter& peintre);
    void End() noexcept;

    struct Texte {
        std::string utf8;
        int ppp;  // the device's logical pixels per inch, which the metrics depend on
        QStaticText statique;
        int largeur, hauteur;
    };
    std::size_t Mesure(const std::string& text);
    void ChoisirStylo();
    QPen NouveauStylo() const;
    void ChoisirBrosse();

    // One call of the paint, as the painter will get it.
    enum class Ordre : std::uint8_t { Ligne, Ellipse, Texte, Stylo, Brosse };
    struct Appel {
        Ordre ordre;
        // Ligne, Ellipse: the two points; Texte: index, x, y, colour's index; Stylo, Brosse: index
        int a, b, c, d;
    };
    void Note(Ordre ordre, int a, int b = 0, int c = 0, int d = 0);

    // Handing the list to the painter, call by call.
    void Rejoue() noexcept;
    void RejoueStylo(const Appel& a) noexcept;
    void RejoueLigne(const Appel& a) noexcept;
    bool RemplitLigne(const Appel& a) noexcept;
    void RejoueEllipse(const Appel& a) noexcept;
    void RejoueTexte(const Appel& a) noexcept;
    void MetStylo() noexcept;
    void VideLignes() noexcept;
    // While the list is handed over: the pen and brush it asks for, those the painter holds,
    // and the one-pixel lines waiting to go over together (when the pen allows grouping).
    struct Remise {
        std::size_t styloVoulu, styloMis, brosseVoulue, brosseMise;
        int enAttente;
        bool groupe;
    };
    Remise remise_{};

    QPainter* peintre_ = nullptr;  // only while an Attache binds it
    bool raster_ = false;          // hard pixels, where skipping keeps every pixel
    bool pixelsDirects_ =
        false;  // and no scaling (whole-pixel shifts only): lines grouped or filled
    int ppp_ = 0;
    QFont police_;
    QColor texte_;
    QPoint position_;
    QRgb stylo_ = 0xFF000000u;  // opaque black
    PenStyle styloStyle_ = PenStyle::Solid;
    int largeur_ = 1;
    QRgb brosse_;
    BrushStyle brosseStyle_ = BrushStyle::Solid;

    // Each pen and brush is made once: the sweep changes colour at every dash, hundreds of
    // times a paint, among a handful of pens.
    struct StyloFait {
        QRgb couleur;
        PenStyle style;
        int largeur;
        QPen pen;
        QColor teinte;
    };
    struct BrosseFaite {
        QRgb couleur;
        BrushStyle style;
        QBrush brush;
        QColor teinte;
    };
    std::vector<StyloFait> stylos_;
    std::vector<BrosseFaite> brosses_;
    std::size_t styloNote_ = 0, brosseNote_ = 0;  // in force at the end of the list so far
    std::vector<Texte> textes_;
    std::vector<QColor> teintesTexte_;  // the text colours of this paint's list

    std::vector<Appel> appels_;      // this paint's, kept with their capacity
    std::array<QLine, 128> lignes_;  // a group of lines handed over at once
    EllipsesRepetees ellipses_;
};

// 0x00BBGGRR -> QColor.
QColor VersQColor(Couleur c);

}  // namespace kest
