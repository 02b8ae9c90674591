// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

class QAction;
class QClipboard;

namespace kest {

// Where a window of `taille` goes beside `fenetre` (both frames, in screen pixels) on the
// available area `ecran`: to its right when there is room, else below, else to its left, never
// over it while one side has room.
QPoint PositionAupres(const QRect& fenetre, const QSize& taille, const QRect& ecran);

// Where a window of `taille` goes on `ecran` so as to cover none of the frames `occupes` (the
// main window's first, then the tool windows already shown): beside the first of them, else
// beside the next, each to its right, below or to its left as PositionAupres tries them. When
// the screen cannot hold them apart, the first of these places pushed onto the screen that
// covers neither the main window nor the title bar (the top `barre` pixels) of a tool window, so
// that every window can still be found and raised; failing that, beside the main window as
// PositionAupres puts it.
QPoint PositionLibre(const std::vector<QRect>& occupes, const QSize& taille, const QRect& ecran,
                     int barre = 0);
// The frame PositionLibre finds, for a window that can shrink to `minimum`: at its size apart
// from the others, else at its least size apart from them; only then over their bodies, at its
// size, else at its least size.
QRect CadreLibre(const std::vector<QRect>& occupes, const QSize& taille, const QSize& minimum,
                 const QRect& ecran, int barre);

// A tool window of the main window (Dimensions, Harmoniques, Alimentation…): non-modal, with a
// close box and no minimise or maximise button, created hidden and kept until the end. A checked
// menu item shows and hides it, and its mark follows the window whatever hides it. It opens beside
// the picture, off the other tool windows shown. It has no status bar: the help line of the
// control under the pointer goes to the main window's. It is minimised only with the main
// window: a window manager that minimises it alone minimises the main window too.
class FenetreOutil : public QDialog {
    Q_OBJECT

public:
    explicit FenetreOutil(QWidget* fenetre = nullptr);

    // The menu item that shows and hides the window: checked exactly while it is shown.
    void Relier(QAction* action);
    // Hides the window when it is shown; otherwise places it, shows it, raises and activates it.
    // A minimised window is shown again where it was. What it shows is filled by the main
    // window before.
    void Basculer();
    // Moves the window beside the main window's frame, off the other tool windows shown, on the
    // main window's screen (CadreLibre); smaller, down to its least size, where that makes room.
    void PlacerAupres();

    // Ctrl+C while the window is active: what it shows, if it copies anything (Copiable), rather
    // than the main window's picture.
    virtual bool Copiable() const { return false; }
    virtual void Copier(QClipboard& clipboard) const;

    // Enter (Return or the keypad's) in a field given to AppliquerParEntree: the fields apply.
    virtual void FormKeyDown() {}
    // Whether Escape hides the window. A window without a Cancel button keeps it: Escape must not
    // hide it behind the menu's back.
    virtual bool FermeeParEchap() const { return false; }

signals:
    // Hidden by its close box, the system menu or Escape.
    void Fermee();
    // The help line of the control under the pointer (empty when it leaves).
    void AideAffichee(const QString& aide);

protected:
    // Enter in `champ` calls FormKeyDown; the key goes on to the field.
    void AppliquerParEntree(QWidget* champ);
    bool eventFilter(QObject* objet, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool event(QEvent* e) override;
    void changeEvent(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    // The close box and Escape: hidden, kept, and told.
    void reject() override;

private:
    QAction* action_ = nullptr;
    QSize tailleVoulue_;  // the size it had before PlacerAupres made it smaller, if it did
};

}  // namespace kest
