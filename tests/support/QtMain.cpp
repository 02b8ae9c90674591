// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

// GoogleTest's own main has no QApplication; widget tests need one. Headless unless the
// caller chose a platform, so that test discovery at build time needs no display either.
// The windows' settings go to a folder of the test's own, never to the user's.
int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir reglages;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, reglages.path());
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
