// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Alimentation.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <optional>

#include "model/Conversions.h"
#include "model/Erreur.h"
#include "model/Monophase.h"
#include "model/Textes.h"

namespace kest {

const TypeAlimentation& TypeDe(Alimentation a) {
    const int i = static_cast<int>(a);
    return kTypesAlimentation[EstAlimentation(i) ? i : 0];
}

PhaseAlimentation ParametresPhase(const State& s, int k) {
    if (s.machine == Machine::Monophasee) return PhaseMoteur(s, k);
    if (s.alimentation == kAlimentationLibre)
        return {s.amplitudesLibres[k], s.dephasagesLibres[k] * kPi / 180.0};
    return TypeDe(s.alimentation).phases[k];
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

std::string NomAlimentation(Alimentation a) { return Traduit("Alimentation", TypeDe(a).nom); }
std::string AideAlimentation(Alimentation a) { return Traduit("Alimentation", TypeDe(a).aide); }
std::string NomAlimentation(const State& s) {
    return s.machine == Machine::Monophasee ? NomDemarrage(s.demarrage)
                                            : NomAlimentation(s.alimentation);
}

bool MemeAlimentation(const State& a, const State& b) {
    if (!MemeMoteur(a, b)) return false;
    if (a.alimentation != b.alimentation) return false;
    if (a.alimentation != kAlimentationLibre) return true;
    return std::equal(std::begin(a.amplitudesLibres), std::end(a.amplitudesLibres),
                      std::begin(b.amplitudesLibres)) &&
           std::equal(std::begin(a.dephasagesLibres), std::end(a.dephasagesLibres),
                      std::begin(b.dephasagesLibres));
}

void ChoisirAlimentation(State& s, Alimentation a) { s.alimentation = a; }

bool EstEquilibree(const State& s) {
    return s.machine == Machine::Triphasee && s.alimentation == Alimentation::Equilibree;
}

State Equilibree(const State& s) {
    State e = s;
    e.alimentation = Alimentation::Equilibree;
    e.demarrage = Demarrage::Quadrature;
    return e;
}

void AppliquerAlimentationLibre(State& s, const SaisieAlimentation& saisie,
                                std::string_view separateur) {
    // Every field is read; the correct ones are kept, the first wrong one is reported by name.
    std::optional<std::string> erreur;
    const auto lis = [&](const std::string& texte, double min, double max, const char* message,
                         std::string_view champ, double& valeur) {
        try {
            const double v = TexteVersReel(texte, separateur);
            if (!(v >= min && v <= max))
                throw Erreur(Remplit(
                    Traduit("Alimentation", message),
                    {texte, ReelVersTexte(min, separateur), ReelVersTexte(max, separateur)}));
            valeur = v;
        } catch (const Erreur& e) {
            if (!erreur) erreur = Remplit(Traduit("Alimentation", "%1 : %2"), {champ, e.what()});
        }
    };
    for (int k = 0; k < 3; ++k) {
        const std::string numero = std::to_string(k + 1);
        lis(saisie.amplitudes[k], 0.0, kAmplitudeMax,
            ATraduire("Alimentation", "'%1' n'est pas une amplitude correcte (%2 à %3)"),
            Remplit(Traduit("Alimentation", "Amplitude %1"), {numero}), s.amplitudesLibres[k]);
        lis(saisie.dephasages[k], -kDephasageMax, kDephasageMax,
            ATraduire("Alimentation", "'%1' n'est pas un déphasage correct (%2 à %3)"),
            Remplit(Traduit("Alimentation", "Retard %1"), {numero}), s.dephasagesLibres[k]);
    }
    s.alimentation = kAlimentationLibre;
    if (erreur) throw Erreur(*erreur);
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

// "x,y,z" -> its three texts; anything else is refused with what the list holds.
void TroisValeurs(const std::string& liste, std::string (&valeurs)[3], const char* message) {
    std::string_view reste = liste;
    for (int k = 0; k < 3; ++k) {
        const auto virgule = reste.find(',');
        if ((k < 2) == (virgule == std::string_view::npos)) throw Erreur(Remplit(message, {liste}));
        valeurs[k] = std::string(reste.substr(0, virgule));
        if (k < 2) reste.remove_prefix(virgule + 1);
    }
}

std::string Liste(const double (&valeurs)[3]) {
    return ReelVersTexte(valeurs[0], ".") + "," + ReelVersTexte(valeurs[1], ".") + "," +
           ReelVersTexte(valeurs[2], ".");
}

}  // namespace

std::string CleAlimentation(Alimentation a) { return TypeDe(a).cle; }

std::string ClesAlimentation() {
    std::string cles;
    const std::size_t n = std::size(kTypesAlimentation);
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0) cles += i + 1 < n ? ", " : Traduit("Alimentation", " ou ");
        cles += kTypesAlimentation[i].cle;
    }
    return cles;
}

void LireOptionsAlimentation(State& s, const OptionsAlimentation& options) {
    const bool libres = options.amplitudes || options.dephasages;
    Alimentation choisie = libres ? kAlimentationLibre : s.alimentation;
    if (options.alimentation) {
        bool connue = false;
        for (int i = 0; i < kNombreAlimentations; ++i)
            if (*options.alimentation == kTypesAlimentation[i].cle) {
                choisie = static_cast<Alimentation>(i);
                connue = true;
            }
        if (!connue)
            throw Erreur(
                Remplit(Traduit("Alimentation", "'%1' n'est pas une alimentation correcte (%2)"),
                        {*options.alimentation, ClesAlimentation()}));
        if (libres && choisie != kAlimentationLibre)
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
        TroisValeurs(*options.amplitudes, saisie.amplitudes,
                     Traduit("Alimentation",
                             "'%1' n'est pas une liste de trois amplitudes séparées par des "
                             "virgules"));
    if (options.dephasages)
        TroisValeurs(*options.dephasages, saisie.dephasages,
                     Traduit("Alimentation",
                             "'%1' n'est pas une liste de trois déphasages séparés par des "
                             "virgules"));
    // Options form a state or are refused whole: nothing is kept from a list with a wrong value.
    State essai = s;
    AppliquerAlimentationLibre(essai, saisie, ".");
    s = essai;
}

OptionsAlimentation OptionsAlimentationEcrites(const State& s) {
    OptionsAlimentation o;
    if (s.alimentation == Alimentation::Equilibree) return o;
    o.alimentation = CleAlimentation(s.alimentation);
    if (s.alimentation == kAlimentationLibre) {
        o.amplitudes = Liste(s.amplitudesLibres);
        o.dephasages = Liste(s.dephasagesLibres);
    }
    return o;
}

}  // namespace kest
