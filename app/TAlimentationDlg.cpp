// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TAlimentationDlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kest {

namespace {

constexpr Alimentation kAlimentations[5] = {Alimentation::Equilibree, Alimentation::SequenceInverse,
                                            Alimentation::Monophasee, Alimentation::PhaseCoupee,
                                            Alimentation::Libre};

}  // namespace

TAlimentationDlg::TAlimentationDlg(QWidget* parent) : FenetreOutil(parent) {
    setObjectName(QStringLiteral("AlimentationDlg"));
    setWindowTitle(tr("Alimentation"));

    const QString aides[5] = {
        tr("Trois courants égaux décalés de 120° : un champ tournant d'amplitude constante"),
        tr("Phases 2 et 3 échangées : le champ tourne dans l'autre sens"),
        tr("La phase 1 seule : un champ pulsant, somme de deux champs tournants opposés"),
        tr("Étoile sans neutre, phase 3 ouverte : I1 = −I2, le champ pulse"),
        tr("Amplitudes et déphasages choisis : un champ elliptique")};
    auto* colonne = new QVBoxLayout(this);
    auto* groupe = new QGroupBox(tr("Alimentation"), this);
    groupe->setObjectName(QStringLiteral("GroupeAlimentation"));
    auto* boutons = new QVBoxLayout(groupe);
    for (int i = 0; i < 5; ++i) {
        // Siblings in one box: selecting one clears the others.
        Boutons[i] =
            new QRadioButton(QString::fromStdString(NomAlimentation(kAlimentations[i])), groupe);
        Boutons[i]->setObjectName(QStringLiteral("RBAlimentation%1").arg(i));
        Boutons[i]->setStatusTip(aides[i]);
        boutons->addWidget(Boutons[i]);
        // Selected by a click, the keyboard or the program alike: reported once.
        connect(Boutons[i], &QRadioButton::toggled, this, [this, i](bool selectionne) {
            if (selectionne) emit AlimentationChoisie(kAlimentations[i]);
        });
    }
    colonne->addWidget(groupe);

    auto* libre = new QGroupBox(tr("Libre (Entrée applique)"), this);
    libre->setObjectName(QStringLiteral("GroupeLibre"));
    auto* grille = new QGridLayout(libre);
    grille->addWidget(new QLabel(tr("Amplitude (× Imax, 0 à 2)"), libre), 0, 1);
    grille->addWidget(new QLabel(tr("Retard (degrés)"), libre), 0, 2);
    for (int k = 0; k < 3; ++k) {
        grille->addWidget(new QLabel(tr("Phase %1").arg(k + 1), libre), k + 1, 0);
        Amplitudes[k] = new QLineEdit(libre);
        Amplitudes[k]->setObjectName(QStringLiteral("IDC_amplitude%1").arg(k + 1));
        Amplitudes[k]->setStatusTip(
            tr("Amplitude du courant de la phase %1 en unités de Imax, de 0 à 2").arg(k + 1));
        Dephasages[k] = new QLineEdit(libre);
        Dephasages[k]->setObjectName(QStringLiteral("IDC_dephasage%1").arg(k + 1));
        Dephasages[k]->setStatusTip(
            tr("Retard du courant de la phase %1 sur la phase 1 seule, en degrés").arg(k + 1));
        for (QLineEdit* edit : {Amplitudes[k], Dephasages[k]}) {
            edit->setFixedWidth(70);
            edit->installEventFilter(this);
        }
        grille->addWidget(Amplitudes[k], k + 1, 1);
        grille->addWidget(Dephasages[k], k + 1, 2);
    }
    colonne->addWidget(libre);
    colonne->setSizeConstraint(QLayout::SetFixedSize);
}

void TAlimentationDlg::Remplir(const State& etat, const std::string& separateur) {
    for (int i = 0; i < 5; ++i)
        if (kAlimentations[i] == etat.alimentation) Boutons[i]->setChecked(true);
    const SaisieAlimentation affichee = SaisieAlimentationAffichee(etat, separateur);
    for (int k = 0; k < 3; ++k) {
        Amplitudes[k]->setText(QString::fromStdString(affichee.amplitudes[k]));
        Dephasages[k]->setText(QString::fromStdString(affichee.dephasages[k]));
        Amplitudes[k]->setCursorPosition(0);
        Dephasages[k]->setCursorPosition(0);
    }
}

void TAlimentationDlg::FormKeyDown() {
    SaisieAlimentation saisie;
    for (int k = 0; k < 3; ++k) {
        saisie.amplitudes[k] = Amplitudes[k]->text().toStdString();
        saisie.dephasages[k] = Dephasages[k]->text().toStdString();
    }
    emit ValeursEntrees(saisie);
}

bool TAlimentationDlg::eventFilter(QObject* objet, QEvent* e) {
    if (e->type() == QEvent::KeyPress) {
        const int touche = static_cast<QKeyEvent*>(e)->key();
        if (touche == Qt::Key_Return || touche == Qt::Key_Enter) FormKeyDown();
    }
    return FenetreOutil::eventFilter(objet, e);
}

void TAlimentationDlg::keyPressEvent(QKeyEvent* e) {
    // No Cancel button: Escape must not hide the window behind the menu's back.
    if (e->key() == Qt::Key_Escape) {
        e->ignore();
        return;
    }
    FenetreOutil::keyPressEvent(e);
}

}  // namespace kest
