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
            return {s.amplitudesLibres[k], s.dephasagesLibres[k] * kPi / 180.0};
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
    for (int k = 0; k < 3; ++k) {
        dephasages[k] = TexteVersReel(saisie.dephasages[k], separateur);
        if (!(dephasages[k] >= -kDephasageMax && dephasages[k] <= kDephasageMax))
            throw Erreur(
                Remplit(Traduit("Alimentation", "'%1' n'est pas un déphasage correct (%2 à %3)"),
                        {saisie.dephasages[k], ReelVersTexte(-kDephasageMax, separateur),
                         ReelVersTexte(kDephasageMax, separateur)}));
    }
    for (int k = 0; k < 3; ++k) {
        s.amplitudesLibres[k] = amplitudes[k];
        s.dephasagesLibres[k] = dephasages[k];
    }
    s.alimentation = Alimentation::Libre;
}

SaisieAlimentation SaisieAlimentationAffichee(const State& s, std::string_view separateur) {
    SaisieAlimentation saisie;
    for (int k = 0; k < 3; ++k) {
        saisie.amplitudes[k] = ReelVersTexte(s.amplitudesLibres[k], separateur);
        saisie.dephasages[k] = ReelVersTexte(s.dephasagesLibres[k], separateur);
    }
    return saisie;
}

namespace {

constexpr Alimentation kToutes[] = {Alimentation::Equilibree, Alimentation::SequenceInverse,
                                    Alimentation::Monophasee, Alimentation::PhaseCoupee,
                                    Alimentation::Libre};

// "x,y,z" -> its three texts; anything else is refused with what the list holds.
void TroisValeurs(const std::string& liste, std::string (&valeurs)[3], const char* quoi) {
    std::string_view reste = liste;
    for (int k = 0; k < 3; ++k) {
        const auto virgule = reste.find(',');
        if ((k < 2) == (virgule == std::string_view::npos))
            throw Erreur(Remplit(Traduit("Alimentation",
                                         "'%1' n'est pas une liste de trois %2 "
                                         "séparées par des virgules"),
                                 {liste, quoi}));
        valeurs[k] = std::string(reste.substr(0, virgule));
        if (k < 2) reste.remove_prefix(virgule + 1);
    }
}

std::string Liste(const double (&valeurs)[3]) {
    return ReelVersTexte(valeurs[0], ".") + "," + ReelVersTexte(valeurs[1], ".") + "," +
           ReelVersTexte(valeurs[2], ".");
}

}  // namespace

std::string CleAlimentation(Alimentation a) {
    switch (a) {
        case Alimentation::Equilibree:
            return "equilibree";
        case Alimentation::SequenceInverse:
            return "inverse";
        case Alimentation::Monophasee:
            return "monophasee";
        case Alimentation::PhaseCoupee:
            return "phase-coupee";
        case Alimentation::Libre:
            break;
    }
    return "libre";
}

void LireOptionsAlimentation(State& s, const OptionsAlimentation& options) {
    const bool libres = options.amplitudes || options.dephasages;
    Alimentation choisie = libres ? Alimentation::Libre : s.alimentation;
    if (options.alimentation) {
        bool connue = false;
        for (const Alimentation a : kToutes)
            if (*options.alimentation == CleAlimentation(a)) {
                choisie = a;
                connue = true;
            }
        if (!connue)
            throw Erreur(Remplit(Traduit("Alimentation",
                                         "'%1' n'est pas une alimentation correcte (equilibree, "
                                         "inverse, monophasee, phase-coupee ou libre)"),
                                 {*options.alimentation}));
        if (libres && choisie != Alimentation::Libre)
            throw Erreur(
                Traduit("Alimentation",
                        "Les amplitudes et les déphasages ne valent qu'avec l'alimentation libre"));
    }
    if (!libres) {
        ChoisirAlimentation(s, choisie);
        return;
    }
    SaisieAlimentation saisie = SaisieAlimentationAffichee(s, ".");
    if (options.amplitudes)
        TroisValeurs(*options.amplitudes, saisie.amplitudes, Traduit("Alimentation", "amplitudes"));
    if (options.dephasages)
        TroisValeurs(*options.dephasages, saisie.dephasages, Traduit("Alimentation", "déphasages"));
    AppliquerAlimentationLibre(s, saisie, ".");
}

OptionsAlimentation OptionsAlimentationEcrites(const State& s) {
    OptionsAlimentation o;
    if (s.alimentation == Alimentation::Equilibree) return o;
    o.alimentation = CleAlimentation(s.alimentation);
    if (s.alimentation == Alimentation::Libre) {
        o.amplitudes = Liste(s.amplitudesLibres);
        o.dephasages = Liste(s.dephasagesLibres);
    }
    return o;
}

}  // namespace kest
