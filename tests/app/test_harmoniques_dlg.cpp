// SPDX-License-Identifier: GPL-3.0-or-later
// The "Harmoniques" window, headless, driven through the main window's menu and the real options
// dialog; the chart is read through its data, not its pixels.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QEnterEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QSvgRenderer>
#include <QTableWidget>
#include <QTest>
#include <string>
#include <vector>

#include "app/BoiteErreur.h"
#include "app/THarmoniquesDlg.h"
#include "app/TOptionsDlg.h"
#include "app/TkestForm.h"
#include "model/Harmoniques.h"
#include "tests/support/FenetreTest.h"

namespace {

using kest::Sens;

class FenetreHarmoniques : public kest::test::FenetreTest {
protected:
    kest::THarmoniquesDlg& Fenetre() { return form.CreerHarmoniquesDlg(); }

    void Saisir(const QString& p, const QString& m, const QString& y) {
        for (auto [nom, texte] : {std::pair{"IDC_p", p}, {"IDC_m", m}, {"IDC_Y", y}}) {
            auto* edit = Trouver<QLineEdit>(nom);
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Delete);
            QTest::keyClicks(edit, texte);
        }
        QTest::keyClick(Trouver<QLineEdit>("IDC_Y"), Qt::Key_Return);
    }
    QString Cellule(int ligne, int colonne) {
        return Trouver<QTableWidget>("Tableau")->item(ligne, colonne)->text();
    }
};

TEST_F(FenetreHarmoniques, MenuItemAfterDimensionsOpensAndClosesTheWindow) {
    const QList<QAction*> items = Trouver<QMenu>("Options1")->actions();
    ASSERT_GE(items.size(), 3);  // the zoom items follow
    EXPECT_EQ(items[0]->objectName(), "Dimensions1");
    EXPECT_EQ(items[1]->objectName(), "Harmoniques1");
    EXPECT_EQ(items[2]->objectName(), "Alimentation1");
    EXPECT_EQ(items[2]->text(), "&Alimentation");
    EXPECT_TRUE(items[2]->isCheckable());
    EXPECT_EQ(items[1]->text(), "&Harmoniques");
    EXPECT_TRUE(items[1]->isCheckable());
    EXPECT_TRUE(items[1]->shortcut().isEmpty());

    Action("Harmoniques1")->trigger();
    EXPECT_TRUE(Fenetre().isVisible());
    EXPECT_TRUE(Action("Harmoniques1")->isChecked());
    EXPECT_FALSE(Fenetre().isModal());
    EXPECT_EQ(Fenetre().windowTitle(), "Harmoniques");
    Action("Harmoniques1")->trigger();
    EXPECT_FALSE(Fenetre().isVisible());
    EXPECT_FALSE(Action("Harmoniques1")->isChecked());
    Action("Harmoniques1")->trigger();
    Fenetre().close();  // the close box
    EXPECT_FALSE(Fenetre().isVisible());
    EXPECT_FALSE(Action("Harmoniques1")->isChecked());
    EXPECT_TRUE(messages.empty());
}

// The window follows Enter in the dialog and the distribution buttons; the chart's two series
// hold the numeric A(h)/A(1) of the model, each order in the series of its direction.
TEST_F(FenetreHarmoniques, FollowsTheDialog) {
    Action("Harmoniques1")->trigger();
    Action("Dimensions1")->trigger();
    // Opening the dialog selects "Parfaite": the fundamental alone.
    EXPECT_EQ(Fenetre().Barres(Sens::Direct).value(0), 1.0);
    EXPECT_NEAR(Fenetre().Barres(Sens::Inverse).value(4), 0.0, 1e-12);
    EXPECT_EQ(Fenetre().Categories().size(), 25);

    Trouver<QRadioButton>("RBReelle")->click();
    Saisir("2", "3", "2.61799387799");
    EXPECT_EQ(Trouver<QLabel>("LabelBobinage")->text(),
              "p = 2, m = 3, 36 encoches, Y = 150° électriques, Réelle");
    kest::State attendu = form.Etat();
    const QList<qreal> directs = Fenetre().Barres(Sens::Direct);
    const QList<qreal> inverses = Fenetre().Barres(Sens::Inverse);
    ASSERT_EQ(directs.size(), 25);
    const double a1 = kest::AmplitudeAnalytique(attendu, 1);
    for (int h = 1; h <= 25; ++h) {
        const double r = kest::AmplitudeAnalytique(attendu, h) / a1;
        const Sens sens = kest::SensTheorique(h);
        EXPECT_NEAR(directs[h - 1], sens == Sens::Direct ? r : 0.0, 1e-3) << h;
        EXPECT_NEAR(inverses[h - 1], sens == Sens::Inverse ? r : 0.0, 1e-3) << h;
    }
    // Y is not π: the even orders 2 and 4 join the table.
    ASSERT_EQ(Trouver<QTableWidget>("Tableau")->rowCount(), 7);
    EXPECT_EQ(Cellule(0, 0), "1");  // the working wave is marked only among mechanical orders
    EXPECT_EQ(Cellule(3, 0), "5");
    EXPECT_EQ(Cellule(3, 6), "inverse");
    EXPECT_EQ(Cellule(3, 7), QString::fromUtf8("\u22121/5"));

    // A distribution button: the double star removes the 5th and 7th at once.
    Trouver<QRadioButton>("RBDoubleetoile")->click();
    EXPECT_TRUE(Trouver<QLabel>("LabelBobinage")->text().endsWith("Double étoile"));
    EXPECT_LT(Fenetre().Barres(Sens::Inverse).value(4), 1e-3);
    EXPECT_LT(Fenetre().Barres(Sens::Direct).value(6), 1e-3);
    EXPECT_GT(Fenetre().Barres(Sens::Inverse).value(10), 10 * kest::kSeuilAbsent);  // 11th stays
    EXPECT_EQ(Cellule(3, 6), "absent");
    EXPECT_TRUE(Trouver<QLabel>("LabelDistorsion")->text().startsWith("Taux de distorsion"));

    // A failed Enter (m = 0) asks for no repaint, like the picture; the next repaint (here a
    // clock tick) shows a stepped wave without fundamental: no ratio, no crash.
    Saisir("2", "0", "3");
    EXPECT_EQ(messages.size(), 1u);
    form.Timer1Timer();
    EXPECT_TRUE(Trouver<QLabel>("LabelDistorsion")->text().contains("sans objet"));
    EXPECT_EQ(Cellule(0, 5), "—");

    // A clock tick changes only the time: nothing recomputed, the rows are the same objects.
    const auto* avant = Fenetre().Montre().lignes.data();
    form.Timer1Timer();
    EXPECT_EQ(Fenetre().Montre().lignes.data(), avant);
}

// With a single phase every crest pulsates, and at t = 0 there is no current at all; what the
// window shows at the clock's ticks is what it computes afresh at that instant.
TEST_F(FenetreHarmoniques, AnUnbalancedSupplyShowsWhatTicksDoNotChange) {
    form.AppliquerAlimentation(kest::AlimentationDe("monophasee"));
    Action("Harmoniques1")->trigger();
    const auto montre = [this] {
        auto* tableau = Trouver<QTableWidget>("Tableau");
        QStringList texte{Fenetre().TexteLignes(), Fenetre().TexteDesequilibre()};
        for (int c = 0; c < tableau->columnCount(); ++c)
            texte << tableau->horizontalHeaderItem(c)->text();
        for (int r = 0; r < tableau->rowCount(); ++r)
            for (int c = 0; c < tableau->columnCount(); ++c) texte << Cellule(r, c);
        auto* distorsion = Trouver<QLabel>("LabelDistorsion");
        texte << (distorsion->isVisible() ? distorsion->text() : QString());
        return texte;
    };
    for (int i = 0; i < 30; ++i) form.Timer1Timer();
    const QStringList apresTicks = montre();
    EXPECT_EQ(Cellule(0, 5), "0.3333 / 0.3333");
    Fenetre().Suivre(form.Etat(), form.Separateur(), true);
    EXPECT_EQ(montre(), apresTicks);
    EXPECT_TRUE(messages.empty());
}

TEST_F(FenetreHarmoniques, CtrlCCopiesTheSpectrumAndHintsGoToTheMainStatusBar) {
    Action("Harmoniques1")->trigger();
    Fenetre().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Fenetre()));
    QSignalSpy copiesImage(Action("Copy1"), &QAction::triggered);
    QApplication::clipboard()->clear();
    QTest::keyClick(&Fenetre(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(copiesImage.count(), 0);
    const QMimeData* d = QApplication::clipboard()->mimeData();
    ASSERT_NE(d, nullptr);
    QSvgRenderer svg(d->data("image/svg+xml"));
    EXPECT_TRUE(svg.isValid());
    EXPECT_FALSE(qvariant_cast<QImage>(d->imageData()).isNull());
    const QStringList lignes = d->text().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lignes.size(), 7);  // the winding, the header, orders 1 5 7 11 13
    EXPECT_EQ(lignes[0], "p = 1, m = 2, 12 encoches, Y = 180° électriques, Parfaite");
    EXPECT_TRUE(lignes[1].startsWith("h\tk_p\tk_d"));
    EXPECT_TRUE(lignes[2].startsWith("1\t1.0000\t"));

    for (const char* nom : {"Graphique", "Tableau", "LabelDistorsion"}) {
        auto* w = Fenetre().findChild<QWidget*>(nom);
        ASSERT_NE(w, nullptr) << nom;
        QEnterEvent entree(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QCoreApplication::sendEvent(w, &entree);
        EXPECT_EQ(form.statusBar()->currentMessage(), w->statusTip()) << nom;
        EXPECT_FALSE(w->statusTip().isEmpty()) << nom;
    }
}

// The window goes to the first side of the main window with room on the screen.
TEST(PositionAupres, RightThenBelowThenLeftNeverOverThePicture) {
    const QSize taille(776, 640);
    const struct {
        QRect fenetre, ecran;
        QPoint attendu;
    } cas[] = {
        {{100, 50, 716, 560}, {0, 0, 1920, 1080}, {824, 50}},     // right
        {{0, 0, 716, 560}, {0, 0, 1280, 1600}, {0, 568}},         // below
        {{1000, 400, 716, 560}, {0, 0, 1920, 1080}, {216, 400}},  // left
    };
    for (const auto& c : cas) {
        const QPoint position = kest::PositionAupres(c.fenetre, taille, c.ecran);
        EXPECT_EQ(position, c.attendu);
        EXPECT_FALSE(QRect(position, taille).intersects(c.fenetre));
        EXPECT_TRUE(c.ecran.contains(QRect(position, taille)));
    }
}

// "Agrandir les harmoniques" scales the axis to the largest harmonic and cuts the fundamental,
// whose value is written on it; the axis numbers take the locale's separator as the table does.
// An untouched Enter writes π back as 3.14159265358979: still full pitch, no even rows.
TEST_F(FenetreHarmoniques, EnlargedScaleLocalisedAxisAndFullPitchRows) {
    form.LireSeparateur(QLocale(QLocale::French, QLocale::France));
    Action("Harmoniques1")->trigger();
    Action("Dimensions1")->trigger();
    Trouver<QRadioButton>("RBReelle")->click();
    QTest::keyClick(Trouver<QLineEdit>("IDC_Y"), Qt::Key_Return);
    EXPECT_EQ(Trouver<QTableWidget>("Tableau")->rowCount(), 5);
    EXPECT_EQ(Fenetre().Graduations(), (QStringList{"0,0", "0,2", "0,4", "0,6", "0,8", "1,0"}));
    EXPECT_EQ(Fenetre().ValeurCoupee(), "");
    EXPECT_EQ(Fenetre().Barres(Sens::Direct).value(0), 1.0);
    EXPECT_TRUE(Trouver<QLabel>("LabelDistorsion")->text().contains("(rangs 2 à 49)"));

    // p = 1, m = 2: the largest harmonics are the slot orders 11 and 13, 1/11 and 1/13.
    Trouver<QCheckBox>("CBAgrandir")->click();
    EXPECT_EQ(Fenetre().Graduations(),
              (QStringList{"0,00", "0,02", "0,04", "0,06", "0,08", "0,10"}));
    EXPECT_NEAR(Fenetre().Barres(Sens::Direct).value(0), 0.1, 1e-12);
    EXPECT_EQ(Fenetre().ValeurCoupee(), "1,0000");
    EXPECT_NEAR(Fenetre().Barres(Sens::Inverse).value(10), 1.0 / 11, 1e-4);
    Trouver<QCheckBox>("CBAgrandir")->click();
    EXPECT_EQ(Fenetre().Graduations().last(), "1,0");
    EXPECT_EQ(Fenetre().ValeurCoupee(), "");
}

}  // namespace
