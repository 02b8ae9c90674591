// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/Animation.h"

#include <algorithm>

#include "model/Erreur.h"
#include "model/Regles.h"
#include "render/Gif.h"
#include "render/PainterSurface.h"
#include "scene/Dessine.h"

namespace kest {

namespace {

// Notes every colour a run of Dessine puts into pixels: the pen of each line and ellipse, the
// solid brush inside an ellipse or behind a text, and the text colour. It starts with the
// settings of the image's own surface.
class Nuancier final : public DrawingSurface {
public:
    Nuancier(QColor texte, QColor brosse) : texte_(texte.rgb()), brosse_(brosse.rgb()) {}

    void MoveTo(int, int) override {}
    void LineTo(int, int) override { Note(stylo_); }
    void Ellipse(int, int, int, int) override {
        Note(stylo_);
        if (brossePleine_) Note(brosse_);
    }
    void TextOut(int, int, const std::string&) override {
        Note(texte_);
        if (brossePleine_) Note(brosse_);
    }
    void SetPenColor(Couleur c) override { stylo_ = VersQColor(c).rgb(); }
    void SetPenStyle(PenStyle) override {}
    void SetPenWidth(int) override {}
    void SetBrushColor(Couleur c) override { brosse_ = VersQColor(c).rgb(); }
    void SetBrushStyle(BrushStyle s) override { brossePleine_ = s == BrushStyle::Solid; }
    void SetTextColor(Couleur c) override { texte_ = VersQColor(c).rgb(); }

    void Note(QRgb c) {
        if (std::find(couleurs.begin(), couleurs.end(), c) == couleurs.end()) couleurs.push_back(c);
    }
    std::vector<QRgb> couleurs;

private:
    QRgb texte_;
    QRgb stylo_ = qRgb(0, 0, 0);
    QRgb brosse_;
    bool brossePleine_ = true;
};

}  // namespace

std::vector<int> Delais(const Animation& a) {
    std::vector<int> delais;
    const auto fin = [&](long long k) { return (k * a.intervalleMs + 5) / 10; };
    for (int k = 0; k < a.images; ++k) delais.push_back(int(fin(k + 1) - fin(k)));
    return delais;
}

void EcritGif(const State& etat, Affichage affichage, QSize taille, int ppi, QColor texte,
              const Rendu& rendu, const Animation& a,
              const std::function<void(std::string_view)>& ecrit) {
    if (a.images < 1) throw Erreur(RessourcesInsuffisantes());
    const bool transparence = rendu.fond.alpha() == 0;
    if (!transparence && rendu.fond.alpha() != 255) throw Erreur(RessourcesInsuffisantes());

    // The first run only notes the colours, which GIF's palette must give before any frame.
    Nuancier nuancier(texte, BrosseInitiale(rendu));
    if (!transparence) nuancier.Note(rendu.fond.rgb());
    State image = etat;
    for (int k = 0; k < a.images; ++k) {
        if (k > 0) AvancerTemps(image);
        Dessine(nuancier, image, affichage);
    }

    Rendu sansVecteurs = rendu;
    sansVecteurs.vecteurs = false;
    EcritureGif gif(taille * rendu.agrandissement, nuancier.couleurs, transparence, ecrit);
    const std::vector<int> delais = Delais(a);
    image = etat;
    for (int k = 0; k < a.images; ++k) {
        if (k > 0) AvancerTemps(image);
        gif.Ajoute(Enregistre(image, affichage, taille, Ecran{}, ppi, texte, sansVecteurs).png,
                   delais[std::size_t(k)]);
    }
    gif.Termine();
}

}  // namespace kest
