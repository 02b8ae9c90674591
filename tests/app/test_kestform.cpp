#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTimer>
#include <stdexcept>

#include "Fenetres.h"
#include "Regles.h"
#include "TAboutDlg.h"

namespace {

using Fenetre = Fenetres;

TEST_F(Fenetre, FirstDisplay) {
    EXPECT_EQ(form.windowTitle(), "kestForm");
    EXPECT_EQ(form.frameGeometry(), QRect(100, 100, 700, 500));  // no frame under offscreen
    auto* bouton = Trouver<QPushButton>("SpeedButton1");
    EXPECT_EQ(bouton->text(), "Play");
    EXPECT_TRUE(bouton->font().bold());
    EXPECT_EQ(bouton->focusPolicy(), Qt::NoFocus);
    auto* barre = Trouver<QScrollBar>("ScrollBar1");
    EXPECT_EQ(barre->value(), 60);
    EXPECT_EQ(barre->minimum(), 10);
    EXPECT_EQ(barre->maximum(), 200);
    for (const char* nom :
         {"CheckBoxAfficheVect", "CheckBoxAfficheOnde", "CheckBoxAfficheBobinage"})
        EXPECT_TRUE(Trouver<QCheckBox>(nom)->isChecked()) << nom;
    auto* horloge = Trouver<QTimer>("Timer1");
    EXPECT_FALSE(horloge->isActive());
    EXPECT_EQ(horloge->interval(), 60);
    EXPECT_TRUE(form.statusBar()->currentMessage().isEmpty());
    EXPECT_FALSE(Trouver<QAction>("Dimensions1")->isChecked());
    auto* copier = Trouver<QAction>("Copy1");
    EXPECT_EQ(copier->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_C));
    EXPECT_EQ(copier->shortcutContext(), Qt::ApplicationShortcut);
    EXPECT_EQ(form.state.t, 0.0);
    EXPECT_EQ(form.state.NbEncoches, 12);
}

TEST_F(Fenetre, LabelsShowTheirWholeTextAtTheirAnchors) {
    auto* lent = Trouver<QLabel>("Label1");
    auto* rapide = Trouver<QLabel>("Label2");
    EXPECT_EQ(lent->geometry().right() + 1, 569);
    EXPECT_EQ(rapide->pos(), QPoint(448, 16));
    for (QLabel* l : form.findChildren<QLabel*>())
        EXPECT_GE(l->width(), l->fontMetrics().horizontalAdvance(l->text()))
            << l->objectName().toStdString();
    for (QWidget* w : form.findChildren<QWidget*>())
        EXPECT_TRUE(w->toolTip().isEmpty()) << w->objectName().toStdString();
}

// The clock's table: each row starts from off or on, does one thing, and names what it
// leaves: on or off, the caption, the interval, and whether the running period survived.
TEST_F(Fenetre, ClockTable) {
    enum class Geste { Bouton, Play, Stop, Gauche, Droite, PagePrec, PageSuiv, Debut, Fin };
    struct Ligne {
        const char* nom;
        bool enMarche;
        Geste geste;
        bool marcheApres;
        const char* legende;
        int intervalle;
        bool memePeriode;  // the running timer was kept, not dropped
    };
    const Ligne lignes[] = {
        {"bouton a l'arret", false, Geste::Bouton, true, "Stop", 60, false},
        {"bouton en marche", true, Geste::Bouton, false, "Play", 60, false},
        {"Play a l'arret", false, Geste::Play, true, "Stop", 60, false},
        {"Play en marche", true, Geste::Play, true, "Stop", 60, true},
        {"Stop en marche", true, Geste::Stop, false, "Play", 60, false},
        {"Stop a l'arret", false, Geste::Stop, false, "Play", 60, true},
        {"droite a l'arret", false, Geste::Droite, false, "Play", 61, true},
        {"gauche en marche", true, Geste::Gauche, true, "Stop", 59, false},
        {"page precedente", false, Geste::PagePrec, false, "Play", 50, true},
        {"page suivante en marche", true, Geste::PageSuiv, true, "Stop", 70, false},
        {"debut en marche", true, Geste::Debut, true, "Stop", 10, false},
        {"fin a l'arret", false, Geste::Fin, false, "Play", 200, true},
    };
    auto* bouton = Trouver<QPushButton>("SpeedButton1");
    auto* barre = Trouver<QScrollBar>("ScrollBar1");
    auto* horloge = Trouver<QTimer>("Timer1");
    for (const Ligne& l : lignes) {
        SCOPED_TRACE(l.nom);
        barre->setValue(60);
        bool marche = false;
        int periodeAvant = 0, periodeApres = 0;
        double tAvant = 0, tApres = 0;
        // The clock is stopped again before any event is handled: no real tick can slip
        // in, and the count sees only the repaints that the gesture itself asked for.
        const int peintures = Peintures([&] {
            Trouver<QAction>(l.enMarche ? "Play1" : "Stop1")->trigger();
            EXPECT_EQ(horloge->isActive(), l.enMarche);
            periodeAvant = horloge->timerId();
            tAvant = form.state.t;
            switch (l.geste) {
                case Geste::Bouton:
                    bouton->click();
                    break;
                case Geste::Play:
                    Trouver<QAction>("Play1")->trigger();
                    break;
                case Geste::Stop:
                    Trouver<QAction>("Stop1")->trigger();
                    break;
                case Geste::Gauche:
                    QTest::keyClick(barre, Qt::Key_Left);
                    break;
                case Geste::Droite:
                    QTest::keyClick(barre, Qt::Key_Right);
                    break;
                case Geste::PagePrec:
                    QTest::keyClick(barre, Qt::Key_PageUp);
                    break;
                case Geste::PageSuiv:
                    QTest::keyClick(barre, Qt::Key_PageDown);
                    break;
                case Geste::Debut:
                    QTest::keyClick(barre, Qt::Key_Home);
                    break;
                case Geste::Fin:
                    QTest::keyClick(barre, Qt::Key_End);
                    break;
            }
            marche = horloge->isActive();
            periodeApres = horloge->timerId();
            tApres = form.state.t;
            EXPECT_EQ(bouton->text(), l.legende);
            Trouver<QAction>("Stop1")->trigger();
        });
        EXPECT_EQ(marche, l.marcheApres);
        EXPECT_EQ(horloge->interval(), l.intervalle);
        EXPECT_EQ(barre->value(), l.intervalle);
        if (l.memePeriode) {
            EXPECT_EQ(periodeApres, periodeAvant);
        }
        EXPECT_EQ(tApres, tAvant);  // only a tick moves time
        EXPECT_EQ(peintures, 0);    // switching and speed never repaint
        EXPECT_TRUE(messages.empty());
    }
}

TEST_F(Fenetre, CaptionFollowsTheClockNotTheOtherWayRound) {
    auto* bouton = Trouver<QPushButton>("SpeedButton1");
    Trouver<QAction>("Play1")->trigger();
    bouton->click();
    EXPECT_EQ(bouton->text(), "Play");
    EXPECT_FALSE(Trouver<QTimer>("Timer1")->isActive());
}

TEST_F(Fenetre, ATickAdvancesTimeAndRepaints) {
    const int peintures = Peintures([&] { form.Timer1Timer(); });
    EXPECT_EQ(form.state.t, 0.06283185307179587 / form.state.Omega + 0.0);
    EXPECT_EQ(peintures, 1);
    EXPECT_FALSE(Trouver<QTimer>("Timer1")->isActive());
}

// The clock's repaint leaves the button, the speed bar and the check boxes alone: they are
// opaque, so that no part of the picture shows through them.
TEST_F(Fenetre, ATickRepaintsThePictureButNotTheOpaqueControls) {
    struct Compteur : QObject {
        int peintures = 0;
        bool eventFilter(QObject*, QEvent* e) override {
            peintures += e->type() == QEvent::Paint;
            return false;
        }
    } compteur;
    for (const char* nom : {"SpeedButton1", "ScrollBar1", "CheckBoxAfficheVect",
                            "CheckBoxAfficheOnde", "CheckBoxAfficheBobinage"}) {
        QWidget* c = Trouver<QWidget>(nom);
        EXPECT_TRUE(c->autoFillBackground()) << nom;
        c->installEventFilter(&compteur);
    }
    EXPECT_EQ(Peintures([&] { form.Timer1Timer(); }), 1);
    EXPECT_EQ(compteur.peintures, 0);
}

TEST_F(Fenetre, ACheckBoxClickRepaints) {
    auto* bobinage = Trouver<QCheckBox>("CheckBoxAfficheBobinage");
    EXPECT_EQ(Peintures([&] { bobinage->click(); }), 1);
    EXPECT_FALSE(bobinage->isChecked());
}

TEST_F(Fenetre, CtrlCCopiesFromAnyControl) {
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QSignalSpy copies(Trouver<QAction>("Copy1"), &QAction::triggered);
    for (const char* nom : {"ScrollBar1", "CheckBoxAfficheOnde"})
        QTest::keyClick(Trouver<QWidget>(nom), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(copies.count(), 2);
}

TEST_F(Fenetre, HintsGoToTheStatusBar) {
    const QString vitesse = "Choisi la vitesse de l'animation";
    struct Ligne {
        const char* nom;
        QString aide;
    };
    for (const Ligne& l :
         {Ligne{"ScrollBar1", vitesse}, Ligne{"Label1", vitesse}, Ligne{"Label2", vitesse},
          Ligne{"SpeedButton1", "Lance / Arrête l'animation"},
          Ligne{"CheckBoxAfficheOnde", "Affiche l'onde associée à la kest"}})
        EXPECT_EQ(AideSous(Trouver<QWidget>(l.nom)), l.aide) << l.nom;

    // A menu item's hint, then "&Copier", which has none and clears the line.
    auto* simulation = Trouver<QMenu>("Simulation1");
    form.menuBar()->setActiveAction(simulation->menuAction());
    simulation->setActiveAction(Trouver<QAction>("Play1"));
    EXPECT_EQ(form.statusBar()->currentMessage(), "Lance la simulation");
    simulation->close();
    auto* edit = Trouver<QMenu>("Edit1");
    form.menuBar()->setActiveAction(edit->menuAction());
    edit->setActiveAction(Trouver<QAction>("Copy1"));
    EXPECT_EQ(form.statusBar()->currentMessage(), "");
    edit->close();
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
            auto* ok = boite->findChild<QPushButton*>("OKBtn");
            EXPECT_TRUE(ok->isDefault());
            QTest::keyClick(boite, Qt::Key_Return);
        });
        Trouver<QAction>("Aproposde1")->trigger();
        EXPECT_EQ(titre, "A propos de kest");
        EXPECT_EQ(texteKest, "KEST");
        EXPECT_TRUE(form.findChildren<kest::TAboutDlg*>().isEmpty());
    }
}

TEST(BoiteErreur, FullStopUnlessTheLastCharacterIsAtMostOne) {
    struct Ligne {
        std::string message;
        QString texte;
    };
    for (const Ligne& l :
         {Ligne{"Pas assez de timers disponibles", "Pas assez de timers disponibles."},
          Ligne{"", ""}, Ligne{"fin.", "fin."}, Ligne{"fin!", "fin!"}, Ligne{"fin ", "fin "},
          Ligne{"fin/", "fin/."}, Ligne{"'é'", "'é'"}, Ligne{"tiré", "tiré."}})
        EXPECT_EQ(kest::TexteErreur(l.message), l.texte) << l.message;
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
