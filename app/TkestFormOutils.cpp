// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's winding window, the winding's file and how the tool windows follow the state.
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QSaveFile>
#include <fstream>

#include "app/BoiteErreur.h"
#include "app/TBobinageDlg.h"
#include "app/THarmoniquesDlg.h"
#include "app/TMoteurDlg.h"
#include "app/TkestForm.h"
#include "model/Encoches.h"
#include "model/Personnalise.h"

namespace kest {

QString TkestForm::AideBobinage() {
    return tr(
        "Bobinage classique ou par encoches : encoches, couches et pas des bobines, disposés par "
        "l'étoile des encoches");
}

TBobinageDlg& TkestForm::CreerBobinageDlg() {
    if (!BobinageDlg) {
        BobinageDlg = new TBobinageDlg(this);
        Rattacher(*BobinageDlg, Bobinage1);
        connect(BobinageDlg, &TBobinageDlg::GenreChoisi, this, &TkestForm::AppliquerGenreBobinage);
        connect(BobinageDlg, &TBobinageDlg::ValeursEntrees, this,
                &TkestForm::AppliquerSaisieEncoches);
        connect(BobinageDlg, &TBobinageDlg::CelluleChoisie, this, &TkestForm::AppliquerCellule);
        connect(BobinageDlg, &TBobinageDlg::AnnulerDemande, this, &TkestForm::AnnulerBobinage);
        connect(BobinageDlg, &TBobinageDlg::RefaireDemande, this, &TkestForm::RefaireBobinage);
    }
    return *BobinageDlg;
}

void TkestForm::AppliquerGenreBobinage(TypeBobinage type) {
    // A refused kind puts its button back: the window shows the state again either way.
    Garde([&] { ChoisirTypeBobinage(etat_, type); });
    Garde([&] {
        BobinageDlg->Remplir(etat_);
        Redessiner();
    });
}

void TkestForm::AppliquerSaisieEncoches(const SaisieEncoches& saisie) {
    // A refusal changes nothing and keeps the texts as typed, to be mended.
    bool refuse = true;
    Garde([&] { AppliquerEncoches(etat_, saisie), refuse = false; });
    Garde([&] {
        BobinageDlg->Remplir(etat_, !refuse);
        Redessiner();
    });
}

void TkestForm::Bobinage1Click() {
    TBobinageDlg& fenetre = CreerBobinageDlg();
    if (!fenetre.isVisible()) fenetre.Remplir(etat_);
    fenetre.Basculer();
}

void TkestForm::AppliquerCellule(int encoche, int couche, Cellule cellule) {
    Garde([&] {
        // The edit starts from the table shown: another kind's slot winding, not a custom table
        // the state may keep from before.
        State avant = etat_;
        if (avant.typeBobinage != TypeBobinage::Personnalise) avant.tableBobinage = nullptr;
        State apres = avant;
        if (!EditerCellule(apres, encoche, couche, cellule)) return;
        historique_.Avant(avant);
        etat_ = std::move(apres);
        Redessiner();
    });
}

void TkestForm::AnnulerBobinage() {
    Garde([&] {
        historique_.Annuler(etat_);
        Redessiner();
    });
}

void TkestForm::RefaireBobinage() {
    Garde([&] {
        historique_.Refaire(etat_);
        Redessiner();
    });
}

void TkestForm::EnregistrerBobinage(const QString& chemin) {
    Garde([&] {
        const std::shared_ptr<const TableBobinage> table = EncochesMontrees(etat_)->Table();
        if (!table || table->cellules.empty())
            throw Erreur(tr("Aucun tableau des encoches à enregistrer : les encoches ne forment "
                            "pas de bobinage avec p = %1")
                             .arg(etat_.p)
                             .toStdString());
        const std::string texte = EcritFichierBobinage(*table);
        // Written aside and renamed: a failed write leaves the file that was there.
        QSaveFile fichier(chemin);
        if (!fichier.open(QIODevice::WriteOnly) ||
            fichier.write(texte.data(), qint64(texte.size())) != qint64(texte.size()) ||
            !fichier.commit())
            throw Erreur(tr("Le fichier %1 ne peut pas être écrit")
                             .arg(QDir::toNativeSeparators(chemin))
                             .toStdString());
    });
}

void TkestForm::OuvrirBobinage(const QString& chemin) {
    Garde([&] {
        std::ifstream fichier(QFile::encodeName(chemin).toStdString(), std::ios::binary);
        if (!fichier)
            throw Erreur(tr("Le fichier %1 ne peut pas être lu")
                             .arg(QDir::toNativeSeparators(chemin))
                             .toStdString());
        State apres = etat_;
        RemplacerTable(apres, LitFichierBobinage(fichier));
        historique_.Avant(etat_);
        etat_ = std::move(apres);
        Redessiner();
    });
}

void TkestForm::EnregistrerBobinage1Click() {
    QFileDialog dialogue(this, tr("Enregistrer le bobinage"), QString(), tr("Bobinage (*.csv)"));
    dialogue.setAcceptMode(QFileDialog::AcceptSave);
    dialogue.setDefaultSuffix(QStringLiteral("csv"));
    if (dialogue.exec() == QDialog::Accepted && !dialogue.selectedFiles().isEmpty())
        EnregistrerBobinage(dialogue.selectedFiles().constFirst());
}

void TkestForm::OuvrirBobinage1Click() {
    const QString chemin = QFileDialog::getOpenFileName(this, tr("Ouvrir un bobinage"), QString(),
                                                        tr("Bobinage (*.csv)"));
    if (!chemin.isEmpty()) OuvrirBobinage(chemin);
}

TMoteurDlg& TkestForm::CreerMoteurDlg() {
    if (!MoteurDlg) {
        MoteurDlg = new TMoteurDlg(this);
        Rattacher(*MoteurDlg, Moteur1);
        connect(MoteurDlg, &TMoteurDlg::MachineChoisie, this, &TkestForm::AppliquerMachine);
        connect(MoteurDlg, &TMoteurDlg::DemarrageChoisi, this, &TkestForm::AppliquerDemarrage);
        connect(MoteurDlg, &TMoteurDlg::CondensateurChoisi, this,
                &TkestForm::AppliquerCondensateur);
        connect(MoteurDlg, &TMoteurDlg::ValeursEntrees, this, &TkestForm::AppliquerSaisieMoteur);
    }
    return *MoteurDlg;
}

void TkestForm::AppliquerMachine(Machine machine) {
    // A refused machine (a slot winding) puts its buttons back: the window shows the state again.
    Garde([&] { ChoisirMachine(etat_, machine); });
    Garde([&] {
        if (MoteurDlg) MoteurDlg->Remplir(etat_, separateur_);
        Redessiner();
    });
}

void TkestForm::AppliquerDemarrage(Demarrage demarrage) {
    Garde([&] {
        ChoisirDemarrage(etat_, demarrage);
        Redessiner();
    });
}

void TkestForm::AppliquerCondensateur(double microfarads) {
    Garde([&] {
        ChoisirCondensateur(etat_, microfarads);
        Redessiner();
    });
}

void TkestForm::AppliquerSaisieMoteur(const SaisieMoteur& saisie) {
    // A refusal changes nothing and keeps the texts as typed, to be mended.
    bool refuse = true;
    Garde([&] { AppliquerMoteur(etat_, saisie, separateur_), refuse = false; });
    Garde([&] {
        MoteurDlg->Remplir(etat_, separateur_, !refuse);
        Redessiner();
    });
}

void TkestForm::Moteur1Click() {
    TMoteurDlg& fenetre = CreerMoteurDlg();
    if (!fenetre.isVisible()) fenetre.Remplir(etat_, separateur_);
    fenetre.Basculer();
}

void TkestForm::SuivreOutils() {
    // The spectrum recomputes only when the winding itself changed, the winding window only
    // when p or the slots did, so a clock tick costs each a comparison.
    if (HarmoniquesDlg && HarmoniquesDlg->isVisible()) HarmoniquesDlg->Suivre(etat_, separateur_);
    if (BobinageDlg && BobinageDlg->isVisible()) BobinageDlg->Suivre(etat_);
    if (MoteurDlg && MoteurDlg->isVisible()) MoteurDlg->Suivre(etat_, separateur_);
    Machines1[static_cast<int>(etat_.machine) == 1]->setChecked(true);
}

}  // namespace kest
