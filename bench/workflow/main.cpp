// Start-to-Complete of the zip run service on the files the main window
// lists, against `zip -q -j -6`, per corpus part, measured in the same run;
// plus the copy into the staging folder alone, beside `cp`.
//
//   workflow_bench [--corpus DIR] [--reps N] [--parts a,b]
#include "BenchSupport.h"
#include "FileCopy.h"
#include "MainWindow.h"
#include "StagingArea.h"
#include "StagingCopy.h"
#include "ZipRunService.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace fs = std::filesystem;

namespace {

struct Options {
    fs::path corpus = bench::kDefaultCorpusRoot;
    std::vector<std::string> parts = {"photos", "docs", "big", "many"};
    int reps = 3;
};

Options parse(int argc, char** argv)
{
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto next = [&]() -> std::string { return i + 1 < argc ? argv[++i] : ""; };
        if (a == "--corpus")
            o.corpus = next();
        else if (a == "--reps")
            o.reps = std::max(1, std::atoi(next().c_str()));
        else if (a == "--parts")
            o.parts = bench::splitList(next());
        else {
            std::fprintf(stderr, "unknown argument %s\n", a.c_str());
            std::exit(2);
        }
    }
    return o;
}

// What Start hands over and the service's whole run: the checked files,
// copy, queue, run to Complete. The scan and the name come before the clock
// starts, as they do for a user.
double workflowRun(MainWindow& form, ZipRunService& run, const fs::path& folder, const QString& ext,
                   const fs::path& outBase, bool& ok, double& startSeconds)
{
    form.ClearLists();
    form.extensionList()->setCurrentIndex(form.extensionList()->findText(ext));
    form.ScanFolder(folder.string() + "/");
    form.FinishScan();
    if (!run.PrepareStaging(QStringLiteral("bench")).ok()) {
        ok = false;
        return -1;
    }
    const fs::path archive = outBase.native() + ".zip";
    fs::remove(archive);
    QEventLoop loop;
    bool ended = false;
    const QMetaObject::Connection connection =
        QObject::connect(&run, &ZipRunService::Ended, &loop, [&](const RunOutcome& outcome) {
            ok = outcome.end == RunOutcome::End::Completed;
            ended = true;
            loop.quit();
        });
    QElapsedTimer clock;
    clock.start();
    const std::vector<std::string>& files = form.CollectCheckedFiles();
    run.Start({std::vector<fs::path>(files.begin(), files.end()), QStringLiteral("bench"), archive});
    // Start returns once the copies are made and queued and the archive is open.
    startSeconds = bench::seconds(clock);
    if (!ended)
        loop.exec();
    QObject::disconnect(connection);
    return bench::seconds(clock);
}

double copyRun(const std::vector<fs::path>& files, StagingArea& area)
{
    area.Prepare("copy-only");
    QElapsedTimer clock;
    clock.start();
    const StagingCopyReport report = StagingCopy::CopyAll(files, area.FolderFor("copy-only"));
    const double s = bench::seconds(clock);
    return report.failed.empty() ? s : -1;
}

double cpRun(const fs::path& part, const fs::path& target)
{
    fs::remove_all(target);
    fs::create_directories(target);
    QElapsedTimer clock;
    clock.start();
    // The shell expands the glob as a user's `cp dir/* target/` would.
    QProcess::execute("sh", {"-c", QStringLiteral("cp -- \"$0\"/* \"$1\"/"),
                             QString::fromStdString(part.string()), QString::fromStdString(target.string())});
    return bench::seconds(clock);
}

}  // namespace

int main(int argc, char** argv)
{
    const Options o = parse(argc, argv);
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
#ifdef __GLIBC__
    mallopt(M_TRIM_THRESHOLD, 256 * 1024 * 1024);  // as the program's main does
#endif
    QApplication app(argc, argv);
    bench::ensureCorpus(o.corpus);
    const fs::path out = o.corpus / "out-workflow";
    fs::create_directories(out);

    std::printf("%-7s %6s %8s %8s %8s %7s %8s %8s %7s %8s %9s\n", "part", "files", "MB", "flow s", "zip s", "ratio",
                "start s", "copy s", "cp s", "copy/cp", "run/zip");
    for (const std::string& part : o.parts) {
        const fs::path folder = o.corpus / "corpus" / part;
        const std::vector<fs::path> files = bench::filesIn(folder);
        uintmax_t bytes = 0;
        for (const fs::path& f : files)
            bytes += fs::file_size(f);
        const std::string ext = files.empty() ? "" : files.front().extension().string().substr(1);

        ZipRunService run(o.corpus / "staging");
        MainWindow form(run);
        StagingArea copyArea(o.corpus / "staging-copy");

        std::vector<double> flowT, startT, zipT, copyT, cpT;
        bool allOk = true;
        for (int r = 0; r < o.reps; ++r) {
            bool ok = false;
            double started = 0;
            flowT.push_back(workflowRun(form, run, folder, QString::fromStdString(ext), out / part, ok, started));
            startT.push_back(started);
            allOk = allOk && ok;
            zipT.push_back(bench::infoZipRun(files, out / (part + "-infozip.zip")));
            copyT.push_back(copyRun(files, copyArea));
            cpT.push_back(cpRun(folder, o.corpus / "cp-target"));
        }
        const bool tested = QProcess::execute("unzip", {"-tqq", QString::fromStdString((out / (part + ".zip")).string())}) == 0;
        using bench::median;
        const double f = median(flowT), st = median(startT), z = median(zipT), c = median(copyT), p = median(cpT);
        // "start s": Start's own part (checked files, copy, queue, open); "copy s"
        // and "cp s": the copy alone and `cp` of the same files; "run/zip":
        // the Zipper's run after Start, against zip.
        std::printf("%-7s %6zu %8.1f %8.3f %8.3f %6.2fx %8.3f %8.3f %8.3f %6.2fx %8.2fx%s\n", part.c_str(),
                    files.size(), double(bytes) / 1e6, f, z, z > 0 ? f / z : 0.0, st, c, p, p > 0 ? c / p : 0.0,
                    z > 0 ? (f - st) / z : 0.0, allOk && tested ? "" : "  (RUN FAILED)");
        std::fflush(stdout);
        fs::remove(out / (part + ".zip"));
        fs::remove(out / (part + "-infozip.zip"));
        fs::remove_all(o.corpus / "cp-target");
        run.Shutdown();
        copyArea.RemoveAll();
    }
    return 0;
}
