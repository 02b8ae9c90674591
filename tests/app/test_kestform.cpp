// SPDX-License-Identifier: GPL-3.0-or-later
// The main window, its clock and its options dialog, headless: the error box is replaced by a
// list of messages, and the paints of the whole picture are counted.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPaintEvent>
#include <QProperty>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <functional>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "app/BoiteErreur.h"
#include "app/TAboutDlg.h"
#include "app/TAlimentationDlg.h"
#include "app/TOptionsDlg.h"
#include "app/TkestForm.h"
#include "model/Regles.h"
#include "tests/support/FenetreTest.h"

namespace {

class Fenetre : public kest::test::FenetreTest, public QObject {
protected:
    void SetUp() override {
        form.CreerOptionsDlg();
        FenetreTest::SetUp();
        if (HasFatalFailure()) return;
        Trouver<QWidget>("Zone")->installEventFilter(this);
    }

    QLineEdit* Edit(const char* nom) { return Trouver<QLineEdit>(nom); }
    QRadioButton* Bouton(const char* nom) { return Trouver<QRadioButton>(nom); }

    // How many times the picture is painted because of `action`, once the events it posted
    // (activation, update requests, which may post others) have been handled.
    int Peintures(const std::function<void()>& action) {
        const auto vider = [] {
            for (int tour = 0; tour < 4; ++tour) QCoreApplication::processEvents();
        };
        vider();
        peintures_ = 0;
        action();
        vider();
        return peintures_;
    }

    // The status bar's text after the pointer enters `w`.
    QString AideSous(QWidget* w) {
        QEnterEvent entree(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QCoreApplication::sendEvent(w, &entree);
        return form.statusBar()->currentMessage();
    }

    void Ouvrir() {
        ASSERT_FALSE(Action("Dimensions1")->isChecked());
        Action("Dimensions1")->trigger();
        ASSERT_TRUE(form.CreerOptionsDlg().isVisible());
    }
    // Types into the three edits as a user would, then presses `touche` in `ou`.
    void Saisir(const QString& p, const QString& m, const QString& y, const char* ou,
                Qt::Key touche = Qt::Key_Return) {
        for (auto [nom, texte] : {std::pair{"IDC_p", p}, {"IDC_m", m}, {"IDC_Y", y}}) {
            Edit(nom)->selectAll();
            QTest::keyClick(Edit(nom), Qt::Key_Delete);
            QTest::keyClicks(Edit(nom), texte);
        }
        QTest::keyClick(Edit(ou), touche);
    }

    // Only a paint of the whole picture counts: all of the drawing area but the opaque
    // controls, which hide what lies under them. A transparent control that repaints itself
    // also has the picture redrawn beneath it, clipped to its own rectangle.
    bool eventFilter(QObject* objet, QEvent* e) override {
        if (e->type() == QEvent::Paint) {
            const auto* zone = static_cast<QWidget*>(objet);
            QRegion image(zone->rect());
            for (const QWidget* c : zone->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (c->autoFillBackground()) image -= c->geometry();
            peintures_ += image.subtracted(static_cast<QPaintEvent*>(e)->region()).isEmpty();
        }
        return false;
    }

private:
    int peintures_ = 0;
};
using Options = Fenetre;

TEST_F(Fenetre, FirstDisplay) {
    EXPECT_EQ(form.windowTitle(), "kestForm");
    EXPECT_EQ(form.frameGeometry(), QRect(100, 100, 700, 500));  // no frame under offscreen
    auto* bouton = Trouver<QPushButton>("SpeedButton1");
    EXPECT_EQ(bouton->text(), "Play");
    EXPECT_TRUE(bouton->font().bold());
    EXPECT_EQ(bouton->focusPolicy(), Qt::NoFocus);
    auto* barre = Trouver<QScrollBar>("ScrollBar1");
    EXPECT_EQ(QPoint(barre->minimum(), barre->maximum()), QPoint(10, 200));
    EXPECT_EQ(barre->value(), 60);
    for (const char* nom :
         {"CheckBoxAfficheVect", "CheckBoxAfficheOnde", "CheckBoxAfficheBobinage"})
        EXPECT_TRUE(Trouver<QCheckBox>(nom)->isChecked()) << nom;
    EXPECT_FALSE(Trouver<QTimer>("Timer1")->isActive());
    EXPECT_EQ(Trouver<QTimer>("Timer1")->interval(), 60);
    EXPECT_TRUE(form.statusBar()->currentMessage().isEmpty());
    EXPECT_FALSE(Action("Dimensions1")->isChecked());
    EXPECT_EQ(Action("Copy1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_C));
    EXPECT_EQ(Action("Copy1")->shortcutContext(), Qt::ApplicationShortcut);
}

// No caption is clipped, each keeps its anchor: the right edge of "Lent" at 569, each label of
// the dialog 3 px before its edit. And no tooltips: hints go to the status bar.
TEST_F(Fenetre, LabelsShowTheirWholeTextAtTheirAnchors) {
    EXPECT_EQ(Trouver<QLabel>("Label1")->geometry().right() + 1, 569);
    EXPECT_EQ(Trouver<QLabel>("Label2")->pos(), QPoint(448, 16));
    for (const char* nom : {"IDC_p", "IDC_m", "IDC_Y"}) {
        auto* libelle = Trouver<QLabel>((std::string(nom) + "Label").c_str());
        EXPECT_EQ(libelle->geometry().right() + 1, Edit(nom)->x() - 3) << nom;
        EXPECT_GE(libelle->x(), 0) << nom;
    }
    for (QLabel* l : form.findChildren<QLabel*>())
        EXPECT_GE(l->width(), l->fontMetrics().horizontalAdvance(l->text()))
            << l->objectName().toStdString();
    for (QWidget* w : form.findChildren<QWidget*>())
        EXPECT_TRUE(w->toolTip().isEmpty()) << w->objectName().toStdString();
}

// Each row starts from off or on, does one thing, and names what it leaves: on or off, the
// caption, the interval, and how often the system timer was switched on or off (a restart is
// two switches, and doing nothing is none).
TEST_F(Fenetre, ClockTable) {
    auto* bouton = Trouver<QPushButton>("SpeedButton1");
    auto* barre = Trouver<QScrollBar>("ScrollBar1");
    auto* horloge = Trouver<QTimer>("Timer1");
    const auto clic = [bouton] { bouton->click(); };
    const auto menu = [this](const char* nom) { return [this, nom] { Action(nom)->trigger(); }; };
    const auto touche = [barre](Qt::Key k) { return [barre, k] { QTest::keyClick(barre, k); }; };
    const struct {
        const char* nom;
        bool enMarche;
        std::function<void()> geste;
        bool marcheApres;
        const char* legende;
        int intervalle, bascules;
    } lignes[] = {
        {"button while off", false, clic, true, "Stop", 60, 1},
        {"button while on", true, clic, false, "Play", 60, 1},
        {"Play while off", false, menu("Play1"), true, "Stop", 60, 1},
        {"Play while on", true, menu("Play1"), true, "Stop", 60, 0},
        {"Stop while on", true, menu("Stop1"), false, "Play", 60, 1},
        {"Stop while off", false, menu("Stop1"), false, "Play", 60, 0},
        {"right arrow while off", false, touche(Qt::Key_Right), false, "Play", 61, 0},
        {"left arrow while on", true, touche(Qt::Key_Left), true, "Stop", 59, 2},
        {"page up while off", false, touche(Qt::Key_PageUp), false, "Play", 50, 0},
        {"page down while on", true, touche(Qt::Key_PageDown), true, "Stop", 70, 2},
        {"home while on", true, touche(Qt::Key_Home), true, "Stop", 10, 2},
        {"end while off", false, touche(Qt::Key_End), false, "Play", 200, 0},
        {"same speed while on", true, [this] { form.ScrollBar1Change(60); }, true, "Stop", 60, 0},
    };
    int bascules = 0;
    const QPropertyNotifier suivi = horloge->bindableActive().addNotifier([&] { ++bascules; });
    for (const auto& l : lignes) {
        SCOPED_TRACE(l.nom);
        barre->setValue(60);
        bool marche = false;
        int basculesGeste = 0;
        // The clock is stopped again before any event is handled: no real tick can slip
        // in, and the count sees only the repaints that the gesture itself asked for.
        const int peintures = Peintures([&] {
            Action(l.enMarche ? "Play1" : "Stop1")->trigger();
            EXPECT_EQ(horloge->isActive(), l.enMarche);
            bascules = 0;
            l.geste();
            basculesGeste = bascules;
            marche = horloge->isActive();
            EXPECT_EQ(bouton->text(), l.legende);
            Action("Stop1")->trigger();
        });
        EXPECT_EQ(std::tuple(marche, basculesGeste, horloge->interval(), barre->value()),
                  std::tuple(l.marcheApres, l.bascules, l.intervalle, l.intervalle));
        EXPECT_EQ(form.Etat().t, 0.0);  // only a tick moves time
        EXPECT_EQ(peintures, 0);        // switching and speed never repaint
        EXPECT_TRUE(messages.empty());
    }
}

// A tick moves time by the model's step and repaints the picture but not the button, the speed
// bar and the check boxes: they are opaque, so that no part of the picture shows through them.
TEST_F(Fenetre, ATickOrACheckBoxRepaintsThePicture) {
    struct Compteur : QObject {
        int peintures = 0;
        bool eventFilter(QObject*, QEvent* e) override {
            peintures += e->type() == QEvent::Paint;
            return false;
        }
    } compteur;
    for (const char* nom : {"SpeedButton1", "ScrollBar1", "CheckBoxAfficheVect",
                            "CheckBoxAfficheOnde", "CheckBoxAfficheBobinage"}) {
        EXPECT_TRUE(Trouver<QWidget>(nom)->autoFillBackground()) << nom;
        Trouver<QWidget>(nom)->installEventFilter(&compteur);
    }
    EXPECT_EQ(Peintures([&] { form.Timer1Timer(); }), 1);
    EXPECT_EQ(compteur.peintures, 0);
    kest::State attendu;
    kest::AvancerTemps(attendu);
    EXPECT_EQ(form.Etat().t, attendu.t);
    EXPECT_FALSE(Trouver<QTimer>("Timer1")->isActive());

    auto* bobinage = Trouver<QCheckBox>("CheckBoxAfficheBobinage");
    EXPECT_EQ(Peintures([&] { bobinage->click(); }), 1);
    EXPECT_FALSE(bobinage->isChecked());
}

TEST_F(Fenetre, CtrlCCopiesFromAnyControl) {
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QSignalSpy copies(Action("Copy1"), &QAction::triggered);
    for (const char* nom : {"ScrollBar1", "CheckBoxAfficheOnde"})
        QTest::keyClick(Trouver<QWidget>(nom), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(copies.count(), 2);
}

// The hints of the window's and the dialog's controls and of a menu item; "&Copier" has none
// and clears the line.
TEST_F(Options, HintsGoToTheMainStatusBar) {
    Ouvrir();
    const QString vitesse = "Choisi la vitesse de l'animation";
    const std::pair<const char*, QString> lignes[] = {
        {"ScrollBar1", vitesse},
        {"Label1", vitesse},
        {"Label2", vitesse},
        {"SpeedButton1", "Lance / Arrête l'animation"},
        {"CheckBoxAfficheOnde", "Affiche l'onde associée à la kest"},
        {"IDC_p", "choisi le nombre de paires de pôles du bobinage"},
        {"RBReelle", "Type de distribution de la kest"},
        {"IDC_Y", "Permet d'imposer le raccourcicement polaire (pas diamétral : Pi)"},
    };
    for (const auto& [nom, aide] : lignes) EXPECT_EQ(AideSous(Trouver<QWidget>(nom)), aide) << nom;

    for (const auto& [menu, action, aide] :
         {std::tuple{"Simulation1", "Play1", "Lance la simulation"}, {"Edit1", "Copy1", ""}}) {
        auto* m = Trouver<QMenu>(menu);
        form.menuBar()->setActiveAction(m->menuAction());
        m->setActiveAction(Action(action));
        EXPECT_EQ(form.statusBar()->currentMessage(), aide) << action;
        m->close();
    }
}

TEST_F(Fenetre, AboutBoxIsFreshEachTimeAndGoneAfter) {
    for (int fois = 0; fois < 2; ++fois) {
        QString titre, texteKest;
        QTimer::singleShot(0, &form, [&] {
            auto* boite = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(boite, nullptr);
            titre = boite->windowTitle();
            texteKest = boite->findChild<QLabel*>("Label4")->text();
            EXPECT_EQ(boite->findChild<QLabel*>("Label4")->pos(), QPoint(123, 16));
            EXPECT_EQ(boite->size(), QSize(313, 214));
            EXPECT_TRUE(boite->findChild<QPushButton*>("OKBtn")->isDefault());
            QTest::keyClick(boite, Qt::Key_Return);
        });
        Action("Aproposde1")->trigger();
        EXPECT_EQ(titre, "A propos de kest");
        EXPECT_EQ(texteKest, "KEST");
        EXPECT_TRUE(form.findChildren<kest::TAboutDlg*>().isEmpty());
    }
}

TEST_F(Options, FirstOpeningAndEnterInYUnedited) {
    for (const char* nom : {"RBParfaite", "RBReelle", "RBDoubleetoile"})
        EXPECT_FALSE(Bouton(nom)->isChecked()) << nom;  // none before the first opening
    // Parfaite becoming selected runs RBClick, whose repaint is the only one.
    EXPECT_EQ(Peintures([&] { Ouvrir(); }), 1);
    EXPECT_EQ(Edit("IDC_p")->text(), "1");
    EXPECT_EQ(Edit("IDC_m")->text(), "2");
    EXPECT_EQ(Edit("IDC_Y")->text(), "3.14159265358979");
    EXPECT_TRUE(Bouton("RBParfaite")->isChecked());
    EXPECT_FALSE(Bouton("RBReelle")->isChecked());
    EXPECT_TRUE(Action("Dimensions1")->isChecked());
    const kest::TOptionsDlg& dialogue = form.CreerOptionsDlg();
    EXPECT_FALSE(dialogue.frameGeometry().intersects(form.frameGeometry()));
    EXPECT_EQ(dialogue.size(), QSize(287, 168));
    EXPECT_EQ(dialogue.windowTitle(), "Options");
    // The 15-digit rounding of π is stored: Y is no longer exactly π.
    QTest::keyClick(Edit("IDC_Y"), Qt::Key_Return);
    EXPECT_EQ(form.Etat().Y, 3.14159265358979);
    EXPECT_TRUE(messages.empty());
}

TEST_F(Options, MenuHidesAndCloseBoxClearsTheMark) {
    Ouvrir();
    Action("Dimensions1")->trigger();
    EXPECT_FALSE(form.CreerOptionsDlg().isVisible());
    EXPECT_FALSE(Action("Dimensions1")->isChecked());
    Ouvrir();
    QTest::keyClick(Edit("IDC_p"), Qt::Key_Escape);  // no Cancel button: stays open
    EXPECT_TRUE(form.CreerOptionsDlg().isVisible());
    form.CreerOptionsDlg().close();
    EXPECT_FALSE(form.CreerOptionsDlg().isVisible());
    EXPECT_FALSE(Action("Dimensions1")->isChecked());
    Ouvrir();  // opens again rather than hiding
}

// Each row selects a radio button, types into the real edits and presses a key in one of them;
// the message is read through the error seam, and the state after shows which steps ran. The
// flags come first: they are stored even when p fails.
TEST_F(Options, EnterTable) {
    using kest::kPi, kest::kDeuxPi;
    const auto entier = [](const char* t) {
        return "'" + std::string(t) + "' n'est pas une valeur entière correcte";
    };
    const char *P = "RBParfaite", *R = "RBReelle", *D = "RBDoubleetoile";
    const std::string kDeb = "Débordement en virgule flottante";
    const std::string kDiv = "Division par zéro en virgule flottante";
    const std::string kReel = "'x1' n'est pas une valeur en virgule flottante correcte";
    const double a12 = kDeuxPi / 12;
    const struct Etat {
        int p, m;
        double Y;
        int NbEncoches;
        double Alpha;
    } kDefaut{1, 2, kPi, 12, a12};
    const struct {
        const char *nom, *radio;
        QString p, m, y;
        const char* ou;
        std::string message;
        Etat apres;
        Qt::Key touche = Qt::Key_Return;
    } lignes[] = {
        {"p invalide", D, "abc", "3", "1", "IDC_p", entier("abc"), kDefaut},
        {"blanc apres p", R, "2 ", "3", "1", "IDC_m", entier("2 "), kDefaut},
        {"m vide", D, "2", "", "1", "IDC_Y", entier(""), {2, 2, kPi, 12, a12}, Qt::Key_Enter},
        {"Y invalide", R, "2", "3", "x1", "IDC_Y", kReel, {2, 3, kPi, 12, a12}},
        {"Y trop grand", D, "2", "3", "1e309", "IDC_p", kDeb, {2, 3, kPi, 36, a12}},
        {"m nul", R, "2", "0", "2", "IDC_m", kDiv, {2, 0, 2.0, 0, a12}},
        {"p nul ignore", P, "0", "3", "2", "IDC_p", "", {1, 3, 2.0, 18, kDeuxPi / 18}},
        {"p negatif ignore", D, "-3", "1", "2", "IDC_p", "", {1, 1, 2.0, 6, kDeuxPi / 6}},
        {"m hex", R, " 2", "$1F", "1e-400", "IDC_m", "", {2, 31, 0.0, 372, kDeuxPi / 372}},
        {"autre touche", P, "5", "5", "5", "IDC_p", "", kDefaut, Qt::Key_Tab},
    };
    for (const auto& l : lignes) {
        SCOPED_TRACE(l.nom);
        form.Configurer(kest::Configuration{});  // the default state, as a link without options
        messages.clear();
        Ouvrir();
        QTest::mouseClick(Bouton(l.radio), Qt::LeftButton);
        form.AppliquerDistribution(false, false);  // so that only Enter sets them
        const int peintures = Peintures([&] { Saisir(l.p, l.m, l.y, l.ou, l.touche); });
        EXPECT_EQ(messages, l.message.empty() ? std::vector<std::string>{}
                                              : std::vector<std::string>{l.message});
        const kest::State& s = form.Etat();
        const Etat& x = l.apres;
        EXPECT_EQ(std::tuple(s.Reelle, s.DoubleEtoile, s.p, s.m, s.Y, s.NbEncoches, s.Alpha),
                  std::tuple(l.radio == R, l.radio == D, x.p, x.m, x.Y, x.NbEncoches, x.Alpha));
        // Only a complete application repaints; a failure or another key does not.
        EXPECT_EQ(peintures, l.message.empty() && l.touche != Qt::Key_Tab ? 1 : 0);
        // Never written back: the edits keep what was typed.
        EXPECT_EQ(Edit("IDC_p")->text(), l.p);
        EXPECT_EQ(Edit("IDC_m")->text(), l.m);
        EXPECT_TRUE(form.CreerOptionsDlg().isVisible());
        Action("Dimensions1")->trigger();
    }
}

TEST_F(Options, ARadioButtonAppliesOnlyTheDistribution) {
    Ouvrir();
    Edit("IDC_m")->setText("7");
    EXPECT_EQ(Peintures([&] { QTest::mouseClick(Bouton("RBReelle"), Qt::LeftButton); }), 1);
    EXPECT_TRUE(form.Etat().Reelle);
    EXPECT_FALSE(form.Etat().DoubleEtoile);
    EXPECT_EQ(form.Etat().m, 2);
    Action("Dimensions1")->trigger();
    Ouvrir();  // reopening shows the state again, and Réelle stays selected
    EXPECT_EQ(Edit("IDC_m")->text(), "2");
    EXPECT_TRUE(Bouton("RBReelle")->isChecked());
    EXPECT_FALSE(Bouton("RBParfaite")->isChecked());
}

TEST_F(Options, CommaSeparator) {
    form.LireSeparateur(QLocale(QLocale::French, QLocale::France));
    EXPECT_EQ(form.Separateur(), ",");
    Ouvrir();
    EXPECT_EQ(Edit("IDC_Y")->text(), "3,14159265358979");
    Saisir("1", "2", "3,5", "IDC_Y");
    EXPECT_EQ(form.Etat().Y, 3.5);
    Saisir("1", "2", "3.5", "IDC_Y");
    EXPECT_EQ(form.Etat().Y, 3.5);
    EXPECT_EQ(messages,
              std::vector<std::string>{"'3.5' n'est pas une valeur en virgule flottante correcte"});
    form.LireSeparateur(QLocale::c());
    EXPECT_EQ(form.Separateur(), ".");
}

// The supply window: a kind applies at once; Enter in one of the six free fields applies them
// all with the locale's separator; a refused text is shown once and changes nothing.
TEST_F(Fenetre, AlimentationWindow) {
    using kest::Alimentation;
    // The buttons follow the table's rows: "Libre" is the last one.
    const std::string libre =
        "RBAlimentation" + std::to_string(static_cast<int>(kest::kAlimentationLibre));
    form.LireSeparateur(QLocale(QLocale::French, QLocale::France));
    Action("Alimentation1")->trigger();
    kest::TAlimentationDlg& d = form.CreerAlimentationDlg();
    ASSERT_TRUE(d.isVisible());
    EXPECT_TRUE(Action("Alimentation1")->isChecked());
    EXPECT_EQ(d.windowTitle(), "Alimentation");
    EXPECT_TRUE(Bouton("RBAlimentation0")->isChecked());
    EXPECT_EQ(Edit("IDC_dephasage2")->text(), "120");
    EXPECT_EQ(Peintures([&] { Bouton("RBAlimentation2")->click(); }), 1);
    EXPECT_EQ(form.Etat().alimentation, kest::AlimentationDe("monophasee"));

    const auto saisir = [&](const char* nom, const QString& texte) {
        Edit(nom)->selectAll();
        QTest::keyClick(Edit(nom), Qt::Key_Delete);
        QTest::keyClicks(Edit(nom), texte);
    };
    const struct {
        const char* champ;
        QString texte;
        std::string message;
    } refus[] = {
        {"IDC_amplitude1", "2,5", "Amplitude 1 : '2,5' n'est pas une amplitude correcte (0 à 2)"},
        {"IDC_amplitude3", "-0,1", "Amplitude 3 : '-0,1' n'est pas une amplitude correcte (0 à 2)"},
        {"IDC_amplitude3", "1.5",
         "Amplitude 3 : '1.5' n'est pas une valeur en virgule flottante correcte"},
        {"IDC_dephasage1", "abc",
         "Retard 1 : 'abc' n'est pas une valeur en virgule flottante correcte"},
        {"IDC_dephasage3", "1e999", "Retard 3 : Débordement en virgule flottante"},
    };
    for (const auto& k : refus) {
        SCOPED_TRACE(k.champ);
        Bouton("RBAlimentation2")->click();
        form.CreerAlimentationDlg().Remplir(form.Etat(), form.Separateur());
        saisir("IDC_amplitude2", "0,5");  // a correct field beside: stored all the same
        saisir(k.champ, k.texte);
        messages.clear();
        const int peintures = Peintures([&] { QTest::keyClick(Edit(k.champ), Qt::Key_Return); });
        EXPECT_EQ(messages, std::vector<std::string>{k.message});
        EXPECT_EQ(peintures, 1);
        const kest::State& s = form.Etat();
        EXPECT_EQ(s.alimentation, kest::kAlimentationLibre);
        EXPECT_TRUE(Bouton(libre.c_str())->isChecked());
        EXPECT_EQ(s.amplitudesLibres[1], 0.5);
        EXPECT_EQ(Edit(k.champ)->text(), k.texte);  // what was typed stays, to be mended
        // The refused value is not stored: the field's previous value is.
        const double amplitude0 = s.amplitudesLibres[0], dephasage2 = s.dephasagesLibres[2];
        EXPECT_EQ(amplitude0, 1.0);
        EXPECT_EQ(dephasage2, 240.0);
    }
    form.CreerAlimentationDlg().Remplir(form.Etat(), form.Separateur());
    saisir("IDC_amplitude2", "0,5");
    saisir("IDC_dephasage3", "200,25");
    messages.clear();
    EXPECT_EQ(Peintures([&] { QTest::keyClick(Edit("IDC_dephasage1"), Qt::Key_Enter); }), 1);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(form.Etat().alimentation, kest::kAlimentationLibre);
    EXPECT_EQ(form.Etat().amplitudesLibres[1], 0.5);
    EXPECT_EQ(form.Etat().dephasagesLibres[2], 200.25);
    EXPECT_TRUE(Bouton(libre.c_str())->isChecked());

    d.close();
    EXPECT_FALSE(d.isVisible());
    EXPECT_FALSE(Action("Alimentation1")->isChecked());
    form.LireSeparateur(QLocale::c());
}

TEST(BoiteErreur, FullStopUnlessTheLastCharacterIsAtMostOne) {
    const std::pair<std::string, QString> lignes[] = {
        {"Pas assez de timers disponibles", "Pas assez de timers disponibles."},
        {"", ""},
        {"fin.", "fin."},
        {"fin/", "fin/."},
        {"'é'", "'é'"},
        {"tiré", "tiré."},
    };
    for (const auto& [message, texte] : lignes) EXPECT_EQ(kest::TexteErreur(message), texte);
}

TEST(BoiteErreur, GuardShowsOurMessageOrAnEmptyOne) {
    std::vector<std::string> vus;
    const kest::Rapporteur ancien =
        kest::DefinirRapporteur([&](const std::string& m) { vus.push_back(m); });
    kest::Garde([] { throw kest::Erreur("Impossible d'ouvrir le Presse-papiers"); });
    kest::Garde([] { throw std::runtime_error("autre"); });
    kest::Garde([] { throw 3; });
    bool fini = false;
    kest::Garde([&] { fini = true; });
    kest::DefinirRapporteur(ancien);
    EXPECT_EQ(vus, (std::vector<std::string>{"Impossible d'ouvrir le Presse-papiers", "", ""}));
    EXPECT_TRUE(fini);
}

}  // namespace
