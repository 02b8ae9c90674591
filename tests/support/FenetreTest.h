// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QString>
#include <QTest>
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

}  // namespace kest::test
