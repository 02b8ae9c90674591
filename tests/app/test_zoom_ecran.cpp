// SPDX-License-Identifier: GPL-3.0-or-later
// The zoom and full screen on a 1280 × 1024 screen, where the window fits at 1.5 but not at 2:
// the zoom stops where the window would leave the screen, also for a zoom kept from a larger
// screen; full screen shows the whole picture centred with the tool row beside it, and gives
// back the window it replaced.

#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QScreen>
#include <QSettings>
#include <QTest>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/TkestForm.h"
#include "tests/support/FenetreTest.h"
#include "tests/support/LectureEmf.h"

namespace {

using kest::TkestForm;

class ZoomEcran : public kest::test::FenetreReouverte {
protected:
    void SetUp() override {
        QSettings(QStringLiteral("kest"), QStringLiteral("kest")).clear();
        FenetreReouverte::SetUp();
    }
    bool SurLEcran() { return form->screen()->availableGeometry().contains(form->frameGeometry()); }
};

// The rectangle of what is drawn: the pixels of another colour than the most frequent one.
QRect Dessin(const QImage& image) {
    std::map<QRgb, int> nombres;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ++nombres[image.pixel(x, y)];
    QRgb fond = 0;
    int plus = 0;
    for (const auto& [couleur, n] : nombres)
        if (n > plus) fond = couleur, plus = n;
    QRect r;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != fond) r |= QRect(x, y, 1, 1);
    return r;
}

// Agrandir goes to 1.5 and is then disabled: at 2 the window would be 1400 pixels wide. Its keys
// do nothing more; Réduire enables it again.
TEST_F(ZoomEcran, TheZoomStopsAtTheLargestStepThatFits) {
    EXPECT_TRUE(Action("Agrandir1")->isEnabled());
    Action("Agrandir1")->trigger();
    Attendre();
    EXPECT_EQ(form->Zoom(), 1.5);
    EXPECT_TRUE(SurLEcran());
    EXPECT_FALSE(Action("Agrandir1")->isEnabled());
    Touche(Qt::Key_Plus, Qt::ControlModifier);
    Touche(Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_EQ(form->Zoom(), 1.5);
    EXPECT_TRUE(SurLEcran());
    Action("Reduire1")->trigger();
    Attendre();
    EXPECT_EQ(form->Zoom(), 1.0);
    EXPECT_TRUE(Action("Agrandir1")->isEnabled());
}

// A zoom kept from a larger screen opens at what fits here; full screen still fills the screen.
TEST_F(ZoomEcran, AKeptZoomIsClampedAtStart) {
    for (double kept : {4.0, 3.0, 2.0}) {
        form.reset();
        QSettings(QStringLiteral("kest"), QStringLiteral("kest")).setValue("zoom", kept);
        Ouvrir();
        EXPECT_EQ(form->Zoom(), 1.5) << kept;
        EXPECT_TRUE(SurLEcran()) << kept;
        EXPECT_FALSE(Action("Agrandir1")->isEnabled());
    }
    Touche(Qt::Key_F11);
    EXPECT_EQ(form->frameGeometry(), form->screen()->geometry());
}

// Full screen from 100 %: the whole picture, scaled and centred in the drawing area, no pixel
// of its edges cut, and nothing of it under the tool row. Compared with the copy, which is the
// picture at 100 %, 700 × 500, whatever the window shows.
TEST_F(ZoomEcran, FullScreenShowsTheWholePictureCentredBesideTheToolRow) {
    form->Copy1Click();
    const QMimeData* copie = QGuiApplication::clipboard()->mimeData();
    const QImage image = QImage::fromData(copie->data(QStringLiteral("image/png")), "PNG");
    ASSERT_EQ(image.size(), QSize(700, 500));
    const QRect normal = Dessin(image);

    const QWidget* bouton = Zone()->findChild<QWidget*>(QStringLiteral("SpeedButton1"));
    const int aDroite = Zone()->width() - bouton->x();
    Touche(Qt::Key_F11);
    ASSERT_TRUE(form->PleinEcran());
    EXPECT_EQ(Zone()->width() - bouton->x(), aDroite);  // the tool row at the right edge
    const double k = form->FacteurImage();
    EXPECT_GT(k, 1.5);
    const QList<QWidget*> rangee = Zone()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    ASSERT_GE(rangee.size(), 7);
    for (QWidget* w : rangee) w->hide();
    const QImage plein = Zone()->grab().toImage();
    for (QWidget* w : rangee) w->show();
    const QRect dessin = Dessin(plein);
    const QSize zone = Zone()->size();

    EXPECT_NEAR(dessin.width(), normal.width() * k, k + 1);
    EXPECT_NEAR(dessin.height(), normal.height() * k, k + 1);
    // Where the picture's corner lands, from what is drawn: the middle of the drawing area.
    EXPECT_NEAR(dessin.left() - normal.left() * k, (zone.width() - 700 * k) / 2, k + 1);
    EXPECT_NEAR(dessin.top() - normal.top() * k, (zone.height() - 500 * k) / 2, k + 1);
    for (QWidget* w : rangee)
        for (int y = w->y(); y <= w->geometry().bottom(); ++y)
            for (int x = w->x(); x <= w->geometry().right(); ++x)
                ASSERT_EQ(plein.pixel(x, y), plein.pixel(0, 0))
                    << w->objectName().toStdString() << " over the picture at " << x << ", " << y;
}

// Ctrl+C in full screen entered from 100 % copies the 700 × 500 picture; Ctrl+0 leaves full
// screen for the normal size; leaving full screen puts the window back where it was.
TEST_F(ZoomEcran, FullScreenCopyNormalSizeAndWayBack) {
    form->move(150, 120);
    Attendre();
    const QRect cadre = form->frameGeometry();
    const QSize zone = Zone()->size();
    Touche(Qt::Key_F11);
    ASSERT_TRUE(form->PleinEcran());
    Touche(Qt::Key_C, Qt::ControlModifier);
    const QMimeData* copie = QGuiApplication::clipboard()->mimeData();
    const kest::test::Emf emf =
        kest::test::LitEmf(copie->data(QStringLiteral("image/x-emf")).toStdString());
    ASSERT_TRUE(emf.valide);
    EXPECT_EQ(std::vector<int>(emf.bornes, emf.bornes + 4), (std::vector<int>{0, 0, 700, 500}));
    Touche(Qt::Key_Escape);
    EXPECT_EQ(form->frameGeometry(), cadre);

    Action("Agrandir1")->trigger();
    Touche(Qt::Key_F11);
    Touche(Qt::Key_0, Qt::ControlModifier);
    EXPECT_FALSE(form->PleinEcran());
    EXPECT_FALSE(form->isFullScreen());
    EXPECT_EQ(form->Zoom(), 1.0);
    EXPECT_EQ(Zone()->size(), zone);
    EXPECT_EQ(form->frameGeometry().topLeft(), cadre.topLeft());
}

}  // namespace
