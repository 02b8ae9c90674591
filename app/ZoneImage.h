// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>
#include <QPoint>
#include <QSize>
#include <QWidget>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "render/PainterSurface.h"

class QMainWindow;
class QShortcut;

namespace kest {

// The drawing area, the main window's central widget: where the zoom and full screen enter the
// painting. The picture is drawn by `dessin` on a surface that lives as long as the area, so
// that pen and brush settings carry over from one paint to the next; at a zoom of 1.5, 2, 3 or
// 4 through a scaled painter, in full screen fitted to the area and centred. The area sizes its
// window to the zoom, never past the screen's available area, keeps its children (the tool
// row) at their distance from its right edge, and keeps the choice for the next start.
class ZoneImage : public QWidget {
    Q_OBJECT

public:
    using Dessin = std::function<void(DrawingSurface&)>;
    ZoneImage(QMainWindow* fenetre, Dessin dessin);
    ~ZoneImage() override;

    // The last run's zoom, clamped to what fits this screen, and full screen. The tool row,
    // already built, is taken as it stands at 100 %.
    void Restaurer();

    double Zoom() const { return zoom_; }
    bool PleinEcran() const { return pleinEcran_; }
    // Whether the next step up fits on the screen.
    bool PeutAgrandir() const;
    // The factor the picture is drawn at now, and the copy's outer size: the window's own at
    // 100 %, else the one it has at 100 %, so that a copy is the same picture at any zoom.
    double FacteurImage() const;
    QSize TailleCopie() const;

    // The menu's zoom commands; each choice is written for the next start.
    void Agrandir();
    void Reduire();
    void TailleNormale();
    void BasculerPleinEcran();

    // The window manager's frame around the window, once known: the client shrinks once so
    // that the frame keeps the picture's outer size.
    void CadreConnu(const QMargins& cadre);

signals:
    // The zoom or full screen changed: the menu's items follow.
    void ZoomChange();

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    // The zoom: the window takes the size of the picture at k and the tool row follows its
    // right edge; it leaves full screen first.
    void RegleZoom(double k);
    void ReglePleinEcran(bool plein);
    void Memoriser() const;
    // The window's client size at zoom k: the drawing area scaled, the menu and status bars not.
    QSize TailleClient(double k) const;
    // Whether the window at zoom k, frame included, fits the screen's available area; the
    // largest step up to k that does (at least 1).
    bool TientSurEcran(double k) const;
    double ZoomPermis(double k) const;
    // The tool row keeps its distance to the right edge when the picture is larger than at
    // 100 %, and its own places at 100 %.
    void PlacerRangee();

    QMainWindow* fenetre_;
    Dessin dessin_;
    std::unique_ptr<PainterSurface> surface_;
    QShortcut* echap_ = nullptr;  // Escape, which only leaves full screen
    bool cadreAjuste_ = false;
    double zoom_ = 1.0;
    bool pleinEcran_ = false;
    QSize clientNormal_;  // the window's client and outer sizes at 100 %
    QSize cadreNormal_;
    QPoint positionNormale_;                           // the client's place before full screen
    std::vector<std::pair<QWidget*, QPoint>> rangee_;  // the tool row's controls at 100 %
};

}  // namespace kest
