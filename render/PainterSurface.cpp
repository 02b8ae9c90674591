// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/PainterSurface.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QRect>
#include <QRectF>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <utility>

namespace kest {

namespace {
constexpr std::size_t kAucun = std::numeric_limits<std::size_t>::max();
}

namespace {
// 0x00BBGGRR -> opaque 0xAARRGGBB: compared as one integer while the scene sets its colours.
constexpr QRgb VersQRgb(Couleur c) {
    return 0xFF000000u | (c & 0xFFu) << 16 | (c & 0xFF00u) | (c >> 16 & 0xFFu);
}
}  // namespace

QColor VersQColor(Couleur c) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

PainterSurface::PainterSurface(const QFont& font, QColor texte, QColor fond)
    : font_(font), texte_(texte), brosse_(fond.rgba()) {
    // Text in plain pixels of the text colour, like the rest of the picture.
    font_.setStyleStrategy(QFont::NoAntialias);
}

void PainterSurface::Begin(QPainter& painter) {
    painter_ = &painter;
    // Hard pixels, as the picture's integer coordinates were laid out for.
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->setFont(font_);
    painter_->setBackgroundMode(Qt::TransparentMode);
    // Only hard pixels are skipped or grouped; a vector recording keeps every call.
    const QPaintEngine* moteur = painter.paintEngine();
    raster_ = moteur && moteur->type() == QPaintEngine::Raster;
    // A widget below the menu bar paints through a whole-pixel shift: still one device pixel
    // for each logical one.
    const QTransform t = painter.deviceTransform();
    pixelsDirects_ = raster_ && t.type() <= QTransform::TxTranslate &&
                     t.dx() == std::trunc(t.dx()) && t.dy() == std::trunc(t.dy());
    const QPaintDevice* device = painter.device();
    ppp_ = device ? device->logicalDpiY() : 96;
    ellipses_.Dimensionne(raster_ && device ? device->width() : 0,
                          raster_ && device ? device->height() : 0);
    // A caller of many colours or texts: start again, between paints, where no list refers to
    // them.
    if (stylos_.size() >= 64) stylos_.clear();
    if (brosses_.size() >= 64) brosses_.clear();
    if (textes_.size() >= 16) textes_.clear();
    commandes_.clear();
    styloNote_ = brosseNote_ = kAucun;
    ChoisirStylo();
    ChoisirBrosse();
}

void PainterSurface::End() noexcept {
    if (!painter_) return;
    Rejoue();
    ellipses_.FinDeSerie();
    commandes_.clear();
    painter_ = nullptr;
}

void PainterSurface::Note(Ordre ordre, int a, int b, int c, int d) {
    commandes_.push_back({ordre, a, b, c, d});
}

void PainterSurface::MoveTo(int x, int y) { position_ = QPoint(x, y); }

void PainterSurface::LineTo(int x, int y) {
    if (painter_) Note(Ordre::Ligne, position_.x(), position_.y(), x, y);
    position_ = QPoint(x, y);
}

void PainterSurface::Ellipse(int x1, int y1, int x2, int y2) {
    if (!painter_) return;
    // With hard pixels and a transparent background, every pixel that such an ellipse or a
    // line of the run touches takes the one opaque pen colour, whatever lies below: the
    // picture is the union of what the run drew, and a repeated box adds nothing to it.
    const bool uneCouleur = brosseStyle_ == BrushStyle::Clear || brosse_ == stylo_;
    if (raster_ && uneCouleur && ellipses_.DejaDessinee(x1, y1, x2, y2)) return;
    Note(Ordre::Ellipse, x1, y1, x2, y2);
}

void PainterSurface::TextOut(int x, int y, const std::string& text) {
    ellipses_.FinDeSerie();
    if (painter_) Note(Ordre::Texte, static_cast<int>(Mesure(text)), x, y);
}

std::size_t PainterSurface::Mesure(const std::string& text) {
    // The two labels come back at every paint: measured and laid out once for the device's
    // resolution, the same glyphs at the same places as drawText would shape every time.
    for (std::size_t i = 0; i < textes_.size(); ++i)
        if (textes_[i].utf8 == text && textes_[i].ppp == ppp_) return i;
    const QString chaine = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const QFontMetrics fm(font_, painter_->device());
    QStaticText statique(chaine);
    statique.setTextFormat(Qt::PlainText);
    textes_.push_back(Texte{text, ppp_, statique, fm.horizontalAdvance(chaine), fm.height()});
    return textes_.size() - 1;
}

void PainterSurface::SetPenColor(Couleur c) {
    stylo_ = VersQRgb(c);
    ChoisirStylo();
}

void PainterSurface::SetPenStyle(PenStyle s) {
    styloStyle_ = s;
    ChoisirStylo();
}

void PainterSurface::SetPenWidth(int w) {
    largeur_ = w;
    ChoisirStylo();
}

void PainterSurface::SetBrushColor(Couleur c) {
    brosse_ = VersQRgb(c);
    ChoisirBrosse();
}

void PainterSurface::SetBrushStyle(BrushStyle s) {
    brosseStyle_ = s;
    ChoisirBrosse();
}

void PainterSurface::ChoisirStylo() {
    if (!painter_) return;
    const auto memeStylo = [this](const StyloFait& f) {
        return f.couleur == stylo_ && f.style == styloStyle_ && f.largeur == largeur_;
    };
    auto fait = std::find_if(stylos_.begin(), stylos_.end(), memeStylo);
    if (fait == stylos_.end())
        fait = stylos_.insert(stylos_.end(), {stylo_, styloStyle_, largeur_, NouveauStylo(),
                                              QColor::fromRgba(stylo_)});
    const auto i = static_cast<std::size_t>(fait - stylos_.begin());
    if (i == styloNote_) return;  // the same pen again: the run of ellipses goes on
    ellipses_.FinDeSerie();
    Note(Ordre::Stylo, static_cast<int>(i));
    styloNote_ = i;
}

QPen PainterSurface::NouveauStylo() const {
    QPen pen(QColor::fromRgba(stylo_));
    pen.setStyle(styloStyle_ == PenStyle::Dot ? Qt::DotLine : Qt::SolidLine);
    // A 1-pixel line leaves out its end pixel, so a polyline never paints a joint twice;
    // wider lines get round ends and joins, which keeps the thick vectors' tips full.
    if (largeur_ <= 1) {
        pen.setWidth(1);
        pen.setCapStyle(Qt::FlatCap);
    } else {
        pen.setWidth(largeur_);
        pen.setCapStyle(Qt::RoundCap);
    }
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void PainterSurface::ChoisirBrosse() {
    if (!painter_) return;
    const auto memeBrosse = [this](const BrosseFaite& f) {
        return f.couleur == brosse_ && f.style == brosseStyle_;
    };
    auto faite = std::find_if(brosses_.begin(), brosses_.end(), memeBrosse);
    if (faite == brosses_.end()) {
        const QBrush brush = brosseStyle_ == BrushStyle::Solid ? QBrush(QColor::fromRgba(brosse_))
                                                               : QBrush(Qt::NoBrush);
        faite = brosses_.insert(brosses_.end(),
                                {brosse_, brosseStyle_, brush, QColor::fromRgba(brosse_)});
    }
    const auto i = static_cast<std::size_t>(faite - brosses_.begin());
    if (i == brosseNote_) return;
    ellipses_.FinDeSerie();
    Note(Ordre::Brosse, static_cast<int>(i));
    brosseNote_ = i;
}

void PainterSurface::TraceLignes(int n) noexcept {
    if (n > 0) painter_->drawLines(lignes_.data(), n);
}

namespace {
// Rightward along x, or downward along y where y changes more: Qt's one-pixel stroker draws such
// a line from its start and leaves out its end, alone or among others in one drawLines call.
// A line the other way is traced from its end, and in a group after another line it gains its
// start pixel (Qt 6.4), so it goes alone, as does a line of no length.
bool SensDuTrace(int x1, int y1, int x2, int y2) {
    const long dx = long{x2} - x1, dy = long{y2} - y1;
    return std::labs(dx) >= std::labs(dy) ? dx > 0 : dy > 0;
}
}  // namespace

void PainterSurface::Rejoue() noexcept {
    QPainter& p = *painter_;
    // The painter gets a pen or a brush only when a drawing needs one that it does not hold.
    std::size_t styloVoulu = kAucun, styloMis = kAucun, brosseVoulue = kAucun, brosseMise = kAucun;
    const auto stylo = [&] {
        if (styloMis == styloVoulu) return;
        p.setPen(stylos_[styloVoulu].pen);
        styloMis = styloVoulu;
    };
    // One-pixel solid lines of one pen, consecutive in the list, go over together when they
    // run in the rasteriser's own direction: the pixels are those of one call per line. Only
    // where a logical pixel is a device pixel.
    int enAttente = 0;
    bool groupe = false;
    for (const Commande& c : commandes_) {
        switch (c.ordre) {
            case Ordre::Stylo:
                TraceLignes(std::exchange(enAttente, 0));
                styloVoulu = static_cast<std::size_t>(c.a);
                groupe = pixelsDirects_ && stylos_[styloVoulu].style == PenStyle::Solid &&
                         stylos_[styloVoulu].largeur <= 1;
                break;
            case Ordre::Brosse:
                brosseVoulue = static_cast<std::size_t>(c.a);
                break;
            case Ordre::Ligne:
                // A level or plumb line in the tracing direction is the row or column of pixels
                // from its start up to its end, left out: filled as such, it needs no pen. The
                // sweep's dashes, a third of the paint's calls, each come in their own colour.
                if (groupe) {
                    const auto longueur = std::int64_t{c.c} - c.a + c.d - c.b;
                    const bool niveau = c.b == c.d && c.c > c.a, aplomb = c.a == c.c && c.d > c.b;
                    if ((niveau || aplomb) && longueur < (1 << 24)) {
                        const int l = static_cast<int>(longueur);
                        p.fillRect(niveau ? QRect(c.a, c.b, l, 1) : QRect(c.a, c.b, 1, l),
                                   stylos_[styloVoulu].teinte);
                        break;
                    }
                }
                stylo();
                if (!groupe || !SensDuTrace(c.a, c.b, c.c, c.d)) {
                    TraceLignes(std::exchange(enAttente, 0));
                    p.drawLine(QPoint(c.a, c.b), QPoint(c.c, c.d));
                    break;
                }
                lignes_[static_cast<std::size_t>(enAttente++)] = QLine(c.a, c.b, c.c, c.d);
                if (enAttente == static_cast<int>(lignes_.size()))
                    TraceLignes(std::exchange(enAttente, 0));
                break;
            case Ordre::Ellipse:
                TraceLignes(std::exchange(enAttente, 0));
                stylo();
                if (brosseMise != brosseVoulue) {
                    p.setBrush(brosses_[brosseVoulue].brush);
                    brosseMise = brosseVoulue;
                }
                // Plain double arithmetic: saturated coordinates (±1e6) must not overflow a width.
                p.drawEllipse(QRectF(c.a, c.b, double(c.c) - c.a, double(c.d) - c.b));
                break;
            case Ordre::Texte: {
                TraceLignes(std::exchange(enAttente, 0));
                const Texte& t = textes_[static_cast<std::size_t>(c.a)];
                // The text's box takes the brush colour while the brush is solid, like an opaque
                // text background; with a clear brush whatever lies below shows through.
                const BrosseFaite& b = brosses_[brosseVoulue];
                if (b.style == BrushStyle::Solid)
                    p.fillRect(QRect(c.b, c.c, t.largeur, t.hauteur), b.teinte);
                p.setPen(texte_);
                p.drawStaticText(QPoint(c.b, c.c), t.statique);
                styloMis = kAucun;
                break;
            }
        }
    }
    TraceLignes(enAttente);
}

}  // namespace kest
