// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <memory>
#include <vector>

#include "app/FenetreOutil.h"
#include "model/Encoches.h"
#include "model/State.h"
#include "scene/DrawingSurface.h"

class QClipboard;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTableWidget;

namespace kest {

class PainterSurface;

// The star of slots of a state, drawn by the scene on a surface that lives as long as the
// widget, fitted to the widget and centred as the full-screen picture is.
class ZoneEtoile : public QWidget {
    Q_OBJECT

public:
    explicit ZoneEtoile(QWidget* parent);
    ~ZoneEtoile() override;

    void Montrer(const State& etat);
    // The figure's drawing calls, at the picture's 700 × 500.
    void Dessiner(DrawingSurface& d) const;
    // The picture's size: hard pixels at 100 %; smaller when the user shrinks the window.
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    State etat_;
    std::unique_ptr<PainterSurface> surface_;
};

// The winding window: the kind (classique, par encoches or personnalisé) applied at once, the
// slots, layers and span applied with Enter, then what a designer reads of the slot winding: its
// name, q, its periodicity, the slot table per layer, what the table tells (conductors per phase,
// phases that do not close, working wave, sub-harmonics) and the star of slots. The table is
// written by hand: a click on a cell, or Space, gives the next cell (A+, A−, B+ … empty); A, B, C
// set the phase, + and − the direction, Delete empties; the arrows move. An edit of a winding
// that is not the custom one starts the custom one from the table shown. Ctrl+Z and
// Ctrl+Shift+Z ask to undo and redo. Like the other tool windows it holds no values of its own
// and never touches the state: it shows what it is given and reports what the user does. Ctrl+C
// copies the star as the main window copies its picture.
class TBobinageDlg : public FenetreOutil {
    Q_OBJECT

public:
    explicit TBobinageDlg(QWidget* parent = nullptr);

    // Shows the state: its kind's button and the slot winding it keeps; the three texts too
    // unless `textes` is false (a refused Enter keeps what the user typed).
    void Remplir(const State& etat, bool textes = true);
    // After any change of the state: fills again only when p or the winding differs from the
    // one shown, so that a clock tick costs a comparison and leaves the texts being typed.
    void Suivre(const State& etat);
    void FormKeyDown() override;
    // The star as EMF, SVG and PNG, the picture's size; throws Erreur as the main copy does.
    bool Copiable() const override { return true; }
    void Copier(QClipboard& clipboard) const override;

signals:
    // A button selected by the user.
    void GenreChoisi(kest::TypeBobinage type);
    // Enter in one of the three fields: their texts as typed.
    void ValeursEntrees(const kest::SaisieEncoches& saisie);
    // A cell of the table shown (slot 0 … Q−1, layer 0 top) given a new content.
    void CelluleChoisie(int encoche, int couche, kest::Cellule cellule);
    void AnnulerDemande();
    void RefaireDemande();

protected:
    // The table's keys that edit its current cell.
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    void RemplirTableau(const State& etat);
    // The shown cell (couche, encoche) after `suivante`, reported when it changes.
    template <class Suivante>
    void Editer(int couche, int encoche, Suivante suivante);

    std::vector<QRadioButton*> boutons_;  // one per row of the kinds' table
    QLineEdit* IDC_encoches = nullptr;
    QLineEdit* IDC_couches = nullptr;
    QLineEdit* IDC_pas = nullptr;
    QLabel* LabelNom = nullptr;
    QLabel* LabelQ = nullptr;
    QLabel* LabelPeriodicite = nullptr;
    QTableWidget* TableEncoches = nullptr;
    QLabel* LabelDiagnostic = nullptr;
    ZoneEtoile* etoile_ = nullptr;
    State montre_;
    bool rempli_ = false;
};

}  // namespace kest
