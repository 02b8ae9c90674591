// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/Etoile.h"

#include <string>

#include "model/Encoches.h"
#include "model/Personnalise.h"
#include "model/Textes.h"
#include "scene/Pixel.h"
#include "scene/Plan.h"
#include "scene/Vues.h"

namespace kest {

namespace {

constexpr int kCentreX = 350;
constexpr int kCentreY = 270;
constexpr int kRayonEtoile = 170;
constexpr int kRayonSecteurs = 240;
constexpr int kRayonNoms = 222;     // the sectors' names
constexpr int kRayonNumeros = 186;  // the slots' numbers, beyond the phasors' tips

// The frame holds the sectors' edges and names, whose boxes are at most 2·kDemiHauteurTexteEtoile
// high.
static_assert(kCadreEtoile.x <= kCentreX - kRayonSecteurs &&
              kCadreEtoile.x + kCadreEtoile.largeur >= kCentreX + kRayonSecteurs &&
              kCadreEtoile.y <= kCentreY - kRayonNoms - kDemiHauteurTexteEtoile &&
              kCadreEtoile.y + kCadreEtoile.hauteur >=
                  kCentreY + kRayonNoms + kDemiHauteurTexteEtoile &&
              kRayonNumeros < kRayonNoms && kCadreEtoile.y + kCadreEtoile.hauteur <= kHauteurImage);

void TexteCentre(DrawingSurface& d, double angle, int rayon, const std::string& texte) {
    const Point p = PointPolaire(angle, rayon, kCentreX, kCentreY);
    d.TextOut(p.x - kDemiLargeurCaractereEtoile * int(texte.size()), p.y - kDemiHauteurTexteEtoile,
              texte);
}

}  // namespace

void DessineEtoile(DrawingSurface& d, const State& etat) {
    d.SetPenColor(kNoir);
    d.SetTextColor(kNoir);
    d.SetPenStyle(PenStyle::Solid);
    d.SetPenWidth(1);
    d.SetBrushStyle(BrushStyle::Clear);
    // The slot winding the panel shows: the custom one has its own slots.
    const std::shared_ptr<const BobinageEncoches> b = EncochesMontrees(etat);
    const int Q = b->Encoches();
    d.TextOut(10, 10,
              Remplit(Traduit("Etoile", "Étoile des encoches : %1"), {NomEncochesMontrees(etat)}));
    const bool valide = b->Vide() == false;
    const int phases = b->NbPhases();
    if (valide)
        d.TextOut(10, 28,
                  Remplit(Traduit("Etoile", "q = Q/(%3p) = %1, périodicité pgcd(Q, p) = %2"),
                          {TexteEncochesParPoleEtPhase(Q, etat.p, phases),
                           std::to_string(b->Periodicite()), std::to_string(2 * phases)}));

    // The sectors: dotted edges, each named in its phase's colour at its middle (60° for three
    // phases, 90° for the motor's two windings).
    const std::span<const SecteurEtoile> secteurs = SecteursEtoile(phases);
    const int n = int(secteurs.size());
    d.SetPenColor(kGris);
    d.SetPenStyle(PenStyle::Dot);
    for (int i = 0; i < n; ++i) {
        const Point fin = PointPolaire((i * kDeuxPi) / n, kRayonSecteurs, kCentreX, kCentreY);
        d.MoveTo(kCentreX, kCentreY);
        d.LineTo(fin.x, fin.y);
    }
    for (int i = 0; i < n; ++i) {
        const SecteurEtoile& sect = secteurs[std::size_t(i)];
        d.SetTextColor(kCouleurPhase[sect.phase]);
        TexteCentre(d, ((2 * i + 1) * kPi) / n, kRayonNoms,
                    (sect.signe > 0 ? "+" : "-") + std::string(NomPhase(phases, sect.phase)));
    }
    d.SetTextColor(kNoir);  // the slots' numbers, and the titles of the next paint
    if (!valide) return;

    // The phasors, 2 px wide, each numbered with its slots.
    d.SetPenStyle(PenStyle::Solid);
    d.SetPenWidth(2);
    for (const PhaseurEtoile& ph : EtoileDesEncoches(Q, etat.p, phases)) {
        const double angle = kDeuxPi * ph.indice / Q;
        d.SetPenColor(kCouleurPhase[ph.phase]);
        const Point fin = PointPolaire(angle, kRayonEtoile, kCentreX, kCentreY);
        d.MoveTo(kCentreX, kCentreY);
        d.LineTo(fin.x, fin.y);
        std::string numeros;
        for (const int s : ph.encoches)
            numeros += (numeros.empty() ? "" : ",") + std::to_string(s + 1);
        TexteCentre(d, angle, kRayonNumeros, numeros);
    }
    d.SetPenWidth(1);
}

}  // namespace kest
