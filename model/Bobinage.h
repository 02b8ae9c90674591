// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A winding as the whole program reads it: for each phase, the conductors the picture draws,
// the magnetic axes it marks, and the magnetomotive force its current makes along the air gap,
// with that force's Fourier coefficients in mechanical orders. The scene, the spectrum, the
// windows, the exporter and the page read a winding only through this interface; a kind of
// winding is a maker of it (model/Classique.cpp, model/Encoches.cpp) and a row of
// GenresBobinage(), and nothing else asks which kind a winding is.
//
// Angles: a conductor's or an axis's angle is mechanical (the air gap as drawn), radians,
// counter-clockwise from the right. Order ν is mechanical: ν periods per turn.
//
// A phase may be fed through several "stars": the double star's second star is a second set of
// the three phases, fed through a star–delta transformer (SecondeEtoile, model/Physique.h).

#include <complex>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/State.h"

namespace kest {

// One coil side as the picture draws it.
struct Conducteur {
    double angle = 0.0;  // mechanical radians
    int couche = 0;      // 0 the inner ring (top layer, first star), 1 the outer ring
    int signe = 1;       // +1 a go side (hollow), −1 a return side (filled)
};

class Bobinage {
public:
    virtual ~Bobinage() = default;

    int NbPhases() const { return int(phases_.size()); }
    // 1, or 2 for a winding whose phases have a second star.
    int NbEtoiles() const { return etoiles_; }
    // Phase k's conductors in the order the picture draws them: the return sides, then the go
    // sides.
    const std::vector<Conducteur>& Conducteurs(int k) const { return phases_[k].conducteurs; }
    // The mechanical angles of phase k's magnetic axis, one under each pole pair.
    const std::vector<double>& Axes(int k) const { return phases_[k].axes; }

    // Whether every order of the winding is a multiple of p: its spectrum is then shown in
    // electrical orders h = ν/p, with the textbook factors of model/Harmoniques.h.
    virtual bool OrdresElectriques() const { return false; }
    // Whether the winding lies in slots: it has a star of slots and a slot table.
    virtual bool EnEncoches() const { return false; }
    // The winding factor k_w of mechanical order ν, as the spectrum's table gives it.
    virtual double Facteur(int nu) const = 0;

    // Whether the state still has this winding (a maker keeps what it read of the state).
    virtual bool Pour(const State& s) const = 0;
    // Phase k's MMF at the mechanical angle theta, its first star carrying s.I[k] and its second
    // `seconde` (SecondeEtoile, per unit of Imax).
    virtual double Force(const State& s, int k, double theta, double seconde) const = 0;
    // Every phase's MMF at theta, into F[k]: what the sweep asks at each sample, in one call.
    virtual void Forces(const State& s, double theta, const double* secondes, double* F) const;
    // The coefficient c_ν = (1/π)·∫_0^{2π} F·e^{−iνθ} dθ of star `etoile` of phase k carrying
    // its unit current (ν >= 1): |c_ν| is the crest of order ν, at θ = −arg(c_ν)/ν.
    virtual std::complex<double> Coefficient(int k, int etoile, int nu) const;
    // The same for the orders ν = pas·i, i = 1 … n, at once (index i, index 0 unused): a
    // spectrum's many orders.
    virtual std::vector<std::complex<double>> Coefficients(int k, int etoile, int pas, int n) const;
    // The resultant's coefficient of order ν at the state's instant, for its supply: each star's
    // unit coefficient weighted by its current (CourantPhase, then SecondeEtoile).
    virtual std::complex<double> CoefficientResultant(const State& s, int nu) const;

protected:
    struct Phase {
        std::vector<Conducteur> conducteurs;
        std::vector<double> axes;
    };
    // A star's MMF at unit current over one period of the winding (2π/periodicite_): its
    // edges, ascending from 0, and the value from each edge to the next, the last one up to
    // the period's end.
    struct Escalier {
        std::vector<double> bords;
        std::vector<double> valeurs;
    };
    std::vector<Phase> phases_;
    // Indexed k·NbEtoiles() + etoile; empty for a winding that gives its own Coefficient.
    std::vector<Escalier> escaliers_;
    int etoiles_ = 1;
    int periodicite_ = 1;  // how many times the staircases repeat around the air gap
};

// A winding's unit coefficients of orders ν = pas·i, i = 1 … n, computed once and then weighted
// by the currents of any instant and supply: the spectrum at an instant, a quarter period later
// and balanced.
class CoefficientsUnitaires {
public:
    CoefficientsUnitaires(const Bobinage& b, int pas, int n);
    // The resultant's coefficients of orders pas·i (index i, index 0 unused) at the instant of s
    // for its supply: each star's current (CourantPhase, then SecondeEtoile) times its unit
    // coefficient.
    std::vector<std::complex<double>> Resultante(const State& s) const;

private:
    int n_, phases_, etoiles_;
    std::vector<std::vector<std::complex<double>>> unitaires_;  // [k·etoiles + etoile][ν]
};

// A link's options by key, in order: {"encoches", "12"}, {"pas", "1"}.
using OptionsLien = std::vector<std::pair<std::string, std::string>>;

// The kinds of winding, listed once: every edition builds its choices, options and link keys
// from this table, and the state's winding is made by its row's maker. A kind is the index of
// its row (model/State.h). A new kind is a maker and a row (model/Bobinage.cpp), and its texts
// in the catalogue.
struct GenreBobinage {
    const char* nom;      // "classique", "encoches": the kind's word in kest.state()
    const char* libelle;  // the label's French source, shown through LibelleBobinage
    const char* aide;     // the hint of its button, shown through AideBobinage
    // The winding's name as the window's and the export's title give it, `separateur` the
    // decimal mark: "p = 2, m = 3, 36 encoches, Y = 150° électriques, Réelle".
    std::string (*nomme)(const State& s, std::string_view separateur);
    // Makes the state's winding of this kind.
    std::shared_ptr<const Bobinage> (*fabrique)(const State& s);
    // Adds to a link the options that give the state's winding of this kind, leaving out what
    // is as in `defaut` where the kind allows (null: the dialog's p, m, Y and distribution,
    // which every link writes, are the whole winding).
    void (*ecritLien)(const State& s, const State& defaut, OptionsLien& options);
    // Throws Erreur when the state's members of this kind make no winding with p pole pairs
    // (null: any p does).
    void (*verifie)(const State& s, int p);
    // Readies the state's members of this kind when it is chosen (null: nothing to ready).
    void (*prepare)(State& s) = nullptr;
};
std::span<const GenreBobinage> GenresBobinage();
// The row of a kind (the first row for a number that is none).
const GenreBobinage& GenreDe(TypeBobinage type);
// The kind whose word is `nom`, if any.
std::optional<TypeBobinage> GenreParNom(std::string_view nom);
// "Classique", "Par encoches", "Personnalisé", in the user's language.
std::string LibelleBobinage(TypeBobinage type);
// The hint of its button, in the user's language.
std::string AideBobinage(TypeBobinage type);

// A kind chosen: the members it reads are checked against p first (Erreur, and nothing
// changed, when they make no winding), then readied.
void ChoisirTypeBobinage(State& s, TypeBobinage type);
// Whether the state's kind makes a winding with p pole pairs (Erreur when not).
void VerifieBobinage(const State& s, int p);

// Whether two states have the same winding.
bool MemeBobinage(const State& a, const State& b);

// The state's winding, made by its kind's maker and kept while the state keeps it: what a
// paint and a spectrum read, many times over.
std::shared_ptr<const Bobinage> BobinageDe(const State& s);

}  // namespace kest
