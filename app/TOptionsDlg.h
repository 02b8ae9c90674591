// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>

#include "app/FenetreOutil.h"
#include "model/Regles.h"
#include "model/State.h"

class QGroupBox;
class QLineEdit;
class QRadioButton;

namespace kest {

// The winding options: a tool window, created hidden with the main window and kept until the
// end. It holds no values of its own and never touches the state: it shows what it
// is given and reports what the user does, and the window applies the rules.
class TOptionsDlg : public FenetreOutil {
    Q_OBJECT

public:
    explicit TOptionsDlg(QWidget* parent = nullptr);

    // Shows the state as the panel's texts (SaisieAffichee): the radio buttons first, then the
    // three numbers, which Enter sends back as they stand.
    void Remplir(const State& etat, const std::string& separateur);

    void FormKeyDown() override;
    void RBClick();
    void FormClose();

signals:
    // Enter in one of the edits: the three texts as typed and the selection of the buttons.
    void ValeursEntrees(const kest::Saisie& saisie);
    // A distribution button became selected, by the user or by Remplir.
    void DistributionChoisie(bool reelle, bool doubleEtoile);

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    QLineEdit* NouvelEdit(const char* nom, const QString& libelle, const QString& aide, int y,
                          int largeur);
    QRadioButton* NouveauBouton(const char* nom, const QString& texte, int y, int largeur);

    QLineEdit* IDC_p = nullptr;
    QLineEdit* IDC_m = nullptr;
    QLineEdit* IDC_Y = nullptr;
    QGroupBox* RadioGroup1 = nullptr;
    QRadioButton* RBParfaite = nullptr;
    QRadioButton* RBReelle = nullptr;
    QRadioButton* RBDoubleetoile = nullptr;
};

}  // namespace kest
