// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Classique.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "model/Harmoniques.h"
#include "model/Monophase.h"
#include "model/Physique.h"
#include "model/Regles.h"
#include "model/Textes.h"

namespace kest {

namespace {

using Complexe = std::complex<double>;

// Samples per pole-pair span of the ideal distribution's resultant: a pure sine of the
// fundamental, which any count above 3 transforms exactly.
constexpr int kEchantillonsParfaite = 8;

// Bit for bit: a not-a-number equals itself, and −0 is not +0 (the MMF tells them apart).
bool MemeReel(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

class BobinageClassique final : public Bobinage {
public:
    explicit BobinageClassique(const State& s) : etat_(s) {
        const bool doubleEtoile = DistributionDe(s) == Distribution::DoubleEtoile;
        for (int k = 0; k < 3; ++k) {
            Phase phase;
            // Slot i outer, pole pair j inner, the double star's two stars on the two rings.
            for (const Cote cote : {Cote::Retour, Cote::Aller})
                for (int i = 1; i <= s.m; ++i)
                    for (int j = 1; j <= s.p; ++j) {
                        const int signe = cote == Cote::Aller ? 1 : -1;
                        if (doubleEtoile) {
                            phase.conducteurs.push_back(
                                {AngleConducteur(s, k, i, j, cote, Etoile::Premiere), 0, signe});
                            phase.conducteurs.push_back(
                                {AngleConducteur(s, k, i, j, cote, Etoile::Seconde), 1, signe});
                        } else {
                            phase.conducteurs.push_back(
                                {AngleConducteur(s, k, i, j, cote, Etoile::Aucune), 0, signe});
                        }
                    }
            for (int j = 1; j <= s.p; ++j) phase.axes.push_back(AngleAxe(s, k, j));
            phases_.push_back(std::move(phase));
        }
        if (DistributionDe(s) == Distribution::Parfaite || s.p < 1) return;
        // The stepped distributions repeat under every pole pair: each star's staircase over the
        // first pole-pair span, its value on each interval the model's own ForcePhase at the
        // interval's middle (the second star's carries Imax, its current being per unit).
        etoiles_ = doubleEtoile ? 2 : 1;
        periodicite_ = s.p;
        const double periode = kDeuxPi / s.p;
        State unite = s;
        for (int k = 0; k < 3; ++k) {
            std::vector<double> bords = BordsPhase(s, k);
            bords.push_back(0.0);
            std::sort(bords.begin(), bords.end());
            bords.erase(std::unique(bords.begin(), bords.end()), bords.end());
            for (int e = 0; e < etoiles_; ++e) {
                Escalier escalier{bords, {}};
                unite.I[k] = e == 0 ? 1.0 : 0.0;
                for (std::size_t j = 0; j < bords.size(); ++j) {
                    const double fin = j + 1 < bords.size() ? bords[j + 1] : periode;
                    escalier.valeurs.push_back(
                        ForcePhase(unite, k, (bords[j] + fin) * 0.5, e == 0 ? 0.0 : 1.0));
                }
                escaliers_.push_back(std::move(escalier));
            }
        }
    }

    bool Pour(const State& s) const override {
        const State& a = etat_;
        return s.machine == Machine::Triphasee && s.p == a.p && s.m == a.m && MemeReel(s.Y, a.Y) &&
               MemeReel(s.Alpha, a.Alpha) && MemeReel(s.Imax, a.Imax) && s.Reelle == a.Reelle &&
               s.DoubleEtoile == a.DoubleEtoile;
    }

    bool OrdresElectriques() const override { return true; }
    double Facteur(int nu) const override {
        return etat_.p >= 1 && nu >= 1 && nu % etat_.p == 0
                   ? FacteursBobinage(etat_, nu / etat_.p).kw
                   : 0.0;
    }

    double Force(const State& s, int k, double theta, double seconde) const override {
        return ForcePhase(s, k, theta, seconde);
    }
    void Forces(const State& s, double theta, const double* secondes, double* F) const override {
        for (int k = 0; k < 3; ++k) F[k] = ForcePhase(s, k, theta, secondes[k]);
    }

    // The ideal distribution is a sinusoid, not conductors: phase k's MMF at unit current is
    // 0.5·sin(p·θ − k·2π/3), whose only coefficient is c_p = −0.5·i·e^{−i·k·2π/3}.
    Complexe Coefficient(int k, int etoile, int nu) const override {
        if (DistributionDe(etat_) != Distribution::Parfaite)
            return Bobinage::Coefficient(k, etoile, nu);
        if (etoile != 0 || nu != etat_.p) return {};
        return Complexe(0.0, -0.5) * std::polar(1.0, -(k * kDeuxPiSur3));
    }

    // The ideal distribution's resultant, sampled at the middles of kEchantillonsParfaite steps
    // of a pole-pair span: c_p = (2/N)·Σ F(x_n)·e^{−i·x_n}, exact for its pure fundamental.
    Complexe CoefficientResultant(const State& s, int nu) const override {
        if (DistributionDe(etat_) != Distribution::Parfaite)
            return Bobinage::CoefficientResultant(s, nu);
        if (nu != etat_.p) return {};
        State copie = s;  // the scene's working currents stay as the last paint left them
        for (int k = 0; k < 3; ++k) copie.I[k] = CourantPhase(copie, k).valeur;
        constexpr int n = kEchantillonsParfaite;
        Complexe c;
        for (int i = 0; i < n; ++i) {
            const double x = kPi * (2 * i + 1) / n;
            const double theta = x / s.p;
            const double f = (ForcePhase(copie, 0, theta, 0.0) + ForcePhase(copie, 1, theta, 0.0)) +
                             ForcePhase(copie, 2, theta, 0.0);
            c += f * std::polar(1.0, -x);
        }
        return c * (2.0 / n);
    }

private:
    State etat_;
};

}  // namespace

std::string NomBobinageClassique(const State& s, std::string_view separateur) {
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

std::shared_ptr<const Bobinage> FabriqueClassique(const State& s) {
    if (s.machine == Machine::Monophasee) return FabriqueDiphase(s);
    return std::make_shared<const BobinageClassique>(s);
}

}  // namespace kest
