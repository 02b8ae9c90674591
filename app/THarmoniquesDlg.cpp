// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/THarmoniquesDlg.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QBuffer>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QClipboard>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGraphicsLayout>
#include <QGraphicsSimpleTextItem>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLegend>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QStackedBarSeries>
#include <QSvgGenerator>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <memory>
#include <numeric>

#include "model/Alimentation.h"
#include "model/Bobinage.h"
#include "render/PainterSurface.h"
#include "render/Tableaux.h"
#include "scene/Plan.h"

namespace kest {

namespace {

// The same winding and supply, as far as the spectrum goes: the time and the scene's working
// arrays are left out. The distribution's name (the title) is the one member of the state the
// winding may not read.
bool MemeSpectre(const State& a, const State& b) {
    return MemeBobinage(a, b) && MemeAlimentation(a, b) && a.NbEncoches == b.NbEncoches &&
           a.Imax == b.Imax && a.Omega == b.Omega;
}

QString Nombre(double v, const std::string& separateur) {
    return QString::fromStdString(TexteFacteur(v, separateur));
}

// A tick value with `decimales` decimals and the locale's separator, as the table writes them.
QString Graduation(double v, int decimales, const std::string& separateur) {
    QString texte = QString::number(v, 'f', decimales);
    return texte.replace(QLatin1Char('.'), QString::fromStdString(separateur));
}

// The direction's name in the window's language; the exported files keep the model's names.
QString NomSensTraduit(Sens sens) {
    switch (sens) {
        case Sens::Direct:
            return QCoreApplication::translate("kest::THarmoniquesDlg", "direct");
        case Sens::Inverse:
            return QCoreApplication::translate("kest::THarmoniquesDlg", "inverse");
        case Sens::Pulsant:
            return QCoreApplication::translate("kest::THarmoniquesDlg", "pulsant");
        case Sens::Elliptique:
            return QCoreApplication::translate("kest::THarmoniquesDlg", "elliptique");
        case Sens::Absent:
            break;
    }
    return QCoreApplication::translate("kest::THarmoniquesDlg", "absent");
}

// The words of the copied table that the screen shows in its language: the column titles that
// are words, and the directions.
[[maybe_unused]] const char* const kMotsCopie[] = {
    QT_TRANSLATE_NOOP("kest::THarmoniquesDlg", "sens"),
    QT_TRANSLATE_NOOP("kest::THarmoniquesDlg", "vitesse"),
    QT_TRANSLATE_NOOP("kest::THarmoniquesDlg", "direct"),
    QT_TRANSLATE_NOOP("kest::THarmoniquesDlg", "inverse")};

// The model's table (model/Harmoniques.h, model/Encoches.h) in the window's language: the words
// of its header and the direction of each row (column `kColonneSens`) go through the catalogue;
// numbers and symbols stay.
QString TableauTraduit(const std::string& tableau, int kColonneSens) {
    QStringList lignes = QString::fromStdString(tableau).split(QLatin1Char('\n'));
    for (int i = 0; i < lignes.size(); ++i) {
        QStringList champs = lignes[i].split(QLatin1Char('\t'));
        for (int c = 0; c < champs.size(); ++c)
            if (i == 0 || c == kColonneSens)
                champs[c] = QCoreApplication::translate("kest::THarmoniquesDlg",
                                                        champs[c].toUtf8().constData());
        lignes[i] = champs.join(QLatin1Char('\t'));
    }
    return lignes.join(QLatin1Char('\n'));
}

// The orders 1 … n as the chart's categories.
QStringList Numeros(int n) {
    QStringList c;
    for (int h = 1; h <= n; ++h) c.append(QString::number(h));
    return c;
}

QString AvecMoins(QString texte) { return texte.replace(QLatin1Char('-'), QChar(0x2212)); }

// The chart's least size before its axes ask for more; the table's rows shown at once, the
// others a scroll away.
constexpr int kLargeurGraphique = 600;
constexpr int kHauteurGraphique = 220;
constexpr int kLignesVisibles = 6;
constexpr int kMargeRang = 6;  // on each side of an order's number: the chart's padding and a pixel

}  // namespace

THarmoniquesDlg::THarmoniquesDlg(QWidget* fenetre) : FenetreOutil(fenetre) {
    setObjectName(QStringLiteral("HarmoniquesDlg"));
    setWindowTitle(tr("Harmoniques"));

    auto* colonne = new QVBoxLayout(this);
    auto* entete = new QHBoxLayout;
    LabelBobinage = new QLabel(this);
    LabelBobinage->setObjectName(QStringLiteral("LabelBobinage"));
    LabelBobinage->setStatusTip(tr("Le bobinage analysé"));
    entete->addWidget(LabelBobinage, 1);
    CBAgrandir = new QCheckBox(tr("Agrandir les harmoniques"), this);
    CBAgrandir->setObjectName(QStringLiteral("CBAgrandir"));
    CBAgrandir->setStatusTip(
        tr("Échelle réglée sur le plus grand harmonique ; la barre du fondamental "
           "est coupée et porte sa valeur"));
    connect(CBAgrandir, &QCheckBox::toggled, this, [this] {
        Echelonner();
        DimensionnerGraphique();
    });
    entete->addWidget(CBAgrandir);
    colonne->addLayout(entete);
    CreerGraphique();
    colonne->addWidget(Graphique, 1);
    CreerTableau();
    colonne->addWidget(Tableau);
    LabelDistorsion = new QLabel(this);
    LabelDistorsion->setObjectName(QStringLiteral("LabelDistorsion"));
    LabelDistorsion->setStatusTip(
        tr("Taux de distorsion harmonique : racine de la somme des carrés des "
           "harmoniques (%1), rapportée au fondamental")
            .arg(QString::fromStdString(PorteeDistorsion())));
    colonne->addWidget(LabelDistorsion);
    LabelDesequilibre = new QLabel(this);
    LabelDesequilibre->setObjectName(QStringLiteral("LabelDesequilibre"));
    LabelDesequilibre->setStatusTip(
        tr("Taux de déséquilibre : amplitude du champ inverse du fondamental rapportée à celle "
           "de son champ direct"));
    colonne->addWidget(LabelDesequilibre);
}

void THarmoniquesDlg::CreerGraphique() {
    Directs = new QBarSet(tr("Direct (sens du fondamental)"));
    Directs->setObjectName(QStringLiteral("Directs"));
    Directs->setColor(VersQColor(kCouleurDirect));  // as the picture draws the parts
    Inverses = new QBarSet(tr("Inverse (sens contraire)"));
    Inverses->setObjectName(QStringLiteral("Inverses"));
    Inverses->setColor(VersQColor(kCouleurInverse));
    // Stacked, each order's bar stands on its own label: side by side, the two sets would
    // put every bar beside it.
    empilees_ = new QStackedBarSeries;
    empilees_->append(Directs);
    empilees_->append(Inverses);
    empilees_->setBarWidth(0.6);
    cote_ = new QBarSeries;
    cote_->setBarWidth(0.7);

    chart_ = new QChart;
    chart_->addSeries(empilees_);
    chart_->addSeries(cote_);
    chart_->legend()->setAlignment(Qt::AlignBottom);
    chart_->setAnimationOptions(QChart::NoAnimation);
    // Beside the picture on a common screen: no room lost around the chart.
    chart_->setMargins(QMargins(2, 2, 2, 2));
    chart_->layout()->setContentsMargins(0, 0, 0, 0);
    chart_->setBackgroundRoundness(0);

    rangs_ = new QBarCategoryAxis;
    rangs_->append(Numeros(kOrdresTableau));
    rangs_->setTitleText(tr("Rang h (électrique)"));
    QFont petite = rangs_->labelsFont();
    petite.setPixelSize(10);  // 25 orders side by side must not be elided
    rangs_->setLabelsFont(petite);
    chart_->addAxis(rangs_, Qt::AlignBottom);
    empilees_->attachAxis(rangs_);
    cote_->attachAxis(rangs_);
    // Labelled by hand, so that the numbers take the locale's separator as the table does.
    amplitudes_ = new QCategoryAxis;
    amplitudes_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    amplitudes_->setTitleText(QStringLiteral("A(h) / A(1)"));
    chart_->addAxis(amplitudes_, Qt::AlignLeft);
    empilees_->attachAxis(amplitudes_);
    cote_->attachAxis(amplitudes_);
    // The fundamental's value, written on its bar when the scale cuts it.
    valeurFondamental_ = new QGraphicsSimpleTextItem(chart_);
    valeurFondamental_->setZValue(10);
    valeurFondamental_->hide();
    connect(chart_, &QChart::plotAreaChanged, this, [this] { PlacerValeurFondamental(); });

    Graphique = new QChartView(chart_, this);  // the view owns the chart
    Graphique->setObjectName(QStringLiteral("Graphique"));
    Graphique->setRenderHint(QPainter::Antialiasing);
    Graphique->setFocusPolicy(Qt::NoFocus);
    Graphique->setMinimumSize(kLargeurGraphique, kHauteurGraphique);
    Graphique->setStatusTip(
        tr("Amplitude de chaque harmonique rapportée au fondamental ; Ctrl+C copie le spectre"));
}

void THarmoniquesDlg::CreerTableau() {
    Tableau = new QTableWidget(0, 8, this);
    Tableau->setObjectName(QStringLiteral("Tableau"));
    Colonnes(false);
    Tableau->verticalHeader()->hide();
    Tableau->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tableau->setSelectionMode(QAbstractItemView::NoSelection);
    Tableau->setFocusPolicy(Qt::NoFocus);  // Ctrl+C belongs to the window, not to a cell
    // One line a row, at the text's height and two pixels above and below it; the columns as
    // wide as their widest texts, sharing what is left (RepartirColonnes).
    Tableau->setWordWrap(false);
    Tableau->verticalHeader()->setMinimumSectionSize(1);
    Tableau->verticalHeader()->setDefaultSectionSize(Tableau->fontMetrics().height() + 4);
    Tableau->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Tableau->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Tableau->setStatusTip(
        tr("Facteurs de pas (k_p), de distribution (k_d), de double étoile (k_e) et de bobinage "
           "(k_w) ; vitesse en fraction de celle du fondamental"));
}

void THarmoniquesDlg::Colonnes(bool mecanique) {
    if (mecanique) {
        Tableau->setColumnCount(5);
        Tableau->setHorizontalHeaderLabels({QStringLiteral("ν"), QStringLiteral("k_w"),
                                            QStringLiteral("A(ν)/A(p)"), tr("Sens"),
                                            tr("Vitesse")});
        return;
    }
    Tableau->setColumnCount(8);
    Tableau->setHorizontalHeaderLabels(
        {QStringLiteral("h"), QStringLiteral("k_p"), QStringLiteral("k_d"), QStringLiteral("k_e"),
         QStringLiteral("k_w"), QStringLiteral("A(h)/A(1)"), tr("Sens"), tr("Vitesse")});
}

void THarmoniquesDlg::AjusterTableau() {
    int hauteur = Tableau->horizontalHeader()->height() + 2 * Tableau->frameWidth();
    for (int r = 0; r < std::min(Tableau->rowCount(), kLignesVisibles); ++r)
        hauteur += Tableau->rowHeight(r);
    Tableau->setFixedHeight(hauteur);
    RepartirColonnes();
}

void THarmoniquesDlg::RepartirColonnes() {
    const int colonnes = Tableau->columnCount();
    if (colonnes == 0) return;
    Tableau->resizeColumnsToContents();
    int reste = Tableau->contentsRect().width();
    if (Tableau->rowCount() > kLignesVisibles)
        reste -= Tableau->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < colonnes; ++c) reste -= Tableau->columnWidth(c);
    for (int c = 0; c < colonnes && reste > 0; ++c)
        Tableau->setColumnWidth(
            c, Tableau->columnWidth(c) + reste / colonnes + (c < reste % colonnes ? 1 : 0));
}

void THarmoniquesDlg::resizeEvent(QResizeEvent* e) {
    FenetreOutil::resizeEvent(e);
    RepartirColonnes();  // the layout has already given the table its new width
}

void THarmoniquesDlg::Suivre(const State& s, const std::string& separateur, bool forcer) {
    if (!forcer && montre_ && MemeSpectre(*montre_, s) && separateur == separateur_) return;
    Afficher(s, separateur);
}

void THarmoniquesDlg::RegleCategories(const QStringList& categories) {
    // Set again, the categories lay the whole chart out again: most of an edit's time.
    if (rangs_->categories() != categories) rangs_->setCategories(categories);
}

void THarmoniquesDlg::Afficher(const State& s, const std::string& separateur) {
    montre_ = s;
    separateur_ = separateur;
    spectre_ = SpectreDe(s, true);
    const Spectre& sp = spectre_;
    // The working wave's bar: the fundamental's (electrical order 1) or order p's.
    travail_ = sp.travail - 1;
    const bool equilibree = !sp.pulse;  // balanced: each order one wave, no parts
    directs_ = QList<qreal>(sp.directs.begin(), sp.directs.end());
    inverses_ = QList<qreal>(sp.inverses.begin(), sp.inverses.end());
    ChoisirSeries(equilibree);
    const QString rapport =
        sp.electrique ? QStringLiteral("A(h)/A(1)") : QStringLiteral("A(ν)/A(p)");
    if (sp.electrique) {
        RegleCategories(Numeros(kOrdresTableau));
        rangs_->setTitleText(tr("Rang h (électrique)"));
        amplitudes_->setTitleText(equilibree ? QStringLiteral("A(h) / A(1)")
                                             : tr("A(h) / A(1) équilibré"));
    } else {
        RegleCategories(Numeros(static_cast<int>(sp.directs.size())));
        rangs_->setTitleText(tr("Ordre ν (mécanique) ; onde de travail ν = p = %1").arg(s.p));
        amplitudes_->setTitleText(equilibree ? QStringLiteral("A(ν) / A(p)")
                                             : tr("A(ν) / A(p) équilibré"));
    }
    Echelonner();

    Colonnes(!sp.electrique);
    const int colonneRapport = sp.electrique ? 5 : 2;
    Tableau->horizontalHeaderItem(colonneRapport)
        ->setText(equilibree ? rapport : tr("Direct / inverse"));
    const auto partie = [&](const std::optional<double>& v) {
        return v ? Nombre(*v, separateur) : QStringLiteral("—");
    };
    Tableau->setRowCount(static_cast<int>(sp.lignes.size()));
    for (int r = 0; r < Tableau->rowCount(); ++r) {
        const LigneHarmonique& l = sp.lignes[r];
        // The working wave's row stands out in a spectrum that has sub-harmonics before it.
        const bool travail = !sp.electrique && l.ordre == l.travail;
        QStringList cellules{travail ? QStringLiteral("%1 = p").arg(l.ordre)
                                     : QString::number(l.ordre)};
        if (sp.electrique)
            cellules << Nombre(l.facteurs.kp, separateur) << Nombre(l.facteurs.kd, separateur)
                     << Nombre(l.facteurs.ke, separateur);
        cellules << Nombre(l.facteurs.kw, separateur)
                 << (equilibree ? partie(l.relatif)
                                : partie(l.direct) + QStringLiteral(" / ") + partie(l.inverse))
                 << NomSensTraduit(l.sens) << AvecMoins(QString::fromStdString(TexteVitesse(l)));
        for (int c = 0; c < cellules.size(); ++c) {
            auto* item = new QTableWidgetItem(cellules[c]);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (travail) item->setBackground(VersQColor(kCouleurDirect).lighter(170));
            Tableau->setItem(r, c, item);
        }
    }
    AjusterTableau();
    // The working wave's row in sight.
    if (!sp.electrique)
        Tableau->scrollToItem(Tableau->item(travail_, 0), QAbstractItemView::PositionAtCenter);

    LabelBobinage->setText(QString::fromStdString(NomBobinage(s, separateur)));
    // Only the balanced phases cancel the multiples of 3; any other supply is named instead.
    chart_->setTitle(!equilibree ? tr("Harmoniques de la f.m.m. résultante, alimentation « %1 »")
                                       .arg(QString::fromStdString(NomAlimentation(s)))
                     : sp.electrique
                         ? tr("Harmoniques de la f.m.m. résultante (rangs multiples de 3 absents)")
                         : tr("Harmoniques de la f.m.m. résultante en ordres mécaniques, "
                              "sous-harmoniques avant ν = p"));
    LabelDistorsion->setVisible(equilibree && sp.electrique);
    LabelDistorsion->setText(
        sp.distorsion ? tr("Taux de distorsion harmonique (%1) : %2 %")
                            .arg(QString::fromStdString(PorteeDistorsion()),
                                 Nombre(*sp.distorsion * 100, separateur).chopped(2))
                      : tr("Taux de distorsion harmonique (%1) : sans objet (pas de fondamental)")
                            .arg(QString::fromStdString(PorteeDistorsion())));
    LabelDesequilibre->setText(
        sp.desequilibre ? tr("Taux de déséquilibre (inverse / direct du fondamental) : %1 %")
                              .arg(Nombre(*sp.desequilibre * 100, separateur).chopped(2))
                        : tr("Taux de déséquilibre : sans objet (pas de champ direct)"));
    DimensionnerGraphique();
}

void THarmoniquesDlg::ChoisirSeries(bool equilibree) {
    // The sets move to the series the supply calls for; a set belongs to one series at a time.
    QAbstractBarSeries* voulue = equilibree ? static_cast<QAbstractBarSeries*>(empilees_) : cote_;
    QAbstractBarSeries* autre = equilibree ? static_cast<QAbstractBarSeries*>(cote_) : empilees_;
    if (autre->count() > 0) {
        autre->take(Directs);
        autre->take(Inverses);
        voulue->append(Directs);
        voulue->append(Inverses);
    }
}

void THarmoniquesDlg::Echelonner() {
    // The largest harmonic above the fundamental, for the enlarged scale.
    double plusGrand = 0.0;
    for (int i = 0; i < directs_.size(); ++i)
        if (i != travail_) plusGrand = std::max({plusGrand, directs_[i], inverses_[i]});
    const bool agrandir = CBAgrandir->isChecked() && plusGrand > kSeuilAbsent;
    // Five steps of 1, 2 or 5 times a power of ten, the last at or above the largest bar.
    double pas = 0.2;
    if (agrandir) {
        const double brut = plusGrand / 5;
        const double dix = std::pow(10.0, std::floor(std::log10(brut)));
        pas = brut <= dix ? dix : brut <= 2 * dix ? 2 * dix : brut <= 5 * dix ? 5 * dix : 10 * dix;
    }
    const int nombre = static_cast<int>(std::ceil(plusGrand / pas - 1e-9));
    const double maximum = agrandir ? pas * std::max(nombre, 1) : 1.0;
    const int decimales = std::max(1, static_cast<int>(-std::floor(std::log10(pas) + 1e-9)));

    // Labels sit on the categories' upper ends: a sliver of a category below 0 carries "0".
    for (const QString& libelle : amplitudes_->categoriesLabels()) amplitudes_->remove(libelle);
    amplitudes_->setStartValue(-1e-9 * maximum);
    amplitudes_->append(Graduation(0.0, decimales, separateur_), 0.0);
    for (int i = 1; pas * i <= maximum * (1 + 1e-9); ++i)
        amplitudes_->append(Graduation(pas * i, decimales, separateur_), pas * i);
    amplitudes_->setRange(0.0, maximum);

    QList<qreal> directs = directs_, inverses = inverses_;
    double coupee = 0.0;
    for (QList<qreal>* serie : {&directs, &inverses})
        for (qreal& v : *serie)
            if (v > maximum) coupee = std::max(coupee, double(v)), v = maximum;
    for (QBarSet* set : {Directs, Inverses}) set->remove(0, set->count());
    Directs->append(directs);
    Inverses->append(inverses);
    valeurFondamental_->setText(coupee > 0 ? Nombre(coupee, separateur_) : QString());
    valeurFondamental_->setVisible(coupee > 0);
    PlacerValeurFondamental();
}

void THarmoniquesDlg::DimensionnerGraphique() {
    // The chart elides what its axes lack room for: the value axis is kept as long as its title,
    // and the order axis gives each of the first 25 orders room for its number. Laid out here,
    // hidden too, so that the window is placed at the size it keeps.
    const QSize vue = Graphique->size().expandedTo({kLargeurGraphique, kHauteurGraphique});
    chart_->resize(vue - (Graphique->size() - Graphique->contentsRect().size()));
    chart_->layout()->activate();
    const QRectF zone = chart_->plotArea();
    if (zone.height() <= 0 || zone.width() <= 0) return;
    const int titre =
        QFontMetrics(amplitudes_->titleFont()).horizontalAdvance(amplitudes_->titleText());
    // One more interval than orders; a label has its axis' padding on each side.
    const int intervalles = std::min<int>(rangs_->count(), kOrdresTableau) + 1;
    const int numero =
        QFontMetrics(rangs_->labelsFont()).horizontalAdvance(QString::number(intervalles - 1));
    Graphique->setMinimumSize(
        std::max(kLargeurGraphique, vue.width() - static_cast<int>(zone.width()) +
                                        intervalles * (numero + 2 * kMargeRang)),
        std::max(kHauteurGraphique, vue.height() - static_cast<int>(zone.height()) + titre + 4));
}

void THarmoniquesDlg::PlacerValeurFondamental() {
    if (!valeurFondamental_->isVisible()) return;
    // Beside the top of the first order's bar, where the plot cuts it: the bar is narrower
    // than the number.
    const QRectF zone = chart_->plotArea();
    const double largeur = zone.width() / rangs_->count();
    valeurFondamental_->setPos(zone.left() + largeur * travail_ + largeur * 0.85, zone.top() + 2);
}

QString THarmoniquesDlg::ValeurCoupee() const {
    return valeurFondamental_->isVisible() ? valeurFondamental_->text() : QString();
}

QString THarmoniquesDlg::TexteDesequilibre() const { return LabelDesequilibre->text(); }

QStringList THarmoniquesDlg::Graduations() const { return amplitudes_->categoriesLabels(); }

QList<qreal> THarmoniquesDlg::Barres(Sens sens) const {
    const QBarSet* set = sens == Sens::Inverse ? Inverses : Directs;
    QList<qreal> valeurs;
    for (int i = 0; i < set->count(); ++i) valeurs.append(set->at(i));
    return valeurs;
}

QStringList THarmoniquesDlg::Categories() const { return rangs_->categories(); }

QString THarmoniquesDlg::TexteLignes() const {
    return TableauTraduit(TexteTableau(spectre_, separateur_), spectre_.electrique ? 6 : 3);
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
        generateur.setTitle(tr("Harmoniques"));
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

}  // namespace kest
