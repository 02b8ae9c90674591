// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FenetreOutil.h"

#include <QAction>
#include <QHideEvent>
#include <QLayout>
#include <QScreen>
#include <QStatusTipEvent>
#include <algorithm>

#include "app/Disposition.h"

namespace kest {

namespace {

constexpr int kEcart = 8;  // between a tool window and what it stands beside

}  // namespace

QPoint PositionAupres(const QRect& fenetre, const QSize& taille, const QRect& ecran) {
    // To the right, below, to the left: the first side with room on the screen.
    const int droite = fenetre.right() + 1 + kEcart;
    const int dessous = fenetre.bottom() + 1 + kEcart;
    const int gauche = fenetre.left() - kEcart - taille.width();
    const int haut = std::clamp(fenetre.top(), ecran.top(),
                                std::max(ecran.top(), ecran.bottom() + 1 - taille.height()));
    const int x = std::clamp(fenetre.left(), ecran.left(),
                             std::max(ecran.left(), ecran.right() + 1 - taille.width()));
    if (droite + taille.width() <= ecran.right() + 1) return {droite, haut};
    if (dessous + taille.height() <= ecran.bottom() + 1) return {x, dessous};
    if (gauche >= ecran.left()) return {gauche, haut};
    // No side has room: the widest one, the window as far from the picture as the screen lets.
    const int placeDroite = ecran.right() + 1 - droite;
    const int placeGauche = fenetre.left() - kEcart - ecran.left();
    return {placeDroite >= placeGauche ? ecran.right() + 1 - taille.width() : ecran.left(), haut};
}

QPoint PositionLibre(const std::vector<QRect>& occupes, const QSize& taille, const QRect& ecran) {
    if (occupes.empty()) return ecran.topLeft();
    const auto libre = [&](QPoint p) {
        const QRect r(p, taille);
        return ecran.contains(r) && std::none_of(occupes.begin(), occupes.end(),
                                                 [&](const QRect& o) { return o.intersects(r); });
    };
    for (const QRect& o : occupes) {
        const int haut = std::clamp(o.top(), ecran.top(),
                                    std::max(ecran.top(), ecran.bottom() + 1 - taille.height()));
        const int x = std::clamp(o.left(), ecran.left(),
                                 std::max(ecran.left(), ecran.right() + 1 - taille.width()));
        for (const QPoint p :
             {QPoint(o.right() + 1 + kEcart, haut), QPoint(x, o.bottom() + 1 + kEcart),
              QPoint(o.left() - kEcart - taille.width(), haut)})
            if (libre(p)) return p;
    }
    return PositionAupres(occupes.front(), taille, ecran);
}

FenetreOutil::FenetreOutil(QWidget* fenetre)
    : QDialog(fenetre, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setFont(PoliceInterface());
    setModal(false);
}

void FenetreOutil::Relier(QAction* action) {
    action_ = action;
    action_->setChecked(isVisible());
}

void FenetreOutil::Basculer() {
    if (isVisible()) {
        hide();
        return;
    }
    PlacerAupres();
    show();
    raise();
    activateWindow();
}

void FenetreOutil::PlacerAupres() {
    const QWidget* fenetre = parentWidget();
    if (!fenetre) return;
    // The size the layout gives, before the first showing too.
    if (layout()) layout()->activate();
    std::vector<QRect> occupes{fenetre->frameGeometry()};
    for (const FenetreOutil* autre :
         fenetre->findChildren<FenetreOutil*>(Qt::FindDirectChildrenOnly))
        if (autre != this && autre->isVisible()) occupes.push_back(autre->frameGeometry());
    // The main window's screen: a window not shown yet may not know its own.
    const QScreen* ecran = fenetre->screen();
    const QRect disponible = ecran ? ecran->availableGeometry()
                                   : QRect(occupes.front().topLeft(), QSize(1 << 15, 1 << 15));
    move(PositionLibre(occupes, frameGeometry().size(), disponible));
}

bool FenetreOutil::event(QEvent* e) {
    if (e->type() == QEvent::StatusTip) {
        emit AideAffichee(static_cast<QStatusTipEvent*>(e)->tip());
        return true;
    }
    return QDialog::event(e);
}

void FenetreOutil::showEvent(QShowEvent* e) {
    if (action_) action_->setChecked(true);
    QDialog::showEvent(e);
}

void FenetreOutil::hideEvent(QHideEvent* e) {
    // A window manager hides it with the main window when that one is minimised: still open.
    if (action_ && !e->spontaneous()) action_->setChecked(false);
    QDialog::hideEvent(e);
}

void FenetreOutil::reject() {
    hide();
    emit Fermee();
}

}  // namespace kest
