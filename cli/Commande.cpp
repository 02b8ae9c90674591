// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commande.h"

#include <QtGlobal>
#include <algorithm>
#include <cctype>
#include <fstream>
#include <map>
#include <optional>
#include <set>

#include "model/Bobinage.h"
#include "model/Configuration.h"
#include "model/Conversions.h"
#include "model/Erreur.h"
#include "model/Personnalise.h"
#include "model/Textes.h"
#include "render/Langue.h"
#include "render/PainterSurface.h"
#include "scene/Plan.h"

namespace kest {

namespace {

const char* const kAideDebut =
    QT_TRANSLATE_NOOP("kest-export", R"(Usage : kest-export [OPTIONS] --sortie FICHIER

Dessine une image de kest (force magnétomotrice d'un bobinage triphasé) à partir
de ses paramètres, sans écran : figure vectorielle (EMF, SVG), image (PNG) ou
animation (GIF) pour un cours, des diapositives ou une page web. Un lien de la
page (--lien) donne l'image que la page montre à cette adresse.

)");

const char* const kAideFin = QT_TRANSLATE_NOOP("kest-export", R"(
Image :
  --sortie FICHIER  le fichier à écrire ; - pour la sortie standard
  --format F        emf, svg, png ou gif (défaut : l'extension du fichier)
  --echelle K       PNG et GIF : K pixels par pixel, traits et texte compris
                    (1 à 8 ; 2 donne 1400 × 1000 ; défaut : 1)
  --fond F          PNG et GIF : blanc, fenetre (le gris F0F0F0 de la fenêtre)
                    ou transparent (défaut : blanc) ; EMF et SVG sont toujours
                    transparents, comme une copie

Animation (GIF) :
  --images N        nombre d'images, un top d'horloge d'écart (1 à 1000 ;
                    défaut : 100, une période) ; chaque image dure l'intervalle
                    de l'horloge (--intervalle) ; l'animation boucle sans fin

Spectre :
  --spectre         écrit, au lieu d'une image, le tableau des harmoniques de la
                    force magnétomotrice résultante (ordres 1 à 25 : facteurs de
                    bobinage, amplitude relative, sens et vitesse), en texte
                    séparé par des tabulations avec une ligne d'en-tête, ou en
                    JSON avec --format json ; --sortie est alors facultative
                    (défaut : la sortie standard) ; pour un bobinage par
                    encoches, les ordres mécaniques 1 à max(25, 5p) (l'ordre p
                    est l'onde de travail, les ordres inférieurs des
                    sous-harmoniques), avec « ordres_mecaniques »: true en JSON

Bobinage personnalisé :
  --bobinage FICHIER
                    le bobinage personnalisé d'un fichier CSV : la ligne
                    « encoche,couche,phase,spires », puis une ligne par
                    encoche (1 à Q) et par couche (1 ou 2), la phase A, B, C
                    ou vide et les spires signées (+ aller, - retour, 0 pour
                    une case vide) ; p est celui de --p ; un fichier refusé
                    est signalé avec sa ligne, et rien n'est écrit

Étoile des encoches :
  --etoile          dessine, au lieu de l'image, l'étoile des encoches du
                    bobinage par encoches (emf, svg ou png)

  --langue L        langue des textes : %1 (défaut : celle des réglages
                    régionaux, LANGUAGE, LC_ALL, LC_MESSAGES ou LANG ; le
                    français pour toute autre langue)
  --help            affiche cette aide

Chaque option se donne une seule fois : une option répétée est refusée.

L'image fait 700 × 500 pixels, la taille de la fenêtre à l'ouverture ; le
cadre de l'EMF suppose un écran de référence de 96 pixels par pouce
(700 pixels = 185,2 mm).

Code de retour : 0 en cas de succès ; 2 pour une option ou une valeur refusée
(rien n'est écrit) ; 1 si le fichier ne peut pas être écrit.

Exemples :
  kest-export --p 2 --m 3 --distribution reelle --ticks 25 --sortie figure.svg
  kest-export --p 2 --m 3 --echelle 2 --sortie diapo.png
  kest-export --p 2 --m 3 --distribution reelle --sortie periode.gif
  kest-export --lien 'https://…/kest/#p=2&m=3&distribution=reelle' --sortie figure.svg
  kest-export --p 5 --bobinage douze-dix.csv --spectre
)");

}  // namespace

std::string TexteAide() {
    return std::string(Traduit("kest-export", kAideDebut)) + AideConfiguration() +
           Remplit(Traduit("kest-export", kAideFin), {CodesDesLangues()});
}

// The help states the picture's size and the window's grey in words.
static_assert(kLargeurImage == 700 && kHauteurImage == 500 && kCouleurFenetre == 0x00F0F0F0,
              "the help gives the picture as 700 × 500 on the grey F0F0F0");

namespace {

constexpr int kImagesMax = 1000;

std::optional<Format> FormatDuNom(std::string nom) {
    std::transform(nom.begin(), nom.end(), nom.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    if (nom == "emf") return Format::Emf;
    if (nom == "svg") return Format::Svg;
    if (nom == "png") return Format::Png;
    if (nom == "gif") return Format::Gif;
    return std::nullopt;
}

// The options that take a value, with the value given; each option is given at most once.
struct Valeurs {
    std::map<std::string, std::string> liste;
    bool Donne(const char* nom) const { return liste.count(nom) > 0; }
    const std::string& operator[](const char* nom) const { return liste.at(nom); }
};

// Reads the words of the command line that the configuration left: the flags into c, the options
// with a value into the result. Refuses an unknown option, a stray argument, a missing value
// and a repeated option.
Valeurs LitArguments(const std::vector<std::string>& arguments, Commande& c) {
    // --langue is read before anything else (render/Langue.h); here it is only let through.
    static const char* const kAvecValeur[] = {"--sortie", "--format", "--echelle", "--fond",
                                              "--images", "--langue", "--bobinage"};
    static const char* const kDrapeaux[] = {"--spectre", "--etoile", "--help", "-h"};
    Valeurs v;
    std::set<std::string> drapeaux;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string nom = arguments[i];
        std::optional<std::string> valeur;
        if (const auto egal = nom.find('='); nom.rfind("--", 0) == 0 && egal != std::string::npos)
            valeur = nom.substr(egal + 1), nom = nom.substr(0, egal);
        const auto est = [&](const auto& liste) {
            return std::find(std::begin(liste), std::end(liste), nom) != std::end(liste);
        };
        const auto deuxFois = [&] {
            return Erreur(
                Remplit(Traduit("kest-export", "L'option %1 est donnée deux fois"), {nom}));
        };
        if (est(kDrapeaux) && !valeur) {
            if (!drapeaux.insert(nom == "-h" ? "--help" : nom).second) throw deuxFois();
            if (nom == "--help" || nom == "-h") c.aide = true;
            if (nom == "--spectre") c.spectre = true;
            if (nom == "--etoile") c.etoile = true;
        } else if (est(kAvecValeur)) {
            if (!valeur) {
                if (i + 1 >= arguments.size())
                    throw Erreur(
                        Remplit(Traduit("kest-export", "L'option %1 attend une valeur"), {nom}));
                valeur = arguments[++i];
            }
            if (!v.liste.emplace(nom, *valeur).second) throw deuxFois();
        } else if (nom.rfind("-", 0) == 0 && nom != "-") {
            throw Erreur(
                Remplit(Traduit("kest-export", "Option inconnue « %1 » (voir kest-export --help)"),
                        {arguments[i]}));
        } else {
            throw Erreur(Remplit(
                Traduit("kest-export", "Argument inattendu « %1 » (voir kest-export --help)"),
                {nom}));
        }
    }
    return v;
}

// « Bobinage personnalisé »: the file's table, all of it or nothing, with the state's p.
void LitBobinage(const std::string& nom, State& etat) {
    std::ifstream fichier(nom, std::ios::binary);
    if (!fichier)
        throw Erreur(
            Remplit(Traduit("kest-export", "Le fichier « %1 » ne peut pas être lu"), {nom}));
    try {
        RemplacerTable(etat, LitFichierBobinage(fichier));
    } catch (const Erreur& e) {
        throw Erreur(Remplit(Traduit("kest-export", "Bobinage « %1 » : %2"), {nom, e.message()}));
    }
}

// « Spectre »: a table, not a picture, so the picture's options have no meaning.
void LitSpectre(const Valeurs& v, Commande& c) {
    for (const char* option : {"--echelle", "--fond", "--images"})
        if (v.Donne(option))
            throw Erreur(
                Remplit(Traduit("kest-export", "%1 ne vaut pas avec --spectre"), {option}));
    c.sortie = v.Donne("--sortie") ? v["--sortie"] : "-";
    if (c.sortie.empty())
        throw Erreur(Traduit("kest-export", "Indiquez le fichier à écrire avec --sortie"));
    const std::string f = v.Donne("--format") ? v["--format"] : "texte";
    if (f != "texte" && f != "json")
        throw Erreur(Remplit(
            Traduit("kest-export", "'%1' n'est pas un format de spectre correct (texte ou json)"),
            {f}));
    c.format = f == "json" ? Format::Json : Format::Texte;
}

// « Image », the file: where it goes and its format, named or from the file's extension.
void LitFichier(const Valeurs& v, Commande& c) {
    if (!v.Donne("--sortie") || v["--sortie"].empty())
        throw Erreur(
            Traduit("kest-export",
                    "Indiquez le fichier à écrire avec --sortie (- pour la sortie standard)"));
    c.sortie = v["--sortie"];
    if (v.Donne("--format")) {
        const std::string& f = v["--format"];
        const auto format =
            f == "emf" || f == "svg" || f == "png" || f == "gif" ? FormatDuNom(f) : std::nullopt;
        if (!format)
            throw Erreur(Remplit(
                Traduit("kest-export", "'%1' n'est pas un format correct (emf, svg, png ou gif)"),
                {f}));
        c.format = *format;
    } else {
        const auto point = c.sortie.rfind('.');
        const auto barre = c.sortie.rfind('/');
        const bool extension =
            point != std::string::npos && (barre == std::string::npos || point > barre);
        const auto format = extension ? FormatDuNom(c.sortie.substr(point + 1)) : std::nullopt;
        if (!format)
            throw Erreur(Remplit(
                Traduit("kest-export",
                        "Format inconnu pour « %1 » : donnez --format emf, svg, png ou gif"),
                {c.sortie}));
        c.format = *format;
    }
}

// « Image », the rendering (PNG and GIF), and « Animation (GIF) ».
void LitRendu(const Valeurs& v, Commande& c) {
    const bool image = c.format == Format::Png || c.format == Format::Gif;
    if (!image && (v.Donne("--echelle") || v.Donne("--fond")))
        throw Erreur(Traduit("kest-export",
                             "--echelle et --fond ne valent que pour les formats png et gif"));
    if (c.format != Format::Gif && v.Donne("--images"))
        throw Erreur(
            Traduit("kest-export",
                    "Les images d'une animation (--images) ne valent que pour le format gif"));
    if (!image) c.rendu.fond = Qt::transparent;
    if (v.Donne("--echelle"))
        c.rendu.agrandissement =
            EntierBorne(v["--echelle"], 1, 8, Traduit("kest-export", "une échelle correcte"));
    if (v.Donne("--fond")) {
        const std::string& f = v["--fond"];
        if (f == "blanc")
            c.rendu.fond = Qt::white;
        else if (f == "fenetre")
            c.rendu.fond = VersQColor(kCouleurFenetre);
        else if (f == "transparent")
            c.rendu.fond = Qt::transparent;
        else
            throw Erreur(Remplit(Traduit("kest-export",
                                         "'%1' n'est pas un fond correct (blanc, "
                                         "fenetre ou transparent)"),
                                 {f}));
    }
    if (v.Donne("--images"))
        c.animation.images = EntierBorne(v["--images"], 1, kImagesMax,
                                         Traduit("kest-export", "un nombre d'images correct"));
    c.rendu.vecteurs = !image;
}

}  // namespace

Commande LitCommande(const std::vector<std::string>& arguments) {
    Commande c;
    Options options;
    const Valeurs v = LitArguments(PrendOptions(arguments, options), c);
    if (c.aide) return c;
    // The state, the views and the clock as the window and the page form them; a GIF's frames
    // last the clock's interval, as the window's ticks do.
    const Configuration configuration = FormeConfiguration(options);
    c.etat = configuration.etat;
    c.affichage = configuration.affichage;
    c.animation.intervalleMs = configuration.intervalle;
    if (v.Donne("--bobinage")) LitBobinage(v["--bobinage"], c.etat);
    if (c.spectre && c.etoile)
        throw Erreur(
            Traduit("kest-export", "--spectre et --etoile s'excluent : donnez l'un ou l'autre"));
    if (c.spectre) {
        LitSpectre(v, c);
        return c;
    }
    if (c.etoile && !BobinageDe(c.etat)->EnEncoches())
        throw Erreur(Traduit("kest-export",
                             "--etoile demande un bobinage par encoches (--encoches, --couches "
                             "ou --pas)"));
    LitFichier(v, c);
    if (c.etoile && c.format == Format::Gif)
        throw Erreur(Traduit("kest-export", "L'étoile des encoches s'écrit en emf, svg ou png"));
    LitRendu(v, c);
    return c;
}

}  // namespace kest
