// SPDX-License-Identifier: GPL-3.0-or-later
// A custom winding's file and link key with whatever a student, a spreadsheet or a broken disk
// gives: never a crash; a file or key read is written back to the same text's table, and its
// winding, with any p, has a finite MMF and spectrum and no empty phase divided by.
//
// Input: byte 0 = p − 1 (p = 1 … 256); the rest is read both as a file and as a link's key.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "model/Erreur.h"
#include "model/Harmoniques.h"
#include "model/Personnalise.h"

namespace {

[[noreturn]] void Echec(const char* quoi) {
    std::fprintf(stderr, "%s\n", quoi);
    std::abort();
}

void Essaie(const kest::TableBobinage& t, int p) {
    kest::State s;
    s.p = p;
    s.t = 0.0123;
    kest::RemplacerTable(s, t);
    const auto b = kest::BobinageDe(s);
    for (int k = 0; k < b->NbPhases(); ++k) {
        s.I[k] = 1.0;
        for (double theta = 0.0; theta < kest::kDeuxPi; theta += 0.37)
            if (!std::isfinite(b->Force(s, k, theta, 0.0))) Echec("MMF not finite");
        for (const double axe : b->Axes(k))
            if (!std::isfinite(axe)) Echec("axis not finite");
    }
    const kest::Spectre sp = kest::SpectreDe(s, true);
    for (const kest::LigneHarmonique& l : sp.lignes)
        if (!std::isfinite(l.facteurs.kw) || (l.direct && !std::isfinite(*l.direct)))
            Echec("spectrum not finite");
    kest::DiagnosticEncoches(*kest::EncochesMontrees(s));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const int p = data[0] + 1;
    const std::string texte(reinterpret_cast<const char*>(data + 1), size - 1);
    try {
        std::istringstream fichier(texte);
        const kest::TableBobinage t = kest::LitFichierBobinage(fichier);
        std::istringstream ecrit(kest::EcritFichierBobinage(t));
        if (!(kest::LitFichierBobinage(ecrit) == t)) Echec("file not read back");
        Essaie(t, p);
    } catch (const kest::Erreur&) {
    }
    try {
        const kest::TableBobinage t = kest::LitCodeLienBobinage(texte);
        if (!(kest::LitCodeLienBobinage(kest::CodeLienBobinage(t)) == t))
            Echec("key not read back");
        Essaie(t, p);
    } catch (const kest::Erreur&) {
    }
    return 0;
}
