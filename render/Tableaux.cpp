// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/Tableaux.h"

#include <cmath>
#include <cstdio>

#include "model/Alimentation.h"
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

std::string TexteDistorsion(const Harmoniques& analyse, std::string_view separateur) {
    return "distorsion (" + PorteeDistorsion() + ")\t" +
           (analyse.distorsion ? TexteFacteur(*analyse.distorsion, separateur) : std::string()) +
           '\n' + (analyse.pulse ? "# " + NotePulsation() + '\n' : std::string());
}

std::string TexteTableau(std::span<const LigneHarmonique> lignes, std::string_view separateur) {
    std::string texte = "h\tk_p\tk_d\tk_e\tk_w\tA(h)/A(1)\tsens\tvitesse\tdirect\tinverse\n";
    for (const LigneHarmonique& l : lignes) {
        texte += std::to_string(l.h);
        for (const double v : {l.facteurs.kp, l.facteurs.kd, l.facteurs.ke, l.facteurs.kw})
            texte += '\t' + TexteFacteur(v, separateur);
        texte += '\t' + (l.relatif ? TexteFacteur(*l.relatif, separateur) : std::string());
        texte += '\t' + NomSens(l.sens) + '\t' +
                 (std::isnan(l.vitesse) ? "±" + TexteFacteur(1.0 / l.h, separateur)
                                        : TexteFacteur(l.vitesse, separateur));
        for (const std::optional<double>& v : {l.direct, l.inverse})
            texte += '\t' + (v ? TexteFacteur(*v, separateur) : std::string());
        texte += '\n';
    }
    return texte;
}

std::string JsonTableau(const State& s, const Harmoniques& analyse,
                        std::span<const LigneHarmonique> lignes) {
    std::string json = "{\"bobinage\": " + JsonTexte(NomBobinage(s, ".")) +
                       (analyse.pulse ? ", \"note\": " + JsonTexte(NotePulsation()) : "") +
                       ", \"distorsion\": " + Json(analyse.distorsion) +
                       ", \"distorsion_rangs\": [" + std::to_string(kPremierOrdreDistorsion) +
                       ", " + std::to_string(kOrdreMax) + "], \"ordres\": [";
    bool premiere = true;
    for (const LigneHarmonique& l : lignes) {
        json += premiere ? "\n  " : ",\n  ";
        premiere = false;
        json += "{\"h\": " + std::to_string(l.h) + ", \"kp\": " + Json(l.facteurs.kp) +
                ", \"kd\": " + Json(l.facteurs.kd) + ", \"ke\": " + Json(l.facteurs.ke) +
                ", \"kw\": " + Json(l.facteurs.kw) + ", \"relatif\": " + Json(l.relatif) +
                ", \"sens\": " + JsonTexte(NomSens(l.sens)) + ", \"vitesse\": " + Json(l.vitesse) +
                ", \"direct\": " + Json(l.direct) + ", \"inverse\": " + Json(l.inverse) + "}";
    }
    return json + "\n], \"alimentation\": " + JsonTexte(NomAlimentation(s.alimentation)) + "}\n";
}

std::string TexteTableauMecanique(const std::vector<LigneMecanique>& lignes, int p) {
    std::string texte = "nu\tk_w\tA(nu)/A(p)\tsens\tvitesse\tdirect\tinverse\n";
    for (const LigneMecanique& l : lignes) {
        texte += std::to_string(l.nu) + '\t' + TexteFacteur(l.kw) + '\t' +
                 (l.relatif ? TexteFacteur(*l.relatif) : std::string()) + '\t' + NomSens(l.sens) +
                 '\t' +
                 (std::isnan(l.vitesse) ? "±" + TexteFacteur(double(p) / l.nu)
                                        : TexteFacteur(l.vitesse));
        for (const std::optional<double>& v : {l.direct, l.inverse})
            texte += '\t' + (v ? TexteFacteur(*v) : std::string());
        texte += '\n';
    }
    return texte;
}

std::string JsonTableauMecanique(const State& s, const std::vector<LigneMecanique>& lignes) {
    std::string json = "{\"bobinage\": " + JsonTexte(NomBobinageEncoches(s)) +
                       ", \"ordres_mecaniques\": true, \"ordre_travail\": " + std::to_string(s.p) +
                       ", \"ordres\": [";
    bool premiere = true;
    for (const LigneMecanique& l : lignes) {
        json += premiere ? "\n  " : ",\n  ";
        premiere = false;
        json += "{\"nu\": " + std::to_string(l.nu) + ", \"kw\": " + JsonNombre(l.kw) +
                ", \"relatif\": " + (l.relatif ? JsonNombre(*l.relatif) : "null") +
                ", \"sens\": " + JsonTexte(NomSens(l.sens)) +
                ", \"vitesse\": " + JsonNombre(l.vitesse) +
                ", \"direct\": " + (l.direct ? JsonNombre(*l.direct) : "null") +
                ", \"inverse\": " + (l.inverse ? JsonNombre(*l.inverse) : "null") + "}";
    }
    return json + "\n], \"alimentation\": " + JsonTexte(NomAlimentation(s.alimentation)) + "}\n";
}

}  // namespace kest
