// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Regles.h"

#include "model/Bobinage.h"
#include "model/Conversions.h"
#include "model/Erreur.h"
#include "model/Textes.h"

namespace kest {

void AppliquerSaisie(State& etat, const Saisie& saisie, std::string_view separateur) {
    // Each step stores at once: a failure leaves the earlier steps applied.
    etat.Reelle = saisie.reelle;
    etat.DoubleEtoile = saisie.doubleEtoile;

    // p <= 0 is dropped without a word; p keeps its value, so p >= 1 always holds.
    const int p = TexteVersEntier(saisie.p);
    if (p > kPMax)
        throw Erreur(Remplit(
            Traduit("Regles", "'%1' n'est pas un nombre de paires de pôles correct (1 à %2)"),
            {saisie.p, std::to_string(kPMax)}));
    // A slot winding must still be one with the new p.
    if (p > 0) VerifieBobinage(etat, p);
    if (p > 0) etat.p = p;

    // m <= 0 is allowed: the winding then has no conductors, and m = 0 fails at Alpha below.
    const int m = TexteVersEntier(saisie.m);
    if (m > kMMax || m < -kMMax)
        throw Erreur(Remplit(Traduit("Regles",
                                     "'%1' n'est pas un nombre d'encoches par pôle et "
                                     "par phase correct (-%2 à %2)"),
                             {saisie.m, std::to_string(kMMax)}));
    etat.m = m;

    // With both bounds at 99, 6·p·m stays far inside the int range.
    try {
        etat.Y = TexteVersReel(saisie.Y, separateur);
    } catch (const ErreurDebordement&) {
        // An overflowing Y is reported only once the slot count has been updated.
        etat.NbEncoches = 6 * etat.p * etat.m;
        throw;
    }
    etat.NbEncoches = 6 * etat.p * etat.m;

    // Checked before dividing: an infinite slot pitch must never reach the state.
    if (etat.NbEncoches == 0)
        throw Erreur(Traduit("Regles", "Division par zéro en virgule flottante"));
    etat.Alpha = kDeuxPi / etat.NbEncoches;
}

Distribution DistributionDe(const State& etat) {
    if (etat.DoubleEtoile) return Distribution::DoubleEtoile;
    return etat.Reelle ? Distribution::Reelle : Distribution::Parfaite;
}

std::string NomDistribution(Distribution d) {
    switch (d) {
        case Distribution::Reelle:
            return Traduit("Regles", "Réelle");
        case Distribution::DoubleEtoile:
            return Traduit("Regles", "Double étoile");
        case Distribution::Parfaite:
            break;
    }
    return Traduit("Regles", "Parfaite");
}

Saisie SaisieAffichee(const State& etat, std::string_view separateur) {
    const Distribution d = DistributionDe(etat);
    return Saisie{EntierVersTexte(etat.p), EntierVersTexte(etat.m),
                  ReelVersTexte(etat.Y, separateur), d == Distribution::Reelle,
                  d == Distribution::DoubleEtoile};
}

void ChoisirDistribution(State& etat, bool reelle, bool doubleEtoile) {
    etat.Reelle = reelle;
    etat.DoubleEtoile = doubleEtoile;
}

bool RegleIntervalle(int& intervalle, int ms) {
    if (ms == intervalle) return false;
    intervalle = ms;
    return true;
}

void AvancerTemps(State& etat) { etat.t = kAngleTop / etat.Omega + etat.t; }

}  // namespace kest
