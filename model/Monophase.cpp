// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Monophase.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

#include "model/Conversions.h"
#include "model/Erreur.h"
#include "model/Physique.h"
#include "model/Regles.h"
#include "model/Textes.h"

namespace kest {

using Complexe = std::complex<double>;

namespace {

constexpr double kInfini = std::numeric_limits<double>::infinity();

Complexe Impedance(const State& s, int enroulement) {
    return {s.impedances[2 * enroulement], s.impedances[2 * enroulement + 1]};
}

// The auxiliary's current through the capacitance c in µF (0 open, infinite none).
Complexe CourantAuxiliaire(const State& s, double c) {
    if (c == 0.0) return {};
    Complexe z = Impedance(s, 1);
    if (std::isfinite(c)) z -= Complexe(0.0, 1e6 / (s.Omega * c));
    return kTensionMoteur / z;
}

// X_C = X_a + R_a·R_m / X_m puts I_a 90° ahead of I_m: arg(Z_a − jX_C) = arg(Z_m) − π/2.
double CondensateurQuadrature(const State& s) {
    const double xc = s.impedances[3] + s.impedances[2] * s.impedances[0] / s.impedances[1];
    return xc > 0.0 ? 1e6 / (s.Omega * xc) : kInfini;
}

}  // namespace

const TypeDemarrage& TypeDe(Demarrage d) {
    const int i = static_cast<int>(d);
    return kDemarrages[i >= 0 && i < kNombreDemarrages ? i : 0];
}
std::string NomDemarrage(Demarrage d) { return Traduit("Moteur", TypeDe(d).nom); }
std::string AideDemarrage(Demarrage d) { return Traduit("Moteur", TypeDe(d).aide); }
std::string NomMachine(Machine m) {
    return m == Machine::Monophasee ? Traduit("Moteur", "Monophasé à condensateur")
                                    : Traduit("Moteur", "Triphasé");
}

Moteur MoteurDe(const State& s) {
    Moteur m;
    m.principal = kTensionMoteur / Impedance(s, 0);
    switch (s.demarrage) {
        case Demarrage::Resistive:
            m.condensateur = kInfini;
            break;
        case Demarrage::Ouverte:
            m.condensateur = 0.0;
            break;
        case Demarrage::Libre:
            m.condensateur = s.condensateur;
            m.rapport = s.rapport;
            break;
        case Demarrage::Quadrature:
            m.condensateur = CondensateurQuadrature(s);
            break;
    }
    m.auxiliaire = CourantAuxiliaire(s, m.condensateur);
    if (s.demarrage == Demarrage::Quadrature) m.rapport = std::abs(m.principal / m.auxiliaire);
    return m;
}

Conception ConceptionDe(const State& s) {
    Conception c;
    c.condensateur = CondensateurQuadrature(s);
    c.rapport =
        std::abs(kTensionMoteur / Impedance(s, 0)) / std::abs(CourantAuxiliaire(s, c.condensateur));
    const Moteur m = MoteurDe(s);
    const Complexe j(0.0, 1.0);
    const double direct = std::abs(m.principal - j * m.rapport * m.auxiliaire);
    if (direct > 1e-12 * std::abs(m.principal))
        c.inverseSurDirect = std::abs(m.principal + j * m.rapport * m.auxiliaire) / direct;
    return c;
}

PhaseAlimentation PhaseMoteur(const State& s, int k) {
    if (k > 1) return {0.0, 0.0};
    const Moteur m = MoteurDe(s);
    const Complexe auxiliaire = m.rapport * m.auxiliaire;
    const double base = std::max(std::abs(m.principal), std::abs(auxiliaire));
    // Phase k carries a·sin(Omega·t − δ): the phasor I·e^{jΩt}'s imaginary part, δ = −arg I.
    const Complexe i = k == 0 ? m.principal : auxiliaire;
    return {std::abs(i) / base, -std::arg(i)};
}

void VerifieMachine(const State& s) {
    // A custom table's cells are the three phases A, B, C.
    if (s.machine == Machine::Monophasee && s.typeBobinage == TypeBobinage::Personnalise)
        throw Erreur(Traduit("Moteur",
                             "Le moteur monophasé ne prend pas de bobinage "
                             "personnalisé : ses cellules sont les trois phases A, B, "
                             "C"));
    // The kind's own check, with the machine's phases: a slot winding is laid out again.
    VerifieBobinage(s, s.p);
}

void ChoisirMachine(State& s, Machine m) {
    State e = s;
    e.machine = m;
    VerifieMachine(e);
    s.machine = m;
}
void ChoisirDemarrage(State& s, Demarrage d) { s.demarrage = d; }

void ChoisirCondensateur(State& s, double microfarads) {
    if (!(microfarads >= kCondensateurMin && microfarads <= kCondensateurMax)) return;
    s.condensateur = microfarads;
    s.demarrage = Demarrage::Libre;
}

bool MemeMoteur(const State& a, const State& b) {
    if (a.machine != b.machine) return false;
    if (a.machine == Machine::Triphasee) return true;
    const auto memes = [](const double& x, const double& y) {
        return std::memcmp(&x, &y, sizeof x) == 0;
    };
    return a.demarrage == b.demarrage && memes(a.condensateur, b.condensateur) &&
           memes(a.rapport, b.rapport) &&
           std::equal(std::begin(a.impedances), std::end(a.impedances), std::begin(b.impedances),
                      memes);
}

namespace {

std::string TexteCondensateur(double c, std::string_view separateur) {
    if (c == 0.0) return Traduit("Moteur", "ouvert");
    if (!std::isfinite(c)) return Traduit("Moteur", "aucun");
    return ReelVersTexte(c, separateur);
}

// "aucun" and "ouvert" in French or in the user's language, or a capacitance in µF.
double LitCondensateur(const std::string& texte, std::string_view separateur) {
    if (texte == "ouvert" || texte == Traduit("Moteur", "ouvert")) return 0.0;
    if (texte == "aucun" || texte == Traduit("Moteur", "aucun")) return kInfini;
    double c = 0.0;
    try {
        c = TexteVersReel(texte, separateur);
    } catch (const Erreur&) {
        c = -1.0;
    }
    if (!(c > 0.0 && c <= kCondensateurMax))
        throw Erreur(Remplit(Traduit("Moteur",
                                     "'%1' n'est pas une capacité correcte (µF au-dessus de 0 et "
                                     "jusqu'à %2, « aucun » ou « ouvert »)"),
                             {texte, ReelVersTexte(kCondensateurMax, separateur)}));
    return c;
}

double LitBorne(const std::string& texte, std::string_view separateur, double min, double max,
                const char* message) {
    const double v = TexteVersReel(texte, separateur);
    if (!(v >= min && v <= max))
        throw Erreur(Remplit(Traduit("Moteur", message), {texte, ReelVersTexte(min, separateur),
                                                          ReelVersTexte(max, separateur)}));
    return v;
}

// The four impedance fields, R_m, X_m, R_a, X_a: the main's reactance and the auxiliary's
// resistance are never zero (model/Monophase.h).
const char* const kChampsImpedances[] = {"R_m", "X_m", "R_a", "X_a"};

}  // namespace

SaisieMoteur SaisieMoteurAffichee(const State& s, std::string_view separateur) {
    SaisieMoteur saisie;
    saisie.condensateur = TexteCondensateur(s.condensateur, separateur);
    saisie.rapport = ReelVersTexte(s.rapport, separateur);
    for (int i = 0; i < 4; ++i) saisie.impedances[i] = ReelVersTexte(s.impedances[i], separateur);
    return saisie;
}

void AppliquerMoteur(State& s, const SaisieMoteur& saisie, std::string_view separateur) {
    State e = s;
    const auto champ = [](std::string_view nom, auto lire) {
        try {
            return lire();
        } catch (const Erreur& erreur) {
            throw Erreur(Remplit(Traduit("Moteur", "%1 : %2"), {nom, erreur.what()}));
        }
    };
    e.condensateur = champ("C", [&] { return LitCondensateur(saisie.condensateur, separateur); });
    e.rapport = champ("a", [&] {
        return LitBorne(saisie.rapport, separateur, kRapportMin, kRapportMax,
                        ATraduire("Moteur", "'%1' n'est pas un rapport correct (%2 à %3)"));
    });
    for (int i = 0; i < 4; ++i)
        e.impedances[i] = champ(kChampsImpedances[i], [&] {
            return LitBorne(
                saisie.impedances[i], separateur, i == 1 || i == 2 ? kImpedanceMin : 0.0,
                kImpedanceMax,
                i % 2 == 0
                    ? ATraduire("Moteur", "'%1' n'est pas une résistance correcte (%2 à %3 Ω)")
                    : ATraduire("Moteur", "'%1' n'est pas une réactance correcte (%2 à %3 Ω)"));
        });
    if (e.condensateur != s.condensateur || e.rapport != s.rapport) e.demarrage = Demarrage::Libre;
    s = e;
}

std::string ClesDemarrage() {
    std::string cles;
    for (int i = 0; i < kNombreDemarrages; ++i) {
        if (i > 0) cles += i + 1 < kNombreDemarrages ? ", " : Traduit("Alimentation", " ou ");
        cles += kDemarrages[i].cle;
    }
    return cles;
}

void LireOptionsMoteur(State& s, const OptionsMoteur& o) {
    if (!(o.machine || o.demarrage || o.condensateur || o.rapport || o.impedances)) return;
    State e = s;
    e.machine = Machine::Monophasee;
    if (o.machine) {
        if (*o.machine == kClesMachine[0])
            e.machine = Machine::Triphasee;
        else if (*o.machine != kClesMachine[1])
            throw Erreur(Remplit(Traduit("Moteur",
                                         "'%1' n'est pas une machine correcte "
                                         "(triphasee ou monophasee)"),
                                 {*o.machine}));
        if (e.machine == Machine::Triphasee &&
            (o.demarrage || o.condensateur || o.rapport || o.impedances))
            throw Erreur(Traduit("Moteur",
                                 "Le démarrage, le condensateur, le rapport et les "
                                 "impédances ne valent qu'avec la machine monophasee"));
    }
    const bool libres = o.condensateur || o.rapport;
    if (libres) e.demarrage = Demarrage::Libre;
    if (o.demarrage) {
        int trouve = -1;
        for (int i = 0; i < kNombreDemarrages; ++i)
            if (*o.demarrage == kDemarrages[i].cle) trouve = i;
        if (trouve < 0)
            throw Erreur(Remplit(Traduit("Moteur", "'%1' n'est pas un démarrage correct (%2)"),
                                 {*o.demarrage, ClesDemarrage()}));
        if (libres && trouve != int(Demarrage::Libre))
            throw Erreur(Traduit(
                "Moteur", "Le condensateur et le rapport ne valent qu'avec le démarrage libre"));
        e.demarrage = static_cast<Demarrage>(trouve);
    }
    if (libres || o.impedances) {
        SaisieMoteur saisie = SaisieMoteurAffichee(e, ".");
        if (o.condensateur) saisie.condensateur = *o.condensateur;
        if (o.rapport) saisie.rapport = *o.rapport;
        if (o.impedances) {
            std::string_view reste = *o.impedances;
            for (int i = 0; i < 4; ++i) {
                const auto virgule = reste.find(',');
                if ((i < 3) == (virgule == std::string_view::npos))
                    throw Erreur(Remplit(Traduit("Moteur",
                                                 "'%1' n'est pas une liste de quatre "
                                                 "impédances RM,XM,RA,XA en ohms"),
                                         {*o.impedances}));
                saisie.impedances[i] = std::string(reste.substr(0, virgule));
                if (i < 3) reste.remove_prefix(virgule + 1);
            }
        }
        const Demarrage demarrage = e.demarrage;
        AppliquerMoteur(e, saisie, ".");
        e.demarrage = demarrage;
    }
    VerifieMachine(e);
    s = e;
}

OptionsMoteur OptionsMoteurEcrites(const State& s) {
    OptionsMoteur o;
    if (s.machine == Machine::Triphasee) return o;
    const State defaut;
    o.machine = kClesMachine[1];
    if (s.demarrage != defaut.demarrage) o.demarrage = TypeDe(s.demarrage).cle;
    if (s.demarrage == Demarrage::Libre) {
        o.condensateur = s.condensateur == 0.0            ? "ouvert"
                         : !std::isfinite(s.condensateur) ? "aucun"
                                                          : ReelVersTexte(s.condensateur, ".");
        o.rapport = ReelVersTexte(s.rapport, ".");
    }
    if (!std::equal(std::begin(s.impedances), std::end(s.impedances),
                    std::begin(defaut.impedances))) {
        std::string liste;
        for (int i = 0; i < 4; ++i) liste += (i ? "," : "") + ReelVersTexte(s.impedances[i], ".");
        o.impedances = liste;
    }
    return o;
}

std::string TexteConception(const State& s, std::string_view separateur) {
    const Conception c = ConceptionDe(s);
    const Moteur m = MoteurDe(s);
    const auto nombre = [&](double v, int decimales) {
        char tampon[64];
        std::snprintf(tampon, sizeof tampon, "%.*f", decimales, v);
        std::string texte = tampon;
        if (const auto point = texte.find('.'); point != std::string::npos)
            texte.replace(point, 1, separateur);
        return texte;
    };
    const auto degres = [](Complexe i) { return std::arg(i) * 180.0 / kPi; };
    std::string texte =
        Remplit(Traduit("Moteur", "Condensateur de quadrature : %1 µF"),
                {std::isfinite(c.condensateur) ? nombre(c.condensateur, 1)
                                               : Traduit("Moteur", "aucun")}) +
        "\n" +
        Remplit(Traduit("Moteur", "Rapport pour un champ circulaire : a = %1"),
                {nombre(c.rapport, 3)}) +
        "\n" +
        Remplit(Traduit("Moteur", "I_m = %1 A à %2°, I_a = %3 A à %4°, C = %5, a = %6"),
                {nombre(std::abs(m.principal), 2), nombre(degres(m.principal), 1),
                 nombre(std::abs(m.auxiliaire), 2),
                 nombre(m.auxiliaire == Complexe() ? 0.0 : degres(m.auxiliaire), 1),
                 std::isfinite(m.condensateur) && m.condensateur > 0.0
                     ? nombre(m.condensateur, 1) + " µF"
                     : TexteCondensateur(m.condensateur, separateur),
                 nombre(m.rapport, 3)}) +
        "\n" +
        Remplit(Traduit("Moteur", "Inverse / direct : %1"),
                {c.inverseSurDirect ? nombre(*c.inverseSurDirect, 4) : "—"});
    return texte;
}

namespace {

// The classic winding of the single-phase motor: phase 0 the main winding, 2m coils per pole
// pair whose belt is centred where the three-phase phase 0's is, phase 1 the auxiliary, m coils
// centred a quarter period behind. Each coil is the zero-mean rectangular wave of the
// three-phase "Réelle" coil; the ideal distribution is each phase's sinusoid.
class BobinageDiphase final : public Bobinage {
public:
    explicit BobinageDiphase(const State& s) : etat_(s) {
        parfaite_ = DistributionDe(s) == Distribution::Parfaite;
        for (int k = 0; k < 2; ++k) {
            const int n = Bobines(k);
            Phase phase;
            for (const int signe : {-1, 1})
                for (int i = 1; i <= n; ++i)
                    for (int j = 1; j <= s.p; ++j) {
                        // The return side a half period from the go side, as the three-phase
                        // picture draws it.
                        const double electrique = kDeuxPi * j + (signe < 0 ? kPi : 0.0);
                        phase.conducteurs.push_back(
                            {AngleBobine(k, i) + electrique / s.p, 0, signe});
                    }
            for (int j = 1; j <= s.p; ++j)
                phase.axes.push_back((kDeuxPi * j + Decalage(k) + kPiSur2) / s.p);
            phases_.push_back(std::move(phase));
        }
        if (parfaite_ || s.p < 1 || s.m <= 0) return;
        periodicite_ = s.p;
        const double periode = kDeuxPi / s.p;
        for (int k = 0; k < 2; ++k) {
            std::vector<double> bords{0.0};
            for (int i = 1; i <= Bobines(k); ++i)
                for (const double a : {AngleBobine(k, i), AngleBobine(k, i) + s.Y / s.p}) {
                    double r = std::fmod(a, periode);
                    if (!std::isfinite(r)) continue;
                    if (r < 0) r += periode;
                    bords.push_back(r < periode ? r : 0.0);
                }
            std::sort(bords.begin(), bords.end());
            bords.erase(std::unique(bords.begin(), bords.end()), bords.end());
            Escalier e{bords, {}};
            for (std::size_t j = 0; j < bords.size(); ++j) {
                const double fin = j + 1 < bords.size() ? bords[j + 1] : periode;
                e.valeurs.push_back(Unitaire(k, (bords[j] + fin) * 0.5));
            }
            escaliers_.push_back(std::move(e));
        }
        // The auxiliary with the main's effective turns: its working wave made equal.
        const double principal = std::abs(Bobinage::Coefficient(0, 0, s.p));
        const double auxiliaire = std::abs(Bobinage::Coefficient(1, 0, s.p));
        if (auxiliaire > 1e-12 && principal > 1e-12) {
            echelle_ = principal / auxiliaire;
            for (double& v : escaliers_[1].valeurs) v *= echelle_;
        }
    }

    bool Pour(const State& s) const override {
        const State& a = etat_;
        const auto memes = [](double x, double y) { return std::memcmp(&x, &y, sizeof x) == 0; };
        return s.machine == Machine::Monophasee && s.p == a.p && s.m == a.m && memes(s.Y, a.Y) &&
               memes(s.Alpha, a.Alpha) && s.Reelle == a.Reelle && s.DoubleEtoile == a.DoubleEtoile;
    }

    // Main winding's factor: |c_ν| against a full-pitch coil's 2/(π·h), h = ν/p.
    double Facteur(int nu) const override {
        const int p = etat_.p;
        if (p < 1 || nu < 1 || nu % p != 0) return 0.0;
        if (parfaite_) return nu == p ? 1.0 : 0.0;
        return std::abs(Coefficient(0, 0, nu)) * kPi * (nu / p) * 0.5;
    }

    double Force(const State& s, int k, double theta, double) const override {
        if (parfaite_) return std::sin(s.p * theta - Decalage(k)) * (0.5 * s.I[k]);
        return Unitaire(k, theta) * (k == 1 ? echelle_ : 1.0) * s.I[k];
    }

    Complexe Coefficient(int k, int etoile, int nu) const override {
        if (!parfaite_) return Bobinage::Coefficient(k, etoile, nu);
        if (etoile != 0 || nu != etat_.p) return {};
        return Complexe(0.0, -0.5) * std::polar(1.0, -Decalage(k));
    }

private:
    int Bobines(int k) const { return etat_.m <= 0 ? 0 : (k == 0 ? 2 * etat_.m : etat_.m); }
    // The auxiliary a quarter period behind the main, electrical.
    static double Decalage(int k) { return -k * kPiSur2; }
    double AngleBobine(int k, int i) const {
        return ((i - 1) - (Bobines(k) - 1) * 0.5) * etat_.Alpha + Decalage(k) / etat_.p;
    }
    // Phase k at unit current before the auxiliary's scaling: each coil's zero-mean rectangular
    // wave of weight 1/(its coils), the coil spanning its go side to Y/p further, once per
    // pole-pair span.
    double Unitaire(int k, double theta) const {
        const State& s = etat_;
        const int n = Bobines(k);
        double F = 0.0;
        for (int i = 1; i <= n; ++i) {
            const double d = Reste(theta - AngleBobine(k, i) + kDeuxPi, kDeuxPi / s.p);
            F = F + (s.Y / s.p >= d ? 1 - s.Y / kDeuxPi : -(s.Y / kDeuxPi)) / n;
        }
        return F;
    }

    State etat_;
    bool parfaite_ = false;
    double echelle_ = 1.0;
};

}  // namespace

std::shared_ptr<const Bobinage> FabriqueDiphase(const State& s) {
    return std::make_shared<const BobinageDiphase>(s);
}

}  // namespace kest
