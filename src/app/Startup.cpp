#include "Startup.h"

#include "ButtonAccessible.h"
#include "CommandLine.h"
#include "FileSystem.h"
#include "LinuxFileSystem.h"
#include "MainWindow.h"
#include "QtShell.h"
#include "XP_ProgressBarAccessible.h"
#include "Shell.h"
#include "TerminationSignals.h"
#include "Translations.h"
#include "UserMessage.h"
#include "ZipRunService.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QPointer>
#include <QTimer>

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

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

void SetUpLanguage()
{
    Translations::Install(QFile::decodeName(FileSystem::Instance().ProgramFolder().c_str()));
}

void SetUpAccessibility()
{
    button::InstallButtonAccessibility();
    XP_ProgressBarAccessible::Install();
}

void RemoveLeftovers(ZipRunService& run)
{
    if (const Status removed = run.RemoveLeftovers(); !removed)
        std::cerr << UserMessage::For(removed.failure()).text.toLocal8Bit().constData() << '\n';
}

void EndOnTerminationSignals(TerminationSignals& termination, ZipRunService& run)
{
    QObject::connect(&termination, &TerminationSignals::Arrived, &termination, [&run] {
        run.Shutdown();
        // Every loop, a message box's or the folder picker's included.
        QCoreApplication::exit(0);
    });
}

namespace {

// Qt is given only its own options; every other argument is ours. Kept as
// long as the application, which holds on to them.
struct QtArguments {
    QtArguments(const CommandLine& commandLine, char* program) : strings{program}
    {
        strings.insert(strings.end(), commandLine.qtArguments().begin(), commandLine.qtArguments().end());
        for (std::string& argument : strings)
            pointers.push_back(argument.data());
        pointers.push_back(nullptr);
        count = static_cast<int>(strings.size());
    }
    std::vector<std::string> strings;
    std::vector<char*> pointers;
    int count = 0;
};

// The application and its windows live and die in here, so that a signal
// that ended them can end the process only after every destructor ran.
int RunApplication(const CommandLine& commandLine, char** argv, int& endingSignal)
{
    QtArguments qtArguments(commandLine, argv[0]);
    QApplication app(qtArguments.count, qtArguments.pointers.data());
    SetUpNames();
    SetUpFonts();
    TerminationSignals termination;
    // The desktop's shell and the real file system, in place before any window asks for them.
    QtShell shell;
    LinuxFileSystem fileSystem;
    Shell::SetInstance(&shell);
    FileSystem::SetInstance(&fileSystem);

    SetUpLanguage();
    SetUpAccessibility();
    // The service outlives the window, which deletes itself when closed.
    ZipRunService run(StagingArea::DefaultRoot());
    RemoveLeftovers(run);
    EndOnTerminationSignals(termination, run);
    QPointer<MainWindow> window = new MainWindow(run);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    // Once the event loop runs, as a drop would arrive.
    QTimer::singleShot(0, window, [&commandLine, window] { commandLine.OpenFolders(*window, std::cerr); });
    const int code = app.exec();
    delete window.data();  // still there when a signal ended the program
    // The staging folders are deleted in the background: gone before the
    // program ends, or left (still marked) to the next start-up, unsaid.
    run.FinishCleanUp();
    Shell::SetInstance(nullptr);
    FileSystem::SetInstance(nullptr);
    endingSignal = termination.Received();
    return code;
}

}  // namespace

int Run(int argc, char** argv)
{
    std::error_code noFolder;  // then relative paths stay relative
    const CommandLine commandLine
        = CommandLine::Parse({argv + 1, argv + argc}, std::filesystem::current_path(noFolder).string());
    if (commandLine.action() != CommandLine::Action::OpenWindow) {
        // An application without a window system, only to hold the translators.
        int count = 1;
        QCoreApplication app(count, argv);
        SetUpLanguage();
        return commandLine.Answer(std::cout, std::cerr);
    }
    int endingSignal = 0;
    const int code = RunApplication(commandLine, argv, endingSignal);
    if (endingSignal != 0)
        TerminationSignals::EndBy(endingSignal);
    return code;
}

} // namespace Startup
