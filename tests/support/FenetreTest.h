// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QString>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "app/BoiteErreur.h"
#include "app/TkestForm.h"

namespace kest::test {

// The main window shown, as the program shows it, with the standard error box replaced by a
// list of its messages; its controls are found by their designer names.
class FenetreTest : public ::testing::Test {
protected:
    void SetUp() override {
        ancien_ = DefinirRapporteur([this](const std::string& m) { messages.push_back(m); });
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    void TearDown() override { DefinirRapporteur(ancien_); }

    template <class T>
    T* Trouver(const char* nom) {
        T* objet = form.findChild<T*>(QString::fromLatin1(nom));
        if (!objet) ADD_FAILURE() << "no " << nom;
        return objet;
    }
    QAction* Action(const char* nom) { return Trouver<QAction>(nom); }

    TkestForm form;
    std::vector<std::string> messages;

private:
    Rapporteur ancien_;
};

// A main window that a test closes and opens again (a new start that reads the settings the
// last one left), shown and active, with the error box replaced as above.
class FenetreReouverte : public ::testing::Test {
protected:
    void SetUp() override {
        ancien_ = DefinirRapporteur([this](const std::string& m) { messages.push_back(m); });
        Ouvrir();
    }
    void TearDown() override {
        form.reset();
        DefinirRapporteur(ancien_);
        EXPECT_TRUE(messages.empty());
    }
    void Ouvrir() {
        form.reset();
        form = std::make_unique<TkestForm>();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        Attendre();
    }
    static void Attendre() {
        for (int tour = 0; tour < 4; ++tour) QCoreApplication::processEvents();
    }
    void Touche(Qt::Key touche, Qt::KeyboardModifiers mod = Qt::NoModifier) {
        QTest::keyClick(form.get(), touche, mod);
        Attendre();
    }
    QAction* Action(const char* nom) { return form->findChild<QAction*>(QString::fromLatin1(nom)); }
    QWidget* Zone() { return form->findChild<QWidget*>(QStringLiteral("Zone")); }

    std::unique_ptr<TkestForm> form;
    std::vector<std::string> messages;

private:
    Rapporteur ancien_;
};

}  // namespace kest::test
