#pragma once

#include <QDialog>
#include <string>

#include "State.h"

class QGroupBox;
class QLineEdit;
class QRadioButton;

namespace kest {

class TkestForm;

// The winding options: a non-modal dialog, created hidden with the main window and kept
// until the end. Numbers reach the state only on Enter; a distribution button acts at once.
class TOptionsDlg : public QDialog {
    Q_OBJECT

public:
    explicit TOptionsDlg(TkestForm& kestForm);

    // Copies the state into the controls: the radio buttons first, then the three numbers.
    void Remplir(const State& s, const std::string& separateur);

    void FormKeyDown();
    void RBClick();
    void FormClose();

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* objet, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    QLineEdit* nouvelEdit(const char* nom, const QString& libelle, const QString& aide, int y,
                          int largeur);
    QRadioButton* nouveauBouton(const char* nom, const QString& texte, int y, int largeur);

    TkestForm& kestForm_;
    QLineEdit* IDC_p = nullptr;
    QLineEdit* IDC_m = nullptr;
    QLineEdit* IDC_Y = nullptr;
    QGroupBox* RadioGroup1 = nullptr;
    QRadioButton* RBParfaite = nullptr;
    QRadioButton* RBReelle = nullptr;
    QRadioButton* RBDoubleetoile = nullptr;
};

}  // namespace kest
