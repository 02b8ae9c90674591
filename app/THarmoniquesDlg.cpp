// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/THarmoniquesDlg.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLegend>
#include <QMimeData>
#include <QPainter>
#include <QStatusTipEvent>
#include <QSvgGenerator>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <memory>

#include "app/BoiteErreur.h"
#include "app/Disposition.h"

namespace kest {

namespace {

const QColor kCouleurDirect(0x1f, 0x5f, 0xbf);
const QColor kCouleurInverse(0xd0, 0x40, 0x20);

// The same winding, as far as the spectrum goes: the time and the scene's working arrays
// are left out.
bool MemeBobinage(const State& a, const State& b) {
    return a.p == b.p && a.m == b.m && a.NbEncoches == b.NbEncoches && a.Y == b.Y &&
           a.Alpha == b.Alpha && a.Imax == b.Imax && a.Omega == b.Omega && a.Reelle == b.Reelle &&
           a.DoubleEtoile == b.DoubleEtoile;
}

QString Nombre(double v, const std::string& separateur) {
    return QString::fromStdString(TexteFacteur(v, separateur));
}

}  // namespace

THarmoniquesDlg::THarmoniquesDlg(QWidget* fenetre)
    : QDialog(fenetre, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("HarmoniquesDlg"));
    setWindowTitle(QStringLiteral("Spectre"));
    setFont(PoliceInterface());
    setModal(false);

    auto* colonne = new QVBoxLayout(this);
    LabelBobinage = new QLabel(this);
    LabelBobinage->setObjectName(QStringLiteral("LabelBobinage"));
    LabelBobinage->setStatusTip(QStringLiteral("Le bobinage analysé"));
    colonne->addWidget(LabelBobinage);
    createChart();
    colonne->addWidget(Graphique, 1);
    createTable();
    colonne->addWidget(Tableau);
    LabelDistorsion = new QLabel(this);
    LabelDistorsion->setObjectName(QStringLiteral("LabelDistorsion"));
    LabelDistorsion->setStatusTip(
        QStringLiteral("Taux de distorsion harmonique : racine de la somme des carrés des "
                       "harmoniques (rangs 2 à 49), rapportée au fondamental"));
    colonne->addWidget(LabelDistorsion);
    resize(760, 600);
}

void THarmoniquesDlg::createChart() {
    Directs = new QBarSet(QStringLiteral("Direct (sens du fondamental)"));
    Directs->setObjectName(QStringLiteral("Directs"));
    Directs->setColor(kCouleurDirect);
    Inverses = new QBarSet(QStringLiteral("Inverse (sens contraire)"));
    Inverses->setObjectName(QStringLiteral("Inverses"));
    Inverses->setColor(kCouleurInverse);
    auto* series = new QBarSeries;
    series->append(Directs);
    series->append(Inverses);
    // Each order is in one set only: stacked side by side, the other set's bar would be an
    // empty slot, so the two sets share one slot per order.
    series->setBarWidth(0.8);

    chart_ = new QChart;
    chart_->addSeries(series);
    chart_->setTitle(
        QStringLiteral("Harmoniques de la f.m.m. résultante (rangs multiples de 3 absents)"));
    chart_->legend()->setAlignment(Qt::AlignBottom);
    chart_->setAnimationOptions(QChart::NoAnimation);

    auto* rangs = new QBarCategoryAxis;
    rangs->append(Categories());
    rangs->setTitleText(QStringLiteral("Rang h (électrique)"));
    QFont petite = rangs->labelsFont();
    petite.setPixelSize(10);  // 25 orders side by side must not be elided
    rangs->setLabelsFont(petite);
    chart_->addAxis(rangs, Qt::AlignBottom);
    series->attachAxis(rangs);
    auto* amplitudes = new QValueAxis;
    amplitudes->setRange(0.0, 1.0);
    amplitudes->setTickCount(6);
    amplitudes->setLabelFormat(QStringLiteral("%.1f"));
    amplitudes->setTitleText(QStringLiteral("A(h) / A(1)"));
    chart_->addAxis(amplitudes, Qt::AlignLeft);
    series->attachAxis(amplitudes);

    Graphique = new QChartView(chart_, this);  // the view owns the chart
    Graphique->setObjectName(QStringLiteral("Graphique"));
    Graphique->setRenderHint(QPainter::Antialiasing);
    Graphique->setFocusPolicy(Qt::NoFocus);
    Graphique->setMinimumSize(700, 280);
    Graphique->setStatusTip(QStringLiteral(
        "Amplitude de chaque harmonique rapportée au fondamental ; Ctrl+C copie le spectre"));
}

void THarmoniquesDlg::createTable() {
    Tableau = new QTableWidget(0, 8, this);
    Tableau->setObjectName(QStringLiteral("Tableau"));
    Tableau->setHorizontalHeaderLabels({QStringLiteral("h"), QStringLiteral("k_p"),
                                        QStringLiteral("k_d"), QStringLiteral("k_e"),
                                        QStringLiteral("k_w"), QStringLiteral("A(h)/A(1)"),
                                        QStringLiteral("Sens"), QStringLiteral("Vitesse")});
    Tableau->verticalHeader()->hide();
    Tableau->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tableau->setSelectionMode(QAbstractItemView::NoSelection);
    Tableau->setFocusPolicy(Qt::NoFocus);  // Ctrl+C belongs to the window, not to a cell
    Tableau->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    Tableau->setStatusTip(QStringLiteral(
        "Facteurs de pas (k_p), de distribution (k_d), de double étoile (k_e) et de bobinage "
        "(k_w) ; vitesse en fraction de celle du fondamental"));
}

void THarmoniquesDlg::Suivre(const State& s, const std::string& separateur, bool forcer) {
    if (!forcer && montre_ && MemeBobinage(*montre_, s) && separateur == separateur_) return;
    Afficher(s, separateur);
}

void THarmoniquesDlg::Afficher(const State& s, const std::string& separateur) {
    montre_ = s;
    separateur_ = separateur;
    const Harmoniques analyse = HarmoniquesNumeriques(s);

    for (QBarSet* set : {Directs, Inverses}) set->remove(0, set->count());
    QList<qreal> directs, inverses;
    for (int h = 1; h <= kOrdresTableau; ++h) {
        const double r = analyse.Relatif(h).value_or(0.0);
        // The balanced phases cancel the multiples of 3 whatever the samples' residue says.
        const Sens sens = SensTheorique(h) == Sens::Absent ? Sens::Absent : analyse.sens[h];
        directs.append(sens == Sens::Direct ? r : 0.0);
        inverses.append(sens == Sens::Inverse ? r : 0.0);
    }
    Directs->append(directs);
    Inverses->append(inverses);

    const std::vector<int> ordres = OrdresFenetre(s);
    lignes_ = LignesHarmoniques(s, analyse, ordres);
    Tableau->setRowCount(static_cast<int>(lignes_.size()));
    for (int r = 0; r < static_cast<int>(lignes_.size()); ++r) {
        const LigneHarmonique& l = lignes_[r];
        const QString cellules[] = {
            QString::number(l.h),
            Nombre(l.facteurs.kp, separateur),
            Nombre(l.facteurs.kd, separateur),
            Nombre(l.facteurs.ke, separateur),
            Nombre(l.facteurs.kw, separateur),
            l.relatif ? Nombre(*l.relatif, separateur) : QStringLiteral("—"),
            QString::fromStdString(NomSens(l.sens)),
            QString::fromStdString(TexteVitesse(l)).replace(QLatin1Char('-'), QChar(0x2212))};
        for (int c = 0; c < 8; ++c) {
            auto* item = new QTableWidgetItem(cellules[c]);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            Tableau->setItem(r, c, item);
        }
    }
    Tableau->resizeRowsToContents();
    int hauteur = Tableau->horizontalHeader()->height() + 2 * Tableau->frameWidth();
    for (int r = 0; r < Tableau->rowCount(); ++r) hauteur += Tableau->rowHeight(r);
    Tableau->setFixedHeight(hauteur);

    LabelBobinage->setText(QString::fromStdString(NomBobinage(s, separateur)));
    LabelDistorsion->setText(
        analyse.distorsion
            ? QStringLiteral("Taux de distorsion harmonique : %1 %")
                  .arg(Nombre(*analyse.distorsion * 100, separateur).chopped(2))
            : QStringLiteral("Taux de distorsion harmonique : sans objet (pas de fondamental)"));
}

QList<qreal> THarmoniquesDlg::Barres(Sens sens) const {
    const QBarSet* set = sens == Sens::Inverse ? Inverses : Directs;
    QList<qreal> valeurs;
    for (int i = 0; i < set->count(); ++i) valeurs.append(set->at(i));
    return valeurs;
}

QStringList THarmoniquesDlg::Categories() const {
    QStringList c;
    for (int h = 1; h <= kOrdresTableau; ++h) c.append(QString::number(h));
    return c;
}

QString THarmoniquesDlg::TexteLignes() const {
    return QString::fromStdString(TexteTableau(lignes_, separateur_));
}

void THarmoniquesDlg::Copier(QClipboard& clipboard) const {
    const QSize taille = Graphique->size();
    QByteArray svg;
    {
        QBuffer tampon(&svg);
        tampon.open(QIODevice::WriteOnly);
        QSvgGenerator generateur;
        generateur.setOutputDevice(&tampon);
        generateur.setSize(taille);
        generateur.setViewBox(QRect(QPoint(0, 0), taille));
        generateur.setTitle(QStringLiteral("Spectre"));
        generateur.setDescription(LabelBobinage->text());
        QPainter peintre(&generateur);
        Graphique->render(&peintre);
    }
    QImage image(taille, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        QPainter peintre(&image);
        Graphique->render(&peintre);
    }
    auto donnees = std::make_unique<QMimeData>();
    donnees->setData(QStringLiteral("image/svg+xml"), svg);
    donnees->setImageData(image);
    donnees->setText(LabelBobinage->text() + QLatin1Char('\n') + TexteLignes());
    clipboard.setMimeData(donnees.release());
}

bool THarmoniquesDlg::event(QEvent* e) {
    if (e->type() == QEvent::StatusTip) {
        emit AideAffichee(static_cast<QStatusTipEvent*>(e)->tip());
        return true;
    }
    // Ctrl+C is the main window's application-wide "Copier": claimed here while this window
    // is active, so that the spectrum is copied rather than the field picture.
    if (e->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(e)->matches(QKeySequence::Copy)) {
        e->accept();
        return true;
    }
    return QDialog::event(e);
}

void THarmoniquesDlg::keyPressEvent(QKeyEvent* e) {
    if (e->matches(QKeySequence::Copy)) {
        Garde([this] { Copier(*QGuiApplication::clipboard()); });
        return;
    }
    QDialog::keyPressEvent(e);
}

void THarmoniquesDlg::reject() {
    hide();
    emit Ferme();
}

}  // namespace kest
