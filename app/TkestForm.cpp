// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TkestForm.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>
#include <QWindow>
#include <algorithm>

#include "app/BoiteErreur.h"
#include "app/Copier.h"
#include "app/Disposition.h"
#include "app/TAboutDlg.h"
#include "app/TAlimentationDlg.h"
#include "app/THarmoniquesDlg.h"
#include "app/TOptionsDlg.h"
#include "app/ZoneImage.h"
#include "model/Erreur.h"
#include "model/Monophase.h"
#include "model/Regles.h"
#include "scene/Dessine.h"
#include "scene/Plan.h"

namespace kest {

namespace {

// The outer frame at start: its top-left corner; its size is the picture's (scene/Plan.h),
// frame included.
constexpr int kGauche = 100;
constexpr int kHaut = 100;

QCheckBox* NouvelleCase(const char* nom, const QString& texte, const QString& aide, QWidget* parent,
                        int y) {
    auto* c = new QCheckBox(texte, parent);
    c->setObjectName(QString::fromLatin1(nom));
    c->setStatusTip(aide);
    c->setChecked(true);
    c->setGeometry(592, y, std::max(89, c->sizeHint().width()), 17);
    return c;
}

}  // namespace

TkestForm::TkestForm(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("kestForm"));
    setWindowTitle(QStringLiteral("kestForm"));
    setFont(PoliceInterface());
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    setPalette(palette);

    zone_ = new ZoneImage(this, [this](DrawingSurface& surface) { FormPaint(surface); });
    setCentralWidget(zone_);

    CreerMenus();
    CreerRangeeOutils();
    StatusBar1 = statusBar();
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setFixedHeight(19);  // the classic status bar, docked full width at the bottom

    // The state's defaults come with State itself; then the clock, off, at the bar's speed.
    CreerHorloge();
    LireSeparateur(QLocale::system());

    // move() places the outer frame; the frame's own size is known only once the window
    // manager has framed the window, so event() shrinks the client once to keep 700 x 500.
    move(kGauche, kHaut);
    resize(kLargeurImage, kHauteurImage);
    connect(zone_, &ZoneImage::ZoomChange, this, [this] {
        Agrandir1->setEnabled(zone_->PeutAgrandir());
        PleinEcran1->setChecked(zone_->PleinEcran());
    });
    zone_->Restaurer();
}

TkestForm::~TkestForm() = default;

QAction* TkestForm::NouvelleAction(QMenu* menu, const char* nom, const QString& texte,
                                   const QString& aide) {
    QAction* action = menu->addAction(texte);
    action->setObjectName(QString::fromLatin1(nom));
    action->setStatusTip(aide);
    return action;
}

void TkestForm::CreerMenus() {
    MainMenu1 = menuBar();
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    const auto menu = [this](const char* nom, const QString& texte) {
        QMenu* m = MainMenu1->addMenu(texte);
        m->setObjectName(QString::fromLatin1(nom));
        return m;
    };
    // Every handler runs under the guard: an error is shown and the program goes on.
    const auto relier = [this](QAction* action, void (TkestForm::*gestionnaire)()) {
        connect(action, &QAction::triggered, this,
                [this, gestionnaire] { Garde([&] { (this->*gestionnaire)(); }); });
    };

    Fichier1 = menu("Fichier1", tr("&Fichier"));
    Quitter1 = NouvelleAction(Fichier1, "Quitter1", tr("&Quitter"), tr("Sort de l'application"));
    relier(Quitter1, &TkestForm::Quitter1Click);
    Fichier1->addSeparator();
    EnregistrerBobinage1 =
        NouvelleAction(Fichier1, "EnregistrerBobinage1", tr("&Enregistrer le bobinage…"),
                       tr("Enregistre le tableau des encoches dans un fichier CSV"));
    relier(EnregistrerBobinage1, &TkestForm::EnregistrerBobinage1Click);
    OuvrirBobinage1 = NouvelleAction(
        Fichier1, "OuvrirBobinage1", tr("&Ouvrir un bobinage…"),
        tr("Lit un tableau des encoches d'un fichier CSV : il devient le bobinage personnalisé"));
    relier(OuvrirBobinage1, &TkestForm::OuvrirBobinage1Click);

    Edit1 = menu("Edit1", tr("&Edit"));
    Copy1 = NouvelleAction(Edit1, "Copy1", tr("&Copier"), QString());
    Copy1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    // Anywhere in the main window, whichever control has the focus.
    Copy1->setShortcutContext(Qt::ApplicationShortcut);
    relier(Copy1, &TkestForm::Copy1Click);

    Simulation1 = menu("Simulation1", tr("&Simulation"));
    Play1 = NouvelleAction(Simulation1, "Play1", tr("&Play"), tr("Lance la simulation"));
    relier(Play1, &TkestForm::Play1Click);
    Stop1 = NouvelleAction(Simulation1, "Stop1", tr("&Stop"), tr("Arrête la simulation"));
    relier(Stop1, &TkestForm::Stop1Click);

    // A tool window's item: its mark is the window's (FenetreOutil); Qt flips the mark before
    // telling, so it is put back and the window decides.
    const auto outil = [&](const char* nom, const QString& texte, const QString& aide,
                           void (TkestForm::*gestionnaire)()) {
        QAction* action = NouvelleAction(Options1, nom, texte, aide);
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, action, gestionnaire](bool coche) {
            action->setChecked(!coche);
            Garde([&] { (this->*gestionnaire)(); });
        });
        return action;
    };
    Options1 = menu("Options1", tr("&Options"));
    Dimensions1 =
        outil("Dimensions1", tr("&Dimensions"), tr("Dimensions des bobines et options diverses"),
              &TkestForm::Dimensions1Click);
    Harmoniques1 = outil("Harmoniques1", tr("&Harmoniques"),
                         tr("Harmoniques de la force magnétomotrice et facteurs de bobinage"),
                         &TkestForm::Harmoniques1Click);
    Alimentation1 = outil(
        "Alimentation1", tr("&Alimentation"),
        tr("Courants des trois phases : équilibrés, inversés, une phase seule, une phase coupée "
           "ou libres ; champs direct et inverse"),
        &TkestForm::Alimentation1Click);
    Bobinage1 = outil("Bobinage1", tr("&Bobinage"), AideBobinage(), &TkestForm::Bobinage1Click);

    Options1->addSeparator();
    Agrandir1 = NouvelleAction(Options1, "Agrandir1", tr("A&grandir"),
                               tr("Agrandit l'image et la fenêtre"));
    // Ctrl+= too: the same key as Ctrl++ without Shift on many keyboards.
    Agrandir1->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    relier(Agrandir1, &TkestForm::Agrandir1Click);
    Reduire1 =
        NouvelleAction(Options1, "Reduire1", tr("&Réduire"), tr("Réduit l'image et la fenêtre"));
    Reduire1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    relier(Reduire1, &TkestForm::Reduire1Click);
    TailleNormale1 = NouvelleAction(Options1, "TailleNormale1", tr("&Taille normale"),
                                    tr("Affiche l'image à sa taille d'origine"));
    TailleNormale1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    relier(TailleNormale1, &TkestForm::TailleNormale1Click);
    PleinEcran1 = NouvelleAction(Options1, "PleinEcran1", tr("&Plein écran"),
                                 tr("Affiche l'image sur tout l'écran (Échap pour revenir)"));
    PleinEcran1->setCheckable(true);
    PleinEcran1->setShortcut(QKeySequence(Qt::Key_F11));
    relier(PleinEcran1, &TkestForm::PleinEcran1Click);

    // The machine, after the picture's items: the three-phase stator or the single-phase motor,
    // one checked; and the motor's window.
    Options1->addSeparator();
    Machine1 = Options1->addMenu(tr("Ma&chine"));
    Machine1->setObjectName(QStringLiteral("Machine1"));
    auto* machines = new QActionGroup(Machine1);
    for (int i = 0; i < 2; ++i) {
        const auto machine = static_cast<Machine>(i);
        Machines1[i] =
            NouvelleAction(Machine1, i ? "Monophasee1" : "Triphasee1",
                           QLatin1Char('&') + QString::fromStdString(NomMachine(machine)),
                           i ? tr("Le moteur monophasé à condensateur") : tr("Le stator triphasé"));
        Machines1[i]->setCheckable(true);
        machines->addAction(Machines1[i]);
        connect(Machines1[i], &QAction::triggered, this,
                [this, machine] { AppliquerMachine(machine); });
    }
    Machines1[0]->setChecked(true);
    Moteur1 = outil("Moteur1", tr("&Moteur monophasé"),
                    tr("Moteur monophasé : démarrage, condensateur, rapport des spires, "
                       "impédances et conception"),
                    &TkestForm::Moteur1Click);

    Aide1 = menu("Aide1", tr("&Aide"));
    Aproposde1 = NouvelleAction(Aide1, "Aproposde1", tr("&A propos de ..."),
                                tr("Affiche des informations à propos du logiciel"));
    relier(Aproposde1, &TkestForm::Aproposde1Click);
}

void TkestForm::CreerRangeeOutils() {
    const QString aideVitesse = tr("Choisi la vitesse de l'animation");

    SpeedButton1 = new QPushButton(tr("Play"), zone_);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setFont(PoliceInterface(true));
    SpeedButton1->setFocusPolicy(Qt::NoFocus);
    SpeedButton1->setStatusTip(tr("Lance / Arrête l'animation"));
    SpeedButton1->setGeometry(392, 0, 49, 22);
    connect(SpeedButton1, &QPushButton::clicked, this, [this] { Garde([this] { Run1Click(); }); });

    // The bar's position is the tick interval in milliseconds: left is fast, right is slow.
    ScrollBar1 = new QScrollBar(Qt::Horizontal, zone_);
    ScrollBar1->setObjectName(QStringLiteral("ScrollBar1"));
    ScrollBar1->setRange(10, 200);
    ScrollBar1->setValue(60);
    ScrollBar1->setSingleStep(1);
    ScrollBar1->setPageStep(10);
    ScrollBar1->setFocusPolicy(Qt::StrongFocus);
    ScrollBar1->setStatusTip(aideVitesse);
    ScrollBar1->installEventFilter(this);
    ScrollBar1->setGeometry(448, 0, 121, 16);
    connect(ScrollBar1, &QScrollBar::valueChanged, this,
            [this](int position) { Garde([&] { ScrollBar1Change(position); }); });

    Label2 = NouveauLibelle(QStringLiteral("Label2"), tr("Rapide"), zone_, 448, 16);
    Label2->setStatusTip(aideVitesse);
    Label1 = NouveauLibelle(QStringLiteral("Label1"), tr("Lent"), zone_, 569, 16, true);
    Label1->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Label1->setStatusTip(aideVitesse);

    CheckBoxAfficheVect =
        NouvelleCase("CheckBoxAfficheVect", tr("Vecteurs"), tr("Affiche les vecteurs"), zone_, 2);
    CheckBoxAfficheOnde = NouvelleCase("CheckBoxAfficheOnde", tr("Onde"),
                                       tr("Affiche l'onde associée à la kest"), zone_, 18);
    CheckBoxAfficheBobinage =
        NouvelleCase("CheckBoxAfficheBobinage", tr("Bobinage"),
                     tr("Affiche l'emplacement des bobines de chaque phase"), zone_, 34);
    for (QCheckBox* c : {CheckBoxAfficheVect, CheckBoxAfficheOnde, CheckBoxAfficheBobinage})
        connect(c, &QCheckBox::clicked, this,
                [this] { Garde([this] { CheckBoxAfficheClick(); }); });

    // Opaque, so that a repaint of the picture leaves them out: redrawing the button, the bar
    // and the check boxes at every tick would cost half as much again as the picture, which
    // never reaches under them at ordinary sizes.
    // The two labels too: a transparent label is shaped and drawn again at every tick, a tenth
    // of a tick's time, over the same background.
    for (QWidget* c : std::initializer_list<QWidget*>{SpeedButton1, ScrollBar1, Label1, Label2,
                                                      CheckBoxAfficheVect, CheckBoxAfficheOnde,
                                                      CheckBoxAfficheBobinage})
        c->setAutoFillBackground(true);

    setTabOrder(ScrollBar1, CheckBoxAfficheVect);
    setTabOrder(CheckBoxAfficheVect, CheckBoxAfficheOnde);
    setTabOrder(CheckBoxAfficheOnde, CheckBoxAfficheBobinage);
}

void TkestForm::CreerHorloge() {
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(ScrollBar1->value());
    connect(Timer1, &QTimer::timeout, this, [this] { Garde([this] { Timer1Timer(); }); });
}

double TkestForm::Zoom() const { return zone_->Zoom(); }

bool TkestForm::PleinEcran() const { return zone_->PleinEcran(); }

double TkestForm::FacteurImage() const { return zone_->FacteurImage(); }

void TkestForm::Agrandir1Click() { zone_->Agrandir(); }

void TkestForm::Reduire1Click() { zone_->Reduire(); }

void TkestForm::TailleNormale1Click() { zone_->TailleNormale(); }

void TkestForm::PleinEcran1Click() { zone_->BasculerPleinEcran(); }

TOptionsDlg& TkestForm::CreerOptionsDlg() {
    if (!OptionsDlg) {
        OptionsDlg = new TOptionsDlg(this);
        Rattacher(*OptionsDlg, Dimensions1);
        connect(OptionsDlg, &TOptionsDlg::ValeursEntrees, this, &TkestForm::AppliquerOptions);
        connect(OptionsDlg, &TOptionsDlg::DistributionChoisie, this,
                &TkestForm::AppliquerDistribution);
    }
    return *OptionsDlg;
}

THarmoniquesDlg& TkestForm::CreerHarmoniquesDlg() {
    if (!HarmoniquesDlg) {
        HarmoniquesDlg = new THarmoniquesDlg(this);
        Rattacher(*HarmoniquesDlg, Harmoniques1);
    }
    return *HarmoniquesDlg;
}

TAlimentationDlg& TkestForm::CreerAlimentationDlg() {
    if (!AlimentationDlg) {
        AlimentationDlg = new TAlimentationDlg(this);
        Rattacher(*AlimentationDlg, Alimentation1);
        connect(AlimentationDlg, &TAlimentationDlg::AlimentationChoisie, this,
                &TkestForm::AppliquerAlimentation);
        connect(AlimentationDlg, &TAlimentationDlg::ValeursEntrees, this,
                &TkestForm::AppliquerAlimentationLibre);
    }
    return *AlimentationDlg;
}

void TkestForm::AppliquerAlimentation(Alimentation alimentation) {
    Garde([&] {
        ChoisirAlimentation(etat_, alimentation);
        Redessiner();
    });
}

void TkestForm::AppliquerAlimentationLibre(const SaisieAlimentation& saisie) {
    // The correct fields are stored and "Libre" chosen even when one is refused: the button
    // follows, the fields show what was stored, and a refused one keeps its text to be mended.
    bool refuse = true;
    Garde([&] { kest::AppliquerAlimentationLibre(etat_, saisie, separateur_), refuse = false; });
    Garde([&] {
        AlimentationDlg->Remplir(etat_, separateur_, !refuse);
        Redessiner();
    });
}

void TkestForm::Rattacher(FenetreOutil& fenetre, QAction* action) {
    fenetre.Relier(action);
    // The window's help lines show in this window's status bar.
    connect(&fenetre, &FenetreOutil::AideAffichee, StatusBar1,
            [this](const QString& aide) { StatusBar1->showMessage(aide); });
}

void TkestForm::Alimentation1Click() {
    TAlimentationDlg& fenetre = CreerAlimentationDlg();
    if (!fenetre.isVisible()) fenetre.Remplir(etat_, separateur_);
    fenetre.Basculer();
}

void TkestForm::LireSeparateur(const QLocale& locale) {
    const std::string separateur = locale.decimalPoint().toStdString();
    separateur_ = separateur.empty() ? "." : separateur;
}

void TkestForm::Redessiner() {
    zone_->update();
    SuivreOutils();  // every change of the state ends here
}

void TkestForm::AppliquerOptions(const Saisie& saisie) {
    Garde([&] {
        AppliquerSaisie(etat_, saisie, separateur_);
        Redessiner();
    });
}

void TkestForm::AppliquerDistribution(bool reelle, bool doubleEtoile) {
    Garde([&] {
        ChoisirDistribution(etat_, reelle, doubleEtoile);
        Redessiner();
    });
}

void TkestForm::Configurer(const Configuration& configuration) {
    etat_ = configuration.etat;
    CheckBoxAfficheVect->setChecked(configuration.affichage.Vecteurs);
    CheckBoxAfficheOnde->setChecked(configuration.affichage.Onde);
    CheckBoxAfficheBobinage->setChecked(configuration.affichage.Bobinage);
    ScrollBar1->setValue(configuration.intervalle);  // through ScrollBar1Change, as a move
    if (configuration.enMarche)
        Play1Click();
    else
        Stop1Click();
    Redessiner();
}

Configuration TkestForm::ConfigurationCourante() const {
    return Configuration{etat_, LireAffichage(), Timer1->interval(), horlogeMarche_};
}

Affichage TkestForm::LireAffichage() const {
    return Affichage{CheckBoxAfficheVect->isChecked(), CheckBoxAfficheOnde->isChecked(),
                     CheckBoxAfficheBobinage->isChecked()};
}

void TkestForm::FormPaint(DrawingSurface& surface) { Dessine(surface, etat_, LireAffichage()); }

void TkestForm::CheckBoxAfficheClick() { Redessiner(); }

void TkestForm::Quitter1Click() { close(); }

void TkestForm::Run1Click() {
    // Decided by the clock's own flag, not by the caption.
    if (horlogeMarche_) {
        RegleMarche(false);
        SpeedButton1->setText(tr("Play"));
    } else {
        RegleMarche(true);
        SpeedButton1->setText(tr("Stop"));
    }
}

void TkestForm::Play1Click() {
    RegleMarche(true);
    SpeedButton1->setText(tr("Stop"));
}

void TkestForm::Stop1Click() {
    RegleMarche(false);
    SpeedButton1->setText(tr("Play"));
}

void TkestForm::ScrollBar1Change(int position) {
    int intervalle = Timer1->interval();
    if (!RegleIntervalle(intervalle, position)) return;
    Timer1->stop();
    Timer1->setInterval(intervalle);
    if (horlogeMarche_) DemarrerHorloge();
}

void TkestForm::Timer1Timer() {
    AvancerTemps(etat_);
    Redessiner();
}

void TkestForm::RegleMarche(bool marche) {
    if (marche == horlogeMarche_) return;  // no restart, no tick gained or lost
    horlogeMarche_ = marche;
    Timer1->stop();
    if (marche) DemarrerHorloge();
}

void TkestForm::DemarrerHorloge() {
    Timer1->start();
    // The flag stays on without ticks, so the next switch-off clears the situation.
    if (!Timer1->isActive()) throw Erreur(tr("Pas assez de timers disponibles").toStdString());
}

// Each tool window is filled from the state before it opens, then placed beside the picture.
void TkestForm::Dimensions1Click() {
    TOptionsDlg& dialogue = CreerOptionsDlg();
    if (!dialogue.isVisible()) dialogue.Remplir(etat_, separateur_);
    dialogue.Basculer();
}

void TkestForm::Harmoniques1Click() {
    THarmoniquesDlg& fenetre = CreerHarmoniquesDlg();
    if (!fenetre.isVisible()) fenetre.Suivre(etat_, separateur_, true);
    fenetre.Basculer();
}

void TkestForm::Copy1Click() {
    Copier(etat_, LireAffichage(), zone_->TailleCopie(), EcranCourant(),
           *QGuiApplication::clipboard());
}

void TkestForm::Aproposde1Click() {
    TAboutDlg boite(this);  // fresh for each opening, gone when this returns
    boite.exec();
}

bool TkestForm::event(QEvent* e) {
    if ((e->type() == QEvent::Move || e->type() == QEvent::Resize) && windowHandle())
        zone_->CadreConnu(windowHandle()->frameMargins());
    return QMainWindow::event(e);
}

void TkestForm::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LocaleChange) LireSeparateur(QLocale::system());
    QMainWindow::changeEvent(e);
}

bool TkestForm::eventFilter(QObject* objet, QEvent* e) {
    if (objet == ScrollBar1 && e->type() == QEvent::KeyPress) {
        // The desktop's scroll-bar keys: Left/Up and Page Up toward the minimum, Right/Down
        // and Page Down toward the maximum (Qt's scroll bar inverts some of them).
        QAbstractSlider::SliderAction action = QAbstractSlider::SliderNoAction;
        switch (static_cast<QKeyEvent*>(e)->key()) {
            case Qt::Key_Left:
            case Qt::Key_Up:
                action = QAbstractSlider::SliderSingleStepSub;
                break;
            case Qt::Key_Right:
            case Qt::Key_Down:
                action = QAbstractSlider::SliderSingleStepAdd;
                break;
            case Qt::Key_PageUp:
                action = QAbstractSlider::SliderPageStepSub;
                break;
            case Qt::Key_PageDown:
                action = QAbstractSlider::SliderPageStepAdd;
                break;
            case Qt::Key_Home:
                action = QAbstractSlider::SliderToMinimum;
                break;
            case Qt::Key_End:
                action = QAbstractSlider::SliderToMaximum;
                break;
            default:
                break;
        }
        if (action != QAbstractSlider::SliderNoAction) {
            ScrollBar1->triggerAction(action);
            return true;
        }
    }
    return QMainWindow::eventFilter(objet, e);
}

}  // namespace kest
