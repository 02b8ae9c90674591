// SPDX-License-Identifier: GPL-3.0-or-later
// The two languages of the window: French, the source, with no catalogue; English from the
// catalogue built into the program, as main() installs it. The French test comes first: the
// English one leaves its catalogue installed in the process.

#include <gtest/gtest.h>

#include <QAbstractAxis>
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTableWidget>
#include <QTest>
#include <QXmlStreamReader>
#include <string>
#include <vector>

#include "app/BoiteErreur.h"
#include "app/TAboutDlg.h"
#include "app/THarmoniquesDlg.h"
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

// The French sources that have an English text of their own in the catalogue: whole texts, and
// templates ("%1") as patterns.
struct Sources {
    QSet<QString> textes;
    std::vector<QRegularExpression> modeles;
    bool Francais(const QString& t) const {
        if (textes.contains(t)) return true;
        for (const QRegularExpression& m : modeles)
            if (m.match(t).hasMatch()) return true;
        return false;
    }
};

Sources LireSources() {
    Sources s;
    QFile fichier(QStringLiteral(KEST_CATALOGUE));
    EXPECT_TRUE(fichier.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&fichier);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("source")) source = xml.readElementText();
        if (xml.name() != QLatin1String("translation")) continue;
        const QString anglais = xml.readElementText();
        if (anglais.isEmpty() || anglais == source) continue;
        if (!source.contains(QRegularExpression(QStringLiteral("%\\d")))) {
            s.textes.insert(source);
            continue;
        }
        QString motif = QRegularExpression::escape(source);
        motif.replace(QRegularExpression(QStringLiteral("%\\d")), QStringLiteral(".*"));
        s.modeles.emplace_back(QStringLiteral("^") + motif + QStringLiteral("$"),
                               QRegularExpression::DotMatchesEverythingOption);
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return s;
}

// Every text a window shows: titles, captions, hints, the table's headers and cells, the chart's
// titles and legends, the menus' items and hints.
void Textes(QWidget& fenetre, QStringList& textes) {
    textes << fenetre.windowTitle() << fenetre.statusTip();
    for (QWidget* w : fenetre.findChildren<QWidget*>()) {
        textes << w->statusTip() << w->windowTitle();
        if (auto* l = qobject_cast<QLabel*>(w)) textes << l->text();
        if (auto* b = qobject_cast<QAbstractButton*>(w)) textes << b->text();
        if (auto* g = qobject_cast<QGroupBox*>(w)) textes << g->title();
        if (auto* t = qobject_cast<QTableWidget*>(w))
            for (int c = 0; c < t->columnCount(); ++c) {
                textes << t->horizontalHeaderItem(c)->text();
                for (int r = 0; r < t->rowCount(); ++r) textes << t->item(r, c)->text();
            }
        if (auto* v = qobject_cast<QChartView*>(w)) {
            textes << v->chart()->title();
            for (const QAbstractAxis* a : v->chart()->axes()) textes << a->titleText();
            for (const QBarSet* b : v->chart()->findChildren<QBarSet*>()) textes << b->label();
        }
    }
    for (const QAction* a : fenetre.findChildren<QAction*>()) textes << a->text() << a->statusTip();
}

// The English window through its menus, its three tool windows under each supply, the About
// box and both copies: no text a user reads there is a French source that has English.
TEST(Langue, TheEnglishWindowShowsNoFrenchText) {
    kest::ChoisitLangue(*kest::LangueDuNom("en"));
    kest::InstalleCatalogue();
    const Sources francais = LireSources();
    ASSERT_TRUE(
        francais.Francais(QStringLiteral("Affiche l'image sur tout l'écran (Échap pour "
                                         "revenir)")));
    QStringList textes;
    {
        kest::TkestForm form;
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        for (const char* outil : {"Dimensions1", "Harmoniques1", "Alimentation1"})
            form.findChild<QAction*>(QString::fromLatin1(outil))->trigger();
        kest::THarmoniquesDlg& spectre = form.CreerHarmoniquesDlg();
        for (int i = 0; i < 5; ++i) {
            form.findChild<QRadioButton*>(QStringLiteral("RBAlimentation%1").arg(i))->click();
            for (QWidget* fenetre : QApplication::topLevelWidgets())
                if (fenetre->isVisible()) Textes(*fenetre, textes);
            spectre.Copier(*QGuiApplication::clipboard());
            textes << QGuiApplication::clipboard()->text().split(QRegularExpression("[\t\n]"));
        }
        kest::TAboutDlg boite(&form);
        Textes(boite, textes);
        form.Copy1Click();
        const QString svg = QString::fromUtf8(
            QGuiApplication::clipboard()->mimeData()->data(QStringLiteral("image/svg+xml")));
        QRegularExpressionMatchIterator m =
            QRegularExpression(QStringLiteral(">([^<>]+)</text>")).globalMatch(svg);
        int etiquettes = 0;
        for (; m.hasNext(); ++etiquettes) textes << m.next().captured(1);
        EXPECT_GE(etiquettes, 2);
    }
    EXPECT_GT(textes.size(), 200);
    for (const QString& t : QSet<QString>(textes.begin(), textes.end()))
        EXPECT_FALSE(francais.Francais(t)) << t.toStdString();
    EXPECT_TRUE(
        textes.contains(QStringLiteral("Shows the picture on the whole screen (Esc to come "
                                       "back)")));
}

}  // namespace
