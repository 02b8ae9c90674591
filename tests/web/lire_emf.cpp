// SPDX-License-Identifier: GPL-3.0-or-later

// An enhanced metafile read back into its calls, as JSON on stdout, for the page's comparison
// with kest-export: each call with only what it shows (tests/support/LectureEmf.h's MemeAppel):
//   ["MoveTo", x, y]
//   ["LineTo", x, y, from x, from y, pen colour, pen style, pen width]
//   ["Ellipse", x1, y1, x2, y2, pen colour, pen style, pen width, brush style, brush colour]
//   ["TextOut", x, y, text, brush style, brush colour]
// a clear brush's colour as null.
//   lire_emf <file.emf>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/support/LectureEmf.h"
#include "tests/web/Json.h"

namespace {

using namespace kest::test;

std::string DuStylo(const Stylo& s) {
    return "," + std::to_string(s.couleur) +
           (s.style == kest::PenStyle::Dot ? ",\"Dot\"," : ",\"Solid\",") +
           std::to_string(s.largeur);
}

std::string DeLaBrosse(const Brosse& b) {
    return b.style == kest::BrushStyle::Clear ? ",\"Clear\",null"
                                              : ",\"Solid\"," + std::to_string(b.couleur);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: lire_emf <file.emf>\n");
        return 2;
    }
    std::ifstream f(argv[1], std::ios::binary);
    const std::string octets((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    const Emf e = LitEmf(octets);
    if (!e.valide) {
        std::fprintf(stderr, "lire_emf: not a whole EMF\n");
        return 1;
    }
    std::string sortie;
    for (const Appel& a : e.appels) {
        const auto n = [](int v) { return "," + std::to_string(v); };
        std::string t;
        switch (a.op) {
            case Op::MoveTo:
                t = "\"MoveTo\"" + n(a.x1) + n(a.y1);
                break;
            case Op::LineTo:
                t = "\"LineTo\"" + n(a.x1) + n(a.y1) + n(a.depuisX) + n(a.depuisY) +
                    DuStylo(a.stylo);
                break;
            case Op::Ellipse:
                t = "\"Ellipse\"" + n(a.x1) + n(a.y1) + n(a.x2) + n(a.y2) + DuStylo(a.stylo) +
                    DeLaBrosse(a.brosse);
                break;
            case Op::TextOut:
                t = "\"TextOut\"" + n(a.x1) + n(a.y1) + "," + Json(a.texte) + DeLaBrosse(a.brosse);
                break;
        }
        sortie += (sortie.empty() ? "[" : ",[") + t + "]";
    }
    std::printf("[%s]\n", sortie.c_str());
    return 0;
}
