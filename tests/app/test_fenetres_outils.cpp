// SPDX-License-Identifier: GPL-3.0-or-later
// The tool windows on a 1600 × 1000 screen: Dimensions, Harmoniques and Alimentation, opened in
// any order, each lie beside the picture and off the others; Bobinage, Harmoniques and
// Alimentation, which the screen cannot hold apart, leave every title bar in sight. The menu's
// marks follow them however they are hidden; they are tool windows, with no minimise or maximise
// button, minimised only with the main window. The Harmoniques window is compact: one text line a
// row, its value axis' title whole.

#include <gtest/gtest.h>

#include <QAction>
#include <QChart>
#include <QChartView>
#include <QHeaderView>
#include <QScreen>
#include <QTableWidget>
#include <QTest>
#include <QValueAxis>
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
        // Minimised by a window manager, it takes the main window along; its item brings it
        // back rather than hiding it.
        f->showMinimized();
        QCoreApplication::processEvents();
        EXPECT_TRUE(form.isMinimized()) << kItems[i];
        form.showNormal();
        Action(kItems[i])->trigger();
        EXPECT_TRUE(f->isVisible() && !f->isMinimized()) << kItems[i];
    }
}

// A slot winding of 12 slots and 10 poles, its Harmoniques window the tallest: in every opening
// order, each window lies on the screen off the picture, and none covers the title bar of one
// opened before it (the top 20 pixels of its frame, where a window manager draws the title).
TEST_F(FenetresOutils, WhereTheScreenIsFullEveryTitleBarStaysInSight) {
    kest::Options options;
    kest::PrendOptions({"--p", "5", "--encoches", "12", "--alimentation", "monophasee"}, options);
    form.Configurer(kest::FormeConfiguration(options));
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
            QTest::qWait(1);  // the chart asks for its axes' room after its layout
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

// Each row one line of text high, each column as wide as its texts and the table no wider than
// the window, whatever the winding and supply; the value axis as long as its title, which the
// chart would elide.
TEST_F(FenetresOutils, HarmoniquesRowsAtTheTextsHeightAndTheAxisTitleWhole) {
    Action("Harmoniques1")->trigger();
    auto* tableau = Fenetre("HarmoniquesDlg")->findChild<QTableWidget*>("Tableau");
    QChart* chart = Fenetre("HarmoniquesDlg")->findChild<QChartView*>("Graphique")->chart();
    const QFontMetrics texte = tableau->fontMetrics();
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"--alimentation", "libre", "--amplitudes", "1,0.5,1"},
          {"--distribution", "double-etoile", "--alimentation", "monophasee"},
          {"--p", "5", "--encoches", "12", "--alimentation", "phase-coupee"}}) {
        kest::Options options;
        kest::PrendOptions(arguments, options);
        form.Configurer(kest::FormeConfiguration(options));
        QTest::qWait(1);
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

// Beside the picture, else beside another; where the screen is full, smaller, else over another
// below its 20-pixel title bar; with no such place, beside the picture as far as the screen
// lets it, over another tool window rather than over the picture.
TEST(CadreLibre, ApartThenSmallerThenBelowTheTitleBarsThenBesideThePicture) {
    const QRect principale(100, 100, 700, 500), ecran(0, 0, 1600, 1000);
    const QSize petite(300, 200), haute(727, 434);
    const struct {
        const char* nom;
        std::vector<QRect> occupes;
        QSize taille, minimum;
        QRect attendu;
    } cas[] = {
        {"right of the picture", {principale}, petite, petite, {{808, 100}, petite}},
        {"below the picture",
         {principale, {808, 100, 760, 600}},
         petite,
         petite,
         {{100, 608}, petite}},
        {"right of the other",
         {principale, {808, 100, 400, 600}, {100, 608, 300, 390}},
         petite,
         petite,
         {{1216, 100}, petite}},
        {"smaller, apart",
         {principale, {808, 100, 726, 500}},
         {726, 670},
         {533, 300},
         {100, 608, 533, 300}},
        {"smaller, below a title bar",
         {principale, {808, 100, 507, 328}, {808, 436, 727, 434}},
         {726, 670},
         {533, 478},
         {808, 522, 533, 478}},
        {"below the other's title bar",
         {principale, {808, 100, 726, 670}},
         haute,
         haute,
         {{808, 566}, haute}},
        {"no room below a title bar",
         {principale, {808, 100, 726, 440}, {808, 548, 726, 300}},
         haute,
         haute,
         {{808, 100}, haute}},
        {"no room: beside the picture",
         {principale, {0, 0, 90, 90}},
         {900, 600},
         {900, 600},
         {{700, 100}, QSize(900, 600)}},
    };
    for (const auto& c : cas)
        EXPECT_EQ(kest::CadreLibre(c.occupes, c.taille, c.minimum, ecran, 20), c.attendu) << c.nom;
}

}  // namespace
