// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/Langue.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>
#include <map>
#include <mutex>
#include <string>
#include <utility>

#include "model/Erreur.h"
#include "model/Textes.h"

namespace kest {

namespace {

Langue choisie = Langue::Francais;

// The English catalogue, compiled from translations/kest_en.ts into the program's resources.
QTranslator& Catalogue() {
    static QTranslator catalogue;
    return catalogue;
}

// The model's and the scene's texts through the catalogue. A translation found once is kept
// for the rest of the run, so that the text handed back outlives the call.
const char* TraduitParLeCatalogue(const char* contexte, const char* source) {
    static std::mutex verrou;
    static std::map<std::pair<std::string, std::string>, std::string> textes;
    const std::lock_guard<std::mutex> garde(verrou);
    auto cle = std::make_pair(std::string(contexte), std::string(source));
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
    for (const QString& langue : QLocale::system().uiLanguages()) {
        if (langue.startsWith(QLatin1String("en"))) return Langue::Anglais;
        if (langue.startsWith(QLatin1String("fr"))) return Langue::Francais;
    }
    return Langue::Francais;
}

std::optional<Langue> LangueDuNom(std::string_view nom) {
    if (nom == "fr") return Langue::Francais;
    if (nom == "en") return Langue::Anglais;
    return std::nullopt;
}

std::optional<Langue> LangueDemandee(const std::vector<std::string>& arguments) {
    std::optional<Langue> langue;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view a = arguments[i];
        std::optional<std::string_view> valeur;
        if (a == "--langue") {
            if (i + 1 >= arguments.size())
                throw Erreur(Traduit("Langue", "L'option --langue attend une valeur (fr ou en)"));
            valeur = arguments[++i];
        } else if (a.starts_with("--langue=")) {
            valeur = a.substr(9);
        }
        if (!valeur) continue;
        if (langue) throw Erreur(Traduit("Langue", "L'option --langue est donnée deux fois"));
        langue = LangueDuNom(*valeur);
        if (!langue)
            throw Erreur(Remplit(Traduit("Langue", "'%1' n'est pas une langue correcte (fr ou en)"),
                                 {*valeur}));
    }
    return langue;
}

void ChoisitLangue(Langue langue) {
    choisie = langue;
    if (langue == Langue::Anglais && Catalogue().load(QStringLiteral(":/traductions/kest_en.qm"))) {
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
    if (choisie == Langue::Anglais && !Catalogue().isEmpty())
        QCoreApplication::installTranslator(&Catalogue());
}

}  // namespace kest
