// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The simulation state: everything the picture is computed from. It is a plain struct held
// by the main window; the options dialog, the clock and the scene are its only writers.
//
// Angles throughout the model are radians. Air-gap angles are mechanical; an electrical
// angle is p times the mechanical one. Phase k (0, 1, 2) is displaced by k·2π/3 electrical.
// On the drawing angle 0 points right and angles grow counter-clockwise on the screen.

#include <cmath>
#include <memory>

namespace kest {

// The shared angle constants, as the exact doubles the picture is computed with.
inline constexpr double kPi = 3.141592653589793;
inline constexpr double kDeuxPi = 6.283185307179586;
inline constexpr double kDeuxPiSur3 = 2.0943951023931953;
inline constexpr double kPiSur2 = 1.5707963267948966;
inline constexpr double kPiSur6 = 0.5235987755982988;

// The supply of the three phases: phase k carries a_k·Imax·sin(Omega·t − δ_k). A kind of supply
// is the index of its row in kTypesAlimentation (model/Alimentation.h), which gives each kind's
// a_k and δ_k, its key and its texts. Row 0, the balanced supply (δ_k = k·2π/3, a_k = 1), is the
// default and the one named here: it is computed as Omega·t − k·2π/3 and Imax·sin(phi) in that
// order of operations. The other rows are named by their keys (AlimentationDe("libre")).
enum class Alimentation : int { Equilibree = 0 };

// The winding's kind: the index of its row in the kinds' table (GenresBobinage(),
// model/Bobinage.h), whose maker lays the winding out. The first three rows are named here.
enum class TypeBobinage : int {
    Classique = 0,     // "Classique": m slots per pole and phase, one coil opening Y (the default)
    Encoches = 1,      // "Par encoches": Q slots, 1 or 2 layers, coils of a span in slots
    Personnalise = 2,  // "Personnalisé": a slot table written cell by cell (model/Personnalise.h)
};

// The machine: the three-phase stator (the default), or the single-phase motor, whose main and
// auxiliary windings lie 90 electrical degrees apart and are fed from one voltage, the auxiliary
// through a capacitor (model/Monophase.h).
enum class Machine : int { Triphasee = 0, Monophasee = 1 };

// How the single-phase motor starts: the index of its row in kDemarrages (model/Monophase.h).
enum class Demarrage : int { Quadrature = 0, Resistive = 1, Ouverte = 2, Libre = 3 };

struct TableBobinage;  // model/Encoches.h

struct State {
    int p = 1;                 // pole pairs, always >= 1
    int m = 2;                 // slots per pole and per phase (not range-checked: may be <= 0)
    int NbEncoches = 12;       // 6·p·m, recomputed only by a complete application of the dialog
    int Echelle = 150;         // air-gap samples per turn
    double Y = kPi;            // coil opening, electrical radians (π = full pitch)
    double Imax = 1.0;         // current amplitude
    double Omega = 100 * kPi;  // supply angular frequency, rad/s (50 Hz)
    double Gain = -40.0;       // pixels per unit of MMF; negative so positive is drawn upwards
    double Alpha =
        kDeuxPi / 12;  // slot pitch, mechanical radians; may be stale after a failed apply
    double t = 0.0;    // simulated time, seconds; only the clock advances it
    // Heights in pixels of the two crest markers, fixed at start (they follow neither Imax nor
    // Gain).
    double AmplTotale = std::sqrt(2.0) * 0.5 * 1.5 * 40;
    double AmplPhase = std::sqrt(2.0) * 0.5 * 40;
    bool Reelle = false;            // stepped distribution of real coils
    bool DoubleEtoile = false;      // two stars π/6 apart; wins over Reelle
    double I[3] = {0.0, 0.0, 0.0};  // phase currents of the scene being drawn
    double F[3] = {0.0, 0.0, 0.0};  // MMF of each phase at the air-gap sample being drawn
    // The supply, after the picture's own members. The free amplitudes (per unit of Imax, 0 to
    // 2) and lags (degrees) are kept when another kind is chosen, and used only by "Libre".
    Alimentation alimentation = Alimentation::Equilibree;
    double amplitudesLibres[3] = {1.0, 1.0, 1.0};
    double dephasagesLibres[3] = {0.0, 120.0, 240.0};
    // The winding's kind, after the supply. A slot winding reads p, the slots, the layers and
    // the coil span in slots; it leaves m, Y and the distribution as they are for the classic one.
    TypeBobinage typeBobinage = TypeBobinage::Classique;
    int encoches = 12;
    int couches = 2;
    int pas = 1;
    // The machine, after the winding. The single-phase motor's free values (used by its "Libre"
    // start) are kept while another start or machine is chosen: the capacitance in µF (0: the
    // auxiliary open; infinite: no capacitor), the effective turns ratio a, and the standstill
    // impedances R_m, X_m, R_a, X_a in ohms (an example motor, not a product's data).
    Machine machine = Machine::Triphasee;
    Demarrage demarrage = Demarrage::Quadrature;
    double condensateur = 211.4;
    double rapport = 2.568;
    double impedances[4] = {4.5, 3.7, 9.5, 3.5};
    // The custom winding's table, after the machine: none until the custom kind is first
    // chosen or edited. Shared and never changed in place (an edit makes a new table), so that
    // the many copies of the state stay cheap.
    std::shared_ptr<const TableBobinage> tableBobinage;
};

}  // namespace kest
