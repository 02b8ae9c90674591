// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's winding window and how the tool windows follow the state.
#include "app/BoiteErreur.h"
#include "app/TBobinageDlg.h"
#include "app/THarmoniquesDlg.h"
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

void TkestForm::SuivreOutils() {
    // The spectrum recomputes only when the winding itself changed, the winding window only
    // when p or the slots did, so a clock tick costs each a comparison.
    if (HarmoniquesDlg && HarmoniquesDlg->isVisible()) HarmoniquesDlg->Suivre(etat_, separateur_);
    if (BobinageDlg && BobinageDlg->isVisible()) BobinageDlg->Suivre(etat_);
}

}  // namespace kest
