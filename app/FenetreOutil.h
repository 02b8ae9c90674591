// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

class QAction;

namespace kest {

// Where a window of `taille` goes beside `fenetre` (both frames, in screen pixels) on the
// available area `ecran`: to its right when there is room, else below, else to its left, never
// over it while one side has room.
QPoint PositionAupres(const QRect& fenetre, const QSize& taille, const QRect& ecran);

// Where a window of `taille` goes on `ecran` so as to cover none of the frames `occupes` (the
// main window's first, then the tool windows already shown): beside the first of them, else
// beside the next, each to its right, below or to its left as PositionAupres tries them. When
// the screen has no such place, beside the main window as PositionAupres puts it.
QPoint PositionLibre(const std::vector<QRect>& occupes, const QSize& taille, const QRect& ecran);

// A tool window of the main window (Dimensions, Harmoniques, Alimentation…): non-modal, with a
// close box and no minimise or maximise button, created hidden and kept until the end. A checked
// menu item shows and hides it, and its mark follows the window whatever hides it. It opens beside
// the picture, off the other tool windows shown. It has no status bar: the help line of the
// control under the pointer goes to the main window's.
class FenetreOutil : public QDialog {
    Q_OBJECT

public:
    explicit FenetreOutil(QWidget* fenetre = nullptr);

    // The menu item that shows and hides the window: checked exactly while it is shown.
    void Relier(QAction* action);
    // Hides the window when it is shown; otherwise places it, shows it, raises and activates it.
    // What it shows is filled by the main window before.
    void Basculer();
    // Moves the window beside the main window's frame, off the other tool windows shown, on the
    // main window's screen.
    void PlacerAupres();

signals:
    // Hidden by its close box, the system menu or Escape.
    void Fermee();
    // The help line of the control under the pointer (empty when it leaves).
    void AideAffichee(const QString& aide);

protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    // The close box and Escape: hidden, kept, and told.
    void reject() override;

private:
    QAction* action_ = nullptr;
};

}  // namespace kest
