// SPDX-License-Identifier: GPL-3.0-or-later

// The C interface of the WebAssembly module: one state, the rules of the options dialog and of
// the clock, and the scene drawn into a list of calls that the page replays on its canvas.
// Strings cross as UTF-8 in the module's memory; JavaScript copies what it needs at once.

#include <emscripten/emscripten.h>

#include <cstdlib>
#include <cstring>
#include <iterator>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "model/Alimentation.h"
#include "model/Configuration.h"
#include "model/Conversions.h"
#include "model/Curseur.h"
#include "model/Description.h"
#include "model/Encoches.h"
#include "model/Erreur.h"
#include "model/Monophase.h"
#include "model/Personnalise.h"
#include "model/Regles.h"
#include "model/State.h"
#include "model/Textes.h"
#include "scene/Dessine.h"
#include "scene/Etoile.h"
#include "scene/Plan.h"
#include "scene/Vues.h"
#include "web/Appels.h"

namespace {

kest::State etat;
kest::web::ListeAppels appels(kest::kCouleurFenetre);  // the window's surface
// The star of slots of the "Bobinage" panel, a figure of its own: a fresh surface's brush.
kest::web::ListeAppels etoile(kest::web::kBrosseNeuve);
// Liste 0 the picture, 1 the star of slots.
kest::web::ListeAppels& Liste(int liste) { return liste == 1 ? etoile : appels; }
std::string message;  // the French text of the last failure, or of the last conversion
kest::Saisie affichee;
kest::SaisieAlimentation alimentationAffichee;
kest::SaisieMoteur moteurAffiche;
// The clock's, in milliseconds; the page sets it from its speed bar.
int intervalle = kest::Configuration{}.intervalle;
// Whether a rule changed the state since the last frame in a way the picture must show.
bool aRedessiner = true;
kest::Configuration lue;         // the last link read, for the page's controls
std::vector<std::string> refus;  // the messages of its refused options, in order
std::string lien;                // the last link written
// The edits of the custom table to undo and redo; a link read starts afresh.
kest::HistoriqueBobinage historique;

// Runs a rule; returns null when it succeeded, or the message that the error box shows.
template <class Regle>
const char* Essaie(Regle regle) {
    try {
        regle();
        return nullptr;
    } catch (const kest::Erreur& e) {
        message = e.message();
        return message.c_str();
    }
}

// The page's translation of a text of the model or the scene, as a string of the module's heap;
// null when it has none. The page hands the module its translation (the `traduction` option of
// createKestModule: web/noyau.js's ouvrir, from web/langue.js's table of the catalogue).
// The body is JavaScript, left as it is written.
// clang-format off
EM_JS(char*, kest_traduction_page, (const char* contexte, const char* source), {
    const traduction = Module['traduction'];
    const t = traduction ? traduction(UTF8ToString(contexte), UTF8ToString(source)) : null;
    if (t === null || t === undefined) return 0;
    const n = lengthBytesUTF8(t) + 1;
    const p = _malloc(n);
    stringToUTF8(t, p, n);
    return p;
});
// clang-format on

// Kept for the rest of the run, so that the text handed back outlives the call.
const char* TraduitPourLaPage(const char* contexte, const char* source) {
    static std::map<std::pair<std::string, std::string>, std::string> textes;
    auto cle = std::make_pair(std::string(contexte), std::string(source));
    auto trouve = textes.find(cle);
    if (trouve == textes.end()) {
        char* t = kest_traduction_page(contexte, source);
        if (!t) return source;
        trouve = textes.emplace(std::move(cle), std::string(t)).first;
        std::free(t);
    }
    return trouve->second.c_str();
}

}  // namespace

extern "C" {

// The language of the module's messages and the scene's labels: 1 for the page's (English)
// table, 0 for the French sources.
EMSCRIPTEN_KEEPALIVE void kest_langue(int traduite) {
    kest::InstalleTraducteur(traduite ? &TraduitPourLaPage : nullptr);
    aRedessiner = true;
}

EMSCRIPTEN_KEEPALIVE void kest_reinitialise() {
    etat = kest::State{};
    historique = {};
    aRedessiner = true;
}

// Enter in an edit of the options panel: the three texts as typed and the two radio buttons.
// Returns null, or the message of the failing step; the steps before it stay stored but the
// picture stays as it is until something else draws it, as on the desktop.
EMSCRIPTEN_KEEPALIVE const char* kest_appliquer(const char* p, const char* m, const char* y,
                                                int reelle, int doubleEtoile,
                                                const char* separateur) {
    const kest::Saisie saisie{p, m, y, reelle != 0, doubleEtoile != 0};
    const char* erreur = Essaie([&] { kest::AppliquerSaisie(etat, saisie, separateur); });
    if (!erreur) aRedessiner = true;
    return erreur;
}

// A radio button of the panel selected.
EMSCRIPTEN_KEEPALIVE void kest_choisir_distribution(int reelle, int doubleEtoile) {
    kest::ChoisirDistribution(etat, reelle != 0, doubleEtoile != 0);
    aRedessiner = true;
}

// n clock ticks, each one AvancerTemps as on the desktop; at most kTicksMax, so that no number
// freezes the page. Taken as a double, so that JavaScript's number arrives unwrapped.
EMSCRIPTEN_KEEPALIVE void kest_avancer(double n) {
    if (!(n >= 1.0)) return;
    const int ticks = n < kest::kTicksMax ? static_cast<int>(n) : kest::kTicksMax;
    for (int i = 0; i < ticks; ++i) kest::AvancerTemps(etat);
    aRedessiner = true;
}

EMSCRIPTEN_KEEPALIVE int kest_a_redessiner() { return aRedessiner; }

// The speed bar moved to ms; returns whether the clock must start again on the new interval.
EMSCRIPTEN_KEEPALIVE int kest_regle_intervalle(int ms) {
    return kest::RegleIntervalle(intervalle, ms);
}
EMSCRIPTEN_KEEPALIVE int kest_intervalle() { return intervalle; }

// The supply panel, its buttons made from the table of kinds. kest_choisir_alimentation: a radio
// button, a row of kest::kTypesAlimentation (0 "Équilibrée" … "Libre" last).
// kest_appliquer_alimentation: Enter in one of its six fields, their texts as typed; returns null,
// or the message of the error box (the correct fields are kept, the wrong one is named).
EMSCRIPTEN_KEEPALIVE void kest_choisir_alimentation(int alimentation) {
    if (!kest::EstAlimentation(alimentation)) return;
    kest::ChoisirAlimentation(etat, static_cast<kest::Alimentation>(alimentation));
    aRedessiner = true;
}
EMSCRIPTEN_KEEPALIVE const char* kest_appliquer_alimentation(const char* a1, const char* a2,
                                                             const char* a3, const char* d1,
                                                             const char* d2, const char* d3,
                                                             const char* separateur) {
    const kest::SaisieAlimentation saisie{{a1, a2, a3}, {d1, d2, d3}};
    // A refused field leaves the correct ones stored: the picture changes all the same.
    const kest::State avant = etat;
    const char* erreur =
        Essaie([&] { kest::AppliquerAlimentationLibre(etat, saisie, separateur); });
    aRedessiner = !erreur || avant.alimentation != etat.alimentation;
    for (int k = 0; k < 3; ++k)
        aRedessiner = aRedessiner || avant.amplitudesLibres[k] != etat.amplitudesLibres[k] ||
                      avant.dephasagesLibres[k] != etat.dephasagesLibres[k];
    return erreur;
}
// What the six fields show: kest_alimentation_texte(0..2) the amplitudes, (3..5) the lags.
EMSCRIPTEN_KEEPALIVE void kest_alimentation_affichee(const char* separateur) {
    alimentationAffichee = kest::SaisieAlimentationAffichee(etat, separateur);
}
EMSCRIPTEN_KEEPALIVE const char* kest_alimentation_texte(int champ) {
    if (champ < 0 || champ > 5) return "";
    return (champ < 3 ? alimentationAffichee.amplitudes[champ]
                      : alimentationAffichee.dephasages[champ - 3])
        .c_str();
}
EMSCRIPTEN_KEEPALIVE int kest_alimentation() { return static_cast<int>(etat.alimentation); }
// The name the program shows for a kind ("Équilibrée", …), or null past the last one; the
// hint of its button. Both in the page's language.
EMSCRIPTEN_KEEPALIVE const char* kest_nom_alimentation(int alimentation) {
    if (!kest::EstAlimentation(alimentation)) return nullptr;
    message = kest::NomAlimentation(static_cast<kest::Alimentation>(alimentation));
    return message.c_str();
}
EMSCRIPTEN_KEEPALIVE const char* kest_aide_alimentation(int alimentation) {
    if (!kest::EstAlimentation(alimentation)) return nullptr;
    message = kest::AideAlimentation(static_cast<kest::Alimentation>(alimentation));
    return message.c_str();
}
// The free values stored, phase k (0..2): amplitude per unit of Imax, lag in degrees.
EMSCRIPTEN_KEEPALIVE double kest_amplitude_libre(int k) {
    return k >= 0 && k < 3 ? etat.amplitudesLibres[k] : 0.0;
}
EMSCRIPTEN_KEEPALIVE double kest_dephasage_libre(int k) {
    return k >= 0 && k < 3 ? etat.dephasagesLibres[k] : 0.0;
}

// The single-phase motor's panel ("Moteur monophasé"). kest_choisir_machine: 0 the three-phase
// stator, 1 the motor (refused with a slot winding: the message, nothing changed);
// kest_choisir_demarrage: a start, a row of kest::kDemarrages; kest_curseur: the capacitance slider
// at a step (model/Curseur.h), which chooses "Libre"; kest_appliquer_moteur: Enter in one of its
// six fields (C, a, R_m, X_m, R_a, X_a), their texts as typed, which returns null or the error
// box's message with nothing changed.
EMSCRIPTEN_KEEPALIVE const char* kest_choisir_machine(int machine) {
    if (machine != 0 && machine != 1) return nullptr;
    const char* erreur =
        Essaie([&] { kest::ChoisirMachine(etat, static_cast<kest::Machine>(machine)); });
    if (!erreur) aRedessiner = true;
    return erreur;
}
EMSCRIPTEN_KEEPALIVE void kest_choisir_demarrage(int demarrage) {
    if (demarrage < 0 || demarrage >= kest::kNombreDemarrages) return;
    kest::ChoisirDemarrage(etat, static_cast<kest::Demarrage>(demarrage));
    aRedessiner = true;
}
EMSCRIPTEN_KEEPALIVE void kest_curseur(int position) {
    kest::ChoisirCondensateur(etat, kest::CondensateurCurseur(position));
    aRedessiner = true;
}
EMSCRIPTEN_KEEPALIVE const char* kest_appliquer_moteur(const char* c, const char* a, const char* rm,
                                                       const char* xm, const char* ra,
                                                       const char* xa, const char* separateur) {
    const kest::SaisieMoteur saisie{c, a, {rm, xm, ra, xa}};
    const char* erreur = Essaie([&] { kest::AppliquerMoteur(etat, saisie, separateur); });
    if (!erreur) aRedessiner = true;
    return erreur;
}
EMSCRIPTEN_KEEPALIVE int kest_machine() { return static_cast<int>(etat.machine); }
EMSCRIPTEN_KEEPALIVE int kest_demarrage() { return static_cast<int>(etat.demarrage); }
// The labels of the machines and the starts, a start's hint, in the page's language; null past
// the last.
EMSCRIPTEN_KEEPALIVE const char* kest_nom_machine(int i) {
    if (i != 0 && i != 1) return nullptr;
    message = kest::NomMachine(static_cast<kest::Machine>(i));
    return message.c_str();
}
EMSCRIPTEN_KEEPALIVE const char* kest_nom_demarrage(int i) {
    if (i < 0 || i >= kest::kNombreDemarrages) return nullptr;
    message = kest::NomDemarrage(static_cast<kest::Demarrage>(i));
    return message.c_str();
}
EMSCRIPTEN_KEEPALIVE const char* kest_aide_demarrage(int i) {
    if (i < 0 || i >= kest::kNombreDemarrages) return nullptr;
    message = kest::AideDemarrage(static_cast<kest::Demarrage>(i));
    return message.c_str();
}
// The slider: its number of steps, the step of the capacitance the motor uses, the step of the
// quadrature capacitor (-1 off the scale), and the capacitance used in µF (0 open, infinite
// none).
EMSCRIPTEN_KEEPALIVE int kest_pas_curseur() { return kest::kPasCurseur; }
EMSCRIPTEN_KEEPALIVE int kest_position_curseur() {
    return kest::PositionCurseur(kest::MoteurDe(etat).condensateur);
}
EMSCRIPTEN_KEEPALIVE int kest_marque_curseur() {
    const double c = kest::ConceptionDe(etat).condensateur;
    return c >= kest::kCurseurMin && c <= kest::kCurseurMax ? kest::PositionCurseur(c) : -1;
}
EMSCRIPTEN_KEEPALIVE double kest_condensateur_utilise() {
    return kest::MoteurDe(etat).condensateur;
}
// What the six fields show: kest_moteur_texte(0) C, (1) a, (2..5) R_m, X_m, R_a, X_a.
EMSCRIPTEN_KEEPALIVE void kest_moteur_affiche(const char* separateur) {
    moteurAffiche = kest::SaisieMoteurAffichee(etat, separateur);
}
EMSCRIPTEN_KEEPALIVE const char* kest_moteur_texte(int champ) {
    if (champ < 0 || champ > 5) return "";
    return (champ == 0   ? moteurAffiche.condensateur
            : champ == 1 ? moteurAffiche.rapport
                         : moteurAffiche.impedances[champ - 2])
        .c_str();
}
// The numbers of the design, one per line, in the module's language.
EMSCRIPTEN_KEEPALIVE const char* kest_conception(const char* separateur) {
    static std::string texte;
    texte = kest::TexteConception(etat, separateur);
    return texte.c_str();
}

// The winding panel ("Bobinage"). kest_choisir_bobinage: the kind, a row of
// kest::GenresBobinage() (0 "Classique", 1 "Par encoches"); kest_appliquer_encoches: Enter in one
// of its three fields, their texts as typed. Each returns null, or the message of the error box
// with nothing changed. kest_genre_bobinage: the kind's word ("classique", "encoches");
// kest_encoches(0, 1, 2): the slots, the layers and the span kept in the state.
EMSCRIPTEN_KEEPALIVE const char* kest_choisir_bobinage(int type) {
    if (type < 0 || type >= static_cast<int>(kest::GenresBobinage().size())) return nullptr;
    const char* erreur =
        Essaie([&] { kest::ChoisirTypeBobinage(etat, static_cast<kest::TypeBobinage>(type)); });
    if (!erreur) aRedessiner = true;
    return erreur;
}
EMSCRIPTEN_KEEPALIVE const char* kest_appliquer_encoches(const char* encoches, const char* couches,
                                                         const char* pas) {
    const char* erreur = Essaie([&] {
        kest::AppliquerEncoches(etat, kest::SaisieEncoches{encoches, couches, pas});
    });
    if (!erreur) aRedessiner = true;
    return erreur;
}
EMSCRIPTEN_KEEPALIVE const char* kest_genre_bobinage() {
    return kest::GenreDe(etat.typeBobinage).nom;
}
// The kinds' table for the panel's buttons: the state's kind as an index of GenresBobinage(), a
// kind's label and its hint in the page's language, null past the last.
EMSCRIPTEN_KEEPALIVE int kest_type_bobinage() { return static_cast<int>(etat.typeBobinage); }
EMSCRIPTEN_KEEPALIVE const char* kest_nom_genre(int i) {
    if (i < 0 || i >= static_cast<int>(kest::GenresBobinage().size())) return nullptr;
    message = kest::LibelleBobinage(static_cast<kest::TypeBobinage>(i));
    return message.c_str();
}
EMSCRIPTEN_KEEPALIVE const char* kest_aide_genre(int i) {
    if (i < 0 || i >= static_cast<int>(kest::GenresBobinage().size())) return nullptr;
    message = kest::AideBobinage(static_cast<kest::TypeBobinage>(i));
    return message.c_str();
}
EMSCRIPTEN_KEEPALIVE const char* kest_nom_encoches() {
    message = kest::NomEncochesMontrees(etat);
    return message.c_str();
}
EMSCRIPTEN_KEEPALIVE int kest_encoches(int i) {
    return i == 0 ? etat.encoches : i == 1 ? etat.couches : etat.pas;
}
// What a designer reads of the slot winding the state keeps: q = Q/(2·phases·p) as a fraction
// ("2/5"), the periodicity gcd(Q, p) (0 when the members make no winding with p), and the slot
// table, a line per layer (top first), each slot's side ("A+", "B−") separated by spaces.
EMSCRIPTEN_KEEPALIVE const char* kest_encoches_par_pole_et_phase() {
    static std::string texte;
    const auto b = kest::EncochesMontrees(etat);
    texte = kest::TexteEncochesParPoleEtPhase(b->Encoches(), etat.p, b->NbPhases());
    return texte.c_str();
}
// The phases q counts: 3, or the single-phase motor's 2 windings.
EMSCRIPTEN_KEEPALIVE int kest_phases_encoches() { return kest::EncochesMontrees(etat)->NbPhases(); }
EMSCRIPTEN_KEEPALIVE int kest_periodicite() {
    const auto b = kest::EncochesMontrees(etat);
    return b->Vide() ? 0 : b->Periodicite();
}
EMSCRIPTEN_KEEPALIVE const char* kest_table_encoches() {
    static std::string texte;
    texte.clear();
    for (const std::vector<std::string>& couche :
         kest::TableEncoches(*kest::EncochesMontrees(etat))) {
        if (!texte.empty()) texte += '\n';
        for (std::size_t s = 0; s < couche.size(); ++s) texte += (s ? " " : "") + couche[s];
    }
    return texte.c_str();
}

// The custom winding's editing: a tap on a cell (slot 0 … Q−1, layer 0 top) gives it the next
// side (CelluleSuivante) and selects the custom kind; kest_annuler and kest_refaire step through
// the edits. Each returns null, or the message of the error box with nothing changed (a state
// that refuses the custom kind, as the single-phase motor does).
EMSCRIPTEN_KEEPALIVE const char* kest_editer_cellule(int encoche, int couche) {
    const auto table = kest::TablePersonnalisee(etat);
    if (encoche < 0 || encoche >= table->encoches || couche < 0 || couche >= table->couches)
        return nullptr;
    const char* erreur = Essaie([&] {
        kest::State e = etat;
        if (!kest::EditerCellule(e, encoche, couche,
                                 kest::CelluleSuivante((*table)(encoche, couche))))
            return;
        historique.Avant(etat);
        etat = std::move(e);
    });
    if (!erreur) aRedessiner = true;
    return erreur;
}
EMSCRIPTEN_KEEPALIVE const char* kest_annuler() {
    const char* erreur = Essaie([] { historique.Annuler(etat); });
    if (!erreur) aRedessiner = true;
    return erreur;
}
EMSCRIPTEN_KEEPALIVE const char* kest_refaire() {
    const char* erreur = Essaie([] { historique.Refaire(etat); });
    if (!erreur) aRedessiner = true;
    return erreur;
}
EMSCRIPTEN_KEEPALIVE int kest_peut_annuler() { return historique.PeutAnnuler(); }
EMSCRIPTEN_KEEPALIVE int kest_peut_refaire() { return historique.PeutRefaire(); }
// What the table of the slot winding shown tells (DiagnosticEncoches), a sentence a line, in the
// page's language.
EMSCRIPTEN_KEEPALIVE const char* kest_diagnostic() {
    static std::string texte;
    texte.clear();
    for (const std::string& ligne : kest::DiagnosticEncoches(*kest::EncochesMontrees(etat)))
        texte += (texte.empty() ? "" : "\n") + ligne;
    return texte.c_str();
}

// What the panel shows for the state: kest_saisie_texte(0, 1, 2) for p, m and Y, and the flags
// of the button to select.
EMSCRIPTEN_KEEPALIVE void kest_saisie_affichee(const char* separateur) {
    affichee = kest::SaisieAffichee(etat, separateur);
}
EMSCRIPTEN_KEEPALIVE const char* kest_saisie_texte(int champ) {
    return (champ == 0 ? affichee.p : champ == 1 ? affichee.m : affichee.Y).c_str();
}
EMSCRIPTEN_KEEPALIVE int kest_saisie_reelle() { return affichee.reelle; }
EMSCRIPTEN_KEEPALIVE int kest_saisie_double_etoile() { return affichee.doubleEtoile; }

EMSCRIPTEN_KEEPALIVE int kest_p() { return etat.p; }
EMSCRIPTEN_KEEPALIVE int kest_m() { return etat.m; }
EMSCRIPTEN_KEEPALIVE double kest_y() { return etat.Y; }
EMSCRIPTEN_KEEPALIVE double kest_t() { return etat.t; }
// 0 Parfaite, 1 Réelle, 2 Double étoile, the one the picture draws.
EMSCRIPTEN_KEEPALIVE int kest_distribution() {
    return static_cast<int>(kest::DistributionDe(etat));
}

// Draws one frame; returns the number of integers in the list at kest_appels().
EMSCRIPTEN_KEEPALIVE int kest_dessine(int vecteurs, int onde, int bobinage) {
    appels.NouvelleImage();
    kest::Dessine(appels, etat, kest::Affichage{vecteurs != 0, onde != 0, bobinage != 0});
    aRedessiner = false;
    return static_cast<int>(appels.codes.size());
}
// Draws the star of slots of the slot winding the state keeps (scene/Etoile.h) into liste 1;
// returns the number of integers in its list.
EMSCRIPTEN_KEEPALIVE int kest_dessine_etoile() {
    etoile.NouvelleImage();
    kest::DessineEtoile(etoile, etat);
    return static_cast<int>(etoile.codes.size());
}
// The calls of liste 0 (the picture) or 1 (the star of slots), and their texts.
EMSCRIPTEN_KEEPALIVE const int* kest_appels(int liste) { return Liste(liste).codes.data(); }
// The ellipses of a list's frame that the painted picture leaves out (web/Appels.h): their
// number, and their offsets in the list at kest_appels(liste), ascending.
EMSCRIPTEN_KEEPALIVE int kest_nb_deja_dessinees(int liste) {
    return static_cast<int>(Liste(liste).dejaDessinees.size());
}
EMSCRIPTEN_KEEPALIVE const int* kest_deja_dessinees(int liste) {
    return Liste(liste).dejaDessinees.data();
}
EMSCRIPTEN_KEEPALIVE const char* kest_texte(int liste, int index) {
    const std::vector<std::string>& textes = Liste(liste).textes;
    return index >= 0 && index < static_cast<int>(textes.size())
               ? textes[static_cast<std::size_t>(index)].c_str()
               : "";
}

// A link read as typed input (the part after '#', or the whole address): the state becomes the
// link's, each refused option left at its default. Returns the number of refused options, whose
// messages are at kest_lien_refus(i); the views, the clock's interval and whether the clock runs
// are at kest_lien_*, for the page's controls.
EMSCRIPTEN_KEEPALIVE int kest_lis_lien(const char* texte, const char* separateur) {
    refus.clear();
    lue = kest::FormeConfigurationTolerante(kest::LitLien(texte), separateur, refus);
    etat = lue.etat;
    historique = {};
    aRedessiner = true;
    return static_cast<int>(refus.size());
}
EMSCRIPTEN_KEEPALIVE const char* kest_lien_refus(int i) {
    return i >= 0 && i < static_cast<int>(refus.size()) ? refus[static_cast<std::size_t>(i)].c_str()
                                                        : "";
}
// 0 vecteurs, 1 onde, 2 bobinage.
EMSCRIPTEN_KEEPALIVE int kest_lien_vue(int vue) {
    const kest::Affichage& a = lue.affichage;
    return vue == 0 ? a.Vecteurs : vue == 1 ? a.Onde : a.Bobinage;
}
EMSCRIPTEN_KEEPALIVE int kest_lien_intervalle() { return lue.intervalle; }
EMSCRIPTEN_KEEPALIVE int kest_lien_en_marche() { return lue.enMarche; }

// The link of the state, the clock's interval and what the page's controls show (the fragment,
// without '#'; empty for the defaults).
EMSCRIPTEN_KEEPALIVE const char* kest_ecris_lien(int vecteurs, int onde, int bobinage,
                                                 int enMarche) {
    lien = kest::EcritLien(kest::Configuration{
        etat, kest::Affichage{vecteurs != 0, onde != 0, bobinage != 0}, intervalle, enMarche != 0});
    return lien.c_str();
}

// What the page needs to read the list and lay out the picture: the form of each operation
// code (web/Appels.h), the names of the styles, the picture's size and the window's colour
// (scene/Plan.h).
EMSCRIPTEN_KEEPALIVE int kest_nb_codes() { return kest::web::kNbCodes; }
EMSCRIPTEN_KEEPALIVE const char* kest_nom_appel(int code) { return kest::web::kFormes[code].nom; }
EMSCRIPTEN_KEEPALIVE const char* kest_arguments_appel(int code) {
    return kest::web::kFormes[code].arguments;
}
// The name of a pen (brosse = 0) or brush style, or null past the last one.
EMSCRIPTEN_KEEPALIVE const char* kest_nom_style(int brosse, int style) {
    const auto nom = [style](const auto& noms) {
        return style >= 0 && style < static_cast<int>(std::size(noms)) ? noms[style] : nullptr;
    };
    return brosse ? nom(kest::web::kNomsBrushStyle) : nom(kest::web::kNomsPenStyle);
}
// The label of distribution i (0 Parfaite, 1 Réelle, 2 Double étoile, as kest_distribution),
// or null past the last one.
EMSCRIPTEN_KEEPALIVE const char* kest_nom_distribution(int i) {
    static std::string nom;
    if (i < 0 || i > static_cast<int>(kest::Distribution::DoubleEtoile)) return nullptr;
    nom = kest::NomDistribution(static_cast<kest::Distribution>(i));
    return nom.c_str();
}
// What the picture shows, for a screen reader (model/Description.h), in the module's language.
EMSCRIPTEN_KEEPALIVE const char* kest_description(const char* separateur) {
    static std::string texte;
    texte = kest::DescriptionImage(etat, separateur);
    return texte.c_str();
}
// The picture's blocks stacked on a tall screen, top to bottom (scene/Plan.h): their number, and
// champ 0..3 of block i: x, y, width, height in the picture's pixels.
EMSCRIPTEN_KEEPALIVE int kest_nb_blocs() {
    return static_cast<int>(std::size(kest::kBlocsEmpiles));
}
EMSCRIPTEN_KEEPALIVE int kest_bloc(int i, int champ) {
    if (i < 0 || i >= kest_nb_blocs()) return 0;
    const kest::Bloc& b = kest::kBlocsEmpiles[i];
    return champ == 0 ? b.x : champ == 1 ? b.y : champ == 2 ? b.largeur : b.hauteur;
}
// Champ 0..3 of the star's frame on its figure (scene/Etoile.h): x, y, width, height.
EMSCRIPTEN_KEEPALIVE int kest_cadre_etoile(int champ) {
    const kest::Bloc& b = kest::kCadreEtoile;
    return champ == 0 ? b.x : champ == 1 ? b.y : champ == 2 ? b.largeur : b.hauteur;
}
EMSCRIPTEN_KEEPALIVE int kest_largeur_image() { return kest::kLargeurImage; }
EMSCRIPTEN_KEEPALIVE int kest_hauteur_image() { return kest::kHauteurImage; }
EMSCRIPTEN_KEEPALIVE unsigned kest_couleur_fenetre() { return kest::kCouleurFenetre; }
// Phase k's colour in the picture (0x00BBGGRR), for the supply panel's swatches.
EMSCRIPTEN_KEEPALIVE unsigned kest_couleur_phase(int k) {
    return k >= 0 && k < 3 ? kest::kCouleurPhase[k] : 0u;
}
// The brush colour a picture made for the outside (SVG, PNG) starts with.
EMSCRIPTEN_KEEPALIVE unsigned kest_brosse_neuve() { return kest::web::kBrosseNeuve; }

// The dialog's conversions, for showing Y and for the tests.
EMSCRIPTEN_KEEPALIVE const char* kest_reel_vers_texte(double valeur, const char* separateur) {
    message = kest::ReelVersTexte(valeur, separateur);
    return message.c_str();
}
// Returns null and stores the value at *valeur, or returns the message.
EMSCRIPTEN_KEEPALIVE const char* kest_texte_vers_reel(const char* texte, const char* separateur,
                                                      double* valeur) {
    return Essaie([&] { *valeur = kest::TexteVersReel(texte, separateur); });
}

}  // extern "C"
