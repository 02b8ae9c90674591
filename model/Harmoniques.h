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
// Numeric side: the resultant (F[0] + F[1]) + F[2] that the picture draws, sampled over one
// pole-pair span and transformed. It is the reference: where the two differ, the formulas
// have left the model's domain (a stale Alpha whose belt overruns a pole pair, for instance).

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/State.h"

namespace kest {

inline constexpr int kOrdreMax = 49;       // highest order of the numeric spectrum
inline constexpr int kOrdresTableau = 25;  // orders of the chart and of the exported table
// Below this fraction of the fundamental an order is indistinguishable from the sampling
// error: it is reported absent, without a direction.
inline constexpr double kSeuilAbsent = 1e-3;

enum class Sens { Absent, Direct, Inverse };

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

// Analytic amplitude of order h (same unit as the MMF); the Parfaite gives 0.75·Imax at h = 1.
double AmplitudeAnalytique(const State& s, int h);

// The numeric spectrum at the state's time. Index h = 1 .. kOrdreMax; index 0 is unused.
struct Harmoniques {
    std::array<double, kOrdreMax + 1> amplitude{};  // crest of order h in the resultant
    std::array<double, kOrdreMax + 1> direct{};     // its forward-turning part
    std::array<double, kOrdreMax + 1> inverse{};    // its backward-turning part
    std::array<Sens, kOrdreMax + 1> sens{};
    // sqrt(Σ_{h>=2} A(h)²)/A(1); empty when there is no fundamental to compare with.
    std::optional<double> distorsion;
    // A(h)/A(1), or empty when there is no fundamental.
    std::optional<double> Relatif(int h) const;
};

// Samples per pole-pair span when none is asked for. Each edge of a stepped wave lands up to
// half a sample off, which costs up to a few N-ths of the fundamental with few coils per belt
// and much less with many (their errors cancel); N·m ≈ 65536, between 512 and 8192, keeps
// every order within 1e-3 of the fundamental and the cost, which grows as N·m, bounded.
int EchantillonsDefaut(const State& s);

// Samples the resultant at `echantillons` points of one pole-pair span (0: the default), at
// the state's time and a quarter period later: the two transforms split each order into its
// forward and backward waves. Works on a copy: s (its I and F included) is left as it was.
// Throws Erreur when echantillons cannot resolve order kOrdreMax (fewer than 2·kOrdreMax + 2)
// or is beyond 2^24.
Harmoniques HarmoniquesNumeriques(const State& s, int echantillons = 0);

// One row of the table: the analytic factors, the numeric amplitude relative to the
// fundamental and the direction, and the speed as a signed fraction of the fundamental's.
struct LigneHarmonique {
    int h = 1;
    Facteurs facteurs;
    std::optional<double> relatif;
    Sens sens = Sens::Absent;
    double vitesse = 0.0;  // +1/h forward, −1/h backward, 0 absent
};

// The window's orders: 1, 5, 7, 11, 13, with 2 and 4 first when Y is not π.
std::vector<int> OrdresFenetre(const State& s);
// 1 .. kOrdresTableau, for the chart and the exported table.
std::vector<int> OrdresExport();

std::vector<LigneHarmonique> LignesHarmoniques(const State& s, const Harmoniques& analyse,
                                               std::span<const int> ordres);

// "p = 2, m = 3, 36 encoches, Y = 150° électriques, Réelle"; separateur is the decimal mark.
std::string NomBobinage(const State& s, std::string_view separateur = ",");
// A factor or ratio as the table shows it: four decimals, `separateur` as the decimal mark,
// never "-0.0000".
std::string TexteFacteur(double v, std::string_view separateur = ".");
// "direct", "inverse", "absent".
std::string NomSens(Sens sens);
// "1/5", "-1/5" (backward), "0" (absent).
std::string TexteVitesse(const LigneHarmonique& ligne);

// Tab-separated, a header line then one line per row, each line ending in '\n'; numbers with
// four decimals and `separateur` as the decimal mark; an undefined ratio is left empty.
std::string TexteTableau(std::span<const LigneHarmonique> lignes,
                         std::string_view separateur = ".");
// {"bobinage": ..., "distorsion": x|null, "ordres": [{"h":1,"kp":..,"kd":..,"ke":..,"kw":..,
// "relatif":x|null,"sens":"direct","vitesse":1.0}, ...]}
std::string JsonTableau(const State& s, const Harmoniques& analyse,
                        std::span<const LigneHarmonique> lignes);

}  // namespace kest
