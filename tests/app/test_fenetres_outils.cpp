// SPDX-License-Identifier: GPL-3.0-or-later
// The tool windows on a 1600 × 1000 screen: opened in any order, each lies beside the picture and
// off the others, or off their title bars where the screen is full; the menu's marks follow them
// however they are hidden; they are tool windows, minimised only with the main window.

#include <gtest/gtest.h>

#include <QAction>
#include <QChart>
#include <QChartView>
#include <QHeaderView>
#include <QScreen>
#include <QTableWidget>
#include <QTest>
#include <algorithm>
#include <array>
#include <string>

#include "app/FenetreOutil.h"
#include "app/TkestForm.h"
#include "model/Configuration.h"
#include "tests/support/FenetreTest.h"

namespace {

class FenetresOutils : public kest::test::FenetreTest {
protected:
    kest::FenetreOutil* Fenetre(const char* nom) {
        return form.findChild<kest::FenetreOutil*>(QString::fromLatin1(nom));
    }
    void Configurer(const std::vector<std::string>& arguments) {
        kest::Options options;
        kest::PrendOptions(arguments, options);
        form.Configurer(kest::FormeConfiguration(options));
    }
};

constexpr std::array<const char*, 3> kItems = {"Dimensions1", "Harmoniques1", "Alimentation1"};
constexpr std::array<const char*, 3> kFenetres = {"OptionsDlg", "HarmoniquesDlg",
                                                  "AlimentationDlg"};

TEST_F(FenetresOutils, EveryOpeningOrderCoversNeitherThePictureNorAnother) {
    std::array<int, 3> ordre = {0, 1, 2};
    const QRect ecran = form.screen()->availableGeometry();
    do {
        const std::string nom =
            std::string(kItems[ordre[0]]) + ", " + kItems[ordre[1]] + ", " + kItems[ordre[2]];
        for (int i : ordre) Action(kItems[i])->trigger();
        QCoreApplication::processEvents();
        std::vector<QRect> cadres{form.frameGeometry()};
        for (int i = 0; i < 3; ++i) {
            kest::FenetreOutil* f = Fenetre(kFenetres[i]);
            ASSERT_TRUE(f && f->isVisible()) << nom;
            EXPECT_TRUE(Action(kItems[i])->isChecked()) << nom;
            EXPECT_TRUE(ecran.contains(f->frameGeometry())) << nom << " " << kFenetres[i];
            for (const QRect& autre : cadres)
                EXPECT_FALSE(f->frameGeometry().intersects(autre)) << nom << " " << kFenetres[i];
            cadres.push_back(f->frameGeometry());
        }
        for (int i : ordre) Action(kItems[i])->trigger();
        for (int i = 0; i < 3; ++i) {
            EXPECT_FALSE(Fenetre(kFenetres[i])->isVisible()) << nom;
            EXPECT_FALSE(Action(kItems[i])->isChecked()) << nom;
        }
        // Alone again, the last one goes back to the picture's right: hidden ones take no room.
        Action(kItems[ordre[2]])->trigger();
        EXPECT_EQ(Fenetre(kFenetres[ordre[2]])->frameGeometry().topLeft(),
                  QPoint(form.frameGeometry().right() + 9, form.frameGeometry().top()))
            << nom;
        Action(kItems[ordre[2]])->trigger();
    } while (std::next_permutation(ordre.begin(), ordre.end()));
    EXPECT_TRUE(messages.empty());
}

// The close box unchecks the item, the item opens the window again; a tool window has a close
// box only.
TEST_F(FenetresOutils, TheMarkFollowsTheWindowAndOnlyACloseBox) {
    for (int i = 0; i < 3; ++i) {
        Action(kItems[i])->trigger();
        kest::FenetreOutil* f = Fenetre(kFenetres[i]);
        ASSERT_TRUE(f->isVisible()) << kItems[i];
        f->close();
        EXPECT_FALSE(f->isVisible()) << kItems[i];
        EXPECT_FALSE(Action(kItems[i])->isChecked()) << kItems[i];
        Action(kItems[i])->trigger();
        EXPECT_TRUE(f->isVisible()) << kItems[i];
        EXPECT_TRUE(Action(kItems[i])->isChecked()) << kItems[i];
        EXPECT_EQ(f->windowType(), Qt::Tool) << kItems[i];
        EXPECT_FALSE(f->windowFlags() &
                     (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        EXPECT_FALSE(f->isModal());
        // Escape hides only the window that has a Close button, the Harmoniques one.
        QTest::keyClick(f, Qt::Key_Escape);
        EXPECT_EQ(f->isVisible(), std::string(kFenetres[i]) != "HarmoniquesDlg") << kItems[i];
        if (!f->isVisible()) Action(kItems[i])->trigger();
        // Minimised alone, it takes the main window along; its item brings it back.
        f->showMinimized();
        EXPECT_TRUE(form.isMinimized()) << kItems[i];
        Action(kItems[i])->trigger();
        EXPECT_TRUE(f->isVisible() && !f->isMinimized()) << kItems[i];
        form.showNormal();
    }
}

// 12 slots, 10 poles: in every opening order, each window lies on the screen off the picture and
// off the title bar (the top 20 pixels of its frame) of any opened before it.
TEST_F(FenetresOutils, WhereTheScreenIsFullEveryTitleBarStaysInSight) {
    Configurer({"--p", "5", "--encoches", "12", "--alimentation", "monophasee"});
    constexpr std::array<const char*, 3> items = {"Bobinage1", "Harmoniques1", "Alimentation1"};
    constexpr std::array<const char*, 3> fenetres = {"BobinageDlg", "HarmoniquesDlg",
                                                     "AlimentationDlg"};
    const QRect ecran = form.screen()->availableGeometry();
    Action(items[0])->trigger();
    const QSize seule = Fenetre(fenetres[0])->size();
    Action(items[0])->trigger();
    std::array<int, 3> ordre = {0, 1, 2};
    do {
        std::vector<QRect> cadres;
        for (int i : ordre) {
            Action(items[i])->trigger();
            const QRect cadre = Fenetre(fenetres[i])->frameGeometry();
            const std::string nom = std::string(items[ordre[0]]) + "… " + fenetres[i];
            EXPECT_TRUE(ecran.contains(cadre)) << nom;
            EXPECT_FALSE(cadre.intersects(form.frameGeometry())) << nom;
            for (const QRect& avant : cadres)
                EXPECT_FALSE(cadre.intersects(QRect(avant.topLeft(), QSize(avant.width(), 20))))
                    << nom;
            cadres.push_back(cadre);
        }
        for (int i : ordre) Action(items[i])->trigger();
    } while (std::next_permutation(ordre.begin(), ordre.end()));
    // Made smaller for want of room (opened last above), alone it takes its size back.
    Action(items[0])->trigger();
    EXPECT_EQ(Fenetre(fenetres[0])->size(), seule);
    EXPECT_TRUE(messages.empty());
}

// The Harmoniques window compact, whatever the winding and supply: each row one line of text
// high, each column as wide as its texts, the table no wider than the window; the chart's axes
// as long as their texts, which the chart would elide.
TEST_F(FenetresOutils, HarmoniquesRowsAtTheTextsHeightAndTheAxisTitleWhole) {
    Action("Harmoniques1")->trigger();
    auto* tableau = Fenetre("HarmoniquesDlg")->findChild<QTableWidget*>("Tableau");
    QChart* chart = Fenetre("HarmoniquesDlg")->findChild<QChartView*>("Graphique")->chart();
    const QFontMetrics texte = tableau->fontMetrics();
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"--distribution", "double-etoile", "--alimentation", "libre"},
          {"--p", "5", "--encoches", "12", "--alimentation", "phase-coupee"}}) {
        Configurer(arguments);
        const std::string nom = arguments.back();
        ASSERT_GT(tableau->rowCount(), 0) << nom;
        for (int r = 0; r < tableau->rowCount(); ++r) {
            EXPECT_LE(tableau->rowHeight(r), texte.height() + 4) << nom << " row " << r;
            for (int c = 0; c < tableau->columnCount(); ++c)
                EXPECT_LE(texte.horizontalAdvance(tableau->item(r, c)->text()),
                          tableau->columnWidth(c))
                    << nom << " row " << r << " column " << c;
        }
        EXPECT_LE(tableau->horizontalHeader()->length(), tableau->viewport()->width()) << nom;
        const QAbstractAxis* axe = chart->axes(Qt::Vertical).front();
        EXPECT_LE(QFontMetrics(axe->titleFont()).horizontalAdvance(axe->titleText()),
                  chart->plotArea().height())
            << nom;
        // The chart elides an order's number wider than its interval less 5 pixels each side.
        const QAbstractAxis* rangs = chart->axes(Qt::Horizontal).front();
        EXPECT_LE(QFontMetrics(rangs->labelsFont()).horizontalAdvance("25") + 10,
                  chart->plotArea().width() / 26)
            << nom;
    }
}

// With no free place on the screen, a window goes beside the picture as far as the screen
// lets it, over another tool window rather than over the picture.
TEST(PositionLibre, BesideTheOthersThenBesideThePicture) {
    const QSize taille(300, 200);
    const QRect principale(100, 100, 700, 500);
    const struct {
        const char* nom;
        std::vector<QRect> occupes;
        QRect ecran;
        QPoint attendu;
    } cas[] = {
        {"right of the picture", {principale}, {0, 0, 1920, 1080}, {808, 100}},
        {"below the picture", {principale, {808, 100, 760, 600}}, {0, 0, 1920, 1080}, {100, 608}},
        {"right of the other",
         {principale, {808, 100, 760, 600}, {100, 608, 300, 400}},
         {0, 0, 1920, 1080},
         {1576, 100}},
        {"no room: beside the picture",
         {principale, {0, 0, 90, 90}},
         {0, 0, 1000, 700},
         {700, 100}},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(kest::PositionLibre(c.occupes, taille, c.ecran), c.attendu) << c.nom;
    }
}

// Where the screen is full: smaller before over another; over another only off its 20-pixel
// title bar, else beside the picture.
TEST(CadreLibre, SmallerThenOffTheTitleBars) {
    const QRect image(100, 100, 700, 500), ecran(0, 0, 1600, 1000);
    const QSize haute(727, 434);
    EXPECT_EQ(kest::CadreLibre({image, {808, 100, 726, 500}}, {726, 670}, {533, 300}, ecran, 20),
              QRect(100, 608, 533, 300));
    EXPECT_EQ(kest::CadreLibre({image, {808, 100, 726, 440}, {808, 548, 726, 300}}, haute, haute,
                               ecran, 20),
              QRect(QPoint(808, 100), haute));
}

}  // namespace
