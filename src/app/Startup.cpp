#include "Startup.h"

#include "ButtonAccessible.h"
#include "CommandLine.h"
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
#include <QTimer>

#include <filesystem>
#include <iostream>

namespace Startup {

void SetUpNames()
{
    QApplication::setApplicationName(QStringLiteral("Volarin Z"));
    QApplication::setApplicationVersion(QStringLiteral(VOLARIN_VERSION));
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
    std::error_code noFolder;  // then relative paths stay relative
    const CommandLine commandLine
        = CommandLine::Parse({argv + 1, argv + argc}, std::filesystem::current_path(noFolder).string());
    if (commandLine.action() != CommandLine::Action::OpenWindow)
        return commandLine.Answer(std::cout, std::cerr);

    // Qt is given only its own options; every other argument is ours.
    std::vector<std::string> qtArguments{argv[0]};
    qtArguments.insert(qtArguments.end(), commandLine.qtArguments().begin(), commandLine.qtArguments().end());
    std::vector<char*> qtArgv;
    for (std::string& argument : qtArguments)
        qtArgv.push_back(argument.data());
    qtArgv.push_back(nullptr);
    int qtArgc = static_cast<int>(qtArguments.size());
    QApplication app(qtArgc, qtArgv.data());
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
    // Once the event loop runs, as a drop would arrive.
    QTimer::singleShot(0, window, [&commandLine, window] { commandLine.OpenFolders(*window, std::cerr); });
    const int code = app.exec();
    Shell::SetInstance(nullptr);
    FileSystem::SetInstance(nullptr);
    return code;
}

} // namespace Startup
