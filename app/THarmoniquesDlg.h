// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

#include "model/Harmoniques.h"
#include "model/State.h"

class QBarSet;
class QChart;
class QChartView;
class QClipboard;
class QLabel;
class QTableWidget;

namespace kest {

// The "Spectre" window: the harmonics of the resultant MMF as a bar chart, the winding factors
// that explain them as a table, and the distortion. Non-modal, created hidden on the first
// opening and kept until the end. It reads the state it is handed and never writes it.
class THarmoniquesDlg : public QDialog {
    Q_OBJECT

public:
    explicit THarmoniquesDlg(QWidget* fenetre);

    // Recomputes when the winding differs from the one shown (a clock tick changes only the
    // time, whose spectrum is the same: it costs a comparison). `forcer` recomputes anyway.
    void Suivre(const State& s, const std::string& separateur, bool forcer = false);

    // Ctrl+C: the chart as SVG and PNG, and the table as tab-separated text.
    void Copier(QClipboard& clipboard) const;

    // What is shown, for the copy and the tests: A(h)/A(1) per order 1..25 in the two series
    // (0 where the order turns the other way or is absent), the categories, the table's rows.
    QList<qreal> Barres(Sens sens) const;
    QStringList Categories() const;
    const std::vector<LigneHarmonique>& Lignes() const { return lignes_; }
    QString TexteLignes() const;

signals:
    // The close box: the menu's check mark follows.
    void Ferme();
    // The help line of the control under the pointer: the window has no status bar of its own.
    void AideAffichee(const QString& aide);

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    // The close box and Escape: hidden, kept, and the menu told.
    void reject() override;

private:
    void createChart();
    void createTable();
    void Afficher(const State& s, const std::string& separateur);

    QChartView* Graphique = nullptr;
    QChart* chart_ = nullptr;
    QBarSet* Directs = nullptr;
    QBarSet* Inverses = nullptr;
    QTableWidget* Tableau = nullptr;
    QLabel* LabelBobinage = nullptr;
    QLabel* LabelDistorsion = nullptr;
    std::optional<State> montre_;  // the winding on display
    std::vector<LigneHarmonique> lignes_;
    std::string separateur_ = ".";
};

}  // namespace kest
