// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/Tableaux.h"

#include <cmath>
#include <cstdio>

#include "model/Alimentation.h"
#include "model/Monophase.h"
#include "model/Textes.h"

namespace kest {

namespace {

std::string Json(double v) {
    if (!std::isfinite(v)) return "null";
    char tampon[64];
    std::snprintf(tampon, sizeof tampon, "%.10g", v);
    return tampon;
}

std::string Json(const std::optional<double>& v) { return v ? Json(*v) : "null"; }

}  // namespace

std::string JsonTexte(std::string_view texte) {
    std::string r = "\"";
    for (const char c : texte) {
        if (static_cast<unsigned char>(c) < 0x20) {  // a control character, as \u00XX
            char echappe[8];
            std::snprintf(echappe, sizeof echappe, "\\u%04x", static_cast<unsigned char>(c));
            r += echappe;
            continue;
        }
        if (c == '"' || c == '\\') r += '\\';
        r += c;
    }
    return r + '"';
}

std::string JsonNombre(double v) { return Json(v); }

std::string TexteDistorsion(const Spectre& spectre, std::string_view separateur) {
    if (!spectre.electrique) return {};
    return "distorsion (" + PorteeDistorsion() + ")\t" +
           (spectre.distorsion ? TexteFacteur(*spectre.distorsion, separateur) : std::string()) +
           '\n' + (spectre.pulse ? "# " + NotePulsation() + '\n' : std::string());
}

std::string TexteTableau(const Spectre& spectre, std::string_view separateur) {
    std::string texte = spectre.electrique
                            ? "h\tk_p\tk_d\tk_e\tk_w\tA(h)/A(1)\tsens\tvitesse\tdirect\tinverse\n"
                            : "nu\tk_w\tA(nu)/A(p)\tsens\tvitesse\tdirect\tinverse\n";
    for (const LigneHarmonique& l : spectre.lignes) {
        texte += std::to_string(l.ordre);
        if (spectre.electrique)
            for (const double v : {l.facteurs.kp, l.facteurs.kd, l.facteurs.ke})
                texte += '\t' + TexteFacteur(v, separateur);
        texte += '\t' + TexteFacteur(l.facteurs.kw, separateur);
        texte += '\t' + (l.relatif ? TexteFacteur(*l.relatif, separateur) : std::string());
        texte +=
            '\t' + NomSens(l.sens) + '\t' +
            (std::isnan(l.vitesse) ? "±" + TexteFacteur(double(l.travail) / l.ordre, separateur)
                                   : TexteFacteur(l.vitesse, separateur));
        for (const std::optional<double>& v : {l.direct, l.inverse})
            texte += '\t' + (v ? TexteFacteur(*v, separateur) : std::string());
        texte += '\n';
    }
    return texte;
}

std::string JsonTableau(const State& s, const Spectre& spectre) {
    std::string json = "{\"bobinage\": " + JsonTexte(NomBobinage(s, "."));
    if (spectre.electrique)
        json += (spectre.pulse ? ", \"note\": " + JsonTexte(NotePulsation()) : "") +
                ", \"distorsion\": " + Json(spectre.distorsion) + ", \"distorsion_rangs\": [" +
                std::to_string(kPremierOrdreDistorsion) + ", " + std::to_string(kOrdreMax) + "]";
    else
        json +=
            ", \"ordres_mecaniques\": true, \"ordre_travail\": " + std::to_string(spectre.travail);
    json += ", \"ordres\": [";
    bool premiere = true;
    for (const LigneHarmonique& l : spectre.lignes) {
        json += premiere ? "\n  " : ",\n  ";
        premiere = false;
        json += spectre.electrique
                    ? "{\"h\": " + std::to_string(l.ordre) + ", \"kp\": " + Json(l.facteurs.kp) +
                          ", \"kd\": " + Json(l.facteurs.kd) + ", \"ke\": " + Json(l.facteurs.ke) +
                          ", \"kw\": "
                    : "{\"nu\": " + std::to_string(l.ordre) + ", \"kw\": ";
        json += Json(l.facteurs.kw) + ", \"relatif\": " + Json(l.relatif) +
                ", \"sens\": " + JsonTexte(NomSens(l.sens)) + ", \"vitesse\": " + Json(l.vitesse) +
                ", \"direct\": " + Json(l.direct) + ", \"inverse\": " + Json(l.inverse) + "}";
    }
    if (s.machine == Machine::Triphasee)
        return json + "\n], \"alimentation\": " + JsonTexte(NomAlimentation(s.alimentation)) +
               "}\n";
    // The motor's start and design: an infinite capacitance (none needed) is null.
    const Moteur m = MoteurDe(s);
    const Conception c = ConceptionDe(s);
    const auto capacite = [](double uF) {
        return Json(std::isfinite(uF) ? std::optional(uF) : std::nullopt);
    };
    return json + "\n], \"demarrage\": " + JsonTexte(NomDemarrage(s.demarrage)) +
           ", \"condensateur_uF\": " + capacite(m.condensateur) +
           ", \"rapport\": " + Json(m.rapport) +
           ", \"condensateur_quadrature_uF\": " + capacite(c.condensateur) +
           ", \"rapport_circulaire\": " + Json(c.rapport) +
           ", \"inverse_sur_direct\": " + Json(c.inverseSurDirect) + "}\n";
}

std::string TexteMoteur(const State& s, std::string_view separateur) {
    if (s.machine == Machine::Triphasee) return {};
    std::string texte = "# " + TexteConception(s, separateur) + '\n';
    for (std::size_t i = 0; (i = texte.find('\n', i)) + 1 < texte.size(); i += 3)
        texte.insert(i + 1, "# ");
    return texte;
}

}  // namespace kest
