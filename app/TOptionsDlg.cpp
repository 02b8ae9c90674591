// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TOptionsDlg.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "app/BoiteErreur.h"
#include "app/Disposition.h"

namespace kest {

namespace {

constexpr int kBordEdits = 224;  // left edge of the three edits
constexpr int kMarge = 6;        // the longest label starts this far from the dialog's edge
const char* const kAideDistribution =
    QT_TRANSLATE_NOOP("kest::TOptionsDlg", "Type de distribution de la kest");

}  // namespace

TOptionsDlg::TOptionsDlg(QWidget* parent) : FenetreOutil(parent) {
    setObjectName(QStringLiteral("OptionsDlg"));
    setWindowTitle(tr("Options"));
    setFixedSize(287, 168);

    IDC_p = NouvelEdit("IDC_p", tr("Nombre de paire de pôles p :"),
                       tr("choisi le nombre de paires de pôles du bobinage"), 8, 33);
    IDC_m =
        NouvelEdit("IDC_m", tr("Nombre d'encoches par pôle et par phase m :"),
                   tr("choisi le nombre d'encoche par pôle et par phase de chaque bobine"), 32, 33);
    IDC_Y =
        NouvelEdit("IDC_Y", tr("Ouverture des bobines Y :"),
                   tr("Permet d'imposer le raccourcicement polaire (pas diamétral : Pi)"), 56, 57);

    // Only a captioned frame: the buttons are the dialog's own, laid over it.
    RadioGroup1 = new QGroupBox(tr("Distribution"), this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setStatusTip(tr(kAideDistribution));
    RadioGroup1->setGeometry(80, 88, 129, 73);
    RBParfaite = NouveauBouton("RBParfaite", tr("Parfaite"), 104, 73);
    RBReelle = NouveauBouton("RBReelle", tr("Réelle"), 120, 73);
    RBDoubleetoile = NouveauBouton("RBDoubleetoile", tr("Double étoile"), 136, 97);

    setTabOrder(IDC_p, IDC_m);
    setTabOrder(IDC_m, IDC_Y);
    setTabOrder(IDC_Y, RBParfaite);
}

QLineEdit* TOptionsDlg::NouvelEdit(const char* nom, const QString& libelle, const QString& aide,
                                   int y, int largeur) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(nom));
    edit->setStatusTip(aide);
    edit->setGeometry(kBordEdits, y, largeur, 21);
    AppliquerParEntree(edit);
    // Right edge 3 px before the edit, centred on it as a 13 px line.
    QLabel* l = NouveauLibelle(QString::fromLatin1(nom) + QStringLiteral("Label"), libelle, this,
                               kBordEdits - 3, y + (21 - 13) / 2, true, std::nullopt,
                               kBordEdits - 3 - kMarge);
    l->setBuddy(edit);
    return edit;
}

QRadioButton* TOptionsDlg::NouveauBouton(const char* nom, const QString& texte, int y,
                                         int largeur) {
    // Siblings under one parent: selecting one clears the others; none is selected at first.
    auto* bouton = new QRadioButton(texte, this);
    bouton->setObjectName(QString::fromLatin1(nom));
    bouton->setStatusTip(tr(kAideDistribution));
    bouton->setGeometry(96, y, std::max(largeur, bouton->sizeHint().width()), 17);
    // Selected by a click, the keyboard or the program alike: each runs RBClick once.
    connect(bouton, &QRadioButton::toggled, this, [this](bool selectionne) {
        if (selectionne) RBClick();
    });
    return bouton;
}

void TOptionsDlg::Remplir(const State& etat, const std::string& separateur) {
    // The buttons first: selecting one clears the others and runs RBClick, and the window
    // applies it and repaints.
    const Distribution distribution = DistributionDe(etat);
    RBParfaite->setChecked(distribution == Distribution::Parfaite);
    RBReelle->setChecked(distribution == Distribution::Reelle);
    RBDoubleetoile->setChecked(distribution == Distribution::DoubleEtoile);
    // The texts that Enter sends back as they stand.
    const Saisie affichee = SaisieAffichee(etat, separateur);
    IDC_p->setText(QString::fromStdString(affichee.p));
    IDC_m->setText(QString::fromStdString(affichee.m));
    IDC_Y->setText(QString::fromStdString(affichee.Y));
    for (QLineEdit* edit : {IDC_p, IDC_m, IDC_Y}) edit->setCursorPosition(0);  // show the start
}

void TOptionsDlg::FormKeyDown() {
    // The edits are read as typed and never written back; the window stores step by step.
    emit ValeursEntrees(Saisie{IDC_p->text().toStdString(), IDC_m->text().toStdString(),
                               IDC_Y->text().toStdString(), RBReelle->isChecked(),
                               RBDoubleetoile->isChecked()});
}

void TOptionsDlg::RBClick() {
    emit DistributionChoisie(RBReelle->isChecked(), RBDoubleetoile->isChecked());
}

void TOptionsDlg::FormClose() {
    hide();
    emit Fermee();
}

void TOptionsDlg::closeEvent(QCloseEvent* e) {
    e->accept();
    Garde([this] { FormClose(); });
}

}  // namespace kest
