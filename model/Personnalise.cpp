// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Personnalise.h"

#include <algorithm>
#include <cctype>
#include <complex>
#include <cstdlib>
#include <cstring>
#include <map>

#include "model/Conversions.h"
#include "model/Erreur.h"
#include "model/Textes.h"

namespace kest {

namespace {

constexpr char kPhases[] = "ABC";

// The custom kind chosen with the table t, through the kinds' rules: all of it, or an Erreur and
// nothing changed.
void ChoisitTable(State& s, std::shared_ptr<const TableBobinage> t) {
    State e = s;
    e.tableBobinage = std::move(t);
    ChoisirTypeBobinage(e, TypeBobinage::Personnalise);
    s = std::move(e);
}

bool CelluleCorrecte(const Cellule& c) {
    return c.phase == -1
               ? c.spires == 0
               : c.phase >= 0 && c.phase < 3 && c.spires != 0 && std::abs(c.spires) <= kSpiresMax;
}

}  // namespace

std::shared_ptr<const TableBobinage> TablePersonnalisee(const State& s) {
    return s.tableBobinage ? s.tableBobinage : EncochesDe(s)->Table();
}

std::shared_ptr<const BobinageEncoches> PersonnaliseDe(const State& s) {
    // Before the first edit the custom winding is the slot winding itself.
    if (!s.tableBobinage) return EncochesDe(s);
    thread_local std::shared_ptr<const BobinageEncoches> dernier;
    if (!dernier || !dernier->Pour(s))
        dernier = std::make_shared<const BobinageEncoches>(s.p, s.tableBobinage);
    return dernier;
}

std::shared_ptr<const BobinageEncoches> EncochesMontrees(const State& s) {
    return s.typeBobinage == TypeBobinage::Personnalise ? PersonnaliseDe(s) : EncochesDe(s);
}

std::string NomEncochesMontrees(const State& s) {
    return s.typeBobinage == TypeBobinage::Personnalise ? NomBobinagePersonnalise(s)
                                                        : NomBobinageEncoches(s);
}

bool EditerCellule(State& s, int encoche, int couche, Cellule c) {
    // The table shown is edited.
    const std::shared_ptr<const BobinageEncoches> montre = EncochesMontrees(s);
    const std::shared_ptr<const TableBobinage> t = montre->Table();
    if (t->cellules.empty() || encoche < 0 || encoche >= t->encoches || couche < 0 ||
        couche >= t->couches || !CelluleCorrecte(c))
        return false;
    auto nouvelle = std::make_shared<TableBobinage>(*t);
    nouvelle->cellules[std::size_t(encoche * t->couches + couche)] = c;
    ChoisitTable(s, std::move(nouvelle));
    return true;
}

Cellule CelluleSuivante(const Cellule& c) {
    const int n = c.spires == 0 ? 1 : std::abs(c.spires);
    if (c.Vide()) return {0, n};
    if (c.spires > 0) return {c.phase, -n};
    return c.phase + 1 < 3 ? Cellule{c.phase + 1, n} : Cellule{};
}

void RemplacerTable(State& s, TableBobinage table) {
    ChoisitTable(s, std::make_shared<const TableBobinage>(std::move(table)));
}

void HistoriqueBobinage::Avant(const State& s) {
    annuler_.push_back(EncochesMontrees(s)->Table());
    if (annuler_.size() > kEtapesMax) annuler_.erase(annuler_.begin());
    refaire_.clear();
}

void HistoriqueBobinage::Echange(State& s, std::vector<Table>& depuis, std::vector<Table>& vers) {
    if (depuis.empty()) return;
    const std::shared_ptr<const TableBobinage> avant = EncochesMontrees(s)->Table();
    ChoisitTable(s, depuis.back());
    vers.push_back(avant);
    depuis.pop_back();
}

void HistoriqueBobinage::Annuler(State& s) { Echange(s, annuler_, refaire_); }
void HistoriqueBobinage::Refaire(State& s) { Echange(s, refaire_, annuler_); }

std::vector<std::string> DiagnosticEncoches(const BobinageEncoches& b) {
    std::vector<std::string> lignes;
    const int phases = b.NbPhases();
    std::vector<int> aller(std::size_t(phases), 0), retour(std::size_t(phases), 0);
    for (const Faisceau& f : b.Faisceaux()) (f.signe > 0 ? aller : retour)[f.phase] += f.spires;
    // The conductors per phase, and each phase that has not the count most phases have.
    std::map<int, int> frequence;
    std::string liste;
    for (int k = 0; k < phases; ++k) {
        ++frequence[aller[k] + retour[k]];
        liste += (k ? ", " : "") + std::string(NomPhase(phases, k)) + " " +
                 std::to_string(aller[k] + retour[k]);
    }
    lignes.push_back(Remplit(Traduit("Personnalise", "Conducteurs par phase : %1"), {liste}));
    int reference = aller[0] + retour[0];
    for (const auto& [n, fois] : frequence)
        if (fois > frequence[reference]) reference = n;
    for (int k = 0; k < phases; ++k)
        if (aller[k] + retour[k] != reference)
            lignes.push_back(Remplit(
                Traduit("Personnalise", "La phase %1 diffère : %2 conducteurs au lieu de %3"),
                {NomPhase(phases, k), std::to_string(aller[k] + retour[k]),
                 std::to_string(reference)}));
    for (int k = 0; k < phases; ++k)
        if (aller[k] != retour[k])
            lignes.push_back(Remplit(
                Traduit("Personnalise",
                        "La phase %1 ne se referme pas : %2 conducteurs d'aller, %3 de retour ; sa "
                        "force magnétomotrice a une moyenne, que l'image retire"),
                {NomPhase(phases, k), std::to_string(aller[k]), std::to_string(retour[k])}));
    if (b.Vide()) return lignes;

    // Fed with balanced currents sin(ωt − k·2π/n), the phases' coefficients c_k of order ν make
    // a forward wave Σ c_k·e^{−ik·2π/n} and a backward one Σ c_k·e^{ik·2π/n}: the order is there
    // when either is.
    const int p = b.Paires();
    std::vector<double> parties(std::size_t(p) + 1, 0.0);
    double plus = 0.0;
    for (int nu = 1; nu <= p; ++nu) {
        std::complex<double> direct, inverse;
        for (int k = 0; k < phases; ++k) {
            const std::complex<double> c = b.Coefficient(k, 0, nu);
            direct += c * std::polar(1.0, -k * kDeuxPi / phases);
            inverse += c * std::polar(1.0, k * kDeuxPi / phases);
        }
        parties[std::size_t(nu)] = std::max(std::abs(direct), std::abs(inverse));
        plus = std::max(plus, parties[std::size_t(nu)]);
    }
    const auto present = [&](int nu) { return parties[std::size_t(nu)] > 1e-9 * plus; };
    lignes.push_back(
        present(p) ? Remplit(Traduit("Personnalise", "Onde de travail : ordre %1 (p)"),
                             {std::to_string(p)})
                   : Remplit(Traduit("Personnalise", "Pas d'onde de travail à l'ordre p = %1"),
                             {std::to_string(p)}));
    std::string sous;
    for (int nu = 1; nu < p; ++nu)
        if (present(nu)) sous += (sous.empty() ? "" : ", ") + std::to_string(nu);
    lignes.push_back(
        sous.empty() ? Traduit("Personnalise", "Aucune sous-harmonique")
                     : Remplit(Traduit("Personnalise", "Sous-harmoniques : ordres %1"), {sous}));
    return lignes;
}

namespace {

bool EstBlanc(char c) { return c == ' ' || c == '\t'; }

std::string_view SansBlancs(std::string_view t) {
    while (!t.empty() && EstBlanc(t.front())) t.remove_prefix(1);
    while (!t.empty() && EstBlanc(t.back())) t.remove_suffix(1);
    return t;
}

// Whether the bytes are UTF-8 without a nul: a text file, not a binary one.
bool EstTexte(std::string_view t) {
    for (std::size_t i = 0; i < t.size();) {
        const auto c = static_cast<unsigned char>(t[i]);
        const int suite = c == 0                  ? -1
                          : c < 0x80              ? 0
                          : c >= 0xC2 && c < 0xE0 ? 1
                          : c >= 0xE0 && c < 0xF0 ? 2
                          : c >= 0xF0 && c < 0xF5 ? 3
                                                  : -1;
        if (suite < 0 || i + std::size_t(suite) >= t.size()) return false;
        for (int j = 1; j <= suite; ++j)
            if ((static_cast<unsigned char>(t[i + std::size_t(j)]) & 0xC0) != 0x80) return false;
        i += std::size_t(suite) + 1;
    }
    return true;
}

// One line without its end, of at most kLongueurMax bytes (then `longue`); false at the end.
constexpr std::size_t kLongueurMax = 200;
bool LitLigne(std::istream& fichier, std::string& ligne, bool& longue) {
    ligne.clear();
    longue = false;
    std::streambuf* tampon = fichier.rdbuf();
    if (!tampon) return false;
    bool lu = false;
    for (auto c = tampon->sbumpc(); c != std::char_traits<char>::eof(); c = tampon->sbumpc()) {
        lu = true;
        if (c == '\n') break;
        if (ligne.size() == kLongueurMax) return longue = true;
        ligne += std::char_traits<char>::to_char_type(c);
    }
    if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
    return lu;
}

std::vector<std::string_view> Champs(std::string_view ligne, char separateur) {
    std::vector<std::string_view> champs;
    for (std::size_t debut = 0;;) {
        const std::size_t fin = ligne.find(separateur, debut);
        champs.push_back(SansBlancs(ligne.substr(debut, fin - debut)));
        if (fin == std::string_view::npos) return champs;
        debut = fin + 1;
    }
}

}  // namespace

TableBobinage LitFichierBobinage(std::istream& fichier) {
    int numero = 0;
    const auto refus = [&](int ligne, const std::string& pourquoi) {
        return Erreur(
            Remplit(Traduit("Personnalise", "Ligne %1 : %2"), {std::to_string(ligne), pourquoi}));
    };
    // "'x' n'est pas un numéro d'encoche correct (1 à 720)", for a value out of range or no
    // integer at all.
    const auto entier = [&](std::string_view texte, int min, int max, const char* quoi) {
        int n = min - 1;
        try {
            n = TexteVersEntier(texte);
        } catch (const Erreur&) {
        }
        if (n < min || n > max || texte.empty())
            throw refus(numero, Remplit(Traduit("Conversions", "'%1' n'est pas %2 (%3 à %4)"),
                                        {texte, quoi, std::to_string(min), std::to_string(max)}));
        return n;
    };
    constexpr int kLignesMax = 2 * kEncochesMax + 1;
    std::vector<int> lignes(2 * kEncochesMax, 0);  // the line of each slot and layer given
    std::vector<Cellule> cellules(2 * kEncochesMax);
    int Q = 0, couches = 0, donnees = 0;
    char separateur = ',';
    std::string ligne;
    bool longue = false;
    while (LitLigne(fichier, ligne, longue)) {
        if (++numero > kLignesMax)
            throw refus(numero,
                        Remplit(Traduit("Personnalise",
                                        "trop de lignes : au plus %1, l'en-tête et deux "
                                        "couches de %2 encoches"),
                                {std::to_string(kLignesMax), std::to_string(kEncochesMax)}));
        if (numero == 1 && ligne.starts_with("\xEF\xBB\xBF")) ligne.erase(0, 3);
        if (longue || !EstTexte(ligne))
            throw refus(numero, Traduit("Personnalise",
                                        "ce n'est pas un fichier de bobinage (ligne trop longue, "
                                        "octet nul ou texte qui n'est pas en UTF-8)"));
        if (numero == 1) {
            separateur = ligne.find(';') != std::string::npos ? ';' : ',';
            std::string entete;
            for (const std::string_view champ : Champs(ligne, separateur))
                entete += (entete.empty() ? "" : ",") + std::string(champ);
            std::transform(entete.begin(), entete.end(), entete.begin(),
                           [](unsigned char c) { return char(std::tolower(c)); });
            if (entete != "encoche,couche,phase,spires")
                throw refus(1, Traduit("Personnalise",
                                       "l'en-tête doit être « encoche,couche,phase,spires »"));
            continue;
        }
        if (SansBlancs(ligne).empty()) continue;
        const std::vector<std::string_view> champs = Champs(ligne, separateur);
        if (champs.size() != 4)
            throw refus(numero, Remplit(Traduit("Personnalise",
                                                "%1 champ(s) au lieu de 4 (encoche, couche, "
                                                "phase, spires)"),
                                        {std::to_string(champs.size())}));
        const int s = entier(champs[0], 1, kEncochesMax,
                             Traduit("Personnalise", "un numéro d'encoche correct"));
        const int c = entier(champs[1], 1, 2, Traduit("Personnalise", "une couche correcte"));
        const std::string_view nom = champs[2];
        const char* lettre =
            nom.size() == 1 ? std::strchr(kPhases, std::toupper((unsigned char)nom[0])) : nullptr;
        if (!nom.empty() && (!lettre || !*lettre))
            throw refus(numero, Remplit(Traduit("Personnalise",
                                                "'%1' n'est pas une phase correcte (A, B, C ou "
                                                "vide)"),
                                        {nom}));
        const Cellule cellule{lettre ? int(lettre - kPhases) : -1,
                              entier(champs[3], -kSpiresMax, kSpiresMax,
                                     Traduit("Personnalise", "un nombre de spires correct"))};
        if (!CelluleCorrecte(cellule))
            throw refus(numero, Traduit("Personnalise",
                                        "une phase demande des spires (+ aller, − retour), une "
                                        "case vide 0 spire"));
        int& vue = lignes[std::size_t((s - 1) * 2 + c - 1)];
        if (vue)
            throw refus(
                numero,
                Remplit(Traduit("Personnalise", "l'encoche %1, couche %2 est déjà donnée ligne %3"),
                        {std::to_string(s), std::to_string(c), std::to_string(vue)}));
        vue = numero;
        cellules[std::size_t((s - 1) * 2 + c - 1)] = cellule;
        Q = std::max(Q, s), couches = std::max(couches, c), ++donnees;
    }
    if (numero == 0) throw refus(1, Traduit("Personnalise", "le fichier est vide"));
    if (donnees == 0) throw refus(numero + 1, Traduit("Personnalise", "aucune encoche"));
    TableBobinage t{Q, couches, {}};
    for (int s = 0; s < Q; ++s) {
        for (int c = 0; c < couches; ++c) {
            if (!lignes[std::size_t(s * 2 + c)])
                throw refus(
                    numero + 1,
                    Remplit(Traduit("Personnalise",
                                    "il manque l'encoche %1, couche %2 : chaque encoche "
                                    "de 1 à %3 a une ligne par couche"),
                            {std::to_string(s + 1), std::to_string(c + 1), std::to_string(Q)}));
            t.cellules.push_back(cellules[std::size_t(s * 2 + c)]);
        }
    }
    return t;
}

std::string EcritFichierBobinage(const TableBobinage& t) {
    std::string texte = "encoche,couche,phase,spires\n";
    for (int s = 0; s < t.encoches; ++s)
        for (int c = 0; c < t.couches; ++c) {
            const Cellule& x = t(s, c);
            texte += std::to_string(s + 1) + "," + std::to_string(c + 1) + "," +
                     (x.Vide() ? "" : std::string(1, kPhases[x.phase])) + "," +
                     std::to_string(x.spires) + "\n";
        }
    return texte;
}

std::string CodeLienBobinage(const TableBobinage& t) {
    std::string code;
    for (int c = 0; c < t.couches; ++c) {
        if (c) code += '.';
        for (int s = 0; s < t.encoches; ++s) {
            const Cellule& x = t(s, c);
            if (x.Vide()) {
                code += '_';
                continue;
            }
            code += char(x.spires > 0 ? kPhases[x.phase] : std::tolower(kPhases[x.phase]));
            if (std::abs(x.spires) != 1) code += std::to_string(std::abs(x.spires));
        }
    }
    return code;
}

TableBobinage LitCodeLienBobinage(std::string_view code) {
    const auto refus = [](const std::string& pourquoi) {
        return Erreur(
            Remplit(Traduit("Personnalise", "Le bobinage personnalisé du lien est incorrect : %1"),
                    {pourquoi}));
    };
    std::vector<std::vector<Cellule>> couches(1);
    for (std::size_t i = 0; i < code.size(); ++i) {
        const char c = code[i];
        const char* lettre = std::strchr(kPhases, std::toupper((unsigned char)c));
        std::vector<Cellule>& couche = couches.back();
        if (c == '.') {
            if (couches.size() == 2) throw refus(Traduit("Personnalise", "plus de deux couches"));
            couches.emplace_back();
        } else if (c == '_') {
            couche.push_back({});
        } else if (c != 0 && lettre && *lettre) {
            couche.push_back({int(lettre - kPhases), std::isupper((unsigned char)c) ? 1 : -1});
        } else if (c >= '1' && c <= '9' && !couche.empty() && !couche.back().Vide() &&
                   std::abs(couche.back().spires) == 1 &&
                   (i == 0 || !(code[i - 1] >= '0' && code[i - 1] <= '9'))) {
            std::size_t fin = i;
            while (fin < code.size() && fin - i < 5 && code[fin] >= '0' && code[fin] <= '9') ++fin;
            const int n = std::atoi(std::string(code.substr(i, fin - i)).c_str());
            if (n > kSpiresMax)
                throw refus(Remplit(Traduit("Personnalise", "%1 spires en position %2, au plus %3"),
                                    {std::string(code.substr(i, fin - i)), std::to_string(i + 1),
                                     std::to_string(kSpiresMax)}));
            couche.back().spires *= n;
            i = fin - 1;
        } else {
            throw refus(Remplit(Traduit("Personnalise",
                                        "caractère « %1 » inattendu en position %2 (A, B, C, a, "
                                        "b, c, _, des spires après une lettre, . entre les "
                                        "couches)"),
                                {std::string(1, c), std::to_string(i + 1)}));
        }
        if (couches.back().size() > std::size_t(kEncochesMax))
            throw refus(Remplit(Traduit("Personnalise", "plus de %1 encoches"),
                                {std::to_string(kEncochesMax)}));
    }
    const std::size_t Q = couches[0].size();
    if (Q == 0) throw refus(Traduit("Personnalise", "aucune encoche"));
    if (couches.size() == 2 && couches[1].size() != Q)
        throw refus(Remplit(Traduit("Personnalise",
                                    "les deux couches n'ont pas le même nombre d'encoches (%1 et "
                                    "%2)"),
                            {std::to_string(Q), std::to_string(couches[1].size())}));
    TableBobinage t{int(Q), int(couches.size()), {}};
    for (std::size_t s = 0; s < Q; ++s)
        for (const std::vector<Cellule>& couche : couches) t.cellules.push_back(couche[s]);
    return t;
}

std::string NomBobinagePersonnalise(const State& s) {
    const std::shared_ptr<const TableBobinage> t = TablePersonnalisee(s);
    return Remplit(Traduit("Personnalise", "Personnalisé, %1 encoches, p = %2, %3 couche(s)"),
                   {std::to_string(t->encoches), std::to_string(s.p), std::to_string(t->couches)});
}

std::shared_ptr<const Bobinage> FabriquePersonnalise(const State& s) { return PersonnaliseDe(s); }

void EcritLienPersonnalise(const State& s, const State& defaut, OptionsLien& options) {
    // The slot members the kind keeps beside its table, while they still make a winding with p:
    // read before the table, they leave it the custom kind.
    if (s.encoches != defaut.encoches || s.couches != defaut.couches || s.pas != defaut.pas) {
        try {
            VerifieEncochesDe(s, s.p);
            EcritLienEncoches(s, defaut, options);
        } catch (const Erreur&) {
        }
    }
    options.emplace_back("perso", CodeLienBobinage(*TablePersonnalisee(s)));
}

void VerifiePersonnalise(const State& s, int p) {
    if (s.tableBobinage)
        VerifiePaires(p);
    else
        VerifieEncochesDe(s, p);
}

void PreparePersonnalise(State& s) { s.tableBobinage = TablePersonnalisee(s); }

}  // namespace kest
