// SPDX-License-Identifier: GPL-3.0-or-later
// The "Moteur monophasé" window, headless, driven through the main window's menu and the window's
// own controls: what each control changes in the state, the picture and the spectrum's window.

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <string>
#include <tuple>
#include <vector>

#include "app/TMoteurDlg.h"
#include "model/Configuration.h"
#include "model/Curseur.h"
#include "tests/support/FenetreTest.h"
#include "tests/support/RecordingSurface.h"

namespace {

class FenetreMoteur : public kest::test::FenetreTest {
protected:
    // The picture's calls: operation, coordinates and text.
    std::vector<std::tuple<int, int, int, int, int, std::string>> Image() {
        kest::test::RecordingSurface r;
        form.FormPaint(r);
        std::vector<std::tuple<int, int, int, int, int, std::string>> v;
        for (const auto& a : r.appels) v.emplace_back(int(a.op), a.x1, a.y1, a.x2, a.y2, a.texte);
        return v;
    }
    QString Texte(const char* nom) { return Trouver<QLabel>(nom)->text(); }
    void Entrer(const char* champ, const char* texte) {
        Trouver<QLineEdit>(champ)->setText(texte);
        QTest::keyClick(Trouver<QLineEdit>(champ), Qt::Key_Return);
    }
};

TEST_F(FenetreMoteur, StartsSliderAndEnterChangeTheMotorAndThePicture) {
    const auto triphase = Image();
    Action("Harmoniques1")->trigger();
    Action("Moteur1")->trigger();
    ASSERT_TRUE(form.CreerMoteurDlg().isVisible());
    auto* curseur = Trouver<kest::CurseurCondensateur>("CurseurCondensateur");
    EXPECT_FALSE(curseur->isEnabled());  // the motor waits for its machine

    Trouver<QRadioButton>("RBMachine1")->click();
    const kest::State& e = form.Etat();
    ASSERT_EQ(e.machine, kest::Machine::Monophasee);
    EXPECT_TRUE(Action("Monophasee1")->isChecked());
    EXPECT_TRUE(curseur->isEnabled());
    const auto quadrature = Image();
    EXPECT_NE(quadrature, triphase);
    // The quadrature start uses the capacitor the mark shows; the field is circular.
    ASSERT_TRUE(curseur->Marque());
    EXPECT_EQ(curseur->value(), *curseur->Marque());
    EXPECT_EQ(*curseur->Marque(), kest::PositionCurseur(kest::ConceptionDe(e).condensateur));
    const auto marque = curseur->Marque();
    EXPECT_EQ(Texte("LabelConception").toStdString(), kest::TexteConception(e, form.Separateur()));
    const QString circulaire = Texte("LabelDesequilibre");

    // The auxiliary open: the slider at its small end, the picture and the spectrum change.
    Trouver<QRadioButton>("RBDemarrage2")->click();
    EXPECT_EQ(e.demarrage, kest::Demarrage::Ouverte);
    EXPECT_EQ(curseur->value(), 0);
    const auto ouverte = Image();
    EXPECT_NE(ouverte, quadrature);
    EXPECT_NE(Texte("LabelDesequilibre"), circulaire);
    Trouver<QRadioButton>("RBDemarrage1")->click();  // no capacitor: the large end
    EXPECT_EQ(curseur->value(), kest::kPasCurseur);

    // The slider chooses "Libre" at its capacitance, redrawn at once with the numbers.
    curseur->setValue(kest::PositionCurseur(100.0));
    EXPECT_EQ(e.demarrage, kest::Demarrage::Libre);
    EXPECT_NEAR(e.condensateur, 100.0, 0.6);
    EXPECT_TRUE(Trouver<QRadioButton>("RBDemarrage3")->isChecked());
    EXPECT_EQ(curseur->Marque(), marque);  // still the quadrature capacitor's step
    EXPECT_EQ(Trouver<QLineEdit>("IDC_condensateur")->text().toStdString(),
              kest::SaisieMoteurAffichee(e, form.Separateur()).condensateur);
    EXPECT_EQ(Texte("LabelConception").toStdString(), kest::TexteConception(e, form.Separateur()));
    const auto cent = Image();
    EXPECT_NE(cent, ouverte);

    // Enter applies the six fields together.
    Entrer("IDC_rapport", "3");
    EXPECT_EQ(e.rapport, 3.0);
    EXPECT_NE(Image(), cent);
    ASSERT_TRUE(messages.empty()) << messages.front();

    // A refusal is shown, changes nothing and keeps what was typed.
    const kest::State avant = e;
    const auto image = Image();
    const QString conception = Texte("LabelConception");
    Entrer("IDC_Xm", "0");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("X_m"), std::string::npos) << messages[0];
    EXPECT_TRUE(kest::MemeMoteur(e, avant));
    EXPECT_EQ(Image(), image);
    EXPECT_EQ(Texte("LabelConception"), conception);
    EXPECT_EQ(Trouver<QLineEdit>("IDC_Xm")->text(), "0");

    // Back to three phases from the menu: the default picture again.
    Action("Triphasee1")->trigger();
    EXPECT_EQ(Image(), triphase);
    EXPECT_TRUE(Trouver<QRadioButton>("RBMachine0")->isChecked());
    EXPECT_FALSE(curseur->isEnabled());

    // A slot winding that makes no two windings 90° apart (18 slots) is refused for the motor:
    // shown, and the buttons show the state again.
    kest::Options options;
    kest::PrendOptions({"--encoches", "18"}, options);
    form.Configurer(kest::FormeConfiguration(options));
    Trouver<QRadioButton>("RBMachine1")->click();
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_EQ(e.machine, kest::Machine::Triphasee);
    EXPECT_TRUE(Trouver<QRadioButton>("RBMachine0")->isChecked());
}

}  // namespace
