#pragma once

// A main window with its options dialog, the error box replaced by a list of messages, and
// a count of the paints of the drawing area.

#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QPaintEvent>
#include <QStatusBar>
#include <QTest>
#include <functional>
#include <string>
#include <vector>

#include "ErrorBox.h"
#include "TOptionsDlg.h"
#include "TkestForm.h"

class Fenetres : public ::testing::Test, public QObject {
protected:
    void SetUp() override {
        ancien_ = kest::DefinirRapporteur([this](const std::string& m) { messages.push_back(m); });
        form.CreerOptionsDlg();
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        Trouver<QWidget>("Zone")->installEventFilter(this);
    }
    void TearDown() override { kest::DefinirRapporteur(ancien_); }

    template <class T>
    T* Trouver(const char* nom) {
        T* objet = form.findChild<T*>(QString::fromLatin1(nom));
        if (!objet) ADD_FAILURE() << "no " << nom;
        return objet;
    }

    // How many times the picture is painted because of `action`, once the events it posted
    // have been handled.
    int Peintures(const std::function<void()>& action) {
        Vider();
        peintures_ = 0;
        action();
        Vider();
        return peintures_;
    }
    // Events handled may post others (activation, update requests): a few rounds settle it.
    static void Vider() {
        for (int tour = 0; tour < 4; ++tour) QCoreApplication::processEvents();
    }

    // The status bar's text after the pointer enters `w`.
    QString AideSous(QWidget* w) {
        QEnterEvent entree(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QCoreApplication::sendEvent(w, &entree);
        return form.statusBar()->currentMessage();
    }

    // Only a paint of the whole picture counts: all of the drawing area but the opaque
    // controls, which hide what lies under them. A transparent control that repaints itself
    // also has the picture redrawn beneath it, clipped to its own rectangle.
    bool eventFilter(QObject* objet, QEvent* e) override {
        if (e->type() == QEvent::Paint) {
            const auto* zone = static_cast<QWidget*>(objet);
            QRegion image(zone->rect());
            for (const QWidget* c : zone->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (c->autoFillBackground()) image -= c->geometry();
            peintures_ += image.subtracted(static_cast<QPaintEvent*>(e)->region()).isEmpty();
        }
        return false;
    }

    kest::TkestForm form;
    std::vector<std::string> messages;

private:
    kest::Rapporteur ancien_;
    int peintures_ = 0;
};
