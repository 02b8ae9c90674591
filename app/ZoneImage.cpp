// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ZoneImage.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QStatusBar>
#include <algorithm>
#include <iterator>

#include "app/BoiteErreur.h"
#include "render/Agrandissement.h"
#include "scene/Plan.h"

namespace kest {

namespace {

// The zoom steps of "Agrandir" and "Réduire", and where the choice is kept between runs.
constexpr double kZooms[] = {1.0, 1.5, 2.0, 3.0, 4.0};
const char* const kOrganisation = "kest";
const char* const kApplication = "kest";

}  // namespace

ZoneImage::ZoneImage(QMainWindow* fenetre, Dessin dessin)
    : QWidget(fenetre), fenetre_(fenetre), dessin_(std::move(dessin)) {
    setObjectName(QStringLiteral("Zone"));
    setAutoFillBackground(true);  // the erase before each paint
    // The surface starts with the window's font and text colour and a solid brush of the
    // background; it then keeps whatever each paint leaves set.
    const QPalette palette = fenetre->palette();
    surface_ = std::make_unique<PainterSurface>(
        fenetre->font(), palette.color(QPalette::WindowText), palette.color(QPalette::Window));
    echap_ = new QShortcut(QKeySequence(Qt::Key_Escape), fenetre);
    echap_->setEnabled(false);
    connect(echap_, &QShortcut::activated, this,
            [this] { Garde([this] { BasculerPleinEcran(); }); });
}

ZoneImage::~ZoneImage() = default;

void ZoneImage::Restaurer() {
    clientNormal_ = cadreNormal_ = QSize(kLargeurImage, kHauteurImage);
    for (QWidget* c : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        rangee_.emplace_back(c, c->pos());
    // The last run's choice; anything else than one of the steps is the normal size.
    const QSettings reglages(QString::fromLatin1(kOrganisation), QString::fromLatin1(kApplication));
    bool nombre = false;
    const double zoom = reglages.value(QStringLiteral("zoom")).toDouble(&nombre);
    if (nombre && std::find(std::begin(kZooms), std::end(kZooms), zoom) != std::end(kZooms))
        RegleZoom(ZoomPermis(zoom));  // a smaller screen than last time gets what fits
    if (reglages.value(QStringLiteral("pleinEcran")).toString() == QStringLiteral("true"))
        ReglePleinEcran(true);
    emit ZoomChange();
}

void ZoneImage::paintEvent(QPaintEvent*) {
    Garde([this] {
        QPainter peintre(this);
        // Zoomed, the same calls through a scaled painter; at 100 % the painter is left as it is.
        if (pleinEcran_) {
            const double k = FacteurImage();
            Agrandit(peintre, k, OrigineCentree(size(), k));
        } else if (zoom_ != 1.0) {
            Agrandit(peintre, zoom_);
        }
        const PainterSurface::Attache attache(*surface_, peintre);
        dessin_(*surface_);
    });
}

void ZoneImage::resizeEvent(QResizeEvent* e) {
    PlacerRangee();
    QWidget::resizeEvent(e);
}

double ZoneImage::FacteurImage() const {
    return pleinEcran_ ? AgrandissementAjuste(size()) : zoom_;
}

QSize ZoneImage::TailleCopie() const {
    return zoom_ == 1.0 && !pleinEcran_ ? fenetre_->frameGeometry().size() : cadreNormal_;
}

QSize ZoneImage::TailleClient(double k) const {
    if (k == 1.0) return clientNormal_;
    const int barres =
        fenetre_->menuBar()->sizeHint().height() + fenetre_->statusBar()->minimumHeight();
    const int hauteur = std::max(0, clientNormal_.height() - barres);
    return QSize(static_cast<int>(clientNormal_.width() * k),
                 static_cast<int>(hauteur * k) + barres);
}

bool ZoneImage::TientSurEcran(double k) const {
    const QScreen* ecran = fenetre_->screen();
    if (!ecran) return true;
    const QSize cadre = TailleClient(k) + (cadreNormal_ - clientNormal_);
    const QSize disponible = ecran->availableGeometry().size();
    return cadre.width() <= disponible.width() && cadre.height() <= disponible.height();
}

double ZoneImage::ZoomPermis(double k) const {
    double permis = kZooms[0];
    for (double pas : kZooms)
        if (pas <= k && TientSurEcran(pas)) permis = pas;
    return permis;
}

bool ZoneImage::PeutAgrandir() const {
    const auto plus = std::upper_bound(std::begin(kZooms), std::end(kZooms), zoom_);
    return plus != std::end(kZooms) && TientSurEcran(*plus);
}

void ZoneImage::RegleZoom(double k) {
    if (k == zoom_ && !pleinEcran_) return;  // at 100 %, a size of the user's own stays
    ReglePleinEcran(false);
    if (zoom_ == 1.0) {
        clientNormal_ = fenetre_->size();
        cadreNormal_ = fenetre_->frameGeometry().size();
    }
    zoom_ = k;
    fenetre_->resize(TailleClient(k));
    PlacerRangee();
    update();
    emit ZoomChange();
}

void ZoneImage::ReglePleinEcran(bool plein) {
    if (plein == pleinEcran_) return;
    if (plein) {
        if (zoom_ == 1.0) {
            clientNormal_ = fenetre_->size();
            cadreNormal_ = fenetre_->frameGeometry().size();
        }
        // The client's: the frame may come and go with full screen.
        positionNormale_ = fenetre_->geometry().topLeft();
    }
    pleinEcran_ = plein;
    echap_->setEnabled(plein);
    if (plein) {
        fenetre_->setWindowState(fenetre_->windowState() | Qt::WindowFullScreen);
        // Without a window manager nobody sizes the window: it takes the screen itself.
        if (const QScreen* ecran = fenetre_->screen()) fenetre_->setGeometry(ecran->geometry());
    } else {
        fenetre_->setWindowState(fenetre_->windowState() & ~Qt::WindowFullScreen);
        fenetre_->setGeometry(QRect(positionNormale_, TailleClient(zoom_)));
    }
    PlacerRangee();
    update();
    emit ZoomChange();
}

void ZoneImage::PlacerRangee() {
    const int dx = pleinEcran_ || zoom_ != 1.0 ? width() - clientNormal_.width() : 0;
    for (const auto& [controle, position] : rangee_) controle->move(position + QPoint(dx, 0));
}

void ZoneImage::Memoriser() const {
    QSettings reglages(QString::fromLatin1(kOrganisation), QString::fromLatin1(kApplication));
    reglages.setValue(QStringLiteral("zoom"), zoom_);
    reglages.setValue(QStringLiteral("pleinEcran"), pleinEcran_);
}

void ZoneImage::Agrandir() {
    // The next step, unless the window would no longer fit on the screen.
    const auto plus = std::upper_bound(std::begin(kZooms), std::end(kZooms), zoom_);
    RegleZoom(plus == std::end(kZooms) ? zoom_ : ZoomPermis(*plus));
    Memoriser();
}

void ZoneImage::Reduire() {
    const auto moins = std::lower_bound(std::begin(kZooms), std::end(kZooms), zoom_);
    RegleZoom(moins == std::begin(kZooms) ? zoom_ : *(moins - 1));
    Memoriser();
}

void ZoneImage::TailleNormale() {
    RegleZoom(1.0);
    Memoriser();
}

void ZoneImage::BasculerPleinEcran() {
    ReglePleinEcran(!pleinEcran_);
    Memoriser();
}

void ZoneImage::CadreConnu(const QMargins& cadre) {
    if (cadreAjuste_ || cadre.isNull()) return;
    cadreAjuste_ = true;
    clientNormal_ = QSize(kLargeurImage - cadre.left() - cadre.right(),
                          kHauteurImage - cadre.top() - cadre.bottom());
    if (pleinEcran_) return;
    // The frame may take a zoom chosen before it was known past the screen.
    RegleZoom(ZoomPermis(zoom_));
    fenetre_->resize(TailleClient(zoom_));
    emit ZoomChange();
}

}  // namespace kest
