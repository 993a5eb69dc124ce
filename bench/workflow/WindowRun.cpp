#include "WindowRun.h"

#include "BenchShell.h"
#include "ExtensionList.h"
#include "MainWindow.h"
#include "OutputNameDialog.h"
#include "RunOutcome.h"
#include "Startup.h"
#include "ZipRunService.h"
#include "Zipper.h"
#include "chameleonButton.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace fs = std::filesystem;

namespace {

// The bridge connects to the accessibility bus after the window is up; a user
// takes longer than that to reach Start, so the run begins once it is there.
bool waitForAccessibilityBridge()
{
    if (!qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"))
        return QAccessible::isActive();
    QDeadlineTimer deadline(5000);
    while (!QAccessible::isActive() && !deadline.hasExpired())
        QTest::qWait(20);
    return QAccessible::isActive();
}

void selectExtensionRow(MainWindow& window, const fs::path& folder)
{
    QString row = ExtensionList::kAllRow;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            row = QString::fromStdString(ExtensionList::LowerExtension(entry.path().string()));
            break;
        }
    }
    QComboBox* rows = window.extensionList();
    const int index = rows->findText(row);
    rows->setCurrentIndex(index >= 0 ? index : rows->findText(ExtensionList::kAllRow));
}

// The clock `perf record -k CLOCK_MONOTONIC` stamps its samples with.
double monotonicSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// How long the window's event loop goes without turning: a timer due every
// few milliseconds notes the longest gap between its calls.
class LongestStep {
public:
    LongestStep()
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            const qint64 gap = since_.nsecsElapsed();
            longest_ = std::max(longest_, gap);
            // Where a step over 100 ms fell, for finding what held the window.
            if (gap > 100'000'000)
                std::fprintf(stderr, "long step: %.1f ms ending %.3f s after the drop (monotonic clock %.3f s)\n",
                             double(gap) / 1e6, double(clock_.nsecsElapsed()) / 1e9, monotonicSeconds());
            since_.restart();
        });
        clock_.start();
        since_.start();
        timer_.start();
    }
    double Milliseconds() const { return double(longest_) / 1e6; }
    double SecondsSinceDrop() const { return double(clock_.nsecsElapsed()) / 1e9; }

private:
    QTimer timer_;
    QElapsedTimer clock_;
    QElapsedTimer since_;
    qint64 longest_ = 0;
};

}  // namespace

int runWindowOnce(const BenchOptions& options)
{
    int qtArgc = 1;
    char name[] = "workflow_bench";
    char* qtArgv[] = {name, nullptr};
    QApplication app(qtArgc, qtArgv);
    Startup::SetUpNames();
    Startup::SetUpFonts();
    Startup::SetUpAccessibility();

    const fs::path out = options.workDir / "out";
    fs::create_directories(out);
    BenchShell shell(out);
    auto zipper = std::make_unique<Zipper>();
    zipper->SetProofSkippedForBench(options.unproven);
    ZipRunService run(options.workDir / "staging", std::move(zipper));
    if (options.links == "every")
        run.SetStagingLinks(StagingLinks::Every());
    else if (options.links == "none")
        run.SetStagingLinks(StagingLinks::None());
    MainWindow window(run);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        std::fprintf(stderr, "the window was not exposed\n");
    const bool bridge = waitForAccessibilityBridge();

    const fs::path folder = options.corpus / "corpus" / options.windowRunPart;
    selectExtensionRow(window, folder);
    const LongestStep longestStep;
    window.AddFolders({folder.string()});
    // The rows come in off the window's thread, as after a user's drop.
    while (window.Listing())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);

    const QString archiveName = QStringLiteral("bench-") + QString::fromStdString(options.windowRunPart);
    fs::remove(out / (archiveName.toStdString() + ".zip"));
    QTest::mouseClick(window.outputButton(), Qt::LeftButton);
    if (OutputNameDialog* dialog = window.outputDialog()) {
        dialog->nameField()->setText(archiveName);
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    }
    if (!window.startButton()->Enabled()) {
        std::printf("RUN completed=0 seconds=-1 staged=-1 a11y=%d messages=%d\n", bridge ? 1 : 0,
                    shell.messagesShown());
        return 1;
    }

    QEventLoop loop;
    QElapsedTimer clock;
    double stagedAt = -1;
    bool ended = false, completed = false;
    QObject::connect(&run, &ZipRunService::Staged, &loop, [&] { stagedAt = double(clock.nsecsElapsed()) / 1e9; });
    QObject::connect(&run, &ZipRunService::Ended, &loop, [&](const RunOutcome& outcome) {
        completed = outcome.end == RunOutcome::End::Completed;
        ended = true;
        loop.quit();
    });
    // On stderr, so that a long step can be placed among the phases.
    std::fprintf(stderr, "phases: listed %.3f s after the drop\n", longestStep.SecondsSinceDrop());
    QObject::connect(&run, &ZipRunService::Staged, &loop,
                     [&] { std::fprintf(stderr, "phases: staged %.3f s after the drop\n", longestStep.SecondsSinceDrop()); });
    clock.start();
    QTest::mouseClick(window.startButton(), Qt::LeftButton);
    std::fprintf(stderr, "phases: Start click returned %.3f s after the drop\n", longestStep.SecondsSinceDrop());
    // Ended may already have come from inside the click, when the run could not start.
    if (!ended)
        loop.exec();
    const double seconds = double(clock.nsecsElapsed()) / 1e9;
    std::fprintf(stderr, "phases: ended %.3f s after the drop\n", longestStep.SecondsSinceDrop());

    std::printf("RUN completed=%d seconds=%.6f staged=%.6f a11y=%d messages=%d longest_step_ms=%.1f\n",
                completed ? 1 : 0, seconds, stagedAt, bridge ? 1 : 0, shell.messagesShown(),
                longestStep.Milliseconds());
    std::fflush(stdout);
    // Closing deletes the staging folder, as when a user closes the window.
    window.close();
    return completed ? 0 : 1;
}
