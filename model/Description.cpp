// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Description.h"

#include <cmath>
#include <cstdio>

#include "model/Alimentation.h"
#include "model/Harmoniques.h"
#include "model/Monophase.h"
#include "model/Regles.h"
#include "model/Textes.h"

namespace kest {

namespace {

std::string Decimales(double v, std::string_view separateur) {
    char t[64];
    std::snprintf(t, sizeof t, "%.2f", v);
    std::string r = t;
    if (const auto point = r.find('.'); point != std::string::npos)
        r.replace(point, 1, separateur.empty() ? std::string_view(".") : separateur);
    return r;
}

std::string DescriptionAlimentation(const State& s, std::string_view separateur) {
    if (s.machine == Machine::Monophasee) {
        const Moteur m = MoteurDe(s);
        const std::string c = m.condensateur == 0.0 ? Traduit("Moteur", "ouvert")
                              : !std::isfinite(m.condensateur)
                                  ? Traduit("Moteur", "aucun")
                                  : Decimales(m.condensateur, separateur) + " µF";
        return Remplit(Traduit("Description", "Moteur monophasé : %1, C = %2, a = %3"),
                       {NomDemarrage(s.demarrage), c, Decimales(m.rapport, separateur)});
    }
    const std::string nom = NomAlimentation(s.alimentation);
    if (s.alimentation != kAlimentationLibre)
        return Remplit(Traduit("Description", "Alimentation : %1"), {nom});
    const SaisieAlimentation v = SaisieAlimentationAffichee(s, separateur);
    return Remplit(
        Traduit("Description",
                "Alimentation : %1, amplitudes %2 ; %3 ; %4 × Imax, retards %5 ; %6 ; %7°"),
        {nom, v.amplitudes[0], v.amplitudes[1], v.amplitudes[2], v.dephasages[0], v.dephasages[1],
         v.dephasages[2]});
}

}  // namespace

std::string DescriptionChamp(const State& s, std::string_view separateur) {
    const Harmoniques champ = HarmoniquesNumeriques(s);
    // Phase 1 alone (the motor's main winding): a pulsating field whose crest, at the peak of its
    // current, is the sum of its forward and backward parts.
    State seule = s;
    seule.alimentation = AlimentationDe("monophasee");
    seule.demarrage = Demarrage::Ouverte;  // the motor's main winding alone
    const Harmoniques une = HarmoniquesNumeriques(seule);
    const double unite = une.direct[1] + une.inverse[1];
    const double rapport = champ.amplitude[1] / unite;
    if (!(unite > 0.0) || !std::isfinite(rapport) || !(rapport >= kSeuilAbsent))
        return Traduit("Description", "Champ résultant : nul");

    double degres = std::round(champ.creteFondamental * 180.0 / kPi);
    if (degres < 0.0) degres += 360.0;
    if (degres >= 360.0) degres -= 360.0;
    const std::string angle = Remplit(s.p > 1 ? Traduit("Description", "%1° électriques") : "%1°",
                                      {std::to_string(static_cast<int>(degres))});

    const double ecart = champ.direct[1] - champ.inverse[1];
    const char* modele =
        std::abs(ecart) <= kSeuilAbsent * unite
            ? Traduit("Description",
                      "Champ résultant : %1 × celui d'une phase, pulse sans tourner, à %2")
        : ecart > 0.0
            ? Traduit("Description",
                      "Champ résultant : %1 × celui d'une phase, tourne dans le sens direct, à %2")
            : Traduit(
                  "Description",
                  "Champ résultant : %1 × celui d'une phase, tourne dans le sens inverse, à %2");
    return Remplit(modele, {Decimales(rapport, separateur), angle});
}

std::string DescriptionImage(const State& s, std::string_view separateur) {
    return Remplit(Traduit("Description", "Bobinage : %1"), {NomBobinage(s, separateur)}) + ". " +
           DescriptionAlimentation(s, separateur) + ". " + DescriptionChamp(s, separateur) + ".";
}

}  // namespace kest
