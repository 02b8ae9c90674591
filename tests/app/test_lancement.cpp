// SPDX-License-Identifier: GPL-3.0-or-later
// What surrounds the windows: Qt's own texts in French, the options dialog on its own (it only
// reports what the user did), and the interface font and status bar of the main window.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <bit>
#include <cstdint>
#include <memory>
#include <tuple>
#include <vector>

#include "app/Disposition.h"
#include "app/Lancement.h"
#include "app/TOptionsDlg.h"
#include "app/TkestForm.h"
#include "model/Configuration.h"
#include "model/Erreur.h"
#include "model/State.h"
#include "render/Ecran.h"

namespace {

QStringList Textes(QMenu& menu) {
    QStringList textes;
    for (const QAction* a : menu.actions())
        if (!a->isSeparator()) textes << a->text().section(QLatin1Char('\t'), 0, 0);
    return textes;
}

// The context menu of an edit field and the speed bar's texts come from Qt itself.
TEST(TraductionQt, TheFrameworksOwnTextsAreFrench) {
    QTranslator* traduction = kest::InstallerTraductionQt(*qApp);
    ASSERT_NE(traduction, nullptr) << "qtbase_fr.qm not found (Debian qt6-translations-l10n)";
    EXPECT_EQ(traduction->parent(), qApp);
    QLineEdit edit;
    const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    const QStringList textes = Textes(*menu);
    EXPECT_TRUE(textes.contains(QStringLiteral("Tout sélectionner")))
        << textes.join(" | ").toStdString();
    EXPECT_FALSE(textes.contains(QStringLiteral("Select All")));
    EXPECT_FALSE(textes.contains(QStringLiteral("&Undo")));
    EXPECT_NE(QCoreApplication::translate("QScrollBar", "Scroll here"), "Scroll here");
    QCoreApplication::removeTranslator(traduction);
    delete traduction;
    EXPECT_TRUE(Textes(*std::unique_ptr<QMenu>(edit.createStandardContextMenu()))
                    .contains(QStringLiteral("Select All")));
}

// Alone, with no main window: Enter and the buttons report the texts as typed and the
// selection, the close box reports itself, and a hint leaves as a signal.
TEST(DialogueSeul, ReportsWhatTheUserDidAndTouchesNothing) {
    kest::TOptionsDlg dialogue;
    std::vector<kest::Saisie> saisies;
    std::vector<std::pair<bool, bool>> distributions;
    int fermetures = 0;
    QStringList aides;
    QObject::connect(&dialogue, &kest::TOptionsDlg::ValeursEntrees,
                     [&](const kest::Saisie& s) { saisies.push_back(s); });
    QObject::connect(&dialogue, &kest::TOptionsDlg::DistributionChoisie,
                     [&](bool r, bool d) { distributions.emplace_back(r, d); });
    QObject::connect(&dialogue, &kest::TOptionsDlg::Fermee, [&] { ++fermetures; });
    QObject::connect(&dialogue, &kest::TOptionsDlg::AideAffichee,
                     [&](const QString& a) { aides << a; });

    kest::State s;
    s.Reelle = true;
    s.p = -4;
    dialogue.Remplir(s, ",");
    ASSERT_EQ(distributions.size(), 1u);  // Réelle became selected
    EXPECT_EQ(distributions[0], std::pair(true, false));
    auto* p = dialogue.findChild<QLineEdit*>("IDC_p");
    auto* y = dialogue.findChild<QLineEdit*>("IDC_Y");
    EXPECT_EQ(p->text(), "-4");
    EXPECT_EQ(y->text(), "3,14159265358979");

    dialogue.show();
    y->setText(" 1e309 ");
    QTest::keyClick(y, Qt::Key_Escape);  // ignored: no Cancel button
    EXPECT_TRUE(dialogue.isVisible());
    QTest::keyClick(p, Qt::Key_Enter);
    ASSERT_EQ(saisies.size(), 1u);
    EXPECT_EQ(saisies[0].p, "-4");
    EXPECT_EQ(saisies[0].m, "2");
    EXPECT_EQ(saisies[0].Y, " 1e309 ");
    EXPECT_TRUE(saisies[0].reelle);
    EXPECT_FALSE(saisies[0].doubleEtoile);

    QTest::mouseClick(dialogue.findChild<QRadioButton*>("RBDoubleetoile"), Qt::LeftButton);
    ASSERT_EQ(distributions.size(), 2u);
    EXPECT_EQ(distributions[1], std::pair(false, true));

    QStatusTipEvent aide(QStringLiteral("Type de distribution de la kest"));
    QCoreApplication::sendEvent(&dialogue, &aide);
    EXPECT_EQ(aides, QStringList{"Type de distribution de la kest"});

    dialogue.close();
    EXPECT_FALSE(dialogue.isVisible());
    EXPECT_EQ(fermetures, 1);
    EXPECT_EQ(saisies.size(), 1u);  // closing applies nothing
}

// The 8-point text is the copy's text height on this screen; the title of the About box keeps
// its own pixel size. The status bar is 19 pixels, full width, at the bottom.
TEST(FenetrePrincipale, EightPointFontAndStatusBar) {
    const int huitPoints = *kest::HauteurPolice(kest::PixelsParPouce());
    EXPECT_EQ(kest::PixelsParPouce(), 96);  // offscreen: the layout's own resolution
    EXPECT_EQ(huitPoints, 11);
    EXPECT_EQ(kest::PoliceInterface().pixelSize(), huitPoints);
    EXPECT_TRUE(kest::PoliceInterface(true).bold());
    EXPECT_EQ(kest::PoliceEnPixels(16, true).pixelSize(), 16);

    kest::TkestForm form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_EQ(form.font().pixelSize(), huitPoints);
    const QStatusBar* barre = form.statusBar();
    EXPECT_EQ(barre->geometry(), QRect(0, form.height() - 19, form.width(), 19));
    form.resize(500, 300);
    QCoreApplication::processEvents();
    EXPECT_EQ(barre->geometry(), QRect(0, 300 - 19, 500, 19));
}

// kest --lien opens the window in the configuration that the model forms from the link, for each
// link of the table that the page and the exporter read too (tests/support/liens.json): the
// state, the check boxes, the speed bar and the clock, which write the same link back.
TEST(LigneDeCommande, TheWindowOpensInTheLinksConfiguration) {
    QFile fichier(QStringLiteral(KEST_LIENS));
    ASSERT_TRUE(fichier.open(QIODevice::ReadOnly));
    const QJsonArray liens = QJsonDocument::fromJson(fichier.readAll()).array();
    ASSERT_GT(liens.size(), 5);
    for (const QJsonValue& valeur : liens) {
        const std::string lien = valeur.toString().toStdString();
        SCOPED_TRACE(lien);
        const kest::LigneDeCommande ligne = kest::LitLigneDeCommande({"--lien", lien});
        EXPECT_FALSE(ligne.aide);
        EXPECT_TRUE(ligne.reste.empty());
        const kest::Configuration attendue = kest::FormeConfiguration(kest::LitLien(lien));
        kest::TkestForm form;
        form.Configurer(ligne.configuration);
        const kest::Configuration c = form.ConfigurationCourante();
        EXPECT_EQ(kest::EcritLien(c), kest::EcritLien(attendue));
        const auto etat = [](const kest::State& e) {
            return std::tuple(
                e.p, e.m, e.NbEncoches, e.Reelle, e.DoubleEtoile, std::bit_cast<std::uint64_t>(e.Y),
                std::bit_cast<std::uint64_t>(e.Alpha), std::bit_cast<std::uint64_t>(e.t));
        };
        EXPECT_EQ(etat(form.Etat()), etat(attendue.etat));
        const auto coche = [&](const char* nom) {
            return form.findChild<QCheckBox*>(QString::fromLatin1(nom))->isChecked();
        };
        EXPECT_EQ(coche("CheckBoxAfficheVect"), attendue.affichage.Vecteurs);
        EXPECT_EQ(coche("CheckBoxAfficheOnde"), attendue.affichage.Onde);
        EXPECT_EQ(coche("CheckBoxAfficheBobinage"), attendue.affichage.Bobinage);
        EXPECT_EQ(form.findChild<QScrollBar*>("ScrollBar1")->value(), attendue.intervalle);
        const QTimer* horloge = form.findChild<QTimer*>("Timer1");
        EXPECT_EQ(horloge->interval(), attendue.intervalle);
        EXPECT_EQ(horloge->isActive(), attendue.enMarche);
        EXPECT_EQ(form.findChild<QPushButton*>("SpeedButton1")->text(),
                  attendue.enMarche ? "Stop" : "Play");
    }

    // The exporter's options, with Qt's left for the application; --help; the refusals.
    const kest::LigneDeCommande ligne = kest::LitLigneDeCommande(
        {"--p", "2", "-platform", "offscreen", "--m=3", "--distribution", "reelle", "--sans-onde"});
    EXPECT_EQ(ligne.reste, (std::vector<std::string>{"-platform", "offscreen"}));
    EXPECT_EQ(kest::EcritLien(ligne.configuration), "p=2&m=3&distribution=reelle&onde=0");
    EXPECT_TRUE(kest::LitLigneDeCommande({"--p", "abc", "--help"}).aide);
    const auto refus = [](auto&& essai) {
        try {
            essai();
        } catch (const kest::Erreur& e) {
            return e.message();
        }
        return std::string();
    };
    EXPECT_EQ(refus([] {
                  kest::LitLigneDeCommande({"--lien", "#m=0"});
              }),
              "Division par zéro en virgule flottante");
    EXPECT_EQ(refus([] {
                  kest::RefuseLeReste({"--p", "2", "--couleur", "rouge"});
              }),
              "Option inconnue « --couleur » (voir kest --help)");
    EXPECT_EQ(refus([] { kest::RefuseLeReste({"--sans-onde"}); }), "");
}

}  // namespace
