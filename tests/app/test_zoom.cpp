// SPDX-License-Identifier: GPL-3.0-or-later
// The picture's zoom and full screen, headless: the steps and their bounds, the window's size,
// the tool row at the right edge, the copy's size, and the choice kept for the next start.

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "app/TkestForm.h"
#include "render/Agrandissement.h"
#include "tests/support/FenetreTest.h"

namespace {

using kest::TkestForm;

class Zoom : public kest::test::FenetreReouverte {
protected:
    Zoom() { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dossier_.path()); }
    QWidget* Case() { return form->findChild<QWidget*>(QStringLiteral("CheckBoxAfficheBobinage")); }
    // The tool row's distance to the drawing area's right edge.
    int ADroite() { return Zone()->width() - Case()->x(); }
    QSize CopiePng() {
        form->Copy1Click();
        const QMimeData* m = QGuiApplication::clipboard()->mimeData();
        return QImage::fromData(m->data(QStringLiteral("image/png")), "PNG").size();
    }

private:
    QTemporaryDir dossier_;
};

QSize Fois(QSize s, double k) {
    return QSize(static_cast<int>(s.width() * k), static_cast<int>(s.height() * k));
}

// The menu items and their keys go up to 4 and down to 1 and no further; the drawing area is
// the one at 100 % times the zoom, the check boxes keep their distance to its right edge, and
// at 100 % everything is back where it was.
TEST_F(Zoom, StepsBoundsWindowSizeAndToolRow) {
    const QSize zone = Zone()->size();
    const QPoint place = Case()->pos();
    const int aDroite = ADroite();
    const auto attend = [&](double k) {
        EXPECT_EQ(form->Zoom(), k);
        EXPECT_EQ(form->FacteurImage(), k);
        EXPECT_EQ(Zone()->size(), Fois(zone, k)) << k;
        if (k != 1.0) {
            EXPECT_EQ(ADroite(), aDroite) << k;
        }
    };
    for (double k : {1.5, 2.0, 3.0, 4.0, 4.0}) {
        Action("Agrandir1")->trigger();
        Attendre();
        attend(k);
    }
    for (double k : {3.0, 2.0, 1.5, 1.0, 1.0}) {
        Action("Reduire1")->trigger();
        Attendre();
        attend(k);
    }
    EXPECT_EQ(Case()->pos(), place);
    Touche(Qt::Key_Plus, Qt::ControlModifier);
    attend(1.5);
    Touche(Qt::Key_Equal, Qt::ControlModifier);
    attend(2.0);
    Touche(Qt::Key_Minus, Qt::ControlModifier);
    attend(1.5);
    Touche(Qt::Key_0, Qt::ControlModifier);
    attend(1.0);
    EXPECT_EQ(Case()->pos(), place);
}

// F11 fills the screen, with the picture fitted to the drawing area and the tool row at its
// right edge; Escape or F11 gives back the window of the zoom in force. Escape does nothing
// else.
TEST_F(Zoom, FullScreenOnAndOff) {
    Action("Agrandir1")->trigger();
    Attendre();
    const QSize zone = Zone()->size();
    const int aDroite = ADroite();
    for (Qt::Key sortie : {Qt::Key_Escape, Qt::Key_F11}) {
        Touche(Qt::Key_F11);
        EXPECT_TRUE(form->isFullScreen());
        EXPECT_TRUE(form->PleinEcran());
        EXPECT_TRUE(Action("PleinEcran1")->isChecked());
        EXPECT_EQ(form->frameGeometry().size(), form->screen()->geometry().size());
        EXPECT_EQ(form->FacteurImage(), kest::AgrandissementAjuste(Zone()->size()));
        EXPECT_EQ(ADroite(), aDroite);
        Touche(sortie);
        EXPECT_FALSE(form->isFullScreen());
        EXPECT_FALSE(Action("PleinEcran1")->isChecked());
        EXPECT_EQ(Zone()->size(), zone);
        EXPECT_EQ(form->FacteurImage(), 1.5);
    }
    Touche(Qt::Key_Escape);
    EXPECT_FALSE(form->isFullScreen());
    EXPECT_EQ(form->Zoom(), 1.5);
}

// "Copier" gives the picture of the window at 100 % whatever the zoom.
TEST_F(Zoom, CopyKeepsThePictureSize) {
    const QSize normale = CopiePng();
    EXPECT_EQ(normale, QSize(700, 500));
    Action("Agrandir1")->trigger();
    Action("Agrandir1")->trigger();
    Attendre();
    ASSERT_EQ(form->Zoom(), 2.0);
    EXPECT_EQ(CopiePng(), normale);
    Touche(Qt::Key_F11);
    EXPECT_EQ(CopiePng(), normale);
}

// The next window starts with the zoom and full screen the last one was left with, and its
// Escape gives the zoomed window; a setting that is no step gives the normal size.
TEST_F(Zoom, TheChoiceIsKeptForTheNextStart) {
    Action("Agrandir1")->trigger();
    Action("Agrandir1")->trigger();
    Attendre();
    const QSize zone = Zone()->size();
    Touche(Qt::Key_F11);
    Ouvrir();
    EXPECT_EQ(form->Zoom(), 2.0);
    EXPECT_TRUE(form->PleinEcran());
    EXPECT_TRUE(form->isFullScreen());
    Touche(Qt::Key_Escape);
    EXPECT_EQ(Zone()->size(), zone);

    form.reset();
    for (const char* valeur : {"7", "deux", "0"}) {
        QSettings(QStringLiteral("kest"), QStringLiteral("kest"))
            .setValue(QStringLiteral("zoom"), QString::fromLatin1(valeur));
        Ouvrir();
        EXPECT_EQ(form->Zoom(), 1.0) << valeur;
        EXPECT_FALSE(form->isFullScreen());
    }
}

}  // namespace
