// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/Langue.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>
#include <iterator>
#include <map>
#include <mutex>
#include <string>
#include <tuple>
#include <utility>

#include "model/Erreur.h"
#include "model/Textes.h"
#include "render/Langues.h"

namespace kest {

namespace {

Langue choisie = kFrancais;

// The chosen language's catalogue, compiled from its .ts file into the program's resources.
QTranslator& Catalogue() {
    static QTranslator catalogue;
    return catalogue;
}

// The model's and the scene's texts through the catalogue. A translation found once is kept,
// by language, for the rest of the run, so that the text handed back outlives the call.
const char* TraduitParLeCatalogue(const char* contexte, const char* source) {
    static std::mutex verrou;
    static std::map<std::tuple<std::size_t, std::string, std::string>, std::string> textes;
    const std::lock_guard<std::mutex> garde(verrou);
    auto cle = std::make_tuple(choisie.rang, std::string(contexte), std::string(source));
    auto trouve = textes.find(cle);
    if (trouve == textes.end()) {
        const QString traduction = Catalogue().translate(contexte, source);
        if (traduction.isEmpty()) return source;
        trouve = textes.emplace(std::move(cle), traduction.toStdString()).first;
    }
    return trouve->second.c_str();
}

}  // namespace

Langue LangueDuSysteme() {
    // "en", "en-GB", "en_US" name English; "eng" or "enx" name no language of the list.
    for (const QString& nom : QLocale::system().uiLanguages()) {
        for (std::size_t rang = 0; rang < std::size(kLangues); ++rang) {
            const QLatin1String code(kLangues[rang].code);
            if (nom.startsWith(code) &&
                (nom.size() == code.size() || nom[code.size()] == u'-' || nom[code.size()] == u'_'))
                return Langue{rang};
        }
    }
    return kFrancais;
}

std::optional<Langue> LangueDuNom(std::string_view nom) {
    for (std::size_t rang = 0; rang < std::size(kLangues); ++rang)
        if (nom == kLangues[rang].code) return Langue{rang};
    return std::nullopt;
}

std::string_view CodeDeLangue(Langue langue) { return kLangues[langue.rang].code; }

QString TraductionQt(Langue langue) { return QString::fromLatin1(kLangues[langue.rang].qt); }

std::string CodesDesLangues() {
    std::string codes;
    for (const LigneLangue& l : kLangues)
        codes += (codes.empty() ? "" : ", ") + std::string(l.code);
    return codes;
}

std::optional<Langue> LangueDemandee(const std::vector<std::string>& arguments) {
    std::optional<Langue> langue;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view a = arguments[i];
        std::optional<std::string_view> valeur;
        if (a == "--langue") {
            if (i + 1 >= arguments.size())
                throw Erreur(Remplit(Traduit("Langue", "L'option --langue attend une valeur (%1)"),
                                     {CodesDesLangues()}));
            valeur = arguments[++i];
        } else if (a.starts_with("--langue=")) {
            valeur = a.substr(9);
        }
        if (!valeur) continue;
        if (langue) throw Erreur(Traduit("Langue", "L'option --langue est donnée deux fois"));
        langue = LangueDuNom(*valeur);
        if (!langue)
            throw Erreur(Remplit(Traduit("Langue", "'%1' n'est pas une langue correcte (%2)"),
                                 {*valeur, CodesDesLangues()}));
    }
    return langue;
}

void ChoisitLangue(Langue langue) {
    choisie = langue;
    const QString catalogue = QString::fromLatin1(kLangues[langue.rang].catalogue);
    if (!catalogue.isEmpty() && Catalogue().load(catalogue)) {
        InstalleTraducteur(&TraduitParLeCatalogue);
    } else {
        InstalleTraducteur(nullptr);
    }
}

Langue LangueChoisie() { return choisie; }

QString Texte(const char* contexte, const char* source) {
    return QString::fromUtf8(Traduit(contexte, source));
}

void InstalleCatalogue() {
    if (choisie != kFrancais && !Catalogue().isEmpty())
        QCoreApplication::installTranslator(&Catalogue());
}

}  // namespace kest
