#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "Fenetres.h"

namespace {

class Options : public Fenetres {
protected:
    void Ouvrir() {
        ASSERT_FALSE(Trouver<QAction>("Dimensions1")->isChecked());
        Trouver<QAction>("Dimensions1")->trigger();
        ASSERT_TRUE(form.CreerOptionsDlg().isVisible());
    }
    QLineEdit* Edit(const char* nom) { return Trouver<QLineEdit>(nom); }
    QRadioButton* Bouton(const char* nom) { return Trouver<QRadioButton>(nom); }
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
};

constexpr double kAlpha12 = 6.283185307179586 / 12;

TEST_F(Options, FirstOpening) {
    for (const char* nom : {"RBParfaite", "RBReelle", "RBDoubleetoile"})
        EXPECT_FALSE(Bouton(nom)->isChecked()) << nom;  // none before the first opening
    // Parfaite becoming selected runs RBClick, whose repaint is the only one.
    EXPECT_EQ(Peintures([&] { Ouvrir(); }), 1);
    EXPECT_EQ(Edit("IDC_p")->text(), "1");
    EXPECT_EQ(Edit("IDC_m")->text(), "2");
    EXPECT_EQ(Edit("IDC_Y")->text(), "3.14159265358979");
    EXPECT_TRUE(Bouton("RBParfaite")->isChecked());
    EXPECT_FALSE(Bouton("RBReelle")->isChecked());
    EXPECT_TRUE(Trouver<QAction>("Dimensions1")->isChecked());
    EXPECT_EQ(form.CreerOptionsDlg().frameGeometry().topLeft(), QPoint(700, 200));
    EXPECT_EQ(form.CreerOptionsDlg().size(), QSize(287, 168));
    EXPECT_EQ(form.CreerOptionsDlg().windowTitle(), "Options");
}

TEST_F(Options, MenuHidesAndCloseBoxClearsTheMark) {
    Ouvrir();
    Trouver<QAction>("Dimensions1")->trigger();
    EXPECT_FALSE(form.CreerOptionsDlg().isVisible());
    EXPECT_FALSE(Trouver<QAction>("Dimensions1")->isChecked());
    Ouvrir();
    QTest::keyClick(Edit("IDC_p"), Qt::Key_Escape);  // no Cancel button: stays open
    EXPECT_TRUE(form.CreerOptionsDlg().isVisible());
    form.CreerOptionsDlg().close();
    EXPECT_FALSE(form.CreerOptionsDlg().isVisible());
    EXPECT_FALSE(Trouver<QAction>("Dimensions1")->isChecked());
    Ouvrir();  // opens again rather than hiding
}

TEST_F(Options, EnterInYUneditedStoresFifteenDigits) {
    Ouvrir();
    QTest::keyClick(Edit("IDC_Y"), Qt::Key_Return);
    EXPECT_EQ(form.state.Y, 3.14159265358979);
    EXPECT_NE(form.state.Y, 3.141592653589793);
    EXPECT_TRUE(messages.empty());
}

// Each row types into the real edits and presses a key in one of them; the state after
// shows which steps ran, and the message is read through the error seam.
TEST_F(Options, EnterTable) {
    struct Ligne {
        const char* nom;
        QString p, m, y;
        const char* ou;
        Qt::Key touche;
        std::string message;
        int pApres, mApres;
        double yApres;
        int nbApres;
        double alphaApres;
        bool peint;
    };
    const double pi = 3.141592653589793;
    const Ligne lignes[] = {
        {"p invalide", "abc", "3", "1", "IDC_p", Qt::Key_Return,
         "'abc' n'est pas une valeur entière correcte", 1, 2, pi, 12, kAlpha12, false},
        {"blanc apres p", "2 ", "3", "1", "IDC_m", Qt::Key_Return,
         "'2 ' n'est pas une valeur entière correcte", 1, 2, pi, 12, kAlpha12, false},
        {"m vide", "2", "", "1", "IDC_Y", Qt::Key_Enter, "'' n'est pas une valeur entière correcte",
         2, 2, pi, 12, kAlpha12, false},
        {"Y invalide", "2", "3", "x1", "IDC_Y", Qt::Key_Return,
         "'x1' n'est pas une valeur en virgule flottante correcte", 2, 3, pi, 12, kAlpha12, false},
        {"Y trop grand", "2", "3", "1e309", "IDC_p", Qt::Key_Return,
         "Débordement en virgule flottante", 2, 3, pi, 36, kAlpha12, false},
        {"m nul", "2", "0", "2", "IDC_m", Qt::Key_Return, "Division par zéro en virgule flottante",
         2, 0, 2.0, 0, kAlpha12, false},
        {"p nul ignore", "0", "3", "2", "IDC_p", Qt::Key_Return, "", 1, 3, 2.0, 18,
         6.283185307179586 / 18, true},
        {"p negatif ignore", "-3", "1", "2", "IDC_p", Qt::Key_Return, "", 1, 1, 2.0, 6,
         6.283185307179586 / 6, true},
        {"blanc avant p, m hexadecimal", " 2", "$1F", "1e-400", "IDC_m", Qt::Key_Return, "", 2, 31,
         0.0, 372, 6.283185307179586 / 372, true},
        {"autre touche", "5", "5", "5", "IDC_p", Qt::Key_Tab, "", 1, 2, pi, 12, kAlpha12, false},
    };
    for (const Ligne& l : lignes) {
        SCOPED_TRACE(l.nom);
        form.state = kest::State{};
        messages.clear();
        Ouvrir();
        const int peintures = Peintures([&] { Saisir(l.p, l.m, l.y, l.ou, l.touche); });
        EXPECT_EQ(messages, l.message.empty() ? std::vector<std::string>{}
                                              : std::vector<std::string>{l.message});
        EXPECT_EQ(form.state.p, l.pApres);
        EXPECT_EQ(form.state.m, l.mApres);
        EXPECT_EQ(form.state.Y, l.yApres);
        EXPECT_EQ(form.state.NbEncoches, l.nbApres);
        EXPECT_EQ(form.state.Alpha, l.alphaApres);
        EXPECT_EQ(peintures, l.peint ? 1 : 0);
        // Never written back: the edits keep what was typed.
        EXPECT_EQ(Edit("IDC_p")->text(), l.p);
        EXPECT_EQ(Edit("IDC_m")->text(), l.m);
        EXPECT_TRUE(form.CreerOptionsDlg().isVisible());
        Trouver<QAction>("Dimensions1")->trigger();
    }
}

TEST_F(Options, EnterTakesTheFlagsOfTheButtonsFirst) {
    Ouvrir();
    QTest::mouseClick(Bouton("RBDoubleetoile"), Qt::LeftButton);
    EXPECT_TRUE(form.state.DoubleEtoile);
    form.state.DoubleEtoile = false;  // so that only Enter can set it again
    Saisir("abc", "2", "1", "IDC_p");
    EXPECT_TRUE(form.state.DoubleEtoile);
    EXPECT_FALSE(form.state.Reelle);
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(Options, ARadioButtonAppliesOnlyTheDistribution) {
    Ouvrir();
    Edit("IDC_m")->setText("7");
    EXPECT_EQ(Peintures([&] { QTest::mouseClick(Bouton("RBReelle"), Qt::LeftButton); }), 1);
    EXPECT_TRUE(form.state.Reelle);
    EXPECT_FALSE(form.state.DoubleEtoile);
    EXPECT_EQ(form.state.m, 2);
    Trouver<QAction>("Dimensions1")->trigger();
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
    EXPECT_EQ(form.state.Y, 3.5);
    Saisir("1", "2", "3.5", "IDC_Y");
    EXPECT_EQ(form.state.Y, 3.5);
    EXPECT_EQ(messages,
              std::vector<std::string>{"'3.5' n'est pas une valeur en virgule flottante correcte"});
    form.LireSeparateur(QLocale::c());
    EXPECT_EQ(form.Separateur(), ".");
}

TEST_F(Options, DialogHintsGoToTheMainStatusBar) {
    Ouvrir();
    EXPECT_EQ(AideSous(Edit("IDC_p")), "choisi le nombre de paires de pôles du bobinage");
    EXPECT_EQ(AideSous(Bouton("RBReelle")), "Type de distribution de la kest");
    EXPECT_EQ(AideSous(Edit("IDC_Y")),
              "Permet d'imposer le raccourcicement polaire (pas diamétral : Pi)");
}

TEST_F(Options, LabelsEndThreePixelsBeforeTheirEditAndShowTheirWholeText) {
    for (const char* nom : {"IDC_p", "IDC_m", "IDC_Y"}) {
        auto* libelle = Trouver<QLabel>((std::string(nom) + "Label").c_str());
        EXPECT_EQ(libelle->geometry().right() + 1, Edit(nom)->x() - 3) << nom;
        EXPECT_GE(libelle->x(), 0) << nom;
        EXPECT_GE(libelle->width(), libelle->fontMetrics().horizontalAdvance(libelle->text()));
    }
}

}  // namespace
