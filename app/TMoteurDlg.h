// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSlider>
#include <QString>
#include <optional>
#include <string>

#include "app/FenetreOutil.h"
#include "model/Monophase.h"
#include "model/State.h"

class QLabel;
class QLineEdit;
class QRadioButton;
class QGroupBox;

namespace kest {

// The capacitance slider (model/Curseur.h's steps), with a mark under its groove at the step of
// the capacitor that puts I_a 90° ahead of I_m; no mark when that capacitor lies off the scale.
class CurseurCondensateur : public QSlider {
    Q_OBJECT

public:
    explicit CurseurCondensateur(QWidget* parent = nullptr);
    void Marquer(std::optional<int> position);
    std::optional<int> Marque() const { return marque_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    std::optional<int> marque_;
};

// The single-phase motor's window: the machine (three-phase or the motor), the four starts as
// radio buttons applied at once, the capacitance slider applied as it moves, the six values of
// "Libre" (C, a, R_m, X_m, R_a, X_a) applied together with Enter, and the numbers of the design.
// The motor's controls wait for the single-phase machine. Like the supply window it holds no
// values of its own: it shows what it is given and reports what the user does.
class TMoteurDlg : public FenetreOutil {
    Q_OBJECT

public:
    explicit TMoteurDlg(QWidget* parent = nullptr);

    // Shows the state: its machine, its start, the capacitance it uses on the slider, the design
    // numbers, and (unless `textes` is false: a refused Enter keeps what the user typed) the
    // free values with the locale's separator.
    void Remplir(const State& etat, const std::string& separateur, bool textes = true);
    // The same, only when the machine or the motor changed since the last Remplir.
    void Suivre(const State& etat, const std::string& separateur);

    void FormKeyDown() override;

signals:
    void MachineChoisie(kest::Machine machine);
    void DemarrageChoisi(kest::Demarrage demarrage);
    // The slider moved by the user: the capacitance in µF.
    void CondensateurChoisi(double microfarads);
    // Enter in one of the six fields: their texts as typed.
    void ValeursEntrees(const kest::SaisieMoteur& saisie);

private:
    QRadioButton* machines_[2] = {};
    QRadioButton* demarrages_[kNombreDemarrages] = {};
    QGroupBox* moteur_ = nullptr;
    CurseurCondensateur* curseur_ = nullptr;
    QLabel* valeur_ = nullptr;
    QLabel* conception_ = nullptr;
    QLineEdit* champs_[6] = {};
    std::optional<State> montre_;
    std::string separateur_;
};

}  // namespace kest
