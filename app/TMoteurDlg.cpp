// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TMoteurDlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QStyleOptionSlider>
#include <QVBoxLayout>
#include <cmath>

#include "model/Curseur.h"

namespace kest {

CurseurCondensateur::CurseurCondensateur(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
    setRange(0, kPasCurseur);
    setSingleStep(5);
    setPageStep(50);
    // Room under the groove for the mark.
    setMinimumHeight(sizeHint().height() + 8);
}

void CurseurCondensateur::Marquer(std::optional<int> position) {
    if (position == marque_) return;
    marque_ = position;
    update();
}

void CurseurCondensateur::paintEvent(QPaintEvent* e) {
    QSlider::paintEvent(e);
    if (!marque_) return;
    // The handle's centre at that step, as the style places it.
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect poignee =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    const int x = poignee.width() / 2 +
                  QStyle::sliderPositionFromValue(minimum(), maximum(), *marque_,
                                                  width() - poignee.width(), option.upsideDown);
    QPainter peintre(this);
    peintre.setRenderHint(QPainter::Antialiasing);
    peintre.setPen(Qt::NoPen);
    peintre.setBrush(QColor(200, 0, 0));
    const int bas = height() - 1;
    const QPoint pointe[3] = {{x, bas - 6}, {x - 5, bas}, {x + 5, bas}};
    peintre.drawPolygon(pointe, 3);
}

namespace {

QString Nombre(double v, const std::string& separateur) {
    return QString::number(v, 'f', 1).replace(QLatin1Char('.'), QString::fromStdString(separateur));
}

}  // namespace

TMoteurDlg::TMoteurDlg(QWidget* parent) : FenetreOutil(parent) {
    setObjectName(QStringLiteral("MoteurDlg"));
    setWindowTitle(tr("Moteur monophasé"));
    auto* colonne = new QVBoxLayout(this);

    auto* machine = new QGroupBox(tr("Machine"), this);
    auto* lesMachines = new QVBoxLayout(machine);
    for (int i = 0; i < 2; ++i) {
        machines_[i] =
            new QRadioButton(QString::fromStdString(NomMachine(static_cast<Machine>(i))), machine);
        machines_[i]->setObjectName(QStringLiteral("RBMachine%1").arg(i));
        lesMachines->addWidget(machines_[i]);
        connect(machines_[i], &QRadioButton::toggled, this, [this, i](bool selectionne) {
            if (selectionne) emit MachineChoisie(static_cast<Machine>(i));
        });
    }
    machines_[0]->setStatusTip(tr("Le stator triphasé et son champ tournant"));
    machines_[1]->setStatusTip(
        tr("Un enroulement principal et un auxiliaire à 90°, alimenté à travers un condensateur"));
    colonne->addWidget(machine);

    // The motor's controls, usable with the single-phase machine only.
    moteur_ = new QGroupBox(tr("Démarrage"), this);
    moteur_->setObjectName(QStringLiteral("GroupeMoteur"));
    auto* grille = new QGridLayout(moteur_);
    for (int i = 0; i < kNombreDemarrages; ++i) {
        const auto d = static_cast<Demarrage>(i);
        demarrages_[i] = new QRadioButton(QString::fromStdString(NomDemarrage(d)), moteur_);
        demarrages_[i]->setObjectName(QStringLiteral("RBDemarrage%1").arg(i));
        demarrages_[i]->setStatusTip(QString::fromStdString(AideDemarrage(d)));
        grille->addWidget(demarrages_[i], i / 2, i % 2);
        connect(demarrages_[i], &QRadioButton::toggled, this, [this, i](bool selectionne) {
            if (selectionne) emit DemarrageChoisi(static_cast<Demarrage>(i));
        });
    }

    valeur_ = new QLabel(moteur_);
    valeur_->setObjectName(QStringLiteral("LabelCondensateur"));
    grille->addWidget(valeur_, 2, 0, 1, 2);
    curseur_ = new CurseurCondensateur(moteur_);
    curseur_->setObjectName(QStringLiteral("CurseurCondensateur"));
    curseur_->setStatusTip(tr("Capacité en µF, de %1 à %2 (échelle logarithmique) ; le triangle "
                              "rouge marque le condensateur de quadrature")
                               .arg(kCurseurMin)
                               .arg(kCurseurMax));
    grille->addWidget(curseur_, 3, 0, 1, 2);
    // Moved by the user (the program's moves are made with the signals blocked).
    connect(curseur_, &QSlider::valueChanged, this,
            [this](int position) { emit CondensateurChoisi(CondensateurCurseur(position)); });
    auto* bornes = new QHBoxLayout;
    bornes->addWidget(new QLabel(QStringLiteral("%1 µF").arg(kCurseurMin), moteur_));
    bornes->addStretch();
    bornes->addWidget(new QLabel(QStringLiteral("%1 µF").arg(kCurseurMax), moteur_));
    grille->addLayout(bornes, 4, 0, 1, 2);

    auto* libre = new QGroupBox(tr("Libre (Entrée applique)"), moteur_);
    auto* champs = new QGridLayout(libre);
    const QString noms[6] = {tr("C (µF, « aucun » ou « ouvert »)"),
                             QStringLiteral("a = N_a·k_wa / (N_m·k_wm)"),
                             QStringLiteral("R_m (Ω)"),
                             QStringLiteral("X_m (Ω)"),
                             QStringLiteral("R_a (Ω)"),
                             QStringLiteral("X_a (Ω)")};
    const QString aides[6] = {
        tr("Capacité du condensateur de l'auxiliaire en µF, « aucun » ou « ouvert »"),
        tr("Rapport des spires effectives de l'auxiliaire à celles du principal, de 0,1 à 10"),
        tr("Résistance du principal à l'arrêt, en ohms"),
        tr("Réactance du principal à l'arrêt, en ohms (au-dessus de 0)"),
        tr("Résistance de l'auxiliaire à l'arrêt, en ohms (au-dessus de 0)"),
        tr("Réactance de l'auxiliaire à l'arrêt, en ohms")};
    const char* objets[6] = {"IDC_condensateur", "IDC_rapport", "IDC_Rm",
                             "IDC_Xm",           "IDC_Ra",      "IDC_Xa"};
    for (int i = 0; i < 6; ++i) {
        champs_[i] = new QLineEdit(libre);
        champs_[i]->setObjectName(QString::fromLatin1(objets[i]));
        champs_[i]->setStatusTip(aides[i]);
        champs_[i]->setFixedWidth(70);
        AppliquerParEntree(champs_[i]);
        champs->addWidget(new QLabel(noms[i], libre), i, 0);
        champs->addWidget(champs_[i], i, 1);
    }
    grille->addWidget(libre, 5, 0, 1, 2);

    auto* conception = new QGroupBox(tr("Conception"), moteur_);
    auto* texte = new QVBoxLayout(conception);
    conception_ = new QLabel(conception);
    conception_->setObjectName(QStringLiteral("LabelConception"));
    conception_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    texte->addWidget(conception_);
    grille->addWidget(conception, 6, 0, 1, 2);

    colonne->addWidget(moteur_);
    colonne->setSizeConstraint(QLayout::SetFixedSize);
}

void TMoteurDlg::Remplir(const State& etat, const std::string& separateur, bool textes) {
    montre_ = etat;
    separateur_ = separateur;
    // The program's selections and moves are reported like the user's for the buttons (their
    // rules apply what is already there), never for the slider, which would choose "Libre".
    machines_[etat.machine == Machine::Monophasee]->setChecked(true);
    for (int i = 0; i < kNombreDemarrages; ++i)
        if (static_cast<Demarrage>(i) == etat.demarrage) demarrages_[i]->setChecked(true);
    moteur_->setEnabled(etat.machine == Machine::Monophasee);

    const double c = MoteurDe(etat).condensateur;
    {
        const QSignalBlocker bloque(curseur_);
        curseur_->setValue(PositionCurseur(c));
    }
    valeur_->setText(c == 0.0            ? tr("C : auxiliaire ouverte")
                     : !std::isfinite(c) ? tr("C : aucun condensateur")
                                         : tr("C = %1 µF").arg(Nombre(c, separateur)));
    const double quadrature = ConceptionDe(etat).condensateur;
    curseur_->Marquer(quadrature >= kCurseurMin && quadrature <= kCurseurMax
                          ? std::optional<int>(PositionCurseur(quadrature))
                          : std::nullopt);
    conception_->setText(QString::fromStdString(TexteConception(etat, separateur)));

    if (!textes) return;
    const SaisieMoteur affichee = SaisieMoteurAffichee(etat, separateur);
    champs_[0]->setText(QString::fromStdString(affichee.condensateur));
    champs_[1]->setText(QString::fromStdString(affichee.rapport));
    for (int i = 0; i < 4; ++i)
        champs_[i + 2]->setText(QString::fromStdString(affichee.impedances[i]));
    for (QLineEdit* champ : champs_) champ->setCursorPosition(0);
}

void TMoteurDlg::Suivre(const State& etat, const std::string& separateur) {
    if (montre_ && MemeMoteur(*montre_, etat) && montre_->Omega == etat.Omega &&
        separateur == separateur_)
        return;
    Remplir(etat, separateur);
}

void TMoteurDlg::FormKeyDown() {
    SaisieMoteur saisie;
    saisie.condensateur = champs_[0]->text().toStdString();
    saisie.rapport = champs_[1]->text().toStdString();
    for (int i = 0; i < 4; ++i) saisie.impedances[i] = champs_[i + 2]->text().toStdString();
    emit ValeursEntrees(saisie);
}

}  // namespace kest
