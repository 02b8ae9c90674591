// SPDX-License-Identifier: GPL-3.0-or-later
// The two languages of the window: French, the source, with no catalogue; English from the
// catalogue built into the program, as main() installs it. The French test comes first: the
// English one leaves its catalogue installed in the process.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <string>
#include <vector>

#include "app/BoiteErreur.h"
#include "app/TOptionsDlg.h"
#include "app/TkestForm.h"
#include "render/Langue.h"
#include "scene/Dessine.h"
#include "tests/support/RecordingSurface.h"

namespace {

// The access letters of a menu's items, or of the menu bar's menus, in lower case: each once.
void AccesUniques(const QList<QAction*>& actions, const QString& ou) {
    QSet<QChar> lettres;
    for (const QAction* a : actions) {
        const QString texte = a->text();
        const auto i = texte.indexOf(QLatin1Char('&'));
        if (a->isSeparator() || a->menu() == nullptr && texte.isEmpty()) continue;
        ASSERT_GE(i, 0) << "no access key: " << texte.toStdString() << " in " << ou.toStdString();
        const QChar lettre = texte.at(i + 1).toLower();
        EXPECT_FALSE(lettres.contains(lettre))
            << "access key " << QString(lettre).toStdString() << " twice in " << ou.toStdString();
        lettres.insert(lettre);
    }
}

// The texts the scene writes, as the window and the copy draw them.
std::vector<std::string> Etiquettes() {
    kest::State etat;
    kest::test::RecordingSurface r;
    kest::Dessine(r, etat, {});
    std::vector<std::string> textes;
    for (const kest::test::Appel& a : r.appels)
        if (a.op == kest::test::Op::TextOut) textes.push_back(a.texte);
    return textes;
}

// What a user of the language reads: the menus (access keys unique in each), a hint, a check
// box, a label of the dialog, the error box of a bad p, and the scene's two labels.
struct Lecture {
    QStringList menus;
    QString aideVitesse, caseBobinage, libelleP;
    std::vector<std::string> messages;
    std::vector<std::string> etiquettes;
};

Lecture Lire() {
    Lecture l;
    const kest::Rapporteur ancien =
        kest::DefinirRapporteur([&](const std::string& m) { l.messages.push_back(m); });
    {
        kest::TkestForm form;
        kest::TOptionsDlg& dialogue = form.CreerOptionsDlg();
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
        AccesUniques(form.menuBar()->actions(), QStringLiteral("the menu bar"));
        for (QAction* a : form.menuBar()->actions()) {
            l.menus << a->text();
            AccesUniques(a->menu()->actions(), a->text());
        }
        l.aideVitesse = form.findChild<QScrollBar*>(QStringLiteral("ScrollBar1"))->statusTip();
        l.caseBobinage =
            form.findChild<QCheckBox*>(QStringLiteral("CheckBoxAfficheBobinage"))->text();
        form.findChild<QAction*>(QStringLiteral("Dimensions1"))->trigger();
        l.libelleP = dialogue.findChild<QLabel*>(QStringLiteral("IDC_pLabel"))->text();
        auto* p = dialogue.findChild<QLineEdit*>(QStringLiteral("IDC_p"));
        p->setText(QStringLiteral("abc"));
        QTest::keyClick(p, Qt::Key_Return);
    }
    kest::DefinirRapporteur(ancien);
    l.etiquettes = Etiquettes();
    return l;
}

TEST(Langue, FrenchIsTheSourceWithoutACatalogue) {
    ASSERT_EQ(kest::LangueChoisie(), kest::kFrancais);
    const Lecture l = Lire();
    EXPECT_EQ(l.menus, QStringList({"&Fichier", "&Edit", "&Simulation", "&Options", "&Aide"}));
    EXPECT_EQ(l.aideVitesse, QStringLiteral("Choisi la vitesse de l'animation"));
    EXPECT_EQ(l.caseBobinage, QStringLiteral("Bobinage"));
    EXPECT_EQ(l.libelleP, QStringLiteral("Nombre de paire de pôles p :"));
    EXPECT_EQ(l.messages, std::vector<std::string>{"'abc' n'est pas une valeur entière correcte"});
    EXPECT_EQ(l.etiquettes, (std::vector<std::string>{"Fresnel", "Vecteur spatial"}));
}

TEST(Langue, EnglishFromTheBuiltInCatalogue) {
    kest::ChoisitLangue(*kest::LangueDuNom("en"));
    kest::InstalleCatalogue();
    const Lecture l = Lire();
    EXPECT_EQ(l.menus, QStringList({"&File", "&Edit", "&Simulation", "&Options", "&Help"}));
    EXPECT_EQ(l.aideVitesse, QStringLiteral("Chooses the speed of the animation"));
    EXPECT_EQ(l.caseBobinage, QStringLiteral("Winding"));
    EXPECT_EQ(l.libelleP, QStringLiteral("Number of pole pairs p:"));
    EXPECT_EQ(l.messages, std::vector<std::string>{"'abc' is not a valid integer value"});
    EXPECT_EQ(l.etiquettes, (std::vector<std::string>{"Phasors", "Space vector"}));
    // Back to French: the model's and the scene's texts are the sources again.
    kest::ChoisitLangue(kest::kFrancais);
    EXPECT_EQ(Etiquettes(), (std::vector<std::string>{"Fresnel", "Vecteur spatial"}));
}

}  // namespace
