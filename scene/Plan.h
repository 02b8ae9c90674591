// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The layout of the scene, in pixels of the 700 × 500 drawing area (x to the right, y down).
// Every place the views draw at is named here once; the views only add offsets to them.
//
// The scales, and where each lives:
// - along the air gap (x of the curves and of their arrows): kPixelsParRadian below, 50 px per
//   mechanical radian; one turn is sampled State::Echelle times (model/State.h);
// - the MMF (height of the curves and of the arrows, distance of the polar waves from their
//   circle): State::Gain, pixels per unit of MMF, negative so that a positive MMF is drawn
//   upwards; the currents' amplitude is State::Imax;
// - the crest markers: State::AmplTotale (the sum) and State::AmplPhase (phase 1), heights in
//   pixels fixed at start, which follow neither Gain nor Imax;
// - the current phasors: kLongueurPhaseur below, whatever the current (only their angle turns);
// - the arrows' barbs: kLongueurBarbe (scene/ChampTournant.cpp);
// - the whole picture in an exported image: Rendu::agrandissement (render/Enregistrement.h),
//   kest-export's --echelle.

#include "model/State.h"
#include "scene/DrawingSurface.h"
#include "scene/Pixel.h"

namespace kest {

// The picture: the main window's client area as it opens, 700 × 500, on the window's button
// face. The window, the exporter and the page all take their size and background from here.
inline constexpr int kLargeurImage = 700;
inline constexpr int kHauteurImage = 500;
inline constexpr unsigned kCouleurFenetre = 0x00F0F0F0;  // 0x00BBGGRR, as every colour here

// A circle of the scene with the rings its winding is drawn on.
struct Cercle {
    int cx, cy;       // centre
    int rayon;        // outline; conductors of a simple winding and of the first star; the
                      // polar wave's zero
    int anneauExt;    // second star, drawn outside so that coinciding positions stay apart
    int longueurAxe;  // coil axes reach just past the circle
};

// Top right: phase 1 alone, its polar wave and the frame's two phase axes.
inline constexpr Cercle kVecteurSpatial{500, 100, 60, 66, 70};
// Bottom right: the three phases and the resultant wave.
inline constexpr Cercle kStator{500, 300, 100, 107, 110};

// Conductors are circles of this radius about their (truncated) position.
inline constexpr int kRayonConducteur = 4;

// The Fresnel diagram, left of the space-vector circle: its centre, the length of the current
// phasors and half the length of the dotted vertical axis through the centre.
inline constexpr int kFresnelX = 400;
inline constexpr int kFresnelY = 100;
inline constexpr int kLongueurPhaseur = 40;
inline constexpr int kDemiAxeFresnel = 50;

// The unrolled air gap on the left: one turn at 50 px per mechanical radian, 314 px long.
// The curves' heights are State::Gain times the MMF (see the scales above).
inline constexpr int kPixelsParRadian = 50;
inline constexpr int kLongueurCourbe = 314;
// Baselines of the curves: phase k at kBasePhase0 + kEcartPhases·k, the sum at kBaseSomme.
inline constexpr int kBasePhase0 = 20;
inline constexpr int kEcartPhases = 80;
inline constexpr int kBaseSomme = 300;
inline constexpr int kBasePhase1 = kBasePhase0 + kEcartPhases * 1;  // the one phase with markers
// Each air-gap sample is a dash this long on every curve.
inline constexpr int kLongueurTiret = 3;

// An unbalanced supply (never the balanced one, whose picture stays as it is): the phasors are
// kLongueurPhaseur·a_k long, and the stator circle carries the fundamental of the resultant
// split into its forward and backward parts, each arrow at a crest of its wave (mechanical angle
// = electrical / p) and kStator.rayon long per unit of the balanced fundamental (the balanced
// supply's forward arrow would lie on the crest marker), and the locus of the resultant's crest,
// drawn with kPointsLieu chords per period. New colours; the arrows 2 px wide, the locus dotted.
inline constexpr Couleur kCouleurDirect = 0x0080FF;      // orange (255, 128, 0)
inline constexpr Couleur kCouleurInverse = 0xA0A000;     // teal (0, 160, 160)
inline constexpr Couleur kCouleurResultante = 0x800080;  // purple (128, 0, 128)
inline constexpr int kLargeurChamps = 2;                 // the three arrows
inline constexpr int kLargeurLieu = 1;  // the dotted locus: a wide dotted line costs a paint
                                        // more than the rest of the picture
inline constexpr int kPointsLieu = 36;
// A part shorter than this (pixels) has no direction worth showing: no arrow, no label.
inline constexpr double kLongueurVisible = 3.0;
// Each arrow's label ("direct", "inverse") stands kEcartEtiquette from its tip, its box (about
// kLargeurEtiquette × 2·kDemiHauteurEtiquette in the window's font) along the arrow, or turned
// away from it until it clears the shafts and the other label.
inline constexpr double kEcartEtiquette = 6.0;
inline constexpr int kLargeurEtiquette = 52;
inline constexpr int kDemiHauteurEtiquette = 7;

// The labels under the Fresnel diagram and the space-vector circle (top-left corner).
inline constexpr int kEtiquetteY = 170;
inline constexpr int kEtiquetteFresnelX = 385;
inline constexpr int kEtiquetteVecteurX = 460;

// The picture's two blocks, for a screen taller than wide that stacks them: the curves of the
// unrolled air gap (left) and the circles with the phasors (right). Each holds what its side
// draws for every winding and every supply whose currents stay within Imax: the curves and their
// dotted lines, the Fresnel diagram from its dotted axis, the circles with their outer conductors,
// waves, arrows and labels.
struct Bloc {
    int x, y, largeur, hauteur;
};
inline constexpr Bloc kBlocCourbes{0, 0, 330, 350};
inline constexpr Bloc kBlocCercles{345, 10, 310, 435};
// Stacked, top to bottom: the circles above the curves, as a reader meets them first.
inline constexpr Bloc kBlocsEmpiles[] = {kBlocCercles, kBlocCourbes};

// The arrows of a circle use its centre row as their curve's baseline: phase 1's curve runs
// level with the space-vector circle's centre, the sum's with the stator's.
static_assert(kVecteurSpatial.cy == kBasePhase1);
static_assert(kStator.cy == kBaseSomme);
static_assert(kLongueurCourbe == static_cast<int>(kPixelsParRadian * kDeuxPi));
static_assert(kLongueurCourbe < kBlocCourbes.x + kBlocCourbes.largeur &&
              kBlocCourbes.x + kBlocCourbes.largeur <= kBlocCercles.x);
static_assert(kFresnelX - kLongueurPhaseur >= kBlocCercles.x);

}  // namespace kest
