// SPDX-License-Identifier: GPL-3.0-or-later

// The native side of the WebAssembly comparison, as JSON on stdout.
//   dump_calls scene <p|defaut> <m> <Y> <distribution 0|1|2> <ticks> <Vecteurs Onde Bobinage as
//   0/1>
//     the state after the dialog's rule on the three texts ("." as separator), the distribution
//     and the ticks, the drawing calls of one frame, and the indices of the calls that rest on
//     a conversion at a whole pixel ("frontieres", tests/web/Frontieres.h, force-included);
//   dump_calls serie <p|defaut> <m> <Y> <distribution> <ticks> <vues> <frames>
//     the same for that many frames one tick apart, one JSON line each;
//   dump_calls lien <link>
//     the configuration that kest and kest-export form from "--lien <link>" (strictly), the
//     link it writes back, and its frame's calls and marks, as for scene;
//   dump_calls etoile <link>
//     the star of slots (scene/Etoile.h) of the configuration formed from the link as for lien:
//     {"appels": [...]};
//   dump_calls lire <count> <seed>
//     texts of the coil-opening field with the value read here and the correctly rounded one.

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "model/Alimentation.h"
#include "model/Configuration.h"
#include "model/Conversions.h"
#include "model/Erreur.h"
#include "model/Regles.h"
#include "scene/Dessine.h"
#include "scene/Etoile.h"
#include "tests/web/Aleatoire.h"
#include "tests/web/Json.h"

namespace {

using kest::test::Json;

std::string Nombre(double v) {
    char t[40];
    std::snprintf(t, sizeof t, "%.17g", v);
    return t;
}

class SurfaceJson : public kest::DrawingSurface {
public:
    std::string sortie;

    void MoveTo(int x, int y) override { Ajoute("\"MoveTo\"," + Ent(x) + "," + Ent(y)); }
    void LineTo(int x, int y) override { Ajoute("\"LineTo\"," + Ent(x) + "," + Ent(y)); }
    void Ellipse(int x1, int y1, int x2, int y2) override {
        Ajoute("\"Ellipse\"," + Ent(x1) + "," + Ent(y1) + "," + Ent(x2) + "," + Ent(y2));
    }
    void TextOut(int x, int y, const std::string& t) override {
        Ajoute("\"TextOut\"," + Ent(x) + "," + Ent(y) + "," + Json(t));
    }
    void SetPenColor(kest::Couleur c) override { Ajoute("\"SetPenColor\"," + std::to_string(c)); }
    void SetPenStyle(kest::PenStyle s) override {
        Ajoute(std::string("\"SetPenStyle\",") +
               (s == kest::PenStyle::Dot ? "\"Dot\"" : "\"Solid\""));
    }
    void SetPenWidth(int w) override { Ajoute("\"SetPenWidth\"," + Ent(w)); }
    void SetBrushColor(kest::Couleur c) override {
        Ajoute("\"SetBrushColor\"," + std::to_string(c));
    }
    void SetBrushStyle(kest::BrushStyle s) override {
        Ajoute(std::string("\"SetBrushStyle\",") +
               (s == kest::BrushStyle::Clear ? "\"Clear\"" : "\"Solid\""));
    }
    void SetTextColor(kest::Couleur c) override { Ajoute("\"SetTextColor\"," + std::to_string(c)); }

private:
    static std::string Ent(int v) { return std::to_string(v); }
    void Ajoute(const std::string& a) { sortie += (sortie.empty() ? "[" : ",[") + a + "]"; }
};

// One frame of the state: its calls and the indices of its marked calls, as JSON members.
std::string Image(kest::State& s, kest::Affichage affichage) {
    SurfaceJson surface;
    kest::web::SurfaceMarquee marquee(&surface);
    kest::Dessine(marquee, s, affichage);
    std::string marques;
    for (int i : marquee.marques.indices)
        marques += (marques.empty() ? "" : ",") + std::to_string(i);
    return "\"appels\":[" + surface.sortie + "],\"frontieres\":[" + marques + "]";
}

std::string Etat(const kest::State& s) {
    return "\"etat\":{\"p\":" + std::to_string(s.p) + ",\"m\":" + std::to_string(s.m) +
           ",\"Y\":" + Nombre(s.Y) + ",\"t\":" + Nombre(s.t) + "}";
}

// The configuration of a link, or its refusal printed as {"erreur": …}.
std::optional<kest::Configuration> DuLien(const char* lien) {
    kest::Options options;
    try {
        kest::PrendOptions({"--lien", lien}, options);
        return kest::FormeConfiguration(options);
    } catch (const kest::Erreur& e) {
        std::printf("{\"erreur\":%s}\n", Json(e.message()).c_str());
        return std::nullopt;
    }
}

int Lien(const char* lien) {
    const std::optional<kest::Configuration> lu = DuLien(lien);
    if (!lu) return 0;
    kest::Configuration c = *lu;
    const kest::Affichage& a = c.affichage;
    std::printf(
        "{\"lien\":%s,%s,\"vues\":{\"vecteurs\":%s,\"onde\":%s,\"bobinage\":%s},"
        "\"intervalle\":%d,\"enMarche\":%s,%s}\n",
        Json(kest::EcritLien(c)).c_str(), Etat(c.etat).c_str(), a.Vecteurs ? "true" : "false",
        a.Onde ? "true" : "false", a.Bobinage ? "true" : "false", c.intervalle,
        c.enMarche ? "true" : "false", Image(c.etat, a).c_str());
    return 0;
}

int Etoile(const char* lien) {
    const std::optional<kest::Configuration> c = DuLien(lien);
    if (!c) return 0;
    SurfaceJson surface;
    kest::DessineEtoile(surface, c->etat);
    std::printf("{\"appels\":[%s]}\n", surface.sortie.c_str());
    return 0;
}

// The state after the rule on the three texts, the distribution, the supply when given (its
// kind, 0 "Équilibrée" .. 4 "Libre", then six free texts, "-" for a radio button alone) and
// `ticks` ticks; then `frames` frames, one tick apart, one JSON line each.
int Scene(char** a, long frames, char** alimentation = nullptr) {
    kest::State s;
    const int distribution = std::atoi(a[3]);
    std::string erreur;
    try {
        // "defaut": the state as the program starts, no rule applied.
        if (std::string(a[0]) != "defaut")
            kest::AppliquerSaisie(s, {a[0], a[1], a[2], distribution == 1, distribution == 2}, ".");
    } catch (const kest::Erreur& e) {
        erreur = e.message();
    }
    if (alimentation) {
        if (std::string(alimentation[1]) == "-")
            kest::ChoisirAlimentation(s,
                                      static_cast<kest::Alimentation>(std::atoi(alimentation[0])));
        else
            kest::AppliquerAlimentationLibre(s,
                                             {{alimentation[1], alimentation[2], alimentation[3]},
                                              {alimentation[4], alimentation[5], alimentation[6]}},
                                             ".");
    }
    for (long i = std::strtol(a[4], nullptr, 10); i > 0; --i) kest::AvancerTemps(s);
    const std::string vues = a[5];
    const kest::Affichage affichage{vues.size() > 0 && vues[0] == '1',
                                    vues.size() > 1 && vues[1] == '1',
                                    vues.size() > 2 && vues[2] == '1'};
    for (long f = 0; f < frames; ++f) {
        if (f > 0) kest::AvancerTemps(s);
        const std::string image = Image(s, affichage);
        std::printf("{\"erreur\":%s,%s,%s}\n", erreur.empty() ? "null" : Json(erreur).c_str(),
                    Etat(s).c_str(), image.c_str());
    }
    return 0;
}

std::string Bits(double v) {
    std::uint64_t b;
    std::memcpy(&b, &v, sizeof b);
    char t[20];
    std::snprintf(t, sizeof t, "%016" PRIx64, b);
    return t;
}

int Lire(long n, unsigned long long graine) {
    kest::test::SplitMix64 g(graine);
    std::printf("[");
    for (long i = 0; i < n; ++i) {
        const std::string texte = kest::test::TexteReelAuHasard(g);
        std::string lu;
        try {
            lu = Json(Bits(kest::TexteVersReel(texte, ".")));
        } catch (const kest::Erreur& e) {
            lu = "{\"erreur\":" + Json(e.message()) + "}";
        }
        std::printf("%s[%s,%s,%s]\n", i ? "," : "", Json(texte).c_str(), lu.c_str(),
                    Json(Bits(std::strtod(texte.c_str(), nullptr))).c_str());
    }
    std::printf("]\n");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "scene" && argc == 8) return Scene(argv + 2, 1);
    if (mode == "serie" && argc == 9) return Scene(argv + 2, std::strtol(argv[8], nullptr, 10));
    if (mode == "serie" && argc == 16)
        return Scene(argv + 2, std::strtol(argv[8], nullptr, 10), argv + 9);
    if (mode == "lien" && argc == 3) return Lien(argv[2]);
    if (mode == "etoile" && argc == 3) return Etoile(argv[2]);
    if (mode == "lire" && argc == 4)
        return Lire(std::strtol(argv[2], nullptr, 10), std::strtoull(argv[3], nullptr, 10));
    std::fprintf(stderr,
                 "usage: dump_calls scene|serie p m Y distribution ticks vues [frames "
                 "[alimentation a1 a2 a3 d1 d2 d3]] | lien L | etoile L | lire n graine\n");
    return 2;
}
