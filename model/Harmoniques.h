// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Space harmonics of the resultant magnetomotive force and the winding factors that explain
// them. Orders h are electrical: order h has h periods per pole-pair span (h·p per turn).
//
// Analytic side: a coil of the stepped distributions is a zero-mean rectangular wave of width
// Y (electrical) per pole pair; the m coils of a belt sit γ = p·Alpha apart; the three phases,
// fed with balanced currents, cancel the multiples of 3 and leave for every other order one
// wave turning forward (h ≡ 1 mod 3) or backward (h ≡ 2 mod 3) at 1/h of the fundamental's
// speed, of amplitude A(h) = 3/(π·h)·|k_p·k_d·k_e|·Imax.
//
// Numeric side: the resultant that the picture draws, the sum of the model's ForcePhase over
// the three phases, transformed over one pole-pair span. It is the reference: where the two differ,
// the formulas have left the model's domain (a stale Alpha whose belt overruns a pole pair, for
// instance).

#include <array>
#include <complex>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/State.h"

namespace kest {

inline constexpr int kOrdreMax = 49;               // highest order of the numeric spectrum
inline constexpr int kPremierOrdreDistorsion = 2;  // the distortion sums orders 2 .. kOrdreMax
inline constexpr int kOrdresTableau = 25;          // orders of the chart and of the exported table
// Below this fraction of the fundamental an order is indistinguishable from the sampling
// error: it is reported absent, without a direction.
inline constexpr double kSeuilAbsent = 1e-3;
// Two parts of an order closer than this fraction of the balanced fundamental are equal: the
// order pulsates.
inline constexpr double kEcartPulsant = 1e-9;

// How order h turns. Under the balanced supply every order is one wave, forward or backward;
// any other supply splits it into a forward and a backward part: "pulsant" when the two are
// equal (a standing wave), "elliptique" when both are present but unequal.
enum class Sens { Absent, Direct, Inverse, Pulsant, Elliptique };

// Winding factors of order h, signed as in the textbooks; kw = kp·kd·ke.
struct Facteurs {
    double kp = 0.0;  // pitch factor sin(h·Y/2); 0 for Y outside [0, 2π] (no step in the wave)
    double kd = 0.0;  // distribution factor sin(h·m·γ/2)/(m·sin(h·γ/2)); 1 for m = 1
    double ke = 0.0;  // double star: cos((h∓1)·π/12), forward/backward; 1 otherwise
    double kw = 0.0;
};

// The factors of order h >= 1 for the state's distribution. No winding (m <= 0) gives all 0.
// The ideal sinusoidal distribution ("Parfaite") is its own fundamental: 1 at h = 1, 0 above.
Facteurs FacteursBobinage(const State& s, int h);

// The direction the balanced three phases give order h: absent for multiples of 3.
Sens SensTheorique(int h);

// An order's direction from its two parts, as measured. Balanced, its crest is constant in time:
// the larger part names it, if its amplitude passes `seuil`. Otherwise each part is fixed in time:
// an order with both parts above `seuil` pulsates (parts within kEcartPulsant of `base`) or turns
// elliptically, one with a single part turns its way.
Sens SensDesParties(double direct, double inverse, double amplitude, bool equilibree, double seuil,
                    double base);

// Analytic amplitude of order h (same unit as the MMF); the Parfaite gives 0.75·Imax at h = 1.
double AmplitudeAnalytique(const State& s, int h);

// The numeric spectrum at the state's time. Index h = 1 .. kOrdreMax; index 0 is unused.
struct Harmoniques {
    // Crest of order h in the resultant at the state's time (constant in time when balanced).
    std::array<double, kOrdreMax + 1> amplitude{};
    std::array<double, kOrdreMax + 1> direct{};   // its forward-turning part
    std::array<double, kOrdreMax + 1> inverse{};  // its backward-turning part
    // The direction of order h: the balanced supply's crest of order h against 1e-3 of its
    // fundamental; any other supply, each of its two parts against 1e-3 of `equilibre`
    // (Pulsant when they differ by no more than kEcartPulsant of it).
    std::array<Sens, kOrdreMax + 1> sens{};
    // The crest of the fundamental the balanced supply gives the same winding (0 when it has
    // none): the unit of the forward and backward parts of every supply.
    double equilibre = 0.0;
    // The electrical angle (radians, in [−π, π)) where the fundamental has its crest at the
    // state's time; 0 without a fundamental.
    double creteFondamental = 0.0;
    // Any supply but the balanced one: every order's crest pulsates with time, so neither
    // A(h)/A(1) nor the distortion is a property of the winding; only the parts are.
    bool pulse = false;
    // sqrt(Σ A(h)²)/A(1) over orders kPremierOrdreDistorsion .. kOrdreMax (more than the
    // table lists); empty when there is no fundamental to compare with, or when `pulse`.
    std::optional<double> distorsion;
    // A(h)/A(1), or empty when there is no fundamental or when `pulse`.
    std::optional<double> Relatif(int h) const;
    // A(h)/A(1) at the state's instant whatever the supply (the chart of the balanced supply).
    std::optional<double> RelatifInstantane(int h) const;
    // The forward and backward parts of order h per unit of the balanced fundamental
    // (model/Alimentation.h gives their formulas), or empty when the winding has none.
    std::optional<double> DirectRelatif(int h) const;
    std::optional<double> InverseRelatif(int h) const;
    // "Taux de déséquilibre": backward / forward of the fundamental; empty without forward.
    std::optional<double> TauxDesequilibre() const;
};

// The resultant's transform at the state's time and a quarter period later: the two split
// each order into its forward and backward waves. The stepped distributions are transformed
// exactly (their MMF is constant between coil sides), so every order is right to rounding
// whatever p, m and Y; the ideal one is sampled, which is exact for its pure fundamental.
// Works on a copy: s (its I and F included) is left as it was.
Harmoniques HarmoniquesNumeriques(const State& s);

// The resultant's complex coefficient of electrical order h (1 … kOrdreMax, else 0) at the
// state's instant, c_h = (1/π)·∫ F·e^{−i·h·x} dx over one pole-pair span (x = p·θ): the same
// number as the mechanical order h·p over the whole turn (model/Encoches.h).
std::complex<double> CoefficientResultant(const State& s, int h);

// The complex Fourier coefficient of the resultant MMF at mechanical order ν >= 1 at the
// state's instant and for its supply, c_ν = (1/π)·∫_0^{2π} F(θ)·e^{−iνθ} dθ: |c_ν| is the crest
// of order ν, at θ = −arg(c_ν)/ν. Any winding: the classic one has only the multiples of p,
// its electrical order ν/p.
std::complex<double> CoefficientMecanique(const State& s, int nu);

// The highest mechanical order of the spectrum: max(25, 5p).
int OrdreMecaniqueMax(int p);

// The spectrum of any winding in mechanical orders, as HarmoniquesNumeriques gives a classic
// winding's electrical ones: the crest of each order and its forward and backward parts at the
// state's time.
struct HarmoniquesMecaniques {
    int ordreTravail = 1;  // p
    // Index ν = 1 … OrdreMecaniqueMax(p); index 0 is unused.
    std::vector<double> amplitude, direct, inverse;
    std::vector<Sens> sens;
    // The working wave's crest under the balanced supply: the unit of the parts.
    double equilibre = 0.0;
    // An unbalanced supply: the crests pulsate, only the parts are fixed in time (no A(ν)/A(p)).
    bool pulse = false;
    int OrdreMax() const { return int(amplitude.size()) - 1; }
    // A(ν)/A(p), empty without a working wave or when `pulse`.
    std::optional<double> Relatif(int nu) const;
    std::optional<double> DirectRelatif(int nu) const;
    std::optional<double> InverseRelatif(int nu) const;
};
HarmoniquesMecaniques AnalyseMecanique(const State& s);

// One row of the table: the winding factors, the numeric amplitude relative to the working
// wave and the direction, and the speed as a signed fraction of the working wave's.
struct LigneHarmonique {
    // The order as the table shows it: electrical (h) in a spectrum of electrical orders,
    // mechanical (ν) otherwise.
    int ordre = 1;
    // The working wave's order, counted the same way: 1 electrical, p mechanical.
    int travail = 1;
    // k_p, k_d and k_e where the winding has them (a spectrum of electrical orders), k_w always.
    Facteurs facteurs;
    std::optional<double> relatif;
    Sens sens = Sens::Absent;
    // ±travail/ordre forward or backward, 0 absent; not a number for two parts (TexteVitesse)
    double vitesse = 0.0;
    // The forward and backward parts per unit of the balanced fundamental.
    std::optional<double> direct;
    std::optional<double> inverse;
};

// The fundamental of the resultant as the arrows and the crest markers show it, taken from the
// model's own resultant (its order-1 coefficient, as HarmoniquesNumeriques measures it), so that
// the picture agrees with the spectrum for every winding: a short coil's shifted axis and the
// double star included. Its two parts are fixed in time; the electrical angle of each crest
// moves with the time angle wt = Omega·t.
struct ChampFondamental {
    double direct = 0.0;        // forward part per unit of the balanced fundamental
    double inverse = 0.0;       // backward part, same unit
    double phaseDirect = 0.0;   // the forward crest stands at the electrical angle phaseDirect + wt
    double phaseInverse = 0.0;  // the backward crest at phaseInverse − wt
    bool existe = false;        // false when the winding has no fundamental (no arrows then)
    // The two parts' space vectors at wt = 0, direct·e^{i·phaseDirect} and
    // inverse·e^{i·phaseInverse}: at wt they have turned by e^{±i·wt}.
    std::complex<double> vecteurDirect, vecteurInverse;
    bool Pulsant() const;  // equal parts (within kEcartPulsant): a standing wave
};
ChampFondamental ChampDuFondamental(const State& s);

// The resultant fundamental's crest at the time angle wt: its amplitude (same unit) and its
// electrical angle. The angle moves continuously with wt, following the larger part, so that
// drawn at angle/p it stays on one crest of the p the air gap carries; a pulsating field's crest
// stays on its axis and flips to the next crest (by π electrical) when the amplitude passes
// through zero, and at a zero amplitude it lies on that axis.
struct Crete {
    double amplitude = 0.0;
    double angle = 0.0;
};
Crete CreteResultante(const ChampFondamental& c, double wt);

// The window's orders under the balanced supply: 1, 5, 7, 11, 13, with 2 and 4 first when the
// pitch factor of order 2 is not negligible (|k_p(2)| > 1e-9: the coil is not full-pitch).
// Under any other supply: every order of the chart (1 .. kOrdresTableau) that has a part.
std::vector<int> OrdresFenetre(const State& s, const Harmoniques& analyse);
// 1 .. kOrdresTableau, for the chart and the exported table.
std::vector<int> OrdresExport();

// The rows of the given orders. What they show does not change with time: under a supply other
// than the balanced one an order's crest pulsates, so its A(h)/A(1) is left empty and its parts
// are given instead.
std::vector<LigneHarmonique> LignesHarmoniques(const State& s, const Harmoniques& analyse,
                                               std::span<const int> ordres);

// The spectrum as the window, its copy and the exporter show it, for any winding. A winding
// whose orders are all multiples of p (the classic one) is shown in electrical orders h = ν/p
// with its textbook factors and its distortion; any other in mechanical orders ν, the working
// wave ν = p, with the star's winding factor.
struct Spectre {
    bool electrique = true;
    int travail = 1;  // the working wave's order as shown: 1, or p
    // The rows: the window's orders (OrdresFenetre) or every order of the export.
    std::vector<LigneHarmonique> lignes;
    // The chart's bars, orders 1 … n: per unit of the working wave (balanced: each order's
    // direction's bar) or of the balanced working wave (its two parts).
    std::vector<double> directs, inverses;
    bool pulse = false;                  // an unbalanced supply: the parts are given
    std::optional<double> distorsion;    // electrical orders under the balanced supply
    std::optional<double> desequilibre;  // backward / forward of the working wave
};
// The state's spectrum with the window's rows (`fenetre`) or the export's.
Spectre SpectreDe(const State& s, bool fenetre);

// "p = 2, m = 3, 36 encoches, Y = 150° électriques, Réelle"; separateur is the decimal mark. A
// slot winding: "12 encoches, p = 5, 2 couche(s), pas de 1 encoche(s)".
std::string NomBobinage(const State& s, std::string_view separateur = ",");
// A factor or ratio as the table shows it: four decimals, `separateur` as the decimal mark,
// never "-0.0000".
std::string TexteFacteur(double v, std::string_view separateur = ".");
// "rangs 2 à 49": the orders the distortion sums, for every place that shows it.
std::string PorteeDistorsion();
// Why an unbalanced supply's export gives no A(h)/A(1) and no distortion (the text's last line
// after a "# ", the JSON's "note").
std::string NotePulsation();
// "direct", "inverse", "pulsant", "elliptique", "absent".
std::string NomSens(Sens sens);
// The speed as a reduced fraction of the working wave's: "1/5", "-1/5" (backward), "±1/5" (two
// parts), "0" (absent); "5/7" for the mechanical order 7 of p = 5.
std::string TexteVitesse(const LigneHarmonique& ligne);

}  // namespace kest
