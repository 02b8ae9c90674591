// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>

#include "app/FenetreOutil.h"
#include "model/Alimentation.h"
#include "model/State.h"

class QLineEdit;
class QRadioButton;

namespace kest {

// The supply window: the five kinds as radio buttons, applied at once, and the six fields of
// "Libre" (three amplitudes, three lags in degrees), applied with Enter. A tool window, created
// hidden on the first opening and kept until the end. Like the options dialog it holds no
// values of its own and never touches the state: it shows what it is given and reports what
// the user does, and the main window applies the rules and repaints.
class TAlimentationDlg : public FenetreOutil {
    Q_OBJECT

public:
    explicit TAlimentationDlg(QWidget* parent = nullptr);

    // Shows the state: its kind's button, then (unless `textes` is false: a refused Enter keeps
    // what the user typed) the free values with the locale's separator.
    void Remplir(const State& etat, const std::string& separateur, bool textes = true);

    void FormKeyDown() override;

signals:
    // A button became selected, by the user or by Remplir.
    void AlimentationChoisie(kest::Alimentation alimentation);
    // Enter in one of the six fields: their texts as typed.
    void ValeursEntrees(const kest::SaisieAlimentation& saisie);

private:
    QRadioButton* boutons_[kNombreAlimentations] = {};
    QLineEdit* amplitudes_[3] = {};
    QLineEdit* dephasages_[3] = {};
};

}  // namespace kest
