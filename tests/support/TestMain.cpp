// One main for every test binary: a QApplication on the offscreen platform
// (unless VOLARIN_TEST_DISPLAY asks for the real display) and Qt's test mode
// for the per-user folders, so no test touches the user's real ones; the
// program's words in English, whatever the language of whoever runs them; a
// watchdog fails a test that hangs.
#include <QApplication>
#include <QStandardPaths>
#include <QTranslator>
#include <gtest/gtest.h>

#include <cstdlib>

#include "TestWatchdog.h"

int main(int argc, char** argv)
{
    // The windows tell the session bus about their runs (task bar, notifications):
    // tests reach only a bus their wrapper started for them, never the desktop
    // of whoever runs them (nor do the programs they start).
    if (!std::getenv("VOLARIN_A11Y_BUS") && !std::getenv("VOLARIN_TEST_SESSION_BUS"))
        setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/volarin-test-bus", 1);
    if (!std::getenv("VOLARIN_TEST_DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("volarin-z-tests"));
    QApplication::setOrganizationName(QStringLiteral("volarin-tests"));
    // English is the sources' language but for its plural forms ("1 file was left out").
    QTranslator english;
    if (english.load(QStringLiteral("volarin-z_en"), QStringLiteral(VOLARIN_TRANSLATIONS_DIR)))
        QApplication::installTranslator(&english);
    ::testing::InitGoogleTest(&argc, argv);
    // A test that hangs fails within its limit rather than at ctest's timeout.
    TestWatchdog::Install();
    return RUN_ALL_TESTS();
}
