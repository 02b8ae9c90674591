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
#include <QShortcut>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cstdlib>
#include <optional>

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

namespace {

// The cell a key gives: A, B, C the phase (the direction and turns kept; a go side of one turn in
// an empty cell), + and − the direction, Space and Enter the next cell as a click, Delete empty.
// Another key edits nothing.
std::optional<Cellule> CelluleParTouche(const Cellule& c, int touche) {
    const int spires = c.Vide() ? 1 : std::abs(c.spires);
    switch (touche) {
        case Qt::Key_A:
        case Qt::Key_B:
        case Qt::Key_C:
            return Cellule{touche - Qt::Key_A, c.spires < 0 ? -spires : spires};
        case Qt::Key_Plus:
            return c.Vide() ? c : Cellule{c.phase, spires};
        case Qt::Key_Minus:
            return c.Vide() ? c : Cellule{c.phase, -spires};
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return CelluleSuivante(c);
        case Qt::Key_Delete:
        case Qt::Key_Backspace:
            return Cellule{};
        default:
            return std::nullopt;
    }
}

// A cell's background: its phase's colour, light enough for the name written in it.
QColor Teinte(const QColor& c) {
    const auto clair = [](int v) { return 255 - (255 - v) / 4; };
    return QColor(clair(c.red()), clair(c.green()), clair(c.blue()));
}

}  // namespace

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
    // The cells are written by the window's rules, not by Qt's editor: a click or a key is
    // reported, and the table shows what the state then holds.
    TableEncoches->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TableEncoches->setSelectionMode(QAbstractItemView::NoSelection);
    TableEncoches->installEventFilter(this);
    TableEncoches->horizontalHeader()->setMinimumSectionSize(30);
    TableEncoches->horizontalHeader()->setDefaultSectionSize(34);
    TableEncoches->setStatusTip(
        tr("Phase et sens du faisceau de chaque encoche, par couche : A+ aller, A− retour. Un "
           "clic ou Espace donne la cellule suivante ; A, B, C la phase, + et − le sens, Suppr "
           "la vide ; Ctrl+Z annule, Ctrl+Maj+Z rétablit. Le bobinage modifié devient "
           "personnalisé"));
    connect(TableEncoches, &QTableWidget::cellClicked, this,
            [this](int couche, int encoche) { Editer(couche, encoche, CelluleSuivante); });
    colonne->addWidget(TableEncoches);
    for (const auto& [touches, signal] :
         {std::pair{std::vector{QKeySequence(Qt::CTRL | Qt::Key_Z)}, &TBobinageDlg::AnnulerDemande},
          {{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)},
           &TBobinageDlg::RefaireDemande}})
        for (const QKeySequence& touche : touches) {
            auto* raccourci = new QShortcut(touche, this);
            connect(raccourci, &QShortcut::activated, this, signal);
        }
    // What the table tells: the conductors per phase, the phases that do not close, the waves.
    LabelDiagnostic = new QLabel(this);
    LabelDiagnostic->setObjectName(QStringLiteral("LabelDiagnostic"));
    LabelDiagnostic->setWordWrap(true);
    LabelDiagnostic->setStatusTip(
        tr("Ce que dit le tableau des encoches : conducteurs par phase, phases qui ne se "
           "referment pas, onde de travail et sous-harmoniques"));
    colonne->addWidget(LabelDiagnostic);
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
    // Slots per pole and phase: of three phases, or of the motor's two windings.
    const std::shared_ptr<const BobinageEncoches> montre = EncochesMontrees(etat);
    LabelQ->setText(tr("q = Q/(%2p) = %1")
                        .arg(QString::fromStdString(TexteEncochesParPoleEtPhase(
                            montre->Encoches(), etat.p, montre->NbPhases())))
                        .arg(2 * montre->NbPhases()));
    RemplirTableau(etat);
    etoile_->Montrer(etat);
}

void TBobinageDlg::RemplirTableau(const State& etat) {
    const std::shared_ptr<const BobinageEncoches> b = EncochesMontrees(etat);
    LabelPeriodicite->setText(b->Vide() ? QString()
                                        : tr("Périodicité pgcd(Q, p) = %1").arg(b->Periodicite()));
    // A custom table may have no side left: its cells are still there to be written.
    const TableBobinage* t =
        b->Table() && !b->Table()->cellules.empty() ? b->Table().get() : nullptr;
    const int couches = t ? t->couches : 0;
    const int encoches = t ? t->encoches : 0;
    // An edit keeps the table's size: its items are rewritten in place, the current cell kept.
    const bool taille =
        TableEncoches->rowCount() != couches || TableEncoches->columnCount() != encoches || !t;
    if (taille) {
        TableEncoches->clear();
        TableEncoches->setRowCount(couches);
        TableEncoches->setColumnCount(encoches);
        TableEncoches->setVerticalHeaderLabels(
            couches == 1 ? QStringList{tr("Couche unique")}
                         : QStringList{tr("Couche haute"), tr("Couche basse")});
    }
    // The cells' names as the model gives them for the winding's phases.
    const std::vector<std::vector<std::string>> noms =
        t ? kest::TableEncoches(*b) : std::vector<std::vector<std::string>>{};
    for (int s = 0; s < encoches; ++s)
        for (int c = 0; c < couches; ++c) {
            const Cellule& cellule = (*t)(s, c);
            QTableWidgetItem* item = TableEncoches->item(c, s);
            if (!item) {
                item = new QTableWidgetItem;
                item->setTextAlignment(Qt::AlignCenter);
                TableEncoches->setItem(c, s, item);
            }
            item->setText(QString::fromStdString(noms[std::size_t(c)][std::size_t(s)]));
            const bool phase = cellule.phase >= 0 && cellule.phase < 3;
            const QColor couleur = phase ? VersQColor(kCouleurPhase[cellule.phase]) : QColor();
            item->setForeground(phase ? QBrush(couleur) : QBrush());
            item->setBackground(phase ? QBrush(Teinte(couleur)) : QBrush());
        }
    QStringList diagnostic;
    if (t)
        for (const std::string& ligne : DiagnosticEncoches(*b))
            diagnostic << QString::fromStdString(ligne);
    LabelDiagnostic->setText(diagnostic.join(QLatin1Char('\n')));
    if (!taille) return;
    // Numbered from 1 as the star numbers the slots.
    TableEncoches->resizeRowsToContents();
    // Beyond about 16 slots the columns overflow the window's width: room for a scroll bar.
    int hauteur = TableEncoches->horizontalHeader()->sizeHint().height() +
                  2 * TableEncoches->frameWidth() +
                  (encoches > 16 ? TableEncoches->horizontalScrollBar()->sizeHint().height() : 0);
    for (int r = 0; r < couches; ++r) hauteur += TableEncoches->rowHeight(r);
    TableEncoches->setFixedHeight(hauteur);
}

template <class Suivante>
void TBobinageDlg::Editer(int couche, int encoche, Suivante suivante) {
    const std::shared_ptr<const TableBobinage>& t = EncochesMontrees(montre_)->Table();
    if (!t || encoche < 0 || encoche >= t->encoches || couche < 0 || couche >= t->couches) return;
    const Cellule avant = (*t)(encoche, couche);
    const std::optional<Cellule> apres = suivante(avant);
    if (apres && *apres != avant) emit CelluleChoisie(encoche, couche, *apres);
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

bool TBobinageDlg::eventFilter(QObject* objet, QEvent* e) {
    if (objet == TableEncoches && e->type() == QEvent::KeyPress) {
        auto* touche = static_cast<QKeyEvent*>(e);
        // Ctrl+C copies the star, not the current cell's text as a table would.
        if (touche->matches(QKeySequence::Copy)) {
            keyPressEvent(touche);
            return true;
        }
        const QModelIndex i = TableEncoches->currentIndex();
        if (i.isValid() &&
            !(touche->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) &&
            CelluleParTouche(Cellule{}, touche->key()).has_value()) {
            Editer(i.row(), i.column(),
                   [&](const Cellule& c) { return CelluleParTouche(c, touche->key()); });
            return true;
        }
    }
    // The table's other keys are its own (Enter in it applies no field).
    return objet != TableEncoches && FenetreOutil::eventFilter(objet, e);
}

}  // namespace kest
