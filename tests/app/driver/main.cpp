// Drives the program's main window, run service and start-up the way the
// program does, for tests in a child process (signals, leftovers) and for
// measuring: Start on the files of the folders named, then Ended. Prints one
// line per stage ("staging", "staged", "started", "ended ...") and, at the
// end, the longest step of the window's thread per stage.
//
//   volarin_run_driver [--link] [--in-place] [--hold] OUTPUT-FOLDER [FOLDER...]
//   --link: link every file into the staging folder; --in-place: link none;
//   --hold: after the run, wait for a signal instead of quitting. Without
//   folders it starts up and quits.
// Built with --coverage, it counts only the run: the counters are cleared as
// Start is pressed and written as Ended comes (scripts/road-count).
#include "FakeShell.h"
#include "LinuxFileSystem.h"
#include "MainWindow.h"
#include "RunOutcome.h"
#include "StepClock.h"
#include "Startup.h"
#include "TerminationSignals.h"
#include "UserMessage.h"
#include "ZipRunService.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>

namespace fs = std::filesystem;

// Present only in a build with --coverage that links them in (-Wl,-u,...).
extern "C" void __gcov_reset() __attribute__((weak));
extern "C" void __gcov_dump() __attribute__((weak));

namespace {

struct Options {
    std::optional<StagingLinks> links;
    bool hold = false;
    fs::path out;
    std::vector<std::string> folders;
};

Options parse(int argc, char** argv)
{
    Options o;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--link") == 0)
            o.links = StagingLinks::Every();
        else if (std::strcmp(argv[i], "--in-place") == 0)
            o.links = StagingLinks::None();
        else if (std::strcmp(argv[i], "--hold") == 0)
            o.hold = true;
        else if (o.out.empty())
            o.out = argv[i];
        else
            o.folders.push_back(argv[i]);
    }
    return o;
}

// Resident memory now and at its peak so far, in MB, as the kernel counts it.
std::string memory()
{
    long rss = 0, hwm = 0;
    if (FILE* status = std::fopen("/proc/self/status", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, status)) {
            std::sscanf(line, "VmRSS: %ld", &rss);
            std::sscanf(line, "VmHWM: %ld", &hwm);
        }
        std::fclose(status);
    }
    char text[64];
    std::snprintf(text, sizeof text, " (rss %.1f MB, peak %.1f MB)", rss / 1024.0, hwm / 1024.0);
    return text;
}

void say(const char* line)
{
    std::printf("%s%s\n", line, memory().c_str());
    std::fflush(stdout);
}

// The folders listed as a drop lists them; `listed` once all their rows are in.
void scan(MainWindow& window, const Options& o, std::function<void()> listed)
{
    window.extensionList()->setCurrentIndex(window.extensionList()->findText(QStringLiteral("All (*.*)")));
    window.AddFolders(o.folders, [listed = std::move(listed)](const std::vector<Failure>&) { listed(); });
}

// Start as the Start button does once Output has named the archive.
void startRun(MainWindow& window, ZipRunService& run, const Options& o)
{
    if (__gcov_reset)
        __gcov_reset();
    const SourceList& files = window.CollectCheckedFiles();
    run.Start({files, o.out / "driven.zip"});
    say("staging");
}

void follow(StepClock& app, ZipRunService& run, const Options& o, QElapsedTimer& clock)
{
    QObject::connect(&run, &ZipRunService::Staged, &app, [&app, &clock] {
        std::printf("staged %.3f s%s\n", clock.elapsed() / 1000.0, memory().c_str());
        std::fflush(stdout);
        app.Phase(QStringLiteral("zipping"));
    });
    QObject::connect(&run, &ZipRunService::Started, &app, [] { say("started"); });
    QObject::connect(&run, &ZipRunService::Ended, &app, [&app, &o, &clock](const RunOutcome& outcome) {
        if (__gcov_dump) {
            __gcov_dump();
            __gcov_reset();  // what runs after is not the run's
        }
        std::printf("ended %d %.3f s%s%s%s\n", int(outcome.end), clock.elapsed() / 1000.0, memory().c_str(),
                    outcome.failure ? ": " : "",
                    outcome.failure ? qPrintable(UserMessage::For(*outcome.failure).text) : "");
        std::fflush(stdout);
        app.Phase(QStringLiteral("after"));
        if (!o.hold)
            QTimer::singleShot(100, &app, [] { QCoreApplication::exit(0); });
    });
}

int drive(StepClock& app, const Options& o, int& endingSignal)
{
    Startup::SetUpNames();
    Startup::SetUpFonts();
    TerminationSignals termination;
    FakeShell shell;
    LinuxFileSystem fileSystem;
    FileSystem::SetInstance(&fileSystem);
    Startup::SetUpAccessibility();
    ZipRunService run(StagingArea::DefaultRoot());
    Startup::RemoveLeftovers(run);
    Startup::EndOnTerminationSignals(termination, run);
    if (o.links)
        run.SetStagingLinks(*o.links);
    auto window = std::make_unique<MainWindow>(run);
    window->show();
    say("ready");
    QElapsedTimer clock;
    follow(app, run, o, clock);
    if (o.folders.empty())
        QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
    else
        QTimer::singleShot(0, &app, [&] {
            app.Phase(QStringLiteral("scan"));
            scan(*window, o, [&] {
                app.Phase(QStringLiteral("listed"));
                say("listed");
                // A moment for the list to be painted, as before a user's click.
                QTimer::singleShot(300, &app, [&] {
                    app.Phase(QStringLiteral("staging"));
                    clock.start();
                    startRun(*window, run, o);
                });
            });
        });
    const int code = app.exec();
    // As the program ends: the window closed, the staging folders' deleting waited for.
    window->close();
    window.reset();
    const Status cleaned = run.FinishCleanUp();
    std::printf("closed%s%s\n", cleaned ? "" : ", left: ",
                cleaned ? "" : qPrintable(UserMessage::For(cleaned.failure()).text));
    std::fflush(stdout);
    FileSystem::SetInstance(nullptr);
    endingSignal = termination.Received();
    return code;
}

}  // namespace

int main(int argc, char** argv)
{
    const Options o = parse(argc, argv);
    int qtArgc = 1;
    int endingSignal = 0;
    int code = 0;
    {
        StepClock app(qtArgc, argv);
        code = drive(app, o, endingSignal);
        app.Report();
    }
    if (endingSignal != 0)
        TerminationSignals::EndBy(endingSignal);
    return code;
}
