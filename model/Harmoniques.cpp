// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Harmoniques.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdio>
#include <limits>
#include <tuple>
#include <utility>

#include "model/Alimentation.h"
#include "model/Encoches.h"
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

using Coefficients = std::array<Complexe, kOrdreMax + 1>;

// Samples of the ideal distribution per pole-pair span: its resultant is a pure sine of the
// fundamental, which any count above 2·h + 1 transforms exactly up to order h: 128 for the
// spectrum, 8 for the fundamental alone.
constexpr int kEchantillonsParfaite = 128;
constexpr int kEchantillonsFondamental = 8;

// The ideal distribution's transform at one instant, currents stored: c_h = (2/N)·Σ
// F(x_n)·e^{−i·h·x_n}, x_n the electrical angle of sample n at the middle of its step. |c_h| is the
// crest of order h.
void TransformeeParfaite(const State& s, Coefficients& c, int ordres = kOrdreMax) {
    const int n = ordres > 1 ? kEchantillonsParfaite : kEchantillonsFondamental;
    c.fill(Complexe());
    for (int i = 0; i < n; ++i) {
        const double x = kPi * (2 * i + 1) / n;
        const double theta = x / s.p;
        const double f =
            (ForcePhase(s, 0, theta) + ForcePhase(s, 1, theta)) + ForcePhase(s, 2, theta);
        const Complexe z = std::polar(1.0, -x);  // e^{−i·h·x} by powers
        Complexe w = z;
        for (int h = 1; h <= ordres; ++h, w *= z) c[h] += f * w;
    }
    for (auto& v : c) v *= 2.0 / n;
}

// The transforms of a stepped winding's phases at unit current: `premiere[k]` for phase k's
// coils carrying I[k] = 1, `seconde[k]` for its second star carrying 1 (double star only). The
// MMF is linear in the currents, so the resultant's transform at any instant and for any
// supply is Σ_k I[k]·premiere[k] + s2_k·seconde[k], s2_k the second star's current.
struct Formes {
    Coefficients premiere[3];
    Coefficients seconde[3];
};

// Exact up to rounding whatever the winding: each phase's MMF is constant between its coil
// sides, so c_h = (1/π)·∫ F·e^{−i·h·x} dx over one pole-pair span is a sum over its steps,
// (1/(i·π·h))·Σ_j ΔF_j·e^{−i·h·x_j} with ΔF_j the step at edge x_j. The value on each interval
// is the model's own ForcePhase at its middle.
Formes FormesEtagees(const State& s, int ordres = kOrdreMax) {
    Formes formes{};
    State unite = s;
    const double pas = kDeuxPi / s.p;
    const Complexe facteur(0.0, -1.0 / kPi);  // 1/(i·π)
    std::vector<double> f1, f2;
    for (int k = 0; k < 3; ++k) {
        std::vector<double> bords = BordsPhase(s, k);
        bords.push_back(0.0);
        std::sort(bords.begin(), bords.end());
        bords.erase(std::unique(bords.begin(), bords.end()), bords.end());
        const std::size_t n = bords.size();
        f1.assign(n, 0.0);
        f2.assign(n, 0.0);
        for (std::size_t j = 0; j < n; ++j) {
            const double fin = j + 1 < n ? bords[j + 1] : pas;
            const double milieu = (bords[j] + fin) * 0.5;
            unite.I[k] = 1.0;
            f1[j] = ForcePhase(unite, k, milieu, 0.0);
            if (s.DoubleEtoile) {
                unite.I[k] = 0.0;
                f2[j] = ForcePhase(unite, k, milieu, 1.0);
            }
        }
        Coefficients& c1 = formes.premiere[k];
        Coefficients& c2 = formes.seconde[k];
        for (std::size_t j = 0; j < n; ++j) {
            const std::size_t avant = j == 0 ? n - 1 : j - 1;
            const double d1 = f1[j] - f1[avant];
            const double d2 = f2[j] - f2[avant];
            if (d1 == 0.0 && d2 == 0.0) continue;
            const Complexe z = std::polar(1.0, -(s.p * bords[j]));  // e^{−i·x_j}
            Complexe w = z;
            for (int h = 1; h <= ordres; ++h) {
                c1[h] += (d1 / h) * w;
                c2[h] += (d2 / h) * w;
                w *= z;
            }
        }
        for (int h = 1; h <= ordres; ++h) c1[h] *= facteur, c2[h] *= facteur;
    }
    return formes;
}

// The resultant's transform at the instant of s, for its supply.
Coefficients Transformee(const State& s, const std::optional<Formes>& formes,
                         int ordres = kOrdreMax) {
    // A copy: the scene's working currents and MMFs stay as the last paint left them.
    State copie = s;
    for (int k = 0; k < 3; ++k) copie.I[k] = CourantPhase(copie, k).valeur;
    Coefficients c{};
    if (!formes) {
        TransformeeParfaite(copie, c, ordres);
        return c;
    }
    for (int k = 0; k < 3; ++k) {
        const double s2 = s.DoubleEtoile ? SecondeEtoile(copie, k) : 0.0;
        for (int h = 1; h <= ordres; ++h)
            c[h] += copie.I[k] * formes->premiere[k][h] + s2 * formes->seconde[k][h];
    }
    return c;
}

}  // namespace

std::complex<double> CoefficientResultant(const State& s, int h) {
    if (h < 1 || h > kOrdreMax || s.p < 1) return {};
    std::optional<Formes> formes;
    if (Etagee(s)) formes = FormesEtagees(s);
    return Transformee(s, formes)[h];
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
    std::optional<Formes> formes;
    if (Etagee(s)) formes = FormesEtagees(s);
    State plusTard = s;
    plusTard.t = s.t + kPiSur2 / s.Omega;
    if (!std::isfinite(plusTard.t)) plusTard.t = s.t;
    const Coefficients c1 = Transformee(s, formes);
    const Coefficients c2 = Transformee(plusTard, formes);

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
    const bool equilibree = s.alimentation == Alimentation::Equilibree;
    if (equilibree) {
        sp.equilibre = sp.amplitude[1];
    } else {
        State e = s;
        e.alimentation = Alimentation::Equilibree;
        sp.equilibre = std::abs(Transformee(e, formes)[1]);
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
// ones. Everything of the state but t, I and F enters them; the size check makes a new member
// of State come here to be counted.
bool MemesParties(const State& a, const State& b) {
    static_assert(sizeof(State) == 208, "a new member of State: does it move the fundamental?");
    const auto cle = [](const State& x) {
        return std::tie(x.p, x.m, x.NbEncoches, x.Y, x.Imax, x.Omega, x.Alpha, x.Reelle,
                        x.DoubleEtoile, x.alimentation, x.amplitudesLibres[0],
                        x.amplitudesLibres[1], x.amplitudesLibres[2], x.dephasagesLibres[0],
                        x.dephasagesLibres[1], x.dephasagesLibres[2], x.typeBobinage, x.encoches,
                        x.couches, x.pas);
    };
    return cle(a) == cle(b);
}

ChampFondamental CalculeChamp(const State& s);

}  // namespace

ChampFondamental ChampDuFondamental(const State& s) {
    thread_local std::optional<std::pair<State, ChampFondamental>> dernier;
    if (!dernier || !MemesParties(dernier->first, s)) dernier.emplace(s, CalculeChamp(s));
    return dernier->second;
}

namespace {

ChampFondamental CalculeChamp(const State& s) {
    ChampFondamental c;
    if (s.p < 1 || !std::isfinite(s.Omega) || s.Omega == 0.0) return c;
    // The working wave's coefficient (mechanical order p: the classic winding's electrical order
    // 1) at t = 0 and a quarter period later splits into the two parts (as in
    // HarmoniquesNumeriques); a part of coefficient a has its crest at −arg a, electrical.
    std::optional<Formes> formes;
    const bool encoches = s.typeBobinage == TypeBobinage::Encoches;
    if (!encoches && Etagee(s)) formes = FormesEtagees(s, 1);
    const auto coefficient = [&](const State& x) {
        return encoches ? CoefficientMecanique(x, x.p) : Transformee(x, formes, 1)[1];
    };
    State e = s;
    e.alimentation = Alimentation::Equilibree;
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
        l.h = h;
        l.facteurs = FacteursBobinage(s, h);
        if (h >= 1 && h <= kOrdreMax) {
            l.relatif = analyse.Relatif(h);
            l.sens = analyse.sens[h];
            l.direct = analyse.DirectRelatif(h);
            l.inverse = analyse.InverseRelatif(h);
        }
        if (l.sens == Sens::Direct) l.vitesse = 1.0 / h;
        if (l.sens == Sens::Inverse) l.vitesse = -1.0 / h;
        if (l.sens == Sens::Pulsant || l.sens == Sens::Elliptique)
            l.vitesse = std::numeric_limits<double>::quiet_NaN();
        lignes.push_back(l);
    }
    return lignes;
}

std::string NomBobinage(const State& s, std::string_view separateur) {
    if (s.typeBobinage == TypeBobinage::Encoches) return NomBobinageEncoches(s);
    // Tenths of a degree up to a million degrees; beyond, six significant digits, so that the
    // text always fits.
    const double enDegres = s.Y * 180.0 / kPi;
    char degres[64];
    std::snprintf(degres, sizeof degres, std::abs(enDegres) < 1e6 ? "%.1f" : "%.6g", enDegres);
    std::string y = degres;
    if (y.size() > 2 && y.compare(y.size() - 2, 2, ".0") == 0) y.resize(y.size() - 2);
    if (y == "-0") y = "0";
    if (const auto point = y.find('.'); point != std::string::npos)
        y.replace(point, 1, separateur.empty() ? std::string_view(".") : separateur);
    return Remplit(Traduit("Harmoniques", "p = %1, m = %2, %3 encoches, Y = %4° électriques, %5"),
                   {std::to_string(s.p), std::to_string(s.m), std::to_string(s.NbEncoches), y,
                    NomDistribution(DistributionDe(s))});
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
    const std::string fraction = ligne.h == 1 ? "1" : "1/" + std::to_string(ligne.h);
    if (ligne.sens == Sens::Inverse) return "-" + fraction;
    if (ligne.sens == Sens::Direct) return fraction;
    return "±" + fraction;
}

}  // namespace kest
