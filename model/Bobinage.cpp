// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Bobinage.h"

#include <algorithm>
#include <iterator>

#include "model/Alimentation.h"
#include "model/Classique.h"
#include "model/Encoches.h"
#include "model/Monophase.h"
#include "model/Personnalise.h"
#include "model/Physique.h"
#include "model/Textes.h"

namespace kest {

using Complexe = std::complex<double>;

namespace {

const GenreBobinage kGenres[] = {
    {"classique", ATraduire("Encoches", "Classique"),
     ATraduire("Encoches", "p, m, Y et la distribution de la boîte « Dimensions »"),
     NomBobinageClassique, FabriqueClassique, nullptr, nullptr},
    {"encoches", ATraduire("Encoches", "Par encoches"),
     ATraduire("Encoches", "Q encoches, une ou deux couches, disposées par l'étoile des encoches"),
     [](const State& s, std::string_view) { return NomBobinageEncoches(s); }, FabriqueEncoches,
     EcritLienEncoches, VerifieEncochesDe},
    {"personnalise", ATraduire("Encoches", "Personnalisé"),
     ATraduire("Encoches",
               "Chaque case du tableau des encoches choisie à la main, au départ une copie du "
               "bobinage par encoches"),
     [](const State& s, std::string_view) { return NomBobinagePersonnalise(s); },
     FabriquePersonnalise, EcritLienPersonnalise, VerifiePersonnalise, PreparePersonnalise},
};

}  // namespace

std::span<const GenreBobinage> GenresBobinage() { return kGenres; }

const GenreBobinage& GenreDe(TypeBobinage type) {
    const auto i = static_cast<std::size_t>(type);
    return i < std::size(kGenres) ? kGenres[i] : kGenres[0];
}

std::optional<TypeBobinage> GenreParNom(std::string_view nom) {
    for (std::size_t i = 0; i < std::size(kGenres); ++i)
        if (nom == kGenres[i].nom) return static_cast<TypeBobinage>(i);
    return std::nullopt;
}

std::string LibelleBobinage(TypeBobinage type) {
    return Traduit("Encoches", GenreDe(type).libelle);
}
std::string AideBobinage(TypeBobinage type) { return Traduit("Encoches", GenreDe(type).aide); }

void VerifieBobinage(const State& s, int p) {
    if (const auto verifie = GenreDe(s.typeBobinage).verifie) verifie(s, p);
}

void ChoisirTypeBobinage(State& s, TypeBobinage type) {
    const GenreBobinage& genre = GenreDe(type);
    if (genre.verifie) genre.verifie(s, s.p);
    State e = s;
    e.typeBobinage = type;
    VerifieMachine(e);
    if (genre.prepare) genre.prepare(s);
    s.typeBobinage = type;
}

std::shared_ptr<const Bobinage> BobinageDe(const State& s) {
    // The last winding made in this thread: a paint's views and a spectrum ask for the same one
    // many times, and the state changes its winding only by a dialog's Enter or a kind chosen.
    thread_local std::shared_ptr<const Bobinage> dernier;
    thread_local TypeBobinage type = TypeBobinage::Classique;
    if (!dernier || type != s.typeBobinage || !dernier->Pour(s)) {
        dernier = GenreDe(s.typeBobinage).fabrique(s);
        type = s.typeBobinage;
    }
    return dernier;
}

bool MemeBobinage(const State& a, const State& b) {
    return a.typeBobinage == b.typeBobinage && BobinageDe(a)->Pour(b);
}

void Bobinage::Forces(const State& s, double theta, const double* secondes, double* F) const {
    for (int k = 0; k < NbPhases(); ++k) F[k] = Force(s, k, theta, secondes[k]);
}

Complexe Bobinage::Coefficient(int k, int etoile, int nu) const {
    if (nu < 1 || escaliers_.empty()) return {};
    return Coefficients(k, etoile, nu, 1)[1];
}

std::vector<Complexe> Bobinage::Coefficients(int k, int etoile, int pas, int n) const {
    std::vector<Complexe> c(std::size_t(std::max(n, 0)) + 1);
    if (escaliers_.empty() || pas < 1) {
        for (int i = 1; i <= n; ++i) c[std::size_t(i)] = Coefficient(k, etoile, pas * i);
        return c;
    }
    // The MMF is constant between edges, so the integral is a sum over its steps:
    // c_ν = (1/(iπ·h))·Σ_j ΔF_j·e^{−i·h·x_j} over one period, x_j = periodicite·θ_j the edge's
    // angle in periods and h = ν/periodicite (the other orders cancel between the periods).
    // Each edge's e^{−i·h·x_j} by powers of e^{−i·x_j}, order after order; of the orders
    // h·periodicite the winding has, those that are multiples of pas are kept.
    const Escalier& e = escaliers_[std::size_t(k * etoiles_ + etoile)];
    const std::size_t bords = e.bords.size();
    for (std::size_t j = 0; j < bords; ++j) {
        const double d = e.valeurs[j] - e.valeurs[j == 0 ? bords - 1 : j - 1];
        if (d == 0.0) continue;
        const Complexe z = std::polar(1.0, -(periodicite_ * e.bords[j]));
        Complexe w = z;
        for (int h = 1; h * periodicite_ <= n * pas; ++h, w *= z)
            if ((h * periodicite_) % pas == 0)
                c[std::size_t(h * periodicite_ / pas)] += (d / h) * w;
    }
    for (Complexe& v : c) v *= Complexe(0.0, -1.0 / kPi);
    return c;
}

CoefficientsUnitaires::CoefficientsUnitaires(const Bobinage& b, int pas, int n)
    : n_(n), phases_(b.NbPhases()), etoiles_(b.NbEtoiles()) {
    for (int k = 0; k < phases_; ++k)
        for (int e = 0; e < etoiles_; ++e) unitaires_.push_back(b.Coefficients(k, e, pas, n));
}

std::vector<Complexe> CoefficientsUnitaires::Resultante(const State& s) const {
    std::vector<Complexe> c(std::size_t(std::max(n_, 0)) + 1);
    for (int k = 0; k < phases_; ++k) {
        const double i = CourantPhase(s, k).valeur;
        const std::vector<Complexe>& u = unitaires_[std::size_t(k * etoiles_)];
        if (etoiles_ > 1) {
            const double s2 = SecondeEtoile(s, k);
            const std::vector<Complexe>& u2 = unitaires_[std::size_t(k * etoiles_ + 1)];
            for (int nu = 1; nu <= n_; ++nu)
                c[std::size_t(nu)] += i * u[std::size_t(nu)] + s2 * u2[std::size_t(nu)];
        } else {
            for (int nu = 1; nu <= n_; ++nu) c[std::size_t(nu)] += i * u[std::size_t(nu)];
        }
    }
    return c;
}

Complexe Bobinage::CoefficientResultant(const State& s, int nu) const {
    return CoefficientsUnitaires(*this, nu, 1).Resultante(s)[1];
}

}  // namespace kest
