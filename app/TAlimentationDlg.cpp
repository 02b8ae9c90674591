// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TAlimentationDlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "render/PainterSurface.h"
#include "scene/Vues.h"

namespace kest {

TAlimentationDlg::TAlimentationDlg(QWidget* parent) : FenetreOutil(parent) {
    setObjectName(QStringLiteral("AlimentationDlg"));
    setWindowTitle(tr("Alimentation"));

    auto* colonne = new QVBoxLayout(this);
    auto* groupe = new QGroupBox(tr("Alimentation"), this);
    groupe->setObjectName(QStringLiteral("GroupeAlimentation"));
    auto* boutons = new QVBoxLayout(groupe);
    for (int i = 0; i < kNombreAlimentations; ++i) {
        const auto type = static_cast<Alimentation>(i);
        // Siblings in one box: selecting one clears the others.
        boutons_[i] = new QRadioButton(QString::fromStdString(NomAlimentation(type)), groupe);
        boutons_[i]->setObjectName(QStringLiteral("RBAlimentation%1").arg(i));
        boutons_[i]->setStatusTip(QString::fromStdString(AideAlimentation(type)));
        boutons->addWidget(boutons_[i]);
        // Selected by a click, the keyboard or the program alike: reported once.
        connect(boutons_[i], &QRadioButton::toggled, this, [this, i](bool selectionne) {
            if (selectionne) emit AlimentationChoisie(static_cast<Alimentation>(i));
        });
    }
    colonne->addWidget(groupe);

    auto* libre = new QGroupBox(tr("Libre (Entrée applique)"), this);
    libre->setObjectName(QStringLiteral("GroupeLibre"));
    auto* grille = new QGridLayout(libre);
    grille->addWidget(new QLabel(tr("Amplitude (× Imax, 0 à 2)"), libre), 0, 1);
    grille->addWidget(new QLabel(tr("Retard (degrés)"), libre), 0, 2);
    // Each row in its phase's colour, as the picture draws the phase; the red one is the phase
    // that the "Vecteur spatial" circle shows alone.
    const QString couleurs[3] = {tr("bleu"), tr("rouge : cercle « Vecteur spatial »"), tr("vert")};
    for (int k = 0; k < 3; ++k) {
        auto* phase = new QLabel(libre);
        phase->setObjectName(QStringLiteral("LabelPhase%1").arg(k + 1));
        const QColor c = VersQColor(kCouleurPhase[k]);
        phase->setText(
            QStringLiteral("<span style=\"color:%1\">&#9632;</span> %2 <small>(%3)</small>")
                .arg(c.name(), tr("Phase %1").arg(k + 1), couleurs[k].toHtmlEscaped()));
        grille->addWidget(phase, k + 1, 0);
        amplitudes_[k] = new QLineEdit(libre);
        amplitudes_[k]->setObjectName(QStringLiteral("IDC_amplitude%1").arg(k + 1));
        amplitudes_[k]->setStatusTip(
            tr("Amplitude du courant de la phase %1 en unités de Imax, de 0 à 2").arg(k + 1));
        dephasages_[k] = new QLineEdit(libre);
        dephasages_[k]->setObjectName(QStringLiteral("IDC_dephasage%1").arg(k + 1));
        dephasages_[k]->setStatusTip(
            tr("Retard du courant de la phase %1 sur la phase 1 seule, en degrés").arg(k + 1));
        for (QLineEdit* edit : {amplitudes_[k], dephasages_[k]}) {
            edit->setFixedWidth(70);
            AppliquerParEntree(edit);
        }
        grille->addWidget(amplitudes_[k], k + 1, 1);
        grille->addWidget(dephasages_[k], k + 1, 2);
    }
    colonne->addWidget(libre);
    colonne->setSizeConstraint(QLayout::SetFixedSize);
}

void TAlimentationDlg::Remplir(const State& etat, const std::string& separateur, bool textes) {
    for (int i = 0; i < kNombreAlimentations; ++i)
        if (static_cast<Alimentation>(i) == etat.alimentation) boutons_[i]->setChecked(true);
    if (!textes) return;
    const SaisieAlimentation affichee = SaisieAlimentationAffichee(etat, separateur);
    for (int k = 0; k < 3; ++k) {
        amplitudes_[k]->setText(QString::fromStdString(affichee.amplitudes[k]));
        dephasages_[k]->setText(QString::fromStdString(affichee.dephasages[k]));
        amplitudes_[k]->setCursorPosition(0);
        dephasages_[k]->setCursorPosition(0);
    }
}

void TAlimentationDlg::FormKeyDown() {
    SaisieAlimentation saisie;
    for (int k = 0; k < 3; ++k) {
        saisie.amplitudes[k] = amplitudes_[k]->text().toStdString();
        saisie.dephasages[k] = dephasages_[k]->text().toStdString();
    }
    emit ValeursEntrees(saisie);
}

}  // namespace kest
