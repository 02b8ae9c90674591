// SPDX-License-Identifier: GPL-3.0-or-later

// The C interface of the WebAssembly module: one state, the rules of the options dialog and of
// the clock, and the scene drawn into a list of calls that the page replays on its canvas.
// Strings cross as UTF-8 in the module's memory; JavaScript copies what it needs at once.

#include <emscripten/emscripten.h>

#include <cstring>
#include <string>

#include "model/Conversions.h"
#include "model/Erreur.h"
#include "model/Regles.h"
#include "model/State.h"
#include "scene/Dessine.h"
#include "web/Appels.h"

namespace {

kest::State etat;
kest::web::ListeAppels appels;
std::string message;  // the French text of the last failure, or of the last conversion

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

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void kest_reinitialise() { etat = kest::State{}; }

// Enter in an edit of the options panel.
EMSCRIPTEN_KEEPALIVE const char* kest_appliquer(const char* p, const char* m, const char* y,
                                                int reelle, int doubleEtoile,
                                                const char* separateur) {
    const kest::Saisie saisie{p, m, y, reelle != 0, doubleEtoile != 0};
    return Essaie([&] { kest::AppliquerSaisie(etat, saisie, separateur); });
}

EMSCRIPTEN_KEEPALIVE void kest_choisir_distribution(int reelle, int doubleEtoile) {
    kest::ChoisirDistribution(etat, reelle != 0, doubleEtoile != 0);
}

// n clock ticks, each one AvancerTemps as on the desktop.
EMSCRIPTEN_KEEPALIVE void kest_avancer(int n) {
    for (int i = 0; i < n; ++i) kest::AvancerTemps(etat);
}

EMSCRIPTEN_KEEPALIVE int kest_p() { return etat.p; }
EMSCRIPTEN_KEEPALIVE int kest_m() { return etat.m; }
EMSCRIPTEN_KEEPALIVE double kest_y() { return etat.Y; }
EMSCRIPTEN_KEEPALIVE double kest_t() { return etat.t; }
EMSCRIPTEN_KEEPALIVE int kest_reelle() { return etat.Reelle; }
EMSCRIPTEN_KEEPALIVE int kest_double_etoile() { return etat.DoubleEtoile; }

// Draws one frame; returns the number of integers in the list at kest_appels().
EMSCRIPTEN_KEEPALIVE int kest_dessine(int vecteurs, int onde, int bobinage) {
    appels.codes.clear();
#ifdef KEST_TRACE_FRONTIERES
    appels.marques.Recommence();
#endif
    kest::Dessine(appels, etat, kest::Affichage{vecteurs != 0, onde != 0, bobinage != 0});
    return static_cast<int>(appels.codes.size());
}
EMSCRIPTEN_KEEPALIVE const int* kest_appels() { return appels.codes.data(); }
EMSCRIPTEN_KEEPALIVE const char* kest_texte(int index) {
    return index >= 0 && index < static_cast<int>(appels.textes.size())
               ? appels.textes[static_cast<std::size_t>(index)].c_str()
               : "";
}

#ifdef KEST_TRACE_FRONTIERES
// The test module only: the indices of the last frame's calls marked by MarquesFrontieres.
EMSCRIPTEN_KEEPALIVE int kest_nb_marques() {
    return static_cast<int>(appels.marques.indices.size());
}
EMSCRIPTEN_KEEPALIVE const int* kest_marques() { return appels.marques.indices.data(); }
#endif

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
