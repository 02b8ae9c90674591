// SPDX-License-Identifier: GPL-3.0-or-later
// The winding's conductors and coil axes on the two circles: the classic winding's, and a slot
// winding's picture, the classic one where the two windings are the same, and what the star of
// slots and the MMF say where they are not.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "model/Configuration.h"
#include "model/Encoches.h"
#include "model/Harmoniques.h"
#include "model/Personnalise.h"
#include "model/Regles.h"
#include "scene/Dessine.h"
#include "scene/Etoile.h"
#include "scene/Plan.h"
#include "scene/Vues.h"
#include "tests/support/RecordingSurface.h"
#include "tests/support/Scene.h"

using namespace kest;
using namespace kest::test;

namespace {

// Conductor circles (radius 4) with their centre, pen colour and fill.
struct Rond {
    int x, y;
    Couleur couleur;
    bool plein;
    bool operator==(const Rond&) const = default;
};
std::vector<Rond> Conducteurs(const RecordingSurface& r) {
    std::vector<Rond> out;
    for (const Appel& a : r.appels)
        if (a.op == Op::Ellipse && a.x2 - a.x1 == 8 && a.y2 - a.y1 == 8)
            out.push_back(
                {a.x1 + 4, a.y1 + 4, a.stylo.couleur, a.brosse.style == BrushStyle::Solid});
    return out;
}

// Dotted segments drawn from a centre in the phase colours: the coil axes.
int Axes(const RecordingSurface& r, int cx, int cy, std::vector<Couleur> couleurs) {
    int n = 0;
    for (const auto& s : r.segments())
        n += s.x1 == cx && s.y1 == cy && s.stylo.style == PenStyle::Dot &&
             std::count(couleurs.begin(), couleurs.end(), s.stylo.couleur);
    return n;
}

}  // namespace

TEST(Bobinage, ConductorPositions) {
    struct Ligne {
        bool doubleEtoile;
        Couleur couleur;
        bool plein;
        std::vector<std::pair<int, int>> centres;
    } lignes[] = {
        {false, kBleu, false, {{596, 325}, {596, 274}}},  // phase 0 go sides, hollow
        {false, kBleu, true, {{403, 274}, {403, 325}}},   // and its return sides, filled
        {false, kRouge, false, {{484, 42}, {457, 57}}},   // phase 1 on the space-vector circle
        {false, kRouge, true, {{515, 157}}},
        // Phase 0 go sides, i = 1 then 2: the first star on the inner ring at 330° and 0°, the
        // second on the outer ring (107) at 0° and 30°.
        {true, kBleu, false, {{586, 349}, {607, 300}, {600, 300}, {592, 246}}},
    };
    for (const auto& l : lignes) {
        SCOPED_TRACE("row " + std::to_string(&l - lignes));
        State s;
        s.DoubleEtoile = l.doubleEtoile;
        const auto cs = Conducteurs(Dessiner(s));
        for (const auto& [x, y] : l.centres)
            EXPECT_NE(std::find(cs.begin(), cs.end(), Rond{x, y, l.couleur, l.plein}), cs.end())
                << x << "," << y;
        if (l.doubleEtoile) continue;
        // Hollow circles over the filled ones of the same phase; phases drawn 0, 1, 2.
        ASSERT_EQ(cs.size(), 4u + 12u);
        EXPECT_TRUE(cs[4].couleur == kBleu && cs[4].plein && !cs[6].plein);
        EXPECT_EQ(cs.back().couleur, kVert);
    }
}

TEST(Bobinage, CountsFollowTheWinding) {
    struct Ligne {
        const char* nom;
        int p, m;
        bool doubleEtoile;
        size_t cerclesStator, cerclesPetit;
        int axesStator, axesPetit;
    } lignes[] = {
        {"default", 1, 2, false, 12, 4, 3, 1},   {"double star", 1, 2, true, 24, 8, 3, 1},
        {"p=3 m=1", 3, 1, false, 18, 6, 9, 3},   {"m=0 draws axes only", 2, 0, false, 0, 0, 6, 2},
        {"negative m", 1, -3, true, 0, 0, 3, 1},
    };
    for (const auto& l : lignes) {
        State s;
        s.p = l.p;
        s.m = l.m;
        s.DoubleEtoile = l.doubleEtoile;
        s.Alpha = kDeuxPi / (6 * l.p * (l.m == 0 ? 1 : l.m));
        RecordingSurface r = Dessiner(s);
        auto cs = Conducteurs(r);
        size_t petit = std::count_if(cs.begin(), cs.end(), [](auto& c) { return c.y < 180; });
        EXPECT_EQ(cs.size() - petit, l.cerclesStator) << l.nom;
        EXPECT_EQ(petit, l.cerclesPetit) << l.nom;
        EXPECT_EQ(Axes(r, 500, 300, {kBleu, kRouge, kVert}), l.axesStator) << l.nom;
        EXPECT_EQ(Axes(r, 500, 100, {kRouge}), l.axesPetit) << l.nom;
    }
}

TEST(Bobinage, UntickedLeavesEverythingElseAlone) {
    State s1, s2;
    RecordingSurface avec = Dessiner(s1), sans = Dessiner(s2, {true, true, false});
    // Removing the winding calls leaves exactly the other calls, with the same pens. The frame
    // is the first 16 calls; after it the winding is conductor circles and dotted axis lines.
    std::vector<Appel> reste(avec.appels.begin(), avec.appels.begin() + 16);
    std::copy_if(
        avec.appels.begin() + 16, avec.appels.end(), std::back_inserter(reste), [](const Appel& a) {
            return !(a.op == Op::Ellipse && a.x2 - a.x1 == 8) && a.stylo.style != PenStyle::Dot;
        });
    EXPECT_TRUE(MemesTraits(reste, sans.appels));
}

namespace {

State Classique(int p, int m, int ticks) {
    State s;
    AppliquerSaisie(s, {std::to_string(p), std::to_string(m), "3.14159265358979", true, false},
                    ".");
    s.Y = kPi;  // the exact π of the untouched dialog
    for (int i = 0; i < ticks; ++i) AvancerTemps(s);
    return s;
}

State Encoches(State s, int Q, int couches, int pas) {
    s.encoches = Q, s.couches = couches, s.pas = pas;
    ChoisirTypeBobinage(s, TypeBobinage::Encoches);
    return s;
}

std::string Texte(const Appel& a) {
    std::ostringstream o;
    o << int(a.op) << " (" << a.x1 << ", " << a.y1 << ", " << a.x2 << ", " << a.y2 << ") "
      << a.texte << " pen " << a.stylo.couleur << "/" << int(a.stylo.style) << "/"
      << a.stylo.largeur << " brush " << a.brosse.couleur << "/" << int(a.brosse.style);
    return o.str();
}

// The same calls with the same pens and brushes. Two correct evaluation orders of a coordinate
// that lies within rounding of a whole pixel may truncate one pixel apart: such a call counts as
// a near miss, and the pictures must have next to none.
struct Comparaison {
    bool memeSuite = true;
    int ecarts = 0;
    std::string premier;
};
Comparaison Compare(const RecordingSurface& a, const RecordingSurface& b) {
    Comparaison c;
    if (a.appels.size() != b.appels.size()) {
        c.memeSuite = false;
        c.premier =
            std::to_string(a.appels.size()) + " calls against " + std::to_string(b.appels.size());
        return c;
    }
    for (std::size_t i = 0; i < a.appels.size(); ++i) {
        const Appel &x = a.appels[i], &y = b.appels[i];
        const bool memeForme =
            x.op == y.op && x.texte == y.texte && x.stylo == y.stylo && x.brosse == y.brosse;
        const int d = std::max({std::abs(x.x1 - y.x1), std::abs(x.y1 - y.y1), std::abs(x.x2 - y.x2),
                                std::abs(x.y2 - y.y2)});
        if (memeForme && d == 0) continue;
        if (memeForme && d == 1) {
            ++c.ecarts;
        } else {
            c.memeSuite = false;
        }
        if (c.premier.empty())
            c.premier = "call " + std::to_string(i) + ": " + Texte(x) + " | " + Texte(y);
    }
    return c;
}

}  // namespace

TEST(SlotWindingPicture, FullPitchOneLayerDrawsTheClassicRealPicture) {
    const int pm[][2] = {{1, 2}, {2, 3}, {3, 1}};
    for (const auto& [p, m] : pm) {
        for (const int ticks : {0, 7, 25, 61}) {
            const State classique = Classique(p, m, ticks);
            const State encoches = Encoches(classique, 6 * p * m, 1, 3 * m);
            for (const Affichage a : {Affichage{}, Affichage{false, false, true}}) {
                const Comparaison c = Compare(Dessiner(classique, a), Dessiner(encoches, a));
                EXPECT_TRUE(c.memeSuite)
                    << "p=" << p << " m=" << m << " ticks=" << ticks << " " << c.premier;
                EXPECT_EQ(c.ecarts, 0)
                    << "p=" << p << " m=" << m << " ticks=" << ticks << " " << c.premier;
            }
        }
    }
}

namespace {

// The conductor circles (radius 4) drawn about a centre, with their distance from it.
std::vector<std::pair<Rond, double>> Conducteurs(const RecordingSurface& r, const Cercle& c) {
    std::vector<std::pair<Rond, double>> out;
    for (const Appel& a : r.appels) {
        if (a.op != Op::Ellipse || a.x2 - a.x1 != 8) continue;
        const int x = a.x1 + 4, y = a.y1 + 4;
        const double rho = std::hypot(x - c.cx, y - c.cy);
        if (rho > c.rayon - 3 && rho < c.anneauExt + 3)
            out.push_back({{x, y, a.stylo.couleur, a.brosse.style == BrushStyle::Solid}, rho});
    }
    return out;
}

}  // namespace

// Every slot of a two-layer 12-slot 10-pole winding holds two conductors on one radius, inner and
// outer, each in its phase's colour, filled for a return side; the phases hold as many go as
// return sides; phase 1's alone are on the space-vector circle.
TEST(SlotWindingPicture, EverySlotDrawsItsTwoLayers) {
    State s;
    s.p = 5;
    const State e = Encoches(s, 12, 2, 1);
    const RecordingSurface r = Dessiner(e);
    const auto stator = Conducteurs(r, kStator);
    ASSERT_EQ(stator.size(), 24u);
    std::map<Couleur, int> solde;
    int interieurs = 0;
    for (const auto& [c, rho] : stator) {
        solde[c.couleur] += c.plein ? -1 : 1;
        interieurs += rho < kStator.rayon + 3;
        // The other layer of the same slot lies on the same radius, 7 px further or nearer.
        int memeRayon = 0;
        for (const auto& [d, sigma] : stator) {
            const double cross = double(c.x - kStator.cx) * (d.y - kStator.cy) -
                                 double(c.y - kStator.cy) * (d.x - kStator.cx);
            const double dot = double(c.x - kStator.cx) * (d.x - kStator.cx) +
                               double(c.y - kStator.cy) * (d.y - kStator.cy);
            memeRayon += std::abs(cross) < 2.0 * rho && dot > 0 && std::abs(sigma - rho) > 4;
        }
        EXPECT_EQ(memeRayon, 1) << c.x << "," << c.y;
    }
    EXPECT_EQ(interieurs, 12);
    for (const Couleur k : kCouleurPhase) EXPECT_EQ(solde[k], 0) << k;
    const auto phase1 = Conducteurs(r, kVecteurSpatial);
    EXPECT_EQ(phase1.size(), 8u);
    for (const auto& [c, rho] : phase1) EXPECT_EQ(c.couleur, kRouge);
}

// The sum curve as drawn, transformed over its samples, has the working wave and the
// sub-harmonic the model's coefficient gives (12/10: about 0.32 at ν = 1; 36/4: none).
TEST(SlotWindingPicture, SumCurveCarriesTheModelsOrders) {
    const std::tuple<int, int, int, int> cas[] = {{12, 5, 2, 1}, {36, 2, 2, 7}, {9, 4, 2, 1}};
    for (const auto& [Q, p, couches, pas] : cas) {
        State s;
        s.p = p;
        State e = Encoches(s, Q, couches, pas);
        for (int i = 0; i < 13; ++i) AvancerTemps(e);
        const RecordingSurface r = Dessiner(e, {false, false, false});
        std::vector<double> f;
        for (const auto& seg : r.segments())
            if (seg.stylo.couleur == kNoir && seg.y1 == seg.y2 && seg.x2 - seg.x1 == 3 &&
                seg.x1 < kLongueurCourbe)
                f.push_back((seg.y1 - kBaseSomme) / e.Gain);
        ASSERT_EQ(int(f.size()), e.Echelle) << NomBobinageEncoches(e);
        for (const int nu : {1, p}) {
            std::complex<double> c;
            for (std::size_t n = 0; n < f.size(); ++n)
                c += f[n] * std::polar(1.0, -nu * kDeuxPi * double(n) / e.Echelle);
            c *= 2.0 / e.Echelle;
            // 150 samples of a staircase whose edges fall between them: a few hundredths off.
            EXPECT_LT(std::abs(c - CoefficientMecanique(e, nu)), 0.08)
                << Q << "/" << 2 * p << " nu=" << nu << " drawn " << c << " model "
                << CoefficientMecanique(e, nu);
        }
    }
}

namespace {

// Every call with its pens, brush and text colour.
auto Cles(const RecordingSurface& r) {
    std::vector<std::tuple<Op, int, int, int, int, std::string, Couleur, int, int, Couleur>> c;
    for (const Appel& a : r.appels)
        c.emplace_back(a.op, a.x1, a.y1, a.x2, a.y2, a.texte, a.stylo.couleur, a.stylo.largeur,
                       int(a.brosse.style), a.couleurTexte);
    return c;
}

// A slot winding written as a custom one, by its file and by its link, draws the same picture,
// star (but its title) and spectrum: 12 slots / 10 poles, 36 / 4 on one layer, and the slot
// winding that is the classic p = 1, m = 2 "Réelle" one.
TEST(SlotWindingPicture, TheSameWindingWrittenByHandIsTheSame) {
    const auto avecP = [](int p) {
        State s;
        s.p = p;
        return s;
    };
    for (State encoches : {Encoches(avecP(5), 12, 2, 1), Encoches(avecP(2), 36, 1, 9),
                           Encoches(avecP(1), 12, 1, 6)}) {
        const TableBobinage table = *EncochesDe(encoches)->Table();
        std::istringstream fichier(EcritFichierBobinage(table));
        State parFichier = encoches;
        RemplacerTable(parFichier, LitFichierBobinage(fichier));
        const State parLien = FormeConfiguration(LitLien("#p=" + std::to_string(encoches.p) +
                                                         "&perso=" + CodeLienBobinage(table)))
                                  .etat;
        for (State perso : {parFichier, parLien}) {
            SCOPED_TRACE(NomBobinage(perso));
            ASSERT_EQ(perso.typeBobinage, TypeBobinage::Personnalise);
            for (const double t : {0.0, 0.0037}) {
                encoches.t = perso.t = t;
                EXPECT_EQ(Cles(Dessiner(perso)), Cles(Dessiner(encoches)));
            }
            RecordingSurface a, b;
            DessineEtoile(a, perso);
            DessineEtoile(b, encoches);
            a.appels.erase(a.appels.begin()), b.appels.erase(b.appels.begin());
            EXPECT_EQ(Cles(a), Cles(b));
            const Spectre x = SpectreDe(perso, false), y = SpectreDe(encoches, false);
            ASSERT_EQ(x.lignes.size(), y.lignes.size());
            for (std::size_t i = 0; i < x.lignes.size(); ++i)
                EXPECT_EQ(std::tie(x.lignes[i].relatif, x.lignes[i].sens, x.lignes[i].facteurs.kw,
                                   x.lignes[i].direct, x.lignes[i].inverse),
                          std::tie(y.lignes[i].relatif, y.lignes[i].sens, y.lignes[i].facteurs.kw,
                                   y.lignes[i].direct, y.lignes[i].inverse));
        }
    }
}

}  // namespace
