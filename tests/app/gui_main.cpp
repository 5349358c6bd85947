// One QApplication for every GUI test, offscreen unless told otherwise, and
// a profile folder of this process's own, so no test sees a user's profile
// or another test's.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdlib>

int main(int argc, char **argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QTemporaryDir profileHome(QDir::tempPath() + QStringLiteral("/quillet-profile-XXXXXX"));
    if (!profileHome.isValid()) return 2;
    setenv("XDG_CONFIG_HOME", profileHome.path().toLocal8Bit().constData(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
