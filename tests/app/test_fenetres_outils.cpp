// SPDX-License-Identifier: GPL-3.0-or-later
// The tool windows (Dimensions, Harmoniques, Alimentation) on a 1920 × 1080 screen: opened in any
// order, each lies beside the picture and off the others; the menu's marks follow them however
// they are hidden; they are tool windows, with no minimise or maximise button.

#include <gtest/gtest.h>

#include <QAction>
#include <QScreen>
#include <QTest>
#include <algorithm>
#include <array>
#include <string>

#include "app/FenetreOutil.h"
#include "app/TkestForm.h"
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

}  // namespace
