#include "Startup.h"

#include "ButtonAccessible.h"
#include "FileSystem.h"
#include "LinuxFileSystem.h"
#include "MainWindow.h"
#include "QtShell.h"
#include "XP_ProgressBarAccessible.h"
#include "Shell.h"
#include "ZipRunService.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

namespace Startup {

void SetUpNames()
{
    QApplication::setApplicationName(QStringLiteral("Volarin Z"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    QApplication::setOrganizationName(QStringLiteral("Volarin"));
    QApplication::setDesktopFileName(QStringLiteral("volarin-z"));
}

void SetUpFonts()
{
    const QString general = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), {general, QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Cambria"), {QStringLiteral("Caladea"), QStringLiteral("DejaVu Serif")});
    // The weight is given where the family is used (QFont::Black).
    QFont::insertSubstitutions(QStringLiteral("Arial Black"), {QStringLiteral("DejaVu Sans"), general});
}

void SetUpAccessibility()
{
    button::InstallButtonAccessibility();
    XP_ProgressBarAccessible::Install();
}

int Run(int argc, char** argv)
{
    QApplication app(argc, argv);
    SetUpNames();
    SetUpFonts();
    // The desktop's shell and the real file system, in place before any window asks for them.
    QtShell shell;
    LinuxFileSystem fileSystem;
    Shell::SetInstance(&shell);
    FileSystem::SetInstance(&fileSystem);

    SetUpAccessibility();
    // The service outlives the window, which deletes itself when closed.
    ZipRunService run(StagingArea::DefaultRoot());
    auto* window = new MainWindow(run);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    const int code = app.exec();
    Shell::SetInstance(nullptr);
    FileSystem::SetInstance(nullptr);
    return code;
}

} // namespace Startup
