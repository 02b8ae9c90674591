// SPDX-License-Identifier: GPL-3.0-or-later
// The "Bobinage" window and the "Harmoniques" window of a slot winding, headless, driven through
// the main window's menu and the windows' own fields.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

#include "app/TBobinageDlg.h"
#include "app/THarmoniquesDlg.h"
#include "app/TOptionsDlg.h"
#include "model/Encoches.h"
#include "model/Erreur.h"
#include "model/Personnalise.h"
#include "render/PainterSurface.h"
#include "scene/Etoile.h"
#include "scene/Vues.h"
#include "tests/support/FenetreTest.h"
#include "tests/support/RecordingSurface.h"

namespace {

using kest::test::Appel;
using kest::test::RecordingSurface;

// Two lists of calls are the same picture: operation, coordinates, text, pen and brush.
using Trace =
    std::tuple<int, int, int, int, int, std::string, kest::test::Stylo, kest::test::Brosse>;
std::vector<Trace> Resume(const RecordingSurface& r) {
    std::vector<Trace> v;
    for (const Appel& a : r.appels)
        v.emplace_back(int(a.op), a.x1, a.y1, a.x2, a.y2, a.texte, a.stylo, a.brosse);
    return v;
}

class FenetreBobinage : public kest::test::FenetreTest {
protected:
    void SetUp() override {
        FenetreTest::SetUp();
        // Ten poles, through the options dialog as a user sets them.
        Action("Dimensions1")->trigger();
        auto* p = Trouver<QLineEdit>("IDC_p");
        p->setText("5");
        QTest::keyClick(p, Qt::Key_Return);
        Action("Dimensions1")->trigger();
        ASSERT_EQ(form.Etat().p, 5);
        Action("Bobinage1")->trigger();
    }
    kest::TBobinageDlg& Fenetre() { return form.CreerBobinageDlg(); }
    void Entrer(const char* q, const char* couches, const char* pas) {
        for (auto [nom, texte] :
             {std::pair{"IDC_encoches", q}, {"IDC_couches", couches}, {"IDC_pas", pas}})
            Trouver<QLineEdit>(nom)->setText(texte);
        QTest::keyClick(Trouver<QLineEdit>("IDC_pas"), Qt::Key_Return);
    }
    RecordingSurface Image() {
        RecordingSurface r;
        form.FormPaint(r);
        return r;
    }
    QStringList Couches() {  // the slot table's rows, by their names
        auto* t = Trouver<QTableWidget>("TableEncoches");
        QStringList noms;
        for (int r = 0; r < t->rowCount(); ++r)
            noms << (t->verticalHeaderItem(r) ? t->verticalHeaderItem(r)->text() : QString());
        return noms;
    }
    QString Ligne(const char* table, int ligne) {
        auto* t = Trouver<QTableWidget>(table);
        QStringList cellules;
        for (int c = 0; c < t->columnCount(); ++c)
            cellules << (t->item(ligne, c) ? t->item(ligne, c)->text() : QString());
        return cellules.join(' ');
    }
};

TEST_F(FenetreBobinage, MenuItemAfterAlimentationTogglesTheWindow) {
    const QList<QAction*> items = Trouver<QMenu>("Options1")->actions();
    ASSERT_GE(items.size(), 5);
    EXPECT_EQ(items[2]->objectName(), "Alimentation1");
    EXPECT_EQ(items[3]->objectName(), "Bobinage1");
    EXPECT_EQ(items[3]->text(), "&Bobinage");
    EXPECT_TRUE(items[4]->isSeparator());
    EXPECT_TRUE(items[3]->isChecked());
    EXPECT_TRUE(Fenetre().isVisible());
    EXPECT_FALSE(Fenetre().isModal());
    EXPECT_EQ(Fenetre().windowTitle(), "Bobinage");
    // The slot kind's button: its hint in the status bar, not its label.
    EXPECT_EQ(Trouver<QRadioButton>("RBBobinage1")->statusTip(),
              "Q encoches, une ou deux couches, disposées par l'étoile des encoches");
    Action("Bobinage1")->trigger();
    EXPECT_FALSE(Fenetre().isVisible());
    EXPECT_FALSE(Action("Bobinage1")->isChecked());
    EXPECT_TRUE(messages.empty());
}

TEST_F(FenetreBobinage, EnterAppliesASlotWindingAndThePictureChanges) {
    const RecordingSurface avant = Image();
    Entrer("12", "2", "1");
    ASSERT_TRUE(messages.empty()) << messages.front();
    const kest::State& e = form.Etat();
    EXPECT_EQ(e.typeBobinage, kest::TypeBobinage::Encoches);
    EXPECT_EQ(std::tuple(e.encoches, e.couches, e.pas), std::tuple(12, 2, 1));
    EXPECT_TRUE(Trouver<QRadioButton>("RBBobinage1")->isChecked());
    EXPECT_NE(Resume(Image()), Resume(avant));
    EXPECT_EQ(Trouver<QLabel>("LabelQ")->text(), "q = Q/(6p) = 2/5");
    EXPECT_EQ(Trouver<QLabel>("LabelPeriodicite")->text(), "Périodicité pgcd(Q, p) = 1");
    // The slot table: each slot's top side in the phase and sign of its phasor's 60° sector
    // (+A, −C, +B, −A, +C, −B at 5·s·30°), the bottom layer the coils' returns one slot on.
    EXPECT_EQ(Ligne("TableEncoches", 0), "A+ B+ B− C− C+ A+ A− B− B+ C+ C− A−");
    EXPECT_EQ(Ligne("TableEncoches", 1), "A+ A− B− B+ C+ C− A− A+ B+ B− C− C+");
    EXPECT_EQ(Couches(), QStringList({"Couche haute", "Couche basse"}));
    Entrer("12", "1", "1");
    EXPECT_EQ(Couches(), QStringList{"Couche unique"});
    Entrer("12", "2", "1");

    // Back to the classic kind: the same picture as before.
    Trouver<QRadioButton>("RBBobinage0")->click();
    EXPECT_EQ(form.Etat().typeBobinage, kest::TypeBobinage::Classique);
    EXPECT_EQ(Resume(Image()), Resume(avant));
    EXPECT_TRUE(messages.empty());
}

TEST_F(FenetreBobinage, ARefusalShowsTheModelsMessageAndChangesNothing) {
    Entrer("12", "2", "1");
    const kest::State avant = form.Etat();
    const RecordingSurface image = Image();
    std::string attendu;
    try {
        kest::VerifieEncoches(10, 5, 2, 1);
    } catch (const kest::Erreur& e) {
        attendu = e.message();
    }
    ASSERT_FALSE(attendu.empty());
    Entrer("10", "2", "1");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], attendu);
    EXPECT_EQ(std::tuple(form.Etat().encoches, form.Etat().couches, form.Etat().pas),
              std::tuple(avant.encoches, avant.couches, avant.pas));
    EXPECT_EQ(Resume(Image()), Resume(image));
    EXPECT_EQ(Trouver<QLineEdit>("IDC_encoches")->text(), "10");  // kept to be mended
    EXPECT_EQ(Trouver<QLabel>("LabelQ")->text(), "q = Q/(6p) = 2/5");
}

TEST_F(FenetreBobinage, TheStarIsTheScenesStarOfTheStatesWindingItsNamesInTheirPhasesColours) {
    auto* etoile = Fenetre().findChild<kest::ZoneEtoile*>("ZoneEtoile");
    ASSERT_NE(etoile, nullptr);
    for (auto [q, couches, pas] : {std::tuple{"12", "2", "1"}, {"30", "1", "3"}, {"9", "2", "1"}}) {
        Entrer(q, couches, pas);
        RecordingSurface fenetre, scene;
        etoile->Dessiner(fenetre);
        scene.texte = 0x123456;  // left by another picture
        kest::DessineEtoile(scene, form.Etat());
        EXPECT_EQ(Resume(fenetre), Resume(scene)) << q;
        // Each sector's name ("+A", "-C", …) in its phase's colour, the titles and numbers black.
        int noms = 0;
        for (const Appel& a : scene.appels) {
            const bool nom =
                a.op == kest::test::Op::TextOut && (a.texte[0] == '+' || a.texte[0] == '-');
            noms += nom;
            if (a.op == kest::test::Op::TextOut)
                EXPECT_EQ(a.couleurTexte,
                          nom ? kest::kCouleurPhase[a.texte[1] - 'A'] : kest::kNoir);
        }
        EXPECT_EQ(noms, 6);
        EXPECT_EQ(form.Etat().encoches, std::stoi(q));
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(FenetreBobinage, CtrlCCopiesTheStar) {
    Entrer("12", "2", "1");
    Fenetre().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Fenetre()));
    QApplication::clipboard()->clear();
    QTest::keyClick(Trouver<QRadioButton>("RBBobinage1"), Qt::Key_C, Qt::ControlModifier);
    const QMimeData* d = QApplication::clipboard()->mimeData();
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->data("image/x-emf").startsWith(QByteArray("\x01\x00\x00\x00", 4)));
    EXPECT_TRUE(QString::fromUtf8(d->data("image/svg+xml")).contains("Étoile des encoches"));
    EXPECT_EQ(QImage::fromData(d->data("image/png")).size(), QSize(700, 500));
}

TEST_F(FenetreBobinage, HarmoniquesShowsTheMechanicalOrdersAndMarksTheWorkingWave) {
    // 12 slots / 10 poles: the working wave ν = 5 at k_w 0.9330 and the sub-harmonic ν = 1;
    // 36 slots / 12 poles, full pitch: ν = 1 … 30 and nothing below the working wave.
    struct Cas {
        const char* q;
        const char* pas;
        int p;
        int ordres;
        const char* kwTravail;
        bool sousHarmonique;
    };
    for (const Cas& c :
         {Cas{"12", "1", 5, 25, "0.9330", true}, Cas{"36", "3", 6, 30, "1.0000", false}}) {
        if (c.p != form.Etat().p) {
            Action("Dimensions1")->trigger();
            Trouver<QLineEdit>("IDC_p")->setText(QString::number(c.p));
            Entrer(c.q, "2", c.pas);  // the slots first: p = 6 refuses 12 slots
            QTest::keyClick(Trouver<QLineEdit>("IDC_p"), Qt::Key_Return);
        } else {
            Entrer(c.q, "2", c.pas);
        }
        ASSERT_TRUE(messages.empty()) << messages.front();
        ASSERT_EQ(form.Etat().p, c.p);
        if (!Action("Harmoniques1")->isChecked()) Action("Harmoniques1")->trigger();
        kest::THarmoniquesDlg& spectre = form.CreerHarmoniquesDlg();
        QStringList ordres;
        for (int nu = 1; nu <= c.ordres; ++nu) ordres << QString::number(nu);
        EXPECT_EQ(spectre.Categories(), ordres) << c.q;
        auto* tableau = spectre.findChild<QTableWidget*>("Tableau");
        ASSERT_EQ(tableau->rowCount(), c.ordres);
        const QString sep = QString::fromStdString(form.Separateur());
        EXPECT_EQ(tableau->item(c.p - 1, 0)->text(), QString("%1 = p").arg(c.p));
        EXPECT_EQ(tableau->item(c.p - 1, 1)->text(), QString(c.kwTravail).replace(".", sep));
        EXPECT_EQ(tableau->item(c.p - 2, 0)->text(), QString::number(c.p - 1));
        bool sous = false;
        for (int nu = 1; nu < c.p; ++nu) sous |= tableau->item(nu - 1, 3)->text() != "absent";
        EXPECT_EQ(sous, c.sousHarmonique) << c.q;
    }
}

TEST_F(FenetreBobinage, TheWindowFollowsTheStateChangedElsewhere) {
    Entrer("12", "2", "1");
    // p from the options dialog: q follows.
    Action("Dimensions1")->trigger();
    auto* p = Trouver<QLineEdit>("IDC_p");
    p->setText("4");
    QTest::keyClick(p, Qt::Key_Return);
    ASSERT_TRUE(messages.empty()) << messages.front();
    EXPECT_EQ(Trouver<QLabel>("LabelQ")->text(), "q = Q/(6p) = 1/2");
    EXPECT_EQ(Trouver<QLabel>("LabelPeriodicite")->text(), "Périodicité pgcd(Q, p) = 4");
    // A link opened with other slots: the name, the texts and the star follow.
    kest::Configuration lien = form.ConfigurationCourante();
    lien.etat.encoches = 24, lien.etat.pas = 3;
    form.Configurer(lien);
    EXPECT_EQ(Trouver<QLabel>("NomEncoches")->text().left(11), "24 encoches");
    EXPECT_EQ(Trouver<QLineEdit>("IDC_encoches")->text(), "24");
    EXPECT_EQ(Trouver<QTableWidget>("TableEncoches")->columnCount(), 24);
    lien.etat.couches = 1;  // the layers alone
    form.Configurer(lien);
    EXPECT_EQ(Couches(), QStringList{"Couche unique"});
    // The classic kind, then p = 3: the 24 slots kept make no winding, and the table no row.
    Trouver<QRadioButton>("RBBobinage0")->click();
    p->setText("3");
    QTest::keyClick(p, Qt::Key_Return);
    EXPECT_EQ(Trouver<QLabel>("NomEncoches")->text().left(19), "24 encoches, p = 3,");
    EXPECT_EQ(Couches(), QStringList());
    EXPECT_EQ(Trouver<QTableWidget>("TableEncoches")->columnCount(), 0);
}

TEST_F(FenetreBobinage, HarmoniquesFollowsTheSlotsAndItsEnlargedScaleCutsTheWorkingWave) {
    Entrer("12", "2", "1");
    Action("Harmoniques1")->trigger();
    kest::THarmoniquesDlg& spectre = form.CreerHarmoniquesDlg();
    const QString sep = QString::fromStdString(form.Separateur());
    // The largest order beside the working wave is ν = 7 at 5/7 of it: a scale up to 0.8 that
    // cuts the bar of ν = 5, whose value is written on it.
    spectre.findChild<QCheckBox*>("CBAgrandir")->setChecked(true);
    EXPECT_EQ(spectre.ValeurCoupee(), QString("1.0000").replace(".", sep));
    EXPECT_EQ(spectre.Graduations().last(), QString("0.8").replace(".", sep));
    // 9 slots, same p: the window computes again (9 / 10, tooth coils: k_w 0.9452).
    Entrer("9", "2", "1");
    auto* tableau = spectre.findChild<QTableWidget*>("Tableau");
    EXPECT_EQ(tableau->item(4, 1)->text(), QString("0.9452").replace(".", sep));
    EXPECT_TRUE(messages.empty());
}

TEST_F(FenetreBobinage, TheTableIsWrittenByHandUndoneSavedAndOpenedOrRefusedUnchanged) {
    Entrer("12", "2", "1");
    Action("Harmoniques1")->trigger();
    auto* spectre = form.CreerHarmoniquesDlg().findChild<QTableWidget*>("Tableau");
    const QString kw = spectre->item(4, 1)->text();
    const auto image = Resume(Image());
    const auto ligne0 = Ligne("TableEncoches", 0);
    auto* table = Trouver<QTableWidget>("TableEncoches");
    Fenetre().activateWindow();  // the shortcuts are the window's
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &Fenetre(); }));
    // A click reverses slot 1's top side and makes the winding custom; then the keys.
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                      table->visualRect(table->model()->index(0, 0)).center());
    EXPECT_EQ(form.Etat().typeBobinage, kest::TypeBobinage::Personnalise);
    EXPECT_EQ(table->item(0, 0)->text(), "A−");
    EXPECT_EQ(table->item(0, 0)->foreground().color(), kest::VersQColor(kest::kCouleurPhase[0]));
    EXPECT_NE(Resume(Image()), image);
    EXPECT_NE(spectre->item(4, 1)->text(), kw);
    EXPECT_TRUE(
        Trouver<QLabel>("LabelDiagnostic")->text().contains("La phase A ne se referme pas"));
    // A letter keeps the direction; − reverses; Delete empties.
    for (auto touche : {Qt::Key_B, Qt::Key_Right, Qt::Key_Minus, Qt::Key_Down, Qt::Key_Delete})
        QTest::keyClick(table, touche);
    EXPECT_EQ(Ligne("TableEncoches", 0).left(8), "B− B− B−");
    EXPECT_EQ(table->item(0, 0)->foreground().color(), kest::VersQColor(kest::kCouleurPhase[1]));
    EXPECT_EQ(table->item(1, 1)->text(), "");
    EXPECT_EQ(table->item(1, 1)->background().style(), Qt::NoBrush);
    for (int i = 0; i < 4; ++i) QTest::keyClick(table, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Ligne("TableEncoches", 0), ligne0);
    EXPECT_EQ(Resume(Image()), image);
    QTest::keyClick(table, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(table->item(0, 0)->text(), "A−");
    ASSERT_TRUE(messages.empty()) << messages.front();

    // Saved, read back the same; an unwritable path is told.
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath("b.csv");
    form.EnregistrerBobinage(chemin);
    std::ifstream lu(chemin.toStdString());
    const kest::TableBobinage ecrite = kest::LitFichierBobinage(lu);
    EXPECT_EQ(ecrite, *kest::EncochesMontrees(form.Etat())->Table());
    form.EnregistrerBobinage(dossier.filePath("absent/b.csv"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("ne peut pas être écrit"), std::string::npos);
    // Opened after an undo: the file's table, undone in turn; a faulty file changes nothing.
    QTest::keyClick(table, Qt::Key_Z, Qt::ControlModifier);
    form.OuvrirBobinage(chemin);
    EXPECT_EQ(table->item(0, 0)->text(), "A−");
    QTest::keyClick(table, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Ligne("TableEncoches", 0), ligne0);
    std::ofstream(dossier.filePath("faux.csv").toStdString())
        << "encoche,couche,phase,spires\n1,1,D,1\n";
    const kest::State avant = form.Etat();
    form.OuvrirBobinage(dossier.filePath("faux.csv"));
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].rfind("Ligne 2 : ", 0), 0u) << messages[1];
    EXPECT_EQ(form.Etat().tableBobinage, avant.tableBobinage);
    // Another kind's table edited: from the table shown, not the custom one kept; undone to it.
    QTest::keyClick(table, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    Trouver<QRadioButton>("RBBobinage1")->click();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                      table->visualRect(table->model()->index(0, 1)).center());
    EXPECT_EQ(Ligne("TableEncoches", 0), QString(ligne0).replace(3, 2, "B−"));
    QTest::keyClick(table, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Ligne("TableEncoches", 0), ligne0);
    ASSERT_EQ(messages.size(), 2u);

    // The single-phase motor refuses a custom winding: the model's message, nothing changed.
    Trouver<QRadioButton>("RBBobinage0")->click();
    Action("Monophasee1")->trigger();
    kest::State refuse = form.Etat();
    std::string attendu;
    try {
        kest::ChoisirTypeBobinage(refuse, kest::TypeBobinage::Personnalise);
    } catch (const kest::Erreur& e) {
        attendu = e.message();
    }
    ASSERT_FALSE(attendu.empty());
    const auto moteur = Resume(Image());
    const QString ligneMoteur = Ligne("TableEncoches", 0);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                      table->visualRect(table->model()->index(0, 0)).center());
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[2], attendu);
    EXPECT_EQ(form.Etat().typeBobinage, kest::TypeBobinage::Classique);
    EXPECT_EQ(Resume(Image()), moteur);
    EXPECT_EQ(Ligne("TableEncoches", 0), ligneMoteur);
}

}  // namespace
