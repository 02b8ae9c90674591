// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Encoches.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <memory>
#include <numeric>
#include <tuple>

#include "model/Alimentation.h"
#include "model/Conversions.h"
#include "model/Erreur.h"
#include "model/Monophase.h"
#include "model/Physique.h"
#include "model/Regles.h"
#include "model/Textes.h"

namespace kest {

namespace {

using Complexe = std::complex<double>;

constexpr SecteurEtoile kSecteursTriphases[6] = {{0, 1}, {2, -1}, {1, 1}, {0, -1}, {2, 1}, {1, -1}};
constexpr SecteurEtoile kSecteursMoteur[4] = {{0, 1}, {1, -1}, {0, -1}, {1, 1}};

// The sector of slot s's phasor s·p·2π/Q among n, in whole numbers so that a phasor on a
// sector's edge always falls in the sector it opens.
int Secteur(int s, int p, int Q, int n) { return int(n * ((long long)s * p % Q) / Q); }

// The largest power of two dividing the span: a one-layer winding keeps every other group of
// that many coils, so that each coil's return falls in a slot the kept coils leave free.
int Groupe(int pas) { return pas & -pas; }

// The slot table of a winding whose sizes are in range: slot by slot, top layer first. A
// one-layer winding whose coils do not give each slot exactly one side gives an empty table.
std::vector<Faisceau> Dispose(int Q, int p, int couches, int pas, int phases) {
    const std::span<const SecteurEtoile> secteurs = SecteursEtoile(phases);
    const int n = int(secteurs.size());
    std::vector<Faisceau> table;
    if (couches == 2) {
        std::vector<Faisceau> haut(Q), bas(Q);
        for (int s = 0; s < Q; ++s) {
            const SecteurEtoile sect = secteurs[std::size_t(Secteur(s, p, Q, n))];
            haut[s] = {s, 0, sect.phase, sect.signe};
            const int r = (s + pas) % Q;
            bas[r] = {r, 1, sect.phase, -sect.signe};
        }
        for (int s = 0; s < Q; ++s) table.push_back(haut[s]), table.push_back(bas[s]);
        return table;
    }
    std::vector<Faisceau> cote(Q);
    std::vector<int> occupe(Q, 0);
    const int g = Groupe(pas);
    for (int s = 0; s < Q; ++s) {
        if ((s / g) % 2 != 0) continue;
        const SecteurEtoile sect = secteurs[std::size_t(Secteur(s, p, Q, n))];
        const int r = (s + pas) % Q;
        cote[s] = {s, 0, sect.phase, sect.signe};
        cote[r] = {r, 0, sect.phase, -sect.signe};
        ++occupe[s], ++occupe[r];
    }
    if (std::any_of(occupe.begin(), occupe.end(), [](int n) { return n != 1; })) return {};
    return cote;
}

// Σ σ·n·e^{iν·2π·s/Q} over phase k's sides of n turns: the star's phasors at order ν, the angle
// reduced in whole numbers first.
Complexe SommePhaseurs(const std::vector<Faisceau>& table, int Q, int k, int nu) {
    Complexe somme;
    for (const Faisceau& f : table)
        if (f.phase == k)
            somme += double(f.signe * f.spires) *
                     std::polar(1.0, kDeuxPi * double((long long)nu * f.encoche % Q) / Q);
    return somme;
}

// Phase k's turns, go and return sides alike.
int Spires(const std::vector<Faisceau>& table, int k) {
    int n = 0;
    for (const Faisceau& f : table)
        if (f.phase == k) n += f.spires;
    return n;
}

double Ramene(double theta) {
    double x = Reste(theta, kDeuxPi);
    if (x < 0) x += kDeuxPi;
    return x < kDeuxPi ? x : 0.0;
}

}  // namespace

void VerifiePaires(int p) {
    // The state keeps p >= 1; a program's state may not, and the star needs it.
    if (p < 1)
        throw Erreur(Remplit(
            Traduit("Regles", "'%1' n'est pas un nombre de paires de pôles correct (1 à %2)"),
            {std::to_string(p), std::to_string(kPMax)}));
}

void VerifieEncoches(int Q, int p, int couches, int pas, int phases) {
    VerifiePaires(p);
    if (Q < 3 || Q > kEncochesMax)
        throw Erreur(
            Remplit(Traduit("Encoches", "'%1' n'est pas un nombre d'encoches correct (3 à %2)"),
                    {std::to_string(Q), std::to_string(kEncochesMax)}));
    const int t = std::gcd(Q, p);
    // The motor's two windings are one winding turned by a quarter period when its star turned by
    // 90° is itself.
    if (phases == 2 && (Q / t) % 4 != 0)
        throw Erreur(Remplit(Traduit("Encoches",
                                     "%1 encoches et %2 paires de pôles ne forment pas les deux "
                                     "enroulements du moteur monophasé : Q / pgcd(Q, p) doit être "
                                     "un multiple de 4"),
                             {std::to_string(Q), std::to_string(p)}));
    if (phases == 3 && Q % 3 != 0)
        throw Erreur(Remplit(Traduit("Encoches",
                                     "%1 encoches ne forment pas de bobinage triphasé : le nombre "
                                     "d'encoches doit être un multiple de 3"),
                             {std::to_string(Q)}));
    if (phases == 3 && (Q / t) % 3 != 0)
        throw Erreur(Remplit(Traduit("Encoches",
                                     "%1 encoches et %2 paires de pôles ne forment pas de "
                                     "bobinage triphasé équilibré : Q / (3·pgcd(Q, p)) doit être "
                                     "entier"),
                             {std::to_string(Q), std::to_string(p)}));
    if (couches != 1 && couches != 2)
        throw Erreur(
            Remplit(Traduit("Encoches", "'%1' n'est pas un nombre de couches correct (1 ou 2)"),
                    {std::to_string(couches)}));
    if (pas < 1 || pas > Q / 2)
        throw Erreur(Remplit(
            Traduit("Encoches", "'%1' n'est pas un pas de bobine correct (1 à %2 encoches)"),
            {std::to_string(pas), std::to_string(Q / 2)}));
    if (couches == 1 && Q % (2 * phases) != 0)
        throw Erreur(Remplit(Traduit("Encoches",
                                     "Un bobinage à une couche demande un nombre d'encoches "
                                     "multiple de %2 (%1 encoches)"),
                             {std::to_string(Q), std::to_string(2 * phases)}));
    const std::vector<Faisceau> table = Dispose(Q, p, couches, pas, phases);
    if (table.empty())
        throw Erreur(Remplit(Traduit("Encoches",
                                     "Avec une couche, des bobines de %1 encoches ne ferment pas "
                                     "le bobinage de %2 encoches : chaque encoche doit recevoir "
                                     "un seul côté de bobine"),
                             {std::to_string(pas), std::to_string(Q)}));
    // The phases must be one winding turned by their displacement: as many sides each and
    // working-wave phasors 120° apart (the motor's auxiliary 90° behind its main winding).
    std::vector<int> nombre(std::size_t(phases), 0);
    for (const Faisceau& f : table) ++nombre[std::size_t(f.phase)];
    const double n = nombre[0];
    const Complexe a = SommePhaseurs(table, Q, 0, p);
    if (!(std::abs(a) > 1e-9 * n))
        throw Erreur(Remplit(Traduit("Encoches",
                                     "Des bobines de %1 encoches annulent l'onde de travail de ce "
                                     "bobinage : choisissez un autre pas"),
                             {std::to_string(pas)}));
    const Complexe tour = std::polar(1.0, phases == 3 ? kDeuxPiSur3 : -kPiSur2);
    bool equilibre = true;
    Complexe attendu = a;
    for (int k = 1; k < phases; ++k) {
        attendu = attendu * tour;
        equilibre = equilibre && nombre[std::size_t(k)] == nombre[0] &&
                    std::abs(SommePhaseurs(table, Q, k, p) - attendu) <= 1e-9 * n;
    }
    if (!equilibre)
        throw Erreur(Remplit(phases == 3 ? Traduit("Encoches",
                                                   "Avec une couche, des bobines de %1 encoches ne "
                                                   "donnent pas trois phases équilibrées : "
                                                   "choisissez un autre pas")
                                         : Traduit("Encoches",
                                                   "Des bobines de %1 encoches ne donnent pas "
                                                   "deux enroulements égaux à 90° : choisissez un "
                                                   "autre pas"),
                             {std::to_string(pas)}));
}

std::vector<PhaseurEtoile> EtoileDesEncoches(int Q, int p, int phases) {
    const std::span<const SecteurEtoile> secteurs = SecteursEtoile(phases);
    std::vector<PhaseurEtoile> etoile(Q);
    for (int i = 0; i < Q; ++i) {
        // The sector of the phasor at i·2π/Q.
        const SecteurEtoile sect = secteurs[std::size_t(Secteur(i, 1, Q, int(secteurs.size())))];
        etoile[i] = {i, sect.phase, sect.signe, {}};
    }
    for (int s = 0; s < Q; ++s) etoile[(long long)s * p % Q].encoches.push_back(s);
    std::erase_if(etoile, [](const PhaseurEtoile& ph) { return ph.encoches.empty(); });
    return etoile;
}

std::string TexteEncochesParPoleEtPhase(int Q, int p, int phases) {
    const int d = std::gcd(Q, 2 * phases * p);
    const int n = Q / d, q = 2 * phases * p / d;
    return q == 1 ? std::to_string(n) : std::to_string(n) + "/" + std::to_string(q);
}

SaisieEncoches SaisieEncochesAffichee(const State& s) {
    return {EntierVersTexte(s.encoches), EntierVersTexte(s.couches), EntierVersTexte(s.pas)};
}

void AppliquerEncoches(State& s, const SaisieEncoches& saisie) {
    const int Q = TexteVersEntier(saisie.encoches);
    const int couches = TexteVersEntier(saisie.couches);
    const int pas = TexteVersEntier(saisie.pas);
    VerifieEncoches(Q, s.p, couches, pas, PhasesEncoches(s));
    State e = s;
    e.encoches = Q, e.couches = couches, e.pas = pas;
    e.typeBobinage = TypeBobinage::Encoches;
    VerifieMachine(e);
    s = e;
}

void EcritLienEncoches(const State& s, const State& defaut, OptionsLien& options) {
    options.emplace_back("encoches", EntierVersTexte(s.encoches));
    if (s.couches != defaut.couches) options.emplace_back("couches", EntierVersTexte(s.couches));
    if (s.pas != defaut.pas) options.emplace_back("pas", EntierVersTexte(s.pas));
}

void VerifieEncochesDe(const State& s, int p) {
    VerifieEncoches(s.encoches, p, s.couches, s.pas, PhasesEncoches(s));
}

int PhasesEncoches(const State& s) { return s.machine == Machine::Monophasee ? 2 : 3; }

std::span<const SecteurEtoile> SecteursEtoile(int phases) {
    if (phases == 2) return kSecteursMoteur;
    return kSecteursTriphases;
}

const char* NomPhase(int phases, int k) {
    static const char* const kTriphase[3] = {"A", "B", "C"};
    static const char* const kMoteur[2] = {"M", "A"};
    if (k < 0 || k >= phases) return "";
    return phases == 2 ? kMoteur[k] : kTriphase[k];
}

BobinageEncoches::BobinageEncoches(const State& s)
    : Q_(s.encoches), p_(s.p), couches_(s.couches), pas_(s.pas), nbPhases_(PhasesEncoches(s)) {
    auto table = std::make_shared<TableBobinage>();
    try {
        VerifieEncoches(s.encoches, s.p, s.couches, s.pas, nbPhases_);
        table->encoches = Q_, table->couches = couches_;
        table->cellules.resize(std::size_t(Q_ * couches_));
        for (const Faisceau& f : Dispose(Q_, p_, couches_, pas_, nbPhases_))
            table->cellules[std::size_t(f.encoche * couches_ + f.couche)] = {f.phase, f.signe};
    } catch (const Erreur&) {
        table->cellules.clear();  // an empty winding
    }
    table_ = std::move(table);
    Construit();
}

BobinageEncoches::BobinageEncoches(int p, std::shared_ptr<const TableBobinage> table)
    : Q_(table->encoches),
      p_(p),
      couches_(table->couches),
      table_(std::move(table)),
      personnalise_(true) {
    Construit();
}

void BobinageEncoches::Construit() {
    const std::size_t phases = std::size_t(nbPhases_);
    phases_.resize(phases);
    marches_.resize(phases), totaux_.resize(phases), ordre_.resize(phases), axes_.resize(phases);
    const TableBobinage& t = *table_;
    if (p_ < 1 || Q_ < 1 || Q_ > kEncochesMax || (couches_ != 1 && couches_ != 2) ||
        t.cellules.size() != std::size_t(Q_ * couches_))
        return;  // an empty winding
    for (int s = 0; s < Q_; ++s)
        for (int c = 0; c < couches_; ++c)
            if (const Cellule& x = t(s, c); x.phase >= 0 && x.phase < nbPhases_ && x.spires != 0)
                faisceaux_.push_back({s, c, x.phase, x.spires > 0 ? 1 : -1, std::abs(x.spires)});
    if (faisceaux_.empty()) return;
    pgcd_ = std::gcd(Q_, p_);
    PlaceEncoches();
    // The step of a turn: each phase of a slot winding holds N = 2Q/3 sides with two layers, Q/3
    // with one; a custom winding's phases hold the mean of their turns.
    double n = 0.0;
    for (int k = 0; k < NbPhases(); ++k) n += Spires(faisceaux_, k);
    echelon_ = 2.0 * p_ / (n / NbPhases());
    for (int k = 0; k < NbPhases(); ++k) {
        // (angle in [0, 2π), slot, signed turns) of the phase's sides, around the air gap.
        std::vector<std::tuple<double, int, int>> cotes;
        for (const Faisceau& f : faisceaux_)
            if (f.phase == k)
                cotes.emplace_back(Ramene(place_[f.encoche].angle), f.encoche, f.signe * f.spires);
        std::sort(cotes.begin(), cotes.end());
        Escalier& e = marches_[k];
        // Whole numbers of steps up to each edge, so that the full turn comes back to 0 exactly.
        std::vector<int> cumul, encoches;
        int total = 0;
        for (const auto& [angle, encoche, spires] : cotes) {
            total += spires;
            if (!encoches.empty() && encoches.back() == encoche) {
                cumul.back() = total;
            } else {
                e.bords.push_back(angle);
                encoches.push_back(encoche);
                cumul.push_back(total);
            }
        }
        totaux_[k] = total;
        if (cotes.empty()) continue;
        // Zero mean, in whole slot pitches: from 0 the staircase is 0 up to the first edge and
        // cumul[j] from edge j to the next; the last interval's value, cumul = 0, wraps round. A
        // phase that does not close keeps its total from its last side to the end of the turn.
        long long aire = 0;
        for (std::size_t j = 0; j + 1 < encoches.size(); ++j)
            aire += (long long)cumul[j] * ((encoches[j + 1] - encoches[j] + Q_) % Q_);
        const double reste = total == 0 ? 0.0 : total * (kDeuxPi - e.bords.back()) * Q_ / kDeuxPi;
        const double moyenne = echelon_ * (double(aire) + reste) / Q_;
        for (const int c : cumul) e.valeurs.push_back(c * echelon_ - moyenne);
        // The missing return at the origin: the staircase steps back to 0 there.
        if (total != 0 && e.bords.front() > 0.0) {
            e.bords.insert(e.bords.begin(), 0.0);
            e.valeurs.insert(e.valeurs.begin(), -moyenne);
        }
    }
    // What a paint reads: each phase's sides in drawing order and its axis. As the classic
    // winding draws a belt: the slot within its belt, then the pole pair, then the layer.
    const auto cle = [&](const Faisceau& f) {
        return std::tuple(place_[f.encoche].rang, place_[f.encoche].j, f.couche);
    };
    for (int k = 0; k < NbPhases(); ++k) {
        for (const int signe : {-1, 1}) {
            std::vector<Faisceau>& r = ordre_[k][signe > 0];
            for (const Faisceau& f : faisceaux_)
                if (f.phase == k && f.signe == signe) r.push_back(f);
            std::sort(r.begin(), r.end(),
                      [&](const Faisceau& a, const Faisceau& b) { return cle(a) < cle(b); });
        }
        // The working wave of the phase is |c|·cos(p·θ + arg c): its crest at p·θ = −arg c (0 for
        // a phase without one).
        axes_[k] = -std::arg(Coefficient(k, 0, p_));
        if (axes_[k] < 0) axes_[k] += kDeuxPi;
        // What the picture draws: the return sides, then the go sides, the top layer on the
        // inner ring; the axis at its crest under each pole pair.
        for (const int signe : {-1, 1})
            for (const Faisceau& f : ordre_[k][signe > 0])
                phases_[k].conducteurs.push_back({place_[f.encoche].angle, f.couche, signe});
        for (int j = 1; j <= p_; ++j) phases_[k].axes.push_back((kDeuxPi * j + axes_[k]) / p_);
    }
}

bool BobinageEncoches::Pour(const State& s) const {
    if (personnalise_) return s.p == p_ && s.tableBobinage == table_;
    return s.encoches == Q_ && s.p == p_ && s.couches == couches_ && s.pas == pas_ &&
           PhasesEncoches(s) == nbPhases_;
}

double BobinageEncoches::Force(const State& s, int k, double theta, double) const {
    return s.I[k] * ForceUnitaire(k, theta);
}

void BobinageEncoches::PlaceEncoches() {
    // Slot s lies in its sector's belt, written as the classic winding writes its conductors:
    // the belt of phase k (+π for a return belt) under pole pair j at (2π·j + k·2π/3 + π)/p,
    // the slot o pitches from the belt's first slot, less a centring of d pitches:
    //     ((o − d)·2π/Q) + (2π·j + k·2π/3 [+ π])/p.
    // d puts the sum of phase A's conductor phasors at electrical angle 0, so that its working
    // wave's axis stands a quarter period on, where the classic winding's stands; for the
    // classic winding's own layout that is (q − 1)/2, q = Q/(6p), its belts centred on their
    // middle, taken exactly. Any j gives the same angle; the classic one, the belt's
    // j = 1 … p, gives the same doubles where the two windings are the same. In sixths of a turn
    // the sector's belt starts at b: +A 0, +B 2, +C 4, −A 3, −B 5, and −C 7 (k·2π/3 + π is past
    // a turn).
    constexpr int kDebut[6] = {0, 7, 2, 3, 4, 5};
    place_.resize(Q_);
    const double q = Q_ / (6.0 * p_);
    // A custom table is centred on its own phase A too, so that its file or its link, opened
    // anywhere, draws it where the window does.
    double d = std::arg(SommePhaseurs(faisceaux_, Q_, 0, p_)) * Q_ / (kDeuxPi * p_);
    if (nbPhases_ != 3) {
        // The motor's windings: slot s at (s − d)·2π/Q, drawn in slot order.
        for (int s = 0; s < Q_; ++s) place_[s] = {(s - d) * (kDeuxPi / Q_), double(s), 1};
        return;
    }
    if (std::abs(d - (q - 1) * 0.5) < 1e-9) d = (q - 1) * 0.5;
    for (int s = 0; s < Q_; ++s) {
        const int sect = Secteur(s, p_, Q_, 6);
        const int b = kDebut[sect];
        // 6p·(s − (6j + b)·q) = 6p·s − (6j + b)·Q, in whole numbers; j' = the turn below s.
        const long long a = 6LL * p_ * s - (long long)b * Q_;
        long long jp = a / (6LL * Q_);
        if (a < jp * 6LL * Q_) --jp;
        const double o = double(a - jp * 6LL * Q_) / (6.0 * p_);
        int j = int(((jp % p_) + p_) % p_);
        if (j == 0) j = p_;
        double electrique = kDeuxPi * j + kSecteursTriphases[sect].phase * kDeuxPiSur3;
        if (kSecteursTriphases[sect].signe < 0) electrique = electrique + kPi;
        place_[s] = {(o - d) * (kDeuxPi / Q_) + electrique / p_, o, j};
    }
}

double BobinageEncoches::AngleEncoche(int s) const { return place_[s].angle; }

const std::vector<Faisceau>& BobinageEncoches::FaisceauxPhase(int k, int signe) const {
    return ordre_[k][signe > 0];
}

double BobinageEncoches::ForceUnitaire(int k, double theta) const {
    const Escalier& e = marches_[k];
    if (e.bords.empty()) return 0.0;
    // A sample on a conductor, within the rounding of an angle summed along the air gap, takes
    // the value past it.
    constexpr double kSurLeConducteur = 1e-12;
    const auto it =
        std::upper_bound(e.bords.begin(), e.bords.end(), Ramene(theta) + kSurLeConducteur);
    // Before the first edge the last value wraps round (0 up to rounding: a whole turn sums to
    // no step).
    return it == e.bords.begin() ? e.valeurs.back()
                                 : e.valeurs[std::size_t(it - e.bords.begin()) - 1];
}

std::complex<double> BobinageEncoches::Coefficient(int k, int etoile, int nu) const {
    Complexe somme;
    if (nu < 1 || etoile != 0) return somme;
    for (const Faisceau& f : faisceaux_)
        if (f.phase == k)
            somme += double(f.signe * f.spires) * std::polar(1.0, -nu * place_[f.encoche].angle);
    // A phase that does not close steps back by its total at the origin.
    if (totaux_[std::size_t(k)] != 0) somme -= double(totaux_[std::size_t(k)]);
    return somme * echelon_ / Complexe(0.0, kPi * nu);
}

double BobinageEncoches::Facteur(int nu) const {
    const int n = Spires(faisceaux_, 0);
    if (n == 0 || nu < 1) return 0.0;
    return std::abs(SommePhaseurs(faisceaux_, Q_, 0, nu)) / n;
}

std::shared_ptr<const BobinageEncoches> EncochesDe(const State& s) {
    // The last slot winding laid out in this thread: the panel, the star and a paint ask for the
    // same one many times, and the state changes it only by the panel's Enter.
    thread_local std::shared_ptr<const BobinageEncoches> dernier;
    if (!dernier || !dernier->Pour(s)) dernier = std::make_shared<const BobinageEncoches>(s);
    return dernier;
}

std::shared_ptr<const Bobinage> FabriqueEncoches(const State& s) { return EncochesDe(s); }

std::string NomCellule(const Cellule& c, int phases) {
    if (c.phase < 0 || c.phase >= phases || c.spires == 0) return {};
    const int n = std::abs(c.spires);
    return NomPhase(phases, c.phase) + std::string(c.spires > 0 ? "+" : "−") +
           (n == 1 ? std::string() : std::to_string(n));
}

std::string NomFaisceau(const Faisceau& f, int phases) {
    return NomCellule({f.phase, f.signe * f.spires}, phases);
}

std::vector<std::vector<std::string>> TableEncoches(const BobinageEncoches& b) {
    const TableBobinage& t = *b.Table();
    std::vector<std::vector<std::string>> table(t.cellules.empty() ? 0 : std::size_t(t.couches));
    for (int c = 0; c < int(table.size()); ++c)
        for (int s = 0; s < t.encoches; ++s)
            table[std::size_t(c)].push_back(NomCellule(t(s, c), b.NbPhases()));
    return table;
}

std::string NomBobinageEncoches(const State& s) {
    return Remplit(Traduit("Encoches", "%1 encoches, p = %2, %3 couche(s), pas de %4 encoche(s)"),
                   {std::to_string(s.encoches), std::to_string(s.p), std::to_string(s.couches),
                    std::to_string(s.pas)});
}

}  // namespace kest
