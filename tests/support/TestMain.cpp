// One main for every test binary: a QApplication on the offscreen platform
// (unless VOLARIN_TEST_DISPLAY asks for the real display) and Qt's test mode
// for the per-user folders, so no test touches the user's real ones; a
// watchdog fails a test that hangs.
#include <QApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include <cstdlib>

#include "TestWatchdog.h"

int main(int argc, char** argv)
{
    if (!std::getenv("VOLARIN_TEST_DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("volarin-z-tests"));
    QApplication::setOrganizationName(QStringLiteral("volarin-tests"));
    ::testing::InitGoogleTest(&argc, argv);
    // A test that hangs fails within its limit rather than at ctest's timeout.
    TestWatchdog::Install();
    return RUN_ALL_TESTS();
}
