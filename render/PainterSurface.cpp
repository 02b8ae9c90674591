#include "PainterSurface.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QRectF>
#include <QStaticText>
#include <QString>
#include <algorithm>

namespace kest {

QColor VersQColor(Couleur c) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

PainterSurface::PainterSurface(const QFont& font, QColor texte, QColor fond)
    : font_(font), texte_(texte), brosse_(fond) {
    // Text in plain pixels of the text colour, like the rest of the picture.
    font_.setStyleStrategy(QFont::NoAntialias);
}

void PainterSurface::Begin(QPainter& painter) {
    painter_ = &painter;
    // Hard pixels, as the picture's integer coordinates were laid out for.
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->setFont(font_);
    painter_->setBackgroundMode(Qt::TransparentMode);
    AppliquerStylo();
    AppliquerBrosse();
    // Only hard pixels are skipped; a vector recording keeps every call.
    const QPaintEngine* moteur = painter.paintEngine();
    raster_ = moteur && moteur->type() == QPaintEngine::Raster;
    const QPaintDevice* device = painter.device();
    largeurDevice_ = raster_ && device ? device->width() : 0;
    hauteurDevice_ = raster_ && device ? device->height() : 0;
    // All marks are clear between runs: the array is made again only for a new size.
    const std::size_t pixels = std::size_t(largeurDevice_) * std::size_t(hauteurDevice_);
    if (marques_.size() != pixels) marques_.assign(pixels, 0);
}

void PainterSurface::End() {
    NouvelleSerie();
    painter_ = nullptr;
}

void PainterSurface::MoveTo(int x, int y) { position_ = QPoint(x, y); }

void PainterSurface::LineTo(int x, int y) {
    const QPoint fin(x, y);
    if (painter_) painter_->drawLine(position_, fin);
    position_ = fin;
}

void PainterSurface::Ellipse(int x1, int y1, int x2, int y2) {
    if (!painter_ || DejaPeinte(x1, y1, x2, y2)) return;
    // Plain double arithmetic: saturated coordinates (±1e6) must not overflow a width.
    painter_->drawEllipse(QRectF(x1, y1, double(x2) - x1, double(y2) - y1));
}

void PainterSurface::TextOut(int x, int y, const std::string& text) {
    NouvelleSerie();
    if (!painter_) return;
    const Texte& t = Mesure(text);
    const QRect boite(x, y, t.largeur, t.hauteur);
    // The text's box takes the brush colour while the brush is solid, like an opaque
    // text background; with a clear brush whatever lies below shows through.
    if (brosseStyle_ == BrushStyle::Solid) painter_->fillRect(boite, brosse_);
    painter_->setPen(texte_);
    painter_->drawStaticText(QPoint(x, y), t.statique);
    AppliquerStylo();
}

const PainterSurface::Texte& PainterSurface::Mesure(const std::string& text) {
    // The two labels come back at every paint: measured and laid out once for the device's
    // resolution, the same glyphs at the same places as drawText would shape every time.
    const int ppp = painter_->device()->logicalDpiY();
    for (const Texte& t : textes_)
        if (t.utf8 == text && t.ppp == ppp) return t;
    if (textes_.size() >= 16) textes_.clear();
    const QString chaine = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const QFontMetrics fm(font_, painter_->device());
    QStaticText statique(chaine);
    statique.setTextFormat(Qt::PlainText);
    return textes_.emplace_back(
        Texte{text, ppp, statique, fm.horizontalAdvance(chaine), fm.height()});
}

void PainterSurface::SetPenColor(Couleur c) {
    stylo_ = VersQColor(c);
    AppliquerStylo();
}

void PainterSurface::SetPenStyle(PenStyle s) {
    styloStyle_ = s;
    AppliquerStylo();
}

void PainterSurface::SetPenWidth(int w) {
    largeur_ = w;
    AppliquerStylo();
}

void PainterSurface::SetBrushColor(Couleur c) {
    brosse_ = VersQColor(c);
    AppliquerBrosse();
}

void PainterSurface::SetBrushStyle(BrushStyle s) {
    brosseStyle_ = s;
    AppliquerBrosse();
}

bool PainterSurface::DejaPeinte(int x1, int y1, int x2, int y2) {
    // With hard pixels and a transparent background, every pixel that such an ellipse or a line
    // of the run touches takes the one opaque pen colour, whatever lies below: the picture is
    // the union of what the run drew, and a repeated box adds nothing to it.
    const bool uneCouleur = brosseStyle_ == BrushStyle::Clear || brosse_ == stylo_;
    if (!raster_ || !uneCouleur) return false;
    if (x1 < 0 || y1 < 0 || x1 >= largeurDevice_ || y1 >= hauteurDevice_) return false;
    const std::int64_t largeur = std::int64_t{x2} - x1, hauteur = std::int64_t{y2} - y1;
    if (marquees_.empty()) largeurBoite_ = largeur, hauteurBoite_ = hauteur;
    if (largeur != largeurBoite_ || hauteur != hauteurBoite_) return false;
    const std::size_t coin = std::size_t(y1) * std::size_t(largeurDevice_) + std::size_t(x1);
    if (marques_[coin]) return true;
    marques_[coin] = 1;
    marquees_.push_back(coin);
    return false;
}

void PainterSurface::NouvelleSerie() {
    for (const std::size_t coin : marquees_) marques_[coin] = 0;
    marquees_.clear();
}

void PainterSurface::AppliquerStylo() {
    NouvelleSerie();
    if (!painter_) return;
    // The sweep changes colour at every dash, hundreds of times a paint, among a handful of
    // pens: each is made once and handed over again.
    const auto memeStylo = [this](const StyloFait& f) {
        return f.couleur == stylo_ && f.style == styloStyle_ && f.largeur == largeur_;
    };
    auto fait = std::find_if(stylos_.begin(), stylos_.end(), memeStylo);
    if (fait == stylos_.end()) {
        if (stylos_.size() >= 64) stylos_.clear();  // a caller of many colours: start again
        fait = stylos_.insert(stylos_.end(), {stylo_, styloStyle_, largeur_, NouveauStylo()});
    }
    painter_->setPen(fait->pen);
}

QPen PainterSurface::NouveauStylo() const {
    QPen pen(stylo_);
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

void PainterSurface::AppliquerBrosse() {
    NouvelleSerie();
    if (!painter_) return;
    painter_->setBrush(brosseStyle_ == BrushStyle::Solid ? QBrush(brosse_) : QBrush(Qt::NoBrush));
}

}  // namespace kest
