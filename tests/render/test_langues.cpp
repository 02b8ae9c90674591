// SPDX-License-Identifier: GPL-3.0-or-later
// The list of languages (translations/langues.txt) is what the programs speak: each row's code
// names its language, its catalogue is built in and translates, Qt's own translation is found.
#include <gtest/gtest.h>

#include <QLibraryInfo>
#include <QTranslator>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "model/Erreur.h"
#include "model/Textes.h"
#include "render/Langue.h"

namespace {

struct Ligne {
    std::string code, catalogue, qt;
};

std::vector<Ligne> LitListe() {
    std::ifstream fichier(KEST_LISTE_LANGUES);
    std::vector<Ligne> lignes;
    for (std::string texte; std::getline(fichier, texte);) {
        if (texte.empty() || texte[0] == '#') continue;
        std::istringstream champs(texte);
        Ligne l;
        champs >> l.code >> l.catalogue >> l.qt;
        lignes.push_back(l);
    }
    return lignes;
}

std::string Refus(const std::vector<std::string>& arguments) {
    try {
        kest::LangueDemandee(arguments);
    } catch (const kest::Erreur& e) {
        return e.message();
    }
    return {};
}

TEST(Langues, EachRowOfTheListIsALanguageOfThePrograms) {
    const std::vector<Ligne> lignes = LitListe();
    ASSERT_GE(lignes.size(), 2u);
    EXPECT_EQ(lignes.front().catalogue, "-");  // French, the source, comes first
    const char* const source = "'%1' n'est pas une valeur entière correcte";
    std::string codes;
    for (std::size_t rang = 0; rang < lignes.size(); ++rang) {
        const Ligne& l = lignes[rang];
        SCOPED_TRACE(l.code);
        const auto langue = kest::LangueDuNom(l.code);
        ASSERT_TRUE(langue);
        EXPECT_EQ(langue->rang, rang);
        EXPECT_EQ(kest::CodeDeLangue(*langue), l.code);
        EXPECT_EQ(kest::LangueDemandee({"--p", "2", "--langue=" + l.code}), langue);
        EXPECT_EQ(kest::TraductionQt(*langue).toStdString(), l.qt);
        QTranslator qt;
        EXPECT_TRUE(qt.load(kest::TraductionQt(*langue),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
        kest::ChoisitLangue(*langue);
        EXPECT_EQ(kest::LangueChoisie(), langue);
        EXPECT_EQ(std::string(kest::Traduit("Conversions", source)) != source, l.catalogue != "-");
        codes += (codes.empty() ? "" : ", ") + l.code;
    }
    kest::ChoisitLangue(kest::kFrancais);
    EXPECT_EQ(kest::Traduit("Conversions", source), std::string(source));
    EXPECT_EQ(kest::CodesDesLangues(), codes);
    for (const char* nom : {"", "f", "fra", "EN", "en-GB"})
        EXPECT_FALSE(kest::LangueDuNom(nom)) << nom;
    // A code ISO 639 keeps for local use (qaa–qtz) and never gives a language, so that adding a
    // language to the list never makes this refusal wrong.
    EXPECT_EQ(Refus({"--langue", "qaa"}), "'qaa' n'est pas une langue correcte (" + codes + ")");
    EXPECT_EQ(Refus({"--langue"}), "L'option --langue attend une valeur (" + codes + ")");
    EXPECT_EQ(Refus({"--langue", lignes[0].code, "--langue=" + lignes[1].code}),
              "L'option --langue est donnée deux fois");
}

}  // namespace
