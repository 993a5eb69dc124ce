// Lists a generated folder of small files into the real main window on the offscreen
// platform and compares the time with `find DIR -maxdepth 1 -name '*.log'
// -printf '%s\n'` on the same folder, in the same run.
#include "MainWindow.h"
#include "Startup.h"
#include "ZipRunService.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

long PeakKiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return -1;
}

double RunFind(const std::string& folder)
{
    QElapsedTimer timer;
    timer.start();
    std::fflush(stdout); // the child must not print our buffered lines again
    const pid_t child = fork();
    if (child == 0) {
        if (!freopen("/dev/null", "w", stdout))
            _exit(126);
        execlp("find", "find", folder.c_str(), "-maxdepth", "1", "-name", "*.log", "-printf", "%s\n", nullptr);
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return timer.nsecsElapsed() / 1e9;
}

void Generate(const fs::path& folder, int count)
{
    fs::create_directories(folder);
    const std::string body(100, 'x');
    char name[32];
    for (int i = 0; i < count; ++i) {
        std::snprintf(name, sizeof name, "file%06d.log", i);
        std::ofstream(folder / name, std::ios::binary) << body;
    }
}

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const int count = argc > 1 ? std::atoi(argv[1]) : 100000;
    fs::path folder = argc > 2 ? fs::path(argv[2]) : fs::temp_directory_path() / ("volarin-scan-bench-" + std::to_string(getpid()));
    const bool ownFolder = argc <= 2;
    if (ownFolder || !fs::exists(folder)) {
        std::printf("generating %d files in %s ...\n", count, folder.c_str());
        Generate(folder, count);
    }

    QApplication app(argc, argv);
    Startup::SetUpNames();
    Startup::SetUpFonts();
    ZipRunService run(StagingArea::DefaultRoot());
    MainWindow form(run);
    form.extensionList()->setCurrentIndex(form.extensionList()->findText(QStringLiteral("log")));
    form.show();
    QCoreApplication::processEvents();

    RunFind(folder.string()); // warm the directory cache for both sides
    double bestFind = 1e9, bestScan = 1e9;
    int rows = 0;
    for (int round = 0; round < 3; ++round) {
        bestFind = std::min(bestFind, RunFind(folder.string()));
        form.ClearLists();
        QCoreApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        rows = form.ScanFolder(MainWindow::TrailingSlash(folder.string())).added;
        form.FinishScan();
        QCoreApplication::processEvents(); // lay out and paint the list
        form.repaint();
        bestScan = std::min(bestScan, timer.nsecsElapsed() / 1e9);
    }

    std::printf("rows listed:        %d\n", rows);
    std::printf("scan + list:        %.3f s  (%.0f files/s)\n", bestScan, rows / bestScan);
    std::printf("find -printf %%s:    %.3f s  (%.0f files/s)\n", bestFind, rows / bestFind);
    std::printf("ratio scan / find:  %.2fx  (target: within 5x)\n", bestScan / bestFind);
    std::printf("peak memory:        %.1f MB  (target: under 150 MB)\n", PeakKiB() / 1024.0);

    if (ownFolder)
        fs::remove_all(folder);
    return 0;
}
