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

PainterSurface::PainterSurface(const QFont& police, QColor texte, QColor fond)
    : police_(police), texte_(texte), brosse_(fond.rgba()) {
    // Text in plain pixels of the text colour, like the rest of the picture.
    police_.setStyleStrategy(QFont::NoAntialias);
}

void PainterSurface::Begin(QPainter& peintre) {
    peintre_ = &peintre;
    // Hard pixels, as the picture's integer coordinates were laid out for.
    peintre_->setRenderHint(QPainter::Antialiasing, false);
    peintre_->setFont(police_);
    peintre_->setBackgroundMode(Qt::TransparentMode);
    // Only hard pixels are skipped or grouped; a vector recording keeps every call.
    const QPaintEngine* moteur = peintre.paintEngine();
    raster_ = moteur && moteur->type() == QPaintEngine::Raster;
    // A widget below the menu bar paints through a whole-pixel shift: still one device pixel
    // for each logical one.
    const QTransform t = peintre.deviceTransform();
    pixelsDirects_ = raster_ && t.type() <= QTransform::TxTranslate &&
                     t.dx() == std::trunc(t.dx()) && t.dy() == std::trunc(t.dy());
    const QPaintDevice* support = peintre.device();
    ppp_ = support ? support->logicalDpiY() : 96;
    ellipses_.Dimensionne(raster_ && support ? support->width() : 0,
                          raster_ && support ? support->height() : 0);
    // A caller of many colours or texts: start again, between paints, where no list refers to
    // them.
    if (stylos_.size() >= 64) stylos_.clear();
    if (brosses_.size() >= 64) brosses_.clear();
    if (textes_.size() >= 16) textes_.clear();
    appels_.clear();
    teintesTexte_.clear();
    styloNote_ = brosseNote_ = kAucun;
    ChoisirStylo();
    ChoisirBrosse();
}

void PainterSurface::End() noexcept {
    if (!peintre_) return;
    Rejoue();
    ellipses_.FinDeSerie();
    appels_.clear();
    peintre_ = nullptr;
}

void PainterSurface::Note(Ordre ordre, int a, int b, int c, int d) {
    appels_.push_back({ordre, a, b, c, d});
}

void PainterSurface::MoveTo(int x, int y) { position_ = QPoint(x, y); }

void PainterSurface::LineTo(int x, int y) {
    if (peintre_) Note(Ordre::Ligne, position_.x(), position_.y(), x, y);
    position_ = QPoint(x, y);
}

void PainterSurface::Ellipse(int x1, int y1, int x2, int y2) {
    if (!peintre_) return;
    // With hard pixels and a transparent background, every pixel that such an ellipse or a
    // line of the run touches takes the one opaque pen colour, whatever lies below: the
    // picture is the union of what the run drew, and a repeated box adds nothing to it.
    const bool uneCouleur = brosseStyle_ == BrushStyle::Clear || brosse_ == stylo_;
    if (raster_ && uneCouleur && ellipses_.DejaDessinee(x1, y1, x2, y2)) return;
    Note(Ordre::Ellipse, x1, y1, x2, y2);
}

void PainterSurface::TextOut(int x, int y, const std::string& text) {
    ellipses_.FinDeSerie();
    if (!peintre_) return;
    auto teinte = std::find(teintesTexte_.begin(), teintesTexte_.end(), texte_);
    if (teinte == teintesTexte_.end()) teinte = teintesTexte_.insert(teinte, texte_);
    Note(Ordre::Texte, static_cast<int>(Mesure(text)), x, y,
         static_cast<int>(teinte - teintesTexte_.begin()));
}

std::size_t PainterSurface::Mesure(const std::string& text) {
    // The two labels come back at every paint: measured and laid out once for the device's
    // resolution, the same glyphs at the same places as drawText would shape every time.
    for (std::size_t i = 0; i < textes_.size(); ++i)
        if (textes_[i].utf8 == text && textes_[i].ppp == ppp_) return i;
    const QString chaine = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const QFontMetrics fm(police_, peintre_->device());
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

void PainterSurface::SetTextColor(Couleur c) { texte_ = VersQColor(c); }

void PainterSurface::ChoisirStylo() {
    if (!peintre_) return;
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
    if (!peintre_) return;
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
    // The painter gets a pen or a brush only when a drawing needs one that it does not hold.
    remise_ = Remise{kAucun, kAucun, kAucun, kAucun, 0, false};
    for (const Appel& a : appels_) {
        switch (a.ordre) {
            case Ordre::Stylo:
                RejoueStylo(a);
                break;
            case Ordre::Brosse:
                remise_.brosseVoulue = static_cast<std::size_t>(a.a);
                break;
            case Ordre::Ligne:
                RejoueLigne(a);
                break;
            case Ordre::Ellipse:
                RejoueEllipse(a);
                break;
            case Ordre::Texte:
                RejoueTexte(a);
                break;
        }
    }
    VideLignes();
}

void PainterSurface::MetStylo() noexcept {
    if (remise_.styloMis == remise_.styloVoulu) return;
    peintre_->setPen(stylos_[remise_.styloVoulu].pen);
    remise_.styloMis = remise_.styloVoulu;
}

void PainterSurface::VideLignes() noexcept {
    if (remise_.enAttente > 0) peintre_->drawLines(lignes_.data(), remise_.enAttente);
    remise_.enAttente = 0;
}

void PainterSurface::RejoueStylo(const Appel& a) noexcept {
    // One-pixel solid lines of one pen, consecutive in the list, go over together when they
    // run in the rasteriser's own direction: the pixels are those of one call per line. Only
    // where a logical pixel is a device pixel.
    VideLignes();
    remise_.styloVoulu = static_cast<std::size_t>(a.a);
    const StyloFait& stylo = stylos_[remise_.styloVoulu];
    remise_.groupe = pixelsDirects_ && stylo.style == PenStyle::Solid && stylo.largeur <= 1;
}

void PainterSurface::RejoueLigne(const Appel& a) noexcept {
    if (remise_.groupe && RemplitLigne(a)) return;
    MetStylo();
    if (!remise_.groupe || !SensDuTrace(a.a, a.b, a.c, a.d)) {
        VideLignes();
        peintre_->drawLine(QPoint(a.a, a.b), QPoint(a.c, a.d));
        return;
    }
    lignes_[static_cast<std::size_t>(remise_.enAttente++)] = QLine(a.a, a.b, a.c, a.d);
    if (remise_.enAttente == static_cast<int>(lignes_.size())) VideLignes();
}

bool PainterSurface::RemplitLigne(const Appel& a) noexcept {
    // A level or plumb line in the tracing direction is the row or column of pixels from its
    // start up to its end, left out: filled as such, it needs no pen. The sweep's dashes, a
    // third of the paint's calls, each come in their own colour.
    const auto longueur = std::int64_t{a.c} - a.a + a.d - a.b;
    const bool niveau = a.b == a.d && a.c > a.a, aplomb = a.a == a.c && a.d > a.b;
    if (!(niveau || aplomb) || longueur >= (1 << 24)) return false;
    const int l = static_cast<int>(longueur);
    peintre_->fillRect(niveau ? QRect(a.a, a.b, l, 1) : QRect(a.a, a.b, 1, l),
                       stylos_[remise_.styloVoulu].teinte);
    return true;
}

void PainterSurface::RejoueEllipse(const Appel& a) noexcept {
    VideLignes();
    MetStylo();
    if (remise_.brosseMise != remise_.brosseVoulue) {
        peintre_->setBrush(brosses_[remise_.brosseVoulue].brush);
        remise_.brosseMise = remise_.brosseVoulue;
    }
    // Plain double arithmetic: saturated coordinates (±1e6) must not overflow a width.
    peintre_->drawEllipse(QRectF(a.a, a.b, double(a.c) - a.a, double(a.d) - a.b));
}

void PainterSurface::RejoueTexte(const Appel& a) noexcept {
    VideLignes();
    const Texte& t = textes_[static_cast<std::size_t>(a.a)];
    // The text's box takes the brush colour while the brush is solid, like an opaque text
    // background; with a clear brush whatever lies below shows through.
    const BrosseFaite& b = brosses_[remise_.brosseVoulue];
    if (b.style == BrushStyle::Solid)
        peintre_->fillRect(QRect(a.b, a.c, t.largeur, t.hauteur), b.teinte);
    peintre_->setPen(teintesTexte_[static_cast<std::size_t>(a.d)]);
    peintre_->drawStaticText(QPoint(a.b, a.c), t.statique);
    remise_.styloMis = kAucun;
}

}  // namespace kest
