// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <optional>
#include <string>
#include <vector>

#include "app/FenetreOutil.h"
#include "model/Encoches.h"
#include "model/Harmoniques.h"
#include "model/State.h"

class QBarSeries;
class QBarSet;
class QStackedBarSeries;
class QBarCategoryAxis;
class QCategoryAxis;
class QChart;
class QChartView;
class QCheckBox;
class QClipboard;
class QGraphicsSimpleTextItem;
class QLabel;
class QTableWidget;

namespace kest {

// The "Harmoniques" window: the harmonics of the resultant MMF as a bar chart, the winding factors
// that explain them as a table, and the distortion. A slot winding's are its mechanical orders
// ν = 1 … max(25, 5p), the working wave ν = p marked, each with its winding factor. A tool window,
// created hidden on the first opening and kept until the end. It reads the state it is handed and
// never writes it.
class THarmoniquesDlg : public FenetreOutil {
    Q_OBJECT

public:
    explicit THarmoniquesDlg(QWidget* fenetre);

    // Recomputes when the winding or the supply differs from the one shown. What is shown does
    // not depend on the time (the balanced crests are constant; any other supply shows only its
    // forward and backward parts and their ratio), so a clock tick costs a comparison.
    // `forcer` recomputes anyway.
    void Suivre(const State& s, const std::string& separateur, bool forcer = false);

    // Ctrl+C: the chart as SVG and PNG, and the table as tab-separated text.
    bool Copiable() const override { return true; }
    // Its Close button's window: Escape hides it.
    bool FermeeParEchap() const override { return true; }
    void Copier(QClipboard& clipboard) const override;

    // What is shown, for the copy and the tests: per order 1..25, the balanced supply's
    // A(h)/A(1) in the series of its direction (0 in the other and where absent), any other
    // supply's forward and backward parts per unit of the balanced fundamental (both cut at the
    // top of an enlarged scale), the categories, the value axis' tick labels, the value written on
    // a cut bar (empty when none is cut) and the table's rows.
    QList<qreal> Barres(Sens sens) const;
    QStringList Categories() const;
    QStringList Graduations() const;
    QString ValeurCoupee() const;
    // "Taux de déséquilibre …": the fundamental's backward part over its forward part.
    QString TexteDesequilibre() const;
    const Spectre& Montre() const { return spectre_; }
    QString TexteLignes() const;

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void CreerGraphique();
    void CreerTableau();
    void Afficher(const State& s, const std::string& separateur);
    // The order axis's categories, set only when they change.
    void RegleCategories(const QStringList& categories);
    void ChoisirSeries(bool equilibree);
    // The table's columns: eight in electrical orders, five in mechanical ones.
    void Colonnes(bool mecanique);
    // The table as tall as its first rows (the others scroll), its columns as wide as their texts.
    void AjusterTableau();
    void RepartirColonnes();
    // The value axis (0–1, or up to the largest harmonic with "Agrandir les harmoniques") and
    // the bars it holds.
    void Echelonner();
    void PlacerValeurFondamental();
    // The chart's least size: room for its axes' titles and labels.
    void DimensionnerGraphique();

    QChartView* Graphique = nullptr;
    QChart* chart_ = nullptr;
    // The balanced supply stacks its two sets, one of them 0 at each order, so that each bar
    // stands on its label; any other supply has both parts at an order, side by side.
    QStackedBarSeries* empilees_ = nullptr;
    QBarSeries* cote_ = nullptr;
    QBarSet* Directs = nullptr;
    QBarSet* Inverses = nullptr;
    QBarCategoryAxis* rangs_ = nullptr;
    QCategoryAxis* amplitudes_ = nullptr;
    QGraphicsSimpleTextItem* valeurFondamental_ = nullptr;
    QCheckBox* CBAgrandir = nullptr;
    QTableWidget* Tableau = nullptr;
    QLabel* LabelBobinage = nullptr;
    QLabel* LabelDistorsion = nullptr;
    QLabel* LabelDesequilibre = nullptr;
    std::optional<State> montre_;  // the winding on display
    Spectre spectre_;
    int travail_ = 0;                  // the working wave's bar: the fundamental's, or order p's
    QList<qreal> directs_, inverses_;  // the bars' values before any cut
    std::string separateur_ = ".";
};

}  // namespace kest
