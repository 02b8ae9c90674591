// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Configuration.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <optional>

#include "model/Alimentation.h"
#include "model/Bobinage.h"
#include "model/Conversions.h"
#include "model/Encoches.h"
#include "model/Erreur.h"
#include "model/Monophase.h"
#include "model/Personnalise.h"
#include "model/Regles.h"
#include "model/Textes.h"

namespace kest {

namespace {

// The kinds of winding's words, for the help and the refusal: "classique, encoches".
std::string NomsGenres() {
    std::string noms;
    for (const GenreBobinage& g : GenresBobinage())
        noms += (noms.empty() ? "" : ", ") + std::string(g.nom);
    return noms;
}

}  // namespace

const char* AideConfiguration() {
    // Filled with the supplies' words from their table; kept until the next call.
    static std::string aide;
    aide = Remplit(Traduit("Configuration",
                           R"(État du bobinage (règles et messages de la boîte « Options ») :
  --p N             nombre de paires de pôles (1 à 99 ; 0 ou moins est ignoré)
  --m N             nombre d'encoches par pôle et par phase (-99 à 99, pas 0)
  --Y X             ouverture des bobines, en radians électriques (pas diamétral : pi)
  --distribution D  parfaite, reelle ou double-etoile (défaut : parfaite)
  Les nombres s'écrivent avec un point décimal, quels que soient les réglages
  régionaux. Dès que --p, --m ou --Y est donné, l'état est formé comme par la
  touche Entrée dans la boîte : les valeurs non données sont celles qu'elle
  affiche (p = 1, m = 2, Y = 3.14159265358979).

Bobinage par encoches (règles et messages de la fenêtre « Bobinage ») :
  --encoches Q      nombre d'encoches (3 à 720, multiple de 3)
  --couches C       1 ou 2 couches (défaut : 2)
  --pas N           ouverture des bobines en encoches, de 1 (bobines sur dent)
                    à Q/2 (défaut : 1)
  L'une de ces options suffit à choisir le bobinage par encoches (défaut :
  12 encoches) ; il garde p, et se dispose par l'étoile des encoches.
  --genre G         le genre de bobinage : %2 (défaut : classique)
  --perso CODE      un bobinage personnalisé, tel qu'un lien l'écrit : une
                    lettre par encoche et par couche (A, B, C aller ; a, b, c
                    retour ; _ vide ; les spires après la lettre si plus
                    d'une), les couches séparées par un point

Alimentation (règles et messages de la fenêtre « Alimentation ») :
  --alimentation A  %1
                    (défaut : equilibree ; la fenêtre « Alimentation » les décrit)
  --amplitudes A1,A2,A3
                    alimentation libre : amplitudes des trois courants, en
                    unités de Imax (0 à 2 ; défaut : 1,1,1)
  --dephasages D1,D2,D3
                    alimentation libre : retards des trois courants, en degrés
                    (défaut : 0,120,240) ; --amplitudes ou --dephasages
                    suffit à choisir l'alimentation libre ; les listes
                    s'écrivent toujours avec un point décimal

Moteur monophasé (règles et messages de la fenêtre « Moteur monophasé ») :
  --machine M       triphasee ou monophasee (défaut : triphasee) ; le moteur
                    monophasé a un enroulement principal et un auxiliaire à 90°
                    électriques, alimenté par un condensateur ; chacune des
                    options qui suivent suffit à le choisir
  --demarrage D     %3 (défaut : quadrature)
  --condensateur C  démarrage libre : la capacité en µF, aucun ou ouvert
                    (défaut : 211.4)
  --rapport A       démarrage libre : le rapport des spires effectives a
                    (0.1 à 10 ; défaut : 2.568)
  --impedances RM,XM,RA,XA
                    les impédances à l'arrêt en ohms (défaut : 4.5,3.7,9.5,3.5,
                    un moteur d'exemple)

Instant :
  --ticks N         N tops d'horloge depuis t = 0, t avancé top par top comme
                    l'horloge de la fenêtre (0 à 10000000 ; défaut : 0)
  --t X             le temps t en secondes (0 à 2000)

Vues :
  --sans-vecteurs   sans les vecteurs du champ
  --sans-onde       sans les ondes polaires
  --sans-bobinage   sans les conducteurs ni les axes des bobines

Horloge :
  --intervalle MS   l'intervalle de l'horloge en millisecondes, la barre de
                    vitesse (10 à 200 ; défaut : 60) ; dans un GIF, la durée
                    de chaque image
  --marche          l'horloge lancée, comme par « Play »

Lien :
  --lien LIEN       la configuration d'un lien de la page (l'adresse entière ou
                    ce qui suit « # », par exemple « p=2&m=3&distribution=reelle »)
  Chaque option ne se donne qu'une fois, lien compris.
)"),
                   {ClesAlimentation(), NomsGenres(), ClesDemarrage()});
    return aide.c_str();
}

namespace {

// The keys a configuration knows, in the order a link is written. On the command line a key is
// "--cle VALEUR", or a flag that stands for a fixed value ("--sans-onde" for onde=0). A new
// option is a row here, its reading in FormeConfiguration, its writing in EcritLien and its line
// in AideConfiguration().
struct Cle {
    const char* cle;
    const char* drapeau = nullptr;  // the command line's flag, for a key that has one
    const char* valeur = nullptr;   // the value that the flag stands for
};
constexpr Cle kCles[] = {{"p"},
                         {"m"},
                         {"Y"},
                         {"distribution"},
                         {"encoches"},
                         {"couches"},
                         {"pas"},
                         {"genre"},
                         {"perso"},
                         {"alimentation"},
                         {"amplitudes"},
                         {"dephasages"},
                         {"machine"},
                         {"demarrage"},
                         {"condensateur"},
                         {"rapport"},
                         {"impedances"},
                         {"vecteurs", "--sans-vecteurs", "0"},
                         {"onde", "--sans-onde", "0"},
                         {"bobinage", "--sans-bobinage", "0"},
                         {"intervalle"},
                         {"marche", "--marche", "1"},
                         {"ticks"},
                         {"t"}};

// The key's row, or null.
const Cle* ChercheCle(std::string_view cle) {
    const auto c = std::find_if(std::begin(kCles), std::end(kCles),
                                [&](const Cle& k) { return cle == k.cle; });
    return c == std::end(kCles) ? nullptr : c;
}
bool EstCle(std::string_view cle) { return ChercheCle(cle) != nullptr; }

bool Booleen(const std::string& cle, const std::string& texte) {
    if (texte == "0") return false;
    if (texte == "1") return true;
    throw Erreur(
        Remplit(Traduit("Configuration", "'%1' n'est pas une valeur correcte pour %2 (0 ou 1)"),
                {texte, cle}));
}

// A number typed with the reader's separator ("3,5" for a French reader) reads as with a point.
std::string AvecPoint(std::string texte, std::string_view separateur) {
    if (separateur.empty() || separateur == "." || texte.find('.') != std::string::npos)
        return texte;
    for (auto i = texte.find(separateur); i != std::string::npos; i = texte.find(separateur, i + 1))
        texte.replace(i, separateur.size(), ".");
    return texte;
}

int ValeurHexa(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// %XX decoded; a '%' not followed by two hexadecimal digits stays as it is.
std::string Decode(std::string_view texte) {
    std::string r;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        if (texte[i] == '%' && i + 2 < texte.size() && ValeurHexa(texte[i + 1]) >= 0 &&
            ValeurHexa(texte[i + 2]) >= 0) {
            r += char(ValeurHexa(texte[i + 1]) * 16 + ValeurHexa(texte[i + 2]));
            i += 2;
        } else {
            r += texte[i];
        }
    }
    return r;
}

// Letters, digits and the few marks a number or a key holds stay readable; the rest is
// percent-encoded.
std::string Encode(std::string_view texte) {
    static const char kHexa[] = "0123456789ABCDEF";
    std::string r;
    for (unsigned char c : texte) {
        if (std::isalnum(c) || c == '-' || c == '.' || c == '_' || c == ',' || c == '+')
            r += char(c);
        else
            r += '%', r += kHexa[c >> 4], r += kHexa[c & 15];
    }
    return r;
}

}  // namespace

std::vector<std::string> PrendOptions(const std::vector<std::string>& arguments, Options& options) {
    std::vector<std::string> reste;
    std::vector<std::string> vues;  // keys given on the command line, for the repetition rule
    const auto ajoute = [&](const std::string& option, const std::string& cle,
                            const std::string& valeur) {
        if (std::find(vues.begin(), vues.end(), cle) != vues.end())
            throw Erreur(
                Remplit(Traduit("Configuration", "L'option %1 est donnée deux fois"), {option}));
        vues.push_back(cle);
        options.emplace_back(cle, valeur);
    };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string nom = arguments[i];
        std::optional<std::string> valeur;
        if (const auto egal = nom.find('='); nom.rfind("--", 0) == 0 && egal != std::string::npos)
            valeur = nom.substr(egal + 1), nom = nom.substr(0, egal);
        const auto drapeau = std::find_if(std::begin(kCles), std::end(kCles), [&](const Cle& c) {
            return c.drapeau && nom == c.drapeau;
        });
        const Cle* cle = nom.rfind("--", 0) == 0 ? ChercheCle(nom.substr(2)) : nullptr;
        const bool avecValeur = nom == "--lien" || (cle && !cle->drapeau);
        if (drapeau != std::end(kCles) && !valeur) {
            ajoute(nom, drapeau->cle, drapeau->valeur);
        } else if (avecValeur) {
            if (!valeur) {
                if (i + 1 >= arguments.size())
                    throw Erreur(
                        Remplit(Traduit("Configuration", "L'option %1 attend une valeur"), {nom}));
                valeur = arguments[++i];
            }
            if (nom == "--lien") {
                if (std::find(vues.begin(), vues.end(), "lien") != vues.end())
                    throw Erreur(Traduit("Configuration", "L'option --lien est donnée deux fois"));
                vues.push_back("lien");
                // A key repeated in the link, or given before it on the command line, is
                // refused by FormeConfiguration, with the message the page gives.
                for (auto& [cle, v] : LitLien(*valeur)) {
                    vues.push_back(cle);
                    options.emplace_back(cle, v);
                }
            } else {
                ajoute(nom, nom.substr(2), *valeur);
            }
        } else {
            reste.push_back(arguments[i]);
        }
    }
    return reste;
}

Options LitLien(std::string_view lien) {
    if (const auto diese = lien.find('#'); diese != std::string_view::npos)
        lien.remove_prefix(diese + 1);
    else if (lien.find("://") != std::string_view::npos || lien.find('=') == std::string_view::npos)
        return {};  // an address without a fragment: the defaults
    Options options;
    while (!lien.empty()) {
        const auto fin = lien.find('&');
        const std::string_view morceau = lien.substr(0, fin);
        lien.remove_prefix(fin == std::string_view::npos ? lien.size() : fin + 1);
        if (morceau.empty()) continue;
        const auto egal = morceau.find('=');
        if (egal == std::string_view::npos)
            options.emplace_back(Decode(morceau), std::string());
        else
            options.emplace_back(Decode(morceau.substr(0, egal)), Decode(morceau.substr(egal + 1)));
    }
    return options;
}

namespace {

// FormeConfiguration; without `avancer` the ticks count is checked but the clock not advanced,
// for a trial whose configuration is thrown away.
Configuration Forme(const Options& options, std::string_view separateur, bool avancer) {
    Configuration c;
    std::vector<std::string> vues;
    const auto valeur = [&](const char* cle) -> const std::string* {
        for (const auto& [k, v] : options)
            if (k == cle) return &v;
        return nullptr;
    };
    for (const auto& [cle, v] : options) {
        if (!EstCle(cle))
            throw Erreur(
                Remplit(Traduit("Configuration", "Clé inconnue « %1 » dans le lien"), {cle}));
        // The command line refuses its own repeats (PrendOptions): a repeat here is a link's.
        if (std::find(vues.begin(), vues.end(), cle) != vues.end())
            throw Erreur(Remplit(
                Traduit("Configuration", "L'option %1 (du lien) est donnée deux fois"), {cle}));
        vues.push_back(cle);
    }

    // The state: a radio button, or the dialog's Enter over what it shows for the defaults.
    bool reelle = false, doubleEtoile = false;
    if (const std::string* d = valeur("distribution")) {
        if (*d == "reelle")
            reelle = true;
        else if (*d == "double-etoile")
            doubleEtoile = true;
        else if (*d != "parfaite")
            throw Erreur(Remplit(Traduit("Configuration",
                                         "'%1' n'est pas une distribution correcte (parfaite, "
                                         "reelle ou double-etoile)"),
                                 {*d}));
    }
    const std::string *p = valeur("p"), *m = valeur("m"), *y = valeur("Y");
    if (p || m || y) {
        Saisie saisie = SaisieAffichee(c.etat, ".");
        saisie.reelle = reelle;
        saisie.doubleEtoile = doubleEtoile;
        if (p) saisie.p = *p;
        if (m) saisie.m = *m;
        if (y) saisie.Y = AvecPoint(*y, separateur);
        AppliquerSaisie(c.etat, saisie, ".");
    } else {
        ChoisirDistribution(c.etat, reelle, doubleEtoile);
    }

    // A slot winding, as by Enter in the "Bobinage" panel with the p just formed: any of its three
    // options selects it, and what is not given is what the panel shows.
    const std::string *q = valeur("encoches"), *couches = valeur("couches"), *pas = valeur("pas");
    if (q || couches || pas) {
        SaisieEncoches saisie = SaisieEncochesAffichee(c.etat);
        if (q) saisie.encoches = *q;
        if (couches) saisie.couches = *couches;
        if (pas) saisie.pas = *pas;
        AppliquerEncoches(c.etat, saisie);
    }
    // A custom table selects the custom kind; a kind named after it keeps the table.
    if (const std::string* v = valeur("perso")) RemplacerTable(c.etat, LitCodeLienBobinage(*v));
    // A kind by its word, with the members the state keeps for it.
    if (const std::string* g = valeur("genre")) {
        const std::optional<TypeBobinage> genre = GenreParNom(*g);
        if (!genre)
            throw Erreur(Remplit(
                Traduit("Configuration", "'%1' n'est pas un genre de bobinage correct (%2)"),
                {*g, NomsGenres()}));
        ChoisirTypeBobinage(c.etat, *genre);
    }

    // The supply, as its window sets it; the lists separate their numbers with commas, so
    // their decimal mark is always the point.
    OptionsAlimentation alimentation;
    if (const std::string* v = valeur("alimentation")) alimentation.alimentation = *v;
    if (const std::string* v = valeur("amplitudes")) alimentation.amplitudes = *v;
    if (const std::string* v = valeur("dephasages")) alimentation.dephasages = *v;
    LireOptionsAlimentation(c.etat, alimentation);
    OptionsMoteur moteur;
    if (const std::string* v = valeur("machine")) moteur.machine = *v;
    if (const std::string* v = valeur("demarrage")) moteur.demarrage = *v;
    if (const std::string* v = valeur("condensateur")) moteur.condensateur = *v;
    if (const std::string* v = valeur("rapport")) moteur.rapport = *v;
    if (const std::string* v = valeur("impedances")) moteur.impedances = *v;
    LireOptionsMoteur(c.etat, moteur);

    if (const std::string* v = valeur("vecteurs")) c.affichage.Vecteurs = Booleen("vecteurs", *v);
    if (const std::string* v = valeur("onde")) c.affichage.Onde = Booleen("onde", *v);
    if (const std::string* v = valeur("bobinage")) c.affichage.Bobinage = Booleen("bobinage", *v);
    if (const std::string* v = valeur("intervalle"))
        c.intervalle = EntierBorne(
            *v, 10, 200, Traduit("Configuration", "un intervalle en millisecondes correct"));
    if (const std::string* v = valeur("marche")) c.enMarche = Booleen("marche", *v);

    const std::string *ticks = valeur("ticks"), *t = valeur("t");
    if (ticks && t)
        throw Erreur(
            Traduit("Configuration", "--ticks et --t s'excluent : donnez l'un ou l'autre"));
    if (ticks) {
        const int n = EntierBorne(*ticks, 0, kTicksMax,
                                  Traduit("Configuration", "un nombre de tops d'horloge correct"));
        if (avancer)
            for (int k = 0; k < n; ++k) AvancerTemps(c.etat);
    }
    if (t) {
        // The time is bounded as the ticks are: beyond, the angle Omega·t loses its meaning (and
        // past about 1e306 s it overflows) and the picture would be drawn from nonsense.
        const double temps = TexteVersReel(AvecPoint(*t, separateur), ".");
        const double borne = kTicksMax * kAngleTop / c.etat.Omega;
        if (!(temps >= 0.0 && c.etat.Omega * temps <= kTicksMax * kAngleTop))
            throw Erreur(
                Remplit(Traduit("Configuration", "'%1' n'est pas un temps correct (0 à %2 s)"),
                        {*t, EntierVersTexte(static_cast<int>(std::lround(borne)))}));
        c.etat.t = temps;
    }
    return c;
}

}  // namespace

Configuration FormeConfiguration(const Options& options, std::string_view separateur) {
    return Forme(options, separateur, true);
}

Configuration FormeConfigurationTolerante(const Options& options, std::string_view separateur,
                                          std::vector<std::string>& refus) {
    // Each option is tried over the options kept before it; a refused one stays at its default.
    // The trials leave the clock alone: the ticks are run once, in the forming kept.
    Options retenues;
    for (const auto& option : options) {
        try {
            Options essai = retenues;
            essai.push_back(option);
            Forme(essai, separateur, false);
            retenues.push_back(option);
        } catch (const Erreur& e) {
            refus.push_back(e.message());
        }
    }
    return FormeConfiguration(retenues, separateur);
}

std::string EcritLien(const Configuration& c) {
    const Configuration defaut;
    const State& e = c.etat;
    Options options;
    const Saisie montree = SaisieAffichee(e, ".");
    const Saisie initiale = SaisieAffichee(defaut.etat, ".");
    if (montree.p != initiale.p) options.emplace_back("p", montree.p);
    if (montree.m != initiale.m) options.emplace_back("m", montree.m);
    // Y once set by Enter (3.14159265358979 for an untouched π) needs an Enter to come back: it
    // is written whenever neither p nor m brings one.
    const bool yDefaut = std::memcmp(&e.Y, &defaut.etat.Y, sizeof e.Y) == 0;
    if (montree.Y != initiale.Y || (!yDefaut && options.empty()))
        options.emplace_back("Y", montree.Y);
    switch (DistributionDe(e)) {
        case Distribution::Reelle:
            options.emplace_back("distribution", "reelle");
            break;
        case Distribution::DoubleEtoile:
            options.emplace_back("distribution", "double-etoile");
            break;
        case Distribution::Parfaite:
            break;
    }
    // A kind with link options of its own writes them; any other but the default is named.
    if (const auto ecrit = GenreDe(e.typeBobinage).ecritLien)
        ecrit(e, defaut.etat, options);
    else if (e.typeBobinage != defaut.etat.typeBobinage)
        options.emplace_back("genre", GenreDe(e.typeBobinage).nom);
    const OptionsAlimentation alimentation = OptionsAlimentationEcrites(e);
    if (alimentation.alimentation) options.emplace_back("alimentation", *alimentation.alimentation);
    if (alimentation.amplitudes) options.emplace_back("amplitudes", *alimentation.amplitudes);
    if (alimentation.dephasages) options.emplace_back("dephasages", *alimentation.dephasages);
    const OptionsMoteur moteur = OptionsMoteurEcrites(e);
    for (const auto& [cle, v] : {std::pair{"machine", moteur.machine},
                                 {"demarrage", moteur.demarrage},
                                 {"condensateur", moteur.condensateur},
                                 {"rapport", moteur.rapport},
                                 {"impedances", moteur.impedances}})
        if (v) options.emplace_back(cle, *v);
    if (!c.affichage.Vecteurs) options.emplace_back("vecteurs", "0");
    if (!c.affichage.Onde) options.emplace_back("onde", "0");
    if (!c.affichage.Bobinage) options.emplace_back("bobinage", "0");
    if (c.intervalle != defaut.intervalle)
        options.emplace_back("intervalle", EntierVersTexte(c.intervalle));
    if (c.enMarche) options.emplace_back("marche", "1");

    // In the order of the keys' table, whatever the order above.
    const auto rang = [](const auto& option) { return ChercheCle(option.first) - kCles; };
    std::stable_sort(options.begin(), options.end(),
                     [&](const auto& a, const auto& b) { return rang(a) < rang(b); });
    std::string lien;
    for (const auto& [cle, v] : options) {
        if (!lien.empty()) lien += '&';
        lien += cle + "=" + Encode(v);
    }
    return lien;
}

}  // namespace kest
