// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Alimentation.h"

#include <cmath>

#include "model/Conversions.h"
#include "model/Erreur.h"
#include "model/Textes.h"

namespace kest {

namespace {

// √3/2: the line current of a star without neutral whose phase 3 is open, per unit of Imax.
constexpr double kRacine3Sur2 = 0.8660254037844386;

}  // namespace

PhaseAlimentation ParametresPhase(const State& s, int k) {
    switch (s.alimentation) {
        case Alimentation::Equilibree:
            return {1.0, k * kDeuxPiSur3};
        case Alimentation::SequenceInverse:
            return {1.0, -(k * kDeuxPiSur3)};
        case Alimentation::Monophasee:
            return {k == 0 ? 1.0 : 0.0, 0.0};
        case Alimentation::PhaseCoupee:
            // Phases 1 and 2 carry the line current between their terminals, in opposition.
            if (k == 0) return {kRacine3Sur2, -kPiSur6};
            if (k == 1) return {kRacine3Sur2, kPi - kPiSur6};
            return {0.0, 0.0};
        case Alimentation::Libre:
            return {s.AmplitudesLibres[k], s.DephasagesLibres[k] * kPi / 180.0};
    }
    return {};
}

Sequences ComposantesSymetriques(const State& s, int h) {
    Sequences r;
    for (int k = 0; k < 3; ++k) {
        const PhaseAlimentation ph = ParametresPhase(s, k);
        const double espace = h * k * kDeuxPiSur3;
        r.direct += std::polar(ph.a, espace - ph.delta);
        r.inverse += std::polar(ph.a, -(espace + ph.delta));
    }
    r.direct /= 3.0;
    r.inverse /= 3.0;
    return r;
}

std::string NomAlimentation(Alimentation a) {
    switch (a) {
        case Alimentation::Equilibree:
            return Traduit("Alimentation", "Équilibrée");
        case Alimentation::SequenceInverse:
            return Traduit("Alimentation", "Séquence inverse");
        case Alimentation::Monophasee:
            return Traduit("Alimentation", "Monophasée");
        case Alimentation::PhaseCoupee:
            return Traduit("Alimentation", "Phase 3 coupée");
        case Alimentation::Libre:
            break;
    }
    return Traduit("Alimentation", "Libre");
}

void ChoisirAlimentation(State& s, Alimentation a) { s.alimentation = a; }

void AppliquerAlimentationLibre(State& s, const SaisieAlimentation& saisie,
                                std::string_view separateur) {
    // Everything is read before anything is stored: a bad field changes nothing.
    double amplitudes[3], dephasages[3];
    for (int k = 0; k < 3; ++k) {
        amplitudes[k] = TexteVersReel(saisie.amplitudes[k], separateur);
        if (!(amplitudes[k] >= 0.0 && amplitudes[k] <= kAmplitudeMax))
            throw Erreur(
                Remplit(Traduit("Alimentation", "'%1' n'est pas une amplitude correcte (0 à %2)"),
                        {saisie.amplitudes[k], ReelVersTexte(kAmplitudeMax, separateur)}));
    }
    for (int k = 0; k < 3; ++k) dephasages[k] = TexteVersReel(saisie.dephasages[k], separateur);
    for (int k = 0; k < 3; ++k) {
        s.AmplitudesLibres[k] = amplitudes[k];
        s.DephasagesLibres[k] = dephasages[k];
    }
    s.alimentation = Alimentation::Libre;
}

SaisieAlimentation SaisieAlimentationAffichee(const State& s, std::string_view separateur) {
    SaisieAlimentation saisie;
    for (int k = 0; k < 3; ++k) {
        saisie.amplitudes[k] = ReelVersTexte(s.AmplitudesLibres[k], separateur);
        saisie.dephasages[k] = ReelVersTexte(s.DephasagesLibres[k], separateur);
    }
    return saisie;
}

}  // namespace kest
