// SPDX-License-Identifier: GPL-3.0-or-later
// Enter in the options dialog with whatever a student may type, then a paint of the state it
// leaves: never a crash, never a silent infinity or NaN in the state, and every coordinate the
// surface receives within what the pixel conversion saturates to.
//
// Input: byte 0 = radio selection (bits 0-1: Parfaite, Réelle, Double étoile, both flags),
// separator (bit 2: ","), the three view check boxes (bits 3-5); byte 1 = clock ticks before
// the paint; then up to six lines: p, m and Y of a first Enter, and of a second one.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "model/Erreur.h"
#include "model/Regles.h"
#include "scene/Dessine.h"
#include "scene/Pixel.h"

namespace {

[[noreturn]] void Echec(const char* quoi) {
    std::fprintf(stderr, "%s\n", quoi);
    std::abort();
}

// The views add at most a circle's centre and radius to a saturated pixel.
constexpr int kBorne = kest::kPixelMax + 10'000;

class SurfaceBornee : public kest::DrawingSurface {
public:
    void MoveTo(int x, int y) override { Point(x, y); }
    void LineTo(int x, int y) override { Point(x, y); }
    void Ellipse(int x1, int y1, int x2, int y2) override { Point(x1, y1), Point(x2, y2); }
    void TextOut(int x, int y, const std::string&) override { Point(x, y); }
    void SetPenColor(kest::Couleur) override {}
    void SetPenStyle(kest::PenStyle) override {}
    void SetPenWidth(int) override {}
    void SetBrushColor(kest::Couleur) override {}
    void SetBrushStyle(kest::BrushStyle) override {}
    void SetTextColor(kest::Couleur) override {}

private:
    static void Point(int x, int y) {
        if (x > kBorne || x < -kBorne || y > kBorne || y < -kBorne)
            Echec("coordinate out of range");
    }
};

// What must hold whatever was typed: p stays a pole-pair count and nothing non-finite is
// stored; after a complete application the derived members agree with p and m.
void VerifierEtat(const kest::State& s, bool complete) {
    if (s.p < 1 || s.p > kest::kPMax || s.m < -kest::kMMax || s.m > kest::kMMax) Echec("p or m");
    if (!std::isfinite(s.Y) || !std::isfinite(s.Alpha) || !std::isfinite(s.t)) Echec("non-finite");
    if (complete &&
        (s.m == 0 || s.NbEncoches != 6 * s.p * s.m || s.Alpha != kest::kDeuxPi / s.NbEncoches))
        Echec("derived members");
}

// A message that quotes a field quotes it whole, nul characters included: the whole message
// is read, not what(), which would stop at the first nul.
bool Cite(const std::string& message, const std::string& champ) {
    return message.size() > champ.size() + 2 && message.compare(0, 1, "'") == 0 &&
           message.compare(1, champ.size(), champ) == 0 &&
           message.compare(champ.size() + 1, 2, "' ") == 0;
}

void Appliquer(kest::State& s, const kest::Saisie& saisie, std::string_view sep) {
    bool complete = true;
    try {
        kest::AppliquerSaisie(s, saisie, sep);
    } catch (const kest::Erreur& e) {
        const std::string& message = e.message();
        if (message.empty()) Echec("empty message");
        if (message.front() == '\'' && !Cite(message, saisie.p) && !Cite(message, saisie.m) &&
            !Cite(message, saisie.Y))
            Echec("message does not quote a field whole");
        complete = false;
    }
    VerifierEtat(s, complete);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const std::uint8_t choix = data[0];
    const std::string_view sep = (choix & 4) ? "," : ".";
    const kest::Affichage vues{(choix & 8) != 0, (choix & 16) != 0, (choix & 32) != 0};

    std::vector<std::string> lignes(1);
    for (std::size_t i = 2; i < size; ++i) {
        if (data[i] == '\n')
            lignes.emplace_back();
        else
            lignes.back() += static_cast<char>(data[i]);
    }
    lignes.resize(lignes.size() > 3 ? 6 : 3);

    kest::State s;
    for (int n = 0; n < data[1]; ++n) kest::AvancerTemps(s);
    for (std::size_t premiere = 0; premiere < lignes.size(); premiere += 3)
        Appliquer(s,
                  {lignes[premiere], lignes[premiere + 1], lignes[premiere + 2],
                   (choix & 3) == 1 || (choix & 3) == 3, (choix & 3) >= 2},
                  sep);

    SurfaceBornee surface;
    kest::Dessine(surface, s, vues);
    return 0;
}
