// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Physique.h"

#include <cmath>
#include <complex>
#include <memory>

#include "model/Alimentation.h"
#include "model/Bobinage.h"
#include "model/Regles.h"

namespace kest {

double AngleConducteur(const State& s, int k, int i, int j, Cote cote, Etoile etoile) {
    // Belt offset: centres the m slots of a belt on its middle. Already mechanical.
    const double decalage = ((i - 1) - (s.m - 1) * 0.5) * s.Alpha;
    // Electrical position, summed left to right, then brought back to mechanical by p.
    double electrique = kDeuxPi * j + k * kDeuxPiSur3;
    if (cote == Cote::Retour) electrique = electrique + kPi;
    if (etoile == Etoile::Premiere) electrique = electrique + -(kPiSur6 * 0.5);
    if (etoile == Etoile::Seconde) electrique = electrique + kPiSur6 * 0.5;
    return decalage + electrique / s.p;
}

double AngleAxe(const State& s, int k, int j) {
    return (kDeuxPi * j + k * kDeuxPiSur3 + kPiSur2) / s.p;
}

double AxeElectrique(const State& s, int k) {
    if (s.machine == Machine::Monophasee) return -k * kPiSur2 + kPiSur2;
    return k * kDeuxPiSur3 + kPiSur2;
}

namespace {

// Phase k's current per unit of Imax, a_k·sin(Omega·t − δ_k), for a supply other than the
// balanced one. Phase 2 of two phases in series (an open phase) is exactly phase 1's opposite,
// so that the two line currents sum to zero.
double CourantUnitaire(const State& s, int k) {
    if (k == 1 && s.machine == Machine::Triphasee && TypeDe(s.alimentation).secondeOpposee)
        return -CourantUnitaire(s, 0);
    const PhaseAlimentation ph = ParametresPhase(s, k);
    return ph.a * std::sin(s.Omega * s.t - ph.delta);
}

}  // namespace

Courant CourantPhase(const State& s, int k) {
    if (s.alimentation == Alimentation::Equilibree && s.machine == Machine::Triphasee) {
        const double phi = s.Omega * s.t - k * kDeuxPiSur3;
        return {phi, std::sin(phi) * s.Imax};
    }
    return {s.Omega * s.t - ParametresPhase(s, k).delta, CourantUnitaire(s, k) * s.Imax};
}

double Reste(double x, double y) {
    if (x >= 0 && x < y) return x;
    if (x >= y && x < 2 * y) return x - y;
    return std::fmod(x, y);  // negative, far or not a number
}

namespace {

// Go side of coil i of phase k: the conductor angle without its pole-pair term; the
// remainder below repeats the coil under every pole pair.
double AngleBobine(const State& s, int k, int i) {
    return ((i - 1) - (s.m - 1) * 0.5) * s.Alpha + (k * kDeuxPiSur3) / s.p;
}

// Is theta inside the coil whose go side lies at c? The coil spans the arc c .. c + Y/p once
// per pole-pair span, both ends included. With a stale Alpha the dividend may be negative;
// the remainder keeps its sign and is compared unchanged.
bool DansBobine(const State& s, double theta, double c) {
    const double d = Reste(theta - c + kDeuxPi, kDeuxPi / s.p);
    return s.Y / s.p >= d;
}

}  // namespace

std::vector<double> BordsPhase(const State& s, int k) {
    std::vector<double> bords;
    if (DistributionDe(s) == Distribution::Parfaite || s.m <= 0) return bords;
    // DansBobine changes where theta − c crosses a multiple of the span (the remainder wraps)
    // or where the remainder crosses Y/p: both lattices, whatever the sign of theta − c + 2π.
    const double pas = kDeuxPi / s.p;
    const auto ajoute = [&](double angle) {
        double r = std::fmod(angle, pas);
        if (!std::isfinite(r)) return;  // a coil opening too large to place an edge
        if (r < 0) r += pas;
        bords.push_back(r < pas ? r : 0.0);
    };
    const double demi = s.DoubleEtoile ? (kPiSur6 / s.p) * 0.5 : 0.0;
    for (int i = 1; i <= s.m; ++i) {
        const double c = AngleBobine(s, k, i);
        for (const double aller : {c - demi, c + demi}) {
            ajoute(aller);
            ajoute(aller + s.Y / s.p);
            if (!s.DoubleEtoile) break;
        }
    }
    return bords;
}

double SecondeEtoile(const State& s, int k) {
    if (s.alimentation == Alimentation::Equilibree)
        return std::sin(s.Omega * s.t - k * kDeuxPiSur3 - kPiSur6);
    // The second star is fed through a star–delta transformer: it delays the forward sequence
    // by π/6 and advances the backward one by π/6, and a zero-sequence current does not pass.
    // Phase k's current is Im(phasor·e^{j·Omega·t}); the forward sequence's phasor of phase k
    // is D·e^{−j·k·2π/3}, the backward one's B·e^{+j·k·2π/3} (model/Alimentation.h).
    const Sequences sq = ComposantesSymetriques(s, 1);
    const double decalage = k * kDeuxPiSur3;
    const std::complex<double> phaseur = sq.direct * std::polar(1.0, -decalage - kPiSur6) +
                                         sq.inverse * std::polar(1.0, decalage + kPiSur6);
    return (phaseur * std::polar(1.0, s.Omega * s.t)).imag();
}

double ForcePhase(const State& s, int k, double theta) {
    const std::shared_ptr<const Bobinage> b = BobinageDe(s);
    return b->Force(s, k, theta, b->NbEtoiles() > 1 ? SecondeEtoile(s, k) : 0.0);
}

double ForcePhase(const State& s, int k, double theta, double s2) {
    if (s.DoubleEtoile) {
        // Each coil is split between two stars π/6 apart in space; the second star's current
        // (s2) lags by π/6 in time. Each star carries half the ampere-turns of the simple winding.
        const double demi = (kPiSur6 / s.p) * 0.5;
        double F = 0.0;
        for (int i = 1; i <= s.m; ++i) {
            const double c = AngleBobine(s, k, i);
            if (DansBobine(s, theta, c - demi))
                F = F + ((1 - s.Y / kDeuxPi) * 0.5) * s.I[k] / s.m;
            else
                F = F - (0.5 * s.Y / kDeuxPi) * s.I[k] / s.m;
            if (DansBobine(s, theta, c + demi))
                F = F + s2 * ((1 - s.Y / kDeuxPi) * 0.5 * s.Imax) / s.m;
            else
                F = F - s2 * (0.5 * s.Y / kDeuxPi * s.Imax) / s.m;
        }
        return F;
    }
    if (s.Reelle) {
        // Rectangular, zero-mean wave of each of the m coils of the belt, weight 1/m.
        double F = 0.0;
        for (int i = 1; i <= s.m; ++i) {
            if (DansBobine(s, theta, AngleBobine(s, k, i)))
                F = F + (1 - s.Y / kDeuxPi) * s.I[k] / s.m;
            else
                F = F - (s.Y / kDeuxPi) * s.I[k] / s.m;
        }
        return F;
    }
    // Ideal sinusoidal distribution: crest at the coil axis for a positive current.
    return std::sin(s.p * theta - k * kDeuxPiSur3) * (0.5 * s.I[k]);
}

}  // namespace kest
