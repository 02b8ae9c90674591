// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>
#include <iterator>
#include <string>

#include "model/Alimentation.h"
#include "model/State.h"

class QLineEdit;
class QRadioButton;

namespace kest {

// The supply window: the five kinds as radio buttons, applied at once, and the six fields of
// "Libre" (three amplitudes, three lags in degrees), applied with Enter. Non-modal, created
// hidden on the first opening and kept until the end. Like the options dialog it holds no
// values of its own and never touches the state: it shows what it is given and reports what
// the user does, and the main window applies the rules and repaints.
class TAlimentationDlg : public QDialog {
    Q_OBJECT

public:
    explicit TAlimentationDlg(QWidget* parent = nullptr);

    // Shows the state: its kind's button, then (unless `textes` is false: a refused Enter keeps
    // what the user typed) the free values with the locale's separator.
    void Remplir(const State& etat, const std::string& separateur, bool textes = true);

    // Moves the window beside `cadre` (the main window's frame, with the Spectre window's when
    // it is open), on the main window's screen.
    void PlacerAupres(const QRect& cadre);

    void FormKeyDown();
    void FormClose();

signals:
    // A button became selected, by the user or by Remplir.
    void AlimentationChoisie(kest::Alimentation alimentation);
    // Enter in one of the six fields: their texts as typed.
    void ValeursEntrees(const kest::SaisieAlimentation& saisie);
    // Hidden by its own close box or the system menu.
    void Fermee();
    // The help line of the control under the pointer (empty when it leaves).
    void AideAffichee(const QString& aide);

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* objet, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    static constexpr int kNombreAlimentations = static_cast<int>(std::size(kTypesAlimentation));
    QRadioButton* Boutons[kNombreAlimentations] = {};
    QLineEdit* Amplitudes[3] = {};
    QLineEdit* Dephasages[3] = {};
};

}  // namespace kest
