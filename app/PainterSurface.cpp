#include "PainterSurface.h"

#include <QFontMetrics>
#include <QRectF>
#include <QString>

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
}

void PainterSurface::End() { painter_ = nullptr; }

void PainterSurface::MoveTo(int x, int y) { position_ = QPoint(x, y); }

void PainterSurface::LineTo(int x, int y) {
    const QPoint fin(x, y);
    if (painter_) painter_->drawLine(position_, fin);
    position_ = fin;
}

void PainterSurface::Ellipse(int x1, int y1, int x2, int y2) {
    if (!painter_) return;
    // Plain double arithmetic: saturated coordinates (±1e6) must not overflow a width.
    painter_->drawEllipse(QRectF(x1, y1, double(x2) - x1, double(y2) - y1));
}

void PainterSurface::TextOut(int x, int y, const std::string& text) {
    if (!painter_) return;
    const QString texte = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const QFontMetrics fm(font_, painter_->device());
    const QRect boite(x, y, fm.horizontalAdvance(texte), fm.height());
    // The text's box takes the brush colour while the brush is solid, like an opaque
    // text background; with a clear brush whatever lies below shows through.
    if (brosseStyle_ == BrushStyle::Solid) painter_->fillRect(boite, brosse_);
    painter_->setPen(texte_);
    painter_->drawText(QPoint(x, y + fm.ascent()), texte);
    AppliquerStylo();
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

void PainterSurface::AppliquerStylo() {
    if (!painter_) return;
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
    painter_->setPen(pen);
}

void PainterSurface::AppliquerBrosse() {
    if (!painter_) return;
    painter_->setBrush(brosseStyle_ == BrushStyle::Solid ? QBrush(brosse_) : QBrush(Qt::NoBrush));
}

}  // namespace kest
