// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's winding window and how the tool windows follow the state.
#include "app/BoiteErreur.h"
#include "app/TBobinageDlg.h"
#include "app/THarmoniquesDlg.h"
#include "app/TMoteurDlg.h"
#include "app/TkestForm.h"
#include "model/Encoches.h"

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
