// Start-to-Complete through the main window against `zip -q -j -6`, per
// corpus part, measured in the same run; plus the copy into the staging
// folder alone, beside `cp`.
//
//   workflow_bench [--corpus DIR] [--reps N] [--parts a,b]
#include "BenchSupport.h"
#include "FileCopy.h"
#include "Form1.h"
#include "Module1.h"
#include "StagingArea.h"
#include "StagingCopy.h"
#include "ZipWorkflow.h"
#include "Zipper.h"
#include "chameleonButton.h"

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

// The Start button's whole path: addlist, copy, queue, run to Complete. The
// scan and the name come before the clock starts, as they do for a user.
double workflowRun(Form1& form, ZipWorkflow& flow, const fs::path& folder, const QString& ext,
                   const fs::path& outBase, bool& ok, double& startSeconds)
{
    form.ClearLists();
    form.Combo1()->setCurrentIndex(form.Combo1()->findText(ext));
    form.ScanFolder(folder.string() + "/");
    form.FinishScan();
    const StagingOutcome prepared = flow.Staging().Prepare("bench");
    if (!prepared.ok) {
        ok = false;
        return -1;
    }
    fs::remove(outBase.native() + ".zip");
    flow.OutputChosen(flow.Staging().FolderFor("bench"), outBase);
    QEventLoop loop;
    bool finished = false;
    QObject::connect(&flow, &ZipWorkflow::RunFinished, &loop, [&](bool good) {
        ok = good;
        finished = true;
        loop.quit();
    });
    QElapsedTimer clock;
    clock.start();
    flow.Start();
    // Start returns once the copies are made and queued and the archive is open.
    startSeconds = bench::seconds(clock);
    if (!finished && flow.zipper().Zipping())
        loop.exec();
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

        Form1 form;
        // Created on the stack: the bench owns this one, not the window.
        ZipWorkflow flow(form);
        flow.SetStagingRoot(o.corpus / "staging");

        std::vector<double> flowT, startT, zipT, copyT, cpT;
        bool allOk = true;
        for (int r = 0; r < o.reps; ++r) {
            bool ok = false;
            double started = 0;
            flowT.push_back(workflowRun(form, flow, folder, QString::fromStdString(ext), out / part, ok, started));
            startT.push_back(started);
            allOk = allOk && ok;
            zipT.push_back(bench::infoZipRun(files, out / (part + "-infozip.zip")));
            copyT.push_back(copyRun(files, flow.Staging()));
            cpT.push_back(cpRun(folder, o.corpus / "cp-target"));
        }
        const bool tested = QProcess::execute("unzip", {"-tqq", QString::fromStdString((out / (part + ".zip")).string())}) == 0;
        using bench::median;
        const double f = median(flowT), st = median(startT), z = median(zipT), c = median(copyT), p = median(cpT);
        // "start s": Start's own part (addlist, copy, queue, open); "copy s"
        // and "cp s": the copy alone and `cp` of the same files; "run/zip":
        // the Zipper's run after Start, against zip.
        std::printf("%-7s %6zu %8.1f %8.3f %8.3f %6.2fx %8.3f %8.3f %8.3f %6.2fx %8.2fx%s\n", part.c_str(),
                    files.size(), double(bytes) / 1e6, f, z, z > 0 ? f / z : 0.0, st, c, p, p > 0 ? c / p : 0.0,
                    z > 0 ? (f - st) / z : 0.0, allOk && tested ? "" : "  (RUN FAILED)");
        std::fflush(stdout);
        fs::remove(out / (part + ".zip"));
        fs::remove(out / (part + "-infozip.zip"));
        fs::remove_all(o.corpus / "cp-target");
        flow.Staging().RemoveAll();
    }
    return 0;
}
