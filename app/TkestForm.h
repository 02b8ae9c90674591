// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QMainWindow>
#include <string>

#include "model/Affichage.h"
#include "model/Alimentation.h"
#include "model/Configuration.h"
#include "model/Personnalise.h"
#include "model/Regles.h"
#include "model/State.h"
#include "scene/DrawingSurface.h"

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QScrollBar;
class QStatusBar;
class QTimer;

namespace kest {

class FenetreOutil;
class ZoneImage;
class TOptionsDlg;
class THarmoniquesDlg;
class TAlimentationDlg;
class TBobinageDlg;
class TMoteurDlg;
struct SaisieEncoches;
struct SaisieMoteur;

// The main window: menu, tool row, status bar and, below the menu, the drawing area where
// the scene is painted at fixed client pixels. It owns the simulation state and the clock.
class TkestForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TkestForm(QWidget* parent = nullptr);
    ~TkestForm() override;

    // The options dialog, created hidden on the first call and living as long as the window.
    TOptionsDlg& CreerOptionsDlg();

    // The simulation state, for reading: only the window's rules change it.
    const State& Etat() const { return etat_; }

    // Starts in a configuration (the command line's): the state, the check boxes, the speed
    // bar and the clock, as if the user had set them.
    void Configurer(const Configuration& configuration);
    // The configuration on screen: the state, the views, the bar's interval, the clock's flag.
    Configuration ConfigurationCourante() const;

    // The "Harmoniques" window, created hidden on the first call and living as long as the window.
    THarmoniquesDlg& CreerHarmoniquesDlg();

    // The "Alimentation" window, created hidden on the first call and living as long as the
    // window. What it reports goes through the supply's rules (model/Alimentation.h): a kind
    // at once, the free values with Enter; a refused value is shown and changes nothing.
    TAlimentationDlg& CreerAlimentationDlg();
    void AppliquerAlimentation(Alimentation alimentation);
    void AppliquerAlimentationLibre(const SaisieAlimentation& saisie);
    void Alimentation1Click();

    // The "Bobinage" window, created hidden on the first call and living as long as the window.
    // What it reports goes through the slot winding's rules (model/Encoches.h): a kind at once,
    // the slots, layers and span with Enter; a refusal is shown and changes nothing.
    TBobinageDlg& CreerBobinageDlg();
    void AppliquerGenreBobinage(TypeBobinage type);
    void AppliquerSaisieEncoches(const SaisieEncoches& saisie);
    void Bobinage1Click();
    // A cell of the shown slot table written (model/Personnalise.h): the custom winding, a copy
    // of the table shown when it was not the custom one, takes it; undone and redone step by
    // step. A refusal is shown and changes nothing.
    void AppliquerCellule(int encoche, int couche, Cellule cellule);
    void AnnulerBobinage();
    void RefaireBobinage();
    // The shown slot table as a file, and a file's table as the custom winding (undoable); a
    // file that cannot be written or read, or a refused table, is shown and changes nothing.
    // The File menu's items ask for the path.
    void EnregistrerBobinage(const QString& chemin);
    void OuvrirBobinage(const QString& chemin);
    void EnregistrerBobinage1Click();
    void OuvrirBobinage1Click();

    // The machine (Options › Machine, or the motor's window) and the "Moteur monophasé" window,
    // created hidden on the first call and living as long as the window. What it reports goes
    // through the motor's rules (model/Monophase.h): a start or the slider at once, the six
    // free values with Enter; a refusal is shown and changes nothing.
    TMoteurDlg& CreerMoteurDlg();
    void AppliquerMachine(Machine machine);
    void AppliquerDemarrage(Demarrage demarrage);
    void AppliquerCondensateur(double microfarads);
    void AppliquerSaisieMoteur(const SaisieMoteur& saisie);
    void Moteur1Click();

    // The decimal separator of numbers in the dialog, as UTF-8; "." when the locale has none.
    const std::string& Separateur() const { return separateur_; }
    void LireSeparateur(const QLocale& locale);

    // What the options dialog reports. Values entered with Enter go through the state rules
    // step by step: a failure is shown, keeps what the earlier steps stored and asks no
    // repaint. A distribution sets the two flags only.
    void AppliquerOptions(const Saisie& saisie);
    void AppliquerDistribution(bool reelle, bool doubleEtoile);

    // The picture's zoom, one of 1, 1.5, 2, 3 and 4, whether the window fills the screen, where
    // the picture is fitted to it instead, and the factor it is drawn at now (app/ZoneImage.h).
    double Zoom() const;
    bool PleinEcran() const;
    double FacteurImage() const;

    // Handlers, named after the control and the event. FormPaint draws the picture on the
    // drawing area's surface.
    void FormPaint(DrawingSurface& surface);
    void CheckBoxAfficheClick();
    void Quitter1Click();
    void Run1Click();
    void Play1Click();
    void Stop1Click();
    void ScrollBar1Change(int position);
    void Timer1Timer();
    void Dimensions1Click();
    void Harmoniques1Click();
    void Copy1Click();
    void Aproposde1Click();
    void Agrandir1Click();
    void Reduire1Click();
    void TailleNormale1Click();
    void PleinEcran1Click();

protected:
    bool event(QEvent* e) override;
    void changeEvent(QEvent* e) override;
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    void CreerMenus();
    // A tool window's menu item and help lines.
    void Rattacher(FenetreOutil& fenetre, QAction* action);
    void CreerRangeeOutils();
    void CreerHorloge();
    QAction* NouvelleAction(QMenu* menu, const char* nom, const QString& texte,
                            const QString& aide);
    // The clock's on/off flag: setting the value already held does nothing.
    void RegleMarche(bool marche);
    void DemarrerHorloge();
    Affichage LireAffichage() const;
    // Asks for a repaint of the picture: the whole drawing area, background erased first.
    // Every change of the state ends here, and so does a change of the views.
    void Redessiner();
    // The tool windows shown follow the state: each computes again only what changed.
    void SuivreOutils();
    static QString AideBobinage();

    QMenuBar* MainMenu1 = nullptr;
    QMenu* Fichier1 = nullptr;
    QAction* Quitter1 = nullptr;
    QAction* EnregistrerBobinage1 = nullptr;
    QAction* OuvrirBobinage1 = nullptr;
    QMenu* Simulation1 = nullptr;
    QAction* Stop1 = nullptr;
    QAction* Play1 = nullptr;
    QMenu* Options1 = nullptr;
    QAction* Dimensions1 = nullptr;
    QAction* Harmoniques1 = nullptr;
    QAction* Alimentation1 = nullptr;
    QAction* Bobinage1 = nullptr;
    QMenu* Aide1 = nullptr;
    QAction* Aproposde1 = nullptr;
    QTimer* Timer1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QPushButton* SpeedButton1 = nullptr;
    QScrollBar* ScrollBar1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QCheckBox* CheckBoxAfficheVect = nullptr;
    QCheckBox* CheckBoxAfficheOnde = nullptr;
    QCheckBox* CheckBoxAfficheBobinage = nullptr;
    QMenu* Edit1 = nullptr;
    QAction* Copy1 = nullptr;
    QAction* Agrandir1 = nullptr;
    QAction* Reduire1 = nullptr;
    QAction* TailleNormale1 = nullptr;
    QAction* PleinEcran1 = nullptr;
    QMenu* Machine1 = nullptr;
    QAction* Machines1[2] = {};  // Triphasé, Monophasé à condensateur
    QAction* Moteur1 = nullptr;

    State etat_;  // written only by the rules of model/Regles.h, called from this window
    HistoriqueBobinage historique_;             // the custom winding's edits, files opened included
    ZoneImage* zone_ = nullptr;                 // the drawing area, the central widget
    TOptionsDlg* OptionsDlg = nullptr;          // a child of this window
    THarmoniquesDlg* HarmoniquesDlg = nullptr;  // a child of this window
    TAlimentationDlg* AlimentationDlg = nullptr;  // a child of this window
    TBobinageDlg* BobinageDlg = nullptr;          // a child of this window
    TMoteurDlg* MoteurDlg = nullptr;              // a child of this window
    bool horlogeMarche_ = false;
    std::string separateur_ = ".";
};

}  // namespace kest
