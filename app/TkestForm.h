// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QMainWindow>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "model/Affichage.h"
#include "model/Alimentation.h"
#include "model/Configuration.h"
#include "model/Regles.h"
#include "model/State.h"
#include "render/PainterSurface.h"

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QScrollBar;
class QShortcut;
class QStatusBar;
class QTimer;

namespace kest {

class FenetreOutil;
class TOptionsDlg;
class THarmoniquesDlg;
class TAlimentationDlg;

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

    // The "Spectre" window, created hidden on the first call and living as long as the window.
    THarmoniquesDlg& CreerHarmoniquesDlg();

    // The "Alimentation" window, created hidden on the first call and living as long as the
    // window. What it reports goes through the supply's rules (model/Alimentation.h): a kind
    // at once, the free values with Enter; a refused value is shown and changes nothing.
    TAlimentationDlg& CreerAlimentationDlg();
    void AppliquerAlimentation(Alimentation alimentation);
    void AppliquerAlimentationLibre(const SaisieAlimentation& saisie);
    void Alimentation1Click();

    // The decimal separator of numbers in the dialog, as UTF-8; "." when the locale has none.
    const std::string& Separateur() const { return separateur_; }
    void LireSeparateur(const QLocale& locale);

    // What the options dialog reports. Values entered with Enter go through the state rules
    // step by step: a failure is shown, keeps what the earlier steps stored and asks no
    // repaint. A distribution sets the two flags only.
    void AppliquerOptions(const Saisie& saisie);
    void AppliquerDistribution(bool reelle, bool doubleEtoile);

    // The picture's zoom, one of 1, 1.5, 2, 3 and 4, and whether the window fills the screen,
    // where the picture is fitted to it instead; both are kept for the next start.
    double Zoom() const { return zoom_; }
    bool PleinEcran() const { return pleinEcran_; }
    // The factor the picture is drawn at now, and the copy's outer size: the window's own at
    // 100 %, else the one it has at 100 %, so that a copy is the same picture at any zoom.
    double FacteurImage() const;
    QSize TailleCopie() const;

    // Tests only: starts a case from a given state, repainted as after any change.
    void RemplacerEtatPourTest(const State& etat);

    // Handlers, named after the control and the event.
    void FormPaint();
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
    void CreerZoom();
    // The zoom: the window takes the size of the picture at k and the tool row follows its
    // right edge; it leaves full screen first. The choice is written for the next start.
    void RegleZoom(double k);
    void ReglePleinEcran(bool plein);
    // Whether the window at zoom k, frame included, fits the screen's available area; the
    // largest step up to k that does (at least 1); "Agrandir" only while the next step fits.
    bool TientSurEcran(double k) const;
    double ZoomPermis(double k) const;
    void ActiverZoom();
    void Memoriser() const;
    // The window's client size at zoom k: the drawing area scaled, the menu and status bars not.
    QSize TailleClient(double k) const;
    // The tool row keeps its distance to the drawing area's right edge when the picture is
    // larger than at 100 %, and its own places at 100 %.
    void PlacerRangee();
    QAction* nouvelleAction(QMenu* menu, const char* nom, const QString& texte,
                            const QString& aide);
    // The clock's on/off flag: setting the value already held does nothing.
    void RegleMarche(bool marche);
    void DemarrerTimer();
    Affichage LireAffichage() const;
    // Asks for a repaint of the picture: the whole drawing area, background erased first.
    // Every change of the state ends here, and so does a change of the views.
    void Redessiner();

    QMenuBar* MainMenu1 = nullptr;
    QMenu* Fichier1 = nullptr;
    QAction* Quitter1 = nullptr;
    QMenu* Simulation1 = nullptr;
    QAction* Stop1 = nullptr;
    QAction* Play1 = nullptr;
    QMenu* Options1 = nullptr;
    QAction* Dimensions1 = nullptr;
    QAction* Harmoniques1 = nullptr;
    QAction* Alimentation1 = nullptr;
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
    QShortcut* echap_ = nullptr;  // Escape, which only leaves full screen

    State etat_;  // written only by the rules of model/Regles.h, called from this window
    QWidget* Zone = nullptr;  // the drawing area, the central widget
    std::unique_ptr<PainterSurface> surface_;
    TOptionsDlg* OptionsDlg = nullptr;            // a child of this window
    THarmoniquesDlg* HarmoniquesDlg = nullptr;    // a child of this window
    TAlimentationDlg* AlimentationDlg = nullptr;  // a child of this window
    bool horlogeMarche_ = false;
    bool cadreAjuste_ = false;
    std::string separateur_ = ".";
    double zoom_ = 1.0;
    bool pleinEcran_ = false;
    QSize clientNormal_;  // the window's client and outer sizes at 100 %
    QSize cadreNormal_;
    QPoint positionNormale_;                           // where the window was before full screen
    std::vector<std::pair<QWidget*, QPoint>> rangee_;  // the tool row's controls at 100 %
};

}  // namespace kest
