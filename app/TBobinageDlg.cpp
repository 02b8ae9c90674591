// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TBobinageDlg.h"

#include <QClipboard>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/BoiteErreur.h"
#include "app/Copier.h"
#include "app/Disposition.h"
#include "model/Personnalise.h"
#include "render/Agrandissement.h"
#include "render/PainterSurface.h"
#include "scene/Etoile.h"
#include "scene/Plan.h"
#include "scene/Vues.h"

namespace kest {

ZoneEtoile::ZoneEtoile(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ZoneEtoile"));
    setAutoFillBackground(true);
    const QPalette palette = parent->palette();
    surface_ = std::make_unique<PainterSurface>(
        PoliceInterface(), palette.color(QPalette::WindowText), palette.color(QPalette::Window));
    setMinimumSize(kLargeurImage / 2, kHauteurImage / 2);
}

QSize ZoneEtoile::sizeHint() const { return {kLargeurImage, kHauteurImage}; }

ZoneEtoile::~ZoneEtoile() = default;

void ZoneEtoile::Montrer(const State& etat) {
    etat_ = etat;
    update();
}

void ZoneEtoile::Dessiner(DrawingSurface& d) const { DessineEtoile(d, etat_); }

void ZoneEtoile::paintEvent(QPaintEvent*) {
    Garde([this] {
        QPainter peintre(this);
        const double k = AgrandissementAjuste(size());
        Agrandit(peintre, k, OrigineCentree(size(), k));
        const PainterSurface::Attache attache(*surface_, peintre);
        Dessiner(*surface_);
    });
}

TBobinageDlg::TBobinageDlg(QWidget* parent) : FenetreOutil(parent) {
    setObjectName(QStringLiteral("BobinageDlg"));
    setWindowTitle(tr("Bobinage"));
    auto* colonne = new QVBoxLayout(this);
    auto* rangee = new QHBoxLayout;

    auto* genres = new QGroupBox(tr("Bobinage"), this);
    genres->setObjectName(QStringLiteral("GroupeBobinage"));
    auto* boutons = new QVBoxLayout(genres);
    for (int i = 0; i < static_cast<int>(GenresBobinage().size()); ++i) {
        const auto type = static_cast<TypeBobinage>(i);
        auto* bouton = new QRadioButton(QString::fromStdString(LibelleBobinage(type)), genres);
        bouton->setObjectName(QStringLiteral("RBBobinage%1").arg(i));
        bouton->setStatusTip(QString::fromStdString(AideBobinage(type)));
        boutons->addWidget(bouton);
        // Remplir blocks the signals: only the user's choice is reported.
        connect(bouton, &QRadioButton::toggled, this, [this, type](bool selectionne) {
            if (selectionne) emit GenreChoisi(type);
        });
        boutons_.push_back(bouton);
    }
    boutons->addStretch(1);
    rangee->addWidget(genres);

    auto* encoches = new QGroupBox(tr("Par encoches (Entrée applique)"), this);
    encoches->setObjectName(QStringLiteral("GroupeEncoches"));
    auto* grille = new QGridLayout(encoches);
    const auto champ = [&](QLineEdit*& edit, const char* nom, const QString& libelle,
                           const QString& aide, int ligne) {
        edit = new QLineEdit(encoches);
        edit->setObjectName(QString::fromLatin1(nom));
        edit->setStatusTip(aide);
        edit->setFixedWidth(60);
        AppliquerParEntree(edit);
        auto* etiquette = new QLabel(libelle, encoches);
        etiquette->setBuddy(edit);
        grille->addWidget(etiquette, ligne, 0);
        grille->addWidget(edit, ligne, 1);
    };
    champ(IDC_encoches, "IDC_encoches", tr("Encoches"), tr("Nombre d'encoches Q, multiple de 3"),
          0);
    champ(IDC_couches, "IDC_couches", tr("Couches"), tr("1 ou 2 couches"), 1);
    champ(IDC_pas, "IDC_pas", tr("Pas"),
          tr("Ouverture des bobines en encoches, de 1 (bobines sur dent) à Q/2"), 2);
    // What a designer reads first: slots per pole and phase, and how often the winding repeats.
    LabelQ = new QLabel(encoches);
    LabelQ->setObjectName(QStringLiteral("LabelQ"));
    LabelQ->setStatusTip(tr("Encoches par pôle et par phase, en fraction"));
    grille->addWidget(LabelQ, 0, 2);
    LabelPeriodicite = new QLabel(encoches);
    LabelPeriodicite->setObjectName(QStringLiteral("LabelPeriodicite"));
    LabelPeriodicite->setStatusTip(
        tr("Nombre de fois que le bobinage se répète sur un tour ; au-dessous de p, la "
           "force magnétomotrice a des sous-harmoniques"));
    grille->addWidget(LabelPeriodicite, 1, 2);
    grille->setColumnStretch(2, 1);
    grille->setColumnMinimumWidth(2, 230);
    rangee->addWidget(encoches, 1);
    colonne->addLayout(rangee);

    LabelNom = new QLabel(this);
    LabelNom->setObjectName(QStringLiteral("NomEncoches"));
    colonne->addWidget(LabelNom);
    TableEncoches = new QTableWidget(this);
    TableEncoches->setObjectName(QStringLiteral("TableEncoches"));
    TableEncoches->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TableEncoches->setSelectionMode(QAbstractItemView::NoSelection);
    TableEncoches->setFocusPolicy(Qt::NoFocus);  // Ctrl+C belongs to the window
    TableEncoches->horizontalHeader()->setMinimumSectionSize(30);
    TableEncoches->horizontalHeader()->setDefaultSectionSize(34);
    TableEncoches->setStatusTip(
        tr("Phase et sens du faisceau de chaque encoche, par couche : A+ aller, A− retour"));
    colonne->addWidget(TableEncoches);
    etoile_ = new ZoneEtoile(this);
    etoile_->setStatusTip(
        tr("Étoile des encoches : la f.é.m. de chaque encoche, numérotée, dans le secteur de "
           "sa phase ; Ctrl+C copie l'étoile"));
    colonne->addWidget(etoile_, 1);
}

void TBobinageDlg::Remplir(const State& etat, bool textes) {
    montre_ = etat;
    rempli_ = true;
    for (std::size_t i = 0; i < boutons_.size(); ++i) {
        const QSignalBlocker bloque(boutons_[i]);
        boutons_[i]->setChecked(static_cast<TypeBobinage>(i) == etat.typeBobinage);
    }
    if (textes) {
        const SaisieEncoches affichee = SaisieEncochesAffichee(etat);
        for (auto [edit, texte] : {std::pair{IDC_encoches, &affichee.encoches},
                                   {IDC_couches, &affichee.couches},
                                   {IDC_pas, &affichee.pas}}) {
            edit->setText(QString::fromStdString(*texte));
            edit->setCursorPosition(0);
        }
    }
    LabelNom->setText(QString::fromStdString(NomEncochesMontrees(etat)));
    LabelQ->setText(tr("q = Q/(6p) = %1")
                        .arg(QString::fromStdString(TexteEncochesParPoleEtPhase(
                            EncochesMontrees(etat)->Encoches(), etat.p))));
    RemplirTableau(etat);
    etoile_->Montrer(etat);
}

void TBobinageDlg::RemplirTableau(const State& etat) {
    const std::shared_ptr<const BobinageEncoches> b = EncochesMontrees(etat);
    LabelPeriodicite->setText(b->Vide() ? QString()
                                        : tr("Périodicité pgcd(Q, p) = %1").arg(b->Periodicite()));
    const int couches = b->Vide() ? 0 : b->Table()->couches;
    TableEncoches->clear();
    TableEncoches->setRowCount(couches);
    TableEncoches->setColumnCount(b->Vide() ? 0 : b->Encoches());
    TableEncoches->setVerticalHeaderLabels(
        couches == 1 ? QStringList{tr("Couche unique")}
                     : QStringList{tr("Couche haute"), tr("Couche basse")});
    for (const Faisceau& f : b->Faisceaux()) {
        auto* item = new QTableWidgetItem(QString::fromStdString(NomFaisceau(f)));
        item->setTextAlignment(Qt::AlignCenter);
        item->setForeground(VersQColor(kCouleurPhase[f.phase]));
        TableEncoches->setItem(f.couche, f.encoche, item);
    }
    // Numbered from 1 as the star numbers the slots.
    TableEncoches->resizeRowsToContents();
    // Beyond about 16 slots the columns overflow the window's width: room for a scroll bar.
    int hauteur =
        TableEncoches->horizontalHeader()->sizeHint().height() + 2 * TableEncoches->frameWidth() +
        (b->Encoches() > 16 ? TableEncoches->horizontalScrollBar()->sizeHint().height() : 0);
    for (int r = 0; r < couches; ++r) hauteur += TableEncoches->rowHeight(r);
    TableEncoches->setFixedHeight(hauteur);
}

void TBobinageDlg::Suivre(const State& etat) {
    if (rempli_ && etat.p == montre_.p && etat.typeBobinage == montre_.typeBobinage &&
        etat.encoches == montre_.encoches && etat.couches == montre_.couches &&
        etat.pas == montre_.pas && etat.tableBobinage == montre_.tableBobinage)
        return;
    Remplir(etat);
}

void TBobinageDlg::FormKeyDown() {
    emit ValeursEntrees(SaisieEncoches{IDC_encoches->text().toStdString(),
                                       IDC_couches->text().toStdString(),
                                       IDC_pas->text().toStdString()});
}

void TBobinageDlg::Copier(QClipboard& clipboard) const {
    CopierFigure([this](DrawingSurface& d) { etoile_->Dessiner(d); }, EcranCourant(), clipboard);
}

void TBobinageDlg::keyPressEvent(QKeyEvent* e) {
    // No Cancel button: Escape must not hide the window behind the menu's back.
    if (e->key() == Qt::Key_Escape) {
        e->ignore();
        return;
    }
    FenetreOutil::keyPressEvent(e);
}

}  // namespace kest
