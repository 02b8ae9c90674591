// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Harmoniques.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdio>
#include <limits>
#include <memory>
#include <numeric>
#include <tuple>
#include <utility>

#include "model/Alimentation.h"
#include "model/Bobinage.h"
#include "model/Physique.h"
#include "model/Regles.h"
#include "model/Textes.h"

namespace kest {

namespace {

using Complexe = std::complex<double>;

bool Etagee(const State& s) { return DistributionDe(s) != Distribution::Parfaite; }

// Below this the fundamental is taken as missing: nothing to compare the orders with.
bool AFondamental(const Harmoniques& sp, double imax) {
    return sp.amplitude[1] > 1e-9 * std::abs(imax) && sp.amplitude[1] > 0.0;
}

// An order's speed as a signed fraction of the working wave's: order `ordre` turns at ω/ordre,
// the working wave (order `travail`, counted the same way) at ω/travail; not a number for two
// parts, 0 when absent.
double Vitesse(Sens sens, int travail, int ordre) {
    switch (sens) {
        case Sens::Direct:
            return double(travail) / ordre;
        case Sens::Inverse:
            return -double(travail) / ordre;
        case Sens::Pulsant:
        case Sens::Elliptique:
            return std::numeric_limits<double>::quiet_NaN();
        case Sens::Absent:
            break;
    }
    return 0.0;
}

using Coefficients = std::array<Complexe, kOrdreMax + 1>;

// The resultant's coefficients of electrical orders 1 … kOrdreMax at the instant of s: the
// winding's mechanical orders h·p, the only ones a classic winding has.
Coefficients Transformee(const State& s, const CoefficientsUnitaires& unitaires) {
    const std::vector<Complexe> electriques = unitaires.Resultante(s);
    Coefficients c{};
    std::copy(electriques.begin(), electriques.end(), c.begin());
    return c;
}

}  // namespace

std::complex<double> CoefficientResultant(const State& s, int h) {
    if (h < 1 || h > kOrdreMax || s.p < 1) return {};
    return BobinageDe(s)->CoefficientResultant(s, h * s.p);
}

Sens SensTheorique(int h) {
    switch (h % 3) {
        case 1:
            return Sens::Direct;
        case 2:
            return Sens::Inverse;
        default:
            return Sens::Absent;
    }
}

Sens SensDesParties(double direct, double inverse, double amplitude, bool equilibree, double seuil,
                    double base) {
    if (equilibree)
        return !(amplitude > seuil) ? Sens::Absent
               : direct >= inverse  ? Sens::Direct
                                    : Sens::Inverse;
    const bool avant = direct > seuil, arriere = inverse > seuil;
    if (avant && arriere)
        return std::abs(direct - inverse) <= kEcartPulsant * base ? Sens::Pulsant
                                                                  : Sens::Elliptique;
    return avant ? Sens::Direct : arriere ? Sens::Inverse : Sens::Absent;
}

Facteurs FacteursBobinage(const State& s, int h) {
    Facteurs f;
    if (h < 1 || s.p < 1) return f;
    if (!Etagee(s)) {
        // The ideal distribution is a pure sine of the fundamental, whatever m and Y.
        if (h == 1) f = {1.0, 1.0, 1.0, 1.0};
        return f;
    }
    if (s.m <= 0) return f;
    // A coil opening outside one pole-pair span makes the coil cover all of it or none of it:
    // the phase's MMF is then a constant, with no harmonic at all.
    if (s.Y >= 0.0 && s.Y <= kDeuxPi) f.kp = std::sin(h * s.Y / 2);
    // The belt's m coils, centred on its middle, γ apart: the mean of their phasors, real by
    // symmetry. This is sin(h·m·γ/2)/(m·sin(h·γ/2)) without its 0/0 points.
    const double gamma = s.p * s.Alpha;
    double somme = 0.0;
    for (int i = 1; i <= s.m; ++i) somme += std::cos(h * gamma * ((i - 1) - (s.m - 1) * 0.5));
    f.kd = somme / s.m;
    f.ke = 1.0;
    if (s.DoubleEtoile) {
        // Stars ∓π/12 apart in space around the belt, the second fed π/6 later: their waves
        // of order h add with a phase difference of (h ∓ 1)·π/6. A multiple of 3 makes no
        // rotating wave for the pair to combine: the three phases cancel it.
        switch (SensTheorique(h)) {
            case Sens::Direct:
                f.ke = std::cos((h - 1) * kPi / 12);
                break;
            case Sens::Inverse:
                f.ke = std::cos((h + 1) * kPi / 12);
                break;
            default:  // absent: the balanced phases give no other kind of wave
                f.ke = 0.0;
                break;
        }
    }
    f.kw = f.kp * f.kd * f.ke;
    return f;
}

double AmplitudeAnalytique(const State& s, int h) {
    if (h < 1 || s.p < 1) return 0.0;
    if (!Etagee(s)) return h == 1 ? 0.75 * std::abs(s.Imax) : 0.0;
    if (SensTheorique(h) == Sens::Absent) return 0.0;
    return 3.0 / (kPi * h) * std::abs(FacteursBobinage(s, h).kw) * std::abs(s.Imax);
}

std::optional<double> Harmoniques::Relatif(int h) const {
    if (pulse) return std::nullopt;
    return RelatifInstantane(h);
}

std::optional<double> Harmoniques::RelatifInstantane(int h) const {
    if (h < 1 || h > kOrdreMax || !(amplitude[1] > 0.0)) return std::nullopt;
    if (sens[1] == Sens::Absent) return std::nullopt;
    return amplitude[h] / amplitude[1];
}

std::optional<double> Harmoniques::DirectRelatif(int h) const {
    if (h < 1 || h > kOrdreMax || !(equilibre > 0.0)) return std::nullopt;
    return direct[h] / equilibre;
}

std::optional<double> Harmoniques::InverseRelatif(int h) const {
    if (h < 1 || h > kOrdreMax || !(equilibre > 0.0)) return std::nullopt;
    return inverse[h] / equilibre;
}

std::optional<double> Harmoniques::TauxDesequilibre() const {
    if (!(direct[1] > 1e-9 * equilibre) || !(equilibre > 0.0)) return std::nullopt;
    return inverse[1] / direct[1];
}

Harmoniques HarmoniquesNumeriques(const State& s) {
    Harmoniques sp;
    if (s.p < 1) return sp;
    // A quarter period later a forward wave's phasor has turned by −π/2, a backward one's by
    // +π/2: c1 = a + b and c2 = −i·a + i·b give both parts of each order.
    const Bobinage& b = *BobinageDe(s);
    State plusTard = s;
    plusTard.t = s.t + kPiSur2 / s.Omega;
    if (!std::isfinite(plusTard.t)) plusTard.t = s.t;
    const CoefficientsUnitaires unitaires(b, s.p, kOrdreMax);
    const Coefficients c1 = Transformee(s, unitaires);
    const Coefficients c2 = Transformee(plusTard, unitaires);

    const Complexe i(0.0, 1.0);
    for (int h = 1; h <= kOrdreMax; ++h) {
        sp.amplitude[h] = std::abs(c1[h]);
        sp.direct[h] = std::abs((c1[h] + i * c2[h]) * 0.5);
        sp.inverse[h] = std::abs((c1[h] - i * c2[h]) * 0.5);
    }
    // c_1 = A·e^{−i·φ} for a fundamental A·cos(x − φ).
    sp.creteFondamental = -std::arg(c1[1]);
    // The unit of the forward and backward parts: the fundamental the balanced supply gives
    // the same winding.
    const bool equilibree = EstEquilibree(s);
    if (equilibree) {
        sp.equilibre = sp.amplitude[1];
    } else {
        const State e = Equilibree(s);
        sp.equilibre = std::abs(Transformee(e, unitaires)[1]);
    }
    if (!(sp.equilibre > 1e-9 * std::abs(s.Imax))) sp.equilibre = 0.0;

    // Balanced, an order's crest is constant in time; otherwise each of its parts is.
    sp.pulse = !equilibree;
    const bool fondamental = AFondamental(sp, s.Imax);
    const double base = equilibree ? (fondamental ? sp.amplitude[1] : 0.0) : sp.equilibre;
    const double seuil = base > 0.0 ? kSeuilAbsent * base : 1e-9 * std::abs(s.Imax);
    for (int h = 1; h <= kOrdreMax; ++h)
        sp.sens[h] =
            SensDesParties(sp.direct[h], sp.inverse[h], sp.amplitude[h], equilibree, seuil, base);
    if (!(base > 0.0)) sp.sens[1] = Sens::Absent;
    if (fondamental && equilibree) {
        double somme = 0.0;
        for (int h = kPremierOrdreDistorsion; h <= kOrdreMax; ++h)
            somme += sp.amplitude[h] * sp.amplitude[h];
        sp.distorsion = std::sqrt(somme) / sp.amplitude[1];
    }
    return sp;
}

bool ChampFondamental::Pulsant() const { return std::abs(direct - inverse) <= kEcartPulsant; }

namespace {

// The fundamental's parts do not change with time: a picture a tick later asks for the same
// ones. They are the winding's and the supply's: the same winding (the one BobinageDe keeps)
// under the same supply and the same Imax and Omega gives the same parts.
bool MemesParties(const State& a, const Bobinage* ba, const State& b, const Bobinage* bb) {
    return ba == bb && MemeAlimentation(a, b) && a.Imax == b.Imax && a.Omega == b.Omega;
}

ChampFondamental CalculeChamp(const State& s);

}  // namespace

ChampFondamental ChampDuFondamental(const State& s) {
    // The winding is held with the parts, so that its address names it while they are kept.
    struct Parties {
        State etat;
        std::shared_ptr<const Bobinage> bobinage;
        ChampFondamental champ;
    };
    thread_local std::optional<Parties> dernier;
    const std::shared_ptr<const Bobinage> b = BobinageDe(s);
    if (!dernier || !MemesParties(dernier->etat, dernier->bobinage.get(), s, b.get()))
        dernier.emplace(Parties{s, b, CalculeChamp(s)});
    return dernier->champ;
}

namespace {

ChampFondamental CalculeChamp(const State& s) {
    ChampFondamental c;
    if (s.p < 1 || !std::isfinite(s.Omega) || s.Omega == 0.0) return c;
    // The working wave's coefficient (mechanical order p: the classic winding's electrical order
    // 1) at t = 0 and a quarter period later splits into the two parts (as in
    // HarmoniquesNumeriques); a part of coefficient a has its crest at −arg a, electrical.
    const std::shared_ptr<const Bobinage> b = BobinageDe(s);
    const auto coefficient = [&](const State& x) { return b->CoefficientResultant(x, x.p); };
    State e = Equilibree(s);
    e.t = 0.0;
    const double unite = std::abs(coefficient(e));
    if (!(unite > 1e-9 * std::abs(s.Imax))) return c;
    State debut = s, quart = s;
    debut.t = 0.0;
    quart.t = kPiSur2 / s.Omega;
    const Complexe c1 = coefficient(debut);
    const Complexe c2 = coefficient(quart);
    const Complexe i(0.0, 1.0);
    const Complexe avant = (c1 + i * c2) * 0.5, arriere = (c1 - i * c2) * 0.5;
    c.direct = std::abs(avant) / unite;
    c.inverse = std::abs(arriere) / unite;
    c.phaseDirect = -std::arg(avant);
    c.phaseInverse = -std::arg(arriere);
    c.vecteurDirect = std::polar(c.direct, c.phaseDirect);
    c.vecteurInverse = std::polar(c.inverse, c.phaseInverse);
    c.existe = true;
    return c;
}

}  // namespace

Crete CreteResultante(const ChampFondamental& c, double wt) {
    const double direct = c.phaseDirect + wt, inverse = c.phaseInverse - wt;
    const Complexe u(std::cos(wt), std::sin(wt));
    const Complexe v = c.vecteurDirect * u + c.vecteurInverse * std::conj(u);
    const double amplitude = std::abs(v);
    // A standing wave lies on the axis halfway between its two parts' crests, on one side while
    // its amplitude is positive, on the other (the next crest) while it is negative.
    const double axe = (c.phaseDirect + c.phaseInverse) * 0.5;
    if (c.Pulsant()) {
        if (!(amplitude > kEcartPulsant * (c.direct + c.inverse))) return {amplitude, axe};
        const double ecart = std::remainder(std::arg(v) - axe, kDeuxPi);
        return {amplitude, std::abs(ecart) > kPiSur2 ? axe + kPi : axe};
    }
    // Otherwise the crest turns with the larger part and never leaves its side: measured from
    // it, the resultant stays within a quarter turn.
    const double reference = c.direct >= c.inverse ? direct : inverse;
    return {amplitude, reference + std::remainder(std::arg(v) - reference, kDeuxPi)};
}

std::vector<int> OrdresFenetre(const State& s, const Harmoniques& analyse) {
    if (analyse.pulse) {
        std::vector<int> ordres;
        for (int h = 1; h <= kOrdresTableau; ++h)
            if (analyse.sens[h] != Sens::Absent) ordres.push_back(h);
        return ordres;
    }
    // A full-pitch coil's wave has half-wave symmetry: no even order. The pitch factor of the
    // 2nd, sin(Y), says so whatever the writing of π (its 15-digit text reads back a hair off).
    if (!(std::abs(FacteursBobinage(s, 2).kp) > 1e-9)) return {1, 5, 7, 11, 13};
    return {1, 2, 4, 5, 7, 11, 13};
}

std::vector<int> OrdresExport() {
    std::vector<int> ordres;
    for (int h = 1; h <= kOrdresTableau; ++h) ordres.push_back(h);
    return ordres;
}

std::vector<LigneHarmonique> LignesHarmoniques(const State& s, const Harmoniques& analyse,
                                               std::span<const int> ordres) {
    std::vector<LigneHarmonique> lignes;
    for (const int h : ordres) {
        LigneHarmonique l;
        l.ordre = h;
        l.facteurs = FacteursBobinage(s, h);
        if (h >= 1 && h <= kOrdreMax) {
            l.relatif = analyse.Relatif(h);
            l.sens = analyse.sens[h];
            l.direct = analyse.DirectRelatif(h);
            l.inverse = analyse.InverseRelatif(h);
        }
        l.vitesse = Vitesse(l.sens, 1, h);
        lignes.push_back(l);
    }
    return lignes;
}

std::complex<double> CoefficientMecanique(const State& s, int nu) {
    if (nu < 1 || s.p < 1) return {};
    return BobinageDe(s)->CoefficientResultant(s, nu);
}

int OrdreMecaniqueMax(int p) { return std::max(25, 5 * p); }

HarmoniquesMecaniques AnalyseMecanique(const State& s) {
    HarmoniquesMecaniques sp;
    if (s.p < 1) return sp;  // no star without pole pairs: no order at all
    const int n = OrdreMecaniqueMax(s.p);
    sp.ordreTravail = s.p;
    sp.amplitude.assign(n + 1, 0.0);
    sp.direct.assign(n + 1, 0.0);
    sp.inverse.assign(n + 1, 0.0);
    sp.sens.assign(n + 1, Sens::Absent);
    const Bobinage& b = *BobinageDe(s);
    // A quarter period later a forward wave's coefficient has turned by −π/2, a backward one's
    // by +π/2: c1 = a + b and c2 = −i·a + i·b give both parts of each order.
    State plusTard = s;
    plusTard.t = s.t + kPiSur2 / s.Omega;
    if (!std::isfinite(plusTard.t)) plusTard.t = s.t;
    const CoefficientsUnitaires unitaires(b, 1, n);
    const std::vector<Complexe> c1 = unitaires.Resultante(s), c2 = unitaires.Resultante(plusTard);
    const Complexe i(0.0, 1.0);
    for (int nu = 1; nu <= n; ++nu) {
        sp.amplitude[nu] = std::abs(c1[nu]);
        sp.direct[nu] = std::abs((c1[nu] + i * c2[nu]) * 0.5);
        sp.inverse[nu] = std::abs((c1[nu] - i * c2[nu]) * 0.5);
    }
    // A winding whose phases are not one winding turned by 2π/3 electrical (a custom winding a
    // student broke) gives orders two parts even under the balanced supply: its crests pulsate as
    // under any other supply, and the unit of the parts is its forward working wave.
    bool deuxParties = false;
    for (int nu = 1; nu <= n; ++nu)
        deuxParties |= std::min(sp.direct[nu], sp.inverse[nu]) > 1e-9 * std::abs(s.Imax);
    const bool alimentationEquilibree = EstEquilibree(s);
    const bool equilibree = alimentationEquilibree && !deuxParties;
    if (equilibree) {
        sp.equilibre = sp.amplitude[s.p];
    } else if (alimentationEquilibree) {
        sp.equilibre = sp.direct[s.p];
    } else {
        // The forward working wave the balanced supply gives: its crest for a winding of equal
        // phases, fixed in time for a broken one too.
        State e = Equilibree(s), quart = e;
        quart.t = plusTard.t;
        const std::size_t p = std::size_t(s.p);
        sp.equilibre =
            std::abs((unitaires.Resultante(e)[p] + i * unitaires.Resultante(quart)[p]) * 0.5);
    }
    if (!(sp.equilibre > 1e-9 * std::abs(s.Imax))) sp.equilibre = 0.0;
    // Balanced, an order's crest is constant in time; otherwise its larger part decides.
    const double base = equilibree ? sp.amplitude[s.p] : sp.equilibre;
    const double seuil =
        base > 1e-9 * std::abs(s.Imax) ? kSeuilAbsent * base : 1e-9 * std::abs(s.Imax);
    sp.pulse = !equilibree;
    for (int nu = 1; nu <= n; ++nu)
        sp.sens[nu] = SensDesParties(sp.direct[nu], sp.inverse[nu], sp.amplitude[nu], equilibree,
                                     seuil, base);
    return sp;
}

std::optional<double> HarmoniquesMecaniques::Relatif(int nu) const {
    if (pulse || nu < 1 || nu > OrdreMax() || ordreTravail > OrdreMax()) return std::nullopt;
    if (sens[ordreTravail] == Sens::Absent || !(amplitude[ordreTravail] > 0.0)) return std::nullopt;
    return amplitude[nu] / amplitude[ordreTravail];
}

std::optional<double> HarmoniquesMecaniques::DirectRelatif(int nu) const {
    if (nu < 1 || nu > OrdreMax() || !(equilibre > 0.0)) return std::nullopt;
    return direct[nu] / equilibre;
}

std::optional<double> HarmoniquesMecaniques::InverseRelatif(int nu) const {
    if (nu < 1 || nu > OrdreMax() || !(equilibre > 0.0)) return std::nullopt;
    return inverse[nu] / equilibre;
}

namespace {

// The chart's two bars of an order: under the balanced supply its amplitude on its direction's
// bar, otherwise its two parts.
void Barres(Spectre& sp, bool equilibree, std::optional<double> relatif, Sens sens,
            std::optional<double> direct, std::optional<double> inverse) {
    if (equilibree) {
        const double r = relatif.value_or(0.0);
        sp.directs.push_back(sens == Sens::Direct ? r : 0.0);
        sp.inverses.push_back(sens == Sens::Inverse ? r : 0.0);
    } else {
        sp.directs.push_back(direct.value_or(0.0));
        sp.inverses.push_back(inverse.value_or(0.0));
    }
}

}  // namespace

Spectre SpectreDe(const State& s, bool fenetre) {
    Spectre sp;
    const std::shared_ptr<const Bobinage> b = BobinageDe(s);
    const bool equilibree = EstEquilibree(s);
    sp.electrique = b->OrdresElectriques();
    if (sp.electrique) {
        const Harmoniques analyse = HarmoniquesNumeriques(s);
        for (int h = 1; h <= kOrdresTableau; ++h)
            Barres(sp, equilibree, analyse.RelatifInstantane(h), analyse.sens[h],
                   analyse.DirectRelatif(h), analyse.InverseRelatif(h));
        sp.lignes =
            LignesHarmoniques(s, analyse, fenetre ? OrdresFenetre(s, analyse) : OrdresExport());
        sp.pulse = analyse.pulse;
        sp.distorsion = analyse.distorsion;
        sp.desequilibre = analyse.TauxDesequilibre();
        return sp;
    }
    const HarmoniquesMecaniques analyse = AnalyseMecanique(s);
    sp.travail = s.p;
    sp.pulse = analyse.pulse;
    for (int nu = 1; nu <= analyse.OrdreMax(); ++nu) {
        LigneHarmonique l;
        l.ordre = nu;
        l.travail = s.p;
        l.facteurs.kw = b->Facteur(nu);
        l.relatif = analyse.Relatif(nu);
        l.sens = analyse.sens[nu];
        l.direct = analyse.DirectRelatif(nu);
        l.inverse = analyse.InverseRelatif(nu);
        l.vitesse = Vitesse(l.sens, s.p, nu);
        Barres(sp, !analyse.pulse, l.relatif, l.sens, l.direct, l.inverse);
        sp.lignes.push_back(l);
    }
    if (analyse.OrdreMax() >= s.p) {
        const double direct = analyse.direct[s.p];
        if (direct > kSeuilAbsent * analyse.equilibre && analyse.equilibre > 0)
            sp.desequilibre = analyse.inverse[s.p] / direct;
    }
    return sp;
}

std::string NomBobinage(const State& s, std::string_view separateur) {
    const std::string nom = GenreDe(s.typeBobinage).nomme(s, separateur);
    if (s.machine == Machine::Triphasee) return nom;
    return Remplit(Traduit("Moteur", "Moteur monophasé, %1"), {nom});
}

std::string TexteFacteur(double v, std::string_view separateur) {
    if (std::abs(v) < 5e-5) v = 0.0;
    char tampon[64];
    std::snprintf(tampon, sizeof tampon, "%.4f", v);
    std::string texte = tampon;
    if (const auto point = texte.find('.'); point != std::string::npos)
        texte.replace(point, 1, separateur.empty() ? std::string_view(".") : separateur);
    return texte;
}

std::string PorteeDistorsion() {
    return Remplit(Traduit("Harmoniques", "rangs %1 à %2"),
                   {std::to_string(kPremierOrdreDistorsion), std::to_string(kOrdreMax)});
}

std::string NotePulsation() {
    return Traduit("Harmoniques",
                   "alimentation déséquilibrée : la crête de chaque rang pulse avec le temps, "
                   "A(h)/A(1) et la distorsion ne sont pas donnés ; les parties directe et "
                   "inverse, fixes, le sont");
}

std::string NomSens(Sens sens) {
    switch (sens) {
        case Sens::Direct:
            return "direct";
        case Sens::Inverse:
            return "inverse";
        case Sens::Pulsant:
            return "pulsant";
        case Sens::Elliptique:
            return "elliptique";
        case Sens::Absent:
            break;
    }
    return "absent";
}

std::string TexteVitesse(const LigneHarmonique& ligne) {
    if (ligne.sens == Sens::Absent) return "0";
    const int g = std::gcd(ligne.travail, ligne.ordre);
    const std::string fraction = ligne.ordre == g ? std::to_string(ligne.travail / g)
                                                  : std::to_string(ligne.travail / g) + "/" +
                                                        std::to_string(ligne.ordre / g);
    if (ligne.sens == Sens::Inverse) return "-" + fraction;
    if (ligne.sens == Sens::Direct) return fraction;
    return "±" + fraction;
}

}  // namespace kest
