// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FenetreOutil.h"

#include <QAction>
#include <QGuiApplication>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QResizeEvent>
#include <QScreen>
#include <QStatusTipEvent>
#include <QStyle>
#include <algorithm>
#include <optional>

#include "app/BoiteErreur.h"
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

namespace {

// Where a window of `taille` lies on `ecran` beside one of `occupes` (PositionLibre's order),
// covering none of them, or with `titresSeuls` none of the tool windows' title bars.
std::optional<QPoint> Place(const std::vector<QRect>& occupes, const QSize& taille,
                            const QRect& ecran, int barre, bool titresSeuls) {
    // A corner moved so that the window lies on the screen, as far as it fits.
    const auto surEcran = [&](QPoint p) {
        return QPoint(std::clamp(p.x(), ecran.left(),
                                 std::max(ecran.left(), ecran.right() + 1 - taille.width())),
                      std::clamp(p.y(), ecran.top(),
                                 std::max(ecran.top(), ecran.bottom() + 1 - taille.height())));
    };
    const auto libre = [&](const QRect& r) {
        for (std::size_t i = 0; i < occupes.size(); ++i) {
            const QRect& o = occupes[i];
            if ((titresSeuls && i > 0 ? QRect(o.topLeft(), QSize(o.width(), barre)) : o)
                    .intersects(r))
                return false;
        }
        return ecran.contains(r);
    };
    for (const QRect& o : occupes) {
        const QPoint coin = surEcran(o.topLeft());
        for (QPoint p :
             {QPoint(o.right() + 1 + kEcart, coin.y()), QPoint(coin.x(), o.bottom() + 1 + kEcart),
              QPoint(o.left() - kEcart - taille.width(), coin.y())}) {
            if (titresSeuls) p = surEcran(p);
            if (libre(QRect(p, taille))) return p;
        }
    }
    return std::nullopt;
}

}  // namespace

QRect CadreLibre(const std::vector<QRect>& occupes, const QSize& taille, const QSize& minimum,
                 const QRect& ecran, int barre) {
    if (occupes.empty()) return {ecran.topLeft(), taille};
    // Apart at its size, else at its least size; failing that, over the bodies of the other
    // tool windows, below their title bars, so that each stays one click away.
    for (const bool titresSeuls : {false, true})
        for (const QSize t : {taille, minimum})
            if (const auto p = Place(occupes, t, ecran, barre, titresSeuls)) return {*p, t};
    return {PositionAupres(occupes.front(), taille, ecran), taille};
}

QPoint PositionLibre(const std::vector<QRect>& occupes, const QSize& taille, const QRect& ecran,
                     int barre) {
    return CadreLibre(occupes, taille, taille, ecran, barre).topLeft();
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
    // Left minimised by a window manager, it comes back rather than hides.
    if (isMinimized()) {
        showNormal();
        activateWindow();
        return;
    }
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
    // The size its layout gives, before the first showing too.
    if (!testAttribute(Qt::WA_Resized)) adjustSize();
    if (layout()) layout()->activate();
    std::vector<QRect> occupes{fenetre->frameGeometry()};
    for (const FenetreOutil* autre :
         fenetre->findChildren<FenetreOutil*>(Qt::FindDirectChildrenOnly))
        if (autre != this && autre->isVisible()) occupes.push_back(autre->frameGeometry());
    // The main window's screen: a window not shown yet may not know its own.
    const QScreen* ecran = fenetre->screen();
    const QRect disponible = ecran ? ecran->availableGeometry()
                                   : QRect(occupes.front().topLeft(), QSize(1 << 15, 1 << 15));
    // Nor does it know its frame, which the window manager draws as the main window's.
    const QWidget& cadreConnu = frameGeometry().size() == size() ? *fenetre : *this;
    const QSize bords = cadreConnu.frameGeometry().size() - cadreConnu.size();
    const QPoint coin = cadreConnu.geometry().topLeft() - cadreConnu.frameGeometry().topLeft();
    const int barre = std::max(fenetre->geometry().top() - fenetre->frameGeometry().top(),
                               style()->pixelMetric(QStyle::PM_TitleBarHeight));
    // Made smaller for want of room, it takes its size back where there is room again.
    const QSize taille = tailleVoulue_.isValid() ? tailleVoulue_ : size();
    const QRect cadre =
        CadreLibre(occupes, taille + bords, minimumSize().expandedTo(minimumSizeHint()) + bords,
                   disponible, barre);
    // The inside of the frame: a window resized while hidden forgets where its frame was.
    setGeometry(QRect(cadre.topLeft() + coin, cadre.size() - bords));
    tailleVoulue_ = size() == taille ? QSize() : taille;
}

void FenetreOutil::resizeEvent(QResizeEvent* e) {
    if (e->spontaneous()) tailleVoulue_ = QSize();  // the user's size is the one to keep
    QDialog::resizeEvent(e);
}

void FenetreOutil::Copier(QClipboard&) const {}

void FenetreOutil::AppliquerParEntree(QWidget* champ) { champ->installEventFilter(this); }

bool FenetreOutil::eventFilter(QObject* objet, QEvent* e) {
    if (e->type() == QEvent::KeyPress) {
        const int touche = static_cast<QKeyEvent*>(e)->key();
        if (touche == Qt::Key_Return || touche == Qt::Key_Enter) FormKeyDown();
    }
    return QDialog::eventFilter(objet, e);
}

void FenetreOutil::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape && !FermeeParEchap()) {
        e->ignore();
        return;
    }
    if (Copiable() && e->matches(QKeySequence::Copy)) {
        Garde([this] { Copier(*QGuiApplication::clipboard()); });
        return;
    }
    QDialog::keyPressEvent(e);
}

bool FenetreOutil::event(QEvent* e) {
    // Ctrl+C is the main window's application-wide "Copier": claimed here while a window that
    // copies what it shows is active.
    if (Copiable() && e->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(e)->matches(QKeySequence::Copy)) {
        e->accept();
        return true;
    }
    if (e->type() == QEvent::StatusTip) {
        emit AideAffichee(static_cast<QStatusTipEvent*>(e)->tip());
        return true;
    }
    return QDialog::event(e);
}

void FenetreOutil::changeEvent(QEvent* e) {
    // Minimised alone, it would leave its menu item checked and no task-bar entry to bring it
    // back: the main window goes down with it.
    QWidget* fenetre = parentWidget();
    if (e->type() == QEvent::WindowStateChange && isMinimized() && fenetre &&
        !fenetre->isMinimized())
        fenetre->showMinimized();
    QDialog::changeEvent(e);
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
